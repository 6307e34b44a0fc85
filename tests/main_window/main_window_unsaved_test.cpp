#include "main_window_fixture.h"

#include "unwritable_folder.h"

#include <QAction>

namespace tessaly::testing {
namespace {

// Quitting while a change is only in memory asks first; with everything on disk it does not.
class UnsavedChangesTest : public MainWindowTest {
  protected:
    // No day's backup, whose own failure would come before the roll's.
    UnsavedChangesTest() { desktop.clock.date = QDate(); }

    // Adds a member by typing the last name and Enter, with the files this process writes
    // capped at cap bytes (0: no cap).
    void addMember(const QString &last, rlim_t cap = 0)
    {
        typeInto("Text3", last);
        if (cap == 0)
            QTest::keyClick(line("Text3"), Qt::Key_Return);
        else
            withFileSizeCap(cap, [&] { QTest::keyClick(line("Text3"), Qt::Key_Return); });
        settle();
    }
    void exitByMenu() { window->findChild<QAction *>(u"mnuExit"_s)->trigger(); }
    void closeWindow() { window->close(); }

    // The question put last, with its buttons and default.
    void expectQuestion(std::size_t shownCount)
    {
        ASSERT_EQ(desktop.messages.shown.size(), shownCount);
        const ShownMessage &asked = desktop.messages.shown.back();
        EXPECT_TRUE(asked.question);
        EXPECT_EQ(asked.title, u"Unsaved Changes"_s);
        EXPECT_EQ(asked.text,
                  u"The member roll could not be saved to %1 because of this problem: File too "
                  "large.\n\nYour latest changes are only in memory, and quitting now loses them. "
                  "Save Again tries to save the roll once more; Quit Without Saving ends Tessaly "
                  "and leaves the file on disk as it is; Cancel keeps Tessaly open."_s.arg(
                      files.path(u"AddrClub.dat"_s)));
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
            addMember(u"Dunn"_s);
        changed ? exitByMenu() : closeWindow();
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(desktop.messages.shown.empty());
        window.reset();
        session.reset();
    }
}

// Cancel (also the answer of Escape) keeps the window, and so does a retry that fails again,
// saying why; a retry that succeeds quits with the member on disk, and Quit Without Saving
// quits leaving the file as it was.
TEST_F(UnsavedChangesTest, ExitAfterAFailedSaveAsksAndQuitsOnlyOnceSavedOrGivenUp)
{
    for (const int last : {0, 1}) {
        SCOPED_TRACE(last);
        desktop.messages.shown.clear();
        open();
        const QByteArray before = roll();
        addMember(u"Dunn"_s, 64);
        expectMessage(1, u"Trouble saving data!"_s);
        EXPECT_EQ(roll(), before);

        exitByMenu();
        settle();
        expectQuestion(2);
        EXPECT_TRUE(window->isVisible());

        desktop.messages.chooseNext(0);
        withFileSizeCap(64, [&] { exitByMenu(); });
        settle();
        expectMessage(4, u"Trouble saving data!"_s);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(roll(), before);

        desktop.messages.chooseNext(last);
        closeWindow();
        expectQuestion(5);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(roll().contains("\"Dunn\""), last == 0);
        EXPECT_EQ(roll().count("\r\n"), last == 0 ? 4 + 1 : 3 + 1); // Baker's address: 2
        window.reset();
        session.reset();
    }
}

// With the disk full the day's backup fails before the roll does: its message must not say
// the roll was saved, and the roll's own failure follows it.
TEST_F(UnsavedChangesTest, AFailedSaveIsNeverCalledSaved)
{
    desktop.clock.date = QDate(2026, 12, 6);
    open();
    addMember(u"Dunn"_s, 64);
    ASSERT_EQ(desktop.messages.shown.size(), 2u);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Backup Not Made"_s);
    EXPECT_TRUE(desktop.messages.shown[0].text.contains(
        u"The roll itself could not be saved either; the next message says why."_s));
    EXPECT_EQ(desktop.messages.shown[1].title, u"Trouble saving data!"_s);
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
    typeInto("Text3", u"Dunn"_s);
    QTest::keyClick(line("Text3"), Qt::Key_Return);
    settle();
    expectMessage(1, u"Roll Is Read-Only"_s,
                  u"Tessaly cannot write in the folder %1 (%2), so the member roll there was "
                  "opened only to be read: members can be looked at, searched, listed and copied, "
                  "but not added, changed or deleted.\n\nNothing was changed."_s.arg(
                      files.dir(), session->readOnlyReason()));
    EXPECT_EQ(line("Text3")->text(), u"Dunn"_s);
    clickRow(1);
    click("Command2"); // Delete: refused before anything is asked
    expectMessage(2, u"Roll Is Read-Only"_s);
    EXPECT_FALSE(desktop.messages.shown.back().question);
    window->findChild<QAction *>(u"mnuImport"_s)->trigger();
    settle();
    expectMessage(3, u"Roll Is Read-Only"_s);
    EXPECT_TRUE(desktop.files.titles.isEmpty());
    EXPECT_EQ(roll(), threeMembers);
    closeWindow(); // nothing unsaved to ask about
    EXPECT_EQ(desktop.messages.shown.size(), 3u);
}

} // namespace
} // namespace tessaly::testing
