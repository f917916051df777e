// graph6, digraph6, sparse6 and LCF against the worked examples of McKay's
// formats.txt, hand-packed bits, and nauty's own encoders where nauty is
// installed (Debian names: nauty-geng, nauty-copyg, ...).
#include "graphs/core/notation.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

using namespace quan;

namespace {

const ExampleView kView{0, 0, 10, 10};

std::set<std::pair<int, int>> edgeSet(const Graph& g)
{
    std::set<std::pair<int, int>> s;
    for (const auto& e : g.edges())
        s.insert(e);
    return s;
}

// Arcs r -> c as the directions say (2 gives both).
std::set<std::pair<int, int>> arcSet(const Graph& g)
{
    std::set<std::pair<int, int>> s;
    for (const auto& [a, b] : g.edges()) {
        const int d = g.Direction(a, b);
        if (d == 1 || d == 2)
            s.insert({a, b});
        if (d == -1 || d == 2)
            s.insert({b, a});
    }
    return s;
}

// A graph of n vertices 0..n-1 and the given edges.
Graph build(int n, const std::vector<std::pair<int, int>>& edges, int slots = kGraphSlots)
{
    Graph g(slots);
    circleExample(g, n, kView, false);
    for (const auto& [a, b] : edges) {
        g.SetWeight(a, b, 0);
        g.SetDirection(a, b, 0);
    }
    return g;
}

// A sentinel the failed reads must leave alone.
Graph sentinel()
{
    Graph g = build(3, {{0, 2}});
    g.SetWeight(0, 2, 17);
    g.weightsShown = true;
    g.modified = false;
    return g;
}

} // namespace

TEST(Graph6, FormatsTxtExamples)
{
    // formats.txt: n = 5 with edges 0-2, 0-4, 1-3, 3-4 is "DQc".
    Graph g;
    ASSERT_EQ(ReadGraph6(g, "DQc", kView), 0);
    EXPECT_EQ(g.count(), 5);
    EXPECT_EQ(edgeSet(g), (std::set<std::pair<int, int>>{{0, 2}, {0, 4}, {1, 3}, {3, 4}}));
    EXPECT_FALSE(g.digraph);
    EXPECT_EQ(WriteGraph6(g), "DQc");
    EXPECT_EQ(WriteGraph6(build(5, {{0, 2}, {0, 4}, {1, 3}, {3, 4}})), "DQc");
    // N(30) is the single character 93; N(12345) is 126 66 63 120.
    EXPECT_EQ(graph6SizePrefix(30), std::string(1, static_cast<char>(93)));
    EXPECT_EQ(graph6SizePrefix(12345), "~B?x");
    EXPECT_EQ(graph6SizePrefix(63), "~??~");
}

TEST(Graph6, PartEdgeCases)
{
    Graph g;
    ASSERT_EQ(ReadGraph6(g, "C~", kView), 0);
    EXPECT_EQ(g.count(), 4);
    EXPECT_EQ(g.edgeCount(), 6);
    EXPECT_EQ(WriteGraph6(g), "C~");
    // "Bw": 3 vertices, bits 1 1 1 then padding: the triangle.
    ASSERT_EQ(ReadGraph6(g, "Bw", kView), 0);
    EXPECT_EQ(edgeSet(g), (std::set<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 2}}));
    // One vertex: "@" alone.
    ASSERT_EQ(ReadGraph6(g, "@", kView), 0);
    EXPECT_EQ(g.count(), 1);
    EXPECT_EQ(WriteGraph6(g), "@");
    // White space around the string (the clipboard's CR LF) is ignored.
    ASSERT_EQ(ReadGraph6(g, "  C~\r\n", kView), 0);
    EXPECT_EQ(g.edgeCount(), 6);
    // Holes are skipped: slots 0, 2, 5 with the edge {2, 5} are "BG"
    // (bits 0 0 1: the pair (1, 2), padded: 001000 = 8).
    Graph h = build(6, {{2, 5}});
    h.DeleteVertex(1);
    h.DeleteVertex(3);
    h.DeleteVertex(4);
    EXPECT_EQ(WriteGraph6(h), "BG");
}

TEST(Graph6, TreesFollowTheCircle)
{
    // The path 0-2-1 (edges {0,2}, {1,2}): depth first from 0 reaches 2 then
    // 1, so vertex 2 takes the second circle place and 1 the third.
    Graph circle = build(3, {});
    Graph g;
    ASSERT_EQ(ReadGraph6(g, "BW", kView), 0); // bits 0 1 1: (0,2), (1,2)
    EXPECT_EQ(edgeSet(g), (std::set<std::pair<int, int>>{{0, 2}, {1, 2}}));
    EXPECT_EQ(g.x(2), circle.x(1));
    EXPECT_EQ(g.y(2), circle.y(1));
    EXPECT_EQ(g.x(1), circle.x(2));
    EXPECT_EQ(WriteGraph6(g), "BW");
}

TEST(Digraph6, FormatsTxtExampleAndPartRules)
{
    // formats.txt: "&DI?AO?" is n = 5 with the arcs 0->2, 0->4, 3->1, 3->4.
    Graph g;
    g.digraph = false;
    ASSERT_EQ(ReadGraph6(g, "&DI?AO?", kView), 0);
    EXPECT_TRUE(g.digraph);
    EXPECT_EQ(arcSet(g), (std::set<std::pair<int, int>>{{0, 2}, {0, 4}, {3, 1}, {3, 4}}));
    EXPECT_EQ(WriteGraph6(g), "&DI?AO?");
    // Without '&' the length decides: 3 vertices and 2 data characters is
    // digraph6: "BT?" is 010 101 000 (+ padding): 0->1, 1->0, 1->2.
    ASSERT_EQ(ReadGraph6(g, "BT?", kView), 0);
    EXPECT_TRUE(g.digraph);
    EXPECT_EQ(arcSet(g), (std::set<std::pair<int, int>>{{0, 1}, {1, 0}, {1, 2}}));
    EXPECT_EQ(g.Direction(0, 1), 2);
    ASSERT_EQ(ReadGraph6(g, "BW", kView), 0);
    EXPECT_FALSE(g.digraph);
    // A bit on the diagonal: 115, the rest is still read. "&Bg?" is the
    // bits 101 000 000: the loop 0->0 and the arc 0->2.
    EXPECT_EQ(ReadGraph6(g, "&Bg?", kView), 115);
    EXPECT_EQ(arcSet(g), (std::set<std::pair<int, int>>{{0, 2}}));
    // '&' accepts any n >= 1: one vertex, one bit.
    ASSERT_EQ(ReadGraph6(g, "&@?", kView), 0);
    EXPECT_EQ(g.count(), 1);
    EXPECT_EQ(WriteGraph6(g), "&@?");
}

TEST(Digraph6, UndirectedEdgesAreTwoArcs)
{
    Graph g = build(3, {{0, 1}});
    g.AddEdge(1, 2); // direction 1 from 1 to 2
    g.SetDirection(0, 1, 0);
    g.digraph = true;
    // Arcs 0->1, 1->0, 1->2: row 0 "010", row 1 "101", row 2 "000".
    // Bits 010101 000 + 000 pad: 21 -> 'T', 0 -> '?'.
    EXPECT_EQ(WriteGraph6(g), "&BT?");
}

TEST(Sparse6, FormatsTxtExampleWithPadding)
{
    // formats.txt: n = 7 with edges 0-1, 0-2, 1-2, 5-6 is ":Fa@x^".
    Graph g;
    ASSERT_EQ(ReadGraph6(g, ":Fa@x^", kView), 0);
    EXPECT_EQ(edgeSet(g), (std::set<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 2}, {5, 6}}));
    EXPECT_EQ(WriteSparse6(g), ":Fa@x^");
    EXPECT_EQ(WriteSparse6(build(7, {{0, 1}, {0, 2}, {1, 2}, {5, 6}})), ":Fa@x^");
}

TEST(Sparse6, WidthsAndTheSpecialPadding)
{
    // 8 vertices: k = 3, items of 4 bits. The edge {0, 7}: (1,7) (0,0) =
    // 1111 0000, pad 1111 -> 111100 001111 -> 60 15 -> '{' 'N'.
    EXPECT_EQ(WriteSparse6(build(8, {{0, 7}})), ":G{N");
    // 9 vertices: k = 4, items of 5 bits: (1,8) (0,0) = 11000 00000 + 11
    // -> 110000 000011 -> 'o' 'B'.
    EXPECT_EQ(WriteSparse6(build(9, {{0, 8}})), ":HoB");
    // "CW" (edges 0-2, 1-2; n = 4 = 2^2): items 1 10, 0 00, 0 01 then three
    // padding bits; all ones would read as a loop at 3, so 0 1 1: ":CoJ".
    Graph cw;
    ASSERT_EQ(ReadGraph6(cw, "CW", kView), 0);
    EXPECT_EQ(WriteSparse6(cw), ":CoJ");
    Graph a, b;
    ASSERT_EQ(ReadGraph6(a, ":CoJ", kView), 0);
    ASSERT_EQ(ReadGraph6(b, ":CoN", kView), 0); // the older padding reads too
    EXPECT_EQ(edgeSet(a), edgeSet(cw));
    EXPECT_EQ(edgeSet(b), edgeSet(cw));
    EXPECT_EQ(WriteGraph6(b), "CW");
}

TEST(Sparse6, RunawayVStopsAtN)
{
    // n = 5, k = 3: every item is b = 1, x = 0, so v climbs 1, 2, 3, 4 and
    // joins each to 0; at v = 5 the decoding ends.
    Graph g;
    ASSERT_EQ(ReadGraph6(g, ":DaGaGaGaG", kView), 0);
    EXPECT_EQ(g.count(), 5);
    EXPECT_EQ(edgeSet(g), (std::set<std::pair<int, int>>{{0, 1}, {0, 2}, {0, 3}, {0, 4}}));
}

TEST(Notation, ReadingGraph6OrSparse6TurnsDigraphModeOff)
{
    Graph g;
    ASSERT_EQ(ReadGraph6(g, "&DI?AO?", kView), 0);
    ASSERT_TRUE(g.digraph);
    ASSERT_EQ(ReadGraph6(g, ":Fa@x^", kView), 0);
    EXPECT_FALSE(g.digraph);
    ASSERT_EQ(ReadGraph6(g, "&DI?AO?", kView), 0);
    ASSERT_EQ(ReadGraph6(g, "DQc", kView), 0);
    EXPECT_FALSE(g.digraph);
}

TEST(Notation, HostileStringsGetTheirCodesAndChangeNothing)
{
    const std::string high = std::string("C") + static_cast<char>(200);
    const struct {
        std::string text;
        int code;
    } cases[] = {
        {"", 24},
        {"   \r\n", 24},
        {":", 24},
        {"&", 24},
        {"~", 24},
        {"~~", 24},
        {"~??", 24},
        {"~~~~~~~~", 1},     // the 36-bit form
        {"?", 9},            // n = 0
        {"~?C^", 106},       // 0, 4, 31: 4 x 64 + 31 = 287
        {"~?C]", 24},        // 286 vertices, but no data
        {"C", 24},           // 4 vertices need one character
        {"C~~", 24},         // too long for graph6, too short for digraph6
        {"C}", 0},           // a fine one, for contrast
        {high, 6},           // a byte >= 128 as the one data character
        {"Bw!", 6},          // digraph6 length, '!' below '?'
        {"D Qc", 24},        // 3 data characters fit neither kind
        {std::string("\x7f") + "Qc", 6},
        {std::string("~?") + static_cast<char>(0x80) + "?", 6},
        {":C\x80", 6},       // sparse6 data characters are checked
        {":C W", 6},
        {"&C??", 24},        // 4 vertices of digraph6 need 3 characters
        {"&?", 9},
    };
    for (const auto& c : cases) {
        Graph g = sentinel();
        const Graph before = g;
        EXPECT_EQ(ReadGraph6(g, c.text, kView), c.code) << '"' << c.text << '"';
        if (c.code != 0) {
            EXPECT_TRUE(g == before && !g.modified) << '"' << c.text << '"';
        }
    }
    // Data characters outside '?'..'~' of the right length.
    Graph g = sentinel();
    EXPECT_EQ(ReadGraph6(g, std::string("C") + static_cast<char>(62), kView), 6);
    EXPECT_EQ(ReadGraph6(g, std::string("C") + static_cast<char>(200), kView), 6);
    EXPECT_TRUE(g == sentinel());
}

// ---------------------------------------------------------------- LCF

TEST(LCF, PartExamples)
{
    Graph g;
    ASSERT_EQ(ReadLCF(g, "[10,7,4,-4,-7,10,-4,7,-7,4]^2", kView), 0);
    EXPECT_EQ(g.count(), 20);
    EXPECT_EQ(g.edgeCount(), 30);
    for (int v = 0; v < 20; ++v)
        EXPECT_EQ(g.outValence(v), 3);
    EXPECT_FALSE(g.weightsShown);
    EXPECT_TRUE(g.modified);
    // [3,-3]^4: the cube; white space anywhere is dropped.
    ASSERT_EQ(ReadLCF(g, " [ 3 , -3 ] ^ 4\r\n", kView), 0);
    EXPECT_EQ(g.count(), 8);
    EXPECT_EQ(g.edgeCount(), 12);
    // [5,-5]^7: the Heawood graph.
    ASSERT_EQ(ReadLCF(g, "[5,-5]^7", kView), 0);
    EXPECT_EQ(g.count(), 14);
    EXPECT_EQ(g.edgeCount(), 21);
    // No exponent: once. K4 is [2]^4 = [2,2,2,2].
    ASSERT_EQ(ReadLCF(g, "[2,2,2,2]", kView), 0);
    EXPECT_EQ(g.edgeCount(), 6);
}

TEST(LCF, RefusalsKeepTheGraph)
{
    const struct {
        const char* text;
        int code;
    } cases[] = {
        {"", 2},
        {"3,-3]^4", 2},
        {"[3,-3^4", 2},
        {"[3,-3]x", 6},        // junk after ']'
        {"[3,-3]^", 6},
        {"[3,-3]^4x", 6},
        {"[3,-3]^-4", 6},
        {"[3,-3]]", 6},
        {"[3,a]^4", 6},
        {"[3,,-3]^4", 6},      // an empty item
        {"[3,-]^4", 6},
        {"[3,--3]^4", 6},
        {"[3,+3]^4", 6},
        {"[1,-3]^4", 6},
        {"[2,2,2]", 6},        // every chord lies on the cycle
        {"[4,4,4]^2", 6},      // 0->4 and 4->2 do not pair
        {"[0,3]^4", 6},
        {"[]", 9},
        {"[3,-3]^0", 9},
        {"[3,-3]^144", 17},    // 2e above the slots
        {"[99999999999999999999,3]", 17},
        {"[3,-3]^99999999999999999999", 17},
        {"[2,2,2,2]^72", 17},  // 288 vertices
    };
    for (const auto& c : cases) {
        Graph g = sentinel();
        EXPECT_EQ(ReadLCF(g, c.text, kView), c.code) << c.text;
        EXPECT_TRUE(g == sentinel()) << c.text;
    }
    std::string many = "[";
    for (int i = 0; i < 287; ++i)
        many += i ? ",3" : "3";
    many += "]";
    Graph g = sentinel();
    EXPECT_EQ(ReadLCF(g, many, kView), 17);
}

// ---------------------------------------------------------------- collections

TEST(Collection, LinesHeadersAndLineEnds)
{
    G6Collection c;
    EXPECT_EQ(c.load("", 5), 11);
    EXPECT_EQ(c.load("\r\n\n \r", 5), 11);
    EXPECT_FALSE(c.loaded());
    ASSERT_EQ(c.load(">>graph6<<C~\r\nBw\r\n&DI?AO?\r\n\r\n:Fa@x^", -1), 0);
    EXPECT_EQ(c.count(), 4);
    EXPECT_EQ(c.example(0), "C~");
    EXPECT_EQ(c.example(2), "&DI?AO?");
    EXPECT_EQ(c.example(3), ":Fa@x^");
    EXPECT_EQ(c.example(-1), ":Fa@x^");
    EXPECT_EQ(c.example(9), "Bw");
    EXPECT_EQ(c.example(-101), ":Fa@x^"); // -101 = -26 x 4 + 3
    EXPECT_EQ(c.wrap(-1), 3);
    EXPECT_EQ(c.wrap(-4), 0);
    EXPECT_FALSE(c.polyhedral());
    ASSERT_EQ(c.load("A_\rA_\rA_", 107), 0);
    EXPECT_EQ(c.count(), 3);
    EXPECT_TRUE(c.polyhedral());
}

TEST(Collection, NextCollectionCyclesEachFamily)
{
    EXPECT_EQ(nextCollectionId(0), 1);
    EXPECT_EQ(nextCollectionId(2), 0);
    EXPECT_EQ(nextCollectionId(100), 101);
    EXPECT_EQ(nextCollectionId(108), 100);
    EXPECT_EQ(nextCollectionId(206), 200);
    EXPECT_EQ(nextCollectionId(204), 205);
    EXPECT_EQ(nextCollectionId(-1), -1);
}
