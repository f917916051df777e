// The exact counting answers Q as promptly as the all-cases methods: it
// polls after a bounded amount of work in every long loop, so the number of
// polls grows with the work and a Q given at any poll ends the run there.
#include "power/power_calc.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace quan;

namespace {

using Weights = std::vector<int64_t>;

// Counts the polls of a run and answers Q at poll number quitAt (never
// when 0).
struct ScriptedKeys {
    int polls = 0;
    int quitAt = 0;
    Progress progress()
    {
        return Progress{[this] { return ++polls == quitAt ? 'Q' : 0; }, {}};
    }
};

struct Table {
    const char* what;
    bool shapley;
    Weights w;
    int64_t q;
};

Weights randomWeights(unsigned seed, size_t n, int64_t lo, int64_t hi)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int64_t> d(lo, hi);
    Weights w(n);
    for (auto& x : w)
        x = d(gen);
    return w;
}

Table scaled(const char* what, bool shapley, const Weights& base, int64_t factor)
{
    Weights w = base;
    for (auto& x : w)
        x *= factor;
    const int64_t total = std::accumulate(w.begin(), w.end(), int64_t{0});
    return {what, shapley, w, total / 2 + 1};
}

int run(const Table& t, ScriptedKeys& keys, PowerCounts& c)
{
    return t.shapley ? shapleyExact(t.w, t.q, keys.progress(), c)
                     : banzhafExact(t.w, t.q, {}, keys.progress(), c);
}

// Few heavy blocs (one long pass per bloc), many blocs (counts past 2^64),
// for both indices.
std::vector<std::pair<Weights, bool>> baseTables()
{
    return {
        {{300007, 250013, 200003, 150001, 100003, 50021, 25013}, false},
        {{300007, 250013, 200003, 150001, 100003, 50021, 25013}, true},
        {randomWeights(3, 70, 1, 7500), false},
        {randomWeights(5, 40, 1, 2500), true},
        {randomWeights(7, 70, 1, 500), true},
    };
}

} // namespace

TEST(PowerExactStopping, PollsGrowWithTheWork)
{
    for (const auto& [base, shapley] : baseTables()) {
        // Weights and quota four times larger: the same answer, four times
        // the counting.
        const Table small = scaled("x1", shapley, base, 1);
        const Table large = scaled("x4", shapley, base, 4);
        ScriptedKeys a, b;
        PowerCounts ca, cb;
        ASSERT_EQ(run(small, a, ca), 0);
        ASSERT_EQ(run(large, b, cb), 0);
        ASSERT_FALSE(ca.stopped);
        ASSERT_FALSE(cb.stopped);
        EXPECT_EQ(ca.pivotal, cb.pivotal);
        SCOPED_TRACE(testing::Message() << (shapley ? "Shapley" : "Banzhaf") << " on " << base.size()
                                        << " blocs: " << a.polls << " and " << b.polls << " polls");
        EXPECT_GE(a.polls, 2);
        EXPECT_GE(b.polls, 3 * a.polls);
    }
}

TEST(PowerExactStopping, QAtAnyPollEndsTheRunThere)
{
    for (const auto& [base, shapley] : baseTables()) {
        const Table t = scaled("x4", shapley, base, 4);
        ScriptedKeys full;
        PowerCounts whole;
        ASSERT_EQ(run(t, full, whole), 0);
        ASSERT_FALSE(whole.stopped);
        SCOPED_TRACE(testing::Message() << (shapley ? "Shapley" : "Banzhaf") << " on " << base.size()
                                        << " blocs, " << full.polls << " polls in all");
        ASSERT_GE(full.polls, 8);
        for (int at : {1, 3, full.polls / 2, full.polls}) {
            ScriptedKeys keys;
            keys.quitAt = at;
            PowerCounts c;
            ASSERT_EQ(run(t, keys, c), 0);
            EXPECT_TRUE(c.stopped) << "Q at poll " << at;
            EXPECT_TRUE(c.pivotal.empty());
            // Not one poll more after the Q: the run ended at once.
            EXPECT_EQ(keys.polls, at);
        }
    }
}
