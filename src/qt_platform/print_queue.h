#pragma once

#include <QString>

#include <optional>

namespace tessaly {

// What the print system itself says of a queue and of the jobs in it. Qt hands a finished
// document over and keeps quiet about what became of it; these ask.
struct QueueState {
    bool accepting = true; // false: the queue refuses every new job
    bool stopped = false;  // the queue holds its jobs until it is started again
};

// nullopt when the print system does not answer.
std::optional<QueueState> queueState(const QString &queue);

// The highest job number the queue has had; 0 for none, nullopt when there is no answer.
std::optional<int> newestJob(const QString &queue);

enum class JobFate {
    Taken,   // printing, printed, or queued on a running printer
    Waiting, // held, or queued on a stopped printer
    Refused, // aborted or cancelled by the print system
    Unknown, // the print system did not answer
};

// What became of the newest job after job `after` titled title.
JobFate jobFate(const QString &queue, int after, const QString &title);

// The print system's own word on the last request of this thread; empty when it went well.
QString lastPrintSystemError();

} // namespace tessaly
