#include "elections/core/tally.h"

namespace quan {

int pairwiseSequence(const CandidateTable& pairwise, int n, const int32_t* order)
{
    int w = order[0];
    for (int k = 1; k < n; ++k) {
        const int c = order[k];
        const int32_t forW = pairwise[static_cast<size_t>(w)][static_cast<size_t>(c)];
        const int32_t forC = pairwise[static_cast<size_t>(c)][static_cast<size_t>(w)];
        if (forW == forC)
            return kNoWinner;
        if (forW < forC)
            w = c;
    }
    return w;
}

int losersElimination(const std::vector<Ballot>& ballots, int n, const Ranking& plurality)
{
    std::array<bool, kMaxCandidates> out{};
    out[static_cast<size_t>(plurality[static_cast<size_t>(n - 1)])] = true;
    for (int r = n; r > 2; --r) {
        // Each ballot now counts for its highest candidate still standing.
        std::array<int64_t, kMaxCandidates> heads{};
        for (const Ballot& b : ballots) {
            for (int p = 0; p < n; ++p) {
                const auto c = static_cast<size_t>(b.order[static_cast<size_t>(p)]);
                if (!out[c]) {
                    heads[c] += b.count;
                    break;
                }
            }
        }
        int loser = -1;
        int64_t least = kMaxVotes;
        for (int c = 0; c < n; ++c)
            if (!out[static_cast<size_t>(c)] && heads[static_cast<size_t>(c)] < least) {
                least = heads[static_cast<size_t>(c)];
                loser = c;
            }
        // Every sum is at most the total, so a loser is found unless all
        // standing candidates head the largest possible total; then the
        // lowest index goes, as a strictly smaller sum never came.
        if (loser < 0)
            for (loser = 0; out[static_cast<size_t>(loser)]; ++loser) {
            }
        out[static_cast<size_t>(loser)] = true;
    }
    for (int c = 0; c < n; ++c)
        if (!out[static_cast<size_t>(c)])
            return c;
    return kNoWinner;
}

Tally computeTally(const std::vector<Ballot>& ballots, int n, const std::array<int32_t, kMaxCandidates>& points,
                   int current)
{
    Tally t;
    const auto un = static_cast<size_t>(n);
    for (const Ballot& b : ballots) {
        const int32_t k = b.count;
        if (k == 0)
            continue;
        for (size_t p = 0; p < un; ++p) {
            const auto a = static_cast<size_t>(b.order[p]);
            t.position[a][p] += k;
            for (size_t q = p + 1; q < un; ++q)
                t.pairwise[a][static_cast<size_t>(b.order[q])] += k;
        }
    }
    for (size_t c = 0; c < un; ++c)
        for (size_t p = 0; p < un; ++p)
            t.borda[c] += static_cast<int64_t>(t.position[c][p]) * points[p];
    t.bordaRanking = rankByScore(n, t.borda);

    std::array<int32_t, kMaxCandidates> firsts{};
    for (size_t c = 0; c < un; ++c)
        firsts[c] = t.position[c][0];
    t.plurality = rankByScore(n, firsts);

    const auto f1 = static_cast<size_t>(t.plurality[0]);
    const auto f2 = static_cast<size_t>(t.plurality[1]);
    if (t.pairwise[f1][f2] < t.pairwise[f2][f1])
        t.winnersRunoff = static_cast<int>(f2);
    else if (t.pairwise[f2][f1] < t.pairwise[f1][f2])
        t.winnersRunoff = static_cast<int>(f1);

    t.losersElimination = losersElimination(ballots, n, t.plurality);

    if (current >= 0 && static_cast<size_t>(current) < ballots.size())
        t.sequence = pairwiseSequence(t.pairwise, n, ballots[static_cast<size_t>(current)].order.data());

    for (size_t i = 0; i < un; ++i) {
        for (size_t j = 0; j < un; ++j) {
            if (i == j)
                continue;
            if (t.pairwise[i][j] > t.pairwise[j][i]) {
                ++t.wins[i];
                t.defeats[i].push_back(static_cast<int>(j));
            } else if (t.pairwise[j][i] > t.pairwise[i][j]) {
                ++t.losses[i];
            }
        }
        t.ties[i] = n - 1 - t.wins[i] - t.losses[i];
    }
    t.condorcet = rankByScore(n, t.wins);
    return t;
}

} // namespace quan
