// A round trip with networkx (Debian's python3-networkx, run by the
// system's /usr/bin/python3): random weighted graphs, some disconnected,
// some with directions, are written with what the window computes for them
// (least and greatest spanning-forest weights, Prim's tree, components,
// Dijkstra's distances and tree total), and point sets with the Euclidean
// length of Kruskal's tree on their distance-rank graph; the script
// tests/graphs/nx/check_trees.py recomputes all of it with networkx.
#include "circuit_helpers.h"
#include "graphs/core/trees.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace quan;
using namespace circtest;

namespace {

long long solutionWeight(const Graph& g)
{
    long long t = 0;
    for (auto [a, b] : g.solution.edges)
        t += g.Weight(a, b);
    return t;
}

std::string graphCase(Random& gen, int trial)
{
    const int n = 2 + gen.below(39);
    const bool connected = trial % 3 != 0, digraph = trial % 2 == 1;
    Edges e;
    if (connected)
        for (int i = 1; i < n; ++i)
            e.emplace_back(gen.below(i), i);
    const int percent = 5 + gen.below(40);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (gen.below(100) < percent)
                e.emplace_back(i, j);
    if (e.empty())
        e.emplace_back(0, n - 1);
    Graph g = graphOf(n, e);
    for (auto [a, b] : g.edges()) {
        g.SetWeight(a, b, 1 + gen.below(trial % 4 == 0 ? 5 : 60));
        if (digraph)
            g.SetDirection(a, b, gen.below(4) - 1);
    }
    g.digraph = digraph;
    std::string s = "G " + formatInt(n) + (digraph ? " 1\n" : " 0\n");
    for (auto [a, b] : g.edges())
        s += "E " + formatInt(a) + " " + formatInt(b) + " " + formatInt(g.Weight(a, b)) + " " +
             formatInt(g.Direction(a, b)) + "\n";
    const TreeWords w;
    CircuitRun run;
    Graph k = g;
    EXPECT_EQ(MinimalTree(k, false, true, 2, gen, run, w), 0);
    s += "KMIN " + formatInt(solutionWeight(k)) + "\n";
    k = g;
    EXPECT_EQ(MinimalTree(k, false, false, 2, gen, run, w), 0);
    s += "KMAX " + formatInt(solutionWeight(k)) + "\n";
    k = g;
    EXPECT_EQ(MinimalTree(k, true, true, 2, gen, run, w), 0);
    EXPECT_FALSE(k.solution.edges.empty());
    s += "PRIM " + formatInt(k.solution.edges.empty() ? 0 : k.solution.edges[0].first) + " " +
         formatInt(solutionWeight(k)) + "\n";
    s += "COMP " + formatInt(CountComponents(g) + 1) + "\n";
    const int root = gen.below(n);
    std::vector<int32_t> dist;
    k = g;
    EXPECT_EQ(DijkstraTree(k, root, run, w, &dist), 0);
    s += "DIJ " + formatInt(root) + " " + formatInt(solutionWeight(k)) + "\n";
    for (int v = 0; v < n; ++v)
        if (dist[static_cast<size_t>(v)] != INT32_MAX)
            s += "D " + formatInt(v) + " " + formatInt(dist[static_cast<size_t>(v)]) + "\n";
    return s + "END\n";
}

std::string pointCase(Random& gen)
{
    const int n = 2 + gen.below(80);
    Graph g;
    std::string s = "P " + formatInt(n) + "\n";
    for (int i = 0; i < n; ++i) {
        // Whole hundredths, written exactly.
        const int x = gen.below(100000), y = gen.below(100000);
        g.AddVertexAt(static_cast<Real>(x) / 100, static_cast<Real>(y) / 100);
        s += "X " + formatReal(static_cast<Real>(x) / 100, 0, 2) + " " + formatReal(static_cast<Real>(y) / 100, 0, 2) +
             "\n";
    }
    const TreeWords w;
    CircuitRun run;
    EXPECT_EQ(MinimalTree(g, false, true, 2, gen, run, w), 0);
    EXPECT_TRUE(g.distanceRank);
    EXPECT_EQ(static_cast<int>(g.solution.edges.size()), n - 1);
    Real length = 0;
    for (auto [a, b] : g.solution.edges)
        length += vertexDistance(g, a, b);
    return s + "EUC " + formatReal(length, 0, 12) + "\nEND\n";
}

} // namespace

TEST(NetworkxRoundTrip, TreesDistancesComponentsAndEuclideanTrees)
{
    const std::string python = "/usr/bin/python3";
    ASSERT_EQ(std::system((python + " -c 'import networkx' 2>/dev/null").c_str()), 0)
        << "python3-networkx is needed (scripts/setup.sh installs it)";
    Random gen;
    gen.seed(2026);
    std::string text;
    for (int trial = 0; trial < 80; ++trial)
        text += graphCase(gen, trial);
    for (int trial = 0; trial < 12; ++trial)
        text += pointCase(gen);
    const auto dir = std::filesystem::temp_directory_path();
    const std::string in = (dir / "quandel_nx_cases.txt").string(), out = (dir / "quandel_nx_result.txt").string();
    {
        std::ofstream f(in);
        f << text;
    }
    const std::string cmd = python + " " + QUANDEL_SOURCE_DIR + "/tests/graphs/nx/check_trees.py " + in + " > " + out;
    const int rc = std::system(cmd.c_str());
    std::ifstream r(out);
    const std::string report((std::istreambuf_iterator<char>(r)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rc, 0) << report;
    EXPECT_NE(report.find("92 passed, 0 failed"), std::string::npos) << report;
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}
