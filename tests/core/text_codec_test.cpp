#include "core/text_codec.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

using namespace tessaly;

TEST(Windows1252, EveryByteSurvivesAndCharactersWithoutAByteBecomeOneQuestionMarkEach)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const QString text = decodeWindows1252(bytes);
    const QString named = text.mid(0x80, 2) + text[0x93] + text[0x9f] + text[0xe9];
    EXPECT_EQ(named, QStringLiteral("\u20ac\u0081\u201c\u0178\u00e9"));
    EXPECT_TRUE(canEncodeWindows1252(text));
    EXPECT_EQ(encodeWindows1252(text), bytes);
    // The defined bytes decode as the system's converter, where there is one, has them.
    const QString system = QStringDecoder("windows-1252").decode(bytes);
    for (int b = 0; b < system.size(); ++b) {
        const bool undefined = QByteArrayView("\x81\x8d\x8f\x90\x9d").contains(char(b));
        EXPECT_TRUE(undefined || text[b] == system[b]) << b;
    }

    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("a\u6771b"), "a?b"},
        {QStringLiteral("\U0001F600!"), "?!"},             // one character, two UTF-16 units
        {QString(QChar(0xd800)) + QLatin1Char('x'), "?x"}, // a lone surrogate
        {QStringLiteral("\u0080\u0100"), "??"},            // a C1 control with no byte of its own
        {QStringLiteral("\u20ac\u2122\"\u0081"), "\x80\x99\"\x81"},
    };
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(encodeWindows1252(in), out) << in.toStdString();
        EXPECT_EQ(canEncodeWindows1252(in), !out.contains('?')) << in.toStdString();
        EXPECT_EQ(canEncodeWindows1252(in[0]), out[0] != '?') << in.toStdString();
    }
}
