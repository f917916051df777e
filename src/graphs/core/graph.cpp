#include "graphs/core/graph.h"

#include "core/msgcode.h"

#include <algorithm>

namespace quan {

std::string LabelRecord::text() const
{
    size_t n = 0;
    while (n < textBytes.size() && textBytes[n] != '\0')
        ++n;
    return std::string(textBytes.data(), std::min(n, kMaxText));
}

void LabelRecord::setText(const std::string& t)
{
    textBytes.fill('\0');
    const size_t n = std::min({t.size(), t.find('\0'), kMaxText});
    std::copy_n(t.begin(), n, textBytes.begin());
}

void LabelRecord::write(ByteWriter& w) const
{
    w.bytes(textBytes.data(), textBytes.size());
    for (int16_t v : {slot, state, deviceX, deviceY, width, height, dx, dy})
        w.i16(v);
}

void LabelRecord::read(ByteReader& r)
{
    r.bytes(textBytes.data(), textBytes.size());
    textBytes.back() = '\0';
    for (int16_t* v : {&slot, &state, &deviceX, &deviceY, &width, &height, &dx, &dy})
        *v = r.i16();
}

Graph::Graph(int slots) : n_(std::max(1, slots))
{
    slots_.resize(static_cast<size_t>(n_));
    for (int v = 0; v < n_; ++v) {
        VertexSlot& s = slots_[static_cast<size_t>(v)];
        s.label = freshLabel(v);
        s.second = freshLabel(v);
        s.second.state = 0;
    }
    m_.assign(static_cast<size_t>(n_) * static_cast<size_t>(n_), 0);
    ClearEdges();
    ClearSolution(true);
}

LabelRecord Graph::freshLabel(int v) const
{
    LabelRecord r;
    r.setText(slotName(v));
    r.slot = static_cast<int16_t>(v);
    r.state = static_cast<int16_t>(labelStateValid(newLabelState) ? newLabelState : labelState(TextNone, IconBullet));
    return r;
}

std::vector<int> Graph::presentVertices() const
{
    std::vector<int> out;
    out.reserve(static_cast<size_t>(count_));
    for (int v = 0; v <= maxIndex_; ++v)
        if (slots_[static_cast<size_t>(v)].present)
            out.push_back(v);
    return out;
}

void Graph::setPosition(int v, Real x, Real y)
{
    VertexSlot& s = slots_[static_cast<size_t>(v)];
    s.x = x;
    s.y = y;
    modified = true;
}

void Graph::setLabelText(int v, const std::string& text)
{
    slots_[static_cast<size_t>(v)].label.setText(text);
    modified = true;
}

void Graph::setLabelState(int v, int state)
{
    if (!labelStateValid(state))
        return;
    slots_[static_cast<size_t>(v)].label.state = static_cast<int16_t>(state);
    modified = true;
}

void Graph::setLabelOffset(int v, int16_t dx, int16_t dy)
{
    LabelRecord& l = slots_[static_cast<size_t>(v)].label;
    l.dx = dx;
    l.dy = dy;
    modified = true;
}

void Graph::setLabelCache(int v, int16_t x, int16_t y, int16_t width, int16_t height)
{
    LabelRecord& l = slots_[static_cast<size_t>(v)].label;
    l.deviceX = x;
    l.deviceY = y;
    l.width = width;
    l.height = height;
}

void Graph::setLabel(int v, const LabelRecord& r)
{
    LabelRecord& l = slots_[static_cast<size_t>(v)].label;
    l = r;
    l.slot = static_cast<int16_t>(v);
    l.textBytes.back() = '\0';
    modified = true;
}

void Graph::setSecondLabel(int v, const LabelRecord& r)
{
    LabelRecord& l = slots_[static_cast<size_t>(v)].second;
    l = r;
    l.slot = static_cast<int16_t>(v);
    l.textBytes.back() = '\0';
    modified = true;
}

void Graph::setColor(int v, int32_t c)
{
    slots_[static_cast<size_t>(v)].color = c;
}

int Graph::Direction(int a, int b) const
{
    if (a < b)
        return m_[idx(a, b)];
    const int d = m_[idx(b, a)];
    return d == 2 ? 2 : -d;
}

void Graph::SetWeight(int a, int b, int w)
{
    if (a == b)
        return;
    m_[idx(std::max(a, b), std::min(a, b))] = static_cast<int16_t>(std::clamp(w, kNoEdge, kMaxWeight));
}

void Graph::SetDirection(int a, int b, int d)
{
    if (a == b || d < -1 || d > 2)
        return;
    if (a < b)
        m_[idx(a, b)] = static_cast<int16_t>(d);
    else
        m_[idx(b, a)] = static_cast<int16_t>(d == 2 ? 2 : -d);
}

void Graph::ClearEdges()
{
    for (int i = 0; i < n_; ++i) {
        int16_t* row = m_.data() + idx(i, 0);
        std::fill(row, row + i, static_cast<int16_t>(kNoEdge));
        std::fill(row + i, row + n_, static_cast<int16_t>(0));
    }
}

int Graph::edgeCount() const
{
    int e = 0;
    for (int hi = 0; hi <= maxIndex_; ++hi) {
        if (!slots_[static_cast<size_t>(hi)].present)
            continue;
        for (int lo = 0; lo < hi; ++lo)
            if (m_[idx(hi, lo)] >= 0 && slots_[static_cast<size_t>(lo)].present)
                ++e;
    }
    return e;
}

std::vector<std::pair<int, int>> Graph::edges() const
{
    std::vector<std::pair<int, int>> out;
    for (int lo = 0; lo <= maxIndex_; ++lo) {
        if (!slots_[static_cast<size_t>(lo)].present)
            continue;
        for (int hi = lo + 1; hi <= maxIndex_; ++hi)
            if (m_[idx(hi, lo)] >= 0 && slots_[static_cast<size_t>(hi)].present)
                out.emplace_back(lo, hi);
    }
    return out;
}

void Graph::ComputeValences()
{
    for (VertexSlot& s : slots_)
        s.out = s.in = 0;
    source_ = sink_ = -1;
    maxOut_ = maxIn_ = 0;
    for (const auto& [lo, hi] : edges()) {
        VertexSlot& a = slots_[static_cast<size_t>(lo)];
        VertexSlot& b = slots_[static_cast<size_t>(hi)];
        if (!digraph) {
            ++a.out;
            ++b.out;
            continue;
        }
        const int d = Direction(lo, hi);
        if (d == 1 || d == 2) {
            ++a.out;
            ++b.in;
        }
        if (d == -1 || d == 2) {
            ++b.out;
            ++a.in;
        }
    }
    for (int v = 0; v <= maxIndex_; ++v) {
        const VertexSlot& s = slots_[static_cast<size_t>(v)];
        if (!s.present)
            continue;
        maxOut_ = std::max<int>(maxOut_, s.out);
        maxIn_ = std::max<int>(maxIn_, s.in);
        if (!digraph)
            continue;
        if (s.in == 0 && s.out > 0)
            source_ = v;
        if (s.out == 0 && s.in > 0)
            sink_ = v;
    }
}

void Graph::recount()
{
    count_ = 0;
    maxIndex_ = -1;
    for (int v = 0; v < n_; ++v)
        if (slots_[static_cast<size_t>(v)].present) {
            ++count_;
            maxIndex_ = v;
        }
}

int Graph::AddVertexAt(Real x, Real y, int* slot)
{
    int v = 0;
    while (v < n_ && slots_[static_cast<size_t>(v)].present)
        ++v;
    if (!addVertexInSlot(v, x, y))
        return codeOf(Msg::TooManyPoints);
    if (slot)
        *slot = v;
    return 0;
}

bool Graph::addVertexInSlot(int v, Real x, Real y)
{
    if (v < 0 || v >= n_ || slots_[static_cast<size_t>(v)].present)
        return false;
    VertexSlot& s = slots_[static_cast<size_t>(v)];
    s.present = true;
    s.x = x;
    s.y = y;
    s.label = freshLabel(v);
    s.second = freshLabel(v);
    s.second.state = 0;
    s.out = s.in = 0;
    s.color = 0;
    ++count_;
    maxIndex_ = std::max(maxIndex_, v);
    ClearSolution(false);
    modified = true;
    return true;
}

void Graph::DeleteVertex(int v)
{
    if (!present(v))
        return;
    slots_[static_cast<size_t>(v)].present = false;
    slots_[static_cast<size_t>(v)].out = slots_[static_cast<size_t>(v)].in = 0;
    for (int u = 0; u < n_; ++u)
        if (u != v) {
            SetWeight(u, v, kNoEdge);
            SetDirection(u, v, 0);
        }
    recount();
    modified = true;
}

void Graph::AddEdge(int a, int b)
{
    if (a == b || !present(a) || !present(b))
        return;
    SetWeight(a, b, 0);
    SetDirection(a, b, 1);
    modified = true;
}

void Graph::DeleteEdge(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= n_ || b >= n_)
        return;
    SetWeight(a, b, kNoEdge);
    SetDirection(a, b, 0);
    modified = true;
}

void Graph::clearAll()
{
    for (VertexSlot& s : slots_) {
        s.present = false;
        s.out = s.in = 0;
        s.color = 0;
    }
    count_ = 0;
    maxIndex_ = -1;
    ClearEdges();
    ClearSolution(true);
    modified = true;
}

int Graph::editWeight(int a, int b, long long w)
{
    if (w > kMaxWeight)
        return codeOf(Msg::TooLarge);
    if (w < 0)
        DeleteEdge(a, b);
    else if (a != b && present(a) && present(b)) {
        SetWeight(a, b, static_cast<int>(w));
        modified = true;
    }
    return 0;
}

void Graph::cycleDirection(int a, int b)
{
    if (a == b || !present(a) || !present(b))
        return;
    const int lo = std::min(a, b), hi = std::max(a, b);
    SetDirection(lo, hi, nextArrowDirection(Direction(lo, hi)));
    modified = true;
}

void Graph::ClearSolution(bool resetBest)
{
    solution.mode = DisplayMode::None;
    solution.edges.clear();
    solution.edgeColors.clear();
    solution.colorDisplay = false;
    solution.summary.clear();
    if (solution.eulerNumbering) {
        weightsShown = false;
        solution.eulerNumbering = false;
    }
    if (resetBest) {
        solution.bestTotal = kNoBestTotal;
        solution.bestTour = presentVertices();
        if (!solution.bestTour.empty())
            solution.bestTour.push_back(solution.bestTour.front());
    }
}

int Graph::frameCount() const
{
    switch (solution.mode) {
    case DisplayMode::EulerianCircuit:
    case DisplayMode::EulerianPath:
        return static_cast<int>(solution.edges.size()) + 2;
    case DisplayMode::NearestNeighbour:
    case DisplayMode::SortedEdges:
    case DisplayMode::HamiltonianCircuit:
    case DisplayMode::BestTour:
    case DisplayMode::WelshPowell:
        return maxIndex_ + 3;
    case DisplayMode::Kruskal:
    case DisplayMode::Prim:
    case DisplayMode::Dijkstra:
    case DisplayMode::HamiltonianPath:
        return maxIndex_ + 2;
    default:
        return 1;
    }
}

void Graph::Backup()
{
    backupSlots_.clear();
    backupSlots_.reserve(slots_.size());
    for (const VertexSlot& s : slots_)
        backupSlots_.push_back({s.present, s.x, s.y});
    backupMatrix_ = m_;
}

bool Graph::Restore()
{
    if (backupSlots_.empty())
        return false;
    for (size_t v = 0; v < slots_.size(); ++v) {
        VertexSlot& s = slots_[v];
        const BackupSlot& b = backupSlots_[v];
        if (b.present && !s.present) {
            // A slot that comes back gets a label of its own again.
            s.label = freshLabel(static_cast<int>(v));
            s.second = freshLabel(static_cast<int>(v));
            s.second.state = 0;
        }
        s.present = b.present;
        s.x = b.x;
        s.y = b.y;
    }
    m_ = backupMatrix_;
    recount();
    modified = true;
    return true;
}

std::string Graph::messageName(int v) const
{
    if (v < 0 || v >= n_)
        return slotName(v);
    const LabelRecord& l = slot(v).label;
    return l.textKind() == TextUser ? l.text() : slotName(v);
}

bool Graph::operator==(const Graph& o) const
{
    if (n_ != o.n_ || count_ != o.count_ || maxIndex_ != o.maxIndex_ || weightsShown != o.weightsShown ||
        digraph != o.digraph || !(solution == o.solution) || newLabelState != o.newLabelState)
        return false;
    const std::vector<int> vs = presentVertices();
    if (vs != o.presentVertices())
        return false;
    for (int i : vs) {
        if (!(slots_[static_cast<size_t>(i)] == o.slots_[static_cast<size_t>(i)]))
            return false;
        for (int j : vs)
            if (i != j && m_[idx(i, j)] != o.m_[idx(i, j)])
                return false;
    }
    return true;
}

std::string slotName(int n)
{
    if (n < 0)
        return "?";
    std::string s(1, static_cast<char>('A' + n % 26));
    const int q = n / 2626;
    if (q == 1)
        s += '\'';
    else if (q == 2)
        s += '"';
    const int k = (n / 26) % 101 - 1;
    if (k >= 0) {
        s += '_';
        s += formatInt(k);
    }
    return s;
}

int slotOfName(const std::string& name, int slots)
{
    if (name.empty() || name[0] < 'A' || name[0] > 'Z')
        return -1;
    const int letter = name[0] - 'A';
    size_t i = 1;
    int q = 0;
    if (i < name.size() && (name[i] == '\'' || name[i] == '"'))
        q = name[i++] == '\'' ? 1 : 2;
    int t = 0; // (n div 26) mod 101
    if (i < name.size()) {
        if (name[i] != '_' || ++i == name.size())
            return -1;
        const std::string digits = name.substr(i);
        if (digits.size() > 2 || (digits.size() == 2 && digits[0] == '0'))
            return -1;
        int s = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return -1;
            s = 10 * s + (c - '0');
        }
        t = s + 1;
    }
    const long long n = 2626LL * q + 26LL * t + letter;
    return n < slots ? static_cast<int>(n) : -1;
}

} // namespace quan
