#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <zip.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace tessaly::testing {

// One HD.dat line: identifier, call sign, status and the three dates; the fields the
// program does not read are there, empty, as in the FCC's file.
inline QByteArray hdLine(int id, const char *call, char status, const char *granted = "",
                         const char *expires = "", const char *cancelled = "")
{
    return "HD|" + QByteArray::number(id) + "|0000" + QByteArray::number(id) + "||" + call + '|' +
           status + "|HA|" + granted + '|' + expires + '|' + cancelled + "|||||||||||\r\n";
}

// One AM.dat line: identifier, call sign, operator class and the previous call sign.
inline QByteArray amLine(int id, const char *call, const char *operatorClass,
                         const char *previousCall = "")
{
    return "AM|" + QByteArray::number(id) + "|0000" + QByteArray::number(id) + "||" + call + '|' +
           operatorClass + "|D|6||||||||" + previousCall + "||\r\n";
}

// Writes a zip at path with these members; stored, not deflated, when asked, so that a test
// can find a member's bytes in the file.
inline void writeZip(const QString &path,
                     const std::vector<std::pair<const char *, QByteArray>> &members,
                     bool stored = false)
{
    int error = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        throw std::runtime_error("zip_open failed");
    for (const auto &[name, bytes] : members) {
        zip_source_t *source = zip_source_buffer(archive, bytes.constData(),
                                                 static_cast<zip_uint64_t>(bytes.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
        if (index < 0)
            throw std::runtime_error("zip_file_add failed");
        if (stored)
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("zip_close failed");
}

} // namespace tessaly::testing
