#include "label_rules/label_settings.h"

#include "core/file_system.h"
#include "label_rules/label_number_rules.h"

#include <QDir>

#include <array>
#include <cmath>

namespace tessaly {

const QString kLabelSettingsFileName = QStringLiteral("labelrcp.dat");

namespace {

constexpr int kLayoutValueCount = 7;

// The values in file order.
constexpr std::array<float LabelLayout::*, kLayoutValueCount> kFileOrder = {
    &LabelLayout::rowsPerPage, &LabelLayout::columnsPerPage, &LabelLayout::topMargin,
    &LabelLayout::leftMargin,  &LabelLayout::labelHeight,    &LabelLayout::labelWidth,
    &LabelLayout::fontSize,
};

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlankOrBreak(char c)
{
    return c == ' ' || c == '\t' || isLineBreak(c);
}

} // namespace

std::optional<LabelLayout> parseLabelSettings(const QByteArray &bytes)
{
    LabelLayout layout;
    qsizetype at = 0;
    const qsizetype size = bytes.size();
    for (float LabelLayout::*field : kFileOrder) {
        while (at < size && isBlankOrBreak(bytes[at]))
            ++at;
        if (at == size)
            return std::nullopt;
        const qsizetype begin = at;
        while (at < size && bytes[at] != ',' && !isLineBreak(bytes[at]))
            ++at;
        // Only ASCII digits, dots and blanks make a number, so reading the bytes as
        // Latin-1 loses nothing that matters here.
        const std::optional<double> number =
            numericValue(QString::fromLatin1(bytes.constData() + begin, at - begin));
        if (!number)
            return std::nullopt;
        const float value = static_cast<float>(*number);
        if (!std::isfinite(value))
            return std::nullopt;
        layout.*field = value;
        if (at < size && bytes[at] == ',')
            ++at;
    }
    return layout;
}

namespace {

// Rounded to 7 significant digits, then written out in plain notation from those digits
// themselves: going back through a double would print every digit of the nearest double
// for large values.
QString sevenDigitText(float value)
{
    const QString scientific = QString::number(static_cast<double>(value), 'e', 6);
    const qsizetype e = scientific.indexOf(u'e');
    const int exponent = QStringView(scientific).mid(e + 1).toInt();
    const bool negative = scientific.startsWith(u'-');
    const QString digits = scientific.left(e).remove(u'-').remove(u'.');
    QString text = exponent >= 6   ? digits + QString(exponent - 6, u'0')
                   : exponent >= 0 ? digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1)
                                   : u'.' + QString(-exponent - 1, u'0') + digits;
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return negative ? u'-' + text : text;
}

} // namespace

QString layoutValueText(float value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // Where a float is coarser than seven digits (huge values), the text may read back as
    // a neighbour that rounds to other digits; the text of that neighbour is the one that
    // stays the same from save to save.
    QString text = sevenDigitText(value);
    for (int step = 0; step < 4; ++step) {
        const float back = static_cast<float>(text.toDouble());
        const QString again = sevenDigitText(back);
        if (again == text)
            break;
        text = again;
    }
    return text;
}

QByteArray labelSettingsLine(const LabelLayout &layout)
{
    QByteArray line;
    for (float LabelLayout::*field : kFileOrder) {
        if (!line.isEmpty())
            line.append(',');
        line.append(layoutValueText(layout.*field).toLatin1());
    }
    line.append("\r\n");
    return line;
}

std::optional<LabelLayout> readLabelSettings(const QString &directory, Outcome *failure)
{
    const QString path = QDir(directory).filePath(kLabelSettingsFileName);
    QByteArray bytes;
    Outcome read = readWholeFile(path, bytes, kLargestLabelSettingsBytes);
    std::optional<LabelLayout> layout;
    if (read.ok()) {
        layout = parseLabelSettings(bytes);
        if (!layout)
            read = Outcome::failure(
                path, QStringLiteral("%1 does not hold seven numbers").arg(kLabelSettingsFileName));
    }
    if (failure != nullptr)
        *failure = read;
    return layout;
}

Outcome writeLabelSettings(const QString &directory, const LabelLayout &layout)
{
    return writeWholeFile(QDir(directory).filePath(kLabelSettingsFileName),
                          labelSettingsLine(layout));
}

} // namespace tessaly
