// Circuits and tours without a window: the Hamiltonian search's refusals
// and results on named graphs, the travelling-salesperson heuristics on
// hand-worked and random complete graphs against a brute-force optimum,
// the Eulerian numbering, slow motion driven by scripted keys, the exact
// circuit counts and optimal tours, and the fast steps against literal
// reference implementations under fixed seeds.
#include "circuit_helpers.h"
#include "circuit_reference.h"
#include "core/msgcode.h"
#include "graphs/core/graphtext.h"

using namespace quan;
using namespace circtest;

namespace {

const Edges kPetersen = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {0, 5}, {1, 6}, {2, 7},
                         {3, 8}, {4, 9}, {5, 7}, {7, 9}, {9, 6}, {6, 8}, {8, 5}};
// Bipartite with sides of 6 (0, 2, 5, 6, 8, 9) and 5 (1, 3, 4, 7, 10).
const Edges kHerschel = {{0, 1}, {0, 3}, {0, 4}, {1, 2}, {1, 5}, {1, 6}, {2, 3}, {2, 7}, {3, 8},
                         {3, 9}, {4, 5}, {4, 9}, {5, 10}, {6, 7}, {6, 10}, {7, 8}, {8, 10}, {9, 10}};

CircuitRun quietRun(ScriptedKeys& keys)
{
    CircuitRun r;
    r.poll = [&keys] { return keys(); };
    return r;
}

// A run that never sees a key (searches that end by themselves).
CircuitRun endlessRun()
{
    CircuitRun r;
    r.poll = [] { return 0; };
    return r;
}

std::vector<int> shownWalk(const Graph& g) { return tourOfEdges(g.solution.edges); }

Graph randomComplete(int n, Random& rng, int lo, int hi)
{
    return completeGraph(n, [&](int, int) { return lo + rng.below(hi - lo + 1); });
}

// No exchange of two edges shortens the tour.
bool twoOptimal(const Graph& g, const std::vector<int>& t)
{
    const size_t n = t.size() - 1;
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            const int a = t[i], b = t[i + 1], c = t[j], d = t[j + 1];
            if (g.Weight(a, c) + g.Weight(b, d) < g.Weight(a, b) + g.Weight(c, d))
                return false;
        }
    return true;
}

} // namespace

// --- Hamiltonian search -----------------------------------------------------------------

TEST(HamiltonianSearch, RefusalsOfThePreChecks)
{
    Random rng;
    CircuitRun run = endlessRun();
    // K(2,3): difference 1: no circuit at once; the path exists.
    Graph k23 = graphOf(5, {{0, 2}, {0, 3}, {0, 4}, {1, 2}, {1, 3}, {1, 4}});
    EXPECT_EQ(HamiltonianSearch(k23, true, rng, run), codeOf(Msg::NoCircuitExists));
    EXPECT_EQ(k23.solution.mode, DisplayMode::None);
    EXPECT_EQ(HamiltonianSearch(k23, false, rng, run), 0);
    EXPECT_TRUE(validWalk(k23, shownWalk(k23), true, false));
    // A star with three leaves: sides 1 and 3.
    Graph star = graphOf(4, {{0, 1}, {0, 2}, {0, 3}});
    EXPECT_EQ(HamiltonianSearch(star, false, rng, run), codeOf(Msg::NoPathExists));
    // Fewer than two vertices; two components.
    Graph one = graphOf(1, {});
    EXPECT_EQ(HamiltonianSearch(one, true, rng, run), codeOf(Msg::NothingToDo));
    Graph apart = graphOf(4, {{0, 1}, {2, 3}});
    EXPECT_EQ(HamiltonianSearch(apart, false, rng, run), codeOf(Msg::GraphNotConnected));
    // A vertex with three neighbours of valence 2 (not bipartite: a triangle at 4).
    Graph theta = graphOf(7, {{0, 1}, {0, 2}, {0, 3}, {1, 4}, {2, 4}, {3, 4}, {4, 5}, {5, 6}, {6, 4}});
    EXPECT_EQ(HamiltonianSearch(theta, true, rng, run), codeOf(Msg::NoCircuitExists));
}

TEST(HamiltonianSearch, DigraphSourceSinkAndTheDirectedPath)
{
    Random rng;
    rng.seed(5);
    CircuitRun run = endlessRun();
    auto directed = [](int n, const Edges& e) {
        Graph g = graphOf(n, e);
        g.digraph = true;
        for (auto [a, b] : e)
            g.SetDirection(a, b, 1);
        g.ComputeValences();
        return g;
    };
    // B -> C -> D -> B and A -> B: D (the last slot) does not reach A.
    Graph unreached = directed(4, {{1, 2}, {2, 3}, {3, 1}, {0, 1}});
    EXPECT_EQ(HamiltonianSearch(unreached, true, rng, run), codeOf(Msg::GraphNotConnected));
    // A -> B -> C -> A and D -> A: D only sends: a source.
    Graph source = directed(4, {{0, 1}, {1, 2}, {2, 0}, {3, 0}}); // D -> A, D receives nothing
    EXPECT_EQ(HamiltonianSearch(source, true, rng, run), codeOf(Msg::SourceDetected));
    // B -> C -> D -> B and B -> A: A only receives: a sink, reached from D.
    Graph sink = directed(4, {{1, 2}, {2, 3}, {3, 1}, {1, 0}});
    EXPECT_EQ(HamiltonianSearch(sink, true, rng, run), codeOf(Msg::SinkDetected));
    // A directed 4-cycle with a chord: a circuit along the directions.
    Graph cyc = directed(4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}});
    EXPECT_EQ(HamiltonianSearch(cyc, true, rng, run), 0);
    EXPECT_TRUE(validWalk(cyc, shownWalk(cyc), true, true));
    EXPECT_EQ(shownWalk(cyc).size(), 5u);
    // The directed path A -> B -> C: from C nothing is reached along the
    // directions, yet the path exists; the circuit keeps the directed test.
    Graph p = directed(3, {{0, 1}, {1, 2}});
    EXPECT_EQ(HamiltonianSearch(p, false, rng, run), 0);
    EXPECT_EQ(shownWalk(p), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(HamiltonianSearch(p, true, rng, run), codeOf(Msg::GraphNotConnected));
}

TEST(HamiltonianSearch, TwoVerticesAndPetersenRunUntilQ)
{
    Random rng;
    rng.seed(1);
    Graph two = graphOf(2, {{0, 1}});
    ScriptedKeys keys{300, "Q"};
    CircuitRun run = quietRun(keys);
    std::string caption;
    run.caption = [&](const std::string& c) { caption = c; };
    EXPECT_EQ(HamiltonianSearch(two, true, rng, run), 0);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.attempts, 300u);
    EXPECT_EQ(caption, "press Q to quit");
    EXPECT_EQ(two.solution.mode, DisplayMode::None);
    EXPECT_TRUE(run.notes.empty());

    Graph pet = graphOf(10, kPetersen);
    keys = {20000, "Q"};
    EXPECT_EQ(HamiltonianSearch(pet, true, rng, run), 0);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.attempts, 20000u);
    EXPECT_TRUE(pet.solution.edges.empty());
    EXPECT_TRUE(pet.solution.summary.empty());
    keys = {1000000, "Q"};
    EXPECT_EQ(HamiltonianSearch(pet, false, rng, run), 0);
    EXPECT_FALSE(run.stopped);
    const std::vector<int> w = shownWalk(pet);
    EXPECT_TRUE(validWalk(pet, w, true, false));
    EXPECT_EQ(pet.solution.mode, DisplayMode::HamiltonianPath);
    EXPECT_EQ(pet.solution.summary, "Hamiltonian path");
    std::string rec = "Hamiltonian path\r\n";
    for (int v : w)
        rec += std::to_string(v) + " ";
    EXPECT_EQ(run.notes, rec + "\r\n");
}

TEST(HamiltonianSearch, HerschelAndEveryCubicPolyhedron)
{
    Random rng;
    rng.seed(77);
    Graph h = graphOf(11, kHerschel);
    EXPECT_EQ(h.edgeCount(), 18);
    ScriptedKeys keys{0, ""};
    CircuitRun run = quietRun(keys);
    EXPECT_EQ(HamiltonianSearch(h, true, rng, run), codeOf(Msg::NoCircuitExists));
    EXPECT_EQ(keys.polls, 0); // refused before any attempt
    keys = {1000000, "Q"};
    EXPECT_EQ(HamiltonianSearch(h, false, rng, run), 0);
    EXPECT_TRUE(validWalk(h, shownWalk(h), true, false));

    int graphs = 0;
    for (const char* f : {"pol04.g6", "pol06.g6", "pol08.g6", "pol10.g6", "pol12.g6", "pol14.g6", "pol16.g6"})
        for (const std::string& line : graph6File(f)) {
            Graph g = fromGraph6(line);
            keys = {1000000, "Q"};
            ASSERT_EQ(HamiltonianSearch(g, true, rng, run), 0) << line;
            ASSERT_FALSE(run.stopped) << line;
            const std::vector<int> c = shownWalk(g);
            ASSERT_TRUE(validWalk(g, c, true, true)) << line;
            EXPECT_EQ(g.solution.mode, DisplayMode::HamiltonianCircuit);
            EXPECT_EQ(g.solution.edges.size(), static_cast<size_t>(g.count()));
            ++graphs;
        }
    EXPECT_EQ(graphs, 1 + 1 + 2 + 5 + 14 + 50 + 233); // the published counts
}

TEST(HamiltonianSearch, SameWalksAndDrawsAsTheLiteralSearch)
{
    std::vector<Graph> graphs;
    graphs.push_back(graphOf(10, kPetersen));
    graphs.push_back(fromGraph6(graph6File("platonic.g6")[3])); // dodecahedron
    graphs.push_back(fromGraph6(graph6File("pol16.g6")[100]));
    Graph holes = graphOf(12, {{0, 1}, {1, 3}, {3, 4}, {4, 0}, {0, 3}, {4, 6}, {6, 11}, {11, 0}, {1, 11}, {6, 3}});
    holes.DeleteVertex(2);
    holes.DeleteVertex(5);
    for (int v = 7; v <= 10; ++v)
        holes.DeleteVertex(v);
    graphs.push_back(holes);
    Graph dig = graphOf(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {0, 2}, {1, 3}, {2, 4}});
    dig.digraph = true;
    for (auto [a, b] : dig.edges())
        dig.SetDirection(a, b, 1);
    dig.SetDirection(4, 0, 1);
    graphs.push_back(dig);
    for (Graph& g : graphs)
        for (bool circuit : {false, true})
            for (uint32_t seed : {1u, 2u, 99u}) {
                if (circuit && g.count() == 10 && g.edgeCount() == 15)
                    continue; // Petersen has none
                Random a, b;
                a.seed(seed);
                b.seed(seed);
                const std::vector<int> want = circref::hamiltonian(g, circuit, b, 100000);
                ASSERT_FALSE(want.empty());
                ScriptedKeys keys{1000000, "Q"};
                CircuitRun run = quietRun(keys);
                ASSERT_EQ(HamiltonianSearch(g, circuit, a, run), 0);
                EXPECT_EQ(shownWalk(g), want);
                EXPECT_EQ(a.state(), b.state());
            }
}

// --- travelling salesperson ----------------------------------------------------------

namespace {

// Six cities with distinct weights, worked by hand in the tests below.
Graph sixCities()
{
    const int w[6][6] = {{0, 1, 9, 14, 6, 11}, {1, 0, 2, 10, 13, 15}, {9, 2, 0, 3, 12, 7},
                         {14, 10, 3, 0, 4, 8}, {6, 13, 12, 4, 0, 5}, {11, 15, 7, 8, 5, 0}};
    return completeGraph(6, [&](int i, int j) { return w[i][j]; });
}

} // namespace

TEST(Tsp, SixCitiesByHand)
{
    Graph g = sixCities();
    Random rng;
    CircuitRun run = endlessRun();
    // From A: B (1), C (2), D (3), E (4), F (5), back 11.
    ASSERT_EQ(NearestNeighbour(g, 0, rng, run), 0);
    EXPECT_EQ(shownWalk(g), (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(g.solution.summary, "nearest nbr start at A; total weight = 26");
    EXPECT_EQ(run.notes, "nearest nbr start at A; total weight = 26\r\nABCDEF\r\n\r\n");
    EXPECT_EQ(g.solution.bestTotal, 26);
    // From D: C (3), B (2), A (1), E (6), F (5), back 8 = 25, the new best.
    run.notes.clear();
    ASSERT_EQ(NearestNeighbour(g, 3, rng, run), 0);
    EXPECT_EQ(shownWalk(g), (std::vector<int>{3, 2, 1, 0, 4, 5, 3}));
    EXPECT_EQ(g.solution.bestTotal, 25);
    EXPECT_EQ(g.solution.bestTour, (std::vector<int>{3, 2, 1, 0, 4, 5, 3}));
    // Sorted edges: AB 1, BC 2, CD 3, DE 4, EF 5 make a path; AE, CF, DF,
    // AC, BD meet a full vertex; AF 11 closes. 26, traced from B (the
    // first edge is stored higher slot first).
    run.notes.clear();
    ASSERT_EQ(SortedEdges(g, rng, run), 0);
    EXPECT_EQ(g.solution.edges, (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {5, 0}}));
    EXPECT_EQ(g.solution.summary, "sorted-edges circuit; total weight = 26");
    EXPECT_EQ(run.notes, "sorted-edges circuit; total weight = 26\r\nBAFEDC\r\n\r\n");
    EXPECT_EQ(g.solution.bestTotal, 25); // the best is kept
    ASSERT_EQ(ShowBest(g, run.words), 0);
    EXPECT_EQ(g.solution.mode, DisplayMode::BestTour);
    EXPECT_EQ(g.solution.summary, "best circuit found so far; total weight = 25");
    EXPECT_EQ(shownWalk(g), (std::vector<int>{3, 2, 1, 0, 4, 5, 3}));
    // The optimum by brute force; Improve pairs reaches a 2-optimal tour
    // not above the best before.
    const long long opt = bruteForceOptimum(g);
    ASSERT_EQ(ImprovePairs(g, run), 0);
    EXPECT_GE(g.solution.bestTotal, opt);
    EXPECT_LE(g.solution.bestTotal, 25);
    EXPECT_EQ(tourWeight(g, g.solution.bestTour), g.solution.bestTotal);
    EXPECT_TRUE(twoOptimal(g, g.solution.bestTour));
    // A change of the graph resets the best.
    ASSERT_EQ(pasteWeights(g, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"), 0);
    EXPECT_EQ(g.solution.bestTotal, kNoBestTotal);
    EXPECT_EQ(ShowBest(g, run.words), codeOf(Msg::NothingToDo));
    EXPECT_EQ(ImprovePairs(g, run), codeOf(Msg::NothingToDo));
}

TEST(Tsp, EdgeCasesOfThePart)
{
    Random rng;
    CircuitRun run = endlessRun();
    // K4 of weight 0 from A: total 0.
    Graph k4 = completeGraph(4, [](int, int) { return 0; });
    ASSERT_EQ(NearestNeighbour(k4, 0, rng, run), 0);
    EXPECT_EQ(k4.solution.summary, "nearest nbr start at A; total weight = 0");
    EXPECT_TRUE(validWalk(k4, shownWalk(k4), true, true));
    // Sorted edges does not close early: AB 1, BC 2, AC 3 (closes with two
    // edges: refused), CD 4, AD 5 (closes as the fourth edge).
    Graph q = completeGraph(4, [](int i, int j) {
        const int w[4][4] = {{0, 1, 3, 5}, {1, 0, 2, 6}, {3, 2, 0, 4}, {5, 6, 4, 0}};
        return w[i][j];
    });
    ASSERT_EQ(SortedEdges(q, rng, run), 0);
    EXPECT_EQ(q.solution.summary, "sorted-edges circuit; total weight = 12");
    EXPECT_EQ(q.solution.edges, (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {3, 2}, {3, 0}}));
    // Improve pairs on a 2-optimal tour changes nothing.
    const std::vector<int> before = q.solution.bestTour;
    ASSERT_TRUE(twoOptimal(q, before));
    ASSERT_EQ(ImprovePairs(q, run), 0);
    EXPECT_EQ(q.solution.bestTour, before);
    EXPECT_EQ(q.solution.bestTotal, 12);
    // Incomplete; below three vertices.
    Graph path = graphOf(4, {{0, 1}, {1, 2}, {2, 3}});
    EXPECT_EQ(NearestNeighbour(path, 0, rng, run), codeOf(Msg::IncompleteGraph));
    EXPECT_EQ(SortedEdges(path, rng, run), codeOf(Msg::IncompleteGraph));
    EXPECT_EQ(RandomSearch(path, rng, run), codeOf(Msg::IncompleteGraph));
    for (int n : {1, 2}) {
        Graph small = completeGraph(n, [](int, int) { return 3; });
        EXPECT_EQ(NearestNeighbour(small, 0, rng, run), codeOf(Msg::NothingToDo));
        EXPECT_EQ(SortedEdges(small, rng, run), codeOf(Msg::NothingToDo));
        EXPECT_EQ(RandomSearch(small, rng, run), codeOf(Msg::NothingToDo));
        EXPECT_EQ(small.solution.mode, DisplayMode::None);
    }
    // K5 less its vertex C is complete: the tours skip the hole.
    Graph holed = completeGraph(5, [](int i, int j) { return i * 10 + j; });
    holed.DeleteVertex(2);
    ASSERT_TRUE(IsComplete(holed));
    ASSERT_EQ(NearestNeighbour(holed, 4, rng, run), 0);
    EXPECT_TRUE(validWalk(holed, shownWalk(holed), true, true));
    ASSERT_EQ(SortedEdges(holed, rng, run), 0);
    EXPECT_EQ(holed.solution.edges.size(), 4u);
    EXPECT_TRUE(validWalk(holed, holed.solution.bestTour, true, true));
    EXPECT_GE(holed.solution.bestTotal, bruteForceOptimum(holed));
}

TEST(Tsp, RandomCompleteGraphsAgainstBruteForce)
{
    Random rng;
    rng.seed(2024);
    for (int trial = 0; trial < 60; ++trial) {
        const int n = 3 + trial % 7;
        Graph g = randomComplete(n, rng, trial % 3 == 0 ? 10 : 1, trial % 3 == 0 ? 12 : 200);
        const long long opt = bruteForceOptimum(g);
        CircuitRun run = endlessRun();
        for (int s = 0; s < n; ++s) {
            ASSERT_EQ(NearestNeighbour(g, s, rng, run), 0);
            const std::vector<int> t = shownWalk(g);
            ASSERT_TRUE(validWalk(g, t, true, true));
            EXPECT_GE(tourWeight(g, t), opt);
        }
        ASSERT_EQ(SortedEdges(g, rng, run), 0);
        {
            // The accepted edges form one circuit through every vertex.
            std::vector<int> deg(static_cast<size_t>(n));
            long long sum = 0;
            for (auto [a, b] : g.solution.edges) {
                ++deg[static_cast<size_t>(a)];
                ++deg[static_cast<size_t>(b)];
                sum += g.Weight(a, b);
            }
            EXPECT_EQ(g.solution.edges.size(), static_cast<size_t>(n));
            EXPECT_TRUE(std::all_of(deg.begin(), deg.end(), [](int d) { return d == 2; }));
            EXPECT_GE(sum, opt);
        }
        ScriptedKeys keys{200, "Q"};
        CircuitRun rs = quietRun(keys);
        ASSERT_EQ(RandomSearch(g, rng, rs), 0);
        EXPECT_TRUE(validWalk(g, g.solution.bestTour, true, true));
        EXPECT_EQ(tourWeight(g, g.solution.bestTour), g.solution.bestTotal);
        EXPECT_GE(g.solution.bestTotal, opt);
        ASSERT_EQ(ImprovePairs(g, run), 0);
        EXPECT_TRUE(validWalk(g, g.solution.bestTour, true, true));
        EXPECT_EQ(tourWeight(g, g.solution.bestTour), g.solution.bestTotal);
        EXPECT_GE(g.solution.bestTotal, opt);
        EXPECT_TRUE(twoOptimal(g, g.solution.bestTour));
        // The exact answer equals brute force.
        std::vector<int> tour;
        long long total = -1;
        ASSERT_EQ(optimalTour(g, tour, total, run), 0);
        EXPECT_EQ(total, opt);
        EXPECT_TRUE(validWalk(g, tour, true, true));
        EXPECT_EQ(tourWeight(g, tour), total);
    }
}

TEST(Tsp, SameToursAndDrawsAsTheLiteralSteps)
{
    Random gen;
    gen.seed(3);
    for (int trial = 0; trial < 12; ++trial) {
        const int n = 3 + trial;
        // Few weight values: many ties, many draws.
        Graph g = randomComplete(n, gen, 1, trial % 2 ? 3 : 40);
        if (trial % 3 == 2)
            g.DeleteVertex(1);
        for (uint32_t seed : {7u, 8u}) {
            Random a, b;
            a.seed(seed);
            b.seed(seed);
            CircuitRun run = endlessRun();
            const int start = g.maxIndex();
            ASSERT_EQ(NearestNeighbour(g, start, a, run), 0);
            EXPECT_EQ(shownWalk(g), circref::nearestNeighbour(g, start, b));
            EXPECT_EQ(a.state(), b.state());

            // Sorted edges: the literal sort of the same list, then the greedy
            // choice checked above; here the order and the draws.
            std::vector<WeightedEdge> l1, l2;
            for (auto [lo, hi] : g.edges())
                l1.push_back({hi, lo, g.Weight(lo, hi)});
            l2 = l1;
            SortEdges(l1, false, a);
            circref::sortEdges(l2, false, b);
            EXPECT_EQ(l1, l2);
            EXPECT_EQ(a.state(), b.state());

            // Random search: 500 tours.
            Graph h = g;
            h.ClearSolution(true);
            ScriptedKeys keys{500, "Q"};
            CircuitRun rs = quietRun(keys);
            ASSERT_EQ(RandomSearch(h, a, rs), 0);
            const auto [tour, total] = circref::randomSearch(h, b, 500, kNoBestTotal);
            EXPECT_EQ(h.solution.bestTour, tour);
            EXPECT_EQ(h.solution.bestTotal, total);
            EXPECT_EQ(a.state(), b.state());
        }
    }
}

TEST(SortEdges, FastSortEqualsTheSelectionSortInOrderAndDraws)
{
    Random gen;
    gen.seed(11);
    for (int trial = 0; trial < 140; ++trial) {
        const int len = 1 + gen.below(trial < 70 ? 60 : 700);
        // distinct, 10..50, all equal, 0..2, two values mixed, two values in
        // four blocks (as Havel-Hakimi leaves them), distinct but one pair
        const int kind = trial % 7;
        const int cut1 = gen.below(len + 1), cut2 = gen.below(len + 1), cut3 = gen.below(len + 1);
        std::vector<WeightedEdge> l;
        for (int i = 0; i < len; ++i) {
            int w = kind == 0   ? (i * 7919) % 10007
                    : kind == 1 ? 10 + gen.below(41)
                    : kind == 2 ? 5
                    : kind == 3 ? gen.below(3)
                    : kind == 4 ? 7 + gen.below(2)
                    : kind == 5 ? ((i < std::min(cut1, cut2) || (i >= std::max(cut1, cut2) && i < cut3)) ? 9 : 8)
                                : (i == len - 1 ? (0 * 7919) % 10007 : (i * 7919) % 10007);
            l.push_back({i, i + 1, w});
        }
        for (bool desc : {false, true}) {
            std::vector<WeightedEdge> a = l, b = l;
            Random ra, rb;
            ra.seed(static_cast<uint32_t>(trial));
            rb.seed(static_cast<uint32_t>(trial));
            SortEdges(a, desc, ra);
            circref::sortEdges(b, desc, rb);
            ASSERT_EQ(a, b) << trial << " " << desc;
            ASSERT_EQ(ra.state(), rb.state()) << trial << " " << desc;
            for (size_t i = 1; i < a.size(); ++i)
                ASSERT_TRUE(desc ? a[i - 1].weight >= a[i].weight : a[i - 1].weight <= a[i].weight);
        }
    }
}

// --- Eulerian ----------------------------------------------------------------------------

TEST(Eulerian, ThePathABCAndFourOddVertices)
{
    Random rng;
    CircuitRun run = endlessRun();
    Graph g = graphOf(3, {{0, 1}, {1, 2}});
    ASSERT_EQ(EulerianWalk(g, rng, run), 0);
    EXPECT_EQ(g.solution.summary, "Eulerian path");
    EXPECT_EQ(g.solution.mode, DisplayMode::EulerianPath);
    EXPECT_EQ(g.Weight(2, 1), 1);
    EXPECT_EQ(g.Weight(1, 0), 2);
    EXPECT_EQ(g.solution.edges, (std::vector<std::pair<int, int>>{{2, 1}, {1, 0}}));
    EXPECT_TRUE(g.weightsShown);
    EXPECT_TRUE(run.notes.empty());
    // Clearing the solution hides the numbering again.
    g.ClearSolution(false);
    EXPECT_FALSE(g.weightsShown);

    // K4: four odd vertices.
    Graph k4 = graphOf(4, {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}});
    const Graph before = k4;
    EXPECT_EQ(EulerianWalk(k4, rng, run), codeOf(Msg::IncompatibleValences));
    EXPECT_TRUE(k4 == before);
    // Not connected.
    Graph apart = graphOf(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}});
    EXPECT_EQ(EulerianWalk(apart, rng, run), codeOf(Msg::GraphNotConnected));
}

TEST(Eulerian, EulersCriterionOnRandomGraphs)
{
    Random rng;
    rng.seed(4);
    int walks = 0, refusals = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 3 + rng.below(9);
        Edges e;
        for (int i = 1; i < n; ++i)
            e.emplace_back(rng.below(i), i); // a random tree: connected
        for (int k = rng.below(2 * n); k > 0; --k) {
            const int a = rng.below(n), b = rng.below(n);
            if (a != b)
                e.emplace_back(a, b);
        }
        Graph g = graphOf(n, e);
        g.solution.bestTotal = 5;
        int odd = 0;
        for (int v = 0; v < n; ++v)
            odd += g.outValence(v) % 2;
        const Graph before = g;
        CircuitRun run = endlessRun();
        const int code = EulerianWalk(g, rng, run);
        if (odd > 2) {
            EXPECT_EQ(code, codeOf(Msg::IncompatibleValences));
            EXPECT_TRUE(g == before);
            ++refusals;
            continue;
        }
        ASSERT_EQ(code, 0);
        ++walks;
        // Every edge once, consecutive, numbered 1.. along the walk.
        const std::vector<int> w = shownWalk(g);
        ASSERT_EQ(static_cast<int>(w.size()), before.edgeCount() + 1);
        EXPECT_TRUE(validWalk(g, w, false, odd == 0));
        std::set<std::pair<int, int>> seen;
        for (size_t i = 0; i + 1 < w.size(); ++i) {
            EXPECT_TRUE(seen.insert({std::min(w[i], w[i + 1]), std::max(w[i], w[i + 1])}).second);
            EXPECT_EQ(g.Weight(w[i], w[i + 1]), static_cast<int>(i + 1));
        }
        EXPECT_EQ(g.solution.mode, odd ? DisplayMode::EulerianPath : DisplayMode::EulerianCircuit);
        EXPECT_EQ(g.solution.bestTotal, kNoBestTotal); // the weights changed: best reset
        // The literal passes from the same start give the same walk.
        EXPECT_EQ(w, circref::eulerian(before, w[0]));
    }
    EXPECT_GT(walks, 30);
    EXPECT_GT(refusals, 30);
}

TEST(Eulerian, DigraphCasesAndTheNumberingLimit)
{
    Random rng;
    CircuitRun run = endlessRun();
    // A -> B -> C: numbered 1, 2 from A.
    Graph p = graphOf(3, {{0, 1}, {1, 2}});
    p.digraph = true;
    p.SetDirection(0, 1, 1);
    p.SetDirection(1, 2, 1);
    ASSERT_EQ(EulerianWalk(p, rng, run), 0);
    EXPECT_EQ(p.Weight(0, 1), 1);
    EXPECT_EQ(p.Weight(1, 2), 2);
    EXPECT_EQ(p.solution.summary, "Eulerian path");
    // A directed 5-cycle with an undirected chord A-C: the valences look
    // balanced, but no walk uses every edge once and closes.
    Graph c = graphOf(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {0, 2}});
    c.digraph = true;
    for (int i = 0; i < 5; ++i)
        c.SetDirection(i, (i + 1) % 5, 1);
    c.ComputeValences();
    const Graph before = c;
    EXPECT_EQ(EulerianWalk(c, rng, run), codeOf(Msg::IncompatibleValences));
    EXPECT_TRUE(c == before);
    // A directed cycle is a circuit.
    Graph d = graphOf(4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
    d.digraph = true;
    for (int i = 0; i < 4; ++i)
        d.SetDirection(i, (i + 1) % 4, 1);
    ASSERT_EQ(EulerianWalk(d, rng, run), 0);
    EXPECT_EQ(d.solution.summary, "Eulerian circuit");
    EXPECT_TRUE(validWalk(d, shownWalk(d), false, true));
    // K257: 32 896 edges cannot be numbered in 16 bits.
    Graph big = completeGraph(257, [](int, int) { return 1; });
    const Graph bigBefore = big;
    EXPECT_EQ(EulerianWalk(big, rng, run), codeOf(Msg::TooLarge));
    EXPECT_TRUE(big == bigBefore);
}

// --- slow motion -----------------------------------------------------------------------

TEST(SlowMotion, SpaceAdvancesAndQRunsOnWithoutStopping)
{
    Graph g = sixCities();
    Random rng;
    ScriptedKeys keys{3, "  xQ"};
    CircuitRun run = quietRun(keys);
    run.slowMotion = true;
    std::vector<std::string> captions;
    std::vector<size_t> shown;
    run.caption = [&](const std::string& c) { captions.push_back(c); };
    run.show = [&] { shown.push_back(g.solution.edges.size()); };
    ASSERT_EQ(NearestNeighbour(g, 0, rng, run), 0);
    // Step 1 waits through three empty polls and a space, step 2 a space,
    // step 3 ignores x and takes Q; steps 4 and 5 do not wait.
    EXPECT_EQ(shown, (std::vector<size_t>{1, 2, 3}));
    EXPECT_EQ(captions, std::vector<std::string>(3, "spacebar to advance, Q to quit"));
    EXPECT_FALSE(run.slowMotion);
    EXPECT_EQ(keys.polls, 3 + 1 + 1 + 2);
    EXPECT_EQ(g.solution.summary, "nearest nbr start at A; total weight = 26");

    // Sorted edges and the Eulerian walk step too.
    ScriptedKeys more{0, std::string(6, ' ')};
    CircuitRun r2 = quietRun(more);
    r2.slowMotion = true;
    int steps = 0;
    r2.show = [&] { ++steps; };
    ASSERT_EQ(SortedEdges(g, rng, r2), 0);
    EXPECT_EQ(steps, 6);
    Graph tri = graphOf(3, {{0, 1}, {1, 2}, {2, 0}});
    ScriptedKeys ek{0, "    "};
    CircuitRun r3 = quietRun(ek);
    r3.slowMotion = true;
    std::vector<std::vector<int16_t>> colours;
    r3.show = [&] { colours.push_back(tri.solution.edgeColors); };
    ASSERT_EQ(EulerianWalk(tri, rng, r3), 0);
    ASSERT_EQ(colours.size(), 4u); // the cleared graph, then three edges
    EXPECT_TRUE(colours[0].empty());
    EXPECT_EQ(colours[3], (std::vector<int16_t>{3, 3, 3}));
    EXPECT_TRUE(tri.solution.edgeColors.empty());
}

// --- start vertex -----------------------------------------------------------------------

TEST(StartVertex, NamesOfPresentVerticesOnly)
{
    Graph g = graphOf(30, {});
    g.DeleteVertex(27);
    int v = -1;
    EXPECT_EQ(parseStartVertex(g, "C", v), 0);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(parseStartVertex(g, " A_0 ", v), 0);
    EXPECT_EQ(v, 26);
    EXPECT_EQ(parseStartVertex(g, "B_0", v), codeOf(Msg::CouldNotFind));
    EXPECT_EQ(parseStartVertex(g, "Z_9", v), codeOf(Msg::CouldNotFind));
    EXPECT_EQ(parseStartVertex(g, "c", v), codeOf(Msg::CannotUnderstand));
    EXPECT_EQ(parseStartVertex(g, "", v), codeOf(Msg::CannotUnderstand));
    EXPECT_EQ(v, 26);
}

// --- exact answers ------------------------------------------------------------------------

TEST(Exact, CircuitCountsOfKnownGraphs)
{
    CircuitRun run = endlessRun();
    long long fact = 1; // (n - 1)! / 2
    for (int n = 3; n <= 9; ++n) {
        if (n > 3)
            fact *= n - 1;
        Graph k = completeGraph(n, [](int, int) { return 1; });
        const HamiltonianCount c = countHamiltonianCircuits(k, run);
        EXPECT_TRUE(c.complete);
        EXPECT_EQ(c.circuits, static_cast<uint64_t>(fact)) << n;
        EXPECT_TRUE(validWalk(k, c.first, true, true));
    }
    const std::vector<std::string> plat = graph6File("platonic.g6");
    const uint64_t want[5] = {3, 6, 0, 30, 1280}; // tetrahedron .. icosahedron
    for (size_t i : {0, 1, 3, 4}) {
        Graph g = fromGraph6(plat[i]);
        const HamiltonianCount c = countHamiltonianCircuits(g, run);
        EXPECT_EQ(c.circuits, want[i]) << i;
        EXPECT_TRUE(validWalk(g, c.first, true, true));
    }
    // The 4 x 5 grid.
    Edges grid;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c) {
            if (c < 4)
                grid.emplace_back(r * 5 + c, r * 5 + c + 1);
            if (r < 3)
                grid.emplace_back(r * 5 + c, r * 5 + c + 5);
        }
    EXPECT_EQ(countHamiltonianCircuits(graphOf(20, grid), run).circuits, 14u);
    // Petersen and every snark: none, after a complete search.
    int snarks = 0;
    for (const char* f : {"snr10.g6", "snr18.g6", "snr20.g6", "snr22.g6", "snr24.g6"})
        for (const std::string& line : graph6File(f)) {
            Graph g = fromGraph6(line);
            const HamiltonianCount c = countHamiltonianCircuits(g, run);
            EXPECT_TRUE(c.complete);
            EXPECT_EQ(c.circuits, 0u) << line;
            ++snarks;
        }
    EXPECT_EQ(snarks, 1 + 2 + 6 + 20 + 38);
    // The Tutte graph (a cubic polyhedron of 46 vertices) and the Herschel
    // graph have none either; the dodecahedron above has 30.
    const std::vector<std::vector<int>> tutteUp = {
        {2, 3, 4}, {5, 27}, {11, 12}, {19, 20}, {6, 34}, {7, 30}, {8, 28}, {9, 15}, {10, 39}, {11, 38},
        {40},      {13, 40}, {14, 36}, {15, 16}, {35},    {17, 23}, {18, 45}, {19, 44}, {46},    {21, 46},
        {22, 42},  {23, 24}, {41},     {25, 28}, {26, 33}, {27, 32}, {34},    {29},     {30, 33}, {31},
        {32, 34},  {33},     {},       {},       {36, 39}, {37},     {38, 40}, {39},    {},       {},
        {42, 45},  {43},     {44, 46}, {45},     {},       {}};
    Edges te;
    for (size_t k = 0; k < tutteUp.size(); ++k)
        for (int u : tutteUp[k])
            te.emplace_back(static_cast<int>(k), u - 1);
    Graph tutte = graphOf(46, te);
    EXPECT_EQ(tutte.edgeCount(), 69);
    for (int v = 0; v < 46; ++v)
        EXPECT_EQ(tutte.outValence(v), 3);
    const HamiltonianCount tc = countHamiltonianCircuits(tutte, run);
    EXPECT_TRUE(tc.complete);
    EXPECT_EQ(tc.circuits, 0u);
    EXPECT_EQ(countHamiltonianCircuits(graphOf(11, kHerschel), run).circuits, 0u);
    Graph pet = graphOf(10, kPetersen);
    EXPECT_EQ(HamiltonianExact(pet, run), codeOf(Msg::NoCircuitExists));
    EXPECT_EQ(pet.solution.mode, DisplayMode::None);
    // A directed 4-cycle has one circuit, its reverse none.
    Graph d = graphOf(4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
    d.digraph = true;
    for (int i = 0; i < 4; ++i)
        d.SetDirection(i, (i + 1) % 4, 1);
    EXPECT_EQ(countHamiltonianCircuits(d, run).circuits, 1u);
}

TEST(Exact, K13StoppedByQKeepsTheCountMarkedIncomplete)
{
    Graph k = completeGraph(13, [](int, int) { return 1; });
    ScriptedKeys keys{3, "Q"};
    CircuitRun run = quietRun(keys);
    std::string caption;
    run.caption = [&](const std::string& c) { caption = c; };
    ASSERT_EQ(HamiltonianExact(k, run), 0);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(keys.polls, 4);
    const std::string& s = k.solution.summary;
    ASSERT_EQ(s.rfind("Hamiltonian circuits: ", 0), 0u) << s;
    EXPECT_NE(s.find("(incomplete)"), std::string::npos);
    const long long counted = std::stoll(s.substr(22));
    EXPECT_GT(counted, 0);
    EXPECT_LT(counted, 239500800LL); // 12! / 2
    EXPECT_EQ(caption.rfind("Hamiltonian circuits: ", 0), 0u);
    EXPECT_TRUE(validWalk(k, shownWalk(k), true, true));
}

TEST(Exact, OptimalTourReportsHowFarTheBestWasAbove)
{
    Graph g = sixCities();
    Random rng;
    CircuitRun run = endlessRun();
    ASSERT_EQ(NearestNeighbour(g, 0, rng, run), 0); // 26
    run.notes.clear();
    ASSERT_EQ(TspOptimal(g, run), 0);
    const long long opt = bruteForceOptimum(g);
    EXPECT_EQ(g.solution.bestTotal, opt);
    EXPECT_EQ(g.solution.summary, "optimal tour; total weight = " + std::to_string(opt));
    // (26 - opt) / opt in per cent with two decimals, worked out here.
    const long long hundredths = (2600000 / opt - 100000 + 5) / 10; // rounded
    const std::string pct = std::to_string(hundredths / 100) + "." + (hundredths % 100 < 10 ? "0" : "") +
                            std::to_string(hundredths % 100);
    EXPECT_NE(run.notes.find("best circuit found so far: 26, " + pct + " per cent above the optimum"),
              std::string::npos)
        << run.notes;
    Graph big = completeGraph(21, [](int i, int j) { return i + j; });
    EXPECT_EQ(TspOptimal(big, run), codeOf(Msg::TooLarge));
    Graph path = graphOf(4, {{0, 1}, {1, 2}, {2, 3}});
    EXPECT_EQ(TspOptimal(path, run), codeOf(Msg::IncompleteGraph));
}
