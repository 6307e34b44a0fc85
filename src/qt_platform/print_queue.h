#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tessaly {

// What the print system itself says of a queue and of the jobs in it. Qt hands a finished
// document over and keeps quiet about what became of it; these ask. The answers come from
// the system's own print service (CUPS, the Windows spooler), one implementation a system;
// what they mean for a job is decided here, the same on every system.

struct QueueState {
    bool accepting = true; // false: the queue refuses every new job
    bool stopped = false;  // the queue holds its jobs until it is started again (paused, offline)
};

// A job as the print system lists it.
enum class JobState {
    Queued,    // waiting its turn
    Held,      // held or paused by itself, until released
    Stopped,   // stopped by a fault of the printer (paper out, jammed, offline)
    Printing,  // being spooled or printed
    Done,      // printed
    Cancelled, // cancelled or aborted by the print system or a user
};

struct QueueJob {
    int id = 0;
    QString title; // the document's name, as the printer was given it
    JobState state = JobState::Queued;
};

// nullopt when the print system does not answer.
std::optional<QueueState> queueState(const QString &queue);
std::optional<std::vector<QueueJob>> queueJobs(const QString &queue);

// The print system's own word on the last request of this thread; empty when it went well.
QString lastPrintSystemError();

// The highest job number the queue has had; 0 for none, nullopt when there is no answer.
std::optional<int> newestJob(const QString &queue);

enum class JobFate {
    Taken,   // printing, printed, or queued on a running printer
    Waiting, // held, or queued on a stopped printer
    Refused, // aborted or cancelled by the print system
    Unknown, // the print system did not answer
};

// What became of the newest job after job `after` titled title, among the jobs a queue in
// the given state listed.
JobFate jobFateAmong(const std::vector<QueueJob> &jobs, int after, const QString &title,
                     const std::optional<QueueState> &queue);

// The same, asking the print system.
JobFate jobFate(const QString &queue, int after, const QString &title);

} // namespace tessaly
