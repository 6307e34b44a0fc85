#include "core/member_store.h"

#include <QtGlobal>

#include <algorithm>
#include <numeric>

namespace tessaly {

namespace {

// A number outside the roll is a programming error. Debug builds stop at it; release
// builds hand out a blank record that is thrown away, so a stray number can neither
// read nor overwrite a member.
MemberRecord &discardedRecord()
{
    static MemberRecord blank;
    blank = MemberRecord{};
    return blank;
}

} // namespace

const MemberRecord &MemberStore::record(int n) const
{
    Q_ASSERT_X(n >= 1 && n <= count(), "MemberStore::record", "record number out of range");
    if (n < 1 || n > count())
        return discardedRecord();
    return records_[static_cast<std::size_t>(n - 1)];
}

MemberRecord &MemberStore::record(int n)
{
    Q_ASSERT_X(n >= 1 && n <= count(), "MemberStore::record", "record number out of range");
    if (n < 1 || n > count())
        return discardedRecord();
    return records_[static_cast<std::size_t>(n - 1)];
}

bool MemberStore::append(MemberRecord record)
{
    if (isFull())
        return false;
    records_.push_back(std::move(record));
    return true;
}

MemberStore &MemberStore::operator=(const MemberStore &other)
{
    records_ = other.records_;
    keepTexts(other.texts_);
    return *this;
}

MemberStore &MemberStore::operator=(MemberStore &&other)
{
    records_ = std::move(other.records_);
    keepTexts(other.texts_);
    return *this;
}

void MemberStore::keepTexts(const std::vector<QString> &texts)
{
    for (const QString &text : texts) {
        if (std::none_of(texts_.begin(), texts_.end(),
                         [&text](const QString &held) { return held.isSharedWith(text); }))
            texts_.push_back(text);
    }
}

const QString &MemberStore::keepText(QString text)
{
    texts_.push_back(std::move(text));
    return texts_.back();
}

MemberRecord *MemberStore::appendEmpty()
{
    if (isFull())
        return nullptr;
    return &records_.emplace_back();
}

void MemberStore::reserve(int records)
{
    records_.reserve(static_cast<std::size_t>(std::clamp(records, 0, kCapacity)));
}

void MemberStore::replace(int n, MemberRecord record)
{
    Q_ASSERT_X(n >= 1 && n <= count(), "MemberStore::replace", "record number out of range");
    if (n < 1 || n > count())
        return;
    records_[static_cast<std::size_t>(n - 1)] = std::move(record);
}

std::vector<int> MemberStore::sortMembers()
{
    const std::size_t n = records_.size();

    // Folding each key once keeps the comparisons cheap: a sort makes about
    // n log n of them, and every add and update re-sorts the whole roll.
    std::vector<QString> keys;
    keys.reserve(n);
    for (const MemberRecord &r : records_)
        keys.push_back(memberSortKey(r).toCaseFolded());

    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        return QStringView(keys[a]).compare(QStringView(keys[b]), Qt::CaseSensitive) < 0;
    });

    std::vector<int> newNumber(n + 1, 0);
    for (std::size_t pos = 0; pos < n; ++pos)
        newNumber[order[pos] + 1] = static_cast<int>(pos + 1);

    // Records move along the cycles of the permutation, in place: every add and
    // update sorts, and a second table of 10,000 records each time is wasted work.
    std::vector<bool> placed(n, false);
    for (std::size_t start = 0; start < n; ++start) {
        if (placed[start] || order[start] == start)
            continue;
        MemberRecord carried = std::move(records_[start]);
        std::size_t pos = start;
        while (order[pos] != start) {
            records_[pos] = std::move(records_[order[pos]]);
            placed[pos] = true;
            pos = order[pos];
        }
        records_[pos] = std::move(carried);
        placed[pos] = true;
    }
    return newNumber;
}

void MemberStore::removeMember(int n)
{
    Q_ASSERT_X(n >= 1 && n <= count(), "MemberStore::removeMember", "record number out of range");
    if (n < 1 || n > count())
        return;
    records_.erase(records_.begin() + (n - 1));
}

} // namespace tessaly
