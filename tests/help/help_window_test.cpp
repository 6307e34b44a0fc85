#include "help/help_texts.h"
#include "help/help_window.h"

#include "fake_platform.h"
#include "special_files.h"
#include "temp_roll.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// WindowTest would bring a roll session, which the help window neither has nor links.
class HelpWindowTest : public ::testing::Test {
  protected:
    void open(const QString &folder)
    {
        window = std::make_unique<HelpWindow>(folder, desktop.platform());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QString shown() const { return text()->toPlainText(); }
    QPlainTextEdit *text() const { return window->findChild<QPlainTextEdit *>(u"Text1"_s); }

    TempRoll files;
    FakePlatform desktop;
    std::unique_ptr<HelpWindow> window;
};

// Every byte is one Windows-1252 character (\351 is e acute, \200 the euro sign), and the
// file's CR LF line breaks are the page's. On a screen twice the design's the window doubles.
TEST_F(HelpWindowTest, ShowsReadtessTxtWholeAndUnchanged)
{
    files.write(u"readtess.txt"_s, "Tessaly Help\r\n\r\nCaf\351 dues: \2005.\r\n\"Queries\" menu");
    desktop.desktop.screen = QSize(1280, 960);
    open(files.dir());
    EXPECT_EQ(window->windowTitle(), u"Help Page"_s);
    EXPECT_EQ(window->size(), QSize(1030, 762));
    EXPECT_EQ(shown(), u"Tessaly Help\n\nCaf\u00e9 dues: \u20ac5.\n\"Queries\" menu"_s);
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_TRUE(desktop.messages.shown.empty());
    // Close hides the window; the copy writer's button is never shown.
    EXPECT_FALSE(window->findChild<QWidget *>(u"Command2"_s)->isVisible());
    QTest::mouseClick(window->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

// readtess.txt is read only as a regular file of at most 16 MB. Anything else (a FIFO, which
// would keep the window from opening, /dev/zero, a folder, a file too large) is, like a
// missing file, an empty page without a message; the reader names the file and the reason.
TEST_F(HelpWindowTest, AMissingSpecialOrOversizedFileGivesAnEmptyPageAtOnce)
{
    for (const SpecialCase &c : specialCases()) {
        SCOPED_TRACE(c.shape);
        TempRoll folder;
        const SpecialFile special(c.kind, folder.path(u"readtess.txt"_s), kLargestHelpTextBytes);
        const HangGuard guard(60);
        Outcome failure;
        EXPECT_EQ(readHelpText(folder.dir(), &failure), QString());
        EXPECT_EQ(failure.reason, u"readtess.txt "_s + special.reason(u"16 MB"_s));
        open(folder.dir());
        EXPECT_EQ(shown(), QString());
    }
    open(files.dir());
    EXPECT_EQ(shown(), QString());
    EXPECT_TRUE(desktop.messages.shown.empty());
    Outcome failure;
    EXPECT_EQ(readHelpText(files.dir(), &failure), QString());
    EXPECT_EQ(failure.reason, u"No such file or directory"_s);
    files.write(u"readtess.txt"_s, QByteArray(kLargestHelpTextBytes - 2, 'x') + "\r\n");
    EXPECT_EQ(readHelpText(files.dir(), &failure).size(), kLargestHelpTextBytes);
    EXPECT_TRUE(failure.ok());
}

TEST(HelpCopy, IsTheTextBetweenDoubleQuotesAsItStands)
{
    EXPECT_EQ(helpCopyBytes(u"Say \"hi\"\r\nCaf\u00e9"_s),
              QByteArray("\"Say \"hi\"\r\nCaf\351\"\r\n"));
    TempRoll files;
    ASSERT_TRUE(writeHelpCopy(files.dir(), u"x"_s).ok());
    EXPECT_EQ(files.read(u"HelpACL.txt"_s), QByteArray("\"x\"\r\n"));
}

} // namespace
} // namespace tessaly::testing
