// The graph window on the headless platform: the first example, editing by
// mouse in each mode, the label commands, the pastes with the save question,
// Definition and Data, and ".gra" documents opened and saved.
#include "graphs/core/grafile.h"
#include "graphs/core/graphtext.h"
#include "graphs/grawin.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "shell/shell_fixture.h"

#include <filesystem>
#include <functional>

using namespace quan;
using namespace quan::test;

namespace {

class GraWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Graphs,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGraWin>(f, i); });
        frame->create("");
        win = open();
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    TGraWin* open(const std::string& file = "")
    {
        return static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, file));
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
    // How many messages titled "hmm ..." were shown (questions not counted).
    int hmms() const
    {
        int n = 0;
        for (const std::string& m : p.messages())
            n += m.rfind("message: hmm", 0) == 0;
        return n;
    }
    // Replaces the graph by a pasted text, answering "no" to the save question.
    void paste(const std::string& text, const std::string& which = "Coordinates")
    {
        p.setClipboardText(text);
        if (win->changed())
            p.answer(plat::IdNo);
        click("File|Paste|" + which);
    }
    void mouse(plat::MouseEvent::Kind kind, int button, plat::Point at)
    {
        plat::MouseEvent e;
        e.kind = kind;
        e.button = button;
        e.pos = at;
        win->mouse(e);
    }
    void rightClick(plat::Point at) { mouse(plat::MouseEvent::Press, 2, at); }
    void drag(plat::Point from, plat::Point to)
    {
        mouse(plat::MouseEvent::Press, 1, from);
        mouse(plat::MouseEvent::Move, 1, {(from.x + to.x) / 2, (from.y + to.y) / 2});
        mouse(plat::MouseEvent::Move, 1, to);
        mouse(plat::MouseEvent::Release, 1, to);
    }
    plat::Point at(int v) const { return win->devicePoint(v); }
    plat::Point midpoint(int a, int b) const
    {
        return {(at(a).x + at(b).x) / 2, (at(a).y + at(b).y) / 2};
    }
    const Graph& g() const { return win->graph(); }

    std::unique_ptr<TQuanFrame> frame;
    TGraWin* win = nullptr;
};

// A triangle A B C far apart on the screen, with one edge A-B.
const char* kTriangle = "3  -2 -2  2 -2  0 2  1  0 1";

// The example of the File help, between its marks.
std::string helpExample()
{
    const std::string& h = helpText("QNGFILEH");
    const std::string from = "----- copy from here\n", to = "----- to here";
    const size_t a = h.find(from), b = h.find(to);
    if (a == std::string::npos || b == std::string::npos || b < a)
        return "";
    return h.substr(a + from.size(), b - a - from.size());
}

} // namespace

TEST_F(GraWinTest, OpensWithACycleOrAStreetGridAndNoChanges)
{
    // A cycle of 5, 7 or 9 vertices (each of valence 2) or a street grid of
    // 3..5 rows and 4..7 columns (r(c-1) + c(r-1) edges).
    const int n = g().count(), m = g().edgeCount();
    const bool cycle = (n == 5 || n == 7 || n == 9) && m == n;
    bool grid = false;
    for (int r = 3; r <= 5; ++r)
        for (int c = 4; c <= 7; ++c)
            grid = grid || (n == r * c && m == r * (c - 1) + c * (r - 1));
    EXPECT_TRUE(cycle || grid) << n << " vertices, " << m << " edges";
    EXPECT_FALSE(win->changed());
    EXPECT_EQ(win->mouseMode(), MouseMode::Drawing);
    EXPECT_TRUE(hw().menuItemChecked(gcm::ModeDrawing));
    EXPECT_TRUE(hw().menuItemChecked(grcmd::ZeroBased));
    // Every vertex lies inside the window.
    const plat::Size client = hw().clientSize();
    for (int v : g().presentVertices()) {
        EXPECT_GE(at(v).x, 0);
        EXPECT_LT(at(v).x, client.w);
        EXPECT_GE(at(v).y, 0);
        EXPECT_LT(at(v).y, client.h);
    }
}

TEST_F(GraWinTest, DrawingModeAddsAndDeletesByMouse)
{
    paste(kTriangle);
    ASSERT_EQ(g().count(), 3);
    win->setChanged(false);
    // A right click on empty space adds vertex D there.
    const plat::Point empty{at(0).x, at(2).y};
    rightClick(empty);
    ASSERT_EQ(g().count(), 4);
    EXPECT_TRUE(g().present(3));
    EXPECT_EQ(at(3).x, empty.x);
    EXPECT_EQ(at(3).y, empty.y);
    EXPECT_TRUE(win->changed());
    // A drag from B to C (ending 5 pixels off C) joins them, pointing from B.
    drag(at(1), {at(2).x + 5, at(2).y - 5});
    EXPECT_TRUE(g().Adjacent(1, 2));
    EXPECT_EQ(g().Direction(1, 2), 1);
    // Without Redraw deletion a right click on a vertex and a drag along an
    // edge change nothing.
    win->setChanged(false);
    rightClick({at(2).x + 3, at(2).y + 3});
    drag(at(1), at(2));
    EXPECT_EQ(g().count(), 4);
    EXPECT_TRUE(g().Adjacent(1, 2));
    EXPECT_FALSE(win->changed());
    // With it they delete: the edge B-C, then vertex B with its edge A-B.
    click("Btns|Redraw deletion");
    EXPECT_TRUE(hw().menuItemChecked(grcmd::RedrawDeletion));
    drag(at(2), at(1));
    EXPECT_FALSE(g().Adjacent(1, 2));
    rightClick(at(1));
    EXPECT_FALSE(g().present(1));
    EXPECT_FALSE(g().Adjacent(0, 1));
    EXPECT_EQ(g().count(), 3);
    EXPECT_EQ(g().maxIndex(), 3);
    // The next vertex takes the hole and the name B.
    rightClick({at(0).x + 40, at(0).y});
    EXPECT_TRUE(g().present(1));
    EXPECT_EQ(slotName(1), "B");
}

TEST_F(GraWinTest, The287thVertexIsRefusedAndNothingChanges)
{
    // n vertices on a grid of coordinates 22 wide.
    auto grid = [](int n) {
        std::string text = std::to_string(n);
        for (int i = 0; i < n; ++i) {
            text += ' ';
            text += std::to_string(i % 22);
            text += ' ';
            text += std::to_string(i / 22);
        }
        return text;
    };
    paste(grid(286));
    ASSERT_EQ(g().count(), 286);
    const Graph before = g();
    rightClick({2, 2});
    EXPECT_EQ(p.lastMessage(), hmm(106));
    EXPECT_TRUE(g() == before);
    // 287 in a pasted text: refused before anything changes.
    paste(grid(287));
    EXPECT_EQ(p.lastMessage(), hmm(106));
    EXPECT_TRUE(g() == before);
}

TEST_F(GraWinTest, VertexMoveDragsAndRightClicksCycleTheLabel)
{
    paste(kTriangle);
    click("Btns|Vertex move");
    EXPECT_EQ(win->mouseMode(), MouseMode::VertexMove);
    const plat::Point to{at(2).x + 30, at(2).y + 20};
    drag({at(2).x + 6, at(2).y - 6}, to);
    EXPECT_EQ(at(2).x, to.x);
    EXPECT_EQ(at(2).y, to.y);
    // The label of A: icon bullet -> circle -> solid box -> empty box ->
    // none with the next text kind (alphabet), and on.
    ASSERT_EQ(g().label(0).state, labelState(TextNone, IconBullet));
    const int expected[] = {labelState(TextNone, IconCircle), labelState(TextNone, IconSolidBox),
                            labelState(TextNone, IconEmptyBox), labelState(TextAlphabet, IconNone),
                            labelState(TextAlphabet, IconBullet)};
    for (int s : expected) {
        rightClick(at(0));
        EXPECT_EQ(g().label(0).state, s);
    }
    // Four more clicks reach text kind user after the empty box.
    for (int i = 0; i < 4; ++i)
        rightClick(at(0));
    EXPECT_EQ(g().label(0).state, labelState(TextUser, IconNone));
    EXPECT_EQ(g().label(1).state, labelState(TextNone, IconBullet));
}

TEST_F(GraWinTest, ArrowsCycleTheDirectionOfTheEdgeClicked)
{
    paste(kTriangle);
    click("Btns|Arrows");
    EXPECT_TRUE(g().digraph);
    EXPECT_FALSE(g().weightsShown);
    const int cycle[] = {1, -1, 2, 0, 1};
    for (int d : cycle) {
        rightClick({midpoint(0, 1).x + 4, midpoint(0, 1).y - 3});
        EXPECT_EQ(g().Direction(0, 1), d);
        EXPECT_EQ(g().Direction(1, 0), d == 2 ? 2 : -d);
    }
    // Nine pixels away (horizontally plus vertically) chooses no edge.
    rightClick({midpoint(0, 1).x + 5, midpoint(0, 1).y + 4});
    EXPECT_EQ(g().Direction(0, 1), 1);
    // Digraph off returns to Drawing.
    click("Edit|Digraph");
    EXPECT_FALSE(g().digraph);
    EXPECT_EQ(win->mouseMode(), MouseMode::Drawing);
}

TEST_F(GraWinTest, TextModeEditsWeightsAndLabelsInPlace)
{
    paste(kTriangle);
    click("Edit|Weights");
    EXPECT_TRUE(g().weightsShown);
    EXPECT_EQ(win->mouseMode(), MouseMode::Text);
    win->setChanged(false);
    p.input(std::string("12"));
    rightClick(midpoint(0, 1));
    EXPECT_EQ(g().Weight(0, 1), 12);
    EXPECT_TRUE(win->changed());
    // 32 768 does not fit: "too large", the weight stays.
    p.input(std::string("32768"));
    rightClick(midpoint(0, 1));
    EXPECT_EQ(p.lastMessage(), hmm(20));
    EXPECT_EQ(g().Weight(0, 1), 12);
    p.input(std::string("32767"));
    rightClick(midpoint(0, 1));
    EXPECT_EQ(g().Weight(0, 1), 32767);
    // A negative weight deletes the edge.
    p.input(std::string("-1"));
    rightClick(midpoint(0, 1));
    EXPECT_FALSE(g().Adjacent(0, 1));
    // A vertex's label, cut to 20 characters, shown at once.
    p.input(std::string("Springfield Junction West"));
    rightClick(at(2));
    EXPECT_EQ(g().label(2).text(), "Springfield Junction");
    EXPECT_EQ(g().label(2).textKind(), TextUser);
    EXPECT_EQ(win->labelText(2), "Springfield Junction");
}

TEST_F(GraWinTest, LabelCommandsReachEveryVertexAndTheNextOnes)
{
    paste(kTriangle);
    click("Edit|Texts|Alphabet");
    click("Edit|Icons|Solid box");
    for (int v = 0; v < 3; ++v)
        EXPECT_EQ(g().label(v).state, labelState(TextAlphabet, IconSolidBox));
    EXPECT_TRUE(hw().menuItemChecked(grcmd::TextFirst + TextAlphabet));
    EXPECT_TRUE(hw().menuItemChecked(grcmd::IconFirst + IconSolidBox));
    rightClick({at(0).x + 50, at(0).y});
    EXPECT_EQ(g().label(3).state, labelState(TextAlphabet, IconSolidBox));
    click("Edit|Offset");
    EXPECT_EQ(g().label(1).dx, 10);
    EXPECT_EQ(g().label(1).dy, 10);
    click("Edit|Home");
    EXPECT_EQ(g().label(1).dx, 0);
    // Valence labels: A has one edge, C none.
    click("Edit|Texts|Valence");
    EXPECT_EQ(win->labelText(0), "1");
    EXPECT_EQ(win->labelText(2), "0");
    // Single labels: the named vertices only; an unknown name changes nothing.
    click("Edit|Single labels");
    plat::HeadlessDialog* d = p.visibleDialog("LABELS");
    ASSERT_NE(d, nullptr);
    d->type(labctl::Names, "A, C");
    d->press(labctl::IconCircle);
    d->press(labctl::TextUser);
    d->press(plat::IdOk);
    EXPECT_EQ(g().label(0).state, labelState(TextUser, IconCircle));
    EXPECT_EQ(g().label(2).state, labelState(TextUser, IconCircle));
    EXPECT_EQ(g().label(1).state, labelState(TextValence, IconSolidBox));
    // Names of no present vertex are passed over; none at all is refused.
    d->type(labctl::Names, "B AB Z_9");
    d->press(labctl::IconNone);
    d->press(plat::IdOk);
    EXPECT_EQ(g().label(1).state, labelState(TextUser, IconNone));
    const Graph before = g();
    d->type(labctl::Names, "AB Z_9 ??");
    d->press(plat::IdOk);
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_TRUE(g() == before);
}

TEST_F(GraWinTest, TheFileHelpsExamplePastesAsPrinted)
{
    const std::string example = helpExample();
    ASSERT_FALSE(example.empty());
    paste(example);
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    EXPECT_EQ(g().count(), 5);
    EXPECT_EQ(g().edgeCount(), 5);
    EXPECT_TRUE(g().weightsShown);
    EXPECT_TRUE(g().digraph);
    EXPECT_TRUE(hw().menuItemChecked(grcmd::Weights));
    EXPECT_TRUE(hw().menuItemChecked(grcmd::Digraph));
    // AB 0 from A to B; BC 12 undirected; CD 0 from D to C; DA 7 both
    // ways; CE 0 undirected.
    EXPECT_EQ(g().Weight(0, 1), 0);
    EXPECT_EQ(g().Direction(0, 1), 1);
    EXPECT_EQ(g().Weight(1, 2), 12);
    EXPECT_EQ(g().Direction(1, 2), 0);
    EXPECT_EQ(g().Weight(2, 3), 0);
    EXPECT_EQ(g().Direction(3, 2), 1);
    EXPECT_EQ(g().Weight(0, 3), 7);
    EXPECT_EQ(g().Direction(0, 3), 2);
    EXPECT_EQ(g().Weight(2, 4), 0);
    EXPECT_EQ(g().Direction(2, 4), 0);
    EXPECT_EQ(g().x(4), 1);
    EXPECT_EQ(g().y(4), 3.5L);
    // Autofit has put every vertex inside the window.
    const plat::Size client = hw().clientSize();
    for (int v = 0; v < 5; ++v) {
        EXPECT_GT(at(v).x, 0);
        EXPECT_LT(at(v).x, client.w);
        EXPECT_GT(at(v).y, 0);
        EXPECT_LT(at(v).y, client.h);
    }
}

TEST_F(GraWinTest, PastesAskToSaveAndABadTextChangesNothing)
{
    paste(kTriangle);
    win->setChanged(true);
    const Graph before = g();
    // Cancel at the save question: nothing happens.
    p.setClipboardText("4 0 0 1 0 1 1 0 1");
    p.answer(plat::IdCancel);
    click("File|Paste|Coordinates");
    EXPECT_TRUE(g() == before);
    EXPECT_EQ(hmms(), 0);
    // A count of 0: "nothing to do"; a missing coordinate: "vertices miscounted".
    paste("0 1 2");
    EXPECT_EQ(p.lastMessage(), hmm(9));
    EXPECT_TRUE(g() == before);
    paste("3 0 0 1 1 2");
    EXPECT_EQ(p.lastMessage(), hmm(101));
    EXPECT_TRUE(g() == before);
    // Adjacencies naming an absent vertex: the edges stay.
    paste("0 1 2; 1 7;", "Adjacencies");
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_TRUE(g() == before);
    paste("0 1 2; 1 2;", "Adjacencies");
    EXPECT_TRUE(g().Adjacent(0, 2));
    EXPECT_TRUE(g().Adjacent(1, 2));
    // Weights need one number per pair (3 here); the paste asks nothing.
    win->setChanged(true);
    p.setClipboardText("5 6");
    click("File|Paste|Weights");
    EXPECT_EQ(p.lastMessage(), hmm(105));
    p.setClipboardText("5 6 -7");
    click("File|Paste|Weights");
    EXPECT_EQ(g().Weight(0, 1), 5);
    EXPECT_EQ(g().Weight(0, 2), 6);
    EXPECT_EQ(g().Weight(1, 2), 7);
    EXPECT_TRUE(g().weightsShown);
    // The Paste items are disabled while the clipboard holds no text.
    p.setClipboardText("");
    win->clipboardChanged();
    EXPECT_FALSE(hw().menuItemEnabled(grcmd::PasteCoordinates));
}

TEST_F(GraWinTest, DefinitionReadsBackAndDataCounts)
{
    paste(helpExample());
    click("Misc|Definition");
    const std::string notes = win->notebookText();
    ASSERT_NE(notes.find("vertices: 5"), std::string::npos) << notes;
    EXPECT_NE(notes.find("edges: 5"), std::string::npos);
    const Graph before = g();
    win->setChanged(false);
    paste(notes);
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 5; ++b)
            if (a != b) {
                EXPECT_EQ(g().Weight(a, b), before.Weight(a, b)) << a << b;
                EXPECT_EQ(g().Direction(a, b), before.Direction(a, b)) << a << b;
            }
    click("Misc|Data");
    EXPECT_NE(p.lastMessage().find("vertices: 5"), std::string::npos) << p.lastMessage();
    EXPECT_NE(p.lastMessage().find("edges: 5"), std::string::npos);
    EXPECT_NE(p.lastMessage().find("components: 1"), std::string::npos);
}

TEST_F(GraWinTest, SaveAndOpenKeepTheGraphWithItsHoles)
{
    paste(helpExample());
    click("Btns|Redraw deletion");
    rightClick(at(1)); // B goes: a hole in slot 1
    click("Edit|Texts|Alphabet");
    p.input(std::string("home"));
    click("Btns|Text");
    rightClick(at(4));
    const Graph saved = g();
    const std::string file = path("house.gra");
    p.file(file);
    click("File|Save As");
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    EXPECT_FALSE(win->changed());

    TGraWin* other = open(file);
    ASSERT_NE(other, nullptr);
    const Graph& g2 = other->graph();
    EXPECT_EQ(g2.count(), 4);
    EXPECT_FALSE(g2.present(1));
    EXPECT_EQ(g2.maxIndex(), 4);
    EXPECT_EQ(g2.label(4).text(), "home");
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 5; ++b)
            if (a != b && saved.present(a) && saved.present(b)) {
                EXPECT_EQ(g2.Weight(a, b), saved.Weight(a, b));
                EXPECT_EQ(g2.Direction(a, b), saved.Direction(a, b));
            }
    EXPECT_FALSE(other->changed());
    // Saving the opened file again gives the same bytes.
    std::string first, second;
    ASSERT_TRUE(readWholeFile(file, first));
    other->setChanged(true);
    hw(other).click(cm::Save);
    ASSERT_TRUE(readWholeFile(file, second));
    EXPECT_EQ(first, second);
}

TEST_F(GraWinTest, AnUnreadableFileLeavesTheWindowAsItWas)
{
    paste(kTriangle);
    const Graph before = g();
    const std::string file = path("broken.gra");
    ASSERT_TRUE(writeFileAtomically(file, std::string("not a graph at all")));
    p.answer(plat::IdNo);
    p.file(file);
    click("File|Open");
    EXPECT_EQ(p.lastMessage(), hmm(11));
    EXPECT_TRUE(g() == before);
}

TEST_F(GraWinTest, HitRadiiHaveTheirLimits)
{
    paste(kTriangle);
    win->setChanged(false);
    // A right click 5 pixels off C (on one axis) is empty space: a new
    // vertex; 4 pixels off is C itself (no deletion without Redraw deletion).
    rightClick({at(2).x + 4, at(2).y - 4});
    EXPECT_EQ(g().count(), 3);
    rightClick({at(2).x + 5, at(2).y});
    EXPECT_EQ(g().count(), 4);
    // A drag from 7 pixels off B starts on no vertex; from 6 it starts on B.
    drag({at(1).x + 7, at(1).y}, at(2));
    EXPECT_FALSE(g().Adjacent(1, 2));
    drag({at(1).x + 6, at(1).y - 6}, at(2));
    EXPECT_TRUE(g().Adjacent(1, 2));
}

TEST_F(GraWinTest, EveryEditMarksTheDocumentChanged)
{
    paste(kTriangle);
    auto changedBy = [&](const std::function<void()>& edit) {
        win->setChanged(false);
        edit();
        return win->changed();
    };
    EXPECT_TRUE(changedBy([&] { click("Btns|Arrows"); })); // digraph on
    EXPECT_TRUE(changedBy([&] { click("Btns|Vertex move"); rightClick(at(0)); }));
    EXPECT_TRUE(changedBy([&] { drag(at(1), {at(1).x + 20, at(1).y + 20}); }));
    EXPECT_TRUE(changedBy([&] { click("Edit|Offset"); }));
    // A click on empty space in Vertex move changes nothing.
    EXPECT_FALSE(changedBy([&] { rightClick({at(0).x + 100, at(0).y + 100}); }));
}

TEST_F(GraWinTest, ArrowsModeAndPastesKeepTheirSwitchesThroughAFile)
{
    paste(kTriangle);
    click("Btns|Arrows");
    ASSERT_TRUE(g().digraph);
    // A paste without directions ends Arrows mode: its digraph is off.
    paste(kTriangle);
    EXPECT_FALSE(g().digraph);
    EXPECT_EQ(win->mouseMode(), MouseMode::Drawing);
    // A file saved in Arrows mode reads back with its switches, unchanged.
    click("Btns|Arrows");
    click("Edit|Weights"); // weights on: Text mode
    click("Btns|Arrows");
    const std::string file = path("arrows.gra");
    p.file(file);
    click("File|Save As");
    TGraWin* other = open(file);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->mouseMode(), MouseMode::Arrows);
    EXPECT_TRUE(other->graph().digraph);
    EXPECT_FALSE(other->changed());
    std::string first, second;
    ASSERT_TRUE(readWholeFile(file, first));
    other->setChanged(true);
    hw(other).click(cm::Save);
    ASSERT_TRUE(readWholeFile(file, second));
    EXPECT_EQ(first, second);
}

TEST_F(GraWinTest, AutofitShowsASingleVertexAndANewVertexResetsTheBestTour)
{
    paste("1  1000 -1000");
    ASSERT_EQ(g().count(), 1);
    click("View|Autofit");
    const plat::Size client = hw().clientSize();
    EXPECT_NEAR(at(0).x, client.w / 2, 2);
    EXPECT_NEAR(at(0).y, client.h / 2, 2);
    rightClick({at(0).x + 40, at(0).y});
    ASSERT_EQ(g().count(), 2);
    // The best tour visits both, back to the first.
    EXPECT_EQ(g().solution.bestTour, (std::vector<int>{0, 1, 0}));
}

TEST_F(GraWinTest, DefinitionStartsOnANewLine)
{
    paste(kTriangle);
    win->notebook().setNotes("my note");
    click("Misc|Definition");
    EXPECT_EQ(win->notebookText().rfind("my note\r\nvertices: 3\r\n", 0), 0u) << win->notebookText();
}

TEST_F(GraWinTest, SettingsFileKeepsTheWindowsChoices)
{
    click("Edit|Icons|Empty box");
    click("Edit|Texts|Valence");
    click("Btns|Redraw deletion");
    click("File|Paste|Zero-based input");
    p.input(std::string("9"));
    click("Misc|Icon size");
    EXPECT_EQ(win->iconSize(), 9);
    win->closeWindow(); // writes qngraph.ini
    ASSERT_TRUE(std::filesystem::exists(dir / "qngraph.ini"));
    // Read when the main window does not ask for defaults.
    DocInit init;
    init.readSettings = true;
    TGraWin again(frame.get(), init);
    again.create();
    EXPECT_EQ(again.iconSize(), 9);
    EXPECT_TRUE(again.redrawDeletion());
    EXPECT_FALSE(again.zeroBased());
    EXPECT_EQ(again.graph().newLabelState, labelState(TextValence, IconEmptyBox));
    // The new window's first example already wears those labels.
    EXPECT_EQ(again.graph().label(again.graph().presentVertices()[0]).state, labelState(TextValence, IconEmptyBox));
}
