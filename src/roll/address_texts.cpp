#include "roll/address_texts.h"

#include "core/member_lines.h"

namespace tessaly {

namespace {

constexpr QStringView kCrLf = u"\r\n";
constexpr QChar kBlank = u' ';

// The listed members in list order; a number outside the roll (a listing left over
// after the roll shrank) is skipped rather than read.
std::vector<const MemberRecord *> listedOf(const MemberStore &store, const std::vector<int> &rows)
{
    std::vector<const MemberRecord *> records;
    records.reserve(rows.size());
    for (int n : rows) {
        if (n >= 1 && n <= store.count())
            records.push_back(&store.record(n));
    }
    return records;
}

// The name, address and town lines that the Quick Copy block and Address.txt share: the name
// "First MI Last", the address as stored (its CR LFs between lines) and "City ST Zip", each
// line ended by CR LF but the town line, which is left open.
constexpr NameStyle kNameStyle{NameOrder::GivenFirst, NameSeparators::AfterPresent};

void appendNameToTown(QString &out, const NameParts &name, const QString &address,
                      const TownParts &town)
{
    appendNameLine(out, name, kNameStyle);
    out.append(kCrLf);
    forEachAddressLine(address, AddressBreaks::SeparateLines, [&out](QStringView line) {
        out.append(line);
        out.append(kCrLf);
    });
    appendTownLine(out, town, TownSpacing::AsStored);
}

// Fixed text per block besides the fields: the call line's "ARS ", blank and CR LF,
// two name blanks and CR LF, the address CR LF, two town blanks and CR LF, the empty line.
constexpr qsizetype kBlockOverhead = (4 + 1 + 2) + (2 + 2) + 2 + (2 + 2) + 2;

} // namespace

AddressBoxes addressBoxesOf(const MemberRecord &record)
{
    return AddressBoxes{record[Field::Call],          record[Field::FirstName],
                        record[Field::MiddleInitial], record[Field::LastName],
                        record[Field::Address],       record[Field::City],
                        record[Field::State],         record[Field::Zip]};
}

QString quickCopyText(const AddressBoxes &boxes)
{
    QString out;
    out.reserve(boxes.call.size() + boxes.firstName.size() + boxes.middleInitial.size() +
                boxes.lastName.size() + boxes.address.size() + boxes.city.size() +
                boxes.state.size() + boxes.zip.size() + 16);
    if (!boxes.call.isEmpty()) {
        out.append(u"ARS - ");
        out.append(boxes.call);
        out.append(kCrLf);
    }
    appendNameToTown(out, {boxes.firstName, boxes.middleInitial, boxes.lastName}, boxes.address,
                     {boxes.city, boxes.state, boxes.zip});
    return out;
}

QString addressFileText(const MemberStore &store, const std::vector<int> &listedRecords)
{
    const std::vector<const MemberRecord *> listed = listedOf(store, listedRecords);
    qsizetype size = 0;
    for (const MemberRecord *member : listed) {
        const MemberRecord &r = *member;
        size += kBlockOverhead + r[Field::Call].size() + r[Field::FirstName].size() +
                r[Field::MiddleInitial].size() + r[Field::LastName].size() +
                r[Field::Address].size() + r[Field::City].size() + r[Field::State].size() +
                r[Field::Zip].size();
    }

    QString out;
    out.reserve(size);
    for (const MemberRecord *member : listed) {
        const MemberRecord &r = *member;
        if (!r[Field::Call].isEmpty()) {
            out.append(u"ARS ");
            out.append(r[Field::Call]);
            out.append(kBlank);
            out.append(kCrLf);
        }
        appendNameToTown(out, {r[Field::FirstName], r[Field::MiddleInitial], r[Field::LastName]},
                         r[Field::Address], {r[Field::City], r[Field::State], r[Field::Zip]});
        out.append(kCrLf);
        out.append(kCrLf);
    }
    return out;
}

} // namespace tessaly
