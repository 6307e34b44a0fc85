#include "qt_platform/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

TEST(QtPlatform, ClipboardTakesTextAndIsEmptiedByClear)
{
    QtPlatform qt;
    ASSERT_TRUE(qt.platform().clipboard.setText(u"ARS - K3ABC\r\nJohn Adams"_s));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"ARS - K3ABC\r\nJohn Adams"_s);
    ASSERT_TRUE(qt.platform().clipboard.clear());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

namespace {

// Puts a three-way question through the real QMessageBox and answers it with act once it
// is up; gives what the box showed (title, text, buttons, "default" and the default's
// caption) and the index it returned.
std::pair<QStringList, int> chooseWith(const std::function<void(QMessageBox &)> &act)
{
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box came up";
        seen << box->windowTitle() << box->text();
        for (QAbstractButton *button : box->buttons())
            seen << button->text();
        if (box->defaultButton() != nullptr)
            seen << u"default"_s << box->defaultButton()->text();
        act(*box);
    });
    QtMessageBoxes boxes;
    const int chosen = boxes.choose(u"Your changes are only in memory."_s, u"Unsaved Changes"_s,
                                    {u"Save Again"_s, u"Quit Without Saving"_s, u"Cancel"_s}, 2);
    return {seen, chosen};
}

} // namespace

// The default button is the one that changes nothing, and Escape and closing the box answer
// with it as well.
TEST(QtPlatform, ChooseShowsEveryButtonAndGivesTheIndexOfTheOnePressed)
{
    auto [seen, escaped] =
        chooseWith([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    ASSERT_GE(seen.size(), 5);
    std::sort(seen.begin() + 2, seen.begin() + 5); // the platform orders the buttons
    EXPECT_EQ(seen, (QStringList{u"Unsaved Changes"_s, u"Your changes are only in memory."_s,
                                 u"Cancel"_s, u"Quit Without Saving"_s, u"Save Again"_s,
                                 u"default"_s, u"Cancel"_s}));
    EXPECT_EQ(escaped, 2);
    const auto pressing = [](const QString &caption) {
        return [caption](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons()) {
                if (button->text() == caption)
                    button->click();
            }
        };
    };
    EXPECT_EQ(chooseWith(pressing(u"Save Again"_s)).second, 0);
    EXPECT_EQ(chooseWith(pressing(u"Quit Without Saving"_s)).second, 1);
    EXPECT_EQ(chooseWith([](QMessageBox &box) { box.close(); }).second, 2);
}

} // namespace tessaly
