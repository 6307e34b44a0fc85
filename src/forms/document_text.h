#pragma once

#include <QString>

class QTextDocument;

namespace tessaly {

// A text box's text exactly as it went in, with "\n" between its lines. Unlike
// QPlainTextEdit::toPlainText(), which turns a no-break space into a blank, every
// character comes back as it is.
QString documentText(const QTextDocument *document);

} // namespace tessaly
