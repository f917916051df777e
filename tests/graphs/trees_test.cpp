// Trees, shortest paths, colourings, orientation and the edge-set changes,
// against hand-worked graphs, known chromatic numbers (odd cycles, complete
// graphs, Petersen, Groetzsch, Mycielski graphs, queen graphs, Kneser
// graphs, snarks) and a brute-force colouring in the test.
#include "circuit_helpers.h"
#include "core/msgcode.h"
#include "graphs/core/trees.h"
#include "tree_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace quan;
using namespace circtest;

namespace {

CircuitRun endless()
{
    CircuitRun r;
    r.poll = [] { return 0; };
    return r;
}

const TreeWords kWords;

Graph cycle(int n)
{
    Edges e;
    for (int i = 0; i < n; ++i)
        e.emplace_back(i, (i + 1) % n);
    return graphOf(n, e);
}

Graph complete(int n)
{
    Edges e;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            e.emplace_back(i, j);
    return graphOf(n, e);
}

Graph petersen()
{
    return graphOf(10, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {0, 5}, {1, 6}, {2, 7}, {3, 8}, {4, 9},
                        {5, 7}, {7, 9}, {9, 6}, {6, 8}, {8, 5}});
}

// The Mycielskian of a graph given by its edge list on n vertices:
// vertices v, their shadows n + v, and a hub 2n.
std::pair<int, Edges> mycielski(int n, const Edges& e)
{
    Edges out = e;
    for (auto [a, b] : e) {
        out.emplace_back(a, n + b);
        out.emplace_back(b, n + a);
    }
    for (int v = 0; v < n; ++v)
        out.emplace_back(n + v, 2 * n);
    return {2 * n + 1, out};
}

// M2 = K2, M3 = C5, M4 = Groetzsch (11), M5 (23), M6 (47), M7 (95).
Graph mycielskiGraph(int k, int slots = kGraphSlots)
{
    int n = 2;
    Edges e{{0, 1}};
    for (int i = 2; i < k; ++i)
        std::tie(n, e) = mycielski(n, e);
    return graphOf(n, e, slots);
}

Graph queens(int r)
{
    Edges e;
    for (int a = 0; a < r * r; ++a)
        for (int b = a + 1; b < r * r; ++b) {
            const int ra = a / r, ca = a % r, rb = b / r, cb = b % r;
            if (ra == rb || ca == cb || ra - ca == rb - cb || ra + ca == rb + cb)
                e.emplace_back(a, b);
        }
    return graphOf(r * r, e);
}

// Kneser K(n, k): the k-subsets of n, adjacent when disjoint.
Graph kneser(int n, int k)
{
    std::vector<int> sets;
    for (int s = 0; s < (1 << n); ++s)
        if (__builtin_popcount(static_cast<unsigned>(s)) == k)
            sets.push_back(s);
    Edges e;
    for (size_t i = 0; i < sets.size(); ++i)
        for (size_t j = i + 1; j < sets.size(); ++j)
            if ((sets[i] & sets[j]) == 0)
                e.emplace_back(static_cast<int>(i), static_cast<int>(j));
    return graphOf(static_cast<int>(sets.size()), e);
}

bool proper(const Graph& g)
{
    for (int v : g.presentVertices()) {
        if (g.color(v) < 1)
            return false;
        for (int u : g.presentVertices())
            if (u != v && g.Adjacent(u, v) && g.color(u) == g.color(v))
                return false;
    }
    return true;
}

int coloursOf(const Graph& g)
{
    int m = 0;
    for (int v : g.presentVertices())
        m = std::max(m, g.color(v));
    return m;
}

// The least k for which some assignment of k colours is proper.
int bruteChromatic(const Graph& g)
{
    const std::vector<int> vs = g.presentVertices();
    const int n = static_cast<int>(vs.size());
    for (int k = 1;; ++k) {
        std::vector<int> c(static_cast<size_t>(n), 0);
        std::function<bool(int)> go = [&](int i) {
            if (i == n)
                return true;
            for (int x = 1; x <= k; ++x) {
                bool ok = true;
                for (int j = 0; j < i && ok; ++j)
                    ok = !(g.Adjacent(vs[static_cast<size_t>(i)], vs[static_cast<size_t>(j)]) &&
                           c[static_cast<size_t>(j)] == x);
                if (!ok)
                    continue;
                c[static_cast<size_t>(i)] = x;
                if (go(i + 1))
                    return true;
            }
            return false;
        };
        if (go(0))
            return k;
    }
}

int exactCount(Graph g)
{
    Random rng;
    CircuitRun run = endless();
    EXPECT_EQ(ColourVertices(g, false, rng, run, kWords), 0);
    EXPECT_TRUE(proper(g));
    EXPECT_EQ(g.solution.summary, "colors used: " + formatInt(coloursOf(g)));
    return coloursOf(g);
}

int welshPowellCount(Graph g, Random& rng)
{
    CircuitRun run = endless();
    EXPECT_EQ(ColourVertices(g, true, rng, run, kWords), 0);
    EXPECT_TRUE(proper(g));
    EXPECT_EQ(g.solution.summary, "colors used: " + formatInt(coloursOf(g)));
    return coloursOf(g);
}

bool stronglyConnected(const Graph& g)
{
    const std::vector<int> vs = g.presentVertices();
    for (int s : vs) {
        std::vector<char> seen(static_cast<size_t>(g.maxIndex() + 1), 0);
        std::vector<int> st{s};
        seen[static_cast<size_t>(s)] = 1;
        int reached = 1;
        while (!st.empty()) {
            const int v = st.back();
            st.pop_back();
            for (int u : vs)
                if (!seen[static_cast<size_t>(u)] && g.Adjacent(v, u) &&
                    (g.Direction(v, u) == 1 || g.Direction(v, u) == 2)) {
                    seen[static_cast<size_t>(u)] = 1;
                    ++reached;
                    st.push_back(u);
                }
        }
        if (reached != static_cast<int>(vs.size()))
            return false;
    }
    return true;
}

} // namespace

// --- spanning trees -------------------------------------------------------------------------

TEST(SpanningTrees, TriangleMinimalAndMaximal)
{
    Random rng;
    CircuitRun run = endless();
    Graph t = graphOf(3, {{0, 1}, {1, 2}, {0, 2}});
    t.SetWeight(0, 1, 1);
    t.SetWeight(1, 2, 2);
    t.SetWeight(0, 2, 3);
    ASSERT_EQ(MinimalTree(t, false, true, 2, rng, run, kWords), 0);
    EXPECT_EQ(t.solution.summary, "Kruskal tree; total weight = 3");
    EXPECT_EQ(t.solution.mode, DisplayMode::Kruskal);
    ASSERT_EQ(MinimalTree(t, false, false, 2, rng, run, kWords), 0);
    EXPECT_EQ(t.solution.summary, "Kruskal tree; total weight = 5");
    EXPECT_EQ(t.solution.edges, (std::vector<std::pair<int, int>>{{2, 0}, {2, 1}}));
    ASSERT_EQ(MinimalTree(t, true, false, 2, rng, run, kWords), 0);
    EXPECT_EQ(t.solution.summary, "Prim tree; total weight = 5");
    EXPECT_FALSE(t.distanceRank);
}

TEST(SpanningTrees, PrimSpansOneComponentKruskalAForest)
{
    Random rng;
    CircuitRun run = endless();
    // Component {A,B,C}: AB 5, BC 7, AC 9; component {D,E,F}: DE 1, EF 2, DF 8.
    Graph g = graphOf(6, {{0, 1}, {1, 2}, {0, 2}, {3, 4}, {4, 5}, {3, 5}});
    const int w[][3] = {{0, 1, 5}, {1, 2, 7}, {0, 2, 9}, {3, 4, 1}, {4, 5, 2}, {3, 5, 8}};
    for (auto& e : w)
        g.SetWeight(e[0], e[1], e[2]);
    ASSERT_EQ(MinimalTree(g, false, true, 2, rng, run, kWords), 0);
    EXPECT_EQ(g.solution.summary, "Kruskal tree; total weight = 15");
    EXPECT_EQ(g.solution.edges.size(), 4u);
    // Prim starts at the first vertex of the lightest edge D-E, kept as
    // (E, D): the component of D, E, F only.
    ASSERT_EQ(MinimalTree(g, true, true, 2, rng, run, kWords), 0);
    EXPECT_EQ(g.solution.summary, "Prim tree; total weight = 3");
    EXPECT_EQ(g.solution.edges, (std::vector<std::pair<int, int>>{{4, 3}, {5, 4}}));
}

TEST(SpanningTrees, PointsGetTheDistanceRankGraphAndItsEuclideanLength)
{
    Random rng;
    CircuitRun run = endless();
    // A 3-4-5 right triangle and a far point: the tree 3 + 4 + the
    // distance from (4, 3) to (10, 11), which is 10.
    Graph g;
    g.AddVertexAt(0, 0);
    g.AddVertexAt(4, 0);
    g.AddVertexAt(4, 3);
    g.AddVertexAt(10, 11);
    ASSERT_EQ(MinimalTree(g, false, true, 2, rng, run, kWords), 0);
    EXPECT_TRUE(g.distanceRank);
    EXPECT_TRUE(g.weightsShown);
    EXPECT_EQ(g.edgeCount(), 6);
    EXPECT_EQ(g.solution.summary, "Kruskal tree; total weight = 17.00");
    // Ranks: AB 4 (1), BC 3... the shortest pair B-C gets rank 1.
    EXPECT_EQ(g.Weight(1, 2), 1);
    EXPECT_EQ(g.Weight(0, 1), 2);
    EXPECT_EQ(g.Weight(0, 2), 3);
    // Prim on the same graph: the same length (one component).
    ASSERT_EQ(MinimalTree(g, true, true, 1, rng, run, kWords), 0);
    EXPECT_EQ(g.solution.summary, "Prim tree; total weight = 17.0");
    // The next command clearing the solution removes the temporary edges
    // first; Complete then makes its own.
    dropDistanceRankGraph(g);
    EXPECT_FALSE(g.distanceRank);
    EXPECT_EQ(g.edgeCount(), 0);
    MakeComplete(g);
    EXPECT_EQ(g.edgeCount(), 6);
    EXPECT_FALSE(g.distanceRank);
    // A hole: the distance-rank graph makes no edge at the absent slot.
    Graph h;
    for (int i = 0; i < 4; ++i)
        h.AddVertexAt(i * i, 0);
    h.DeleteVertex(1);
    ASSERT_EQ(MinimalTree(h, false, true, 0, rng, run, kWords), 0);
    EXPECT_EQ(h.edgeCount(), 3);
    for (int u = 0; u < 4; ++u)
        EXPECT_EQ(h.Weight(1, u == 1 ? 0 : u), -1);
    EXPECT_EQ(h.solution.summary, "Kruskal tree; total weight = 9");
}

TEST(SpanningTrees, EdgeSetChangesRemoveTheDistanceRankGraphFirst)
{
    Random rng;
    CircuitRun run = endless();
    // Four points, no edges: Kruskal shows the tree on the temporary
    // complete graph of C(4, 2) = 6 edges.
    auto points = [] {
        Graph g;
        g.AddVertexAt(0, 0);
        g.AddVertexAt(4, 0);
        g.AddVertexAt(4, 3);
        g.AddVertexAt(10, 11);
        return g;
    };
    Graph g = points();
    ASSERT_EQ(MinimalTree(g, false, true, 2, rng, run, kWords), 0);
    ASSERT_EQ(g.edgeCount(), 6);
    // Complement of the points alone (the temporary edges gone) is the
    // complete graph, all weights 0.
    Complement(g);
    EXPECT_FALSE(g.distanceRank);
    EXPECT_EQ(g.edgeCount(), 6);
    for (const auto& [lo, hi] : g.edges())
        EXPECT_EQ(g.Weight(lo, hi), 0);
    // Distances on the points alone: no edge, nothing to do, and no edge
    // left behind.
    Graph d = points();
    ASSERT_EQ(MinimalTree(d, true, true, 2, rng, run, kWords), 0);
    ASSERT_TRUE(d.distanceRank);
    EXPECT_EQ(DistanceWeights(d, 100), 9);
    EXPECT_FALSE(d.distanceRank);
    EXPECT_EQ(d.edgeCount(), 0);
    // Complete: the points' complete graph, weights 0 and hidden.
    Graph c = points();
    ASSERT_EQ(MinimalTree(c, false, true, 2, rng, run, kWords), 0);
    MakeComplete(c);
    EXPECT_FALSE(c.distanceRank);
    EXPECT_EQ(c.edgeCount(), 6);
    EXPECT_EQ(c.Weight(1, 2), 0);
    EXPECT_FALSE(c.weightsShown);
}

TEST(SpanningTrees, BelowTwoVerticesNothingToDo)
{
    Random rng;
    CircuitRun run = endless();
    Graph none;
    EXPECT_EQ(MinimalTree(none, true, true, 2, rng, run, kWords), codeOf(Msg::NothingToDo));
    Graph one = graphOf(1, {});
    EXPECT_EQ(MinimalTree(one, true, true, 2, rng, run, kWords), codeOf(Msg::NothingToDo));
    EXPECT_EQ(MinimalTree(one, false, true, 2, rng, run, kWords), codeOf(Msg::NothingToDo));
    EXPECT_FALSE(one.distanceRank);
}

// --- Dijkstra ------------------------------------------------------------------------------------

TEST(Dijkstra, PathTotalIsTheSumOfTreeEdgesNotADistance)
{
    CircuitRun run = endless();
    Graph g = graphOf(3, {{0, 1}, {1, 2}});
    g.SetWeight(0, 1, 2);
    g.SetWeight(1, 2, 3);
    std::vector<int32_t> dist;
    ASSERT_EQ(DijkstraTree(g, 0, run, kWords, &dist), 0);
    EXPECT_EQ(g.solution.edges, (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}}));
    EXPECT_EQ(g.solution.summary, "Dijkstra root A; total weight = 5");
    EXPECT_EQ(dist[2], 5);
    EXPECT_EQ(dijkstraPaths(g, 0, dist), "A 0: A\r\nB 2: A B\r\nC 5: A B C\r\n");
    // A star from A: B 4, C 4, D 4: total 12 though no distance is above 4.
    Graph s = graphOf(4, {{0, 1}, {0, 2}, {0, 3}});
    for (int v = 1; v < 4; ++v)
        s.SetWeight(0, v, 4);
    ASSERT_EQ(DijkstraTree(s, 0, run, kWords), 0);
    EXPECT_EQ(s.solution.summary, "Dijkstra root A; total weight = 12");
}

TEST(Dijkstra, DirectionsAndTiesAndTheEmptyGraph)
{
    CircuitRun run = endless();
    // B -> A only: from A, B is not reached.
    Graph g = graphOf(2, {{0, 1}});
    g.SetWeight(0, 1, 1);
    g.SetDirection(1, 0, 1);
    g.digraph = true;
    std::vector<int32_t> dist;
    ASSERT_EQ(DijkstraTree(g, 0, run, kWords, &dist), 0);
    EXPECT_TRUE(g.solution.edges.empty());
    EXPECT_EQ(dist[1], 2147483647);
    // Two shortest routes to D (A-B-D 1+4, A-C-D 3+2): the parent is the one
    // with the lighter last edge, C.
    Graph t = graphOf(4, {{0, 1}, {0, 2}, {1, 3}, {2, 3}});
    t.SetWeight(0, 1, 1);
    t.SetWeight(1, 3, 4);
    t.SetWeight(0, 2, 3);
    t.SetWeight(2, 3, 2);
    ASSERT_EQ(DijkstraTree(t, 0, run, kWords), 0);
    EXPECT_EQ(t.solution.edges, (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}, {3, 2}}));
    EXPECT_EQ(t.solution.summary, "Dijkstra root A; total weight = 6");
    Graph none;
    EXPECT_EQ(DijkstraTree(none, -1, run, kWords), codeOf(Msg::NothingToDo));
}

// --- colouring --------------------------------------------------------------------------------------

TEST(Colouring, KnownChromaticNumbers)
{
    for (int n : {3, 5, 7, 9, 21})
        EXPECT_EQ(exactCount(cycle(n)), 3) << n;
    for (int n : {4, 6, 10})
        EXPECT_EQ(exactCount(cycle(n)), 2) << n;
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(exactCount(complete(n)), n) << n;
    EXPECT_EQ(exactCount(petersen()), 3);
    EXPECT_EQ(exactCount(mycielskiGraph(4)), 4); // Groetzsch
    EXPECT_EQ(exactCount(mycielskiGraph(5)), 5);
    EXPECT_EQ(exactCount(mycielskiGraph(6)), 6);
    EXPECT_EQ(exactCount(queens(5)), 5);
    EXPECT_EQ(exactCount(queens(6)), 7);
    EXPECT_EQ(exactCount(queens(7)), 7);
    for (auto [n, k] : {std::pair{5, 2}, {6, 2}, {7, 2}, {7, 3}, {8, 3}})
        EXPECT_EQ(exactCount(kneser(n, k)), n - 2 * k + 2) << n << " " << k;
}

TEST(Colouring, EightQueensAndKneser104)
{
    EXPECT_EQ(exactCount(queens(8)), 9);
    EXPECT_EQ(exactCount(kneser(10, 4)), 4);
}

TEST(Colouring, EverySnarkNeedsThreeColours)
{
    int graphs = 0;
    for (const char* f : {"snr10.g6", "snr18.g6", "snr20.g6", "snr22.g6", "snr24.g6"})
        for (const std::string& line : graph6File(f)) {
            EXPECT_EQ(exactCount(fromGraph6(line)), 3) << f;
            ++graphs;
        }
    EXPECT_EQ(graphs, 1 + 2 + 6 + 20 + 38);
}

TEST(Colouring, BruteForceAndWelshPowellOnRandomGraphs)
{
    Random gen;
    gen.seed(77);
    int tried = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + trial % 8;
        Edges e;
        for (int i = 1; i < n; ++i) // a random tree keeps it connected
            e.emplace_back(gen.below(i), i);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (gen.below(100) < 40)
                    e.emplace_back(i, j);
        Graph g = graphOf(n, e);
        const int chi = bruteChromatic(g);
        EXPECT_EQ(exactCount(g), chi);
        EXPECT_GE(welshPowellCount(g, gen), chi);
        ++tried;
    }
    EXPECT_EQ(tried, 300);
}

TEST(Colouring, WelshPowellOnCycles)
{
    Random rng;
    rng.seed(5);
    for (int rep = 0; rep < 20; ++rep) {
        EXPECT_EQ(welshPowellCount(cycle(4), rng), 2);
        for (int n : {3, 5, 7, 9})
            EXPECT_EQ(welshPowellCount(cycle(n), rng), 3);
        for (int n : {6, 8, 10}) {
            const int c = welshPowellCount(cycle(n), rng);
            EXPECT_TRUE(c == 2 || c == 3) << n << " " << c;
        }
    }
    // The highlighted list holds (vertex, colour) in the order coloured.
    Graph g = cycle(4);
    ASSERT_EQ(ColourVertices(g, true, rng, *std::make_unique<CircuitRun>(endless()), kWords), 0);
    ASSERT_EQ(g.solution.edges.size(), 4u);
    EXPECT_EQ(g.solution.mode, DisplayMode::WelshPowell);
    for (auto [v, c] : g.solution.edges)
        EXPECT_EQ(g.color(v), c);
}

TEST(Colouring, ExactNeedsAConnectedGraph)
{
    Random rng;
    CircuitRun run = endless();
    Graph g = graphOf(4, {{0, 1}, {2, 3}});
    EXPECT_EQ(ColourVertices(g, false, rng, run, kWords), codeOf(Msg::GraphNotConnected));
    EXPECT_FALSE(g.solution.colorDisplay);
    // Welsh-Powell does not mind.
    EXPECT_EQ(ColourVertices(g, true, rng, run, kWords), 0);
    EXPECT_EQ(g.solution.summary, "colors used: 2");
}

TEST(Colouring, CliqueSearchDeterministicAndLimited)
{
    // Petersen has no triangle: the clique is an edge, the first call's
    // greedy choice.
    int calls = 0;
    const std::vector<int> c = searchClique(petersen(), calls);
    EXPECT_EQ(c.size(), 2u);
    EXPECT_GE(calls, 1);
    // K5 inside a wheel of 9: the clique holds the five.
    Graph k = complete(5);
    EXPECT_EQ(searchClique(k, calls).size(), 5u);
    EXPECT_EQ(calls, 1);
    // A dense random graph of 286 vertices: the search stops at 10 000 calls.
    Random gen;
    gen.seed(9);
    Edges e;
    for (int i = 0; i < 286; ++i)
        for (int j = i + 1; j < 286; ++j)
            if (gen.below(100) < 70)
                e.emplace_back(i, j);
    Graph d = graphOf(286, e);
    const std::vector<int> big = searchClique(d, calls);
    EXPECT_GT(calls, kCliqueCallLimit);
    for (size_t i = 0; i < big.size(); ++i)
        for (size_t j = i + 1; j < big.size(); ++j)
            EXPECT_TRUE(d.Adjacent(big[i], big[j]));
    // Stopped by Q while colouring: still proper, marked not proven minimal.
    ScriptedKeys keys{3, "Q"};
    CircuitRun run;
    run.poll = [&keys] { return keys(); };
    std::string caption;
    run.caption = [&caption](const std::string& t) { caption = t; };
    Random rng;
    ASSERT_EQ(ColourVertices(d, false, rng, run, kWords), 0);
    EXPECT_TRUE(run.stopped);
    // The first descent colours every vertex long before the third poll.
    ASSERT_TRUE(d.solution.colorDisplay);
    EXPECT_TRUE(proper(d));
    EXPECT_NE(d.solution.summary.find("(not proven minimal)"), std::string::npos);
    EXPECT_NE(caption.find("press Q to quit"), std::string::npos);
}

TEST(Colouring, M7StoppedByQShowsAProperColouringAndTheCaption)
{
    Graph g = mycielskiGraph(7);
    ASSERT_EQ(g.count(), 95);
    ScriptedKeys keys{20, "Q"};
    CircuitRun run;
    run.poll = [&keys] { return keys(); };
    std::vector<std::string> captions;
    run.caption = [&captions](const std::string& t) { captions.push_back(t); };
    Random rng;
    ASSERT_EQ(ColourVertices(g, false, rng, run, kWords), 0);
    EXPECT_TRUE(run.stopped);
    ASSERT_TRUE(g.solution.colorDisplay);
    EXPECT_TRUE(proper(g));
    EXPECT_GE(coloursOf(g), 7);
    EXPECT_EQ(g.solution.summary, "colors used: " + formatInt(coloursOf(g)) + " (not proven minimal)");
    ASSERT_GE(captions.size(), 2u);
    // The clique of M7 is an edge: lower bound 2.
    EXPECT_NE(captions.back().find("lower bound: 2; press Q to quit"), std::string::npos) << captions.back();
}

// --- orientation -----------------------------------------------------------------------------------

TEST(Orient, CycleAtOnceTreeUntilQ)
{
    Random rng;
    rng.seed(1);
    CircuitRun run = endless();
    Graph c = cycle(6);
    ASSERT_EQ(OrientRandomly(c, rng, run, kWords), 0);
    EXPECT_TRUE(c.digraph);
    EXPECT_EQ(c.solution.summary, "orientation");
    EXPECT_TRUE(stronglyConnected(c));
    // A tree: no closed walk; Q leaves the directions as they were.
    Graph t = graphOf(4, {{0, 1}, {1, 2}, {1, 3}});
    t.SetDirection(0, 1, 2);
    t.SetDirection(1, 3, -1);
    ScriptedKeys keys{50, "Q"};
    CircuitRun q;
    q.poll = [&keys] { return keys(); };
    ASSERT_EQ(OrientRandomly(t, rng, q, kWords), 0);
    EXPECT_TRUE(q.stopped);
    EXPECT_EQ(keys.polls, 51);
    EXPECT_EQ(t.Direction(0, 1), 2);
    EXPECT_EQ(t.Direction(1, 3), -1);
    EXPECT_EQ(t.Direction(1, 2), 0);
    EXPECT_FALSE(t.digraph);
    Graph two = graphOf(4, {{0, 1}, {2, 3}});
    EXPECT_EQ(OrientRandomly(two, rng, run, kWords), codeOf(Msg::GraphNotConnected));
}

TEST(Orient, BridgelessGraphsBecomeStronglyConnected)
{
    Random rng;
    rng.seed(4);
    CircuitRun run = endless();
    std::vector<Graph> gs{petersen(), complete(7), queens(4), mycielskiGraph(5)};
    for (Graph& g : gs) {
        ASSERT_EQ(OrientRandomly(g, rng, run, kWords), 0);
        for (auto [a, b] : g.edges())
            EXPECT_NE(g.Direction(a, b), 0);
        EXPECT_TRUE(stronglyConnected(g));
    }
}

// --- edge-set changes --------------------------------------------------------------------------------

TEST(EdgeSets, ComplementTwiceCompleteAndHoles)
{
    Graph k = complete(5);
    k.SetWeight(0, 1, 7);
    Complement(k);
    EXPECT_EQ(k.edgeCount(), 0);
    Complement(k);
    EXPECT_EQ(k.edgeCount(), 10);
    EXPECT_EQ(k.Weight(0, 1), 0);
    Graph p = petersen();
    p.digraph = true;
    p.SetDirection(0, 1, 1);
    Complement(p);
    EXPECT_EQ(p.edgeCount(), 45 - 15);
    EXPECT_FALSE(p.digraph);
    Complement(p);
    EXPECT_EQ(p.edges(), petersen().edges());
    EXPECT_EQ(p.Direction(0, 1), 0);
    // Holes: no edge at an absent slot.
    Graph h = graphOf(4, {});
    h.DeleteVertex(2);
    Complement(h);
    EXPECT_EQ(h.edgeCount(), 3);
    for (int u : {0, 1, 3})
        EXPECT_EQ(h.Weight(2, u), -1);
    Graph h2 = graphOf(5, {{0, 1}});
    h2.DeleteVertex(3);
    MakeComplete(h2);
    EXPECT_EQ(h2.edgeCount(), 6);
    EXPECT_EQ(h2.Weight(3, 4), -1);
    EXPECT_EQ(h2.solution.bestTotal, kNoBestTotal);
}

TEST(EdgeSets, DistancesProportionalToLengths)
{
    // Edges of length 5 (A-B), 3 (A-C), 6 (B-D) and 10 (C-D).
    Graph g;
    g.AddVertexAt(0, 0);
    g.AddVertexAt(3, 4);
    g.AddVertexAt(3, 0);
    g.AddVertexAt(3, 10);
    g.SetWeight(0, 1, 0);
    g.SetWeight(0, 2, 0);
    g.SetWeight(1, 3, 0);
    g.SetWeight(2, 3, 0);
    EXPECT_EQ(longestEdge(g), 10);
    EXPECT_EQ(DistanceWeights(g, 1), codeOf(Msg::OutOfBounds));
    EXPECT_EQ(DistanceWeights(g, 32768), codeOf(Msg::OutOfBounds));
    EXPECT_EQ(g.Weight(0, 1), 0);
    ASSERT_EQ(DistanceWeights(g, 20000), 0);
    EXPECT_GE(g.Weight(2, 3), 19999);
    EXPECT_LE(g.Weight(2, 3), 20000);
    EXPECT_NEAR(g.Weight(0, 1), 10000, 1);
    EXPECT_NEAR(g.Weight(0, 2), 6000, 1);
    EXPECT_NEAR(g.Weight(1, 3), 12000, 1);
    EXPECT_TRUE(g.weightsShown);
    Graph dots;
    dots.AddVertexAt(1, 1);
    dots.AddVertexAt(1, 1);
    dots.SetWeight(0, 1, 0);
    EXPECT_EQ(DistanceWeights(dots, 100), codeOf(Msg::NothingToDo));
}

TEST(Components, CountsMinusOne)
{
    Graph none;
    EXPECT_EQ(CountComponents(none), -1);
    EXPECT_EQ(CountComponents(graphOf(4, {{0, 1}, {2, 3}})), 1);
    EXPECT_EQ(CountComponents(petersen()), 0);
    EXPECT_EQ(CountComponents(graphOf(5, {})), 4);
}

// --- against the literal steps -------------------------------------------------------------------

namespace {

Graph randomGraph(Random& gen, int n, int percent, bool connected, int maxWeight)
{
    Edges e;
    if (connected)
        for (int i = 1; i < n; ++i)
            e.emplace_back(gen.below(i), i);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (gen.below(100) < percent)
                e.emplace_back(i, j);
    Graph g = graphOf(n, e);
    for (auto [a, b] : g.edges())
        g.SetWeight(a, b, 1 + gen.below(maxWeight));
    return g;
}

} // namespace

TEST(Literal, SameTreesAndColouringsAndDraws)
{
    Random gen;
    gen.seed(31);
    for (int trial = 0; trial < 60; ++trial) {
        const int n = 3 + trial % 25;
        Graph g = randomGraph(gen, n, 10 + trial % 5 * 15, true, trial % 2 ? 3 : 1000);
        if (trial % 4 == 3 && n > 4) {
            g.DeleteVertex(2);
            if (CountComponents(g) != 0)
                continue;
        }
        for (uint32_t seed : {1u, 2u}) {
            for (bool minimal : {true, false}) {
                Random a, b;
                a.seed(seed);
                b.seed(seed);
                Graph k = g;
                CircuitRun run = endless();
                ASSERT_EQ(MinimalTree(k, false, minimal, 2, a, run, kWords), 0);
                EXPECT_EQ(k.solution.edges, treeref::kruskal(g, minimal, b));
                EXPECT_EQ(a.state(), b.state());
                Graph p = g;
                ASSERT_EQ(MinimalTree(p, true, minimal, 2, a, run, kWords), 0);
                EXPECT_EQ(p.solution.edges, treeref::prim(g, minimal, b));
                EXPECT_EQ(a.state(), b.state());
            }
            Random a, b;
            a.seed(seed);
            b.seed(seed);
            Graph w = g;
            CircuitRun run = endless();
            ASSERT_EQ(ColourVertices(w, true, a, run, kWords), 0);
            const std::vector<int> want = treeref::welshPowell(g, b);
            for (int v : g.presentVertices())
                EXPECT_EQ(w.color(v), want[static_cast<size_t>(v)]);
            EXPECT_EQ(a.state(), b.state());
        }
        Graph x = g;
        const auto [colours, count] = treeref::Exact{g, {}, {}, 0, 0}.run();
        EXPECT_EQ(exactCount(x), count);
        Random unused;
        CircuitRun run = endless();
        ASSERT_EQ(ColourVertices(x, false, unused, run, kWords), 0);
        for (int v : g.presentVertices())
            ASSERT_EQ(x.color(v), colours[static_cast<size_t>(v)]) << trial << " " << v;
    }
}

TEST(Literal, SameExactColouringOnKnownGraphs)
{
    std::vector<Graph> gs{petersen(), mycielskiGraph(4), mycielskiGraph(5), queens(5), queens(6), kneser(7, 2),
                          fromGraph6(graph6File("snr18.g6")[0])};
    for (Graph& g : gs) {
        const auto [colours, count] = treeref::Exact{g, {}, {}, 0, 0}.run();
        Random unused;
        CircuitRun run = endless();
        ASSERT_EQ(ColourVertices(g, false, unused, run, kWords), 0);
        EXPECT_EQ(coloursOf(g), count);
        for (int v : g.presentVertices())
            ASSERT_EQ(g.color(v), colours[static_cast<size_t>(v)]) << g.count() << " " << v;
    }
    // The clique searches agree, call for call.
    Random gen;
    gen.seed(12);
    for (int trial = 0; trial < 20; ++trial) {
        const Graph g = randomGraph(gen, 20 + trial * 3, 30 + trial * 2, false, 1);
        int calls = 0;
        const std::vector<int> c = searchClique(g, calls);
        treeref::Clique ref{g, 0, {}};
        ref.search(g.presentVertices(), {});
        EXPECT_EQ(c, ref.best);
        EXPECT_EQ(calls, ref.calls);
    }
}

TEST(SlowMotion, TreesWaitAtTheStartAndAfterEachEdge)
{
    Random rng;
    Graph t = graphOf(3, {{0, 1}, {1, 2}, {0, 2}});
    t.SetWeight(0, 1, 1);
    t.SetWeight(1, 2, 2);
    t.SetWeight(0, 2, 3);
    // Kruskal: the start and two edges, three spaces.
    ScriptedKeys keys{0, "   "};
    CircuitRun run;
    run.poll = [&keys] { return keys(); };
    run.slowMotion = true;
    int shown = 0;
    run.show = [&shown] { ++shown; };
    ASSERT_EQ(MinimalTree(t, false, true, 2, rng, run, kWords), 0);
    EXPECT_TRUE(keys.keys.empty());
    EXPECT_EQ(keys.polls, 3);
    EXPECT_EQ(shown, 3);
    EXPECT_TRUE(run.slowMotion);
    // Dijkstra from A: the root, then B and C; Q at the second wait runs on.
    ScriptedKeys q{0, " Q"};
    run.poll = [&q] { return q(); };
    ASSERT_EQ(DijkstraTree(t, 0, run, kWords), 0);
    EXPECT_EQ(q.polls, 2);
    EXPECT_FALSE(run.slowMotion);
    EXPECT_EQ(t.solution.edges.size(), 2u);
    // The exact colouring cannot be watched: slow motion goes off.
    run.slowMotion = true;
    ASSERT_EQ(ColourVertices(t, false, rng, run, kWords), 0);
    EXPECT_FALSE(run.slowMotion);
}
