#include "labels/label_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// A roll of count members whose last names are their record numbers, all listed in
// record order.
struct Listing {
    MemberStore store;
    std::vector<int> listed;
};

Listing listingOf(int count)
{
    Listing listing;
    for (int n = 1; n <= count; ++n) {
        MemberRecord record;
        record[Field::LastName] = QString::number(n);
        listing.store.append(record);
    }
    listing.listed.resize(static_cast<std::size_t>(count));
    std::iota(listing.listed.begin(), listing.listed.end(), 1);
    return listing;
}

LabelLayout sheet(float rows, float columns)
{
    LabelLayout layout;
    layout.rowsPerPage = rows;
    layout.columnsPerPage = columns;
    return layout;
}

struct Place {
    int listPosition;
    int page;
    int row;
    int column;
};

std::vector<Place> placesOf(const LabelPlan &plan)
{
    std::vector<Place> places;
    for (const PlannedLabel &label : plan.labels)
        places.push_back({label.listPosition, label.page, label.row, label.column});
    return places;
}

void expectPlaces(const LabelPlan &plan, const std::vector<Place> &expected)
{
    const std::vector<Place> actual = placesOf(plan);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].listPosition, expected[i].listPosition);
        EXPECT_EQ(actual[i].page, expected[i].page);
        EXPECT_EQ(actual[i].row, expected[i].row);
        EXPECT_EQ(actual[i].column, expected[i].column);
    }
}

TEST(LabelPlan, ThirtyOneMembersFillPageOneAndStartPageTwo)
{
    const Listing listing = listingOf(31);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 1, 1);
    ASSERT_EQ(plan.labels.size(), 31u);
    for (int k = 1; k <= 30; ++k) {
        SCOPED_TRACE(k);
        const PlannedLabel &label = plan.labels[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(label.listPosition, k);
        EXPECT_EQ(label.page, 1);
        EXPECT_EQ(label.row, (k - 1) / 3 + 1);
        EXPECT_EQ(label.column, (k - 1) % 3 + 1);
    }
    const PlannedLabel &last = plan.labels.back();
    EXPECT_EQ(last.listPosition, 31);
    EXPECT_EQ(last.page, 2);
    EXPECT_EQ(last.row, 1);
    EXPECT_EQ(last.column, 1);
    EXPECT_EQ(plan.pages, 2);
}

TEST(LabelPlan, StartAtTheLastPlaceOfAPage)
{
    const Listing listing = listingOf(2);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 10, 3);
    expectPlaces(plan, {{1, 1, 10, 3}, {2, 2, 1, 1}});
    EXPECT_EQ(plan.pages, 2);
}

TEST(LabelPlan, StartInTheMiddleOfARow)
{
    const Listing listing = listingOf(4);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 2, 2);
    expectPlaces(plan, {{1, 1, 2, 2}, {2, 1, 2, 3}, {3, 1, 3, 1}, {4, 1, 3, 2}});
    EXPECT_EQ(plan.pages, 1);
}

TEST(LabelPlan, StartRowBeyondThePageBeginsOnPageTwo)
{
    const Listing listing = listingOf(3);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 12, 2);
    expectPlaces(plan, {{1, 2, 1, 2}, {2, 2, 1, 3}, {3, 2, 2, 1}});
    EXPECT_EQ(plan.pages, 2);
}

TEST(LabelPlan, StartRowZeroIsOneLabelHeightAboveTheTopMargin)
{
    const Listing listing = listingOf(4);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 0, 1);
    expectPlaces(plan, {{1, 1, 0, 1}, {2, 1, 0, 2}, {3, 1, 0, 3}, {4, 1, 1, 1}});
    // Top margin .52, label height 1.
    EXPECT_DOUBLE_EQ(plan.labels[0].y, 0.52 - 1);
    EXPECT_DOUBLE_EQ(plan.labels[3].y, 0.52);
}

TEST(LabelPlan, EmptyListGivesNoLabelAndNoPage)
{
    const Listing listing = listingOf(0);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 1, 1);
    EXPECT_TRUE(plan.labels.empty());
    EXPECT_EQ(plan.pages, 0);
    // Even from a start beyond the page: nothing is printed, so there is no page.
    EXPECT_EQ(planLabels(listing.store, listing.listed, sheet(10, 3), 11, 3).pages, 0);
}

// The design-time sheet: margins .52 and .1, labels 1 by 2.75 inches.
TEST(LabelPlan, PositionsInInches)
{
    const Listing listing = listingOf(7);
    const LabelPlan plan = planLabels(listing.store, listing.listed, LabelLayout{}, 1, 1);
    ASSERT_EQ(plan.labels.size(), 7u);
    const double expected[][2] = {{0.1, 0.52},  {2.85, 0.52}, {5.6, 0.52}, {0.1, 1.52},
                                  {2.85, 1.52}, {5.6, 1.52},  {0.1, 2.52}};
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(plan.labels[i].x, expected[i][0]);
        EXPECT_DOUBLE_EQ(plan.labels[i].y, expected[i][1]);
    }

    LabelLayout odd;
    odd.rowsPerPage = 2;
    odd.columnsPerPage = 2;
    odd.topMargin = 0.25f;
    odd.leftMargin = 0.3f;
    odd.labelHeight = 1.5f;
    odd.labelWidth = 4.1f;
    const LabelPlan second = planLabels(listing.store, listing.listed, odd, 2, 2);
    // Page 1 row 2 column 2; page 2 rows 1 and 2; page 3 row 1.
    expectPlaces(second, {{1, 1, 2, 2},
                          {2, 2, 1, 1},
                          {3, 2, 1, 2},
                          {4, 2, 2, 1},
                          {5, 2, 2, 2},
                          {6, 3, 1, 1},
                          {7, 3, 1, 2}});
    EXPECT_DOUBLE_EQ(second.labels[0].x, 4.4);
    EXPECT_DOUBLE_EQ(second.labels[0].y, 1.75);
    EXPECT_DOUBLE_EQ(second.labels[1].x, 0.3);
    EXPECT_DOUBLE_EQ(second.labels[1].y, 0.25);
    EXPECT_EQ(second.pages, 3);
}

TEST(LabelPlan, NonWholeCountsAreRoundedDown)
{
    const Listing listing = listingOf(4);
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(1.9f, 2.7f), 1, 1);
    expectPlaces(plan, {{1, 1, 1, 1}, {2, 1, 1, 2}, {3, 2, 1, 1}, {4, 2, 1, 2}});
}

TEST(LabelPlan, UncheckedRequestsGiveNoLabelsInsteadOfAHang)
{
    const Listing listing = listingOf(5);
    EXPECT_TRUE(planLabels(listing.store, listing.listed, sheet(10, 0), 1, 1).labels.empty());
    EXPECT_TRUE(planLabels(listing.store, listing.listed, sheet(10, -3), 1, 1).labels.empty());
    EXPECT_TRUE(planLabels(listing.store, listing.listed, sheet(10, 0.5f), 1, 1).labels.empty());
    EXPECT_TRUE(
        planLabels(listing.store, listing.listed, sheet(10, std::nanf("")), 1, 1).labels.empty());
    // A start column beyond the columns reached list positions below 1.
    EXPECT_TRUE(planLabels(listing.store, listing.listed, sheet(10, 3), 1, 4).labels.empty());
    EXPECT_TRUE(planLabels(listing.store, listing.listed, sheet(10, 3), 1, 0).labels.empty());
    // Huge counts neither overflow nor run long.
    const LabelPlan wide = planLabels(listing.store, listing.listed, sheet(1e30f, 1e30f), 5, 1);
    expectPlaces(wide, {{1, 1, 5, 1}, {2, 1, 5, 2}, {3, 1, 5, 3}, {4, 1, 5, 4}, {5, 1, 5, 5}});
    const LabelPlan far =
        planLabels(listing.store, listing.listed, sheet(10, 3), std::numeric_limits<int>::max(), 3);
    expectPlaces(far, {{1, 2, 1, 3}, {2, 2, 2, 1}, {3, 2, 2, 2}, {4, 2, 2, 3}, {5, 2, 3, 1}});
    // No rows on a page: every row begins a page.
    const LabelPlan rowless = planLabels(listing.store, listing.listed, sheet(0, 3), 1, 1);
    expectPlaces(rowless, {{1, 2, 1, 1}, {2, 2, 1, 2}, {3, 2, 1, 3}, {4, 3, 1, 1}, {5, 3, 1, 2}});
}

TEST(LabelPlan, AListedNumberOutsideTheRollLeavesItsPlaceBlank)
{
    Listing listing = listingOf(3);
    listing.listed = {1, 9, 3};
    const LabelPlan plan = planLabels(listing.store, listing.listed, sheet(10, 3), 1, 1);
    expectPlaces(plan, {{1, 1, 1, 1}, {3, 1, 1, 3}});
}

TEST(LabelPlan, LabelsCarryTheLinesOfTheirMember)
{
    MemberStore store;
    MemberRecord first;
    first[Field::Call] = u"K1AB"_s;
    first[Field::FirstName] = u"Ann"_s;
    first[Field::LastName] = u"Bell"_s;
    first[Field::Address] = u"1 Oak St"_s;
    first[Field::City] = u"Salem"_s;
    first[Field::State] = u"CT"_s;
    first[Field::Zip] = u"06415"_s;
    store.append(first);
    MemberRecord second;
    second[Field::LastName] = u"Cole"_s;
    store.append(second);
    // Listed in the order the list shows them, not record order.
    const LabelPlan plan = planLabels(store, {2, 1}, sheet(10, 3), 1, 1);
    ASSERT_EQ(plan.labels.size(), 2u);
    EXPECT_EQ(plan.labels[0].lines, (QStringList{u"Cole"_s, u"  "_s}));
    EXPECT_EQ(plan.labels[1].lines,
              (QStringList{u"ARS K1AB"_s, u"Ann Bell"_s, u"1 Oak St"_s, u"Salem CT 06415"_s}));
}

TEST(AddressLines, SplitAtEachCrLf)
{
    const struct {
        QString address;
        QStringList lines;
    } cases[] = {
        {u"1 Oak St\r\nApt 4"_s, {u"1 Oak St"_s, u"Apt 4"_s}},
        {u"1 Oak St\r\n"_s, {u"1 Oak St"_s}},
        {QString(), {}},
        {u"1 Oak St\r\nB"_s, {u"1 Oak St"_s, u"B"_s}},
        {u"x"_s, {u"x"_s}},
        {u"1 Oak St\r\n\r\nApt 4"_s, {u"1 Oak St"_s, QString(), u"Apt 4"_s}},
        {u"\r\n"_s, {QString()}},
        // Only the pair splits; a lone CR or LF stays in its line.
        {u"a\rb\nc"_s, {u"a\rb\nc"_s}},
        {u"a\r"_s, {u"a\r"_s}},
    };
    for (const auto &[address, lines] : cases) {
        SCOPED_TRACE(address.toStdString());
        EXPECT_EQ(addressLines(address), lines);
    }
}

MemberRecord memberOf(const QString &call, const QString &first, const QString &middle,
                      const QString &last, const QString &address, const QString &city,
                      const QString &state, const QString &zip)
{
    MemberRecord record;
    record[Field::Call] = call;
    record[Field::FirstName] = first;
    record[Field::MiddleInitial] = middle;
    record[Field::LastName] = last;
    record[Field::Address] = address;
    record[Field::City] = city;
    record[Field::State] = state;
    record[Field::Zip] = zip;
    return record;
}

TEST(LabelLines, TheLabelTextTable)
{
    const struct {
        MemberRecord member;
        QStringList lines;
    } cases[] = {
        {memberOf(u"W1AW"_s, u"Hiram"_s, u"P"_s, u"Maxim"_s, u"225 Main St\r\nBox 1"_s,
                  u"Newington"_s, u"CT"_s, u"06111"_s),
         {u"ARS W1AW"_s, u"Hiram P Maxim"_s, u"225 Main St"_s, u"Box 1"_s,
          u"Newington CT 06111"_s}},
        // No call sign: the name line comes first.
        {memberOf({}, u"Hiram"_s, {}, u"Maxim"_s, u"225 Main St"_s, u"Newington"_s, u"CT"_s,
                  u"06111"_s),
         {u"Hiram Maxim"_s, u"225 Main St"_s, u"Newington CT 06111"_s}},
        // Last name only: no blank before it.
        {memberOf(u"W1AW"_s, {}, {}, u"Maxim"_s, {}, u"Newington"_s, u"CT"_s, u"06111"_s),
         {u"ARS W1AW"_s, u"Maxim"_s, u"Newington CT 06111"_s}},
        {memberOf({}, {}, u"P"_s, u"Maxim"_s, {}, {}, {}, {}), {u"P Maxim"_s, u"  "_s}},
        // An empty member still has a name line and the two blanks of the town line.
        {MemberRecord{}, {QString(), u"  "_s}},
        {memberOf({}, u"Hiram"_s, {}, {}, {}, u"Newington"_s, {}, u"06111"_s),
         {u"Hiram "_s, u"Newington  06111"_s}},
    };
    for (const auto &[member, lines] : cases) {
        SCOPED_TRACE(lines.join(u'|').toStdString());
        EXPECT_EQ(labelLines(member), lines);
    }
}

} // namespace
} // namespace tessaly
