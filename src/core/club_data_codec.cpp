#include "core/club_data_codec.h"

#include "core/member_store.h"
#include "core/text_codec.h"

#include <algorithm>
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

enum class Separator { Comma, LineEnd, FileEnd };

class RecordReader {
  public:
    RecordReader(QByteArrayView bytes, bool utf8)
        : begin_(bytes.data()), pos_(begin_), end_(begin_ + bytes.size()), utf8_(utf8)
    {
    }

    const char *position() const { return pos_; }

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
    // false when the file ended before the record was complete; regular tells
    // whether the record had the shape of one the program writes. A line end
    // outside quotes ends the record, whatever it holds: a damaged line then
    // stays one damaged record, and the records after it keep their fields.
    bool readRecord(MemberRecord *record, bool &regular)
    {
        regular = true;
        for (int k = 0; k < kFieldCount; ++k) {
            if (k > 0 && pos_ == end_)
                return false;
            QString *value =
                record != nullptr ? &record->values[static_cast<std::size_t>(k)] : nullptr;
            Separator after = Separator::FileEnd;
            bool stray = false;
            if (!readValue(value, after, stray))
                return false;
            if (stray)
                regular = false;
            if (k + 1 < kFieldCount && after == Separator::LineEnd) {
                regular = false;
                return true;
            }
            if (k + 1 == kFieldCount && after == Separator::Comma) {
                regular = false;
                skipRestOfLine();
            }
        }
        return true;
    }

    // The line, counted from 1, that the byte at `at` stands on.
    int lineOf(const char *at) const
    {
        int line = 1;
        for (const char *p = begin_; p < at; ++p) {
            if (*p == '\n' || (*p == '\r' && (p + 1 == end_ || p[1] != '\n')))
                ++line;
        }
        return line;
    }

  private:
    // Values beyond the nineteenth belong to no record; they are read through by the
    // same rules, so that a quoted line break among them does not end the line.
    void skipRestOfLine()
    {
        Separator after = Separator::Comma;
        bool stray = false;
        while (after == Separator::Comma && readValue(nullptr, after, stray)) {
        }
    }

    // True when nothing but blanks stands between at and the next comma or line end.
    bool closesCleanly(const char *at) const
    {
        while (at < end_ && isBlank(*at))
            ++at;
        return at == end_ || *at == ',' || isLineEnd(*at);
    }

    // Returns false when a quoted value is still open at the end of the file.
    // stray tells that an opening quote was taken for a stray character.
    bool readValue(QString *value, Separator &after, bool &stray)
    {
        stray = false;
        while (pos_ < end_ && isBlank(*pos_))
            ++pos_;
        if (pos_ < end_ && *pos_ == '"') {
            const char *begin = pos_ + 1;
            const auto *close = static_cast<const char *>(
                std::memchr(begin, '"', static_cast<std::size_t>(end_ - begin)));
            const char *const stop = close != nullptr ? close : end_;
            const bool crossesLine = std::find_if(begin, stop, isLineEnd) != stop;
            // A quoted line break is only believed when the quote closes cleanly after
            // it: a quote left open on one line would otherwise take the next line's
            // first quote as its close and run the two lines into one record. What the
            // program writes always closes cleanly.
            if (crossesLine && (close == nullptr || !closesCleanly(close + 1))) {
                stray = true;
                pos_ = begin;
                readLoose(value);
            } else if (close == nullptr) {
                pos_ = end_;
                if (value != nullptr)
                    *value = decode(begin, end_);
                return false;
            } else {
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
                        *value = decode(joined.cbegin(), joined.cend());
                    } else {
                        *value = decode(begin, close);
                    }
                }
            }
        } else {
            readLoose(value);
        }
        after = consumeSeparator();
        return true;
    }

    void readLoose(QString *value)
    {
        const char *begin = pos_;
        skipToSeparator();
        if (value != nullptr) {
            QByteArray loose;
            appendLoose(loose, begin, pos_);
            *value = decode(loose.cbegin(), loose.cend());
        }
    }

    void skipToSeparator()
    {
        while (pos_ < end_ && *pos_ != ',' && !isLineEnd(*pos_))
            ++pos_;
    }

    Separator consumeSeparator()
    {
        if (pos_ == end_)
            return Separator::FileEnd;
        const char c = *pos_++;
        if (c == ',')
            return Separator::Comma;
        if (c == '\r' && pos_ < end_ && *pos_ == '\n')
            ++pos_;
        return Separator::LineEnd;
    }

    QString decode(const char *begin, const char *end) const
    {
        if (begin == end)
            return {};
        const QByteArrayView bytes(begin, end - begin);
        return utf8_ ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
    }

    const char *begin_;
    const char *pos_;
    const char *end_;
    bool utf8_;
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
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (text.endsWith('\x1A'))
        text.chop(1);

    ParseSummary summary;
    summary.utf8 = utf8Shape(text) == Utf8Shape::MultiByte;
    RecordReader reader(text, summary.utf8);
    while (reader.nextRecordStarts()) {
        const char *start = reader.position();
        bool complete, regular;
        if (summary.records < limit) {
            MemberRecord record;
            complete = reader.readRecord(&record, regular);
            ++summary.records;
            if (sink)
                sink(std::move(record));
        } else {
            complete = reader.readRecord(nullptr, regular);
            ++summary.surplus;
        }
        if (!complete || !regular) {
            if (summary.irregular++ == 0)
                summary.firstIrregularLine = reader.lineOf(start);
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
