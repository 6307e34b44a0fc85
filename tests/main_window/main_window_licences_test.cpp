#include "main_window_fixture.h"

#include "fcc_files.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

namespace tessaly::testing {
namespace {

// File > Update Licences from FCC File: the preview of what the FCC's file says, and the
// ticked changes taken in one step.
class LicencesTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        // Adams holds General to 7/4/2030, Baker has no call sign, Carter holds Extra with no date.
        writeZip(files.path(u"l_amat.zip"_s),
                 {{"AM.dat", amLine(1, "K3ABC", "A") + amLine(2, "N3XYZ", "E")},
                  {"HD.dat", hdLine(1, "K3ABC", 'A', "07/04/2020", "07/04/2030") +
                                 hdLine(2, "N3XYZ", 'A', "01/15/2021", "01/15/2031")}});
        open();
        desktop.files.answers.push_back(files.path(u"l_amat.zip"_s));
    }

    // Runs the command; act gets the preview once it is up and answers it.
    void update(const std::function<void(QDialog *, QTableWidget *)> &act)
    {
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *preview = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (seen || preview == nullptr || preview->objectName() != u"LicencePreview"_s)
                return;
            seen = true;
            act(preview, preview->findChild<QTableWidget *>(u"LicenceRows"_s));
        });
        poll.start(10);
        window->findChild<QAction *>(u"mnuLicences"_s)->trigger();
        EXPECT_TRUE(seen) << "no preview came up";
    }

    static QStringList rowsOf(const QTableWidget *table)
    {
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem *item = table->item(r, c);
                cells << (c == 0 ? ((item->flags() & Qt::ItemIsUserCheckable) == 0 ? u"-"_s
                                    : item->checkState() == Qt::Checked       ? u"[x]"_s
                                                                              : u"[ ]"_s)
                                 : item->text());
            }
            rows << cells.join(u" | "_s);
        }
        return rows;
    }
};

TEST_F(LicencesTest, OkTakesExactlyTheTickedChangesAndTheEntryAreaShowsThem)
{
    clickRow(3); // Carter, whose date the file gives
    update([](QDialog *preview, QTableWidget *table) {
        const QString day = table->item(0, 6)->text();
        EXPECT_FALSE(day.isEmpty());
        EXPECT_EQ(preview->findChild<QLabel *>(u"LicenceSummary"_s)->text(),
                  u"2 members with a call sign compared with l_amat.zip of %1: 2 changes "
                  "proposed. Nothing changes until you click OK."_s.arg(day));
        EXPECT_EQ(rowsOf(table),
                  (QStringList{u"[x] | John Adams | K3ABC | Class | General | Advanced | "_s + day,
                               u"[x] | Carl Carter | N3XYZ | Lic Exp |  | 1/15/2031 | "_s + day}));
        table->item(0, 0)->setCheckState(Qt::Unchecked);
        preview->accept();
    });
    EXPECT_EQ(desktop.files.titles, QStringList{u"Choose the FCC Licence File"_s});
    expectMessage(1, u"Licences Updated"_s, u"The licences of 1 member were brought up to date."_s);
    EXPECT_EQ(roll(), adamsRecord + bakerRecord +
                          fileRecord({"N3XYZ", "Carl", "", "Carter", "9 Pine Rd", "Media", "PA",
                                      "19063", "", "", "", "", "", "Extra", "1/15/2031", "N", "N",
                                      "N", ""}));
    EXPECT_EQ(line("Text17")->text(), u"1/15/2031"_s);
}

TEST_F(LicencesTest, CancelChangesNothing)
{
    update([](QDialog *preview, QTableWidget *) { preview->reject(); });
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_EQ(roll(), threeMembers);
}

TEST_F(LicencesTest, AFileThatCannotBeReadIsNamedAndTheRollStaysAsItWas)
{
    files.write(u"l_amat.zip"_s, "not a zip");
    window->findChild<QAction *>(u"mnuLicences"_s)->trigger();
    settle();
    expectMessage(1, u"Update Licences"_s,
                  u"The FCC licence file %1 could not be read: l_amat.zip is not a zip file, or is "
                  "cut off\n\nThe roll was not changed."_s.arg(files.path(u"l_amat.zip"_s)));
    EXPECT_EQ(roll(), threeMembers);
}

// A roll with nothing to compare is told so before any file is asked for.
class NothingToCompareTest : public MainWindowTest {
  protected:
    void expectRefused(const QByteArray &held, const QString &told)
    {
        open(held);
        window->findChild<QAction *>(u"mnuLicences"_s)->trigger();
        EXPECT_TRUE(desktop.files.titles.isEmpty());
        expectMessage(1, u"Update Licences"_s, told);
        EXPECT_EQ(roll(), held);
    }
};

TEST_F(NothingToCompareTest, AnEmptyRoll)
{
    expectRefused({}, u"The roll holds no members, so there is nothing to compare with the FCC "
                      "licence file."_s);
}

TEST_F(NothingToCompareTest, ARollWithoutCallSigns)
{
    expectRefused(bakerRecord, u"No member of the roll has a call sign, so there is nothing to "
                               "compare with the FCC licence file."_s);
}

} // namespace
} // namespace tessaly::testing
