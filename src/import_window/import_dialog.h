#pragma once

#include "import_rules/import_sheet.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QScrollArea;
class QTableView;

namespace tessaly {

class ImportPreviewModel;
class RollSession;

// "Import Members": a spreadsheet's rows previewed as members, each column matched
// to a field by its header and the match changeable, the encoding and separator
// found and changeable; OK adds the rows in one step. Nothing changes until OK.
class ImportDialog : public QDialog {
    Q_OBJECT

  public:
    ImportDialog(RollSession &roll, Platform &platform, const QString &path, QByteArray bytes,
                 QWidget *parent = nullptr);
    ~ImportDialog() override;

    const ImportSheet &sheet() const { return sheet_; }

  private:
    void buildControls();
    void readSheet();
    void buildFieldChoices();
    void fieldChosen(int column, int choice);
    void showMatches();
    void refresh();
    void importRows();

    RollSession &roll_;
    Platform &platform_;
    QString path_;
    ImportSheet sheet_;

    QComboBox *encoding_ = nullptr;
    QComboBox *separator_ = nullptr;
    QTableView *preview_ = nullptr;
    ImportPreviewModel *model_ = nullptr;
    QScrollArea *fieldScroll_ = nullptr;
    QWidget *fieldPanel_ = nullptr;
    QFormLayout *fieldForm_ = nullptr;
    std::vector<QComboBox *> fieldChoices_;
    QCheckBox *addDuplicates_ = nullptr;
    QCheckBox *acceptReplacements_ = nullptr;
    QLabel *summary_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
};

// The "Import Members..." command: asks for the file, reads it and runs the dialog.
// True when the dialog was confirmed (members may or may not have been added).
bool importMembersFromSheet(RollSession &roll, Platform &platform, QWidget *parent);

} // namespace tessaly
