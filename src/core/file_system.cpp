#include "core/file_system.h"

#include <tuple>

namespace tessaly {

QString sizeLimitText(qint64 bytes)
{
    constexpr qint64 kKilobyte = 1024, kMegabyte = 1024 * 1024, kGigabyte = 1024 * kMegabyte;
    if (bytes > 0 && bytes % kGigabyte == 0)
        return QStringLiteral("%1 GB").arg(bytes / kGigabyte);
    if (bytes > 0 && bytes % kMegabyte == 0)
        return QStringLiteral("%1 MB").arg(bytes / kMegabyte);
    if (bytes > 0 && bytes % kKilobyte == 0)
        return QStringLiteral("%1 KB").arg(bytes / kKilobyte);
    return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
}

bool DiskStamp::operator==(const DiskStamp &o) const
{
    return std::tie(exists, device, inode, size, modified, changed) ==
           std::tie(o.exists, o.device, o.inode, o.size, o.modified, o.changed);
}

} // namespace tessaly
