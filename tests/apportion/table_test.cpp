// Divisor range and dialog, method changes, arranging, editing and the table
// operations, on tables worked out by hand.
#include "app_fixture.h"

using namespace quan;
using namespace quan::test;

namespace {
// Populations 53, 31, 16 (T = 100), H = 10, so T/H = 10. Jefferson [min=1] at
// D = 10 gives 5 + 3 + 1 = 9 seats, so R = 100/9; Adams gives 6 + 4 + 2 = 12,
// so L = 100/12.
const States kSmall = {{"A", 53}, {"B", 31}, {"C", 16}};
constexpr Real kL = 100 / 12.0L, kR = 100 / 9.0L;
} // namespace

TEST(DivisorRange, IsDerivedFromJeffersonMinOneAndAdams)
{
    AppTable t = makeTable(kSmall, 10);
    MethodChange c = t.setMethod(kJefferson);
    EXPECT_TRUE(c.changed && c.showDivisorDialog && c.closePriorityList);
    EXPECT_FALSE(c.closeDivisorWindows);
    EXPECT_NEAR(double(t.sliderLeft()), double(kL), 1e-12);
    EXPECT_NEAR(double(t.sliderRight()), double(kR), 1e-12);
    EXPECT_EQ(t.method(), kJefferson);
    // The remembered divisor 1 (from the document) lies outside: D = T/H.
    EXPECT_NEAR(double(t.divisor()), 10, 1e-15);
    EXPECT_EQ(seats(t), (std::vector<int>{5, 3, 1}));
    EXPECT_EQ(t.titleText(), " [Jefferson; 10.00 incorrect divisor]");
    // Back to a largest-remainder method.
    c = t.setMethod(kHamilton);
    EXPECT_TRUE(c.changed && c.closeDivisorWindows && !c.showDivisorDialog);
    EXPECT_EQ(t.titleText(), " [Hamilton]");
    EXPECT_FALSE(t.setMethod(kHamilton).changed);
    int code = 0;
    EXPECT_FALSE(t.setMethod(10, &code).changed);
    EXPECT_EQ(code, 17);
}

TEST(DivisorRange, ADegenerateRangeGetsPointNineToOnePointTwo)
{
    // 60, 30, 10 at D = 10 are whole quotas: both runs give 10 seats.
    AppTable t = makeTable({{"A", 60}, {"B", 30}, {"C", 10}}, 10);
    t.setMethod(kWebster);
    EXPECT_NEAR(double(t.sliderLeft()), 9, 1e-15);
    EXPECT_NEAR(double(t.sliderRight()), 12, 1e-15);
}

TEST(DivisorRange, SwitchingDivisorMethodsKeepsADivisorInsideTheRange)
{
    AppTable t = makeTable(kSmall, 10);
    t.setMethod(kJefferson);
    ASSERT_EQ(t.applyDivisor(9), 0);
    t.setMethod(kWebster);
    EXPECT_EQ(t.divisor(), 9);
    // Within the 1e-13 tolerance below L it is still kept ...
    ASSERT_EQ(t.setDivisor(kL - 5e-14L), 0);
    t.setMethod(kAdams);
    EXPECT_EQ(t.divisor(), kL - 5e-14L);
    // ... beyond it, D returns to T/H.
    ASSERT_EQ(t.setDivisor(kL - 1e-11L), 0);
    t.setMethod(kDean);
    EXPECT_NEAR(double(t.divisor()), 10, 1e-15);
    // Apply widens the range; the next method change narrows it again.
    ASSERT_EQ(t.applyDivisor(50), 0);
    EXPECT_EQ(t.sliderRight(), 50);
    t.setMethod(kHuntingtonHill);
    EXPECT_NEAR(double(t.divisor()), 10, 1e-15);
}

TEST(DivisorDialog, SliderPositionsAndBounds)
{
    AppTable t = makeTable(kSmall, 10);
    t.setMethod(kJefferson);
    // (10 - 100/12) * 100 / (100/9 - 100/12) = 60.
    EXPECT_EQ(t.sliderPosition(), 60);
    t.setSliderPosition(25);
    EXPECT_NEAR(double(t.divisor()), double(kL + (kR - kL) / 4), 1e-12);
    EXPECT_EQ(t.sliderPosition(), 25);
    // 8.5: 6.2, 3.6, 1.9 -> 6 + 3 + 1 = 10 seats.
    ASSERT_EQ(t.applyDivisor(8.5L), 0);
    EXPECT_EQ(t.titleText(), " [Jefferson; 8.50 correct divisor]");
    EXPECT_EQ(t.divisorText(), "8.500");
    // Position of 8.5: (8.5 - 8.333) * 36 = 6.0.
    EXPECT_EQ(t.sliderPosition(), 6);
    // Apply refuses values below 1 and widens the range for the others.
    EXPECT_EQ(t.applyDivisor(0.5L), 17);
    EXPECT_EQ(t.divisor(), 8.5L);
    ASSERT_EQ(t.applyDivisor(5), 0);
    EXPECT_EQ(t.sliderLeft(), 5);
    EXPECT_EQ(t.sliderPosition(), 0);
    ASSERT_EQ(t.applyDivisor(20), 0);
    EXPECT_EQ(t.sliderRight(), 20);
    EXPECT_EQ(t.sliderPosition(), 100);
    // set L / set R.
    EXPECT_EQ(t.setSliderLeft(0.9L), 17);
    EXPECT_EQ(t.setSliderLeft(20), 17); // would empty the range
    ASSERT_EQ(t.setSliderLeft(9), 0);
    EXPECT_EQ(t.sliderLeft(), 9);
    EXPECT_EQ(t.divisor(), 9);
    EXPECT_EQ(t.setSliderRight(9), 17);
    ASSERT_EQ(t.setSliderRight(11), 0);
    EXPECT_EQ(t.sliderRight(), 11);
    EXPECT_EQ(t.divisor(), 11);
    EXPECT_EQ(t.sliderPosition(), 100);
    // Autofeed shows in the title.
    t.setAutofeed(true);
    EXPECT_EQ(t.titleText(), " [Jefferson; 11.00 incorrect divisor]   Esc cancels autofeed");
}

TEST(Arrange, NamesIgnoreCaseAndKeepTheFirstOfEqualsWhenIncreasing)
{
    AppTable t = makeTable({{"bob", 4}, {"Alice", 3}, {"carl", 2}, {"alice", 1}}, 4);
    // Worked through the selection sort: Alice, alice, bob, carl.
    EXPECT_EQ(displayOrder(t), (std::vector<int>{1, 3, 0, 2}));
    t.setIncreasing(false);
    // Decreasing replaces when not below: carl, bob, then the later alice first.
    EXPECT_EQ(displayOrder(t), (std::vector<int>{2, 0, 3, 1}));
}

TEST(Arrange, NumbersTakeTheLastOfEqualsWhenIncreasing)
{
    AppTable t = makeTable({{"a", 5}, {"b", 3}, {"c", 5}, {"d", 3}}, 4);
    ASSERT_EQ(t.setArrangeKey(kArrangePopulation), 0);
    EXPECT_EQ(displayOrder(t), (std::vector<int>{3, 1, 0, 2}));
    t.setIncreasing(false);
    EXPECT_EQ(displayOrder(t), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(t.setArrangeKey(3), 17);
    EXPECT_EQ(t.arrangeKey(), kArrangePopulation);
}

TEST(Arrange, InfiniteDistrictsStayBehindWhenIncreasing)
{
    // H = 2: quotas .645, .065, 1.29 -> seats 1, 0, 1; districts 10, inf, 20.
    AppTable t = makeTable({{"a", 10}, {"b", 1}, {"c", 20}}, 2);
    ASSERT_EQ(t.setArrangeKey(kArrangeDistrict), 0);
    EXPECT_EQ(displayOrder(t), (std::vector<int>{0, 2, 1}));
    t.setIncreasing(false);
    EXPECT_EQ(displayOrder(t), (std::vector<int>{1, 2, 0}));
    ASSERT_EQ(t.setArrangeKey(kArrangeCritical), 0); // remainders .645, .065, .29
    EXPECT_EQ(displayOrder(t), (std::vector<int>{0, 2, 1}));
}

TEST(Editing, NumbersAreCheckedAndRoundedAsDocumented)
{
    AppTable t = makeTable(kSmall, 10);
    t.setAutofeed(true);
    EXPECT_EQ(t.setPopulation(0, 0.5L), 14);
    EXPECT_FALSE(t.autofeed());
    t.setAutofeed(true);
    EXPECT_EQ(t.setPopulation(0, 3e9L), 17);
    EXPECT_FALSE(t.autofeed());
    EXPECT_EQ(t.editCell(0, kColPop, "12x"), 1);
    EXPECT_EQ(t.record(0).v[kColPop], 53);
    // A population is kept as typed.
    ASSERT_EQ(t.editCell(0, kColPop, "1234.6"), 0);
    EXPECT_EQ(t.record(0).v[kColPop], 1234.6L);
    EXPECT_EQ(t.totals()[kColPop], 1234.6L + 47);
    // The house size is rounded half down.
    ASSERT_EQ(t.editCell(3, kColQuota, "10.5"), 0);
    EXPECT_EQ(t.house(), 10);
    ASSERT_EQ(t.setHouseSize(10.6L), 0);
    EXPECT_EQ(t.house(), 11);
    EXPECT_EQ(t.editText(3, kColQuota), "11");
    EXPECT_EQ(t.setHouseSize(0), 14);
    EXPECT_EQ(t.house(), 11);
    EXPECT_EQ(t.editText(1, kColPop), "31");
    EXPECT_FALSE(t.cellEditable(1, kColReps));
    EXPECT_EQ(t.editCell(1, kColReps, "3"), 17);
}

TEST(Editing, TextsAreCutAndEmptyEntriesKeepTheOldText)
{
    AppTable t = makeTable(kSmall, 10);
    t.setName(0, std::string(60, 'x'));
    EXPECT_EQ(t.record(0).name, std::string(50, 'x'));
    ASSERT_EQ(t.editCell(0, kNameColumn, ""), 0);
    EXPECT_EQ(t.record(0).name, std::string(50, 'x'));
    ASSERT_EQ(t.editCell(-1, kColReps, "seats of the house 2"), 0);
    EXPECT_EQ(t.heading(kColReps), "seats of the house 2");
    t.setHeading(kNameColumn, "states of the union, 2010");
    EXPECT_EQ(t.heading(kNameColumn), "states of the union,");
    t.setHeading(kColPop, "");
    EXPECT_EQ(t.heading(kColPop), "pop");
    EXPECT_EQ(t.editText(-1, kNameColumn), "states of the union,");
}

TEST(Editing, EditsReSortOnlyTheirOwnKey)
{
    AppTable t = makeTable(kSmall, 10);
    // Arranged by name: renaming A to "Z" moves it to the bottom.
    t.setName(0, "Z");
    EXPECT_EQ(displayOrder(t), (std::vector<int>{1, 2, 0}));
    ASSERT_EQ(t.setArrangeKey(kArrangePopulation), 0); // 16, 31, 53
    EXPECT_EQ(displayOrder(t), (std::vector<int>{2, 1, 0}));
    ASSERT_EQ(t.setPopulation(0, 40), 0); // C's 16 becomes 40 (row 0 = record 2)
    EXPECT_EQ(displayOrder(t), (std::vector<int>{1, 2, 0}));
    t.setName(0, "A"); // record 1 renamed: no re-sort by population
    EXPECT_EQ(displayOrder(t), (std::vector<int>{1, 2, 0}));
}

TEST(TableOperations, NumberOfStatesUsesTheSpareRecords)
{
    AppTable t; // 2010 census: 50 states, T = 309 183 463
    t.registerApportionment("x");
    EXPECT_EQ(t.setStateCount(1), 17);
    EXPECT_EQ(t.setStateCount(100), 17);
    EXPECT_EQ(t.comparisons().size(), 1u);
    ASSERT_EQ(t.setStateCount(52), 0);
    EXPECT_TRUE(t.comparisons().empty());
    EXPECT_EQ(t.record(50).name, "name 51");
    EXPECT_EQ(t.record(51).name, "name 52");
    EXPECT_EQ(t.record(51).v[kColPop], 5000);
    const Real d = (309183463.0L + 10000) / 435;
    EXPECT_EQ(t.divisor(), d);
    EXPECT_EQ(t.sliderLeft(), 0.8L * d);
    EXPECT_EQ(t.sliderRight(), 1.25L * d);
    EXPECT_EQ(t.setColumnWidth(5), 17);
    EXPECT_EQ(t.setColumnWidth(6), 0);
    EXPECT_EQ(t.setColumnWidth(1000), 17);
    EXPECT_EQ(t.columnWidth(), 6);
    EXPECT_EQ(t.setQuotaPlaces(16), 17);
    ASSERT_EQ(t.setQuotaPlaces(5), 0);
    EXPECT_EQ(t.columnDecimals(kColCrit), 5);
    EXPECT_EQ(t.columnDecimals(kColRepsPct), 2);
}

TEST(TableOperations, DeleteRowsThreeThroughThreeOfFifty)
{
    AppTable t;
    t.setMethod(kWebster);
    t.registerApportionment("x");
    EXPECT_EQ(t.deleteRows(0, 3), 17);
    EXPECT_EQ(t.deleteRows(1, 51), 17);
    EXPECT_EQ(t.deleteRows(50, 1), 25);
    EXPECT_EQ(t.stateCount(), 50);
    ASSERT_EQ(t.deleteRows(3, 3), 0); // Arizona, 6 412 700
    EXPECT_EQ(t.stateCount(), 49);
    EXPECT_TRUE(t.comparisons().empty());
    EXPECT_EQ(t.record(1).name, "Alaska");
    EXPECT_EQ(t.record(2).name, "Arkansas");
    EXPECT_EQ(t.record(48).name, "Wyoming");
    EXPECT_EQ(t.record(49).name, "name 50");
    EXPECT_EQ(t.record(49).v[kColPop], 5000);
    EXPECT_EQ(t.totalPopulation(), 309183463.0L - 6412700);
    EXPECT_EQ(t.divisor(), (309183463.0L - 6412700) / 435);
    // Rows in either order; the display order counts (by population here).
    ASSERT_EQ(t.setArrangeKey(kArrangePopulation), 0);
    t.setIncreasing(false);
    ASSERT_EQ(t.deleteRows(2, 1), 0); // California and Texas
    EXPECT_EQ(t.stateCount(), 47);
    EXPECT_EQ(t.rowRecord(0).name, "New York");
}

TEST(Documents, LoadChecksEveryFieldAndLeavesTheTableOnFailure)
{
    AppTable t = makeTable(kSmall, 10, kWebster, 9.5L);
    HorDocument d = t.documentData();
    EXPECT_EQ(d.stateCount(), 3);
    EXPECT_EQ(d.method, kWebster);
    EXPECT_EQ(d.divisor, 9.5L);
    EXPECT_EQ(d.houseSize, 10);
    EXPECT_EQ(d.headings[kNameColumn], "State");
    EXPECT_EQ(t.sliderLeft(), 0.9L * 9.5L);
    EXPECT_EQ(t.sliderRight(), 1.1L * 9.5L);
    for (auto bad : {0, 1, 2, 3, 4, 5, 6, 7}) {
        HorDocument b = d;
        switch (bad) {
        case 0: b.populations.resize(100, 1000); b.names.resize(100, "x"); break;
        case 1: b.method = 10; break;
        case 2: b.key = 3; break;
        case 3: b.populations[1] = -1; break;
        case 4: b.names.pop_back(); break;
        case 5: b.divisor = 0; break;
        case 6: b.columnWidth = 0; break;
        default: b.houseSize = 0; break;
        }
        EXPECT_EQ(t.loadDocument(b), 6) << bad;
    }
    EXPECT_EQ(t.stateCount(), 3);
    EXPECT_EQ(t.method(), kWebster);
    EXPECT_EQ(t.house(), 10);
}

TEST(Registration, EntriesHoldSeatsHouseAndDivisor)
{
    AppTable t = makeTable(kSmall, 10);
    EXPECT_EQ(t.registerTitle(), "apportionment #1");
    EXPECT_EQ(t.registerPreset(), " Ham");
    t.registerApportionment("a heading longer than twenty");
    t.setMethod(kJefferson);
    ASSERT_EQ(t.applyDivisor(8.6L), 0);
    t.registerApportionment(t.registerPreset());
    ASSERT_EQ(t.comparisons().size(), 2u);
    const auto& a = t.comparisons()[0];
    EXPECT_EQ(a.heading, "a heading longer tha");
    EXPECT_EQ(a.seats, (std::vector<int32_t>{5, 3, 2}));
    EXPECT_EQ(a.house, 10);
    EXPECT_EQ(a.divisor, 10); // T/H
    const auto& b = t.comparisons()[1];
    EXPECT_EQ(b.heading, " Jef");
    EXPECT_EQ(b.method, kJefferson);
    EXPECT_EQ(b.divisor, 9); // 8.6 rounded
    EXPECT_EQ(b.seats, (std::vector<int32_t>{6, 3, 1}));
    EXPECT_EQ(t.registerTitle(), "apportionment #3");
    t.zeroSummary();
    EXPECT_TRUE(t.comparisons().empty());
}

TEST(Registration, ElectoralBlocsAddTwoSenatorsAndTheDistrict)
{
    AppTable t = makeTable(kSmall, 10);
    auto blocs = t.electoralBlocs();
    ASSERT_EQ(blocs.size(), 4u);
    EXPECT_EQ(blocs[0].name, "A");
    EXPECT_EQ(blocs[0].weight, 7);  // 5 seats + 2
    EXPECT_EQ(blocs[0].figure, 20); // 53 * .37 = 19.61
    EXPECT_EQ(blocs[3].name, "District of Columbia");
    EXPECT_EQ(blocs[3].weight, 3);
    EXPECT_EQ(blocs[3].figure, 222638);
}
