#include "core/state_codes.h"

namespace tessaly {

const QStringList &stateCodes()
{
    static const QStringList codes = {
        QStringLiteral("AK"), QStringLiteral("AL"), QStringLiteral("AR"), QStringLiteral("AZ"),
        QStringLiteral("CA"), QStringLiteral("CO"), QStringLiteral("CT"), QStringLiteral("DE"),
        QStringLiteral("FL"), QStringLiteral("GA"), QStringLiteral("HI"), QStringLiteral("IA"),
        QStringLiteral("ID"), QStringLiteral("IL"), QStringLiteral("IN"), QStringLiteral("KS"),
        QStringLiteral("KY"), QStringLiteral("LA"), QStringLiteral("MA"), QStringLiteral("MD"),
        QStringLiteral("ME"), QStringLiteral("MI"), QStringLiteral("MN"), QStringLiteral("MO"),
        QStringLiteral("MS"), QStringLiteral("MT"), QStringLiteral("NC"), QStringLiteral("ND"),
        QStringLiteral("NE"), QStringLiteral("NH"), QStringLiteral("NJ"), QStringLiteral("NM"),
        QStringLiteral("NV"), QStringLiteral("NY"), QStringLiteral("OH"), QStringLiteral("OK"),
        QStringLiteral("OR"), QStringLiteral("PA"), QStringLiteral("RI"), QStringLiteral("SC"),
        QStringLiteral("SD"), QStringLiteral("TN"), QStringLiteral("TX"), QStringLiteral("UT"),
        QStringLiteral("VA"), QStringLiteral("VT"), QStringLiteral("WA"), QStringLiteral("WI"),
        QStringLiteral("WV"), QStringLiteral("WY"),
    };
    return codes;
}

QString firstStateCodeWithPrefix(const QString &prefix)
{
    // No code is longer than two letters, and an empty prefix would name no state at all.
    if (prefix.isEmpty() || prefix.size() > 2)
        return {};
    for (const QString &code : stateCodes()) {
        if (code.startsWith(prefix, Qt::CaseInsensitive))
            return code;
    }
    return {};
}

} // namespace tessaly
