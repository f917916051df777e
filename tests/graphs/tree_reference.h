// Literal implementations of the tree and colouring steps, written straight
// from their description with the graph's accessors and no shortcuts (the
// clique's candidates sorted by repeated adjacent swaps, saturation counted
// afresh at every choice): the fast code must give the same trees and
// colourings and leave the generator where these do.
#pragma once

#include "circuit_reference.h"
#include "graphs/core/graph.h"

#include <set>
#include <utility>
#include <vector>

namespace treeref {

using quan::Graph;
using quan::Random;
using Pairs = std::vector<std::pair<int, int>>;

inline std::vector<quan::WeightedEdge> sortedList(const Graph& g, bool minimal, Random& rng)
{
    std::vector<quan::WeightedEdge> l;
    for (auto [lo, hi] : g.edges())
        l.push_back({hi, lo, g.Weight(lo, hi)});
    circref::sortEdges(l, !minimal, rng);
    return l;
}

// Kruskal: accepted edges in order, with a reach relation kept as sets.
inline Pairs kruskal(const Graph& g, bool minimal, Random& rng)
{
    const auto l = sortedList(g, minimal, rng);
    std::vector<std::set<int>> reach(static_cast<size_t>(g.maxIndex() + 1));
    for (int v = 0; v <= g.maxIndex(); ++v)
        reach[static_cast<size_t>(v)] = {v};
    Pairs out;
    for (const auto& e : l) {
        if (static_cast<int>(out.size()) >= g.count() - 1)
            break;
        if (reach[static_cast<size_t>(e.a)].count(e.b))
            continue;
        out.emplace_back(e.a, e.b);
        const std::set<int> merged = [&] {
            std::set<int> m = reach[static_cast<size_t>(e.a)];
            m.insert(reach[static_cast<size_t>(e.b)].begin(), reach[static_cast<size_t>(e.b)].end());
            return m;
        }();
        for (int v : merged)
            reach[static_cast<size_t>(v)] = merged;
    }
    return out;
}

// Prim: every scan from the beginning of the list.
inline Pairs prim(const Graph& g, bool minimal, Random& rng)
{
    const auto l = sortedList(g, minimal, rng);
    if (l.empty())
        return {};
    std::vector<char> in(static_cast<size_t>(g.maxIndex() + 1), 0), chosen(l.size(), 0);
    in[static_cast<size_t>(l[0].a)] = 1;
    for (bool any = true; any;) {
        any = false;
        for (size_t k = 0; k < l.size(); ++k)
            if (!chosen[k] && in[static_cast<size_t>(l[k].a)] != in[static_cast<size_t>(l[k].b)]) {
                chosen[k] = 1;
                in[static_cast<size_t>(l[k].a)] = in[static_cast<size_t>(l[k].b)] = 1;
                any = true;
                break;
            }
    }
    Pairs out;
    for (size_t k = 0; k < l.size(); ++k)
        if (chosen[k])
            out.emplace_back(l[k].a, l[k].b);
    return out;
}

// Welsh-Powell: the colour of every slot (0 for absent ones).
inline std::vector<int> welshPowell(const Graph& g, Random& rng)
{
    std::vector<quan::WeightedEdge> l;
    for (int v = 0; v <= g.maxIndex(); ++v) {
        int val = 0;
        for (int u = 0; u <= g.maxIndex(); ++u)
            if (g.present(v) && g.present(u) && g.Adjacent(u, v))
                ++val;
        l.push_back({v, 0, val});
    }
    circref::sortEdges(l, true, rng);
    std::vector<int> col(static_cast<size_t>(g.maxIndex() + 1), 0);
    for (int c = 1;; ++c) {
        bool found = false;
        for (const auto& e : l) {
            const int v = e.a;
            if (!g.present(v) || col[static_cast<size_t>(v)])
                continue;
            found = true;
            bool clash = false;
            for (int u = 0; u <= g.maxIndex(); ++u)
                if (g.present(u) && col[static_cast<size_t>(u)] == c && g.Adjacent(u, v))
                    clash = true;
            if (!clash)
                col[static_cast<size_t>(v)] = c;
        }
        if (!found)
            return col;
    }
}

struct Clique {
    const Graph& g;
    int calls = 0;
    std::vector<int> best;
    void search(std::vector<int> cands, std::vector<int> base)
    {
        if (++calls > 10000)
            return;
        auto deg = [&](int v) {
            int d = 0;
            for (int u : cands)
                d += g.Adjacent(u, v);
            return d;
        };
        // Repeated adjacent swaps: a swap only when the later has the
        // greater degree, so equals keep their order.
        for (bool swapped = true; swapped;) {
            swapped = false;
            for (size_t i = 0; i + 1 < cands.size(); ++i)
                if (deg(cands[i + 1]) > deg(cands[i])) {
                    std::swap(cands[i], cands[i + 1]);
                    swapped = true;
                }
        }
        std::vector<int> greedy;
        for (int v : cands) {
            bool all = true;
            for (int u : greedy)
                all = all && g.Adjacent(u, v);
            if (all)
                greedy.push_back(v);
        }
        std::vector<int> clique = base;
        clique.insert(clique.end(), greedy.begin(), greedy.end());
        if (clique.size() > best.size())
            best = clique;
        for (size_t i = 0; i < cands.size(); ++i) {
            const int c = cands[i];
            if (std::find(greedy.begin(), greedy.end(), c) != greedy.end())
                continue;
            std::vector<int> next;
            for (size_t j = 0; j < i; ++j)
                if (g.Adjacent(cands[j], c))
                    next.push_back(cands[j]);
            std::vector<int> nb = base;
            nb.push_back(c);
            search(next, nb);
        }
    }
};

// The exact colouring: colour per slot and the count.
struct Exact {
    const Graph& g;
    std::vector<int> col, best;
    int upper = 0, lower = 0;

    int used() const { return *std::max_element(col.begin(), col.end()); }
    int satur(int v) const
    {
        std::set<int> s;
        for (int u : g.presentVertices())
            if (g.Adjacent(u, v) && col[static_cast<size_t>(u)])
                s.insert(col[static_cast<size_t>(u)]);
        return static_cast<int>(s.size());
    }
    int uncoloured(int v) const
    {
        int k = 0;
        for (int u : g.presentVertices())
            k += g.Adjacent(u, v) && !col[static_cast<size_t>(u)];
        return k;
    }
    bool free(int v, int c) const
    {
        for (int u : g.presentVertices())
            if (g.Adjacent(u, v) && col[static_cast<size_t>(u)] == c)
                return false;
        return true;
    }
    void search(int cur)
    {
        int v = -1;
        for (int u : g.presentVertices()) {
            if (col[static_cast<size_t>(u)])
                continue;
            if (v < 0 || satur(u) > satur(v) || (satur(u) == satur(v) && uncoloured(u) > uncoloured(v)))
                v = u;
        }
        if (v < 0) {
            if (cur < upper) {
                upper = cur;
                best = col;
            }
            return;
        }
        if (upper == lower || cur >= upper)
            return;
        for (int c = 1; c <= cur; ++c) {
            if (!free(v, c))
                continue;
            col[static_cast<size_t>(v)] = c;
            search(cur);
            col[static_cast<size_t>(v)] = 0;
            if (upper < cur + 1)
                return;
        }
        if (cur + 1 < upper) {
            col[static_cast<size_t>(v)] = cur + 1;
            search(cur + 1);
            col[static_cast<size_t>(v)] = 0;
        }
    }
    std::pair<std::vector<int>, int> run()
    {
        Clique cl{g, 0, {}};
        cl.search(g.presentVertices(), {});
        std::vector<int> k = cl.best;
        std::sort(k.begin(), k.end());
        col.assign(static_cast<size_t>(g.maxIndex() + 1), 0);
        int c = 0;
        for (int v : k)
            col[static_cast<size_t>(v)] = ++c;
        lower = c;
        upper = g.count();
        best.assign(col.size(), 0);
        int i = 0;
        for (int v : g.presentVertices())
            best[static_cast<size_t>(v)] = ++i;
        search(c);
        return {best, upper};
    }
};

} // namespace treeref
