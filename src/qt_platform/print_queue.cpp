#include "qt_platform/print_queue.h"

#include <algorithm>

namespace tessaly {

std::optional<int> newestJob(const QString &queue)
{
    const std::optional<std::vector<QueueJob>> jobs = queueJobs(queue);
    if (!jobs)
        return std::nullopt;
    int newest = 0;
    for (const QueueJob &job : *jobs)
        newest = std::max(newest, job.id);
    return newest;
}

JobFate jobFateAmong(const std::vector<QueueJob> &jobs, int after, const QString &title,
                     const std::optional<QueueState> &queue)
{
    const QueueJob *ours = nullptr;
    for (const QueueJob &job : jobs) {
        if (job.id > after && job.title == title && (ours == nullptr || job.id > ours->id))
            ours = &job;
    }
    // A print system that keeps no history has forgotten a job it finished at once.
    if (ours == nullptr)
        return JobFate::Taken;
    switch (ours->state) {
    case JobState::Cancelled:
        return JobFate::Refused;
    case JobState::Held:
    case JobState::Stopped:
        return JobFate::Waiting;
    case JobState::Queued:
        return queue && queue->stopped ? JobFate::Waiting : JobFate::Taken;
    case JobState::Printing:
    case JobState::Done:
        break;
    }
    return JobFate::Taken;
}

JobFate jobFate(const QString &queue, int after, const QString &title)
{
    const std::optional<std::vector<QueueJob>> jobs = queueJobs(queue);
    if (!jobs)
        return JobFate::Unknown;
    return jobFateAmong(*jobs, after, title, queueState(queue));
}

} // namespace tessaly
