#include "license_rules/fcc_license_file.h"

#include "core/file_system.h"
#include "license_rules/fcc_byte_source.h"
#include "license_rules/fcc_line_reader.h"
#include "license_rules/fcc_records.h"

#include <memory>

namespace tessaly {

namespace {

using Member = FccFilePair::Member;

constexpr qint64 kChunk = 1024 * 1024;

// The lines of one file, handed to the records of its kind.
class RecordLines final : public FccLineReader::Sink {
  public:
    RecordLines(FccRecords &records, Member member) : records_(records), member_(member) {}
    void line(std::string_view line) override
    {
        if (member_ == Member::Header)
            records_.takeHeader(line);
        else
            records_.takeAmateur(line);
    }
    void overlong() override { records_.skip(); }

  private:
    FccRecords &records_;
    Member member_;
};

class Reading {
  public:
    Reading(FccFilePair &files, FccRecords &records, const FccProgress &progress, qint64 limit)
        : files_(files), records_(records), progress_(progress), limit_(limit)
    {
    }

    // AM.dat is read to its end before HD.dat: a license's header is kept only when its call
    // sign is the roll's or its amateur record was kept, and only the amateur record holds the
    // call sign a member gave up for a new one, so the new license is known by then.
    Outcome amateurThenHeaders()
    {
        const Outcome amateur = read(Member::Amateur);
        return amateur.ok() ? read(Member::Header) : amateur;
    }

  private:
    // Reads one file into the records; Failed or Refused stop the reading.
    Outcome read(Member member)
    {
        Outcome failure;
        const std::unique_ptr<FccByteSource> source = files_.bytes(member, failure);
        if (!source)
            return failure;
        const QString file = files_.file(member);
        const QString name = files_.name(member);
        RecordLines sink(records_, member);
        FccLineReader lines(sink);
        qint64 read = 0;
        for (;;) {
            const qint64 n = source->read(buffer_.get(), kChunk);
            if (n < 0)
                return Outcome::failure(file, name + u' ' + source->reason());
            if (n == 0)
                break;
            read += n;
            if (read > limit_)
                return Outcome::failure(
                    file,
                    QStringLiteral("%1 %2 %3").arg(name, files_.excess(), sizeLimitText(limit_)));
            done_ += n;
            if (progress_ && !progress_(done_, files_.total()))
                return Outcome::refused(QStringLiteral("cancelled"));
            lines.feed(std::string_view(buffer_.get(), static_cast<std::size_t>(n)));
        }
        lines.finish();
        // Any file of lines would otherwise pass for one without a license of the roll's.
        const int records =
            member == Member::Header ? records_.headerRecords() : records_.amateurRecords();
        if (records == 0)
            return Outcome::failure(file, name + QStringLiteral(" holds no license record: it is "
                                                                "not the FCC's amateur license "
                                                                "file"));
        return Outcome::done();
    }

    FccFilePair &files_;
    FccRecords &records_;
    const FccProgress &progress_;
    qint64 limit_ = 0;
    qint64 done_ = 0;
    std::unique_ptr<char[]> buffer_{new char[kChunk]};
};

} // namespace

FccReading readFccLicenses(const QString &path, const QSet<QByteArray> &calls,
                           const FccProgress &progress, qint64 memberLimit)
{
    FccReading reading;
    const std::unique_ptr<FccFilePair> files =
        FccFilePair::open(path, memberLimit, reading.outcome);
    if (!files)
        return reading;
    FccRecords records(calls);
    reading.outcome = Reading(*files, records, progress, memberLimit).amateurThenHeaders();
    if (!reading.outcome.ok())
        return reading;
    reading.licenses = records.licenses();
    reading.skippedLines = records.skippedLines();
    reading.fileDate = files->fileDate();
    return reading;
}

} // namespace tessaly
