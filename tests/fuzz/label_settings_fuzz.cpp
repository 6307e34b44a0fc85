// Whatever labelrcp.dat holds, a layout the reader accepts is one the writer can put
// back: the line it writes reads again, and the layout read from it writes the same line.
#include "labels/label_settings.h"

#include "fuzz_check.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace tessaly;

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
    const std::optional<LabelLayout> again = parseLabelSettings(line);
    fuzzCheck(again.has_value(), "the written line reads back");
    fuzzCheck(labelSettingsLine(*again) == line, "the layout read back writes the same line");
    return 0;
}
