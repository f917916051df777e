// The graph generators against facts worked out by hand or known from the
// literature: edge counts and valences of cycles, complete graphs,
// circulants, grids, prisms and Moebius ladders; the Petersen graph's girth
// and diameter found here by breadth-first search; trees, planar graphs
// (Euler's bound), valence lists against the Erdos-Gallai condition
// written out here; the named polyhedra and the Miscellany graphs by their
// published counts; every refusal leaving the graph as it was.
#include "circuit_reference.h"
#include "graphs/core/generators.h"
#include "graphs/core/graphtext.h"
#include "resources/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <queue>
#include <set>

using namespace quan;

namespace {

const ExampleView kView{0, 0, 10, 8};

// Adjacency lists of the present vertices in slot order.
std::vector<std::vector<int>> lists(const Graph& g)
{
    std::vector<std::vector<int>> nb(static_cast<size_t>(g.maxIndex() + 1));
    for (auto [a, b] : g.edges()) {
        nb[static_cast<size_t>(a)].push_back(b);
        nb[static_cast<size_t>(b)].push_back(a);
    }
    return nb;
}

std::vector<int> bfs(const std::vector<std::vector<int>>& nb, int s)
{
    std::vector<int> d(nb.size(), -1);
    std::queue<int> q;
    d[static_cast<size_t>(s)] = 0;
    q.push(s);
    while (!q.empty()) {
        const int v = q.front();
        q.pop();
        for (int w : nb[static_cast<size_t>(v)])
            if (d[static_cast<size_t>(w)] < 0) {
                d[static_cast<size_t>(w)] = d[static_cast<size_t>(v)] + 1;
                q.push(w);
            }
    }
    return d;
}

bool connected(const Graph& g)
{
    const auto nb = lists(g);
    const auto vs = g.presentVertices();
    if (vs.empty())
        return true;
    const auto d = bfs(nb, vs[0]);
    return std::all_of(vs.begin(), vs.end(), [&](int v) { return d[static_cast<size_t>(v)] >= 0; });
}

int diameter(const Graph& g)
{
    const auto nb = lists(g);
    int best = 0;
    for (int v : g.presentVertices())
        for (int x : bfs(nb, v))
            best = std::max(best, x);
    return best;
}

// The shortest cycle: for every edge, the distance between its ends
// without it, plus one.
int girth(const Graph& g)
{
    int best = 1 << 30;
    for (auto [a, b] : g.edges()) {
        Graph h = g;
        h.DeleteEdge(a, b);
        const auto d = bfs(lists(h), a);
        if (d[static_cast<size_t>(b)] >= 0)
            best = std::min(best, d[static_cast<size_t>(b)] + 1);
    }
    return best;
}

// Two-colouring by breadth-first search; the sizes of the two sides.
bool bipartite(const Graph& g, int* side0 = nullptr)
{
    const auto nb = lists(g);
    std::vector<int> c(nb.size(), -1);
    int zeros = 0;
    for (int s : g.presentVertices()) {
        if (c[static_cast<size_t>(s)] >= 0)
            continue;
        c[static_cast<size_t>(s)] = 0;
        std::queue<int> q;
        q.push(s);
        while (!q.empty()) {
            const int v = q.front();
            q.pop();
            zeros += c[static_cast<size_t>(v)] == 0;
            for (int w : nb[static_cast<size_t>(v)]) {
                if (c[static_cast<size_t>(w)] < 0) {
                    c[static_cast<size_t>(w)] = 1 - c[static_cast<size_t>(v)];
                    q.push(w);
                } else if (c[static_cast<size_t>(w)] == c[static_cast<size_t>(v)])
                    return false;
            }
        }
    }
    if (side0)
        *side0 = zeros;
    return true;
}

std::vector<int> valences(const Graph& g)
{
    std::vector<int> d;
    const auto nb = lists(g);
    for (int v : g.presentVertices())
        d.push_back(static_cast<int>(nb[static_cast<size_t>(v)].size()));
    return d;
}

bool regular(const Graph& g, int k)
{
    const auto d = valences(g);
    return std::all_of(d.begin(), d.end(), [k](int x) { return x == k; });
}

// Erdos-Gallai: a sequence with even sum is graphic iff for every k the
// k largest sum to at most k(k-1) + sum of min(d_i, k) over the rest.
bool erdosGallai(std::vector<int> d)
{
    long long sum = 0;
    for (int x : d)
        sum += x;
    if (sum % 2)
        return false;
    std::sort(d.rbegin(), d.rend());
    const int n = static_cast<int>(d.size());
    long long left = 0;
    for (int k = 1; k <= n; ++k) {
        left += d[static_cast<size_t>(k - 1)];
        long long right = static_cast<long long>(k) * (k - 1);
        for (int i = k; i < n; ++i)
            right += std::min(d[static_cast<size_t>(i)], k);
        if (left > right)
            return false;
    }
    return true;
}

std::string definition(const Graph& g)
{
    std::string s;
    definitionText(g, DefinitionOptions{}, s);
    return s;
}

// A graph that a refusal must leave alone: a triangle with a weight.
Graph sentinel()
{
    Graph g;
    MakeCircle(g, CircleKind::Cycle, 3, {}, kView);
    g.SetWeight(0, 1, 7);
    g.modified = false;
    return g;
}

int crossings(const Graph& g)
{
    auto orient = [](Real ax, Real ay, Real bx, Real by, Real cx, Real cy) {
        const Real v = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        return v > 1e-12L ? 1 : v < -1e-12L ? -1 : 0;
    };
    const auto e = g.edges();
    int count = 0;
    for (size_t i = 0; i < e.size(); ++i)
        for (size_t j = i + 1; j < e.size(); ++j) {
            auto [a, b] = e[i];
            auto [c, d] = e[j];
            if (a == c || a == d || b == c || b == d)
                continue;
            const int o1 = orient(g.x(a), g.y(a), g.x(b), g.y(b), g.x(c), g.y(c));
            const int o2 = orient(g.x(a), g.y(a), g.x(b), g.y(b), g.x(d), g.y(d));
            const int o3 = orient(g.x(c), g.y(c), g.x(d), g.y(d), g.x(a), g.y(a));
            const int o4 = orient(g.x(c), g.y(c), g.x(d), g.y(d), g.x(b), g.y(b));
            if (o1 * o2 < 0 && o3 * o4 < 0)
                ++count;
        }
    return count;
}

} // namespace

TEST(Circles, CountsAndValences)
{
    Graph g;
    ASSERT_EQ(MakeCircle(g, CircleKind::Cycle, 9, {}, kView), 0);
    EXPECT_EQ(g.count(), 9);
    EXPECT_EQ(g.edgeCount(), 9);
    EXPECT_TRUE(regular(g, 2));
    EXPECT_TRUE(g.modified);
    ASSERT_EQ(MakeCircle(g, CircleKind::Complete, 12, {}, kView), 0);
    EXPECT_EQ(g.edgeCount(), 66);
    EXPECT_TRUE(regular(g, 11));
    ASSERT_EQ(MakeCircle(g, CircleKind::Points, 286, {}, kView), 0);
    EXPECT_EQ(g.count(), 286);
    EXPECT_EQ(g.edgeCount(), 0);
    // Vertex i at angle 2 pi i / n on radius 0.8 x min(10, 8) = 6.4.
    ASSERT_EQ(MakeCircle(g, CircleKind::Cycle, 4, {}, kView), 0);
    EXPECT_NEAR(static_cast<double>(g.x(0)), 6.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.y(1)), 6.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(g.x(2)), -6.4, 1e-12);
}

TEST(Circles, Circulants)
{
    Graph g;
    std::vector<int> s;
    ASSERT_EQ(parseSeparations("2,3", 8, s), 0);
    ASSERT_EQ(MakeCircle(g, CircleKind::Circulant, 8, s, kView), 0);
    EXPECT_TRUE(regular(g, 4));
    EXPECT_EQ(g.edgeCount(), 16);
    ASSERT_EQ(parseSeparations("4", 8, s), 0);
    ASSERT_EQ(MakeCircle(g, CircleKind::Circulant, 8, s, kView), 0);
    EXPECT_EQ(g.edgeCount(), 4);
    EXPECT_TRUE(regular(g, 1));
    // s and n - s give the same edges: C13(1, 5) = C13(12, 8).
    Graph h;
    ASSERT_EQ(parseSeparations("1 5", 13, s), 0);
    MakeCircle(g, CircleKind::Circulant, 13, s, kView);
    ASSERT_EQ(parseSeparations("12;8", 13, s), 0);
    MakeCircle(h, CircleKind::Circulant, 13, s, kView);
    EXPECT_EQ(g.edges(), h.edges());
    EXPECT_EQ(parseSeparations("", 8, s), 17);
    EXPECT_EQ(parseSeparations("0", 8, s), 17);
    EXPECT_EQ(parseSeparations("2, 8", 8, s), 17);
}

TEST(Circles, RefusalsLeaveTheGraph)
{
    const Graph before = sentinel();
    Graph g = before;
    EXPECT_EQ(MakeCircle(g, CircleKind::Cycle, 2, {}, kView), 17);
    EXPECT_EQ(MakeCircle(g, CircleKind::Complete, 287, {}, kView), 17);
    EXPECT_EQ(MakeCircle(g, CircleKind::Points, 9223372036854775807LL, {}, kView), 17);
    EXPECT_EQ(MakeCircle(g, CircleKind::Circulant, 8, {}, kView), 17);
    EXPECT_EQ(MakeCircle(g, CircleKind::Circulant, 8, {8}, kView), 17);
    EXPECT_EQ(g, before);
    EXPECT_FALSE(g.modified);
}

TEST(Grids, EdgesAndLimits)
{
    Graph g;
    for (auto [r, c] : {std::pair{4, 5}, {1, 286}, {286, 1}, {13, 22}, {2, 2}}) {
        ASSERT_EQ(MakeGrid(g, r, c, true, kView), 0) << r << "x" << c;
        EXPECT_EQ(g.count(), r * c);
        EXPECT_EQ(g.edgeCount(), r * (c - 1) + c * (r - 1));
        EXPECT_TRUE(bipartite(g));
    }
    ASSERT_EQ(MakeGrid(g, 3, 4, false, kView), 0);
    EXPECT_EQ(g.edgeCount(), 0);
    const Graph before = sentinel();
    g = before;
    EXPECT_EQ(MakeGrid(g, 1, 287, true, kView), 17);
    EXPECT_EQ(MakeGrid(g, 7, 41, true, kView), 17); // 287 vertices
    EXPECT_EQ(MakeGrid(g, 100000, 100000, true, kView), 17);
    EXPECT_EQ(MakeGrid(g, 0, 5, true, kView), 17);
    EXPECT_EQ(MakeGrid(g, 9223372036854775807LL, 9223372036854775807LL, true, kView), 17);
    EXPECT_EQ(g, before);
}

TEST(Rings, PrismsAndMoebiusLadders)
{
    Graph g;
    for (int n = 3; n <= 143; n += (n < 12 ? 1 : 29)) {
        ASSERT_EQ(RingGraph(g, n, 1, false, kView), 0);
        EXPECT_EQ(g.count(), 2 * n);
        EXPECT_EQ(g.edgeCount(), 3 * n);
        EXPECT_TRUE(regular(g, 3));
        EXPECT_EQ(bipartite(g), n % 2 == 0) << "prism " << n;
        EXPECT_TRUE(connected(g));
        ASSERT_EQ(RingGraph(g, n, 1, true, kView), 0);
        EXPECT_EQ(g.count(), 2 * n);
        EXPECT_EQ(g.edgeCount(), 3 * n);
        EXPECT_TRUE(regular(g, 3));
        EXPECT_EQ(bipartite(g), n % 2 == 1) << "Moebius " << n;
    }
    // The Moebius ladder on 6 vertices is K3,3: bipartite 3 + 3, girth 4,
    // every vertex joined to the three of the other side.
    ASSERT_EQ(RingGraph(g, 3, 1, true, kView), 0);
    int side = 0;
    ASSERT_TRUE(bipartite(g, &side));
    EXPECT_EQ(side, 3);
    EXPECT_EQ(g.edgeCount(), 9);
    EXPECT_EQ(girth(g), 4);
    const Graph before = sentinel();
    g = before;
    EXPECT_EQ(RingGraph(g, 2, 1, false, kView), 17);
    EXPECT_EQ(RingGraph(g, 144, 1, false, kView), 17);
    EXPECT_EQ(g, before);
}

TEST(Rings, GeneralisedPetersen)
{
    Graph g;
    int k = 0;
    ASSERT_EQ(petersenOffset(5, 2, kGraphSlots, k), 0);
    ASSERT_EQ(RingGraph(g, 5, k, false, kView), 0);
    // The Petersen graph: the only cubic graph on 10 vertices of girth 5.
    EXPECT_EQ(g.count(), 10);
    EXPECT_EQ(g.edgeCount(), 15);
    EXPECT_TRUE(regular(g, 3));
    EXPECT_EQ(girth(g), 5);
    EXPECT_EQ(diameter(g), 2);
    // GP(n, k) is cubic with 3n edges for k < n/2.
    for (int n = 5; n <= 40; n += 7)
        for (int kk = 1; 2 * kk < n; ++kk) {
            ASSERT_EQ(RingGraph(g, n, kk, false, kView), 0);
            EXPECT_EQ(g.edgeCount(), 3 * n);
            EXPECT_TRUE(regular(g, 3)) << n << "," << kk;
        }
    // The dodecahedron GP(10, 2) has girth 5 and diameter 5; the Desargues
    // graph GP(10, 3) girth 6, diameter 5 and is bipartite.
    ASSERT_EQ(RingGraph(g, 10, 2, false, kView), 0);
    EXPECT_EQ(girth(g), 5);
    EXPECT_EQ(diameter(g), 5);
    ASSERT_EQ(RingGraph(g, 10, 3, false, kView), 0);
    EXPECT_EQ(girth(g), 6);
    EXPECT_TRUE(bipartite(g));
    // The offset: modulo n, n - k past the half.
    EXPECT_EQ(petersenOffset(7, 5, kGraphSlots, k), 0);
    EXPECT_EQ(k, 2);
    EXPECT_EQ(petersenOffset(7, 9, kGraphSlots, k), 0);
    EXPECT_EQ(k, 2);
    EXPECT_EQ(petersenOffset(5, 5, kGraphSlots, k), 6);
    EXPECT_EQ(petersenOffset(5, 10, kGraphSlots, k), 6);
    EXPECT_EQ(petersenOffset(5, 0, kGraphSlots, k), 6);
    EXPECT_EQ(petersenOffset(2, 1, kGraphSlots, k), 6);
    EXPECT_EQ(petersenOffset(144, 1, kGraphSlots, k), 6);
    EXPECT_EQ(petersenOffset(143, 1, kGraphSlots, k), 0);
}

TEST(Valences, ThePartsCases)
{
    Random rng;
    rng.seed(5);
    const Graph before = sentinel();
    Graph g = before;
    ASSERT_EQ(GraphFromValencesText(g, "3 3 3 3", false, kView, rng), 0);
    EXPECT_EQ(g.edgeCount(), 6);
    EXPECT_TRUE(regular(g, 3));
    EXPECT_EQ(g.label(0).textKind(), TextValence);
    const Graph k4 = g;
    EXPECT_EQ(GraphFromValencesText(g, "1, 1, 1", false, kView, rng), 6);
    EXPECT_EQ(GraphFromValencesText(g, "2 2 0 0", false, kView, rng), 110);
    EXPECT_EQ(GraphFromValencesText(g, "4,4,4,1,1,1,1", false, kView, rng), 110);
    EXPECT_EQ(GraphFromValencesText(g, "5", false, kView, rng), 105);
    EXPECT_EQ(GraphFromValencesText(g, "", false, kView, rng), 105);
    EXPECT_EQ(GraphFromValencesText(g, "3 1 1", false, kView, rng), 6);  // 3 >= n
    EXPECT_EQ(GraphFromValencesText(g, "1 -1 0", false, kView, rng), 6); // below 0
    std::string many;
    for (int i = 0; i < 287; ++i)
        many += "2 ";
    EXPECT_EQ(GraphFromValencesText(g, many, false, kView, rng), 106);
    EXPECT_EQ(g, k4);
    // 286 twos: a 2-regular graph on all slots.
    many.resize(many.size() - 2);
    ASSERT_EQ(GraphFromValencesText(g, many, false, kView, rng), 0);
    EXPECT_EQ(g.count(), 286);
    EXPECT_TRUE(regular(g, 2));
    // 1,1,1,1 with Connected: sum 4 < 6, two separate edges.
    ASSERT_EQ(GraphFromValencesText(g, "1 1 1 1", true, kView, rng), 0);
    EXPECT_EQ(g.edgeCount(), 2);
    EXPECT_FALSE(connected(g));
}

TEST(Valences, RealisedExactlyWhenErdosGallaiHolds)
{
    Random rng, gen;
    rng.seed(11);
    gen.seed(12);
    int realised = 0, refused = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const int n = 2 + gen.below(trial < 500 ? 9 : 40);
        std::vector<int> d(static_cast<size_t>(n));
        std::vector<Real> r;
        for (int& x : d) {
            x = gen.below(n);
            r.push_back(x);
        }
        long long sum = 0;
        for (int x : d)
            sum += x;
        Graph g;
        const int c = GraphFromValences(g, r, false, false, kView, rng);
        if (sum % 2) {
            EXPECT_EQ(c, 6);
            continue;
        }
        if (erdosGallai(d)) {
            ASSERT_EQ(c, 0) << trial;
            EXPECT_EQ(valences(g), d);
            ++realised;
        } else {
            EXPECT_EQ(c, 110) << trial;
            ++refused;
        }
    }
    EXPECT_GT(realised, 50);
    EXPECT_GT(refused, 50);
}

// Havel-Hakimi step by step with the literal selection sort: the list of
// (vertex, valence) sorted once, then after each step the settled entries
// dropped and the stretch where the lowered entries meet the rest sorted
// again. The fast sort must build the same graph and leave the generator
// in the same state.
std::vector<std::pair<int, int>> havelHakimiSteps(const std::vector<int>& d, Random& rng, bool& ok)
{
    const int n = static_cast<int>(d.size());
    std::vector<WeightedEdge> list;
    for (int i = 0; i < n; ++i)
        list.push_back({i, 0, d[static_cast<size_t>(i)]});
    circref::sortEdges(list, true, rng);
    std::vector<std::pair<int, int>> edges;
    ok = true;
    while (!list.empty() && list[0].weight > 0) {
        const int k = list[0].weight;
        for (int j = 1; j <= k; ++j) {
            if (j >= static_cast<int>(list.size()) || list[static_cast<size_t>(j)].weight <= 0) {
                ok = false;
                return edges;
            }
            --list[static_cast<size_t>(j)].weight;
            const int a = list[0].a, b = list[static_cast<size_t>(j)].a;
            edges.emplace_back(std::max(a, b), std::min(a, b));
        }
        list.erase(list.begin());
        std::vector<WeightedEdge> kept;
        for (const auto& e : list)
            if (e.weight != 0)
                kept.push_back(e);
        list = kept;
        const int size = static_cast<int>(list.size());
        if (k - 1 < size) {
            const int low = list[static_cast<size_t>(k - 1)].weight;
            int first = k - 1, last = k;
            while (first > 0 && list[static_cast<size_t>(first - 1)].weight <= low + 1)
                --first;
            while (last < size && list[static_cast<size_t>(last)].weight >= low)
                ++last;
            std::vector<WeightedEdge> run(list.begin() + first, list.begin() + last);
            circref::sortEdges(run, true, rng);
            std::copy(run.begin(), run.end(), list.begin() + first);
        }
    }
    std::sort(edges.begin(), edges.end());
    return edges;
}

TEST(Valences, SameGraphsAndDrawsAsTheLiteralSteps)
{
    Random gen;
    gen.seed(29);
    int compared = 0;
    for (int trial = 0; trial < 120; ++trial) {
        const int n = 2 + gen.below(trial < 60 ? 20 : 120);
        std::vector<int> d(static_cast<size_t>(n));
        // Sparse, dense and nearly regular lists: long runs of equal valences.
        const int kind = trial % 3;
        for (int& x : d)
            x = kind == 0 ? gen.below(std::min(n, 4)) : kind == 1 ? gen.below(n) : std::max(0, n / 2 - gen.below(2));
        long long sum = 0;
        for (int x : d)
            sum += x;
        if (sum % 2)
            d[0] += d[0] > 0 ? -1 : 1;
        std::vector<Real> r(d.begin(), d.end());
        for (uint32_t seed : {1u, 2u}) {
            Random a, b;
            a.seed(seed);
            b.seed(seed);
            Graph g;
            const int c = GraphFromValences(g, r, false, false, kView, a);
            bool ok = false;
            const auto edges = havelHakimiSteps(d, b, ok);
            ASSERT_EQ(c == 0, ok) << trial;
            if (ok) {
                auto e = g.edges();
                std::vector<std::pair<int, int>> got;
                for (auto [lo, hi] : e)
                    got.emplace_back(std::max(lo, hi), std::min(lo, hi));
                std::sort(got.begin(), got.end());
                EXPECT_EQ(got, edges) << trial;
                EXPECT_EQ(a.state(), b.state()) << trial;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 120);
}

TEST(Valences, ConnectedKeepsValences)
{
    Random rng, gen;
    rng.seed(3);
    gen.seed(4);
    int done = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 3 + gen.below(60);
        // Many small valences: Havel-Hakimi alone leaves several pieces.
        std::vector<int> d(static_cast<size_t>(n));
        std::vector<Real> r;
        long long sum = 0;
        for (int& x : d) {
            x = 1 + gen.below(std::min(n - 1, 3));
            sum += x;
        }
        if (sum % 2) {
            const int step = d[0] < n - 1 ? 1 : -1;
            d[0] += step;
            sum += step;
        }
        for (int x : d)
            r.push_back(x);
        if (sum % 2 || sum < 2LL * n - 2 || !erdosGallai(d))
            continue;
        Graph g;
        ASSERT_EQ(GraphFromValences(g, r, false, true, kView, rng), 0) << trial;
        EXPECT_TRUE(connected(g)) << trial;
        EXPECT_EQ(valences(g), d);
        ++done;
    }
    EXPECT_GT(done, 100);
}

TEST(Valences, TheExchangeEndsOnAGraphWithABridge)
{
    // Two triangles joined by the bridge {2, 3}, its first vertex 0 the
    // start of the walk (0 -> 1 -> 0 would bounce back), and a separate
    // edge {6, 7}: one exchange must merge the two components.
    Graph g;
    for (int i = 0; i < 8; ++i)
        g.addVertexInSlot(i, i, 0);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {0, 2}, {2, 3}, {3, 4}, {4, 5}, {3, 5}, {6, 7}})
        g.SetWeight(a, b, 0);
    const auto d = valences(g);
    ASSERT_EQ(ConnectComponents(g), 0);
    EXPECT_TRUE(connected(g));
    EXPECT_EQ(valences(g), d);
    EXPECT_EQ(g.edgeCount(), 8);
    // The start's first neighbour lies across a bridge: triangles {0, 2, 3}
    // and {1, 4, 5} joined by {0, 1}, next to the lone edge {6, 7}. A walk
    // that turned back at once would take the bridge {0, 1}, and swapping
    // {0, 1}, {6, 7} for {0, 6}, {1, 7} would leave two components for ever.
    Graph k;
    for (int i = 0; i < 8; ++i)
        k.addVertexInSlot(i, i, 0);
    for (auto [a, b] : {std::pair{0, 1}, {0, 2}, {0, 3}, {2, 3}, {1, 4}, {1, 5}, {4, 5}, {6, 7}})
        k.SetWeight(a, b, 0);
    const auto dk = valences(k);
    ASSERT_EQ(ConnectComponents(k), 0);
    EXPECT_TRUE(connected(k));
    EXPECT_EQ(valences(k), dk);
    EXPECT_TRUE(k.Adjacent(0, 1)); // the bridge stays
    // A path (a tree) next to a cycle: the cycle's edge is used.
    Graph h;
    for (int i = 0; i < 9; ++i)
        h.addVertexInSlot(i, i, 0);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 4}})
        h.SetWeight(a, b, 0);
    ASSERT_EQ(ConnectComponents(h), 0);
    EXPECT_TRUE(connected(h));
    // A forest of two paths has no circuit: refused.
    Graph f;
    for (int i = 0; i < 4; ++i)
        f.addVertexInSlot(i, i, 0);
    f.SetWeight(0, 1, 0);
    f.SetWeight(2, 3, 0);
    EXPECT_EQ(ConnectComponents(f), 6);
}

TEST(RandomTrees, ConnectedWithOneEdgeFewer)
{
    Random rng;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        rng.seed(seed);
        for (int n = 2; n <= 285; n += (seed == 3 ? 1 : 13)) {
            Graph g;
            ASSERT_EQ(RandomTree(g, n, false, kView, rng), 0) << n;
            EXPECT_EQ(g.count(), n);
            EXPECT_EQ(g.edgeCount(), n - 1);
            EXPECT_TRUE(connected(g));
        }
    }
    // Depth-first numbering: slot k + 1 is a neighbour of some slot <= k
    // and the walk from 0 meets the slots in order.
    Graph g;
    rng.seed(99);
    ASSERT_EQ(RandomTree(g, 40, false, kView, rng), 0);
    for (int k = 1; k < 40; ++k) {
        bool back = false;
        for (int j = 0; j < k; ++j)
            back = back || g.Adjacent(j, k);
        EXPECT_TRUE(back) << k;
    }
    ASSERT_EQ(RandomTree(g, 2, false, kView, rng), 0);
    EXPECT_EQ(g.edges(), (std::vector<std::pair<int, int>>{{0, 1}}));
    ASSERT_EQ(RandomTree(g, 30, true, kView, rng), 0);
    EXPECT_TRUE(g.digraph);
    for (auto [a, b] : g.edges())
        EXPECT_TRUE(g.Direction(b, a) == 1 || g.Direction(b, a) == -1);
    const Graph before = sentinel();
    g = before;
    EXPECT_EQ(RandomTree(g, 1, false, kView, rng), 14);
    EXPECT_EQ(RandomTree(g, 286, false, kView, rng), 14);
    EXPECT_EQ(g, before);
}

TEST(RandomPlanarGraphs, LatticeAndExtraVertices)
{
    // t is the largest with t(t+1)/2 <= n.
    EXPECT_EQ(planarRows(6), 3);
    EXPECT_EQ(planarRows(8), 3); // the rounded formula gave 4 (T = 10 > 8)
    EXPECT_EQ(planarRows(9), 3);
    EXPECT_EQ(planarRows(10), 4);
    EXPECT_EQ(planarRows(286), 23); // T = 276
    EXPECT_EQ(planarRows(275), 22); // T = 253
    Random rng;
    rng.seed(7);
    Graph g;
    ASSERT_EQ(RandomPlanar(g, 6, rng), 0);
    EXPECT_EQ(g.edgeCount(), 9);
    for (int n = 6; n <= 286; n += 5) {
        ASSERT_EQ(RandomPlanar(g, n, rng), 0);
        int t = 1;
        while ((t + 1) * (t + 2) / 2 <= n)
            ++t;
        const int T = t * (t + 1) / 2;
        EXPECT_EQ(g.count(), n);
        EXPECT_EQ(g.edgeCount(), 3 * t * (t - 1) / 2 + 2 * (n - T)) << n;
        EXPECT_LE(g.edgeCount(), 3 * n - 6);
        EXPECT_TRUE(connected(g));
        // Euler on the lattice: its T vertices, 3t(t-1)/2 edges and the
        // triangles counted in g itself with the outer face give V - E + F
        // = 2, i.e. (t - 1)^2 small triangles.
        int lattice = 0, triangles = 0;
        for (int a = 0; a < T; ++a)
            for (int b = a + 1; b < T; ++b) {
                if (!g.Adjacent(a, b))
                    continue;
                ++lattice;
                for (int c = b + 1; c < T; ++c)
                    triangles += g.Adjacent(a, c) && g.Adjacent(b, c) ? 1 : 0;
            }
        EXPECT_EQ(lattice, 3 * t * (t - 1) / 2) << n;
        EXPECT_EQ(triangles, (t - 1) * (t - 1)) << n;
        EXPECT_EQ(T - lattice + triangles + 1, 2) << n;
        // On the unit circle, every angle position used once.
        std::set<long long> angles;
        for (int v = 0; v < n; ++v) {
            EXPECT_NEAR(static_cast<double>(g.x(v) * g.x(v) + g.y(v) * g.y(v)), 1.0, 1e-12);
            const Real a = std::atan2(g.y(v), g.x(v));
            angles.insert(std::llround(static_cast<double>((a < 0 ? a + 2 * 3.14159265358979323846L : a) * n /
                                                           (2 * 3.14159265358979323846L))) %
                          n);
        }
        EXPECT_EQ(static_cast<int>(angles.size()), n);
    }
    const Graph before = sentinel();
    g = before;
    EXPECT_EQ(RandomPlanar(g, 5, rng), 17);
    EXPECT_EQ(RandomPlanar(g, 287, rng), 17);
    EXPECT_EQ(g, before);
}

TEST(RandomTsp, DistinctWeightsAndRounds)
{
    Random rng;
    rng.seed(2024);
    Graph g;
    CircuitRun run;
    run.poll = [] { return 0; };
    std::vector<std::string> captions;
    run.caption = [&](const std::string& s) { captions.push_back(s); };
    TspRun r;
    ASSERT_EQ(RandomTSP(g, 8, kView, rng, run, &r), 0);
    EXPECT_EQ(g.edgeCount(), 28);
    EXPECT_TRUE(g.weightsShown);
    std::set<int> w;
    for (auto [a, b] : g.edges()) {
        EXPECT_GE(g.Weight(a, b), 5);
        EXPECT_LE(g.Weight(a, b), 68);
        w.insert(g.Weight(a, b));
    }
    EXPECT_EQ(w.size(), 28u);
    // It stops exactly when sorted edges misses the best random tour.
    EXPECT_GT(r.sortedTotal, r.randomBest);
    ASSERT_EQ(static_cast<int>(captions.size()), r.rounds);
    EXPECT_EQ(captions.back().find("press Q to quit"), 0u);
    EXPECT_NE(captions.back().find(formatInt(r.rounds)), std::string::npos);
    // Three vertices: one round; past 16: one round.
    ASSERT_EQ(RandomTSP(g, 3, kView, rng, run, &r), 0);
    EXPECT_EQ(r.rounds, 1);
    ASSERT_EQ(RandomTSP(g, 17, kView, rng, run, &r), 0);
    EXPECT_EQ(r.rounds, 1);
    // 256 vertices: 32640 distinct weights from 5..32767 fit.
    ASSERT_EQ(RandomTSP(g, 256, kView, rng, run, &r), 0);
    int top = 0;
    std::set<int> all;
    for (auto [a, b] : g.edges()) {
        top = std::max(top, g.Weight(a, b));
        all.insert(g.Weight(a, b));
    }
    EXPECT_LE(top, 32767);
    EXPECT_EQ(all.size(), 32640u);
    EXPECT_GE(*all.begin(), 5);
    const Graph before = sentinel();
    g = before;
    EXPECT_EQ(RandomTSP(g, 257, kView, rng, run, &r), 17);
    EXPECT_EQ(RandomTSP(g, 2, kView, rng, run, &r), 17);
    EXPECT_EQ(g, before);
    // Q stops after the current round.
    run.poll = [] { return 'Q'; };
    ASSERT_EQ(RandomTSP(g, 5, kView, rng, run, &r), 0);
    EXPECT_EQ(r.rounds, 1);
}

// A round of Random TSP against the literal steps: the random search's
// shuffles and the selection sort followed by the greedy choice, with the
// generator left in the same state.
TEST(RandomTsp, SameTotalsAndDrawsAsTheLiteralSteps)
{
    Random gen;
    gen.seed(41);
    for (int trial = 0; trial < 40; ++trial) {
        const int n = 2 + trial % 19;
        Graph g;
        MakeCircle(g, CircleKind::Complete, std::max(n, 3), {}, kView);
        if (n == 2)
            g.DeleteVertex(2);
        // Distinct weights (as Random TSP draws them), or few values with ties.
        if (trial % 2 == 0)
            drawDistinctWeights(g, n * n + 4, gen);
        else
            for (auto [x, y] : g.edges())
                g.SetWeight(x, y, 5 + gen.below(trial % 4 == 1 ? 2 : 6));
        Random a, b;
        a.seed(static_cast<uint32_t>(100 + trial));
        b = a;
        EXPECT_EQ(bestRandomTour(g, 511, a), circref::randomSearch(g, b, 511, LLONG_MAX).second) << trial;
        EXPECT_EQ(a.state(), b.state());
        // Sorted edges: the literal sort, then every edge taken that keeps
        // valences at most 2 and closes no circuit before the last.
        std::vector<WeightedEdge> list;
        for (auto [lo, hi] : g.edges())
            list.push_back({hi, lo, g.Weight(lo, hi)});
        circref::sortEdges(list, false, b);
        std::vector<int> deg(static_cast<size_t>(g.maxIndex() + 1), 0);
        std::vector<std::set<int>> reach(deg.size());
        for (int v = 0; v <= g.maxIndex(); ++v)
            reach[static_cast<size_t>(v)].insert(v);
        long long total = 0;
        int taken = 0;
        for (const auto& e : list) {
            const size_t ea = static_cast<size_t>(e.a), eb = static_cast<size_t>(e.b);
            if (taken == g.count() || deg[ea] >= 2 || deg[eb] >= 2)
                continue;
            if (reach[ea].count(e.b) && taken < g.count() - 1)
                continue;
            ++deg[ea];
            ++deg[eb];
            total += e.weight;
            ++taken;
            std::set<int> joined = reach[ea];
            joined.insert(reach[eb].begin(), reach[eb].end());
            for (int v : joined)
                reach[static_cast<size_t>(v)] = joined;
        }
        EXPECT_EQ(sortedEdgesTotal(g, a), total) << trial;
        EXPECT_EQ(a.state(), b.state());
    }
}

TEST(RandomTsp, RoundTotalsByHand)
{
    // K4 has three tours. Weights {0,1} 5, {2,3} 6, {0,2} 7, {1,3} 8,
    // {0,3} 9, {1,2} 10: the tours weigh 0-1-2-3 30, 0-1-3-2 26, 0-2-1-3 34.
    // Sorted edges takes 5, 6, 7 and then closes with 8: 26, the optimum.
    auto k4 = [](std::initializer_list<int> w) {
        Graph g;
        for (int i = 0; i < 4; ++i)
            g.addVertexInSlot(i, i, 0);
        const std::pair<int, int> pairs[] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {0, 3}, {1, 2}};
        size_t k = 0;
        for (int x : w) {
            g.SetWeight(pairs[k].first, pairs[k].second, x);
            ++k;
        }
        return g;
    };
    Random rng;
    rng.seed(31);
    const Graph a = k4({5, 6, 7, 8, 9, 10});
    EXPECT_EQ(sortedEdgesTotal(a, rng), 26);
    EXPECT_EQ(bestRandomTour(a, 511, rng), 26);
    // {1,3} made heavy (100) and {0,3} 4, {1,2} 5: sorted edges takes 1, 2,
    // 3 and must close with 100 (106), while the tour 0-1-2-3 weighs 12.
    const Graph b = k4({1, 2, 3, 100, 4, 5});
    EXPECT_EQ(sortedEdgesTotal(b, rng), 106);
    EXPECT_EQ(bestRandomTour(b, 511, rng), 12);
}

TEST(RandomizeCommands, KruskalConnectionsDirectionsWeights)
{
    Random rng;
    rng.seed(17);
    Graph g;
    ASSERT_EQ(RandomKruskal(g, 4, 5, 10, 50, kView, rng), 0);
    EXPECT_EQ(g.edgeCount(), 31);
    for (auto [a, b] : g.edges()) {
        EXPECT_GE(g.Weight(a, b), 10);
        EXPECT_LE(g.Weight(a, b), 50);
    }
    RandomConnections(g, rng);
    for (auto [a, b] : g.edges())
        EXPECT_EQ(g.Weight(a, b), 0);
    EXPECT_LE(g.edgeCount(), 2 * 19);
    RandomDirections(g, rng);
    EXPECT_TRUE(g.digraph);
    RandomWeights(g, 3, 4, rng);
    for (auto [a, b] : g.edges())
        EXPECT_TRUE(g.Weight(a, b) == 3 || g.Weight(a, b) == 4);
}

TEST(RandomGenerators, ASeedRepeatsTheDefinition)
{
    auto all = [](uint32_t seed) {
        Random rng;
        rng.seed(seed);
        std::string s;
        Graph g;
        CircuitRun run;
        run.poll = [] { return 0; };
        RandomTSP(g, 7, kView, rng, run);
        s += definition(g);
        RandomKruskal(g, 3, 4, 10, 50, kView, rng);
        s += definition(g);
        RandomTree(g, 20, false, kView, rng);
        s += definition(g);
        RandomPlanar(g, 30, rng);
        s += definition(g);
        GraphFromValencesText(g, "3 3 2 2 2 2 1 1", true, kView, rng);
        s += definition(g);
        RandomConnections(g, rng);
        s += definition(g);
        return s;
    };
    EXPECT_EQ(all(41), all(41));
    EXPECT_NE(all(41), all(42));
}

TEST(NamedExamples, TheTenPolyhedra)
{
    // The strings 1008..1017 of the string table, each at most 2000
    // characters and of graph6's printable characters.
    Graph g;
    for (int i = 0; i < kNamedGraph6Count; ++i) {
        const std::string text = S(1008 + i);
        ASSERT_FALSE(text.empty()) << i;
        EXPECT_LE(text.size(), 2000u);
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 63 && c <= 126; })) << i;
        FaceList faces;
        ASSERT_EQ(LoadNamedGraph6(g, text, kView, faces), 0) << i;
        EXPECT_EQ(g.count(), namedGraph6Vertices(i)) << i;
        EXPECT_EQ(crossings(g), 0) << i;
        EXPECT_TRUE(connected(g));
        // Euler: the faces of the drawing.
        EXPECT_EQ(faces.count(), g.edgeCount() - g.count() + 2) << i;
        if (i == 5) {
            // Herschel: 11 vertices, 18 edges, bipartite 5 + 6, not cubic.
            EXPECT_EQ(g.edgeCount(), 18);
            int side = 0;
            ASSERT_TRUE(bipartite(g, &side));
            EXPECT_TRUE(side == 5 || side == 6);
            EXPECT_FALSE(regular(g, 3));
        } else {
            EXPECT_TRUE(regular(g, 3)) << i;
        }
    }
    const std::vector<int> counts{20, 42, 44, 94, 46, 11, 42, 44, 46, 38};
    for (int i = 0; i < kNamedGraph6Count; ++i)
        EXPECT_EQ(namedGraph6Vertices(i), counts[static_cast<size_t>(i)]);
    // A string past 2000 characters or one the reader refuses leaves the graph.
    const Graph before = sentinel();
    g = before;
    FaceList faces;
    EXPECT_EQ(LoadNamedGraph6(g, std::string(2001, '?'), kView, faces), 1);
    EXPECT_NE(LoadNamedGraph6(g, "D??x", kView, faces), 0);
    EXPECT_EQ(g, before);
}

TEST(NamedExamples, Miscellany)
{
    Graph g;
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Utilities, kView), 0);
    EXPECT_EQ(g.count(), 6);
    EXPECT_EQ(g.edgeCount(), 9);
    EXPECT_TRUE(bipartite(g));
    EXPECT_TRUE(regular(g, 3));
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Desargues, kView), 0);
    EXPECT_EQ(g.count(), 20);
    EXPECT_EQ(g.edgeCount(), 30);
    EXPECT_EQ(girth(g), 6);
    EXPECT_EQ(diameter(g), 5);
    // Goldner-Harary: maximal planar on 11 vertices, 27 = 3 x 11 - 6 edges,
    // the bipyramid's triangle vertices in 4 + 4 faces (8), its poles in
    // 3 + 3 (6), six stacked vertices of 3; drawn without crossings.
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::GoldnerHarary, kView), 0);
    EXPECT_EQ(g.count(), 11);
    EXPECT_EQ(g.edgeCount(), 27);
    auto d = valences(g);
    std::sort(d.rbegin(), d.rend());
    EXPECT_EQ(d, (std::vector<int>{8, 8, 8, 6, 6, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(crossings(g), 0);
    // Groetzsch: 11 vertices, 20 edges, triangle-free (girth 4), diameter 2.
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Grotzsch, kView), 0);
    EXPECT_EQ(g.count(), 11);
    EXPECT_EQ(g.edgeCount(), 20);
    EXPECT_EQ(girth(g), 4);
    EXPECT_EQ(diameter(g), 2);
    // Heawood: cubic on 14 vertices, girth 6, diameter 3, bipartite.
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Heawood, kView), 0);
    EXPECT_EQ(g.count(), 14);
    EXPECT_TRUE(regular(g, 3));
    EXPECT_EQ(girth(g), 6);
    EXPECT_EQ(diameter(g), 3);
    EXPECT_TRUE(bipartite(g));
    // Holt: 27 vertices, 4-regular, 54 edges, girth 5, diameter 3.
    ASSERT_EQ(LoadMiscGraph(g, MiscGraph::Holt, kView), 0);
    EXPECT_EQ(g.count(), 27);
    EXPECT_EQ(g.edgeCount(), 54);
    EXPECT_TRUE(regular(g, 4));
    EXPECT_EQ(girth(g), 5);
    EXPECT_EQ(diameter(g), 3);
}

TEST(NamedExamples, KnightBoards)
{
    Graph g;
    for (int n = 3; n <= 16; ++n) {
        ASSERT_EQ(KnightBoard(g, n, kView), 0);
        EXPECT_EQ(g.count(), n * n);
        EXPECT_EQ(g.edgeCount(), 4 * (n - 1) * (n - 2)) << n;
        EXPECT_TRUE(bipartite(g));
    }
    // 8 x 8: corners have 2 moves, centre squares 8.
    ASSERT_EQ(KnightBoard(g, 8, kView), 0);
    g.ComputeValences();
    EXPECT_EQ(g.outValence(0), 2);
    EXPECT_EQ(g.outValence(8 * 3 + 3), 8);
    // 3 x 3: the centre is isolated.
    ASSERT_EQ(KnightBoard(g, 3, kView), 0);
    EXPECT_EQ(valences(g)[4], 0);
    const Graph before = sentinel();
    g = before;
    EXPECT_EQ(KnightBoard(g, 17, kView), 17);
    EXPECT_EQ(KnightBoard(g, 2, kView), 17);
    EXPECT_EQ(g, before);
}

// The map of the states: counts of land neighbours as any atlas gives them
// (Missouri and Tennessee border eight states, Kentucky seven, Maine only
// New Hampshire), 105 borders among the 48 contiguous states (the count
// published without the District of Columbia and without the Four Corners'
// point contacts), four colours needed and enough.
TEST(NamedExamples, UsaStates)
{
    Graph g = sentinel();
    g.newLabelState = labelState(TextNone, IconCircle);
    ASSERT_EQ(LoadStatesMap(g, kView), 0);
    EXPECT_EQ(g.count(), 50);
    EXPECT_EQ(g.edgeCount(), 105);
    std::map<std::string, int> slotOf;
    for (int v : g.presentVertices()) {
        const std::string code = g.label(v).text();
        EXPECT_EQ(code.size(), 2u) << v;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(code[0])) && std::isupper(static_cast<unsigned char>(code[1])));
        EXPECT_EQ(g.label(v).text(), std::string(stateCode(v)));
        EXPECT_EQ(g.label(v).state, labelState(TextUser, IconCircle)) << v;
        slotOf[code] = v;
    }
    ASSERT_EQ(slotOf.size(), 50u); // fifty different codes
    const auto nb = lists(g);
    auto degree = [&](const char* code) {
        const auto it = slotOf.find(code);
        return it == slotOf.end() ? -1 : static_cast<int>(nb[static_cast<size_t>(it->second)].size());
    };
    auto borders = [&](const char* a, const char* b) { return g.Adjacent(slotOf.at(a), slotOf.at(b)); };
    const std::vector<std::pair<const char*, int>> facts = {
        {"AK", 0}, {"HI", 0}, {"MO", 8}, {"TN", 8}, {"KY", 7}, {"ME", 1}, {"FL", 2}, {"CA", 3}, {"WA", 2},
        {"SC", 2}, {"RI", 2}, {"TX", 4}, {"NY", 5}, {"PA", 6}, {"CO", 6}, {"UT", 5}, {"NV", 5}, {"MI", 3},
    };
    for (const auto& [code, count] : facts)
        EXPECT_EQ(degree(code), count) << code;
    // Named borders, and the point contacts and water borders that are none.
    for (auto [a, b] : std::vector<std::pair<const char*, const char*>>{
             {"ME", "NH"}, {"WI", "MI"}, {"AZ", "UT"}, {"CO", "NM"}, {"MD", "DE"}, {"VA", "KY"}, {"ID", "WA"}})
        EXPECT_TRUE(borders(a, b)) << a << b;
    for (auto [a, b] : std::vector<std::pair<const char*, const char*>>{
             {"AZ", "CO"}, {"NM", "UT"}, {"MI", "MN"}, {"MI", "IL"}, {"NY", "RI"}, {"AK", "WA"}})
        EXPECT_FALSE(borders(a, b)) << a << b;
    // Symmetric lists, no loops, no border twice.
    for (size_t v = 0; v < nb.size(); ++v) {
        std::set<int> s(nb[v].begin(), nb[v].end());
        EXPECT_EQ(s.size(), nb[v].size());
        EXPECT_EQ(s.count(static_cast<int>(v)), 0u);
        for (int w : nb[v])
            EXPECT_TRUE(g.Adjacent(w, static_cast<int>(v)));
    }
    EXPECT_EQ(crossings(g) < 25, true); // the map's picture: few crossings

    // Geography: north is up, west is left.
    auto x = [&](const char* c) { return g.x(slotOf.at(c)); };
    auto y = [&](const char* c) { return g.y(slotOf.at(c)); };
    EXPECT_LT(x("CA"), x("NV"));
    EXPECT_LT(x("NV"), x("UT"));
    EXPECT_LT(x("OH"), x("PA"));
    EXPECT_GT(y("ND"), y("SD"));
    EXPECT_GT(y("SD"), y("NE"));
    EXPECT_GT(y("NE"), y("KS"));
    EXPECT_GT(y("KS"), y("OK"));
    EXPECT_GT(y("OK"), y("TX"));
    for (int v : g.presentVertices()) {
        EXPECT_LE(std::abs(g.x(v) - kView.cx), kView.rx);
        EXPECT_LE(std::abs(g.y(v) - kView.cy), kView.ry);
    }

    // Nevada with its five neighbours is a wheel round an odd cycle, so
    // three colours cannot do; a backtracking search finds four.
    const std::vector<const char*> rim = {"CA", "OR", "ID", "UT", "AZ"};
    for (size_t i = 0; i < rim.size(); ++i) {
        EXPECT_TRUE(borders("NV", rim[i]));
        EXPECT_TRUE(borders(rim[i], rim[(i + 1) % rim.size()]));
    }
    std::function<bool(size_t, std::vector<int>&, int)> colour = [&](size_t i, std::vector<int>& c, int k) {
        if (i == c.size())
            return true;
        for (int col = 1; col <= k; ++col) {
            bool free = true;
            for (int w : nb[i])
                free = free && c[static_cast<size_t>(w)] != col;
            if (!free)
                continue;
            c[i] = col;
            if (colour(i + 1, c, k))
                return true;
        }
        c[i] = 0;
        return false;
    };
    std::vector<int> four(nb.size(), 0);
    ASSERT_TRUE(colour(0, four, 4));
    for (auto [a, b] : g.edges())
        EXPECT_NE(four[static_cast<size_t>(a)], four[static_cast<size_t>(b)]);
    // The wheel alone in three colours: the search fails.
    Graph wheel;
    wheel = g;
    for (int v : g.presentVertices()) {
        const std::string c = g.label(v).text();
        if (c != "NV" && std::find_if(rim.begin(), rim.end(), [&](const char* r) { return c == r; }) == rim.end())
            wheel.DeleteVertex(v);
    }
    std::vector<std::vector<int>> wnb(nb.size());
    for (auto [a, b] : wheel.edges()) {
        wnb[static_cast<size_t>(a)].push_back(b);
        wnb[static_cast<size_t>(b)].push_back(a);
    }
    EXPECT_EQ(wheel.edgeCount(), 10);
    std::function<bool(size_t, std::vector<int>&)> three = [&](size_t i, std::vector<int>& c) {
        if (i == c.size())
            return true;
        if (wnb[i].empty())
            return three(i + 1, c);
        for (int col = 1; col <= 3; ++col) {
            bool free = true;
            for (int w : wnb[i])
                free = free && c[static_cast<size_t>(w)] != col;
            if (free) {
                c[i] = col;
                if (three(i + 1, c))
                    return true;
            }
        }
        c[i] = 0;
        return false;
    };
    std::vector<int> c3(nb.size(), 0);
    EXPECT_FALSE(three(0, c3));

    // Twelve slots (an election's graph) cannot hold the map: refused, unchanged.
    Graph small(12);
    MakeCircle(small, CircleKind::Cycle, 5, {}, kView);
    const Graph before = small;
    EXPECT_EQ(LoadStatesMap(small, kView), 106);
    EXPECT_EQ(small, before);
}

// Every state's land neighbours, written state by state from an atlas (each
// border appears under both of its states): the map must give exactly
// these, so a border moved between two states is caught even when the
// count stays 105. Alaska and Hawaii have none.
TEST(NamedExamples, UsaStatesNeighbourLists)
{
    const std::map<std::string, std::string> atlas = {
        {"AL", "FL GA MS TN"},
        {"AR", "LA MO MS OK TN TX"},
        {"AZ", "CA NM NV UT"},
        {"CA", "AZ NV OR"},
        {"CO", "KS NE NM OK UT WY"},
        {"CT", "MA NY RI"},
        {"DE", "MD NJ PA"},
        {"FL", "AL GA"},
        {"GA", "AL FL NC SC TN"},
        {"IA", "IL MN MO NE SD WI"},
        {"ID", "MT NV OR UT WA WY"},
        {"IL", "IA IN KY MO WI"},
        {"IN", "IL KY MI OH"},
        {"KS", "CO MO NE OK"},
        {"KY", "IL IN MO OH TN VA WV"},
        {"LA", "AR MS TX"},
        {"MA", "CT NH NY RI VT"},
        {"MD", "DE PA VA WV"},
        {"ME", "NH"},
        {"MI", "IN OH WI"},
        {"MN", "IA ND SD WI"},
        {"MO", "AR IA IL KS KY NE OK TN"},
        {"MS", "AL AR LA TN"},
        {"MT", "ID ND SD WY"},
        {"NC", "GA SC TN VA"},
        {"ND", "MN MT SD"},
        {"NE", "CO IA KS MO SD WY"},
        {"NH", "MA ME VT"},
        {"NJ", "DE NY PA"},
        {"NM", "AZ CO OK TX"},
        {"NV", "AZ CA ID OR UT"},
        {"NY", "CT MA NJ PA VT"},
        {"OH", "IN KY MI PA WV"},
        {"OK", "AR CO KS MO NM TX"},
        {"OR", "CA ID NV WA"},
        {"PA", "DE MD NJ NY OH WV"},
        {"RI", "CT MA"},
        {"SC", "GA NC"},
        {"SD", "IA MN MT ND NE WY"},
        {"TN", "AL AR GA KY MO MS NC VA"},
        {"TX", "AR LA NM OK"},
        {"UT", "AZ CO ID NV WY"},
        {"VA", "KY MD NC TN WV"},
        {"VT", "MA NH NY"},
        {"WA", "ID OR"},
        {"WI", "IA IL MI MN"},
        {"WV", "KY MD OH PA VA"},
        {"WY", "CO ID MT NE SD UT"},
        {"AK", ""},
        {"HI", ""},
    };
    Graph g;
    ASSERT_EQ(LoadStatesMap(g, kView), 0);
    std::map<std::string, int> slotOf;
    for (int v : g.presentVertices())
        slotOf[g.label(v).text()] = v;
    ASSERT_EQ(slotOf.size(), 50u);
    size_t ends = 0;
    for (const auto& [state, names] : atlas) {
        ASSERT_EQ(slotOf.count(state), 1u) << state;
        std::set<std::string> expected;
        for (size_t i = 0; i < names.size(); i += 3)
            expected.insert(names.substr(i, 2));
        std::set<std::string> got;
        const int v = slotOf.at(state);
        for (int w : g.presentVertices())
            if (w != v && g.Adjacent(v, w))
                got.insert(g.label(w).text());
        EXPECT_EQ(got, expected) << state;
        ends += expected.size();
    }
    EXPECT_EQ(atlas.size(), 50u);
    EXPECT_EQ(ends, 2u * 105u);
}
