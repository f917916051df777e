// The pasted texts (Coordinates, Adjacencies, Weights), the Definition text
// and the Data counts: hand-written texts, the File help's five-vertex
// example, the Petersen graph, holes, and every refusal leaving the graph
// as it was.
#include "graphs/core/graphtext.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

// Vertices at (i, 2i) in slots 0..n-1.
Graph withVertices(int n)
{
    Graph g;
    for (int i = 0; i < n; ++i)
        g.AddVertexAt(i, 2 * i);
    return g;
}

// Checks that the paste gives code and leaves the graph exactly as it was.
template <class Paste>
void expectRefused(const Graph& start, Paste paste, int code, const std::string& what)
{
    Graph g = start;
    EXPECT_EQ(paste(g), code) << what;
    EXPECT_TRUE(g == start) << what;
}

// The example of the File help, zero-based.
const char* const kFiveVertices = "vertices: 5\n"
                                  "0 0\n2 0\n2 2\n0 2\n1 3\n\n"
                                  "edges: 5\n"
                                  "0 1\n1 2\n2 3\n3 0\n3 4\n\n"
                                  "weights: 4\n0 12 0 7\n\n"
                                  "directions: 4\n1 0 -1 2\n";

} // namespace

TEST(CoordinatesPaste, TheFiveVertexExampleOfTheFileHelp)
{
    Graph g = withVertices(2);
    g.modified = false;
    ASSERT_EQ(pasteCoordinates(g, kFiveVertices, true), 0);
    EXPECT_EQ(g.count(), 5);
    EXPECT_EQ(g.edgeCount(), 5);
    EXPECT_TRUE(g.weightsShown);
    EXPECT_TRUE(g.digraph);
    EXPECT_TRUE(g.modified);
    EXPECT_EQ(g.x(4), 1);
    EXPECT_EQ(g.y(4), 3);
    EXPECT_EQ(g.Weight(0, 1), 0);
    EXPECT_EQ(g.Weight(1, 2), 12);
    EXPECT_EQ(g.Weight(2, 3), 0);
    EXPECT_EQ(g.Weight(3, 0), 7);
    EXPECT_EQ(g.Direction(0, 1), 1);
    EXPECT_EQ(g.Direction(1, 2), 0);
    EXPECT_EQ(g.Direction(2, 3), -1); // seen from 2: from 3 to 2
    EXPECT_EQ(g.Direction(3, 2), 1);
    EXPECT_EQ(g.Direction(3, 0), 2);
    // The fifth edge: weight 0, undirected.
    EXPECT_EQ(g.Weight(3, 4), 0);
    EXPECT_EQ(g.Direction(3, 4), 0);
    EXPECT_EQ(g.solution.bestTour, (std::vector<int>{0, 1, 2, 3, 4, 0}));

    // Numbered from 1, the same text means other edges; "5" is vertex 4.
    Graph h;
    const std::string oneBased = "5  0 0 2 0 2 2 0 2 1 3  3  1 2  5 1  4 5";
    ASSERT_EQ(pasteCoordinates(h, oneBased, false), 0);
    EXPECT_TRUE(h.Adjacent(0, 1));
    EXPECT_TRUE(h.Adjacent(4, 0));
    EXPECT_TRUE(h.Adjacent(3, 4));
    EXPECT_FALSE(h.weightsShown);
    EXPECT_FALSE(h.digraph);
}

TEST(CoordinatesPaste, LoopsAreSkippedAndLaterPairsWin)
{
    Graph g;
    // Edge 0 is a loop (its weight 9 goes nowhere), edges 1 and 2 are the
    // same pair: the later weight and direction stand.
    ASSERT_EQ(pasteCoordinates(g, "3: 0,0 1,0 0,1; 3: 1 1, 0 2, 2 0; 3: 9 4 6; 3: 2 1 -1", true), 0);
    EXPECT_EQ(g.edgeCount(), 1);
    EXPECT_FALSE(g.Adjacent(1, 1));
    EXPECT_EQ(g.Weight(0, 2), 6);
    EXPECT_EQ(g.Direction(2, 0), -1);
    // Rounding: nearest, an exact half towards zero.
    Graph h;
    ASSERT_EQ(pasteCoordinates(h, "2.5  0 0 1 1  1  0.5 1.5  1  2.5", true), 0);
    EXPECT_EQ(h.count(), 2);
    EXPECT_EQ(h.Weight(0, 1), 2);
}

TEST(CoordinatesPaste, RefusalsChangeNothing)
{
    Graph start = withVertices(3);
    start.AddEdge(0, 2);
    start.SetWeight(0, 2, 5);
    start.DeleteVertex(1);
    start.modified = false;
    auto zero = [](const std::string& t) { return [t](Graph& g) { return pasteCoordinates(g, t, true); }; };
    expectRefused(start, zero(""), 9, "no numbers");
    expectRefused(start, zero("vertices: 0 1 2"), 9, "no vertices");
    expectRefused(start, zero("-2 1 1 2 2"), 14, "negative vertex count");
    expectRefused(start, zero("3 1 1 2 2 3"), 101, "a coordinate missing");
    std::string many = "287";
    for (int i = 0; i < 287; ++i)
        many += " 1 2";
    expectRefused(start, zero(many), 106, "a 287th vertex");
    expectRefused(start, zero("2 0 0 1 1 -1 0 1"), 14, "negative edge count");
    expectRefused(start, zero("2 0 0 1 1 2 0 1 1"), 105, "an edge end missing");
    expectRefused(start, zero("2 0 0 1 1 1 0 2"), 6, "a vertex number past the last");
    expectRefused(start, zero("2 0 0 1 1 1 -1 0"), 6, "a negative vertex number");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 -1 4"), 14, "negative weight count");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 2 4 4"), 6, "more weights than edges");
    expectRefused(start, zero("2 0 0 1 1 2 0 1 1 0 2 4"), 105, "a weight missing");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 1 -3"), 6, "a negative weight");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 1 32768"), 20, "a weight past 32767");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 1 99999.4"), 20, "a weight rounding past 32767");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 1 1e9"), 6, "1e9 is 1 and 9 directions of one edge");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 0 -1"), 14, "negative direction count");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 0 2 1 1"), 6, "more directions than edges");
    expectRefused(start, zero("2 0 0 1 1 2 0 1 1 0 0 2 1"), 105, "a direction missing");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 0 1 3"), 6, "direction 3");
    expectRefused(start, zero("2 0 0 1 1 1 0 1 0 1 -2"), 6, "direction -2");
    expectRefused(start, zero("2 0 0 1" + std::string(5000, '9') + " 1"), 6, "a coordinate past the reals");
    auto one = [](const std::string& t) { return [t](Graph& g) { return pasteCoordinates(g, t, false); }; };
    expectRefused(start, one("2 0 0 1 1 1 0 1"), 6, "vertex 0 when numbered from 1");

    Graph g = start;
    EXPECT_EQ(pasteCoordinates(g, "2 0 0 1 1 1 0 1 1 32767", true), 0);
    EXPECT_EQ(g.Weight(0, 1), 32767);
    // 286 vertices fit.
    Graph full;
    std::string all = "286";
    for (int i = 0; i < 286; ++i)
        all += " 1 2";
    EXPECT_EQ(pasteCoordinates(full, all, true), 0);
    EXPECT_EQ(full.count(), 286);
}

TEST(AdjacenciesPaste, GroupsOfNeighboursBySlot)
{
    Graph g = withVertices(4);
    g.DeleteVertex(1);
    g.AddEdge(0, 3);
    g.SetWeight(0, 3, 8);
    g.weightsShown = true;
    // Slots 0, 2, 3 are present; "2 2" joins nothing; the text after the
    // last ';' is ignored.
    ASSERT_EQ(pasteAdjacencies(g, "0: 2;\n2: 3, 2;\n;\n3 0 garbage 2 1 9;9 9 9"), 0);
    EXPECT_EQ(g.edges(), (std::vector<std::pair<int, int>>{{0, 2}, {0, 3}, {2, 3}}));
    EXPECT_EQ(g.Weight(0, 3), 0);
    EXPECT_FALSE(g.weightsShown);
    // At most count() numbers of a group count: "0 2 3 1" uses 0 2 3.
    ASSERT_EQ(pasteAdjacencies(g, "0 2 3 1;"), 0);
    EXPECT_EQ(g.edgeCount(), 2);

    // A number that names no present vertex: the edges stay as they were.
    g.AddEdge(2, 3);
    g.modified = false;
    const Graph before = g;
    for (const char* bad : {"0 2; 2 1;", "0 2; 1 2;", "0 2; 2 3; 3 4;", "-1 0;", "0 2; 2 300;"})
        expectRefused(before, [bad](Graph& h) { return pasteAdjacencies(h, bad); }, 6, bad);
    // No group at all leaves no edge.
    ASSERT_EQ(pasteAdjacencies(g, "0 2 3"), 0);
    EXPECT_EQ(g.edgeCount(), 0);
}

TEST(WeightsPaste, PairsOfPresentVerticesInRankOrder)
{
    Graph g = withVertices(4);
    g.DeleteVertex(1);
    g.AddEdge(3, 0); // direction 1 from 3 to 0, kept
    // Pairs (0,2), (0,3), (2,3) by rank; rounding then absolute value.
    ASSERT_EQ(pasteWeights(g, "-3.5, 2.51; 7 99"), 0);
    EXPECT_EQ(g.Weight(0, 2), 3);
    EXPECT_EQ(g.Weight(0, 3), 3);
    EXPECT_EQ(g.Weight(2, 3), 7);
    EXPECT_EQ(g.Direction(3, 0), 1);
    EXPECT_EQ(g.Direction(2, 3), 0);
    EXPECT_FALSE(g.Adjacent(0, 1)); // the hole is joined to nothing
    EXPECT_FALSE(g.Adjacent(1, 2));
    EXPECT_TRUE(g.weightsShown);
    EXPECT_EQ(g.edgeCount(), 3);

    g.modified = false;
    expectRefused(g, [](Graph& h) { return pasteWeights(h, "1 2"); }, 105, "two of three weights");
    expectRefused(g, [](Graph& h) { return pasteWeights(h, "1 -32768 2"); }, 20, "a weight past 32767");
}

TEST(Definition, HolesAreNumberedByRank)
{
    Graph g = withVertices(4); // (0,0) (1,2) (2,4) (3,6)
    g.DeleteVertex(1);
    g.AddEdge(0, 3);
    g.AddEdge(2, 3);
    g.SetWeight(2, 3, 4);
    g.weightsShown = true;
    g.digraph = true;
    g.SetDirection(0, 3, 0);
    g.SetDirection(3, 2, 1); // seen from the lower slot 2: -1
    std::string text;
    DefinitionOptions o;
    o.decimals = 1;
    ASSERT_EQ(definitionText(g, o, text), 0);
    EXPECT_EQ(text, "vertices: 3\r\n0.0 0.0\r\n2.0 4.0\r\n3.0 6.0\r\n\r\n"
                    "edges: 2\r\n0 2\r\n1 2\r\n\r\n"
                    "weights: 2\r\n0 4\r\n\r\n"
                    "directions: 2\r\n0 -1\r\n");
    o.zeroBased = false;
    g.weightsShown = false;
    g.SetWeight(2, 3, 0);
    g.SetDirection(2, 3, 0);
    ASSERT_EQ(definitionText(g, o, text), 0);
    EXPECT_EQ(text, "vertices: 3\r\n0.0 0.0\r\n2.0 4.0\r\n3.0 6.0\r\n\r\n"
                    "edges: 2\r\n1 3\r\n2 3\r\n\r\n"
                    "weights: 0\r\n\r\n"
                    "directions: 0\r\n");

    // Read back, it is the same graph without the hole.
    Graph back;
    ASSERT_EQ(pasteCoordinates(back, text, false), 0);
    EXPECT_EQ(back.count(), 3);
    EXPECT_EQ(back.edges(), (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}}));
    EXPECT_EQ(back.x(1), 2);
}

TEST(Definition, TenWeightsAndFifteenDirectionsToALine)
{
    // A path of 17 vertices: 16 edges, weights 1..16, directions 1, -1, ...
    Graph g = withVertices(17);
    for (int i = 0; i < 16; ++i) {
        g.AddEdge(i, i + 1);
        g.SetWeight(i, i + 1, i + 1);
        g.SetDirection(i, i + 1, i % 2 ? -1 : 1);
    }
    g.SetWeight(15, 16, 0); // the last weight is 0: k stops at 15
    g.weightsShown = g.digraph = true;
    std::string text;
    ASSERT_EQ(definitionText(g, {}, text), 0);
    EXPECT_NE(text.find("weights: 15\r\n1 2 3 4 5 6 7 8 9 10\r\n11 12 13 14 15\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("directions: 16\r\n1 -1 1 -1 1 -1 1 -1 1 -1 1 -1 1 -1 1\r\n-1\r\n"), std::string::npos);
    Graph back;
    ASSERT_EQ(pasteCoordinates(back, text, true), 0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(back.Weight(i, i + 1), i == 15 ? 0 : i + 1);
        EXPECT_EQ(back.Direction(i, i + 1), i % 2 ? -1 : 1);
    }
}

TEST(Definition, NoMoreRoom)
{
    // K111 has 6105 edges: no weights or directions, and the line saying so.
    Graph k = withVertices(111);
    for (int a = 0; a < 111; ++a)
        for (int b = a + 1; b < 111; ++b)
            k.AddEdge(a, b);
    k.weightsShown = k.digraph = true;
    k.SetWeight(0, 1, 9);
    std::string text;
    DefinitionOptions o;
    o.notebookChars = 0;
    EXPECT_EQ(definitionText(k, o, text), 4);
    const std::string tail = "\r\nweights: 0\r\n\r\ndirections: 0\r\nno more room\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_LE(text.size(), 63900u);

    // A notebook with little room: cut after a whole line.
    Graph g = withVertices(3);
    o.notebookChars = 63900 - 30;
    ASSERT_EQ(definitionText(g, o, text), 4);
    EXPECT_EQ(text, "vertices: 3\r\n0.00 0.00\r\n");
    o.notebookChars = 63900;
    ASSERT_EQ(definitionText(g, o, text), 4);
    EXPECT_EQ(text, "");
}

TEST(DataCounts, ComponentsIgnoreDirections)
{
    Graph g;
    EXPECT_EQ(graphData(g), (GraphData{0, 0, 0}));
    g = withVertices(5);
    g.DeleteVertex(2);
    g.AddEdge(0, 1);
    g.AddEdge(3, 1); // both point into 1: still one component
    g.digraph = true;
    EXPECT_EQ(graphData(g), (GraphData{4, 2, 2}));
    EXPECT_EQ(dataText(graphData(g)), "vertices: 4\r\nedges: 2\r\ncomponents: 2\r\n");
}

TEST(Petersen, CoordinatesDataAndDefinition)
{
    // Two pentagons, the inner one a pentagram, joined by spokes.
    const std::string text = "10\n"
                             "0 10  9.511 3.09  5.878 -8.09  -5.878 -8.09  -9.511 3.09\n"
                             "0 5  4.755 1.545  2.939 -4.045  -2.939 -4.045  -4.755 1.545\n"
                             "15\n"
                             "0 1  1 2  2 3  3 4  4 0\n"
                             "0 5  1 6  2 7  3 8  4 9\n"
                             "5 7  7 9  9 6  6 8  8 5\n";
    Graph g;
    ASSERT_EQ(pasteCoordinates(g, text, true), 0);
    EXPECT_EQ(graphData(g), (GraphData{10, 15, 1}));
    g.ComputeValences();
    for (int v = 0; v < 10; ++v)
        EXPECT_EQ(g.outValence(v), 3);
    DefinitionOptions o;
    o.decimals = 3;
    std::string def;
    ASSERT_EQ(definitionText(g, o, def), 0);
    EXPECT_EQ(def.substr(0, 41), "vertices: 10\r\n0.000 10.000\r\n9.511 3.090\r\n");
    Graph back;
    ASSERT_EQ(pasteCoordinates(back, def, true), 0);
    EXPECT_EQ(back.edges(), g.edges());
    std::string again;
    ASSERT_EQ(definitionText(back, o, again), 0);
    EXPECT_EQ(again, def);
}
