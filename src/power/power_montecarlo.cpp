// Banzhaf and Shapley-Shubik by Monte Carlo sampling.
#include "power/power_calc.h"

#include "core/msgcode.h"

#include "power/power_detail.h"

#include <array>
#include <cstring>
#include <numeric>

namespace quan {

using powerdetail::checkTable;
using powerdetail::pairUsable;

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
    if (int code = checkTable(w, q, total, Msg::CheckTheQuota))
        return code;
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
    if (int code = checkTable(w, q, total, Msg::CheckTheQuota))
        return code;
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

} // namespace quan
