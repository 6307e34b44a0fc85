#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

namespace tessaly::testing {

// A fresh start directory for one test, removed afterwards.
class TempRoll {
  public:
    TempRoll()
    {
        if (!dir_.isValid())
            throw std::runtime_error("cannot create a temporary directory");
    }
    QString dir() const { return dir_.path(); }
    QString path(const QString &name) const { return QDir(dir_.path()).filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write a test file");
    }
    // Empty when the file cannot be read.
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool exists(const QString &name) const { return QFile::exists(path(name)); }

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
