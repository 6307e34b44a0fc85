#include "license_rules/fcc_records.h"

#include "license_rules/call_sign_key.h"

#include <array>

namespace tessaly {

namespace {

// A field of a line, blanks around it left off.
std::string_view trimmed(std::string_view field)
{
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\r'))
        field.remove_suffix(1);
    return field;
}

// Splits line at '|' into at most fields.size() fields; returns how many it found.
template <std::size_t N>
std::size_t splitLine(std::string_view line, std::array<std::string_view, N> &fields)
{
    std::size_t count = 0;
    while (count < N) {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos) {
            fields[count++] = line;
            break;
        }
        fields[count++] = line.substr(0, bar);
        line.remove_prefix(bar + 1);
    }
    return count;
}

// A call sign of the file as callSignKey gives it, held without allocating. Call signs are
// short; a longer field is no call sign and matches nothing.
class CallKey {
  public:
    explicit CallKey(std::string_view field)
        : size_(callSignKey(field.data(), static_cast<qsizetype>(field.size()), bytes_,
                            sizeof bytes_))
    {
        if (size_ < 0)
            size_ = 0;
    }
    // A view of the key for a lookup; valid while this key lives.
    QByteArray view() const { return QByteArray::fromRawData(bytes_, size_); }
    QByteArray copy() const { return QByteArray(bytes_, size_); }
    bool empty() const { return size_ == 0; }

  private:
    char bytes_[16] = {};
    qsizetype size_ = 0;
};

QDate fccDate(std::string_view field)
{
    field = trimmed(field);
    if (field.empty())
        return {};
    return QDate::fromString(
        QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())),
        QStringLiteral("MM/dd/yyyy"));
}

qint64 identifier(std::string_view field)
{
    field = trimmed(field);
    if (field.empty() || field.size() > 18)
        return -1;
    qint64 value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

// AM: 1 "AM", 2 identifier, 5 call sign, 6 operator class, 16 previous call sign.
void FccRecords::takeAmateur(std::string_view line)
{
    std::array<std::string_view, 17> fields;
    const std::size_t count = splitLine(line, fields);
    if (trimmed(fields[0]) != "AM" || count < 16) {
        ++skipped_;
        return;
    }
    const CallKey call(fields[4]);
    const CallKey previous(fields[15]);
    const qint64 id = identifier(fields[1]);
    if (id < 0) {
        ++skipped_;
        return;
    }
    ++amateurRecords_;
    if (!calls_.contains(call.view()) && (previous.empty() || !calls_.contains(previous.view())))
        return;
    const std::string_view operatorClass = trimmed(fields[5]);
    amateur_.insert(id,
                    AmatData{call.copy(), operatorClass.size() == 1 ? operatorClass.front() : '\0',
                             previous.copy()});
}

// HD: 1 "HD", 2 identifier, 5 call sign, 6 status, 8 granted, 9 expires, 10 cancelled.
void FccRecords::takeHeader(std::string_view line)
{
    std::array<std::string_view, 11> fields;
    const std::size_t count = splitLine(line, fields);
    if (trimmed(fields[0]) != "HD" || count < 10) {
        ++skipped_;
        return;
    }
    const CallKey call(fields[4]);
    const qint64 id = identifier(fields[1]);
    if (call.empty() || id < 0) {
        ++skipped_;
        return;
    }
    ++headerRecords_;
    if (!calls_.contains(call.view()) && !amateur_.contains(id))
        return;
    FccLicense license;
    license.call = call.copy();
    const std::string_view status = trimmed(fields[5]);
    license.status = status.empty() ? 0 : status.front();
    license.granted = fccDate(fields[7]);
    license.expires = fccDate(fields[8]);
    license.cancelled = fccDate(fields[9]);
    headers_.insert(id, license);
}

std::vector<FccLicense> FccRecords::licenses() const
{
    std::vector<FccLicense> licenses;
    licenses.reserve(static_cast<std::size_t>(headers_.size()));
    for (auto header = headers_.cbegin(); header != headers_.cend(); ++header) {
        FccLicense license = header.value();
        const auto amateur = amateur_.constFind(header.key());
        if (amateur != amateur_.constEnd()) {
            license.operatorClass = amateur->operatorClass;
            license.previousCall = amateur->previousCall;
        }
        licenses.push_back(std::move(license));
    }
    return licenses;
}

} // namespace tessaly
