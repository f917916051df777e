// The scheduling window on the headless platform: the first example and
// the manager, apply / CP list / sort / undo, the chart on the recording
// back end, edits that drop it, the paste, and ".grs" documents.
#include "graphics/export/picture_export.h"
#include "platform/recording_dc.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "schedtest.h"
#include "schedule/grswin.h"
#include "shell/shell_fixture.h"
#include "testutil.h"

#include <algorithm>
#include <fstream>
#include <set>

using namespace quan;
using namespace quan::test;
using schedtest::rowText;

namespace {

class GrSWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Scheduling,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGrSWin>(f, i); });
        frame->create("");
        win = open();
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    TGrSWin* open(const std::string& file = "")
    {
        return static_cast<TGrSWin*>(frame->newWindow(WindowKind::Scheduling, file));
    }
    plat::HeadlessWindow& hw(TGrSWin* w = nullptr)
    {
        return *static_cast<plat::HeadlessWindow*>((w ? w : win)->window());
    }
    void click(const std::string& menuPath)
    {
        const int id = hw().findCommand(menuPath);
        ASSERT_NE(id, 0) << menuPath;
        hw().click(id);
    }
    int hmms() const
    {
        int n = 0;
        for (const std::string& m : p.messages())
            n += m.rfind("message: hmm", 0) == 0;
        return n;
    }
    std::string hmm(int n) const { return "message: hmm ...: " + messageText(n); }
    plat::Dialog& sched() { return win->manager().dialog(); }
    void apply(const std::string& list, int processors)
    {
        p.dialogText("SCHED", schedctl::List, list);
        p.dialogText("SCHED", schedctl::Processors, std::to_string(processors));
        p.press("SCHED", schedctl::Apply);
    }
    void rightClick(plat::Point at)
    {
        plat::MouseEvent e;
        e.kind = plat::MouseEvent::Press;
        e.button = 2;
        e.pos = at;
        win->mouse(e);
    }
    const plat::RecordingDC& picture()
    {
        hw().paintNow();
        return static_cast<plat::RecordingDC&>(win->layerBitmap(TPreWin::Picture)->dc());
    }
    const Graph& g() const { return win->graph(); }

    std::unique_ptr<TQuanFrame> frame;
    TGrSWin* win = nullptr;
};

int countOf(const std::vector<std::string>& v, const std::string& s)
{
    return static_cast<int>(std::count(v.begin(), v.end(), s));
}

} // namespace

TEST_F(GrSWinTest, OpensWithAnExampleAndTheManager)
{
    const std::set<std::string> lists{"BADCHGFE", "EIACBFHDG", "ABCDEFG", "ACGBDEF", "ADGFBHCE", "ABCDEFGHIJKLMNO"};
    EXPECT_TRUE(lists.count(win->priorityList())) << win->priorityList();
    EXPECT_EQ(g().slots(), 52);
    EXPECT_TRUE(g().digraph);
    EXPECT_FALSE(win->changed());
    EXPECT_FALSE(win->hasSchedule());
    EXPECT_EQ(win->processors(), 2);
    ASSERT_TRUE(win->manager().isVisible());
    EXPECT_EQ(sched().text(schedctl::List), win->priorityList());
    EXPECT_EQ(sched().text(schedctl::Processors), "2");
    EXPECT_TRUE(sched().check(schedctl::Ordering));
    // Every task lies inside the window.
    const plat::Size client = hw().clientSize();
    for (int v : g().presentVertices()) {
        const plat::Point d = win->devicePoint(v);
        EXPECT_GE(d.x, 0);
        EXPECT_LT(d.x, client.w);
        EXPECT_GE(d.y, 0);
        EXPECT_LT(d.y, client.h);
    }
}

TEST_F(GrSWinTest, ExampleOneApplyCriticalPathAndTheChart)
{
    win->loadExample(1);
    apply("badchgfe", 2);
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    ASSERT_TRUE(win->hasSchedule());
    EXPECT_EQ(win->schedule().finishing, 32);
    EXPECT_EQ(win->priorityList(), "BADCHGFE");
    EXPECT_EQ(sched().text(schedctl::List), "BADCHGFE");
    EXPECT_TRUE(win->changed());

    p.press("SCHED", schedctl::CriticalPath);
    EXPECT_EQ(sched().text(schedctl::List), "EFGCBAHD");
    p.press("SCHED", schedctl::Apply);
    ASSERT_EQ(win->schedule().finishing, 27);
    EXPECT_EQ(rowText(win->schedule().rows[0]), "E 0-8, F 8-14, G 14-23, H 23-27");
    EXPECT_EQ(rowText(win->schedule().rows[1]), "B 0-7, A 7-12, C 14-19, D 19-22");

    const plat::RecordingDC& rec = picture();
    const std::vector<std::string> texts = rec.texts();
    // The marked times, each once under the band.
    for (const char* t : {"0", "7", "8", "12", "14", "19", "22", "23", "27"})
        EXPECT_EQ(countOf(texts, t), 1 + (std::string(t) == "8" ? 1 : 0) + (std::string(t) == "7" ? 1 : 0))
            << t; // 8 and 7 are also the times of E and B beside their tasks
    // Task names: once beside the task, once in the chart; processor numbers 1 and 2.
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H"})
        EXPECT_GE(countOf(texts, name), 1) << name;
    // The idle fill (palette entry 4) spans the band; eight cells in the
    // task-cell colour (entry 38).
    const plat::Color idle = win->colorTable().at(4), cell = win->colorTable().at(38);
    int idleFills = 0, cells = 0;
    for (const plat::DrawOp& op : rec.ops())
        if (op.kind == plat::DrawOp::Polygon && op.brush) {
            idleFills += op.brushColor == idle;
            cells += op.brushColor == cell;
        }
    EXPECT_EQ(idleFills, 1);
    EXPECT_EQ(cells, 8);
    // Lines: one between the rows, the frame's four sides, 13 ticks.
    int lines = 0;
    for (const plat::DrawOp& op : rec.ops())
        lines += op.kind == plat::DrawOp::Line && op.penColor == win->colorTable().at(win->colorRole(7)) &&
                 (op.pts[0].x == op.pts[1].x || op.pts[0].y == op.pts[1].y);
    EXPECT_GE(lines, 1 + 4 + 13);
}

TEST_F(GrSWinTest, TwentyProcessorsDrawTwentyRows)
{
    win->loadExample(7);
    apply("ABCDEFGHIJKLMNO", 20);
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    EXPECT_EQ(win->processors(), 20);
    EXPECT_EQ(win->schedule().processors(), 20);
    const std::vector<std::string> texts = picture().texts();
    for (int k = 1; k <= 20; ++k)
        EXPECT_GE(countOf(texts, std::to_string(k)), 1) << k;
}

TEST_F(GrSWinTest, EditsDropTheChartAndRefusalsKeepIt)
{
    win->loadExample(1);
    apply("EFGCBAHD", 2);
    ASSERT_TRUE(win->hasSchedule());
    // Refused lists: a break, an empty list; the schedule stays.
    apply("EFG CBAHD", 2);
    EXPECT_EQ(p.lastMessage(), hmm(6));
    apply("", 2);
    EXPECT_EQ(p.lastMessage(), hmm(2));
    EXPECT_TRUE(win->hasSchedule());
    EXPECT_EQ(win->priorityList(), "EFGCBAHD");
    // Moving the view or a label keeps it; a time edited in place drops it.
    click("Btns|Text");
    picture();
    const plat::Rect box = win->timeBox(6);
    ASSERT_GT(box.width(), 0);
    p.input(std::string("40000"));
    rightClick({box.left + 1, box.top + 1});
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_TRUE(win->hasSchedule());
    p.input(std::string("2"));
    rightClick({box.left + 1, box.top + 1});
    EXPECT_EQ(taskTime(g(), 6), 2);
    EXPECT_FALSE(win->hasSchedule());

    // Arrow flip turns a precedence round and drops the chart again.
    apply("EFGCBAHD", 2);
    ASSERT_TRUE(win->hasSchedule());
    click("Btns|Arrow flip (RB)");
    const plat::Point e = win->devicePoint(4), f = win->devicePoint(5);
    rightClick({(e.x + f.x) / 2, (e.y + f.y) / 2});
    EXPECT_EQ(g().Direction(5, 4), 1);
    EXPECT_FALSE(win->hasSchedule());
    rightClick({(e.x + f.x) / 2, (e.y + f.y) / 2});
    EXPECT_EQ(g().Direction(4, 5), 1);
}

TEST_F(GrSWinTest, ACycleRefusesAllThreeButtons)
{
    p.setClipboardText("3 0 0 1 0 2 0 1 2 3 3 1 2 2 3 3 1");
    click("File|New|Paste");
    ASSERT_EQ(g().count(), 3);
    p.press("SCHED", schedctl::Apply);
    p.press("SCHED", schedctl::CriticalPath);
    p.press("SCHED", schedctl::Sort);
    EXPECT_EQ(hmms(), 3);
    for (const std::string& m : p.messages()) {
        if (m.rfind("message: hmm", 0) == 0) {
            EXPECT_EQ(m, hmm(6));
        }
    }
    EXPECT_FALSE(win->hasSchedule());
    EXPECT_EQ(sched().text(schedctl::List), "ABC");
}

TEST_F(GrSWinTest, SortUndoAndHistory)
{
    win->loadExample(3); // A11 B12 C12 D9 E8 F10 G12
    p.press("SCHED", schedctl::Sort);
    const std::string sorted = sched().text(schedctl::List);
    ASSERT_EQ(sorted.size(), 7u);
    EXPECT_EQ(sorted.substr(3), "AFDE"); // B, C, G (12 each) in some order first
    apply("ABCDEFG", 3);
    apply("GFEDCBA", 2);
    ASSERT_EQ(win->manager().history().size(), 2u);
    p.press("SCHED", schedctl::Undo);
    EXPECT_EQ(sched().text(schedctl::List), "GFEDCBA");
    EXPECT_EQ(sched().text(schedctl::Processors), "2");
    p.press("SCHED", schedctl::Undo);
    EXPECT_EQ(sched().text(schedctl::List), "ABCDEFG");
    EXPECT_EQ(sched().text(schedctl::Processors), "3");
    EXPECT_TRUE(win->manager().history().empty());
    // Undo reschedules nothing.
    EXPECT_EQ(win->processors(), 2);
}

TEST_F(GrSWinTest, PasteRefusalsChangeNothing)
{
    const Graph before = g();
    std::string many = "53";
    for (int k = 0; k < 53 * 3; ++k)
        many += " 1";
    p.setClipboardText(many);
    click("File|New|Paste");
    EXPECT_EQ(p.lastMessage(), hmm(106));
    p.setClipboardText("2 0 0 1 1 0 5");
    click("File|New|Paste");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    EXPECT_TRUE(g() == before);
    p.setClipboardText("3, 0 0, 1 0, 2 0, 4 5 6, 2, 1 2, 2 3");
    click("File|New|Paste");
    EXPECT_EQ(win->priorityList(), "ABC");
    EXPECT_EQ(sched().text(schedctl::List), "ABC");
    EXPECT_TRUE(win->changed());
    // A changed document asks first; cancel keeps it.
    p.setClipboardText("1 0 0 5");
    p.answer(plat::IdCancel);
    click("File|New|Paste");
    EXPECT_EQ(g().count(), 3);
}

TEST_F(GrSWinTest, SaveAndOpenKeepTasksListAndProcessors)
{
    win->loadExample(1);
    apply("BADCHGFE", 4);
    ASSERT_TRUE(win->hasSchedule());
    const std::string file = path("example1.grs");
    p.file(file);
    click("File|Save As");
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    EXPECT_FALSE(win->changed());

    TGrSWin* other = open(file);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->graph().count(), 8);
    EXPECT_EQ(other->graph().edgeCount(), 5);
    EXPECT_EQ(taskTime(other->graph(), 4), 8);
    EXPECT_EQ(other->processors(), 4);
    EXPECT_EQ(other->priorityList(), "BADCHGFE");
    EXPECT_FALSE(other->hasSchedule());
    EXPECT_EQ(other->manager().dialog().text(schedctl::List), "BADCHGFE");
    EXPECT_EQ(other->manager().dialog().text(schedctl::Processors), "4");
}

TEST_F(GrSWinTest, CopyScheduleAndHelp)
{
    win->loadExample(1);
    click("Misc|copy Schedule");
    EXPECT_EQ(p.lastMessage(), hmm(9));
    apply("EFGCBAHD", 2);
    click("Misc|copy Schedule");
    const std::string notes = win->notebook().notes();
    EXPECT_NE(notes.find("processor 1: E 0-8, F 8-14, G 14-23, H 23-27\r\n"), std::string::npos);
    EXPECT_NE(notes.find("finishing time: 27\r\nlower bound: 27 [optimal]\r\n"), std::string::npos);
    for (const char* h : {"QNSFILEH", "QNSEDITH", "QNSVIEWH", "QNSBTNSH", "QNSMISCH", "QNSDIALH"})
        EXPECT_FALSE(helpText(h).empty()) << h;
}

TEST_F(GrSWinTest, TheFileHelpExampleIsExampleOne)
{
    const std::string& h = helpText("QNSFILEH");
    const std::string from = "----- copy from here\n", to = "----- to here";
    const size_t a = h.find(from), b = h.find(to);
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    p.setClipboardText(h.substr(a + from.size(), b - a - from.size()));
    click("File|New|Paste");
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    // Example 1's tasks, times and precedences (E-F, F-C, C-D, F-G, G-H), and
    // nothing more.
    ASSERT_EQ(g().count(), 8);
    const int times[] = {5, 7, 5, 3, 8, 6, 9, 4};
    for (int v = 0; v < 8; ++v)
        EXPECT_EQ(taskTime(g(), v), times[v]) << slotName(v);
    EXPECT_EQ(g().edgeCount(), 5);
    for (const char* e : {"EF", "FC", "CD", "FG", "GH"})
        EXPECT_EQ(g().Direction(e[0] - 'A', e[1] - 'A'), 1) << e;
    // Standing as in example 1: row 1 (A to D) on top, then E and F, then G and H.
    for (int v : {0, 1, 2, 3}) {
        EXPECT_LT(win->devicePoint(v).y, win->devicePoint(4).y) << slotName(v);
        EXPECT_LT(win->devicePoint(4).y, win->devicePoint(6).y);
    }
    EXPECT_LT(win->devicePoint(0).x, win->devicePoint(1).x);
    apply("BADCHGFE", 2);
    EXPECT_EQ(win->schedule().finishing, 32);
    apply("EFGCBAHD", 2);
    EXPECT_EQ(win->schedule().finishing, 27);
}

// The band's top as drawn: the highest point of the idle-time fill.
static int bandTop(const plat::RecordingDC& rec, plat::Color idle)
{
    int top = 1 << 30;
    for (const plat::DrawOp& op : rec.ops())
        if (op.kind == plat::DrawOp::Polygon && op.brush && op.brushColor == idle)
            for (const auto& pt : op.pts)
                top = std::min(top, static_cast<int>(pt.y));
    return top;
}

TEST_F(GrSWinTest, TheChartLeavesTheTasksVisible)
{
    // Example 7 reaches down to 4/7 of the height; eight rows come up past it.
    win->loadExample(7);
    apply("ABCDEFGHIJKLMNO", 8);
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    const plat::Color idle = win->colorTable().at(4);
    int top = bandTop(picture(), idle);
    ASSERT_LT(top, 1 << 30);
    for (int v : g().presentVertices()) {
        EXPECT_LT(win->devicePoint(v).y, top) << slotName(v);
        EXPECT_GE(win->devicePoint(v).y, 0) << slotName(v);
    }
    // Twenty processors: the band stays inside the window, below the tasks.
    apply("ABCDEFGHIJKLMNO", 20);
    top = bandTop(picture(), idle);
    EXPECT_GE(top, 0);
    for (int v : g().presentVertices())
        EXPECT_LT(win->devicePoint(v).y, top) << slotName(v);
    // Last window gives back the view the user had.
    click("View|Last window");
    EXPECT_TRUE(win->hasSchedule());
}

TEST_F(GrSWinTest, PasteRefusalsKeepTheDocumentsBytes)
{
    win->loadExample(1);
    apply("EFGCBAHD", 3);
    const std::string a = path("before.grs"), b = path("after.grs");
    p.file(a);
    click("File|Save As");
    ASSERT_FALSE(win->changed());
    std::string many = "60";
    for (int k = 0; k < 60 * 3; ++k)
        many += " 1";
    const struct {
        std::string text;
        int code;
    } refusals[] = {
        {"-3 0 0 5", 14},                                  // a negative task count
        {"0 1 2 3", 9},                                    // no tasks
        {"3 0 0 1 0 2 0 4 5", 101},                        // too few numbers
        {"2 0 0 1 0 5 40000", 17},                         // a time above 32767
        {"2 0 0 1 0 5 6 2147483647 1 2", 105},             // a count near 2^31
        {"2 0 0 1 0 5 6 1 1 3", 406 - 400},                // a task number past the tasks
        {"2 0 0 1 0 5 6 1 2 2", 6},                        // a task before itself
        {"1 1" + std::string(5000, '9') + " 0 5", 6},      // a coordinate past the reals
        {many, 106},                                       // sixty tasks
    };
    for (const auto& r : refusals) {
        p.clearMessages();
        p.setClipboardText(r.text);
        click("File|New|Paste");
        EXPECT_EQ(p.lastMessage(), hmm(r.code)) << r.text.substr(0, 40);
        EXPECT_TRUE(win->hasSchedule());
        EXPECT_EQ(win->priorityList(), "EFGCBAHD");
    }
    p.file(b);
    click("File|Save As");
    EXPECT_EQ(testutil::readAll(a), testutil::readAll(b));
}

TEST_F(GrSWinTest, GridPointsAndWeightRange)
{
    // The weight range: as in the graph window, 1 <= low <= high <= 32767.
    p.dialogText("RNDRANGE", 102, "0");
    p.dialogText("RNDRANGE", 104, "5");
    p.press("RNDRANGE", plat::IdOk);
    click("File|New|Weight range ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    p.dialogText("RNDRANGE", 102, "7");
    p.dialogText("RNDRANGE", 104, "9");
    p.press("RNDRANGE", plat::IdOk);
    click("File|New|Weight range ...");
    EXPECT_EQ(win->timeLow(), 7);
    EXPECT_EQ(win->timeHigh(), 9);

    win->loadExample(1);
    apply("EFGCBAHD", 2);
    ASSERT_TRUE(win->hasSchedule());
    // 8 x 7 = 56 tasks do not fit 52 slots (after the save question).
    p.answer(plat::IdNo);
    p.dialogText("CITYMAP", 102, "8");
    p.dialogText("CITYMAP", 104, "7");
    p.press("CITYMAP", plat::IdOk);
    click("File|New|Grid points ...");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(g().count(), 8);
    EXPECT_TRUE(win->hasSchedule());
    // 4 x 5: twenty tasks, times 7..9, no precedences, the list in slot order
    // (no question now: "no" above left the document unchanged).
    p.dialogText("CITYMAP", 102, "4");
    p.dialogText("CITYMAP", 104, "5");
    p.press("CITYMAP", plat::IdOk);
    click("File|New|Grid points ...");
    ASSERT_EQ(g().count(), 20);
    EXPECT_EQ(g().edgeCount(), 0);
    for (int v = 0; v < 20; ++v) {
        EXPECT_GE(taskTime(g(), v), 7);
        EXPECT_LE(taskTime(g(), v), 9);
    }
    EXPECT_EQ(win->priorityList(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(sched().text(schedctl::List), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_FALSE(win->hasSchedule());
    EXPECT_EQ(win->gridRows(), 4);
    EXPECT_EQ(win->gridColumns(), 5);
    // Row 1 above row 2, all inside the window.
    EXPECT_LT(win->devicePoint(0).y, win->devicePoint(5).y);
    const plat::Size client = hw().clientSize();
    for (int v : g().presentVertices()) {
        EXPECT_GT(win->devicePoint(v).x, 0);
        EXPECT_LT(win->devicePoint(v).x, client.w);
    }
    // Cancel at the save question: nothing happens.
    p.answer(plat::IdCancel);
    click("File|New|Grid points ...");
    EXPECT_EQ(g().count(), 20);
    EXPECT_EQ(p.unusedScript(), "");

    // grs.ini keeps the range and the grid.
    win->closeWindow();
    ASSERT_TRUE(std::filesystem::exists(dir / "grs.ini"));
    DocInit init;
    init.readSettings = true;
    TGrSWin again(frame.get(), init);
    again.create();
    EXPECT_EQ(again.timeLow(), 7);
    EXPECT_EQ(again.timeHigh(), 9);
    EXPECT_EQ(again.gridRows(), 4);
    EXPECT_EQ(again.gridColumns(), 5);
}

TEST_F(GrSWinTest, CopyDigraphPastesBack)
{
    win->loadExample(2);
    click("Misc|copy Digraph");
    const std::string first = win->notebook().notes();
    ASSERT_EQ(first.rfind("tasks: 9\r\n", 0), 0u) << first;
    EXPECT_NE(first.find("times: 7 6 7 2 13 6 1 5 8\r\narrows: 8\r\n"), std::string::npos);
    p.setClipboardText(first);
    p.answer(plat::IdNo);
    click("File|New|Paste");
    ASSERT_EQ(g().count(), 9);
    win->notebook().setNotes("");
    click("Misc|copy Digraph");
    EXPECT_EQ(win->notebook().notes(), first);
}

TEST_F(GrSWinTest, FilesAcrossKinds)
{
    frame->registerKind(WindowKind::Graphs,
                        [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TGraWin>(f, i); });
    win->loadExample(1);
    apply("EFGCBAHD", 2);
    const std::string grs = path("example1.grs");
    p.file(grs);
    click("File|Save As");
    ASSERT_EQ(hmms(), 0) << p.lastMessage();
    // The graph window opens it as its digraph (the times as they are).
    TGraWin* graph = static_cast<TGraWin*>(frame->newWindow(WindowKind::Graphs, grs));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(hmms(), 0) << p.lastMessage();
    EXPECT_EQ(graph->graph().count(), 8);
    EXPECT_EQ(graph->graph().Direction(4, 5), 1);
    EXPECT_EQ(graph->graph().secondLabel(6).state, 9);

    // A graph file of at most 52 slots opens here; its longer block is cut.
    GraDocument small(kGraphSlots);
    for (int v = 0; v < 5; ++v)
        small.graph.addVertexInSlot(v * 10 + 1, v, v);
    small.graph.SetWeight(1, 11, 0);
    small.graph.SetDirection(1, 11, 1);
    small.extension.assign(858, 'Q');
    const std::string gra = path("small.gra");
    ASSERT_EQ(writeGra(gra, small), 0);
    p.clearMessages();
    TGrSWin* sched = open(gra);
    ASSERT_NE(sched, nullptr);
    EXPECT_EQ(hmms(), 0) << p.lastMessage();
    EXPECT_EQ(sched->graph().count(), 5);
    EXPECT_EQ(sched->priorityList(), std::string(155, 'Q'));
    EXPECT_EQ(sched->processors(), 2);

    // One with a slot above 51: cannot open file, the window's document unchanged.
    small.graph.addVertexInSlot(52, 9, 9);
    ASSERT_EQ(writeGra(gra, small), 0);
    const std::string keep = path("keep.grs");
    p.file(keep);
    sched->command(cm::SaveAs);
    const Bytes kept = testutil::readAll(keep);
    p.clearMessages();
    p.file(gra);
    sched->command(cm::Open);
    EXPECT_EQ(p.lastMessage(), hmm(11));
    EXPECT_EQ(sched->graph().count(), 5);
    p.file(keep);
    p.answer(plat::IdYes); // overwrite
    sched->command(cm::SaveAs);
    EXPECT_EQ(testutil::readAll(keep), kept);
    EXPECT_EQ(p.unusedScript(), "");
}

TEST_F(GrSWinTest, FileHelpNamesEveryPasteRefusal)
{
    const std::string& h = helpText("QNSFILEH");
    for (int code : {14, 9, 106, 101, 17, 105, 6}) {
        std::string quoted = "\"";
        quoted.append(messageText(code)).append("\"");
        EXPECT_NE(h.find(quoted), std::string::npos) << messageText(code);
    }
    for (const char* entry : {"GRID POINTS", "WEIGHT RANGE"})
        EXPECT_NE(h.find(entry), std::string::npos) << entry;
    EXPECT_NE(helpText("QNSMISCH").find("COPY DIGRAPH"), std::string::npos);
}

// Example 1 with its critical-path chart on 2 processors, exported: each
// output holds the processor numbers, the task names and the
// marked times 0 7 8 12 14 19 22 23 27 (7 and 8 are also the times of B and
// E beside their tasks, so every output is searched for all of them).
TEST_F(GrSWinTest, PrintAndExportsCarryTheChart)
{
    win->loadExample(1);
    apply("EFGCBAHD", 2);
    ASSERT_EQ(win->schedule().finishing, 27);
    const std::vector<std::string> marks{"0", "7", "8", "12", "14", "19", "22", "23", "27"};

    // Without the device outputs registered (the program registers them at
    // start) these outputs answer "not yet available".
    for (const char* item : {"File|Print ...", "File|Copy to clipboard", "File|Bitmap to clipboard",
                             "File|Export graphics|Metafile ...", "File|Export graphics|BMP ..."}) {
        p.clearMessages();
        click(item);
        EXPECT_EQ(p.lastMessage(), hmm(30)) << item;
        EXPECT_TRUE(p.printedPages().empty());
    }
    EXPECT_EQ(p.unusedScript(), "");

    // The program registers the picture writers at start; so does this test.
    registerPictureExports();
    const struct {
        const char* item;
        const char* file;
    } exports[] = {{"EPS", "chart.eps"}, {"SVG", "chart.svg"}, {"PiCTeX", "chart.tex"}};
    for (const auto& e : exports) {
        p.clearMessages();
        p.file(path(e.file));
        if (std::string(e.item) != "EPS")
            p.press("PICTEX", 1);
        click(std::string("File|Export graphics|") + e.item + " ...");
        ASSERT_EQ(p.lastMessage().rfind("message: success", 0), 0u) << p.lastMessage();
        std::ifstream in(path(e.file), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const std::string& m : marks) {
            const std::string eps = "(" + m + ") show", svg = "> " + m + " </text>", tex = "{" + m + "} [t]";
            EXPECT_NE(text.find(std::string(e.item) == "EPS" ? eps : std::string(e.item) == "SVG" ? svg : tex),
                      std::string::npos)
                << e.item << " " << m;
        }
    }
    // PicTeX: processor numbers right and bottom aligned (the letters in the
    // PicTeX writer's order, horizontal first: "[rb]", which PicTeX reads as
    // "[br]"), names bottom, times top.
    std::ifstream in(path("chart.tex"), std::ios::binary);
    const std::string tex((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* put : {"\\put {1} [rb]", "\\put {2} [rb]", "\\put {E} [b]", "\\put {D} [b]", "\\put {27} [t]",
                            "\\put {0} [t]"})
        EXPECT_NE(tex.find(put), std::string::npos) << put;
    EXPECT_EQ(p.unusedScript(), "");
    unregisterPictureExports();
}

TEST_F(GrSWinTest, OpenLastReopensTheScheduleFile)
{
    win->loadExample(6);
    apply("ADGFBHCE", 5);
    const std::string file = path("six.grs");
    p.file(file);
    click("File|Save As");
    win->closeWindow(); // grs.ini names the file
    DocInit init;
    init.readSettings = true;
    init.openLast = true;
    TGrSWin again(frame.get(), init);
    again.create();
    again.openLastDocument();
    EXPECT_EQ(again.fileName(), file);
    EXPECT_EQ(again.priorityList(), "ADGFBHCE");
    EXPECT_EQ(again.processors(), 5);
    EXPECT_EQ(again.graph().count(), 8);
}

// The device outputs on example 1's critical-path chart on 2 processors:
// the printed page holds the digraph's names and times and the chart's
// processor numbers, task cells and marks (worked by hand: E 0-8, F 8-14,
// G 14-23, H 23-27 on processor 1; B 0-7, A 7-12, C 14-19, D 19-22 on 2).
TEST_F(GrSWinTest, ThePrintedPageCarriesTheChart)
{
    win->loadExample(1);
    apply("EFGCBAHD", 2);
    ASSERT_EQ(win->schedule().finishing, 27);
    registerPictureExports();
    p.answer(plat::IdOk);
    click("File|Print ...");
    ASSERT_EQ(p.printedPages().size(), 1u);
    const std::vector<std::string> texts = p.printedPages()[0].dc->texts();
    for (const char* t : {"0", "7", "8", "12", "14", "19", "22", "23", "27"})
        EXPECT_GE(countOf(texts, t), 1) << t;
    // Each name beside its task and in its cell; 1 and 2 for the rows.
    for (const char* n : {"A", "B", "C", "D", "E", "F", "G", "H"})
        EXPECT_EQ(countOf(texts, n), 2) << n;
    EXPECT_GE(countOf(texts, "1"), 1);
    EXPECT_GE(countOf(texts, "2"), 1);
    // The chart is still there afterwards.
    EXPECT_TRUE(win->hasSchedule());
    unregisterPictureExports();
}

// Simulprint reads other files into the window and gives it its own
// document back; the chart of that document, not stored in files, comes
// back with it.
TEST_F(GrSWinTest, SimulprintGivesTheChartBack)
{
    win->loadExample(1);
    apply("EFGCBAHD", 2);
    p.file(path("one.grs"));
    click("File|Save As");
    win->loadExample(2);
    apply("EIACBFHDG", 3);
    const int32_t finishing = win->schedule().finishing;
    ASSERT_TRUE(win->hasSchedule());
    registerPictureExports();
    p.input(std::string("1"));
    p.file(path("one.grs"));
    p.answer(plat::IdOk);
    win->command(gcm::Simulprint);
    EXPECT_EQ(p.printedPages().size(), 1u);
    EXPECT_EQ(p.unusedScript(), "");
    EXPECT_EQ(g().count(), 9);
    ASSERT_TRUE(win->hasSchedule());
    EXPECT_EQ(win->schedule().finishing, finishing);
    EXPECT_EQ(win->processors(), 3);
    unregisterPictureExports();
}

// Pastes at the edges of what the reals hold (every task on one point, a
// 4000-digit coordinate, places far apart, a tiny one): accepted, drawn,
// applied, exported and saved; copy Digraph pasted back gives its text again.
TEST_F(GrSWinTest, ExtremePlacesPasteDrawApplyAndCopyBack)
{
    registerPictureExports();
    const std::string huge(4000, '9');
    const std::string texts[] = {"3 0 0 0 0 0 0 1 1 1 2 1 2 2 3", "2 " + huge + " 0 " + huge + " 1 5 6 1 1 2",
                                 "2 -" + huge + " 0 " + huge + " 0 5 6 1 1 2", "1 0 0 32767",
                                 "2 0.0000000000000000000000000000001 0 0 0 5 6"};
    const int counts[] = {3, 2, 2, 1, 2};
    const int32_t finishing[] = {3, 11, 11, 32767, 6};
    for (size_t k = 0; k < std::size(texts); ++k) {
        p.setClipboardText(texts[k]);
        if (win->changed())
            p.answer(plat::IdNo);
        click("File|New|Paste");
        ASSERT_EQ(g().count(), counts[k]) << k;
        picture();
        apply(win->priorityList(), 2);
        ASSERT_TRUE(win->hasSchedule()) << k;
        EXPECT_EQ(win->schedule().finishing, finishing[k]) << k;
        picture();
        std::string name = "x";
        name += std::to_string(k);
        const std::string stem = path(name);
        p.file(stem + ".eps");
        click("File|Export graphics|EPS ...");
        p.file(stem + ".svg");
        p.press("PICTEX", 1);
        click("File|Export graphics|SVG ...");
        p.file(stem + ".grs");
        click("File|Save As");
        win->notebook().setNotes("");
        click("Misc|copy Digraph");
        const std::string first = win->notebook().notes();
        p.setClipboardText(first);
        p.answer(plat::IdNo);
        click("File|New|Paste");
        win->notebook().setNotes("");
        click("Misc|copy Digraph");
        EXPECT_EQ(win->notebook().notes(), first) << k;
        EXPECT_EQ(hmms(), 0) << p.lastMessage();
    }
    EXPECT_EQ(p.unusedScript(), "");
    unregisterPictureExports();
}

// A pair and its reverse ("1 2" and "2 1"): one edge running both ways,
// drawn with an arrowhead at each end, refused by the three buttons.
TEST_F(GrSWinTest, APairAndItsReverseRunBothWays)
{
    p.setClipboardText("2 0 0 4 0 5 6 2 1 2 2 1");
    if (win->changed())
        p.answer(plat::IdNo);
    click("File|New|Paste");
    ASSERT_EQ(g().count(), 2);
    EXPECT_EQ(g().Direction(0, 1), 2);
    win->axes().solidArrowheads = true;
    const plat::RecordingDC& rec = picture();
    int heads = 0;
    for (const plat::DrawOp& op : rec.ops())
        heads += op.kind == plat::DrawOp::Polygon && op.pts.size() == 3;
    EXPECT_EQ(heads, 2);
    p.clearMessages();
    p.press("SCHED", schedctl::Apply);
    p.press("SCHED", schedctl::CriticalPath);
    p.press("SCHED", schedctl::Sort);
    EXPECT_EQ(p.messages(), (std::vector<std::string>{hmm(6), hmm(6), hmm(6)}));
    EXPECT_FALSE(win->hasSchedule());
    EXPECT_EQ(p.unusedScript(), "");
}
