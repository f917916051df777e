// The fit heuristics against packings worked by hand, the list operations,
// the notebook texts, and every packing of random lists against a plain
// packer written here from the rules.
#include "core/numberscan.h"
#include "packing/core/packing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace quan;

namespace {

using Bins = std::vector<std::vector<int64_t>>;

Bins contents(const std::vector<Bin>& bins)
{
    Bins out;
    for (const Bin& b : bins)
        out.push_back(b.items);
    return out;
}

Bins pack(const std::vector<int64_t>& items, int64_t capacity, FitMethod m)
{
    return contents(packItems(items, capacity, m));
}

const std::vector<int64_t> kClass{2, 9, 5, 6, 1, 3, 3};

PackDocument documentOf(const std::vector<int64_t>& items, int64_t capacity = 10)
{
    PackDocument d;
    Random rng;
    rng.seed(7);
    EXPECT_EQ(d.setList(items, rng), 0);
    if (capacity != d.capacity())
        d.apply(capacity, 0);
    return d;
}

} // namespace

TEST(FitMethods, TheClassExampleByHand)
{
    EXPECT_EQ(pack(kClass, 10, FitMethod::Next), (Bins{{2}, {9}, {5}, {6, 1, 3}, {3}}));
    EXPECT_EQ(pack(kClass, 10, FitMethod::First), (Bins{{2, 5, 1}, {9}, {6, 3}, {3}}));
    EXPECT_EQ(pack(kClass, 10, FitMethod::Last), (Bins{{2, 5, 3}, {9}, {6, 1, 3}}));
    EXPECT_EQ(pack(kClass, 10, FitMethod::Best), (Bins{{2, 5, 3}, {9, 1}, {6, 3}}));
    EXPECT_EQ(pack(kClass, 10, FitMethod::Worst), (Bins{{2, 5, 3}, {9}, {6, 1, 3}}));
    EXPECT_EQ(pack(kClass, 10, FitMethod::AlmostWorst), (Bins{{2}, {9}, {5, 1, 3}, {6, 3}}));
}

TEST(FitMethods, FirstFitDecreasingReachesTheBoundAndIsMarked)
{
    PackDocument d = documentOf(kClass);
    EXPECT_EQ(d.total(), 29);
    EXPECT_EQ(d.bound(), 3);
    EXPECT_EQ(d.apply(10, methodCode(FitMethod::First, ItemOrder::Decreasing)), 0);
    EXPECT_EQ(contents(d.bins()), (Bins{{9, 1}, {6, 3}, {5, 3, 2}}));
    EXPECT_TRUE(d.optimal());
    EXPECT_NE(d.solutionText().find("bins used: 3 [optimal]\r\n"), std::string::npos);
    // Next fit in list order uses five: no mark.
    EXPECT_EQ(d.apply(10, 0), 0);
    EXPECT_EQ(d.binCount(), 5);
    EXPECT_FALSE(d.optimal());
    EXPECT_NE(d.solutionText().find("bins used: 5\r\n"), std::string::npos);
}

TEST(FitMethods, AllEighteenUseThreeBinsWhereTwoWouldDo)
{
    // 5 3 2 | 4 4 2 needs two bins, but no heuristic finds it: a packing
    // can be optimal without the mark only when it is above the bound.
    PackDocument d = documentOf({5, 4, 4, 3, 2, 2});
    ASSERT_EQ(d.bound(), 2);
    for (int order = 0; order < 3; ++order)
        for (int m = 0; m < 6; ++m) {
            int code = m + 10 * order;
            ASSERT_EQ(d.apply(10, code), 0) << code;
            EXPECT_EQ(d.binCount(), 3) << code;
            EXPECT_FALSE(d.optimal()) << code;
            EXPECT_EQ(d.solutionText().find("[optimal]"), std::string::npos);
        }
}

TEST(FitMethods, NextFitClosesFullBinsAndTheBinItLeaves)
{
    std::vector<Bin> bins = packItems({5, 5, 5, 5}, 10, FitMethod::Next);
    ASSERT_EQ(bins.size(), 2u);
    for (const Bin& b : bins) {
        EXPECT_EQ(b.items, (std::vector<int64_t>{5, 5}));
        EXPECT_EQ(b.used, 10);
        EXPECT_EQ(b.free, 0);
        EXPECT_TRUE(b.closed);
    }
    // 6 then 5: the first bin is closed with room 4 left; 4 opens nothing
    // new only because the last bin (room 5) takes it.
    bins = packItems({6, 5, 4, 1}, 10, FitMethod::Next);
    EXPECT_EQ(contents(bins), (Bins{{6}, {5, 4, 1}}));
    EXPECT_TRUE(bins[0].closed);
    EXPECT_EQ(bins[0].free, 4);
}

TEST(FitMethods, EdgeCases)
{
    EXPECT_EQ(pack({6, 5, 4}, 10, FitMethod::First), (Bins{{6, 4}, {5}}));
    // Two open bins with free room 5 and 3, then an item of 2.
    EXPECT_EQ(pack({5, 7, 2}, 10, FitMethod::Worst), (Bins{{5, 2}, {7}}));
    EXPECT_EQ(pack({5, 7, 2}, 10, FitMethod::AlmostWorst), (Bins{{5}, {7, 2}}));
    // A single bin with room: almost-worst fit opens a new one.
    EXPECT_EQ(pack({6, 2}, 10, FitMethod::AlmostWorst), (Bins{{6}, {2}}));
    EXPECT_EQ(pack({6, 2}, 10, FitMethod::Worst), (Bins{{6, 2}}));
    // Ties go to the older bin; last fit goes to the newer.
    EXPECT_EQ(pack({6, 6, 2}, 10, FitMethod::Best), (Bins{{6, 2}, {6}}));
    EXPECT_EQ(pack({6, 6, 2}, 10, FitMethod::Worst), (Bins{{6, 2}, {6}}));
    EXPECT_EQ(pack({6, 6, 2}, 10, FitMethod::Last), (Bins{{6}, {6, 2}}));
    // Best fit prefers the fuller bin, worst fit the emptier.
    EXPECT_EQ(pack({3, 8, 2}, 10, FitMethod::Best), (Bins{{3}, {8, 2}}));
    EXPECT_EQ(pack({3, 8, 2}, 10, FitMethod::Worst), (Bins{{3, 2}, {8}}));
}

TEST(FitMethods, AlmostWorstFitNeverKeepsAnEmptyBin)
{
    // Opening a bin before the first item would leave it empty for good
    // (it is always the worst-fit bin): 6 5 4 would take three bins.
    std::vector<Bin> bins = packItems({6, 5, 4}, 10, FitMethod::AlmostWorst);
    EXPECT_EQ(contents(bins), (Bins{{6, 4}, {5}}));
    for (int m = 0; m < 6; ++m)
        for (const Bin& b : packItems(kClass, 10, static_cast<FitMethod>(m)))
            EXPECT_FALSE(b.items.empty());
}

TEST(FitMethods, LargeCapacitiesDoNotWrap)
{
    // Free room of 40 000 does not fit 16 bits.
    EXPECT_EQ(pack({20000, 20000, 30000, 10000}, 40000, FitMethod::First), (Bins{{20000, 20000}, {30000, 10000}}));
    EXPECT_EQ(pack({20000, 20000, 30000, 10000}, 40000, FitMethod::Best), (Bins{{20000, 20000}, {30000, 10000}}));
    const int64_t max = kPackMaxValue;
    EXPECT_EQ(pack({max - 1, 1, max - 1, 1}, max, FitMethod::Best), (Bins{{max - 1, 1}, {max - 1, 1}}));
    EXPECT_EQ(pack({max - 1, 1, max - 1}, max, FitMethod::AlmostWorst), (Bins{{max - 1}, {1}, {max - 1}}));
    EXPECT_EQ(lowerBound(3 * max, max), 3);
    EXPECT_EQ(lowerBound(3 * max + 1, max), 4);
    PackDocument d = documentOf({max - 1, max - 1, 5});
    EXPECT_EQ(d.apply(max, methodCode(FitMethod::Worst, ItemOrder::List)), 0);
    EXPECT_EQ(contents(d.bins()), (Bins{{max - 1}, {max - 1}, {5}}));
    EXPECT_EQ(d.total(), 2 * max + 3);
    EXPECT_EQ(d.bound(), 3);
    EXPECT_TRUE(d.optimal());
}

TEST(Document, ApplyChecksTheCapacityAndTheItems)
{
    PackDocument d = documentOf({3, 10, 4});
    EXPECT_EQ(d.capacity(), 10);
    EXPECT_EQ(d.apply(1, 1), 6);
    EXPECT_EQ(d.capacity(), 10);
    EXPECT_EQ(d.apply(kPackMaxValue + 1, 1), 17);
    EXPECT_EQ(d.capacity(), 10);
    // An item equal to the capacity.
    EXPECT_EQ(d.apply(10, 1), 6);
    EXPECT_FALSE(d.packed());
    EXPECT_EQ(d.code(), 0);
    EXPECT_EQ(d.apply(11, 1), 0);
    EXPECT_EQ(contents(d.bins()), (Bins{{3, 4}, {10}}));
    // A smaller capacity is kept though refused, and the bins of the old
    // one are no longer shown (they would overflow).
    EXPECT_EQ(d.apply(9, 3), 6);
    EXPECT_EQ(d.capacity(), 9);
    EXPECT_EQ(d.code(), 1);
    EXPECT_FALSE(d.packed());
    EXPECT_TRUE(d.bins().empty());
}

TEST(Document, RandomLists)
{
    PackDocument d;
    Random rng;
    rng.seed(11);
    EXPECT_EQ(d.binArraySize(), 20);
    EXPECT_EQ(d.random(0, 10, rng), 14);
    EXPECT_EQ(d.random(2501, 10, rng), 17);
    EXPECT_EQ(d.random(5, 2, rng), 9);
    EXPECT_EQ(d.random(5, kPackMaxValue + 1, rng), 17);
    EXPECT_EQ(d.itemCount(), 0);
    ASSERT_EQ(d.random(2500, 4, rng), 0);
    EXPECT_EQ(d.itemCount(), 2500);
    EXPECT_EQ(d.binArraySize(), 2500);
    std::map<int64_t, int> seen;
    int64_t sum = 0;
    for (int64_t s : d.items()) {
        ++seen[s];
        sum += s;
    }
    EXPECT_EQ(seen.size(), 3u); // 1, 2 and 3, nothing else
    EXPECT_EQ(seen.begin()->first, 1);
    EXPECT_EQ(seen.rbegin()->first, 3);
    EXPECT_EQ(d.total(), sum);
    EXPECT_EQ(d.restoreCopy(), d.items());
    EXPECT_EQ(d.capacity(), 10);
    // The largest bound gives sizes up to 2 147 483 646.
    ASSERT_EQ(d.random(50, kPackMaxValue, rng), 0);
    for (int64_t s : d.items())
        EXPECT_TRUE(s >= 1 && s < kPackMaxValue);
    EXPECT_EQ(d.binArraySize(), 2500);
}

TEST(Document, SortedCopiesAreSortedPermutations)
{
    PackDocument d;
    Random rng;
    rng.seed(3);
    ASSERT_EQ(d.random(300, 6, rng), 0);
    std::vector<int64_t> up = d.items();
    std::sort(up.begin(), up.end());
    std::vector<int64_t> down(up.rbegin(), up.rend());
    EXPECT_EQ(d.increasingCopy(), up);
    EXPECT_EQ(d.decreasingCopy(), down);
    // Equal sizes use up draws of the generator.
    Random a;
    a.seed(5);
    sortedCopy({4, 4, 4}, true, a);
    EXPECT_NE(a.state(), 5u);
    Random b;
    b.seed(5);
    sortedCopy({1, 2, 3}, false, b);
    EXPECT_EQ(b.state(), 5u);
}

TEST(Document, SortedCopiesDrawAsTheRuleSays)
{
    // The rule written out: a strictly better entry becomes the candidate;
    // an equal one replaces it when a draw is even.
    auto plain = [](std::vector<int64_t> v, bool decreasing, Random& rng) {
        for (size_t pos = 0; pos + 1 < v.size(); ++pos) {
            size_t cand = pos;
            for (size_t j = pos + 1; j < v.size(); ++j) {
                if (decreasing ? v[j] > v[cand] : v[j] < v[cand])
                    cand = j;
                else if (v[j] == v[cand] && rng.next() % 2 == 0)
                    cand = j;
            }
            std::swap(v[pos], v[cand]);
        }
        return v;
    };
    Random make;
    make.seed(8);
    for (int round = 0; round < 50; ++round) {
        std::vector<int64_t> items;
        const int n = 1 + make.below(40);
        for (int i = 0; i < n; ++i)
            items.push_back(1 + make.below(4));
        for (bool decreasing : {true, false}) {
            Random a, b;
            a.seed(static_cast<uint32_t>(round));
            b.seed(static_cast<uint32_t>(round));
            EXPECT_EQ(sortedCopy(items, decreasing, a), plain(items, decreasing, b));
            EXPECT_EQ(a.state(), b.state());
        }
    }
}

TEST(Document, PasteTakesIntegerParts)
{
    PackDocument d = documentOf({1, 2});
    Random rng;
    EXPECT_EQ(d.paste("sizes: 2.9, 9; 5x6\n1 -- 3-4 .. 3.5.1", rng), 0);
    EXPECT_EQ(d.items(), (std::vector<int64_t>{2, 9, 5, 6, 1, 3, 3}));
    EXPECT_EQ(d.restoreCopy(), d.items());
    EXPECT_EQ(d.total(), 29);
    EXPECT_FALSE(d.packed());
}

TEST(Document, FailedPasteKeepsTheListAsItWas)
{
    PackDocument d = documentOf({1, 2, 3, 4, 5, 6, 7, 8});
    Random rng;
    rng.seed(99);
    d.shuffle(rng);
    const std::vector<int64_t> shuffled = d.items();
    ASSERT_NE(shuffled, d.restoreCopy());
    EXPECT_EQ(d.paste("no numbers here", rng), 2);
    EXPECT_EQ(d.paste("3 0.9 4", rng), 14);
    EXPECT_EQ(d.paste("3 -4 4", rng), 14);
    EXPECT_EQ(d.paste("3 2147483648 0", rng), 17);
    EXPECT_EQ(d.paste("3 99999999999999999999999999999", rng), 17);
    std::string many;
    for (int i = 0; i < 2501; ++i)
        many += i == 7 ? "0 " : "1 ";
    EXPECT_EQ(d.paste(many, rng), 4); // more than 2500 comes first
    EXPECT_EQ(d.items(), shuffled);
    EXPECT_EQ(d.restoreCopy(), (std::vector<int64_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    many.resize(many.size() - 2);
    std::replace(many.begin(), many.end(), '0', '1');
    EXPECT_EQ(d.paste(many, rng), 0);
    EXPECT_EQ(d.itemCount(), 2500);
}

TEST(Document, ShuffleAndRestore)
{
    PackDocument d = documentOf({9, 8, 7, 6, 5, 4, 3, 2, 1});
    ASSERT_EQ(d.apply(10, 1), 0);
    Random rng;
    rng.seed(1);
    const auto down = d.decreasingCopy();
    d.shuffle(rng);
    EXPECT_FALSE(d.packed());
    std::vector<int64_t> s = d.items();
    std::sort(s.begin(), s.end());
    EXPECT_EQ(s, (std::vector<int64_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(d.restoreCopy(), (std::vector<int64_t>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(d.decreasingCopy(), down);
    d.restore();
    EXPECT_EQ(d.items(), d.restoreCopy());
    EXPECT_FALSE(d.packed());
}

TEST(Document, LoadedListWithTooLargeItemsShowsItsItems)
{
    PackDocument d;
    Random rng;
    d.load(10, 13, {4, 12, 5}, rng);
    EXPECT_FALSE(d.packed());
    EXPECT_EQ(d.capacity(), 10);
    EXPECT_EQ(d.code(), 13);
    EXPECT_EQ(d.apply(10, 13), 6);
    d.load(10, 13, {4, 6, 5}, rng);
    EXPECT_TRUE(d.packed());
    EXPECT_EQ(contents(d.bins()), (Bins{{6, 4}, {5}}));
}

TEST(Document, NotebookTexts)
{
    PackDocument d = documentOf({10, 20, 30, 37}, 10);
    d.apply(100, 0);
    EXPECT_EQ(d.exampleText(2), "items: 4\r\ntotal: 97\r\nbin capacity: 100\r\nneed: 0.97\r\n10 20 30 37 \r\n"
                                "==========================\r\n");
    d.apply(10, 0); // refused (items of 10 and more), but the capacity is taken
    EXPECT_EQ(d.exampleText(2), "items: 4\r\ntotal: 97\r\nbin capacity: 10\r\nneed: 9.70\r\n10 20 30 37 \r\n"
                                "==========================\r\n");
    EXPECT_NE(d.exampleText(0).find("need: 10\r\n"), std::string::npos);
    PackDocument e = documentOf({5, 5});
    ASSERT_EQ(e.apply(10, 0), 0);
    EXPECT_EQ(e.solutionText(), "5 5 \r\nbins used: 1 [optimal]\r\n==========================\r\n");
}

TEST(NumberScanner, RunsAndSeparators)
{
    EXPECT_EQ(scanNumbers("a1b22c", 10), (std::vector<Real>{1, 22}));
    EXPECT_EQ(scanNumbers("3-4", 10), (std::vector<Real>{3}));
    EXPECT_EQ(scanNumbers("-- . -.- 5", 10), (std::vector<Real>{5}));
    EXPECT_EQ(scanNumbers("-2.5 .5 7.", 10), (std::vector<Real>{-2.5L, 0.5L, 7}));
    EXPECT_EQ(scanNumbers("1+2,3:4", 10), (std::vector<Real>{1, 2, 3, 4}));
    bool more = false;
    EXPECT_EQ(scanNumbers("1 2 3", 2, &more), (std::vector<Real>{1, 2}));
    EXPECT_TRUE(more);
    EXPECT_EQ(scanNumbers("1 2 --", 2, &more), (std::vector<Real>{1, 2}));
    EXPECT_FALSE(more);
    std::vector<Real> huge = scanNumbers(std::string(6000, '9'), 3);
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_GT(huge[0], 1e300L);
}

// --- random lists against a plain packer ---------------------------------------------

namespace {

// The rules, written out once more as plainly as possible.
Bins plainPack(const std::vector<int64_t>& items, int64_t c, int method)
{
    Bins bins;
    std::vector<int64_t> room;
    for (int64_t s : items) {
        std::vector<int> fit; // bins with room, oldest first
        for (int b = 0; b < static_cast<int>(room.size()); ++b)
            if (room[b] >= s)
                fit.push_back(b);
        int chosen = -1;
        if (method == 0) {
            if (!room.empty() && room.back() >= s)
                chosen = static_cast<int>(room.size()) - 1;
        } else if (method == 1) {
            if (!fit.empty())
                chosen = fit.front();
        } else if (method == 2) {
            if (!fit.empty())
                chosen = fit.back();
        } else {
            // Rank by free room (best: least first; worst: most first),
            // the older bin first among equals.
            std::stable_sort(fit.begin(), fit.end(), [&](int a, int b) {
                return method == 3 ? room[a] < room[b] : room[a] > room[b];
            });
            size_t rank = method == 5 ? 1 : 0;
            if (fit.size() > rank)
                chosen = fit[rank];
        }
        if (chosen < 0) {
            bins.emplace_back();
            room.push_back(c);
            chosen = static_cast<int>(bins.size()) - 1;
        }
        bins[chosen].push_back(s);
        room[chosen] -= s;
    }
    return bins;
}

} // namespace

TEST(FitMethods, RandomListsAgreeWithThePlainPacker)
{
    Random rng;
    rng.seed(2024);
    for (int round = 0; round < 300; ++round) {
        PackDocument d;
        const int n = 1 + rng.below(60);
        const int64_t c = 3 + rng.below(round % 3 == 0 ? 12 : 1000);
        ASSERT_EQ(d.random(n, c, rng), 0);
        for (int code = 0; code <= 25; ++code) {
            if (!methodCodeValid(code))
                continue;
            ASSERT_EQ(d.apply(c, code), 0);
            const std::vector<int64_t>& order = d.orderedItems();
            Bins got = contents(d.bins());
            ASSERT_EQ(got, plainPack(order, c, code % 10)) << "round " << round << " code " << code;
            // No bin overfull, none empty, every item once, each bin's
            // items in the order they came.
            std::vector<int64_t> all;
            for (size_t b = 0; b < d.bins().size(); ++b) {
                const Bin& bin = d.bins()[b];
                int64_t used = 0;
                for (int64_t s : bin.items)
                    used += s;
                EXPECT_EQ(bin.used, used);
                EXPECT_LE(used, c);
                EXPECT_EQ(bin.free, c - used);
                EXPECT_FALSE(bin.items.empty());
                all.insert(all.end(), bin.items.begin(), bin.items.end());
            }
            std::vector<int64_t> a = all, b = order;
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            EXPECT_EQ(a, b);
            // Each bin's items come in the order of the list they were
            // taken from.
            for (const Bin& bin : d.bins()) {
                size_t k = 0;
                for (size_t i = 0; i < order.size() && k < bin.items.size(); ++i)
                    k += order[i] == bin.items[k];
                EXPECT_EQ(k, bin.items.size());
            }
            const int64_t bound = (d.total() + c - 1) / c;
            EXPECT_EQ(d.optimal(), static_cast<int64_t>(d.binCount()) <= bound);
            EXPECT_GE(static_cast<int64_t>(d.binCount()), bound);
        }
    }
}
