#include "main_window/main_window.h"

#include "exports_window/export_commands.h"

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
#include <QCoreApplication>
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

    for (std::size_t i = 1; i < controls_.tabOrder.size(); ++i)
        QWidget::setTabOrder(controls_.tabOrder[i - 1], controls_.tabOrder[i]);
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
        control->setObjectName(design.id);
        control->setToolTip(design.toolTip);
        control->setAccessibleName(design.label.caption.trimmed());
        label->setBuddy(control);
        geometry_.place(control, design.rect);
        focusWatcher_->watch(control);
        controls_.tabOrder.push_back(control);
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
            pressOnEnter(button);
            controls_.commands[static_cast<std::size_t>(design.command)] = button;
            control = button;
            break;
        }
        case OtherControlKind::QuickCopyBox: {
            auto *box = new QPlainTextEdit(client);
            box->setFont(quickCopyFont());
            box->setTabChangesFocus(true);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setAccessibleName(QStringLiteral("Quick Copy"));
            controls_.quickCopy = box;
            control = box;
            break;
        }
        case OtherControlKind::SearchBox:
            controls_.search = new QLineEdit(client);
            controls_.search->setAccessibleName(QStringLiteral("Search"));
            focusWatcher_->watch(controls_.search);
            control = controls_.search;
            break;
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
            control = controls_.members;
            break;
        }
        control->setObjectName(design.id);
        control->setToolTip(design.toolTip);
        geometry_.place(control, design.rect);
        controls_.tabOrder.push_back(control);
    }
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *import = file->addAction(QStringLiteral("&Import Members..."));
    import->setObjectName(QStringLiteral("mnuImport"));
    connect(import, &QAction::triggered, this, &MainWindow::importMembers);
    QAction *licences = file->addAction(QStringLiteral("Update &Licenses from FCC File..."));
    licences->setObjectName(QStringLiteral("mnuLicences"));
    connect(licences, &QAction::triggered, this, &MainWindow::updateLicences);
    // The listed members taken elsewhere, like every export of this window.
    const std::pair<const char *, QString> exports[] = {
        {"mnuExport", QStringLiteral("Ex&port Listed Members...")},
        {"mnuEmail", QStringLiteral("Copy E-&mail Addresses")},
        {"mnuDirectory", QStringLiteral("Print Member &Directory...")},
    };
    for (const auto &[name, caption] : exports) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, id = QByteArray(name)] {
            const std::vector<int> records = listed_->rowRecords();
            if (id == "mnuExport")
                exportListedMembers(roll_, records, platform_);
            else if (id == "mnuEmail")
                copyEmailAddresses(roll_, records, platform_);
            else
                printMemberDirectory(roll_, records, platform_, this);
            focusWatcher_->giveFocus(controls_.callBox);
        });
    }
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Closing the window asks first only when a change could not be saved, and
    // closing the last window ends the program.
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QAction *queries = menuBar()->addAction(QStringLiteral("&Queries"));
    queries->setObjectName(QStringLiteral("mnuFunctions"));
    connect(queries, &QAction::triggered, this, &MainWindow::openReportWindow);

    QAction *help = menuBar()->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, &MainWindow::openHelpWindow);
}

} // namespace tessaly
