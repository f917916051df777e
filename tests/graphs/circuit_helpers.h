// Graphs for the circuit tests: built from edge lists, complete weighted
// graphs, graph6 lines (decoded here by hand from the format's definition),
// and the checks every walk and tour returned must pass.
#pragma once

#include "graphs/core/circuits.h"
#include "graphs/core/graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace circtest {

using Edges = std::vector<std::pair<int, int>>;

inline quan::Graph graphOf(int n, const Edges& edges, int slots = quan::kGraphSlots)
{
    quan::Graph g(slots);
    for (int i = 0; i < n; ++i)
        g.AddVertexAt(i % 17, i / 17);
    for (auto [a, b] : edges)
        g.SetWeight(a, b, 0);
    g.ComputeValences();
    return g;
}

// The complete graph on n vertices, weight w(i, j) on {i, j}.
template <class W>
quan::Graph completeGraph(int n, W w)
{
    quan::Graph g;
    for (int i = 0; i < n; ++i)
        g.AddVertexAt(i, 0);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            g.SetWeight(i, j, w(i, j));
    g.weightsShown = true;
    g.ComputeValences();
    return g;
}

// graph6: n in one byte (n < 63) or 126 and three bytes; then the upper
// triangle column by column, six bits a byte, each byte + 63.
inline quan::Graph fromGraph6(const std::string& line)
{
    size_t p = 0;
    int n = line[p++] - 63;
    if (n == 63) {
        n = ((line[1] - 63) << 12) | ((line[2] - 63) << 6) | (line[3] - 63);
        p = 4;
    }
    Edges e;
    int bit = 0;
    for (int j = 1; j < n; ++j)
        for (int i = 0; i < j; ++i, ++bit) {
            const int byte = line[p + static_cast<size_t>(bit / 6)] - 63;
            if ((byte >> (5 - bit % 6)) & 1)
                e.emplace_back(i, j);
        }
    return graphOf(n, e);
}

inline std::vector<std::string> graph6File(const std::string& name)
{
    std::ifstream in(std::string(QUANDEL_SOURCE_DIR) + "/tests/graphs/data/" + name);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        if (!l.empty())
            lines.push_back(l);
    return lines;
}

// A walk along edges of g, each step allowed by the directions when the
// graph is a digraph; a Hamiltonian walk visits every present vertex once.
inline ::testing::AssertionResult validWalk(const quan::Graph& g, const std::vector<int>& w, bool hamiltonian,
                                            bool closed)
{
    if (w.size() < 2)
        return ::testing::AssertionFailure() << "walk too short";
    for (size_t i = 0; i + 1 < w.size(); ++i) {
        if (!g.present(w[i]) || !g.present(w[i + 1]) || !g.Adjacent(w[i], w[i + 1]))
            return ::testing::AssertionFailure() << "no edge " << w[i] << "-" << w[i + 1];
        if (g.digraph) {
            const int d = g.Direction(w[i], w[i + 1]);
            if (d != 1 && d != 2)
                return ::testing::AssertionFailure() << "against the direction " << w[i] << "-" << w[i + 1];
        }
    }
    if (closed != (w.front() == w.back()))
        return ::testing::AssertionFailure() << "closed " << closed;
    if (hamiltonian) {
        std::vector<int> body(w.begin(), w.end() - (closed ? 1 : 0));
        std::set<int> s(body.begin(), body.end());
        if (static_cast<int>(s.size()) != g.count() || static_cast<int>(body.size()) != g.count())
            return ::testing::AssertionFailure() << "not every vertex once";
    }
    return ::testing::AssertionSuccess();
}

inline std::vector<int> tourOfEdges(const std::vector<std::pair<int, int>>& e)
{
    std::vector<int> t;
    if (e.empty())
        return t;
    t.push_back(e[0].first);
    for (auto [a, b] : e) {
        if (a != t.back())
            return {};
        t.push_back(b);
    }
    return t;
}

inline long long tourWeight(const quan::Graph& g, const std::vector<int>& t)
{
    long long s = 0;
    for (size_t i = 0; i + 1 < t.size(); ++i)
        s += g.Weight(t[i], t[i + 1]);
    return s;
}

// The lightest closed tour by trying every order of the vertices after
// the first.
inline long long bruteForceOptimum(const quan::Graph& g)
{
    std::vector<int> vs = g.presentVertices();
    long long best = -1;
    std::sort(vs.begin() + 1, vs.end());
    do {
        std::vector<int> t = vs;
        t.push_back(vs[0]);
        const long long w = tourWeight(g, t);
        if (best < 0 || w < best)
            best = w;
    } while (std::next_permutation(vs.begin() + 1, vs.end()));
    return best;
}

// A poll that answers 0 `waits` times and then the keys in order; Q after.
struct ScriptedKeys {
    long waits = 0;
    std::string keys;
    long polls = 0;
    int operator()()
    {
        ++polls;
        if (waits > 0) {
            --waits;
            return 0;
        }
        if (keys.empty())
            return 'Q';
        const int k = keys[0];
        keys.erase(0, 1);
        return k;
    }
};

} // namespace circtest
