// Whatever bytes AddrClub.dat holds, what the reader makes of them must survive a save:
// written and read again it gives the same members (bar the characters of a UTF-8 file
// that Windows-1252 cannot hold, written as '?'), and written again the same bytes.
// Damage never reaches past its line: a record written by the program on the next line
// reads back exactly, and the records before it read as they did without it.
#include "core/club_data_codec.h"
#include "core/member_store.h"
#include "core/text_codec.h"

#include "fuzz_check.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

using namespace tessaly;
using namespace Qt::StringLiterals;

MemberStore readRoll(const QByteArray &bytes, ParseSummary &summary)
{
    MemberStore store;
    summary = loadClubData(bytes, store);
    return store;
}

// The member as the Windows-1252 file keeps it: '?' for each character it lacks, one for
// a character beyond the basic plane.
MemberRecord asWritten(MemberRecord record)
{
    for (QString &value : record.values)
        value = decodeWindows1252(encodeWindows1252(value));
    return record;
}

// The record the program writes, a quoted line break and a comma in it, put on the line
// after whatever the file holds.
void checkDamageStaysOnItsLine(QByteArray bytes, const MemberStore &loaded,
                               const ParseSummary &summary)
{
    if (loaded.count() >= MemberStore::kCapacity)
        return;
    MemberRecord written;
    written.values = {u"K1ABC"_s, u"Ann"_s, {}, u"Lee, Jr."_s, u"1 Elm\r\nApt 3"_s};
    written[Field::DuesPaid] = u"Y"_s;
    // The Ctrl-Z that ends a DOS file is a character once a line follows it.
    if (bytes.endsWith('\x1a'))
        bytes.chop(1);
    // Right after the last line end: a blank line between would hide a record that runs on.
    if (!bytes.endsWith('\r') && !bytes.endsWith('\n'))
        bytes += "\r\n";
    ParseSummary after;
    const MemberStore followed = readRoll(bytes + serializeRecord(written), after);
    fuzzCheck(followed.count() == loaded.count() + 1,
              "a record on the next line is one more record");
    fuzzCheck(followed.record(followed.count()) == written,
              "a record on the line after any damage reads back exactly");
    if (after.utf8 != summary.utf8)
        return;
    const int unchanged = summary.endedInsideRecord ? loaded.count() - 1 : loaded.count();
    for (int n = 1; n <= unchanged; ++n)
        fuzzCheck(followed.record(n) == loaded.record(n),
                  "what follows a line does not change the records before it");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Not copied: the reader must never look past the last byte, and the sanitizer
    // sees it when it does.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ParseSummary first;
    const MemberStore loaded = readRoll(bytes, first);
    fuzzCheck(loaded.count() == first.records, "every record read reaches the roll");
    fuzzCheck(first.records <= MemberStore::kCapacity, "no more records than the roll holds");
    fuzzCheck(first.surplus == 0 || first.records == MemberStore::kCapacity,
              "records are only left over once the roll is full");
    checkDamageStaysOnItsLine(bytes, loaded, first);
    // Loading takes a record the program wrote in one step; the general rules must give it
    // the same values, and every other record the same too.
    int read = 0;
    const ParseSummary general =
        parseClubData(bytes, MemberStore::kCapacity, [&](MemberRecord &&r) {
            ++read;
            fuzzCheck(read <= loaded.count() && r == loaded.record(read),
                      "loading reads as the general rules");
        });
    fuzzCheck(general.irregular == first.irregular &&
                  general.firstIrregularLine == first.firstIrregularLine && read == first.records,
              "loading finds what the general rules find");

    const QByteArray saved = serializeClubData(loaded);
    ParseSummary second;
    const MemberStore reloaded = readRoll(saved, second);
    fuzzCheck(second.records == loaded.count() && second.surplus == 0,
              "a saved roll reads back with as many records");
    fuzzCheck(!second.endedInsideRecord, "a saved roll does not end inside a record");
    fuzzCheck(second.irregular == 0, "a saved roll holds no damaged record");
    // Windows-1252 bytes that happen to be well-formed UTF-8 as a whole ("\xC3\xA9") read
    // back as UTF-8: the reader cannot tell, and such text is not a name anyone writes.
    if (second.utf8)
        return 0;
    for (int n = 1; n <= loaded.count(); ++n)
        fuzzCheck(reloaded.record(n) == asWritten(loaded.record(n)),
                  "a saved record reads back the same");
    fuzzCheck(serializeClubData(reloaded) == saved, "a saved roll saves to the same bytes");
    return 0;
}
