#include "core/state_codes.h"

#include <gtest/gtest.h>

using namespace tessaly;

TEST(StateCodes, FirstCodeWithPrefixIgnoresCase)
{
    EXPECT_EQ(stateCodes().size(), 50);
    const std::pair<const char *, const char *> cases[] = {
        {"m", "MA"},  {"M", "MA"}, {"mD", "MD"}, {"n", "NC"}, {"o", "OH"}, {"a", "AK"},
        {"wy", "WY"}, {"x", ""},   {"mx", ""},   {"", ""},    {"mdx", ""}, {"m ", ""},
    };
    for (const auto &[prefix, code] : cases)
        EXPECT_EQ(firstStateCodeWithPrefix(QString::fromLatin1(prefix)).toStdString(), code)
            << "prefix '" << prefix << "'";
}
