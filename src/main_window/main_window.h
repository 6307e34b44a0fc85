#pragma once

#include "core/club_data_file.h"
#include "core/member_store.h"
#include "main_window/design_geometry.h"
#include "main_window/entry_form.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <map>
#include <vector>

class QCheckBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;

namespace tessaly {

class EntryLineEdit;
class EntryTextEdit;
class ListedMembers;

enum class EntryMode { Add, Record };

// The window the operator works in: the entry area for one member, the member
// list, search and listing, and the address exports. Building it runs the
// start-up sequence: fit to the desktop's work area, load the roll, list it.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(MemberStore &store, ClubDataFile &dataFile, Platform &platform,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    EntryMode entryMode() const { return mode_; }
    int selectedRecord() const { return selectedRecord_; }
    const ListedMembers &listedMembers() const { return *listed_; }

    // The program adds members only while fewer than this many are on the roll.
    static constexpr int kAddLimit = 9998;

    // The Add/Record command: Command1, or Enter in a single-line entry box.
    void addOrRecord();
    // Rebuilds the Quick Copy box from the eight address boxes.
    void quickcopy();
    // Loads the member on list row (counted from 1) into the entry area for editing.
    void selectListRow(int row);
    void deleteMember();
    // Empties the entry area, returns to Add mode and puts the focus in the Call box.
    void clear();

    void listAll();
    void listVoting();
    void search(const QString &text);

    void copyQuickCopy();
    void copyList();
    void writeAddresses();

  protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildControls();
    void buildEntryControls(QWidget *client);
    void buildOtherControls(QWidget *client);
    QLabel *buildCaption(QWidget *client, const CaptionSpec &design);
    void buildMenus();
    void fitToWorkArea();
    void fitClient(const QSize &client);
    void loadRoll();

    void connectCommands();
    // Sorts the roll after a change, following the selected member to its new
    // place, saves it, and shows every member again.
    void sortSaveAndRelist();
    void reportSaveFailure(const SaveResult &result);
    void emptyEntryArea();
    void focusCallBox();

    void leaveAddressBox();
    void proposeDate(EntryLineEdit *box);
    void checkDateOnLeave(EntryLineEdit *box);
    void setEntryMode(EntryMode mode);

    void openReportWindow();
    void openHelpWindow();
    void openLabelWindow();

    MemberStore &store_;
    ClubDataFile &dataFile_;
    Platform &platform_;

    ListedMembers *listed_ = nullptr;
    DesignGeometry geometry_;
    EntryForm form_;
    std::vector<QWidget *> tabOrder_;
    std::map<QCheckBox *, QLabel *> checkLabels_;

    EntryLineEdit *callBox_ = nullptr;
    QPlainTextEdit *quickCopyBox_ = nullptr;
    QLineEdit *searchBox_ = nullptr;
    QListView *memberList_ = nullptr;
    QPushButton *addButton_ = nullptr;

    QSize fittedClient_;
    bool shown_ = false;
    bool dateMessageUp_ = false;
    bool commandMovingFocus_ = false;
    EntryMode mode_ = EntryMode::Add;
    int selectedRecord_ = 0;
};

} // namespace tessaly
