#include "help/help_file.h"

#include "core/file_system.h"
#include "core/text_codec.h"

#include <QDir>
#include <QFileInfo>

namespace tessaly {

const QString kHelpFileName = QStringLiteral("readtess.txt");
const QString kHelpCopyFileName = QStringLiteral("HelpACL.txt");

QString readHelpText(const QString &directory, Outcome *failure)
{
    QByteArray bytes;
    const Outcome read =
        readWholeFile(QDir(directory).filePath(kHelpFileName), bytes, kLargestHelpTextBytes);
    if (failure != nullptr)
        *failure = read;
    return read.ok() ? decodeWindows1252(bytes) : QString();
}

QString helpPageText(const QString &directory)
{
    Outcome failure;
    const QString text = readHelpText(directory, &failure);
    if (failure.ok() || !QFileInfo::exists(QDir(directory).filePath(kHelpFileName)))
        return text;
    return QStringLiteral("The help page cannot be shown: %1.").arg(failure.reason);
}

QByteArray helpCopyBytes(const QString &text)
{
    QByteArray bytes("\"");
    bytes += encodeWindows1252(text);
    bytes += "\"\r\n";
    return bytes;
}

Outcome writeHelpCopy(const QString &directory, const QString &text)
{
    return writeWholeFile(QDir(directory).filePath(kHelpCopyFileName), helpCopyBytes(text));
}

} // namespace tessaly
