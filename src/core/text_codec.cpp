#include "core/text_codec.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly {

namespace {

// Bytes 0x80-0x9F. The five bytes the code page leaves undefined keep their own
// number so that every byte survives a read and a write.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<char16_t>(b);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = kHighControls[i];
    return table;
}

constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

constexpr int kUnencodable = -1;

int encodeUnit(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    if (c <= 0x9F) {
        // Only the undefined bytes decode to a C1 control; the other C1 controls
        // have no byte of their own.
        return (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) ? c : kUnencodable;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return kUnencodable;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    qsizetype i = 0;
#if defined(__SSE2__)
    // A whole roll is decoded at once, and it is nearly all ASCII, which only widens.
    const __m128i zero = _mm_setzero_si128();
    for (; bytes.size() - i >= 16; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(chunk) != 0) {
            for (qsizetype k = i; k < i + 16; ++k)
                out[k] = QChar(kDecode[in[k]]);
            continue;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
    }
#endif
    for (; i < bytes.size(); ++i)
        out[i] = QChar(kDecode[in[i]]);
    return text;
}

char *writeWindows1252(QStringView text, char *out, bool dropQuotes)
{
    const qsizetype n = text.size();
    const QChar *in = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i].unicode();
        if (c < 0x80) {
            *out = static_cast<char>(c);
            out += (dropQuotes && c == u'"') ? 0 : 1;
            continue;
        }
        const int b = encodeUnit(c);
        if (b != kUnencodable) {
            *out++ = static_cast<char>(b);
            continue;
        }
        // A character outside the basic plane is one character to the operator,
        // so it becomes one '?', not two.
        if (QChar::isHighSurrogate(c) && i + 1 < n && in[i + 1].isLowSurrogate())
            ++i;
        *out++ = '?';
    }
    return out;
}

void appendWindows1252(QByteArray &out, QStringView text, bool dropQuotes)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *const first = out.data() + start;
    out.truncate(start + (writeWindows1252(text, first, dropQuotes) - first));
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    appendWindows1252(bytes, text, false);
    return bytes;
}

bool canEncodeWindows1252(QChar c)
{
    return encodeUnit(c.unicode()) != kUnencodable;
}

bool canEncodeWindows1252(QStringView text)
{
    for (QChar c : text) {
        if (!canEncodeWindows1252(c))
            return false;
    }
    return true;
}

// Lead bytes give the length of a sequence; the ranges exclude overlong forms,
// surrogates and code points beyond U+10FFFF.
static bool isUtf8Sequence(const unsigned char *p, const unsigned char *end, int &length)
{
    const unsigned char c = p[0];
    unsigned char low = 0x80, high = 0xbf;
    if (c >= 0xc2 && c <= 0xdf) {
        length = 2;
    } else if (c >= 0xe0 && c <= 0xef) {
        length = 3;
        if (c == 0xe0)
            low = 0xa0;
        else if (c == 0xed)
            high = 0x9f;
    } else if (c >= 0xf0 && c <= 0xf4) {
        length = 4;
        if (c == 0xf0)
            low = 0x90;
        else if (c == 0xf4)
            high = 0x8f;
    } else {
        return false;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return false;
    for (int i = 2; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xbf)
            return false;
    }
    return true;
}

Utf8Shape utf8Shape(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const unsigned char *end = p + bytes.size();
    Utf8Shape shape = Utf8Shape::Ascii;
    while (p < end) {
        // A roll is nearly all ASCII: eight bytes at a time while none has its high bit.
        std::uint64_t eight = 0;
        if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080u) == 0)) {
            p += 8;
            continue;
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        if (!isUtf8Sequence(p, end, length))
            return Utf8Shape::Invalid;
        shape = Utf8Shape::MultiByte;
        p += length;
    }
    return shape;
}

} // namespace tessaly
