#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

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

} // namespace tessaly::testing
