#include "roll/start_directory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace tessaly {

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

} // namespace tessaly
