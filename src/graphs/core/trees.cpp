#include "graphs/core/trees.h"

#include "core/msgcode.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace quan {

namespace {

constexpr const char* kEol = "\r\n";

size_t at(int v) { return static_cast<size_t>(v); }

// Union-find over slots for the reach relation of Kruskal.
struct Reach {
    std::vector<int> up;
    explicit Reach(int n) : up(at(n)) { std::iota(up.begin(), up.end(), 0); }
    int find(int v)
    {
        while (up[at(v)] != v)
            v = up[at(v)] = up[at(up[at(v)])];
        return v;
    }
    bool join(int a, int b)
    {
        a = find(a);
        b = find(b);
        if (a == b)
            return false;
        up[at(a)] = b;
        return true;
    }
};

// A traversal is allowed from a to b: in digraph mode not against an arrow.
bool forwardOk(const Graph& g, int a, int b) { return !g.digraph || g.Direction(a, b) != -1; }

} // namespace

int CountComponents(const Graph& g)
{
    if (g.count() == 0)
        return -1;
    const int n = g.maxIndex() + 1;
    std::vector<char> seen(at(n), 0);
    std::vector<int> stack;
    int comps = 0;
    for (int s = 0; s < n; ++s) {
        if (!g.present(s) || seen[at(s)])
            continue;
        ++comps;
        seen[at(s)] = 1;
        stack.assign(1, s);
        while (!stack.empty()) {
            const int v = stack.back();
            stack.pop_back();
            for (int u = 0; u < n; ++u)
                if (!seen[at(u)] && g.present(u) && g.Adjacent(v, u)) {
                    seen[at(u)] = 1;
                    stack.push_back(u);
                }
        }
    }
    return comps - 1;
}

Real vertexDistance(const Graph& g, int a, int b)
{
    const Real dx = g.x(a) - g.x(b), dy = g.y(a) - g.y(b);
    return std::sqrt(dx * dx + dy * dy);
}

bool BuildDistanceRankGraph(Graph& g)
{
    if (g.maxIndex() > 255)
        return false;
    g.ClearEdges();
    struct Pair {
        Real d;
        int lo, hi;
    };
    const std::vector<int> vs = g.presentVertices();
    std::vector<Pair> pairs;
    pairs.reserve(vs.size() * vs.size() / 2);
    for (size_t i = 0; i < vs.size(); ++i)
        for (size_t j = i + 1; j < vs.size(); ++j)
            pairs.push_back({vertexDistance(g, vs[i], vs[j]), vs[i], vs[j]});
    // Equal distances keep the order lo, then hi, in which they were made.
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.d < b.d; });
    int k = 0;
    for (const Pair& p : pairs) {
        g.SetWeight(p.lo, p.hi, ++k);
        g.SetDirection(p.lo, p.hi, 0);
    }
    return true;
}

void dropDistanceRankGraph(Graph& g)
{
    if (!g.distanceRank)
        return;
    g.ClearEdges();
    g.distanceRank = false;
    g.ClearSolution(false);
    g.ComputeValences();
}

// --- spanning trees -------------------------------------------------------------------

int MinimalTree(Graph& g, bool prim, bool minimal, int decimals, Random& rng, CircuitRun& run, const TreeWords& w)
{
    if (g.count() < 2)
        return codeOf(Msg::NothingToDo);
    if (g.distanceRank || g.edgeCount() == 0) {
        if (g.maxIndex() > 255)
            return 0;
        g.ClearSolution(false);
        BuildDistanceRankGraph(g);
        g.distanceRank = true;
        g.weightsShown = true;
    } else {
        g.ClearSolution(false);
    }
    g.ComputeValences();
    StepWait(run);

    std::vector<WeightedEdge> list;
    for (const auto& [lo, hi] : g.edges())
        list.push_back({hi, lo, g.Weight(lo, hi)});
    SortEdges(list, !minimal, rng);

    const int n = g.maxIndex() + 1, count = g.count();
    long long total = 0;
    Real length = 0;
    auto take = [&](const WeightedEdge& e) {
        total += e.weight;
        length += vertexDistance(g, e.a, e.b);
    };
    if (!prim) {
        Reach reach(n);
        int accepted = 0;
        for (const WeightedEdge& e : list) {
            if (accepted >= count - 1)
                break;
            if (!reach.join(e.a, e.b))
                continue;
            ++accepted;
            take(e);
            g.solution.edges.emplace_back(e.a, e.b);
            StepWait(run);
        }
        g.solution.mode = DisplayMode::Kruskal;
    } else if (!list.empty()) {
        std::vector<char> inTree(at(n), 0), chosen(list.size(), 0);
        inTree[at(list[0].a)] = 1;
        // Each scan from the beginning chooses the first edge with exactly
        // one end in the tree; an edge passed over with both ends outside
        // may qualify later, one with both inside never again, so the scan
        // restarts at the first edge that is neither chosen nor inside.
        size_t from = 0;
        for (;;) {
            bool any = false;
            while (from < list.size() &&
                   (chosen[from] || (inTree[at(list[from].a)] && inTree[at(list[from].b)])))
                ++from;
            for (size_t k = from; k < list.size(); ++k) {
                const WeightedEdge& e = list[k];
                if (chosen[k] || inTree[at(e.a)] == inTree[at(e.b)])
                    continue;
                chosen[k] = 1;
                inTree[at(e.a)] = inTree[at(e.b)] = 1;
                take(e);
                g.solution.edges.emplace_back(e.a, e.b);
                StepWait(run);
                any = true;
                break;
            }
            if (!any)
                break;
        }
        // Shown in the order of the sorted list.
        g.solution.edges.clear();
        for (size_t k = 0; k < list.size(); ++k)
            if (chosen[k])
                g.solution.edges.emplace_back(list[k].a, list[k].b);
        g.solution.mode = DisplayMode::Prim;
    }
    const std::string t = g.distanceRank ? formatReal(length, 0, decimals) : formatInt(total);
    g.solution.setSummary((prim ? w.primTree : w.kruskalTree) + "; " + run.words.totalWeight + " = " + t);
    return 0;
}

// --- Dijkstra ---------------------------------------------------------------------------

int DijkstraTree(Graph& g, int root, CircuitRun& run, const TreeWords& w, std::vector<int32_t>* distOut)
{
    if (g.count() == 0)
        return codeOf(Msg::NothingToDo);
    if (!g.present(root))
        return codeOf(Msg::CouldNotFind);
    g.ClearSolution(false);
    const int n = g.maxIndex() + 1;
    constexpr int32_t kFar = INT32_MAX;
    std::vector<int32_t> dist(at(n), kFar);
    std::vector<char> done(at(n), 0);
    dist[at(root)] = 0;
    g.solution.edges.clear();
    StepWait(run);
    long long total = 0;
    for (;;) {
        int u = -1;
        for (int v = 0; v < n; ++v)
            if (g.present(v) && !done[at(v)] && dist[at(v)] < kFar && (u < 0 || dist[at(v)] < dist[at(u)]))
                u = v;
        if (u < 0)
            break;
        int parent = -1;
        for (int p = 0; p < n; ++p) {
            if (!g.present(p) || !done[at(p)] || !g.Adjacent(p, u) || !forwardOk(g, p, u))
                continue;
            if (static_cast<long long>(dist[at(p)]) + g.Weight(p, u) != dist[at(u)])
                continue;
            if (parent < 0 || g.Weight(p, u) < g.Weight(parent, u))
                parent = p;
        }
        done[at(u)] = 1;
        if (parent >= 0) {
            g.solution.edges.emplace_back(u, parent);
            total += g.Weight(parent, u);
            StepWait(run);
        }
        for (int v = 0; v < n; ++v) {
            if (!g.present(v) || done[at(v)] || !g.Adjacent(u, v) || !forwardOk(g, u, v))
                continue;
            const long long d = static_cast<long long>(dist[at(u)]) + g.Weight(u, v);
            if (d < dist[at(v)])
                dist[at(v)] = static_cast<int32_t>(d);
        }
    }
    g.solution.mode = DisplayMode::Dijkstra;
    g.solution.setSummary(w.dijkstraRoot + " " + g.messageName(root) + "; " + run.words.totalWeight + " = " +
                          formatInt(total));
    if (distOut)
        *distOut = dist;
    return 0;
}

std::string dijkstraPaths(const Graph& g, int root, const std::vector<int32_t>& dist)
{
    // The tree's edges give each vertex its parent.
    std::vector<int> parent(dist.size(), -1);
    for (const auto& [child, p] : g.solution.edges)
        if (child >= 0 && at(child) < parent.size())
            parent[at(child)] = p;
    std::string s;
    for (size_t v = 0; v < dist.size(); ++v) {
        if (!g.present(static_cast<int>(v)) || dist[v] == INT32_MAX)
            continue;
        std::vector<int> path;
        for (int x = static_cast<int>(v); x >= 0 && path.size() <= dist.size(); x = parent[at(x)]) {
            path.push_back(x);
            if (x == root)
                break;
        }
        s.append(g.messageName(static_cast<int>(v))).append(" ").append(formatInt(dist[v])).append(":");
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            s.append(" ").append(g.messageName(*it));
        s += kEol;
    }
    return s;
}

// --- colouring ------------------------------------------------------------------------------

int WelshPowellColouring(Graph& g, Random& rng, CircuitRun& run)
{
    const int n = g.maxIndex() + 1;
    std::vector<WeightedEdge> list;
    for (int v = 0; v < n; ++v)
        list.push_back({v, 0, g.present(v) ? g.outValence(v) : 0});
    SortEdges(list, true, rng);
    for (int c = 1;; ++c) {
        bool found = false;
        for (const WeightedEdge& e : list) {
            const int v = e.a;
            if (!g.present(v) || g.color(v) != 0)
                continue;
            found = true;
            bool clash = false;
            for (int u = 0; u < n && !clash; ++u)
                clash = g.present(u) && g.color(u) == c && g.Adjacent(u, v);
            if (clash)
                continue;
            g.setColor(v, c);
            g.solution.edges.emplace_back(v, c);
            StepWait(run);
        }
        if (!found)
            return c - 1;
    }
}

namespace {

// The clique search of the exact method, as the issue settles it.
struct CliqueSearch {
    const Graph& g;
    int calls = 0;
    std::vector<int> best;

    void search(std::vector<int> cands, const std::vector<int>& base)
    {
        if (++calls > kCliqueCallLimit)
            return;
        // Degrees inside the candidate set; a stable sort by decreasing
        // degree (what repeated adjacent swaps give).
        std::vector<std::pair<int, int>> byDeg; // (degree, vertex)
        for (int v : cands) {
            int d = 0;
            for (int u : cands)
                if (g.Adjacent(u, v))
                    ++d;
            byDeg.emplace_back(d, v);
        }
        std::stable_sort(byDeg.begin(), byDeg.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (size_t i = 0; i < byDeg.size(); ++i)
            cands[i] = byDeg[i].second;
        std::vector<char> inGreedy(cands.size(), 0);
        std::vector<int> clique = base;
        std::vector<int> greedy;
        for (size_t i = 0; i < cands.size(); ++i) {
            const int v = cands[i];
            if (std::all_of(greedy.begin(), greedy.end(), [&](int u) { return g.Adjacent(u, v); })) {
                greedy.push_back(v);
                inGreedy[i] = 1;
            }
        }
        clique.insert(clique.end(), greedy.begin(), greedy.end());
        if (clique.size() > best.size())
            best = clique;
        for (size_t i = 0; i < cands.size(); ++i) {
            if (inGreedy[i])
                continue;
            const int c = cands[i];
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

// The saturation-degree branch and bound with flat tables: per vertex the
// number of neighbours of each colour (so saturation and the allowed
// colours are read at once), updated along adjacency lists on colouring and
// undone in reverse; the uncoloured vertices kept in a list from which a
// coloured one is swapped out and back (O(1) each way), so that the choice
// of the next vertex looks at the uncoloured ones only.
struct DSatur {
    int m = 0; // vertices, renumbered 0..m-1 in slot order
    std::vector<int> slot;
    std::vector<int> adjStart, adj; // adjacency lists, flat
    std::vector<int> colour;        // 0 uncoloured
    std::vector<int> cnt;           // m x stride: neighbours of colour c
    std::vector<int> sat;           // distinct colours among the neighbours
    std::vector<int> uncolNbrs;     // uncoloured neighbours
    // The choice's order in one number: saturation, then uncoloured
    // neighbours, then the lower index (each below 512 for at most 286
    // vertices), so that choosing is one comparison per vertex.
    std::vector<int> key;
    std::vector<int> unc, pos;      // the uncoloured vertices and where each is
    int uncCount = 0;
    int upper = 0, lower = 0;
    std::vector<int> best;
    bool haveBest = false;
    bool quit = false;
    uint64_t nodes = 0;
    CircuitRun* run = nullptr;
    const TreeWords* words = nullptr;
    int stride = 0;

    int* counts(int v) { return cnt.data() + static_cast<size_t>(v) * static_cast<size_t>(stride); }
    void rekey(int u) { key[at(u)] = (sat[at(u)] << 18) | (uncolNbrs[at(u)] << 9) | (511 - u); }

    // The greatest saturation of an uncoloured neighbour after the last
    // assign.
    int nbrSat = 0;

    // Colours v with c; returns where v stood in the uncoloured list.
    int assign(int v, int c)
    {
        colour[at(v)] = c;
        nbrSat = 0;
        for (int k = adjStart[at(v)], e = adjStart[at(v) + 1]; k < e; ++k) {
            const int u = adj[at(k)];
            if (counts(u)[c]++ == 0)
                ++sat[at(u)];
            --uncolNbrs[at(u)];
            rekey(u);
            if (colour[at(u)] == 0)
                nbrSat = std::max(nbrSat, sat[at(u)]);
        }
        const int i = pos[at(v)], last = unc[at(uncCount - 1)];
        unc[at(i)] = last;
        pos[at(last)] = i;
        unc[at(uncCount - 1)] = v;
        pos[at(v)] = uncCount - 1;
        --uncCount;
        return i;
    }
    void unassign(int v, int i)
    {
        const int c = colour[at(v)];
        colour[at(v)] = 0;
        for (int k = adjStart[at(v)], e = adjStart[at(v) + 1]; k < e; ++k) {
            const int u = adj[at(k)];
            if (--counts(u)[c] == 0)
                --sat[at(u)];
            ++uncolNbrs[at(u)];
            rekey(u);
        }
        ++uncCount;
        const int last = unc[at(i)];
        unc[at(i)] = v;
        pos[at(v)] = i;
        unc[at(uncCount - 1)] = last;
        pos[at(last)] = uncCount - 1;
    }
    void poll()
    {
        run->setCaption(words->colorsSoFar + ": " + formatInt(upper) + ", " + words->lowerBound + ": " +
                        formatInt(lower) + "; " + run->words.pressQ);
        if (run->pollKey() == 'Q')
            quit = true;
    }
    // Greatest saturation, then most uncoloured neighbours, then lowest slot.
    int choose() const
    {
        int v = unc[0], kv = key[at(v)];
        for (int k = 1; k < uncCount; ++k) {
            const int u = unc[at(k)];
            if (key[at(u)] > kv) {
                v = u;
                kv = key[at(u)];
            }
        }
        return v;
    }
    void search(int cur)
    {
        if ((++nodes & 0x3FFF) == 0) {
            poll();
            if (quit)
                return;
        }
        if (uncCount == 0) {
            if (cur < upper) {
                upper = cur;
                best = colour;
                haveBest = true;
            }
            return;
        }
        if (upper == lower || cur >= upper)
            return;
        const int v = choose();
        const int* cv = counts(v);
        // A neighbour left with every colour below the upper bound around
        // it cannot be coloured with fewer colours than the best: such a
        // child is not entered (it would end at once, recording nothing).
        for (int c = 1; c <= cur; ++c) {
            if (cv[c])
                continue;
            const int i = assign(v, c);
            if (nbrSat < upper - 1)
                search(cur);
            unassign(v, i);
            if (quit || upper < cur + 1)
                return;
        }
        if (cur + 1 < upper) {
            const int i = assign(v, cur + 1);
            if (nbrSat < upper - 1)
                search(cur + 1);
            unassign(v, i);
        }
    }
};

} // namespace

std::vector<int> searchClique(const Graph& g, int& calls)
{
    CliqueSearch cs{g, 0, {}};
    cs.search(g.presentVertices(), {});
    calls = cs.calls;
    return cs.best;
}

ExactColouring exactColouring(const Graph& g, CircuitRun& run, const TreeWords& w)
{
    ExactColouring r;
    const int n = g.maxIndex() + 1;
    r.colour.assign(at(std::max(n, 0)), 0);
    DSatur d;
    d.slot = g.presentVertices();
    d.m = static_cast<int>(d.slot.size());
    if (d.m == 0) {
        r.complete = true;
        return r;
    }
    std::vector<int> index(at(n), -1);
    for (int i = 0; i < d.m; ++i)
        index[at(d.slot[at(i)])] = i;
    d.adjStart.assign(at(d.m) + 1, 0);
    for (int i = 0; i < d.m; ++i) {
        d.adjStart[at(i)] = static_cast<int>(d.adj.size());
        for (int j = 0; j < d.m; ++j)
            if (i != j && g.Adjacent(d.slot[at(i)], d.slot[at(j)]))
                d.adj.push_back(j);
    }
    d.adjStart[at(d.m)] = static_cast<int>(d.adj.size());
    d.stride = d.m + 2;
    d.cnt.assign(at(d.m) * at(d.stride), 0);
    d.colour.assign(at(d.m), 0);
    d.sat.assign(at(d.m), 0);
    d.uncolNbrs.resize(at(d.m));
    d.unc.resize(at(d.m));
    d.pos.resize(at(d.m));
    d.key.resize(at(d.m));
    for (int i = 0; i < d.m; ++i) {
        d.uncolNbrs[at(i)] = d.adjStart[at(i) + 1] - d.adjStart[at(i)];
        d.unc[at(i)] = d.pos[at(i)] = i;
        d.rekey(i);
    }
    d.uncCount = d.m;
    d.run = &run;
    d.words = &w;

    std::vector<int> clique = searchClique(g, r.cliqueCalls);
    std::sort(clique.begin(), clique.end());
    int k = 0;
    for (int v : clique)
        d.assign(index[at(v)], ++k);
    d.lower = k;
    d.upper = d.m;
    // Until something better is found, every vertex its own colour is the
    // proper colouring the upper bound stands for.
    d.best.resize(at(d.m));
    for (int i = 0; i < d.m; ++i)
        d.best[at(i)] = i + 1;
    d.search(k);
    r.nodes = d.nodes;
    r.lowerBound = d.lower;
    r.complete = !d.quit;
    run.stopped = d.quit;
    if (d.quit && !d.haveBest && d.upper == d.m && d.m > k) {
        r.colours = 0; // nothing better than one colour per vertex yet
        return r;
    }
    r.colours = d.upper;
    for (int i = 0; i < d.m; ++i)
        r.colour[at(d.slot[at(i)])] = d.best[at(i)];
    return r;
}

int ColourVertices(Graph& g, bool welshPowell, Random& rng, CircuitRun& run, const TreeWords& w)
{
    run.stopped = false;
    if (!welshPowell && CountComponents(g) != 0)
        return codeOf(Msg::GraphNotConnected);
    g.ClearSolution(false);
    g.digraph = false;
    if (!welshPowell)
        run.slowMotion = false;
    g.ComputeValences();
    g.solution.colorDisplay = true;
    for (int v = 0; v < g.slots(); ++v)
        if (g.color(v) != 0)
            g.setColor(v, 0);
    if (welshPowell) {
        const int used = WelshPowellColouring(g, rng, run);
        g.solution.mode = DisplayMode::WelshPowell;
        g.solution.setSummary(w.colorsUsed + ": " + formatInt(used));
        return 0;
    }
    run.setCaption(run.words.pressQ);
    const ExactColouring c = exactColouring(g, run, w);
    if (c.colours == 0) {
        g.solution.colorDisplay = false;
        return 0;
    }
    for (int v : g.presentVertices())
        g.setColor(v, c.colour[at(v)]);
    std::string s = w.colorsUsed + ": " + formatInt(c.colours);
    if (!c.complete)
        s += " (" + w.notProvenMinimal + ")";
    g.solution.setSummary(s);
    return 0;
}

// --- orientation ------------------------------------------------------------------------------

int OrientRandomly(Graph& g, Random& rng, CircuitRun& run, const TreeWords& w)
{
    run.stopped = false;
    if (!Reachable(g, false))
        return codeOf(Msg::GraphNotConnected);
    const int n = g.maxIndex() + 1;
    // The directions as they were, to put back after Q.
    std::vector<int> before;
    const auto edges = g.edges();
    for (const auto& [lo, hi] : edges)
        before.push_back(g.Direction(lo, hi));
    std::vector<char> directed(at(n) * at(n), 0);
    auto isDirected = [&](int a, int b) -> char& { return directed[at(std::min(a, b)) * at(n) + at(std::max(a, b))]; };
    for (const auto& [lo, hi] : edges)
        g.SetDirection(lo, hi, 0);
    std::vector<std::vector<int>> nbrs(at(n));
    for (const auto& [lo, hi] : edges) {
        nbrs[at(lo)].push_back(hi);
        nbrs[at(hi)].push_back(lo);
    }
    for (auto& l : nbrs)
        std::sort(l.begin(), l.end());
    run.setCaption(run.words.pressQ);
    size_t firstOpen = 0;
    std::vector<char> onWalk(at(n), 0);
    std::vector<int> walk, cand;
    for (;;) {
        while (firstOpen < edges.size() && isDirected(edges[firstOpen].first, edges[firstOpen].second))
            ++firstOpen;
        if (firstOpen == edges.size())
            break;
        if (run.pollKey() == 'Q') {
            for (size_t k = 0; k < edges.size(); ++k)
                g.SetDirection(edges[k].first, edges[k].second, before[k]);
            run.stopped = true;
            return 0;
        }
        const auto [lo, hi] = edges[firstOpen];
        walk.assign({lo, hi});
        onWalk[at(lo)] = onWalk[at(hi)] = 1;
        bool closed = false;
        for (;;) {
            const int cur = walk.back();
            cand.clear();
            for (int u : nbrs[at(cur)])
                if (!onWalk[at(u)] || (u == lo && walk.size() > 2))
                    cand.push_back(u);
            if (cand.empty())
                break;
            const int next = cand[at(rng.below(static_cast<int32_t>(cand.size())))];
            walk.push_back(next);
            if (next == lo) {
                closed = true;
                break;
            }
            onWalk[at(next)] = 1;
        }
        for (int v : walk)
            onWalk[at(v)] = 0;
        if (!closed)
            continue;
        for (size_t k = 0; k + 1 < walk.size(); ++k) {
            g.SetDirection(walk[k], walk[k + 1], 1);
            isDirected(walk[k], walk[k + 1]) = 1;
        }
    }
    g.digraph = true;
    g.ClearSolution(false);
    g.ComputeValences();
    g.solution.setSummary(w.orientation);
    g.modified = true;
    return 0;
}

// --- edge-set changes ---------------------------------------------------------------------------

void Complement(Graph& g)
{
    // The temporary distance-rank graph goes first: its edges are no part
    // of the graph to complement.
    dropDistanceRankGraph(g);
    g.digraph = false;
    g.weightsShown = false;
    const std::vector<int> vs = g.presentVertices();
    for (size_t i = 0; i < vs.size(); ++i)
        for (size_t j = i + 1; j < vs.size(); ++j) {
            const bool had = g.Adjacent(vs[i], vs[j]);
            g.SetWeight(vs[i], vs[j], had ? kNoEdge : 0);
            g.SetDirection(vs[i], vs[j], 0);
        }
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
}

void MakeComplete(Graph& g)
{
    dropDistanceRankGraph(g);
    g.digraph = false;
    g.weightsShown = false;
    const std::vector<int> vs = g.presentVertices();
    for (size_t i = 0; i < vs.size(); ++i)
        for (size_t j = i + 1; j < vs.size(); ++j) {
            g.SetWeight(vs[i], vs[j], 0);
            g.SetDirection(vs[i], vs[j], 0);
        }
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
}

Real longestEdge(const Graph& g)
{
    Real m = 0;
    for (const auto& [lo, hi] : g.edges())
        m = std::max(m, vertexDistance(g, lo, hi));
    return m;
}

int DistanceWeights(Graph& g, long long greatest)
{
    dropDistanceRankGraph(g);
    const Real m = longestEdge(g);
    if (m < 1e-13L)
        return codeOf(Msg::NothingToDo);
    if (greatest < 2 || greatest > kMaxWeight)
        return codeOf(Msg::OutOfBounds);
    const Real f = static_cast<Real>(greatest) / m;
    for (const auto& [lo, hi] : g.edges())
        g.SetWeight(lo, hi, static_cast<int>(vertexDistance(g, lo, hi) * f));
    g.digraph = false;
    g.weightsShown = true;
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
    return 0;
}

} // namespace quan
