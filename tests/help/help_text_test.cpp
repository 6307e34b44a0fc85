#include "help/help_file.h"
#include "main_window/main_window.h"

#include "linux_facilities.h"
#include "temp_roll.h"
#include "window_test.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// Every byte is one Windows-1252 character (\351 is e acute, \200 the euro sign). readtess.txt
// is read only as a regular file of at most 16 MB. Anything else (a FIFO, which would keep the
// window from opening, /dev/zero, a folder, a file too large) is, like a missing file, an empty
// page; the reader names the file and the reason, and the page says it, but for a missing file.
TEST(HelpText, ReadsReadtessTxtWholeOrNothingFromASpecialOrOversizedFile)
{
    TempRoll files;
    Outcome failure;
    EXPECT_EQ(readHelpText(files.dir(), &failure), QString());
    EXPECT_EQ(failure.reason, testing::noSuchFileReason());
    EXPECT_EQ(helpPageText(files.dir()), QString());
    files.write(u"readtess.txt"_s, "Tessaly Help\r\n\r\nCaf\351 dues: \2005.\r\n\"Queries\" menu");
    EXPECT_EQ(readHelpText(files.dir(), &failure),
              u"Tessaly Help\r\n\r\nCaf\u00e9 dues: \u20ac5.\r\n\"Queries\" menu"_s);
    EXPECT_TRUE(failure.ok());
    files.write(u"readtess.txt"_s, QByteArray(kLargestHelpTextBytes - 2, 'x') + "\r\n");
    EXPECT_EQ(readHelpText(files.dir(), &failure).size(), kLargestHelpTextBytes);
    for (const SpecialCase &c : specialCases()) {
        SCOPED_TRACE(c.shape);
        TempRoll folder;
        const SpecialFile special(c.kind, folder.path(u"readtess.txt"_s), kLargestHelpTextBytes);
        const HangGuard guard(60);
        const QString told = u"readtess.txt "_s + special.reason(u"16 MB"_s);
        EXPECT_EQ(readHelpText(folder.dir(), &failure), QString());
        EXPECT_EQ(failure.reason, told);
        EXPECT_EQ(helpPageText(folder.dir()), u"The help page cannot be shown: "_s + told + u'.');
    }
}

TEST(HelpCopy, IsTheTextBetweenDoubleQuotesAsItStands)
{
    EXPECT_EQ(helpCopyBytes(u"Say \"hi\"\r\nCaf\u00e9"_s),
              QByteArray("\"Say \"hi\"\r\nCaf\351\"\r\n"));
    TempRoll files;
    ASSERT_TRUE(writeHelpCopy(files.dir(), u"x"_s).ok());
    EXPECT_EQ(files.read(u"HelpACL.txt"_s), QByteArray("\"x\"\r\n"));
}

// The help text a new roll folder gets is what the window reads, 8-bit text with CR LF (plain
// ASCII, so that no editor's UTF-8 slips in), and tells of every command of the File menu by
// the caption the operator sees there.
using ShippedHelpText = WindowTest<MainWindow>;

TEST_F(ShippedHelpText, IsCrLfTextNamingEveryFileMenuCommand)
{
    QFile file(QStringLiteral(TESSALY_HELP_TEXT));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    for (const char c : bytes)
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= ' ' && c <= '~')) << int(c);

    // A caption may be broken across two lines of the text.
    const QString help = readHelpText(QFileInfo(file).path()).simplified();
    startSession(QByteArray());
    window = std::make_unique<MainWindow>(*session, session->load(), desktop.platform());
    const auto *menu = window->findChild<QMenu *>(u"mnuFile"_s);
    ASSERT_NE(menu, nullptr);
    int commands = 0;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        ++commands;
        const QString caption = QString(action->text()).remove(u'&');
        EXPECT_TRUE(help.contains(caption)) << caption.toStdString();
    }
    EXPECT_GE(commands, 6);
}

} // namespace
} // namespace tessaly::testing
