// Banzhaf and Shapley-Shubik exactly, by counting coalitions by weight.
#include "power/power_calc.h"

#include "core/msgcode.h"

#include "power/power_detail.h"

#include <algorithm>
#include <cstdint>

namespace quan {

using powerdetail::checkTable;
using powerdetail::pairUsable;

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

// Table entries added or looked up between two polls of the keyboard:
// about a millisecond of work. Every loop over a table goes in pieces of at
// most this many entries and reports them, so Q is seen as promptly as in
// the all-cases methods however large the quota or the tables grow.
constexpr uint64_t kPollWork = uint64_t{1} << 20;

// Polls after every kPollWork units of work. Once Q is seen every later
// call answers "stop" without polling again.
class PollMeter {
public:
    explicit PollMeter(const Progress& progress) : progress_(progress) {}
    // Counts work done; true when the run must stop.
    bool spend(uint64_t work)
    {
        if (stopped_)
            return true;
        done_ += work;
        if (done_ < kPollWork)
            return false;
        done_ = 0;
        stopped_ = progress_.quitRequested();
        return stopped_;
    }
    bool stopped() const { return stopped_; }

private:
    const Progress& progress_;
    uint64_t done_ = 0;
    bool stopped_ = false;
};

// Makes v size zeros, in pieces between polls (a table of 2^28 bytes takes
// a while to clear). False when stopped.
template <class T>
bool zeroTable(std::vector<T>& v, size_t size, PollMeter& meter)
{
    v.clear();
    v.reserve(size);
    while (v.size() < size) {
        const size_t part = std::min<size_t>(kPollWork, size - v.size());
        v.resize(v.size() + part, T(0));
        if (meter.spend(part))
            return false;
    }
    return true;
}

// Prefix sums of subset counts by weight (s < q) over some of the blocs.
template <class T>
class WeightCounts {
public:
    WeightCounts(const std::vector<int64_t>& w, const std::vector<int>& blocs, int64_t q, PollMeter& meter)
    {
        if (!zeroTable(prefix_, static_cast<size_t>(q), meter))
            return;
        prefix_[0] = T(1);
        constexpr int64_t piece = static_cast<int64_t>(kPollWork);
        for (int b : blocs) {
            // Downwards, so each subset takes the bloc once; in pieces
            // between polls.
            const int64_t wb = w[static_cast<size_t>(b)];
            for (int64_t top = q - 1; top >= wb; top -= piece) {
                const int64_t bottom = std::max(wb, top - piece + 1);
                for (int64_t s = top; s >= bottom; --s)
                    prefix_[static_cast<size_t>(s)] += prefix_[static_cast<size_t>(s - wb)];
                if (meter.spend(static_cast<uint64_t>(top - bottom + 1)))
                    return;
            }
            if (meter.spend(1))
                return;
        }
        for (size_t start = 1; start < prefix_.size(); start += kPollWork) {
            const size_t end = std::min(prefix_.size(), start + kPollWork);
            for (size_t s = start; s < end; ++s)
                prefix_[s] += prefix_[s - 1];
            if (meter.spend(end - start))
                return;
        }
    }
    T upTo(int64_t x) const { return x < 0 ? T(0) : prefix_[static_cast<size_t>(x)]; }
    // Subsets with weight in [lo, hi].
    T window(int64_t lo, int64_t hi) const
    {
        if (hi < 0 || hi < lo)
            return T(0);
        return upTo(hi) - upTo(lo - 1);
    }
    // Subsets without bloc weight wi (which was counted) in [lo, hi].
    // hi / wi steps, reported to the meter; meaningless once it says stop.
    T windowWithout(int64_t wi, int64_t lo, int64_t hi, PollMeter& meter) const
    {
        T acc(0);
        if (hi < lo)
            return acc;
        bool plus = true;
        uint64_t steps = 0;
        for (; hi >= 0; hi -= wi, lo -= wi, plus = !plus) {
            T term = upTo(hi) - upTo(lo - 1);
            if (plus)
                acc += term;
            else
                acc -= term;
            if (++steps == kPollSteps) {
                steps = 0;
                if (meter.spend(kPollSteps))
                    return acc;
            }
        }
        meter.spend(steps + 1);
        return acc;
    }

private:
    static constexpr uint64_t kPollSteps = 4096;
    std::vector<T> prefix_;
};

// Returns false when stopped.
template <class T>
bool banzhafByWeight(const std::vector<int64_t>& w, int64_t q, bool hasPair, OppositionPair pair,
                     PollMeter& meter, std::vector<BigUint>& swings)
{
    const int n = static_cast<int>(w.size());
    std::vector<int> blocs;
    for (int i = 0; i < n; ++i)
        if (!hasPair || !pair.contains(i))
            blocs.push_back(i);
    WeightCounts<T> f(w, blocs, q, meter);
    if (meter.stopped())
        return false;
    swings.assign(w.size(), BigUint());
    for (int i : blocs) {
        const int64_t wi = w[static_cast<size_t>(i)];
        if (!hasPair) {
            // The others' subsets that lose alone and win with i.
            swings[static_cast<size_t>(i)] = toBig(f.windowWithout(wi, q - wi, q - 1, meter));
        } else {
            // Exactly one of the pair is with i.
            T c = f.windowWithout(wi, q - wi - w[static_cast<size_t>(pair.first)],
                                  q - 1 - w[static_cast<size_t>(pair.first)], meter);
            c += f.windowWithout(wi, q - wi - w[static_cast<size_t>(pair.second)],
                                 q - 1 - w[static_cast<size_t>(pair.second)], meter);
            swings[static_cast<size_t>(i)] = toBig(c);
        }
        if (meter.stopped())
            return false;
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
    SizeWeightCounts(const std::vector<int64_t>& w, int64_t q, bool wide, PollMeter& meter)
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
        if (!zeroTable(low_, static_cast<size_t>(entries), meter) ||
            (wide_ && !zeroTable(high_, static_cast<size_t>(entries), meter)))
            return;
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
                // Row k - 1 into row k: separate rows, so any order of
                // pieces gives the same sums.
                for (size_t at = 0; at < len; at += kPollWork) {
                    const size_t part = std::min<size_t>(kPollWork, len - at);
                    if (wide_)
                        addWide(low_.data() + d + at, high_.data() + d + at, low_.data() + f + at,
                                high_.data() + f + at, part);
                    else
                        addNarrow(low_.data() + d + at, low_.data() + f + at, part);
                    if (meter.spend(part))
                        return;
                }
                reachedLo[k] = std::min(reachedLo[k], s0);
                reachedHi[k] = std::max(reachedHi[k], s1);
            }
            if (meter.spend(1))
                return;
        }
        // Prefix sums, from here on as bits 0..63 in low_ and 64..94 in
        // high_.
        for (const Row& r : rows_) {
            U128 run;
            const uint64_t len = static_cast<uint64_t>(r.hi - r.lo) + 1;
            for (uint64_t at = 0; at < len; at += kPollWork) {
                const uint64_t end = std::min(len, at + kPollWork);
                for (uint64_t s = at; s < end; ++s) {
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
                if (meter.spend(end - at))
                    return;
            }
        }
    }
    bool tooLarge() const { return tooLarge_; }

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
};

// Returns 20 when the table is too large, -1 when stopped, else 0.
int shapleyByWeight(const std::vector<int64_t>& w, int64_t q, PollMeter& meter,
                    std::vector<BigUint>& pivotal)
{
    const int n = static_cast<int>(w.size());
    // Subsets of size s of n - 1 blocs number at most C(n - 1, s): below
    // 2^64 up to n = 68, below 2^95 up to 99 blocs.
    SizeWeightCounts f(w, q, n > 68, meter);
    if (f.tooLarge())
        return codeOf(Msg::TooLarge);
    if (meter.stopped())
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
        // Up to n steps of window sums and a product of big numbers (say
        // 64 steps' worth) per size.
        if (meter.spend(static_cast<uint64_t>(n) * (static_cast<uint64_t>(n) + 64)))
            return -1;
    }
    return 0;
}

} // namespace

int banzhafExact(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                 const Progress& progress, PowerCounts& out)
{
    int64_t total = 0;
    if (int code = checkTable(w, q, total, Msg::CheckTheQuota))
        return code;
    const size_t n = w.size();
    const bool wide = n > 64; // subset counts of n - 1 blocs may pass 2^64
    if (static_cast<uint64_t>(q) * (wide ? sizeof(U128) : sizeof(uint64_t)) > kExactTableBytes)
        return codeOf(Msg::TooLarge);
    const bool hasPair = pairUsable(pair, n);
    out = PowerCounts{};
    std::vector<BigUint> swings;
    PollMeter meter(progress);
    bool finished = wide ? banzhafByWeight<U128>(w, q, hasPair, pair, meter, swings)
                         : banzhafByWeight<uint64_t>(w, q, hasPair, pair, meter, swings);
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
    if (int code = checkTable(w, q, total, Msg::InconsistentData))
        return code;
    const size_t n = w.size();
    out = PowerCounts{};
    PollMeter meter(progress);
    int code = shapleyByWeight(w, q, meter, out.pivotal);
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
