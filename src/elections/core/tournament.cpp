#include "elections/core/tournament.h"

#include <functional>

namespace quan {

namespace {

bool beats(const CandidateTable& m, int a, int b)
{
    return m[static_cast<size_t>(a)][static_cast<size_t>(b)] > m[static_cast<size_t>(b)][static_cast<size_t>(a)];
}

} // namespace

std::vector<int> shortestMajorityCycle(const CandidateTable& pairwise, int n)
{
    if (n < 3 || n > kMaxCandidates)
        return {};
    std::vector<int> path;
    std::array<bool, kMaxCandidates> used{};
    // Paths of exactly `length` candidates from `start` through higher
    // indices only, each step to the lowest candidate first: the first
    // that closes back on start is the first in list order.
    std::function<bool(int, int)> extend = [&](int start, int length) {
        const int last = path.back();
        if (static_cast<int>(path.size()) == length)
            return beats(pairwise, last, start);
        for (int c = start + 1; c < n; ++c) {
            if (used[static_cast<size_t>(c)] || !beats(pairwise, last, c))
                continue;
            used[static_cast<size_t>(c)] = true;
            path.push_back(c);
            if (extend(start, length))
                return true;
            path.pop_back();
            used[static_cast<size_t>(c)] = false;
        }
        return false;
    };
    for (int length = 3; length <= n; ++length)
        for (int start = 0; start + length <= n; ++start) {
            path.assign(1, start);
            used.fill(false);
            used[static_cast<size_t>(start)] = true;
            if (extend(start, length))
                return path;
        }
    return {};
}

std::string majorityCycleText(const Election& e, const std::vector<int>& cycle)
{
    std::string s = "majority cycle:";
    for (int c : cycle) {
        s += ' ';
        s += e.name(c);
    }
    return s;
}

void buildTournament(Graph& g, const Election& e, const ExampleView& view)
{
    const int n = e.candidates();
    circleExample(g, n, view, false);
    const bool on = e.switches().graph;
    for (int i = 0; i < n; ++i) {
        g.setLabelText(i, std::string(1, e.name(i)));
        g.setLabelState(i, on ? kTournamentLabelOn : kTournamentLabelOff);
    }
    g.digraph = true;
    g.weightsShown = false;
    g.ClearSolution(true);
    if (on) {
        // With T below 1 the tables are not those of this election (the
        // tally keeps its last counts): nobody has beaten anybody.
        const bool counted = e.total() >= 1;
        const CandidateTable& m = e.tally().pairwise;
        for (int i = 1; i < n; ++i)
            for (int j = 0; j < i; ++j) {
                g.SetWeight(i, j, 0);
                int d = 0;
                if (counted && beats(m, i, j))
                    d = 1;
                else if (counted && beats(m, j, i))
                    d = -1;
                g.SetDirection(i, j, d);
            }
        if (counted) {
            const std::vector<int> cycle = shortestMajorityCycle(m, n);
            for (size_t k = 0; k < cycle.size(); ++k)
                g.solution.edges.emplace_back(cycle[k], cycle[(k + 1) % cycle.size()]);
            if (!cycle.empty())
                g.solution.setSummary(majorityCycleText(e, cycle));
        }
    }
    g.ComputeValences();
    g.modified = false;
}

} // namespace quan
