// The random example against the rule written out plainly here, draw by
// draw on the shared generator: the same counts and the generator left at
// the same place, for every list size and totals around the chunk bounds.
#include "elections/core/ballots.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

// The rule as stated: chunk bound T div entries + 1; a chunk 1 + draw mod
// b that fits goes to entry draw mod entries; one that does not makes the
// bound 2.
std::vector<int32_t> plainExample(int entries, int32_t total, Random& rng)
{
    std::vector<int32_t> counts(static_cast<size_t>(entries), 0);
    int32_t b = total / entries + 1;
    int32_t rest = total;
    while (rest > 0) {
        const int32_t c = 1 + rng.next() % b;
        if (c <= rest) {
            counts[static_cast<size_t>(rng.next() % entries)] += c;
            rest -= c;
        } else {
            b = 2;
        }
    }
    return counts;
}

} // namespace

TEST(RandomExample, DrawsExactlyAsTheRuleSays)
{
    for (int n = 2; n <= 6; ++n) {
        const int entries = factorial(n);
        for (int32_t total : {1, 2, 3, entries - 1, entries, entries + 1, 2 * entries - 1, 2 * entries, 3 * entries,
                              10000, 65537 * 3, 1234567}) {
            if (total < 1)
                continue;
            Random a, b;
            a.seed(static_cast<uint32_t>(total * 7 + n));
            b.seed(static_cast<uint32_t>(total * 7 + n));
            const std::vector<int32_t> expected = plainExample(entries, total, a);
            std::vector<int32_t> counts(static_cast<size_t>(entries), 5);
            ASSERT_TRUE(drawExample(counts, total, b));
            ASSERT_EQ(counts, expected) << n << " candidates, " << total << " votes";
            ASSERT_EQ(a.state(), b.state());
        }
    }
}

TEST(RandomExample, EveryEntryIndexOfAThirtyOneBitDrawIsRight)
{
    // The entry is draw mod entries for any 31-bit draw: seeds that make
    // the largest draws, checked through one-vote examples.
    for (int n = 1; n <= 6; ++n) {
        const int entries = factorial(n);
        for (uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, 123456789u, 0x80000000u}) {
            Random a, b;
            a.setState(static_cast<uint64_t>(seed) << 31 | seed);
            b.setState(a.state());
            const std::vector<int32_t> expected = plainExample(entries, 3, a);
            std::vector<int32_t> counts(static_cast<size_t>(entries));
            ASSERT_TRUE(drawExample(counts, 3, b));
            ASSERT_EQ(counts, expected);
        }
    }
}

TEST(RandomExample, NothingBelowOneVote)
{
    Random rng;
    rng.seed(1);
    std::vector<int32_t> counts(6, 9);
    ASSERT_TRUE(drawExample(counts, 0, rng));
    EXPECT_EQ(counts, std::vector<int32_t>(6, 0));
    EXPECT_EQ(rng.state(), 1u);
}

TEST(RandomExample, PollsWhileLongAndStopsOnQ)
{
    Random rng;
    rng.seed(2);
    std::vector<int32_t> counts(2, 4);
    int polls = 0;
    // A billion votes over two ballots: chunks of 1 or 2 after the first
    // few; polled every 65536 chunks, Q at the third poll.
    EXPECT_FALSE(drawExample(counts, 1000000000, rng, [&polls]() { return ++polls == 3 ? 'Q' : 0; }));
    EXPECT_EQ(polls, 3);
    EXPECT_EQ(counts, (std::vector<int32_t>{4, 4}));
}
