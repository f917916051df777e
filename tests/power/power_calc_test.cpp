#include "power/power_calc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

using namespace quan;

namespace {

using Weights = std::vector<int64_t>;

// Straight from the definitions, for checking. Without a pair a bloc is
// pivotal wherever its vote decides: leaving a winning coalition or joining
// a losing one. With a pair only coalitions holding exactly one of the pair
// count, and each swing counts twice.
std::vector<uint64_t> naiveBanzhaf(const Weights& w, int64_t q, OppositionPair pair, uint64_t& cases)
{
    const size_t n = w.size();
    std::vector<uint64_t> pivotal(n, 0);
    cases = 0;
    for (uint64_t c = 0; c < (uint64_t{1} << n); ++c) {
        auto in = [&](size_t i) { return ((c >> i) & 1u) != 0; };
        if (pair.isSet() && in(static_cast<size_t>(pair.first)) == in(static_cast<size_t>(pair.second)))
            continue;
        ++cases;
        int64_t s = 0;
        for (size_t i = 0; i < n; ++i)
            if (in(i))
                s += w[i];
        for (size_t i = 0; i < n; ++i) {
            if (in(i) && s >= q && s - w[i] < q)
                pivotal[i] += pair.isSet() ? 2 : 1;
            if (!pair.isSet() && !in(i) && s < q && s + w[i] >= q)
                ++pivotal[i];
        }
    }
    return pivotal;
}

std::vector<uint64_t> naiveShapley(const Weights& w, int64_t q, uint64_t& cases)
{
    std::vector<int> order(w.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<uint64_t> pivotal(w.size(), 0);
    cases = 0;
    do {
        ++cases;
        int64_t s = 0;
        for (int i : order) {
            s += w[static_cast<size_t>(i)];
            if (s >= q) {
                ++pivotal[static_cast<size_t>(i)];
                break;
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return pivotal;
}

std::vector<uint64_t> asU64(const PowerCounts& c)
{
    std::vector<uint64_t> v;
    for (const BigUint& b : c.pivotal) {
        EXPECT_TRUE(b.fitsU64());
        v.push_back(b.low64());
    }
    return v;
}

const Progress kNoProgress{};

Weights randomWeights(std::mt19937& gen, size_t n, int64_t lo, int64_t hi)
{
    std::uniform_int_distribution<int64_t> d(lo, hi);
    Weights w(n);
    for (auto& x : w)
        x = d(gen);
    return w;
}

// Binomial coefficients by Pascal's rule, independent of the counting code.
std::vector<std::vector<BigUint>> pascal(size_t rows)
{
    std::vector<std::vector<BigUint>> c(rows + 1);
    for (size_t n = 0; n <= rows; ++n) {
        c[n].assign(n + 1, BigUint(1));
        for (size_t k = 1; k < n; ++k)
            c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}

} // namespace

// ---------------------------------------------------------------------------

TEST(PowerWorkedExamples, FiveThreeTwoQuotaSix)
{
    PowerCounts c;
    ASSERT_EQ(banzhafAllCases({5, 3, 2}, 6, {}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{6, 2, 2}));
    EXPECT_EQ(c.cases, BigUint(8));
    ASSERT_EQ(shapleyAllCases({5, 3, 2}, 6, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{4, 1, 1}));
    EXPECT_EQ(c.cases, BigUint(6));
    ASSERT_EQ(banzhafExact({5, 3, 2}, 6, {}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{6, 2, 2}));
    ASSERT_EQ(shapleyExact({5, 3, 2}, 6, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{4, 1, 1}));
    EXPECT_EQ(c.cases, BigUint(6));
}

TEST(PowerWorkedExamples, EqualPowerAndDictator)
{
    PowerCounts c;
    ASSERT_EQ(banzhafAllCases({4, 3, 2}, 5, {}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{4, 4, 4}));
    ASSERT_EQ(shapleyAllCases({4, 3, 2}, 5, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{2, 2, 2}));
    ASSERT_EQ(banzhafAllCases({4, 2, 1}, 4, {}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{8, 0, 0}));
    ASSERT_EQ(shapleyAllCases({4, 2, 1}, 4, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{6, 0, 0}));
}

TEST(PowerWorkedExamples, OppositionPairHalvesTheCases)
{
    // Blocs 0 and 1 apart: {5}, {5,2}, {3}, {3,2}; only {5,2} = 7 wins and
    // both its members swing.
    PowerCounts c;
    ASSERT_EQ(banzhafAllCases({5, 3, 2}, 6, {0, 1}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{2, 0, 2}));
    EXPECT_EQ(c.cases, BigUint(4));
    ASSERT_EQ(banzhafExact({5, 3, 2}, 6, {0, 1}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{2, 0, 2}));
    EXPECT_EQ(c.cases, BigUint(4));
    // {4} and {4,1} win with bloc 0 the only swing.
    ASSERT_EQ(banzhafAllCases({4, 2, 1}, 4, {0, 1}, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{4, 0, 0}));
}

TEST(PowerPublishedValues, UnitedNationsSecurityCouncil)
{
    // Five permanent members of weight 7 and ten of weight 1, quota 39:
    // Shapley-Shubik 0.1963 per permanent member, 0.0019 per other;
    // Banzhaf swings 848 and 84 (out of 2^15 coalitions).
    Weights w(15, 1);
    std::fill(w.begin(), w.begin() + 5, 7);
    PowerCounts c;
    ASSERT_EQ(shapleyExact(w, 39, kNoProgress, c), 0);
    const long double all = c.cases.toReal();
    EXPECT_EQ(c.cases, BigUint::factorial(15));
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(c.pivotal[static_cast<size_t>(i)].toReal() / all, 0.1963L, 0.00005L);
    for (int i = 5; i < 15; ++i)
        EXPECT_NEAR(c.pivotal[static_cast<size_t>(i)].toReal() / all, 0.0019L, 0.00005L);
    ASSERT_EQ(banzhafAllCases(w, 39, {}, kNoProgress, c), 0);
    EXPECT_EQ(c.pivotal[0], BigUint(2 * 848));
    EXPECT_EQ(c.pivotal[14], BigUint(2 * 84));
    ASSERT_EQ(banzhafExact(w, 39, {}, kNoProgress, c), 0);
    EXPECT_EQ(c.pivotal[0], BigUint(2 * 848));
    EXPECT_EQ(c.pivotal[14], BigUint(2 * 84));
}

TEST(PowerAgreement, AllCasesAndExactMatchBruteForceOnRandomTables)
{
    std::mt19937 gen(20240611);
    for (int trial = 0; trial < 60; ++trial) {
        const size_t n = 2 + static_cast<size_t>(trial % 13); // 2..14
        Weights w = randomWeights(gen, n, 1, trial % 3 == 0 ? 4 : 60);
        const int64_t total = std::accumulate(w.begin(), w.end(), int64_t{0});
        const int64_t q = std::uniform_int_distribution<int64_t>(1, total)(gen);
        OppositionPair pair;
        if (trial % 2 == 1) {
            pair.first = static_cast<int>(gen() % n);
            do
                pair.second = static_cast<int>(gen() % n);
            while (pair.second == pair.first);
        }
        SCOPED_TRACE("trial " + std::to_string(trial));
        uint64_t cases = 0;
        auto expected = naiveBanzhaf(w, q, pair, cases);
        PowerCounts all, exact;
        ASSERT_EQ(banzhafAllCases(w, q, pair, kNoProgress, all), 0);
        ASSERT_EQ(banzhafExact(w, q, pair, kNoProgress, exact), 0);
        EXPECT_EQ(asU64(all), expected);
        EXPECT_EQ(asU64(exact), expected);
        EXPECT_EQ(all.cases, BigUint(cases));
        EXPECT_EQ(exact.cases, BigUint(cases));
        if (n <= 8) {
            auto sh = naiveShapley(w, q, cases);
            ASSERT_EQ(shapleyAllCases(w, q, kNoProgress, all), 0);
            EXPECT_EQ(asU64(all), sh);
            EXPECT_EQ(all.cases, BigUint(cases));
        }
        if (n <= 12) {
            ASSERT_EQ(shapleyAllCases(w, q, kNoProgress, all), 0);
            ASSERT_EQ(shapleyExact(w, q, kNoProgress, exact), 0);
            EXPECT_EQ(asU64(all), asU64(exact));
            EXPECT_EQ(all.cases, exact.cases);
        }
    }
}

TEST(PowerAgreement, LargeTablesAgainstClosedForms)
{
    auto C = pascal(99);
    // 70 blocs of weight 1, quota 30: a bloc swings when 29 others are
    // with it, C(69, 29) ways; counts pass 2^64.
    {
        Weights w(70, 1);
        PowerCounts c;
        ASSERT_EQ(banzhafExact(w, 30, {}, kNoProgress, c), 0);
        for (const BigUint& p : c.pivotal)
            EXPECT_EQ(p, C[69][29] + C[69][29]);
        EXPECT_EQ(c.cases, BigUint::powerOfTwo(70));
    }
    // One bloc of 50 and 98 of weight 1, quota 50. Shapley: the big bloc
    // is pivotal in any of its first 50 places, 50 * 98! orderings; each
    // small bloc gets (99! - 50 * 98!) / 98 = 98! / 2. Banzhaf: the big
    // bloc swings with any 0..49 of the 98 small ones; a small bloc only
    // with exactly 49 of the other 97 small ones and the big bloc out.
    {
        Weights w(99, 1);
        w[0] = 50;
        PowerCounts c;
        ASSERT_EQ(shapleyExact(w, 50, kNoProgress, c), 0);
        BigUint f98 = BigUint::factorial(98);
        EXPECT_EQ(c.pivotal[0], f98 * BigUint(50));
        EXPECT_EQ(c.pivotal[1] + c.pivotal[1], f98);
        EXPECT_EQ(c.pivotal[98] + c.pivotal[98], f98);
        EXPECT_EQ(c.cases, BigUint::factorial(99));
        ASSERT_EQ(banzhafExact(w, 50, {}, kNoProgress, c), 0);
        BigUint big;
        for (size_t k = 0; k <= 49; ++k)
            big += C[98][k];
        EXPECT_EQ(c.pivotal[0], big + big);
        EXPECT_EQ(c.pivotal[5], C[97][49] + C[97][49]);
    }
    // 99 equal blocs: each is pivotal in 98! orderings.
    {
        Weights w(99, 3);
        PowerCounts c;
        ASSERT_EQ(shapleyExact(w, 100, kNoProgress, c), 0);
        for (const BigUint& p : c.pivotal)
            EXPECT_EQ(p, BigUint::factorial(98));
    }
}

TEST(PowerAgreement, EveryOrderingHasExactlyOnePivot)
{
    // Whatever the weights, the Shapley counts add up to n!, across the
    // change to wider counts after 68 blocs.
    std::mt19937 gen(77);
    for (size_t n : {20u, 40u, 68u, 69u, 99u}) {
        Weights w = randomWeights(gen, n, 1, 300);
        const int64_t total = std::accumulate(w.begin(), w.end(), int64_t{0});
        for (int64_t q : {int64_t{1}, total / 3, total / 2 + 1, total}) {
            PowerCounts c;
            ASSERT_EQ(shapleyExact(w, q, kNoProgress, c), 0);
            BigUint sum;
            for (const BigUint& p : c.pivotal)
                sum += p;
            EXPECT_EQ(sum, BigUint::factorial(static_cast<unsigned>(n))) << n << " blocs, quota " << q;
        }
    }
}

TEST(PowerRefusals, BlocLimitsAndUnreachableQuota)
{
    PowerCounts c;
    EXPECT_EQ(banzhafAllCases(Weights(31, 1), 16, {}, kNoProgress, c), 102);
    EXPECT_EQ(shapleyAllCases(Weights(13, 1), 7, kNoProgress, c), 17);
    // Quota above the total: every method refuses, the quota message first.
    const Weights w{5, 3, 2};
    EXPECT_EQ(banzhafAllCases(w, 11, {}, kNoProgress, c), 103);
    EXPECT_EQ(shapleyAllCases(w, 11, kNoProgress, c), 6);
    Random rng;
    EXPECT_EQ(banzhafMonteCarlo(w, 11, {}, rng, kNoProgress, c), 103);
    EXPECT_EQ(shapleyMonteCarlo(w, 11, rng, kNoProgress, c), 103);
    EXPECT_EQ(banzhafExact(w, 11, {}, kNoProgress, c), 103);
    EXPECT_EQ(shapleyExact(w, 11, kNoProgress, c), 6);
    EXPECT_EQ(banzhafAllCases(Weights(31, 1), 32, {}, kNoProgress, c), 103);
    EXPECT_EQ(shapleyAllCases(Weights(13, 1), 14, kNoProgress, c), 6);
    // Nonsense tables are refused, never worked on.
    EXPECT_EQ(banzhafAllCases({5, 0}, 3, {}, kNoProgress, c), 17);
    EXPECT_EQ(shapleyExact({}, 1, kNoProgress, c), 17);
    EXPECT_EQ(banzhafExact({5, 3}, 0, {}, kNoProgress, c), 17);
    // A quota needing more than the table limit.
    EXPECT_EQ(banzhafExact({2000000000, 2000000000}, 3000000000LL, {}, kNoProgress, c), 20);
    EXPECT_EQ(shapleyExact({1, 2000000000, 2000000000}, 3000000000LL, kNoProgress, c), 20);
    // Shapley keeps only the weights each subset size can reach.
    ASSERT_EQ(shapleyExact({2000000000, 2000000000}, 3000000000LL, kNoProgress, c), 0);
    EXPECT_EQ(asU64(c), (std::vector<uint64_t>{1, 1}));
}

TEST(PowerStopping, QStopsEveryCalculation)
{
    int polls = 0;
    Progress quit{[&] { ++polls; return 'Q'; }, {}};
    PowerCounts c;
    ASSERT_EQ(banzhafAllCases(Weights(24, 3), 30, {}, quit, c), 0);
    EXPECT_TRUE(c.stopped);
    EXPECT_TRUE(c.pivotal.empty());
    ASSERT_EQ(shapleyAllCases(Weights(12, 3), 19, quit, c), 0);
    EXPECT_TRUE(c.stopped);
    Random rng;
    rng.seed(7);
    ASSERT_EQ(banzhafMonteCarlo({5, 3, 2}, 6, {}, rng, quit, c), 0);
    EXPECT_FALSE(c.stopped);
    EXPECT_EQ(c.pivotal.size(), 3u);
    EXPECT_GT(c.draws, 0u);
    ASSERT_EQ(shapleyMonteCarlo({5, 3, 2}, 6, rng, quit, c), 0);
    EXPECT_EQ(c.cases, BigUint(c.draws));
    EXPECT_GT(polls, 3);
    // Keys other than Q do not stop.
    Progress other{[] { return 'X'; }, {}};
    ASSERT_EQ(shapleyAllCases(Weights(10, 3), 16, other, c), 0);
    EXPECT_FALSE(c.stopped);
    EXPECT_EQ(c.pivotal[0], BigUint(362880)); // 10! / 10
}

TEST(PowerProgress, PercentTitlesGrowToTheEnd)
{
    EXPECT_EQ(percentTitle(5), " 5% done; press Q to quit");
    EXPECT_EQ(percentTitle(42), "42% done; press Q to quit");
    EXPECT_EQ(samplesTitle(300000), "300000 examples done; press Q to quit");
    std::vector<std::string> titles;
    Progress p{{}, [&](const std::string& t) { titles.push_back(t); }};
    PowerCounts c;
    ASSERT_EQ(banzhafAllCases(Weights(12, 1), 7, {}, p, c), 0);
    EXPECT_TRUE(titles.empty()); // 12 blocs and fewer: no progress shown
    ASSERT_EQ(banzhafAllCases(Weights(20, 1), 11, {}, p, c), 0);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front(), percentTitle(0));
    EXPECT_EQ(titles.back(), percentTitle(100));
    for (size_t i = 1; i < titles.size(); ++i)
        EXPECT_LT(std::stoi(titles[i - 1]), std::stoi(titles[i]));
    titles.clear();
    ASSERT_EQ(shapleyAllCases(Weights(8, 1), 5, p, c), 0);
    EXPECT_TRUE(titles.empty());
    ASSERT_EQ(shapleyAllCases(Weights(10, 1), 10, p, c), 0);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.back(), percentTitle(100));
}

TEST(PowerProgress, MonteCarloTitleEveryHundredThousandSamples)
{
    std::vector<std::string> titles;
    int polls = 0;
    // Quota 1 with three blocs: 7 of 8 coalitions win.
    Progress p{[&] { return ++polls == 100 ? 'Q' : 0; },
               [&](const std::string& t) { titles.push_back(t); }};
    Random rng;
    rng.seed(99);
    PowerCounts c;
    ASSERT_EQ(banzhafMonteCarlo({5, 3, 2}, 1, {}, rng, p, c), 0);
    const uint64_t samples = c.cases.low64();
    ASSERT_EQ(titles.size(), samples / 100000);
    for (size_t i = 0; i < titles.size(); ++i)
        EXPECT_EQ(titles[i], samplesTitle((i + 1) * 100000));
}

namespace {

// Monte Carlo done draw by draw with the shared generator's interface.
std::vector<uint64_t> replayBanzhaf(const Weights& w, int64_t q, OppositionPair pair, Random& rng,
                                    uint64_t coalitions, uint64_t& samples)
{
    std::vector<uint64_t> swings(w.size(), 0);
    samples = 0;
    for (uint64_t k = 0; k < coalitions; ++k) {
        std::vector<bool> in(w.size());
        int64_t s = 0;
        for (size_t i = 0; i < w.size(); ++i) {
            in[i] = rng.next() % 2 == 0;
            if (in[i])
                s += w[i];
        }
        if (s < q || (pair.isSet() && in[static_cast<size_t>(pair.first)] == in[static_cast<size_t>(pair.second)]))
            continue;
        ++samples;
        for (size_t i = 0; i < w.size(); ++i)
            if (in[i] && s - w[i] < q)
                ++swings[i];
    }
    return swings;
}

std::vector<uint64_t> replayShapley(const Weights& w, int64_t q, Random& rng, uint64_t orderings)
{
    const int n = static_cast<int>(w.size());
    std::vector<uint64_t> counts(w.size(), 0);
    for (uint64_t k = 0; k < orderings; ++k) {
        std::vector<int> pool(w.size()), order(w.size());
        std::iota(pool.begin(), pool.end(), 0);
        for (int place = 0; place < n; ++place) {
            int j = rng.next() % (n - place);
            order[static_cast<size_t>(place)] = pool[static_cast<size_t>(j)];
            pool[static_cast<size_t>(j)] = pool[static_cast<size_t>(n - 1 - place)];
        }
        int64_t s = 0;
        for (int b : order) {
            s += w[static_cast<size_t>(b)];
            if (s >= q) {
                ++counts[static_cast<size_t>(b)];
                break;
            }
        }
    }
    return counts;
}

Progress stopAfterPolls(int& polls, int limit)
{
    return Progress{[&polls, limit] { return ++polls >= limit ? 'Q' : 0; }, {}};
}

} // namespace

TEST(PowerMonteCarlo, DrawsAreTheSharedGeneratorsSequence)
{
    std::mt19937 gen(5);
    for (size_t n : {3u, 7u, 51u, 99u}) {
        Weights w = randomWeights(gen, n, 1, 40);
        const int64_t q = std::accumulate(w.begin(), w.end(), int64_t{0}) * 2 / 3;
        OppositionPair pair = n > 3 ? OppositionPair{1, static_cast<int>(n) - 1} : OppositionPair{};
        Random fast, slow;
        fast.seed(1234567);
        slow.seed(1234567);
        int polls = 0;
        PowerCounts c;
        ASSERT_EQ(banzhafMonteCarlo(w, q, pair, fast, stopAfterPolls(polls, 3), c), 0);
        uint64_t samples = 0;
        EXPECT_EQ(asU64(c), replayBanzhaf(w, q, pair, slow, c.draws, samples));
        EXPECT_EQ(c.cases, BigUint(samples));
        EXPECT_EQ(fast.state(), slow.state());

        polls = 0;
        ASSERT_EQ(shapleyMonteCarlo(w, q, fast, stopAfterPolls(polls, 3), c), 0);
        EXPECT_EQ(asU64(c), replayShapley(w, q, slow, c.draws));
        EXPECT_EQ(c.cases, BigUint(c.draws));
        EXPECT_EQ(fast.state(), slow.state());
    }
}

TEST(PowerMonteCarlo, HeavyWeightsDrawTheSameSequence)
{
    // Weights whose total passes 2^31.
    const Weights w{2000000000, 1500000000, 900000000, 7, 1000000000};
    const int64_t q = 3000000000LL;
    Random fast, slow;
    fast.seed(4711);
    slow.seed(4711);
    int polls = 0;
    PowerCounts c;
    ASSERT_EQ(banzhafMonteCarlo(w, q, {0, 3}, fast, stopAfterPolls(polls, 2), c), 0);
    uint64_t samples = 0;
    EXPECT_EQ(asU64(c), replayBanzhaf(w, q, {0, 3}, slow, c.draws, samples));
    EXPECT_EQ(c.cases, BigUint(samples));
    EXPECT_EQ(fast.state(), slow.state());
}

TEST(PowerMonteCarlo, EstimatesLieWithinFewStandardErrors)
{
    const Weights w{9, 7, 6, 4, 3, 3, 2, 1};
    const int64_t q = 20;
    for (OppositionPair pair : {OppositionPair{}, OppositionPair{0, 2}}) {
        uint64_t cases = 0;
        auto swings2 = naiveBanzhaf(w, q, pair, cases);
        // Winning admissible coalitions, the sampled population.
        uint64_t winning = 0;
        for (uint64_t c = 0; c < 256; ++c) {
            int64_t s = 0;
            for (size_t i = 0; i < w.size(); ++i)
                if ((c >> i) & 1u)
                    s += w[i];
            bool excluded = pair.isSet() && (((c >> pair.first) & 1u) == ((c >> pair.second) & 1u));
            if (s >= q && !excluded)
                ++winning;
        }
        Random rng;
        rng.seed(424242);
        int polls = 0;
        PowerCounts c;
        ASSERT_EQ(banzhafMonteCarlo(w, q, pair, rng, stopAfterPolls(polls, 60), c), 0);
        const long double n = c.cases.toReal();
        ASSERT_GT(n, 10000);
        for (size_t i = 0; i < w.size(); ++i) {
            long double p = static_cast<long double>(swings2[i]) / 2 / winning;
            long double se = std::sqrt(p * (1 - p) / n);
            EXPECT_NEAR(c.pivotal[i].toReal() / n, p, 5 * se + 1e-12L) << "bloc " << i;
        }
    }
    uint64_t cases = 0;
    auto sh = naiveShapley(w, q, cases);
    Random rng;
    rng.seed(31337);
    int polls = 0;
    PowerCounts c;
    ASSERT_EQ(shapleyMonteCarlo(w, q, rng, stopAfterPolls(polls, 60), c), 0);
    const long double n = c.cases.toReal();
    for (size_t i = 0; i < w.size(); ++i) {
        long double p = static_cast<long double>(sh[i]) / cases;
        long double se = std::sqrt(p * (1 - p) / n);
        EXPECT_NEAR(c.pivotal[i].toReal() / n, p, 5 * se + 1e-12L) << "bloc " << i;
    }
}
