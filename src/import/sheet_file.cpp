#include "import/sheet_file.h"

#include "core/whole_file.h"
#include "import/import_texts.h"

namespace tessaly {

SheetFile readSheetFile(const QString &path)
{
    SheetFile sheet;
    ReadRefusal refusal = ReadRefusal::None;
    const Outcome read = readWholeFile(path, sheet.bytes, kLargestSheetBytes, &refusal);
    if (refusal == ReadRefusal::TooLarge)
        sheet.outcome = Outcome::refused(sheetTooLargeReason());
    else if (!read.ok())
        sheet.outcome = read;
    else if (sheet.bytes.contains('\0'))
        sheet.outcome = Outcome::refused(notTextSheetReason());
    if (!sheet.outcome.ok())
        sheet.bytes.clear();
    return sheet;
}

} // namespace tessaly
