#include "core/file_system.h"

#include "core/file_system_parts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <utility>

#include <windows.h>

namespace tessaly {

namespace {

using namespace file_system_parts;

// Every path goes to the system as UTF-16 through the wide calls, never through the ANSI
// code page, which cannot hold most names. An absolute path past the old 260-character
// limit gets the prefix that lifts it.
std::wstring widePath(const QString &path)
{
    QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (native.size() >= MAX_PATH - 12 && !native.startsWith(QLatin1StringView("\\\\?\\"))) {
        if (native.startsWith(QLatin1StringView("\\\\")))
            native = QLatin1StringView("\\\\?\\UNC\\") + native.mid(2);
        else
            native = QLatin1StringView("\\\\?\\") + native;
    }
    return native.toStdWString();
}

// The system's words for a Windows error ("The process cannot access the file because it
// is being used by another process").
QString windowsReason(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                                : QStringLiteral("Windows error %1").arg(error);
    if (text != nullptr)
        ::LocalFree(text);
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

class Handle {
  public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    ~Handle() { close(); }

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void reset(HANDLE handle)
    {
        close();
        handle_ = handle;
    }
    HANDLE release()
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    bool close()
    {
        if (!isOpen())
            return true;
        return ::CloseHandle(release()) != 0;
    }

  private:
    HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens path to be looked at, not read: no access asked, so a file another program holds
// without sharing can still be looked at. Folders open too.
HANDLE openToLookAt(const std::wstring &path)
{
    return ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// What stands at path when it is not a regular file: "a folder", "a device", ...; empty
// for a regular file or when nothing stands there.
QString kindOfOddFile(const std::wstring &path, DWORD *error = nullptr)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (error != nullptr)
            *error = ::GetLastError();
        // A device name (CON, NUL, COM1) has no attributes but opens.
        const Handle device(openToLookAt(path));
        if (device.isOpen() && ::GetFileType(device.get()) != FILE_TYPE_DISK)
            return QStringLiteral("a device");
        return {};
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return QStringLiteral("a folder");
    const Handle file(openToLookAt(path));
    if (!file.isOpen())
        return {};
    switch (::GetFileType(file.get())) {
    case FILE_TYPE_DISK:
        return {};
    case FILE_TYPE_PIPE:
        return QStringLiteral("a FIFO");
    case FILE_TYPE_CHAR:
        return QStringLiteral("a device");
    default:
        return QStringLiteral("of an unknown kind");
    }
}

// Opens a new, empty file beside target under a name that says whose it is, held without
// sharing until it is closed: that is what tells a write in progress from one that was
// killed (see isLeftOver).
HANDLE createTemporary(const QString &target, std::wstring &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = widePath(temporaryNameFor(target));
        const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return handle;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE handle, const char *data, qsizetype size)
{
    while (size > 0) {
        const DWORD chunk = DWORD(std::min<qsizetype>(size, 1 << 30));
        DWORD written = 0;
        if (!::WriteFile(handle, data, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// A temporary that opens without sharing belongs to a write that has ended without its
// swap: the writer holds it open without sharing until then, and a killed process holds
// nothing. An empty one is removed only where no other write can be running, as on the
// other systems.
bool isLeftOver(const QString &path, bool folderHeld)
{
    const std::wstring name = widePath(path);
    const Handle file(::CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.isOpen() || ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return false;
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(file.get(), &size) && (size.QuadPart > 0 || folderHeld);
}

int removeLeftovers(const QString &directory, bool folderHeld)
{
    int removed = 0;
    for (const QString &path : temporariesIn(directory)) {
        if (isLeftOver(path, folderHeld) && ::DeleteFileW(widePath(path).c_str()))
            ++removed;
    }
    return removed;
}

// Opens the regular file at path for reading, sharing it with every other program.
Outcome openForReading(const QString &path, Handle &file, ReadRefusal *refusal)
{
    if (refusal != nullptr)
        *refusal = ReadRefusal::None;
    const std::wstring name = widePath(path);
    DWORD missing = ERROR_FILE_NOT_FOUND;
    const QString odd = kindOfOddFile(name, &missing);
    if (!odd.isEmpty())
        return refuseRead(path, QStringLiteral("is not a regular file (%1)").arg(odd),
                          ReadRefusal::NotRegularFile, refusal);
    const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return Outcome::failure(path, windowsReason(::GetLastError()));
    Handle opened(handle);
    if (::GetFileType(opened.get()) != FILE_TYPE_DISK)
        return refuseRead(path, QStringLiteral("is not a regular file (a device)"),
                          ReadRefusal::NotRegularFile, refusal);
    file.reset(opened.release());
    return Outcome::done();
}

} // namespace

Outcome writeWholeFile(const QString &path, const QByteArray &bytes, FilePermissions permissions)
{
    QFileInfo target;
    if (const std::optional<Outcome> problem = writeTargetProblem(path, target))
        return *problem;
    const QString native = QDir::toNativeSeparators(path);

    const std::wstring finalName = widePath(target.absoluteFilePath());
    const QString odd = kindOfOddFile(finalName);
    if (!odd.isEmpty())
        return Outcome::failure(native, QFileInfo(path).fileName() +
                                            QStringLiteral(" is not a regular file (%1)").arg(odd));
    // A file marked read-only is never replaced: whoever marked it meant it to stay as it
    // is, and Windows itself refuses the swap onto it (Wine alone lets it through).
    const DWORD attributes = ::GetFileAttributesW(finalName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Outcome::failure(native,
                                QFileInfo(path).fileName() + QStringLiteral(" is marked read-only"));
    // Windows keeps no permission bits; a new file takes its folder's access rules, and
    // the only bit it has is read-only, which a new file never gets.
    Q_UNUSED(permissions);

    removeLeftovers(target.absolutePath(), false);
    std::wstring temporary;
    Handle file(createTemporary(target.absoluteFilePath(), temporary));
    if (!file.isOpen())
        return Outcome::failure(native, windowsReason(::GetLastError()));
    bool written =
        writeAll(file.get(), bytes.constData(), bytes.size()) && ::FlushFileBuffers(file.get());
    DWORD error = written ? ERROR_SUCCESS : ::GetLastError();
    if (!file.close() && written) {
        written = false;
        error = ::GetLastError();
    }
    // The swap: the old file, read-only or held open without sharing by another program,
    // stays as it was and the save fails with the system's reason.
    if (written && !::MoveFileExW(temporary.c_str(), finalName.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        written = false;
        error = ::GetLastError();
    }
    if (!written) {
        ::DeleteFileW(temporary.c_str());
        return Outcome::failure(native, windowsReason(error));
    }
    return Outcome::done();
}

Outcome openRegularFile(const QString &path, ReadableFile &file, ReadRefusal *refusal)
{
    file.close();
    Handle opened;
    const Outcome outcome = openForReading(path, opened, refusal);
    if (outcome.ok())
        file.handle_ = reinterpret_cast<qintptr>(opened.release());
    return outcome;
}

void ReadableFile::close()
{
    if (isOpen())
        ::CloseHandle(reinterpret_cast<HANDLE>(std::exchange(handle_, kClosed)));
}

qint64 ReadableFile::read(char *data, qint64 size)
{
    DWORD n = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), data, DWORD(std::min<qint64>(size, 1 << 30)),
                    &n, nullptr)) {
        error_ = ::GetLastError();
        return -1;
    }
    error_ = 0;
    return n;
}

qint64 ReadableFile::readAt(char *data, qint64 size, qint64 offset)
{
    // A read at an offset moves the file's position: it is put back after.
    const HANDLE handle = reinterpret_cast<HANDLE>(handle_);
    LARGE_INTEGER here{}, none{};
    if (!::SetFilePointerEx(handle, none, &here, FILE_CURRENT)) {
        error_ = ::GetLastError();
        return -1;
    }
    OVERLAPPED at{};
    at.Offset = DWORD(quint64(offset) & 0xFFFFFFFFu);
    at.OffsetHigh = DWORD(quint64(offset) >> 32);
    DWORD n = 0;
    const bool read = ::ReadFile(handle, data, DWORD(std::min<qint64>(size, 1 << 30)), &n, &at) ||
                      ::GetLastError() == ERROR_HANDLE_EOF;
    error_ = read ? 0 : ::GetLastError();
    ::SetFilePointerEx(handle, here, nullptr, FILE_BEGIN);
    return read ? qint64(n) : -1;
}

qint64 ReadableFile::size()
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size)) {
        error_ = ::GetLastError();
        return -1;
    }
    return size.QuadPart;
}

QString ReadableFile::failureReason() const
{
    return windowsReason(DWORD(error_));
}

int ReadableFile::releaseDescriptor()
{
    if (!isOpen())
        return -1;
    const int descriptor = ::_open_osfhandle(handle_, _O_RDONLY | _O_BINARY);
    if (descriptor < 0)
        close();
    else
        handle_ = kClosed;
    return descriptor;
}

void closeDescriptor(int descriptor)
{
    if (descriptor >= 0)
        ::_close(descriptor);
}

int removeLeftoverTemporaries(const QString &directory)
{
    return removeLeftovers(directory, true);
}

FileFacts fileFacts(const QString &path, bool followLinks)
{
    FileFacts facts;
    const std::wstring name = widePath(path);
    const DWORD own = ::GetFileAttributesW(name.c_str());
    if (own == INVALID_FILE_ATTRIBUTES)
        return facts;
    facts.link = (own & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    DWORD attributes = own;
    if (facts.link && followLinks) {
        const Handle target(openToLookAt(name));
        BY_HANDLE_FILE_INFORMATION information{};
        if (!target.isOpen() || !::GetFileInformationByHandle(target.get(), &information))
            return facts;
        attributes = information.dwFileAttributes;
    }
    facts.exists = true;
    facts.folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.regular = !facts.folder && kindOfOddFile(name).isEmpty();
    // Windows has no owner bits for others to hold: every file counts as the user's own,
    // readable and writable by the user alone unless it is read-only.
    facts.owner = 0;
    facts.bits = facts.folder ? 0700 : (attributes & FILE_ATTRIBUTE_READONLY) ? 0400 : 0600;
    return facts;
}

uint runningUser()
{
    return 0;
}

QString userName(uint user)
{
    return QString::number(user);
}

bool makeFolder(const QString &path, int bits)
{
    Q_UNUSED(bits);
    const std::wstring name = widePath(path);
    ::CreateDirectoryW(name.c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DiskStamp DiskStamp::of(const QString &path)
{
    DiskStamp stamp;
    const Handle file(openToLookAt(widePath(path)));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file.isOpen() || !::GetFileInformationByHandle(file.get(), &information))
        return stamp;
    const auto nanoseconds = [](const FILETIME &t) {
        // FILETIME counts 100-nanosecond steps.
        return ((qint64(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 100;
    };
    stamp.exists = true;
    stamp.device = information.dwVolumeSerialNumber;
    stamp.inode = (quint64(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    stamp.size = (qint64(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    stamp.modified = nanoseconds(information.ftLastWriteTime);
    stamp.changed = nanoseconds(information.ftCreationTime);
    return stamp;
}

QString folderWriteProblem(const QString &path)
{
    // Whether a file can be made is told by the folder's access rules, which only the
    // system reads right: a probe file is made and gone at once.
    const QString probe = QDir(path).filePath(
        QStringLiteral(".tessaly-probe-%1.tmp").arg(QRandomGenerator::global()->generate()));
    const HANDLE handle =
        ::CreateFileW(widePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return windowsReason(::GetLastError());
    ::CloseHandle(handle);
    return {};
}

QString startDirectoryPath()
{
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(needed, L'\0');
    const DWORD length = ::GetCurrentDirectoryW(needed, buffer.data());
    if (needed == 0 || length == 0 || length >= needed)
        return QDir::current().absolutePath();
    QString name = QString::fromWCharArray(buffer.data(), int(length));
    if (name.startsWith(QLatin1StringView("\\\\?\\UNC\\")))
        name = QLatin1StringView("\\\\") + name.mid(8);
    else if (name.startsWith(QLatin1StringView("\\\\?\\")))
        name = name.mid(4);
    return QDir::fromNativeSeparators(name);
}

void letWritesFailOverSizeLimits()
{
    // Windows has no file-size signal: an over-large write fails by itself.
}

} // namespace tessaly
