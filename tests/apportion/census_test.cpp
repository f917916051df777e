// The built-in census data against published figures, and the methods on
// real data against the official apportionments.
#include "app_fixture.h"

#include "apportion/census.h"
#include "resources/strings.h"

#include <map>

using namespace quan;
using namespace quan::test;

namespace {

struct Expected {
    int k;
    int states, house;
    long long total;
    const char* first[3];
};

// State counts and house sizes of each census; apportionment population
// totals (1970: the official published base); first rows alphabetical.
const Expected kSets[] = {
    {0, 15, 105, 3615920, {"Connecticut", "Delaware", "Georgia"}},
    {3, 24, 213, 8969878, {"Alabama", "Connecticut", "Delaware"}},
    {4, 24, 240, 11931000, {"Alabama", "Connecticut", "Delaware"}},
    {8, 37, 292, 38115641, {"Alabama", "Arkansas", "California"}},
    {9, 38, 325, 49371340, {"Alabama", "Arkansas", "California"}},
    {10, 44, 356, 61999361, {"Alabama", "Arkansas", "California"}},
    {11, 45, 386, 74607225, {"Alabama", "Arkansas", "California"}},
    {12, 46, 433, 91109542, {"Alabama", "Arkansas", "California"}},
    {13, 48, 435, 105273049, {"Alabama", "Arizona", "Arkansas"}},
    {14, 48, 435, 122288177, {"Alabama", "Arizona", "Arkansas"}},
    {15, 48, 435, 131006184, {"Alabama", "Arizona", "Arkansas"}},
    {16, 48, 435, 149895183, {"Alabama", "Arizona", "Arkansas"}},
    {17, 50, 435, 178559219, {"Alabama", "Alaska", "Arizona"}},
    {18, 50, 435, 204053325, {"Alabama", "Alaska", "Arizona"}},
    {19, 50, 435, 225867174, {"Alabama", "Alaska", "Arizona"}},
    {20, 50, 435, 249022783, {"Alabama", "Alaska", "Arizona"}},
    {21, 50, 435, 281424177, {"Alabama", "Alaska", "Arizona"}},
    {22, 50, 435, 309183463, {"Alabama", "Alaska", "Arizona"}},
    {-1, 50, 435, 202545363, {"Alabama", "Alaska", "Arizona"}},
    {-2, 50, 435, 221138415, {"Alabama", "Alaska", "Arizona"}},
    {-3, 50, 435, 221138415, {"Alabama", "Alaska", "Arizona"}},
    {-4, 50, 435, 248102973, {"Alabama", "Alaska", "Arizona"}},
};

// Seats by state name.
std::map<std::string, int> seatMap(const AppTable& t)
{
    std::map<std::string, int> m;
    for (int i = 0; i < t.stateCount(); ++i)
        m[t.record(i).name] = static_cast<int>(t.record(i).v[kColReps]);
    return m;
}

// A divisor that makes the current method give exactly H seats, by bisection
// (seats never increase with the divisor).
void bisectDivisor(AppTable& t)
{
    Real lo = t.sliderLeft() / 2, hi = t.sliderRight() * 2;
    for (int i = 0; i < 200 && !t.correctDivisor(); ++i) {
        const Real mid = (lo + hi) / 2;
        ASSERT_EQ(t.setDivisor(mid), 0);
        (t.seatsAssigned() > t.house() ? lo : hi) = mid;
    }
    ASSERT_TRUE(t.correctDivisor());
}

// Seats per state name counted from a priority list: the name sits between
// ": " and column 56.
std::map<std::string, int> countPriorityList(const std::string& text)
{
    std::map<std::string, int> m;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find("\r\n", pos);
        const std::string line = text.substr(pos, end - pos);
        const size_t colon = line.find(": ");
        std::string name = line.substr(colon + 2, 56 - colon - 2);
        name.erase(name.find_last_not_of(' ') + 1);
        ++m[name];
        pos = end + 2;
    }
    return m;
}

// Official apportionment of 2010 (Huntington-Hill, H = 435), by abbreviation.
const std::map<std::string, int> k2010 = {
    {"AL", 7},  {"AK", 1}, {"AZ", 9},  {"AR", 4},  {"CA", 53}, {"CO", 7}, {"CT", 5},  {"DE", 1},
    {"FL", 27}, {"GA", 14}, {"HI", 2}, {"ID", 2},  {"IL", 18}, {"IN", 9}, {"IA", 4},  {"KS", 4},
    {"KY", 6},  {"LA", 6}, {"ME", 2},  {"MD", 8},  {"MA", 9},  {"MI", 14}, {"MN", 8}, {"MS", 4},
    {"MO", 8},  {"MT", 1}, {"NE", 3},  {"NV", 4},  {"NH", 2},  {"NJ", 12}, {"NM", 3}, {"NY", 27},
    {"NC", 13}, {"ND", 1}, {"OH", 16}, {"OK", 5},  {"OR", 5},  {"PA", 18}, {"RI", 2}, {"SC", 7},
    {"SD", 1},  {"TN", 9}, {"TX", 36}, {"UT", 4},  {"VT", 1},  {"VA", 11}, {"WA", 10}, {"WV", 3},
    {"WI", 8},  {"WY", 1}};

// Official apportionment of 2000 (Huntington-Hill, H = 435).
const std::map<std::string, int> k2000 = {
    {"AL", 7},  {"AK", 1}, {"AZ", 8},  {"AR", 4},  {"CA", 53}, {"CO", 7}, {"CT", 5},  {"DE", 1},
    {"FL", 25}, {"GA", 13}, {"HI", 2}, {"ID", 2},  {"IL", 19}, {"IN", 9}, {"IA", 5},  {"KS", 4},
    {"KY", 6},  {"LA", 7}, {"ME", 2},  {"MD", 8},  {"MA", 10}, {"MI", 15}, {"MN", 8}, {"MS", 4},
    {"MO", 9},  {"MT", 1}, {"NE", 3},  {"NV", 3},  {"NH", 2},  {"NJ", 13}, {"NM", 3}, {"NY", 29},
    {"NC", 13}, {"ND", 1}, {"OH", 18}, {"OK", 5},  {"OR", 5},  {"PA", 19}, {"RI", 2}, {"SC", 6},
    {"SD", 1},  {"TN", 9}, {"TX", 32}, {"UT", 3},  {"VT", 1},  {"VA", 11}, {"WA", 9}, {"WV", 3},
    {"WI", 8},  {"WY", 1}};

std::map<std::string, int> byName(const std::map<std::string, int>& byAbbreviation)
{
    std::map<std::string, int> m;
    for (int i = 0; i < 50; ++i)
        m[S(100 + i)] = byAbbreviation.at(S(200 + i));
    return m;
}

} // namespace

TEST(Census, EveryAvailableSetHasItsStatesHouseAndTotal)
{
    AppTable t;
    for (const Expected& e : kSets) {
        SCOPED_TRACE(censusLabel(e.k));
        ASSERT_TRUE(censusAvailable(e.k));
        ASSERT_EQ(t.loadCensus(e.k), 0);
        EXPECT_EQ(t.stateCount(), e.states);
        EXPECT_EQ(t.house(), e.house);
        EXPECT_EQ(t.totalPopulation(), static_cast<Real>(e.total));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(t.record(i).name, e.first[i]);
        // The compiled data name the same states as the first-census table.
        const CensusSetData* d = censusData(e.k);
        for (int i = 0; i < d->count; ++i)
            EXPECT_EQ(t.record(i).name, d->entries[i].state);
        const Real div = static_cast<Real>(e.total) / e.house;
        EXPECT_EQ(t.divisor(), div);
        EXPECT_EQ(t.sliderLeft(), 0.8L * div);
        EXPECT_EQ(t.sliderRight(), 1.25L * div);
    }
}

TEST(Census, TellingRows)
{
    AppTable t;
    auto pops = [&t](int k) {
        EXPECT_EQ(t.loadCensus(k), 0);
        return std::vector<Real>{t.record(0).v[0], t.record(1).v[0], t.record(2).v[0]};
    };
    EXPECT_EQ(pops(0), (std::vector<Real>{236841, 55540, 70835}));
    EXPECT_EQ(pops(22), (std::vector<Real>{4802982, 721523, 6412700}));
    EXPECT_EQ(pops(-2), (std::vector<Real>{3659293, 451884, 2184366}));
    EXPECT_EQ(pops(-3), (std::vector<Real>{3608877, 329928, 1885014}));
    // 1790 in full.
    ASSERT_EQ(t.loadCensus(0), 0);
    EXPECT_EQ(t.record(14).name, "Virginia");
    EXPECT_EQ(t.record(14).v[0], 630560);
    EXPECT_EQ(t.record(5).v[0], 475327);
}

TEST(Census, MissingSetsAreRefusedAndLeaveTheTable)
{
    const int missing[] = {1, 2, 5, 6, 7};
    const int counts[] = {16, 17, 26, 31, 34}, houses[] = {141, 181, 223, 234, 233};
    AppTable t;
    ASSERT_EQ(t.loadCensus(0), 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(censusAvailable(missing[i]));
        EXPECT_EQ(censusStateCount(missing[i]), counts[i]);
        EXPECT_EQ(censusHouseSize(missing[i]), houses[i]);
        EXPECT_EQ(t.loadCensus(missing[i]), 30);
    }
    EXPECT_EQ(t.loadCensus(23), 17);
    EXPECT_EQ(t.loadCensus(-5), 17);
    EXPECT_EQ(t.stateCount(), 15);
    EXPECT_EQ(t.house(), 105);
}

TEST(Census, LabelsMenusAndCommands)
{
    EXPECT_EQ(censusLabel(0), "1790");
    EXPECT_EQ(censusLabel(22), "2010");
    EXPECT_EQ(censusLabel(-1), "1970a");
    EXPECT_EQ(censusLabel(-4), "1990a");
    EXPECT_EQ(censusMenuLabel(0), "1790 (&A)");
    EXPECT_EQ(censusMenuLabel(22), "2010 (&W)");
    EXPECT_EQ(censusMenuLabel(-1), "&a = 1970 [-foreign]");
    EXPECT_EQ(censusMenuLabel(-3), "&c = 1984 [hypothetical]");
    EXPECT_EQ(censusCommandId(0), 579);
    EXPECT_EQ(censusCommandId(22), 601);
    EXPECT_EQ(censusCommandId(-1), 620);
    EXPECT_EQ(censusCommandId(-4), 623);
    for (int k = kCensusFirst; k <= kCensusLast; ++k)
        EXPECT_EQ(censusFromCommand(censusCommandId(k)), k);
    EXPECT_EQ(censusFromCommand(602), kCensusFirst - 1);
    EXPECT_EQ(censusFileName(0), "usa1790.hor");
    EXPECT_EQ(censusFileName(-3), "usa1984b.hor");
}

TEST(Census, ComparisonListIsEmptiedOnlyWhenTheStateCountChanges)
{
    AppTable t;
    ASSERT_EQ(t.loadCensus(12), 0); // 1910, 46 states
    t.registerApportionment("1910");
    ASSERT_EQ(t.loadCensus(13), 0); // 1920, 48 states
    EXPECT_TRUE(t.comparisons().empty());
    t.registerApportionment("1920");
    ASSERT_EQ(t.loadCensus(14), 0); // 1930, 48 states
    EXPECT_EQ(t.comparisons().size(), 1u);
}

TEST(OfficialApportionments, HuntingtonHill2010And2000)
{
    for (auto [k, official] : {std::pair{22, &k2010}, std::pair{21, &k2000}}) {
        SCOPED_TRACE(censusLabel(k));
        AppTable t;
        ASSERT_EQ(t.loadCensus(k), 0);
        t.setMethod(kHuntingtonHill);
        bisectDivisor(t);
        EXPECT_EQ(t.seatsAssigned(), 435);
        EXPECT_EQ(seatMap(t), byName(*official));
        EXPECT_EQ(t.titleText().find("correct divisor") != std::string::npos, true);
        // The priority list hands out the same 435 seats.
        EXPECT_EQ(countPriorityList(t.priorityList()), byName(*official));
    }
}

TEST(OfficialApportionments, Jefferson1792WithDivisor33000)
{
    // The first apportionment (1790 census, 105 seats, divisor 33 000).
    AppTable t;
    ASSERT_EQ(t.loadCensus(0), 0);
    t.setMethod(kJefferson);
    ASSERT_EQ(t.applyDivisor(33000), 0);
    EXPECT_EQ(seats(t), (std::vector<int>{7, 1, 2, 2, 8, 14, 4, 5, 10, 10, 13, 2, 6, 2, 19}));
    EXPECT_EQ(t.titleText(), " [Jefferson; 33000.00 correct divisor]");
}

TEST(OfficialApportionments, HamiltonAlwaysFillsTheHouse)
{
    AppTable t;
    for (int k : {20, 0, 12, -2}) {
        ASSERT_EQ(t.loadCensus(k), 0);
        for (int m : {kHamilton, kHamiltonMin1, kLowndes}) {
            t.setMethod(m);
            EXPECT_EQ(t.seatsAssigned(), t.house()) << k << " " << m;
            EXPECT_TRUE(t.correctDivisor());
        }
    }
    // Jefferson at D = T/H falls short on the 1990 data.
    ASSERT_EQ(t.loadCensus(20), 0);
    t.setMethod(kJefferson);
    EXPECT_LT(t.seatsAssigned(), 435);
    EXPECT_NE(t.titleText().find("incorrect divisor"), std::string::npos);
}

TEST(OfficialApportionments, PriorityListAgreesWithEveryDivisorMethod)
{
    // Where a divisor gives exactly H seats, the first H seats of the priority
    // list are the same apportionment.
    AppTable t;
    ASSERT_EQ(t.loadCensus(19), 0); // 1980
    for (int m = kJefferson; m <= kDean; ++m) {
        SCOPED_TRACE(m);
        t.setMethod(m);
        bisectDivisor(t);
        std::map<std::string, int> fromTable;
        for (const auto& [name, s] : seatMap(t))
            if (s > 0)
                fromTable[name] = s;
        EXPECT_EQ(countPriorityList(t.priorityList()), fromTable);
    }
}
