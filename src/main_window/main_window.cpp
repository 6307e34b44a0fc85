#include "main_window/main_window.h"

#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_edit.h"
#include "main_window/listed_members.h"
#include "main_window/main_window_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace tessaly {

MainWindow::MainWindow(MemberStore &store, ClubDataFile &dataFile, Platform &platform,
                       QWidget *parent)
    : QMainWindow(parent), store_(store), dataFile_(dataFile), platform_(platform),
      listed_(new ListedMembers(store, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(mainWindowTitle());
    buildControls();
    buildMenus();

    fitToWorkArea();
    loadRoll();

    setEntryMode(EntryMode::Add);
    form_.clear();
    callBox_->setFocus();
}

MainWindow::~MainWindow()
{
    // The controls outlive this object by a moment while QWidget tears them down;
    // nothing they signal then may reach the half-destroyed window.
    for (QWidget *control : tabOrder_) {
        control->removeEventFilter(this);
        disconnect(control, nullptr, this, nullptr);
    }
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Every change is already on disk: there is nothing to ask or save.
    connect(exit, &QAction::triggered, this, [] { QCoreApplication::quit(); });

    QAction *queries = menuBar()->addAction(QStringLiteral("&Queries"));
    queries->setObjectName(QStringLiteral("mnuFunctions"));
    connect(queries, &QAction::triggered, this, &MainWindow::openReportWindow);

    QAction *help = menuBar()->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, &MainWindow::openHelpWindow);
}

void MainWindow::fitToWorkArea()
{
    const QRect area = platform_.desktop.workArea();
    resize(area.size());
    move(area.topLeft());
    // Lays out menu bar and client area now, so that the fit uses the client
    // area's true size rather than a guess at the menu bar's height.
    if (layout() != nullptr)
        layout()->activate();
    fitClient(centralWidget()->size());
}

void MainWindow::fitClient(const QSize &client)
{
    geometry_.fitTo(centralWidget(), client);
    fittedClient_ = client;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // A window manager may have taken room for its frame and panels: fit once more,
    // from the design, to the client area the window really got. Later resizes by
    // the operator leave the controls where they are.
    if (centralWidget()->size() != fittedClient_)
        fitClient(centralWidget()->size());
}

void MainWindow::loadRoll()
{
    listed_->emptyList();
    const LoadResult result =
        dataFile_.load(store_, [this](int record) { listed_->addListedMember(record); });
    if (!result.opened) {
        platform_.messages.beep();
        platform_.messages.inform(loadFailureMessage(), loadFailureTitle());
        return;
    }
    if (result.surplus > 0)
        platform_.messages.inform(surplusMessage(dataFile_.path(), result.surplus), surplusTitle());
}

void MainWindow::openReportWindow()
{
    platform_.messages.inform(unavailableWindowMessage(QStringLiteral("Database Functions")),
                              unavailableWindowTitle());
}

void MainWindow::openHelpWindow()
{
    platform_.messages.inform(unavailableWindowMessage(QStringLiteral("Help")),
                              unavailableWindowTitle());
}

void MainWindow::openLabelWindow()
{
    platform_.messages.inform(unavailableWindowMessage(QStringLiteral("Label Format")),
                              unavailableWindowTitle());
    callBox_->setFocus();
}

} // namespace tessaly
