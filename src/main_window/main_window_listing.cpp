#include "main_window/main_window.h"

#include "main_window/address_exports.h"
#include "main_window/entry_text_filter.h"
#include "main_window/listed_members.h"
#include "main_window/member_search.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace tessaly {

void MainWindow::listAll()
{
    listed_->listAllMembers();
    clear();
}

void MainWindow::listVoting()
{
    listed_->listRecords(votingMembers(store_));
    clear();
}

void MainWindow::search(const QString &text)
{
    listed_->listRecords(searchMembers(store_, text));
}

void MainWindow::copyQuickCopy()
{
    const bool copied =
        platform_.clipboard.clear() &&
        platform_.clipboard.setText(storedTextFromBox(quickCopyBox_->toPlainText()));
    focusCallBox();
    if (!copied)
        platform_.messages.inform(clipboardFailureMessage(), clipboardFailureTitle());
}

void MainWindow::copyList()
{
    const bool copied = platform_.clipboard.clear() &&
                        platform_.clipboard.setText(listExportTable(store_, listed_->rowRecords()));
    focusCallBox();
    if (!copied)
        platform_.messages.inform(clipboardFailureMessage(), clipboardFailureTitle());
}

void MainWindow::writeAddresses()
{
    const QString directory = QFileInfo(dataFile_.path()).absolutePath();
    const ExportResult result =
        writeAddressFile(directory, addressFileText(store_, listed_->rowRecords()));
    focusCallBox();
    if (!result.ok)
        platform_.messages.inform(
            addressFileFailureMessage(QDir(directory).filePath(kAddressFileName), result.error),
            addressFileFailureTitle());
}

} // namespace tessaly
