#include "entry_rules/date_box_rules.h"
#include "entry_rules/entry_key_rules.h"
#include "entry_rules/entry_text_filter.h"

#include "core/state_codes.h"

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
    const std::tuple<Kind, QString, int, int, QChar, const char *> cases[] = {
        {Kind::Plain, {}, 0, 0, QChar(0x20AC), "insert \u20ac"}, // in Windows-1252
        // Call sign: every letter a capital. Names: only the first letter in an empty box.
        {Kind::CallSign, u"K"_s, 1, 0, u'c', "insert C"},
        {Kind::CallSign, u"K"_s, 1, 0, kBackspaceKey, "ordinary"},
        {Kind::Name, {}, 0, 0, u's', "insert S"},
        {Kind::Name, u"S"_s, 1, 0, u'm', "insert m"},
        {Kind::Name, u"Smith"_s, 0, 5, u'j', "insert j"},
        {Kind::Name, u"mith"_s, 0, 0, u's', "insert s"},
        // Dates: digits, "/" and Backspace only.
        {Kind::Date, {}, 0, 0, u'7', "insert 7"},
        {Kind::Date, u"7"_s, 1, 0, u'/', "insert /"},
        {Kind::Date, u"7/"_s, 2, 0, kBackspaceKey, "ordinary"},
        {Kind::Date, u"7"_s, 1, 0, u'.', "discard"},
        {Kind::Date, u"7"_s, 1, 0, u':', "discard"},
        // State: the first of the fifty codes starting with the text before the caret and the
        // typed letter, the rest selected. No code starts so, or the prefix is too long: a
        // capital goes in.
        {Kind::StateCode, {}, 0, 0, u'm', "replace MA 1+1"},
        {Kind::StateCode, u"MA"_s, 1, 1, u'd', "replace MD 2+0"},
        {Kind::StateCode, u"m"_s, 1, 0, u'e', "replace mE 2+0"},
        {Kind::StateCode, u"XY"_s, 0, 0, u'p', "replace PA 1+1"},
        {Kind::StateCode, u"W"_s, 1, 0, u'y', "replace WY 2+0"},
        {Kind::StateCode, {}, 0, 0, u'x', "insert X"},
        {Kind::StateCode, u"MD"_s, 2, 0, u'a', "insert A"},
        {Kind::StateCode, u"MA"_s, 1, 1, kBackspaceKey, "ordinary"},
    };
    EXPECT_EQ(stateCodes().size(), 50);
    for (const auto &[kind, text, caret, selected, typed, edit] : cases)
        EXPECT_EQ(key(kind, text, caret, selected, typed), edit)
            << text.toStdString() << typed.unicode();
    QString raised; // only ASCII small letters are raised
    for (QChar c : u"az`{A0\t\u00e9"_s)
        raised += capital(c);
    EXPECT_EQ(raised, u"AZ`{A0\t\u00e9"_s);
}

// Blanks around the text go; an empty text is fine; a date is written m/d/yyyy (this year when
// none is given); anything else is invalid and stays as trimmed. Which texts are dates is for
// the date reading's own tests.
TEST(LeaveDateBox, TrimsAndWritesDatesAsMonthDayYear)
{
    const std::tuple<QString, QString, bool> rows[] = {{u"   "_s, QString(), true},
                                                       {u" 07/04/2003 "_s, u"7/4/2003"_s, true},
                                                       {u"7/4"_s, u"7/4/2026"_s, true},
                                                       {u" 2/29/2003 "_s, u"2/29/2003"_s, false}};
    for (const auto &[typed, result, valid] : rows) {
        const DateBoxLeave outcome = leaveDateBox(typed, QDate(2026, 12, 6));
        EXPECT_EQ(std::pair(outcome.text, outcome.valid), std::pair(result, valid))
            << typed.toStdString();
    }
}

// Pasted text loses double quotes and what Windows-1252 cannot hold (Cyrillic, CJK) but
// keeps what it can (accents, the euro sign, S caron). A single-line box drops line breaks
// and tabs; a multi-line one keeps its tabs and makes every line break (CR LF as one, a
// lone CR or LF, the Unicode separators) a "\n", stored as CR LF.
TEST(EntryTextFilter, KeepsOnlyWhatTheDataFileCanHold)
{
    const QString pasted =
        u"say \"Ren\u00e9e\" \u20ac5 \u0416\u4E2D\u0160|1\r\n2\r3\n4\u20285\u20296\t7"_s;
    EXPECT_EQ(filterSingleLineText(pasted), u"say Ren\u00e9e \u20ac5 \u0160|1234567"_s);
    EXPECT_EQ(filterMultiLineText(pasted), u"say Ren\u00e9e \u20ac5 \u0160|1\n2\n3\n4\n5\n6\t7"_s);
    EXPECT_EQ(boxTextFromStored(u"12 Oak St\r\n\r\nApt 4\r\n"_s), u"12 Oak St\n\nApt 4\n"_s);
    EXPECT_EQ(storedTextFromBox(u"12 Oak St\n\nApt 4\n"_s), u"12 Oak St\r\n\r\nApt 4\r\n"_s);
}

// Blanks of every kind and line breaks end a word; nothing else does.
TEST(LongestUnbrokenRun, CountsTheLongestStretchWithoutABlankOrLineBreak)
{
    const std::pair<QString, qsizetype> cases[] = {
        {u""_s, 0},
        {u"   "_s, 0},
        {u"golf and tennis"_s, 6},
        {u"tennis\ngolf"_s, 6},
        {u"ab\tcd\u00a0efg\r\nh"_s, 3},
        {u"K3ABC,N3XYZ;W1AW"_s, 16},
        {QString(5000, u'x') + u" yy"_s, 5000},
    };
    for (const auto &[text, longest] : cases)
        EXPECT_EQ(longestUnbrokenRun(text), longest) << text.left(40).toStdString();
}

} // namespace
} // namespace tessaly
