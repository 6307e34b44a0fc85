#include "labels/label_settings.h"

#include "temp_roll.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

LabelLayout layoutOf(float rows, float columns, float top, float left, float height, float width,
                     float font)
{
    return {rows, columns, top, left, height, width, font};
}

TEST(LabelSettings, TheDesignTimeLineReadsBack)
{
    const std::optional<LabelLayout> layout = parseLabelSettings("10,3,.52,.1,1,2.75,10\r\n");
    ASSERT_TRUE(layout);
    EXPECT_EQ(*layout, layoutOf(10, 3, 0.52f, 0.1f, 1, 2.75f, 10));
    EXPECT_EQ(*layout, LabelLayout{});
}

TEST(LabelSettings, ValuesMayStandOnLinesOfTheirOwnWithBlanksAround)
{
    const LabelLayout expected = layoutOf(12, 2, 0.52f, 0.1f, 1.25f, 4, 11.5f);
    const QByteArray files[] = {
        "12\r\n2\r\n0.52\r\n.1\r\n1.25\r\n4\r\n11.5\r\n",
        "12\n2\n0.52\n.1\n1.25\n4\n11.5",
        "12\r2\r0.52\r.1\r1.25\r4\r11.5\r",
        "  12 , 2,\t0.52 ,.1\r\n1.25,\r\n\r\n4\r\n 11.5 \r\n",
        // Whatever follows the seventh value is not read.
        "12,2,0.52,.1,1.25,4,11.5,99,junk\r\nmore\r\n",
        "12,2,0.52,.1,1.25,4,11.5\r\n\r\n",
    };
    for (const QByteArray &bytes : files) {
        SCOPED_TRACE(bytes.toStdString());
        const std::optional<LabelLayout> layout = parseLabelSettings(bytes);
        ASSERT_TRUE(layout);
        EXPECT_EQ(*layout, expected);
    }
}

TEST(LabelSettings, ShortOrNonNumericFilesFail)
{
    const QByteArray files[] = {
        "",
        "\r\n",
        "10,3,.52,.1,1,2.75\r\n",
        "10,3,.52,.1,1,2.75,\r\n",
        "10,3,.52,.1,,2.75,10\r\n",
        "10,3,.52,.1,1,2.75,ten\r\n",
        "10,3,-.52,.1,1,2.75,10\r\n",
        "10,3,.52,.1,1,2.75,1e1\r\n",
        "10;3;.52;.1;1;2.75;10\r\n",
        "10 3 .52 .1 1 2.75 10\r\n",
        "\"10\",3,.52,.1,1,2.75,10\r\n",
        "10,3,1..5,.1,1,2.75,10\r\n",
        // Too large for single precision.
        "1" + QByteArray(40, '0') + ",3,.52,.1,1,2.75,10\r\n",
    };
    for (const QByteArray &bytes : files) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_FALSE(parseLabelSettings(bytes));
    }
}

TEST(LabelSettings, TheLineWrittenForTheDesignTimeLayout)
{
    EXPECT_EQ(labelSettingsLine(LabelLayout{}), QByteArray("10,3,.52,.1,1,2.75,10\r\n"));
    EXPECT_EQ(labelSettingsLine(layoutOf(8, 2, 0.5f, 0, 1.3333334f, 4.25f, 12.5f)),
              QByteArray("8,2,.5,0,1.333333,4.25,12.5\r\n"));
}

TEST(LabelSettings, ValueTexts)
{
    const struct {
        float value;
        QString text;
    } cases[] = {
        {10, u"10"_s},
        {3, u"3"_s},
        {0.52f, u".52"_s},
        {0.1f, u".1"_s},
        {1, u"1"_s},
        {2.75f, u"2.75"_s},
        {0, u"0"_s},
        {1.0f / 3, u".3333333"_s},
        {2.0f / 3, u".6666667"_s},
        {100.5f, u"100.5"_s},
        {1234567.0f, u"1234567"_s},
        {123456789.0f, u"123456800"_s},
        {1e20f, u"100000000000000000000"_s},
        {1e-5f, u".00001"_s},
        {0.0001234567f, u".0001234567"_s},
        {9.9999999f, u"10"_s},
        {0.99999999f, u"1"_s},
        {-0.5f, u"-.5"_s},
    };
    for (const auto &[value, text] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(layoutValueText(value), text);
    }
}

TEST(LabelSettings, WrittenThenReadGivesTheSameValues)
{
    const testing::TempRoll roll;
    const LabelLayout layouts[] = {
        LabelLayout{},
        layoutOf(8, 2, 0.5f, 0, 1.3333334f, 4.25f, 12.5f),
        layoutOf(100, 20, 19.99f, 0.0625f, 0.6666667f, 2.625f, 7.25f),
    };
    for (const LabelLayout &layout : layouts) {
        const Outcome outcome = writeLabelSettings(roll.dir(), layout);
        ASSERT_TRUE(outcome.ok()) << outcome.reason.toStdString();
        EXPECT_EQ(roll.read(kLabelSettingsFileName), labelSettingsLine(layout));
        const std::optional<LabelLayout> read = readLabelSettings(roll.dir());
        ASSERT_TRUE(read);
        // Values of up to 7 significant digits come back exactly.
        EXPECT_EQ(labelSettingsLine(*read), labelSettingsLine(layout));
    }
    EXPECT_EQ(*readLabelSettings(roll.dir()), layouts[2]);
}

TEST(LabelSettings, ReadsTheFileInTheDirectory)
{
    const testing::TempRoll roll;
    roll.write(u"labelrcp.dat"_s, "10,3,.52,.1,1,2.75,10\r\n");
    const std::optional<LabelLayout> layout = readLabelSettings(roll.dir());
    ASSERT_TRUE(layout);
    EXPECT_EQ(*layout, LabelLayout{});
}

TEST(LabelSettings, MissingOrShortFilesFail)
{
    const testing::TempRoll roll;
    EXPECT_FALSE(readLabelSettings(roll.dir()));
    roll.write(kLabelSettingsFileName, "10,3,.52\r\n");
    EXPECT_FALSE(readLabelSettings(roll.dir()));
    EXPECT_FALSE(readLabelSettings(roll.path(u"no such folder"_s)));
}

TEST(LabelSettings, AWriteIntoAMissingFolderFailsAndWritesNothing)
{
    const testing::TempRoll roll;
    const QString missing = roll.path(u"gone"_s);
    const Outcome outcome = writeLabelSettings(missing, LabelLayout{});
    EXPECT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.file,
              QDir::toNativeSeparators(QDir(missing).filePath(kLabelSettingsFileName)));
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_FALSE(QDir(missing).exists());
    EXPECT_TRUE(QDir(roll.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(LabelSettings, AFailedWriteLeavesTheOldFileWhole)
{
    const testing::TempRoll roll;
    roll.write(kLabelSettingsFileName, "12,2,.5,.25,1,4,11\r\n");
    Outcome outcome;
    testing::withFileSizeCap(8, [&] { outcome = writeLabelSettings(roll.dir(), LabelLayout{}); });
    EXPECT_TRUE(outcome.failed());
    EXPECT_EQ(roll.read(kLabelSettingsFileName), QByteArray("12,2,.5,.25,1,4,11\r\n"));
}

} // namespace
} // namespace tessaly
