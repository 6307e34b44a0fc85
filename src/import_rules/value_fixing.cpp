#include "import_rules/value_fixing.h"

#include "core/date_text.h"
#include "core/member_columns.h"
#include "core/text_codec.h"

#include <optional>

namespace tessaly {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Quotes out, control characters blank, every line break as the field needs it.
QString cleanText(QStringView raw, bool multiLine)
{
    QString out;
    out.reserve(raw.size());
    const qsizetype n = raw.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = raw[i];
        if (c == u'"')
            continue;
        if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < n && raw[i + 1] == u'\n')
                ++i;
            out.append(multiLine ? QStringLiteral("\r\n") : QStringLiteral(" "));
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            out.append(u' ');
        } else {
            out.append(c);
        }
    }
    return out.trimmed();
}

// Letters the Unicode decomposition leaves as they are, though they have a plain
// neighbour every reader recognises.
QChar plainLetter(char32_t c)
{
    switch (c) {
    case U'\u0141':
        return u'L';
    case U'\u0142':
        return u'l';
    case U'\u0110':
        return u'D';
    case U'\u0111':
        return u'd';
    case U'\u0131':
        return u'i';
    default:
        return {};
    }
}

std::optional<QString> flagValue(const QString &text)
{
    // A roll holds "y" and "n" as the operator left them (the main window reads either case),
    // so a sheet exported from a roll comes back as it was.
    if (text == u"y" || text == u"n")
        return text;
    const QString key = text.toLower();
    if (key.isEmpty() || key == u"n" || key == u"no" || key == u"false" || key == u"0")
        return QStringLiteral("N");
    if (key == u"y" || key == u"yes" || key == u"true" || key == u"1" || key == u"x")
        return QStringLiteral("Y");
    return std::nullopt;
}

bool isFormulaStart(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// The export writes a value that begins with a formula character, after any apostrophes, with
// one apostrophe more, so that no spreadsheet runs it; exactly that one goes again here. Any
// other apostrophe is the value's own ("'t Hooft").
QStringView withoutFormulaGuard(QStringView raw)
{
    qsizetype apostrophes = 0;
    while (apostrophes < raw.size() && raw[apostrophes] == u'\'')
        ++apostrophes;
    const bool guarded =
        apostrophes > 0 && apostrophes < raw.size() && isFormulaStart(raw[apostrophes]);
    return guarded ? raw.mid(1) : raw;
}

} // namespace

QString replaceUnencodable(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (canEncodeWindows1252(c)) {
            out.append(c);
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        if (const QChar plain = plainLetter(code); !plain.isNull()) {
            out.append(plain);
            continue;
        }
        QString near;
        const QString decomposed =
            QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_KD);
        for (const QChar part : decomposed) {
            if (part.category() != QChar::Mark_NonSpacing && canEncodeWindows1252(part) &&
                part.unicode() >= 0x20)
                near.append(part);
        }
        out.append(near.isEmpty() ? QStringLiteral("?") : near);
    }
    return out;
}

FixedValue fixValue(Field field, QStringView raw, const QDate &today)
{
    const ValueKind kind = memberColumn(field).kind;
    FixedValue fixed;
    fixed.text = cleanText(withoutFormulaGuard(raw), kind == ValueKind::Lines);
    if (field == Field::Call || field == Field::State) {
        // A capital the code page lacks ("µ" has only a Greek one) leaves the letter be.
        const QString upper = fixed.text.toUpper();
        if (canEncodeWindows1252(upper) || !canEncodeWindows1252(fixed.text))
            fixed.text = upper;
    }
    if (!canEncodeWindows1252(fixed.text)) {
        fixed.text = replaceUnencodable(fixed.text);
        fixed.replaced = true;
    }
    if (kind == ValueKind::YesNo) {
        if (const std::optional<QString> flag = flagValue(fixed.text))
            fixed.text = *flag;
        else
            fixed.keptAsText = true;
    } else if (kind == ValueKind::Date && !fixed.text.isEmpty()) {
        if (const std::optional<QDate> date = parseDateText(fixed.text, today))
            fixed.text = formatDate(*date);
        else
            fixed.keptAsText = true;
    }
    return fixed;
}

} // namespace tessaly
