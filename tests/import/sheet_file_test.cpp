#include "import/sheet_file.h"

#include "import/import_texts.h"

#include "special_files.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

using namespace Qt::StringLiterals;

// A file chosen in the import's dialog is read only when it is a regular file of at most
// 64 MB: a FIFO or a device fails at once with its name and why, a file too large is
// refused as before, and nothing is read either way.
TEST(SheetFile, OnlyARegularFileWithinItsLimitIsRead)
{
    for (const SpecialCase &c : specialCases()) {
        SCOPED_TRACE(c.shape);
        TempRoll folder;
        const QString path = folder.path(u"members.csv"_s);
        const SpecialFile special(c.kind, path, kLargestSheetBytes);
        const HangGuard guard(20);
        const SheetFile sheet = readSheetFile(path);
        const bool tooLarge =
            c.kind == SpecialKind::OneByteTooLarge || c.kind == SpecialKind::SparseGigabyte;
        EXPECT_EQ(sheet.outcome.status,
                  tooLarge ? Outcome::Status::Refused : Outcome::Status::Failed);
        EXPECT_EQ(sheet.outcome.reason,
                  tooLarge ? sheetTooLargeReason() : u"members.csv "_s + special.reason({}));
        EXPECT_TRUE(sheet.bytes.isEmpty());
    }
    TempRoll folder;
    const QByteArray text = "Call,First\r\nK1A,Ann\r\n";
    folder.write(u"members.csv"_s, text);
    const SheetFile sheet = readSheetFile(folder.path(u"members.csv"_s));
    EXPECT_TRUE(sheet.outcome.ok());
    EXPECT_EQ(sheet.bytes, text);
    folder.write(u"book.xls"_s, QByteArray("PK\0\3", 4));
    EXPECT_EQ(readSheetFile(folder.path(u"book.xls"_s)).outcome.reason, notTextSheetReason());
}

} // namespace
} // namespace tessaly::testing
