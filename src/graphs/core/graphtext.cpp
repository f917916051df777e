#include "graphs/core/graphtext.h"

#include "core/msgcode.h"
#include "core/numberscan.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace quan {

namespace {

constexpr size_t kAllNumbers = std::numeric_limits<size_t>::max();

// The scanner keeps a value too large for a real as the largest finite
// real: such a coordinate has overflowed.
bool overflowed(Real v)
{
    return !std::isfinite(v) || std::fabs(v) >= std::numeric_limits<Real>::max();
}

// Numbers read one block at a time.
class Blocks {
public:
    explicit Blocks(std::vector<Real> n) : n_(std::move(n)) {}
    bool more() const { return p_ < n_.size(); }
    size_t left() const { return n_.size() - p_; }
    Real real() { return n_[p_++]; }
    long long integer() { return roundHalfDown(n_[p_++]); }

private:
    std::vector<Real> n_;
    size_t p_ = 0;
};

} // namespace

int pasteCoordinates(Graph& g, const std::string& text, bool zeroBased)
{
    Blocks b(scanNumbers(text, kAllNumbers));
    if (!b.more())
        return codeOf(Msg::NothingToDo);
    const long long nV = b.integer();
    if (nV < 0)
        return codeOf(Msg::PositiveValue);
    if (nV == 0)
        return codeOf(Msg::NothingToDo);
    if (nV > g.slots())
        return codeOf(Msg::TooManyPoints);
    if (b.left() < 2 * static_cast<size_t>(nV))
        return codeOf(Msg::VerticesMiscounted);
    Graph h(g.slots());
    h.newLabelState = g.newLabelState;
    for (int v = 0; v < nV; ++v) {
        const Real x = b.real();
        const Real y = b.real();
        if (overflowed(x) || overflowed(y))
            return codeOf(Msg::InconsistentData);
        h.addVertexInSlot(v, x, y);
    }

    std::vector<std::pair<int, int>> pairs;
    std::vector<int> weights, directions;
    if (b.more()) {
        const long long nE = b.integer();
        if (nE < 0)
            return codeOf(Msg::PositiveValue);
        if (b.left() / 2 < static_cast<size_t>(nE))
            return codeOf(Msg::NotEnoughData);
        const long long first = zeroBased ? 0 : 1;
        pairs.reserve(static_cast<size_t>(nE));
        for (long long k = 0; k < nE; ++k) {
            const long long a = b.integer() - first, c = b.integer() - first;
            if (a < 0 || a >= nV || c < 0 || c >= nV)
                return codeOf(Msg::InconsistentData);
            pairs.emplace_back(static_cast<int>(a), static_cast<int>(c));
        }
        if (b.more()) {
            const long long nW = b.integer();
            if (nW < 0)
                return codeOf(Msg::PositiveValue);
            if (nW > nE)
                return codeOf(Msg::InconsistentData);
            if (b.left() < static_cast<size_t>(nW))
                return codeOf(Msg::NotEnoughData);
            for (long long k = 0; k < nW; ++k) {
                const long long w = b.integer();
                if (w < 0)
                    return codeOf(Msg::InconsistentData);
                if (w > kMaxWeight)
                    return codeOf(Msg::TooLarge);
                weights.push_back(static_cast<int>(w));
            }
            if (b.more()) {
                const long long nD = b.integer();
                if (nD < 0)
                    return codeOf(Msg::PositiveValue);
                if (nD > nE)
                    return codeOf(Msg::InconsistentData);
                if (b.left() < static_cast<size_t>(nD))
                    return codeOf(Msg::NotEnoughData);
                for (long long k = 0; k < nD; ++k) {
                    const long long d = b.integer();
                    if (d < -1 || d > 2)
                        return codeOf(Msg::InconsistentData);
                    directions.push_back(static_cast<int>(d));
                }
            }
        }
    }

    for (size_t k = 0; k < pairs.size(); ++k) {
        const auto [a, c] = pairs[k];
        if (a == c)
            continue;
        h.SetWeight(a, c, k < weights.size() ? weights[k] : 0);
        h.SetDirection(a, c, k < directions.size() ? directions[k] : 0);
    }
    bool positive = false, directed = false;
    for (const auto& [lo, hi] : h.edges()) {
        positive = positive || h.Weight(lo, hi) > 0;
        directed = directed || h.Direction(lo, hi) != 0;
    }
    h.weightsShown = positive;
    h.digraph = directed;
    h.ClearSolution(true);
    h.ComputeValences();
    h.modified = true;
    g = std::move(h);
    return 0;
}

int pasteAdjacencies(Graph& g, const std::string& text)
{
    std::vector<std::pair<int, int>> pairs;
    size_t start = 0;
    for (size_t end = text.find(';'); end != std::string::npos; start = end + 1, end = text.find(';', start)) {
        const std::vector<Real> n = scanNumbers(text.substr(start, end - start), static_cast<size_t>(g.count()));
        if (n.empty())
            continue;
        const int32_t v = roundHalfDown(n[0]);
        if (!g.present(v))
            return codeOf(Msg::InconsistentData);
        for (size_t k = 1; k < n.size(); ++k) {
            const int32_t u = roundHalfDown(n[k]);
            if (!g.present(u))
                return codeOf(Msg::InconsistentData);
            if (u != v)
                pairs.emplace_back(v, u);
        }
    }
    g.ClearEdges();
    for (const auto& [v, u] : pairs)
        g.SetWeight(v, u, 0);
    g.weightsShown = false;
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
    return 0;
}

int pasteWeights(Graph& g, const std::string& text)
{
    const std::vector<int> vs = g.presentVertices();
    const size_t n = vs.size();
    const size_t need = n * (n - (n > 0 ? 1 : 0)) / 2;
    const std::vector<Real> numbers = scanNumbers(text, need);
    if (numbers.size() < need)
        return codeOf(Msg::NotEnoughData);
    std::vector<int> weights;
    weights.reserve(need);
    for (Real x : numbers) {
        const long long w = std::llabs(static_cast<long long>(roundHalfDown(x)));
        if (w > kMaxWeight)
            return codeOf(Msg::TooLarge);
        weights.push_back(static_cast<int>(w));
    }
    size_t k = 0;
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            if (!g.Adjacent(vs[i], vs[j]))
                g.SetDirection(vs[i], vs[j], 0);
            g.SetWeight(vs[i], vs[j], weights[k++]);
        }
    g.weightsShown = true;
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
    return 0;
}

namespace {

// Values written perLine to a line, blank-separated; "0" when there are none.
std::string valueBlock(const std::vector<int>& values, size_t perLine)
{
    if (values.empty())
        return "0\r\n";
    std::string s = formatInt(static_cast<long long>(values.size())) + "\r\n";
    for (size_t i = 0; i < values.size(); ++i) {
        s += formatInt(values[i]);
        s += (i + 1) % perLine == 0 || i + 1 == values.size() ? "\r\n" : " ";
    }
    return s;
}

} // namespace

int definitionText(const Graph& g, const DefinitionOptions& o, std::string& out)
{
    const std::vector<int> vs = g.presentVertices();
    std::vector<int> rank(static_cast<size_t>(g.slots()), -1);
    for (size_t i = 0; i < vs.size(); ++i)
        rank[static_cast<size_t>(vs[i])] = static_cast<int>(i);
    const auto edges = g.edges();
    const int first = o.zeroBased ? 0 : 1;

    std::string s = o.words.vertices + ": " + formatInt(g.count()) + "\r\n";
    for (int v : vs)
        s += formatReal(g.x(v), 0, o.decimals) + " " + formatReal(g.y(v), 0, o.decimals) + "\r\n";
    s += "\r\n" + o.words.edges + ": " + formatInt(static_cast<long long>(edges.size())) + "\r\n";
    for (const auto& [lo, hi] : edges)
        s += formatInt(rank[static_cast<size_t>(lo)] + first) + " " + formatInt(rank[static_cast<size_t>(hi)] + first) +
            "\r\n";

    const bool tooMany = edges.size() > static_cast<size_t>(kDefinitionWeightedEdges);
    std::vector<int> weights, directions;
    if (!tooMany) {
        size_t lastWeight = 0, lastDirection = 0;
        for (size_t k = 0; k < edges.size(); ++k) {
            const auto [lo, hi] = edges[k];
            weights.push_back(g.Weight(lo, hi));
            directions.push_back(g.Direction(lo, hi));
            if (weights.back() > 0)
                lastWeight = k + 1;
            if (directions.back() != 0)
                lastDirection = k + 1;
        }
        weights.resize(g.weightsShown ? lastWeight : 0);
        directions.resize(g.digraph ? lastDirection : 0);
    }
    auto block = [&s](const std::string& word, const std::vector<int>& values, size_t perLine) {
        std::string b = valueBlock(values, perLine);
        if (s.size() + b.size() >= kDefinitionBlockLimit)
            b = "0\r\n";
        s += "\r\n" + word + ": " + b;
    };
    block(o.words.weights, weights, 10);
    block(o.words.directions, directions, 15);

    int code = 0;
    if (tooMany) {
        s += o.words.noMoreRoom + "\r\n";
        code = codeOf(Msg::NoMoreRoom);
    }
    const size_t room = kDefinitionNotebookLimit - std::min(o.notebookChars, kDefinitionNotebookLimit);
    if (s.size() > room) {
        // Whole lines only: a cut number would read back as another one.
        const size_t end = room >= 2 ? s.rfind("\r\n", room - 2) : std::string::npos;
        s.resize(end == std::string::npos ? 0 : end + 2);
        code = codeOf(Msg::NoMoreRoom);
    }
    out = std::move(s);
    return code;
}

GraphData graphData(const Graph& g)
{
    GraphData d;
    const std::vector<int> vs = g.presentVertices();
    d.vertices = static_cast<int>(vs.size());
    std::vector<int> parent(static_cast<size_t>(g.slots()));
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&parent](int v) {
        while (parent[static_cast<size_t>(v)] != v)
            v = parent[static_cast<size_t>(v)] = parent[static_cast<size_t>(parent[static_cast<size_t>(v)])];
        return v;
    };
    d.components = d.vertices;
    for (const auto& [lo, hi] : g.edges()) {
        ++d.edges;
        const int a = find(lo), b = find(hi);
        if (a != b) {
            parent[static_cast<size_t>(a)] = b;
            --d.components;
        }
    }
    return d;
}

std::string dataText(const GraphData& d, const GraphTextWords& w)
{
    return w.vertices + ": " + formatInt(d.vertices) + "\r\n" + w.edges + ": " + formatInt(d.edges) + "\r\n" +
        w.components + ": " + formatInt(d.components) + "\r\n";
}

} // namespace quan
