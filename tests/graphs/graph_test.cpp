// The graph as a plain type: slots with holes, the matrix accessors,
// valences with source and sink worked out by hand, the primitives, the
// solution state, Backup/Restore over holes, and the vertex names.
#include "graphs/core/graph.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

Graph withVertices(int n, int slots = kGraphSlots)
{
    Graph g(slots);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(g.AddVertexAt(i, -i), 0);
    return g;
}

} // namespace

TEST(GraphSlots, DeletingBLeavesAHoleThatTheNextVertexFills)
{
    Graph g = withVertices(3);
    g.AddEdge(0, 1);
    g.AddEdge(1, 2);
    g.AddEdge(0, 2);
    g.DeleteVertex(1);
    EXPECT_TRUE(g.present(0));
    EXPECT_FALSE(g.present(1));
    EXPECT_TRUE(g.present(2));
    EXPECT_EQ(g.count(), 2);
    EXPECT_EQ(g.maxIndex(), 2);
    EXPECT_EQ(g.label(0).text(), "A");
    EXPECT_EQ(g.label(2).text(), "C");
    EXPECT_EQ(g.presentVertices(), (std::vector<int>{0, 2}));
    // The deleted vertex's edges and directions are gone; the other stays.
    EXPECT_EQ(g.entry(1, 0), -1);
    EXPECT_EQ(g.entry(0, 1), 0);
    EXPECT_EQ(g.entry(2, 1), -1);
    EXPECT_EQ(g.entry(1, 2), 0);
    EXPECT_TRUE(g.Adjacent(0, 2));
    EXPECT_EQ(g.edgeCount(), 1);

    int slot = -1;
    EXPECT_EQ(g.AddVertexAt(7, 8, &slot), 0);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(g.label(1).text(), "B");
    EXPECT_EQ(g.count(), 3);
    EXPECT_FALSE(g.Adjacent(1, 0));

    // Deleting the highest vertex lowers maxIndex past the hole.
    g.DeleteVertex(1);
    g.DeleteVertex(2);
    EXPECT_EQ(g.maxIndex(), 0);
    EXPECT_EQ(g.count(), 1);
    g.DeleteVertex(0);
    EXPECT_EQ(g.maxIndex(), -1);
    g.DeleteVertex(0); // absent: nothing happens
    g.DeleteVertex(400);
    EXPECT_EQ(g.count(), 0);
}

TEST(GraphSlots, TheSlotAfterTheLastIsRefusedWithNothingChanged)
{
    for (int n : {kGraphSlots, kElectionSlots, kScheduleSlots}) {
        Graph g = withVertices(n, n);
        EXPECT_EQ(g.slots(), n);
        EXPECT_EQ(g.maxIndex(), n - 1);
        g.modified = false;
        const Graph before = g;
        int slot = -5;
        EXPECT_EQ(g.AddVertexAt(1, 1, &slot), 106);
        EXPECT_EQ(slot, -5);
        EXPECT_TRUE(g == before);
        EXPECT_FALSE(g.addVertexInSlot(n, 0, 0));
        EXPECT_FALSE(g.addVertexInSlot(0, 0, 0));
    }
    // Every one of the 40 755 pairs of 286 vertices may be an edge.
    Graph k = withVertices(kGraphSlots);
    for (int a = 0; a < kGraphSlots; ++a)
        for (int b = a + 1; b < kGraphSlots; ++b)
            k.AddEdge(a, b);
    EXPECT_EQ(k.edgeCount(), 40755);
}

TEST(GraphMatrix, AccessorsReadBothTriangles)
{
    Graph g = withVertices(6);
    g.SetWeight(5, 2, 30);
    EXPECT_EQ(g.entry(5, 2), 30); // weight below the diagonal
    EXPECT_EQ(g.Weight(2, 5), 30);
    g.SetDirection(2, 5, 1); // from 2 to 5
    EXPECT_EQ(g.entry(2, 5), 1);
    EXPECT_EQ(g.Direction(2, 5), 1);
    EXPECT_EQ(g.Direction(5, 2), -1);
    g.SetDirection(2, 5, 2);
    EXPECT_EQ(g.Direction(5, 2), 2);
    g.SetDirection(5, 2, 1); // from 5 to 2, stored from the lower slot
    EXPECT_EQ(g.entry(2, 5), -1);
    EXPECT_EQ(g.Direction(2, 5), -1);
    g.SetDirection(5, 2, 3); // not a direction: ignored
    EXPECT_EQ(g.entry(2, 5), -1);

    EXPECT_FALSE(g.Adjacent(3, 3));
    g.SetWeight(3, 3, 4); // no loops
    EXPECT_FALSE(g.Adjacent(3, 3));

    // Drawing an edge points it from where the drag began.
    g.AddEdge(4, 1);
    EXPECT_EQ(g.Weight(1, 4), 0);
    EXPECT_EQ(g.Direction(4, 1), 1);
    EXPECT_EQ(g.entry(1, 4), -1);
    g.DeleteEdge(4, 1);
    EXPECT_EQ(g.entry(4, 1), -1);
    EXPECT_EQ(g.entry(1, 4), 0);

    g.ClearEdges();
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(g.entry(i, j), i == j ? 0 : j < i ? -1 : 0) << i << " " << j;
}

// A digraph worked out by hand (A..F = slots 0..5):
//   A->B, B->C, A<->C, C-D undirected, E->D, F->B.
// Undirected valences: A 2, B 3, C 3, D 2, E 1, F 1.
// Out/in: A 2/1, B 1/2, C 1/2, D 0/1, E 1/0, F 1/0; the sources are E and
// F (the last, F, is reported), the sink is D.
TEST(GraphValences, BothModesOnAHandWorkedDigraph)
{
    Graph g = withVertices(6);
    auto edge = [&g](int a, int b, int d) {
        g.SetWeight(a, b, 0);
        g.SetDirection(a, b, d);
    };
    edge(0, 1, 1);
    edge(2, 1, -1); // seen from C: B -> C
    edge(0, 2, 2);
    edge(2, 3, 0);
    edge(4, 3, 1);
    edge(5, 1, 1);

    g.ComputeValences();
    const int total[] = {2, 3, 3, 2, 1, 1};
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(g.outValence(v), total[v]) << v;
        EXPECT_EQ(g.inValence(v), 0) << v;
    }
    EXPECT_EQ(g.source(), -1);
    EXPECT_EQ(g.sink(), -1);
    EXPECT_EQ(g.maxOut(), 3);

    g.digraph = true;
    g.ComputeValences();
    const int out[] = {2, 1, 1, 0, 1, 1};
    const int in[] = {1, 2, 2, 1, 0, 0};
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(g.outValence(v), out[v]) << v;
        EXPECT_EQ(g.inValence(v), in[v]) << v;
    }
    EXPECT_EQ(g.source(), 5);
    EXPECT_EQ(g.sink(), 3);
    EXPECT_EQ(g.maxOut(), 2);
    EXPECT_EQ(g.maxIn(), 2);

    // A hole changes nothing for the others; F's edge goes with it.
    g.DeleteVertex(5);
    g.ComputeValences();
    EXPECT_EQ(g.source(), 4);
    EXPECT_EQ(g.inValence(1), 1);
}

TEST(GraphSolution, ClearingAndFrameCounts)
{
    Graph g = withVertices(5);
    g.DeleteVertex(1);
    g.AddEdge(0, 2);
    g.solution.mode = DisplayMode::EulerianCircuit;
    g.solution.edges = {{0, 2}, {2, 3}, {3, 0}};
    g.solution.setSummary(std::string(300, 's'));
    EXPECT_EQ(g.solution.summary.size(), 255u);
    g.solution.colorDisplay = true;
    g.solution.bestTotal = 40;
    g.solution.bestTour = {0, 3, 2, 0};

    // Eulerian: edges + 2 pages.
    EXPECT_EQ(g.frameCount(), 5);
    const std::pair<DisplayMode, int> pages[] = {{DisplayMode::NearestNeighbour, 7}, {DisplayMode::SortedEdges, 7},
        {DisplayMode::HamiltonianCircuit, 7}, {DisplayMode::BestTour, 7}, {DisplayMode::WelshPowell, 7},
        {DisplayMode::Kruskal, 6}, {DisplayMode::Prim, 6}, {DisplayMode::Dijkstra, 6},
        {DisplayMode::HamiltonianPath, 6}, {DisplayMode::None, 1}};
    for (const auto& [mode, n] : pages) {
        g.solution.mode = mode;
        EXPECT_EQ(g.frameCount(), n) << static_cast<int>(mode); // maxIndex is 4
    }

    g.solution.mode = DisplayMode::EulerianPath;
    g.ClearSolution(false);
    EXPECT_EQ(g.solution.mode, DisplayMode::None);
    EXPECT_TRUE(g.solution.edges.empty());
    EXPECT_TRUE(g.solution.summary.empty());
    EXPECT_FALSE(g.solution.colorDisplay);
    EXPECT_EQ(g.solution.bestTotal, 40);
    EXPECT_EQ(g.frameCount(), 1);

    // The best tour visits the present vertices, not 0..count-1.
    g.ClearSolution(true);
    EXPECT_EQ(g.solution.bestTotal, 2147483647);
    EXPECT_EQ(g.solution.bestTour, (std::vector<int>{0, 2, 3, 4, 0}));

    // An Eulerian numbering shown in the weight places goes with the solution.
    g.weightsShown = true;
    g.solution.eulerNumbering = true;
    g.ClearSolution(false);
    EXPECT_FALSE(g.weightsShown);
    g.weightsShown = true;
    g.ClearSolution(false);
    EXPECT_TRUE(g.weightsShown);
}

TEST(GraphBackup, RestoreKeepsTheWholeSlotSet)
{
    Graph g = withVertices(4);
    g.AddEdge(0, 2);
    g.AddEdge(2, 3);
    g.DeleteVertex(1);
    EXPECT_FALSE(g.Restore()); // nothing kept yet
    g.Backup();
    g.DeleteVertex(3);
    g.setPosition(0, 100, 200);
    int slot = -1;
    g.AddVertexAt(9, 9, &slot);
    EXPECT_EQ(slot, 1);
    g.AddEdge(1, 0);

    ASSERT_TRUE(g.Restore());
    EXPECT_EQ(g.presentVertices(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(g.count(), 3);
    EXPECT_EQ(g.maxIndex(), 3);
    EXPECT_EQ(g.x(0), 0);
    EXPECT_TRUE(g.Adjacent(0, 2));
    EXPECT_TRUE(g.Adjacent(2, 3));
    EXPECT_FALSE(g.Adjacent(0, 1));
    EXPECT_EQ(g.label(3).slot, 3);
}

TEST(GraphLabels, NewVerticesAndMessageNames)
{
    Graph g;
    g.newLabelState = labelState(TextAlphabet, IconCircle);
    g.AddVertexAt(0, 0);
    EXPECT_EQ(g.label(0).state, 10);
    EXPECT_EQ(g.label(0).icon(), IconCircle);
    EXPECT_EQ(g.label(0).textKind(), TextAlphabet);
    g.setLabelText(0, "a very long user label that is cut");
    EXPECT_EQ(g.label(0).text(), "a very long user lab");
    EXPECT_EQ(g.messageName(0), "A"); // not showing the user text
    g.setLabelState(0, labelState(TextUser, IconNone));
    EXPECT_EQ(g.messageName(0), "a very long user lab");
    g.setLabelState(0, 5); // no such icon: ignored
    EXPECT_EQ(g.label(0).state, 16);

    int states = 0;
    for (int s = -1; s < 40; ++s)
        states += labelStateValid(s);
    EXPECT_EQ(states, 20);
}

TEST(VertexNames, SlotsAndBack)
{
    EXPECT_EQ(slotName(0), "A");
    EXPECT_EQ(slotName(1), "B");
    EXPECT_EQ(slotName(25), "Z");
    EXPECT_EQ(slotName(26), "A_0");
    EXPECT_EQ(slotName(51), "Z_0");
    EXPECT_EQ(slotName(285), "Z_9");
    EXPECT_EQ(slotName(286), "A_10");
    EXPECT_EQ(slotName(2625), "Z_99");
    EXPECT_EQ(slotName(2626), "A'");
    EXPECT_EQ(slotName(2626 + 27), "B'_0");
    EXPECT_EQ(slotName(5252), "A\"");
    for (int n = 0; n < kGraphSlots; ++n)
        EXPECT_EQ(slotOfName(slotName(n)), n) << n;
    for (int n : {286, 2625, 2626, 2653, 5252, 7000})
        EXPECT_EQ(slotOfName(slotName(n), 8000), n) << n;
    for (const char* bad : {"AB", "A_01", "A_10", "", "a", "A_", "_0", "A_1x", "A''", "A_-1", "A_100", "A 0"})
        EXPECT_EQ(slotOfName(bad), -1) << bad;
    EXPECT_EQ(slotOfName("M", kElectionSlots), -1);
    EXPECT_EQ(slotOfName("L", kElectionSlots), 11);
}

TEST(GraphEditing, WeightsInPlaceArrowsAndLabelCycling)
{
    Graph g = withVertices(3);
    g.AddEdge(2, 0);
    g.modified = false;
    EXPECT_EQ(g.editWeight(0, 2, 32767), 0);
    EXPECT_EQ(g.Weight(0, 2), 32767);
    EXPECT_TRUE(g.modified);
    const Graph before = g;
    EXPECT_EQ(g.editWeight(0, 2, 32768), 20);
    EXPECT_TRUE(g == before);
    EXPECT_EQ(g.editWeight(2, 0, -1), 0);
    EXPECT_FALSE(g.Adjacent(0, 2));
    EXPECT_EQ(g.entry(0, 2), 0);

    // Stored from the lower slot: 0 -> 1 -> -1 -> 2 -> 0, whichever end is clicked.
    g.AddEdge(0, 1);
    g.SetDirection(0, 1, 0);
    const int cycle[] = {1, -1, 2, 0, 1};
    for (int i = 0; i < 5; ++i) {
        g.cycleDirection(i % 2 ? 0 : 1, i % 2 ? 1 : 0);
        EXPECT_EQ(g.entry(0, 1), cycle[i]) << i;
    }

    // Icons 0..4 within a text kind, then the next text kind with no icon.
    EXPECT_EQ(nextLabelState(labelState(TextNone, IconNone)), labelState(TextNone, IconBullet));
    EXPECT_EQ(nextLabelState(labelState(TextUser, IconSolidBox)), labelState(TextUser, IconEmptyBox));
    EXPECT_EQ(nextLabelState(labelState(TextNone, IconEmptyBox)), labelState(TextAlphabet, IconNone));
    EXPECT_EQ(nextLabelState(labelState(TextValence, IconEmptyBox)), labelState(TextNone, IconNone));
    int s = 0, seen = 0;
    do {
        EXPECT_TRUE(labelStateValid(s));
        s = nextLabelState(s);
        ++seen;
    } while (s != 0);
    EXPECT_EQ(seen, 20);
}
