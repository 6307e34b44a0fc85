#include "entry_rules/entry_key_rules.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Kind = EntryBoxKind;

// The edit a key makes, written short: "discard", "ordinary", "run", "insert C", or
// "replace MA 1+1" (the new text, where the selection starts and how long it is).
std::string key(Kind kind, const QString &text, int caret, int selected, QChar typed)
{
    const KeyEdit e = keyRule(kind, EntryBoxState{text, caret, selected}, typed);
    if (e.action == KeyEdit::Action::Replace)
        return "replace " + e.text.toStdString() + ' ' + std::to_string(e.selectionStart) + '+' +
               std::to_string(e.selectionLength);
    if (e.action == KeyEdit::Action::Insert)
        return (u"insert "_s + e.character).toStdString();
    if (e.action == KeyEdit::Action::RunAddRecord)
        return "run";
    return e.action == KeyEdit::Action::Discard ? "discard" : "ordinary";
}

// The double quote and characters outside Windows-1252 never get in; Enter runs
// Add/Record in every single-line box and breaks the line in a multi-line one.
TEST(KeyRule, QuoteAndEnterInEveryBoxKind)
{
    for (Kind kind :
         {Kind::CallSign, Kind::Name, Kind::StateCode, Kind::Plain, Kind::MultiLine, Kind::Date}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(key(kind, u"ab"_s, 1, 0, u'"'), "discard");
        EXPECT_EQ(key(kind, {}, 0, 0, QChar(0x0416)), "discard");
        EXPECT_EQ(key(kind, {}, 0, 0, kEnterKey), kind == Kind::MultiLine ? "insert \n" : "run");
    }
}

TEST(KeyRule, EachBoxKindsOwnRule)
{
    EXPECT_EQ(key(Kind::Plain, {}, 0, 0, QChar(0x20AC)), "insert \u20ac"); // in Windows-1252
    // Call sign: every letter a capital. Names: only the first letter in an empty box.
    EXPECT_EQ(key(Kind::CallSign, u"K"_s, 1, 0, u'c'), "insert C");
    EXPECT_EQ(key(Kind::CallSign, u"K"_s, 1, 0, kBackspaceKey), "ordinary");
    EXPECT_EQ(key(Kind::Name, {}, 0, 0, u's'), "insert S");
    EXPECT_EQ(key(Kind::Name, u"S"_s, 1, 0, u'm'), "insert m");
    EXPECT_EQ(key(Kind::Name, u"Smith"_s, 0, 5, u'j'), "insert j");
    EXPECT_EQ(key(Kind::Name, u"mith"_s, 0, 0, u's'), "insert s");
    // Dates: digits, "/" and Backspace only.
    EXPECT_EQ(key(Kind::Date, {}, 0, 0, u'7'), "insert 7");
    EXPECT_EQ(key(Kind::Date, u"7"_s, 1, 0, u'/'), "insert /");
    EXPECT_EQ(key(Kind::Date, u"7/"_s, 2, 0, kBackspaceKey), "ordinary");
    EXPECT_EQ(key(Kind::Date, u"7"_s, 1, 0, u'.'), "discard");
    EXPECT_EQ(key(Kind::Date, u"7"_s, 1, 0, u':'), "discard");
    // State: the first code starting with the text before the caret and the typed letter,
    // the rest selected. No code starts so, or the prefix is too long: a capital goes in.
    EXPECT_EQ(key(Kind::StateCode, {}, 0, 0, u'm'), "replace MA 1+1");
    EXPECT_EQ(key(Kind::StateCode, u"MA"_s, 1, 1, u'd'), "replace MD 2+0");
    EXPECT_EQ(key(Kind::StateCode, u"m"_s, 1, 0, u'e'), "replace mE 2+0");
    EXPECT_EQ(key(Kind::StateCode, u"XY"_s, 0, 0, u'p'), "replace PA 1+1");
    EXPECT_EQ(key(Kind::StateCode, {}, 0, 0, u'x'), "insert X");
    EXPECT_EQ(key(Kind::StateCode, u"MD"_s, 2, 0, u'a'), "insert A");
    EXPECT_EQ(key(Kind::StateCode, u"MA"_s, 1, 1, kBackspaceKey), "ordinary");
}

TEST(Capital, RaisesOnlyAsciiSmallLetters)
{
    QString raised;
    for (QChar c : u"az`{A0\t\u00e9"_s)
        raised += capital(c);
    EXPECT_EQ(raised, u"AZ`{A0\t\u00e9"_s);
}

} // namespace
} // namespace tessaly
