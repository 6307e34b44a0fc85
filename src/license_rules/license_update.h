#pragma once

#include "core/member_store.h"
#include "license_rules/fcc_license_file.h"

#include <QSet>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace tessaly {

// What the comparison of one member with the FCC's file has to say.
struct LicenseRow {
    enum class Kind {
        Change,     // a value the FCC file gives otherwise: Class or LicExp, ticked at first
        NewCall,    // the member's call sign became another one (a vanity change): not ticked
        NotFound,   // the file holds no such call sign (a member licensed abroad, say)
        NotCurrent, // the license expired, was cancelled or terminated: told under Lic Exp
    };
    Kind kind = Kind::Change;
    int record = 0;
    QString name; // "First Last"
    QString call; // as the roll writes it
    Field field = Field::Call;
    QString rollValue;
    QString fccValue; // the value proposed, or what the file says of the license
    bool ticked = false;

    bool proposes() const { return kind == Kind::Change || kind == Kind::NewCall; }
};

// The call signs of the roll in the form they are matched in (callSignKey).
QSet<QByteArray> rollCallSigns(const MemberStore &store);

// The letter of the operator class a roll value names, in any of its usual names and any
// letter case ("Gen", "general", "G" -> 'G'); 0 for anything else.
char operatorClassOf(const QString &value);

// The rows of the preview, member by member in record order: the class and the license
// expiration date where the FCC file differs, a new call sign after a vanity change, and
// members whose call sign the file does not hold or whose license is no longer current.
// A proposed class is written the way the roll most often writes that class. today completes
// a roll date written without its year.
std::vector<LicenseRow> licenseRows(const MemberStore &store,
                                    const std::vector<FccLicense> &licenses, const QDate &today);

// The members changed by the ticked rows: record number and the member with every ticked
// value put in. Nothing but Call, Class and LicExp is ever changed.
std::vector<std::pair<int, MemberRecord>> tickedChanges(const MemberStore &store,
                                                        const std::vector<LicenseRow> &rows);

} // namespace tessaly
