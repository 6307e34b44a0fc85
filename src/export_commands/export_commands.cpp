#include "export_commands/export_commands.h"

#include "core/club_data_file.h"
#include "core/date_text.h"
#include "core/file_system.h"
#include "export_commands/export_texts.h"
#include "export_rules/email_addresses.h"
#include "export_rules/member_csv.h"
#include "export_rules/member_directory.h"
#include "forms/page_preview.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include <QDir>
#include <QPainter>
#include <QWidget>

namespace tessaly {

void exportListedMembers(const RollSession &roll, const std::vector<int> &records,
                         Platform &platform)
{
    const QString path = platform.files.chooseFileToSave(
        exportDialogTitle(), QDir(roll.startDirectory()).filePath(QStringLiteral("Members.csv")),
        exportFileFilter());
    if (path.isEmpty())
        return;
    // Written whole beside an earlier file and put in its place only when complete.
    const Outcome written = writeWholeFile(path, membersCsv(roll.store(), records),
                                           rollDataPermissions(roll.startDirectory()));
    if (!written.ok()) {
        platform.messages.inform(exportFailedMessage(path, written.reason), exportFailedTitle());
        return;
    }
    int members = 0;
    for (const int record : records)
        members += roll.holds(record) ? 1 : 0;
    platform.messages.inform(exportedMessage(members, path), exportedTitle());
}

void copyEmailAddresses(const RollSession &roll, const std::vector<int> &records,
                        Platform &platform)
{
    const EmailAddresses found = emailAddresses(roll.store(), records);
    if (found.addresses.isEmpty()) {
        platform.messages.inform(noEmailsMessage(static_cast<int>(records.size())),
                                 noEmailsTitle());
        return;
    }
    if (!platform.clipboard.replaceText(bccLine(found))) {
        platform.messages.inform(clipboardFailureMessage(), clipboardFailureTitle());
        return;
    }
    platform.messages.inform(
        emailsCopiedMessage(static_cast<int>(found.addresses.size()), found.membersWithout),
        emailsCopiedTitle());
}

void printMemberDirectory(const RollSession &roll, const std::vector<int> &records,
                          Platform &platform, QWidget *parent)
{
    // The paper and its printable area are the printer's: those of the printer chosen when
    // the preview opens for the preview, and of the one chosen at "&Print" for the print.
    const auto paperNow = [&platform] {
        const QPageSize paper = directoryPaperFor(platform.printer.defaultPaper());
        return DirectoryPaper{paper, platform.printer.pageArea(paper),
                              formatDate(platform.clock.today())};
    };
    const auto planOn = [&roll, &records](const DirectoryPaper &page) {
        return planDirectory(roll.store(), records, directoryMeasures(page.area.paper));
    };
    DirectoryPaper page = paperNow();
    DirectoryPlan plan = planOn(page);
    if (plan.blocks.empty()) {
        platform.messages.inform(nothingInDirectoryMessage(), directoryTitle());
        return;
    }
    PagePreviewDialog preview(directoryTitle(), QStringLiteral("DirectoryPreview"),
                              directorySummary(static_cast<int>(plan.blocks.size()), plan.pages),
                              platform.desktop.workArea(), parent);
    preview.showPages(page.area, plan.pages, [&plan, &page](QPainter &painter, int n) {
        paintDirectoryPage(painter, plan, n, page);
    });
    preview.offerPrinterChoice(platform.printer, noPrinterForDirectory());
    if (preview.exec() != QDialog::Accepted)
        return;
    preview.hide();
    const DirectoryPaper chosen = paperNow();
    if (chosen.paper != page.paper || chosen.area.printable != page.area.printable) {
        page = chosen;
        plan = planOn(page);
    }
    tellPrintResult(platform.messages, platform.printer.print(directoryDocument(plan, page)),
                    printedDirectory());
    // The preview has gone and a message box may have closed: the focus would be in no window
    // of the program, and the menu keys would do nothing until a click.
    if (parent != nullptr)
        parent->window()->activateWindow();
}

} // namespace tessaly
