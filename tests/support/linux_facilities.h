#pragma once

// What the tests make of the operating system's own facilities, Linux's alone: FIFOs and
// device nodes (mkfifo, mknod), links to /dev/zero, a folder closed by the immutable flag
// (ioctl), a cap on the size of the files a process writes (RLIMIT_FSIZE), alarms, the peak
// memory (getrusage), permission bits and owners, child processes (fork), advisory locks
// (flock) and folders named by bytes. The cases that use them are about these facilities;
// everything else of the test support serves every system.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <csignal>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tessaly::testing {

// What a hostile or careless folder may hold where a text file is expected: each is made
// at a path, and the reason a reader gives for it follows the file's name.
enum class SpecialKind { Fifo, LinkToFifo, LinkToDevZero, Folder, OneByteTooLarge, SparseGigabyte };

struct SpecialCase {
    SpecialKind kind;
    const char *shape;
};

inline std::vector<SpecialCase> specialCases()
{
    return {{SpecialKind::Fifo, "a FIFO a writer holds open, bytes waiting"},
            {SpecialKind::LinkToFifo, "a link to a FIFO"},
            {SpecialKind::LinkToDevZero, "a link to /dev/zero"},
            {SpecialKind::Folder, "a folder"},
            {SpecialKind::OneByteTooLarge, "one byte over the limit"},
            {SpecialKind::SparseGigabyte, "a sparse file of 1 GB"}};
}

#ifndef _WIN32

// Made for the life of the object. A FIFO gets a writer that keeps it open with bytes
// waiting, so that a reader that opens and reads it would wait for the end forever.
class SpecialFile {
  public:
    SpecialFile(SpecialKind kind, const QString &path, qint64 limit) : kind_(kind)
    {
        const QByteArray name = QFile::encodeName(path);
        bool made = true;
        switch (kind) {
        case SpecialKind::Fifo:
        case SpecialKind::LinkToFifo: {
            const QByteArray fifo = kind == SpecialKind::Fifo ? name : name + ".fifo";
            made =
                ::mkfifo(fifo.constData(), 0600) == 0 &&
                (writer_ = ::open(fifo.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC)) >= 0 &&
                ::write(writer_, "10,3,.52,.1,1,2.75,10\r\n", 23) == 23 &&
                (kind == SpecialKind::Fifo || ::symlink(fifo.constData(), name.constData()) == 0);
            break;
        }
        case SpecialKind::LinkToDevZero: {
            const QByteArray device = zeroDevice(name + ".zero");
            machines_ = device == "/dev/zero";
            made = ::symlink(device.constData(), name.constData()) == 0;
            break;
        }
        case SpecialKind::Folder:
            made = ::mkdir(name.constData(), 0700) == 0;
            break;
        case SpecialKind::OneByteTooLarge:
        case SpecialKind::SparseGigabyte: {
            QFile file(path);
            made = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                   file.resize(kind == SpecialKind::SparseGigabyte ? qint64(1) << 30 : limit + 1);
            break;
        }
        }
        if (!made)
            throw std::runtime_error("cannot make the special file");
    }
    ~SpecialFile()
    {
        if (writer_ >= 0)
            ::close(writer_);
    }
    SpecialFile(const SpecialFile &) = delete;
    SpecialFile &operator=(const SpecialFile &) = delete;

    // False where the link goes to the machine's own /dev/zero (no device of the test's own
    // could be made): a write that failed to refuse it would replace that device, so no
    // writer may be tried on it.
    bool safeToWriteThrough() const { return !machines_; }

    // The reason a writer gives when it refuses the file named name; empty for a regular file.
    QString writeRefusal(const QString &name) const
    {
        if (kind_ >= SpecialKind::OneByteTooLarge)
            return {};
        if (kind_ == SpecialKind::Folder)
            return QStringLiteral("a folder named %1 stands where the file should go").arg(name);
        return name + u' ' + reason({});
    }

    // The reason a reader with the given limit ("64 MB") gives, after the file's name.
    QString reason(const QString &limit) const
    {
        static const char *const notRegular[] = {"a FIFO", "a FIFO", "a device", "a folder"};
        if (kind_ >= SpecialKind::OneByteTooLarge)
            return QStringLiteral("is larger than ") + limit;
        return QStringLiteral("is not a regular file (%1)")
            .arg(QLatin1String(notRegular[static_cast<int>(kind_)]));
    }

  private:
    // A reader that failed to refuse the link would save through it and replace what it
    // links to; run as root, that would be the machine's own /dev/zero. So as root the link
    // goes to a zero device of the test's own, where the folder allows devices.
    static QByteArray zeroDevice(const QByteArray &own)
    {
        if (::geteuid() != 0 || ::mknod(own.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0)
            return "/dev/zero";
        const int fd = ::open(own.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            ::unlink(own.constData());
            return "/dev/zero";
        }
        ::close(fd);
        return own;
    }

    SpecialKind kind_;
    int writer_ = -1;
    bool machines_ = false;
};

// A reader that waits on a FIFO or reads /dev/zero for ever ends the test process with
// SIGALRM instead of hanging the run.
class HangGuard {
  public:
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
};

// The most memory this process has held so far, in kilobytes.
inline long peakMemoryKb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

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

// Runs act with the files this process writes capped at bytes: a disk that fills half way
// through a write, which unlike permissions stops root as well.
template <typename Act> void withFileSizeCap(rlim_t bytes, Act act)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit capped{bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &capped);
    act();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}

// The permission bits of a file or folder (07777 of its mode); -1 where it cannot be read.
inline int permissionBits(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// What the node at path is, itself and what a link there leads to: inode, mode, size and
// the nanoseconds of its change time; then the inode and mode of the link's target.
inline std::array<long long, 6> nodeState(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat own {};
    struct stat target {};
    if (::lstat(name.constData(), &own) != 0 || ::stat(name.constData(), &target) != 0)
        return {};
    return {(long long)own.st_ino,    own.st_mode, own.st_size, own.st_mtim.tv_nsec,
            (long long)target.st_ino, target.st_mode};
}

inline bool setPermissionBits(const QString &path, int bits)
{
    return ::chmod(QFile::encodeName(path).constData(), mode_t(bits)) == 0;
}

// The process's umask for the life of the object.
class UmaskScope {
  public:
    explicit UmaskScope(int mask) : saved_(::umask(mode_t(mask))) {}
    ~UmaskScope() { ::umask(saved_); }
    UmaskScope(const UmaskScope &) = delete;
    UmaskScope &operator=(const UmaskScope &) = delete;

  private:
    mode_t saved_;
};

inline bool runsAsRoot()
{
    return ::geteuid() == 0;
}

// Gives a file or folder to the user (0: this process's own) and this process's group.
inline bool giveTo(const QString &path, int user)
{
    return ::chown(QFile::encodeName(path).constData(), user == 0 ? ::geteuid() : uid_t(user),
                   user == 0 ? ::getegid() : gid_t(-1)) == 0;
}

// A symbolic link at link to target, owned by the user given (only root may give it away).
inline bool makeLinkOwnedBy(const QString &target, const QString &link, int user)
{
    const QByteArray name = QFile::encodeName(link);
    return ::symlink(QFile::encodeName(target).constData(), name.constData()) == 0 &&
           ::lchown(name.constData(), uid_t(user), gid_t(-1)) == 0;
}

// Holds the advisory lock a writer holds on its temporary, on an open file's handle.
inline bool lockAsAWriterDoes(int handle)
{
    return ::flock(handle, LOCK_EX | LOCK_NB) == 0;
}

// A copy of this process (fork) that runs work and ends with what it returns; work that never
// returns runs until the copy is killed. The copy is killed and reaped when the object goes.
class ChildProcess {
  public:
    template <typename Work> explicit ChildProcess(Work work) : pid_(::fork())
    {
        if (pid_ < 0)
            throw std::runtime_error("cannot fork");
        if (pid_ == 0)
            ::_exit(work());
    }
    ~ChildProcess() { kill(); }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    void kill()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
    // The exit status (0 for success) once the copy has ended; nothing while it runs.
    std::optional<int> ended()
    {
        int status = -1;
        if (pid_ <= 0 || ::waitpid(pid_, &status, WNOHANG) == 0)
            return std::nullopt;
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int wait()
    {
        int status = -1;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_;
};

// Folders named by bytes that need not be text in any encoding.
inline bool makeFolder(const QByteArray &name)
{
    return ::mkdir(name.constData(), 0700) == 0;
}

inline void removeFolderAndFiles(const QByteArray &name, std::initializer_list<const char *> files)
{
    for (const char *file : files)
        ::unlink((name + file).constData());
    ::rmdir(name.constData());
}

inline bool changeDirectory(const QByteArray &name)
{
    return ::chdir(name.constData()) == 0;
}

#else

// Windows has none of these facilities. Each stands in so that the suites build, and fails
// the case that uses it: such a case is about the facility, not about Windows, and
// tests/left_out_on_windows.txt leaves it out there.
[[noreturn]] inline void lacking(const char *facility)
{
    throw std::runtime_error(std::string("Windows has no ") + facility);
}

// clang-format off
class SpecialFile {
  public:
    SpecialFile(SpecialKind, const QString &, qint64) { lacking("FIFOs or device nodes"); }
    bool safeToWriteThrough() const { return false; }
    QString writeRefusal(const QString &) const { return {}; }
    QString reason(const QString &) const { return {}; }
};
class HangGuard { public: explicit HangGuard(unsigned) {} };
inline long peakMemoryKb() { return 0; }
class UnwritableFolder {
  public:
    explicit UnwritableFolder(const QString &) {}
    bool closed() const { return false; }
};
template <typename Act> void withFileSizeCap(qint64, Act) { lacking("cap on file sizes"); }
inline int permissionBits(const QString &) { lacking("permission bits"); }
inline std::array<long long, 6> nodeState(const QString &) { lacking("inodes"); }
inline bool setPermissionBits(const QString &, int) { lacking("permission bits"); }
class UmaskScope { public: explicit UmaskScope(int) { lacking("umask"); } };
inline bool runsAsRoot() { return false; }
inline bool giveTo(const QString &, int) { lacking("owners"); }
inline bool makeLinkOwnedBy(const QString &, const QString &, int) { lacking("owners"); }
inline bool lockAsAWriterDoes(int) { lacking("advisory locks"); }
class ChildProcess {
  public:
    template <typename Work> explicit ChildProcess(Work) { lacking("fork"); }
    void kill() {}
    std::optional<int> ended() { return -1; }
    int wait() { return -1; }
};
inline bool makeFolder(const QByteArray &) { lacking("folder names that are bytes"); }
inline void removeFolderAndFiles(const QByteArray &, std::initializer_list<const char *>) {}
inline bool changeDirectory(const QByteArray &) { return false; }
// clang-format on

#endif

} // namespace tessaly::testing
