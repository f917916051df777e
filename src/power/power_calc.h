// Voting-power calculations on integer weights and a quota: Banzhaf and
// Shapley-Shubik counts over all cases, by Monte Carlo sampling, and
// exactly by counting coalitions by weight.
//
// Every function returns 0 or a message code and fills a PowerCounts:
// pivotal counts per bloc and the number of cases they are out of.
#pragma once

#include "core/qmath.h"
#include "power/big_uint.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quan {

// Two blocs that never vote alike (Banzhaf counting skips every coalition
// holding both or neither). first < 0 means no pair.
struct OppositionPair {
    int first = -1;
    int second = -1;
    bool isSet() const { return first >= 0 && second >= 0; }
    bool contains(int i) const { return isSet() && (i == first || i == second); }
    friend bool operator==(const OppositionPair&, const OppositionPair&) = default;
};

// How a long calculation talks to its window. poll answers the pending key
// upper-cased ('Q' for an accelerator key), 0 for none; 'Q' stops the run.
// title receives the progress text. Either may be empty.
struct Progress {
    std::function<int()> poll;
    std::function<void(const std::string&)> title;

    bool quitRequested() const { return poll && poll() == 'Q'; }
    void show(const std::string& text) const
    {
        if (title)
            title(text);
    }
};

struct PowerCounts {
    std::vector<BigUint> pivotal; // per bloc
    BigUint cases;                // what the counts are out of
    bool stopped = false;         // the user pressed Q
    uint64_t draws = 0;           // Monte Carlo: coalitions or orderings drawn
};

// "NN% done; press Q to quit" and "N examples done; press Q to quit".
std::string percentTitle(int percent);
std::string samplesTitle(uint64_t samples);

constexpr int kMaxAllCasesBanzhaf = 30;
constexpr int kMaxAllCasesShapley = 12;
constexpr int kMaxPowerBlocs = 99;
constexpr uint32_t kMonteCarloSampleLimit = 4294967295u;
// Largest table the exact counting may allocate, in bytes.
constexpr uint64_t kExactTableBytes = uint64_t{1} << 28;

// All 2^n coalitions (2^(n-1) with a pair); pivotal = 2 x swings.
// 103 when the weights cannot reach the quota, else 102 beyond 30 blocs.
int banzhafAllCases(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                    const Progress& progress, PowerCounts& out);
// All n! orderings; 6 when the weights cannot reach the quota, else 17
// beyond 12 blocs.
int shapleyAllCases(const std::vector<int64_t>& w, int64_t q, const Progress& progress,
                    PowerCounts& out);
// Random coalitions until Q (or 2^32 - 1 winning ones); pivotal = swings,
// cases = winning coalitions counted. Draws from rng, leaving it where a
// draw-by-draw run would.
int banzhafMonteCarlo(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                      Random& rng, const Progress& progress, PowerCounts& out);
// Random orderings until Q (or 2^32 - 1 of them).
int shapleyMonteCarlo(const std::vector<int64_t>& w, int64_t q, Random& rng,
                      const Progress& progress, PowerCounts& out);
// The all-cases counts for any table of up to 99 blocs, by counting
// subsets of the other blocs by weight (and by size for Shapley). 20 when
// the quota needs a larger table than kExactTableBytes.
int banzhafExact(const std::vector<int64_t>& w, int64_t q, OppositionPair pair,
                 const Progress& progress, PowerCounts& out);
int shapleyExact(const std::vector<int64_t>& w, int64_t q, const Progress& progress,
                 PowerCounts& out);

} // namespace quan
