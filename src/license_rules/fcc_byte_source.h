#pragma once

#include "core/outcome.h"

#include <QDate>
#include <QString>

#include <memory>

namespace tessaly {

// The bytes of one of the FCC's files as they are read: an extracted HD.dat or AM.dat, or one
// of them inside l_amat.zip, inflated on the way.
class FccByteSource {
  public:
    virtual ~FccByteSource() = default;
    // Bytes read into buffer, 0 at the end; -1 after a failure, which reason() tells.
    virtual qint64 read(char *buffer, qint64 size) = 0;
    QString reason() const { return reason_; }

  protected:
    QString reason_;
};

// The FCC's two files, in l_amat.zip or as taken out of it, opened and found, each to be
// read from its start. Every call to the system about the files is made here.
class FccFilePair {
  public:
    enum class Member { Amateur, Header }; // AM.dat, HD.dat

    virtual ~FccFilePair() = default;

    // Opens path: l_amat.zip (known by its first bytes or its name), or an HD.dat or AM.dat
    // with the other beside it. Null, with failure naming the file and what is wrong, for a
    // file that is not a regular file, not a zip, lacks HD.dat or AM.dat, or holds one that
    // says it would inflate past limit.
    static std::unique_ptr<FccFilePair> open(const QString &path, qint64 limit, Outcome &failure);

    // The bytes of both files, as far as they are known before reading.
    qint64 total() const { return total_; }
    // When the FCC wrote HD.dat; invalid when the zip does not say.
    virtual QDate fileDate() const = 0;
    // The file that a failure in member names, and the words it begins with
    // ("l_amat.zip: HD.dat", "HD.dat").
    virtual QString file(Member member) const = 0;
    virtual QString name(Member member) const = 0;
    // How a member past the limit is told: "would inflate to more than", "is larger than".
    virtual QString excess() const = 0;
    // The bytes of member, once; null with failure set when they cannot be had.
    virtual std::unique_ptr<FccByteSource> bytes(Member member, Outcome &failure) = 0;

  protected:
    qint64 total_ = 0;
};

} // namespace tessaly
