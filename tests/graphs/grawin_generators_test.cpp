// The graph window's generators on the headless platform: the File New
// entries with their boxes and limits, Paste Valences with Connected, the
// named graphs, Edit Randomize; every refusal shows its message and leaves
// the graph on screen.
#include "graphs/grawin_fixture.h"
#include "testutil.h"

using namespace quan;
using namespace quan::test;

using GeneratorWinTest = GraWindowTest;

TEST_F(GeneratorWinTest, CirclesAndTheirLimits)
{
    p.answer(plat::IdNo);
    p.input(std::string("12"));
    click("File|New|Circle|Complete ...");
    EXPECT_EQ(g().count(), 12);
    EXPECT_EQ(g().edgeCount(), 66);
    const Graph k12 = g();
    // Too many, too few, no number: the graph stays.
    for (const char* entry : {"287", "2", "99999999999999999999999"}) {
        p.answer(plat::IdNo);
        p.input(std::string(entry));
        click("File|New|Circle|Circle ...");
        EXPECT_EQ(p.lastMessage(), hmm(17)) << entry;
        EXPECT_EQ(g(), k12) << entry;
    }
    p.answer(plat::IdNo);
    p.dialogText("CIRCULANT", 102, "8");
    p.dialogText("CIRCULANT", 104, "2,3");
    p.press("CIRCULANT", plat::IdOk);
    click("File|New|Circle|Circulant ...");
    EXPECT_EQ(g().count(), 8);
    EXPECT_EQ(g().edgeCount(), 16);
}

TEST_F(GeneratorWinTest, GridsAndTheCityMap)
{
    p.answer(plat::IdNo);
    p.dialogText("CITYMAP", 102, "1");
    p.dialogText("CITYMAP", 104, "286");
    p.press("CITYMAP", plat::IdOk);
    click("File|New|Grid|Grid ...");
    EXPECT_EQ(g().count(), 286);
    EXPECT_EQ(g().edgeCount(), 285);
    const Graph line = g();
    p.answer(plat::IdNo);
    p.dialogText("CITYMAP", 102, "100000");
    p.dialogText("CITYMAP", 104, "100000");
    p.press("CITYMAP", plat::IdOk);
    click("File|New|Grid|Points ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g(), line);
}

TEST_F(GeneratorWinTest, ValencesKeepTheGraphOnFailure)
{
    p.setClipboardText("3 3 3 3");
    p.answer(plat::IdNo);
    click("File|Paste|Valences");
    EXPECT_EQ(g().count(), 4);
    EXPECT_EQ(g().edgeCount(), 6);
    EXPECT_EQ(g().label(0).textKind(), TextValence);
    const Graph k4 = g();
    p.setClipboardText("2 2 0 0");
    p.answer(plat::IdNo);
    click("File|Paste|Valences");
    EXPECT_EQ(p.lastMessage(), hmm(110));
    EXPECT_EQ(g(), k4);
    // "No" to the save question, then a refusal: K4 is still unsaved.
    EXPECT_TRUE(win->changed());
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "1 ";
    p.setClipboardText(many);
    p.answer(plat::IdNo);
    click("File|Paste|Valences");
    EXPECT_EQ(p.lastMessage(), hmm(106));
    EXPECT_EQ(g(), k4);
    // Connected toggles and joins a 2-regular list into one cycle.
    EXPECT_FALSE(win->connectedValences());
    click("File|Paste|Connected");
    EXPECT_TRUE(win->connectedValences());
    std::string twos;
    for (int i = 0; i < 30; ++i)
        twos += "2 ";
    p.setClipboardText(twos);
    p.answer(plat::IdNo);
    click("File|Paste|Valences");
    EXPECT_EQ(g().count(), 30);
    EXPECT_EQ(g().edgeCount(), 30);
    EXPECT_EQ(CountComponents(win->graph()), 0);
}

TEST_F(GeneratorWinTest, CubicsAndNamedGraphs)
{
    p.answer(plat::IdNo);
    p.input2(std::make_pair(std::string("5"), std::string("2")));
    click("File|New|Cubics|Petersen ...");
    EXPECT_EQ(g().count(), 10);
    EXPECT_EQ(g().edgeCount(), 15);
    const Graph petersen = g();
    // k a multiple of n: inconsistent data, no loops.
    p.answer(plat::IdNo);
    p.input2(std::make_pair(std::string("5"), std::string("10")));
    click("File|New|Cubics|Petersen ...");
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_EQ(g(), petersen);
    p.answer(plat::IdNo);
    p.input(std::string("144"));
    click("File|New|Cubics|Prism ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g(), petersen);
    p.answer(plat::IdNo);
    p.input(std::string("3"));
    click("File|New|Cubics|Moebius ...");
    EXPECT_EQ(g().edgeCount(), 9);
    p.answer(plat::IdNo);
    click("File|New|Cubics|6. Tutte 46");
    EXPECT_EQ(g().count(), 46);
    EXPECT_EQ(g().edgeCount(), 69);
    p.answer(plat::IdNo);
    click("File|New|Miscellany|4. Herschel");
    EXPECT_EQ(g().count(), 11);
    EXPECT_EQ(g().edgeCount(), 18);
    p.answer(plat::IdNo);
    p.input(std::string("8"));
    click("File|New|Miscellany|8. Knight's moves ...");
    EXPECT_EQ(g().edgeCount(), 168);
}

TEST_F(GeneratorWinTest, RandomGraphsAndReset)
{
    Random::shared().seed(77);
    p.answer(plat::IdNo);
    p.input(std::string("20"));
    click("File|New|Random|Planar ...");
    EXPECT_EQ(g().count(), 20);
    EXPECT_EQ(win->mouseMode(), MouseMode::VertexMove);
    const Graph planar = g();
    p.answer(plat::IdNo);
    p.input(std::string("15"));
    click("File|New|Random|Tree ...");
    EXPECT_EQ(g().edgeCount(), 14);
    p.answer(plat::IdNo);
    click("File|New|Random|Reset");
    EXPECT_EQ(g().edges(), planar.edges());
    p.answer(plat::IdNo);
    p.input(std::string("257"));
    click("File|New|Random|TSP ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g().edges(), planar.edges());
    p.answer(plat::IdNo);
    p.input(std::string("20"));
    click("File|New|Random|TSP ...");
    EXPECT_EQ(g().edgeCount(), 190);
    EXPECT_TRUE(g().weightsShown);
    EXPECT_EQ(win->mouseMode(), MouseMode::Text);
    p.answer(plat::IdNo);
    click("Edit|Randomize|Directions");
    EXPECT_TRUE(g().digraph);
}

TEST_F(GeneratorWinTest, PolyhedralTestNextViewAndSchlegel)
{
    // The Petersen graph is not planar: could not find, graph kept.
    p.answer(plat::IdNo);
    p.input2(std::make_pair(std::string("5"), std::string("2")));
    click("File|New|Cubics|Petersen ...");
    const Graph petersen = g();
    click("Edit|Polyhedral test");
    EXPECT_EQ(p.lastMessage(), hmm(2));
    EXPECT_EQ(g().edges(), petersen.edges());
    // Q stops the search at its first question: no message, graph kept,
    // the caption back without "press Q to quit".
    p.clearMessages();
    p.key('Q');
    click("Edit|Polyhedral test");
    EXPECT_TRUE(p.messages().empty());
    EXPECT_EQ(g(), petersen);
    EXPECT_EQ(hw().caption().find("press Q"), std::string::npos);
    // The pentagonal prism: 7 faces (two pentagons, five squares) by
    // Euler, drawn on a pentagon, the largest.
    p.answer(plat::IdNo);
    p.input(std::string("5"));
    click("File|New|Cubics|Prism ...");
    click("Edit|Polyhedral test");
    const std::string first = g().solution.summary;
    ASSERT_EQ(first.substr(0, 24), "10-vertex example (view ");
    ASSERT_EQ(first.substr(first.size() - 3), "/7)");
    const int k = first[24] - '0';
    EXPECT_TRUE(k >= 1 && k <= 7) << first;
    click("Edit|Next view");
    std::string next = "10-vertex example (view ";
    next += formatInt(k % 7 + 1);
    next += "/7)";
    EXPECT_EQ(g().solution.summary, next);
    // A typed face: the outer pentagon A..E; a non-face pair refused.
    p.input(std::string("A B C D E"));
    click("View|Schlegel ...");
    EXPECT_EQ(g().count(), 10);
    EXPECT_NE(g().solution.summary.find("view"), std::string::npos);
    p.input(std::string("A C D"));
    const Graph before = g();
    click("View|Schlegel ...");
    EXPECT_EQ(p.lastMessage(), hmm(2));
    EXPECT_EQ(g().x(0), before.x(0));
    // Tutte's graph comes with its faces: 25 = 69 - 46 + 2.
    p.answer(plat::IdNo);
    click("File|New|Cubics|6. Tutte 46");
    EXPECT_EQ(g().solution.summary.substr(0, 24), "46-vertex example (view ");
    EXPECT_EQ(g().solution.summary.substr(g().solution.summary.size() - 4), "/25)");
}

// Text that is no whole number gets the refusal the command gives for its
// limits: "out of bounds" for the circles, grids, Random TSP and planar
// graphs, prisms, Moebius ladders and knight's-move boards, "positive
// value?" for random trees,
// "inconsistent data" for the star polygon; the graph stays.
TEST_F(GeneratorWinTest, TextThatIsNoNumberGetsTheCommandsRefusal)
{
    p.answer(plat::IdNo);
    p.input(std::string("7"));
    click("File|New|Circle|Circle ...");
    const Graph c7 = g();
    const std::vector<std::pair<std::string, int>> boxes = {
        {"File|New|Circle|Circle ...", 17},  {"File|New|Circle|Complete ...", 17},
        {"File|New|Circle|Points ...", 17},  {"File|New|Random|TSP ...", 17},
        {"File|New|Random|Planar ...", 17},  {"File|New|Cubics|Prism ...", 17},
        {"File|New|Cubics|Moebius ...", 17}, {"File|New|Random|Tree ...", 14},
        {"File|New|Miscellany|8. Knight's moves ...", 17},
    };
    for (const auto& [path, code] : boxes)
        for (const char* entry : {"seven", "", "7x"}) {
            p.answer(plat::IdNo);
            p.input(std::string(entry));
            click(path);
            EXPECT_EQ(p.lastMessage(), hmm(code)) << path << " '" << entry << "'";
            EXPECT_EQ(g(), c7) << path;
        }
    p.answer(plat::IdNo);
    p.dialogText("CITYMAP", 102, "four");
    p.dialogText("CITYMAP", 104, "5");
    p.press("CITYMAP", plat::IdOk);
    click("File|New|Grid|Grid ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g(), c7);
    p.answer(plat::IdNo);
    p.dialogText("CIRCULANT", 102, "eight");
    p.dialogText("CIRCULANT", 104, "2,3");
    p.press("CIRCULANT", plat::IdOk);
    click("File|New|Circle|Circulant ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g(), c7);
    p.answer(plat::IdNo);
    p.input2(std::make_pair(std::string("five"), std::string("2")));
    click("File|New|Cubics|Petersen ...");
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_EQ(g(), c7);
}

TEST_F(GeneratorWinTest, TheStatesMap)
{
    p.answer(plat::IdNo);
    click("File|New|Miscellany|9. USA states");
    EXPECT_EQ(g().count(), 50);
    EXPECT_EQ(g().edgeCount(), 105);
    EXPECT_EQ(g().label(0).text(), "AK");
    EXPECT_EQ(g().label(0).textKind(), TextUser);
    EXPECT_FALSE(win->named());
}
