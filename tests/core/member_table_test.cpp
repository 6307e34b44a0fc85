#include "core/member_table.h"

#include "member_records.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::recordOf;
using testing::storeOf;

// The table both the member list and the report copy: members in the order given, numbers
// outside the store skipped, Email, Joined, Expires and Other out of file order, CR LF pairs
// in Address and Other joined while a lone CR or LF stays, a tab inside a value left as it is,
// and an empty member nineteen empty values.
TEST(MemberTable, TheCopiedTableByteForByte)
{
    const MemberStore store = storeOf({
        u"K3AB|Jo|Q|Li, Jr|1 Oak\r\nApt 4|Ayr|PA|19063|555|golf\r\nchoir|e@x|12/26|1/99|Gen|7/30|"
        "Y|N|y|2/60"_s,
        u"|Al||Bo|1\rA\n2\r\r\nB|||19063||x\n\ry\r\n|a\tb@x"_s,
        QString(),
    });
    EXPECT_EQ(memberTableText(store, {2, 9, 1, 0, 3, -1}),
              u"\tAl\t\tBo\t1\rA\n2\r, B\t\t\t19063\t\ta\tb@x\t\t\t\t\t\t\t\t\tx\n\ry \r\n"
              "K3AB\tJo\tQ\tLi, Jr\t1 Oak, Apt 4\tAyr\tPA\t19063\t555\te@x\t1/99\t12/26\tGen\t"
              "7/30\tY\tN\ty\t2/60\tgolf choir\r\n"
              "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"_s);
    EXPECT_EQ(memberTableText(store, {}), QString());

    // One cell alone, as the report shows it.
    const MemberRecord record = recordOf(u"K3\r\nAB||||\r\n\r\n|||||net\r\n"_s);
    EXPECT_EQ(memberTableCell(record, Field::Address), u", , "_s);
    EXPECT_EQ(memberTableCell(record, Field::Other), u"net "_s);
    EXPECT_EQ(memberTableCell(record, Field::Call), u"K3\r\nAB"_s);
}

} // namespace
} // namespace tessaly
