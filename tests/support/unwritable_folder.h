#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::testing {

// Closes a folder to writing while it lives, as a read-only share or a folder made
// immutable does: for root through the immutable flag (root ignores permissions),
// for anyone else through the permission bits. closed() is false where neither works.
class UnwritableFolder {
  public:
    explicit UnwritableFolder(const QString &directory) : name_(QFile::encodeName(directory))
    {
        fd_ = ::open(name_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags_) == 0) {
            int immutable = flags_ | FS_IMMUTABLE_FL;
            immutable_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &immutable) == 0;
        }
        if (!immutable_)
            ::chmod(name_.constData(), 0555);
    }
    ~UnwritableFolder()
    {
        if (immutable_)
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
        ::chmod(name_.constData(), 0700);
        if (fd_ >= 0)
            ::close(fd_);
    }
    UnwritableFolder(const UnwritableFolder &) = delete;
    UnwritableFolder &operator=(const UnwritableFolder &) = delete;

    bool closed() const { return ::access(name_.constData(), W_OK) != 0; }

  private:
    QByteArray name_;
    int fd_ = -1;
    int flags_ = 0; // as found
    bool immutable_ = false;
};

} // namespace tessaly::testing
