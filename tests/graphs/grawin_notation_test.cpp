// The graph window's notations and its graph6 viewer on the headless
// platform: pasting and writing graph6, sparse6 and LCF, refusals that
// keep the graph, the built-in collections with their counts, stepping
// with the save question, the optional files beside the program, files
// opened by extension.
#include "graphs/core/notation.h"
#include "graphs/grawin.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "shell/shell_fixture.h"
#include "testutil.h"

#include <filesystem>
#include <fstream>

using namespace quan;
using namespace quan::test;

namespace {

class NotationWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Graphs,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGraWin>(f, i); });
        frame->registerImport([](TQuanFrame* f, const DocInit& i) {
            auto w = std::make_unique<TGraWin>(f, i);
            w->openCollectionOnCreate(i.fileName);
            return w;
        });
        frame->create("");
        win = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
        ASSERT_NE(win, nullptr);
        // The optional files: the build puts the cubic polyhedra beside
        // the programs.
        win->setCollectionFolder(QUANDEL_BINARY_DIR);
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    plat::HeadlessWindow& hw(TGraWin* w = nullptr)
    {
        return *static_cast<plat::HeadlessWindow*>((w ? w : win)->window());
    }
    void click(const std::string& menuPath, TGraWin* w = nullptr)
    {
        const int id = hw(w).findCommand(menuPath);
        ASSERT_NE(id, 0) << menuPath;
        hw(w).click(id);
    }
    std::string hmm(int n) const { return "message: hmm ...: " + messageText(n); }
    const Graph& g() const { return win->graph(); }
    const std::string& summary() const { return win->graph().solution.summary; }
    std::unique_ptr<TQuanFrame> frame;
    TGraWin* win = nullptr;
};

} // namespace

TEST_F(NotationWinTest, PetersenPastedWrittenBothWaysAndBack)
{
    p.setClipboardText("IheA@GUAo\r\n");
    p.answer(plat::IdNo);
    click("File|Paste|Graph6 notation");
    EXPECT_EQ(g().count(), 10);
    EXPECT_EQ(g().edgeCount(), 15);
    EXPECT_TRUE(win->changed());
    click("Misc|Graph6 notation");
    click("Misc|Sparse6 notation");
    const std::string notes = win->notebook().notes();
    EXPECT_NE(notes.find("graph6 notation: IheA@GUAo"), std::string::npos) << notes;
    const size_t at = notes.find("sparse6 notation: ");
    ASSERT_NE(at, std::string::npos);
    const std::string s6 = notes.substr(at + 18);
    ASSERT_EQ(s6.substr(0, 2), ":I");
    // Back from the sparse6 string: the same graph6.
    p.setClipboardText(s6);
    p.answer(plat::IdNo);
    click("File|Paste|Graph6 notation");
    EXPECT_EQ(WriteGraph6(g()), "IheA@GUAo");
    // In digraph mode the notebook gets digraph6 with its '&'.
    click("Edit|Digraph");
    click("Misc|Graph6 notation");
    EXPECT_NE(win->notebook().notes().find("digraph6 notation: &I"), std::string::npos);
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::Sparse6Notation));
}

TEST_F(NotationWinTest, RefusedPastesKeepTheGraph)
{
    p.setClipboardText("[5,-5]^7");
    p.answer(plat::IdNo);
    click("File|Paste|LCF notation");
    ASSERT_EQ(g().count(), 14);
    const Graph before = g();
    for (const char* bad : {"[5,-5]^7x", "[5,5]^7", "[1,2]", "5,-5", "[99999999999999]"}) {
        p.setClipboardText(bad);
        p.answer(plat::IdNo);
        click("File|Paste|LCF notation");
        EXPECT_TRUE(g() == before) << bad;
    }
    EXPECT_EQ(p.lastMessage(), hmm(17));
    for (const char* bad : {":DaGa\x80", "C", "~~", "?"}) {
        p.setClipboardText(bad);
        p.answer(plat::IdNo);
        click("File|Paste|Graph6 notation");
        EXPECT_TRUE(g() == before) << bad;
    }
    EXPECT_EQ(p.lastMessage(), hmm(9));
}

TEST_F(NotationWinTest, CollectionsShowTheirCountsAndStep)
{
    win->setChanged(false);
    click("Graph6|Classic polyhedra|Platonic");
    EXPECT_EQ(summary().substr(0, 20), "4-vertex example 1/5");
    EXPECT_NE(summary().find("tetrahedron"), std::string::npos);
    EXPECT_FALSE(win->changed());
    // Example - 1 from the first shows the last.
    click("Graph6|Example - 1");
    EXPECT_EQ(summary(), "12-vertex example 5/5 (view 1/20) icosahedron");
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::ExamplePlus10));
    // F6 cycles the family: Archimedean, Johnson, Platonic.
    click("Graph6|Next collection");
    EXPECT_EQ(win->viewer().count(), 13);
    click("Graph6|Next collection");
    EXPECT_EQ(win->viewer().count(), 92);
    EXPECT_TRUE(hw().menuItemEnabled(grcmd::ExamplePlus10));
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::ExamplePlus100));
    click("Graph6|Next collection");
    EXPECT_EQ(win->viewer().count(), 5);
    const std::pair<const char*, int> counts[] = {{"Graph6|Cubic polyhedra|0: 4-vertex", 1},
        {"Graph6|Cubic polyhedra|6: 16-vertex", 233}, {"Graph6|Cubic polyhedra|7: 18-vertex", 1249},
        {"Graph6|Cubic polyhedra|8: 20-vertex", 7595}, {"Graph6|Snarks|0: 10-vertex", 1},
        {"Graph6|Snarks|4: 24-vertex", 38}};
    for (const auto& [path, count] : counts) {
        click(path);
        EXPECT_EQ(win->viewer().count(), count) << path;
    }
    // The 20-vertex polyhedra: Example - 1 shows 7595/7595; F6 goes to the
    // 4-vertex ones.
    click("Graph6|Cubic polyhedra|8: 20-vertex");
    click("Graph6|Example - 1");
    EXPECT_EQ(summary().substr(0, 28), "20-vertex example 7595/7595 ");
    EXPECT_NE(summary().find("/12)"), std::string::npos);
    click("Graph6|Next collection");
    EXPECT_EQ(win->viewer().id(), 100);
    // No 26- and 28-vertex snark files: those entries are disabled.
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::SnarkFirst + 5));
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::SnarkFirst + 6));
    EXPECT_TRUE(hw().menuItemEnabled(grcmd::CubicFirst + 8));
}

TEST_F(NotationWinTest, StepsAskBeforeChangesAreLost)
{
    click("Graph6|Cubic polyhedra|5: 14-vertex");
    ASSERT_FALSE(win->changed());
    p.setClipboardText("C~");
    click("File|Paste|Graph6 notation");
    ASSERT_TRUE(win->changed());
    const Graph before = g();
    for (const char* step : {"Graph6|Example - 1", "Graph6|Example - 10", "Graph6|Example + 1",
             "Graph6|Example + 10", "Graph6|Next collection"}) {
        const size_t asked = p.messages().size();
        p.answer(plat::IdCancel);
        click(step);
        EXPECT_GT(p.messages().size(), asked) << step;
        EXPECT_TRUE(g() == before) << step;
    }
    p.answer(plat::IdNo);
    click("Graph6|Example - 10");
    EXPECT_EQ(win->viewer().current(), 40);
    EXPECT_FALSE(win->changed());
}

TEST_F(NotationWinTest, AnUnreadableExampleKeepsTheGraphAndMovesOn)
{
    const auto scratch = testutil::scratchDir("g6viewer");
    const auto file = scratch / "mixed.g6";
    {
        std::ofstream f(file, std::ios::binary);
        f << ">>graph6<<C~\r\nC\r\n&DI?AO?";
    }
    p.file(file.string());
    click("Graph6|Other ...");
    EXPECT_EQ(win->viewer().count(), 3);
    EXPECT_EQ(g().edgeCount(), 6);
    const Graph before = g();
    click("Graph6|Example + 1");
    EXPECT_EQ(p.lastMessage(), hmm(24));
    EXPECT_TRUE(g() == before);
    EXPECT_EQ(win->viewer().current(), 1);
    click("Graph6|Example + 1");
    EXPECT_TRUE(g().digraph);
    EXPECT_EQ(summary(), "5-vertex example 3/3");
    // Not a family: Next collection has nothing to go to.
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::NextCollection));
}

TEST_F(NotationWinTest, NotationFilesOpenInTheViewer)
{
    const auto scratch = testutil::scratchDir("g6open");
    const auto file = scratch / "arcs.d6";
    {
        std::ofstream f(file, std::ios::binary);
        f << "&DI?AO?\n&BT?\n";
    }
    frame->openByName(file.string());
    TGraWin* opened = nullptr;
    for (int s = 0; s < TQuanFrame::kSlots; ++s)
        if (auto* w = dynamic_cast<TGraWin*>(frame->document(s)); w && w != win)
            opened = w;
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->viewer().count(), 2);
    EXPECT_TRUE(opened->graph().digraph);
    EXPECT_EQ(opened->graph().count(), 5);
    EXPECT_FALSE(opened->named());
}
