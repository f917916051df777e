// The tally of a preference election: position counts, the pairwise
// table, Borda totals, the plurality, Borda and Condorcet rankings, wins,
// losses, ties and defeats, and the three runoffs (pairwise majority
// sequence along the current ballot, winners runoff, losers elimination).
#pragma once

#include "elections/core/ballots.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quan {

using CandidateTable = std::array<std::array<int32_t, kMaxCandidates>, kMaxCandidates>;
using Ranking = std::array<int, kMaxCandidates>;

struct Tally {
    // position[c][p]: voters who put candidate c in place p (0 = first).
    CandidateTable position{};
    // pairwise[a][b]: voters who rank a above b; pairwise[a][a] = 0.
    CandidateTable pairwise{};
    // Sum over places of position[c][p] x points[p]; 64 bits, since points
    // of nine digits times two billion votes pass any 32-bit word.
    std::array<int64_t, kMaxCandidates> borda{};
    // Permutations of the first n candidates, best first; a tie goes to
    // the lower index.
    Ranking plurality{};
    Ranking bordaRanking{};
    Ranking condorcet{};
    std::array<int32_t, kMaxCandidates> wins{}, losses{}, ties{};
    // Indices of the candidates each one beats head to head, in index order.
    std::array<std::vector<int>, kMaxCandidates> defeats{};
    // Candidate indices, or kNoWinner.
    int sequence = kNoWinner;
    int winnersRunoff = kNoWinner;
    int losersElimination = kNoWinner;

    bool operator==(const Tally&) const = default;
};

// Orders the first n candidates by score, largest first; among equal
// scores the lower index comes first.
template <typename Score> Ranking rankByScore(int n, const Score& score)
{
    Ranking r{};
    std::array<bool, kMaxCandidates> placed{};
    for (int rank = 0; rank < n; ++rank) {
        int best = -1;
        int64_t top = -1;
        for (int c = 0; c < n; ++c) {
            const auto cc = static_cast<size_t>(c);
            if (!placed[cc] && static_cast<int64_t>(score[cc]) > top) {
                top = static_cast<int64_t>(score[cc]);
                best = c;
            }
        }
        if (best < 0) // only for negative scores, which a tally never has
            for (best = 0; placed[static_cast<size_t>(best)]; ++best) {
            }
        placed[static_cast<size_t>(best)] = true;
        r[static_cast<size_t>(rank)] = best;
    }
    return r;
}

// The whole tally of the list (n candidates, points for places 0..n-1,
// the current ballot's index for the sequence; an index outside the list
// gives no sequence winner).
Tally computeTally(const std::vector<Ballot>& ballots, int n, const std::array<int32_t, kMaxCandidates>& points,
                   int current);

// The pairwise majority sequence along an order of the n candidates: the
// standing winner meets each next candidate; a tie ends it without winner.
int pairwiseSequence(const CandidateTable& pairwise, int n, const int32_t* order);

// Losers elimination: first the plurality ranking's last is out (of those
// tied for fewest first places the highest index), then, until one is
// left, the candidate heading the fewest ballots among the rest (the
// lowest index on a tie).
int losersElimination(const std::vector<Ballot>& ballots, int n, const Ranking& plurality);

} // namespace quan
