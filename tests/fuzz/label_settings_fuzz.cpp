// Whatever labelrcp.dat holds, a layout the reader accepts is one the writer can put
// back: the line it writes reads again, and the layout read from it writes the same line.
#include "label_rules/label_settings.h"

#include "fuzz_check.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <string>

using namespace tessaly;

namespace {

// Leading and trailing zeros and the point are not significant: "1000" and ".0012" hold
// one and two.
bool atMostSevenSignificantDigits(const QByteArray &value)
{
    const std::string digits = QByteArray(value).replace(".", "").replace("-", "").toStdString();
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos || digits.find_last_not_of('0') - first < 7;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     static_cast<qsizetype>(size));
    const std::optional<LabelLayout> layout = parseLabelSettings(bytes);
    if (!layout)
        return 0;
    const QByteArray line = labelSettingsLine(*layout);
    fuzzCheck(line.endsWith("\r\n") && line.count(',') == 6 && !line.contains(' '),
              "the line holds seven values, comma-separated, ended by CR LF");
    for (const QByteArray &value : line.trimmed().split(','))
        fuzzCheck(atMostSevenSignificantDigits(value),
                  "each value has at most 7 significant digits");
    const std::optional<LabelLayout> again = parseLabelSettings(line);
    fuzzCheck(again.has_value(), "the written line reads back");
    fuzzCheck(labelSettingsLine(*again) == line, "the layout read back writes the same line");
    return 0;
}
