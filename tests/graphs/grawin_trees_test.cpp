// The graph window's trees, Dijkstra, colourings, Orient and the Edit menu's
// Complement, Complete and Distances on the headless platform: check marks
// and enabling, the prompts and their refusals, the summaries drawn, the
// notebook, the temporary distance-rank graph, Q in the exact colouring.
#include "graphs/grawin_fixture.h"

#include <algorithm>
#include <filesystem>

using namespace quan;
using namespace quan::test;

namespace {

const char kPetersen[] = "10 vertices 0 4 4 1 2 -3 -2 -3 -4 1 0 2 2 0.5 1 -1.5 -1 -1.5 -2 0.5\n"
                         "15 edges 0 1 1 2 2 3 3 4 4 0 0 5 1 6 2 7 3 8 4 9 5 7 7 9 9 6 6 8 8 5\n";
// A 3-4-5 triangle and a point 10 away from its corner (4, 3): points only.
const char kPoints[] = "4 vertices 0 0 4 0 4 3 10 11";
// A weighted graph: AB 2, AC 5, BC 1, CD 4, BD 7.
const char kWeighted[] = "4 vertices 0 0 1 0 1 1 2 1 5 edges 0 1 0 2 1 2 2 3 1 3 5 weights 2 5 1 4 7";

using GraTreesTest = GraWindowTest;

} // namespace

TEST_F(GraTreesTest, SwitchesStartAsThePartSaysAndToggle)
{
    EXPECT_TRUE(checked("Algo|MST|Minimal weight"));
    EXPECT_TRUE(checked("Algo|Welsh-Powell"));
    EXPECT_FALSE(checked("Algo|Use numbers"));
    EXPECT_TRUE(checked("Algo|Solution only"));
    for (const char* s : {"Algo|MST|Minimal weight", "Algo|Welsh-Powell", "Algo|Use numbers"}) {
        const bool before = checked(s);
        click(s);
        EXPECT_NE(checked(s), before) << s;
    }
    EXPECT_FALSE(win->minimalWeight());
    EXPECT_FALSE(win->welshPowell());
    EXPECT_TRUE(win->useNumbers());
    paste("1 vertices 0 0");
    EXPECT_FALSE(enabled("Edit|Complete"));
    EXPECT_FALSE(enabled("Edit|Distances ..."));
    paste("2 vertices 0 0 1 1");
    EXPECT_TRUE(enabled("Edit|Complete"));
    EXPECT_TRUE(enabled("Edit|Distances ..."));
}

TEST_F(GraTreesTest, KruskalOnPointsThenCompleteKeepsItsEdges)
{
    paste(kPoints);
    click("Algo|MST|Kruskal");
    EXPECT_EQ(g().solution.summary, "Kruskal tree; total weight = 17.00");
    EXPECT_TRUE(drawn("Kruskal tree; total weight = 17.00"));
    EXPECT_TRUE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 6);
    // Only the tree's weights are drawn: the ranks 1, 2 and 4, not 3, 5, 6.
    EXPECT_TRUE(drawn("1"));
    EXPECT_TRUE(drawn("4"));
    EXPECT_FALSE(drawn("6"));
    // Complete removes the temporary edges first, then makes its own.
    p.answer(plat::IdNo);
    click("Edit|Complete");
    EXPECT_FALSE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 6);
    EXPECT_EQ(g().Weight(0, 1), 0);
    // Below two vertices: nothing to do.
    paste("1 vertices 0 0");
    click("Algo|MST|Prim");
    EXPECT_EQ(p.lastMessage(), hmm(9));
}

TEST_F(GraTreesTest, CancellingTheSaveQuestionKeepsTheTreeOnPoints)
{
    paste(kPoints);
    click("Algo|MST|Kruskal");
    ASSERT_TRUE(g().distanceRank);
    ASSERT_TRUE(win->changed());
    // Cancel at "save changes?": Complement does nothing, the tree and its
    // six temporary edges stay.
    p.answer(plat::IdCancel);
    click("Edit|Complement");
    EXPECT_TRUE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 6);
    EXPECT_EQ(g().solution.summary, "Kruskal tree; total weight = 17.00");
    p.setClipboardText("C~");
    p.answer(plat::IdCancel);
    click("File|Paste|Graph6 notation");
    EXPECT_TRUE(g().distanceRank);
    EXPECT_EQ(g().solution.summary, "Kruskal tree; total weight = 17.00");
    // A cancelled root prompt keeps the tree too; an answered one removes
    // the temporary edges, so A reaches nothing and the tree has no edge.
    p.input(std::nullopt);
    click("Algo|Dijkstra ...");
    EXPECT_TRUE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 6);
    EXPECT_EQ(g().solution.summary, "Kruskal tree; total weight = 17.00");
    p.input(std::string("A"));
    click("Algo|Dijkstra ...");
    EXPECT_FALSE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 0);
    EXPECT_EQ(g().solution.summary, "Dijkstra root A; total weight = 0");
    // Kruskal again, then Complement answered: the question is asked once,
    // the temporary edges go, and the complement of the four points alone
    // is K4.
    click("Algo|MST|Kruskal");
    ASSERT_TRUE(g().distanceRank);
    p.answer(plat::IdNo);
    click("Edit|Complement");
    EXPECT_FALSE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 6);
    EXPECT_EQ(g().Weight(0, 3), 0);
}

TEST_F(GraTreesTest, ARefusedPasteAfterTheSaveQuestionKeepsTheTreeOnPoints)
{
    paste(kPoints);
    click("Algo|MST|Kruskal");
    ASSERT_TRUE(g().distanceRank);
    // "No" to the question, then a text that is no graph: the window stays
    // as it was, tree and temporary edges included.
    for (const char* item : {"File|Paste|Coordinates", "File|Paste|Graph6 notation"}) {
        p.setClipboardText("0 vertices");
        if (win->changed())
            p.answer(plat::IdNo);
        click(item);
        EXPECT_TRUE(g().distanceRank) << item;
        EXPECT_EQ(g().edgeCount(), 6) << item;
        EXPECT_EQ(g().solution.summary, "Kruskal tree; total weight = 17.00") << item;
    }
    // A paste that works replaces it all.
    p.setClipboardText("2 vertices 0 0 1 1 1 edges 0 1");
    if (win->changed())
        p.answer(plat::IdNo);
    click("File|Paste|Coordinates");
    EXPECT_FALSE(g().distanceRank);
    EXPECT_EQ(g().count(), 2);
    EXPECT_EQ(g().solution.summary, "");
}

TEST_F(GraTreesTest, RefreshAndTheMouseRemoveTheTemporaryGraphAndSavingLeavesItOut)
{
    paste(kPoints);
    click("Algo|MST|Prim");
    EXPECT_EQ(g().solution.summary, "Prim tree; total weight = 17.00");
    const std::string file = path("trees.gra");
    p.file(file);
    click("File|Save As ...");
    EXPECT_TRUE(g().distanceRank); // the window still shows the tree
    EXPECT_EQ(g().edgeCount(), 6);
    {
        GraDocument d;
        ASSERT_EQ(readGra(file, d), 0);
        EXPECT_EQ(d.graph.count(), 4);
        EXPECT_EQ(d.graph.edgeCount(), 0);
    }
    click("Algo|Refresh");
    EXPECT_FALSE(g().distanceRank);
    EXPECT_EQ(g().edgeCount(), 0);
}

TEST_F(GraTreesTest, DijkstraPromptSummaryAndNotebook)
{
    win->graph().clearAll();
    p.input(std::string("A"));
    click("Algo|Dijkstra ...");
    EXPECT_EQ(p.lastMessage(), hmm(9));
    EXPECT_FALSE(p.scriptEmpty()); // no prompt on an empty graph
    paste(kWeighted);
    // The answer left over above: from A, B 2, C 3 (via B), D 7 (via C);
    // tree AB, BC, CD: total 7.
    click("Algo|Dijkstra ...");
    EXPECT_TRUE(p.scriptEmpty());
    EXPECT_EQ(g().solution.summary, "Dijkstra root A; total weight = 7");
    EXPECT_TRUE(drawn("Dijkstra root A; total weight = 7"));
    EXPECT_NE(win->notebookText().find("D 7: A B C D\r\n"), std::string::npos) << win->notebookText();
    EXPECT_NE(win->notebookText().find("C 3: A B C\r\n"), std::string::npos);
    p.input(std::string("Q"));
    click("Algo|Dijkstra ...");
    EXPECT_EQ(p.lastMessage(), hmm(2));
    p.input(std::string("q"));
    click("Algo|Dijkstra ...");
    EXPECT_EQ(p.lastMessage(), hmm(1));
}

TEST_F(GraTreesTest, PetersenColouredBothWaysWithBoxesAndNumbers)
{
    paste(kPetersen);
    click("Algo|Color");
    const std::string wp = g().solution.summary;
    EXPECT_EQ(wp.rfind("colors used: ", 0), 0u);
    EXPECT_GE(wp.back(), '3');
    click("Algo|Welsh-Powell");
    click("Algo|Color");
    EXPECT_EQ(g().solution.summary, "colors used: 3");
    EXPECT_TRUE(drawn("colors used: 3"));
    EXPECT_FALSE(drawn("1"));
    click("Algo|Use numbers");
    EXPECT_TRUE(drawn("1"));
    EXPECT_TRUE(drawn("2"));
    EXPECT_TRUE(drawn("3"));
    for (auto [a, b] : g().edges())
        EXPECT_NE(g().color(a), g().color(b));
    // Not connected: the exact method refuses.
    paste("4 vertices 0 0 1 0 2 0 3 0 2 edges 0 1 2 3");
    click("Algo|Color");
    EXPECT_EQ(p.lastMessage(), hmm(109));
}

TEST_F(GraTreesTest, ExactColouringStoppedByQ)
{
    // The Mycielski graph M5 grown once more (M6, 47 vertices) finishes; a
    // Q scripted at the first poll stops it with what it has.
    std::string text;
    int n = 2;
    std::vector<std::pair<int, int>> e{{0, 1}};
    for (int i = 2; i < 7; ++i) {
        auto out = e;
        for (auto [a, b] : e) {
            out.emplace_back(a, n + b);
            out.emplace_back(b, n + a);
        }
        for (int v = 0; v < n; ++v)
            out.emplace_back(n + v, 2 * n);
        e = out;
        n = 2 * n + 1;
    }
    text = formatInt(n) + " vertices";
    for (int v = 0; v < n; ++v)
        text.append(" ").append(formatInt(v % 10)).append(" ").append(formatInt(v / 10));
    text.append(" ").append(formatInt(static_cast<long long>(e.size()))).append(" edges");
    for (auto [a, b] : e)
        text.append(" ").append(formatInt(a)).append(" ").append(formatInt(b));
    paste(text);
    ASSERT_EQ(g().count(), 95);
    click("Algo|Welsh-Powell");
    p.key('Q', 5);
    click("Algo|Color");
    EXPECT_NE(g().solution.summary.find("(not proven minimal)"), std::string::npos) << g().solution.summary;
    for (auto [a, b] : g().edges())
        EXPECT_NE(g().color(a), g().color(b));
    EXPECT_EQ(hw().caption().find("press Q"), std::string::npos); // caption restored
}

TEST_F(GraTreesTest, ComplementDistancesOrientAndWeightRange)
{
    paste("4 vertices 0 0 3 0 3 4 0 4 4 edges 0 1 1 2 2 3 3 0");
    p.answer(plat::IdNo);
    click("Edit|Complement");
    EXPECT_EQ(g().edges(), (std::vector<std::pair<int, int>>{{0, 2}, {1, 3}}));
    // Distances: 1 and 32768 refused; 100 gives both diagonals (length 5) 100.
    p.answer(plat::IdNo);
    p.input(std::string("1"));
    click("Edit|Distances ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    // Answered once, the save question does not come again until a change.
    p.input(std::string("32768"));
    click("Edit|Distances ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g().Weight(0, 2), 0);
    p.input(std::string("100"));
    click("Edit|Distances ...");
    EXPECT_TRUE(p.scriptEmpty()) << p.unusedScript();
    EXPECT_GE(g().Weight(0, 2), 99);
    EXPECT_TRUE(g().weightsShown);
    // Orient the 4-cycle: every edge directed around it.
    paste("4 vertices 0 0 3 0 3 4 0 4 4 edges 0 1 1 2 2 3 3 0");
    p.answer(plat::IdNo);
    click("Algo|Orient");
    EXPECT_EQ(g().solution.summary, "orientation");
    EXPECT_TRUE(g().digraph);
    for (auto [a, b] : g().edges())
        EXPECT_NE(g().Direction(a, b), 0);
    // Weight range: low above high, low 0, then 20..30.
    p.dialogText("RNDRANGE", 102, "9");
    p.dialogText("RNDRANGE", 104, "8");
    p.press("RNDRANGE", plat::IdOk);
    click("Misc|Weight range ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    p.dialogText("RNDRANGE", 102, "0");
    p.dialogText("RNDRANGE", 104, "8");
    p.press("RNDRANGE", plat::IdOk);
    click("Misc|Weight range ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    p.dialogText("RNDRANGE", 102, "20");
    p.dialogText("RNDRANGE", 104, "30");
    p.press("RNDRANGE", plat::IdOk);
    click("Misc|Weight range ...");
    EXPECT_EQ(win->weightLow(), 20);
    EXPECT_EQ(win->weightHigh(), 30);
    EXPECT_EQ(win->setWeightRange(1, 32768), codeOf(Msg::OutOfBounds));
    EXPECT_EQ(win->setWeightRange(32767, 32767), 0);
}

TEST_F(GraTreesTest, HelpExplainsTreesDijkstraAndOrient)
{
    click("Algo|Help");
    const std::string algo = win->helpWindow().text();
    for (const char* s : {"SPANNING TREE", "not a distance", "never", "CHROMATIC NUMBER", "not proven minimal"})
        EXPECT_NE(algo.find(s), std::string::npos) << s;
    click("Edit|Help");
    const std::string edit = win->helpWindow().text();
    for (const char* s : {"COMPLEMENT", "COMPLETE", "DISTANCES"})
        EXPECT_NE(edit.find(s), std::string::npos) << s;
}
