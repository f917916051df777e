// The divisor watch plot without a window: ticks, counts at the divisor and
// the title, against values worked by hand for four states of 5400, 2700,
// 1500 and 400 with a house of 10 (ideal district I = 1000), and against
// the seat counts themselves on both sides of every tick.
#include "apportion/census.h"
#include "apportion/divplot.h"
#include "apportion/methods.h"
#include "app_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace quan;
using namespace quan::test;

namespace {

const States kFour = {{"A", 5400}, {"B", 2700}, {"C", 1500}, {"D", 400}};
constexpr int kDivisorMethods[] = {kJefferson, kJeffersonMin1, kWebster, kWebsterMin1, kAdams, kHuntingtonHill, kDean};

// The initial view of an 800-pixel-wide window: x from 2I/3 to 7I/6.
DivisorPlotView initialView(Real ideal, int rows)
{
    DivisorPlotView v;
    v.xmin = ideal * 2 / 3;
    v.xmax = ideal * 7 / 6;
    v.minGap = 3 * (v.xmax - v.xmin) / 800;
    v.firstRow = 0;
    v.lastRow = rows - 1;
    return v;
}

void expectTicks(const std::vector<Real>& got, const std::vector<Real>& want, const char* what)
{
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(static_cast<double>(got[i]), static_cast<double>(want[i]), 1e-6) << what << " tick " << i;
}

long long totalAt(const AppTable& t, int m, Real d)
{
    long long s = 0;
    for (int i = 0; i < t.stateCount(); ++i)
        s += seatsAtDivisor(m, t.record(i).v[kColPop], d);
    return s;
}

} // namespace

TEST(DivisorPlot, JeffersonTicksInTheInitialView)
{
    AppTable t = makeTable(kFour, 10, kJefferson, 1000);
    DivisorPlot plot;
    plot.compute(t, initialView(1000, 4));
    ASSERT_EQ(plot.rows().size(), 4u);
    expectTicks(plot.rows()[0].ticks, {1080, 900, 5400.0L / 7, 675}, "5400");
    expectTicks(plot.rows()[1].ticks, {900, 675}, "2700");
    expectTicks(plot.rows()[2].ticks, {750}, "1500");
    EXPECT_TRUE(plot.rows()[3].ticks.empty());
    // 771.43 to two places, as the eye reads it.
    EXPECT_EQ(formatReal(plot.rows()[0].ticks[2], 0, 2), "771.43");
}

TEST(DivisorPlot, WebsterCountsAndTitleAtTheIdealDivisor)
{
    AppTable t = makeTable(kFour, 10, kWebster, 1000);
    ASSERT_EQ(t.setDivisor(1000), 0);
    DivisorPlot plot;
    plot.compute(t, initialView(1000, 4));
    std::vector<long long> counts;
    for (const auto& r : plot.rows())
        counts.push_back(r.count);
    // 1.5 rounds down.
    EXPECT_EQ(counts, (std::vector<long long>{5, 3, 1, 0}));
    EXPECT_EQ(DivisorPlot::title(t, 2), "1000.00  ===>  total reps = 9");
    // The table gives each state the same seats.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(plot.rows()[static_cast<size_t>(i)].count, std::llround(t.record(i).v[kColReps]));

    AppTable min1 = makeTable(kFour, 10, kWebsterMin1, 1000);
    ASSERT_EQ(min1.setDivisor(1000), 0);
    plot.compute(min1, initialView(1000, 4));
    EXPECT_EQ(plot.rows()[3].count, 1);
    // Plain Jefferson shows 0 for a state below one quota, [min=1] shows 1.
    AppTable j = makeTable(kFour, 10, kJefferson, 1000);
    ASSERT_EQ(j.setDivisor(1000), 0);
    plot.compute(j, initialView(1000, 4));
    EXPECT_EQ(plot.rows()[3].count, 0);
    AppTable j1 = makeTable(kFour, 10, kJeffersonMin1, 1000);
    ASSERT_EQ(j1.setDivisor(1000), 0);
    plot.compute(j1, initialView(1000, 4));
    EXPECT_EQ(plot.rows()[3].count, 1);
}

TEST(DivisorPlot, HuntingtonHillTicksAtGeometricMeans)
{
    AppTable t = makeTable(kFour, 10, kHuntingtonHill, 1000);
    DivisorPlot plot;
    plot.compute(t, initialView(1000, 4));
    expectTicks(plot.rows()[0].ticks, {5400 / std::sqrt(30.0L), 5400 / std::sqrt(42.0L), 5400 / std::sqrt(56.0L)},
                "5400");
}

TEST(DivisorPlot, AdamsFirstTicksStandAtThePopulations)
{
    AppTable t = makeTable(kFour, 10, kAdams, 1000);
    DivisorPlotView wide;
    wide.xmin = 100;
    wide.xmax = 10000;
    wide.minGap = 3 * (wide.xmax - wide.xmin) / 800;
    wide.lastRow = 3;
    DivisorPlot plot;
    plot.compute(t, wide);
    const Real pops[] = {5400, 2700, 1500, 400};
    for (int i = 0; i < 4; ++i) {
        ASSERT_FALSE(plot.rows()[static_cast<size_t>(i)].ticks.empty()) << i;
        EXPECT_EQ(plot.rows()[static_cast<size_t>(i)].ticks.front(), pops[i]) << i;
    }
    // At 1350: 4, 2, 2, 1; just below it 5, 3, 2, 1.
    const Real below = 1350 * (1 - 1e-9L);
    std::vector<long long> at, under;
    for (Real p : pops) {
        at.push_back(seatsAtDivisor(kAdams, p, 1350));
        under.push_back(seatsAtDivisor(kAdams, p, below));
    }
    EXPECT_EQ(at, (std::vector<long long>{4, 2, 2, 1}));
    EXPECT_EQ(under, (std::vector<long long>{5, 3, 2, 1}));
    // No divisor gives 10: the total between any two neighbouring ticks
    // (and beyond the last) is never 10.
    std::vector<Real> all;
    for (Real p : pops)
        for (long long k = 1; k <= 40; ++k)
            all.push_back(p / criticalCount(kAdams, k));
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    for (size_t i = 0; i + 1 < all.size(); ++i) {
        const Real mid = (all[i] + all[i + 1]) / 2;
        if (mid > 100) {
            EXPECT_NE(totalAt(t, kAdams, mid), 10) << "between " << static_cast<double>(all[i]) << " and "
                                                   << static_cast<double>(all[i + 1]);
        }
    }
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_NE(totalAt(t, kAdams, all[i]), 10);
}

TEST(DivisorPlot, EveryTickIsWhereTheCountChangesByOne)
{
    AppTable census;
    ASSERT_EQ(census.loadCensus(kCensus2010), 0);
    AppTable four = makeTable(kFour, 10, kJefferson, 1000);
    for (const AppTable* t : {&four, &census}) {
        const Real ideal = t->totalPopulation() / t->house();
        for (int m : kDivisorMethods) {
            for (int i = 0; i < t->stateCount(); ++i) {
                const Real p = t->record(i).v[kColPop];
                const std::vector<Real> ticks = divisorTicks(m, p, ideal / 4, ideal * 4, ideal * 1e-6L);
                for (Real x : ticks) {
                    const long long left = seatsAtDivisor(m, p, x * (1 - 1e-9L));
                    const long long right = seatsAtDivisor(m, p, x * (1 + 1e-9L));
                    EXPECT_EQ(left, right + 1) << "method " << m << " state " << i << " tick " << static_cast<double>(x);
                }
            }
        }
    }
    // At the exact boundaries.
    EXPECT_EQ(seatsAtDivisor(kJefferson, 5400, 1080), 5);
    EXPECT_EQ(seatsAtDivisor(kWebster, 2700, 1080), 2);
}

TEST(DivisorPlot, EveryTickInViewIsDrawnHoweverManySeats)
{
    AppTable t;
    ASSERT_EQ(t.loadCensus(kCensus2010), 0);
    ASSERT_EQ(t.setHouseSize(4350), 0);
    int ca = -1;
    for (int i = 0; i < t.stateCount(); ++i)
        if (t.record(i).name == "California")
            ca = i;
    ASSERT_GE(ca, 0);
    const Real p = t.record(ca).v[kColPop];
    const Real ideal = t.totalPopulation() / t.house();
    // Zoomed in around I: every p / c_k in view, found by brute force here.
    const Real lo = ideal * 0.995L, hi = ideal * 1.005L;
    for (int m : kDivisorMethods) {
        std::vector<Real> want;
        for (long long k = 1; k < 2000; ++k) {
            const Real x = p / criticalCount(m, k);
            if (x >= lo && x <= hi)
                want.push_back(x);
        }
        ASSERT_FALSE(want.empty()) << m;
        EXPECT_GE(seatsAtDivisor(m, p, ideal), 500);
        const std::vector<Real> got = divisorTicks(m, p, lo, hi, (hi - lo) * 3 / 800);
        expectTicks(got, want, "California zoomed in");
    }
    // In the initial view they run from the right edge until they come
    // closer than three pixels.
    const DivisorPlotView v = initialView(ideal, 1);
    const std::vector<Real> got = divisorTicks(kWebster, p, v.xmin, v.xmax, v.minGap);
    ASSERT_GE(got.size(), 2u);
    long long k = 0;
    while (p / criticalCount(kWebster, k) > v.xmax)
        ++k;
    EXPECT_EQ(got.front(), p / criticalCount(kWebster, k));
    for (size_t i = 0; i + 1 < got.size(); ++i)
        EXPECT_GE(got[i] - got[i + 1], v.minGap);
    const Real next = p / criticalCount(kWebster, k + static_cast<long long>(got.size()));
    EXPECT_LT(got.back() - next, v.minGap);
}

TEST(DivisorPlot, TextOutNamesTheTicksOnEitherSide)
{
    AppTable t = makeTable(kFour, 10, kJefferson, 1000);
    ASSERT_EQ(t.setDivisor(1000), 0);
    DivisorPlot plot;
    plot.compute(t, initialView(1000, 4));
    const std::string text = plot.textOut(t, 2);
    // The words of the line that starts with a state's name.
    auto words = [&](const std::string& name) {
        std::vector<std::string> w;
        size_t at = text.find("\r\n" + name + " ");
        if (at == std::string::npos)
            return w;
        std::istringstream line(text.substr(at + 2, text.find("\r\n", at + 2) - at - 2));
        for (std::string x; line >> x;)
            w.push_back(x);
        return w;
    };
    // A: 5 seats, a sixth below 900, down to 4 above 1080; D: no seat, its
    // first at 400, nothing to lose. Jefferson gives 5 + 2 + 1 + 0.
    EXPECT_EQ(words("A"), (std::vector<std::string>{"A", "5", "900.00", "1080.00"})) << text;
    EXPECT_EQ(words("D"), (std::vector<std::string>{"D", "0", "400.00", "-"})) << text;
    EXPECT_NE(text.find("1000.00  ===>  total reps = 8\r\n"), std::string::npos) << text;
}

TEST(DivisorPlot, DegenerateInputsGiveNoTicks)
{
    EXPECT_TRUE(divisorTicks(kWebster, 0, 1, 10, 0.1L).empty());
    EXPECT_TRUE(divisorTicks(kWebster, 100, 10, 1, 0.1L).empty());
    EXPECT_TRUE(divisorTicks(kWebster, std::nanl(""), 1, 10, 0.1L).empty());
    // A gap of nothing still ends: ticks stop at the left edge.
    const auto ticks = divisorTicks(kJefferson, 2147483647.0L, 1, 2, 0);
    EXPECT_FALSE(ticks.empty());
    EXPECT_GE(ticks.back(), 1);
}
