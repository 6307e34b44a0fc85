#pragma once

#include "core/member_record.h"

#include <vector>

namespace tessaly {

// The whole roll in memory. Records are numbered 1 to count(), in record order.
class MemberStore {
public:
    static constexpr int kCapacity = 10000;

    int count() const { return static_cast<int>(records_.size()); }
    bool isFull() const { return count() >= kCapacity; }

    // n is 1-based: 1 <= n <= count().
    const MemberRecord &record(int n) const;
    MemberRecord &record(int n);
    const QString &field(int n, Field f) const { return record(n)[f]; }
    void setField(int n, Field f, const QString &value) { record(n)[f] = value; }

    // Appends a record as number count() + 1; false (and nothing changes) when full.
    bool append(MemberRecord record);
    void replace(int n, MemberRecord record);

    // Orders the records by memberSortKey without regard to letter case. Records
    // with equal keys keep their relative order. Returns where every record went:
    // result[old] is its new number (result[0] is 0 and unused).
    std::vector<int> sortMembers();

    // Removes record n; later records move down one number.
    void removeMember(int n);

    void clear() { records_.clear(); }

    // Makes room for up to `records` records (at most kCapacity) at once, so that
    // loading a large roll does not regrow the table record by record.
    void reserve(int records);

private:
    std::vector<MemberRecord> records_;
};

}  // namespace tessaly
