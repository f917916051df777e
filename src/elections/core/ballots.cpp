#include "elections/core/ballots.h"

#include <algorithm>

namespace quan {

int factorial(int n)
{
    int f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}

std::vector<Ballot> ballotList(int n)
{
    n = std::clamp(n, 1, kMaxCandidates);
    std::vector<Ballot> list;
    list.reserve(static_cast<size_t>(factorial(n)));
    Ballot b;
    for (int i = 0; i < n; ++i)
        b.order[static_cast<size_t>(i)] = i;
    auto* o = b.order.data();
    for (;;) {
        list.push_back(b);
        // The lexicographic successor: the rightmost rise, swapped with the
        // smallest larger element after it, the tail reversed.
        int i = n - 2;
        while (i >= 0 && o[i] > o[i + 1])
            --i;
        if (i < 0)
            break;
        int j = n - 1;
        while (o[j] < o[i])
            --j;
        std::swap(o[i], o[j]);
        std::reverse(o + i + 1, o + n);
    }
    return list;
}

int locateOrder(const std::vector<Ballot>& list, int n, const int32_t* order)
{
    if (n < 1 || n > kMaxCandidates || list.empty())
        return -1;
    // The list is sorted, so the entry is found by narrowing, place by
    // place, the block of entries that share the wanted beginning.
    size_t lo = 0, hi = list.size();
    for (int p = 0; p < n; ++p) {
        const auto place = static_cast<size_t>(p);
        const int32_t want = order[p];
        while (lo < hi && list[lo].order[place] < want)
            ++lo;
        size_t end = lo;
        while (end < hi && list[end].order[place] == want)
            ++end;
        if (lo == end)
            return -1;
        hi = end;
    }
    return static_cast<int>(lo);
}

namespace {

constexpr uint64_t kMultiplier = 0x0000015A00004E35ULL;

// x mod d for x < 2^31 by one 64-bit multiplication (Granlund and
// Montgomery): with l = ceil(log2 d) and m = ceil(2^(31+l) / d),
// floor(x * m / 2^(31+l)) is floor(x / d) for every 31-bit x, and
// x * m stays below 2^64.
struct FastMod {
    explicit FastMod(uint32_t d) : d_(d)
    {
        int l = 0;
        while ((uint64_t{1} << l) < d)
            ++l;
        shift_ = 31 + l;
        m_ = ((uint64_t{1} << shift_) + d - 1) / d;
    }
    uint32_t operator()(uint32_t x) const
    {
        const auto q = static_cast<uint32_t>((x * m_) >> shift_);
        return x - q * d_;
    }

private:
    uint32_t d_;
    int shift_ = 31;
    uint64_t m_ = 0;
};

} // namespace

bool drawExample(std::vector<int32_t>& counts, int32_t total, Random& rng, const Poll& poll)
{
    const size_t entries = counts.size();
    if (total < 1 || entries == 0) {
        std::fill(counts.begin(), counts.end(), 0);
        return true;
    }
    // The generator runs in a register here and is handed back after.
    uint64_t x = rng.state();
    auto draw = [&x]() {
        x = x * kMultiplier + 1ULL;
        return static_cast<uint32_t>((x >> 32) & 0x7FFFFFFFULL);
    };
    std::vector<int32_t> work(entries, 0);
    const FastMod entryOf(static_cast<uint32_t>(entries));
    uint32_t bound = static_cast<uint32_t>(total) / static_cast<uint32_t>(entries) + 1;
    uint32_t rest = static_cast<uint32_t>(total);
    uint32_t steps = 0;
    auto stopped = [&]() {
        if ((++steps & 0xFFFFu) != 0 || !poll)
            return false;
        rng.setState(x);
        const bool quit = quitKey(poll());
        x = rng.state();
        return quit;
    };
    // Chunks of 1 .. b while they fit.
    while (rest > 0 && bound > 2) {
        if (stopped())
            return rng.setState(x), false;
        const uint32_t c = 1 + draw() % bound;
        if (c <= rest) {
            work[entryOf(draw())] += static_cast<int32_t>(c);
            rest -= c;
        } else {
            bound = 2;
        }
    }
    // From then on every chunk is 1 or 2 (a bound of 1 gives chunks of 1).
    if (bound == 1) {
        while (rest > 0) {
            if (stopped())
                return rng.setState(x), false;
            draw();
            work[entryOf(draw())] += 1;
            --rest;
        }
    }
    while (rest > 0) {
        if (stopped())
            return rng.setState(x), false;
        const uint32_t c = 1 + (draw() & 1u);
        if (c <= rest) {
            work[entryOf(draw())] += static_cast<int32_t>(c);
            rest -= c;
        }
    }
    rng.setState(x);
    counts = std::move(work);
    return true;
}

} // namespace quan
