#include "app/app_icon.h"

namespace tessaly {

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tessaly
