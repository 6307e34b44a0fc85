#pragma once

#include "forms/design_geometry.h"
#include "main_window/entry_form.h"
#include "main_window/main_window_controls.h"
#include "main_window/main_window_texts.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QListView;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tessaly {

class EntryLineEdit;
class FocusWatcher;
class ListedMembers;
class RollSession;
class WorkAreaFit;
struct LoadResult;
struct Outcome;

enum class EntryMode { Add, Record };

// The window the operator works in: the entry area for one member, the member
// list, search and listing, and the address exports. It is built over a roll
// already loaded: it fits itself to the desktop's work area, lists every member,
// and tells the operator what the load found (see tellLoad).
// The window only wires its controls to the roll session and the entry rules.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // loaded: what roll.load() found.
    MainWindow(RollSession &roll, const LoadResult &loaded, Platform &platform,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    EntryMode entryMode() const { return mode_; }
    int selectedRecord() const;
    const ListedMembers &listedMembers() const { return *listed_; }

  protected:
    // While a change is only in memory, closing asks first.
    void closeEvent(QCloseEvent *event) override;

  private:
    // The controls, built from the design tables (main_window_build.cpp).
    struct Controls {
        EntryForm form;
        std::array<QPushButton *, kCommandCount> commands{};
        std::array<QAction *, kCommandCount> menuItems{};
        EntryLineEdit *callBox = nullptr;
        QPlainTextEdit *quickCopy = nullptr;
        QLineEdit *search = nullptr;
        QListView *members = nullptr;
        QLabel *listSummary = nullptr;
        std::vector<std::pair<QCheckBox *, QLabel *>> checkLabels;
        std::vector<QWidget *> tabOrder;
    };
    void buildControls();
    QLabel *makeCaption(QWidget *client, const CaptionSpec &design);
    QWidget *makeEntryControl(QWidget *client, const EntryControlSpec &design, QLabel *label);
    QWidget *makeOtherControl(QWidget *client, const OtherControlSpec &design);
    void buildMenus();

    void connectControls();
    // True when the program may end now: every change is saved, or the operator chose
    // to quit without it, or saved it again.
    bool mayQuit();
    // A failure or a surplus is told at once, before the window is shown; damaged
    // records and UTF-8 text once it is shown, over the window with its list.
    void tellLoad(const LoadResult &loaded);

    // The commands of the buttons and the menus.
    void addOrRecord();
    void clear();
    void deleteMember();
    void copyQuickCopy();
    void listAll();
    void listVoting();
    void writeAddresses();
    void copyList();
    void exportListed();
    void copyEmails();
    void printDirectory();
    void exitProgram();
    void openLabelWindow();
    void openReportWindow();
    void openHelpWindow();
    void importMembers();
    void updateLicenses();
    void undo();
    // The Undo item names the newest change, greyed when there is none.
    void showUndo();

    // What storing the entry area came to.
    enum class Stored {
        Refused, // nothing stored; the boxes hold what they held, the focus is where it was told
        Failed,  // stored in the roll, not in the file; the operator was told
        Done,
    };
    // The Add/Record command without its last move of the focus: every date box is
    // checked as leaving it would, an add that looks like a mistake is asked about, and
    // the member is added or recorded; the entry area is then empty in Add mode.
    Stored storeEntry();
    bool confirmAdd(const MemberRecord &values);
    std::vector<EntryLineEdit *> dateBoxes() const;
    // Writes a date box's text as m/d/yyyy, or tells the operator it is no date and
    // gives it the focus; false then.
    bool settleDateBox(EntryLineEdit *box);

    // Typing the entry boxes hold that loading, clearing or storing did not put there.
    void markEntryBaseline();
    bool holdsTyping() const;
    // Before a command that would drop typing: true when it may go on (nothing typed,
    // the typing stored, or discarded); false when the operator stays with the boxes,
    // the focus back in them.
    bool settleTyping();
    void backToTyping();

    void search(const QString &text);
    void emptySearchBox();
    void selectListRow(int row);
    void chooseListedAfterTyping(int record, const MemberRecord &chosen);
    void loadMember(int record);
    // Shows record's line selected in the list, or none, without loading anybody.
    void showListSelection(int record);
    void quickcopy();
    void emptyEntryArea();
    void focusCallBox();
    void setEntryMode(EntryMode mode);
    void reportFailure(const Outcome &outcome);

    void controlEntered(QWidget *control, Qt::FocusReason reason);
    void controlLeft(QWidget *control);
    void checkDateOnLeave(EntryLineEdit *box);
    void highlightCheckLabel(QWidget *control, bool focused);

    RollSession &roll_;
    Platform &platform_;
    ListedMembers *listed_ = nullptr;
    DesignGeometry geometry_;
    Controls controls_;
    // Destroyed with the window's own members, before its controls, so that no
    // focus change during their teardown reaches a half-destroyed window.
    std::unique_ptr<FocusWatcher> focusWatcher_;
    WorkAreaFit *workAreaFit_ = nullptr;

    // The entry area as it was last loaded, cleared or stored, whether the operator
    // changed a box since, and the dates the program proposed since.
    MemberRecord entryBaseline_;
    bool typed_ = false;
    std::vector<std::pair<EntryLineEdit *, QString>> proposedDates_;
    QPointer<QWidget> lastEntryControl_;
    bool listChoicePending_ = false;
    bool showingSelection_ = false;

    bool dateMessageUp_ = false;
    bool commandMovingFocus_ = false;
    EntryMode mode_ = EntryMode::Add;
};

} // namespace tessaly
