#include "main_window/main_window.h"

#include "main_window/entry_line_edit.h"
#include "main_window/listed_members.h"
#include "main_window/main_window_texts.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace tessaly {

void MainWindow::addOrRecord()
{
    const MemberRecord values = form_.read();
    if (mode_ == EntryMode::Add) {
        if (store_.count() >= kAddLimit || !store_.append(values)) {
            platform_.messages.inform(maximumRecordMessage(), maximumRecordTitle());
            return;
        }
    } else {
        // Record mode is entered only by selecting a listed member, whom the
        // selection follows through every re-sort; anything else is a stale state
        // that must not overwrite a member.
        if (selectedRecord_ < 1 || selectedRecord_ > store_.count())
            return;
        store_.replace(selectedRecord_, values);
    }
    sortSaveAndRelist();
}

void MainWindow::selectListRow(int row)
{
    const int record = listed_->recordAtRow(row);
    if (record < 1 || record > store_.count())
        return;
    selectedRecord_ = record;
    form_.show(store_.record(record));
    quickcopy();
    setEntryMode(EntryMode::Record);
}

void MainWindow::deleteMember()
{
    SaveResult saved{true, {}};
    if (selectedRecord_ > 0 && selectedRecord_ <= store_.count()) {
        const MemberRecord &member = store_.record(selectedRecord_);
        const Answer answer = platform_.messages.ask(
            confirmDeleteMessage(member[Field::FirstName], member[Field::LastName]),
            confirmDeleteTitle());
        if (answer == Answer::Yes) {
            store_.removeMember(selectedRecord_);
            selectedRecord_ = 0;
            saved = dataFile_.save(store_);
            listed_->listAllMembers();
        }
    }
    clear();
    reportSaveFailure(saved);
}

void MainWindow::clear()
{
    emptyEntryArea();
    focusCallBox();
}

void MainWindow::emptyEntryArea()
{
    form_.clear();
    quickCopyBox_->clear();
    setEntryMode(EntryMode::Add);
}

void MainWindow::focusCallBox()
{
    // The box that had the focus is left because a command ended, not by the
    // operator: rebuilding the Quick Copy box now would refill it from the boxes
    // the command has just emptied.
    const QScopedValueRollback<bool> moving(commandMovingFocus_, true);
    callBox_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::sortSaveAndRelist()
{
    const std::vector<int> newNumbers = store_.sortMembers();
    if (selectedRecord_ > 0 && static_cast<std::size_t>(selectedRecord_) < newNumbers.size())
        selectedRecord_ = newNumbers[static_cast<std::size_t>(selectedRecord_)];
    const SaveResult saved = dataFile_.save(store_);
    clear();
    listed_->listAllMembers();
    reportSaveFailure(saved);
}

void MainWindow::reportSaveFailure(const SaveResult &result)
{
    // The change stays in the store and in the list; the next save that succeeds
    // writes it with everything else.
    if (!result.ok)
        platform_.messages.inform(saveFailureMessage(dataFile_.path(), result.error),
                                  saveFailureTitle());
}

void MainWindow::connectCommands()
{
    const auto button = [this](const char *id) {
        return findChild<QPushButton *>(QString::fromLatin1(id));
    };
    connect(button("Command1"), &QPushButton::clicked, this, &MainWindow::addOrRecord);
    connect(button("Command4"), &QPushButton::clicked, this, &MainWindow::clear);
    connect(button("Command2"), &QPushButton::clicked, this, &MainWindow::deleteMember);
    connect(button("Command5"), &QPushButton::clicked, this, &MainWindow::copyQuickCopy);
    connect(button("Command3"), &QPushButton::clicked, this, &MainWindow::listAll);
    connect(button("Command9"), &QPushButton::clicked, this, &MainWindow::listVoting);
    connect(button("Command6"), &QPushButton::clicked, this, &MainWindow::writeAddresses);
    connect(button("Command8"), &QPushButton::clicked, this, &MainWindow::copyList);
    connect(button("Command7"), &QPushButton::clicked, this, &MainWindow::openLabelWindow);

    connect(searchBox_, &QLineEdit::textChanged, this, &MainWindow::search);

    // A line is chosen by a click or by moving the selection with the keys; the
    // Tab key only makes a line current and loads nobody.
    connect(memberList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    selectListRow(selected.indexes().constFirst().row() + 1);
            });
    // Clicking the line that is still selected loads its member again.
    connect(memberList_, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { selectListRow(index.row() + 1); });
}

} // namespace tessaly
