#include "core/window_fitting.h"
#include "main_window/listed_members.h"
#include "main_window/main_window_controls.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

using StartUpTest = MainWindowTest;

const QString kLoadFailure =
    u"Error reading your file data.  Either your files have become corrupted or you do not have "
    u"enough available memory to load all your data.  This is generally not good.  Try closing "
    u"all other programs and opening this program again.  If that doesn't work, try opening the "
    u"file addrclub.dat with a text editor such as notepad to see if the files are ok "
    u"(c:\\program files\\club)."_s;

TEST_F(StartUpTest, ListsTheFileMembersInFileOrderWithTheirLines)
{
    open();
    EXPECT_EQ(store.count(), 3);
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Baker, Mary "_s,
                                        u"Carter, Carl  - N3XYZ"_s}));
    EXPECT_EQ(window->listedMembers().rowRecords(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(desktop.messages.beeps, 0);
}

TEST_F(StartUpTest, OpensInAddModeWithEmptyBoxesAndNoLineSelected)
{
    open();
    show();
    EXPECT_EQ(window->entryMode(), EntryMode::Add);
    EXPECT_EQ(window->selectedRecord(), 0);
    EXPECT_EQ(control<QPushButton>("Command1")->text(), u"&Add"_s);
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        EXPECT_TRUE(box->toPlainText().isEmpty()) << box->objectName().toStdString();
    for (QCheckBox *box : window->findChildren<QCheckBox *>())
        EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(control<QListView>("List1")->selectionModel()->hasSelection());
    EXPECT_TRUE(control<QLineEdit>("Text12")->hasFocus());
}

TEST_F(StartUpTest, MissingDataFileBeepsAndSaysSoWithAnEmptyList)
{
    open(std::nullopt);
    EXPECT_EQ(desktop.messages.beeps, 1);
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].text, kLoadFailure);
    EXPECT_EQ(desktop.messages.shown[0].title, u"Trouble loading data!"_s);
    EXPECT_FALSE(desktop.messages.shown[0].question);
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(window->listedMembers().listedCount(), 0);
}

TEST_F(StartUpTest, EmptyDataFileOpensQuietlyWithAnEmptyList)
{
    open(QByteArray());
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(desktop.messages.beeps, 0);
    EXPECT_TRUE(listLines().isEmpty());
}

TEST_F(StartUpTest, FileEndingInsideARecordListsThePartRecord)
{
    open(threeMembers() + "\"W3NEW\",\"Dora\",\"\",\"Dunn\",\"1 Main");
    EXPECT_EQ(listLines().size(), 4);
    EXPECT_EQ(listLines().last(), u"Dunn, Dora  - W3NEW"_s);
    EXPECT_TRUE(desktop.messages.shown.empty());
}

TEST_F(StartUpTest, RollBeyondTheCapacityLoadsTheFirstTenThousandAndSaysSo)
{
    QByteArray roll;
    const QByteArray empty = fileRecord({});
    for (int i = 0; i < MemberStore::kCapacity + 2; ++i)
        roll += empty;
    open(roll);
    EXPECT_EQ(store.count(), MemberStore::kCapacity);
    EXPECT_EQ(window->listedMembers().listedCount(), MemberStore::kCapacity);
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    EXPECT_EQ(desktop.messages.shown[0].title, surplusTitle());
    EXPECT_EQ(desktop.messages.shown[0].text, surplusMessage(dataFile->path(), 2));
}

TEST_F(StartUpTest, EveryControlCarriesItsNameCaptionTooltipAndAccessibleName)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    for (const EntryControlSpec &design : entryControls()) {
        QWidget *box = control<QWidget>(design.id.toLatin1().constData());
        QLabel *label = control<QLabel>(design.label.id.toLatin1().constData());
        ASSERT_TRUE(box && label);
        EXPECT_EQ(label->text(), design.label.caption);
        EXPECT_EQ(box->accessibleName(),
                  design.label.caption.mid(design.label.caption.startsWith(u' ')));
    }
    EXPECT_EQ(control<QLabel>("Label21")->text(), u" ARRL Member"_s);
    EXPECT_EQ(control<QLabel>("Label22")->text(), u" Voting Member"_s);
    EXPECT_EQ(control<QLabel>("Label24")->text(), u" Dues Paid"_s);
    EXPECT_EQ(control<QCheckBox>("Check2")->accessibleName(), u"Voting Member"_s);
    EXPECT_EQ(control<QWidget>("Text18")->accessibleName(), u"D.O.B."_s);
    EXPECT_EQ(control<QLabel>("Text14Label")->toolTip(), u"Membership Expiration"_s);
    EXPECT_EQ(control<QWidget>("Text8")->toolTip(),
              u"Give thought to search criteria (you may want to print a \"golf\" or \"church\", "
              u"etc. list."_s);

    const std::pair<const char *, QString> buttons[] = {
        {"Command1", u"&Add"_s},
        {"Command4", u"Cl&ear"_s},
        {"Command2", u"&Delete"_s},
        {"Command5", u"&Copy to Clipboard"_s},
        {"Command3", u"&List All"_s},
        {"Command9", u"List All &Voting"_s},
        {"Command6", u"&Write File (address.txt)"_s},
        {"Command8", u"Copy List to Clip&board"_s},
        {"Command7", u"&Print List"_s}};
    for (const auto &[id, caption] : buttons)
        EXPECT_EQ(control<QPushButton>(id)->text(), caption) << id;
    EXPECT_EQ(control<QPushButton>("Command2")->toolTip(), u"Deletes the address you selected. "_s);
    EXPECT_EQ(control<QPushButton>("Command5")->toolTip(),
              u"Click to copy addess to clipboard so you can paste it in other programs."_s);
    EXPECT_EQ(control<QLineEdit>("Text11")->toolTip(),
              u"Enter search string.  All data fields are searched for your entry and listed "
              u"below."_s);
    EXPECT_EQ(control<QPushButton>("Command7")->toolTip(),
              u"Prints mailing labels of listed addresses.  Printed labels will be ONLY those "
              u"listed!"_s);
    EXPECT_TRUE(control<QPushButton>("Command9")->toolTip().isEmpty());
    EXPECT_TRUE(control<QPushButton>("Command6")->toolTip().contains(u"address.txt"_s));
    EXPECT_EQ(control<QListView>("List1")->toolTip(), u"Click on the name to edit."_s);
    EXPECT_EQ(control<QLabel>("Text11Label")->text(), u" Search"_s);
    EXPECT_EQ(control<QLabel>("Text10Label")->text(), u" Quick Copy"_s);
    EXPECT_EQ(control<QLabel>("LicenseLabel")->text(), u"License"_s);
}

TEST_F(StartUpTest, CaptionsAreBoldWhiteOnNavyAndShortOnesCentred)
{
    open();
    for (const char *id : {"Text12Label", "Label21", "LicenseLabel", "Text11Label"}) {
        QLabel *label = control<QLabel>(id);
        EXPECT_TRUE(label->font().bold()) << id;
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25) << id;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 128)) << id;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white)) << id;
        EXPECT_TRUE(label->autoFillBackground()) << id;
    }
    for (const char *id : {"Text2Label", "Text6Label", "Text15Label", "Text14Label", "LicenseLabel",
                           "Text16Label", "Text18Label"})
        EXPECT_TRUE(control<QLabel>(id)->alignment() & Qt::AlignHCenter) << id;
    for (const char *id : {"Text12Label", "Text1Label", "Text17Label", "Label21", "Text8Label"})
        EXPECT_TRUE(control<QLabel>(id)->alignment() & Qt::AlignLeft) << id;
    EXPECT_DOUBLE_EQ(control<QListView>("List1")->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(control<QPlainTextEdit>("Text10")->font().pointSizeF(), 6.0);
    EXPECT_EQ(control<QWidget>("SearchBand")->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(control<QWidget>("ExportPanel")->palette().color(QPalette::Window),
              QColor(0, 0, 128));
}

TEST_F(StartUpTest, TakesTheWorkAreaAndScalesEveryControlToItsClientArea)
{
    desktop.desktop.area = QRect(0, 0, 1264, 900);
    open();
    EXPECT_EQ(window->geometry(), desktop.desktop.area);
    const QSize client = window->centralWidget()->size();
    EXPECT_EQ(client.width(), 1264);
    EXPECT_EQ(client.height(), 900 - window->menuBar()->height());
    const FitRatios ratios = fitRatios(designClientPixels(), client);
    for (const EntryControlSpec &design : entryControls()) {
        EXPECT_EQ(control<QWidget>(design.id.toLatin1().constData())->geometry(),
                  scaleRect(designPixels(design.rect), ratios))
            << design.id.toStdString();
        EXPECT_EQ(control<QWidget>(design.label.id.toLatin1().constData())->geometry(),
                  scaleRect(designPixels(design.label.rect), ratios));
    }
    for (const OtherControlSpec &design : otherControls())
        EXPECT_EQ(control<QWidget>(design.id.toLatin1().constData())->geometry(),
                  scaleRect(designPixels(design.rect), ratios))
            << design.id.toStdString();
    // Fonts keep their size whatever the scale.
    EXPECT_DOUBLE_EQ(control<QLabel>("Text12Label")->font().pointSizeF(), 8.25);
}

TEST_F(StartUpTest, FitsOnceMoreWhenShownSmallerThanTheWorkAreaButNeverAfterwards)
{
    open();
    QLineEdit *call = control<QLineEdit>("Text12");
    // What a window manager does when it needs room for the window's frame.
    window->resize(window->size() - QSize(20, 40));
    show();
    const QSize client = window->centralWidget()->size();
    EXPECT_EQ(call->geometry(), scaleRect(designPixels(entryControls().front().rect),
                                          fitRatios(designClientPixels(), client)));

    const QRect fitted = call->geometry();
    window->resize(window->size() / 2);
    QTest::qWait(1);
    window->hide();
    window->show();
    EXPECT_EQ(call->geometry(), fitted);
}

TEST_F(StartUpTest, MenusAndWindowsNotYetBuiltSayTheyAreNotAvailable)
{
    open();
    show();
    QMenuBar *bar = window->menuBar();
    QStringList titles;
    for (QAction *action : bar->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{u"&File"_s, u"&Queries"_s, u"&Help"_s}));
    EXPECT_EQ(window->findChild<QAction *>(u"mnuExit"_s)->text(), u"&Exit"_s);

    window->findChild<QAction *>(u"mnuFunctions"_s)->trigger();
    window->findChild<QAction *>(u"mnuHelp"_s)->trigger();
    QTest::mouseClick(control<QPushButton>("Command7"), Qt::LeftButton);
    ASSERT_EQ(desktop.messages.shown.size(), 3u);
    EXPECT_TRUE(desktop.messages.shown[0].text.contains(u"Database Functions"_s));
    EXPECT_TRUE(desktop.messages.shown[1].text.contains(u"Help"_s));
    EXPECT_TRUE(desktop.messages.shown[2].text.contains(u"Label Format"_s));
    for (const ShownMessage &message : desktop.messages.shown)
        EXPECT_TRUE(message.text.contains(u"not available"_s));
    EXPECT_EQ(store.count(), 3);
}

} // namespace
} // namespace tessaly::testing
