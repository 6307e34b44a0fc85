#include "roll/address_file.h"

#include "core/club_data_file.h"
#include "core/file_system.h"
#include "core/text_codec.h"

#include <QDir>

namespace tessaly {

const QString kAddressFileName = QStringLiteral("Address.txt");

Outcome writeAddressFile(const QString &directory, const QString &text)
{
    return writeWholeFile(QDir(directory).filePath(kAddressFileName), encodeWindows1252(text),
                          rollDataPermissions(directory));
}

} // namespace tessaly
