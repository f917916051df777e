// The Algo menu of the graph window on the headless platform: enabling,
// the start-vertex prompt, the tours with their summaries drawn and their
// notebook records, random search and Hamiltonian search stopped by a
// scripted Q, slow motion driven by scripted keys, the Eulerian numbering
// behind the save question, and the help text.
#include "graphs/grawin_fixture.h"

#include <algorithm>

using namespace quan;
using namespace quan::test;

namespace {

// A weighted K5 by coordinates: the File help's Coordinates format with
// its weight block (pairs in dictionary order).
const char kK5[] = "5 vertices  0 0  4 0  4 3  0 3  2 5\n"
                   "10 edges  0 1 0 2 0 3 0 4 1 2 1 3 1 4 2 3 2 4 3 4\n"
                   "10 weights 4 5 3 6 3 5 4 4 2 3\n";
const char kPetersen[] = "10 vertices 0 4 4 1 2 -3 -2 -3 -4 1 0 2 2 0.5 1 -1.5 -1 -1.5 -2 0.5\n"
                         "15 edges 0 1 1 2 2 3 3 4 4 0 0 5 1 6 2 7 3 8 4 9 5 7 7 9 9 6 6 8 8 5\n";

using GraAlgoTest = GraWindowTest;

} // namespace

TEST_F(GraAlgoTest, MenuIdsAndEnabling)
{
    EXPECT_EQ(id("Algo|Hamiltonian Circuit"), 721);
    EXPECT_EQ(id("Algo|Hamiltonian Path"), 722);
    EXPECT_EQ(id("Algo|TSP|Nearest nbr ..."), 724);
    EXPECT_EQ(id("Algo|TSP|Sorted edges"), 725);
    EXPECT_EQ(id("Algo|TSP|Random search"), 729);
    EXPECT_EQ(id("Algo|TSP|Best so far"), 734);
    EXPECT_EQ(id("Algo|TSP|Improve pairs"), 800);
    EXPECT_EQ(id("Algo|Eulerian"), 731);
    EXPECT_EQ(id("Algo|Refresh"), 730);
    EXPECT_EQ(id("Algo|Slow motion"), 707);
    paste(kK5);
    EXPECT_TRUE(enabled("Algo|Hamiltonian Circuit"));
    EXPECT_TRUE(enabled("Algo|Eulerian"));
    EXPECT_FALSE(enabled("Algo|TSP|Best so far"));
    EXPECT_FALSE(enabled("Algo|TSP|Improve pairs"));
    click("Algo|TSP|Sorted edges");
    EXPECT_TRUE(enabled("Algo|TSP|Best so far"));
    EXPECT_TRUE(enabled("Algo|TSP|Improve pairs"));
    // Two vertices: no circuits.
    paste("2 vertices 0 0 1 1 1 edges 0 1");
    EXPECT_FALSE(enabled("Algo|Hamiltonian Circuit"));
    EXPECT_FALSE(enabled("Algo|Hamiltonian Path"));
    EXPECT_FALSE(enabled("Algo|Eulerian"));
    EXPECT_FALSE(enabled("Algo|TSP|Best so far"));
}

TEST_F(GraAlgoTest, NearestNeighbourFromThePromptWithSummaryAndNotebook)
{
    paste(kK5);
    // Weights: AB 4, AC 5, AD 3, AE 6, BC 3, BD 5, BE 4, CD 4, CE 2, DE 3.
    // From C: E (2), then D (3), then A (3), then B (4), back B-C 3: 15.
    p.input(std::string("C"));
    click("Algo|TSP|Nearest nbr ...");
    const std::string summary = "nearest nbr start at C; total weight = 15";
    EXPECT_EQ(win->graph().solution.summary, summary);
    EXPECT_TRUE(drawn(summary));
    EXPECT_EQ(win->notebookText(), summary + "\r\nCEDAB\r\n\r\n");
    EXPECT_EQ(win->graph().solution.edges.size(), 5u);
    // The prompt's refusals: not a name, an absent vertex; cancel.
    p.input(std::string("c"));
    click("Algo|TSP|Nearest nbr ...");
    EXPECT_EQ(p.lastMessage(), hmm(1));
    p.input(std::string("F"));
    click("Algo|TSP|Nearest nbr ...");
    EXPECT_EQ(p.lastMessage(), hmm(2));
    p.input(std::nullopt);
    click("Algo|TSP|Nearest nbr ...");
    EXPECT_EQ(win->graph().solution.summary, summary);
    // Best so far, then Refresh clears the picture but keeps the best.
    click("Algo|TSP|Best so far");
    EXPECT_EQ(win->graph().solution.summary, "best circuit found so far; total weight = 15");
    click("Algo|Refresh");
    EXPECT_TRUE(win->graph().solution.summary.empty());
    EXPECT_EQ(win->graph().solution.bestTotal, 15);
    EXPECT_TRUE(p.scriptEmpty());
    // Below three vertices there is no tour: 409 before any prompt (an
    // empty graph would propose no name at all).
    win->graph().clearAll();
    p.input(std::string("A"));
    click("Algo|TSP|Nearest nbr ...");
    EXPECT_EQ(p.lastMessage(), hmm(9));
    EXPECT_FALSE(p.scriptEmpty()); // the prompt never came
    EXPECT_EQ(win->graph().solution.mode, DisplayMode::None);
}

TEST_F(GraAlgoTest, RandomSearchAndHamiltonianStoppedByQ)
{
    paste(kK5);
    p.key('Q', 500);
    click("Algo|TSP|Random search");
    const Graph& g = win->graph();
    EXPECT_EQ(g.solution.mode, DisplayMode::BestTour);
    EXPECT_LT(g.solution.bestTotal, kNoBestTotal);
    EXPECT_EQ(g.solution.summary.rfind("best circuit found so far; total weight = ", 0), 0u);
    EXPECT_NE(win->notebookText().find(g.solution.summary), std::string::npos);
    EXPECT_EQ(hw().caption().find("press Q"), std::string::npos); // caption restored
    click("Algo|TSP|Improve pairs");
    EXPECT_EQ(g.solution.mode, DisplayMode::BestTour);

    paste(kPetersen);
    p.clearMessages();
    p.key('Q', 3000);
    click("Algo|Hamiltonian Circuit");
    EXPECT_TRUE(win->graph().solution.summary.empty());
    EXPECT_TRUE(win->graph().solution.edges.empty());
    EXPECT_TRUE(p.messages().empty());
    // The exact search proves that there is none.
    click("Algo|Hamiltonian exact");
    EXPECT_EQ(p.lastMessage(), hmm(116));
    p.key('Q', 1000000);
    click("Algo|Hamiltonian Path");
    EXPECT_EQ(win->graph().solution.summary, "Hamiltonian path");
    EXPECT_EQ(win->graph().solution.edges.size(), 9u);
    EXPECT_TRUE(drawn("Hamiltonian path"));
    // A TSP command on the Petersen graph: incomplete.
    click("Algo|TSP|Sorted edges");
    EXPECT_EQ(p.lastMessage(), hmm(108));
}

TEST_F(GraAlgoTest, SlowMotionStepsWithSpaceAndQ)
{
    paste(kK5);
    click("Algo|Slow motion");
    EXPECT_TRUE(win->slowMotion());
    EXPECT_TRUE(hw().menuItemChecked(id("Algo|Slow motion")));
    // Sorted edges takes five edges: two spaces, then Q runs to the end.
    p.key(' ');
    p.key(' ');
    p.key('Q');
    click("Algo|TSP|Sorted edges");
    EXPECT_EQ(win->graph().solution.edges.size(), 5u);
    EXPECT_FALSE(win->slowMotion());
    EXPECT_FALSE(hw().menuItemChecked(id("Algo|Slow motion")));
    EXPECT_TRUE(p.scriptEmpty());
    // With five spaces it stays on.
    click("Algo|Slow motion");
    for (int k = 0; k < 5; ++k)
        p.key(' ');
    click("Algo|TSP|Sorted edges");
    EXPECT_TRUE(win->slowMotion());
    EXPECT_TRUE(p.scriptEmpty());
}

TEST_F(GraAlgoTest, EulerianAsksToSaveAndNumbersTheEdges)
{
    paste("3 vertices 0 0 1 0 2 0 2 edges 0 1 1 2 2 weights 7 9");
    ASSERT_TRUE(win->changed());
    p.answer(plat::IdCancel);
    click("Algo|Eulerian");
    EXPECT_EQ(win->graph().Weight(0, 1), 7); // cancelled: unchanged
    p.answer(plat::IdNo);
    click("Algo|Eulerian");
    EXPECT_EQ(win->graph().solution.summary, "Eulerian path");
    EXPECT_EQ(win->graph().Weight(2, 1), 1);
    EXPECT_EQ(win->graph().Weight(1, 0), 2);
    EXPECT_TRUE(drawn("Eulerian path"));
    EXPECT_TRUE(drawn("1"));
    EXPECT_TRUE(drawn("2"));
    EXPECT_TRUE(win->changed());
}

TEST_F(GraAlgoTest, HelpExplainsCircuitsHeuristicsAndQ)
{
    click("Algo|Help");
    const std::string text = win->helpWindow().text();
    EXPECT_NE(text.find("GRAPHS - THE ALGO MENU"), std::string::npos);
    EXPECT_NE(text.find("HEURISTICS"), std::string::npos);
    EXPECT_NE(text.find("Press Q"), std::string::npos);
    EXPECT_NE(text.find("Petersen"), std::string::npos);
}
