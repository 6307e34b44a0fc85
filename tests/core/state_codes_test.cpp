#include "core/state_codes.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(StateCodes, FiftyDistinctCapitalPairsInAlphabeticalOrder)
{
    const QStringList &codes = stateCodes();
    ASSERT_EQ(codes.size(), 50);
    EXPECT_EQ(codes.first(), QStringLiteral("AK"));
    EXPECT_EQ(codes.last(), QStringLiteral("WY"));
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QString &code = codes[i];
        ASSERT_EQ(code.size(), 2) << i;
        EXPECT_TRUE(code[0].isUpper() && code[1].isUpper()) << code.toStdString();
        if (i > 0) {
            EXPECT_LT(codes[i - 1], code) << code.toStdString();
        }
    }
    for (const char *code : {"CA", "DE", "IA", "MA", "MN", "NC", "OH", "PA", "TX", "WV"})
        EXPECT_TRUE(codes.contains(QString::fromLatin1(code))) << code;
    EXPECT_FALSE(codes.contains(QStringLiteral("DC")));
}

TEST(StateCodes, FirstCodeWithPrefixIgnoresCase)
{
    const std::pair<const char *, const char *> cases[] = {
        {"m", "MA"}, {"M", "MA"}, {"md", "MD"}, {"mD", "MD"}, {"n", "NC"}, {"o", "OH"},
        {"a", "AK"}, {"w", "WA"}, {"wy", "WY"}, {"x", ""},    {"mx", ""},  {"", ""},
        {"mdx", ""}, {"1", ""},   {"m ", ""},   {"ak", "AK"}, {"v", "VA"}, {"vt", "VT"},
    };
    for (const auto &[prefix, code] : cases) {
        EXPECT_EQ(firstStateCodeWithPrefix(QString::fromLatin1(prefix)), QString::fromLatin1(code))
            << '"' << prefix << '"';
    }
}

} // namespace
} // namespace tessaly
