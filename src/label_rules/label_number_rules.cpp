#include "label_rules/label_number_rules.h"

namespace tessaly {

namespace {

constexpr QChar kBackspace = QChar(8);

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

const QString kOne = QStringLiteral("1");
const QString kWidthFallback = QStringLiteral("2.75");
const QString kFontSizeFallback = QStringLiteral("10");

} // namespace

bool labelKeyPasses(QChar typed)
{
    if (typed == u'/')
        return false;
    if (typed == kBackspace)
        return true;
    return typed.unicode() >= u'.' && typed.unicode() <= u'9';
}

std::optional<double> numericValue(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView number = QStringView(text).mid(begin, end - begin);

    int digits = 0;
    int dots = 0;
    for (const QChar c : number) {
        if (c == u'.')
            ++dots;
        else if (c.unicode() >= u'0' && c.unicode() <= u'9')
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || dots > 1)
        return std::nullopt;

    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString leaveText(LabelBox box, const QString &text, const QString &columnsText)
{
    const std::optional<double> value = numericValue(text);
    switch (box) {
    case LabelBox::Rows:
    case LabelBox::Columns:
    case LabelBox::TopMargin:
    case LabelBox::LeftMargin:
    case LabelBox::LabelHeight:
    case LabelBox::StartRow:
        return value ? text : kOne;
    case LabelBox::LabelWidth:
        return value ? text : kWidthFallback;
    case LabelBox::StartColumn: {
        const std::optional<double> columns = numericValue(columnsText);
        return value && *value > 0 && columns && *value <= *columns ? text : kOne;
    }
    case LabelBox::FontSize:
        return value && *value >= 1 ? text : kFontSizeFallback;
    }
    return text;
}

std::optional<double> previewSizeWhileTyping(const QString &text)
{
    const std::optional<double> value = numericValue(text);
    if (value && *value > 0.9999999)
        return value;
    return std::nullopt;
}

} // namespace tessaly
