#include "temp_roll.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace tessaly::testing {

TempRoll::TempRoll()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary directory");
}

QString TempRoll::path(const QString &name) const
{
    return QDir(dir_.path()).filePath(name);
}

void TempRoll::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray TempRoll::read(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempRoll::exists(const QString &name) const
{
    return QFile::exists(path(name));
}

} // namespace tessaly::testing
