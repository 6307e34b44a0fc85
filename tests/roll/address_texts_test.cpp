#include "roll/address_file.h"
#include "roll/address_texts.h"

#include "member_records.h"
#include "temp_roll.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::storeOf;

// Quick Copy block and Address.txt block of one member.
TEST(AddressExports, OneMemberByteForByte)
{
    const std::array<QString, 3> rows[] = {
        {u"K3AB|Jo|Q|Li, Jr|1 Oak|Ayr|PA|19063|555|golf|e@x|12/26|1/99|Gen|7/30|Y|N|y|2/60"_s,
         u"ARS - K3AB\r\nJo Q Li, Jr\r\n1 Oak\r\nAyr PA 19063"_s,
         u"ARS K3AB \r\nJo Q Li, Jr\r\n1 Oak\r\nAyr PA 19063\r\n\r\n"_s},
        // No call sign: no call line. No middle initial: one blank in the name line.
        {u"|Jo||Li|1 Oak|Ayr|PA|19063"_s, u"Jo Li\r\n1 Oak\r\nAyr PA 19063"_s,
         u"Jo Li\r\n1 Oak\r\nAyr PA 19063\r\n\r\n"_s},
        // Last name only, a two-line address and a three-line Other.
        {u"K3AB|||Li|1 Oak\r\nApt 4|Ayr|PA|19063||golf\r\nchurch\r\nchoir"_s,
         u"ARS - K3AB\r\nLi\r\n1 Oak\r\nApt 4\r\nAyr PA 19063"_s,
         u"ARS K3AB \r\nLi\r\n1 Oak\r\nApt 4\r\nAyr PA 19063\r\n\r\n"_s},
        // Empty city and state; only CR LF pairs are joined, a lone CR or LF goes out as stored.
        {u"K3AB|Jo|Q|Li|1\rA\n2\r\r\nB|||19063||x\n\ry\r\n"_s,
         u"ARS - K3AB\r\nJo Q Li\r\n1\rA\n2\r\r\nB\r\n  19063"_s,
         u"ARS K3AB \r\nJo Q Li\r\n1\rA\n2\r\r\nB\r\n  19063\r\n\r\n"_s},
        {QString(), u"\r\n\r\n  "_s, u"\r\n\r\n  \r\n\r\n"_s}};
    for (const auto &[fields, quickCopy, addressFile] : rows) {
        SCOPED_TRACE(fields.toStdString());
        const MemberStore store = storeOf({fields});
        EXPECT_EQ(quickCopyText(addressBoxesOf(store.record(1))), quickCopy);
        EXPECT_EQ(addressFileText(store, {1}), addressFile);
    }
    // Several members go out in list order, not store order; numbers outside the store (a
    // listing left behind by a store that has since shrunk) are skipped.
    const MemberStore store = storeOf({rows[0][0], rows[1][0], rows[2][0]});
    EXPECT_EQ(addressFileText(store, {3, 0, 1, 4, -1}), rows[2][2] + rows[0][2]);
    EXPECT_EQ(addressFileText(store, {}), QString());
}

// A missing folder, a file where the folder should be, and a folder where the file
// should be: each fails with a reason and leaves everything as it was.
TEST(WriteAddressFile, FailsWithAReasonAndWritesNothing)
{
    const testing::TempRoll roll;
    roll.write(u"file"_s, QByteArray("keep"));
    ASSERT_TRUE(QDir(roll.dir()).mkpath(u"dir/"_s + kAddressFileName));
    for (const QString &name : {u"gone"_s, u"file"_s, u"dir"_s}) {
        const Outcome result = writeAddressFile(roll.path(name), u"Cole\r\n"_s);
        EXPECT_TRUE(result.failed() && !result.reason.isEmpty()) << name.toStdString();
        EXPECT_EQ(result.file, roll.path(name) + u"/Address.txt"_s);
    }
    EXPECT_EQ(QDir(roll.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{u"dir"_s, u"file"_s}));
    EXPECT_TRUE(QFileInfo(roll.path(u"dir/"_s + kAddressFileName)).isDir());
    EXPECT_EQ(roll.read(u"file"_s), QByteArray("keep"));
}

} // namespace
} // namespace tessaly
