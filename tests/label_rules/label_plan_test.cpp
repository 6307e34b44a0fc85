#include "label_rules/label_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// 1 to count: the members of a roll, listed in record order.
std::vector<int> upTo(int count)
{
    std::vector<int> listed(static_cast<std::size_t>(count));
    std::iota(listed.begin(), listed.end(), 1);
    return listed;
}

// The plan for a roll of as many members as are listed, whose last names are their numbers.
LabelPlan planOf(const std::vector<int> &listed, const LabelLayout &layout, int row, int column)
{
    MemberStore store;
    for (std::size_t n = 1; n <= listed.size(); ++n) {
        MemberRecord record;
        record[Field::LastName] = QString::number(n);
        store.append(record);
    }
    return planLabels(store, listed, layout, row, column);
}

LabelLayout sheet(float rows, float columns)
{
    return {rows, columns, 0.52f, 0.1f, 1, 2.75f, 10};
}

// "listPosition:page.row.column" for each label, in printing order.
QString placesOf(const LabelPlan &plan)
{
    QStringList places;
    for (const PlannedLabel &l : plan.labels)
        places.append(u"%1:%2.%3.%4"_s.arg(l.listPosition).arg(l.page).arg(l.row).arg(l.column));
    return places.join(u' ');
}

TEST(LabelPlan, PlacesAndPages)
{
    const struct {
        LabelLayout layout;
        int members, startRow, startColumn;
        QString places;
        int pages;
    } cases[] = {
        {sheet(10, 3), 2, 10, 3, u"1:1.10.3 2:2.1.1"_s, 2},
        {sheet(10, 3), 4, 2, 2, u"1:1.2.2 2:1.2.3 3:1.3.1 4:1.3.2"_s, 1},
        {sheet(10, 3), 3, 12, 2, u"1:2.1.2 2:2.1.3 3:2.2.1"_s, 2},
        {sheet(10, 3), 3, std::numeric_limits<int>::max(), 3, u"1:2.1.3 2:2.2.1 3:2.2.2"_s, 2},
        {sheet(10, 3), 4, 0, 1, u"1:1.0.1 2:1.0.2 3:1.0.3 4:1.1.1"_s, 1},
        {sheet(10, 3), 0, 1, 1, QString(), 0},
        {sheet(10, 3), 0, 11, 3, QString(), 0},
        // Counts are rounded down; with no rows on a page every row begins one.
        {sheet(1.9f, 2.7f), 4, 1, 1, u"1:1.1.1 2:1.1.2 3:2.1.1 4:2.1.2"_s, 2},
        {sheet(0, 3), 4, 1, 1, u"1:2.1.1 2:2.1.2 3:2.1.3 4:3.1.1"_s, 3},
        {sheet(1e30f, 1e30f), 3, 5, 1, u"1:1.5.1 2:1.5.2 3:1.5.3"_s, 1},
        // Requests the check refuses: an empty plan, not a hang or a read outside the list.
        {sheet(10, 0), 5, 1, 1, QString(), 0},
        {sheet(10, std::nanf("")), 5, 1, 1, QString(), 0},
        {sheet(10, 3), 5, 1, 4, QString(), 0},
        {sheet(10, 3), 5, 1, 0, QString(), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        const LabelPlan plan = planOf(upTo(c.members), c.layout, c.startRow, c.startColumn);
        EXPECT_EQ(placesOf(plan), c.places);
        EXPECT_EQ(plan.pages, c.pages);
    }
}

TEST(LabelPlan, PositionsInInches)
{
    // The default sheet (margins .52 and .1, labels 1 by 2.75) from row 0.
    const LabelPlan plan = planOf(upTo(4), LabelLayout{}, 0, 1);
    // Page 1 row 2 column 2, then page 2 row 1 column 1.
    const LabelPlan odd = planOf(upTo(2), {2, 2, 0.25f, 0.3f, 1.5f, 4.1f, 10}, 2, 2);
    const struct {
        const PlannedLabel &label;
        double x, y;
    } cases[] = {{plan.labels.at(0), 0.1, -0.48}, {plan.labels.at(1), 2.85, -0.48},
                 {plan.labels.at(2), 5.6, -0.48}, {plan.labels.at(3), 0.1, 0.52},
                 {odd.labels.at(0), 4.4, 1.75},   {odd.labels.at(1), 0.3, 0.25}};
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_DOUBLE_EQ(c.label.x.value(), c.x);
        EXPECT_DOUBLE_EQ(c.label.y.value(), c.y);
    }
}

TEST(LabelPlan, LabelsCarryTheLinesOfTheListedMember)
{
    // Record 9 is not in the roll of 3: its place stays blank.
    const LabelPlan plan = planOf({3, 9, 1}, sheet(10, 3), 1, 1);
    EXPECT_EQ(placesOf(plan), u"1:1.1.1 3:1.1.3"_s);
    ASSERT_EQ(plan.labels.size(), 2u);
    EXPECT_EQ(plan.labels[0].lines, (QStringList{u"3"_s, u"  "_s}));
    EXPECT_EQ(plan.labels[1].lines, (QStringList{u"1"_s, u"  "_s}));
}

TEST(LabelLines, CallSignNameAddressAndTown)
{
    const struct {
        MemberRecord member;
        QStringList lines;
    } cases[] = {
        {{{u"W1AW"_s, u"Al"_s, u"Q"_s, u"Roe"_s, u"1 Elm\r\nBox 2"_s, u"Troy"_s, u"NY"_s,
           u"12180"_s}},
         {u"ARS W1AW"_s, u"Al Q Roe"_s, u"1 Elm"_s, u"Box 2"_s, u"Troy NY 12180"_s}},
        // The address splits at each CR LF, an empty line kept, a lone CR or LF left in its
        // line, and no line after a final CR LF.
        {{{QString(), u"Al"_s, QString(), u"Roe"_s, u"1 Elm\r\n\r\nB\rC\n\r\n"_s, u"Troy"_s,
           u"NY"_s, u"12180"_s}},
         {u"Al Roe"_s, u"1 Elm"_s, QString(), u"B\rC\n"_s, u"Troy NY 12180"_s}},
        {{{u"W1AW"_s, QString(), QString(), u"Roe"_s, QString(), u"Troy"_s, u"NY"_s, u"12180"_s}},
         {u"ARS W1AW"_s, u"Roe"_s, u"Troy NY 12180"_s}},
        {MemberRecord{}, {QString(), u"  "_s}},
    };
    for (const auto &[member, lines] : cases)
        EXPECT_EQ(labelLines(member), lines) << lines.join(u'|').toStdString();
}

} // namespace
} // namespace tessaly
