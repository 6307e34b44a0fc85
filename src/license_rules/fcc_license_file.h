#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QDate>
#include <QSet>
#include <QString>

#include <functional>
#include <vector>

namespace tessaly {

// One license of the FCC's amateur license file, as much of it as the roll needs: its
// license header (HD.dat) joined with its amateur data (AM.dat) by the unique system
// identifier.
struct FccLicense {
    QByteArray call;         // the file's call sign as callSignKey gives it
    char status = 0;         // 'A' active, 'E' expired, 'C' cancelled, 'T' terminated, ...
    QDate granted;
    QDate expires;
    QDate cancelled;
    char operatorClass = 0;  // 'E', 'A', 'G', 'P', 'T', 'N'; 0 when AM.dat has none
    QByteArray previousCall; // the call sign before a vanity or systematic change
};

struct FccReading {
    Outcome outcome;                // Refused when the operator cancelled
    std::vector<FccLicense> licenses;
    int skippedLines = 0;           // lines with too few fields
    QDate fileDate;                 // when the FCC wrote HD.dat
};

// Called as the reading goes on with the bytes read of the total; false stops the reading.
using FccProgress = std::function<bool(qint64 done, qint64 total)>;

// The most either file may hold once inflated.
constexpr qint64 kFccMemberLimit = qint64(4) * 1024 * 1024 * 1024;

// Reads the licenses whose call sign, or whose previous call sign, is one of calls (as
// callSignKey gives them) from path: the FCC's l_amat.zip, read as a stream without
// extracting anything, or an HD.dat with its AM.dat beside it. Only what those licenses
// need is kept, so memory does not grow with the file. Failed, naming the file and what is
// wrong, for a file that is not a regular file, not a zip, lacks HD.dat or AM.dat, is
// damaged or cut off, or would inflate past kFccMemberLimit.
FccReading readFccLicenses(const QString &path, const QSet<QByteArray> &calls,
                           const FccProgress &progress = {},
                           qint64 memberLimit = kFccMemberLimit);

} // namespace tessaly
