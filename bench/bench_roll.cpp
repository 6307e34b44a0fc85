#include "bench_roll.h"

#include <QRandomGenerator>
#include <QStringList>

namespace tessaly {
namespace {

QString pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices[static_cast<qsizetype>(random.bounded(static_cast<int>(choices.size())))];
}

} // namespace

void atRollSizes(benchmark::internal::Benchmark *bench)
{
    bench->ArgName("members")->Arg(1000)->Arg(MemberStore::kCapacity);
}

MemberStore generatedRoll(int count)
{
    static const QStringList firsts = {
        QStringLiteral("John"),     QStringLiteral("Mary"),      QStringLiteral("Robert"),
        QStringLiteral("Patricia"), QStringLiteral("Michael"),   QStringLiteral("Linda"),
        QStringLiteral("William"),  QStringLiteral("Elizabeth"), QStringLiteral("José"),
        QStringLiteral("Chris"),
    };
    static const QStringList lasts = {
        QStringLiteral("Smith"),    QStringLiteral("Johnson"),  QStringLiteral("Williams"),
        QStringLiteral("Brown"),    QStringLiteral("Jones"),    QStringLiteral("Garcia"),
        QStringLiteral("Miller"),   QStringLiteral("Davis"),    QStringLiteral("Rodriguez"),
        QStringLiteral("O'Connor"), QStringLiteral("van Dyke"), QStringLiteral("Nguyen"),
    };
    static const QStringList streets = {
        QStringLiteral("Main Street"),    QStringLiteral("Oak Avenue"),
        QStringLiteral("Maple Dr."),      QStringLiteral("County Road 12"),
        QStringLiteral("Elm St, Apt 4B"),
    };
    static const QStringList cities = {
        QStringLiteral("Springfield"), QStringLiteral("Newington"), QStringLiteral("Fairview"),
        QStringLiteral("Georgetown"),  QStringLiteral("Salem"),
    };
    static const QStringList notes = {
        QString(),
        QStringLiteral("golf"),
        QStringLiteral("church, field day"),
        QStringLiteral("VE team\r\nnet control Tuesdays"),
        QStringLiteral("emergency comms"),
    };
    static const QStringList classes = {QStringLiteral("Technician"), QStringLiteral("General"),
                                        QStringLiteral("Extra")};

    QRandomGenerator random(2024);
    MemberStore store;
    for (int i = 0; i < count; ++i) {
        MemberRecord r;
        r[Field::Call] = QStringLiteral("K%1%2")
                             .arg(random.bounded(10))
                             .arg(QString::number(random.bounded(17576), 36).toUpper());
        r[Field::FirstName] = pick(random, firsts);
        r[Field::MiddleInitial] = QString(QChar(u'A' + random.bounded(26)));
        r[Field::LastName] = pick(random, lasts) + QString::number(i);
        r[Field::Address] =
            QStringLiteral("%1 %2").arg(random.bounded(1, 9999)).arg(pick(random, streets));
        if (random.bounded(5) == 0)
            r[Field::Address] += QStringLiteral("\r\nPO Box %1").arg(random.bounded(999));
        r[Field::City] = pick(random, cities);
        r[Field::State] = QStringLiteral("CT");
        r[Field::Zip] =
            QStringLiteral("%1").arg(random.bounded(1000, 99999), 5, 10, QLatin1Char('0'));
        r[Field::Phone] =
            QStringLiteral("860-555-%1").arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
        r[Field::Other] = pick(random, notes);
        r[Field::Email] = r[Field::Call].toLower() + QStringLiteral("@arrl.net");
        r[Field::ClubExpires] = QStringLiteral("12/31/2026");
        r[Field::Joined] = QStringLiteral("%1/%2/%3")
                               .arg(random.bounded(1, 13))
                               .arg(random.bounded(1, 29))
                               .arg(random.bounded(1970, 2026));
        r[Field::LicenseClass] = pick(random, classes);
        r[Field::LicenseExpires] = QStringLiteral("6/1/2031");
        r[Field::ArrlMember] = random.bounded(2) ? QStringLiteral("Y") : QStringLiteral("N");
        r[Field::VotingMember] = random.bounded(2) ? QStringLiteral("Y") : QStringLiteral("N");
        r[Field::DuesPaid] = random.bounded(2) ? QStringLiteral("Y") : QStringLiteral("N");
        r[Field::Dob] = QStringLiteral("%1/%2/%3")
                            .arg(random.bounded(1, 13))
                            .arg(random.bounded(1, 29))
                            .arg(random.bounded(1930, 2010));
        store.append(std::move(r));
    }
    store.sortMembers();
    return store;
}

} // namespace tessaly
