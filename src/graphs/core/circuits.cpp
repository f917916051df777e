#include "graphs/core/circuits.h"

#include "core/msgcode.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <numeric>

namespace quan {

namespace {

constexpr const char* kEol = "\r\n";

// Adjacency as bit rows over slots 0..n-1: row v holds the u that the walk
// may go to from v (all neighbours, or in digraph mode those with direction
// 1 or 2 seen from v).
struct BitRows {
    int n = 0, words = 0;
    std::vector<uint64_t> bits;

    BitRows(const Graph& g, bool forwardOnly)
    {
        n = g.maxIndex() + 1;
        words = (n + 63) / 64;
        bits.assign(static_cast<size_t>(n) * static_cast<size_t>(words ? words : 1), 0);
        for (int v = 0; v < n; ++v) {
            if (!g.present(v))
                continue;
            for (int u = 0; u < n; ++u) {
                if (!g.present(u) || !g.Adjacent(v, u))
                    continue;
                if (forwardOnly) {
                    const int d = g.Direction(v, u);
                    if (d != 1 && d != 2)
                        continue;
                }
                row(v)[u >> 6] |= uint64_t{1} << (u & 63);
            }
        }
    }
    uint64_t* row(int v) { return bits.data() + static_cast<size_t>(v) * static_cast<size_t>(words); }
    const uint64_t* row(int v) const { return bits.data() + static_cast<size_t>(v) * static_cast<size_t>(words); }
    bool has(int v, int u) const { return (row(v)[u >> 6] >> (u & 63)) & 1; }
};

// The visited set to start from: absent slots and the bits beyond n.
std::vector<uint64_t> absentMask(const Graph& g, int words)
{
    const int n = g.maxIndex() + 1;
    std::vector<uint64_t> m(static_cast<size_t>(words), 0);
    for (int v = 0; v < words * 64; ++v)
        if (v >= n || !g.present(v))
            m[static_cast<size_t>(v >> 6)] |= uint64_t{1} << (v & 63);
    return m;
}

std::string totalText(const CircuitWords& w, long long total)
{
    return w.totalWeight + " = " + formatInt(total);
}

void highlightTour(Graph& g, const std::vector<int>& tour)
{
    g.solution.edges.clear();
    for (size_t i = 0; i + 1 < tour.size(); ++i)
        g.solution.edges.emplace_back(tour[i], tour[i + 1]);
}

// A uniform present slot: a draw below maxIndex + 1, again while absent.
int randomPresent(const Graph& g, Random& rng)
{
    int s;
    do
        s = rng.below(g.maxIndex() + 1);
    while (!g.present(s));
    return s;
}

// The weights among the present vertices as a dense table, for the tour
// loops that run millions of times.
struct DenseWeights {
    std::vector<int> vs;
    std::vector<int> w;
    int m = 0;
    explicit DenseWeights(const Graph& g) : vs(g.presentVertices()), m(static_cast<int>(vs.size()))
    {
        w.assign(static_cast<size_t>(m) * static_cast<size_t>(m), 0);
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < m; ++j)
                if (i != j)
                    w[static_cast<size_t>(i * m + j)] =
                        g.Weight(vs[static_cast<size_t>(i)], vs[static_cast<size_t>(j)]);
    }
    int at(int i, int j) const { return w[static_cast<size_t>(i * m + j)]; }
};

// The bipartite test with directions ignored: -1 when not bipartite, else
// |colour 0 - colour 1|.
int bipartiteDifference(const Graph& g)
{
    const int n = g.maxIndex() + 1;
    std::vector<int> colour(static_cast<size_t>(n), -1);
    int c0 = 0, c1 = 0;
    std::vector<int> queue;
    for (int s = 0; s < n; ++s) {
        if (!g.present(s) || colour[static_cast<size_t>(s)] >= 0)
            continue;
        colour[static_cast<size_t>(s)] = 0;
        queue.assign(1, s);
        for (size_t h = 0; h < queue.size(); ++h) {
            const int v = queue[h];
            const int cv = colour[static_cast<size_t>(v)];
            (cv == 0 ? c0 : c1) += 1;
            for (int u = 0; u < n; ++u) {
                if (!g.present(u) || !g.Adjacent(v, u))
                    continue;
                int& cu = colour[static_cast<size_t>(u)];
                if (cu < 0) {
                    cu = 1 - cv;
                    queue.push_back(u);
                } else if (cu == cv) {
                    return -1;
                }
            }
        }
    }
    return std::abs(c0 - c1);
}

} // namespace

// --- shared steps ------------------------------------------------------------------------

void StepWait(CircuitRun& run)
{
    if (!run.slowMotion)
        return;
    run.redraw();
    run.setCaption(run.words.spacebar);
    for (;;) {
        const int k = run.pollKey();
        if (k == ' ')
            return;
        if (k == 'Q') {
            run.slowMotion = false;
            return;
        }
    }
}

bool IsComplete(Graph& g)
{
    g.ComputeValences();
    const std::vector<int> vs = g.presentVertices();
    for (int v : vs)
        for (int u : vs)
            if (u != v && !g.Adjacent(u, v))
                return false;
    return true;
}

bool Reachable(const Graph& g, bool directed)
{
    if (g.count() == 0)
        return true;
    const int n = g.maxIndex() + 1;
    std::vector<char> seen(static_cast<size_t>(n), 0);
    std::vector<int> queue{g.maxIndex()};
    seen[static_cast<size_t>(g.maxIndex())] = 1;
    for (size_t h = 0; h < queue.size(); ++h) {
        const int v = queue[h];
        for (int u = 0; u < n; ++u) {
            if (seen[static_cast<size_t>(u)] || !g.present(u) || !g.Adjacent(v, u))
                continue;
            if (directed) {
                const int d = g.Direction(v, u);
                if (d != 1 && d != 2)
                    continue;
            }
            seen[static_cast<size_t>(u)] = 1;
            queue.push_back(u);
        }
    }
    return static_cast<int>(queue.size()) == g.count();
}

int parseStartVertex(const Graph& g, const std::string& text, int& v)
{
    size_t b = text.find_first_not_of(' '), e = text.find_last_not_of(' ');
    const std::string name = b == std::string::npos ? "" : text.substr(b, e - b + 1);
    const int s = slotOfName(name, g.slots());
    if (s < 0)
        return codeOf(Msg::CannotUnderstand);
    if (!g.present(s))
        return codeOf(Msg::CouldNotFind);
    v = s;
    return 0;
}

std::string WriteTour(const Graph& g, const std::vector<int>& tour, const std::string& summary)
{
    std::string s = summary + kEol;
    for (size_t i = 0; i + 1 < tour.size(); ++i)
        s += g.messageName(tour[i]);
    return s + kEol + kEol;
}

long long walkTotal(const Graph& g, const std::vector<int>& walk)
{
    long long t = 0;
    for (size_t i = 0; i + 1 < walk.size(); ++i)
        t += g.Weight(walk[i], walk[i + 1]);
    return t;
}

// --- Hamiltonian search ----------------------------------------------------------------

int HamiltonianSearch(Graph& g, bool circuit, Random& rng, CircuitRun& run)
{
    run.stopped = false;
    run.attempts = 0;
    if (g.count() < 2)
        return codeOf(Msg::NothingToDo);
    // A path needs only connectivity; a directed path A->B->C is not
    // reached from C along the directions.
    if (!Reachable(g, g.digraph && circuit))
        return codeOf(Msg::GraphNotConnected);
    g.ComputeValences();
    if (circuit && g.digraph && g.source() >= 0)
        return codeOf(Msg::SourceDetected);
    if (circuit && g.digraph && g.sink() >= 0)
        return codeOf(Msg::SinkDetected);
    const int diff = bipartiteDifference(g);
    if (diff >= 0 && circuit && diff > 0)
        return codeOf(Msg::NoCircuitExists);
    if (diff >= 0 && !circuit && diff > 1)
        return codeOf(Msg::NoPathExists);
    if (circuit && !g.digraph) {
        for (int v : g.presentVertices()) {
            int twos = 0;
            for (int u : g.presentVertices())
                if (g.Adjacent(v, u) && g.outValence(u) == 2)
                    ++twos;
            if (twos > 2)
                return codeOf(Msg::NoCircuitExists);
        }
    }

    const BitRows fwd(g, g.digraph);
    const int words = fwd.words;
    const std::vector<uint64_t> absent = absentMask(g, words);
    const int count = g.count();
    std::vector<uint64_t> visited(static_cast<size_t>(words));
    std::vector<int> path(static_cast<size_t>(count));
    std::vector<int> cand, onward;
    cand.reserve(static_cast<size_t>(count));
    onward.reserve(static_cast<size_t>(count));
    run.setCaption(run.words.pressQ);
    for (;;) {
        if (run.pollKey() == 'Q') {
            run.stopped = true;
            return 0;
        }
        ++run.attempts;
        const int start = randomPresent(g, rng);
        std::copy(absent.begin(), absent.end(), visited.begin());
        visited[static_cast<size_t>(start >> 6)] |= uint64_t{1} << (start & 63);
        path[0] = start;
        int len = 1, cur = start;
        while (len < count) {
            cand.clear();
            onward.clear();
            int least = INT_MAX;
            const uint64_t* rc = fwd.row(cur);
            for (int k = 0; k < words; ++k) {
                uint64_t b = rc[k] & ~visited[static_cast<size_t>(k)];
                while (b) {
                    const int u = k * 64 + std::countr_zero(b);
                    b &= b - 1;
                    const uint64_t* ru = fwd.row(u);
                    int d = 0;
                    for (int j = 0; j < words; ++j)
                        d += std::popcount(ru[j] & ~visited[static_cast<size_t>(j)]);
                    cand.push_back(u);
                    onward.push_back(d);
                    least = std::min(least, d);
                }
            }
            if (cand.empty())
                break;
            int pick = 0;
            if (cand.size() > 1) {
                const int nc = static_cast<int>(cand.size());
                do
                    pick = rng.below(nc);
                while (onward[static_cast<size_t>(pick)] != least);
            }
            cur = cand[static_cast<size_t>(pick)];
            visited[static_cast<size_t>(cur >> 6)] |= uint64_t{1} << (cur & 63);
            path[static_cast<size_t>(len++)] = cur;
        }
        if (len < count)
            continue;
        if (circuit && !(len >= 3 && fwd.has(cur, start)))
            continue;
        break;
    }

    g.ClearSolution(false);
    std::vector<int> tour = path;
    if (circuit)
        tour.push_back(path[0]);
    highlightTour(g, tour);
    g.solution.mode = circuit ? DisplayMode::HamiltonianCircuit : DisplayMode::HamiltonianPath;
    g.solution.setSummary(circuit ? run.words.hamiltonianCircuit : run.words.hamiltonianPath);
    std::string s = g.solution.summary + kEol;
    for (int v : tour)
        s += formatInt(v) + " ";
    run.notes += s + kEol;
    return 0;
}

// --- the travelling-salesperson heuristics ------------------------------------------

namespace {

int tspPrecheck(Graph& g)
{
    if (g.count() < 3)
        return codeOf(Msg::NothingToDo);
    if (!IsComplete(g))
        return codeOf(Msg::IncompleteGraph);
    return 0;
}

void keepIfBest(Graph& g, const std::vector<int>& tour, long long total)
{
    if (total < g.solution.bestTotal) {
        g.solution.bestTour = tour;
        g.solution.bestTotal = static_cast<int32_t>(total);
    }
}

} // namespace

int NearestNeighbour(Graph& g, int start, Random& rng, CircuitRun& run)
{
    if (!g.present(start))
        return codeOf(Msg::CouldNotFind);
    if (int code = tspPrecheck(g))
        return code;
    g.digraph = false;
    g.ComputeValences();
    g.ClearSolution(false);
    const int n = g.maxIndex() + 1;
    std::vector<char> visited(static_cast<size_t>(n), 0);
    for (int v = 0; v < n; ++v)
        visited[static_cast<size_t>(v)] = !g.present(v);
    visited[static_cast<size_t>(start)] = 1;
    std::vector<int> tour{start};
    long long total = 0;
    int cur = start;
    for (int step = 1; step < g.count(); ++step) {
        int choice = -1, best = 0;
        for (int u = 0; u < n; ++u) {
            if (visited[static_cast<size_t>(u)])
                continue;
            const int w = g.Weight(u, cur);
            if (choice < 0 || w < best) {
                choice = u;
                best = w;
            } else if (w == best && !rng.bit()) {
                choice = u;
            }
        }
        tour.push_back(choice);
        total += best;
        visited[static_cast<size_t>(choice)] = 1;
        g.solution.edges.emplace_back(cur, choice);
        cur = choice;
        StepWait(run);
    }
    total += g.Weight(cur, start);
    tour.push_back(start);
    g.solution.edges.emplace_back(cur, start);
    keepIfBest(g, tour, total);
    g.solution.mode = DisplayMode::NearestNeighbour;
    g.solution.setSummary(run.words.nearestStartAt + " " + g.messageName(start) + "; " + totalText(run.words, total));
    run.notes += WriteTour(g, tour, g.solution.summary);
    return 0;
}

// The fast selection sort. Keys are weights (negated for descending) in a
// segment tree of (minimum, how many times it occurs). For position p the
// literal scan only changes its choice at entries not above the running
// key: the tree jumps to them. Once the running key is the minimum of the
// rest, the scan only draws one bit per remaining copy of it and keeps the
// last copy whose bit was 0: the generator is advanced over all of them at
// once and stepped back to find that draw.
namespace {

struct MinTree {
    int size = 1;
    std::vector<int> mn, cnt;
    explicit MinTree(const std::vector<int>& keys)
    {
        while (size < static_cast<int>(keys.size()))
            size *= 2;
        mn.assign(static_cast<size_t>(2 * size), INT_MAX);
        cnt.assign(static_cast<size_t>(2 * size), 0);
        for (size_t i = 0; i < keys.size(); ++i) {
            mn[static_cast<size_t>(size) + i] = keys[i];
            cnt[static_cast<size_t>(size) + i] = 1;
        }
        for (int i = size - 1; i >= 1; --i)
            pull(i);
    }
    void pull(int i)
    {
        const size_t l = static_cast<size_t>(2 * i), r = l + 1, k = static_cast<size_t>(i);
        mn[k] = std::min(mn[l], mn[r]);
        cnt[k] = (mn[l] == mn[k] ? cnt[l] : 0) + (mn[r] == mn[k] ? cnt[r] : 0);
    }
    void set(int pos, int key)
    {
        int i = pos + size;
        mn[static_cast<size_t>(i)] = key;
        for (i /= 2; i >= 1; i /= 2)
            pull(i);
    }
    // Minimum and its count over [lo, size).
    std::pair<int, int> suffix(int lo) const { return range(lo, size); }
    // Minimum and its count over [lo, hi).
    std::pair<int, int> range(int lo, int hi) const
    {
        int m = INT_MAX, c = 0;
        auto add = [&](int node) {
            const int nm = mn[static_cast<size_t>(node)];
            if (nm < m) {
                m = nm;
                c = cnt[static_cast<size_t>(node)];
            } else if (nm == m) {
                c += cnt[static_cast<size_t>(node)];
            }
        };
        for (int l = lo + size, r = hi + size; l < r; l /= 2, r /= 2) {
            if (l & 1)
                add(l++);
            if (r & 1)
                add(--r);
        }
        return {m, c};
    }
    // The first position >= lo whose key is below key (one exists).
    int firstBelow(int node, int nl, int nr, int lo, int key) const
    {
        if (nr <= lo || mn[static_cast<size_t>(node)] >= key)
            return -1;
        if (node >= size)
            return node - size;
        const int mid = (nl + nr) / 2;
        const int r = firstBelow(2 * node, nl, mid, lo, key);
        return r >= 0 ? r : firstBelow(2 * node + 1, mid, nr, lo, key);
    }
    // The j-th (from 1) position >= lo whose key is m, m being the minimum
    // over [lo, size).
    int kthOf(int node, int nl, int nr, int lo, int m, int& j) const
    {
        if (nr <= lo || mn[static_cast<size_t>(node)] != m)
            return -1;
        if (nl >= lo && cnt[static_cast<size_t>(node)] < j) {
            j -= cnt[static_cast<size_t>(node)];
            return -1;
        }
        if (node >= size)
            return node - size; // j == 1 here
        const int mid = (nl + nr) / 2;
        const int r = kthOf(2 * node, nl, mid, lo, m, j);
        return r >= 0 ? r : kthOf(2 * node + 1, mid, nr, lo, m, j);
    }
};

constexpr uint64_t kLcgMul = 0x0000015A00004E35ULL;

uint64_t inverseOdd(uint64_t a)
{
    uint64_t x = a; // correct to 3 bits; each step doubles them
    for (int i = 0; i < 6; ++i)
        x *= 2 - a * x;
    return x;
}

// The generator state after k further steps.
uint64_t advanceState(uint64_t x, uint64_t k)
{
    uint64_t mul = kLcgMul, add = 1; // one step: x -> mul x + add
    uint64_t accMul = 1, accAdd = 0;
    while (k) {
        if (k & 1) {
            accMul *= mul;
            accAdd = accAdd * mul + add;
        }
        add = add * (mul + 1);
        mul *= mul;
        k >>= 1;
    }
    return accMul * x + accAdd;
}

} // namespace

namespace {

// The generator state after k further steps: from a table of the k-step
// maps (multiplier and increment) for the lengths a sort needs, built once.
uint64_t jumpState(uint64_t x, int k)
{
    thread_local std::vector<std::pair<uint64_t, uint64_t>> steps{{1, 0}};
    if (k >= 1 << 20)
        return advanceState(x, static_cast<uint64_t>(k));
    while (static_cast<int>(steps.size()) <= k) {
        const auto [mul, add] = steps.back();
        steps.emplace_back(mul * kLcgMul, add * kLcgMul + 1);
    }
    const auto [mul, add] = steps[static_cast<size_t>(k)];
    return mul * x + add;
}

void skipDraws(Random& rng, int k)
{
    if (k > 0)
        rng.setState(jumpState(rng.state(), k));
}

// c draws of one bit each (one per copy of the running key); the last copy
// whose bit is 0 wins: its number 1..c, or 0 when every bit was 1. The
// generator ends after all c draws, found by stepping back from there.
int lastZeroOf(Random& rng, int c)
{
    static const uint64_t inv = inverseOdd(kLcgMul);
    const uint64_t end = jumpState(rng.state(), c);
    uint64_t x = end;
    int found = 0;
    for (int j = c; j >= 1; --j) {
        if (((x >> 32) & 1) == 0) {
            found = j;
            break;
        }
        x = (x - 1) * inv;
    }
    rng.setState(end);
    return found;
}

// Distinct keys never tie, so the selection sort draws nothing and its
// result is the one ordering by key. False (nothing done) when two keys
// are equal.
bool sortDistinct(std::vector<WeightedEdge>& list, const std::vector<int>& keys)
{
    const int L = static_cast<int>(list.size());
    std::vector<int> order(static_cast<size_t>(L));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&keys](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
    for (int i = 1; i < L; ++i)
        if (keys[static_cast<size_t>(order[static_cast<size_t>(i - 1)])] ==
            keys[static_cast<size_t>(order[static_cast<size_t>(i)])])
            return false;
    std::vector<WeightedEdge> sorted;
    sorted.reserve(static_cast<size_t>(L));
    for (int i : order)
        sorted.push_back(list[static_cast<size_t>(i)]);
    list = std::move(sorted);
    return true;
}

// Keys of at most two values, the better (smaller) one `better`: the
// positions still holding it are kept in order, and each position of the
// selection sort costs a jump of the generator instead of a scan.
//  - p holds the better key: every later copy of it draws; the last with
//    bit 0 comes to p.
//  - p holds the worse key and a better one comes later: the worse copies
//    before the first better one draw in vain (that one overrides them),
//    then every later better copy draws; the winner comes to p.
//  - only worse keys are left: every later copy draws; the last with bit 0
//    comes to p.
void sortTwoValued(std::vector<WeightedEdge>& list, const std::vector<int>& keys, int better, Random& rng)
{
    const int L = static_cast<int>(list.size());
    std::vector<int> bpos; // positions >= p holding the better key, ascending
    for (int i = 0; i < L; ++i)
        if (keys[static_cast<size_t>(i)] == better)
            bpos.push_back(i);
    size_t head = 0; // bpos[head..] are the positions still open
    for (int p = 0; p + 1 < L; ++p) {
        int pos = p;
        if (head < bpos.size() && bpos[head] == p) {
            ++head;
            const int j = lastZeroOf(rng, static_cast<int>(bpos.size() - head));
            if (j)
                pos = bpos[head + static_cast<size_t>(j) - 1];
        } else if (head < bpos.size()) {
            const int r = bpos[head];
            skipDraws(rng, r - p - 1);
            const int j = lastZeroOf(rng, static_cast<int>(bpos.size() - head - 1));
            const size_t at = head + static_cast<size_t>(j);
            pos = bpos[at];
            // pos takes p's worse key and leaves the open better positions.
            bpos.erase(bpos.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            const int j = lastZeroOf(rng, L - p - 1);
            pos = p + j;
        }
        if (pos != p)
            std::swap(list[static_cast<size_t>(p)], list[static_cast<size_t>(pos)]);
    }
}

} // namespace

void SortEdges(std::vector<WeightedEdge>& list, bool descending, Random& rng)
{
    const int L = static_cast<int>(list.size());
    if (L < 2)
        return;
    std::vector<int> keys(static_cast<size_t>(L));
    for (int i = 0; i < L; ++i) {
        const int w = list[static_cast<size_t>(i)].weight;
        keys[static_cast<size_t>(i)] = descending ? -w : w;
    }
    const auto [lowest, highest] = std::minmax_element(keys.begin(), keys.end());
    const int low = *lowest, high = *highest;
    // Distinct keys need a range at least as wide as the list.
    if (static_cast<long long>(high) - low + 1 >= L && sortDistinct(list, keys))
        return;
    if (std::all_of(keys.begin(), keys.end(), [low, high](int k) { return k == low || k == high; })) {
        sortTwoValued(list, keys, low, rng);
        return;
    }
    MinTree t(keys);
    for (int p = 0; p + 1 < L; ++p) {
        int key = keys[static_cast<size_t>(p)], pos = p, q = p + 1;
        while (q < L) {
            const auto [m, c] = t.suffix(q);
            if (m > key)
                break;
            if (m == key) {
                int j = lastZeroOf(rng, c);
                if (j)
                    pos = t.kthOf(1, 0, t.size, q, m, j);
                break;
            }
            // A better key lies ahead: every copy of the running key before
            // it draws a bit that the better key then overrides, so the
            // generator steps over those draws at once.
            const int r = t.firstBelow(1, 0, t.size, q, key);
            const auto [between, copies] = t.range(q, r);
            if (between == key)
                skipDraws(rng, copies);
            key = keys[static_cast<size_t>(r)];
            pos = r;
            q = r + 1;
        }
        if (pos != p) {
            std::swap(list[static_cast<size_t>(p)], list[static_cast<size_t>(pos)]);
            std::swap(keys[static_cast<size_t>(p)], keys[static_cast<size_t>(pos)]);
            t.set(pos, keys[static_cast<size_t>(pos)]);
        }
        t.set(p, INT_MAX); // position p is settled
    }
}

int SortedEdges(Graph& g, Random& rng, CircuitRun& run)
{
    if (int code = tspPrecheck(g))
        return code;
    g.digraph = false;
    g.ComputeValences();
    g.ClearSolution(false);
    std::vector<WeightedEdge> list;
    for (const auto& [lo, hi] : g.edges())
        list.push_back({hi, lo, g.Weight(lo, hi)});
    SortEdges(list, false, rng);

    const int n = g.maxIndex() + 1, count = g.count();
    std::vector<int> degree(static_cast<size_t>(n), 0), comp(static_cast<size_t>(n));
    std::iota(comp.begin(), comp.end(), 0);
    auto find = [&](int v) {
        while (comp[static_cast<size_t>(v)] != v)
            v = comp[static_cast<size_t>(v)] = comp[static_cast<size_t>(comp[static_cast<size_t>(v)])];
        return v;
    };
    std::vector<std::vector<int>> chosen(static_cast<size_t>(n));
    long long total = 0;
    int accepted = 0;
    for (const WeightedEdge& e : list) {
        if (accepted == count)
            break;
        if (degree[static_cast<size_t>(e.a)] >= 2 || degree[static_cast<size_t>(e.b)] >= 2)
            continue;
        if (find(e.a) == find(e.b) && accepted < count - 1)
            continue;
        ++degree[static_cast<size_t>(e.a)];
        ++degree[static_cast<size_t>(e.b)];
        total += e.weight;
        comp[static_cast<size_t>(find(e.a))] = find(e.b);
        chosen[static_cast<size_t>(e.a)].push_back(e.b);
        chosen[static_cast<size_t>(e.b)].push_back(e.a);
        g.solution.edges.emplace_back(e.a, e.b);
        ++accepted;
        StepWait(run);
    }
    // Trace the circuit from the first accepted edge.
    std::vector<int> tour{list[0].a, list[0].b};
    while (static_cast<int>(tour.size()) < count) {
        const int cur = tour.back(), prev = tour[tour.size() - 2];
        const std::vector<int>& c = chosen[static_cast<size_t>(cur)];
        tour.push_back(c[0] == prev ? c[1] : c[0]);
    }
    tour.push_back(tour[0]);
    keepIfBest(g, tour, total);
    g.solution.mode = DisplayMode::SortedEdges;
    g.solution.setSummary(run.words.sortedEdges + "; " + totalText(run.words, total));
    run.notes += WriteTour(g, tour, g.solution.summary);
    return 0;
}

namespace {

// A best tour exists and still fits the graph: count + 1 present vertices,
// closed.
bool haveBest(const Graph& g)
{
    const std::vector<int>& t = g.solution.bestTour;
    if (g.solution.bestTotal >= kNoBestTotal || static_cast<int>(t.size()) != g.count() + 1 || t.size() < 2 ||
        t.front() != t.back())
        return false;
    return std::all_of(t.begin(), t.end(), [&](int v) { return g.present(v); });
}

} // namespace

int ShowBest(Graph& g, const CircuitWords& words)
{
    if (!haveBest(g))
        return codeOf(Msg::NothingToDo);
    g.ClearSolution(false);
    highlightTour(g, g.solution.bestTour);
    g.solution.mode = DisplayMode::BestTour;
    g.solution.setSummary(words.bestSoFar + "; " + totalText(words, g.solution.bestTotal));
    return 0;
}

int RandomSearch(Graph& g, Random& rng, CircuitRun& run)
{
    run.stopped = false;
    run.attempts = 0;
    if (int code = tspPrecheck(g))
        return code;
    g.digraph = false;
    g.ComputeValences();
    g.ClearSolution(false);
    auto summary = [&] { return run.words.bestSoFar + "; " + totalText(run.words, g.solution.bestTotal); };
    g.solution.setSummary(summary());
    if (g.solution.bestTotal < kNoBestTotal) {
        highlightTour(g, g.solution.bestTour);
        g.solution.mode = DisplayMode::BestTour;
    }
    run.redraw();
    run.setCaption(run.words.pressQ);
    const DenseWeights dw(g);
    const int m = dw.m;
    std::vector<int> work(static_cast<size_t>(m));
    std::iota(work.begin(), work.end(), 0);
    long long best = g.solution.bestTotal;
    for (;;) {
        if (run.pollKey() == 'Q')
            break;
        ++run.attempts;
        for (int k = 0; k < m; ++k) {
            const int i = rng.below(m);
            const int j = rng.below(m);
            std::swap(work[static_cast<size_t>(i)], work[static_cast<size_t>(j)]);
        }
        long long sum = dw.at(work[static_cast<size_t>(m - 1)], work[0]);
        for (int k = 0; k + 1 < m; ++k)
            sum += dw.at(work[static_cast<size_t>(k)], work[static_cast<size_t>(k + 1)]);
        if (sum < best) {
            best = sum;
            std::vector<int> tour;
            for (int k : work)
                tour.push_back(dw.vs[static_cast<size_t>(k)]);
            tour.push_back(tour[0]);
            g.solution.bestTour = tour;
            g.solution.bestTotal = static_cast<int32_t>(sum);
            const size_t before = g.solution.summary.size();
            std::string s = summary();
            if (s.size() < before)
                s.append(before - s.size(), ' ');
            g.solution.setSummary(s);
            highlightTour(g, tour);
            g.solution.mode = DisplayMode::BestTour;
            run.redraw();
        }
    }
    run.stopped = true;
    if (ShowBest(g, run.words) == 0)
        run.notes += WriteTour(g, g.solution.bestTour, g.solution.summary);
    return 0;
}

int ImprovePairs(Graph& g, CircuitRun& run)
{
    if (!haveBest(g))
        return codeOf(Msg::NothingToDo);
    if (int code = tspPrecheck(g))
        return code;
    const int n = g.count();
    std::vector<int>& T = g.solution.bestTour;
    if (n > 3) {
        std::vector<int> D(static_cast<size_t>(2 * n + 1));
        bool improved = true;
        while (improved) {
            improved = false;
            for (int k = 0; k < n; ++k)
                D[static_cast<size_t>(k)] = T[static_cast<size_t>(k)];
            for (int k = 0; k <= n; ++k)
                D[static_cast<size_t>(n + k)] = T[static_cast<size_t>(k)];
            auto d = [&](int k) { return D[static_cast<size_t>(k)]; };
            for (int i = 0; i <= n - 3 && !improved; ++i) {
                const int a = d(i), b = d(i + 1);
                const int last = i == 0 ? n - 3 : n - 2;
                for (int j = i + 1; j <= last; ++j) {
                    const int c = d(j + 1), dd = d(j + 2);
                    const int gain = g.Weight(a, b) + g.Weight(c, dd) - g.Weight(a, c) - g.Weight(b, dd);
                    if (gain <= 0)
                        continue;
                    std::vector<int> t{a, c};
                    for (int k = j; k >= i + 1; --k)
                        t.push_back(d(k));
                    for (int k = j + 2; static_cast<int>(t.size()) < n; ++k)
                        t.push_back(d(k));
                    t.push_back(a);
                    T = t;
                    g.solution.bestTotal -= gain;
                    improved = true;
                    break;
                }
            }
        }
    }
    ShowBest(g, run.words);
    run.notes += WriteTour(g, g.solution.bestTour, g.solution.summary);
    return 0;
}

// --- Eulerian walk ----------------------------------------------------------------------

int EulerianWalk(Graph& g, Random& rng, CircuitRun& run)
{
    if (g.count() < 1 || g.edgeCount() == 0)
        return codeOf(Msg::NothingToDo);
    // Each edge is numbered by its place along the walk, in a 16-bit weight.
    if (g.edgeCount() > kMaxWeight)
        return codeOf(Msg::TooLarge);
    // A balanced connected digraph is strongly connected: connectivity with
    // directions ignored is what counts here.
    if (!Reachable(g, false))
        return codeOf(Msg::GraphNotConnected);
    g.ComputeValences();
    std::vector<int> odd;
    for (int v : g.presentVertices()) {
        const int im = g.digraph ? std::abs(g.outValence(v) - g.inValence(v)) : g.outValence(v) % 2;
        if (im >= 2)
            return codeOf(Msg::IncompatibleValences);
        if (im == 1)
            odd.push_back(v);
    }
    if (odd.size() > 2)
        return codeOf(Msg::IncompatibleValences);
    int start;
    if (odd.size() == 2) {
        start = odd[1];
        if (g.digraph && g.inValence(odd[0]) < g.outValence(odd[0]))
            start = odd[0];
    } else if (odd.empty()) {
        start = randomPresent(g, rng);
    } else {
        return codeOf(Msg::IncompatibleValences);
    }

    // The walk as a linked list of vertices; a pointer per vertex to its
    // lowest neighbour not yet tried (edges only get used up, so it only
    // moves on); each pass resumes at the node the last sub-walk went in at,
    // since the nodes before it had no unused edge then and have none now.
    const int n = g.maxIndex() + 1;
    std::vector<int> val{start}, next{-1};
    std::vector<int> ptr(static_cast<size_t>(n), 0);
    std::vector<char> used(static_cast<size_t>(n) * static_cast<size_t>(n), 0);
    auto isUsed = [&](int a, int b) -> char& {
        return used[static_cast<size_t>(std::min(a, b)) * static_cast<size_t>(n) + static_cast<size_t>(std::max(a, b))];
    };
    auto nextUnused = [&](int v) {
        int& p = ptr[static_cast<size_t>(v)];
        for (; p < n; ++p) {
            const int u = p;
            if (!g.present(u) || !g.Adjacent(v, u) || isUsed(v, u))
                continue;
            if (g.digraph && g.Direction(v, u) == -1)
                continue;
            return u;
        }
        return -1;
    };
    struct Step {
        int a, b, sub;
    };
    std::vector<Step> steps;
    int node = 0, sub = 0;
    for (;;) {
        while (node >= 0 && nextUnused(val[static_cast<size_t>(node)]) < 0)
            node = next[static_cast<size_t>(node)];
        if (node < 0)
            break;
        int cur = val[static_cast<size_t>(node)];
        int after = node;
        const int rest = next[static_cast<size_t>(node)];
        for (int u; (u = nextUnused(cur)) >= 0; cur = u) {
            isUsed(cur, u) = 1;
            steps.push_back({cur, u, sub});
            val.push_back(u);
            next.push_back(-1);
            next[static_cast<size_t>(after)] = static_cast<int>(val.size()) - 1;
            after = static_cast<int>(val.size()) - 1;
        }
        next[static_cast<size_t>(after)] = rest;
        ++sub;
    }
    std::vector<int> walk;
    for (int k = 0; k >= 0; k = next[static_cast<size_t>(k)])
        walk.push_back(val[static_cast<size_t>(k)]);

    // The finished walk must use every edge once, along its direction, and
    // close when it is a circuit.
    const bool circuit = odd.empty();
    {
        std::vector<char> once(used.size(), 0);
        bool ok = static_cast<int>(walk.size()) - 1 == g.edgeCount();
        for (size_t i = 0; ok && i + 1 < walk.size(); ++i) {
            const int a = walk[i], b = walk[i + 1];
            char& o = once[static_cast<size_t>(std::min(a, b)) * static_cast<size_t>(n) +
                           static_cast<size_t>(std::max(a, b))];
            ok = g.Adjacent(a, b) && !o && !(g.digraph && g.Direction(a, b) == -1);
            o = 1;
        }
        if (ok && circuit && walk.front() != walk.back())
            ok = false;
        if (!ok)
            return codeOf(Msg::IncompatibleValences);
    }

    g.ClearSolution(true);
    g.weightsShown = false;
    StepWait(run);
    if (run.slowMotion) {
        for (const Step& s : steps) {
            g.solution.edges.emplace_back(s.a, s.b);
            g.solution.edgeColors.push_back(static_cast<int16_t>(3 + s.sub % 22));
            StepWait(run);
        }
    }
    g.solution.edges.clear();
    g.solution.edgeColors.clear();
    for (size_t i = 0; i + 1 < walk.size(); ++i) {
        g.solution.edges.emplace_back(walk[i], walk[i + 1]);
        g.SetWeight(walk[i], walk[i + 1], static_cast<int>(i + 1));
    }
    g.weightsShown = true;
    g.solution.eulerNumbering = true;
    g.solution.mode = circuit ? DisplayMode::EulerianCircuit : DisplayMode::EulerianPath;
    g.solution.setSummary(circuit ? run.words.eulerianCircuit : run.words.eulerianPath);
    g.modified = true;
    return 0;
}

// --- exact answers ------------------------------------------------------------------------

HamiltonianCount countHamiltonianCircuits(const Graph& g, CircuitRun& run)
{
    HamiltonianCount res;
    run.stopped = false;
    const int count = g.count();
    if (count < 3)
        return res;
    const BitRows fwd(g, g.digraph);
    const int words = fwd.words;
    std::vector<uint64_t> visited = absentMask(g, words);
    const std::vector<int> vs = g.presentVertices();
    const int s = vs[0];
    const int n = fwd.n;
    // avail[w]: the neighbours of w that are unvisited or an end of the
    // path; an unvisited vertex needs two (undirected search only).
    std::vector<int> avail(static_cast<size_t>(n), 0);
    for (int v : vs) {
        int d = 0;
        for (int k = 0; k < words; ++k)
            d += std::popcount(fwd.row(v)[k]);
        avail[static_cast<size_t>(v)] = d;
    }
    const bool prune = !g.digraph;
    std::vector<int> path{s};
    auto bit = [&](int v) -> uint64_t& { return visited[static_cast<size_t>(v >> 6)]; };
    bit(s) |= uint64_t{1} << (s & 63);
    uint64_t steps = 0;
    bool quit = false;
    std::vector<int> touched;

    auto unvisitedNeighbours = [&](int v) {
        int c = 0;
        for (int k = 0; k < words; ++k)
            c += std::popcount(fwd.row(v)[k] & ~visited[static_cast<size_t>(k)]);
        return c;
    };

    std::function<void(int)> dfs = [&](int cur) {
        if (quit)
            return;
        if ((++steps & 0xFFFF) == 0) {
            run.setCaption(run.words.circuitsCounted + ": " +
                           formatInt(static_cast<long long>(prune ? res.circuits / 2 : res.circuits)) + "; " +
                           run.words.pressQ);
            if (run.pollKey() == 'Q') {
                quit = true;
                return;
            }
        }
        if (static_cast<int>(path.size()) == count) {
            if (fwd.has(cur, s)) {
                ++res.circuits;
                if (res.first.empty()) {
                    res.first = path;
                    res.first.push_back(s);
                }
            }
            return;
        }
        // The path must still be able to come back to the start.
        if (prune && unvisitedNeighbours(s) == 0)
            return;
        for (int k = 0; k < words; ++k) {
            uint64_t b = fwd.row(cur)[k] & ~visited[static_cast<size_t>(k)];
            while (b) {
                const int u = k * 64 + std::countr_zero(b);
                b &= b - 1;
                bit(u) |= uint64_t{1} << (u & 63);
                path.push_back(u);
                bool ok = true;
                const size_t mark = touched.size();
                if (prune && cur != s) {
                    // cur is now inside the path: its unvisited neighbours lose it.
                    for (int j = 0; j < words; ++j) {
                        uint64_t c = fwd.row(cur)[j] & ~visited[static_cast<size_t>(j)];
                        while (c) {
                            const int w = j * 64 + std::countr_zero(c);
                            c &= c - 1;
                            touched.push_back(w);
                            if (--avail[static_cast<size_t>(w)] < 2)
                                ok = false;
                        }
                    }
                }
                if (ok)
                    dfs(u);
                while (touched.size() > mark) {
                    ++avail[static_cast<size_t>(touched.back())];
                    touched.pop_back();
                }
                path.pop_back();
                bit(u) &= ~(uint64_t{1} << (u & 63));
                if (quit)
                    return;
            }
        }
    };
    dfs(s);
    if (prune)
        res.circuits /= 2; // each circuit was found in both directions
    res.complete = !quit;
    run.stopped = quit;
    return res;
}

int HamiltonianExact(Graph& g, CircuitRun& run)
{
    if (g.count() < 3)
        return codeOf(Msg::NothingToDo);
    run.setCaption(run.words.pressQ);
    const HamiltonianCount c = countHamiltonianCircuits(g, run);
    if (c.complete && c.circuits == 0)
        return codeOf(Msg::NoCircuitExists);
    g.ClearSolution(false);
    std::string summary = run.words.circuitsCounted + ": " + formatInt(static_cast<long long>(c.circuits));
    if (!c.complete)
        summary += " (" + run.words.incomplete + ")";
    if (!c.first.empty()) {
        highlightTour(g, c.first);
        g.solution.mode = DisplayMode::HamiltonianCircuit;
    }
    g.solution.setSummary(summary);
    if (!c.first.empty())
        run.notes += WriteTour(g, c.first, summary);
    else
        run.notes += summary + kEol + kEol;
    return 0;
}

int optimalTour(const Graph& g, std::vector<int>& tour, long long& total, CircuitRun& run)
{
    run.stopped = false;
    const std::vector<int> vs = g.presentVertices();
    const int n = static_cast<int>(vs.size());
    if (n < 3)
        return codeOf(Msg::NothingToDo);
    if (n > 20)
        return codeOf(Msg::TooLarge);
    const DenseWeights dw(g);
    // dp[mask][j]: the lightest path from vertex 0 through the vertices
    // 1..m of mask (bit j-1 for vertex j), ending at j.
    const int m = n - 1;
    const size_t full = (size_t{1} << m) - 1;
    constexpr uint32_t kInf = UINT32_MAX;
    std::vector<uint32_t> dp((full + 1) * static_cast<size_t>(m), kInf);
    for (int j = 0; j < m; ++j)
        dp[(size_t{1} << j) * static_cast<size_t>(m) + static_cast<size_t>(j)] = static_cast<uint32_t>(dw.at(0, j + 1));
    for (size_t mask = 1; mask <= full; ++mask) {
        if ((mask & 0xFFF) == 0 && run.pollKey() == 'Q') {
            run.stopped = true;
            return codeOf(Msg::Stopped);
        }
        if (std::popcount(mask) < 2)
            continue;
        uint32_t* row = &dp[mask * static_cast<size_t>(m)];
        for (int j = 0; j < m; ++j) {
            if (!((mask >> j) & 1))
                continue;
            const size_t prev = mask & ~(size_t{1} << j);
            const uint32_t* pr = &dp[prev * static_cast<size_t>(m)];
            uint32_t best = kInf;
            for (int k = 0; k < m; ++k) {
                if (!((prev >> k) & 1))
                    continue;
                const uint32_t c = pr[k] + static_cast<uint32_t>(dw.at(k + 1, j + 1));
                best = std::min(best, c);
            }
            row[j] = best;
        }
    }
    uint32_t best = kInf;
    int end = 0;
    for (int j = 0; j < m; ++j) {
        const uint32_t c =
            dp[full * static_cast<size_t>(m) + static_cast<size_t>(j)] + static_cast<uint32_t>(dw.at(j + 1, 0));
        if (c < best) {
            best = c;
            end = j;
        }
    }
    // Walk back from the end.
    std::vector<int> rev;
    size_t mask = full;
    int j = end;
    while (true) {
        rev.push_back(j + 1);
        const size_t prev = mask & ~(size_t{1} << j);
        if (prev == 0)
            break;
        const uint32_t here = dp[mask * static_cast<size_t>(m) + static_cast<size_t>(j)];
        int from = -1;
        for (int k = 0; k < m; ++k)
            if (((prev >> k) & 1) &&
                dp[prev * static_cast<size_t>(m) + static_cast<size_t>(k)] +
                        static_cast<uint32_t>(dw.at(k + 1, j + 1)) ==
                    here) {
                from = k;
                break;
            }
        mask = prev;
        j = from;
    }
    tour.assign(1, vs[0]);
    for (auto it = rev.rbegin(); it != rev.rend(); ++it)
        tour.push_back(vs[static_cast<size_t>(*it)]);
    tour.push_back(vs[0]);
    total = best;
    return 0;
}

int TspOptimal(Graph& g, CircuitRun& run)
{
    if (int code = tspPrecheck(g))
        return code;
    if (g.count() > 20)
        return codeOf(Msg::TooLarge);
    std::vector<int> tour;
    long long total = 0;
    run.setCaption(run.words.pressQ);
    if (int code = optimalTour(g, tour, total, run))
        return code == codeOf(Msg::Stopped) ? 0 : code;
    g.digraph = false;
    g.ComputeValences();
    const long long before = g.solution.bestTotal;
    g.ClearSolution(false);
    g.solution.bestTour = tour;
    g.solution.bestTotal = static_cast<int32_t>(total);
    highlightTour(g, tour);
    g.solution.mode = DisplayMode::BestTour;
    g.solution.setSummary(run.words.optimalTour + "; " + totalText(run.words, total));
    std::string s = WriteTour(g, tour, g.solution.summary);
    if (before < kNoBestTotal) {
        s += run.words.bestSoFar + ": " + formatInt(before);
        if (total > 0)
            s += ", " + formatReal(100.0L * static_cast<Real>(before - total) / static_cast<Real>(total), 0, 2) + " " +
                 run.words.aboveOptimum;
        s += std::string(kEol) + kEol;
    }
    run.notes += s;
    return 0;
}

} // namespace quan
