#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace tessaly::testing {

#ifdef _WIN32
// The system's own words for an error, as the file seam passes them on: FormatMessage's,
// without the final full stop.
inline QString systemWords(DWORD error)
{
    wchar_t text[512] = {};
    ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                     text, 512, nullptr);
    QString words = QString::fromWCharArray(text).trimmed();
    while (words.endsWith(u'.'))
        words.chop(1);
    return words;
}
#endif

// The system's own words for a file that is not there.
inline QString noSuchFileReason()
{
#ifdef _WIN32
    return systemWords(ERROR_FILE_NOT_FOUND);
#else
    return QStringLiteral("No such file or directory");
#endif
}

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
    // The path as messages name it: with backslashes on Windows.
    QString shown(const QString &name) const { return QDir::toNativeSeparators(path(name)); }
    QString shownDir() const { return QDir::toNativeSeparators(dir()); }
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
