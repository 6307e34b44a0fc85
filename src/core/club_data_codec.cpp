#include "core/club_data_codec.h"

#include "core/member_store.h"
#include "core/text_codec.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly {

namespace {

// The reader works on the decoded text: every delimiter is ASCII, and neither
// Windows-1252 nor UTF-8 makes an ASCII character of anything but its own byte, so
// the values stand where they stood in the bytes.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// The first double quote from p on, or end when there is none; with lineEnds, the first
// line end too. Every value is searched so, eight characters at a time where it can.
template <bool lineEnds> const char16_t *findQuote(const char16_t *p, const char16_t *end)
{
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi16(u'"'), cr = _mm_set1_epi16(u'\r'),
                  lf = _mm_set1_epi16(u'\n');
    for (; end - p >= 8; p += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        __m128i hits = _mm_cmpeq_epi16(chars, quote);
        if (lineEnds)
            hits = _mm_or_si128(
                hits, _mm_or_si128(_mm_cmpeq_epi16(chars, cr), _mm_cmpeq_epi16(chars, lf)));
        if (const int mask = _mm_movemask_epi8(hits))
            return p + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    }
#endif
    while (p < end && *p != u'"' && !(lineEnds && isLineEnd(*p)))
        ++p;
    return p;
}

// Hand-edited text outside quotes: a quote there cannot be told apart from the
// field delimiters, so it is dropped rather than kept half-understood.
void appendLoose(QString &out, const char16_t *begin, const char16_t *end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    for (const char16_t *p = begin; p < end; ++p) {
        if (*p != u'"')
            out.append(QChar(*p));
    }
}

enum class Separator { Comma, LineEnd, FileEnd };

class RecordReader {
  public:
    // With shareText the values are views into text (QString::fromRawData), which
    // must then outlive them; otherwise each value holds a copy of its own.
    RecordReader(QStringView text, bool shareText)
        : begin_(text.utf16()), pos_(begin_), end_(begin_ + text.size()), shareText_(shareText)
    {
    }

    const char16_t *position() const { return pos_; }

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

    // A record as the program writes it, read at once into a new, empty record: nineteen
    // quoted values, each closing right before a comma, the last one before the line end.
    // False, with record and position as they were, for any other record, which
    // readRecord then reads by the general rules.
    bool readWrittenRecord(MemberRecord &record)
    {
        const char16_t *p = pos_;
        for (int k = 0; k < kFieldCount; ++k) {
            // A line break inside the quotes is the value's: its quote closes cleanly.
            const char16_t *close = p < end_ && *p == u'"' ? findQuote<false>(p + 1, end_) : end_;
            const bool last = k + 1 == kFieldCount;
            if (end_ - close < 2 || *close != u'"' ||
                (last ? !isLineEnd(close[1]) : close[1] != u',')) {
                for (int i = 0; i < k; ++i)
                    record.values[static_cast<std::size_t>(i)] = QString();
                return false;
            }
            if (close != p + 1) // an empty value stays as the new record has it
                record.values[static_cast<std::size_t>(k)] = slice(p + 1, close);
            p = close + 2;
        }
        if (p[-1] == u'\r' && p < end_ && *p == u'\n')
            ++p;
        pos_ = p;
        return true;
    }

    // The line, counted from 1, that the character at `at` stands on.
    int lineOf(const char16_t *at) const
    {
        int line = 1;
        for (const char16_t *p = begin_; p < at; ++p) {
            if (*p == u'\n' || (*p == u'\r' && (p + 1 == end_ || p[1] != u'\n')))
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
    bool closesCleanly(const char16_t *at) const
    {
        while (at < end_ && isBlank(*at))
            ++at;
        return at == end_ || *at == u',' || isLineEnd(*at);
    }

    // Returns false when a quoted value is still open at the end of the file.
    // stray tells that an opening quote was taken for a stray character.
    bool readValue(QString *value, Separator &after, bool &stray)
    {
        stray = false;
        while (pos_ < end_ && isBlank(*pos_))
            ++pos_;
        if (pos_ < end_ && *pos_ == u'"') {
            const char16_t *begin = pos_ + 1;
            // As the program writes every value: the quote closes on its own line, right
            // before a comma or a line end.
            const char16_t *const stop = findQuote<true>(begin, end_);
            if (end_ - stop > 1 && *stop == u'"' && (stop[1] == u',' || isLineEnd(stop[1]))) {
                if (value != nullptr)
                    *value = slice(begin, stop);
                pos_ = stop + 1;
                after = consumeSeparator();
                return true;
            }
            const bool crossesLine = stop != end_ && isLineEnd(*stop);
            const char16_t *close = stop != end_ && *stop == u'"' ? stop : nullptr;
            if (crossesLine) {
                const qsizetype found = QStringView(stop, end_).indexOf(u'"');
                close = found >= 0 ? stop + found : nullptr;
            }
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
                    *value = slice(begin, end_);
                return false;
            } else {
                pos_ = close + 1;
                const char16_t *tail = pos_;
                skipToSeparator();
                if (value != nullptr) {
                    bool tailHasText = false;
                    for (const char16_t *p = tail; p < pos_ && !tailHasText; ++p)
                        tailHasText = !isBlank(*p) && *p != u'"';
                    if (tailHasText) {
                        // Text after the closing quote is kept with the value, not lost.
                        QString joined(reinterpret_cast<const QChar *>(begin), close - begin);
                        appendLoose(joined, tail, pos_);
                        *value = joined;
                    } else {
                        *value = slice(begin, close);
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
        const char16_t *begin = pos_;
        skipToSeparator();
        if (value != nullptr) {
            QString loose;
            appendLoose(loose, begin, pos_);
            if (!loose.isEmpty())
                *value = loose;
        }
    }

    void skipToSeparator()
    {
        while (pos_ < end_ && *pos_ != u',' && !isLineEnd(*pos_))
            ++pos_;
    }

    Separator consumeSeparator()
    {
        if (pos_ == end_)
            return Separator::FileEnd;
        const char16_t c = *pos_++;
        if (c == u',')
            return Separator::Comma;
        if (c == u'\r' && pos_ < end_ && *pos_ == u'\n')
            ++pos_;
        return Separator::LineEnd;
    }

    QString slice(const char16_t *begin, const char16_t *end) const
    {
        if (begin == end)
            return {};
        const auto *chars = reinterpret_cast<const QChar *>(begin);
        return shareText_ ? QString::fromRawData(chars, end - begin) : QString(chars, end - begin);
    }

    const char16_t *begin_;
    const char16_t *pos_;
    const char16_t *end_;
    bool shareText_;
};

// The file's text, decoded once: a UTF-8 byte-order mark and a DOS Ctrl-Z at the end
// dropped, UTF-8 when the bytes are multi-byte UTF-8, Windows-1252 otherwise.
QString decodeClubData(const QByteArray &bytes, bool &utf8)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (text.endsWith('\x1A'))
        text.chop(1);
    utf8 = utf8Shape(text) == Utf8Shape::MultiByte;
    return utf8 ? QString::fromUtf8(text) : decodeWindows1252(text);
}

// Records go into store when it is given, filled in place, and to sink otherwise.
ParseSummary parseText(QStringView text, bool utf8, int limit, bool shareText, MemberStore *store,
                       const std::function<void(MemberRecord &&)> &sink)
{
    ParseSummary summary;
    summary.utf8 = utf8;
    RecordReader reader(text, shareText);
    while (reader.nextRecordStarts()) {
        const char16_t *start = reader.position();
        bool complete, regular;
        if (summary.records < limit && store != nullptr) {
            MemberRecord *record = store->appendEmpty();
            regular = complete = reader.readWrittenRecord(*record);
            if (!complete)
                complete = reader.readRecord(record, regular);
            ++summary.records;
        } else if (summary.records < limit) {
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
    bool utf8 = false;
    const QString text = decodeClubData(bytes, utf8);
    return parseText(text, utf8, limit, false, nullptr, sink);
}

ParseSummary loadClubData(const QByteArray &bytes, MemberStore &store)
{
    const int room = MemberStore::kCapacity - store.count();
    // Room for as many records as the file can hold when the program wrote it, taken
    // at once: each record of nineteen quoted values is at least 58 bytes long.
    store.reserve(store.count() +
                  static_cast<int>(std::min<qsizetype>(room, bytes.size() / 58 + 1)));
    bool utf8 = false;
    const QString &text = store.keepText(decodeClubData(bytes, utf8));
    return parseText(text, utf8, room, true, &store, {});
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
