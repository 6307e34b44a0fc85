#include "entry_rules/entry_key_rules.h"

#include "core/state_codes.h"
#include "core/text_codec.h"

namespace tessaly {

namespace {

KeyEdit discard()
{
    return KeyEdit{KeyEdit::Action::Discard, {}, {}, 0, 0};
}

KeyEdit insert(QChar c)
{
    return KeyEdit{KeyEdit::Action::Insert, c, {}, 0, 0};
}

KeyEdit ordinary()
{
    return KeyEdit{KeyEdit::Action::Ordinary, {}, {}, 0, 0};
}

bool isDateCharacter(QChar c)
{
    return c == kBackspaceKey || c == u'/' || (c >= u'0' && c <= u'9');
}

KeyEdit completeStateCode(const EntryBoxState &box, QChar typed)
{
    const int caret = qBound(0, box.caret, static_cast<int>(box.text.size()));
    const QString prefix = box.text.left(caret) + capital(typed);
    const QString code = firstStateCodeWithPrefix(prefix);
    if (code.isEmpty())
        return typed == kBackspaceKey ? ordinary() : insert(capital(typed));
    const int prefixLength = static_cast<int>(prefix.size());
    return KeyEdit{KeyEdit::Action::Replace,
                   {},
                   prefix + code.mid(prefixLength),
                   prefixLength,
                   static_cast<int>(code.size()) - prefixLength};
}

} // namespace

QChar capital(QChar c)
{
    if (c >= u'a' && c <= u'z')
        return QChar(c.unicode() - u'a' + u'A');
    return c;
}

KeyEdit keyRule(EntryBoxKind kind, const EntryBoxState &box, QChar typed)
{
    // The data file encloses every value in double quotes and has no escape for one,
    // and it is written in Windows-1252: neither may get into a box.
    if (typed == u'"' || !canEncodeWindows1252(typed))
        return discard();

    if (typed == kEnterKey)
        return kind == EntryBoxKind::MultiLine
                   ? insert(QChar(u'\n'))
                   : KeyEdit{KeyEdit::Action::RunAddRecord, {}, {}, 0, 0};

    switch (kind) {
    case EntryBoxKind::CallSign:
        return typed == kBackspaceKey ? ordinary() : insert(capital(typed));
    case EntryBoxKind::Name:
        if (typed == kBackspaceKey)
            return ordinary();
        return insert(box.text.isEmpty() ? capital(typed) : typed);
    case EntryBoxKind::StateCode:
        return completeStateCode(box, typed);
    case EntryBoxKind::Date:
        if (!isDateCharacter(typed))
            return discard();
        return typed == kBackspaceKey ? ordinary() : insert(typed);
    case EntryBoxKind::Plain:
    case EntryBoxKind::MultiLine:
        break;
    }
    return typed == kBackspaceKey ? ordinary() : insert(typed);
}

} // namespace tessaly
