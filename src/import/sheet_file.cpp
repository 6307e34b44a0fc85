#include "import/sheet_file.h"

#include "import/import_texts.h"

#include <QFile>

namespace tessaly {

SheetFile readSheetFile(const QString &path)
{
    SheetFile sheet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.outcome = Outcome::failure(path, file.errorString());
        return sheet;
    }
    if (file.size() > kLargestSheetBytes) {
        sheet.outcome = Outcome::refused(sheetTooLargeReason());
        return sheet;
    }
    sheet.bytes = file.read(kLargestSheetBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        sheet.outcome = Outcome::failure(path, file.errorString());
        sheet.bytes.clear();
    } else if (sheet.bytes.size() > kLargestSheetBytes) {
        sheet.outcome = Outcome::refused(sheetTooLargeReason());
        sheet.bytes.clear();
    } else if (sheet.bytes.contains('\0')) {
        sheet.outcome = Outcome::refused(notTextSheetReason());
        sheet.bytes.clear();
    }
    return sheet;
}

} // namespace tessaly
