#include "labels/label_settings.h"

#include "special_files.h"
#include "temp_roll.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Each value is written to seven significant digits, and read back as it was.
TEST(LabelSettings, TheFileInTheStartDirectory)
{
    const testing::TempRoll roll;
    const LabelLayout odd{100, 20, 19.99f, 0.0625f, 0.6666667f, 2.625f, 7.25f};
    ASSERT_TRUE(writeLabelSettings(roll.dir(), odd).ok());
    EXPECT_EQ(roll.read(u"labelrcp.dat"_s),
              QByteArray("100,20,19.99,.0625,.6666667,2.625,7.25\r\n"));
    EXPECT_EQ(readLabelSettings(roll.dir()), odd);
}

TEST(LabelSettings, ValuesEndAtACommaOrALineBreak)
{
    for (const QByteArray bytes :
         {"12\r\n2\r\n0.52\r\n.1\r\n1.25\r\n4\r\n11.5\r\n", "12\n2\n0.52\n.1\n1.25\n4\n11.5",
          "12\r2\r0.52\r.1\r1.25\r4\r11.5\r", "  12 , 2,\t0.52 ,.1\r\n1.25,\r\n\r\n4\r\n 11.5 \r\n",
          "12,2,0.52,.1,1.25,4,11.5,99,junk\r\nmore\r\n"}) {
        EXPECT_EQ(parseLabelSettings(bytes), (LabelLayout{12, 2, 0.52f, 0.1f, 1.25f, 4, 11.5f}))
            << bytes.toStdString();
    }
}

TEST(LabelSettings, ShortOrNonNumericFilesFail)
{
    for (const char *bytes :
         {"", "10,3,.52,.1,1,2.75\r\n", "10,3,.52,.1,,2.75,10\r\n", "10,3,.52,.1,1,2.75,ten\r\n",
          "10,3,-.52,.1,1,2.75,10\r\n", "10,3,.52,.1,1,2.75,1e1\r\n", "10;3;.52;.1;1;2.75;10\r\n",
          "10 3 .52 .1 1 2.75 10\r\n"})
        EXPECT_FALSE(parseLabelSettings(bytes)) << bytes;
    // Too large for single precision.
    EXPECT_FALSE(parseLabelSettings("1" + QByteArray(40, '0') + ",3,.52,.1,1,2.75,10\r\n"));
}

TEST(LabelSettings, ValuesAreWrittenAsTheBoxesShowThem)
{
    const struct {
        float value;
        QString text;
    } cases[] = {{123456789.0f, u"123456800"_s}, {1e20f, u"100000000000000000000"_s},
                 {1e-5f, u".00001"_s},           {0.0001234567f, u".0001234567"_s},
                 {9.9999999f, u"10"_s},          {-0.5f, u"-.5"_s},
                 {1.3333334f, u"1.333333"_s},    {0.0f, u"0"_s}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(layoutValueText(value), text);
}

TEST(LabelSettings, AFailedWriteLeavesTheOldFileWholeAndNamesIt)
{
    const testing::TempRoll roll;
    roll.write(u"labelrcp.dat"_s, "12,2,.5,.25,1,4,11\r\n");
    Outcome outcome;
    testing::withFileSizeCap(8, [&] { outcome = writeLabelSettings(roll.dir(), LabelLayout{}); });
    EXPECT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.file, QDir::toNativeSeparators(roll.path(u"labelrcp.dat"_s)));
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(roll.read(u"labelrcp.dat"_s), QByteArray("12,2,.5,.25,1,4,11\r\n"));
    EXPECT_EQ(QDir(roll.dir()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"labelrcp.dat"_s});
}

// labelrcp.dat is read only as a regular file of at most 64 KB: a FIFO, a device or a
// settings line followed by a mass of blanks fails, unread, with the file's name and why.
TEST(LabelSettings, OnlyARegularFileWithinItsLimitIsRead)
{
    const QString limit = u"64 KB"_s;
    for (const testing::SpecialCase &c : testing::specialCases()) {
        SCOPED_TRACE(c.shape);
        const testing::TempRoll roll;
        const testing::SpecialFile special(c.kind, roll.path(u"labelrcp.dat"_s),
                                           kLargestLabelSettingsBytes);
        const testing::HangGuard guard(20);
        Outcome failure;
        EXPECT_EQ(readLabelSettings(roll.dir(), &failure), std::nullopt);
        EXPECT_EQ(
            std::pair(failure.file, failure.reason),
            std::pair(roll.path(u"labelrcp.dat"_s), u"labelrcp.dat "_s + special.reason(limit)));
    }
    const QByteArray line = "12,2,.5,.25,1,4,11\r\n";
    const struct {
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {line.leftJustified(kLargestLabelSettingsBytes, ' '), {}},
        {line.leftJustified(kLargestLabelSettingsBytes + 1, ' '),
         u"labelrcp.dat is larger than 64 KB"_s},
        {"12,2,.5\r\n", u"labelrcp.dat does not hold seven numbers"_s},
    };
    for (const auto &c : cases) {
        const testing::TempRoll roll;
        roll.write(u"labelrcp.dat"_s, c.bytes);
        Outcome failure;
        const std::optional<LabelLayout> layout = readLabelSettings(roll.dir(), &failure);
        EXPECT_EQ(layout.has_value(), c.reason.isEmpty()) << c.bytes.size();
        EXPECT_EQ(failure.reason, c.reason);
    }
    const testing::TempRoll empty;
    Outcome failure;
    EXPECT_EQ(readLabelSettings(empty.dir(), &failure), std::nullopt);
    EXPECT_EQ(failure.reason, u"No such file or directory"_s);
}

} // namespace
} // namespace tessaly
