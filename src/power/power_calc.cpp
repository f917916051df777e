#include "power/power_calc.h"

#include "resources/strings.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>

namespace quan {

std::string percentTitle(int percent)
{
    return padLeft(std::to_string(percent), 2) + "% " + S(167) + "; " + S(601);
}

std::string samplesTitle(uint64_t samples)
{
    return std::to_string(samples) + " " + S(337) + "; " + S(601);
}

namespace {

// Checks shared by every calculation; 0 when the table can be worked on.
int checkTable(const std::vector<int64_t>& w, int64_t q, int64_t& total)
{
    total = 0;
    if (w.empty() || w.size() > static_cast<size_t>(kMaxPowerBlocs) || q < 1)
        return 17;
    for (int64_t x : w) {
        if (x < 1 || x > 2147483647)
            return 17;
        total += x;
    }
    return 0;
}

bool pairUsable(OppositionPair pair, size_t n)
{
    return pair.isSet() && pair.first != pair.second && static_cast<size_t>(pair.first) < n &&
           static_cast<size_t>(pair.second) < n;
}

int percentOf(uint64_t done, uint64_t total)
{
    return total == 0 ? 100 : static_cast<int>(static_cast<long double>(done) * 100 / total);
}

// Reports the percentage done whenever its whole part grows.
class PercentTitle {
public:
    PercentTitle(const Progress& progress, bool shown, uint64_t total)
        : progress_(progress), shown_(shown), total_(total)
    {
        if (shown_)
            progress_.show(percentTitle(0));
    }
    void update(uint64_t done)
    {
        if (!shown_)
            return;
        int p = percentOf(done, total_);
        if (p > last_) {
            last_ = p;
            progress_.show(percentTitle(p));
        }
    }

private:
    const Progress& progress_;
    bool shown_;
    uint64_t total_;
    int last_ = 0;
};

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
    if (int code = checkTable(w, q, total))
        return code;
    if (total < q)
        return 103;
    const int n = static_cast<int>(w.size());
    if (n > kMaxAllCasesBanzhaf)
        return 102;
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
    if (int code = checkTable(w, q, total))
        return code;
    if (total < q)
        return 6;
    if (w.size() > static_cast<size_t>(kMaxAllCasesShapley))
        return 17;
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

// ---------------------------------------------------------------------------
// Monte Carlo.
//
// The shared generator is a linear congruential generator x <- a x + 1
// (mod 2^64) whose draw is bits 32..62 of x. Its state is copied into a
// local variable for speed and written back at the end, so the draws are
// exactly those a draw-by-draw run would take. Stepping k places at once,
// x <- a^k x + (a^(k-1) + ... + a + 1), lets four draws be computed side by
// side and lets a sample skip the draws it no longer needs.
namespace {

constexpr uint64_t kLcgMultiplier = 0x0000015A00004E35ULL;

struct LcgJumps {
    // x after k steps = mul[k] * x + add[k].
    std::array<uint64_t, kMaxPowerBlocs + 2> mul{}, add{};
    LcgJumps()
    {
        mul[0] = 1;
        add[0] = 0;
        for (size_t k = 1; k < mul.size(); ++k) {
            mul[k] = mul[k - 1] * kLcgMultiplier;
            add[k] = add[k - 1] * kLcgMultiplier + 1;
        }
    }
};

const LcgJumps& jumps()
{
    static const LcgJumps j;
    return j;
}

inline uint32_t drawOf(uint64_t state)
{
    return static_cast<uint32_t>((state >> 32) & 0x7FFFFFFFu);
}

// r mod d for 31-bit r by multiplication: with l = ceil(log2 d) and
// m = floor(2^(31+l) / d) + 1, floor(r / d) = (r m) >> (31 + l) for every
// r < 2^31, and r m stays below 2^63.
struct Divisor {
    uint64_t magic = 1;
    unsigned shift = 31;
    uint32_t d = 1;
    explicit Divisor(uint32_t divisor = 1) : d(divisor)
    {
        unsigned l = 0;
        while ((uint64_t{1} << l) < d)
            ++l;
        shift = 31 + l;
        magic = (uint64_t{1} << shift) / d + 1;
    }
    uint32_t mod(uint32_t r) const
    {
        uint32_t quot = static_cast<uint32_t>((r * magic) >> shift);
        return r - quot * d;
    }
};

constexpr int kPollEvery = 4096; // coalitions or orderings between polls
constexpr uint32_t kTitleEvery = 100000;

// The sampling loop of banzhafMonteCarlo, on weights of type Int (32-bit
// when the total allows, so that sums and comparisons run four to a
// vector register).
template <class Int>
void sampleCoalitions(const std::vector<int64_t>& weights, int64_t quota, bool hasPair, size_t pa,
                      size_t pb, uint64_t& x, const Progress& progress, std::vector<uint32_t>& swings,
                      uint32_t& samples, uint64_t& draws)
{
    const size_t n = weights.size();
    std::vector<Int> w(n);
    for (size_t i = 0; i < n; ++i)
        w[i] = static_cast<Int>(weights[i]);
    const Int q = static_cast<Int>(quota);
    const LcgJumps& J = jumps();
    const uint64_t m1 = J.mul[1], m2 = J.mul[2], m3 = J.mul[3], m4 = J.mul[4];
    const uint64_t a1 = J.add[1], a2 = J.add[2], a3 = J.add[3], a4 = J.add[4];
    std::vector<Int> in(n, 0); // 0 or -1 (all bits set) per bloc
    uint32_t untilTitle = kTitleEvery;
    for (;;) {
        for (int round = 0; round < kPollEvery; ++round) {
            // A bloc joins when its draw is even: bit 32 of the state clear.
            size_t i = 0;
            for (; i + 4 <= n; i += 4) {
                const uint64_t x1 = m1 * x + a1, x2 = m2 * x + a2, x3 = m3 * x + a3, x4 = m4 * x + a4;
                x = x4;
                in[i] = static_cast<Int>(static_cast<Int>((x1 >> 32) & 1u) - 1);
                in[i + 1] = static_cast<Int>(static_cast<Int>((x2 >> 32) & 1u) - 1);
                in[i + 2] = static_cast<Int>(static_cast<Int>((x3 >> 32) & 1u) - 1);
                in[i + 3] = static_cast<Int>(static_cast<Int>((x4 >> 32) & 1u) - 1);
            }
            for (; i < n; ++i) {
                x = m1 * x + a1;
                in[i] = static_cast<Int>(static_cast<Int>((x >> 32) & 1u) - 1);
            }
            ++draws;
            Int sum = 0;
            for (size_t k = 0; k < n; ++k)
                sum = static_cast<Int>(sum + (in[k] & w[k]));
            if (sum < q || (hasPair && in[pa] == in[pb]))
                continue;
            const Int slack = static_cast<Int>(sum - q); // members heavier than this swing
            for (size_t k = 0; k < n; ++k)
                swings[k] += static_cast<uint32_t>(in[k] & static_cast<Int>(w[k] > slack));
            ++samples;
            if (--untilTitle == 0) {
                untilTitle = kTitleEvery;
                progress.show(samplesTitle(samples));
            }
            if (samples == kMonteCarloSampleLimit)
                return;
        }
        if (progress.quitRequested())
            return;
    }
}

} // namespace

int banzhafMonteCarlo(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                      Random& rng, const Progress& progress, PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total))
        return code;
    if (total < q)
        return 103;
    const bool hasPair = pairUsable(pair, w.size());
    const size_t pa = hasPair ? static_cast<size_t>(pair.first) : 0;
    const size_t pb = hasPair ? static_cast<size_t>(pair.second) : 0;
    std::vector<uint32_t> swings(w.size(), 0);
    uint64_t x = rng.state();
    uint32_t samples = 0;
    uint64_t draws = 0;
    if (total <= INT32_MAX)
        sampleCoalitions<int32_t>(w, q, hasPair, pa, pb, x, progress, swings, samples, draws);
    else
        sampleCoalitions<int64_t>(w, q, hasPair, pa, pb, x, progress, swings, samples, draws);
    rng.setState(x);
    out = PowerCounts{};
    for (uint32_t s : swings)
        out.pivotal.emplace_back(s);
    out.cases = BigUint(samples);
    out.draws = draws;
    return 0;
}

int shapleyMonteCarlo(const std::vector<int64_t>& w, int64_t q, Random& rng,
                      const Progress& progress, PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total))
        return code;
    if (total < q)
        return 103;
    const int n = static_cast<int>(w.size());
    const LcgJumps& J = jumps();
    std::array<Divisor, kMaxPowerBlocs + 1> divisors;
    for (int d = 1; d <= n; ++d)
        divisors[static_cast<size_t>(d)] = Divisor(static_cast<uint32_t>(d));
    std::array<uint8_t, kMaxPowerBlocs> identity{}, pool{};
    std::iota(identity.begin(), identity.end(), uint8_t{0});

    std::vector<uint32_t> counts(w.size(), 0);
    uint64_t x = rng.state();
    uint32_t samples = 0;
    uint32_t untilTitle = kTitleEvery;
    uint64_t draws = 0;
    bool finished = false;
    while (!finished) {
        for (int round = 0; round < kPollEvery; ++round) {
            // Place k takes pool entry r mod (n - k); the pool's last entry
            // fills the hole. Once the pivot is known the draws for the
            // remaining places are skipped over in one step.
            std::memcpy(pool.data(), identity.data(), static_cast<size_t>(n));
            int64_t sum = 0;
            for (int left = n; left > 0; --left) {
                x = J.mul[1] * x + J.add[1];
                uint32_t j = divisors[static_cast<size_t>(left)].mod(drawOf(x));
                uint8_t bloc = pool[j];
                pool[j] = pool[static_cast<size_t>(left - 1)];
                sum += w[bloc];
                if (sum >= q) {
                    ++counts[bloc];
                    x = J.mul[static_cast<size_t>(left - 1)] * x + J.add[static_cast<size_t>(left - 1)];
                    break;
                }
            }
            ++draws;
            ++samples;
            if (--untilTitle == 0) {
                untilTitle = kTitleEvery;
                progress.show(samplesTitle(samples));
            }
            if (samples == kMonteCarloSampleLimit) {
                finished = true;
                break;
            }
        }
        if (!finished && progress.quitRequested())
            finished = true;
    }
    rng.setState(x);
    out = PowerCounts{};
    for (uint32_t c : counts)
        out.pivotal.emplace_back(c);
    out.cases = BigUint(samples);
    out.draws = draws;
    return 0;
}

// ---------------------------------------------------------------------------
// Exact counting by weight.
//
// f[s] = the number of subsets of a set of blocs with weight s, for s < q,
// from the product of (1 + y^w) over the blocs. The subsets of the blocs
// other than i are counted by f / (1 + y^(w_i)), whose coefficients are
// g[s] = f[s] - f[s - w_i] + f[s - 2 w_i] - ...; summed over a window of
// weights [lo, hi] this needs only the prefix sums F of f:
//     sum_j (-1)^j (F[hi - j w_i] - F[lo - 1 - j w_i]).
// The alternating sums are exact in modular arithmetic (mod 2^64, or
// mod 2^128 or 2^95 when counts may pass 2^64) because every true result
// is below the modulus. The same holds per subset size for Shapley-Shubik.
namespace {

struct U128 {
    uint64_t lo = 0, hi = 0;
    U128() = default;
    U128(uint64_t v) : lo(v) {} // NOLINT
    U128& operator+=(const U128& b)
    {
        lo += b.lo;
        hi += b.hi + (lo < b.lo ? 1u : 0u);
        return *this;
    }
    U128& operator-=(const U128& b)
    {
        uint64_t borrow = lo < b.lo ? 1u : 0u;
        lo -= b.lo;
        hi -= b.hi + borrow;
        return *this;
    }
    friend U128 operator-(U128 a, const U128& b) { return a -= b; }
};

BigUint toBig(uint64_t v) { return BigUint(v); }
BigUint toBig(const U128& v) { return BigUint::fromParts(v.hi, v.lo); }

// Prefix sums of subset counts by weight (s < q) over some of the blocs.
template <class T>
class WeightCounts {
public:
    WeightCounts(const std::vector<int64_t>& w, const std::vector<int>& blocs, int64_t q,
                 const Progress& progress)
        : prefix_(static_cast<size_t>(q), T(0))
    {
        prefix_[0] = T(1);
        size_t added = 0;
        for (int b : blocs) {
            const int64_t wb = w[static_cast<size_t>(b)];
            for (int64_t s = q - 1; s >= wb; --s)
                prefix_[static_cast<size_t>(s)] += prefix_[static_cast<size_t>(s - wb)];
            if ((++added & 7u) == 0 && progress.quitRequested()) {
                stopped_ = true;
                return;
            }
        }
        for (size_t s = 1; s < prefix_.size(); ++s)
            prefix_[s] += prefix_[s - 1];
    }
    bool stopped() const { return stopped_; }
    T upTo(int64_t x) const { return x < 0 ? T(0) : prefix_[static_cast<size_t>(x)]; }
    // Subsets with weight in [lo, hi].
    T window(int64_t lo, int64_t hi) const
    {
        if (hi < 0 || hi < lo)
            return T(0);
        return upTo(hi) - upTo(lo - 1);
    }
    // Subsets without bloc weight wi (which was counted) in [lo, hi].
    T windowWithout(int64_t wi, int64_t lo, int64_t hi) const
    {
        T acc(0);
        if (hi < lo)
            return acc;
        bool plus = true;
        for (; hi >= 0; hi -= wi, lo -= wi, plus = !plus) {
            T term = upTo(hi) - upTo(lo - 1);
            if (plus)
                acc += term;
            else
                acc -= term;
        }
        return acc;
    }

private:
    std::vector<T> prefix_;
    bool stopped_ = false;
};

// Returns false when stopped.
template <class T>
bool banzhafByWeight(const std::vector<int64_t>& w, int64_t q, bool hasPair, OppositionPair pair,
                     const Progress& progress, std::vector<BigUint>& swings)
{
    const int n = static_cast<int>(w.size());
    std::vector<int> blocs;
    for (int i = 0; i < n; ++i)
        if (!hasPair || !pair.contains(i))
            blocs.push_back(i);
    WeightCounts<T> f(w, blocs, q, progress);
    if (f.stopped())
        return false;
    swings.assign(w.size(), BigUint());
    for (int i : blocs) {
        const int64_t wi = w[static_cast<size_t>(i)];
        if (!hasPair) {
            // The others' subsets that lose alone and win with i.
            swings[static_cast<size_t>(i)] = toBig(f.windowWithout(wi, q - wi, q - 1));
        } else {
            // Exactly one of the pair is with i.
            T c = f.windowWithout(wi, q - wi - w[static_cast<size_t>(pair.first)],
                                  q - 1 - w[static_cast<size_t>(pair.first)]);
            c += f.windowWithout(wi, q - wi - w[static_cast<size_t>(pair.second)],
                                 q - 1 - w[static_cast<size_t>(pair.second)]);
            swings[static_cast<size_t>(i)] = toBig(c);
        }
    }
    if (hasPair) {
        // A pair bloc swings with subsets of the rest (its partner is out).
        for (int i : {pair.first, pair.second}) {
            const int64_t wi = w[static_cast<size_t>(i)];
            swings[static_cast<size_t>(i)] = toBig(f.window(q - wi, q - 1));
        }
    }
    return true;
}

// Subset counts by size k and weight s < q over all blocs, each size kept
// only for the weights its subsets can have, then turned into prefix sums
// over s.
//
// Narrow tables count mod 2^64. Wide ones count mod 2^95 (enough for the
// C(98, 49) < 2^95 subsets of 99 blocs) as a 63-bit low word and a 32-bit
// high word: two lows add without overflow and the sum's top bit is the
// carry, so the additions run as plain vector operations.
class SizeWeightCounts {
public:
    SizeWeightCounts(const std::vector<int64_t>& w, int64_t q, bool wide, const Progress& progress)
        : wide_(wide)
    {
        const size_t n = w.size();
        std::vector<int64_t> sorted(w);
        std::sort(sorted.begin(), sorted.end());
        int64_t minSum = 0, maxSum = 0;
        uint64_t entries = 0;
        for (size_t k = 0; k < n; ++k) {
            if (k > 0) {
                minSum += sorted[k - 1];
                maxSum += sorted[n - k];
            }
            if (minSum > q - 1)
                break;
            Row r{minSum, std::min(q - 1, maxSum), entries};
            rows_.push_back(r);
            entries += static_cast<uint64_t>(r.hi - r.lo + 1);
        }
        if (entries * (wide ? 12u : 8u) > kExactTableBytes) {
            tooLarge_ = true;
            return;
        }
        low_.assign(static_cast<size_t>(entries), 0);
        if (wide_)
            high_.assign(static_cast<size_t>(entries), 0);
        low_[0] = 1;
        // The weights each row has reached so far; heavier blocs first keep
        // these short while the table fills.
        std::reverse(sorted.begin(), sorted.end());
        const size_t kmax = rows_.size() - 1;
        std::vector<int64_t> reachedLo(rows_.size(), INT64_MAX), reachedHi(rows_.size(), INT64_MIN);
        reachedLo[0] = reachedHi[0] = 0;
        size_t added = 0;
        for (int64_t wb : sorted) {
            ++added;
            for (size_t k = std::min(added, kmax); k >= 1; --k) {
                if (reachedLo[k - 1] > reachedHi[k - 1])
                    continue;
                const Row& to = rows_[k];
                const Row& from = rows_[k - 1];
                const int64_t s0 = std::max(to.lo, reachedLo[k - 1] + wb);
                const int64_t s1 = std::min(to.hi, reachedHi[k - 1] + wb);
                if (s0 > s1)
                    continue;
                const size_t d = static_cast<size_t>(to.offset + static_cast<uint64_t>(s0 - to.lo));
                const size_t f = static_cast<size_t>(from.offset + static_cast<uint64_t>(s0 - wb - from.lo));
                const size_t len = static_cast<size_t>(s1 - s0 + 1);
                if (wide_)
                    addWide(low_.data() + d, high_.data() + d, low_.data() + f, high_.data() + f, len);
                else
                    addNarrow(low_.data() + d, low_.data() + f, len);
                reachedLo[k] = std::min(reachedLo[k], s0);
                reachedHi[k] = std::max(reachedHi[k], s1);
            }
            if (added % 8 == 0 && progress.quitRequested()) {
                stopped_ = true;
                return;
            }
        }
        // Prefix sums, from here on as bits 0..63 in low_ and 64..94 in
        // high_.
        for (const Row& r : rows_) {
            U128 run;
            for (uint64_t s = 0; s <= static_cast<uint64_t>(r.hi - r.lo); ++s) {
                const size_t i = static_cast<size_t>(r.offset + s);
                U128 v(low_[i]);
                if (wide_) {
                    v.lo |= static_cast<uint64_t>(high_[i]) << 63;
                    v.hi = high_[i] >> 1;
                }
                run += v;
                low_[i] = run.lo;
                if (wide_)
                    high_[i] = static_cast<uint32_t>(run.hi & kHigh95);
            }
        }
    }
    bool tooLarge() const { return tooLarge_; }
    bool stopped() const { return stopped_; }

    // Subsets of size k of the blocs other than one of weight wi, with
    // weight in [lo, hi].
    BigUint windowWithout(int k, int64_t wi, int64_t lo, int64_t hi) const
    {
        U128 acc;
        bool plus = true;
        for (; hi >= 0 && k >= 0; hi -= wi, lo -= wi, --k, plus = !plus) {
            U128 term = upTo(k, hi) - upTo(k, lo - 1);
            if (plus)
                acc += term;
            else
                acc -= term;
        }
        acc.hi = wide_ ? acc.hi & kHigh95 : 0;
        return toBig(acc);
    }

private:
    struct Row {
        int64_t lo, hi;
        uint64_t offset;
    };

    static constexpr uint64_t kHigh95 = (uint64_t{1} << 31) - 1; // bits 64..94
    static constexpr uint64_t kLow63 = (uint64_t{1} << 63) - 1;

    static void addNarrow(uint64_t* dst, const uint64_t* src, size_t len)
    {
        for (size_t t = 0; t < len; ++t)
            dst[t] += src[t];
    }

    static void addWide(uint64_t* dlo, uint32_t* dhi, const uint64_t* slo, const uint32_t* shi, size_t len)
    {
        for (size_t t = 0; t < len; ++t) {
            const uint64_t v = dlo[t] + slo[t];
            dhi[t] += shi[t] + static_cast<uint32_t>(v >> 63);
            dlo[t] = v & kLow63;
        }
    }

    U128 upTo(int k, int64_t x) const
    {
        if (k < 0 || k >= static_cast<int>(rows_.size()))
            return U128();
        const Row& r = rows_[static_cast<size_t>(k)];
        if (x < r.lo)
            return U128();
        const size_t i = static_cast<size_t>(r.offset + static_cast<uint64_t>(std::min(x, r.hi) - r.lo));
        U128 v(low_[i]);
        if (wide_)
            v.hi = high_[i];
        return v;
    }

    bool wide_;
    std::vector<Row> rows_;
    std::vector<uint64_t> low_;
    std::vector<uint32_t> high_;
    bool tooLarge_ = false;
    bool stopped_ = false;
};

// Returns 20 when the table is too large, -1 when stopped, else 0.
int shapleyByWeight(const std::vector<int64_t>& w, int64_t q, const Progress& progress,
                    std::vector<BigUint>& pivotal)
{
    const int n = static_cast<int>(w.size());
    // Subsets of size s of n - 1 blocs number at most C(n - 1, s): below
    // 2^64 up to n = 68, below 2^95 up to 99 blocs.
    SizeWeightCounts f(w, q, n > 68, progress);
    if (f.tooLarge())
        return 20;
    if (f.stopped())
        return -1;
    // An ordering makes i the pivot when the s blocs before it weigh
    // [q - w_i, q - 1]: s! (n - 1 - s)! orderings per such subset.
    std::vector<BigUint> arrangements(static_cast<size_t>(n));
    for (int s = 0; s < n; ++s)
        arrangements[static_cast<size_t>(s)] =
            BigUint::factorial(static_cast<unsigned>(s)) * BigUint::factorial(static_cast<unsigned>(n - 1 - s));
    pivotal.assign(w.size(), BigUint());
    for (int i = 0; i < n; ++i) {
        const int64_t wi = w[static_cast<size_t>(i)];
        BigUint total;
        for (int s = 0; s < n; ++s) {
            BigUint c = f.windowWithout(s, wi, q - wi, q - 1);
            if (!c.isZero())
                total += c * arrangements[static_cast<size_t>(s)];
        }
        pivotal[static_cast<size_t>(i)] = total;
    }
    return 0;
}

} // namespace

int banzhafExact(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                 const Progress& progress, PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total))
        return code;
    if (total < q)
        return 103;
    const size_t n = w.size();
    const bool wide = n > 64; // subset counts of n - 1 blocs may pass 2^64
    if (static_cast<uint64_t>(q) * (wide ? sizeof(U128) : sizeof(uint64_t)) > kExactTableBytes)
        return 20;
    const bool hasPair = pairUsable(pair, n);
    out = PowerCounts{};
    std::vector<BigUint> swings;
    bool finished = wide ? banzhafByWeight<U128>(w, q, hasPair, pair, progress, swings)
                         : banzhafByWeight<uint64_t>(w, q, hasPair, pair, progress, swings);
    if (!finished) {
        out.stopped = true;
        return 0;
    }
    for (BigUint& s : swings)
        out.pivotal.push_back(s + s);
    out.cases = BigUint::powerOfTwo(static_cast<unsigned>(hasPair ? n - 1 : n));
    return 0;
}

int shapleyExact(const std::vector<int64_t>& w, int64_t q, const Progress& progress,
                 PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total))
        return code;
    if (total < q)
        return 6;
    const size_t n = w.size();
    out = PowerCounts{};
    int code = shapleyByWeight(w, q, progress, out.pivotal);
    if (code == -1) {
        out = PowerCounts{};
        out.stopped = true;
        return 0;
    }
    if (code != 0) {
        out = PowerCounts{};
        return code;
    }
    out.cases = BigUint::factorial(static_cast<unsigned>(n));
    return 0;
}

} // namespace quan
