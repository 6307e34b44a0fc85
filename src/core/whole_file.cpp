#include "core/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tessaly {

Outcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    const QString native = QDir::toNativeSeparators(path);
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

    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, file size limit) shows in the
    // count write() returns: through the buffer it would surface only at commit(),
    // which then swaps in the truncated file and reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Outcome::failure(native, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Outcome::failure(native, reason);
    }
    if (!file.commit())
        return Outcome::failure(native, file.errorString());
    return Outcome::done();
}

} // namespace tessaly
