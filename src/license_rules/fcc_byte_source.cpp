#include "license_rules/fcc_byte_source.h"

#include "core/file_system.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <zip.h>

#include <array>

namespace tessaly {

namespace {

using Member = FccFilePair::Member;

class FileStream final : public FccByteSource {
  public:
    explicit FileStream(ReadableFile file) : file_(std::move(file)) {}
    qint64 read(char *buffer, qint64 size) override
    {
        const qint64 n = file_.read(buffer, size);
        if (n < 0)
            reason_ = file_.failureReason();
        return n;
    }

  private:
    ReadableFile file_;
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

class ZipStream final : public FccByteSource {
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

bool startsAsZip(ReadableFile &file)
{
    char magic[4] = {};
    const qint64 n = file.readAt(magic, sizeof magic, 0);
    return n == 4 && magic[0] == 'P' && magic[1] == 'K' &&
           ((magic[2] == 3 && magic[3] == 4) || (magic[2] == 5 && magic[3] == 6));
}

// HD.dat and AM.dat as taken out of the zip, both held open from the start.
class ExtractedPair final : public FccFilePair {
  public:
    static std::unique_ptr<FccFilePair> open(const QString &headerPath, ReadableFile header,
                                             Outcome &failure)
    {
        auto pair = std::unique_ptr<ExtractedPair>(new ExtractedPair);
        pair->paths_[1] = headerPath;
        pair->streams_[1] = std::make_unique<FileStream>(std::move(header));
        const QString amateurPath = besideFile(headerPath, "AM.dat");
        ReadableFile amateur;
        const Outcome opened = openRegularFile(amateurPath, amateur);
        if (!opened.ok()) {
            failure = QFileInfo::exists(amateurPath)
                          ? opened
                          : Outcome::failure(headerPath,
                                             QStringLiteral("There is no AM.dat beside %1: both "
                                                            "files taken out of l_amat.zip are "
                                                            "needed.")
                                                 .arg(QFileInfo(headerPath).fileName()));
            return nullptr;
        }
        pair->paths_[0] = amateurPath;
        pair->streams_[0] = std::make_unique<FileStream>(std::move(amateur));
        pair->total_ = QFileInfo(headerPath).size() + QFileInfo(amateurPath).size();
        return pair;
    }

    QDate fileDate() const override { return QFileInfo(paths_[1]).lastModified().date(); }
    QString file(Member member) const override { return paths_[index(member)]; }
    QString name(Member member) const override { return QFileInfo(file(member)).fileName(); }
    QString excess() const override { return QStringLiteral("is larger than"); }
    std::unique_ptr<FccByteSource> bytes(Member member, Outcome &) override
    {
        return std::move(streams_[index(member)]);
    }

  private:
    ExtractedPair() = default;
    static std::size_t index(Member member) { return member == Member::Amateur ? 0 : 1; }

    std::array<QString, 2> paths_;
    std::array<std::unique_ptr<FccByteSource>, 2> streams_;
};

// l_amat.zip: both members found and their sizes checked before either is read.
class ZipPair final : public FccFilePair {
  public:
    static std::unique_ptr<FccFilePair> open(const QString &path, ReadableFile file, qint64 limit,
                                             Outcome &failure)
    {
        auto pair = std::unique_ptr<ZipPair>(new ZipPair(path));
        const auto fail = [&](const QString &why) {
            failure = pair->failureOf(why);
            return nullptr;
        };
        int error = 0;
        const int fd = file.releaseDescriptor();
        pair->archive_.reset(fd < 0 ? nullptr : zip_fdopen(fd, 0, &error));
        if (!pair->archive_) {
            closeDescriptor(fd);
            if (error == ZIP_ER_NOZIP)
                return fail(QStringLiteral("is not a zip file, or is cut off"));
            zip_error_t why;
            zip_error_init_with_code(&why, error);
            const QString text = QString::fromLocal8Bit(zip_error_strerror(&why));
            zip_error_fini(&why);
            return fail(QStringLiteral("cannot be read as a zip file (%1)").arg(text));
        }
        for (Entry &entry : pair->entries_) {
            zip_t *archive = pair->archive_.get();
            entry.index = zip_name_locate(archive, entry.name, ZIP_FL_NOCASE | ZIP_FL_NODIR);
            if (entry.index < 0)
                return fail(QStringLiteral("holds no %1: it is not the FCC's amateur license file")
                                .arg(QLatin1String(entry.name)));
            zip_stat_init(&entry.stat);
            if (zip_stat_index(archive, static_cast<zip_uint64_t>(entry.index), 0, &entry.stat) !=
                0)
                return fail(zipReason(zip_get_error(archive)));
            if ((entry.stat.valid & ZIP_STAT_SIZE) != 0) {
                if (entry.stat.size > static_cast<zip_uint64_t>(limit))
                    return fail(QStringLiteral("holds %1, which would inflate to more than %2")
                                    .arg(QLatin1String(entry.name), sizeLimitText(limit)));
                pair->total_ += static_cast<qint64>(entry.stat.size);
            }
        }
        return pair;
    }

    QDate fileDate() const override
    {
        const zip_stat_t &header = entries_[1].stat;
        return (header.valid & ZIP_STAT_MTIME) != 0
                   ? QDateTime::fromSecsSinceEpoch(header.mtime).date()
                   : QDate();
    }
    QString file(Member) const override { return path_; }
    QString name(Member member) const override
    {
        return QFileInfo(path_).fileName() + QStringLiteral(": ") +
               QLatin1String(entry(member).name);
    }
    QString excess() const override { return QStringLiteral("would inflate to more than"); }
    std::unique_ptr<FccByteSource> bytes(Member member, Outcome &failure) override
    {
        zip_file_t *file =
            zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(entry(member).index), 0);
        if (file == nullptr) {
            failure = failureOf(QStringLiteral("holds %1, which %2")
                                    .arg(QLatin1String(entry(member).name),
                                         zipReason(zip_get_error(archive_.get()))));
            return nullptr;
        }
        return std::make_unique<ZipStream>(file);
    }

  private:
    struct Entry {
        const char *name;
        zip_int64_t index = -1;
        zip_stat_t stat{};
    };

    explicit ZipPair(const QString &path) : path_(path) {}
    const Entry &entry(Member member) const { return entries_[member == Member::Amateur ? 0 : 1]; }
    Outcome failureOf(const QString &why) const
    {
        return Outcome::failure(path_, QFileInfo(path_).fileName() + u' ' + why);
    }

    QString path_;
    Archive archive_;
    std::array<Entry, 2> entries_{Entry{"AM.dat"}, Entry{"HD.dat"}};
};

} // namespace

std::unique_ptr<FccFilePair> FccFilePair::open(const QString &path, qint64 limit, Outcome &failure)
{
    ReadableFile file;
    failure = openRegularFile(path, file);
    if (!failure.ok())
        return nullptr;
    if (startsAsZip(file) || path.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        return ZipPair::open(path, std::move(file), limit, failure);
    if (isNamed(path, "HD.dat"))
        return ExtractedPair::open(path, std::move(file), failure);
    file = ReadableFile();
    if (isNamed(path, "AM.dat")) {
        const QString header = besideFile(path, "HD.dat");
        ReadableFile headerFile;
        failure = openRegularFile(header, headerFile);
        if (!failure.ok())
            return nullptr;
        return ExtractedPair::open(header, std::move(headerFile), failure);
    }
    failure = Outcome::failure(path, QFileInfo(path).fileName() +
                                         QStringLiteral(" is neither the FCC's l_amat.zip nor the "
                                                        "HD.dat taken out of it"));
    return nullptr;
}

} // namespace tessaly
