#include "main_window/main_window.h"

#include "forms/control_table.h"
#include "forms/enter_key.h"
#include "forms/focus_watcher.h"
#include "forms/form_look.h"
#include "forms/picture_button.h"
#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_edit.h"
#include "roll/listed_members.h"
#include "roll/roll_session.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace tessaly {

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFont(controlFont());
    setCentralWidget(client);

    ControlBuilder builder(geometry_);
    // Made first, so that everything else stands in front of them.
    builder.build(backdrops(), [client](const ControlRow &) {
        auto *backdrop = new QWidget(client);
        paintOnBackground(backdrop, captionBackground());
        return backdrop;
    });
    builder.build(entryControls(), [&](const EntryControlSpec &design) {
        QLabel *label = makeCaption(client, design.label);
        builder.add(label, design.label);
        return makeEntryControl(client, design, label);
    });
    builder.build(otherCaptions(),
                  [&](const CaptionSpec &caption) { return makeCaption(client, caption); });
    builder.build(otherControls(),
                  [&](const OtherControlSpec &design) { return makeOtherControl(client, design); });
    builder.setTabOrder();
    controls_.tabOrder = builder.tabOrder();
}

QLabel *MainWindow::makeCaption(QWidget *client, const CaptionSpec &design)
{
    auto *label = new QLabel(client);
    label->setTextFormat(Qt::PlainText);
    label->setText(design.caption);
    label->setFont(captionFont());
    label->setAlignment(
        Qt::AlignVCenter |
        (design.alignment == CaptionAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    paintOnBackground(label, captionBackground());
    return label;
}

QWidget *MainWindow::makeEntryControl(QWidget *client, const EntryControlSpec &design,
                                      QLabel *label)
{
    QWidget *control = nullptr;
    if (design.checkBox) {
        auto *box = new QCheckBox(client);
        controls_.checkLabels.emplace_back(box, label);
        controls_.form.attach(design.field, box);
        control = box;
    } else if (design.boxKind == EntryBoxKind::MultiLine) {
        auto *box = new EntryTextEdit(client);
        controls_.form.attach(design.field, box);
        control = box;
    } else {
        auto *box = new EntryLineEdit(design.boxKind, client);
        controls_.form.attach(design.field, box);
        connect(box, &EntryLineEdit::enterPressed, this, &MainWindow::addOrRecord);
        if (design.field == Field::Call)
            controls_.callBox = box;
        control = box;
    }
    control->setAccessibleName(design.label.caption.trimmed());
    label->setBuddy(control);
    focusWatcher_->watch(control);
    return control;
}

QWidget *MainWindow::makeOtherControl(QWidget *client, const OtherControlSpec &design)
{
    switch (design.kind) {
    case OtherControlKind::TallButton:
    case OtherControlKind::Button: {
        QPushButton *button = design.kind == OtherControlKind::TallButton
                                  ? new PictureButton(design.picture, client)
                                  : new QPushButton(client);
        button->setText(design.caption);
        button->setAutoDefault(false);
        pressOnEnter(button);
        controls_.commands[static_cast<std::size_t>(design.command)] = button;
        return button;
    }
    case OtherControlKind::QuickCopyBox: {
        auto *box = new QPlainTextEdit(client);
        box->setFont(quickCopyFont());
        box->setTabChangesFocus(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setAccessibleName(QStringLiteral("Quick Copy"));
        controls_.quickCopy = box;
        return box;
    }
    case OtherControlKind::SearchBox:
        controls_.search = new QLineEdit(client);
        controls_.search->setAccessibleName(QStringLiteral("Search"));
        focusWatcher_->watch(controls_.search);
        return controls_.search;
    case OtherControlKind::MemberList:
        controls_.members = new QListView(client);
        // Owned by the view, so that the list never outlives its model.
        listed_ = new ListedMembers(roll_.store(), controls_.members);
        controls_.members->setModel(listed_);
        controls_.members->setUniformItemSizes(true);
        controls_.members->setEditTriggers(QAbstractItemView::NoEditTriggers);
        controls_.members->setSelectionMode(QAbstractItemView::SingleSelection);
        controls_.members->setFont(memberListFont());
        controls_.members->setAccessibleName(QStringLiteral("Members"));
        return controls_.members;
    case OtherControlKind::ListSummary:
        controls_.listSummary = new QLabel(client);
        controls_.listSummary->setTextFormat(Qt::PlainText);
        controls_.listSummary->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        controls_.listSummary->setAccessibleName(QStringLiteral("Listed"));
        return controls_.listSummary;
    }
    return nullptr;
}

void MainWindow::buildMenus()
{
    const auto keep = [this](QAction *action, const QString &id, Command command) {
        action->setObjectName(id);
        controls_.menuItems[static_cast<std::size_t>(command)] = action;
    };
    for (const MenuSpec &design : menus()) {
        if (design.items.empty()) {
            keep(menuBar()->addAction(design.caption), design.id, design.command);
            continue;
        }
        QMenu *menu = menuBar()->addMenu(design.caption);
        menu->setObjectName(design.id);
        for (const MenuItemSpec &item : design.items) {
            if (item.command == Command::None)
                menu->addSeparator();
            else
                keep(menu->addAction(item.caption), item.id, item.command);
        }
    }
}

} // namespace tessaly
