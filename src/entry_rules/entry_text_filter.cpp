#include "entry_rules/entry_text_filter.h"

#include "core/text_codec.h"

#include <algorithm>

namespace tessaly {

namespace {

bool keepsInAnyBox(QChar c)
{
    return c != u'"' && canEncodeWindows1252(c);
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

QString filterSingleLineText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && keepsInAnyBox(c))
            out.append(c);
    }
    return out;
}

QString filterMultiLineText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLineBreak(c)) {
            // CR LF is one line break, not two.
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out.append(u'\n');
        } else if (keepsInAnyBox(c)) {
            out.append(c);
        }
    }
    return out;
}

qsizetype longestUnbrokenRun(const QString &text)
{
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

QString boxTextFromStored(const QString &stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString storedTextFromBox(const QString &boxText)
{
    QString text = boxText;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace tessaly
