#include "qt_platform/print_queue.h"

#include <cups/cups.h>

#include <algorithm>

namespace tessaly {

namespace {

// The queue's destination entry, freed with the list it came from.
class Destinations {
  public:
    Destinations() : count_(cupsGetDests2(CUPS_HTTP_DEFAULT, &list_)) {}
    ~Destinations() { cupsFreeDests(count_, list_); }
    Destinations(const Destinations &) = delete;
    Destinations &operator=(const Destinations &) = delete;

    cups_dest_t *find(const QString &queue) const
    {
        return cupsGetDest(queue.toUtf8().constData(), nullptr, count_, list_);
    }

  private:
    cups_dest_t *list_ = nullptr;
    int count_;
};

class Jobs {
  public:
    explicit Jobs(const QString &queue)
        : count_(cupsGetJobs2(CUPS_HTTP_DEFAULT, &list_, queue.toUtf8().constData(), 0,
                              CUPS_WHICHJOBS_ALL))
    {
    }
    ~Jobs() { cupsFreeJobs(count_ < 0 ? 0 : count_, list_); }
    Jobs(const Jobs &) = delete;
    Jobs &operator=(const Jobs &) = delete;

    bool answered() const { return count_ >= 0; }
    const cups_job_t *begin() const { return list_; }
    const cups_job_t *end() const { return list_ + (count_ < 0 ? 0 : count_); }

  private:
    cups_job_t *list_ = nullptr;
    int count_;
};

} // namespace

std::optional<QueueState> queueState(const QString &queue)
{
    const Destinations destinations;
    const cups_dest_t *dest = destinations.find(queue);
    if (dest == nullptr)
        return std::nullopt;
    const char *accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    QueueState result;
    result.accepting = accepting == nullptr || qstrcmp(accepting, "false") != 0;
    result.stopped = state != nullptr && QByteArray(state).toInt() == IPP_PSTATE_STOPPED;
    return result;
}

std::optional<int> newestJob(const QString &queue)
{
    const Jobs jobs(queue);
    if (!jobs.answered())
        return std::nullopt;
    int newest = 0;
    for (const cups_job_t &job : jobs)
        newest = std::max(newest, job.id);
    return newest;
}

JobFate jobFate(const QString &queue, int after, const QString &title)
{
    const Jobs jobs(queue);
    if (!jobs.answered())
        return JobFate::Unknown;
    const cups_job_t *ours = nullptr;
    const QByteArray wanted = title.toUtf8();
    for (const cups_job_t &job : jobs) {
        if (job.id > after && wanted == job.title && (ours == nullptr || job.id > ours->id))
            ours = &job;
    }
    // A print system that keeps no history has forgotten a job it finished at once.
    if (ours == nullptr)
        return JobFate::Taken;
    switch (ours->state) {
    case IPP_JSTATE_ABORTED:
    case IPP_JSTATE_CANCELED:
        return JobFate::Refused;
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_STOPPED:
        return JobFate::Waiting;
    case IPP_JSTATE_PENDING: {
        const std::optional<QueueState> state = queueState(queue);
        return state && state->stopped ? JobFate::Waiting : JobFate::Taken;
    }
    default:
        return JobFate::Taken;
    }
}

QString lastPrintSystemError()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace tessaly
