#include "main_window/main_window.h"

#include "core/duplicate_rule.h"
#include "core/member_table.h"
#include "entry_rules/date_box_rules.h"
#include "entry_rules/entry_text_filter.h"
#include "export_commands/export_commands.h"
#include "forms/document_text.h"
#include "forms/focus_watcher.h"
#include "forms/form_look.h"
#include "forms/work_area_fit.h"
#include "help/help_window.h"
#include "import_window/import_dialog.h"
#include "label_window/label_window.h"
#include "license_window/license_commands.h"
#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_edit.h"
#include "main_window/main_window_texts.h"
#include "report_window/report_window.h"
#include "roll/address_texts.h"
#include "roll/listed_members.h"
#include "roll/member_list_line.h"
#include "roll/member_search.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

MainWindow::MainWindow(RollSession &roll, const LoadResult &loaded, Platform &platform,
                       QWidget *parent)
    : QMainWindow(parent), roll_(roll), platform_(platform),
      geometry_(kDesignClientWidth, kDesignClientHeight),
      focusWatcher_(std::make_unique<FocusWatcher>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(mainWindowTitle());
    buildControls();
    buildMenus();
    connectControls();

    workAreaFit_ = new WorkAreaFit(this, centralWidget(), geometry_, platform_.desktop);
    workAreaFit_->fit();
    listed_->listAllMembers();
    tellLoad(loaded);

    emptyEntryArea();
    controls_.callBox->setFocus();
}

MainWindow::~MainWindow() = default;

int MainWindow::selectedRecord() const
{
    return roll_.selectedRecord();
}

void MainWindow::connectControls()
{
    using Handler = void (MainWindow::*)();
    static constexpr std::pair<Command, Handler> handlers[] = {
        {Command::Undo, &MainWindow::undo},
        {Command::AddRecord, &MainWindow::addOrRecord},
        {Command::Clear, &MainWindow::clear},
        {Command::Delete, &MainWindow::deleteMember},
        {Command::CopyQuickCopy, &MainWindow::copyQuickCopy},
        {Command::ListAll, &MainWindow::listAll},
        {Command::ListVoting, &MainWindow::listVoting},
        {Command::WriteAddressFile, &MainWindow::writeAddresses},
        {Command::CopyList, &MainWindow::copyList},
        {Command::PrintList, &MainWindow::openLabelWindow},
        {Command::ImportMembers, &MainWindow::importMembers},
        {Command::UpdateLicenses, &MainWindow::updateLicenses},
        {Command::ExportListed, &MainWindow::exportListed},
        {Command::CopyEmails, &MainWindow::copyEmails},
        {Command::PrintDirectory, &MainWindow::printDirectory},
        {Command::Exit, &MainWindow::exitProgram},
        {Command::Queries, &MainWindow::openReportWindow},
        {Command::Help, &MainWindow::openHelpWindow},
    };
    for (const auto &[command, handler] : handlers) {
        const auto slot = static_cast<std::size_t>(command);
        if (QPushButton *button = controls_.commands[slot])
            connect(button, &QPushButton::clicked, this, handler);
        if (QAction *item = controls_.menuItems[slot])
            connect(item, &QAction::triggered, this, handler);
    }

    connect(controls_.search, &QLineEdit::textChanged, this, &MainWindow::search);
    // Whichever command fills the list, the line under it says what it holds.
    connect(listed_, &QAbstractItemModel::modelReset, controls_.listSummary,
            [this] { controls_.listSummary->setText(listed_->summary()); });

    // A line is chosen by a click or by moving the selection with the keys; the
    // Tab key only makes a line current and loads nobody.
    connect(controls_.members->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!showingSelection_ && !selected.indexes().isEmpty())
                    selectListRow(selected.indexes().constFirst().row() + 1);
            });
    // Clicking the line that is still selected loads its member again.
    connect(controls_.members, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { selectListRow(index.row() + 1); });

    // Every change to the roll lists all members again in their new order, and the search
    // box no longer says what the list shows; a dues reset keeps every member's number, so
    // the listing stays as it is.
    connect(&roll_, &RollSession::changed, listed_, [this](RollSession::Change change) {
        if (change == RollSession::Change::Members) {
            listed_->listAllMembers();
            emptySearchBox();
        }
    });
    connect(&roll_, &RollSession::changed, this, &MainWindow::showUndo);
    showUndo();

    // Whatever the operator does to a box counts as typing; what the program puts there
    // does not.
    const auto typed = [this] { typed_ = true; };
    for (QWidget *control : controls_.tabOrder) {
        if (!controls_.form.fieldOf(control))
            continue;
        if (auto *line = qobject_cast<EntryLineEdit *>(control))
            connect(line, &EntryLineEdit::edited, this, typed);
        else if (auto *text = qobject_cast<EntryTextEdit *>(control))
            connect(text, &EntryTextEdit::edited, this, typed);
        else if (auto *check = qobject_cast<QCheckBox *>(control))
            connect(check, &QCheckBox::clicked, this, typed);
    }

    connect(focusWatcher_.get(), &FocusWatcher::entered, this, &MainWindow::controlEntered);
    connect(focusWatcher_.get(), &FocusWatcher::left, this, &MainWindow::controlLeft);

    // Every window saves through the roll, and this window is open as long as the
    // program runs: the roll's notices are told here, whichever window made the
    // change. (The question before overwriting a file another program changed must be
    // answered within the save, so it was given to the session when it was made.)
    connect(&roll_, &RollSession::backupFailed, this,
            [this](const QString &file, const QString &reason, bool rollSaved) {
                platform_.messages.inform(backupFailureMessage(file, reason, rollSaved),
                                          backupFailureTitle());
            });
    connect(&roll_, &RollSession::changeRefused, this,
            [this](const QString &directory, const QString &reason) {
                platform_.messages.inform(readOnlyRollMessage(directory, reason),
                                          readOnlyRollTitle());
            });
}

bool MainWindow::mayQuit()
{
    // Every change is on disk unless a save failed; only then is there anything
    // to lose by quitting.
    if (!roll_.hasUnsavedChanges())
        return true;
    const Outcome failure = roll_.lastSaveFailure();
    const int choice = platform_.messages.choose(
        unsavedChangesMessage(failure.file, failure.reason), unsavedChangesTitle(),
        unsavedChangesButtons(), static_cast<int>(UnsavedChoice::Cancel),
        static_cast<int>(UnsavedChoice::Cancel));
    if (choice == static_cast<int>(UnsavedChoice::QuitWithoutSaving))
        return true;
    if (choice != static_cast<int>(UnsavedChoice::SaveAgain))
        return false;
    const Outcome saved = roll_.saveAgain();
    reportFailure(saved);
    return saved.ok();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (settleTyping() && mayQuit())
        event->accept();
    else
        event->ignore();
}

void MainWindow::tellLoad(const LoadResult &result)
{
    if (!result.outcome.ok()) {
        platform_.messages.beep();
        platform_.messages.inform(loadFailureMessage() + u"\n\n"_s +
                                      loadFailureReason(result.outcome.file, result.outcome.reason),
                                  loadFailureTitle());
        return;
    }
    if (result.surplus > 0)
        platform_.messages.inform(surplusMessage(roll_.dataFilePath(), result.surplus),
                                  surplusTitle());
    if (result.damaged == 0 && !result.utf8)
        return;
    // Told over the window with its list, so that the operator sees what was read.
    QTimer::singleShot(0, this, [this, result] {
        if (result.damaged > 0)
            platform_.messages.inform(
                damagedRollMessage(roll_.dataFilePath(), result.damaged, result.firstDamagedLine),
                damagedRollTitle());
        if (result.utf8)
            platform_.messages.inform(utf8RollMessage(roll_.dataFilePath(), result.unencodable),
                                      utf8RollTitle());
    });
}

void MainWindow::addOrRecord()
{
    if (storeEntry() != Stored::Refused)
        focusCallBox();
}

MainWindow::Stored MainWindow::storeEntry()
{
    // Enter stores the boxes as they stand, so a date is held to the rule it would meet
    // on leaving its box: an impossible date would silently keep a member out of every
    // expiration query.
    for (EntryLineEdit *box : dateBoxes()) {
        if (!settleDateBox(box))
            return Stored::Refused;
    }
    const MemberRecord values = controls_.form.read();
    Outcome outcome;
    if (mode_ == EntryMode::Add) {
        if (!confirmAdd(values))
            return Stored::Refused;
        outcome = roll_.add(values);
        if (outcome.status == Outcome::Status::Refused) {
            // A roll only to be read has told why itself; the boxes keep what was typed.
            if (roll_.writable())
                platform_.messages.inform(maximumRecordMessage(), maximumRecordTitle());
            return Stored::Refused;
        }
    } else {
        // Record mode is entered only by selecting a listed member, whom the roll
        // follows through every re-sort; anything else is a stale state that must
        // not overwrite a member.
        outcome = roll_.update(roll_.selectedRecord(), values);
        if (outcome.status == Outcome::Status::Refused)
            return Stored::Refused;
    }
    emptyEntryArea();
    reportFailure(outcome);
    return outcome.failed() ? Stored::Failed : Stored::Done;
}

bool MainWindow::confirmAdd(const MemberRecord &values)
{
    // An add the roll refuses anyway is told why by the add itself.
    if (roll_.count() >= RollSession::kAddLimit || !roll_.writable())
        return true;
    MemberRecord blank;
    for (const Field flag : {Field::ArrlMember, Field::VotingMember, Field::DuesPaid})
        blank[flag] = QStringLiteral("N");
    if (values == blank)
        return platform_.messages.ask(blankMemberMessage(), addAnywayTitle()) == Answer::Yes;
    const int twin = findDuplicate(roll_.store(), values);
    if (twin == 0)
        return true;
    return platform_.messages.ask(duplicateMemberMessage(memberListLine(roll_.member(twin))),
                                  addAnywayTitle()) == Answer::Yes;
}

std::vector<EntryLineEdit *> MainWindow::dateBoxes() const
{
    std::vector<EntryLineEdit *> boxes;
    for (QWidget *control : controls_.tabOrder) {
        auto *box = qobject_cast<EntryLineEdit *>(control);
        if (box != nullptr && box->kind() == EntryBoxKind::Date)
            boxes.push_back(box);
    }
    return boxes;
}

void MainWindow::markEntryBaseline()
{
    entryBaseline_ = controls_.form.read();
    typed_ = false;
    proposedDates_.clear();
}

bool MainWindow::holdsTyping() const
{
    // A roll only to be read takes no typing, so there is nothing to offer to store.
    if (!typed_ || !roll_.writable())
        return false;
    MemberRecord now = controls_.form.read();
    // A date the program proposed and the operator let stand was never typed.
    for (const auto &[box, proposal] : proposedDates_) {
        const std::optional<Field> field = controls_.form.fieldOf(box);
        if (field && box->text() == proposal)
            now[*field] = entryBaseline_[*field];
    }
    return now != entryBaseline_;
}

bool MainWindow::settleTyping()
{
    if (!holdsTyping())
        return true;
    const int selected = roll_.selectedRecord();
    const bool newMember = mode_ == EntryMode::Add || !roll_.holds(selected);
    const QString name = newMember ? QString()
                                   : roll_.member(selected)[Field::FirstName] + u' ' +
                                         roll_.member(selected)[Field::LastName];
    const int choice = platform_.messages.choose(
        saveChangesMessage(newMember, name.trimmed()), saveChangesTitle(), saveChangesButtons(),
        static_cast<int>(SaveChangesChoice::Yes), static_cast<int>(SaveChangesChoice::Cancel));
    switch (static_cast<SaveChangesChoice>(choice)) {
    case SaveChangesChoice::No:
        return true;
    case SaveChangesChoice::Cancel:
        backToTyping();
        return false;
    case SaveChangesChoice::Yes:
        break;
    }
    // A refused store has put the focus where the operator must look.
    const Stored stored = storeEntry();
    if (stored == Stored::Failed)
        focusCallBox();
    return stored == Stored::Done;
}

void MainWindow::backToTyping()
{
    focusWatcher_->giveFocus(lastEntryControl_ ? lastEntryControl_.data() : controls_.callBox);
}

void MainWindow::selectListRow(int row)
{
    const int record = listed_->recordAtRow(row);
    if (!roll_.holds(record))
        return;
    if (!holdsTyping()) {
        loadMember(record);
        return;
    }
    // Asked once the list has done with the click or the key that chose the line: storing
    // the typing lists every member again, which must not happen under the list's feet.
    // The release of the same click chooses the line once more and is not asked again.
    if (listChoicePending_)
        return;
    listChoicePending_ = true;
    QTimer::singleShot(0, this, [this, record, chosen = roll_.member(record)] {
        listChoicePending_ = false;
        chooseListedAfterTyping(record, chosen);
    });
}

void MainWindow::chooseListedAfterTyping(int record, const MemberRecord &chosen)
{
    if (!roll_.holds(record))
        return;
    const bool chosenIsEdited = mode_ == EntryMode::Record && record == roll_.selectedRecord();
    if (!settleTyping()) {
        showListSelection(mode_ == EntryMode::Record ? roll_.selectedRecord() : 0);
        return;
    }
    // Storing the typing re-sorted the roll: the chosen member is found again, the one edited
    // by following it, any other by what it holds.
    int found = chosenIsEdited ? roll_.selectedRecord() : 0;
    if (found == 0 && roll_.holds(record) && roll_.member(record) == chosen)
        found = record;
    for (int n = 1; found == 0 && n <= roll_.count(); ++n) {
        if (roll_.member(n) == chosen)
            found = n;
    }
    if (!roll_.holds(found))
        return;
    showListSelection(found);
    loadMember(found);
}

void MainWindow::loadMember(int record)
{
    roll_.select(record);
    controls_.form.show(roll_.member(record));
    quickcopy();
    setEntryMode(EntryMode::Record);
    markEntryBaseline();
}

void MainWindow::showListSelection(int record)
{
    const QScopedValueRollback<bool> showing(showingSelection_, true);
    QItemSelectionModel *selection = controls_.members->selectionModel();
    const std::vector<int> &rows = listed_->rowRecords();
    const auto at = std::find(rows.begin(), rows.end(), record);
    if (record == 0 || at == rows.end()) {
        selection->clear();
        return;
    }
    const QModelIndex index = listed_->index(static_cast<int>(at - rows.begin()), 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    controls_.members->scrollTo(index);
}

void MainWindow::deleteMember()
{
    Outcome outcome;
    const int record = roll_.selectedRecord();
    if (roll_.holds(record)) {
        if (!roll_.mayChange())
            return;
        const MemberRecord &member = roll_.member(record);
        const Answer answer = platform_.messages.ask(
            confirmDeleteMessage(member[Field::FirstName], member[Field::LastName]),
            confirmDeleteTitle());
        if (answer == Answer::Yes)
            outcome = roll_.remove(record);
    }
    clear();
    reportFailure(outcome);
}

void MainWindow::clear()
{
    emptyEntryArea();
    focusCallBox();
}

void MainWindow::emptyEntryArea()
{
    controls_.form.clear();
    controls_.quickCopy->clear();
    setEntryMode(EntryMode::Add);
    markEntryBaseline();
}

void MainWindow::focusCallBox()
{
    // The box that had the focus is left because a command ended, not by the
    // operator: rebuilding the Quick Copy box now would refill it from the boxes
    // the command has just emptied.
    const QScopedValueRollback<bool> moving(commandMovingFocus_, true);
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::setEntryMode(EntryMode mode)
{
    mode_ = mode;
    controls_.commands[static_cast<std::size_t>(Command::AddRecord)]->setText(
        mode == EntryMode::Add ? QStringLiteral("&Add") : QStringLiteral("&Record"));
}

void MainWindow::reportFailure(const Outcome &outcome)
{
    // The change stays in the roll and in the list; the next save that succeeds
    // writes it with everything else.
    if (outcome.failed())
        platform_.messages.inform(saveFailureMessage(outcome.file, outcome.reason),
                                  saveFailureTitle());
}

void MainWindow::quickcopy()
{
    setWrappedText(controls_.quickCopy,
                   boxTextFromStored(quickCopyText(controls_.form.addressBoxes())));
}

void MainWindow::listAll()
{
    if (!settleTyping())
        return;
    listed_->listAllMembers();
    emptySearchBox();
    clear();
}

void MainWindow::listVoting()
{
    if (!settleTyping())
        return;
    listed_->listRecords(votingMembers(roll_.store()), {Listing::Kind::Voting, {}});
    emptySearchBox();
    clear();
}

void MainWindow::emptySearchBox()
{
    // The list has just been filled by a command; the search would fill it again.
    const QSignalBlocker quiet(controls_.search);
    controls_.search->clear();
}

void MainWindow::search(const QString &text)
{
    listed_->listRecords(searchMembers(roll_.store(), text), {Listing::Kind::Found, {}});
}

void MainWindow::copyQuickCopy()
{
    const bool copied = platform_.clipboard.replaceText(
        storedTextFromBox(documentText(controls_.quickCopy->document())));
    focusCallBox();
    if (!copied)
        platform_.messages.inform(clipboardFailureMessage(), clipboardFailureTitle());
}

void MainWindow::copyList()
{
    const bool copied =
        platform_.clipboard.replaceText(memberTableText(roll_.store(), listed_->rowRecords()));
    focusCallBox();
    if (!copied)
        platform_.messages.inform(clipboardFailureMessage(), clipboardFailureTitle());
}

// The listed members taken elsewhere, like every export of this window.
void MainWindow::exportListed()
{
    const std::vector<int> records = listed_->rowRecords();
    exportListedMembers(roll_, records, platform_);
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::copyEmails()
{
    const std::vector<int> records = listed_->rowRecords();
    copyEmailAddresses(roll_, records, platform_);
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::printDirectory()
{
    const std::vector<int> records = listed_->rowRecords();
    printMemberDirectory(roll_, records, platform_, this);
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::exitProgram()
{
    // Closing the window asks first only when a change could not be saved, and closing
    // the last window ends the program.
    close();
}

void MainWindow::writeAddresses()
{
    const Outcome outcome = roll_.writeAddresses(listed_->rowRecords());
    focusCallBox();
    if (!outcome.ok())
        platform_.messages.inform(addressFileFailureMessage(outcome.file, outcome.reason),
                                  addressFileFailureTitle());
}

void MainWindow::controlEntered(QWidget *control, Qt::FocusReason reason)
{
    // Entering the search box starts every search from an empty form in Add mode;
    // the focus stays in the search box.
    if (control == controls_.search) {
        if (!settleTyping())
            return;
        emptyEntryArea();
        // Storing the typing ended with the focus in the Call box.
        if (!controls_.search->hasFocus())
            focusWatcher_->giveFocus(controls_.search);
        return;
    }
    highlightCheckLabel(control, true);
    // A new member is entered box by box and sees each proposal; an empty date of a member
    // on the roll means the date is not known, and today would be a wrong date.
    auto *box = qobject_cast<EntryLineEdit *>(control);
    if (mode_ == EntryMode::Add && box != nullptr && box->kind() == EntryBoxKind::Date &&
        box->text().isEmpty()) {
        const QString proposal = proposedDateText(platform_.clock.today());
        box->setText(proposal);
        proposedDates_.emplace_back(box, proposal);
        box->selectAllOnEntry(reason == Qt::MouseFocusReason);
    }
}

void MainWindow::controlLeft(QWidget *control)
{
    if (controls_.form.fieldOf(control))
        lastEntryControl_ = control;
    highlightCheckLabel(control, false);
    if (controls_.form.isAddressBox(control) && !commandMovingFocus_)
        quickcopy();
    auto *box = qobject_cast<EntryLineEdit *>(control);
    if (box != nullptr && box->kind() == EntryBoxKind::Date)
        checkDateOnLeave(box);
}

void MainWindow::checkDateOnLeave(EntryLineEdit *box)
{
    // The message box takes the focus, and giving it back moves it again: neither
    // is the operator leaving a box.
    if (!dateMessageUp_)
        settleDateBox(box);
}

bool MainWindow::settleDateBox(EntryLineEdit *box)
{
    // A date too long to show is kept as it stands: the box cannot be edited, so
    // no message could be answered by correcting it.
    if (controls_.form.showsPart(box))
        return true;
    const DateBoxLeave outcome = leaveDateBox(box->text(), platform_.clock.today());
    if (box->text() != outcome.text)
        box->setText(outcome.text);
    if (outcome.valid)
        return true;
    const QScopedValueRollback<bool> up(dateMessageUp_, true);
    platform_.messages.beep();
    platform_.messages.inform(invalidDateMessage(), invalidDateTitle());
    focusWatcher_->giveFocus(box);
    return false;
}

void MainWindow::highlightCheckLabel(QWidget *control, bool focused)
{
    for (const auto &[check, label] : controls_.checkLabels) {
        if (check == control)
            paintOnBackground(label, focused ? focusedCaptionBackground() : captionBackground());
    }
}

void MainWindow::openReportWindow()
{
    // Built afresh at every opening and gone when closed: it keeps nothing.
    ReportWindow report(roll_, platform_, this);
    if (report.exec() != QDialog::Accepted)
        return;
    // "Use This List": the report's lines, in the order shown, become the list that the
    // labels and exports take.
    listed_->listRecords(report.listedRecords(), report.listing());
    emptySearchBox();
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::openHelpWindow()
{
    HelpWindow help(roll_.startDirectory(), platform_, this);
    help.exec();
}

void MainWindow::importMembers()
{
    // The roll announces the members it takes in, and the list then shows them all in
    // their places; the entry area keeps whatever the operator has in it.
    if (roll_.mayChange())
        importMembersFromSheet(roll_, platform_, this);
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::updateLicenses()
{
    // The member being edited may be one the update changes: the entry area then shows
    // the new values, so that Record cannot put the old ones back. An entry area in Add
    // mode holds no member of the roll, and is left as it is.
    const bool editing = mode_ == EntryMode::Record && roll_.holds(roll_.selectedRecord());
    bool editedChanged = false;
    const QMetaObject::Connection watch = connect(
        &roll_, &RollSession::changed, this,
        [this, &editedChanged](RollSession::Change, const RollSession::ChangedMembers &members) {
            editedChanged = editedChanged || members.includes(roll_.selectedRecord());
        });
    const bool updated = roll_.mayChange() && updateLicensesFromFccFile(roll_, platform_, this);
    disconnect(watch);
    if (updated && editing && editedChanged && roll_.holds(roll_.selectedRecord()))
        loadMember(roll_.selectedRecord());
    focusWatcher_->giveFocus(controls_.callBox);
}

void MainWindow::undo()
{
    // Typing stored first is itself the newest change, which the item now names: the
    // operator undoes it, or the change before it, knowingly.
    bool stored = false;
    const QMetaObject::Connection watch =
        connect(&roll_, &RollSession::changed, this, [&stored] { stored = true; });
    const bool settled = settleTyping();
    disconnect(watch);
    if (!settled || stored)
        return;
    const Outcome outcome = roll_.undo();
    if (outcome.status == Outcome::Status::Refused)
        return;
    clear();
    reportFailure(outcome);
}

void MainWindow::showUndo()
{
    QAction *item = controls_.menuItems[static_cast<std::size_t>(Command::Undo)];
    item->setText(undoCaption(roll_.nextUndo()));
    item->setEnabled(roll_.undoDepth() > 0);
}

void MainWindow::openLabelWindow()
{
    // The labels are for exactly the members the list shows now, in its order.
    LabelWindow labels(roll_, listed_->rowRecords(), platform_, this);
    labels.exec();
    focusWatcher_->giveFocus(controls_.callBox);
}

} // namespace tessaly
