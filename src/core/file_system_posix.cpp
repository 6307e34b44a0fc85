#include "core/file_system.h"

#include "core/file_system_parts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tessaly {

namespace {

using namespace file_system_parts;

// Opens a new, empty file beside target under a name that says whose it is, so that
// one left behind by a save that was killed half way is recognised and removed.
int createTemporary(const QString &target, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(temporaryNameFor(target));
        // Readable by nobody else until its bits are set: whoever opened it meanwhile
        // would keep reading what is written after.
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<std::size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// A rename is on disk only once the folder that holds it is; without this a power
// loss right after a save could bring back the roll from before it.
void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString kindOfFile(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("of an unknown kind");
}

// What a new file gets when nobody says otherwise. The umask can only be read by setting
// it; the program makes no files on other threads meanwhile.
int defaultFileBits()
{
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return 0666 & ~static_cast<int>(mask);
}

// A temporary whose lock can be taken belongs to a write that has ended without its
// swap: the writer holds the lock until then, and a killed process holds nothing. Only
// an empty one may be a write that has not taken its lock yet (it writes only once it
// has): that one is left over only where no other write can be running.
bool isLeftOver(const QByteArray &name, bool folderHeld)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool left = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      (info.st_size > 0 || folderHeld) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return left;
}

int removeLeftovers(const QString &directory, bool folderHeld)
{
    int removed = 0;
    for (const QString &path : temporariesIn(directory)) {
        if (isLeftOver(QFile::encodeName(path), folderHeld) && QFile::remove(path))
            ++removed;
    }
    return removed;
}

} // namespace

Outcome writeWholeFile(const QString &path, const QByteArray &bytes, FilePermissions permissions)
{
    QFileInfo target;
    if (const std::optional<Outcome> problem = writeTargetProblem(path, target))
        return *problem;
    const QString native = QDir::toNativeSeparators(path);

    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    // The swap would put a file in place of a device or a FIFO: its node would be gone,
    // and whatever reads or writes it would get this file instead.
    struct stat old {};
    const bool replacing = ::stat(finalName.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return Outcome::failure(
            native, QFileInfo(path).fileName() +
                        QStringLiteral(" is not a regular file (%1)").arg(kindOfFile(old.st_mode)));

    removeLeftovers(target.absolutePath(), false);
    QByteArray temporary;
    const int fd = createTemporary(target.absoluteFilePath(), temporary);
    if (fd < 0)
        return Outcome::failure(native, systemReason(errno));
    // The lock tells a write in progress from one that was killed (see isLeftOver). It is
    // held through a second descriptor until the swap, since closing the first, whose
    // errors count, would let it go. Where the file system has no locks it stays unheld.
    ::flock(fd, LOCK_EX | LOCK_NB);
    const int held = ::dup(fd);

    // A file replaced keeps its permissions, a new one gets the caller's or the default.
    const int bits = (replacing                  ? int(old.st_mode & 07777)
                      : permissions.created >= 0 ? permissions.created
                                                 : defaultFileBits()) &
                     permissions.most;
    // A file system without permissions (a FAT stick) gives every file the same bits and
    // refuses to change them; the file is written all the same.
    struct stat made {};
    if (::fstat(fd, &made) == 0 && int(made.st_mode & 07777) != bits)
        ::fchmod(fd, static_cast<mode_t>(bits));
    bool written = writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), finalName.constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written)
        ::unlink(temporary.constData());
    if (held >= 0)
        ::close(held);
    if (!written)
        return Outcome::failure(native, systemReason(error));
    syncFolder(target.absolutePath());
    return Outcome::done();
}

namespace {

Outcome openDescriptor(const QString &path, int &fd, ReadRefusal *refusal)
{
    fd = -1;
    if (refusal != nullptr)
        *refusal = ReadRefusal::None;
    const QByteArray name = QFile::encodeName(path);
    const auto notRegular = [&](mode_t mode) {
        return refuseRead(path, QStringLiteral("is not a regular file (%1)").arg(kindOfFile(mode)),
                          ReadRefusal::NotRegularFile, refusal);
    };

    // Looked at before it is opened: opening some devices already does something.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return Outcome::failure(path, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);

    // Without blocking, in case another file took its place since: opening a FIFO for
    // reading would wait for a writer.
    const int opened = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (opened < 0)
        return Outcome::failure(path, systemReason(errno));
    if (::fstat(opened, &info) != 0 || !S_ISREG(info.st_mode)) {
        const Outcome failure = S_ISREG(info.st_mode) ? Outcome::failure(path, systemReason(errno))
                                                      : notRegular(info.st_mode);
        ::close(opened);
        return failure;
    }
    fd = opened;
    return Outcome::done();
}

} // namespace

Outcome openRegularFile(const QString &path, ReadableFile &file, ReadRefusal *refusal)
{
    file.close();
    int fd = -1;
    const Outcome opened = openDescriptor(path, fd, refusal);
    if (opened.ok())
        file.handle_ = fd;
    return opened;
}

void ReadableFile::close()
{
    if (isOpen())
        ::close(int(std::exchange(handle_, kClosed)));
}

qint64 ReadableFile::read(char *data, qint64 size)
{
    for (;;) {
        const ssize_t n = ::read(int(handle_), data, static_cast<std::size_t>(size));
        if (n >= 0 || errno != EINTR) {
            error_ = n < 0 ? errno : 0;
            return n;
        }
    }
}

qint64 ReadableFile::readAt(char *data, qint64 size, qint64 offset)
{
    for (;;) {
        const ssize_t n = ::pread(int(handle_), data, static_cast<std::size_t>(size), offset);
        if (n >= 0 || errno != EINTR) {
            error_ = n < 0 ? errno : 0;
            return n;
        }
    }
}

qint64 ReadableFile::size()
{
    struct stat info {};
    if (::fstat(int(handle_), &info) != 0) {
        error_ = errno;
        return -1;
    }
    return info.st_size;
}

QString ReadableFile::failureReason() const
{
    return systemReason(int(error_));
}

int ReadableFile::releaseDescriptor()
{
    return int(std::exchange(handle_, kClosed));
}

void closeDescriptor(int descriptor)
{
    if (descriptor >= 0)
        ::close(descriptor);
}

int removeLeftoverTemporaries(const QString &directory)
{
    return removeLeftovers(directory, true);
}

FileFacts fileFacts(const QString &path, bool followLinks)
{
    FileFacts facts;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return facts;
    facts.link = S_ISLNK(info.st_mode);
    if (facts.link && followLinks && ::stat(name.constData(), &info) != 0)
        return facts;
    facts.exists = true;
    facts.regular = S_ISREG(info.st_mode);
    facts.folder = S_ISDIR(info.st_mode);
    facts.owner = info.st_uid;
    facts.bits = static_cast<int>(info.st_mode & 07777);
    return facts;
}

uint runningUser()
{
    return ::geteuid();
}

QString userName(uint user)
{
    passwd entry{};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(user);
}

bool makeFolder(const QString &path, int bits)
{
    const QByteArray name = QFile::encodeName(path);
    // The umask may take bits away at mkdir, never add them; chmod gives them back.
    if (::mkdir(name.constData(), static_cast<mode_t>(bits)) == 0)
        ::chmod(name.constData(), static_cast<mode_t>(bits));
    struct stat info {};
    return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

DiskStamp DiskStamp::of(const QString &path)
{
    DiskStamp stamp;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    const auto nanoseconds = [](const timespec &t) {
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = nanoseconds(info.st_mtim);
    stamp.changed = nanoseconds(info.st_ctim);
    return stamp;
}

QString folderWriteProblem(const QString &path)
{
    if (::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0)
        return {};
    return systemReason(errno);
}

namespace {

QByteArray currentDirectoryBytes()
{
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    while (::getcwd(buffer.data(), static_cast<std::size_t>(buffer.size())) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

} // namespace

QString startDirectoryPath()
{
    const QByteArray raw = currentDirectoryBytes();
    const QString name = QFile::decodeName(raw);
    if (raw.isEmpty() || QFile::encodeName(name) == raw)
        return raw.isEmpty() ? QDir::current().absolutePath() : name;
    // Never closed: the roll lives here until the program ends.
    const int fd = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        const QString handle = QStringLiteral("/proc/self/fd/%1").arg(fd);
        if (QFileInfo(handle).isDir())
            return handle;
        ::close(fd);
    }
    return name;
}

void letWritesFailOverSizeLimits()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace tessaly
