#include "report_window/report_window.h"

#include "core/date_text.h"
#include "core/member_table.h"
#include "forms/control_table.h"
#include "forms/enter_key.h"
#include "forms/focus_watcher.h"
#include "forms/line_control.h"
#include "forms/whole_text_line_edit.h"
#include "forms/window_fitting.h"
#include "forms/work_area_fit.h"
#include "report_rules/expiration_query.h"
#include "report_rules/member_statistics.h"
#include "report_rules/report_columns.h"
#include "report_rules/report_model.h"
#include "report_window/report_window_texts.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

namespace tessaly {

namespace {

std::size_t slotOf(ReportRole role)
{
    return static_cast<std::size_t>(role);
}

} // namespace

ReportWindow::ReportWindow(RollSession &roll, Platform &platform, QWidget *parent)
    : QDialog(parent), roll_(roll), platform_(platform),
      geometry_(kReportDesignClientWidth, kReportDesignClientHeight),
      focusWatcher_(std::make_unique<FocusWatcher>())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(reportWindowTitle());
    setModal(true);
    buildControls();
    connectControls();

    (new WorkAreaFit(this, this, geometry_, platform_.desktop))->fit();
    addColumns();
    report_->listRecords(allMembers(roll_.store()));
    showStatistics();
    controls_.queryDate->setText(formatDate(platform_.clock.today()));
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::buildControls()
{
    ControlBuilder builder(geometry_);
    QGroupBox *frame = nullptr;
    builder.build(reportControls(),
                  [&](const ReportControlSpec &design) { return makeControl(design, frame); });
    option(ReportRole::ClubExpiration)->setChecked(true);
    builder.setTabOrder();
}

QWidget *ReportWindow::makeControl(const ReportControlSpec &design, QGroupBox *&frame)
{
    switch (design.kind) {
    case ReportControlKind::Hint:
    case ReportControlKind::Caption:
    case ReportControlKind::Figure: {
        auto *label = new QLabel(design.caption, this);
        label->setTextFormat(Qt::PlainText);
        if (design.kind == ReportControlKind::Figure)
            controls_.figures[slotOf(design.role)] = label;
        return label;
    }
    case ReportControlKind::Button: {
        auto *button = new QPushButton(design.caption, this);
        button->setAutoDefault(false);
        pressOnEnter(button);
        controls_.buttons[slotOf(design.role)] = button;
        return button;
    }
    case ReportControlKind::Report: {
        controls_.report = new QTreeView(this);
        // Owned by the view, so that the report never outlives its model.
        report_ = new ReportModel(roll_.store(), controls_.report);
        controls_.report->setModel(report_);
        controls_.report->setRootIsDecorated(false);
        controls_.report->setItemsExpandable(false);
        controls_.report->setUniformRowHeights(true);
        controls_.report->setAllColumnsShowFocus(true);
        controls_.report->setEditTriggers(QAbstractItemView::NoEditTriggers);
        controls_.report->setSelectionBehavior(QAbstractItemView::SelectRows);
        controls_.report->header()->setSectionsClickable(true);
        // The clipboard table copies the columns in the roll's order: a title dragged
        // elsewhere would show one order and copy another.
        controls_.report->header()->setSectionsMovable(false);
        controls_.report->header()->setStretchLastSection(false);
        controls_.report->setAccessibleName(QStringLiteral("Report"));
        return controls_.report;
    }
    case ReportControlKind::Options: // the options that follow stand inside it
        frame = new QGroupBox(design.caption, this);
        return frame;
    case ReportControlKind::Option: {
        auto *option = new QRadioButton(design.caption, frame);
        controls_.options[slotOf(design.role)] = option;
        return option;
    }
    case ReportControlKind::QueryDate:
        controls_.queryDate = new WholeTextLineEdit(design.caption, this);
        controls_.queryDate->setAccessibleName(QStringLiteral("Query date"));
        focusWatcher_->watch(controls_.queryDate);
        return controls_.queryDate;
    case ReportControlKind::Line:
        return new LineControl(
            design.rect.width > design.rect.height ? Qt::Horizontal : Qt::Vertical, this);
    }
    return nullptr;
}

void ReportWindow::addColumns()
{
    const int screenTwips = platform_.desktop.screenSize().width() * kTwipsPerPixel;
    for (int c = 0; c < kReportColumnCount; ++c)
        controls_.report->setColumnWidth(
            c, twipsToPixels(
                   reportColumnWidth(kReportColumns[static_cast<std::size_t>(c)], screenTwips)));
}

void ReportWindow::showStatistics()
{
    const MemberStatistics figures = memberStatistics(roll_.store());
    figure(ReportRole::TotalMembers)->setText(statisticsCountText(figures.total));
    figure(ReportRole::ArrlMembers)->setText(statisticsCountText(figures.arrl));
    figure(ReportRole::VotingMembers)->setText(statisticsCountText(figures.voting));
    figure(ReportRole::ArrlPercent)->setText(arrlPercentText(figures));
}

void ReportWindow::connectControls()
{
    using Handler = void (ReportWindow::*)();
    static constexpr std::pair<ReportRole, Handler> handlers[] = {
        {ReportRole::ListQuery, &ReportWindow::listQuery},
        {ReportRole::ListAll, &ReportWindow::listAll},
        {ReportRole::CopyReport, &ReportWindow::copyReport},
        {ReportRole::ResetDues, &ReportWindow::resetDues},
        {ReportRole::UseList, &ReportWindow::useList},
    };
    for (const auto &[role, handler] : handlers)
        connect(button(role), &QPushButton::clicked, this, handler);
    connect(controls_.report->header(), &QHeaderView::sectionClicked, report_,
            &ReportModel::sortByColumn);
    connect(focusWatcher_.get(), &FocusWatcher::entered, this, &ReportWindow::queryDateEntered);
}

QPushButton *ReportWindow::button(ReportRole role) const
{
    return controls_.buttons[slotOf(role)];
}

QRadioButton *ReportWindow::option(ReportRole role) const
{
    return controls_.options[slotOf(role)];
}

QLabel *ReportWindow::figure(ReportRole role) const
{
    return controls_.figures[slotOf(role)];
}

void ReportWindow::listQuery()
{
    // The dues flag alone decides; the date box may hold anything.
    if (option(ReportRole::DuesNotPaid)->isChecked()) {
        report_->listRecords(membersWithDuesNotPaid(roll_.store()));
        listing_ = {Listing::Kind::DuesNotPaid, {}};
        return;
    }
    const QDate today = platform_.clock.today();
    const std::optional<QDate> date = parseDateText(controls_.queryDate->text(), today);
    if (!date) {
        platform_.messages.inform(invalidQueryDateMessage(), invalidQueryDateTitle());
        focusWatcher_->giveFocus(controls_.queryDate);
        return;
    }
    const bool club = option(ReportRole::ClubExpiration)->isChecked();
    report_->listRecords(membersExpiringBefore(
        roll_.store(), club ? Field::ClubExpires : Field::LicenseExpires, *date, today));
    listing_ = {club ? Listing::Kind::ClubExpiresBefore : Listing::Kind::LicenseExpiresBefore,
                *date};
}

void ReportWindow::listAll()
{
    report_->listRecords(allMembers(roll_.store()));
    listing_ = {};
    focusWatcher_->giveFocus(button(ReportRole::ListQuery));
}

void ReportWindow::copyReport()
{
    const bool copied =
        platform_.clipboard.replaceText(memberTableText(roll_.store(), report_->records()));
    focusWatcher_->giveFocus(button(ReportRole::ListQuery));
    if (!copied)
        platform_.messages.inform(clipboardFailureMessage(), clipboardFailureTitle());
}

void ReportWindow::resetDues()
{
    if (platform_.messages.ask(resetDuesQuestion(), resetDuesTitle()) != Answer::Yes)
        return;
    const Outcome outcome = roll_.resetDues();
    listAll();
    if (outcome.failed())
        platform_.messages.inform(saveFailureMessage(outcome.file, outcome.reason),
                                  saveFailureTitle());
}

const std::vector<int> &ReportWindow::listedRecords() const
{
    return report_->records();
}

void ReportWindow::useList()
{
    accept();
}

void ReportWindow::queryDateEntered(QWidget *control, Qt::FocusReason reason)
{
    if (control == controls_.queryDate)
        controls_.queryDate->selectAllOnEntry(reason == Qt::MouseFocusReason);
}

} // namespace tessaly
