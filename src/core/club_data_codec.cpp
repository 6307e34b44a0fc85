#include "core/club_data_codec.h"

#include "core/member_store.h"
#include "core/text_codec.h"

#include <cstring>

namespace tessaly {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Hand-edited text outside quotes: a quote there cannot be told apart from the
// field delimiters, so it is dropped rather than kept half-understood.
void appendLoose(QByteArray &out, const char *begin, const char *end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    for (const char *p = begin; p < end; ++p) {
        if (*p != '"')
            out.append(*p);
    }
}

class RecordReader {
  public:
    explicit RecordReader(const QByteArray &bytes)
        : pos_(bytes.constData()), end_(bytes.constData() + bytes.size())
    {
    }

    // Blank lines and blanks between records are not a record: a stray empty line
    // in a hand-edited file must neither become an empty member nor shift the
    // fields of the record after it.
    bool nextRecordStarts()
    {
        while (pos_ < end_ && (isBlank(*pos_) || isLineEnd(*pos_)))
            ++pos_;
        return pos_ < end_;
    }

    // Reads one record; with record null the values are only skipped. Returns
    // false when the file ended before the record was complete.
    bool readRecord(MemberRecord *record)
    {
        for (int k = 0; k < kFieldCount; ++k) {
            if (k > 0 && pos_ == end_)
                return false;
            QString *value =
                record != nullptr ? &record->values[static_cast<std::size_t>(k)] : nullptr;
            if (!readValue(value))
                return false;
        }
        return true;
    }

  private:
    // Returns false when a quoted value is still open at the end of the file.
    bool readValue(QString *value)
    {
        while (pos_ < end_ && isBlank(*pos_))
            ++pos_;
        if (pos_ < end_ && *pos_ == '"') {
            const char *begin = pos_ + 1;
            const auto *close = static_cast<const char *>(
                std::memchr(begin, '"', static_cast<std::size_t>(end_ - begin)));
            if (close == nullptr) {
                pos_ = end_;
                if (value != nullptr)
                    *value = decode(begin, end_);
                return false;
            }
            pos_ = close + 1;
            const char *tail = pos_;
            skipToSeparator();
            if (value != nullptr) {
                bool tailHasText = false;
                for (const char *p = tail; p < pos_ && !tailHasText; ++p)
                    tailHasText = !isBlank(*p) && *p != '"';
                if (tailHasText) {
                    // Text after the closing quote is kept with the value, not lost.
                    QByteArray joined(begin, close - begin);
                    appendLoose(joined, tail, pos_);
                    *value = decodeWindows1252(joined);
                } else {
                    *value = decode(begin, close);
                }
            }
        } else {
            const char *begin = pos_;
            skipToSeparator();
            if (value != nullptr) {
                QByteArray loose;
                appendLoose(loose, begin, pos_);
                *value = decodeWindows1252(loose);
            }
        }
        consumeSeparator();
        return true;
    }

    void skipToSeparator()
    {
        while (pos_ < end_ && *pos_ != ',' && !isLineEnd(*pos_))
            ++pos_;
    }

    void consumeSeparator()
    {
        if (pos_ == end_)
            return;
        if (*pos_ == '\r') {
            ++pos_;
            if (pos_ < end_ && *pos_ == '\n')
                ++pos_;
        } else {
            ++pos_; // a comma or a lone LF
        }
    }

    static QString decode(const char *begin, const char *end)
    {
        if (begin == end)
            return {};
        return decodeWindows1252(QByteArrayView(begin, end - begin));
    }

    const char *pos_;
    const char *end_;
};

// Room for the record's bytes: one per character at most, plus the quotes,
// commas and line end.
qsizetype maxRecordSize(const MemberRecord &record)
{
    qsizetype size = kFieldCount * 3 + 1;
    for (const QString &v : record.values)
        size += v.size();
    return size;
}

char *writeRecord(char *out, const MemberRecord &record)
{
    for (int k = 0; k < kFieldCount; ++k) {
        if (k > 0)
            *out++ = ',';
        *out++ = '"';
        // The format has no escape for a quote; one inside a value would end it
        // early and shift every later field, so it is left out.
        out = writeWindows1252(record.values[static_cast<std::size_t>(k)], out, true);
        *out++ = '"';
    }
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

} // namespace

ParseSummary parseClubData(const QByteArray &bytes, int limit,
                           const std::function<void(MemberRecord &&)> &sink)
{
    ParseSummary summary;
    RecordReader reader(bytes);
    while (reader.nextRecordStarts()) {
        bool complete;
        if (summary.records < limit) {
            MemberRecord record;
            complete = reader.readRecord(&record);
            ++summary.records;
            if (sink)
                sink(std::move(record));
        } else {
            complete = reader.readRecord(nullptr);
            ++summary.surplus;
        }
        if (!complete) {
            summary.endedInsideRecord = true;
            break;
        }
    }
    return summary;
}

QByteArray serializeRecord(const MemberRecord &record)
{
    QByteArray out(maxRecordSize(record), Qt::Uninitialized);
    out.truncate(writeRecord(out.data(), record) - out.constData());
    return out;
}

QByteArray serializeClubData(const MemberStore &store)
{
    qsizetype size = 0;
    for (int n = 1; n <= store.count(); ++n)
        size += maxRecordSize(store.record(n));
    QByteArray out(size, Qt::Uninitialized);
    char *end = out.data();
    for (int n = 1; n <= store.count(); ++n)
        end = writeRecord(end, store.record(n));
    out.truncate(end - out.constData());
    return out;
}

} // namespace tessaly
