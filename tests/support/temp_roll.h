#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

}  // namespace tessaly::testing
