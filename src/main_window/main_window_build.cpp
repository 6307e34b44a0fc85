#include "main_window/main_window.h"

#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_edit.h"
#include "main_window/listed_members.h"
#include "main_window/main_window_look.h"
#include "main_window/picture_button.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>

namespace tessaly {

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFont(controlFont());
    setCentralWidget(client);

    // Created first, so that everything else stands in front of them.
    for (const BackdropSpec &area : backdrops()) {
        auto *backdrop = new QWidget(client);
        backdrop->setObjectName(area.id);
        paintOnBackground(backdrop, captionBackground());
        geometry_.place(backdrop, area.rect);
    }

    buildEntryControls(client);
    for (const CaptionSpec &caption : otherCaptions())
        buildCaption(client, caption);
    buildOtherControls(client);

    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

QLabel *MainWindow::buildCaption(QWidget *client, const CaptionSpec &design)
{
    auto *label = new QLabel(client);
    label->setObjectName(design.id);
    label->setTextFormat(Qt::PlainText);
    label->setText(design.caption);
    label->setFont(captionFont());
    label->setAlignment(
        Qt::AlignVCenter |
        (design.alignment == CaptionAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setToolTip(design.toolTip);
    paintOnBackground(label, captionBackground());
    geometry_.place(label, design.rect);
    return label;
}

void MainWindow::buildEntryControls(QWidget *client)
{
    for (const EntryControlSpec &design : entryControls()) {
        QLabel *label = buildCaption(client, design.label);
        QWidget *control = nullptr;
        if (design.checkBox) {
            auto *box = new QCheckBox(client);
            box->installEventFilter(this);
            checkLabels_[box] = label;
            form_.attach(design.field, box);
            control = box;
        } else if (design.boxKind == EntryBoxKind::MultiLine) {
            auto *box = new EntryTextEdit(client);
            form_.attach(design.field, box);
            if (isAddressField(design.field))
                connect(box, &EntryTextEdit::left, this, &MainWindow::leaveAddressBox);
            control = box;
        } else {
            auto *box = new EntryLineEdit(design.boxKind, client);
            form_.attach(design.field, box);
            connect(box, &EntryLineEdit::enterPressed, this, &MainWindow::addOrRecord);
            if (isAddressField(design.field))
                connect(box, &EntryLineEdit::left, this, &MainWindow::leaveAddressBox);
            if (design.boxKind == EntryBoxKind::Date) {
                connect(box, &EntryLineEdit::entered, this, [this, box] { proposeDate(box); });
                connect(box, &EntryLineEdit::left, this, [this, box] { checkDateOnLeave(box); });
            }
            if (design.field == Field::Call)
                callBox_ = box;
            control = box;
        }
        control->setObjectName(design.id);
        control->setToolTip(design.toolTip);
        control->setAccessibleName(design.label.caption.trimmed());
        label->setBuddy(control);
        geometry_.place(control, design.rect);
        tabOrder_.push_back(control);
    }
}

void MainWindow::buildOtherControls(QWidget *client)
{
    for (const OtherControlSpec &design : otherControls()) {
        QWidget *control = nullptr;
        switch (design.kind) {
        case OtherControlKind::TallButton:
        case OtherControlKind::Button: {
            QPushButton *button = design.kind == OtherControlKind::TallButton
                                      ? new PictureButton(design.picture, client)
                                      : new QPushButton(client);
            button->setText(design.caption);
            button->setAutoDefault(false);
            control = button;
            break;
        }
        case OtherControlKind::QuickCopyBox: {
            auto *box = new QPlainTextEdit(client);
            box->setFont(quickCopyFont());
            box->setTabChangesFocus(true);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setAccessibleName(QStringLiteral("Quick Copy"));
            quickCopyBox_ = box;
            control = box;
            break;
        }
        case OtherControlKind::SearchBox:
            searchBox_ = new QLineEdit(client);
            searchBox_->setAccessibleName(QStringLiteral("Search"));
            searchBox_->installEventFilter(this);
            control = searchBox_;
            break;
        case OtherControlKind::MemberList:
            memberList_ = new QListView(client);
            memberList_->setModel(listed_);
            memberList_->setUniformItemSizes(true);
            memberList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
            memberList_->setSelectionMode(QAbstractItemView::SingleSelection);
            memberList_->setFont(memberListFont());
            memberList_->setAccessibleName(QStringLiteral("Members"));
            control = memberList_;
            break;
        }
        control->setObjectName(design.id);
        control->setToolTip(design.toolTip);
        geometry_.place(control, design.rect);
        tabOrder_.push_back(control);
    }
    addButton_ = findChild<QPushButton *>(QStringLiteral("Command1"));
    connectCommands();
}

} // namespace tessaly
