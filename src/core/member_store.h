#pragma once

#include "core/member_record.h"

#include <vector>

namespace tessaly {

// The whole roll in memory. Records are numbered 1 to count(), in record order.
class MemberStore {
public:
    static constexpr int kCapacity = 10000;

    MemberStore() = default;
    MemberStore(const MemberStore &) = default;
    MemberStore(MemberStore &&) noexcept = default;
    // The records are replaced; the texts this store held are kept beside other's.
    MemberStore &operator=(const MemberStore &other);
    MemberStore &operator=(MemberStore &&other);

    int count() const { return static_cast<int>(records_.size()); }
    bool isFull() const { return count() >= kCapacity; }

    // n is 1-based: 1 <= n <= count().
    const MemberRecord &record(int n) const;
    MemberRecord &record(int n);
    const QString &field(int n, Field f) const { return record(n)[f]; }
    void setField(int n, Field f, const QString &value) { record(n)[f] = value; }

    // Appends a record as number count() + 1; false (and nothing changes) when full.
    bool append(MemberRecord record);
    // Appends an empty record and returns it, for a reader that fills it in place;
    // null (and nothing changes) when full.
    MemberRecord *appendEmpty();
    void replace(int n, MemberRecord record);

    // Orders the records by memberSortKey without regard to letter case. Records
    // with equal keys keep their relative order. Returns where every record went:
    // result[old] is its new number (result[0] is 0 and unused).
    std::vector<int> sortMembers();

    // Removes record n; later records move down one number.
    void removeMember(int n);

    // The text stays: values copied out of the store may still be views into it.
    void clear() { records_.clear(); }

    // Holds text for as long as the store lives, through clear(), reloads, and the
    // assignment of another store's records, and returns it; values may then be
    // views into it (QString::fromRawData) rather than copies. A copy of the store
    // shares the text. A value copied out of the store is valid while the store is.
    const QString &keepText(QString text);

    // Makes room for up to `records` records (at most kCapacity) at once, so that
    // loading a large roll does not regrow the table record by record.
    void reserve(int records);

private:
    void keepTexts(const std::vector<QString> &texts);

    std::vector<MemberRecord> records_;
    std::vector<QString> texts_;
};

}  // namespace tessaly
