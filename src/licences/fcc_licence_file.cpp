#include "licences/fcc_licence_file.h"

#include "core/file_system.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <zip.h>

#include <array>
#include <cerrno>
#include <memory>
#include <string_view>

#include <unistd.h>

namespace tessaly {

namespace {

constexpr qint64 kChunk = 1024 * 1024;
// Longer lines are no licence record: they are skipped and counted, so that a file
// without line ends cannot make the reader hold all of it.
constexpr qsizetype kLongestLine = 64 * 1024;

// The bytes of one member of the zip, or of one extracted file.
class Stream {
  public:
    virtual ~Stream() = default;
    // Bytes read into buffer, 0 at the end; -1 after a failure, which reason() tells.
    virtual qint64 read(char *buffer, qint64 size) = 0;
    QString reason() const { return reason_; }

  protected:
    QString reason_;
};

class FileStream final : public Stream {
  public:
    explicit FileStream(int fd) : fd_(fd) {}
    ~FileStream() override { ::close(fd_); }
    qint64 read(char *buffer, qint64 size) override
    {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, static_cast<std::size_t>(size));
            if (n >= 0)
                return n;
            if (errno != EINTR) {
                reason_ = systemReason(errno);
                return -1;
            }
        }
    }

  private:
    int fd_;
};

QString zipReason(zip_error_t *error)
{
    if (zip_error_code_zip(error) == ZIP_ER_CRC)
        return QStringLiteral("is damaged: its checksum does not match");
    if (zip_error_code_zip(error) == ZIP_ER_EOF || zip_error_code_zip(error) == ZIP_ER_READ)
        return QStringLiteral("is cut off or cannot be read (%1)")
            .arg(QString::fromLocal8Bit(zip_error_strerror(error)));
    return QStringLiteral("cannot be read (%1)")
        .arg(QString::fromLocal8Bit(zip_error_strerror(error)));
}

class ZipStream final : public Stream {
  public:
    explicit ZipStream(zip_file_t *file) : file_(file) {}
    ~ZipStream() override { zip_fclose(file_); }
    qint64 read(char *buffer, qint64 size) override
    {
        const zip_int64_t n = zip_fread(file_, buffer, static_cast<zip_uint64_t>(size));
        if (n < 0)
            reason_ = zipReason(zip_file_get_error(file_));
        return n;
    }

  private:
    zip_file_t *file_;
};

struct ZipCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

// A field of a line, blanks around it left off.
std::string_view trimmed(std::string_view field)
{
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\r'))
        field.remove_suffix(1);
    return field;
}

// Splits line at '|' into at most fields.size() fields; returns how many it found.
template <std::size_t N> std::size_t splitLine(std::string_view line, std::array<std::string_view, N> &fields)
{
    std::size_t count = 0;
    while (count < N) {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos) {
            fields[count++] = line;
            break;
        }
        fields[count++] = line.substr(0, bar);
        line.remove_prefix(bar + 1);
    }
    return count;
}

// A call sign as a key: upper case, blanks trimmed. Call signs are short; a longer field is
// no call sign and matches nothing.
class CallKey {
  public:
    explicit CallKey(std::string_view field)
    {
        field = trimmed(field);
        if (field.size() > sizeof(bytes_))
            return;
        for (std::size_t i = 0; i < field.size(); ++i) {
            const char c = field[i];
            bytes_[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        size_ = static_cast<qsizetype>(field.size());
    }
    // A view of the key for a lookup; valid while this key lives.
    QByteArray view() const { return QByteArray::fromRawData(bytes_, size_); }
    QByteArray copy() const { return QByteArray(bytes_, size_); }
    bool empty() const { return size_ == 0; }

  private:
    char bytes_[16] = {};
    qsizetype size_ = 0;
};

QDate fccDate(std::string_view field)
{
    field = trimmed(field);
    if (field.empty())
        return {};
    return QDate::fromString(QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())),
                             QStringLiteral("MM/dd/yyyy"));
}

qint64 identifier(std::string_view field)
{
    field = trimmed(field);
    if (field.empty() || field.size() > 18)
        return -1;
    qint64 value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct AmatData {
    QByteArray call;
    char operatorClass = 0;
    QByteArray previousCall;
};

class LicenceReader {
  public:
    LicenceReader(const QSet<QByteArray> &calls, const FccProgress &progress, qint64 total,
                  qint64 limit)
        : calls_(calls), progress_(progress), total_(total), limit_(limit)
    {
    }

    // Reads one file line by line into the licences; Failed or Refused stop the reading.
    // name and excess word the failures: "l_amat.zip: HD.dat", "would inflate to more than".
    Outcome readAll(Stream &stream, const QString &file, const QString &name, const QString &excess,
                    bool header)
    {
        header_ = header;
        records_ = 0;
        QByteArray carry;
        bool skippingLongLine = false;
        qint64 read = 0;
        std::unique_ptr<char[]> buffer(new char[kChunk]);
        for (;;) {
            const qint64 n = stream.read(buffer.get(), kChunk);
            if (n < 0)
                return Outcome::failure(file, name + u' ' + stream.reason());
            if (n == 0)
                break;
            read += n;
            if (read > limit_)
                return Outcome::failure(
                    file, QStringLiteral("%1 %2 %3").arg(name, excess, sizeLimitText(limit_)));
            done_ += n;
            if (progress_ && !progress_(done_, total_))
                return Outcome::refused(QStringLiteral("cancelled"));

            std::string_view rest(buffer.get(), static_cast<std::size_t>(n));
            for (;;) {
                const std::size_t end = rest.find('\n');
                if (end == std::string_view::npos)
                    break;
                if (skippingLongLine) {
                    skippingLongLine = false;
                } else if (carry.isEmpty()) {
                    takeLine(rest.substr(0, end));
                } else {
                    carry.append(rest.data(), static_cast<qsizetype>(end));
                    takeLine(std::string_view(carry.constData(), static_cast<std::size_t>(carry.size())));
                    carry.clear();
                }
                rest.remove_prefix(end + 1);
            }
            if (!skippingLongLine)
                carry.append(rest.data(), static_cast<qsizetype>(rest.size()));
            if (carry.size() > kLongestLine) {
                carry.clear();
                skippingLongLine = true;
                ++skipped_;
            }
        }
        if (!carry.isEmpty())
            takeLine(std::string_view(carry.constData(), static_cast<std::size_t>(carry.size())));
        // Any file of lines would otherwise pass for one without a licence of the roll's.
        if (records_ == 0)
            return Outcome::failure(file, name + QStringLiteral(" holds no license record: it is "
                                                                "not the FCC's amateur license "
                                                                "file"));
        return Outcome::done();
    }

    // Joins each licence header with its amateur data into reading, with the lines skipped.
    void finish(FccReading &reading) const
    {
        reading.licences.reserve(static_cast<std::size_t>(headers_.size()));
        for (auto header = headers_.cbegin(); header != headers_.cend(); ++header) {
            FccLicence licence = header.value();
            const auto amateur = amateur_.constFind(header.key());
            if (amateur != amateur_.constEnd()) {
                licence.operatorClass = amateur->operatorClass;
                licence.previousCall = amateur->previousCall;
            }
            reading.licences.push_back(std::move(licence));
        }
        reading.skippedLines = skipped_;
    }

  private:
    void takeLine(std::string_view line)
    {
        if (trimmed(line).empty())
            return;
        if (line.size() > static_cast<std::size_t>(kLongestLine)) {
            ++skipped_;
            return;
        }
        if (header_)
            takeHeader(line);
        else
            takeAmateur(line);
    }

    // HD: 1 "HD", 2 identifier, 5 call sign, 6 status, 8 granted, 9 expires, 10 cancelled.
    void takeHeader(std::string_view line)
    {
        std::array<std::string_view, 11> fields;
        const std::size_t count = splitLine(line, fields);
        if (trimmed(fields[0]) != "HD" || count < 10) {
            ++skipped_;
            return;
        }
        const CallKey call(fields[4]);
        const qint64 id = identifier(fields[1]);
        if (call.empty() || id < 0) {
            ++skipped_;
            return;
        }
        ++records_;
        if (!calls_.contains(call.view()) && !amateur_.contains(id))
            return;
        FccLicence licence;
        licence.call = call.copy();
        const std::string_view status = trimmed(fields[5]);
        licence.status = status.empty() ? 0 : status.front();
        licence.granted = fccDate(fields[7]);
        licence.expires = fccDate(fields[8]);
        licence.cancelled = fccDate(fields[9]);
        headers_.insert(id, licence);
    }

    // AM: 1 "AM", 2 identifier, 5 call sign, 6 operator class, 16 previous call sign.
    void takeAmateur(std::string_view line)
    {
        std::array<std::string_view, 17> fields;
        const std::size_t count = splitLine(line, fields);
        if (trimmed(fields[0]) != "AM" || count < 16) {
            ++skipped_;
            return;
        }
        const CallKey call(fields[4]);
        const CallKey previous(fields[15]);
        const qint64 id = identifier(fields[1]);
        if (id < 0) {
            ++skipped_;
            return;
        }
        ++records_;
        if (!calls_.contains(call.view()) && (previous.empty() || !calls_.contains(previous.view())))
            return;
        const std::string_view operatorClass = trimmed(fields[5]);
        amateur_.insert(id, AmatData{call.copy(), operatorClass.size() == 1 ? operatorClass.front() : '\0',
                                     previous.copy()});
    }

    const QSet<QByteArray> &calls_;
    const FccProgress &progress_;
    qint64 total_ = 0;
    qint64 limit_ = 0;
    qint64 done_ = 0;
    bool header_ = false;
    int skipped_ = 0;
    int records_ = 0; // licence records of the file being read
    QHash<qint64, AmatData> amateur_;
    QHash<qint64, FccLicence> headers_;
};

bool isNamed(const QString &path, const char *name)
{
    return QFileInfo(path).fileName().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The file beside path that is called name, in whatever letter case it was written.
QString besideFile(const QString &path, const char *name)
{
    const QFileInfo info(path);
    const QStringList found =
        info.dir().entryList({QLatin1String(name)}, QDir::Files | QDir::System | QDir::Hidden);
    return info.dir().filePath(found.isEmpty() ? QLatin1String(name) : found.constFirst());
}

bool startsAsZip(int fd)
{
    char magic[4] = {};
    const ssize_t n = ::pread(fd, magic, sizeof magic, 0);
    return n == 4 && magic[0] == 'P' && magic[1] == 'K' &&
           ((magic[2] == 3 && magic[3] == 4) || (magic[2] == 5 && magic[3] == 6));
}

FccReading readExtracted(const QString &headerPath, int headerFd, const QSet<QByteArray> &calls,
                         const FccProgress &progress, qint64 limit)
{
    FccReading reading;
    FileStream header(headerFd);
    const QString amateurPath = besideFile(headerPath, "AM.dat");
    int amateurFd = -1;
    const Outcome opened = openRegularFile(amateurPath, amateurFd);
    if (!opened.ok()) {
        reading.outcome =
            QFileInfo::exists(amateurPath)
                ? opened
                : Outcome::failure(headerPath,
                                   QStringLiteral("There is no AM.dat beside %1: both files taken "
                                                  "out of l_amat.zip are needed.")
                                       .arg(QFileInfo(headerPath).fileName()));
        return reading;
    }
    FileStream amateur(amateurFd);
    const qint64 total = QFileInfo(headerPath).size() + QFileInfo(amateurPath).size();
    LicenceReader reader(calls, progress, total, limit);
    const QString larger = QStringLiteral("is larger than");
    reading.outcome =
        reader.readAll(amateur, amateurPath, QFileInfo(amateurPath).fileName(), larger, false);
    if (reading.outcome.ok())
        reading.outcome =
            reader.readAll(header, headerPath, QFileInfo(headerPath).fileName(), larger, true);
    if (!reading.outcome.ok())
        return reading;
    reader.finish(reading);
    reading.fileDate = QFileInfo(headerPath).lastModified().date();
    return reading;
}

FccReading readZip(const QString &path, int fd, const QSet<QByteArray> &calls,
                   const FccProgress &progress, qint64 limit)
{
    FccReading reading;
    const auto fail = [&](const QString &why) {
        reading.outcome = Outcome::failure(path, QFileInfo(path).fileName() + u' ' + why);
        return reading;
    };
    int error = 0;
    Archive archive(zip_fdopen(fd, 0, &error));
    if (!archive) {
        ::close(fd);
        if (error == ZIP_ER_NOZIP)
            return fail(QStringLiteral("is not a zip file, or is cut off"));
        zip_error_t why;
        zip_error_init_with_code(&why, error);
        const QString text = QString::fromLocal8Bit(zip_error_strerror(&why));
        zip_error_fini(&why);
        return fail(QStringLiteral("cannot be read as a zip file (%1)").arg(text));
    }

    struct Member {
        const char *name;
        zip_int64_t index = -1;
        zip_stat_t stat{};
    };
    std::array<Member, 2> members{Member{"AM.dat"}, Member{"HD.dat"}};
    qint64 total = 0;
    for (Member &member : members) {
        member.index = zip_name_locate(archive.get(), member.name, ZIP_FL_NOCASE | ZIP_FL_NODIR);
        if (member.index < 0)
            return fail(QStringLiteral("holds no %1: it is not the FCC's amateur license file")
                            .arg(QLatin1String(member.name)));
        zip_stat_init(&member.stat);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(member.index), 0,
                           &member.stat) != 0)
            return fail(zipReason(zip_get_error(archive.get())));
        if ((member.stat.valid & ZIP_STAT_SIZE) != 0) {
            if (member.stat.size > static_cast<zip_uint64_t>(limit))
                return fail(QStringLiteral("holds %1, which would inflate to more than %2")
                                .arg(QLatin1String(member.name), sizeLimitText(limit)));
            total += static_cast<qint64>(member.stat.size);
        }
    }

    LicenceReader reader(calls, progress, total, limit);
    for (const Member &member : members) {
        zip_file_t *file =
            zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(member.index), 0);
        if (file == nullptr)
            return fail(QStringLiteral("holds %1, which %2")
                            .arg(QLatin1String(member.name), zipReason(zip_get_error(archive.get()))));
        ZipStream stream(file);
        const Outcome outcome = reader.readAll(
            stream, path, QFileInfo(path).fileName() + QStringLiteral(": ") + QLatin1String(member.name),
            QStringLiteral("would inflate to more than"), member.name[0] == 'H');
        if (!outcome.ok()) {
            reading.outcome = outcome;
            return reading;
        }
    }
    reader.finish(reading);
    const zip_stat_t &header = members[1].stat;
    if ((header.valid & ZIP_STAT_MTIME) != 0)
        reading.fileDate = QDateTime::fromSecsSinceEpoch(header.mtime).date();
    return reading;
}

} // namespace

FccReading readFccLicences(const QString &path, const QSet<QByteArray> &calls,
                           const FccProgress &progress, qint64 memberLimit)
{
    int fd = -1;
    const Outcome opened = openRegularFile(path, fd);
    if (!opened.ok())
        return FccReading{opened, {}, 0, {}};
    if (startsAsZip(fd) || path.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        return readZip(path, fd, calls, progress, memberLimit);
    if (isNamed(path, "HD.dat"))
        return readExtracted(path, fd, calls, progress, memberLimit);
    ::close(fd);
    if (isNamed(path, "AM.dat")) {
        const QString header = besideFile(path, "HD.dat");
        int headerFd = -1;
        const Outcome headerOpened = openRegularFile(header, headerFd);
        if (!headerOpened.ok())
            return FccReading{headerOpened, {}, 0, {}};
        return readExtracted(header, headerFd, calls, progress, memberLimit);
    }
    return FccReading{
        Outcome::failure(path, QFileInfo(path).fileName() +
                                   QStringLiteral(" is neither the FCC's l_amat.zip nor the HD.dat "
                                                  "taken out of it")),
        {}, 0, {}};
}

} // namespace tessaly
