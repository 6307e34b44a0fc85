#include "qt_platform/print_queue.h"

#include <cups/cups.h>

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

std::optional<std::vector<QueueJob>> queueJobs(const QString &queue)
{
    const Jobs jobs(queue);
    if (!jobs.answered())
        return std::nullopt;
    std::vector<QueueJob> listed;
    for (const cups_job_t &job : jobs) {
        QueueJob entry;
        entry.id = job.id;
        entry.title = QString::fromUtf8(job.title);
        switch (job.state) {
        case IPP_JSTATE_PENDING:
            entry.state = JobState::Queued;
            break;
        case IPP_JSTATE_HELD:
            entry.state = JobState::Held;
            break;
        case IPP_JSTATE_STOPPED:
            entry.state = JobState::Stopped;
            break;
        case IPP_JSTATE_PROCESSING:
            entry.state = JobState::Printing;
            break;
        case IPP_JSTATE_ABORTED:
        case IPP_JSTATE_CANCELED:
            entry.state = JobState::Cancelled;
            break;
        case IPP_JSTATE_COMPLETED:
        default:
            entry.state = JobState::Done;
            break;
        }
        listed.push_back(std::move(entry));
    }
    return listed;
}

QString lastPrintSystemError()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace tessaly
