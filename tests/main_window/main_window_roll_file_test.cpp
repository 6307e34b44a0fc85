#include "main_window_fixture.h"

#include "linux_facilities.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace tessaly::testing {
namespace {

using StartUpTest = MainWindowTest;

TEST_F(StartUpTest, AMissingOrOverfullDataFileIsReported)
{
    open(std::nullopt);
    EXPECT_EQ(desktop.messages.beeps, 1);
    expectMessage(
        1, u"Trouble loading data!"_s,
        u"Error reading your file data.  Either your files have become corrupted or "
        u"you do not have enough available memory to load all your data.  This is "
        u"generally not good.  Try closing all other programs and opening this program "
        u"again.  If that doesn't work, try opening the file addrclub.dat with a text "
        u"editor such as notepad to see if the files are ok (c:\\program files\\club).\n\n"_s +
            files.shown(u"AddrClub.dat"_s) + u": "_s + testing::noSuchFileReason());

    // Beyond the capacity the first ten thousand load.
    open(fileRecord({}).repeated(10'002));
    EXPECT_EQ(listLines().size(), 10'000);
    expectMessage(1, u"Too many members!"_s,
                  files.shown(u"AddrClub.dat"_s) +
                      u" holds 2 more members than Tessaly can keep (10,000). The first 10,000 "
                      u"members were loaded.\n\nThe whole original file will be kept as "
                      u"AddrClub.dat.bak beside it before the roll is first saved."_s);
}

// Tab visits every control in this order, each empty date box passed taking today's date; an
// entry control's label caption is its accessible name.
TEST_F(StartUpTest, TabVisitsEveryControlInOrderEachNamedByItsLabel)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    QStringList visited;
    const auto tab = [&](int times) {
        for (int n = 0; n < times; ++n) {
            visited << QApplication::focusWidget()->objectName();
            pressTab();
        }
    };
    tab(19); // past the entry area (the search box, which comes later, empties it again)
    for (const char *box : {"Text15", "Text14", "Text17", "Text18"})
        EXPECT_EQ(line(box)->text(), u"12/6/2026"_s) << box;
    tab(13);
    EXPECT_EQ(visited.join(u' '),
              u"Text12 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text9 Text13 Text15 Text14 "
              u"Text16 Text17 Check1 Check2 Check3 Text18 Text8 Command1 Command4 Command2 "
              u"Command5 Text10 Text11 Command3 Command9 List1 Command6 Command8 Command7 "
              u"Text12"_s);
    EXPECT_TRUE(desktop.messages.shown.empty());
    int named = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() == nullptr)
            continue;
        ++named;
        EXPECT_EQ(label->buddy()->accessibleName(), label->text().trimmed());
    }
    EXPECT_EQ(named, 19); // every box and check box of the entry area
    EXPECT_EQ(control<QLabel>("Text14Label")->toolTip(), u"Membership Expiration"_s);
    EXPECT_EQ(control<QPushButton>("Command7")->text(), u"&Print List"_s);
    QStringList menus; // the menu bar left to right, each menu's items after it, "-" a separator
    for (const QAction *title : window->menuBar()->actions()) {
        menus << title->objectName() + u' ' + title->text();
        for (const QAction *item : title->menu() ? title->menu()->actions() : QList<QAction *>())
            menus << (item->isSeparator() ? u"-"_s : item->objectName() + u' ' + item->text());
    }
    EXPECT_EQ(menus.join(u'|'), u" &File|mnuUndo &Undo|-|mnuImport &Import Members...|mnuLicenses "
                                u"Update &Licenses from FCC File...|mnuExport Ex&port Listed "
                                u"Members...|mnuEmail Copy E-&mail Addresses|mnuDirectory Print "
                                u"Member &Directory...|-|mnuExit &Exit|mnuFunctions &Queries|"
                                u"mnuHelp &Help"_s);
}

// The window takes the whole work area; its controls are placed on the client area below the
// menu, at exactly twice the design here (632 x 426 pixels).
TEST_F(StartUpTest, TakesTheWorkAreaAndScalesEveryControlToItsClientArea)
{
    open(threeMembers, false);
    const int menu = window->menuBar()->height();
    desktop.desktop.area = QRect(0, 0, 1264, 852 + menu);
    open(threeMembers, false);
    EXPECT_EQ(window->geometry(), desktop.desktop.area);
    EXPECT_EQ(window->centralWidget()->size(), QSize(1264, 852));
    EXPECT_EQ(control("List1")->geometry(), QRect(704, 80, 546, 584));
    const QRect summary = control("List1Label")->geometry(); // between the list and the exports
    EXPECT_FALSE(summary.intersects(control("List1")->geometry()) ||
                 summary.intersects(control("ExportPanel")->geometry()));
}

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
        "saved."_s.arg(files.shown(u"AddrClub.dat"_s)));

    enterLastName(u"Baker"_s);
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
                      files.shown(u"AddrClub.dat"_s)));
}

// Another program rewrote the roll behind Tessaly's back: the operator is asked, No keeps that
// file and the new member in the list, and the failed save says why.
TEST_F(RollSafetyTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheOperatorSaysSo)
{
    open();
    files.write(u"AddrClub.dat"_s, carterRecord);
    enterLastName(u"Dunn"_s);
    ASSERT_EQ(desktop.messages.shown.size(), 2u);
    const ShownMessage &asked = desktop.messages.shown[0];
    EXPECT_EQ(std::tuple(asked.question, asked.title, asked.text),
              std::tuple(true, u"Roll Changed by Another Program"_s,
                         u"%1 was changed by another program after Tessaly read it.\n\nSave the "
                         "roll as Tessaly holds it over that file? What the other program wrote "
                         "would be lost.\n\nNo keeps the file as it is; your change stays in "
                         "memory while Tessaly runs."_s.arg(files.shown(u"AddrClub.dat"_s))));
    expectMessage(2, u"Trouble saving data!"_s);
    EXPECT_TRUE(desktop.messages.shown[1].text.contains(
        u"because of this problem: another program changed the file after Tessaly read it, and "
        "that version was kept."_s));
    EXPECT_EQ(roll(), carterRecord);
    EXPECT_EQ(listLines().size(), 4);

    desktop.messages.answerNext(Answer::Yes);
    enterLastName(u"Evans"_s);
    EXPECT_EQ(desktop.messages.shown.size(), 3u);
    EXPECT_EQ(roll().count("\r\n"), 5 + 1); // Baker's address holds a line break
}

TEST_F(RollSafetyTest, TheDaysBackupIsMadeAndItsFailureToldOnce)
{
    desktop.clock.date = QDate(2026, 12, 6);
    QDir(files.dir()).mkpath(u"backups/AddrClub-2026-12-06.dat"_s); // a folder in the way
    open();
    for (const QString &last : {u"Dunn"_s, u"Evans"_s})
        enterLastName(last);
    expectMessage(1, u"Backup Not Made"_s,
                  u"The day's backup of the member roll could not be written to %1 because of "
                  "this problem: a folder named AddrClub-2026-12-06.dat stands where the file "
                  "should go.\n\nThe roll itself was saved. Tessaly tries again at each save and "
                  "will not tell you again while it runs."_s.arg(
                      files.shown(u"backups/AddrClub-2026-12-06.dat"_s)));
    EXPECT_EQ(listLines().size(), 5);

    desktop.clock.date = QDate(2026, 12, 7);
    enterLastName(u"Fox"_s);
    EXPECT_EQ(files.read(u"backups/AddrClub-2026-12-07.dat"_s).count("\r\n"), 5 + 1);
}

// Undo names each kind of change and gives the roll back byte for byte, saved, and all listed.
TEST_F(RollSafetyTest, UndoNamesEachKindOfChangeAndGivesTheRollBackByteForByte)
{
    const QByteArray unsorted = carterRecord + adamsRecord + bakerRecord;
    const std::vector<std::pair<QString, std::function<void()>>> changes = {
        {u"&Undo Add of Zed"_s, [&] { enterLastName(u"Zed"_s); }},
        {u"&Undo Record of John Adams"_s, [&] { clickRow(2); enterLastName(u"Zimmer"_s); }},
        {u"&Undo Delete of Mary Baker"_s,
         [&] { clickRow(3); desktop.messages.answerNext(Answer::Yes); click("Command2"); }},
        {u"&Undo Dues Reset"_s, [&] { session->resetDues(); }},
        {u"&Undo Import of 1 Member"_s, [&] { session->addMembers({session->member(1)}); }},
        {u"&Undo Import of 2 Members"_s, [&] { session->addMembers({session->member(1), {}}); }},
        {u"&Undo License Update"_s, [&] { session->updateMembers({{2, session->member(3)}}); }},
    };
    for (const auto &[caption, change] : changes) {
        SCOPED_TRACE(caption.toStdString());
        open(unsorted);
        QAction *undo = window->findChild<QAction *>(u"mnuUndo"_s);
        change();
        EXPECT_EQ(std::pair(undo->text(), undo->isEnabled()), std::pair(caption, true));
        clickRow(1); // Record mode, which undoing leaves
        trigger(u"mnuUndo"_s);
        EXPECT_EQ(std::tuple(roll(), listLines().size(), undo->text(), undo->isEnabled()),
                  std::tuple(unsorted, 3, u"&Undo"_s, false));
        expectEmptyFormInAddMode();
    }
}

// Quitting while a change is only in memory asks first; with everything on disk it does not.
class UnsavedChangesTest : public MainWindowTest {
  protected:
    // No day's backup, whose own failure would come before the roll's.
    UnsavedChangesTest() { desktop.clock.date = QDate(); }

    // The question put last, with its buttons and default.
    void expectQuestion(std::size_t shownCount)
    {
        expectMessage(
            shownCount, u"Unsaved Changes"_s,
            u"The member roll could not be saved to %1 because of this problem: File too "
            "large.\n\nYour latest changes are only in memory, and quitting now loses them. "
            "Save Again tries to save the roll once more; Quit Without Saving ends Tessaly "
            "and leaves the file on disk as it is; Cancel keeps Tessaly open."_s.arg(
                files.shown(u"AddrClub.dat"_s)));
        EXPECT_TRUE(desktop.messages.shown.back().question);
        ASSERT_FALSE(desktop.messages.choices.empty());
        EXPECT_EQ(desktop.messages.choices.back().buttons,
                  (QStringList{u"Save Again"_s, u"Quit Without Saving"_s, u"Cancel"_s}));
        EXPECT_EQ(desktop.messages.choices.back().defaultButton, 2);
    }
};

TEST_F(UnsavedChangesTest, ARollWhoseChangesAreAllSavedEndsAtOnce)
{
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        open();
        if (changed)
            enterLastName(u"Dunn"_s);
        changed ? trigger(u"mnuExit"_s) : void(window->close());
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(desktop.messages.shown.empty());
    }
}

// Cancel (Escape's answer) and a retry that fails again, saying why, keep the window; a retry
// that succeeds quits with the member on disk, Quit Without Saving with the file as it was.
TEST_F(UnsavedChangesTest, ExitAfterAFailedSaveAsksAndQuitsOnlyOnceSavedOrGivenUp)
{
    for (const int last : {0, 1}) {
        SCOPED_TRACE(last);
        open();
        const QByteArray before = roll();
        withFileSizeCap(64, [&] { enterLastName(u"Dunn"_s); });
        expectMessage(1, u"Trouble saving data!"_s);
        EXPECT_EQ(roll(), before);

        trigger(u"mnuExit"_s);
        settle();
        expectQuestion(2);
        EXPECT_TRUE(window->isVisible());

        desktop.messages.chooseNext(0);
        withFileSizeCap(64, [&] { trigger(u"mnuExit"_s); });
        settle();
        expectMessage(4, u"Trouble saving data!"_s);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(roll(), before);

        desktop.messages.chooseNext(last);
        window->close();
        expectQuestion(5);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(roll().contains("\"Dunn\""), last == 0);
        EXPECT_EQ(roll().count("\r\n"), last == 0 ? 4 + 1 : 3 + 1); // Baker's address: 2
    }
}

// An undo whose save fails is told like every failed save and stays undone in memory.
TEST_F(UnsavedChangesTest, AnUndoWhoseSaveFailsIsToldAndKeptInMemory)
{
    open();
    enterLastName(u"Dunn"_s);
    withFileSizeCap(64, [&] { trigger(u"mnuUndo"_s); });
    expectMessage(1, u"Trouble saving data!"_s);
    EXPECT_EQ(std::tuple(roll().contains("Dunn"), listLines().size(), session->hasUnsavedChanges()),
              std::tuple(true, 3, true));
}

// With the disk full the day's backup fails before the roll does: its message must not say
// the roll was saved, and the roll's own failure follows it.
TEST_F(UnsavedChangesTest, AFailedSaveIsNeverCalledSaved)
{
    desktop.clock.date = QDate(2026, 12, 6);
    open();
    withFileSizeCap(64, [&] { enterLastName(u"Dunn"_s); });
    expectMessage(2, u"Trouble saving data!"_s);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Backup Not Made"_s);
    EXPECT_TRUE(desktop.messages.shown[0].text.contains(
        u"The roll itself could not be saved either; the next message says why."_s));
}

// A folder Tessaly cannot write in: the roll is there to be looked at; every change is refused
// with one message and loses nothing the operator typed.
TEST_F(UnsavedChangesTest, ARollInAFolderClosedToWritingIsShownAndCopiedButNeverChanged)
{
    files.write(u"AddrClub.dat"_s, threeMembers);
    const UnwritableFolder closed(files.dir());
    if (!closed.closed())
        GTEST_SKIP() << "this system cannot close a folder to this process";
    startSession(std::nullopt);
    ASSERT_EQ(session->claimFolder(), RollSession::FolderClaim::ReadOnly);
    window = std::make_unique<MainWindow>(*session, session->load(), desktop.platform());
    showActive();
    EXPECT_EQ(listLines().size(), 3);
    enterLastName(u"Dunn"_s);
    expectMessage(1, u"Roll Is Read-Only"_s,
                  u"Tessaly cannot write in the folder %1 (%2), so the member roll there was "
                  "opened only to be read: members can be looked at, searched, listed and copied, "
                  "but not added, changed or deleted.\n\nNothing was changed."_s.arg(
                      files.shownDir(), session->readOnlyReason()));
    EXPECT_EQ(line("Text3")->text(), u"Dunn"_s);
    clickRow(1);
    click("Command2"); // Delete: refused before anything is asked
    expectMessage(2, u"Roll Is Read-Only"_s);
    EXPECT_FALSE(desktop.messages.shown.back().question);
    enterLastName(u"Evans"_s); // Record, refused alike
    EXPECT_EQ(std::pair(line("Text3")->text(), desktop.messages.shown.size()),
              std::pair(u"Evans"_s, std::size_t{3}));
    // Refused before any file is asked for.
    for (const char *command : {"mnuImport", "mnuLicenses"}) {
        trigger(QString::fromLatin1(command));
        settle();
        EXPECT_EQ(desktop.messages.shown.back().title, u"Roll Is Read-Only"_s) << command;
    }
    EXPECT_TRUE(desktop.files.titles.isEmpty());
    EXPECT_EQ(roll(), threeMembers);
    window->close(); // nothing unsaved to ask about
    EXPECT_EQ(desktop.messages.shown.size(), 5u);
}

} // namespace
} // namespace tessaly::testing
