#pragma once

#include <QChar>
#include <QtGlobal>

namespace tessaly {

// The one form in which a roll's call sign and the FCC file's are compared: the blanks around
// it left off and the letters a to z in capitals; every other character stays as written. Only
// a to z change, as the Call box capitalises them: the FCC writes call signs in ASCII, and the
// capitals of some other letters are ASCII (the sharp s gives "SS", the dotless i gives "I"),
// which would match text that is no call sign with someone's license. The key is 8-bit; a
// character past Latin-1 becomes '?', which no call sign holds.
//
// call is size characters, bytes read as Latin-1 or UTF-16 code units; the key goes to key,
// which has room for capacity characters. Returns the key's length, or -1 when the key would
// not fit.
template <typename Char>
qsizetype callSignKey(const Char *call, qsizetype size, char *key, qsizetype capacity)
{
    const auto code = [call](qsizetype i) -> char16_t {
        if constexpr (sizeof(Char) == 1)
            return static_cast<unsigned char>(call[i]);
        else
            return static_cast<char16_t>(call[i]);
    };
    qsizetype begin = 0;
    while (begin < size && QChar::isSpace(code(begin)))
        ++begin;
    while (size > begin && QChar::isSpace(code(size - 1)))
        --size;
    if (size - begin > capacity)
        return -1;
    for (qsizetype i = begin; i < size; ++i) {
        const char16_t c = code(i);
        key[i - begin] = c >= u'a' && c <= u'z' ? static_cast<char>(c - u'a' + 'A')
                         : c <= 0xff            ? static_cast<char>(c)
                                                : '?';
    }
    return size - begin;
}

} // namespace tessaly
