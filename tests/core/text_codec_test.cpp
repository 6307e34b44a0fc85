#include "core/text_codec.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace tessaly {
namespace {

QByteArray allBytes()
{
    QByteArray bytes(256, '\0');
    for (int b = 0; b < 256; ++b)
        bytes[b] = static_cast<char>(b);
    return bytes;
}

TEST(Windows1252, EveryByteSurvivesDecodeAndEncode)
{
    const QByteArray bytes = allBytes();
    const QString text = decodeWindows1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(canEncodeWindows1252(text));
    EXPECT_EQ(encodeWindows1252(text), bytes);
}

TEST(Windows1252, DecodesTheHighControlRangeToItsCharacters)
{
    const std::pair<unsigned char, char16_t> cases[] = {
        {0x80, u'\u20ac'}, {0x82, u'\u201a'}, {0x85, u'\u2026'}, {0x8a, u'\u0160'},
        {0x8c, u'\u0152'}, {0x8e, u'\u017d'}, {0x91, u'\u2018'}, {0x92, u'\u2019'},
        {0x93, u'\u201c'}, {0x94, u'\u201d'}, {0x96, u'\u2013'}, {0x97, u'\u2014'},
        {0x99, u'\u2122'}, {0x9f, u'\u0178'}, {0x81, u'\u0081'}, {0x8d, u'\u008d'},
        {0x8f, u'\u008f'}, {0x90, u'\u0090'}, {0x9d, u'\u009d'}, {0xa0, u'\u00a0'},
        {0xe9, u'\u00e9'}, {0xff, u'\u00ff'}, {0x41, u'A'},      {0x00, u'\0'},
    };
    for (const auto &[byte, ch] : cases) {
        const QString text = decodeWindows1252(QByteArray(1, static_cast<char>(byte)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), ch) << int(byte);
    }
}

// Where the system's own converter knows the code page, the defined bytes agree with it.
TEST(Windows1252, AgreesWithTheSystemConverterOnDefinedBytes)
{
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        GTEST_SKIP() << "no system Windows-1252 converter";
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8d || b == 0x8f || b == 0x90 || b == 0x9d)
            continue;
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(decodeWindows1252(byte), QString(system.decode(byte))) << b;
    }
}

TEST(Windows1252, CharactersWithoutAByteBecomeOneQuestionMarkEach)
{
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("a\u6771b"), "a?b"},
        {QStringLiteral("\u0141\u0100"), "??"},
        {QStringLiteral("\U0001F600!"), "?!"},             // one character, two UTF-16 units
        {QString(QChar(0xd800)) + QLatin1Char('x'), "?x"}, // a lone surrogate
        {QStringLiteral("\u0080\u009f"), "??"},            // C1 controls with no byte of their own
        {QStringLiteral("\u20ac\u2122\u0178"), "\x80\x99\x9f"},
    };
    for (const auto &[text, bytes] : cases)
        EXPECT_EQ(encodeWindows1252(text), bytes) << text.toStdString();
}

TEST(Windows1252, TellsWhichCharactersCanBeWritten)
{
    const std::pair<char16_t, bool> cases[] = {
        {u'A', true},       {u'\u00e9', true},  {u'\u20ac', true},
        {u'\u0081', true},  {u'\u0080', false}, {u'\u0100', false},
        {u'\u6771', false}, {u'\ufffd', false}, {0xd83d, false},
    };
    for (const auto &[ch, ok] : cases)
        EXPECT_EQ(canEncodeWindows1252(QChar(ch)), ok) << int(ch);
    EXPECT_TRUE(canEncodeWindows1252(QStringLiteral("Ren\u00e9 \u2013 \u20ac5")));
    EXPECT_FALSE(canEncodeWindows1252(QStringLiteral("Ren\u00e9 \u6771")));
    EXPECT_TRUE(canEncodeWindows1252(QString()));
}

TEST(Windows1252, AppendCanLeaveQuotesOut)
{
    QByteArray out("x");
    appendWindows1252(out, QStringLiteral("a\"b\u20ac\""), true);
    EXPECT_EQ(out, QByteArray("xab\x80"));
    appendWindows1252(out, QStringLiteral("\""));
    EXPECT_EQ(out, QByteArray("xab\x80\""));
}

} // namespace
} // namespace tessaly
