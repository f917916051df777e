// The tournament graph worked by hand: arrows from the head-to-head
// winners, valences in digraph mode, ties without arrows, the switch, the
// circle positions and the shortest majority cycle with its summary line.
#include "profiles.h"
#include "testutil.h"

#include "elections/core/tournament.h"
#include "elections/core/votfile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quan;
using electtest::make;

namespace {

Election withGraph(Election e, bool on = true)
{
    ReportSwitches s = e.switches();
    s.graph = on;
    e.setSwitches(s);
    return e;
}

Graph tournamentOf(const Election& e, ExampleView view = {})
{
    Graph g(kElectionSlots);
    buildTournament(g, e, view);
    return g;
}

// A pairwise table from "a beats b" pairs (2 to 1), every other pair tied.
CandidateTable beatsTable(std::initializer_list<std::pair<int, int>> wins)
{
    CandidateTable m{};
    for (auto [a, b] : wins) {
        m[static_cast<size_t>(a)][static_cast<size_t>(b)] = 2;
        m[static_cast<size_t>(b)][static_cast<size_t>(a)] = 1;
    }
    return m;
}

} // namespace

TEST(Tournament, TheCycleOfThreeVotersPointsRoundAndIsHighlighted)
{
    const Election e = withGraph(make("ABC", {{1, "ABC"}, {1, "BCA"}, {1, "CAB"}}));
    Graph g = tournamentOf(e);
    EXPECT_EQ(g.count(), 3);
    EXPECT_EQ(g.edgeCount(), 3);
    // A beats B, B beats C, C beats A, each 2 to 1.
    EXPECT_EQ(g.Direction(0, 1), 1);
    EXPECT_EQ(g.Direction(1, 2), 1);
    EXPECT_EQ(g.Direction(2, 0), 1);
    EXPECT_EQ(g.Direction(1, 0), -1);
    EXPECT_TRUE(g.digraph);
    EXPECT_FALSE(g.weightsShown);
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(g.Weight(v, (v + 1) % 3), 0);
        EXPECT_EQ(g.outValence(v), 1) << v;
        EXPECT_EQ(g.inValence(v), 1) << v;
    }
    EXPECT_EQ(g.source(), -1);
    EXPECT_EQ(g.sink(), -1);
    EXPECT_EQ(g.solution.summary, "majority cycle: A B C");
    EXPECT_EQ(g.solution.edges, (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}, {2, 0}}));
    EXPECT_FALSE(g.modified);
}

TEST(Tournament, TheFiftyFiveVotersHaveEveryArrowOutOfE)
{
    const Election e = withGraph(make("ABCDE", electtest::fiftyFive()));
    Graph g = tournamentOf(e);
    EXPECT_EQ(g.count(), 5);
    EXPECT_EQ(g.edgeCount(), 10);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(g.Direction(4, c), 1) << c;
    // The Condorcet ranking E D C B A beats down the line: D over A B C,
    // C over A B, B over A (the summary's defeats strings).
    EXPECT_EQ(g.Direction(3, 0), 1);
    EXPECT_EQ(g.Direction(3, 2), 1);
    EXPECT_EQ(g.Direction(2, 1), 1);
    EXPECT_EQ(g.Direction(1, 0), 1);
    EXPECT_EQ(g.outValence(4), 4);
    EXPECT_EQ(g.inValence(4), 0);
    EXPECT_EQ(g.source(), 4);
    EXPECT_EQ(g.sink(), 0);
    EXPECT_TRUE(g.solution.edges.empty());
    EXPECT_EQ(g.solution.summary, "");
    for (int v = 0; v < 5; ++v) {
        EXPECT_EQ(g.label(v).text(), std::string(1, static_cast<char>('A' + v)));
        EXPECT_EQ(g.label(v).state, 16);
    }
}

TEST(Tournament, AHeadToHeadTieIsAnEdgeWithoutArrow)
{
    const Election e = withGraph(make("AB", {{1, "AB"}, {1, "BA"}}));
    Graph g = tournamentOf(e);
    EXPECT_EQ(g.edgeCount(), 1);
    EXPECT_TRUE(g.Adjacent(0, 1));
    EXPECT_EQ(g.Direction(0, 1), 0);
    EXPECT_EQ(g.outValence(0) + g.inValence(0) + g.outValence(1) + g.inValence(1), 0);
    EXPECT_EQ(g.solution.summary, "");
}

TEST(Tournament, TheSwitchOffLeavesNamesHiddenAndNoEdges)
{
    const Election e = withGraph(make("ABC", {{1, "ABC"}, {1, "BCA"}, {1, "CAB"}}), false);
    Graph g = tournamentOf(e);
    EXPECT_EQ(g.count(), 3);
    EXPECT_EQ(g.edgeCount(), 0);
    EXPECT_EQ(g.solution.summary, "");
    EXPECT_TRUE(g.solution.edges.empty());
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(g.label(v).state, 0);
        EXPECT_EQ(g.label(v).text(), std::string(1, static_cast<char>('A' + v)));
    }
}

TEST(Tournament, CandidatesSitOnTheCircle)
{
    // rx 2, ry 1.5: radius 0.8 x 1.5 = 1.2 about the origin, whatever the
    // centre; candidate i at angle 2 pi i / 4.
    const Election e = withGraph(make("WXYZ", {{3, "WXYZ"}}));
    const Graph g = tournamentOf(e, ExampleView{5, 5, 2, 1.5L});
    const Real expect[4][2] = {{1.2L, 0}, {0, 1.2L}, {-1.2L, 0}, {0, -1.2L}};
    for (int v = 0; v < 4; ++v) {
        EXPECT_NEAR(static_cast<double>(g.x(v)), static_cast<double>(expect[v][0]), 1e-12) << v;
        EXPECT_NEAR(static_cast<double>(g.y(v)), static_cast<double>(expect[v][1]), 1e-12) << v;
    }
    EXPECT_EQ(g.label(2).text(), "Y");
}

TEST(Tournament, WithoutVotesThereAreNoArrows)
{
    // Undoing the only cast leaves T 0 with the tally of one ABC voter.
    Election e = withGraph(make("ABC", {{1, "ABC"}}));
    EXPECT_EQ(tournamentOf(e).Direction(0, 1), 1);
    ASSERT_EQ(e.undo(), 0);
    ASSERT_EQ(e.total(), 0);
    Graph g = tournamentOf(e);
    EXPECT_EQ(g.edgeCount(), 3);
    for (auto [a, b] : g.edges())
        EXPECT_EQ(g.Direction(a, b), 0);
    // New names with no votes, another number of candidates: four
    // vertices, no arrows.
    Random rng;
    rng.seed(3);
    ASSERT_EQ(e.newNames("ABCD", rng), 0);
    ASSERT_EQ(e.total(), 0);
    g = tournamentOf(e);
    EXPECT_EQ(g.count(), 4);
    EXPECT_EQ(g.edgeCount(), 6);
    for (auto [a, b] : g.edges())
        EXPECT_EQ(g.Direction(a, b), 0);
    EXPECT_EQ(g.solution.summary, "");
}

TEST(Tournament, AFileWithoutVotesOverAnotherElectionHasNoArrows)
{
    VotDocument d;
    d.election = withGraph(make("ABCDE", electtest::fiftyFive()));
    VotDocument empty;
    empty.election = withGraph(make("ABC", {}));
    ByteWriter w;
    writeVot(w, empty);
    Random rng;
    ASSERT_EQ(readVot(w.take(), d, rng), 0);
    const Graph g = tournamentOf(d.election);
    EXPECT_EQ(g.count(), 3);
    EXPECT_EQ(g.edgeCount(), 3);
    for (auto [a, b] : g.edges())
        EXPECT_EQ(g.Direction(a, b), 0);
}

TEST(Tournament, TheShortestCycleFirstInListOrder)
{
    // Two triangles 0-1-3 and 0-2-3 and the longer 0-1-2-3: 0 1 3 first.
    EXPECT_EQ(shortestMajorityCycle(beatsTable({{0, 1}, {1, 3}, {3, 0}, {0, 2}, {2, 3}, {1, 2}}), 4),
              (std::vector<int>{0, 1, 3}));
    // A triangle not through 0 is still shorter than a square through it.
    EXPECT_EQ(shortestMajorityCycle(beatsTable({{0, 1}, {1, 2}, {2, 3}, {3, 0}, {3, 4}, {4, 5}, {5, 3}}), 6),
              (std::vector<int>{3, 4, 5}));
    // Ties on both diagonals leave only the square.
    EXPECT_EQ(shortestMajorityCycle(beatsTable({{0, 1}, {1, 2}, {2, 3}, {3, 0}}), 4), (std::vector<int>{0, 1, 2, 3}));
    // A cycle listed from its lowest slot runs the way its arrows go.
    EXPECT_EQ(shortestMajorityCycle(beatsTable({{0, 2}, {2, 1}, {1, 0}}), 3), (std::vector<int>{0, 2, 1}));
    // Acyclic: a linear order, and everything tied.
    EXPECT_TRUE(shortestMajorityCycle(beatsTable({{0, 1}, {0, 2}, {1, 2}}), 3).empty());
    EXPECT_TRUE(shortestMajorityCycle(CandidateTable{}, 6).empty());
    EXPECT_TRUE(shortestMajorityCycle(beatsTable({{0, 1}}), 2).empty());
}

TEST(Tournament, TheSummaryNamesTheCandidatesOfTheCycle)
{
    // Renamed: the line uses the names, in cycle order from the lowest slot.
    const Election e = withGraph(make("QPR", {{1, "QPR"}, {1, "PRQ"}, {1, "RQP"}}));
    EXPECT_EQ(tournamentOf(e).solution.summary, "majority cycle: Q P R");
    const Election f = withGraph(make("ABC", {{1, "ACB"}, {1, "CBA"}, {1, "BAC"}}));
    // A beats C, C beats B, B beats A.
    EXPECT_EQ(tournamentOf(f).solution.summary, "majority cycle: A C B");
}

TEST(Tournament, AFileAssembledByHandOpensShowingTheCycle)
{
    // The common header as the writer makes it (checked with the docfile),
    // then the election block: 3 candidates, 6 points words,
    // current ballot 0, switches plurality 1, Borda 0, Condorcet 1, runoff
    // 0, graph 1, T 3; counts of ABC ACB BAC BCA CAB CBA = 1 0 0 1 1 0;
    // points 2 1 0 0 0 0; names A..F; an empty notebook.
    ByteWriter w;
    writeVot(w, VotDocument{});
    Bytes file = w.take();
    file.resize(kHeaderBytes);
    for (long long v : {3, 6, 0, 1, 0, 1, 0, 1, 3})
        testutil::putI32(file, v);
    for (int i = 9; i < 50; ++i)
        testutil::putI32(file, 0);
    for (long long v : {1, 0, 0, 1, 1, 0})
        testutil::putI32(file, v);
    for (long long v : {2, 1, 0, 0, 0, 0})
        testutil::putI32(file, v);
    for (long long v : {'A', 'B', 'C', 'D', 'E', 'F'})
        testutil::putI32(file, v);
    testutil::putString(file, "");
    VotDocument d;
    Random rng;
    ASSERT_EQ(readVot(file, d, rng), 0);
    EXPECT_TRUE(d.election.switches().graph);
    EXPECT_TRUE(d.election.switches().condorcet);
    const Graph g = tournamentOf(d.election);
    EXPECT_EQ(g.edgeCount(), 3);
    EXPECT_EQ(g.Direction(0, 1), 1);
    EXPECT_EQ(g.Direction(1, 2), 1);
    EXPECT_EQ(g.Direction(2, 0), 1);
    EXPECT_EQ(g.solution.summary, "majority cycle: A B C");
}
