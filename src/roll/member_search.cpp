#include "roll/member_search.h"

namespace tessaly {

namespace {

constexpr Field kSearchedFields[] = {
    Field::Call,    Field::FirstName, Field::MiddleInitial, Field::LastName,
    Field::Address, Field::City,      Field::State,         Field::Zip,
    Field::Phone,   Field::Other,     Field::Email,         Field::LicenseClass,
};

// Simple (one to one) Unicode case folding, with a shortcut for ASCII, which is
// nearly all of a club roll. The search reruns on every keystroke over some
// 120,000 fields, so folding happens one code unit at a time, never by building
// folded copies of the fields.
inline char16_t fold(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    const char32_t folded = QChar::toCaseFolded(static_cast<char32_t>(c));
    return folded <= 0xFFFF ? static_cast<char16_t>(folded) : c;
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
