// The graph window's squared rectangles on the headless platform: codes
// pasted and refused (the document's bytes unchanged), the notebook lines,
// the View switches, Restore, the library dialog with its categories, the
// save question of a later choice, the tiling forgotten when the graph is
// replaced, and the squares painted.
#include "graphs/grawin_fixture.h"
#include "graphs/sqrectdlg.h"
#include "text/textwin.h"
#include "testutil.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace quan;
using namespace quan::test;

namespace {

const char* const kMoron = "(18,15)(7,8)(14,4)(10,1)(9)";

class SqrectWinTest : public GraWindowTest {
protected:
    void SetUp() override
    {
        GraWindowTest::SetUp();
        win->setCollectionFolder(QUANDEL_BINARY_DIR);
    }
    // Here a paste is a Bouwkamp code.
    void paste(const std::string& code)
    {
        p.setClipboardText(code);
        if (win->changed())
            p.answer(plat::IdNo);
        click("File|Paste|Bouwkamp notation");
    }
    // The document as the ".gra" writer saves it (in the test's own folder).
    std::string bytes()
    {
        const std::string file = path("doc.gra");
        EXPECT_TRUE(win->writeDocument(file));
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

} // namespace

TEST_F(SqrectWinTest, PastedCodeShowsTheNetworkAndWritesBothCodes)
{
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::BouwkampNotation));
    paste("9 33 32 18 15 7 8 14 4 10 1 9");
    ASSERT_TRUE(win->squaredRectangleShown());
    // Moron's rectangle: 6 horizontal segments (top, y = 17, 14, 10, 9,
    // bottom), 9 edges, weights shown, bullets without text.
    EXPECT_EQ(g().count(), 6);
    EXPECT_EQ(g().edgeCount(), 9);
    EXPECT_TRUE(g().weightsShown);
    EXPECT_TRUE(g().digraph);
    for (int v : g().presentVertices())
        EXPECT_EQ(g().label(v).state, labelState(TextNone, IconBullet));
    // The top segment's midpoint: (16.5, 32).
    EXPECT_EQ(g().x(0), 16.5L);
    EXPECT_EQ(g().y(0), 32.0L);
    EXPECT_TRUE(hw().menuItemEnabled(grcmd::BouwkampNotation));
    click("Misc|Bouwkamp notation");
    EXPECT_EQ(win->notebook().notes(), "hori: (18,15)(7,8)(14,4)(10,1)(9)\r\nvert: (15,8,9)(7,1)(10)(18,4)(14)");
    // Dijkstra's record after it starts on a line of its own.
    p.input(std::string("A"));
    click("Algo|Dijkstra ...");
    EXPECT_NE(win->notebook().notes().find("vert: (15,8,9)(7,1)(10)(18,4)(14)\r\nDijkstra root A"), std::string::npos)
        << win->notebook().notes();
    // Vertical segments: 6 of them (x = 0, 14, 18, 24, 25, 33).
    click("View|Squared rectangles|Vertical segments");
    EXPECT_TRUE(win->verticalSegments());
    EXPECT_EQ(g().count(), static_cast<int>(win->squaredRectangle().vertical.size()));
    EXPECT_EQ(g().count() + 6, 9 + 3);
    EXPECT_EQ(g().edgeCount(), 9);
}

TEST_F(SqrectWinTest, RefusedCodesShowTheirMessageAndKeepTheDocument)
{
    paste(kMoron);
    ASSERT_TRUE(win->squaredRectangleShown());
    win->notebook().setNotes("");
    const std::string before = bytes();
    const Graph graphBefore = g();
    const std::pair<const char*, int> cases[] = {
        {" \r\n", 9},
        {"18 15] 7 8]", 1},
        {"33 32 (18,15)(7,8)(14,4)(10,1)(9)", 6},
        {"(0)(18,15)(7,8)(14,4)(10,1)(9)", 6},
        {"(18,15)(7,8)(14,4)(10,1)(9)(0)", 6},
        {"9 33 99999999999 18 15 7 8 14 4 10 1 9", 6},
        {"(18,15)(7,8)(14,4)(10,1)", 6},           // sizes run out
        {"(18,15)(7,9)(14,4)(10,1)(9)", 6},        // the second group overshoots
        {"10 33 32 18 15 7 8 14 4 10 1 9", 6},     // order mismatch
        {"(32768,15)(7,8)(14,4)(10,1)(9)", 20},
    };
    for (const auto& [code, msg] : cases) {
        p.clearMessages();
        paste(code);
        EXPECT_EQ(p.lastMessage(), hmm(msg)) << code;
        EXPECT_TRUE(g() == graphBefore) << code;
        EXPECT_TRUE(win->squaredRectangleShown()) << code;
        EXPECT_EQ(win->squaredRectangle().code, "(18,15)(7,8)(14,4)(10,1)(9)") << code;
    }
    EXPECT_EQ(bytes(), before);
    // More segments than slots: 300 unit squares in a row have 301 vertical
    // segments; the switch and the graph stay.
    std::string row = "(";
    for (int i = 0; i < 300; ++i)
        row += i ? ",1" : "1";
    row += ")";
    paste(row);
    EXPECT_EQ(g().count(), 2);
    const Graph twoVertices = g();
    p.clearMessages();
    click("View|Squared rectangles|Vertical segments");
    EXPECT_EQ(p.lastMessage(), hmm(106));
    EXPECT_FALSE(win->verticalSegments());
    EXPECT_TRUE(g() == twoVertices);
    // And such a code pasted with the switch on is refused likewise.
    paste(kMoron);
    click("View|Squared rectangles|Vertical segments");
    ASSERT_TRUE(win->verticalSegments());
    const Graph vertical = g();
    p.clearMessages();
    paste(row);
    EXPECT_EQ(p.lastMessage(), hmm(106));
    EXPECT_TRUE(g() == vertical);
}

TEST_F(SqrectWinTest, NotationNeedsRoomForBothLines)
{
    paste(kMoron);
    // Both lines take 6 + 27 + 2 + 6 + 27 = 68 characters and a line end.
    // With 100 characters to spare: 63 830 + 2 + 68 + 100 reaches 64 000.
    win->notebook().setNotes(std::string(63830, 'x'));
    p.clearMessages();
    click("Misc|Bouwkamp notation");
    EXPECT_EQ(p.lastMessage(), hmm(4));
    EXPECT_EQ(win->notebook().notes().size(), 63830u);
    win->notebook().setNotes(std::string(63829, 'x'));
    click("Misc|Bouwkamp notation");
    EXPECT_EQ(win->notebook().notes().size(), 63829u + 2 + 68);
}

TEST_F(SqrectWinTest, RestoreMovesOnlyVerticesStillPresent)
{
    paste(kMoron);
    Graph& gr = win->graph();
    gr.setPosition(1, 100, 100);
    gr.DeleteVertex(2);
    const Real x0 = gr.x(1);
    EXPECT_EQ(x0, 100.0L);
    click("View|Squared rectangles|Restore");
    // Segment 1 is the run under the 15: x 18..33 at y = 17.
    EXPECT_EQ(gr.x(1), 25.5L);
    EXPECT_EQ(gr.y(1), 17.0L);
    EXPECT_FALSE(gr.present(2));
}

TEST_F(SqrectWinTest, SwitchesToggleAndTravelInTheFile)
{
    paste(kMoron);
    click("View|Squared rectangles|Numerals");
    click("View|Squared rectangles|Hide squares");
    click("View|Squared rectangles|Vertical segments");
    click("View|Squared rectangles|Hide graph");
    EXPECT_TRUE(win->numeralsShown());
    EXPECT_TRUE(win->squaresHidden());
    EXPECT_TRUE(win->graphHidden());
    EXPECT_TRUE(hw().menuItemChecked(grcmd::Numerals));
    EXPECT_TRUE(hw().menuItemChecked(grcmd::HideGraph));
    const std::string path = (dir / "switches.gra").string();
    ASSERT_TRUE(win->writeDocument(path));
    auto* other = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
    ASSERT_EQ(other->readDocument(path), 0);
    EXPECT_TRUE(other->numeralsShown());
    EXPECT_TRUE(other->squaresHidden());
    EXPECT_TRUE(other->verticalSegments());
    // The tiling itself is not part of the file.
    EXPECT_FALSE(other->squaredRectangleShown());
}

TEST_F(SqrectWinTest, TheTilingGoesWhenTheGraphIsReplaced)
{
    paste(kMoron);
    // A refused graph6 paste keeps both.
    p.setClipboardText("?");
    p.answer(plat::IdNo);
    click("File|Paste|Graph6 notation");
    EXPECT_TRUE(win->squaredRectangleShown());
    p.setClipboardText("IheA@GUAo");
    p.answer(plat::IdNo);
    click("File|Paste|Graph6 notation");
    EXPECT_FALSE(win->squaredRectangleShown());
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::BouwkampNotation));
    // A refused generator keeps the tiling; a new graph from File|New and a
    // named cubic graph replace it.
    paste(kMoron);
    p.answer(plat::IdNo);
    p.input(std::string("287"));
    click("File|New|Circle|Complete ...");
    EXPECT_TRUE(win->squaredRectangleShown());
    p.answer(plat::IdNo);
    p.input(std::string("6"));
    click("File|New|Circle|Complete ...");
    EXPECT_EQ(win->graph().count(), 6);
    EXPECT_FALSE(win->squaredRectangleShown());
    paste(kMoron);
    p.answer(plat::IdNo);
    click("File|New|Cubics|6. Tutte 46");
    EXPECT_EQ(win->graph().count(), 46);
    EXPECT_FALSE(win->squaredRectangleShown());
}

TEST_F(SqrectWinTest, TheLibraryOffersItsCategoriesAndBuildsTheChoice)
{
    for (int c = 0; c < 24; ++c) {
        // The built-in tables, and the files the build put beside the program.
        const bool offered = c <= 8 || (c >= 9 && c <= 14) || (c >= 18 && c <= 22);
        EXPECT_EQ(win->libraryCategoryOffered(c), offered) << c;
    }
    EXPECT_EQ(libraryTitle(0, 2), "2 squared rectangles (perfect, simple)");
    EXPECT_EQ(libraryTitle(9, 1), "1 squared squares (perfect, simple)");
    EXPECT_EQ(libraryTitle(20, 16), "16 squared squares (perfect, compound)");
    const std::pair<int, size_t> counts[] = {{0, 2}, {1, 6}, {2, 22}, {3, 67}, {4, 213}, {5, 744}, {6, 2609},
        {7, 9016}, {8, 31426}, {9, 1}, {10, 8}, {11, 12}, {12, 26}, {13, 160}, {14, 441}, {18, 1}, {19, 2},
        {20, 16}, {21, 46}, {22, 143}};
    for (const auto& [c, n] : counts) {
        BouwkampCollection coll;
        ASSERT_EQ(win->libraryCategory(c, coll), 0) << c;
        EXPECT_EQ(coll.records.size(), n) << c;
        EXPECT_EQ(coll.order, libraryOrder(c)) << c;
    }
    BouwkampCollection none;
    EXPECT_EQ(win->libraryCategory(15, none), 11);

    ASSERT_FALSE(win->changed());
    click("File|Squared-rectangle library ...");
    TBouwkampDlg* dlg = win->libraryDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->openCategory(15), 11);
    ASSERT_EQ(dlg->openCategory(0), 0);
    ASSERT_EQ(dlg->choose(0), 0);
    EXPECT_EQ(dlg->dialog().text(sqctl::Code), "9 33 32 (18,15)(7,8)(14,4)(10,1)(9)");
    EXPECT_EQ(win->squaredRectangle().height, 32);
    EXPECT_FALSE(win->changed());
    // Order 17: 31 426 entries in the list.
    ASSERT_EQ(dlg->openCategory(8), 0);
    EXPECT_EQ(dlg->entries().records.size(), 31426u);
    // Duijvestijn's 112 x 112 is the one square of order 21.
    ASSERT_EQ(dlg->openCategory(9), 0);
    ASSERT_EQ(dlg->choose(0), 0);
    EXPECT_EQ(win->squaredRectangle().width, 112);
    EXPECT_EQ(win->squaredRectangle().code,
              "(50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)");
    // After a change the next choice asks the save-changes question first.
    win->graph().setPosition(0, 5, 5);
    win->graphChanged();
    ASSERT_TRUE(win->changed());
    p.clearMessages();
    p.answer(plat::IdCancel);
    ASSERT_EQ(dlg->openCategory(0), 0);
    EXPECT_EQ(dlg->choose(1), -1);
    EXPECT_EQ(win->squaredRectangle().width, 112);
    EXPECT_FALSE(p.messages().empty());
    p.answer(plat::IdNo);
    EXPECT_EQ(dlg->choose(1), 0);
    EXPECT_EQ(win->squaredRectangle().width, 69);
    EXPECT_TRUE(p.scriptEmpty()) << p.unusedScript();
    // The dialog's help button shows the students' text.
    p.clearMessages();
    p.press("SQRECTLIB", sqctl::Help);
    EXPECT_TRUE(p.messages().empty());
    EXPECT_TRUE(hasHelpText("QNGSQREH"));
    EXPECT_NE(helpText("QNGSQREH").find("(50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)"),
              std::string::npos);
}

TEST_F(SqrectWinTest, SquaresAndNumeralsArePainted)
{
    paste(kMoron);
    click("View|Squared rectangles|Numerals");
    plat::MemoryBitmap bmp({400, 400});
    bmp.fill(plat::rgb(255, 255, 255));
    win->drawPicture(bmp.dc());
    // Paint again with the squares and the graph hidden: the background only
    // where the squares' outlines were.
    click("View|Squared rectangles|Numerals");
    click("View|Squared rectangles|Hide squares");
    click("View|Squared rectangles|Hide graph");
    plat::MemoryBitmap empty({400, 400});
    empty.fill(plat::rgb(255, 255, 255));
    win->drawPicture(empty.dc());
    int differ = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            differ += bmp.pixel(x, y) != empty.pixel(x, y);
    EXPECT_GT(differ, 1000);
}

TEST_F(SqrectWinTest, RefusedCodeAfterANoKeepsTheGraphUnsaved)
{
    // A "no" to the save question clears the changed flag; when the code
    // or the library entry is then refused, the edited graph is still on
    // screen and still unsaved, so closing must ask again.
    paste(kMoron);
    win->graph().setPosition(0, 5, 5);
    win->graphChanged();
    ASSERT_TRUE(win->changed());
    paste("(18,15)(7,9)(14,4)(10,1)(9)");
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_TRUE(win->changed());
    // A library record that does not tile.
    BouwkampRecord bad;
    bad.width = 33;
    bad.height = 32;
    bad.sizes = {18, 15, 7, 9, 14, 4, 10, 1, 9};
    p.answer(plat::IdNo);
    EXPECT_EQ(win->chooseLibraryEntry(bad), 6);
    EXPECT_TRUE(win->changed());
    EXPECT_TRUE(p.scriptEmpty()) << p.unusedScript();
}

TEST_F(SqrectWinTest, SquaresAndNumeralsArePaintedWithTheGraphHidden)
{
    // With the graph hidden only the tiling can differ between the pictures:
    // the outlines of Moron's squares, then the numerals in them.
    paste(kMoron);
    click("View|Squared rectangles|Hide graph");
    ASSERT_TRUE(win->graphHidden());
    auto paint = [this] {
        auto bmp = std::make_unique<plat::MemoryBitmap>(plat::Size{400, 400});
        bmp->fill(plat::rgb(255, 255, 255));
        win->drawPicture(bmp->dc());
        return bmp;
    };
    auto differ = [](const plat::MemoryBitmap& a, const plat::MemoryBitmap& b) {
        int n = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    };
    const auto squares = paint();
    click("View|Squared rectangles|Hide squares");
    const auto nothing = paint();
    // The outlines: at least the rectangle's border, some hundreds of pixels.
    EXPECT_GT(differ(*squares, *nothing), 400);
    // The numerals: the nine sizes written as texts (the memory bitmap does
    // not rasterise text, so they are counted on a recording).
    click("View|Squared rectangles|Numerals");
    plat::RecordingDC rec;
    win->drawPicture(rec);
    std::multiset<std::string> texts;
    for (const std::string& t : rec.texts())
        texts.insert(t);
    EXPECT_EQ(texts, (std::multiset<std::string>{"18", "15", "7", "8", "14", "4", "10", "1", "9"}));
}

TEST_F(SqrectWinTest, TheTilingSurvivesSimulprint)
{
    // Simulprint reads other files into the window and then gives the
    // window its own document back: the tiling on screen comes back too.
    const std::string other = (dir / "other.gra").string();
    ASSERT_TRUE(win->writeDocument(other));
    paste(kMoron);
    click("View|Squared rectangles|Vertical segments");
    const Graph shown = g();
    p.input(std::string("1"));
    p.file(other);
    p.answer(plat::IdOk);
    const size_t messages = p.messages().size();
    win->command(gcm::Simulprint);
    EXPECT_TRUE(p.scriptEmpty()) << p.unusedScript();
    // The other file printed on one page, without a message.
    EXPECT_EQ(p.printedPages().size(), 1u);
    EXPECT_EQ(p.messages().size(), messages) << p.lastMessage();
    EXPECT_TRUE(g() == shown);
    EXPECT_TRUE(win->squaredRectangleShown());
    EXPECT_EQ(win->squaredRectangle().code, "(18,15)(7,8)(14,4)(10,1)(9)");
    EXPECT_EQ(win->squaredRectangle().squares.size(), 9u);
    EXPECT_TRUE(hw().menuItemEnabled(grcmd::BouwkampNotation));
}

TEST_F(SqrectWinTest, HideGraphHidesOnlyTheNetworkOfATiling)
{
    // Hide graph on a tiling, then a graph6 paste (the Petersen graph, 10
    // vertices and 15 edges) replaces it: the tiling goes and the new graph
    // is drawn, its 15 edges as lines; the switch keeps its check mark and
    // hides the network of the next tiling again.
    auto lines = [this] {
        plat::RecordingDC dc;
        win->drawPicture(dc);
        return std::count_if(dc.ops().begin(), dc.ops().end(),
                             [](const plat::DrawOp& o) { return o.kind == plat::DrawOp::Line; });
    };
    paste(kMoron);
    click("View|Squared rectangles|Hide graph");
    click("View|Squared rectangles|Hide squares");
    EXPECT_TRUE(win->graphHidden());
    EXPECT_EQ(lines(), 0);
    p.setClipboardText("IheA@GUAo");
    if (win->changed())
        p.answer(plat::IdNo);
    click("File|Paste|Graph6 notation");
    ASSERT_EQ(g().count(), 10);
    ASSERT_EQ(g().edgeCount(), 15);
    EXPECT_FALSE(win->squaredRectangleShown());
    EXPECT_FALSE(win->graphHidden());
    EXPECT_TRUE(win->hideGraphChecked());
    EXPECT_TRUE(hw().menuItemChecked(grcmd::HideGraph));
    EXPECT_GE(lines(), 15);
    // The switch makes no difference to an ordinary graph.
    const auto shown = lines();
    click("View|Squared rectangles|Hide graph");
    EXPECT_FALSE(win->hideGraphChecked());
    EXPECT_EQ(lines(), shown);
    click("View|Squared rectangles|Hide graph");
    // The library's new document is marked as a squared rectangle but has
    // no tiling yet: nothing is hidden.
    if (win->changed())
        p.answer(plat::IdNo);
    win->cmSquaredLibrary();
    EXPECT_FALSE(win->graphHidden());
    paste(kMoron);
    EXPECT_TRUE(win->graphHidden());
    EXPECT_EQ(lines(), 0);
    EXPECT_TRUE(p.scriptEmpty()) << p.unusedScript();
}
