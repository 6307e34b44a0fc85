#include "qt_platform/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

struct SeenBox {
    QString title, text;
    QStringList buttons;
    QString defaultButton;
};

// Puts a three-way question through the real QMessageBox and answers it with act once it
// is up; gives what the box showed and the index it returned.
std::pair<SeenBox, int> chooseWith(const std::function<void(QMessageBox &)> &act)
{
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (shown == nullptr) {
            ADD_FAILURE() << "no message box came up";
            return;
        }
        QMessageBox &box = *shown;
        seen.title = box.windowTitle();
        seen.text = box.text();
        for (QAbstractButton *button : box.buttons())
            seen.buttons << button->text();
        if (box.defaultButton() != nullptr)
            seen.defaultButton = box.defaultButton()->text();
        act(box);
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
    const auto [seen, escaped] =
        chooseWith([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(seen.title, u"Unsaved Changes"_s);
    EXPECT_EQ(seen.text, u"Your changes are only in memory."_s);
    EXPECT_EQ(seen.buttons.size(), 3);
    for (const QString &caption : {u"Save Again"_s, u"Quit Without Saving"_s, u"Cancel"_s})
        EXPECT_TRUE(seen.buttons.contains(caption)) << caption.toStdString();
    EXPECT_EQ(seen.defaultButton, u"Cancel"_s);
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
