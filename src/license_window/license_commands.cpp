#include "license_window/license_commands.h"

#include "license_rules/fcc_license_file.h"
#include "license_rules/license_update.h"
#include "license_window/license_preview.h"
#include "license_window/license_texts.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include <QFileInfo>
#include <QProgressDialog>

#include <algorithm>

namespace tessaly {

namespace {

// Reads the licenses of the roll's call signs with a progress dialog whose Cancel stops the
// reading; the real file takes seconds.
FccReading readWithProgress(const QString &path, const QSet<QByteArray> &calls, QWidget *parent)
{
    constexpr int kSteps = 1000;
    QProgressDialog progress(readingFccFileText(), QStringLiteral("Cancel"), 0, kSteps, parent);
    progress.setWindowTitle(updateLicensesTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(updateLicensesTitle()) * 3);
    return readFccLicenses(path, calls, [&progress](qint64 done, qint64 total) {
        if (total > 0)
            progress.setValue(static_cast<int>(std::min<qint64>(kSteps, done * kSteps / total)));
        return !progress.wasCanceled();
    });
}

} // namespace

bool updateLicensesFromFccFile(RollSession &roll, Platform &platform, QWidget *parent)
{
    if (roll.count() == 0) {
        platform.messages.inform(emptyRollForLicensesMessage(), updateLicensesTitle());
        return false;
    }
    const QSet<QByteArray> calls = rollCallSigns(roll.store());
    if (calls.isEmpty()) {
        platform.messages.inform(noCallSignsMessage(), updateLicensesTitle());
        return false;
    }
    const QString path =
        platform.files.chooseFileToOpen(chooseFccFileTitle(), roll.startDirectory(), fccFileFilter());
    if (path.isEmpty())
        return false;

    const FccReading reading = readWithProgress(path, calls, parent);
    if (reading.outcome.status == Outcome::Status::Refused)
        return false; // cancelled: nothing was read, nothing changes
    if (!reading.outcome.ok()) {
        platform.messages.inform(fccFileUnreadableMessage(path, reading.outcome.reason),
                                 updateLicensesTitle());
        return false;
    }

    const QString fileName = QFileInfo(path).fileName();
    int compared = 0;
    for (int record = 1; record <= roll.count(); ++record)
        compared += roll.member(record)[Field::Call].trimmed().isEmpty() ? 0 : 1;
    std::vector<LicenseRow> rows =
        licenseRows(roll.store(), reading.licenses, platform.clock.today());
    if (rows.empty()) {
        platform.messages.inform(nothingToSayMessage(fileName, compared), updateLicensesTitle());
        return false;
    }
    const int proposals = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const LicenseRow &row) { return row.proposes(); }));
    LicensePreviewDialog preview(
        std::move(rows),
        licenseSummary(fileName, reading.fileDate, compared, proposals, reading.skippedLines),
        parent);
    if (preview.exec() != QDialog::Accepted)
        return false;

    const auto changes = tickedChanges(roll.store(), preview.rows());
    if (changes.empty())
        return false;
    const Outcome outcome = roll.updateMembers(changes);
    if (outcome.status == Outcome::Status::Refused)
        return false; // a roll only to be read has said why itself
    // A failed save has said that the changes are kept in memory but not in the file: they
    // were not brought up to date on disk.
    if (outcome.failed())
        platform.messages.inform(saveFailureMessage(outcome.file, outcome.reason),
                                 saveFailureTitle());
    else
        platform.messages.inform(licensesUpdatedMessage(static_cast<int>(changes.size())),
                                 licensesUpdatedTitle());
    return true;
}

} // namespace tessaly
