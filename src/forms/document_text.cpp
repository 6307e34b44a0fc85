#include "forms/document_text.h"

#include <QTextDocument>

namespace tessaly {

QString documentText(const QTextDocument *document)
{
    // The raw text marks each line break as a paragraph separator (or, after Shift+Enter
    // in an editor that allows it, a line separator).
    QString text = document->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

} // namespace tessaly
