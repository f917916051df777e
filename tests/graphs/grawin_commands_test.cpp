// The graph window's own commands: View Rotate and Angle, the Rotate,
// Coordinates and Text mouse modes, Refresh and Solution only, the toolbar,
// Icon size and Thicken print with their limits, the keys, the menu's
// enabling and check marks, and the help texts of the six menus.
#include "graphs/core/grafile.h"
#include "graphs/grawin_fixture.h"

#include <algorithm>
#include <cmath>
#include <set>

using namespace quan;
using namespace quan::test;

namespace {

// A unit square's corners A (0, 0), B (2, 0), C (2, 2), D (0, 2) with its sides.
const char kSquare[] = "4 vertices 0 0 2 0 2 2 0 2 4 edges 0 1 1 2 2 3 3 0";
// K5 on a pentagon-like set of points with distinct weights: Kruskal takes
// AB 1, BC 2, CD 3, DE 4 (total 10).
const char kK5[] = "5 vertices 0 0 4 0 5 3 2 5 -1 3 "
                   "10 edges 0 1 0 2 0 3 0 4 1 2 1 3 1 4 2 3 2 4 3 4 "
                   "10 weights 1 20 30 40 2 50 60 3 70 4";

class GraCommandsTest : public GraWindowTest {
protected:
    // The vertex pairs joined by a drawn line (either end within a pixel of
    // a vertex's device point).
    std::set<std::pair<int, int>> drawnPairs()
    {
        const plat::RecordingDC& dc = picture();
        auto vertexNear = [&](plat::Point q) {
            for (int v : win->graph().presentVertices()) {
                const plat::Point d = win->devicePoint(v);
                if (std::abs(d.x - q.x) <= 1 && std::abs(d.y - q.y) <= 1)
                    return v;
            }
            return -1;
        };
        std::set<std::pair<int, int>> pairs;
        for (const plat::DrawOp& op : dc.ops())
            if (op.kind == plat::DrawOp::Line && op.pts.size() == 2) {
                const int a = vertexNear(op.pts[0]), b = vertexNear(op.pts[1]);
                if (a >= 0 && b >= 0 && a != b)
                    pairs.insert({std::min(a, b), std::max(a, b)});
            }
        return pairs;
    }
    Real dist(int a, int b) const { return std::hypot(g().x(a) - g().x(b), g().y(a) - g().y(b)); }
};

} // namespace

TEST_F(GraCommandsTest, RotateTurnsAboutTheWindowsMiddleByTheAngle)
{
    paste(kSquare);
    ASSERT_EQ(win->setViewByCentre(1, 1, 3), 0);
    click("Edit|Offset");
    EXPECT_EQ(win->rotationAngle(), 30);
    p.input(std::string("90"));
    click("View|Angle ...");
    EXPECT_EQ(win->rotationAngle(), 90);
    EXPECT_EQ(p.lastDialogTexts().at(101), S(Str::Degrees));
    win->setChanged(false);
    click("View|Rotate");
    // Counter-clockwise about (1, 1): A goes to (2, 0), B to (2, 2), C to
    // (0, 2), D to (0, 0).
    const Real want[4][2] = {{2, 0}, {2, 2}, {0, 2}, {0, 0}};
    for (int v = 0; v < 4; ++v) {
        EXPECT_NEAR(static_cast<double>(g().x(v)), static_cast<double>(want[v][0]), 1e-15) << v;
        EXPECT_NEAR(static_cast<double>(g().y(v)), static_cast<double>(want[v][1]), 1e-15) << v;
        EXPECT_EQ(g().label(v).dx, 10);
        EXPECT_EQ(g().label(v).dy, 10);
    }
    EXPECT_TRUE(win->changed());
    EXPECT_TRUE(g().Adjacent(0, 1) && g().Adjacent(3, 0));

    // Twelve turns of 30 degrees come back to the start.
    paste("3 vertices 0.3 -1.7 5.25 2 -3 4.5");
    const std::vector<std::pair<Real, Real>> start = {{g().x(0), g().y(0)}, {g().x(1), g().y(1)}, {g().x(2), g().y(2)}};
    p.input(std::string("30"));
    click("View|Angle ...");
    for (int k = 0; k < 12; ++k)
        win->command(grcmd::Rotate);
    for (int v = 0; v < 3; ++v) {
        EXPECT_NEAR(static_cast<double>(g().x(v)), static_cast<double>(start[v].first), 1e-12);
        EXPECT_NEAR(static_cast<double>(g().y(v)), static_cast<double>(start[v].second), 1e-12);
    }
    // Text that is no number: the parser's message, the angle kept.
    p.input(std::string("abc"));
    click("View|Angle ...");
    EXPECT_EQ(p.lastMessage(), hmm(1));
    EXPECT_EQ(win->rotationAngle(), 30);
    // Ctrl+R turns too.
    const Real x0 = g().x(0);
    EXPECT_TRUE(hw().accelerator('R', true, false, false));
    EXPECT_NE(g().x(0), x0);
}

TEST_F(GraCommandsTest, ARotateDragTurnsRigidlyAboutTheChosenVertex)
{
    paste("4 vertices 0 0 3 0 3 1 -1 2 3 edges 0 1 1 2 2 3");
    ASSERT_EQ(win->setViewByCentre(1, 1, 5), 0);
    std::vector<Real> d0;
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            d0.push_back(dist(a, b));
    click("Btns|Rotate");
    EXPECT_EQ(win->mouseMode(), MouseMode::Rotate);
    EXPECT_TRUE(checked("Btns|Rotate"));
    const plat::Point A = win->devicePoint(0);
    mouse(plat::MouseEvent::Press, 2, A);
    ASSERT_TRUE(win->rotationCentreSet());
    // A press on the centre has no direction: nothing turns.
    win->setChanged(false);
    drag(A, {A.x + 30, A.y + 30});
    EXPECT_FALSE(win->changed());
    // A quarter turn counter-clockwise: from right of A to above A (the
    // pixels are whole, so the angle is a quarter turn to within a pixel in
    // 200). A stays where it is, B = (3, 0) goes to (0, 3).
    drag({A.x + 200, A.y}, {A.x, A.y - 200});
    EXPECT_TRUE(win->changed());
    EXPECT_EQ(g().x(0), 0);
    EXPECT_EQ(g().y(0), 0);
    EXPECT_NEAR(static_cast<double>(g().x(1)), 0, 3.0 / 200);
    EXPECT_NEAR(static_cast<double>(g().y(1)), 3, 3.0 / 200);
    size_t k = 0;
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_NEAR(static_cast<double>(dist(a, b)), static_cast<double>(d0[k++]), 1e-9);
    // A right click on empty space goes back to the window's middle.
    mouse(plat::MouseEvent::Press, 2, {2, 2});
    EXPECT_FALSE(win->rotationCentreSet());
}

TEST_F(GraCommandsTest, ATextModeDragMovesTheLabelByThePixelsDragged)
{
    paste(kSquare);
    click("Edit|Texts|Alphabet");
    click("Btns|Text");
    picture(); // places the labels
    const LabelRecord before = g().label(2);
    const plat::Point at{before.deviceX + 2, before.deviceY + 2};
    // Right 15 pixels and up 7 (offsets count y down, as pixels do).
    drag(at, {at.x + 15, at.y - 7});
    EXPECT_EQ(g().label(2).dx, before.dx + 15);
    EXPECT_EQ(g().label(2).dy, before.dy - 7);
    EXPECT_TRUE(win->changed());
    // The label is drawn where it was dragged to.
    picture();
    EXPECT_EQ(g().label(2).deviceX, before.deviceX + 15);
    EXPECT_EQ(g().label(2).deviceY, before.deviceY - 7);
    click("Edit|Home");
    EXPECT_EQ(g().label(2).dx, 0);
    EXPECT_EQ(g().label(2).dy, 0);
}

TEST_F(GraCommandsTest, CoordinatesShowWhileTheButtonIsDownAndARightClickRecentres)
{
    paste("2 vertices 1.5 -2.25 4 4 1 edges 0 1");
    p.dialogText("DP", 102, "2");
    p.press("DP", plat::IdOk);
    click("Misc|Decimal places ...");
    click("Btns|Coordinates");
    EXPECT_TRUE(checked("Btns|Coordinates"));
    mouse(plat::MouseEvent::Press, 1, win->devicePoint(0));
    EXPECT_EQ(win->coordinatesText(), "(1.50, -2.25)");
    const auto texts = picture().texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "(1.50, -2.25)"), texts.end());
    mouse(plat::MouseEvent::Release, 1, win->devicePoint(0));
    EXPECT_EQ(win->coordinatesText(), "");
    const auto after = picture().texts();
    EXPECT_EQ(std::find(after.begin(), after.end(), "(1.50, -2.25)"), after.end());
    // On empty space: the point's own coordinates.
    const ViewState v0 = win->view();
    const plat::Point q{v0.ox + v0.W / 2, v0.oy + v0.H / 2};
    mouse(plat::MouseEvent::Press, 1, q);
    const WPoint w = v0.DeviceToWorld(q.x, q.y);
    std::string want = "(";
    want += formatReal(w.x, 0, 2);
    want += ", ";
    want += formatReal(w.y, 0, 2);
    want += ")";
    EXPECT_EQ(win->coordinatesText(), want);
    mouse(plat::MouseEvent::Release, 1, q);
    // A right click on vertex B centres the view there; Last window returns.
    mouse(plat::MouseEvent::Press, 2, win->devicePoint(1));
    EXPECT_NEAR(static_cast<double>(win->view().cx), 4, 1e-9);
    EXPECT_NEAR(static_cast<double>(win->view().cy), 4, 1e-9);
    click("View|Last window");
    EXPECT_EQ(win->view().cx, v0.cx);
    EXPECT_EQ(win->view().cy, v0.cy);
}

TEST_F(GraCommandsTest, RefreshClearsTheSolutionButKeepsTheBestTour)
{
    paste(kK5);
    click("Algo|MST|Kruskal");
    ASSERT_EQ(g().solution.summary, "Kruskal tree; total weight = 10");
    click("Algo|Refresh");
    EXPECT_EQ(g().solution.mode, DisplayMode::None);
    EXPECT_TRUE(g().solution.edges.empty());
    EXPECT_EQ(g().solution.summary, "");
    // Nearest neighbour from A: B 1, C 2, D 3, E 4, back 40 = 50.
    p.input(std::string("A"));
    click("Algo|TSP|Nearest nbr ...");
    ASSERT_EQ(g().solution.bestTotal, 50);
    click("Algo|Refresh");
    EXPECT_EQ(g().solution.summary, "");
    EXPECT_TRUE(enabled("Algo|TSP|Best so far"));
    click("Algo|TSP|Best so far");
    EXPECT_EQ(g().solution.summary, "best circuit found so far; total weight = 50");
}

TEST_F(GraCommandsTest, SolutionOnlyHidesTheOtherEdgesOnlyForAnEdgeSolution)
{
    paste(kK5);
    EXPECT_EQ(drawnPairs().size(), 10u); // no solution
    click("Algo|MST|Kruskal");
    ASSERT_TRUE(checked("Algo|Solution only"));
    const std::set<std::pair<int, int>> tree = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
    EXPECT_EQ(drawnPairs(), tree);
    click("Algo|Solution only");
    EXPECT_FALSE(checked("Algo|Solution only"));
    EXPECT_EQ(drawnPairs().size(), 10u);
    click("Algo|Solution only");
    EXPECT_EQ(drawnPairs(), tree);
    // A colouring hides nothing.
    click("Algo|Color");
    ASSERT_EQ(g().solution.mode, DisplayMode::WelshPowell);
    EXPECT_TRUE(checked("Algo|Solution only"));
    EXPECT_EQ(drawnPairs().size(), 10u);
}

TEST_F(GraCommandsTest, TheToolbarSelectsModesAndIsMadeOnce)
{
    click("Btns|Toolbar");
    click("Btns|Toolbar");
    EXPECT_EQ(p.dialogCount("TOOLS"), 1);
    plat::HeadlessDialog* t = p.visibleDialog("TOOLS");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->title(), "toolbar");
    const struct {
        int button;
        MouseMode mode;
        const char* item;
    } modes[] = {{120, MouseMode::Drawing, "Btns|Drawing"},          {122, MouseMode::VertexMove, "Btns|Vertex move"},
                 {123, MouseMode::Text, "Btns|Text"},                {126, MouseMode::Rotate, "Btns|Rotate"},
                 {125, MouseMode::Coordinates, "Btns|Coordinates"}, {124, MouseMode::Graphics, "Btns|Graphics"},
                 {127, MouseMode::Arrows, "Btns|Arrows"}};
    for (const auto& m : modes) {
        t->press(m.button);
        EXPECT_EQ(win->mouseMode(), m.mode) << m.item;
        for (const auto& other : modes)
            EXPECT_EQ(checked(other.item), &other == &m) << m.item << " / " << other.item;
    }
    EXPECT_EQ(t->text(127), "arrow flip (RB)");
    // Arrow flip turns digraph mode on and the weights off.
    click("Edit|Digraph");
    click("Edit|Weights");
    ASSERT_TRUE(checked("Edit|Weights"));
    ASSERT_FALSE(checked("Edit|Digraph"));
    t->press(127);
    EXPECT_TRUE(g().digraph);
    EXPECT_FALSE(g().weightsShown);
    EXPECT_TRUE(checked("Edit|Digraph"));
    EXPECT_FALSE(checked("Edit|Weights"));
    // Close hides; the next Toolbar shows the same dialog.
    t->press(2);
    EXPECT_EQ(p.visibleDialog("TOOLS"), nullptr);
    click("Btns|Toolbar");
    EXPECT_EQ(p.visibleDialog("TOOLS"), t);
    EXPECT_EQ(p.dialogCount("TOOLS"), 1);
}

TEST_F(GraCommandsTest, IconSizeAndThickenPrintKeepTheirLimits)
{
    const int size0 = win->iconSize();
    const struct {
        const char* text;
        int code;
    } icon[] = {{"0", 14}, {"-3", 14}, {"32768", 17}, {"40000", 17}, {"big", 1}};
    for (const auto& c : icon) {
        p.input(std::string(c.text));
        click("Misc|Icon size ...");
        EXPECT_EQ(p.lastMessage(), hmm(c.code)) << c.text;
        EXPECT_EQ(win->iconSize(), size0) << c.text;
    }
    p.input(std::string("32767"));
    click("Misc|Icon size ...");
    EXPECT_EQ(win->iconSize(), 32767);
    // The largest size goes through a file and back.
    ASSERT_TRUE(win->writeDocument(path("big.gra")));
    TGraWin* other = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, path("big.gra")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->iconSize(), 32767);

    const struct {
        const char* text;
        int code;
    } thick[] = {{"-1", 14}, {"101", 17}, {"99999999999", 17}, {"x", 1}};
    for (const auto& c : thick) {
        p.input(std::string(c.text));
        click("Misc|Thicken print ...");
        EXPECT_EQ(p.lastMessage(), hmm(c.code)) << c.text;
        EXPECT_EQ(win->thickenPrint(), 0) << c.text;
    }
    p.input(std::string("100"));
    click("Misc|Thicken print ...");
    EXPECT_EQ(win->thickenPrint(), 100);
    p.input(std::string("0"));
    click("Misc|Thicken print ...");
    EXPECT_EQ(win->thickenPrint(), 0);
}

TEST_F(GraCommandsTest, ThickenPrintWidensPrintedEdgesNotTheScreens)
{
    paste(kSquare);
    auto widest = [](const plat::RecordingDC& dc) {
        int w = 0;
        for (const plat::DrawOp& op : dc.ops())
            if (op.kind == plat::DrawOp::Line || op.kind == plat::DrawOp::Ellipse)
                w = std::max(w, op.penWidth);
        return w;
    };
    const int screen0 = widest(picture());
    p.answer(plat::IdOk);
    win->command(gcm::Print);
    ASSERT_EQ(p.printedPages().size(), 1u);
    const int printed0 = widest(*p.printedPages()[0].dc);
    p.input(std::string("5"));
    click("Misc|Thicken print ...");
    EXPECT_EQ(widest(picture()), screen0);
    p.answer(plat::IdOk);
    win->command(gcm::Print);
    ASSERT_EQ(p.printedPages().size(), 2u);
    EXPECT_GT(widest(*p.printedPages()[1].dc), printed0);
}

TEST_F(GraCommandsTest, TheAngleAndTheThicknessAreKeptInTheSettingsFile)
{
    p.input(std::string("-12.5"));
    click("View|Angle ...");
    p.input(std::string("7"));
    click("Misc|Thicken print ...");
    win->setChanged(false);
    win->command(cm::Exit);
    p.flush();
    // With Use defaults off a new window reads "qngraph.ini".
    auto* main = static_cast<plat::HeadlessWindow*>(frame->window());
    if (frame->useDefaults())
        main->click(cm::UseDefaults);
    ASSERT_FALSE(frame->useDefaults());
    TGraWin* next = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->rotationAngle(), -12.5L);
    EXPECT_EQ(next->thickenPrint(), 7);
}

// Enabling and check marks in the states a user meets.
TEST_F(GraCommandsTest, EnablingFollowsTheGraph)
{
    struct Want {
        const char* item;
        bool on;
    };
    auto expect = [&](const char* state, std::initializer_list<Want> wants) {
        for (const Want& w : wants)
            EXPECT_EQ(enabled(w.item), w.on) << state << ": " << w.item;
    };
    paste("1 vertices 0 0");
    // A single vertex: Autofit, nothing that needs two or three vertices.
    expect("one vertex", {{"View|Autofit", true},
                          {"Edit|Complete", false},
                          {"Edit|Distances ...", false},
                          {"Misc|Graph6 notation", false},
                          {"Misc|Sparse6 notation", false},
                          {"Algo|Hamiltonian Circuit", false},
                          {"Algo|Eulerian", false},
                          {"Algo|TSP|Best so far", false},
                          {"Algo|TSP|Improve pairs", false},
                          {"Edit|Next view", false},
                          {"File|New|Random|Reset", false},
                          {"Misc|Bouwkamp notation", false},
                          {"View|Squared rectangles|Restore", false},
                          {"Graph6|Example + 1", false}});
    // The clipboard decides the pastes.
    p.setClipboardText("");
    win->clipboardChanged();
    for (const char* paste : {"File|Paste|Coordinates", "File|Paste|Adjacencies", "File|Paste|Weights",
                              "File|Paste|Graph6 notation", "File|Paste|LCF notation", "File|Paste|Bouwkamp notation",
                              "File|Paste|Valences"})
        EXPECT_FALSE(enabled(paste)) << paste;
    p.setClipboardText("3 3 2");
    win->clipboardChanged();
    for (const char* paste : {"File|Paste|Coordinates", "File|Paste|Graph6 notation", "File|Paste|Valences"})
        EXPECT_TRUE(enabled(paste)) << paste;
    paste(kK5);
    p.input(std::string("A"));
    click("Algo|TSP|Nearest nbr ...");
    expect("a tour", {{"Algo|TSP|Best so far", true},
                      {"Algo|TSP|Improve pairs", true},
                      {"Algo|Hamiltonian Circuit", true},
                      {"Misc|Sparse6 notation", true}});
    click("Edit|Digraph");
    expect("digraph", {{"Misc|Sparse6 notation", false}, {"Misc|Graph6 notation", true}});
    EXPECT_TRUE(checked("Edit|Digraph"));
    click("Edit|Digraph");
    // A random planar graph can be reset; the cube's faces give Next view.
    p.input(std::string("12"));
    if (win->changed())
        p.answer(plat::IdNo);
    click("File|New|Random|Planar ...");
    expect("random planar", {{"File|New|Random|Reset", true}});
    // The cube: LCF [3,-3]^4.
    p.setClipboardText("[3,-3]^4");
    if (win->changed())
        p.answer(plat::IdNo);
    click("File|Paste|LCF notation");
    ASSERT_EQ(g().count(), 8);
    EXPECT_FALSE(enabled("Edit|Next view"));
    click("Edit|Polyhedral test");
    expect("faces known", {{"Edit|Next view", true}});
    // A squared rectangle (Duijvestijn's 21 squares are long; the 33 x 32 of
    // nine squares will do).
    p.setClipboardText("(18,15)(7,8)(14,4)(10,1)(9)");
    if (win->changed())
        p.answer(plat::IdNo);
    click("File|Paste|Bouwkamp notation");
    expect("squared rectangle", {{"Misc|Bouwkamp notation", true}, {"View|Squared rectangles|Restore", true}});
    // A collection: its examples.
    if (win->changed())
        p.answer(plat::IdNo);
    click("Graph6|Cubic polyhedra|3: 10-vertex");
    expect("collection", {{"Graph6|Example + 1", true}, {"Graph6|Example + 100", false}});
}

TEST_F(GraCommandsTest, ChecksFollowSwitchesAlsoWhenACommandSetsThem)
{
    // Initial switches.
    EXPECT_TRUE(checked("Btns|Drawing"));
    EXPECT_FALSE(checked("Edit|Weights"));
    EXPECT_FALSE(checked("Edit|Digraph"));
    EXPECT_TRUE(checked("Algo|Solution only"));
    EXPECT_FALSE(checked("Algo|Use numbers"));
    EXPECT_TRUE(checked("Algo|Welsh-Powell"));
    EXPECT_TRUE(checked("Algo|MST|Minimal weight"));
    EXPECT_FALSE(checked("Algo|Slow motion"));
    EXPECT_FALSE(checked("Btns|Redraw deletion"));
    EXPECT_TRUE(checked("File|Paste|Zero-based input"));
    EXPECT_FALSE(checked("File|Paste|Connected"));
    EXPECT_TRUE(checked("Edit|Icons|Bullet"));
    EXPECT_TRUE(checked("Edit|Texts|No text"));
    // Weights on selects Text mode; Digraph off selects Drawing.
    click("Edit|Weights");
    EXPECT_TRUE(checked("Btns|Text"));
    EXPECT_FALSE(checked("Btns|Drawing"));
    click("Btns|Arrows");
    EXPECT_TRUE(checked("Edit|Digraph"));
    EXPECT_FALSE(checked("Edit|Weights"));
    click("Edit|Digraph");
    EXPECT_TRUE(checked("Btns|Drawing"));
    EXPECT_FALSE(checked("Btns|Arrows"));
    // A file read with every switch set shows them all.
    paste("3 vertices 0 0 1 0 0 1 2 edges 0 1 1 2 2 weights 3 4 2 directions 1 -1");
    click("Btns|Vertex move");
    click("Edit|Icons|Circle");
    click("Edit|Texts|Valence");
    ASSERT_TRUE(win->writeDocument(path("all.gra")));
    TGraWin* other = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, path("all.gra")));
    ASSERT_NE(other, nullptr);
    auto* ow = static_cast<plat::HeadlessWindow*>(other->window());
    EXPECT_TRUE(ow->menuItemChecked(grcmd::Weights));
    EXPECT_TRUE(ow->menuItemChecked(grcmd::Digraph));
    EXPECT_TRUE(ow->menuItemChecked(gcm::ModeVertexMove));
    EXPECT_FALSE(ow->menuItemChecked(gcm::ModeDrawing));
}

// Every key of the window sends its command, none is bound twice, and the
// picture window's keys are all here.
TEST_F(GraCommandsTest, EveryKeySendsItsCommand)
{
    const std::vector<plat::Accelerator> keys = acceleratorResource("GRFMENU");
    std::set<std::tuple<int, bool, bool, bool>> seen;
    for (const plat::Accelerator& a : keys)
        EXPECT_TRUE(seen.insert({a.key, a.ctrl, a.shift, a.alt}).second) << "key bound twice: " << a.key;
    for (const plat::Accelerator& pic : acceleratorResource("PICMENU"))
        EXPECT_EQ(seen.count({pic.key, pic.ctrl, pic.shift, pic.alt}), 1u) << "picture key missing: " << pic.key;
    const std::map<std::string, int> want = {
        {"Ctrl+D", 120}, {"Ctrl+M", 122}, {"Ctrl+B", 631}, {"Ctrl+T", 635}, {"Ctrl+A", 636}, {"Ctrl+U", 637},
        {"Ctrl+V", 638}, {"Ctrl+Home", 720}, {"Ctrl+F", 703}, {"Ctrl+R", 700}, {"Ctrl+C", 733}, {"F7", 824}};
    std::map<std::string, int> got;
    for (const plat::Accelerator& a : keys)
        got[acceleratorText(a)] = a.id;
    for (const auto& [k, cmd] : want)
        EXPECT_EQ(got[k], cmd) << k;
    // The window's key table is the resource's, and every key reaches its
    // command: one the window knows.
    EXPECT_EQ(hw().accelerators().size(), keys.size());
    for (const plat::Accelerator& a : keys)
        EXPECT_TRUE(hw().hasCommand(a.id)) << acceleratorText(a);
    paste(kSquare);
    EXPECT_TRUE(hw().accelerator('M', true, false, false));
    EXPECT_EQ(win->mouseMode(), MouseMode::VertexMove);
    EXPECT_TRUE(hw().accelerator('A', true, false, false));
    EXPECT_TRUE(checked("Edit|Texts|Alphabet"));
}

// The six menus' help texts name every item of their menu.
TEST_F(GraCommandsTest, EachHelpTextNamesEveryItemOfItsMenu)
{
    const std::map<std::string, std::string> helpOf = {{"File", "QNGFILEH"}, {"Edit", "QNGEDITH"},
                                                       {"View", "QNGVIEWH"}, {"Btns", "QNGBTNSH"},
                                                       {"Algo", "QNGALGOH"}, {"Misc", "QNGMISCH"}};
    for (const plat::MenuItem& top : menuResource("GRFMENU")) {
        const std::string name = stripAmpersand(top.label);
        const auto h = helpOf.find(name);
        if (h == helpOf.end())
            continue;
        const std::string text = toLower(helpText(h->second));
        ASSERT_FALSE(text.empty()) << h->second;
        std::function<void(const std::vector<plat::MenuItem>&)> walk = [&](const std::vector<plat::MenuItem>& items) {
            for (const plat::MenuItem& it : items) {
                if (it.separator)
                    continue;
                // File|New has a help text of its own.
                const bool ownHelp = std::any_of(it.items.begin(), it.items.end(),
                                                 [](const plat::MenuItem& sub) { return sub.id == grcmd::HelpNew; });
                if (!it.items.empty() && !ownHelp) {
                    walk(it.items);
                    continue;
                }
                if (ownHelp)
                    continue;
                std::string label = toLower(stripAmpersand(it.label));
                if (label.size() > 4 && label.compare(label.size() - 4, 4, " ...") == 0)
                    label.resize(label.size() - 4);
                if (label == "help")
                    continue;
                EXPECT_NE(text.find(label), std::string::npos) << h->second << " does not name \"" << label << "\"";
            }
        };
        walk(top.items);
    }
}

// Rotate mode: a click that turns nothing leaves the graph unmodified; a
// drag cut short by a change of mode still marks it; the centre stays on
// its vertex when that vertex moves and is dropped with it.
TEST_F(GraCommandsTest, RotateModeMarksTheGraphOnlyWhenItTurnedAndKeepsItsCentreOnTheVertex)
{
    paste(kSquare);
    ASSERT_EQ(win->setViewByCentre(1, 1, 3), 0);
    click("Btns|Rotate");
    win->setChanged(false);
    const plat::Point B = win->devicePoint(1);
    mouse(plat::MouseEvent::Press, 1, {B.x + 20, B.y});
    mouse(plat::MouseEvent::Release, 1, {B.x + 20, B.y});
    EXPECT_FALSE(win->changed());
    EXPECT_EQ(g().x(1), 2);
    EXPECT_EQ(g().y(1), 0);

    // A half turn about the middle (1, 1), stopped by Ctrl+D before the
    // release: C = (2, 2) has gone to (0, 0) (to within the pixel grid)
    // and the graph is modified.
    const DevicePoint m = win->view().WorldToDevice(1, 1);
    const plat::Point mid{m.x, m.y};
    mouse(plat::MouseEvent::Press, 1, {mid.x + 100, mid.y});
    mouse(plat::MouseEvent::Move, 1, {mid.x - 100, mid.y});
    EXPECT_TRUE(hw().accelerator('D', true, false, false));
    EXPECT_NEAR(static_cast<double>(g().x(2)), 0, 0.03);
    EXPECT_NEAR(static_cast<double>(g().y(2)), 0, 0.03);
    EXPECT_TRUE(win->changed());

    // The centre is C; after C is moved to (3, 3) the centre is there.
    click("Btns|Rotate");
    mouse(plat::MouseEvent::Press, 2, win->devicePoint(2));
    ASSERT_TRUE(win->rotationCentreSet());
    click("Btns|Vertex move");
    const DevicePoint t = win->view().WorldToDevice(3, 3);
    const plat::Point to{t.x, t.y};
    drag(win->devicePoint(2), to);
    ASSERT_EQ(win->devicePoint(2).x, to.x);
    click("Btns|Rotate");
    EXPECT_EQ(win->rotationCentre().x, g().x(2));
    EXPECT_EQ(win->rotationCentre().y, g().y(2));
    // Deleted with its vertex: the window's middle again.
    click("Btns|Redraw deletion");
    click("Btns|Drawing");
    mouse(plat::MouseEvent::Press, 2, win->devicePoint(2));
    mouse(plat::MouseEvent::Release, 2, win->devicePoint(2));
    ASSERT_FALSE(g().present(2));
    EXPECT_FALSE(win->rotationCentreSet());
    EXPECT_EQ(win->rotationCentre().x, win->view().cx);
}

// The coordinates shown go when the mode changes while the button is down.
TEST_F(GraCommandsTest, CoordinatesGoWithTheirMode)
{
    paste(kSquare);
    click("Btns|Coordinates");
    mouse(plat::MouseEvent::Press, 1, win->devicePoint(2));
    const std::string shown = win->coordinatesText();
    ASSERT_EQ(shown.substr(0, 2), "(2");
    ASSERT_TRUE(drawn(shown));
    EXPECT_TRUE(hw().accelerator('D', true, false, false));
    mouse(plat::MouseEvent::Release, 1, win->devicePoint(2));
    EXPECT_EQ(win->coordinatesText(), "");
    EXPECT_FALSE(drawn(shown));
}

// Any finite angle comes back from "qngraph.ini", as the Angle box took it.
TEST_F(GraCommandsTest, ALargeAngleIsKeptInTheSettingsFileToo)
{
    p.input(std::string("7200045"));
    click("View|Angle ...");
    ASSERT_EQ(win->rotationAngle(), 7200045);
    win->setChanged(false);
    win->command(cm::Exit);
    p.flush();
    auto* main = static_cast<plat::HeadlessWindow*>(frame->window());
    if (frame->useDefaults())
        main->click(cm::UseDefaults);
    TGraWin* next = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, ""));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->rotationAngle(), 7200045);
}

// The empty graph: nothing that needs a vertex is enabled; the pastes still
// are while the clipboard holds text.
TEST_F(GraCommandsTest, AnEmptyGraphDisablesWhatNeedsVertices)
{
    paste("1 vertices 0 0");
    ASSERT_TRUE(enabled("View|Autofit"));
    click("Btns|Redraw deletion");
    mouse(plat::MouseEvent::Press, 2, win->devicePoint(0));
    mouse(plat::MouseEvent::Release, 2, win->devicePoint(0));
    ASSERT_EQ(g().count(), 0);
    for (const char* item : {"View|Autofit", "Edit|Complete", "Edit|Distances ...", "Misc|Graph6 notation",
                             "Misc|Sparse6 notation", "Algo|Hamiltonian Circuit", "Algo|Eulerian",
                             "Edit|Next view", "Misc|Bouwkamp notation"})
        EXPECT_FALSE(enabled(item)) << item;
    EXPECT_TRUE(enabled("File|Paste|Coordinates"));
}

// Coordinates mode: a right click on empty space centres the view on that
// point.
TEST_F(GraCommandsTest, ARightClickOnEmptySpaceCentresThere)
{
    paste("2 vertices 0 0 10 10 1 edges 0 1");
    click("Btns|Coordinates");
    const ViewState v0 = win->view();
    const plat::Point q{v0.ox + v0.W / 4, v0.oy + v0.H / 4};
    const WPoint w = v0.DeviceToWorld(q.x, q.y);
    mouse(plat::MouseEvent::Press, 2, q);
    EXPECT_EQ(win->view().cx, w.x);
    EXPECT_EQ(win->view().cy, w.y);
    EXPECT_EQ(win->view().rx, v0.rx);
}
