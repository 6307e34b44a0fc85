#include "license_rules/fcc_license_file.h"
#include "license_rules/license_update.h"

#include "bench_roll.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zip.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaly {
namespace {

// As many licenses as the FCC's weekly file holds.
constexpr int kLicenses = 1'500'000;

QByteArray callSign(int n)
{
    // Two letters, a district digit, three letters: distinct for every n below 26^5 * 10.
    const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QByteArray call;
    call += letters[n % 26];
    call += letters[(n / 26) % 26];
    call += char('0' + (n / 676) % 10);
    call += letters[(n / 6760) % 26];
    call += letters[(n / 175760) % 26];
    call += letters[(n / 4569760) % 26];
    return call;
}

// l_amat.zip with HD.dat and AM.dat of the real file's shape: an HD line of 51 fields and an
// AM line of 18 per license, one license in ten with an older, expired record beside it.
class FccFiles {
  public:
    FccFiles()
    {
        const QString hdPath = dir_.filePath(QStringLiteral("HD.dat"));
        const QString amPath = dir_.filePath(QStringLiteral("AM.dat"));
        QFile hd(hdPath), am(amPath);
        if (!hd.open(QIODevice::WriteOnly) || !am.open(QIODevice::WriteOnly))
            return;
        QByteArray hdChunk, amChunk;
        const char classes[] = "EAGPTN";
        int id = 1;
        for (int n = 0; n < kLicenses; ++n, ++id) {
            const QByteArray call = callSign(n);
            const QByteArray ident = QByteArray::number(id);
            if (n % 10 == 0) {
                hdChunk += "HD|" + ident + "|0000" + ident + "||" + call +
                           "|E|HA|01/01/2000|01/01/2010||||||||||||||||||||||||||||||||||||||||||\r\n";
                amChunk += "AM|" + ident + "|0000" + ident + "||" + call + "|T|D|6||||||||||\r\n";
                ++id;
            }
            const QByteArray next = QByteArray::number(id);
            hdChunk += "HD|" + next + "|0000" + next + "|A" + next.right(4) + '|' + call +
                       "|A|HA|03/15/2021|03/15/2031|||||N||||||N|N|N|||||||||||||||||||||||||||||||"
                       "03/16/2021|\r\n";
            amChunk += "AM|" + next + "|0000" + next + "||" + call + '|' + classes[n % 6] +
                       "|D|6||||||||||\r\n";
            if (hdChunk.size() > (8 << 20)) {
                hd.write(hdChunk);
                am.write(amChunk);
                hdChunk.clear();
                amChunk.clear();
            }
        }
        hd.write(hdChunk);
        am.write(amChunk);
        hd.close();
        am.close();

        int error = 0;
        zip_t *archive = zip_open(QFile::encodeName(zipPath()).constData(), ZIP_CREATE | ZIP_TRUNCATE,
                                  &error);
        for (const QString &path : {hdPath, amPath}) {
            zip_source_t *source =
                zip_source_file(archive, QFile::encodeName(path).constData(), 0, -1);
            zip_file_add(archive, QFile::encodeName(QFileInfo(path).fileName()).constData(), source, 0);
        }
        ready_ = zip_close(archive) == 0;
        QFile::remove(hdPath);
        QFile::remove(amPath);
    }

    bool ready() const { return ready_; }
    QString zipPath() const { return dir_.filePath(QStringLiteral("l_amat.zip")); }

  private:
    QTemporaryDir dir_;
    bool ready_ = false;
};

const FccFiles &fccFiles()
{
    static const FccFiles files;
    return files;
}

// A full roll whose call signs are spread over the file, one in twenty not in it.
MemberStore rollOfCallSigns(int members)
{
    MemberStore store = generatedRoll(members);
    for (int record = 1; record <= store.count(); ++record)
        store.setField(record, Field::Call,
                       record % 20 == 0 ? QStringLiteral("VE3X%1").arg(record)
                                        : QString::fromLatin1(callSign(record * 149)));
    return store;
}

std::size_t wholeUpdate(const QString &zip, const MemberStore &store)
{
    const FccReading reading = readFccLicenses(zip, rollCallSigns(store));
    return licenseRows(store, reading.licenses, QDate(2026, 12, 7)).size();
}

// The yardstick: unzip inflating the same two members of the same zip to nowhere.
void BM_FccUnzipInflate(benchmark::State &state)
{
    if (!fccFiles().ready()) {
        state.SkipWithError("the FCC files could not be made");
        return;
    }
    for (auto _ : state) {
        QProcess unzip;
        unzip.setStandardOutputFile(QProcess::nullDevice());
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), fccFiles().zipPath(),
                                              QStringLiteral("HD.dat"), QStringLiteral("AM.dat")});
        if (!unzip.waitForFinished(-1) || unzip.exitCode() != 0)
            state.SkipWithError("unzip -p failed (is unzip installed?)");
    }
}
BENCHMARK(BM_FccUnzipInflate)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The whole update at a full roll: the zip read as a stream, the licenses joined, the roll
// matched and the preview's rows built. The peak memory is that of a child process that does
// only this, started from a process that holds nothing but the roll.
void BM_FccLicenseUpdate(benchmark::State &state)
{
    if (!fccFiles().ready()) {
        state.SkipWithError("the FCC files could not be made");
        return;
    }
    const MemberStore store = rollOfCallSigns(static_cast<int>(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state)
        rows = wholeUpdate(fccFiles().zipPath(), store);
    state.counters["rows"] = static_cast<double>(rows);

    const pid_t child = fork();
    if (child == 0) {
        wholeUpdate(fccFiles().zipPath(), store);
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child)
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_FccLicenseUpdate)
    ->ArgName("members")
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
} // namespace tessaly
