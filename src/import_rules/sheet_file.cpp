#include "import_rules/sheet_file.h"

#include "core/file_system.h"
#include "import_rules/import_texts.h"

#include <algorithm>

namespace tessaly {

namespace {

// A workbook (zip or the older compound file) or text saved as UTF-16 holds NUL bytes
// throughout; a sheet's text with a few is text damaged on the way.
bool looksBinary(const QByteArray &bytes)
{
    for (const char *mark :
         {"PK\x03\x04", "PK\x05\x06", "\xD0\xCF\x11\xE0", "\xFF\xFE", "\xFE\xFF"}) {
        if (bytes.startsWith(mark))
            return true;
    }
    const QByteArrayView start =
        QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 256));
    return start.count('\0') * 4 >= start.size();
}

// As the sheet reader counts lines: CR LF, LF and a lone CR each end one.
int lineOf(const QByteArray &bytes, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && bytes[i + 1] != '\n'))
            ++line;
    }
    return line;
}

} // namespace

SheetFile readSheetFile(const QString &path)
{
    SheetFile sheet;
    ReadRefusal refusal = ReadRefusal::None;
    const Outcome read = readWholeFile(path, sheet.bytes, kLargestSheetBytes, &refusal);
    if (refusal == ReadRefusal::TooLarge)
        sheet.outcome = Outcome::refused(sheetTooLargeReason());
    else if (!read.ok())
        sheet.outcome = read;
    else if (const qsizetype nul = sheet.bytes.indexOf('\0'); nul >= 0)
        sheet.outcome =
            Outcome::refused(looksBinary(sheet.bytes) ? notTextSheetReason()
                                                      : nulBytesReason(lineOf(sheet.bytes, nul)));
    if (!sheet.outcome.ok())
        sheet.bytes.clear();
    return sheet;
}

} // namespace tessaly
