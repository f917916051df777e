#include "graphs/core/sqrect.h"

#include "core/fileio.h"
#include "core/msgcode.h"
#include "core/qmath.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace quan {

namespace {

constexpr int kBad = codeOf(Msg::InconsistentData);
constexpr int kTooLarge = codeOf(Msg::TooLarge);
constexpr int kTooMany = codeOf(Msg::TooManyPoints);

// A number of the text, capped well past 32 bits so that no sum overflows.
constexpr uint64_t kHuge = uint64_t{1} << 40;

struct Token {
    uint64_t value;
    size_t pos;
};

std::vector<Token> numbersOf(const std::string& text)
{
    std::vector<Token> out;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        Token t{0, i};
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            t.value = std::min<uint64_t>(kHuge, t.value * 10 + static_cast<uint64_t>(text[i] - '0'));
            ++i;
        }
        out.push_back(t);
    }
    return out;
}

} // namespace

int ReadBouwkamp(const std::string& raw, BouwkampCode& out)
{
    if (raw.find_first_not_of(" \t\r\n") == std::string::npos)
        return codeOf(Msg::NothingToDo);
    std::string text = raw;
    bool brackets = false;
    for (char& c : text) {
        if (c == '[' || c == '{')
            c = '(';
        else if (c == ']' || c == '}')
            c = ')';
        if (c == '(' || c == ')')
            brackets = true;
    }
    const size_t open = text.find('(');
    if (brackets && open == std::string::npos)
        return codeOf(Msg::CannotUnderstand);

    const std::vector<Token> nums = numbersOf(text);
    uint64_t order = 0, width = 0, height = 0;
    std::vector<uint64_t> sizes;
    if (brackets) {
        size_t before = 0;
        while (before < nums.size() && nums[before].pos < open)
            ++before;
        for (size_t i = before; i < nums.size(); ++i)
            sizes.push_back(nums[i].value);
        if (before == 3) {
            if (nums.size() < 11)
                return kBad;
            order = nums[0].value;
            width = nums[1].value;
            height = nums[2].value;
        } else if (before == 0) {
            const size_t close = text.find(')', open);
            if (close == std::string::npos || sizes.size() + 2 < 11)
                return kBad;
            // Zeros and oversized numbers are refused before the sums.
            uint64_t area = 0;
            for (const Token& t : nums)
                if (t.value == 0)
                    return kBad;
            for (const Token& t : nums)
                if (t.value > static_cast<uint64_t>(kMaxSquareSize))
                    return kTooLarge;
            for (const Token& t : nums) {
                if (t.pos < close)
                    width += t.value;
                area += t.value * t.value;
            }
            order = sizes.size();
            height = width == 0 ? 0 : area / width;
        } else {
            return kBad;
        }
    } else {
        if (nums.size() < 11)
            return kBad;
        order = nums[0].value;
        width = nums[1].value;
        height = nums[2].value;
        for (size_t i = 3; i < nums.size(); ++i)
            sizes.push_back(nums[i].value);
    }

    // Every number at least 1; order, width and height within 32 bits.
    if (order == 0 || width == 0 || height == 0)
        return kBad;
    for (uint64_t s : sizes)
        if (s == 0)
            return kBad;
    if (order > INT32_MAX || width > INT32_MAX || height > INT32_MAX)
        return kBad;
    if (order != sizes.size())
        return kBad;
    for (uint64_t s : sizes)
        if (s > static_cast<uint64_t>(kMaxSquareSize))
            return kTooLarge;

    out.order = static_cast<int32_t>(order);
    out.width = static_cast<int32_t>(width);
    out.height = static_cast<int64_t>(height);
    out.sizes.assign(sizes.begin(), sizes.end());
    return 0;
}

namespace {

struct Piece {
    int64_t x, w, level;
};

// A line piece before it has point indices: on the line `at` (y of a
// horizontal, x of a vertical piece) from lo to hi.
struct Line {
    int64_t at, lo, hi;
    bool operator<(const Line& o) const { return at != o.at ? at < o.at : lo < o.lo; }
};

// The segment among sorted lines on line `at` that covers lo..hi, -1 for none.
int findLine(const std::vector<Line>& lines, int64_t at, int64_t lo, int64_t hi)
{
    auto it = std::upper_bound(lines.begin(), lines.end(), Line{at, lo, 0});
    if (it == lines.begin())
        return -1;
    --it;
    if (it->at != at || it->lo > lo || it->hi < hi)
        return -1;
    return static_cast<int>(it - lines.begin());
}

void appendGroup(std::string& code, const std::vector<int32_t>& sizes, size_t from, size_t to)
{
    code += '(';
    for (size_t i = from; i < to; ++i) {
        if (i > from)
            code += ',';
        code += formatInt(sizes[i]);
    }
    code += ')';
}

} // namespace

namespace {

// One piece of the profile (the lower boundary of what is filled so far),
// a node of a list in x order. Equal neighbours are merged: the left one
// grows and the right one dies, so a live piece keeps its x and level.
struct ProfileNode {
    int64_t x, w, level;
    int32_t prev, next;
    bool alive;
};

// A heap entry: the highest level first, the leftmost among equals.
struct ProfileKey {
    int64_t level, x;
    int32_t node;
    bool operator<(const ProfileKey& o) const { return level != o.level ? level < o.level : x > o.x; }
};

} // namespace

int LayOutSquares(int32_t width, const std::vector<int32_t>& sizes, SquareLayout& out)
{
    if (width < 1 || sizes.empty())
        return kBad;
    for (int32_t s : sizes) {
        if (s < 1)
            return kBad;
        if (s > kMaxSquareSize)
            return kTooLarge;
    }

    const int64_t W = width;
    // The profile starts as one piece of the width at level W. Every live
    // piece has one entry in the heap; entries of dead pieces are skipped.
    std::vector<ProfileNode> nodes;
    nodes.reserve(sizes.size() + 1);
    nodes.push_back({0, W, W, -1, -1, true});
    std::vector<ProfileKey> heap;
    heap.reserve(sizes.size() + 1);
    heap.push_back({W, 0, 0});
    std::vector<Piece> fresh;
    fresh.reserve(sizes.size());
    std::vector<Line> runs; // the horizontal segments in the order met
    runs.reserve(sizes.size() + 2);
    struct Placed {
        int64_t x, top;
        int32_t size;
        int16_t run;
    };
    std::vector<Placed> placed;
    placed.reserve(sizes.size());
    std::string code;
    code.reserve(6 * sizes.size());
    const size_t total = sizes.size() + 1; // the pseudo-square of the width last
    size_t k = 0;
    int64_t bottom = 0;
    while (k < total) {
        // The highest level, its leftmost piece: the run (equal neighbours
        // are merged, so the run is that one piece).
        while (!nodes[static_cast<size_t>(heap.front().node)].alive) {
            std::pop_heap(heap.begin(), heap.end());
            heap.pop_back();
        }
        const int32_t j = heap.front().node;
        const ProfileNode run = nodes[static_cast<size_t>(j)];
        if (runs.size() >= static_cast<size_t>(kMaxSquareSize))
            return kTooMany;
        const int16_t runIndex = static_cast<int16_t>(runs.size());
        runs.push_back({run.level, run.x, run.x + run.w});
        const size_t from = k;
        int64_t sum = 0;
        fresh.clear();
        while (sum < run.w) {
            if (k == total)
                return kBad;
            const int64_t s = k < sizes.size() ? sizes[k] : W;
            if (k == sizes.size()) { // the pseudo-square closes the bottom edge
                if (k != from || s != run.w)
                    return kBad;
                bottom = run.level;
                ++k;
                sum = s;
                break;
            }
            fresh.push_back({run.x + sum, s, run.level - s});
            placed.push_back({run.x + sum, run.level, static_cast<int32_t>(s), runIndex});
            sum += s;
            ++k;
        }
        if (sum != run.w)
            return kBad;
        if (from == sizes.size())
            break; // the bottom edge is closed
        appendGroup(code, sizes, from, k);
        // The run replaced by one piece per square, equal neighbours merged.
        std::pop_heap(heap.begin(), heap.end());
        heap.pop_back();
        nodes[static_cast<size_t>(j)].alive = false;
        int32_t last = run.prev;
        for (const Piece& p : fresh) {
            if (last >= 0 && nodes[static_cast<size_t>(last)].level == p.level) {
                nodes[static_cast<size_t>(last)].w += p.w;
                continue;
            }
            const auto id = static_cast<int32_t>(nodes.size());
            nodes.push_back({p.x, p.w, p.level, last, -1, true});
            if (last >= 0)
                nodes[static_cast<size_t>(last)].next = id;
            heap.push_back({p.level, p.x, id});
            std::push_heap(heap.begin(), heap.end());
            last = id;
        }
        // fresh is not empty (the run has a width), so last is a live piece.
        ProfileNode& tail = nodes[static_cast<size_t>(last)];
        int32_t right = run.next;
        if (right >= 0 && nodes[static_cast<size_t>(right)].level == tail.level) {
            tail.w += nodes[static_cast<size_t>(right)].w;
            nodes[static_cast<size_t>(right)].alive = false;
            right = nodes[static_cast<size_t>(right)].next;
        }
        tail.next = right;
        if (right >= 0)
            nodes[static_cast<size_t>(right)].prev = last;
    }
    const int64_t H = W - bottom;
    if (H < 1 || H > INT32_MAX)
        return kBad;

    // Shift so that the bottom edge lies at y = 0.
    SquareLayout l;
    l.width = width;
    l.height = static_cast<int32_t>(H);
    l.code = std::move(code);
    l.squares.reserve(placed.size());
    for (const Placed& p : placed) {
        Square q;
        q.size = p.size;
        q.x1 = static_cast<int32_t>(p.x);
        q.x2 = static_cast<int32_t>(p.x + p.size);
        q.y1 = static_cast<int32_t>(p.top - bottom);
        q.y2 = static_cast<int32_t>(p.top - bottom - p.size);
        q.top = p.run;
        l.squares.push_back(q);
    }
    l.horizontal.reserve(runs.size());
    for (const Line& r : runs)
        l.horizontal.push_back({static_cast<int32_t>(r.at - bottom), static_cast<int32_t>(r.lo), static_cast<int32_t>(r.hi)});
    out = std::move(l);
    return 0;
}

int BuildSquaredRectangle(int32_t width, const std::vector<int32_t>& sizes, SquaredRectangle& out)
{
    SquareLayout layout;
    if (const int code = LayOutSquares(width, sizes, layout))
        return code;
    SquaredRectangle r;
    r.width = layout.width;
    r.height = layout.height;
    r.code = std::move(layout.code);
    r.squares = std::move(layout.squares);
    std::vector<Line> runs;
    runs.reserve(layout.horizontal.size());
    for (const SqLine& h : layout.horizontal)
        runs.push_back({h.at, h.lo, h.hi});

    // The vertical pieces: every square's sides, merged where they overlap
    // or touch on one line.
    std::vector<Line> sides;
    sides.reserve(2 * r.squares.size());
    for (const Square& q : r.squares) {
        sides.push_back({q.x1, q.y2, q.y1});
        sides.push_back({q.x2, q.y2, q.y1});
    }
    std::sort(sides.begin(), sides.end());
    std::vector<Line> verticals;
    for (const Line& s : sides) {
        if (!verticals.empty() && verticals.back().at == s.at && s.lo <= verticals.back().hi)
            verticals.back().hi = std::max(verticals.back().hi, s.hi);
        else
            verticals.push_back(s);
    }
    if (verticals.size() > static_cast<size_t>(kMaxSquareSize))
        return kTooMany;

    // Link every square to its four segments.
    std::vector<Line> sortedRuns = runs;
    std::vector<int> runOrder(runs.size());
    {
        std::vector<std::pair<Line, int>> tmp;
        tmp.reserve(runs.size());
        for (size_t i = 0; i < runs.size(); ++i)
            tmp.push_back({runs[i], static_cast<int>(i)});
        std::sort(tmp.begin(), tmp.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t i = 0; i < tmp.size(); ++i) {
            sortedRuns[i] = tmp[i].first;
            runOrder[i] = tmp[i].second;
        }
    }
    for (Square& q : r.squares) {
        const int b = findLine(sortedRuns, q.y2, q.x1, q.x2);
        const int left = findLine(verticals, q.x1, q.y2, q.y1);
        const int right = findLine(verticals, q.x2, q.y2, q.y1);
        if (b < 0 || left < 0 || right < 0)
            return kBad;
        q.bottom = static_cast<int16_t>(runOrder[static_cast<size_t>(b)]);
        q.left = static_cast<int16_t>(left);
        q.right = static_cast<int16_t>(right);
    }

    // The points: the two ends of every segment.
    r.points.reserve(2 * (runs.size() + verticals.size()));
    r.horizontal.reserve(runs.size());
    r.vertical.reserve(verticals.size());
    auto addPoint = [&r](int64_t x, int64_t y) {
        r.points.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
        return static_cast<int32_t>(r.points.size() - 1);
    };
    for (const Line& l : runs) {
        const int32_t a = addPoint(l.lo, l.at);
        r.horizontal.push_back({a, addPoint(l.hi, l.at)});
    }
    for (const Line& l : verticals) {
        const int32_t a = addPoint(l.at, l.lo);
        r.vertical.push_back({a, addPoint(l.at, l.hi)});
    }

    // The vertical code: the segments of greatest x first (x > 0), the upper
    // first among equal x; each lists the squares on its left side.
    // The squares by their right segment, in square order (a counting sort).
    std::vector<int32_t> first(verticals.size() + 1, 0), bySegment(r.squares.size());
    for (const Square& q : r.squares)
        ++first[static_cast<size_t>(q.right) + 1];
    for (size_t i = 1; i < first.size(); ++i)
        first[i] += first[i - 1];
    {
        std::vector<int32_t> fill(first.begin(), first.end() - 1);
        for (const Square& q : r.squares)
            bySegment[static_cast<size_t>(fill[static_cast<size_t>(q.right)]++)] = q.size;
    }
    std::vector<size_t> order;
    order.reserve(verticals.size());
    for (size_t i = 0; i < verticals.size(); ++i)
        if (verticals[i].at > 0)
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const Line& la = verticals[a];
        const Line& lb = verticals[b];
        return la.at != lb.at ? la.at > lb.at : la.hi > lb.hi;
    });
    r.verticalCode.reserve(r.code.size() + 8);
    for (size_t i : order)
        appendGroup(r.verticalCode, bySegment, static_cast<size_t>(first[i]), static_cast<size_t>(first[i + 1]));

    out = std::move(r);
    return 0;
}

std::vector<NetworkEdge> kirchhoffEdges(const SquaredRectangle& r, bool vertical)
{
    std::vector<NetworkEdge> edges;
    edges.reserve(r.squares.size());
    for (const Square& q : r.squares)
        edges.push_back(vertical ? NetworkEdge{q.left, q.right, q.size} : NetworkEdge{q.top, q.bottom, q.size});
    return edges;
}

int kirchhoffGraph(const SquaredRectangle& r, bool vertical, Graph& g)
{
    const std::vector<SqSegment>& segs = vertical ? r.vertical : r.horizontal;
    if (segs.size() > static_cast<size_t>(g.slots()))
        return kTooMany;
    Graph fresh(g.slots());
    fresh.newLabelState = labelState(TextNone, IconBullet);
    for (size_t i = 0; i < segs.size(); ++i) {
        const SqPoint& a = r.startOf(segs[i]);
        const SqPoint& b = r.endOf(segs[i]);
        fresh.addVertexInSlot(static_cast<int>(i), (static_cast<Real>(a.x) + b.x) / 2, (static_cast<Real>(a.y) + b.y) / 2);
        fresh.setLabelState(static_cast<int>(i), labelState(TextNone, IconBullet));
    }
    for (const NetworkEdge& e : kirchhoffEdges(r, vertical)) {
        if (e.from == e.to || fresh.Adjacent(e.from, e.to))
            continue;
        fresh.AddEdge(e.from, e.to);
        fresh.SetWeight(e.from, e.to, e.weight);
        fresh.SetDirection(e.from, e.to, 1);
    }
    fresh.digraph = true;
    fresh.weightsShown = true;
    fresh.ClearSolution(true);
    fresh.ComputeValences();
    fresh.modified = true;
    g = std::move(fresh);
    return 0;
}

std::string bouwkampNotation(const SquaredRectangle& r, const std::string& hori, const std::string& vert,
                             const char* lineEnd)
{
    std::string s = hori;
    s += ": ";
    s += r.code;
    s += lineEnd;
    s += vert;
    s += ": ";
    s += r.verticalCode;
    return s;
}

// --- collections ---------------------------------------------------------------------

namespace {

uint32_t le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

int16_t le16(const uint8_t* p)
{
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
}

void put32(std::string& s, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xff);
}

void put16(std::string& s, int32_t v)
{
    const auto u = static_cast<uint16_t>(static_cast<int16_t>(v));
    s += static_cast<char>(u & 0xff);
    s += static_cast<char>(u >> 8);
}

} // namespace

int readBou(const uint8_t* data, size_t size, BouwkampCollection& out)
{
    const int bad = codeOf(Msg::CannotOpenFile);
    if (size < 8)
        return bad;
    const auto n = static_cast<int32_t>(le32(data));
    const auto m = static_cast<int32_t>(le32(data + 4));
    if (n < 1 || n > kMaxBouOrder || m < 1 || m > kMaxBouRecords)
        return bad;
    const uint64_t expected = 8 + 2 * static_cast<uint64_t>(m) * (static_cast<uint64_t>(n) + 2);
    if (size != expected)
        return bad;
    BouwkampCollection c;
    c.order = n;
    c.records.resize(static_cast<size_t>(m));
    const uint8_t* p = data + 8;
    for (BouwkampRecord& rec : c.records) {
        rec.width = le16(p);
        rec.height = le16(p + 2);
        p += 4;
        if (rec.width < 1 || rec.height < 1)
            return bad;
        rec.sizes.resize(static_cast<size_t>(n));
        for (int32_t& s : rec.sizes) {
            s = le16(p);
            p += 2;
            if (s < 1)
                return bad;
        }
    }
    out = std::move(c);
    return 0;
}

int readBou(const std::string& path, BouwkampCollection& out)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return codeOf(Msg::CannotOpenFile);
    return readBou(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

std::string writeBou(const BouwkampCollection& c)
{
    if (c.order < 1 || c.order > kMaxBouOrder || c.records.empty() ||
        c.records.size() > static_cast<size_t>(kMaxBouRecords))
        return {};
    std::string s;
    s.reserve(8 + 2 * c.records.size() * (static_cast<size_t>(c.order) + 2));
    put32(s, static_cast<uint32_t>(c.order));
    put32(s, static_cast<uint32_t>(c.records.size()));
    auto fits = [](int32_t v) { return v >= 1 && v <= 32767; };
    for (const BouwkampRecord& r : c.records) {
        if (r.sizes.size() != static_cast<size_t>(c.order) || !fits(r.width) || !fits(r.height))
            return {};
        put16(s, r.width);
        put16(s, r.height);
        for (int32_t v : r.sizes) {
            if (!fits(v))
                return {};
            put16(s, v);
        }
    }
    return s;
}

BouwkampCollection collectionFromTable(int32_t order, const int16_t* numbers, size_t count)
{
    BouwkampCollection c;
    c.order = order;
    if (order < 1)
        return c;
    const size_t per = static_cast<size_t>(order) + 2;
    for (size_t i = 0; i + per <= count; i += per) {
        BouwkampRecord r;
        r.width = numbers[i];
        r.height = numbers[i + 1];
        r.sizes.assign(numbers + i + 2, numbers + i + per);
        c.records.push_back(std::move(r));
    }
    return c;
}

std::string recordTitle(const BouwkampRecord& r)
{
    std::string s = formatInt(r.width);
    s += " X ";
    s += formatInt(r.height);
    return s;
}

std::string recordCode(const BouwkampRecord& r)
{
    SquaredRectangle sq;
    if (BuildSquaredRectangle(r.width, r.sizes, sq) != 0)
        return {};
    std::string s = formatInt(static_cast<long long>(r.sizes.size()));
    s += ' ';
    s += formatInt(r.width);
    s += ' ';
    s += formatInt(r.height);
    s += ' ';
    s += sq.code;
    return s;
}

} // namespace quan
