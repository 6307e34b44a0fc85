#include "main_window_fixture.h"

#include <QDir>

namespace tessaly::testing {
namespace {

using RollSafetyTest = MainWindowTest;

TEST_F(RollSafetyTest, ADamagedRollIsToldOnceAndListed)
{
    // Carter's line lost its last value: Carter is read without it, and Dunn whole.
    const QByteArray damaged = adamsRecord + carterRecord.left(carterRecord.lastIndexOf(",\"")) +
                               "\r\n" + fileRecord({"W3NEW", "Dora", "", "Dunn"});
    open(damaged, false);
    EXPECT_TRUE(desktop.messages.shown.empty()); // told over the window, once it is shown
    showActive();
    EXPECT_EQ(listLines().size(), 3);
    expectMessage(
        1, u"Damaged Records Found"_s,
        u"%1 holds 1 record that does not look like the records Tessaly writes, on line 2: a "
        "value too many or too few, or a quotation mark missing or out of place. The roll "
        "was loaded as well as it could be; check the members read from there on.\n\nThe "
        "original file will be kept as AddrClub.dat.bak beside it before the roll is first "
        "saved."_s.arg(files.path(u"AddrClub.dat"_s)));

    typeInto("Text3", u"Baker"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Return);
    EXPECT_EQ(listLines().size(), 4);
    EXPECT_EQ(desktop.messages.shown.size(), 1u);
}

TEST_F(RollSafetyTest, AUtf8RollNamesWhatWindows1252CannotHold)
{
    open(fileRecord({"SP1A", "\xc5\x81ukasz", "", "Nowak", "ul. \xc5\x9al\xc4\x85ska 1"}));
    EXPECT_EQ(listLines(), QStringList{u"Nowak, \u0141ukasz  - SP1A"_s});
    expectMessage(1, u"Roll Saved as UTF-8"_s,
                  u"%1 was saved as UTF-8 text. Tessaly keeps the roll as Windows-1252 text and "
                  "will write it back that way when it is first saved; the original file will be "
                  "kept as AddrClub.dat.bak beside it before then.\n\nThese characters have no "
                  "place in Windows-1252 and will be written as \"?\": \u0141 \u015a \u0105"_s.arg(
                      files.path(u"AddrClub.dat"_s)));
}

// Another program rewrote the roll behind Tessaly's back: the operator is asked, No keeps that
// file and the new member in the list, and the failed save says why.
TEST_F(RollSafetyTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheOperatorSaysSo)
{
    open();
    files.write(u"AddrClub.dat"_s, carterRecord);
    typeInto("Text3", u"Dunn"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Return);
    ASSERT_EQ(desktop.messages.shown.size(), 2u);
    const ShownMessage &asked = desktop.messages.shown[0];
    EXPECT_EQ(std::tuple(asked.question, asked.title, asked.text),
              std::tuple(true, u"Roll Changed by Another Program"_s,
                         u"%1 was changed by another program after Tessaly read it.\n\nSave the "
                         "roll as Tessaly holds it over that file? What the other program wrote "
                         "would be lost.\n\nNo keeps the file as it is; your change stays in "
                         "memory while Tessaly runs."_s.arg(files.path(u"AddrClub.dat"_s))));
    expectMessage(2, u"Trouble saving data!"_s);
    EXPECT_TRUE(desktop.messages.shown[1].text.contains(
        u"because of this problem: another program changed the file after Tessaly read it, and "
        "that version was kept."_s));
    EXPECT_EQ(roll(), carterRecord);
    EXPECT_EQ(listLines().size(), 4);

    desktop.messages.answerNext(Answer::Yes);
    typeInto("Text3", u"Evans"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Return);
    EXPECT_EQ(desktop.messages.shown.size(), 3u);
    EXPECT_EQ(roll().count("\r\n"), 5 + 1); // Baker's address holds a line break
}

TEST_F(RollSafetyTest, TheDaysBackupIsMadeAndItsFailureToldOnce)
{
    desktop.clock.date = QDate(2026, 12, 6);
    QDir(files.dir()).mkpath(u"backups/AddrClub-2026-12-06.dat"_s); // a folder in the way
    open();
    for (const QString &last : {u"Dunn"_s, u"Evans"_s}) {
        typeInto("Text3", last);
        QTest::keyClick(line("Text3"), Qt::Key_Return);
    }
    expectMessage(1, u"Backup Not Made"_s,
                  u"The day's backup of the member roll could not be written to %1 because of "
                  "this problem: a folder named AddrClub-2026-12-06.dat stands where the file "
                  "should go.\n\nThe roll itself was saved. Tessaly tries again at each save and "
                  "will not tell you again while it runs."_s.arg(
                      files.path(u"backups/AddrClub-2026-12-06.dat"_s)));
    EXPECT_EQ(listLines().size(), 5);

    desktop.clock.date = QDate(2026, 12, 7);
    typeInto("Text3", u"Fox"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Return);
    EXPECT_EQ(files.read(u"backups/AddrClub-2026-12-07.dat"_s).count("\r\n"), 5 + 1);
}

} // namespace
} // namespace tessaly::testing
