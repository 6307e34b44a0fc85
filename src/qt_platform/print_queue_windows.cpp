#include "qt_platform/print_queue.h"

#include <string>

#include <windows.h>
#include <winspool.h>

namespace tessaly {

namespace {

// The queue opened to be asked about, closed with the object.
class Printer {
  public:
    explicit Printer(const QString &queue)
    {
        std::wstring name = queue.toStdWString();
        PRINTER_DEFAULTSW defaults{};
        defaults.DesiredAccess = PRINTER_ACCESS_USE;
        if (!::OpenPrinterW(name.data(), &handle_, &defaults))
            handle_ = nullptr;
    }
    ~Printer()
    {
        if (handle_ != nullptr)
            ::ClosePrinter(handle_);
    }
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_ = nullptr;
};

// The spooler's two-call pattern: ask for the size, then for the data.
template <typename Ask> bool askSpooler(std::string &buffer, Ask ask)
{
    DWORD needed = 0;
    buffer.clear();
    if (ask(nullptr, 0, &needed))
        return true;
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0)
        return false;
    buffer.assign(needed, '\0');
    return ask(reinterpret_cast<BYTE *>(buffer.data()), needed, &needed) != 0;
}

JobState stateOf(DWORD status)
{
    if (status & (JOB_STATUS_DELETING | JOB_STATUS_DELETED | JOB_STATUS_ERROR))
        return JobState::Cancelled;
    if (status & (JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE))
        return JobState::Done;
    if (status & JOB_STATUS_PAUSED)
        return JobState::Held;
    if (status & (JOB_STATUS_OFFLINE | JOB_STATUS_PAPEROUT | JOB_STATUS_BLOCKED_DEVQ |
                  JOB_STATUS_USER_INTERVENTION))
        return JobState::Stopped;
    if (status & (JOB_STATUS_PRINTING | JOB_STATUS_SPOOLING))
        return JobState::Printing;
    return JobState::Queued;
}

} // namespace

std::optional<QueueState> queueState(const QString &queue)
{
    const Printer printer(queue);
    if (printer.get() == nullptr)
        return std::nullopt;
    std::string buffer;
    if (!askSpooler(buffer,
                    [&](BYTE *data, DWORD size, DWORD *needed) {
                        return ::GetPrinterW(printer.get(), 2, data, size, needed);
                    }) ||
        buffer.empty())
        return std::nullopt;
    const auto *info = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
    QueueState state;
    state.accepting = !(info->Status & PRINTER_STATUS_PENDING_DELETION);
    state.stopped = (info->Status & (PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE)) ||
                    (info->Attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE);
    return state;
}

std::optional<std::vector<QueueJob>> queueJobs(const QString &queue)
{
    const Printer printer(queue);
    if (printer.get() == nullptr)
        return std::nullopt;
    std::string buffer;
    DWORD count = 0;
    if (!askSpooler(buffer, [&](BYTE *data, DWORD size, DWORD *needed) {
            return ::EnumJobsW(printer.get(), 0, 0xFFFFFFFF, 1, data, size, needed, &count);
        }))
        return std::nullopt;
    std::vector<QueueJob> listed;
    const auto *jobs = reinterpret_cast<const JOB_INFO_1W *>(buffer.data());
    for (DWORD n = 0; !buffer.empty() && n < count; ++n) {
        QueueJob job;
        job.id = int(jobs[n].JobId);
        job.title =
            jobs[n].pDocument != nullptr ? QString::fromWCharArray(jobs[n].pDocument) : QString();
        job.state = stateOf(jobs[n].Status);
        listed.push_back(std::move(job));
    }
    return listed;
}

QString lastPrintSystemError()
{
    // The spooler's refusals reach Qt's print engine, which ends the document unfinished.
    return {};
}

} // namespace tessaly
