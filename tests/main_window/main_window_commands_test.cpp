#include "main_window_fixture.h"

namespace tessaly::testing {
namespace {

using CommandsTest = MainWindowTest;

// What an add writes when only the last name was given.
QByteArray added(const char *last)
{
    return fileRecord(
        {"", "", "", last, "", "", "", "", "", "", "", "", "", "", "", "N", "N", "N"});
}

TEST_F(CommandsTest, AddSelectRecordAndDeleteEachRewriteTheFileInOrder)
{
    open();
    click("Command1"); // every box empty: sorts first
    EXPECT_EQ(roll(), added("") + threeMembers);
    EXPECT_EQ(listLines().first(), u",  "_s);
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());

    clickRow(2);
    EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Record"_s);
    EXPECT_EQ(form(), u"K3ABC|John|Q|Adams|12 Oak St|Media|PA|19063|610-555-0101|golf|"
                      u"ja@example.org|12/31/2026|1/5/1999|General|7/4/2030|Y|Y|N|2/29/1960|"
                      u"ARS - K3ABC\nJohn Q Adams\n12 Oak St\nMedia PA 19063"_s);
    line("Text3")->setText(u"Zimmer"_s);
    click("Command1");
    QByteArray zimmer = adamsRecord;
    zimmer.replace("\"Adams\"", "\"Zimmer\"");
    EXPECT_EQ(roll(), added("") + bakerRecord + carterRecord + zimmer);
    EXPECT_EQ(listLines().mid(1), (QStringList{u"Baker, Mary "_s, u"Carter, Carl  - N3XYZ"_s,
                                               u"Zimmer, John Q - K3ABC"_s}));
    expectEmptyFormInAddMode();

    // The selection followed the member to its new place.
    desktop.messages.answerNext(Answer::Yes);
    click("Command2");
    expectMessage(1, u"Confirm Delete?"_s, u"Are you sure you want to delete John Zimmer?"_s);
    EXPECT_EQ(roll(), added("") + bakerRecord + carterRecord);
}

// No keeps everyone, and the next delete asks again; deleting everyone leaves an empty file, and
// with nobody selected a delete asks nothing.
TEST_F(CommandsTest, DeleteAsksFirstAndDeletingEveryoneLeavesAnEmptyFile)
{
    open();
    clickRow(3);
    for (std::size_t asked = 1; asked <= 2; ++asked) {
        click("Command2");
        expectMessage(asked, u"Confirm Delete?"_s,
                      u"Are you sure you want to delete Carl Carter?"_s);
        EXPECT_TRUE(desktop.messages.shown.back().question);
        EXPECT_EQ(roll(), threeMembers);
        expectEmptyFormInAddMode();
    }
    for (int left = 3; left > 0; --left) {
        clickRow(1);
        desktop.messages.answerNext(Answer::Yes);
        click("Command2");
    }
    EXPECT_EQ(roll(), QByteArray());
    EXPECT_TRUE(listLines().isEmpty());
    click("Command2");
    EXPECT_EQ(desktop.messages.shown.size(), 5u);
}

// At the limit an add is refused with the typed name kept, while Record still saves.
TEST_F(CommandsTest, NoAddBeyondTheLimitButRecordStillWorks)
{
    open(added("Member").repeated(9998));
    typeInto("Text3", u"newcomer"_s);
    click("Command1");
    expectMessage(1, u"Maximum Record Count"_s);
    EXPECT_TRUE(desktop.messages.shown[0].text.startsWith(
        u"This program was designed to hold up to 10,000 records.  You have attempted to exceeded "
        u"that limit.  If you would like to have this program modified to accomodate additional "
        u"records, please contact me at "_s));
    EXPECT_EQ(session->count(), 9998);
    EXPECT_EQ(line("Text3")->text(), u"Newcomer"_s);
    clickRow(1);
    line("Text1")->setText(u"Ann"_s);
    click("Command1");
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(roll().count("\"Ann\""), 1);
}

// Every Windows-1252 character but the double quote, in every box, comes back from Record byte
// for byte: the no-break space (A0) too, which a multi-line box's plain text turns into a blank.
TEST_F(CommandsTest, RecordGivesBackEveryCharacterOfEveryBoxUnchanged)
{
    QByteArray all;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte != '"')
            all += char(byte);
    }
    const QByteArray multiLine = all + "\r\n\t" + all + "\r\n";
    QByteArrayList values(19, all);
    values[4] = values[9] = multiLine; // Address and Other
    values[15] = values[16] = values[17] = "N";
    const QByteArray record = fileRecord(values);
    open(record);
    clickRow(1);
    ASSERT_EQ(window->entryMode(), EntryMode::Record);
    click("Command1");
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(roll(), record);
}

// A value far longer than any box line, without a blank (another program wrote it): the box
// breaks what it shows anywhere instead of searching it for word boundaries line after line,
// gives back every character, and ordinary text still wraps at its words.
TEST_F(CommandsTest, AHugeUnbrokenValueIsBrokenAnywhereAndRecordedUnchanged)
{
    const QByteArray huge(200 * 1000, 'x');
    const QByteArray carter =
        fileRecord({"N3XYZ", "Carl", "", "Carter", "9 Pine Rd", "Media", "PA", "19063", "", huge,
                    "", "", "", "Extra", "", "N", "N", "N", ""});
    open(adamsRecord + bakerRecord + carter);
    const auto *other = control<QPlainTextEdit>("Text8");
    clickRow(1);
    EXPECT_EQ(other->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    clickRow(3);
    EXPECT_EQ(other->wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_TRUE(other->toPlainText() == QString::fromLatin1(huge.left(32767)));
    click("Command1");
    EXPECT_EQ(roll(), adamsRecord + bakerRecord + carter);
    clickRow(1);
    EXPECT_EQ(other->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(other->toPlainText(), u"golf"_s);
}

} // namespace
} // namespace tessaly::testing
