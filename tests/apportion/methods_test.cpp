// The ten methods on small tables worked out by hand.
#include "app_fixture.h"
#include "apportion/methods.h"

#include <cmath>

using namespace quan;
using namespace quan::test;

namespace {

void expectColumn(const AppTable& t, int col, const std::vector<Real>& want)
{
    const auto got = column(t, col);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(static_cast<double>(got[i]), static_cast<double>(want[i]), 1e-9)
            << "column " << col << " state " << i;
}

// A = 530, B = 310, C = 160: total 1000.
const States kABC = {{"A", 530}, {"B", 310}, {"C", 160}};

} // namespace

TEST(LargestRemainder, HamiltonGivesTheLeftoverSeatToTheLargestRemainder)
{
    // H = 10: quotas 5.3, 3.1, 1.6; floors 9 seats; remainders .3 .1 .6 -> C.
    AppTable t = makeTable(kABC, 10, kHamilton);
    EXPECT_EQ(seats(t), (std::vector<int>{5, 3, 2}));
    expectColumn(t, kColPct, {53, 31, 16});
    expectColumn(t, kColQuota, {5.3L, 3.1L, 1.6L});
    expectColumn(t, kColRepsPct, {50, 30, 20});
    expectColumn(t, kColDistrict, {106, 310 / 3.0L, 80});
    expectColumn(t, kColAdjQuota, {5.3L, 3.1L, 1.6L});
    expectColumn(t, kColCrit, {0.3L, 0.1L, 0.6L});
    EXPECT_EQ(t.totals()[kColPop], 1000);
    EXPECT_EQ(t.totals()[kColPct], 100);
    EXPECT_EQ(t.totals()[kColQuota], 10);
    EXPECT_EQ(t.totals()[kColReps], 10);
    EXPECT_EQ(t.totals()[kColRepsPct], 100);
    EXPECT_EQ(t.totals()[kColDistrict], 100);
    EXPECT_TRUE(t.correctDivisor());
}

TEST(LargestRemainder, MinOneAndLowndesRankStatesWithoutAWholeSeatFirst)
{
    // Quotas 8.8, 0.65, 0.55 (H = 10). Hamilton: remainders .8 .65 .55 -> A, B.
    const States s = {{"A", 880}, {"B", 65}, {"C", 55}};
    EXPECT_EQ(seats(makeTable(s, 10, kHamilton)), (std::vector<int>{9, 1, 0}));
    // Hamilton [min=1]: B and C get remainder 1.0 and both outrank A's .8.
    AppTable plus = makeTable(s, 10, kHamiltonMin1);
    EXPECT_EQ(seats(plus), (std::vector<int>{8, 1, 1}));
    expectColumn(plus, kColCrit, {0.8L, 1, 1});
    // Lowndes: .8 / 8 = .1 against 1.0, 1.0.
    AppTable low = makeTable(s, 10, kLowndes);
    EXPECT_EQ(seats(low), (std::vector<int>{8, 1, 1}));
    expectColumn(low, kColCrit, {0.1L, 1, 1});
}

TEST(LargestRemainder, LowndesDividesRemaindersByTheWholeSeats)
{
    // Quotas 6.45, 2.35, 1.2: Hamilton gives the tenth seat to A (.45);
    // Lowndes compares .45/6 = .075, .35/2 = .175, .2/1 = .2 and gives it to C.
    const States s = {{"A", 6450}, {"B", 2350}, {"C", 1200}};
    EXPECT_EQ(seats(makeTable(s, 10, kHamilton)), (std::vector<int>{7, 2, 1}));
    AppTable low = makeTable(s, 10, kLowndes);
    EXPECT_EQ(seats(low), (std::vector<int>{6, 2, 2}));
    expectColumn(low, kColCrit, {0.075L, 0.175L, 0.2L});
    expectColumn(low, kColAdjQuota, {6.45L, 2.35L, 1.2L});
}

TEST(LargestRemainder, TiesGoToTheEarlierStateInInternalOrder)
{
    // Quotas .6, .6, .8 with H = 2: C first, then the earlier of the tied pair.
    // Internal order, not the name order of the display, decides.
    AppTable t = makeTable({{"Zed", 300}, {"Amy", 300}, {"Max", 400}}, 2, kHamilton);
    EXPECT_EQ(seats(t), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(t.rowRecord(0).name, "Amy");
    // Lowndes with two states without a seat and one seat to give.
    AppTable low = makeTable({{"A", 9500}, {"B", 300}, {"C", 200}}, 10, kLowndes);
    EXPECT_EQ(seats(low), (std::vector<int>{9, 1, 0}));
}

TEST(DivisorMethods, JeffersonRoundsDown)
{
    // D = 90: 5.889, 3.444, 1.778 -> 5, 3, 1 (9 seats); critical values f + 1.
    AppTable t = makeTable(kABC, 10, kJefferson, 90);
    EXPECT_EQ(seats(t), (std::vector<int>{5, 3, 1}));
    expectColumn(t, kColCrit, {6, 4, 2});
    EXPECT_FALSE(t.correctDivisor());
    // D = 80: 6.625, 3.875, 2 exactly -> 6, 3, 2; an exact quota keeps crit = f.
    AppTable u = makeTable(kABC, 10, kJefferson, 80);
    EXPECT_EQ(seats(u), (std::vector<int>{6, 3, 2}));
    expectColumn(u, kColCrit, {7, 4, 2});
    EXPECT_EQ(u.totals()[kColReps], 11);
}

TEST(DivisorMethods, MinOneVariantsGiveAQuotaBelowOneASeatWithCriticalValueZero)
{
    // D = 100: 9.5, .3, .2.
    const States s = {{"A", 950}, {"B", 30}, {"C", 20}};
    AppTable jef = makeTable(s, 10, kJefferson, 100);
    EXPECT_EQ(seats(jef), (std::vector<int>{9, 0, 0}));
    expectColumn(jef, kColCrit, {10, 1, 1});
    AppTable jefPlus = makeTable(s, 10, kJeffersonMin1, 100);
    EXPECT_EQ(seats(jefPlus), (std::vector<int>{9, 1, 1}));
    expectColumn(jefPlus, kColCrit, {10, 0, 0});
    // Webster: 9.5 rounds down (exact half), .3 and .2 to 0; [min=1] lifts them to 1.
    AppTable web = makeTable(s, 10, kWebster, 100);
    EXPECT_EQ(seats(web), (std::vector<int>{9, 0, 0}));
    expectColumn(web, kColCrit, {9.5L, 0.5L, 0.5L});
    AppTable webPlus = makeTable(s, 10, kWebsterMin1, 100);
    EXPECT_EQ(seats(webPlus), (std::vector<int>{9, 1, 1}));
    expectColumn(webPlus, kColCrit, {9.5L, 0, 0});
    // A quota of exactly one half under Webster [min=1]: one seat, crit 0.
    AppTable half = makeTable({{"A", 950}, {"B", 50}}, 10, kWebsterMin1, 100);
    EXPECT_EQ(seats(half), (std::vector<int>{9, 1}));
    expectColumn(half, kColCrit, {9.5L, 0});
}

TEST(DivisorMethods, WebsterRoundsAnExactHalfDown)
{
    // D = 100: 2.5 -> 2 and 1.5 -> 1; critical values k + 0.5.
    AppTable t = makeTable({{"A", 250}, {"B", 150}}, 4, kWebster, 100);
    EXPECT_EQ(seats(t), (std::vector<int>{2, 1}));
    expectColumn(t, kColCrit, {2.5L, 1.5L});
    // 5.3, 3.1, 1.6 -> 5, 3, 2: a correct divisor for H = 10.
    AppTable u = makeTable(kABC, 10, kWebster, 100);
    EXPECT_EQ(seats(u), (std::vector<int>{5, 3, 2}));
    expectColumn(u, kColCrit, {5.5L, 3.5L, 1.5L});
    EXPECT_TRUE(u.correctDivisor());
}

TEST(DivisorMethods, AdamsRoundsUp)
{
    // D = 100: 5.3, 3.1, 1.6 -> 6, 4, 2; D = 80: 6.625, 3.875, 2 -> 7, 4, 2.
    AppTable t = makeTable(kABC, 10, kAdams, 100);
    EXPECT_EQ(seats(t), (std::vector<int>{6, 4, 2}));
    expectColumn(t, kColCrit, {5, 3, 1});
    AppTable u = makeTable(kABC, 10, kAdams, 80);
    EXPECT_EQ(seats(u), (std::vector<int>{7, 4, 2}));
    expectColumn(u, kColCrit, {6, 3, 2});
}

TEST(DivisorMethods, GeometricAndHarmonicMeansSeparateTheRoundings)
{
    // Quotas 2.42, 2.45, 1.3 at D = 100. Means between 2 and 3: arithmetic 2.5,
    // geometric sqrt(6) = 2.449..., harmonic 12/5 = 2.4; between 1 and 2: 1.5,
    // sqrt(2) = 1.414..., 4/3.
    const States s = {{"A", 242}, {"B", 245}, {"C", 130}};
    AppTable web = makeTable(s, 7, kWebster, 100);
    EXPECT_EQ(seats(web), (std::vector<int>{2, 2, 1}));
    AppTable hill = makeTable(s, 7, kHuntingtonHill, 100);
    EXPECT_EQ(seats(hill), (std::vector<int>{2, 3, 1}));
    expectColumn(hill, kColCrit, {std::sqrt(6.0L), std::sqrt(6.0L), std::sqrt(2.0L)});
    AppTable dean = makeTable(s, 7, kDean, 100);
    EXPECT_EQ(seats(dean), (std::vector<int>{3, 3, 1}));
    expectColumn(dean, kColCrit, {2.4L, 2.4L, 4 / 3.0L});
    AppTable jef = makeTable(s, 7, kJefferson, 100);
    EXPECT_EQ(seats(jef), (std::vector<int>{2, 2, 1}));
    expectColumn(jef, kColCrit, {3, 3, 2});
    AppTable adams = makeTable(s, 7, kAdams, 100);
    EXPECT_EQ(seats(adams), (std::vector<int>{3, 3, 2}));
    // 5.3, 3.1, 1.6 under Huntington-Hill: sqrt(30) = 5.48, sqrt(12) = 3.46, sqrt(2).
    AppTable h2 = makeTable(kABC, 10, kHuntingtonHill, 100);
    EXPECT_EQ(seats(h2), (std::vector<int>{5, 3, 2}));
    expectColumn(h2, kColCrit, {std::sqrt(30.0L), std::sqrt(12.0L), std::sqrt(2.0L)});
    // ... and under Dean: 60/11 = 5.45, 24/7 = 3.43, 4/3.
    AppTable d2 = makeTable(kABC, 10, kDean, 100);
    EXPECT_EQ(seats(d2), (std::vector<int>{5, 3, 2}));
    expectColumn(d2, kColCrit, {60 / 11.0L, 24 / 7.0L, 4 / 3.0L});
}

TEST(DivisorMethods, HillAndDeanAlwaysGiveAPositiveQuotaItsFirstSeat)
{
    // D = 1000: quotas .95, .03, .02: every state gets one seat, crit 0.
    const States s = {{"A", 950}, {"B", 30}, {"C", 20}};
    for (int m : {kHuntingtonHill, kDean}) {
        AppTable t = makeTable(s, 3, m, 1000);
        EXPECT_EQ(seats(t), (std::vector<int>{1, 1, 1})) << m;
        expectColumn(t, kColCrit, {0, 0, 0});
    }
}

TEST(DivisorMethods, AnEmptyStateGetsNoSeatFromTheMeans)
{
    // A quota of exactly 0 is not above the means sqrt(0) and 0.
    for (int m : {kHuntingtonHill, kDean, kAdams}) {
        AppTable t = makeTable({{"A", 950}, {"B", 0}}, 10, m, 100);
        EXPECT_EQ(seats(t)[1], 0) << m;
        EXPECT_EQ(t.record(1).v[kColDistrict], constants().infinite());
    }
}

TEST(DivisorMethods, AStateWithoutASeatHasAnInfiniteDistrict)
{
    AppTable t = makeTable({{"A", 950}, {"B", 30}, {"C", 20}}, 10, kJefferson, 100);
    EXPECT_EQ(t.record(1).v[kColDistrict], constants().infinite());
    const int row = 1; // display order by name: A, B, C
    EXPECT_EQ(t.cellText(row, kColDistrict), "infinite");
    EXPECT_EQ(t.cellText(0, kColDistrict), "106"); // 950 / 9 = 105.6
    EXPECT_EQ(t.cellText(0, kColAdjQuota), "9.500");
}

TEST(DivisorMethods, HugeQuotasAreClampedWithoutOverflow)
{
    AppTable t = makeTable({{"A", 2147483647.0L}, {"B", 2147483647.0L}}, 10, kJefferson, 1);
    ASSERT_EQ(t.setDivisor(0.25L), 0);
    EXPECT_EQ(seats(t), (std::vector<int>{2147483647, 2147483647}));
    EXPECT_EQ(t.totals()[kColReps], 2 * 2147483647.0L);
    EXPECT_EQ(t.setDivisor(0), 17);
    EXPECT_EQ(t.setDivisor(-5), 17);
    EXPECT_EQ(t.divisor(), 0.25L);
}

TEST(MethodRules, EachMethodHasItsRulesAndTheDivisorMethodsAreTheSeven)
{
    const Real e42 = constants().e42;
    for (int m = 0; m < kMethodCount; ++m) {
        const MethodRule& r = methodRule(m);
        EXPECT_EQ(r.divisor, isDivisorMethod(m)) << m;
        ASSERT_NE(r.seats, nullptr);
        ASSERT_NE(r.critical, nullptr);
        ASSERT_NE(r.need, nullptr);
    }
    // An adjusted quota of 2.5 (fraction 0.5) under each rounding.
    const std::pair<int, long long> seatsAt25[] = {{kJefferson, 2}, {kWebster, 2}, {kAdams, 3},
                                                   {kHuntingtonHill, 3}, {kDean, 3}};
    for (const auto& [m, k] : seatsAt25) {
        Real r = 0.5L;
        EXPECT_EQ(methodRule(m).seats(2.5L, r), k) << methodLongName(m);
    }
    // A state without a seat: infinite need under the methods that give
    // every state one, none under Jefferson and Webster.
    EXPECT_EQ(methodRule(kAdams).need(1000, 0, e42), e42);
    EXPECT_EQ(methodRule(kHuntingtonHill).need(1000, 0, e42), e42);
    EXPECT_EQ(methodRule(kJefferson).need(1000, 0, e42), 1000);
    EXPECT_EQ(methodRule(kWebster).need(1000, 0, e42), 2000);
    // Huntington-Hill's second seat: p / sqrt(2).
    EXPECT_NEAR(static_cast<double>(methodRule(kHuntingtonHill).need(1000, 1, e42)), 707.1067811865476, 1e-9);
}
