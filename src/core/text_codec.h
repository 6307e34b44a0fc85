#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tessaly {

// The roll and the address file are 8-bit Windows-1252 text. Decoding maps every
// byte to one character (the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same number), so decode followed by encode gives back the
// same bytes for any input.
QString decodeWindows1252(QByteArrayView bytes);

// Characters that cannot be written are replaced by '?'; callers that must not
// lose text check canEncodeWindows1252 first.
QByteArray encodeWindows1252(QStringView text);

// Appends the encoding of text to out, as encodeWindows1252 does; with dropQuotes
// every double quote is left out.
void appendWindows1252(QByteArray &out, QStringView text, bool dropQuotes = false);

// The same, written from out onwards into a buffer that has room for text.size()
// bytes (no character gives more than one byte); returns the end of what was
// written. For writers that size a whole file at once.
char *writeWindows1252(QStringView text, char *out, bool dropQuotes = false);

// What a text file's bytes are as UTF-8. MultiByte text was saved by a UTF-8 editor,
// not a Windows-1252 one, whose accented letters are, bar contrived pairs, never
// well-formed UTF-8 sequences (no stray continuation byte, no overlong form, no
// surrogate, nothing past U+10FFFF).
enum class Utf8Shape { Ascii, MultiByte, Invalid };
Utf8Shape utf8Shape(QByteArrayView bytes);

bool canEncodeWindows1252(QChar c);
bool canEncodeWindows1252(QStringView text);

} // namespace tessaly
