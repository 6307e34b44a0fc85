#include "bench_desktop.h"

#include "core/club_data_codec.h"
#include "core/club_data_file.h"

#include "bench_roll.h"

#include <QDir>
#include <QSaveFile>

namespace tessaly {

void writeRoll(const QString &directory, int members)
{
    QSaveFile file(QDir(directory).filePath(ClubDataFile::kFileName));
    file.open(QIODevice::WriteOnly);
    file.write(serializeClubData(generatedRoll(members)));
    file.commit();
}

} // namespace tessaly
