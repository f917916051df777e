#include "graphs/core/polyhedra.h"

#include "core/msgcode.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace quan {

namespace {

// The present vertices, their ranks and adjacency lists by rank.
struct Adjacency {
    std::vector<int> slotOf;             // rank -> slot
    std::vector<int> rankOf;             // slot -> rank, -1 absent
    std::vector<std::vector<int>> nbrs;  // by rank, ranks ascending
    int edges = 0;

    explicit Adjacency(const Graph& g)
    {
        slotOf = g.presentVertices();
        rankOf.assign(static_cast<size_t>(g.slots()), -1);
        for (size_t i = 0; i < slotOf.size(); ++i)
            rankOf[static_cast<size_t>(slotOf[i])] = static_cast<int>(i);
        nbrs.resize(slotOf.size());
        for (const auto& [a, b] : g.edges()) {
            const int ra = rankOf[static_cast<size_t>(a)], rb = rankOf[static_cast<size_t>(b)];
            nbrs[static_cast<size_t>(ra)].push_back(rb);
            nbrs[static_cast<size_t>(rb)].push_back(ra);
            ++edges;
        }
        for (auto& l : nbrs)
            std::sort(l.begin(), l.end());
    }
    int size() const { return static_cast<int>(slotOf.size()); }
    bool adjacent(int a, int b) const
    {
        const auto& l = nbrs[static_cast<size_t>(a)];
        return std::binary_search(l.begin(), l.end(), b);
    }
};

// Whether the vertices not in `removed` form one non-empty connected part.
bool restConnected(const Adjacency& adj, const std::vector<char>& removed)
{
    const int n = adj.size();
    int start = -1, rest = 0;
    for (int v = 0; v < n; ++v)
        if (!removed[static_cast<size_t>(v)]) {
            ++rest;
            if (start < 0)
                start = v;
        }
    if (start < 0)
        return false;
    std::vector<char> seen(static_cast<size_t>(n), 0);
    std::vector<int> queue{start};
    seen[static_cast<size_t>(start)] = 1;
    for (size_t q = 0; q < queue.size(); ++q)
        for (int w : adj.nbrs[static_cast<size_t>(queue[q])])
            if (!removed[static_cast<size_t>(w)] && !seen[static_cast<size_t>(w)]) {
                seen[static_cast<size_t>(w)] = 1;
                queue.push_back(w);
            }
    return static_cast<int>(queue.size()) == rest;
}

// A shortest cycle through the edge {a, b} (ranks), as a path a .. b found
// without that edge; empty when there is none.
std::vector<int> shortestCycleThrough(const Adjacency& adj, int a, int b)
{
    const int n = adj.size();
    std::vector<int> parent(static_cast<size_t>(n), -2);
    std::vector<int> queue{a};
    parent[static_cast<size_t>(a)] = -1;
    for (size_t q = 0; q < queue.size() && parent[static_cast<size_t>(b)] == -2; ++q) {
        const int v = queue[q];
        for (int w : adj.nbrs[static_cast<size_t>(v)]) {
            if ((v == a && w == b) || parent[static_cast<size_t>(w)] != -2)
                continue;
            parent[static_cast<size_t>(w)] = v;
            queue.push_back(w);
        }
    }
    std::vector<int> cycle;
    if (parent[static_cast<size_t>(b)] == -2)
        return cycle;
    for (int v = b; v != -1; v = parent[static_cast<size_t>(v)])
        cycle.push_back(v);
    return cycle;
}

// An induced cycle whose removal leaves the graph connected: in a
// 3-connected planar graph exactly the faces (Tutte).
bool peripheral(const Adjacency& adj, const std::vector<int>& cycle)
{
    const size_t len = cycle.size();
    if (len < 3)
        return false;
    for (size_t i = 0; i < len; ++i)
        for (size_t j = i + 2; j < len; ++j)
            if (!(i == 0 && j == len - 1) && adj.adjacent(cycle[i], cycle[j]))
                return false;
    std::vector<char> removed(static_cast<size_t>(adj.size()), 0);
    for (int v : cycle)
        removed[static_cast<size_t>(v)] = 1;
    return restConnected(adj, removed);
}

struct P {
    double x, y;
};

double cross(P o, P a, P b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

double dot(P o, P a, P b) { return (a.x - o.x) * (b.x - o.x) + (a.y - o.y) * (b.y - o.y); }
double dist2(P a, P b) { return (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y); }

// The side of the line a -> b on which c lies: +1, -1, or 0 when the angle
// at a between b and c has a sine within 1e-12 (c at a itself counts as on
// the line). The test is relative to the lengths, so that the small faces
// deep inside a barycentric drawing are judged as finely as the outer ones.
int side(P a, P b, P c)
{
    const double o = cross(a, b, c);
    if (o * o <= 1e-24 * dist2(a, b) * dist2(a, c))
        return 0;
    return o > 0 ? 1 : -1;
}

// Whether p lies on the segment a b (ends included).
bool onSegment(P p, P a, P b)
{
    if (side(a, b, p) != 0)
        return false;
    const double t = dot(a, b, p);
    return t >= 0 && t <= dot(a, b, b);
}

// Traces the faces of the rotation system the drawing gives (neighbours
// by angle), by ranks; each dart (u, v) is used once.
std::vector<std::vector<int>> traceFaces(const std::vector<P>& pos, const Adjacency& adj)
{
    const int n = adj.size();
    std::vector<std::vector<int>> rot(static_cast<size_t>(n));
    for (int v = 0; v < n; ++v) {
        const P pv = pos[static_cast<size_t>(v)];
        std::vector<std::pair<double, int>> byAngle;
        for (int w : adj.nbrs[static_cast<size_t>(v)]) {
            const P pw = pos[static_cast<size_t>(w)];
            byAngle.emplace_back(std::atan2(pw.y - pv.y, pw.x - pv.x), w);
        }
        std::sort(byAngle.begin(), byAngle.end());
        for (const auto& e : byAngle)
            rot[static_cast<size_t>(v)].push_back(e.second);
    }
    // position of w in rot[v]
    auto where = [&rot](int v, int w) {
        const auto& r = rot[static_cast<size_t>(v)];
        return static_cast<size_t>(std::find(r.begin(), r.end(), w) - r.begin());
    };
    std::vector<char> usedDart(static_cast<size_t>(n) * static_cast<size_t>(n), 0);
    auto used = [&usedDart, n](int a, int b) -> char& {
        return usedDart[static_cast<size_t>(a) * static_cast<size_t>(n) + static_cast<size_t>(b)];
    };
    std::vector<std::vector<int>> faces;
    for (int u = 0; u < n; ++u)
        for (int v : rot[static_cast<size_t>(u)]) {
            if (used(u, v))
                continue;
            std::vector<int> face;
            int a = u, b = v;
            while (!used(a, b)) {
                used(a, b) = 1;
                face.push_back(a);
                const auto& r = rot[static_cast<size_t>(b)];
                const size_t at = where(b, a);
                const int c = r[(at + r.size() - 1) % r.size()];
                a = b;
                b = c;
            }
            faces.push_back(std::move(face));
        }
    return faces;
}

// The drawing on a face (ranks, cyclic order): positions by rank, or a code.
int solveSchlegel(const Adjacency& adj, const std::vector<int>& face, const ExampleView& view, std::vector<P>& pos)
{
    const size_t len = face.size();
    const int n = adj.size();
    std::vector<int> onFace(static_cast<size_t>(n), -1);
    for (size_t k = 0; k < len; ++k)
        onFace[static_cast<size_t>(face[k])] = static_cast<int>(k);
    std::vector<int> inner;
    std::vector<int> unknown(static_cast<size_t>(n), -1);
    for (int r = 0; r < n; ++r)
        if (onFace[static_cast<size_t>(r)] < 0) {
            if (adj.nbrs[static_cast<size_t>(r)].size() < 2)
                return codeOf(Msg::MissingData);
            unknown[static_cast<size_t>(r)] = static_cast<int>(inner.size());
            inner.push_back(r);
        }
    const double rho = 0.8 * static_cast<double>(std::min(view.rx, view.ry));
    const double cx = static_cast<double>(view.cx), cy = static_cast<double>(view.cy);
    std::vector<P> out(static_cast<size_t>(n));
    for (size_t k = 0; k < len; ++k) {
        const double t = 2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(len) + std::numbers::pi / 2;
        out[static_cast<size_t>(face[k])] = {cx + rho * std::cos(t), cy + rho * std::sin(t)};
    }
    // d x_v - (sum over unknown neighbours) = sum over face neighbours.
    const size_t m = inner.size();
    std::vector<double> a(m * m, 0.0), bx(m, 0.0), by(m, 0.0);
    for (size_t i = 0; i < m; ++i) {
        const int r = inner[i];
        a[i * m + i] = static_cast<double>(adj.nbrs[static_cast<size_t>(r)].size());
        for (int w : adj.nbrs[static_cast<size_t>(r)]) {
            if (unknown[static_cast<size_t>(w)] >= 0) {
                a[i * m + static_cast<size_t>(unknown[static_cast<size_t>(w)])] -= 1.0;
            } else {
                bx[i] += out[static_cast<size_t>(w)].x;
                by[i] += out[static_cast<size_t>(w)].y;
            }
        }
    }
    // Gaussian elimination with partial pivoting.
    for (size_t c = 0; c < m; ++c) {
        size_t piv = c;
        for (size_t r = c + 1; r < m; ++r)
            if (std::fabs(a[r * m + c]) > std::fabs(a[piv * m + c]))
                piv = r;
        if (std::fabs(a[piv * m + c]) < 1e-9)
            return codeOf(Msg::InconsistentData);
        if (piv != c) {
            for (size_t k = 0; k < m; ++k)
                std::swap(a[c * m + k], a[piv * m + k]);
            std::swap(bx[c], bx[piv]);
            std::swap(by[c], by[piv]);
        }
        for (size_t r = c + 1; r < m; ++r) {
            const double f = a[r * m + c] / a[c * m + c];
            if (f == 0.0)
                continue;
            for (size_t k = c; k < m; ++k)
                a[r * m + k] -= f * a[c * m + k];
            bx[r] -= f * bx[c];
            by[r] -= f * by[c];
        }
    }
    for (size_t c = m; c-- > 0;) {
        double sx = bx[c], sy = by[c];
        for (size_t k = c + 1; k < m; ++k) {
            sx -= a[c * m + k] * out[static_cast<size_t>(inner[k])].x;
            sy -= a[c * m + k] * out[static_cast<size_t>(inner[k])].y;
        }
        const P p{sx / a[c * m + c], sy / a[c * m + c]};
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return codeOf(Msg::InconsistentData);
        out[static_cast<size_t>(inner[c])] = p;
    }
    pos = std::move(out);
    return 0;
}

// Whether two segments of the drawing cross (shared ends: only by overlap).
bool crossings(const std::vector<P>& pos, const std::vector<std::pair<int, int>>& edges)
{
    // Two vertices closer than `near` (relative to the drawing's size)
    // count as one point.
    double scale = 0;
    for (const P& p : pos)
        scale = std::max({scale, std::fabs(p.x), std::fabs(p.y)});
    const double near = 1e-13 * std::max(scale, 1e-300), near2 = near * near;
    for (size_t i = 0; i < edges.size(); ++i) {
        const auto [a, b] = edges[i];
        const P p1 = pos[static_cast<size_t>(a)], p2 = pos[static_cast<size_t>(b)];
        const double loX = std::min(p1.x, p2.x) - near, hiX = std::max(p1.x, p2.x) + near;
        const double loY = std::min(p1.y, p2.y) - near, hiY = std::max(p1.y, p2.y) + near;
        for (size_t j = i + 1; j < edges.size(); ++j) {
            const auto [c, d] = edges[j];
            const P p3 = pos[static_cast<size_t>(c)], p4 = pos[static_cast<size_t>(d)];
            // Segments whose boxes are apart cannot meet.
            if (std::max(p3.x, p4.x) < loX || std::min(p3.x, p4.x) > hiX || std::max(p3.y, p4.y) < loY ||
                std::min(p3.y, p4.y) > hiY)
                continue;
            if (a == c || a == d || b == c || b == d) {
                const int shared = (a == c || a == d) ? a : b;
                const P o = shared == a ? p1 : p2, u = shared == a ? p2 : p1;
                const P w = shared == c ? p4 : p3;
                if (dist2(u, w) <= near2 || (side(o, u, w) == 0 && dot(o, u, w) > 0))
                    return true;
                continue;
            }
            for (P q : {p3, p4})
                for (P r : {p1, p2})
                    if (dist2(q, r) <= near2)
                        return true;
            const int s1 = side(p1, p2, p3), s2 = side(p1, p2, p4), s3 = side(p3, p4, p1), s4 = side(p3, p4, p2);
            if (s1 * s2 < 0 && s3 * s4 < 0)
                return true;
            if (onSegment(p3, p1, p2) || onSegment(p4, p1, p2) || onSegment(p1, p3, p4) || onSegment(p2, p3, p4))
                return true;
        }
    }
    return false;
}

std::vector<std::pair<int, int>> rankEdges(const Adjacency& adj)
{
    std::vector<std::pair<int, int>> e;
    for (int a = 0; a < adj.size(); ++a)
        for (int b : adj.nbrs[static_cast<size_t>(a)])
            if (a < b)
                e.emplace_back(a, b);
    return e;
}

void place(Graph& g, const Adjacency& adj, const std::vector<P>& pos)
{
    for (int r = 0; r < adj.size(); ++r)
        g.setPosition(adj.slotOf[static_cast<size_t>(r)], pos[static_cast<size_t>(r)].x, pos[static_cast<size_t>(r)].y);
}

} // namespace

int SchlegelOnFace(Graph& g, const std::vector<int>& face, const ExampleView& view)
{
    const size_t len = face.size();
    if (len < 3)
        return codeOf(Msg::NotEnoughData);
    const Adjacency adj(g);
    std::vector<int> ranksOnFace;
    std::vector<char> taken(static_cast<size_t>(adj.size()), 0);
    for (int v : face) {
        if (!g.present(v) || taken[static_cast<size_t>(adj.rankOf[static_cast<size_t>(v)])])
            return codeOf(Msg::NotEnoughData);
        taken[static_cast<size_t>(adj.rankOf[static_cast<size_t>(v)])] = 1;
        ranksOnFace.push_back(adj.rankOf[static_cast<size_t>(v)]);
    }
    for (size_t k = 0; k < len; ++k)
        if (!g.Adjacent(face[k], face[(k + 1) % len]))
            return codeOf(Msg::CouldNotFind);
    std::vector<P> pos;
    if (const int code = solveSchlegel(adj, ranksOnFace, view, pos); code != 0)
        return code;
    place(g, adj, pos);
    return 0;
}

bool drawingHasCrossings(const Graph& g)
{
    const Adjacency adj(g);
    std::vector<P> pos;
    for (int v : adj.slotOf)
        pos.push_back({static_cast<double>(g.x(v)), static_cast<double>(g.y(v))});
    return crossings(pos, rankEdges(adj));
}

int polyhedralSearch(Graph& g, const ExampleView& view, FaceList& faces, int maxAttempts,
                     const std::function<bool()>& stop, int* attemptsMade)
{
    int attempts = 0;
    if (attemptsMade)
        *attemptsMade = 0;
    const Adjacency adj(g);
    const int n = adj.size();
    if (n < 4 || adj.edges > 3 * n - 6)
        return codeOf(Msg::CouldNotFind);
    for (const auto& l : adj.nbrs)
        if (l.size() < 3)
            return codeOf(Msg::CouldNotFind);
    if (!restConnected(adj, std::vector<char>(static_cast<size_t>(n), 0)))
        return codeOf(Msg::CouldNotFind);
    const std::vector<std::pair<int, int>> edges = rankEdges(adj);
    // Peripheral cycles are tried as the outer polygon; for a polyhedral
    // graph every one is a face, so the first already gives a
    // crossing-free drawing.
    for (const auto& [a, b] : edges) {
        if (attempts >= maxAttempts)
            break;
        const std::vector<int> cycle = shortestCycleThrough(adj, a, b);
        if (!peripheral(adj, cycle))
            continue;
        if (attempts > 0 && stop && stop())
            return -1;
        ++attempts;
        if (attemptsMade)
            *attemptsMade = attempts;
        std::vector<P> pos;
        if (solveSchlegel(adj, cycle, view, pos) != 0 || crossings(pos, edges))
            continue;
        std::vector<std::vector<int>> traced = traceFaces(pos, adj);
        if (static_cast<int>(traced.size()) != adj.edges - n + 2)
            continue;
        size_t largest = 0;
        for (size_t f = 1; f < traced.size(); ++f)
            if (traced[f].size() > traced[largest].size())
                largest = f;
        if (solveSchlegel(adj, traced[largest], view, pos) != 0 || crossings(pos, edges))
            continue;
        place(g, adj, pos);
        for (auto& f : traced)
            for (int& v : f)
                v = adj.slotOf[static_cast<size_t>(v)];
        faces.faces = std::move(traced);
        faces.view = static_cast<int>(largest);
        return 0;
    }
    return codeOf(Msg::CouldNotFind);
}

bool polyhedralLayout(Graph& g, const ExampleView& view, FaceList& faces)
{
    // A few attempts: enough for every polyhedral graph.
    return polyhedralSearch(g, view, faces, 3, nullptr) == 0;
}

std::string faceCensus(const FaceList& faces)
{
    std::map<size_t, int> bySides;
    for (const auto& f : faces.faces)
        ++bySides[f.size()];
    std::string s;
    for (const auto& [sides, count] : bySides) {
        if (!s.empty())
            s += ", ";
        s += formatInt(static_cast<long long>(sides));
        s += ":";
        s += formatInt(count);
    }
    return s;
}

} // namespace quan
