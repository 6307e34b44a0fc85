#include "main_window/entry_key_rules.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Action = KeyEdit::Action;
using Kind = EntryBoxKind;

struct KeyCase {
    const char *name;
    Kind kind;
    QString text;
    int caret;
    int selectionLength;
    QChar typed;
    Action action;
    QChar inserted; // Insert only
};

class KeyRuleTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyRuleTest, GivesTheEditOfItsBoxKind)
{
    const KeyCase &c = GetParam();
    const KeyEdit edit =
        keyRule(c.kind, EntryBoxState{c.text, c.caret, c.selectionLength}, c.typed);
    EXPECT_EQ(edit.action, c.action);
    if (c.action == Action::Insert) {
        EXPECT_EQ(edit.character, c.inserted);
    }
}

const QChar kEnter = kEnterKey;
const QChar kBack = kBackspaceKey;

INSTANTIATE_TEST_SUITE_P(
    EveryBoxKind, KeyRuleTest,
    ::testing::Values(
        // The double quote never gets in, whatever the box.
        KeyCase{"QuoteInCall", Kind::CallSign, {}, 0, 0, u'"', Action::Discard, {}},
        KeyCase{"QuoteInName", Kind::Name, {}, 0, 0, u'"', Action::Discard, {}},
        KeyCase{"QuoteInState", Kind::StateCode, {}, 0, 0, u'"', Action::Discard, {}},
        KeyCase{"QuoteInPlain", Kind::Plain, u"ab"_s, 1, 0, u'"', Action::Discard, {}},
        KeyCase{"QuoteInMultiLine", Kind::MultiLine, {}, 0, 0, u'"', Action::Discard, {}},
        KeyCase{"QuoteInDate", Kind::Date, {}, 0, 0, u'"', Action::Discard, {}},
        // Nor does a character the data file's code page cannot hold.
        KeyCase{"CyrillicInPlain", Kind::Plain, {}, 0, 0, QChar(0x0416), Action::Discard, {}},
        KeyCase{"CjkInMultiLine", Kind::MultiLine, {}, 0, 0, QChar(0x4E2D), Action::Discard, {}},
        KeyCase{
            "EuroSignIsKept", Kind::Plain, {}, 0, 0, QChar(0x20AC), Action::Insert, QChar(0x20AC)},
        KeyCase{"AccentIsKept", Kind::Name, u"Ren"_s, 3, 0, QChar(0x00E9), Action::Insert,
                QChar(0x00E9)},
        // Enter runs Add/Record in every single-line box, and breaks the line in a
        // multi-line one.
        KeyCase{"EnterInCall", Kind::CallSign, u"K3"_s, 2, 0, kEnter, Action::RunAddRecord, {}},
        KeyCase{"EnterInName", Kind::Name, {}, 0, 0, kEnter, Action::RunAddRecord, {}},
        KeyCase{"EnterInState", Kind::StateCode, u"PA"_s, 2, 0, kEnter, Action::RunAddRecord, {}},
        KeyCase{"EnterInPlain", Kind::Plain, {}, 0, 0, kEnter, Action::RunAddRecord, {}},
        KeyCase{"EnterInDate", Kind::Date, u"7/4"_s, 3, 0, kEnter, Action::RunAddRecord, {}},
        KeyCase{"EnterInMultiLine", Kind::MultiLine, u"12 Oak"_s, 6, 0, kEnter, Action::Insert,
                u'\n'},
        // Call: every letter a capital, other characters as typed.
        KeyCase{"CallLetter", Kind::CallSign, u"K"_s, 1, 0, u'c', Action::Insert, u'C'},
        KeyCase{"CallDigit", Kind::CallSign, u"KC"_s, 2, 0, u'3', Action::Insert, u'3'},
        KeyCase{"CallCapitalStays", Kind::CallSign, {}, 0, 0, u'W', Action::Insert, u'W'},
        KeyCase{"CallAccentUnchanged",
                Kind::CallSign,
                {},
                0,
                0,
                QChar(0x00E9),
                Action::Insert,
                QChar(0x00E9)},
        KeyCase{"CallBackspace", Kind::CallSign, u"K"_s, 1, 0, kBack, Action::Ordinary, {}},
        // Names: only the first letter in an empty box.
        KeyCase{"NameFirstLetter", Kind::Name, {}, 0, 0, u's', Action::Insert, u'S'},
        KeyCase{"NameLaterLetter", Kind::Name, u"S"_s, 1, 0, u'm', Action::Insert, u'm'},
        KeyCase{"NameSelectedTextIsNotEmpty", Kind::Name, u"Smith"_s, 0, 5, u'j', Action::Insert,
                u'j'},
        KeyCase{"NameCaretAtStartOfText", Kind::Name, u"mith"_s, 0, 0, u's', Action::Insert, u's'},
        KeyCase{"NameDigit", Kind::Name, {}, 0, 0, u'3', Action::Insert, u'3'},
        // Plain boxes: as typed.
        KeyCase{"PlainLetter", Kind::Plain, {}, 0, 0, u'g', Action::Insert, u'g'},
        KeyCase{"MultiLineLetter", Kind::MultiLine, {}, 0, 0, u'o', Action::Insert, u'o'},
        // Date boxes: digits, "/" and Backspace only.
        KeyCase{"DateDigit", Kind::Date, {}, 0, 0, u'7', Action::Insert, u'7'},
        KeyCase{"DateSlash", Kind::Date, u"7"_s, 1, 0, u'/', Action::Insert, u'/'},
        KeyCase{"DateBackspace", Kind::Date, u"7/"_s, 2, 0, kBack, Action::Ordinary, {}},
        KeyCase{"DateLetter", Kind::Date, {}, 0, 0, u'a', Action::Discard, {}},
        KeyCase{"DateHyphen", Kind::Date, u"7"_s, 1, 0, u'-', Action::Discard, {}},
        KeyCase{"DateFullStop", Kind::Date, u"7"_s, 1, 0, u'.', Action::Discard, {}},
        KeyCase{"DateBlank", Kind::Date, u"7"_s, 1, 0, u' ', Action::Discard, {}},
        // State box: no code starts so, the character goes in as a capital.
        KeyCase{"StateNoMatch", Kind::StateCode, {}, 0, 0, u'x', Action::Insert, u'X'},
        KeyCase{"StateDigit", Kind::StateCode, {}, 0, 0, u'9', Action::Insert, u'9'},
        KeyCase{"StateThirdLetter", Kind::StateCode, u"MD"_s, 2, 0, u'a', Action::Insert, u'A'},
        KeyCase{"StateBackspace", Kind::StateCode, u"MA"_s, 1, 1, kBack, Action::Ordinary, {}}),
    [](const ::testing::TestParamInfo<KeyCase> &info) { return std::string(info.param.name); });

struct CompletionCase {
    const char *name;
    QString text;
    int caret;
    int selectionLength;
    QChar typed;
    QString result;
    int selectionStart;
    int completedLength;
};

class StateCompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(StateCompletionTest, CompletesTheFirstCodeWithThePrefix)
{
    const CompletionCase &c = GetParam();
    const KeyEdit edit =
        keyRule(Kind::StateCode, EntryBoxState{c.text, c.caret, c.selectionLength}, c.typed);
    ASSERT_EQ(edit.action, Action::Replace);
    EXPECT_EQ(edit.text, c.result);
    EXPECT_EQ(edit.selectionStart, c.selectionStart);
    EXPECT_EQ(edit.selectionLength, c.completedLength);
}

INSTANTIATE_TEST_SUITE_P(
    StateBox, StateCompletionTest,
    ::testing::Values(
        CompletionCase{"MGivesMA", {}, 0, 0, u'm', u"MA"_s, 1, 1},
        CompletionCase{"NGivesNC", {}, 0, 0, u'n', u"NC"_s, 1, 1},
        CompletionCase{"OGivesOH", {}, 0, 0, u'o', u"OH"_s, 1, 1},
        CompletionCase{"CapitalMGivesMA", {}, 0, 0, u'M', u"MA"_s, 1, 1},
        // The A offered after M is selected, so d replaces it: MD, nothing selected.
        CompletionCase{"DAfterMGivesMD", u"MA"_s, 1, 1, u'd', u"MD"_s, 2, 0},
        // The prefix goes back into the box as it stood; only the typed letter is raised.
        CompletionCase{"PrefixInBoxKeptAsItStands", u"m"_s, 1, 0, u'e', u"mE"_s, 2, 0},
        // Text right of the caret gives way to the completed code.
        CompletionCase{"TextAfterCaretReplaced", u"XY"_s, 0, 0, u'p', u"PA"_s, 1, 1},
        CompletionCase{"WholeTextSelected", u"NY"_s, 0, 2, u'w', u"WA"_s, 1, 1}),
    [](const ::testing::TestParamInfo<CompletionCase> &info) {
        return std::string(info.param.name);
    });

TEST(Capital, TurnsOnlyAsciiSmallLettersIntoCapitals)
{
    EXPECT_EQ(capital(u'a'), u'A');
    EXPECT_EQ(capital(u'z'), u'Z');
    EXPECT_EQ(capital(u'A'), u'A');
    EXPECT_EQ(capital(u'0'), u'0');
    EXPECT_EQ(capital(QChar(9)), QChar(9));
    EXPECT_EQ(capital(u'{'), u'{');
    EXPECT_EQ(capital(u'`'), u'`');
    EXPECT_EQ(capital(QChar(0x00E9)), QChar(0x00E9));
}

} // namespace
} // namespace tessaly
