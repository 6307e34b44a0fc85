#include "core/file_system.h"

#include "core/file_system_parts.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

namespace tessaly {

QString sizeLimitText(qint64 bytes)
{
    constexpr qint64 kKilobyte = 1024, kMegabyte = 1024 * 1024, kGigabyte = 1024 * kMegabyte;
    if (bytes > 0 && bytes % kGigabyte == 0)
        return QStringLiteral("%1 GB").arg(bytes / kGigabyte);
    if (bytes > 0 && bytes % kMegabyte == 0)
        return QStringLiteral("%1 MB").arg(bytes / kMegabyte);
    if (bytes > 0 && bytes % kKilobyte == 0)
        return QStringLiteral("%1 KB").arg(bytes / kKilobyte);
    return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
}

bool DiskStamp::operator==(const DiskStamp &o) const
{
    return std::tie(exists, device, inode, size, modified, changed) ==
           std::tie(o.exists, o.device, o.inode, o.size, o.modified, o.changed);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

ReadableFile::~ReadableFile()
{
    close();
}

ReadableFile::ReadableFile(ReadableFile &&other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)), error_(other.error_)
{
}

ReadableFile &ReadableFile::operator=(ReadableFile &&other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kClosed);
        error_ = other.error_;
    }
    return *this;
}

Outcome readWholeFile(const QString &path, QByteArray &bytes, qint64 limit, ReadRefusal *refusal)
{
    bytes.clear();
    const auto tooLarge = [&] {
        bytes.clear();
        return file_system_parts::refuseRead(
            path, QStringLiteral("is larger than %1").arg(sizeLimitText(limit)),
            ReadRefusal::TooLarge, refusal);
    };
    ReadableFile file;
    const Outcome opened = openRegularFile(path, file, refusal);
    if (!opened.ok())
        return opened;
    const auto failed = [&] {
        bytes.clear();
        return Outcome::failure(path, file.failureReason());
    };
    const qint64 size = file.size();
    if (size < 0)
        return failed();
    if (size > limit)
        return tooLarge();

    // One byte beyond the limit tells a file that grows while it is read.
    const qint64 room = limit + 1;
    qint64 filled = 0;
    bytes.resize(static_cast<qsizetype>(std::min<qint64>(size + 1, room)));
    for (;;) {
        if (filled == bytes.size()) {
            if (filled == room)
                return tooLarge();
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(filled * 2 + 4096, room)));
        }
        const qint64 n = file.read(bytes.data() + filled, bytes.size() - filled);
        if (n < 0)
            return failed();
        if (n == 0)
            break;
        filled += n;
    }
    bytes.truncate(static_cast<qsizetype>(filled));
    return Outcome::done();
}

namespace file_system_parts {

QString temporaryNameFor(const QString &target)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix(6, Qt::Uninitialized);
    for (QChar &c : suffix)
        c = QLatin1Char(digits[QRandomGenerator::global()->bounded(int(sizeof digits) - 1)]);
    return target + QLatin1StringView(".tessaly-") + suffix + QLatin1StringView(".tmp");
}

QStringList temporariesIn(const QString &directory)
{
    static const QRegularExpression named(QStringLiteral("^.+\\.tessaly-[A-Za-z0-9]{6}\\.tmp$"));
    const QDir folder(directory);
    QStringList paths;
    const QStringList names =
        folder.entryList({QStringLiteral("*.tessaly-??????.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (named.match(name).hasMatch())
            paths << folder.absoluteFilePath(name);
    }
    return paths;
}

std::optional<Outcome> writeTargetProblem(const QString &path, QFileInfo &target)
{
    target.setFile(path);
    const QString native = QDir::toNativeSeparators(path);
    // A roll reached through a link is written where the link points, and the link stays.
    if (target.isSymbolicLink())
        target.setFile(target.exists() ? target.canonicalFilePath() : target.symLinkTarget());
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return Outcome::failure(native, QStringLiteral("the folder %1 does not exist")
                                            .arg(QDir::toNativeSeparators(folder.filePath())));
    if (!folder.isDir())
        return Outcome::failure(
            native,
            QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(folder.filePath())));
    if (target.isDir())
        return Outcome::failure(native, QStringLiteral("a folder named %1 stands where the file "
                                                       "should go")
                                            .arg(target.fileName()));
    return std::nullopt;
}

Outcome refuseRead(const QString &path, const QString &why, ReadRefusal kind, ReadRefusal *refusal)
{
    if (refusal != nullptr)
        *refusal = kind;
    return Outcome::failure(path, QFileInfo(path).fileName() + u' ' + why);
}

} // namespace file_system_parts

} // namespace tessaly
