#pragma once

#include "license_rules/fcc_license_file.h"

#include <QHash>

#include <string_view>

namespace tessaly {

// The records of AM.dat and HD.dat that the roll's call signs need, line by line, and the
// licenses they join into. A line that is no record of its file is skipped and counted.
class FccRecords {
  public:
    // calls: the roll's call signs as callSignKey gives them; they must outlive this.
    explicit FccRecords(const QSet<QByteArray> &calls) : calls_(calls) {}

    // AM: kept when its call sign or its previous call sign is one of calls.
    void takeAmateur(std::string_view line);
    // HD: kept when its call sign is one of calls or its license was kept from AM.dat, the
    // only file that holds a call sign given up for another; so every AM line must be taken
    // before the first HD line.
    void takeHeader(std::string_view line);
    // A line too damaged to be looked at (FccLineReader's overlong one).
    void skip() { ++skipped_; }

    // The records of each kind found, kept or not.
    int amateurRecords() const { return amateurRecords_; }
    int headerRecords() const { return headerRecords_; }
    int skippedLines() const { return skipped_; }

    // Each header kept, with the class and previous call sign of its license's amateur record.
    std::vector<FccLicense> licenses() const;

  private:
    struct AmatData {
        QByteArray call;
        char operatorClass = 0;
        QByteArray previousCall;
    };

    const QSet<QByteArray> &calls_;
    int skipped_ = 0;
    int amateurRecords_ = 0;
    int headerRecords_ = 0;
    QHash<qint64, AmatData> amateur_;
    QHash<qint64, FccLicense> headers_;
};

} // namespace tessaly
