#pragma once

#include "forms/design_geometry.h"
#include "label_rules/label_number_rules.h"
#include "label_rules/label_plan.h"
#include "label_rules/label_request.h"
#include "platform/platform.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tessaly {

class FocusWatcher;
class LabelNumberBox;
class RollSession;

// " Label Format": the label sheet's measurements (typed, or filled from the sheet list),
// where on the first sheet to begin, and the printer font; "&Print" prints one label for
// each listed member, in list order (or one for each household when "One label per
// &household" is ticked), and "Pre&view" shows first what it would print.
// Built afresh at every opening; it hides itself after every print.
class LabelWindow : public QDialog {
    Q_OBJECT

  public:
    // listed: the record numbers the main window's list shows, in its order.
    LabelWindow(const RollSession &roll, std::vector<int> listed, Platform &platform,
                QWidget *parent = nullptr);
    ~LabelWindow() override;

  private:
    static constexpr std::size_t kBoxCount = 9;

    void buildControls();
    void widenBoxes();
    void connectControls();
    void fillSheetList();
    void fillFontList();
    void readSettings();
    LabelNumberBox *box(LabelBox which) const;
    LabelBoxTexts boxTexts() const;

    void boxLeft(QWidget *control);
    void sizeTyped(const QString &text);
    void setPreviewSize(double points);
    void sheetChosen(int index);
    void showMatchingSheet();
    // Tells the operator about a problem and puts the focus on its box; false for none.
    bool refused(const std::optional<RequestProblem> &problem);
    QString chosenFont() const;
    // What the boxes ask for, and the labels that puts where; nullopt once a box that holds
    // no number or a layout that cannot be printed has been told.
    struct CheckedLabels {
        LabelRequest request;
        LabelPlan plan;
    };
    std::optional<CheckedLabels> checkedPlan();
    void print();
    void preview();
    void finishPrinting(const PrintResult &printed);

    const RollSession &roll_;
    std::vector<int> listed_;
    Platform &platform_;
    DesignGeometry geometry_;
    std::array<LabelNumberBox *, kBoxCount> boxes_{};
    QComboBox *sheets_ = nullptr;
    QListWidget *fonts_ = nullptr;
    QLabel *preview_ = nullptr;
    QCheckBox *households_ = nullptr; // unticked at every opening; never saved
    QComboBox *printers_ = nullptr;    // the printer's choice, kept for the run of the program
    QSpinBox *copies_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QPushButton *previewButton_ = nullptr;
    std::unique_ptr<FocusWatcher> focusWatcher_;
};

} // namespace tessaly
