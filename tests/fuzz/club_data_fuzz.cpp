// Whatever bytes AddrClub.dat holds, what the reader makes of them must survive a save:
// written and read again it gives the same members (bar the characters of a UTF-8 file
// that Windows-1252 cannot hold, written as '?'), and written again the same bytes.
#include "core/club_data_codec.h"
#include "core/member_store.h"
#include "core/text_codec.h"

#include "fuzz_check.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

using namespace tessaly;

MemberStore readRoll(const QByteArray &bytes, ParseSummary &summary)
{
    MemberStore store;
    summary = parseClubData(bytes, MemberStore::kCapacity,
                            [&store](MemberRecord &&r) { store.append(std::move(r)); });
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

    const QByteArray saved = serializeClubData(loaded);
    ParseSummary second;
    const MemberStore reloaded = readRoll(saved, second);
    fuzzCheck(second.records == loaded.count() && second.surplus == 0,
              "a saved roll reads back with as many records");
    fuzzCheck(!second.endedInsideRecord, "a saved roll does not end inside a record");
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
