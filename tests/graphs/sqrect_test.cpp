// Squared rectangles: the Bouwkamp reader on hand-worked codes and hostile
// texts, the layout and both networks checked against facts worked out here
// independently (tilings found by a layout of the test's own, vertex counts
// by merging square edges, Kirchhoff's laws), and the whole library: the
// compiled tables and ".bou" files against the committed text files.
#include "core/msgcode.h"
#include "graphs/core/grafile.h"
#include "graphs/core/sqrect.h"
#include "resources/bouwkamp_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace quan {
namespace {

constexpr int kBad = codeOf(Msg::InconsistentData);

// Duijvestijn's order-21 square of side 112, from the data README.
const char* const kDuijvestijn = "(50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)";

TEST(ReadBouwkamp, BracketFormWithoutTriple)
{
    BouwkampCode c;
    ASSERT_EQ(ReadBouwkamp("(18,15)(7,8)(14,4)(10,1)(9)", c), 0);
    EXPECT_EQ(c.order, 9);
    EXPECT_EQ(c.width, 33);
    EXPECT_EQ(c.height, 32); // (18^2 + 15^2 + ... + 9^2) / 33 = 1056 / 33
    EXPECT_EQ(c.sizes, (std::vector<int32_t>{18, 15, 7, 8, 14, 4, 10, 1, 9}));
    // Other brackets and separators read alike.
    BouwkampCode d;
    ASSERT_EQ(ReadBouwkamp("[18 15] {7;8} [14/4](10 1)(9)", d), 0);
    EXPECT_EQ(d.sizes, c.sizes);
    EXPECT_EQ(d.width, 33);
}

TEST(ReadBouwkamp, TripleAndPlainNumbers)
{
    BouwkampCode c;
    ASSERT_EQ(ReadBouwkamp("9 33 32 18 15 7 8 14 4 10 1 9", c), 0);
    EXPECT_EQ(c.order, 9);
    EXPECT_EQ(c.width, 33);
    EXPECT_EQ(c.height, 32);
    EXPECT_EQ(c.sizes, (std::vector<int32_t>{18, 15, 7, 8, 14, 4, 10, 1, 9}));
    BouwkampCode d;
    ASSERT_EQ(ReadBouwkamp("9, 33, 32 (18,15)(7,8)(14,4)(10,1)(9)", d), 0);
    EXPECT_EQ(d.sizes, c.sizes);
    EXPECT_EQ(d.width, 33);
    // The triple's height is not used: the build finds the real one.
    BouwkampCode e;
    ASSERT_EQ(ReadBouwkamp("9 33 99 (18,15)(7,8)(14,4)(10,1)(9)", e), 0);
    SquaredRectangle r;
    ASSERT_EQ(BuildSquaredRectangle(e.width, e.sizes, r), 0);
    EXPECT_EQ(r.height, 32);
}

TEST(ReadBouwkamp, HostileTexts)
{
    const std::pair<const char*, int> cases[] = {
        {"", codeOf(Msg::NothingToDo)},
        {"  \r\n", codeOf(Msg::NothingToDo)},
        {"18,15] 7,8] 14,4] 10,1] 9]", codeOf(Msg::CannotUnderstand)},  // brackets, no '('
        {"33 32 (18,15)(7,8)(14,4)(10,1)(9)", kBad},                      // two numbers before it
        {"33 (18,15)(7,8)(14,4)(10,1)(9)", kBad},                         // one number
        {"1 2 3 4 (18,15)(7,8)(14,4)(10,1)(9)", kBad},                   // four numbers
        {"(18,15,7,8,14,4,10,1,9", kBad},                                 // no closed first group
        {"(18,15)(7,8)", kBad},                                           // too few numbers
        {"9 33 32 18 15 7 8 14 4 10", kBad},                              // 10 numbers
        {"(0)(18,15)(7,8)(14,4)(10,1)(9)", kBad},                         // width 0
        {"(18,15)(7,8)(14,4)(10,1)(9)(0)", kBad},                         // a size 0
        {"0 33 32 18 15 7 8 14 4 10 1 9", kBad},                          // order 0
        {"9 0 32 18 15 7 8 14 4 10 1 9", kBad},                           // width 0 in the triple
        {"9 33 0 18 15 7 8 14 4 10 1 9", kBad},                           // height 0
        {"9 4294967296 32 18 15 7 8 14 4 10 1 9", kBad},                  // width past 32 bits
        {"4294967305 33 32 18 15 7 8 14 4 10 1 9", kBad},                 // order past 32 bits
        {"9 33 99999999999999999999999 18 15 7 8 14 4 10 1 9", kBad},     // height past 32 bits
        {"10 33 32 18 15 7 8 14 4 10 1 9", kBad},                         // order mismatch
        {"8 33 32 (18,15)(7,8)(14,4)(10,1)(9)", kBad},                    // order mismatch
        {"(32768,15)(7,8)(14,4)(10,1)(9)", codeOf(Msg::TooLarge)},
        {"9 33 32 18 15 7 8 14 4 10 1 32768", codeOf(Msg::TooLarge)},
        {"9 33 32 18 15 7 8 14 4 10 1 99999999999999999999", codeOf(Msg::TooLarge)},
    };
    for (const auto& [text, code] : cases) {
        BouwkampCode c;
        c.order = 77;
        EXPECT_EQ(ReadBouwkamp(text, c), code) << text;
        EXPECT_EQ(c.order, 77) << text; // untouched on a refusal
    }
    // 32 767 is still a size.
    BouwkampCode ok;
    EXPECT_EQ(ReadBouwkamp("(32767,15)(7,8)(14,4)(10,1)(9)", ok), 0);
}

TEST(BuildSquaredRectangle, MoronsRectangleByHand)
{
    SquaredRectangle r;
    ASSERT_EQ(BuildSquaredRectangle(33, {18, 15, 7, 8, 14, 4, 10, 1, 9}, r), 0);
    EXPECT_EQ(r.width, 33);
    EXPECT_EQ(r.height, 32);
    EXPECT_EQ(r.code, "(18,15)(7,8)(14,4)(10,1)(9)");
    // Worked by hand: 18 at the top left, 15 beside it, 7 and 8 under the
    // 15, 14 and 4 under the 18, 10 and 1 on the 4 and 7, 9 under 1 and 8.
    const std::tuple<int, int, int, int> expect[] = {
        // size, x1, top y1 (y up, bottom at 0)
        {18, 0, 32, 0}, {15, 18, 32, 0}, {7, 18, 17, 0}, {8, 25, 17, 0}, {14, 0, 14, 0},
        {4, 14, 14, 0}, {10, 14, 10, 0}, {1, 24, 10, 0}, {9, 24, 9, 0}};
    ASSERT_EQ(r.squares.size(), 9u);
    std::set<std::tuple<int, int, int>> got, want;
    for (const Square& q : r.squares)
        got.insert({q.size, q.x1, q.y1});
    for (const auto& [s, x, y, unused] : expect)
        want.insert({s, x, y});
    EXPECT_EQ(got, want);
    // The network: 9 edges; two leave the top segment, weighing 18 and 15.
    Graph g;
    ASSERT_EQ(kirchhoffGraph(r, false, g), 0);
    EXPECT_EQ(g.edgeCount(), 9);
    EXPECT_EQ(g.count(), static_cast<int>(r.horizontal.size()));
    std::multiset<int> fromTop;
    for (int v : g.presentVertices())
        if (g.Adjacent(0, v) && g.Direction(0, v) == 1)
            fromTop.insert(g.Weight(0, v));
    EXPECT_EQ(fromTop, (std::multiset<int>{15, 18}));
    EXPECT_TRUE(g.digraph);
    EXPECT_TRUE(g.weightsShown);
    EXPECT_EQ(g.label(0).state, labelState(TextNone, IconBullet));
    // Both notation lines, whatever form was pasted.
    EXPECT_EQ(bouwkampNotation(r, "hori", "vert"),
              "hori: (18,15)(7,8)(14,4)(10,1)(9)\r\nvert: (15,8,9)(7,1)(10)(18,4)(14)");
}

TEST(BuildSquaredRectangle, VerticalCodeOfMoronsRectangle)
{
    // Worked by hand: the vertical segments from the right are x = 33 (the
    // squares 15, 8, 9 have their right sides on it), x = 25 (7 and 1),
    // x = 24 (10), x = 18 (18 and 4) and x = 14 (14).
    SquaredRectangle r;
    ASSERT_EQ(BuildSquaredRectangle(33, {18, 15, 7, 8, 14, 4, 10, 1, 9}, r), 0);
    EXPECT_EQ(r.verticalCode, "(15,8,9)(7,1)(10)(18,4)(14)");
    BouwkampCode c;
    ASSERT_EQ(ReadBouwkamp(r.verticalCode, c), 0);
    EXPECT_EQ(c.width, 32);
    EXPECT_EQ(c.height, 33);
}

TEST(BuildSquaredRectangle, RefusesWhatDoesNotFit)
{
    SquaredRectangle r;
    r.width = 5;
    // The second group overshoots its run (7 + 9 > 15).
    EXPECT_EQ(BuildSquaredRectangle(33, {18, 15, 7, 9, 14, 4, 10, 1, 9}, r), kBad);
    // Sizes run out.
    EXPECT_EQ(BuildSquaredRectangle(33, {18, 15, 7, 8, 14, 4, 10, 1}, r), kBad);
    // A size past the width after the bottom was reached.
    EXPECT_EQ(BuildSquaredRectangle(33, {18, 15, 7, 8, 14, 4, 10, 1, 9, 34}, r), kBad);
    EXPECT_EQ(BuildSquaredRectangle(0, {1}, r), kBad);
    EXPECT_EQ(BuildSquaredRectangle(3, {}, r), kBad);
    EXPECT_EQ(BuildSquaredRectangle(3, {3, 0}, r), kBad);
    EXPECT_EQ(BuildSquaredRectangle(32768, {32768}, r), codeOf(Msg::TooLarge));
    EXPECT_EQ(r.width, 5); // untouched
    // A single square is a rectangle of its own.
    ASSERT_EQ(BuildSquaredRectangle(4, {4}, r), 0);
    EXPECT_EQ(r.height, 4);
    EXPECT_EQ(r.horizontal.size(), 2u);
    EXPECT_EQ(r.vertical.size(), 2u);
}

TEST(LayOutSquares, RunsMergeWithBothNeighbours)
{
    // Worked by hand, 4 wide: the row 1, 2, 1 leaves the 2 lowest; the 1
    // under the first 1 comes level with it and the two become one run
    // 0..3; the 1 under the last 1 joins it on the right, so the bottom
    // edge 0..4 is reached at height 2.
    SquareLayout l;
    ASSERT_EQ(LayOutSquares(4, {1, 2, 1, 1, 1}, l), 0);
    EXPECT_EQ(l.width, 4);
    EXPECT_EQ(l.height, 2);
    EXPECT_EQ(l.code, "(1,2,1)(1)(1)");
    const std::tuple<int, int, int, int> squares[] = {{1, 0, 2, 0}, {2, 1, 2, 0}, {1, 3, 2, 0}, {1, 0, 1, 1}, {1, 3, 1, 2}};
    ASSERT_EQ(l.squares.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const auto& [size, x1, y1, top] = squares[i];
        EXPECT_EQ(l.squares[i].size, size) << i;
        EXPECT_EQ(l.squares[i].x1, x1) << i;
        EXPECT_EQ(l.squares[i].y1, y1) << i;
        EXPECT_EQ(l.squares[i].top, top) << i;
        EXPECT_EQ(l.squares[i].bottom, -1) << i;
    }
    const std::tuple<int, int, int> lines[] = {{2, 0, 4}, {1, 0, 1}, {1, 3, 4}, {0, 0, 4}};
    ASSERT_EQ(l.horizontal.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(l.horizontal[i].at, std::get<0>(lines[i])) << i;
        EXPECT_EQ(l.horizontal[i].lo, std::get<1>(lines[i])) << i;
        EXPECT_EQ(l.horizontal[i].hi, std::get<2>(lines[i])) << i;
    }
    // The same tiling through the whole build: the 2 sits on the bottom
    // edge, the four 1s on two runs.
    SquaredRectangle r;
    ASSERT_EQ(BuildSquaredRectangle(4, {1, 2, 1, 1, 1}, r), 0);
    EXPECT_EQ(r.horizontal.size(), 4u);
    EXPECT_EQ(r.squares[1].bottom, 3);
}

TEST(LayOutSquares, AlternatingRowThenSingleGroups)
{
    // A first group 1, 2, 1, 2 (6 wide), then unit squares: the two holes
    // of depth 1 are filled and merge into one run 0..6 at depth 2, which
    // the last two units (2 of 6) cannot fill: the sizes run out.
    SquareLayout l;
    l.width = 9;
    EXPECT_EQ(LayOutSquares(6, {1, 2, 1, 2, 1, 1, 1, 1}, l), codeOf(Msg::InconsistentData));
    EXPECT_EQ(l.width, 9); // untouched
    // With four more units after them the run at depth 2 is still 6 wide:
    // 1 + 1 + 1 + 1 + 1 + 1 fills it, and the bottom is at depth 3.
    ASSERT_EQ(LayOutSquares(6, {1, 2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1}, l), 0);
    EXPECT_EQ(l.height, 3);
    EXPECT_EQ(l.code, "(1,2,1,2)(1)(1)(1,1,1,1,1,1)");
    EXPECT_EQ(l.horizontal.size(), 5u); // top, two holes, the merged run, bottom
}

TEST(KirchhoffGraph, TooManySegmentsLeavesTheGraph)
{
    // 300 unit squares in a row: 2 horizontal segments, 301 vertical ones.
    std::vector<int32_t> sizes(300, 1);
    SquaredRectangle r;
    ASSERT_EQ(BuildSquaredRectangle(300, sizes, r), 0);
    EXPECT_EQ(r.vertical.size(), 301u);
    Graph g;
    g.AddVertexAt(1, 2);
    const Graph before = g;
    EXPECT_EQ(kirchhoffGraph(r, true, g), codeOf(Msg::TooManyPoints));
    EXPECT_TRUE(g == before);
    // Two equal squares side by side share the one edge between their segments.
    ASSERT_EQ(kirchhoffGraph(r, false, g), 0);
    EXPECT_EQ(g.count(), 2);
    EXPECT_EQ(g.edgeCount(), 1);
}

// --- the library -----------------------------------------------------------------------

struct Entry {
    int n;
    BouwkampRecord rec;
};

std::vector<Entry> readText(const std::string& name)
{
    std::ifstream in(std::string(QUANDEL_SOURCE_DIR) + "/src/resources/bouwkamp/" + name + ".txt");
    std::vector<Entry> out;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream w(line);
        Entry e;
        w >> e.n >> e.rec.width >> e.rec.height;
        int s;
        while (w >> s)
            e.rec.sizes.push_back(s);
        out.push_back(e);
    }
    return out;
}

struct Collection {
    const char* file;
    int order;
    size_t published;
    int category; // the built-in table's, or -1 for a ".bou" file
};

const Collection kCollections[] = {
    {"spr09", 9, 2, 0},       {"spr10", 10, 6, 1},      {"spr11", 11, 22, 2},     {"spr12", 12, 67, 3},
    {"spr13", 13, 213, -1},   {"spr14", 14, 744, -1},   {"spr15", 15, 2609, -1},  {"spr16", 16, 9016, -1},
    {"spr17", 17, 31426, -1}, {"sps21", 21, 1, 9},      {"sps22", 22, 8, 10},     {"sps23", 23, 12, 11},
    {"sps24", 24, 26, 12},    {"sps25", 25, 160, -1},   {"sps26", 26, 441, -1},   {"cps24", 24, 1, 18},
    {"cps25", 25, 2, 19},     {"cps26", 26, 16, 20},    {"cps27", 27, 46, -1},    {"cps28", 28, 143, -1},
};

// The squares of a code laid out by the test's own rule (y downwards: the
// lowest filled level first, its leftmost run, filled exactly), as
// (x, y, size), or empty when the code does not tile.
std::vector<std::array<int64_t, 3>> layoutByHand(int64_t W, const std::vector<int32_t>& sizes)
{
    std::vector<std::array<int64_t, 3>> out;
    std::vector<std::array<int64_t, 3>> prof{{0, W, 0}}; // x, width, depth
    size_t k = 0;
    while (k < sizes.size()) {
        size_t j = 0;
        for (size_t i = 1; i < prof.size(); ++i)
            if (prof[i][2] < prof[j][2])
                j = i;
        const auto [x0, w, d] = prof[j];
        std::vector<std::array<int64_t, 3>> fresh;
        int64_t x = x0;
        while (x < x0 + w) {
            if (k >= sizes.size())
                return {};
            const int64_t s = sizes[k++];
            if (x + s > x0 + w)
                return {};
            out.push_back({x, d, s});
            fresh.push_back({x, s, d + s});
            x += s;
        }
        prof.erase(prof.begin() + static_cast<long>(j));
        prof.insert(prof.begin() + static_cast<long>(j), fresh.begin(), fresh.end());
        std::vector<std::array<int64_t, 3>> merged;
        for (const auto& p : prof)
            if (!merged.empty() && merged.back()[2] == p[2])
                merged.back()[1] += p[1];
            else
                merged.push_back(p);
        prof = merged;
    }
    return out;
}

// Merged intervals on one line: the number of maximal pieces.
size_t piecesOf(std::map<int64_t, std::vector<std::pair<int64_t, int64_t>>>& lines)
{
    size_t count = 0;
    for (auto& [at, iv] : lines) {
        std::sort(iv.begin(), iv.end());
        int64_t hi = INT64_MIN;
        for (const auto& [a, b] : iv) {
            if (a > hi)
                ++count;
            hi = std::max(hi, b);
        }
    }
    return count;
}

// Kirchhoff's law on the edge list: in = out at every inner vertex; `total`
// leaves the source and enters the sink.
void expectKirchhoff(const std::vector<NetworkEdge>& edges, size_t vertices, int source, int sink, int64_t total,
                     const std::string& what)
{
    std::vector<int64_t> net(vertices, 0); // out minus in
    for (const NetworkEdge& e : edges) {
        ASSERT_GE(e.from, 0);
        ASSERT_LT(static_cast<size_t>(e.from), vertices);
        ASSERT_GE(e.to, 0);
        ASSERT_LT(static_cast<size_t>(e.to), vertices);
        net[static_cast<size_t>(e.from)] += e.weight;
        net[static_cast<size_t>(e.to)] -= e.weight;
    }
    for (size_t v = 0; v < vertices; ++v) {
        const int64_t want = static_cast<int>(v) == source ? total : static_cast<int>(v) == sink ? -total : 0;
        ASSERT_EQ(net[v], want) << what << " vertex " << v;
    }
}

void checkRecord(const BouwkampRecord& rec, int& crosses, const std::string& what)
{
    const int64_t W = rec.width, H = rec.height;
    const size_t n = rec.sizes.size();
    // The tiling found independently.
    const auto byHand = layoutByHand(W, rec.sizes);
    ASSERT_EQ(byHand.size(), n) << what;
    int64_t area = 0;
    std::set<int32_t> distinct(rec.sizes.begin(), rec.sizes.end());
    EXPECT_EQ(distinct.size(), n) << what << ": not perfect";
    int64_t depth = 0;
    for (size_t i = 0; i < n; ++i) {
        const auto& [x, y, s] = byHand[i];
        ASSERT_TRUE(x >= 0 && y >= 0 && x + s <= W && y + s <= H) << what << ": outside";
        area += s * s;
        depth = std::max(depth, y + s);
        for (size_t j = 0; j < i; ++j) {
            const auto& [x2, y2, s2] = byHand[j];
            const bool apart = x + s <= x2 || x2 + s2 <= x || y + s <= y2 || y2 + s2 <= y;
            ASSERT_TRUE(apart) << what << ": overlap";
        }
    }
    ASSERT_EQ(area, W * H) << what;
    ASSERT_EQ(depth, H) << what;

    SquaredRectangle r;
    ASSERT_EQ(BuildSquaredRectangle(rec.width, rec.sizes, r), 0) << what;
    ASSERT_EQ(r.height, rec.height) << what;
    ASSERT_EQ(r.squares.size(), n);
    for (size_t i = 0; i < n; ++i) {
        const Square& q = r.squares[i];
        EXPECT_EQ(q.x1, byHand[i][0]) << what;
        EXPECT_EQ(q.y1, H - byHand[i][1]) << what;
        EXPECT_EQ(q.size, byHand[i][2]) << what;
        EXPECT_EQ(q.x2 - q.x1, q.size);
        EXPECT_EQ(q.y1 - q.y2, q.size);
    }
    // The rebuilt code lists the sizes in order.
    BouwkampCode again;
    ASSERT_EQ(ReadBouwkamp(r.code, again), 0) << what;
    EXPECT_EQ(again.sizes, rec.sizes) << what;
    EXPECT_EQ(again.width, rec.width) << what;

    // Horizontal segments counted by merging tops and bottoms at each height.
    std::map<int64_t, std::vector<std::pair<int64_t, int64_t>>> rows, columns;
    for (const auto& [x, y, s] : byHand) {
        rows[y].push_back({x, x + s});
        rows[y + s].push_back({x, x + s});
        columns[x].push_back({y, y + s});
        columns[x + s].push_back({y, y + s});
    }
    EXPECT_EQ(r.horizontal.size(), piecesOf(rows)) << what;
    EXPECT_EQ(r.vertical.size(), piecesOf(columns)) << what;
    // Four squares meeting at a point: corners shared by four squares.
    std::map<std::pair<int64_t, int64_t>, int> corners;
    for (const auto& [x, y, s] : byHand)
        for (auto c : {std::pair{x, y}, std::pair{x + s, y}, std::pair{x, y + s}, std::pair{x + s, y + s}})
            ++corners[c];
    bool cross = false;
    for (const auto& [p, k] : corners)
        cross = cross || k == 4;
    crosses += cross ? 1 : 0;
    EXPECT_EQ(r.horizontal.size() + r.vertical.size(), n + (cross ? 2 : 3)) << what;

    // The networks: the top segment (the one at height H) is the source.
    int top = -1, bottom = -1, left = -1, right = -1;
    for (size_t i = 0; i < r.horizontal.size(); ++i) {
        const SqPoint& a = r.startOf(r.horizontal[i]);
        const SqPoint& b = r.endOf(r.horizontal[i]);
        if (a.y == H && a.x == 0 && b.x == W)
            top = static_cast<int>(i);
        if (a.y == 0 && a.x == 0 && b.x == W)
            bottom = static_cast<int>(i);
    }
    for (size_t i = 0; i < r.vertical.size(); ++i) {
        const SqPoint& a = r.startOf(r.vertical[i]);
        const SqPoint& b = r.endOf(r.vertical[i]);
        if (a.y == 0 && b.y == H && a.x == 0)
            left = static_cast<int>(i);
        if (a.y == 0 && b.y == H && a.x == W)
            right = static_cast<int>(i);
    }
    ASSERT_TRUE(top >= 0 && bottom >= 0 && left >= 0 && right >= 0) << what;
    const auto hEdges = kirchhoffEdges(r, false);
    const auto vEdges = kirchhoffEdges(r, true);
    EXPECT_EQ(hEdges.size(), n);
    expectKirchhoff(hEdges, r.horizontal.size(), top, bottom, W, what + " horizontal");
    expectKirchhoff(vEdges, r.vertical.size(), left, right, H, what + " vertical");

    // The vertical code pastes back as the same squares turned, H wide and W high.
    BouwkampCode vc;
    ASSERT_EQ(ReadBouwkamp(r.verticalCode, vc), 0) << what << " " << r.verticalCode;
    ASSERT_EQ(vc.width, H) << what;
    SquaredRectangle turned;
    ASSERT_EQ(BuildSquaredRectangle(vc.width, vc.sizes, turned), 0) << what << " " << r.verticalCode;
    ASSERT_EQ(turned.height, W) << what;
    std::set<std::tuple<int64_t, int64_t, int64_t>> want, got;
    for (const Square& q : r.squares)
        want.insert({H - q.y1, q.x2, q.size}); // (x, y) -> (H - y, x): the right edge on top
    for (const Square& q : turned.squares)
        got.insert({q.x1, q.y1, q.size});
    EXPECT_EQ(got, want) << what;
}

TEST(BouwkampLibrary, TablesAndFilesEqualTheTextAndEveryCodeTiles)
{
    std::map<int, const BouwkampTable*> tables;
    for (size_t i = 0; i < kBouwkampTableCount; ++i)
        tables[kBouwkampTables[i].category] = &kBouwkampTables[i];
    EXPECT_EQ(tables.size(), 11u);
    size_t total = 0;
    int crosses = 0;
    for (const Collection& c : kCollections) {
        const std::vector<Entry> text = readText(c.file);
        ASSERT_EQ(text.size(), c.published) << c.file;
        total += text.size();
        BouwkampCollection coll;
        if (c.category >= 0) {
            ASSERT_TRUE(tables.count(c.category)) << c.file;
            const BouwkampTable& t = *tables[c.category];
            EXPECT_EQ(t.order, c.order);
            coll = collectionFromTable(t.order, t.numbers, t.count);
        } else {
            const std::string path = std::string(QUANDEL_BINARY_DIR) + "/qng" + c.file + ".bou";
            ASSERT_EQ(readBou(path, coll), 0) << path;
        }
        ASSERT_EQ(coll.order, c.order) << c.file;
        ASSERT_EQ(coll.records.size(), text.size()) << c.file;
        for (size_t i = 0; i < text.size(); ++i) {
            ASSERT_EQ(text[i].n, c.order) << c.file << " line " << i + 1;
            ASSERT_EQ(coll.records[i], text[i].rec) << c.file << " line " << i + 1;
            const bool square = c.file[1] != 'p' || c.file[2] != 'r';
            EXPECT_EQ(text[i].rec.width == text[i].rec.height, square) << c.file << " line " << i + 1;
            checkRecord(coll.records[i], crosses, std::string(c.file) + " line " + std::to_string(i + 1));
        }
    }
    EXPECT_EQ(total, 44961u);
    EXPECT_EQ(crosses, 3);
    // The first built-in record of order 9, as the format's description gives it.
    const BouwkampTable& t = *tables[0];
    EXPECT_EQ(std::vector<int16_t>(t.numbers, t.numbers + 11),
              (std::vector<int16_t>{33, 32, 18, 15, 7, 8, 14, 4, 10, 1, 9}));
}

TEST(BouwkampLibrary, DuijvestijnsSquare)
{
    BouwkampCode c;
    ASSERT_EQ(ReadBouwkamp(kDuijvestijn, c), 0);
    EXPECT_EQ(c.order, 21);
    EXPECT_EQ(c.width, 112);
    EXPECT_EQ(c.height, 112);
    int crosses = 0;
    checkRecord({112, 112, c.sizes}, crosses, "Duijvestijn");
    EXPECT_EQ(crosses, 0);
}

// --- the ".bou" layout ----------------------------------------------------------------

std::string le(std::initializer_list<int> words32, std::initializer_list<int> words16)
{
    std::string s;
    for (int w : words32)
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((static_cast<unsigned>(w) >> (8 * i)) & 0xff);
    for (int w : words16) {
        s += static_cast<char>(w & 0xff);
        s += static_cast<char>((w >> 8) & 0xff);
    }
    return s;
}

int readBytes(const std::string& s, BouwkampCollection& c)
{
    return readBou(reinterpret_cast<const uint8_t*>(s.data()), s.size(), c);
}

TEST(BouFile, ByteLayoutWrittenByHand)
{
    // n = 1, m = 2: a 5 x 5 square and 300 x 300 (0x012c, low byte first).
    const std::string bytes = le({1, 2}, {5, 5, 5, 300, 300, 300});
    EXPECT_EQ(bytes.size(), 8u + 2u * 2u * 3u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[14]), 0x2c);
    EXPECT_EQ(static_cast<unsigned char>(bytes[15]), 0x01);
    BouwkampCollection c;
    ASSERT_EQ(readBytes(bytes, c), 0);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[1], (BouwkampRecord{300, 300, {300}}));
    EXPECT_EQ(writeBou(c), bytes);
}

TEST(BouFile, RefusesBadFilesAndLeavesTheCollection)
{
    const int bad = codeOf(Msg::CannotOpenFile);
    const std::string cases[] = {
        "",
        le({1}, {}),
        le({1, 2}, {5, 5, 5, 300, 300}),            // short by one number
        le({1, 2}, {5, 5, 5, 300, 300, 300, 1}),    // one number too many
        le({0, 1}, {}),                             // n = 0
        le({-1, 1}, {5, 5}),                        // n negative
        le({201, 1}, {}),                           // n too large
        le({1, 0}, {}),                             // m = 0
        le({1, -3}, {}),                            // m negative
        le({1, 1}, {0, 5, 5}),                      // width 0
        le({1, 1}, {5, -5, 5}),                     // height below 1
        le({1, 1}, {5, 5, 0}),                      // size 0
        le({1, 1}, {5, 5, 0x8000}),                 // size -32768
        le({1 << 30, 1 << 30}, {}),                 // a size that would overflow 32 bits
    };
    for (const std::string& s : cases) {
        BouwkampCollection c;
        c.order = 42;
        EXPECT_EQ(readBytes(s, c), bad) << s.size();
        EXPECT_EQ(c.order, 42);
    }
}

// --- the ".gra" switches ----------------------------------------------------------------

TEST(GraFile, SquaredRectangleSwitchesRoundTripAsFlagBytes7To9)
{
    GraDocument plain;
    ByteWriter w0;
    ASSERT_EQ(writeGra(w0, plain), 0);
    const Bytes base = w0.data();
    std::vector<size_t> where;
    for (int k = 0; k < 3; ++k) {
        GraDocument d;
        d.flags.numerals = k == 0;
        d.flags.squaresHidden = k == 1;
        d.flags.verticalSegments = k == 2;
        ByteWriter w;
        ASSERT_EQ(writeGra(w, d), 0);
        const Bytes b = w.data();
        ASSERT_EQ(b.size(), base.size());
        std::vector<size_t> diff;
        for (size_t i = 0; i < b.size(); ++i)
            if (b[i] != base[i])
                diff.push_back(i);
        ASSERT_EQ(diff.size(), 1u);
        EXPECT_EQ(b[diff[0]], 1);
        where.push_back(diff[0]);
        GraDocument back;
        ASSERT_EQ(readGra(b, back), 0);
        EXPECT_EQ(back.flags, d.flags);
    }
    // Three consecutive bytes in the flags block: 7, 8, 9 after its byte 0.
    EXPECT_EQ(where[1], where[0] + 1);
    EXPECT_EQ(where[2], where[0] + 2);
    // Byte 0 of the flags block is the weights switch: 7 bytes before.
    GraDocument weights;
    weights.graph.weightsShown = true;
    ByteWriter ww;
    ASSERT_EQ(writeGra(ww, weights), 0);
    EXPECT_EQ(ww.data()[where[0] - 7], 1);
    EXPECT_EQ(base[where[0] - 7], 0);
}

} // namespace
} // namespace quan
