#pragma once

#include "core/member_record.h"
#include "core/member_store.h"

#include <QHash>
#include <QString>

namespace tessaly {

// Who a new row is already on the roll as. Two members are the same when they have
// the same call sign and name, or the same name and street address; letter case,
// blanks and line breaks do not count. A name is first and last name, the last name
// not empty; an empty call sign or address matches nothing.
class DuplicateIndex {
  public:
    // The members of the roll, each tagged with its record number.
    explicit DuplicateIndex(const MemberStore &roll);

    // The tag of the first entry the member matches, 0 when none.
    int find(const MemberRecord &member) const;

    // Takes a member in under a tag of the caller's (not 0), unless its keys are taken.
    void add(const MemberRecord &member, int tag);

  private:
    QHash<QString, int> keys_;
};

// The record of the roll the member is already on it as, 0 when none: what
// DuplicateIndex(roll).find(member) answers, for one member, without building the index.
int findDuplicate(const MemberStore &roll, const MemberRecord &member);

} // namespace tessaly
