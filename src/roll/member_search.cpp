#include "roll/member_search.h"

#include <array>

namespace tessaly {

namespace {

constexpr Field kSearchedFields[] = {
    Field::Call,    Field::FirstName, Field::MiddleInitial, Field::LastName,
    Field::Address, Field::City,      Field::State,         Field::Zip,
    Field::Phone,   Field::Other,     Field::Email,         Field::LicenseClass,
};

// A letter without its accents, in simple (one to one) Unicode case folding: "René"
// is found by "rene" as by "RENE". Only the base letter of a canonical decomposition
// is kept, so letters such as ø or ß, which decompose to nothing, stay themselves.
char16_t foldSlowly(char16_t c)
{
    char16_t folded = c;
    for (;;) {
        const char32_t lower = QChar::toCaseFolded(static_cast<char32_t>(folded));
        if (lower <= 0xFFFF)
            folded = static_cast<char16_t>(lower);
        const QChar letter(folded);
        if (letter.decompositionTag() != QChar::Canonical)
            return folded;
        const QString parts = letter.decomposition();
        if (parts.isEmpty() || parts.at(0).unicode() == folded)
            return folded;
        folded = parts.at(0).unicode();
    }
}

// The letters a roll in Windows-1252 can hold, folded once.
constexpr char16_t kTableEnd = 0x2200;
const std::array<char16_t, kTableEnd> &foldTable()
{
    static const std::array<char16_t, kTableEnd> table = [] {
        std::array<char16_t, kTableEnd> t{};
        for (char16_t c = 0; c < kTableEnd; ++c)
            t[c] = foldSlowly(c);
        return t;
    }();
    return table;
}

// With a shortcut for ASCII, which is nearly all of a club roll. The search reruns on
// every keystroke over some 120,000 fields, so folding happens one code unit at a
// time, never by building folded copies of the fields.
inline char16_t fold(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    return c < kTableEnd ? foldTable()[c] : foldSlowly(c);
}

QString foldedText(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const char16_t *src = QStringView(text).utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = fold(src[i]);
    return out;
}

// needle is already folded and not empty.
bool containsFolded(QStringView haystack, QStringView needle)
{
    const qsizetype n = needle.size();
    if (n > haystack.size())
        return false;
    const char16_t *h = haystack.utf16();
    const char16_t *p = needle.utf16();
    const char16_t first = p[0];
    const qsizetype lastStart = haystack.size() - n;
    for (qsizetype i = 0; i <= lastStart; ++i) {
        if (fold(h[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < n && fold(h[i + k]) == p[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

bool matchesFolded(const MemberRecord &record, const QString &foldedNeedle)
{
    if (foldedNeedle.isEmpty()) {
        for (Field f : kSearchedFields) {
            if (!record[f].isEmpty())
                return true;
        }
        return false;
    }
    for (Field f : kSearchedFields) {
        if (containsFolded(record[f], foldedNeedle))
            return true;
    }
    return false;
}

} // namespace

bool matchesSearch(const MemberRecord &record, const QString &text)
{
    return matchesFolded(record, foldedText(text));
}

std::vector<int> searchMembers(const MemberStore &store, const QString &text)
{
    const QString needle = foldedText(text);
    std::vector<int> found;
    found.reserve(static_cast<std::size_t>(store.count()));
    for (int n = 1; n <= store.count(); ++n) {
        if (matchesFolded(store.record(n), needle))
            found.push_back(n);
    }
    return found;
}

std::vector<int> votingMembers(const MemberStore &store)
{
    std::vector<int> found;
    for (int n = 1; n <= store.count(); ++n) {
        if (isYes(store.field(n, Field::VotingMember)))
            found.push_back(n);
    }
    return found;
}

} // namespace tessaly
