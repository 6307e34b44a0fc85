#include "help/help_texts.h"

#include "core/text_codec.h"
#include "core/whole_file.h"

#include <QDir>
#include <QFile>

namespace tessaly {

const QString kHelpFileName = QStringLiteral("readtess.txt");
const QString kHelpCopyFileName = QStringLiteral("HelpACL.txt");

QString readHelpText(const QString &directory)
{
    QFile file(QDir(directory).filePath(kHelpFileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return decodeWindows1252(bytes);
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
