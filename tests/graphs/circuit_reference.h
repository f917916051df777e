// Literal implementations of the circuit steps, written straight from
// their description with the graph's accessors and no shortcuts: the fast
// code must give the same results and leave the generator where these do.
#pragma once

#include "core/qmath.h"
#include "graphs/core/circuits.h"
#include "graphs/core/graph.h"

#include <algorithm>
#include <list>
#include <vector>

namespace circref {

using quan::Graph;
using quan::Random;

// The selection sort with random ties.
inline void sortEdges(std::vector<quan::WeightedEdge>& l, bool descending, Random& rng)
{
    for (size_t p = 0; p + 1 < l.size(); ++p) {
        int key = l[p].weight;
        size_t at = p;
        for (size_t q = p + 1; q < l.size(); ++q) {
            const int w = l[q].weight;
            if (descending ? w > key : w < key) {
                key = w;
                at = q;
            } else if (w == key && !rng.bit()) {
                at = q;
            }
        }
        std::swap(l[p], l[at]);
    }
}

// One run of the Hamiltonian search up to its first success; the walk
// (closed for a circuit) or empty after `maxAttempts` failures.
inline std::vector<int> hamiltonian(const Graph& g, bool circuit, Random& rng, int maxAttempts)
{
    const int n = g.maxIndex() + 1;
    auto forward = [&](int a, int b) {
        if (!g.present(b) || !g.Adjacent(a, b))
            return false;
        if (!g.digraph)
            return true;
        const int d = g.Direction(a, b);
        return d == 1 || d == 2;
    };
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        int start;
        do
            start = rng.below(n);
        while (!g.present(start));
        std::vector<bool> visited(static_cast<size_t>(n));
        for (int v = 0; v < n; ++v)
            visited[static_cast<size_t>(v)] = !g.present(v);
        visited[static_cast<size_t>(start)] = true;
        std::vector<int> path{start};
        int cur = start;
        while (static_cast<int>(path.size()) < g.count()) {
            std::vector<int> cand, onward;
            for (int u = 0; u < n; ++u) {
                if (visited[static_cast<size_t>(u)] || !forward(cur, u))
                    continue;
                int d = 0;
                for (int w = 0; w < n; ++w)
                    if (!visited[static_cast<size_t>(w)] && forward(u, w))
                        ++d;
                cand.push_back(u);
                onward.push_back(d);
            }
            if (cand.empty())
                break;
            size_t pick = 0;
            if (cand.size() > 1) {
                const int least = *std::min_element(onward.begin(), onward.end());
                do
                    pick = static_cast<size_t>(rng.below(static_cast<int>(cand.size())));
                while (onward[pick] != least);
            }
            cur = cand[pick];
            visited[static_cast<size_t>(cur)] = true;
            path.push_back(cur);
        }
        if (static_cast<int>(path.size()) < g.count())
            continue;
        if (!circuit)
            return path;
        if (path.size() >= 3 && forward(cur, start)) {
            path.push_back(start);
            return path;
        }
    }
    return {};
}

inline std::vector<int> nearestNeighbour(const Graph& g, int start, Random& rng)
{
    const int n = g.maxIndex() + 1;
    std::vector<bool> visited(static_cast<size_t>(n));
    for (int v = 0; v < n; ++v)
        visited[static_cast<size_t>(v)] = !g.present(v);
    visited[static_cast<size_t>(start)] = true;
    std::vector<int> tour{start};
    int cur = start;
    for (int k = 1; k < g.count(); ++k) {
        int choice = -1;
        for (int u = 0; u < n; ++u) {
            if (visited[static_cast<size_t>(u)])
                continue;
            if (choice < 0 || g.Weight(u, cur) < g.Weight(choice, cur))
                choice = u;
            else if (g.Weight(u, cur) == g.Weight(choice, cur) && rng.next() % 2 == 0)
                choice = u;
        }
        tour.push_back(choice);
        visited[static_cast<size_t>(choice)] = true;
        cur = choice;
    }
    tour.push_back(start);
    return tour;
}

// `tours` shuffles of the random search; the best tour and total.
inline std::pair<std::vector<int>, long long> randomSearch(const Graph& g, Random& rng, long tours,
                                                          long long best)
{
    std::vector<int> work = g.presentVertices(), bestTour;
    const int count = g.count();
    for (long t = 0; t < tours; ++t) {
        for (int k = 0; k < count; ++k) {
            const int i = rng.below(count);
            const int j = rng.below(count);
            std::swap(work[static_cast<size_t>(i)], work[static_cast<size_t>(j)]);
        }
        std::vector<int> closed = work;
        closed.push_back(work[0]);
        long long s = 0;
        for (size_t k = 0; k + 1 < closed.size(); ++k)
            s += g.Weight(closed[k], closed[k + 1]);
        if (s < best) {
            best = s;
            bestTour = closed;
        }
    }
    return {bestTour, best};
}

// The Eulerian walk from a known start: a list spliced pass by pass, each
// pass from the head.
inline std::vector<int> eulerian(const Graph& g0, int start)
{
    Graph g = g0;
    std::list<int> walk{start};
    for (;;) {
        bool inserted = false;
        for (auto it = walk.begin(); it != walk.end(); ++it) {
            auto unused = [&](int v) {
                for (int u = 0; u <= g.maxIndex(); ++u)
                    if (g.present(u) && g.Adjacent(v, u) && !(g.digraph && g.Direction(v, u) == -1))
                        return u;
                return -1;
            };
            if (unused(*it) < 0)
                continue;
            std::list<int> sub;
            for (int cur = *it, u; (u = unused(cur)) >= 0; cur = u) {
                g.DeleteEdge(cur, u);
                sub.push_back(u);
            }
            walk.splice(std::next(it), sub);
            inserted = true;
            break;
        }
        if (!inserted)
            break;
    }
    return {walk.begin(), walk.end()};
}

} // namespace circref
