#include "graphs/core/notation.h"

#include "core/msgcode.h"

#include <algorithm>

namespace quan {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sixBit(char c) { return c >= 63 && c <= 126; }
int valueOf(char c) { return static_cast<unsigned char>(c) - 63; }

// Bits of the data characters, six per character, most significant first.
class BitReader {
public:
    explicit BitReader(std::string_view data) : data_(data) {}
    size_t total() const { return 6 * data_.size(); }
    int bit(size_t k) const { return (valueOf(data_[k / 6]) >> (5 - k % 6)) & 1; }

private:
    std::string_view data_;
};

// Bits packed six per character (value + 63) as they come.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void put(int b)
    {
        acc_ = acc_ * 2 + (b & 1);
        if (++filled_ == 6) {
            out_.push_back(static_cast<char>(acc_ + 63));
            acc_ = filled_ = 0;
        }
    }
    void put(int value, int width)
    {
        for (int i = width - 1; i >= 0; --i)
            put((value >> i) & 1);
    }
    // Bits in the character being filled.
    int pending() const { return filled_; }

private:
    std::string& out_;
    int acc_ = 0, filled_ = 0;
};

// The number of bits that write n - 1 in binary, at least 1.
int sparse6Width(int n)
{
    int k = 1;
    while (k < 30 && ((n - 1) >> k) != 0)
        ++k;
    return k;
}

size_t ceilDiv6(size_t bits) { return (bits + 5) / 6; }

void decodeSparse6(std::string_view data, int n, NotationGraph& out)
{
    const int k = sparse6Width(n);
    const size_t items = 6 * data.size() / static_cast<size_t>(k + 1);
    // Bits are taken from the characters through a small accumulator.
    size_t next = 0;
    unsigned acc = 0;
    int have = 0;
    auto take = [&](int width) {
        while (have < width) {
            acc = (acc << 6) | static_cast<unsigned>(valueOf(data[next++]));
            have += 6;
        }
        have -= width;
        const unsigned v = (acc >> have) & ((1u << width) - 1);
        acc &= (1u << have) - 1;
        return static_cast<long long>(v);
    };
    long long v = 0;
    bool sorted = true;
    for (size_t item = 0; item < items; ++item) {
        const long long b = take(1);
        const long long x = take(k);
        if (b == 1)
            ++v;
        if (v >= n || x >= n) // past the last vertex: padding or the end
            break;
        if (x > v) {
            v = x;
        } else if (x < v) {
            // Encoders write the edges by v and then x; anything else may
            // repeat an edge.
            if (!out.edges.empty() && (out.edges.back().second > v ||
                                          (out.edges.back().second == v && out.edges.back().first >= x)))
                sorted = false;
            out.edges.emplace_back(static_cast<int>(x), static_cast<int>(v));
        } else {
            out.loop = true;
        }
    }
    // Duplicate edges (a multigraph's) are kept once.
    if (!sorted) {
        std::sort(out.edges.begin(), out.edges.end());
        out.edges.erase(std::unique(out.edges.begin(), out.edges.end()), out.edges.end());
    }
}

// The present slots in order, and each slot's rank among them.
std::vector<int> ranks(const Graph& g, std::vector<int>& present)
{
    present = g.presentVertices();
    std::vector<int> rank(static_cast<size_t>(g.slots()), -1);
    for (size_t i = 0; i < present.size(); ++i)
        rank[static_cast<size_t>(present[i])] = static_cast<int>(i);
    return rank;
}

} // namespace

std::string graph6SizePrefix(int n)
{
    std::string s;
    if (n < 63) {
        s.push_back(static_cast<char>(n + 63));
    } else {
        s.push_back('~');
        s.push_back(static_cast<char>(((n >> 12) & 63) + 63));
        s.push_back(static_cast<char>(((n >> 6) & 63) + 63));
        s.push_back(static_cast<char>((n & 63) + 63));
    }
    return s;
}

int decodeNotation(std::string_view text, int maxVertices, NotationGraph& out)
{
    std::string_view s = trimmed(text);
    NotationGraph r;
    bool explicitDigraph = false;
    if (!s.empty() && s.front() == ':') {
        r.kind = NotationGraph::Kind::Sparse6;
        s.remove_prefix(1);
    } else if (!s.empty() && s.front() == '&') {
        explicitDigraph = true;
        s.remove_prefix(1);
    }
    if (s.empty())
        return codeOf(Msg::MissingData);
    // The size prefix N(n): every character of it is checked.
    long long n = 0;
    if (!sixBit(s[0]))
        return codeOf(Msg::InconsistentData);
    if (s[0] != '~') {
        n = valueOf(s[0]);
        s.remove_prefix(1);
    } else {
        if (s.size() < 4)
            return codeOf(Msg::MissingData);
        for (size_t i = 1; i < 4; ++i)
            if (!sixBit(s[i]))
                return codeOf(Msg::InconsistentData);
        if (s[1] == '~') // the 36-bit form of n >= 258048
            return codeOf(Msg::CannotUnderstand);
        n = (static_cast<long long>(valueOf(s[1])) << 12) | (valueOf(s[2]) << 6) | valueOf(s[3]);
        s.remove_prefix(4);
    }
    if (n < 1)
        return codeOf(Msg::NothingToDo);
    if (n > maxVertices)
        return codeOf(Msg::TooManyPoints);
    r.n = static_cast<int>(n);
    const size_t len = s.size();
    if (r.kind != NotationGraph::Kind::Sparse6) {
        const size_t m = static_cast<size_t>(n) * static_cast<size_t>(n - 1) / 2;
        const size_t sq = static_cast<size_t>(n) * static_cast<size_t>(n);
        if (explicitDigraph) {
            if (len != ceilDiv6(sq))
                return codeOf(Msg::MissingData);
            r.kind = NotationGraph::Kind::Digraph6;
        } else if (n >= 3 && len == ceilDiv6(sq)) {
            r.kind = NotationGraph::Kind::Digraph6;
        } else if (len != ceilDiv6(m)) {
            return codeOf(Msg::MissingData);
        }
    }
    for (char c : s)
        if (!sixBit(c))
            return codeOf(Msg::InconsistentData);
    const BitReader bits(s);
    const int nv = r.n;
    switch (r.kind) {
    case NotationGraph::Kind::Graph6: {
        // Pairs (i, j) in the order (0,1), (0,2), (1,2), (0,3), ...
        const size_t m = static_cast<size_t>(nv) * static_cast<size_t>(nv - 1) / 2;
        size_t k = 0;
        int i = 0, j = 1;
        for (char c : s) {
            const int v = valueOf(c);
            for (int b = 5; b >= 0 && k < m; --b, ++k) {
                if ((v >> b) & 1)
                    r.edges.emplace_back(i, j);
                if (++i == j) {
                    ++j;
                    i = 0;
                }
            }
        }
        break;
    }
    case NotationGraph::Kind::Digraph6: {
        size_t k = 0;
        for (int row = 0; row < nv; ++row)
            for (int col = 0; col < nv; ++col, ++k)
                if (bits.bit(k)) {
                    if (row == col)
                        r.loop = true;
                    else
                        r.arcs.emplace_back(row, col);
                }
        break;
    }
    case NotationGraph::Kind::Sparse6:
        decodeSparse6(s, nv, r);
        break;
    }
    out = std::move(r);
    return 0;
}

bool renumberTreeOnCircle(Graph& g)
{
    const std::vector<int> vs = g.presentVertices();
    if (vs.empty() || g.edgeCount() + 1 != g.count())
        return false;
    // Depth-first preorder from the lowest slot, neighbours in slot order.
    std::vector<int> order;
    std::vector<char> seen(static_cast<size_t>(g.slots()), 0);
    std::vector<std::pair<int, size_t>> stack{{vs.front(), 0}};
    seen[static_cast<size_t>(vs.front())] = 1;
    order.push_back(vs.front());
    while (!stack.empty()) {
        auto& [v, next] = stack.back();
        bool descended = false;
        while (next < vs.size()) {
            const int w = vs[next++];
            if (!seen[static_cast<size_t>(w)] && g.Adjacent(v, w)) {
                seen[static_cast<size_t>(w)] = 1;
                order.push_back(w);
                stack.emplace_back(w, 0);
                descended = true;
                break;
            }
        }
        if (!descended)
            stack.pop_back();
    }
    if (order.size() != vs.size())
        return false; // not connected
    std::vector<std::pair<Real, Real>> places;
    for (int v : vs)
        places.emplace_back(g.x(v), g.y(v));
    for (size_t k = 0; k < order.size(); ++k)
        g.setPosition(order[k], places[k].first, places[k].second);
    return true;
}

int ReadGraph6(Graph& g, std::string_view text, const ExampleView& view)
{
    NotationGraph ng;
    if (const int code = decodeNotation(text, g.slots(), ng); code != 0)
        return code;
    Graph fresh(g.slots());
    fresh.newLabelState = g.newLabelState;
    if (!circleExample(fresh, ng.n, view, false))
        return codeOf(Msg::TooManyPoints);
    for (const auto& [i, j] : ng.edges) {
        fresh.SetWeight(i, j, 0);
        fresh.SetDirection(i, j, 0);
    }
    for (const auto& [r, c] : ng.arcs) {
        if (!fresh.Adjacent(r, c)) {
            fresh.SetWeight(r, c, 0);
            fresh.SetDirection(r, c, 1);
        } else if (fresh.Direction(r, c) == -1) {
            fresh.SetDirection(r, c, 2);
        }
    }
    fresh.digraph = ng.kind == NotationGraph::Kind::Digraph6;
    fresh.weightsShown = false;
    renumberTreeOnCircle(fresh);
    fresh.ComputeValences();
    fresh.ClearSolution(true);
    fresh.modified = true;
    g = std::move(fresh);
    return ng.loop && ng.kind == NotationGraph::Kind::Digraph6 ? codeOf(Msg::LoopDiscarded) : 0;
}

NotationGraph notationOf(const Graph& g)
{
    std::vector<int> vs;
    const std::vector<int> rank = ranks(g, vs);
    NotationGraph ng;
    ng.n = static_cast<int>(vs.size());
    ng.kind = g.digraph ? NotationGraph::Kind::Digraph6 : NotationGraph::Kind::Graph6;
    for (const auto& [a, b] : g.edges()) {
        const int ra = rank[static_cast<size_t>(a)], rb = rank[static_cast<size_t>(b)];
        ng.edges.emplace_back(ra, rb);
        if (!g.digraph)
            continue;
        const int d = g.Direction(a, b);
        if (d != -1)
            ng.arcs.emplace_back(ra, rb);
        if (d != 1)
            ng.arcs.emplace_back(rb, ra);
    }
    return ng;
}

std::string encodeGraph6(const NotationGraph& ng)
{
    const size_t n = static_cast<size_t>(std::max(ng.n, 0));
    std::string s;
    if (ng.kind == NotationGraph::Kind::Digraph6)
        s.push_back('&');
    s.append(graph6SizePrefix(ng.n));
    const size_t at = s.size();
    const bool digraph = ng.kind == NotationGraph::Kind::Digraph6;
    const size_t bits = digraph ? n * n : n * (n > 0 ? n - 1 : 0) / 2;
    s.resize(at + ceilDiv6(bits), '\0'); // six-bit values; 63 is added last
    auto set = [&s, at](size_t k) { s[at + k / 6] = static_cast<char>(s[at + k / 6] | (1 << (5 - k % 6))); };
    if (digraph) {
        for (const auto& [r, c] : ng.arcs)
            set(static_cast<size_t>(r) * n + static_cast<size_t>(c));
    } else {
        // The pair (i, j), i < j, is bit j (j - 1) / 2 + i.
        for (const auto& [a, b] : ng.edges) {
            const size_t i = static_cast<size_t>(std::min(a, b)), j = static_cast<size_t>(std::max(a, b));
            set(j * (j - 1) / 2 + i);
        }
    }
    for (size_t i = at; i < s.size(); ++i)
        s[i] = static_cast<char>(s[i] + 63);
    return s;
}

std::string encodeSparse6(const NotationGraph& ng)
{
    const int n = ng.n;
    std::string s = ":";
    s += graph6SizePrefix(n);
    if (n <= 0)
        return s;
    const int k = sparse6Width(n);
    // Edges {i, j}, i < j, by j and then i.
    std::vector<std::pair<int, int>> byJ;
    for (const auto& [a, b] : ng.edges)
        byJ.emplace_back(std::max(a, b), std::min(a, b));
    std::sort(byJ.begin(), byJ.end());
    s.reserve(s.size() + byJ.size() * static_cast<size_t>(k + 1) / 3 + 2);
    BitWriter bits(s);
    int v = 0;
    for (const auto& [j, i] : byJ) {
        if (j == v) {
            bits.put(0);
            bits.put(i, k);
        } else if (j == v + 1) {
            bits.put(1);
            bits.put(i, k);
        } else {
            bits.put(1);
            bits.put(j, k);
            bits.put(0);
            bits.put(i, k);
        }
        v = j;
    }
    const size_t pad = static_cast<size_t>((6 - bits.pending()) % 6);
    // All-one padding would read as an item that steps v from n - 2 to n - 1
    // and names n - 1 again (a loop) when n = 2^k; a 0 bit first prevents it.
    size_t done = 0;
    if (k < 6 && n == (1 << k) && !byJ.empty() && v == n - 2 && pad >= static_cast<size_t>(k + 1)) {
        bits.put(0);
        done = 1;
    }
    for (; done < pad; ++done)
        bits.put(1);
    return s;
}

std::string WriteGraph6(const Graph& g) { return encodeGraph6(notationOf(g)); }

std::string WriteSparse6(const Graph& g)
{
    NotationGraph ng = notationOf(g); // its edges ignore the directions
    ng.kind = NotationGraph::Kind::Sparse6;
    return encodeSparse6(ng);
}

int ReadLCF(Graph& g, std::string_view text, const ExampleView& view)
{
    std::string s;
    for (char c : text)
        if (!isBlank(c))
            s.push_back(c);
    const size_t close = s.find(']');
    if (s.empty() || s.front() != '[' || close == std::string::npos)
        return codeOf(Msg::CouldNotFind);
    constexpr long long kLongest = 999999999; // larger numbers are "too long"
    const int slots = g.slots();
    long long e = 1;
    const std::string tail = s.substr(close + 1);
    if (!tail.empty()) {
        if (tail.size() < 2 || tail.front() != '^')
            return codeOf(Msg::InconsistentData);
        e = 0;
        for (size_t i = 1; i < tail.size(); ++i) {
            if (tail[i] < '0' || tail[i] > '9')
                return codeOf(Msg::InconsistentData);
            e = e * 10 + (tail[i] - '0');
            if (e > kLongest)
                return codeOf(Msg::OutOfBounds);
        }
    }
    if (2 * e > slots)
        return codeOf(Msg::OutOfBounds);
    const std::string inside = s.substr(1, close - 1);
    std::vector<long long> offsets;
    if (!inside.empty()) {
        size_t start = 0;
        while (true) {
            const size_t comma = std::min(inside.find(',', start), inside.size());
            const std::string item = inside.substr(start, comma - start);
            size_t d = item.size() > 0 && item[0] == '-' ? 1 : 0;
            if (d >= item.size())
                return codeOf(Msg::InconsistentData);
            long long value = 0;
            for (; d < item.size(); ++d) {
                if (item[d] < '0' || item[d] > '9')
                    return codeOf(Msg::InconsistentData);
                value = value * 10 + (item[d] - '0');
                if (value > kLongest)
                    return codeOf(Msg::OutOfBounds);
            }
            if (item[0] == '-')
                value = -value;
            if (value == 1 || value == -1)
                return codeOf(Msg::InconsistentData);
            offsets.push_back(value);
            if (static_cast<long long>(offsets.size()) > slots)
                return codeOf(Msg::OutOfBounds);
            if (comma >= inside.size())
                break;
            start = comma + 1;
        }
    }
    if (offsets.empty() || e == 0)
        return codeOf(Msg::NothingToDo);
    const long long n = static_cast<long long>(offsets.size()) * e;
    if (n > slots)
        return codeOf(Msg::OutOfBounds);
    Graph fresh(slots);
    fresh.newLabelState = g.newLabelState;
    if (!circleExample(fresh, static_cast<int>(n), view, true))
        return codeOf(Msg::OutOfBounds);
    constexpr int kPending = 5; // a chord met from one end only
    int open = 0;
    for (long long i = 0; i < n; ++i) {
        const long long off = offsets[static_cast<size_t>(i) % offsets.size()];
        const int a = static_cast<int>(i), b = static_cast<int>(((i + off) % n + n) % n);
        if (a == b)
            return codeOf(Msg::InconsistentData);
        const int w = fresh.Weight(a, b);
        if (w == kNoEdge) {
            fresh.SetWeight(a, b, kPending);
            fresh.SetDirection(a, b, 0);
            ++open;
        } else if (w == kPending) {
            fresh.SetWeight(a, b, 0);
            --open;
        } else {
            return codeOf(Msg::InconsistentData);
        }
    }
    if (open != 0)
        return codeOf(Msg::InconsistentData);
    fresh.weightsShown = false;
    fresh.digraph = false;
    fresh.ComputeValences();
    fresh.ClearSolution(true);
    fresh.modified = true;
    g = std::move(fresh);
    return 0;
}

int G6Collection::load(std::string text, int id)
{
    std::vector<std::pair<size_t, size_t>> lines;
    size_t start = 0;
    for (const char* header : {">>graph6<<", ">>sparse6<<", ">>digraph6<<"}) {
        const std::string_view h(header);
        if (text.compare(0, h.size(), h) == 0) {
            start = h.size();
            break;
        }
    }
    size_t i = start;
    while (i <= text.size()) {
        size_t end = i;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        size_t a = i, b = end;
        while (a < b && (text[a] == ' ' || text[a] == '\t'))
            ++a;
        while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t'))
            --b;
        if (b > a)
            lines.emplace_back(a, b - a);
        i = end + 1;
    }
    if (lines.empty())
        return codeOf(Msg::CannotOpenFile);
    text_ = std::move(text);
    lines_ = std::move(lines);
    id_ = id;
    current = 0;
    return 0;
}

int G6Collection::wrap(long long i) const
{
    const long long c = count();
    if (c == 0)
        return 0;
    return static_cast<int>(((i % c) + c) % c);
}

std::string_view G6Collection::example(long long i) const
{
    if (lines_.empty())
        return {};
    const auto& [at, len] = lines_[static_cast<size_t>(wrap(i))];
    return std::string_view(text_).substr(at, len);
}

int nextCollectionId(int id)
{
    if (id >= 0 && id <= 2)
        return (id + 1) % 3;
    if (id >= 100 && id <= 108)
        return (id - 99) % 9 + 100;
    if (id >= 200 && id <= 206)
        return (id - 199) % 7 + 200;
    return -1;
}

} // namespace quan
