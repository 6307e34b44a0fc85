#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace tessaly::testing {

// A fresh start directory for one test, removed afterwards.
class TempRoll {
  public:
    TempRoll();
    QString dir() const { return dir_.path(); }
    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

  private:
    QTemporaryDir dir_;
};

// Runs act with the files this process writes capped at bytes: a disk that fills half way
// through a write, which unlike permissions stops root as well.
template <typename Act> void withFileSizeCap(rlim_t bytes, Act act)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit capped{bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &capped);
    act();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}

} // namespace tessaly::testing
