#pragma once

#include "forms/design_geometry.h"
#include "platform/platform.h"
#include "report_window/report_window_controls.h"
#include "roll/listing_summary.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace tessaly {

class FocusWatcher;
class ReportModel;
class RollSession;
class WholeTextLineEdit;

// "Database Functions": the whole roll as a 19-column report, with the expiration
// query, the figures of the roll, sorting by a column, the report copied for a
// spreadsheet and the reset of every member's dues. Built afresh at every opening.
class ReportWindow : public QDialog {
    Q_OBJECT

  public:
    ReportWindow(RollSession &roll, Platform &platform, QWidget *parent = nullptr);
    ~ReportWindow() override;

    const ReportModel &report() const { return *report_; }
    // Which members the report lists, and their record numbers in the order shown; when
    // the window was closed by "&Use This List" (exec() gave Accepted), they are the main
    // window's list.
    const Listing &listing() const { return listing_; }
    const std::vector<int> &listedRecords() const;

  private:
    // Each kind of control by its role; a role names one control of one kind.
    struct Controls {
        std::array<QPushButton *, kReportRoleCount> buttons{};
        std::array<QRadioButton *, kReportRoleCount> options{};
        std::array<QLabel *, kReportRoleCount> figures{};
        QTreeView *report = nullptr;
        WholeTextLineEdit *queryDate = nullptr;
    };
    void buildControls();
    QWidget *makeControl(const ReportControlSpec &design, QGroupBox *&frame);
    void addColumns();
    void showStatistics();
    void connectControls();

    QPushButton *button(ReportRole role) const;
    QRadioButton *option(ReportRole role) const;
    QLabel *figure(ReportRole role) const;

    void listQuery();
    void listAll();
    void copyReport();
    void resetDues();
    void useList();
    void queryDateEntered(QWidget *control, Qt::FocusReason reason);

    RollSession &roll_;
    Platform &platform_;
    ReportModel *report_ = nullptr;
    Listing listing_;
    DesignGeometry geometry_;
    Controls controls_;
    std::unique_ptr<FocusWatcher> focusWatcher_;
};

} // namespace tessaly
