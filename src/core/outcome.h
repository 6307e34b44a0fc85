#pragma once

#include <QString>

namespace tessaly {

// How an operation on the roll or one of its files ended. Every load, save and
// export reports through this one type, so that each window words a failure the
// same way: which file, and why.
struct Outcome {
    enum class Status {
        Done,
        Refused, // nothing was changed or written; reason says why
        Failed,  // a file could not be read or written; the file on disk is as it was
    };

    Status status = Status::Done;
    QString file;   // the file involved, when Failed
    QString reason; // for the operator, when not Done

    bool ok() const { return status == Status::Done; }
    bool failed() const { return status == Status::Failed; }

    static Outcome done() { return {}; }
    static Outcome refused(const QString &reason) { return {Status::Refused, {}, reason}; }
    static Outcome failure(const QString &file, const QString &reason)
    {
        return {Status::Failed, file, reason};
    }
};

} // namespace tessaly
