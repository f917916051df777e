// Preference ballots of an election of two to six candidates: the list of
// every strict order in dictionary order, finding an order in it, and the
// random example that spreads a total number of votes over the list.
#pragma once

#include "core/qmath.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quan {

inline constexpr int kMinCandidates = 2;
inline constexpr int kMaxCandidates = 6;
inline constexpr int kMaxBallots = 720; // 6!
// The largest count and the largest total: both are 32-bit words in files.
inline constexpr int64_t kMaxVotes = 2147483647;
// A runoff without a winner (the summary prints "?").
inline constexpr int kNoWinner = -1;

// How a long computation asks its window for a key: the pending key
// upper-cased, 0 for none. 'Q' (either case) stops. May be empty.
using Poll = std::function<int()>;
inline bool quitKey(int key) { return key == 'Q' || key == 'q'; }

// One ballot: candidate indices from first to last place (the first n of
// the six used) and the number of voters who cast exactly this order.
struct Ballot {
    std::array<int32_t, kMaxCandidates> order{};
    int32_t count = 0;
    bool operator==(const Ballot&) const = default;
};

// n! for 0 <= n <= 6.
int factorial(int n);

// Every strict order of the candidates 0..n-1 in dictionary order of the
// indices (for 3: 012, 021, 102, 120, 201, 210), counts 0.
std::vector<Ballot> ballotList(int n);

// The index of the entry whose first n places are order[0..n-1] in a list
// made by ballotList(n), or -1 when order is no permutation of 0..n-1.
int locateOrder(const std::vector<Ballot>& list, int n, const int32_t* order);

// The random example: spreads total votes over the counts (one per entry
// of a list of count entries) with the shared generator's draws in this
// order: the chunk bound b = total div entries + 1, the rest R = total;
// while R > 0 draw c = 1 + (draw mod b); when c <= R draw an entry
// (draw mod entries), add c to it and take c from R, else b becomes 2.
// A total below 1 leaves every count 0. The poll is asked every 65536
// chunks (a large total over two candidates takes about 10^8 draws); on
// Q it answers false and leaves the counts untouched. Otherwise the
// counts hold the example (summing to total). Either way the generator
// has moved on past the draws made.
bool drawExample(std::vector<int32_t>& counts, int32_t total, Random& rng, const Poll& poll = {});

} // namespace quan
