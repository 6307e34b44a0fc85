#pragma once

#include "core/club_data_file.h"
#include "core/member_store.h"
#include "main_window/main_window.h"

#include "fake_platform.h"
#include "temp_roll.h"

#include <QApplication>
#include <QByteArray>
#include <QListView>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>

namespace tessaly::testing {

// One data file line: the given values quoted, the rest of the nineteen empty.
inline QByteArray fileRecord(std::initializer_list<const char *> values)
{
    QByteArray line;
    int written = 0;
    for (const char *value : values) {
        line += (written++ == 0 ? "\"" : ",\"") + QByteArray(value) + '"';
    }
    for (; written < 19; ++written)
        line += written == 0 ? "\"\"" : ",\"\"";
    return line + "\r\n";
}

// Three members, as the program writes them.
inline QByteArray adamsRecord()
{
    return fileRecord({"K3ABC", "John", "Q", "Adams", "12 Oak St", "Media", "PA", "19063",
                       "610-555-0101", "golf", "ja@example.org", "12/31/2026", "1/5/1999",
                       "General", "7/4/2030", "Y", "Y", "N", "2/29/1960"});
}

inline QByteArray bakerRecord()
{
    return fileRecord({"", "Mary", "", "Baker", "5 Elm St\r\nApt 2", "Chester", "PA", "19013", "",
                       "", "", "", "", "", "", "N", "y", "Y", ""});
}

inline QByteArray carterRecord()
{
    return fileRecord({"N3XYZ", "Carl", "", "Carter", "9 Pine Rd", "Media", "PA", "19063", "", "",
                       "", "", "", "Extra", "", "N", "N", "N", ""});
}

// The three in sorted order.
inline QByteArray threeMembers()
{
    return adamsRecord() + bakerRecord() + carterRecord();
}

// A main window on a fresh start directory and a fake desktop, as a test sees it.
class MainWindowTest : public ::testing::Test {
  protected:
    // Writes AddrClub.dat (none at all when roll is empty) and opens the window.
    void open(const std::optional<QByteArray> &roll = threeMembers())
    {
        if (roll)
            files.write(ClubDataFile::kFileName, *roll);
        dataFile = std::make_unique<ClubDataFile>(files.dir());
        window = std::make_unique<MainWindow>(store, *dataFile, desktop.platform());
    }

    void show()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
    }

    template <typename T> T *control(const char *id) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }

    // Moves the focus as the Tab key would, so that enter and leave rules run.
    void focus(QWidget *widget)
    {
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
    }

    void pressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    void click(const char *buttonId)
    {
        QTest::mouseClick(control<QWidget>(buttonId), Qt::LeftButton);
    }

    // Clicks list row (counted from 1), as the operator picks a member.
    void clickRow(int row)
    {
        QListView *list = control<QListView>("List1");
        const QModelIndex index = list->model()->index(row - 1, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(index).center());
    }

    // Types text into the box with the focus moved there first.
    void typeInto(const char *boxId, const QString &text)
    {
        QWidget *box = control<QWidget>(boxId);
        focus(box);
        QTest::keyClicks(box, text);
    }

    QStringList listLines() const
    {
        QListView *list = window->findChild<QListView *>(QStringLiteral("List1"));
        QStringList lines;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            lines << list->model()->index(row, 0).data().toString();
        return lines;
    }

    QByteArray fileBytes() const { return files.read(ClubDataFile::kFileName); }

    TempRoll files;
    FakePlatform desktop;
    MemberStore store;
    std::unique_ptr<ClubDataFile> dataFile;
    std::unique_ptr<MainWindow> window;
};

} // namespace tessaly::testing
