#include "license_rules/fcc_line_reader.h"

namespace tessaly {

namespace {

std::string_view viewOf(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool blank(std::string_view line)
{
    return line.find_first_not_of(" \r") == std::string_view::npos;
}

} // namespace

void FccLineReader::feed(std::string_view rest)
{
    for (;;) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            break;
        if (skippingLongLine_) {
            skippingLongLine_ = false;
        } else if (carry_.isEmpty()) {
            deliver(rest.substr(0, end));
        } else {
            carry_.append(rest.data(), static_cast<qsizetype>(end));
            deliver(viewOf(carry_));
            carry_.clear();
        }
        rest.remove_prefix(end + 1);
    }
    if (!skippingLongLine_)
        carry_.append(rest.data(), static_cast<qsizetype>(rest.size()));
    if (carry_.size() > kLongestFccLine) {
        carry_.clear();
        skippingLongLine_ = true;
        sink_.overlong();
    }
}

void FccLineReader::finish()
{
    if (!carry_.isEmpty())
        deliver(viewOf(carry_));
    carry_.clear();
    skippingLongLine_ = false;
}

void FccLineReader::deliver(std::string_view line)
{
    if (blank(line))
        return;
    if (line.size() > static_cast<std::size_t>(kLongestFccLine))
        sink_.overlong();
    else
        sink_.line(line);
}

} // namespace tessaly
