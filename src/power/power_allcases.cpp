// Banzhaf and Shapley-Shubik over all coalitions and all orderings.
#include "power/power_calc.h"

#include "core/msgcode.h"

#include "power/power_detail.h"

#include <algorithm>
#include <array>
#include <bit>

namespace quan {

using powerdetail::checkTable;
using powerdetail::pairUsable;
using powerdetail::PercentTitle;

namespace {

size_t countInRange(const std::vector<int64_t>& sorted, int64_t lo, int64_t hi)
{
    auto a = std::lower_bound(sorted.begin(), sorted.end(), lo);
    auto b = std::lower_bound(a, sorted.end(), hi);
    return static_cast<size_t>(b - a);
}

} // namespace

// ---------------------------------------------------------------------------
// Banzhaf over all coalitions.
//
// The blocs are split into an outer part walked coalition by coalition in
// Gray-code order (one weight added or removed per step) and an inner part
// whose 2^k subset sums are precomputed and sorted. For an outer coalition
// of weight S the inner subsets that complete it to a winning coalition are
// those with sum >= q - S; a member i of the whole coalition swings when
// S + sum - w_i < q, so its swings are the inner subsets (holding i when i
// is an inner bloc) with sum in [q - S, q - S + w_i): two binary searches.
// This examines every one of the 2^n coalitions and counts exactly what the
// coalition-by-coalition definition counts. The pair, if any, is kept in
// the outer part so that a whole block of coalitions is in or out at once.
int banzhafAllCases(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                    const Progress& progress, PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total, Msg::CheckTheQuota))
        return code;
    const int n = static_cast<int>(w.size());
    if (n > kMaxAllCasesBanzhaf)
        return codeOf(Msg::TooManyBlocs);
    const bool hasPair = pairUsable(pair, w.size());

    std::vector<int> outer, rest;
    if (hasPair)
        outer = {pair.first, pair.second};
    for (int i = 0; i < n; ++i)
        if (!hasPair || (i != pair.first && i != pair.second))
            rest.push_back(i);
    // At least 2^12 coalitions per outer step: the keyboard is polled once
    // per step.
    const int innerCount = std::min(static_cast<int>(rest.size()), std::max(n / 2, 12));
    std::vector<int> inner(rest.begin(), rest.begin() + innerCount);
    outer.insert(outer.end(), rest.begin() + innerCount, rest.end());
    const int outerCount = static_cast<int>(outer.size());

    // Inner subset sums: all of them, and per inner bloc those holding it.
    const size_t innerSubsets = size_t{1} << innerCount;
    std::vector<int64_t> sums(innerSubsets, 0);
    for (size_t s = 1; s < innerSubsets; ++s)
        sums[s] = sums[s & (s - 1)] + w[static_cast<size_t>(inner[static_cast<size_t>(std::countr_zero(s))])];
    std::vector<std::vector<int64_t>> holding(static_cast<size_t>(innerCount));
    for (int t = 0; t < innerCount; ++t) {
        auto& h = holding[static_cast<size_t>(t)];
        h.reserve(innerSubsets / 2);
        for (size_t s = 0; s < innerSubsets; ++s)
            if ((s >> t) & 1u)
                h.push_back(sums[s]);
        std::sort(h.begin(), h.end());
    }
    std::sort(sums.begin(), sums.end());

    std::vector<uint64_t> swings(w.size(), 0);
    const uint64_t all = uint64_t{1} << n;
    PercentTitle shownPercent(progress, n > 12, all);
    uint64_t examined = 0;
    uint64_t gray = 0;
    int64_t outerSum = 0;
    const uint64_t outerSteps = uint64_t{1} << outerCount;
    for (uint64_t step = 0; step < outerSteps; ++step) {
        if (step > 0) {
            int b = std::countr_zero(step);
            gray ^= uint64_t{1} << b;
            int64_t wb = w[static_cast<size_t>(outer[static_cast<size_t>(b)])];
            outerSum += ((gray >> b) & 1u) ? wb : -wb;
        }
        bool excluded = hasPair && (((gray >> 0) & 1u) == ((gray >> 1) & 1u));
        if (!excluded) {
            const int64_t lo = q - outerSum;
            auto first = std::lower_bound(sums.begin(), sums.end(), lo);
            for (uint64_t m = gray; m != 0; m &= m - 1) {
                int i = outer[static_cast<size_t>(std::countr_zero(m))];
                auto last = std::lower_bound(first, sums.end(), lo + w[static_cast<size_t>(i)]);
                swings[static_cast<size_t>(i)] += static_cast<uint64_t>(last - first);
            }
            for (int t = 0; t < innerCount; ++t) {
                int i = inner[static_cast<size_t>(t)];
                swings[static_cast<size_t>(i)] +=
                    countInRange(holding[static_cast<size_t>(t)], lo, lo + w[static_cast<size_t>(i)]);
            }
        }
        examined += innerSubsets;
        if (progress.quitRequested()) {
            out = PowerCounts{};
            out.stopped = true;
            return 0;
        }
        shownPercent.update(examined);
    }

    out = PowerCounts{};
    out.pivotal.reserve(w.size());
    for (uint64_t s : swings)
        out.pivotal.emplace_back(2 * s);
    out.cases = BigUint(hasPair ? all / 2 : all);
    return 0;
}

// ---------------------------------------------------------------------------
// Shapley-Shubik over all orderings.
//
// The orderings are visited in lexicographic order as a walk over their
// prefixes, choosing the next bloc from the remaining ones in increasing
// order; the prefix sum travels with the walk. When a bloc brings the sum
// to the quota it is the pivot of every ordering that starts with this
// prefix, (m - 1)! of them for m blocs remaining, and they are counted at
// once. The blocs still to come after a prefix decide the pivots of all
// its completions on their own (the prefix sum is the total weight less
// theirs), so the pivot counts of the last few places are worked out once
// per set of remaining blocs and added wherever the walk reaches that set.
namespace {

class ShapleyWalk {
public:
    ShapleyWalk(const std::vector<int64_t>& w, int64_t q, const Progress& progress)
        : w_(w), q_(q), progress_(progress), n_(static_cast<int>(w.size())),
          pollLevel_(std::min(n_, 8)), tailLevel_(std::min(n_, 6)), count_(w.size(), 0),
          shownPercent_(progress, n_ > 8, factorial(n_))
    {
        for (int k = 0; k <= n_; ++k)
            fact_[static_cast<size_t>(k)] = factorial(k);
        buildTails();
    }

    bool run()
    {
        walk((uint32_t{1} << n_) - 1, n_, 0);
        if (!stop_)
            shownPercent_.update(done_);
        return !stop_;
    }
    const std::vector<uint64_t>& counts() const { return count_; }

private:
    static uint64_t factorial(int k)
    {
        uint64_t f = 1;
        for (int i = 2; i <= k; ++i)
            f *= static_cast<uint64_t>(i);
        return f;
    }

    // tail_[R * n + x]: the orderings of the remaining set R (at most
    // tailLevel_ blocs, the prefix before them short of the quota) in
    // which x is the pivot.
    void buildTails()
    {
        int64_t total = 0;
        for (int64_t x : w_)
            total += x;
        const uint32_t masks = uint32_t{1} << n_;
        tail_.assign(static_cast<size_t>(masks) * static_cast<size_t>(n_), 0);
        for (int m = 1; m <= tailLevel_; ++m) {
            for (uint32_t r = 1; r < masks; ++r) {
                if (std::popcount(r) != m)
                    continue;
                int64_t before = total;
                for (uint32_t left = r; left != 0; left &= left - 1)
                    before -= w_[static_cast<size_t>(std::countr_zero(left))];
                if (before >= q_)
                    continue; // never reached: the pivot came earlier
                uint64_t* row = &tail_[static_cast<size_t>(r) * static_cast<size_t>(n_)];
                for (uint32_t left = r; left != 0; left &= left - 1) {
                    int x = std::countr_zero(left);
                    if (before + w_[static_cast<size_t>(x)] >= q_) {
                        row[x] += fact_[static_cast<size_t>(m - 1)];
                    } else {
                        const uint64_t* sub = &tail_[static_cast<size_t>(r & ~(uint32_t{1} << x)) *
                                                     static_cast<size_t>(n_)];
                        for (int y = 0; y < n_; ++y)
                            row[y] += sub[y];
                    }
                }
            }
        }
    }

    void walk(uint32_t mask, int m, int64_t s)
    {
        if (m == pollLevel_) {
            if (progress_.quitRequested()) {
                stop_ = true;
                return;
            }
            shownPercent_.update(done_);
        }
        if (m == tailLevel_) {
            const uint64_t* row = &tail_[static_cast<size_t>(mask) * static_cast<size_t>(n_)];
            for (uint32_t left = mask; left != 0; left &= left - 1) {
                int x = std::countr_zero(left);
                count_[static_cast<size_t>(x)] += row[x];
            }
            done_ += fact_[static_cast<size_t>(m)];
            return;
        }
        for (uint32_t left = mask; left != 0; left &= left - 1) {
            int x = std::countr_zero(left);
            int64_t t = s + w_[static_cast<size_t>(x)];
            if (t >= q_) {
                count_[static_cast<size_t>(x)] += fact_[static_cast<size_t>(m - 1)];
                done_ += fact_[static_cast<size_t>(m - 1)];
            } else {
                walk(mask & ~(uint32_t{1} << x), m - 1, t);
                if (stop_)
                    return;
            }
        }
    }

    const std::vector<int64_t>& w_;
    const int64_t q_;
    const Progress& progress_;
    const int n_;
    const int pollLevel_;
    const int tailLevel_;
    std::vector<uint64_t> count_;
    std::vector<uint64_t> tail_;
    std::array<uint64_t, kMaxAllCasesShapley + 1> fact_{};
    PercentTitle shownPercent_;
    uint64_t done_ = 0;
    bool stop_ = false;
};

} // namespace

int shapleyAllCases(const std::vector<int64_t>& w, int64_t q, const Progress& progress,
                    PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total, Msg::InconsistentData))
        return code;
    if (w.size() > static_cast<size_t>(kMaxAllCasesShapley))
        return codeOf(Msg::OutOfBounds);
    ShapleyWalk walk(w, q, progress);
    out = PowerCounts{};
    if (!walk.run()) {
        out.stopped = true;
        return 0;
    }
    uint64_t cases = 1;
    for (size_t k = 2; k <= w.size(); ++k)
        cases *= k;
    for (uint64_t c : walk.counts())
        out.pivotal.emplace_back(c);
    out.cases = BigUint(cases);
    return 0;
}

} // namespace quan
