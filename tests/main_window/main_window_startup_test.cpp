#include "core/window_fitting.h"
#include "main_window/main_window_controls.h"
#include "main_window/main_window_texts.h"
#include "main_window_fixture.h"

#include <QLabel>
#include <QMenuBar>

namespace tessaly::testing {
namespace {

using StartUpTest = MainWindowTest;

TEST_F(StartUpTest, ListsTheFileMembersInOrderAndWaitsInAddMode)
{
    // The last record is cut short by the end of the file; what there is of it is listed.
    open(threeMembers + "\"W3NEW\",\"Dora\",\"\",\"Dunn\",\"1 Main");
    EXPECT_EQ(listLines(), (QStringList{u"Adams, John Q - K3ABC"_s, u"Baker, Mary "_s,
                                        u"Carter, Carl  - N3XYZ"_s, u"Dunn, Dora  - W3NEW"_s}));
    EXPECT_TRUE(desktop.messages.shown.empty());
    expectEmptyFormInAddMode();
    EXPECT_TRUE(line("Text12")->hasFocus());
}

TEST_F(StartUpTest, AMissingDataFileBeepsAndSaysSo)
{
    open(std::nullopt);
    EXPECT_EQ(desktop.messages.beeps, 1);
    expectMessage(1, u"Trouble loading data!"_s, loadFailureMessage());
}

TEST_F(StartUpTest, ARollBeyondTheCapacityLoadsTheFirstTenThousandAndSaysSo)
{
    open(fileRecord({}).repeated(MemberStore::kCapacity + 2));
    EXPECT_EQ(listLines().size(), MemberStore::kCapacity);
    expectMessage(1, surplusTitle(), surplusMessage(dataFile->path(), 2));
}

TEST_F(StartUpTest, EveryControlCarriesItsNameCaptionAndTooltip)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"Tessaly 1.1"_s);
    for (const EntryControlSpec &design : entryControls()) {
        QWidget *box = control(qPrintable(design.id));
        auto *label = control<QLabel>(qPrintable(design.label.id));
        ASSERT_TRUE(box && label);
        EXPECT_EQ(box->toolTip(), design.toolTip) << design.id.toStdString();
        EXPECT_EQ(label->text(), design.label.caption) << design.id.toStdString();
        EXPECT_EQ(label->toolTip(), design.label.toolTip) << design.id.toStdString();
        EXPECT_EQ(box->accessibleName(), design.label.caption.trimmed());
    }
    for (const OtherControlSpec &design : otherControls()) {
        QWidget *other = control(qPrintable(design.id));
        ASSERT_TRUE(other);
        EXPECT_EQ(other->toolTip(), design.toolTip) << design.id.toStdString();
        if (qobject_cast<QPushButton *>(other)) {
            EXPECT_EQ(other->property("text").toString(), design.caption);
        }
    }
}

TEST_F(StartUpTest, TakesTheWorkAreaAndScalesEveryControlToItsClientArea)
{
    desktop.desktop.area = QRect(0, 0, 1264, 900);
    open(threeMembers, false);
    EXPECT_EQ(window->geometry(), desktop.desktop.area);
    const QSize client = window->centralWidget()->size();
    EXPECT_EQ(client, QSize(1264, 900 - window->menuBar()->height()));
    const FitRatios ratios = fitRatios(designClientPixels(), client);
    for (const EntryControlSpec &design : entryControls())
        EXPECT_EQ(control(qPrintable(design.id))->geometry(),
                  scaleRect(designPixels(design.rect), ratios))
            << design.id.toStdString();
}

} // namespace
} // namespace tessaly::testing
