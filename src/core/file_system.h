#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

// Every call Tessaly makes into the operating system's files, folders and process goes
// through here, so that the rest of the program is the same on every system. One
// implementation a system, chosen by the build.

namespace tessaly {

// The permission bits a write gives its file, as POSIX counts them (0600: read and write
// for the owner alone). By default a file new to its folder gets what the system gives any
// new file (the umask applies) and a file replaced keeps its own bits, as an edit in place
// would.
struct FilePermissions {
    int created = -1; // the bits of a file new to its folder, instead of the default
    int most = 07777; // never more than these, new file or replaced
};

// Writes bytes to path so that the file on disk is either the old one, untouched,
// or the whole new one: the new text goes to a temporary file beside it, named
// "<file>.tessaly-XXXXXX.tmp", which takes the old file's place only once every
// byte is on disk, and the folder is synced after the swap. A link is written
// through; a target that is not a regular file once links are followed (a device,
// a FIFO, a folder) is refused before anything is written ("Address.txt is not a
// regular file (a device)"). Temporaries that killed writes left in the folder are
// removed first (but for empty ones: see removeLeftoverTemporaries). A failure names
// the file and the system's reason (no space left on the device, file too large...).
Outcome writeWholeFile(const QString &path, const QByteArray &bytes,
                       FilePermissions permissions = {});

// Why readWholeFile turned a file down without reading it through.
enum class ReadRefusal {
    None,
    NotRegularFile, // a FIFO, a device, a folder or a socket (a link to a file is followed)
    TooLarge,       // larger than the caller's limit, or grew past it while being read
};

// Reads the whole file at path into bytes, at most limit of them. Only a regular file is
// read: a FIFO would wait for a writer that never comes and a device such as /dev/zero
// never ends, so neither is opened for reading; a file larger than limit is turned down
// before a byte is read, so no file, however large, costs more memory than limit. Failed
// when the file is missing, cannot be opened or read, is not a regular file ("AddrClub.dat
// is not a regular file (a FIFO)") or is larger than limit ("AddrClub.dat is larger than
// 64 MB"); the reason names the file. bytes are then empty. refusal, when given, tells the
// last two apart from the rest.
Outcome readWholeFile(const QString &path, QByteArray &bytes, qint64 limit,
                      ReadRefusal *refusal = nullptr);

// A regular file open for reading, for a reader that goes through a file too large to hold;
// closed with the object.
class ReadableFile {
  public:
    ReadableFile() = default;
    ~ReadableFile();
    ReadableFile(ReadableFile &&other) noexcept;
    ReadableFile &operator=(ReadableFile &&other) noexcept;
    ReadableFile(const ReadableFile &) = delete;
    ReadableFile &operator=(const ReadableFile &) = delete;

    bool isOpen() const { return handle_ != kClosed; }
    // Up to size bytes from where the last read ended; 0 at the end, -1 on a failure, which
    // failureReason() then gives in the system's words.
    qint64 read(char *data, qint64 size);
    // Up to size bytes from offset; where read() goes on stays as it was.
    qint64 readAt(char *data, qint64 size, qint64 offset);
    // The file's size now; -1 on a failure, as read() fails.
    qint64 size();
    QString failureReason() const;
    // Hands the file over as a C runtime descriptor, for a library that reads through one
    // (libzip); the caller closes it. -1 when there is none.
    int releaseDescriptor();

  private:
    friend Outcome openRegularFile(const QString &path, ReadableFile &file, ReadRefusal *refusal);
    static constexpr qintptr kClosed = -1;
    void close();
    qintptr handle_ = kClosed; // the descriptor, or on Windows the HANDLE
    qint64 error_ = 0;         // errno, or on Windows GetLastError()
};

// Opens the regular file at path for reading, without blocking and without reading a byte,
// as readWholeFile does. Failed as readWholeFile fails; file is then closed.
Outcome openRegularFile(const QString &path, ReadableFile &file, ReadRefusal *refusal = nullptr);

// Closes a descriptor that ReadableFile handed over and its taker did not keep; -1 is none.
void closeDescriptor(int descriptor);

// "4 GB", "64 MB", "64 KB", "100 bytes": a limit as the reasons above give it.
QString sizeLimitText(qint64 bytes);

// The system's words for an errno value ("No space left on device").
QString systemReason(int error);

// Removes the temporary files in directory that writes killed before their swap
// left behind, and returns how many. The file each was meant to replace is whole
// (old or new), so nothing is lost. A write holds a lock on its temporary until the
// swap, so one still being written is left alone; an empty one, which a write may
// not have locked yet, is removed too: only while the caller holds the folder's lock.
int removeLeftoverTemporaries(const QString &directory);

// What the file system tells of a path: enough to see who besides the operator may
// change a file or a folder.
struct FileFacts {
    bool exists = false;
    bool link = false; // the path itself is a symbolic link (whether or not it was followed)
    bool regular = false, folder = false;
    uint owner = 0;
    int bits = 0; // the permission bits with the set-id and sticky bits: 07777
};
// Of the path itself, or, with followLinks, of what a link at path leads to.
FileFacts fileFacts(const QString &path, bool followLinks);

// The user this program runs as, and the name of a user ("1001" for one without).
uint runningUser();
QString userName(uint user);

// Makes the folder at path, when there is none, with exactly these permission bits (the
// umask does not apply), never more at any moment. True when a folder stands there.
bool makeFolder(const QString &path, int bits);

// What identifies the file on disk as the one this run last read or wrote: which file it is
// (its device and inode, or on Windows its volume and file index), its size and when it
// was last written and changed. Nothing exists when there is no file at path.
struct DiskStamp {
    bool exists = false;
    quint64 device = 0, inode = 0;
    qint64 size = 0, modified = 0, changed = 0; // times in nanoseconds

    static DiskStamp of(const QString &path);
    bool operator==(const DiskStamp &other) const;
    bool operator!=(const DiskStamp &other) const { return !(*this == other); }
};

// Why this program cannot make files in the folder at path, in the system's words, or
// empty when it can.
QString folderWriteProblem(const QString &path);

// The folder the program was started in, as a path that reaches it for the whole run
// whatever the current directory becomes. Normally its absolute name. A name that is
// not valid UTF-8 cannot travel as text (every invalid byte would become U+FFFD and
// name a folder that does not exist), so such a folder is reached through a handle
// kept open for the run, as /proc/self/fd/N.
QString startDirectoryPath();

// Over a file-size limit a write should fail and say so, keeping the old file, rather
// than end the program: called once at start.
void letWritesFailOverSizeLimits();

} // namespace tessaly
