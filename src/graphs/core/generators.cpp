#include "graphs/core/generators.h"

#include "core/msgcode.h"
#include "core/numberscan.h"
#include "graphs/core/notation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace quan {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

size_t at(int i) { return static_cast<size_t>(i); }

// A fresh document in the same slots, keeping the label state new vertices
// take: the generators build into it and swap it in on success.
Graph freshGraph(const Graph& g)
{
    Graph h(g.slots());
    h.newLabelState = g.newLabelState;
    return h;
}

void join(Graph& g, int a, int b)
{
    if (a != b && g.present(a) && g.present(b) && !g.Adjacent(a, b)) {
        g.SetWeight(a, b, 0);
        g.SetDirection(a, b, 0);
    }
}

void circleLayout(Graph& g, int n, const ExampleView& view)
{
    const Real rho = 0.8L * std::min(view.rx, view.ry);
    for (int i = 0; i < n; ++i) {
        const Real theta = 2 * kPi * i / n;
        g.addVertexInSlot(i, rho * std::cos(theta), rho * std::sin(theta));
    }
}

// The end of every generator: no solution (best reset), valences counted,
// marked modified; then the new graph replaces the old.
void install(Graph& g, Graph& h)
{
    h.ClearSolution(true);
    h.ComputeValences();
    h.modified = true;
    g = std::move(h);
}

int code(Msg m) { return codeOf(m); }

} // namespace

// --- circles and grids ----------------------------------------------------------

int parseSeparations(const std::string& text, long long n, std::vector<int>& separations)
{
    const std::vector<Real> numbers = scanNumbers(text, 1000);
    if (numbers.empty())
        return code(Msg::OutOfBounds);
    std::vector<int> out;
    for (Real r : numbers) {
        const int32_t s = roundHalfDown(r);
        if (s < 1 || s > n - 1)
            return code(Msg::OutOfBounds);
        out.push_back(s);
    }
    separations = std::move(out);
    return 0;
}

int MakeCircle(Graph& g, CircleKind kind, long long n, const std::vector<int>& separations, const ExampleView& view)
{
    if (n < 3 || n > g.slots())
        return code(Msg::OutOfBounds);
    const int m = static_cast<int>(n);
    if (kind == CircleKind::Circulant) {
        if (separations.empty())
            return code(Msg::OutOfBounds);
        for (int s : separations)
            if (s < 1 || s > m - 1)
                return code(Msg::OutOfBounds);
    }
    Graph h = freshGraph(g);
    circleLayout(h, m, view);
    switch (kind) {
    case CircleKind::Points:
        break;
    case CircleKind::Cycle:
        for (int i = 0; i < m; ++i)
            join(h, i, (i + 1) % m);
        break;
    case CircleKind::Complete:
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < i; ++j)
                join(h, i, j);
        break;
    case CircleKind::Circulant:
        for (int s : separations)
            for (int i = 0; i < m; ++i)
                join(h, i, (i + s) % m);
        break;
    }
    install(g, h);
    return 0;
}

int MakeGrid(Graph& g, long long rows, long long columns, bool streets, const ExampleView& view)
{
    // Each factor is checked before the product is formed.
    if (rows < 1 || columns < 1 || rows > g.slots() || columns > g.slots() || rows * columns > g.slots())
        return code(Msg::OutOfBounds);
    Graph h = freshGraph(g);
    if (!gridExample(h, static_cast<int>(rows), static_cast<int>(columns), view, streets))
        return code(Msg::OutOfBounds);
    install(g, h);
    return 0;
}

// --- rings -----------------------------------------------------------------------

int petersenOffset(long long n, long long k, int slots, int& offset)
{
    if (n < 3 || n > slots || 2 * n > slots || k < 1 || k % n == 0)
        return code(Msg::InconsistentData);
    long long kk = k % n;
    if (2 * kk > n)
        kk = n - kk;
    offset = static_cast<int>(kk);
    return 0;
}

int RingGraph(Graph& g, long long n, long long k, bool moebius, const ExampleView& view)
{
    if (n < 3 || n > g.slots() || 2 * n > g.slots() || k < 1 || k >= n)
        return code(Msg::OutOfBounds);
    const int m = static_cast<int>(n), kk = static_cast<int>(k);
    Graph h = freshGraph(g);
    const Real R = 0.84L * std::min(view.rx, view.ry);
    const Real f = 0.75L * m / kGraphSlots + 0.5L;
    for (int i = 0; i < m; ++i) {
        const Real theta = 2 * kPi * i / m;
        h.addVertexInSlot(i, view.cx + R * std::cos(theta), view.cy + R * std::sin(theta));
        h.addVertexInSlot(m + i, view.cx + R * f * std::cos(theta), view.cy + R * f * std::sin(theta));
    }
    for (int i = 0; i < m; ++i) {
        join(h, i, m + i);
        join(h, i, (i + 1) % m);
        join(h, m + i, m + (i + kk) % m);
    }
    if (moebius) {
        h.DeleteEdge(0, 1);
        h.DeleteEdge(m, m + 1);
        join(h, 0, m + 1);
        join(h, m, 1);
    }
    install(g, h);
    return 0;
}

// --- random TSP and Kruskal ---------------------------------------------------------

void drawDistinctWeights(Graph& g, int hi, Random& rng)
{
    const int span = hi - 4; // the values 5..hi
    std::vector<char> used(at(span), 0);
    for (const auto& [a, b] : g.edges()) {
        int v;
        do
            v = rng.below(span);
        while (used[at(v)]);
        used[at(v)] = 1;
        g.SetWeight(a, b, 5 + v);
    }
}

namespace {

// The weights of the present vertices as a dense matrix (vertex order the
// slot order).
struct Dense {
    int m = 0;
    std::vector<int> w;
    std::vector<int> vs;
    explicit Dense(const Graph& g) : vs(g.presentVertices())
    {
        m = static_cast<int>(vs.size());
        w.assign(at(m) * at(m), 0);
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < m; ++j)
                if (i != j)
                    w[at(i) * at(m) + at(j)] = g.Weight(vs[at(i)], vs[at(j)]);
    }
    int operator()(int i, int j) const { return w[at(i) * at(m) + at(j)]; }
};

} // namespace

namespace {

// rng.below(d) for one divisor d > 0 drawn from many times: the remainder
// of the 31-bit draw by multiplication with a precomputed reciprocal
// (exact for every 32-bit numerator and divisor: Lemire, Kaser and Kurz,
// "Faster remainder by direct computation", 2019) instead of a division.
class Below {
public:
    explicit Below(int32_t d) : d_(static_cast<uint64_t>(d)), m_(~uint64_t{0} / d_ + 1) {}
    int32_t operator()(Random& rng) const
    {
        const uint64_t low = m_ * static_cast<uint64_t>(static_cast<uint32_t>(rng.next()));
        // The high 64 bits of the 96-bit product low x d.
        const uint64_t hi = (low >> 32) * d_ + (((low & 0xFFFFFFFFu) * d_) >> 32);
        return static_cast<int32_t>(hi >> 32);
    }

private:
    uint64_t d_, m_;
};

} // namespace

long long bestRandomTour(const Graph& g, int tours, Random& rng)
{
    const Dense d(g);
    const int m = d.m;
    if (m < 2)
        return 0;
    const Below below(m);
    std::vector<int> work(at(m));
    std::iota(work.begin(), work.end(), 0);
    long long best = -1;
    for (int t = 0; t < tours; ++t) {
        for (int k = 0; k < m; ++k) {
            const int i = below(rng);
            const int j = below(rng);
            std::swap(work[at(i)], work[at(j)]);
        }
        long long sum = d(work[at(m - 1)], work[0]);
        for (int k = 0; k + 1 < m; ++k)
            sum += d(work[at(k)], work[at(k + 1)]);
        if (best < 0 || sum < best)
            best = sum;
    }
    return best;
}

long long sortedEdgesTotal(const Graph& g, Random& rng)
{
    std::vector<WeightedEdge> list;
    for (const auto& [lo, hi] : g.edges())
        list.push_back({hi, lo, g.Weight(lo, hi)});
    SortEdges(list, false, rng);
    const int n = g.maxIndex() + 1, count = g.count();
    std::vector<int> degree(at(std::max(n, 0)), 0), comp(at(std::max(n, 0)));
    std::iota(comp.begin(), comp.end(), 0);
    auto find = [&](int v) {
        while (comp[at(v)] != v)
            v = comp[at(v)] = comp[at(comp[at(v)])];
        return v;
    };
    long long total = 0;
    int accepted = 0;
    for (const WeightedEdge& e : list) {
        if (accepted == count)
            break;
        if (degree[at(e.a)] >= 2 || degree[at(e.b)] >= 2)
            continue;
        if (find(e.a) == find(e.b) && accepted < count - 1)
            continue;
        ++degree[at(e.a)];
        ++degree[at(e.b)];
        total += e.weight;
        comp[at(find(e.a))] = find(e.b);
        ++accepted;
    }
    return total;
}

int RandomTSP(Graph& g, long long n, const ExampleView& view, Random& rng, CircuitRun& run, TspRun* out)
{
    run.stopped = false;
    if (n < 3 || n > g.slots())
        return code(Msg::OutOfBounds);
    // n(n-1)/2 distinct weights from 5..min(n^2 + 4, 32767) fit up to 256.
    if (n > 256)
        return code(Msg::OutOfBounds);
    const int m = static_cast<int>(n);
    const int hi = static_cast<int>(std::min<long long>(n * n + 4, kMaxWeight));
    Graph h = freshGraph(g);
    circleLayout(h, m, view);
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < i; ++j)
            join(h, i, j);
    TspRun r;
    for (;;) {
        ++r.rounds;
        std::string caption = run.words.pressQ;
        caption += "  ";
        caption += formatInt(r.rounds);
        run.setCaption(caption);
        drawDistinctWeights(h, hi, rng);
        r.randomBest = bestRandomTour(h, 511, rng);
        r.sortedTotal = sortedEdgesTotal(h, rng);
        // Three vertices have one tour: no round can separate the two.
        if (r.sortedTotal > r.randomBest || m > 16 || m == 3)
            break;
        if (run.pollKey() == 'Q') {
            run.stopped = true;
            break;
        }
    }
    h.weightsShown = true;
    install(g, h);
    if (out)
        *out = r;
    return 0;
}

int RandomKruskal(Graph& g, long long rows, long long columns, int low, int high, const ExampleView& view,
                  Random& rng)
{
    if (low > high)
        std::swap(low, high);
    Graph h = g;
    if (int c = MakeGrid(h, rows, columns, true, view))
        return c;
    for (const auto& [a, b] : h.edges())
        h.SetWeight(a, b, low + rng.below(high - low + 1));
    h.weightsShown = true;
    install(g, h);
    return 0;
}

// --- valences ---------------------------------------------------------------------

namespace {

std::vector<std::vector<int>> neighbourLists(const Graph& g)
{
    const int n = g.maxIndex() + 1;
    std::vector<std::vector<int>> nb(at(std::max(n, 0)));
    for (const auto& [a, b] : g.edges()) {
        nb[at(a)].push_back(b);
        nb[at(b)].push_back(a);
    }
    for (auto& l : nb)
        std::sort(l.begin(), l.end());
    return nb;
}

// The component number of every present vertex (-1 for absent slots).
std::vector<int> componentsOf(const Graph& g, int& count)
{
    const int n = g.maxIndex() + 1;
    std::vector<int> comp(at(std::max(n, 0)), -1);
    const std::vector<std::vector<int>> nb = neighbourLists(g);
    count = 0;
    std::vector<int> stack;
    for (int s = 0; s < n; ++s) {
        if (!g.present(s) || comp[at(s)] >= 0)
            continue;
        comp[at(s)] = count;
        stack.push_back(s);
        while (!stack.empty()) {
            const int v = stack.back();
            stack.pop_back();
            for (int w : nb[at(v)])
                if (comp[at(w)] < 0) {
                    comp[at(w)] = count;
                    stack.push_back(w);
                }
        }
        ++count;
    }
    return comp;
}

// An edge of a circuit: leaves pruned away (on a copy of the degrees),
// then a walk from the first vertex left that never turns back along the
// edge it just used, until a vertex repeats; {a, b} is the edge that
// closed the circuit. False when the graph is a forest.
bool circuitEdge(const std::vector<std::vector<int>>& nb, int& a, int& b)
{
    const int n = static_cast<int>(nb.size());
    std::vector<int> deg(at(n));
    std::vector<char> gone(at(n), 0);
    std::vector<int> leaves;
    for (int v = 0; v < n; ++v) {
        deg[at(v)] = static_cast<int>(nb[at(v)].size());
        if (deg[at(v)] <= 1)
            leaves.push_back(v);
    }
    while (!leaves.empty()) {
        const int v = leaves.back();
        leaves.pop_back();
        if (gone[at(v)])
            continue;
        gone[at(v)] = 1;
        for (int w : nb[at(v)])
            if (!gone[at(w)] && --deg[at(w)] == 1)
                leaves.push_back(w);
    }
    int start = -1;
    for (int v = 0; v < n && start < 0; ++v)
        if (!gone[at(v)] && deg[at(v)] > 0)
            start = v;
    if (start < 0)
        return false;
    // Every vertex left has at least two neighbours left, so the walk can
    // always go on without turning back.
    std::vector<char> seen(at(n), 0);
    seen[at(start)] = 1;
    int prev = -1, cur = start;
    for (;;) {
        int next = -1;
        for (int w : nb[at(cur)])
            if (!gone[at(w)] && w != prev && (next < 0 || w < next))
                next = w;
        if (next < 0)
            return false;
        if (seen[at(next)]) {
            a = cur;
            b = next;
            return true;
        }
        seen[at(next)] = 1;
        prev = cur;
        cur = next;
    }
}

void dropFrom(std::vector<int>& l, int v) { l.erase(std::find(l.begin(), l.end(), v)); }

} // namespace

int ConnectComponents(Graph& g)
{
    int components = 0;
    // The components at the start; an exchange merges two of them
    // (removing {a, b} from a circuit keeps a's component whole; whatever
    // removing {x, y} cuts off, {a, x} and {b, y} join to it), so a union
    // of their numbers follows them.
    const std::vector<int> comp = componentsOf(g, components);
    std::vector<int> parent(at(components));
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int c) {
        while (parent[at(c)] != c)
            c = parent[at(c)] = parent[at(parent[at(c)])];
        return c;
    };
    std::vector<std::vector<int>> nb = neighbourLists(g);
    for (; components > 1; --components) {
        int a = -1, b = -1;
        if (!circuitEdge(nb, a, b))
            return code(Msg::InconsistentData);
        const int ca = find(comp[at(a)]);
        int x = -1;
        for (int v = 0; v <= g.maxIndex() && x < 0; ++v)
            if (g.present(v) && find(comp[at(v)]) != ca)
                x = v;
        if (x < 0 || nb[at(x)].empty())
            return code(Msg::InconsistentData);
        const int y = *std::min_element(nb[at(x)].begin(), nb[at(x)].end());
        g.DeleteEdge(a, b);
        g.DeleteEdge(x, y);
        join(g, a, x);
        join(g, b, y);
        dropFrom(nb[at(a)], b);
        dropFrom(nb[at(b)], a);
        dropFrom(nb[at(x)], y);
        dropFrom(nb[at(y)], x);
        nb[at(a)].push_back(x);
        nb[at(x)].push_back(a);
        nb[at(b)].push_back(y);
        nb[at(y)].push_back(b);
        parent[at(find(comp[at(x)]))] = ca;
    }
    return 0;
}

int GraphFromValences(Graph& g, const std::vector<Real>& numbers, bool more, bool connected,
                      const ExampleView& view, Random& rng)
{
    if (more || numbers.size() > static_cast<size_t>(g.slots()))
        return code(Msg::TooManyPoints);
    const int n = static_cast<int>(numbers.size());
    if (n < 2)
        return code(Msg::NotEnoughData);
    std::vector<int> d(at(n));
    long long sum = 0;
    bool allPositive = true;
    for (int i = 0; i < n; ++i) {
        const int32_t v = roundHalfDown(numbers[at(i)]);
        if (v < 0 || v >= n)
            return code(Msg::InconsistentData);
        d[at(i)] = v;
        sum += v;
        allPositive = allPositive && v > 0;
    }
    if (sum % 2 != 0 || sum > static_cast<long long>(n) * (n - 1))
        return code(Msg::InconsistentData);

    Graph h = freshGraph(g);
    circleLayout(h, n, view);
    // (vertex, remaining valence), kept in decreasing order of valence.
    std::vector<WeightedEdge> list(at(n));
    for (int i = 0; i < n; ++i)
        list[at(i)] = {i, 0, d[at(i)]};
    SortEdges(list, true, rng);
    // The entries still positive, at the front of the list: settled ones
    // (valence 0) leave it, so each sort covers only what is left. Ties
    // are drawn the same way whether the zeros are there or not.
    while (!list.empty() && list[0].weight > 0) {
        const int k = list[0].weight;
        for (int j = 1; j <= k; ++j) {
            if (j >= static_cast<int>(list.size()) || list[at(j)].weight <= 0)
                return code(Msg::IncompatibleValences);
            WeightedEdge& e = list[at(j)];
            --e.weight;
            join(h, list[0].a, e.a);
        }
        list.erase(list.begin());
        list.erase(std::remove_if(list.begin(), list.end(), [](const WeightedEdge& e) { return e.weight == 0; }),
                   list.end());
        // Entries 0..k-1 were lowered by one and stay in order; only the
        // run where they meet the unchanged rest may be out of order.
        const int size = static_cast<int>(list.size());
        if (k - 1 < size && k >= 1) {
            const int low = list[at(k - 1)].weight; // a lowered entry
            int first = k - 1;
            while (first > 0 && list[at(first - 1)].weight <= low + 1)
                --first;
            int last = k;
            while (last < size && list[at(last)].weight >= low)
                ++last;
            std::vector<WeightedEdge> run(list.begin() + first, list.begin() + last);
            SortEdges(run, true, rng);
            std::copy(run.begin(), run.end(), list.begin() + first);
        }
    }
    if (connected && allPositive && sum >= 2LL * n - 2)
        if (int c = ConnectComponents(h))
            return c;
    for (int v = 0; v < n; ++v)
        h.setLabelState(v, labelState(TextValence, h.label(v).icon()));
    install(g, h);
    return 0;
}

int GraphFromValencesText(Graph& g, const std::string& text, bool connected, const ExampleView& view, Random& rng)
{
    bool more = false;
    const std::vector<Real> numbers = scanNumbers(text, static_cast<size_t>(g.slots()), &more);
    return GraphFromValences(g, numbers, more, connected, view, rng);
}

int RandomTree(Graph& g, long long n, bool directed, const ExampleView& view, Random& rng)
{
    if (n < 2 || n > 285 || n > g.slots())
        return code(Msg::PositiveValue);
    const int m = static_cast<int>(n);
    std::vector<Real> valences(at(m), 1);
    for (int k = 0; k < m - 2; ++k)
        valences[at(rng.below(m))] += 1;
    Graph h = freshGraph(g);
    if (int c = GraphFromValences(h, valences, false, true, view, rng))
        return c;
    // Renumber in depth-first order from slot 0, keeping the circle
    // positions by number, so the tree follows the circle.
    const std::vector<std::vector<int>> nb = neighbourLists(h);
    std::vector<int> order, stack{0};
    std::vector<char> seen(at(m), 0);
    while (!stack.empty()) {
        const int v = stack.back();
        stack.pop_back();
        if (seen[at(v)])
            continue;
        seen[at(v)] = 1;
        order.push_back(v);
        for (auto it = nb[at(v)].rbegin(); it != nb[at(v)].rend(); ++it)
            if (!seen[at(*it)])
                stack.push_back(*it);
    }
    if (static_cast<int>(order.size()) != m)
        return code(Msg::InconsistentData);
    std::vector<int> newOf(at(m));
    for (int k = 0; k < m; ++k)
        newOf[at(order[at(k)])] = k;
    Graph t = freshGraph(g);
    circleLayout(t, m, view);
    for (const auto& [a, b] : h.edges())
        join(t, newOf[at(a)], newOf[at(b)]);
    if (directed)
        RandomDirections(t, rng);
    install(g, t);
    return 0;
}

// --- random planar ------------------------------------------------------------------

int planarRows(int n)
{
    int t = 0;
    while ((t + 1) * (t + 2) / 2 <= n)
        ++t;
    return t;
}

int RandomPlanar(Graph& g, long long n, Random& rng)
{
    if (n < 6 || n > g.slots())
        return code(Msg::OutOfBounds);
    const int m = static_cast<int>(n);
    Graph h = freshGraph(g);
    // Angle positions drawn without repetition (a partial shuffle).
    std::vector<int> positions(at(m));
    std::iota(positions.begin(), positions.end(), 0);
    for (int i = 0; i < m; ++i) {
        const int k = i + rng.below(m - i);
        std::swap(positions[at(i)], positions[at(k)]);
        const Real theta = 2 * kPi * positions[at(i)] / m;
        h.addVertexInSlot(i, std::cos(theta), std::sin(theta));
    }
    const int t = planarRows(m), T = t * (t + 1) / 2;
    auto node = [](int r, int j) { return r * (r + 1) / 2 + j; };
    std::vector<std::pair<int, int>> lattice;
    for (int r = 0; r + 1 < t; ++r)
        for (int j = 0; j <= r; ++j) {
            lattice.emplace_back(node(r, j), node(r + 1, j));
            lattice.emplace_back(node(r, j), node(r + 1, j + 1));
            lattice.emplace_back(node(r + 1, j), node(r + 1, j + 1));
        }
    for (const auto& [a, b] : lattice)
        join(h, a, b);
    for (int v = T; v < m; ++v) {
        const auto& [a, b] = lattice[at(rng.below(static_cast<int32_t>(lattice.size())))];
        join(h, v, a);
        join(h, v, b);
    }
    install(g, h);
    return 0;
}

// --- randomize ----------------------------------------------------------------------

void RandomConnections(Graph& g, Random& rng)
{
    g.ClearEdges();
    const int top = g.maxIndex();
    for (int k = 0; k < 2 * top; ++k) {
        const int a = rng.below(top + 1);
        const int b = rng.below(top + 1);
        if (g.present(a) && g.present(b) && b < a) {
            g.SetWeight(a, b, 0);
            g.SetDirection(a, b, 0);
        }
    }
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
}

void RandomDirections(Graph& g, Random& rng)
{
    g.digraph = true;
    for (const auto& [lo, hi] : g.edges())
        g.SetDirection(hi, lo, rng.bit() ? 1 : -1);
    g.ComputeValences();
    g.modified = true;
}

void RandomWeights(Graph& g, int low, int high, Random& rng)
{
    if (low > high)
        std::swap(low, high);
    g.weightsShown = true;
    for (const auto& [a, b] : g.edges())
        g.SetWeight(a, b, low + rng.below(high - low + 1));
    g.modified = true;
}

// --- named examples -------------------------------------------------------------------

namespace {

// The vertex counts of the ten, by string id 1008..1017: the dodecahedron,
// Faulkner-Younger 42 and 44, Thomassen 94, Tutte 46, Herschel, Grinberg 42,
// 44 and 46, Barnette 38.
constexpr int kNamedVertices[kNamedGraph6Count] = {20, 42, 44, 94, 46, 11, 42, 44, 46, 38};

} // namespace

int namedGraph6Vertices(int index)
{
    return index >= 0 && index < kNamedGraph6Count ? kNamedVertices[index] : 0;
}

int LoadNamedGraph6(Graph& g, const std::string& g6, const ExampleView& view, FaceList& faces)
{
    if (g6.size() > kNamedGraph6MaxLength)
        return code(Msg::CannotUnderstand);
    Graph h = freshGraph(g);
    const int c = ReadGraph6(h, g6, view);
    if (c != 0)
        return c;
    FaceList f;
    // Each is a polyhedron: drawn without crossings on a largest face.
    if (polyhedralLayout(h, view, f))
        faces = std::move(f);
    else
        faces = FaceList{};
    install(g, h);
    return 0;
}

int LoadMiscGraph(Graph& g, MiscGraph which, const ExampleView& view)
{
    Graph h = freshGraph(g);
    const Real rho = 0.8L * std::min(view.rx, view.ry);
    auto ring = [&](int first, int count, Real radius, Real turn) {
        for (int i = 0; i < count; ++i) {
            const Real theta = kPi / 2 + turn + 2 * kPi * i / count;
            h.addVertexInSlot(first + i, view.cx + radius * std::cos(theta), view.cy + radius * std::sin(theta));
        }
    };
    switch (which) {
    case MiscGraph::Utilities: // houses 0..2 above, utilities 3..5 below
        for (int i = 0; i < 3; ++i) {
            h.addVertexInSlot(i, view.cx + rho * (i - 1), view.cy + rho / 2);
            h.addVertexInSlot(3 + i, view.cx + rho * (i - 1), view.cy - rho / 2);
        }
        for (int i = 0; i < 3; ++i)
            for (int j = 3; j < 6; ++j)
                join(h, i, j);
        break;
    case MiscGraph::Desargues: {
        Graph d = freshGraph(g);
        if (int c = RingGraph(d, 10, 3, false, view))
            return c;
        h = std::move(d);
        break;
    }
    case MiscGraph::GoldnerHarary: {
        // The triangular bipyramid (triangle 0, 1, 2, poles 3 and 4) with a
        // vertex stacked into each of its six faces. Drawn on the face
        // {4, 0, 1}: 2 inside it, 3 inside {0, 1, 2}; the vertex stacked
        // into the outer face goes outside, above 4.
        const Real u = 0.8L * rho;
        const Real pos[5][2] = {{-1, -1}, {1, -1}, {0, -0.2L}, {0, -0.6L}, {0, 0.5L}};
        for (int i = 0; i < 5; ++i)
            h.addVertexInSlot(i, view.cx + u * pos[i][0], view.cy + u * pos[i][1]);
        for (int i = 0; i < 3; ++i) {
            join(h, i, (i + 1) % 3);
            join(h, 3, i);
            join(h, 4, i);
        }
        int v = 5;
        const int faces[6][3] = {{3, 0, 1}, {3, 1, 2}, {3, 2, 0}, {4, 1, 2}, {4, 2, 0}, {4, 0, 1}};
        for (const auto& f : faces) {
            Real x = 0, y = 0;
            for (int k : f) {
                x += h.x(k);
                y += h.y(k);
            }
            if (v == 10)
                h.addVertexInSlot(v, view.cx, view.cy + u);
            else
                h.addVertexInSlot(v, x / 3, y / 3);
            for (int k : f)
                join(h, v, k);
            ++v;
        }
        break;
    }
    case MiscGraph::Grotzsch: {
        // The 5-cycle 0..4, its shadows 5..9 (each joined to the cycle
        // neighbours of its vertex) and the apex 10 joined to every shadow.
        ring(0, 5, rho, 0);
        ring(5, 5, rho / 2, 0);
        h.addVertexInSlot(10, view.cx, view.cy);
        for (int i = 0; i < 5; ++i) {
            join(h, i, (i + 1) % 5);
            join(h, 5 + i, (i + 1) % 5);
            join(h, 5 + i, (i + 4) % 5);
            join(h, 10, 5 + i);
        }
        break;
    }
    case MiscGraph::Heawood: // LCF [5,-5]^7
        ring(0, 14, rho, 0);
        for (int i = 0; i < 14; ++i) {
            join(h, i, (i + 1) % 14);
            join(h, i, (i + (i % 2 == 0 ? 5 : 9)) % 14);
        }
        break;
    case MiscGraph::Holt: {
        // Vertices (x, y) of Z9 x Z3 in slot 9y + x: (x, y) is joined to
        // (4x +- 1, y + 1), and so to (7x +- 7, y - 1).
        ring(0, 9, rho, 0);
        ring(9, 9, rho * 2 / 3, kPi / 9);
        ring(18, 9, rho / 3, 2 * kPi / 9);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 9; ++x) {
                const int v = 9 * y + x, y1 = (y + 1) % 3;
                join(h, v, 9 * y1 + (4 * x + 1) % 9);
                join(h, v, 9 * y1 + (4 * x + 8) % 9);
            }
        break;
    }
    }
    install(g, h);
    return 0;
}

int KnightBoard(Graph& g, long long n, const ExampleView& view)
{
    if (n < 3 || n > g.slots() || n * n > g.slots())
        return code(Msg::OutOfBounds);
    const int m = static_cast<int>(n);
    Graph h = freshGraph(g);
    if (!gridExample(h, m, m, view, false))
        return code(Msg::OutOfBounds);
    static const int moves[4][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}};
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < m; ++j)
            for (const auto& mv : moves) {
                const int r = i + mv[0], c = j + mv[1];
                if (r >= 0 && r < m && c >= 0 && c < m)
                    join(h, m * i + j, m * r + c);
            }
    install(g, h);
    return 0;
}

} // namespace quan
