#pragma once

#include <QString>

namespace tessaly {

// Text that reaches an entry box other than by a typed key (pasted, dropped, from
// an input method) loses what the data file cannot hold: double quotes and
// characters outside Windows-1252. A single-line box also drops control
// characters such as line breaks and tabs; a multi-line box keeps its line
// breaks, each written as "\n".
QString filterSingleLineText(const QString &text);
QString filterMultiLineText(const QString &text);

// The store and the files hold CR LF; a multi-line box holds "\n".
QString boxTextFromStored(const QString &stored);
QString storedTextFromBox(const QString &boxText);

// The length of the longest stretch of text holding no blank and no line break:
// the longest word a box that wraps at word boundaries would have to place.
qsizetype longestUnbrokenRun(const QString &text);

} // namespace tessaly
