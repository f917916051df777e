// The bin-packing window on the headless platform: the manager, the File|New
// list commands, the notebook copies, the picture as it reaches a recording
// back-end, scrolling, and the ".bpa" documents.
#include "graphics/recording_backend.h"
#include "packing/core/bpafile.h"
#include "packing/packwin.h"
#include "resources/strings.h"
#include "shell/shell_fixture.h"

#include <cmath>

using namespace quan;
using namespace quan::test;

namespace {

using Bins = std::vector<std::vector<int64_t>>;

class PackWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Packing,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TPackWin>(f, i); });
        frame->create("");
        win = open();
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    TPackWin* open(const std::string& path = "")
    {
        return static_cast<TPackWin*>(frame->newWindow(WindowKind::Packing, path));
    }
    plat::HeadlessWindow& hw(TPackWin* w = nullptr)
    {
        return *static_cast<plat::HeadlessWindow*>((w ? w : win)->window());
    }
    void click(const std::string& menuPath, TPackWin* w = nullptr)
    {
        int id = hw(w).findCommand(menuPath);
        ASSERT_NE(id, 0) << menuPath;
        hw(w).click(id);
    }
    plat::HeadlessDialog& bins()
    {
        plat::HeadlessDialog* d = p.visibleDialog("BINS");
        if (!d)
            throw std::runtime_error("the manager is not showing");
        return *d;
    }
    void paste(const std::string& text)
    {
        p.setClipboardText(text);
        click("File|New|Paste items");
    }
    // Sets the manager and presses apply.
    void applyMethod(int64_t capacity, int method, bool sort = false, bool decreasing = true)
    {
        bins().type(binsctl::Capacity, std::to_string(capacity));
        bins().press(binsctl::NextFit + method);
        if (bins().check(binsctl::Sort) != sort)
            bins().press(binsctl::Sort);
        if (bins().check(binsctl::Decreasing) != decreasing)
            bins().press(binsctl::Decreasing);
        bins().press(binsctl::Apply);
    }
    Bins contents() const
    {
        Bins out;
        for (const Bin& b : win->document().bins())
            out.push_back(b.items);
        return out;
    }
    testgfx::RecordingBackend drawn()
    {
        testgfx::RecordingBackend eps(OutputKind::Eps);
        win->prims().setBackend(OutputKind::Eps, &eps);
        EXPECT_EQ(win->runExport(ExportFormat::Eps, [&](int page) { return win->DrawPage(page, win->measuringDC()); }), 0);
        win->prims().setBackend(OutputKind::Eps, nullptr);
        return eps;
    }
    static std::vector<std::string> labels(const testgfx::RecordingBackend& b)
    {
        std::vector<std::string> out;
        for (const auto& c : b.calls)
            if (c.what == "label")
                out.push_back(c.label.text);
        return out;
    }
    static bool has(const std::vector<std::string>& v, const std::string& s)
    {
        return std::find(v.begin(), v.end(), s) != v.end();
    }
    std::string hmm(int n) const { return "message: hmm ...: " + messageText(n); }

    std::unique_ptr<TQuanFrame> frame;
    TPackWin* win = nullptr;
};

} // namespace

TEST_F(PackWinTest, ANewWindowHasTwentyRandomItemsAndShowsTheManager)
{
    const PackDocument& d = win->document();
    EXPECT_EQ(d.itemCount(), 20);
    for (int64_t s : d.items())
        EXPECT_TRUE(s >= 1 && s <= 9);
    EXPECT_EQ(d.capacity(), 10);
    EXPECT_EQ(d.code(), 0);
    EXPECT_FALSE(d.packed());
    EXPECT_FALSE(win->changed());
    EXPECT_EQ(win->columnWidth(), 6);
    EXPECT_EQ(bins().text(binsctl::Capacity), "10");
    EXPECT_TRUE(bins().check(binsctl::NextFit));
    EXPECT_FALSE(bins().check(binsctl::FirstFit));
    EXPECT_FALSE(bins().check(binsctl::Sort));
    EXPECT_TRUE(bins().check(binsctl::Decreasing));
    EXPECT_EQ(win->mouseMode(), MouseMode::Coordinates);
    EXPECT_TRUE(hw().menuItemChecked(gcm::ModeCoordinates));
    // Closing hides the manager.
    hw().userClose();
    p.flush();
    EXPECT_EQ(p.visibleDialog("BINS"), nullptr);
}

TEST_F(PackWinTest, PasteIsEnabledWhileTheClipboardHoldsText)
{
    EXPECT_FALSE(hw().menuItemEnabled(packcmd::Paste));
    p.setClipboardText("4 5 6");
    EXPECT_TRUE(hw().menuItemEnabled(packcmd::Paste));
    click("File|New|Paste items");
    EXPECT_EQ(win->document().items(), (std::vector<int64_t>{4, 5, 6}));
    p.setClipboardText("");
    EXPECT_FALSE(hw().menuItemEnabled(packcmd::Paste));
    // A window opened while the clipboard holds text starts with it enabled.
    p.setClipboardText("1");
    EXPECT_TRUE(hw(open()).menuItemEnabled(packcmd::Paste));
}

TEST_F(PackWinTest, ManagerPlacement)
{
    Random a, b;
    a.seed(31);
    b.seed(31);
    const int dx = b.below(20), dy = b.below(50);
    EXPECT_EQ(managerPlacement({100, 80, 740, 560}, a), (plat::Point{740 + dx, 50 + dy}));
    EXPECT_EQ(managerPlacement({300, 80, 940, 560}, a).x, 12);
    EXPECT_EQ(managerPlacement({300, 300, 940, 760}, a), (plat::Point{300, 12}));
    EXPECT_EQ(managerPlacement({100, 251, 740, 760}, a), (plat::Point{100, 12}));
}

TEST_F(PackWinTest, EachMethodThroughTheManager)
{
    paste("2 9 5 6 1 3 3");
    ASSERT_EQ(win->document().items(), (std::vector<int64_t>{2, 9, 5, 6, 1, 3, 3}));
    const Bins expected[] = {
        {{2}, {9}, {5}, {6, 1, 3}, {3}},
        {{2, 5, 1}, {9}, {6, 3}, {3}},
        {{2, 5, 3}, {9}, {6, 1, 3}},
        {{2, 5, 3}, {9, 1}, {6, 3}},
        {{2, 5, 3}, {9}, {6, 1, 3}},
        {{2}, {9}, {5, 1, 3}, {6, 3}},
    };
    for (int m = 0; m < 6; ++m) {
        applyMethod(10, m);
        EXPECT_EQ(contents(), expected[m]) << m;
        EXPECT_EQ(win->document().code(), m);
        // Only the chosen radio button is on.
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(bins().check(binsctl::NextFit + k), k == m);
    }
    applyMethod(10, 1, true, true);
    EXPECT_EQ(win->document().code(), 11);
    EXPECT_EQ(contents(), (Bins{{9, 1}, {6, 3}, {5, 3, 2}}));
    applyMethod(10, 1, true, false);
    EXPECT_EQ(win->document().code(), 21);
    EXPECT_TRUE(p.messages().empty());
}

TEST_F(PackWinTest, ManagerRefusals)
{
    paste("3 10 4");
    applyMethod(1, 1);
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_EQ(win->document().capacity(), 10);
    applyMethod(10, 1); // an item equal to the capacity
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_FALSE(win->document().packed());
    applyMethod(2147483648LL, 1);
    EXPECT_EQ(p.lastMessage(), hmm(17));
    bins().type(binsctl::Capacity, "ten");
    bins().press(binsctl::Apply);
    EXPECT_EQ(p.lastMessage(), hmm(1));
    EXPECT_EQ(win->document().capacity(), 10);
    // The capacity is a decimal integer: no exponent, no hexadecimal; one
    // too large for any integer is out of bounds, not misunderstood.
    for (const char* notDecimal : {"1e3", "0x10", "12.0"}) {
        bins().type(binsctl::Capacity, notDecimal);
        bins().press(binsctl::Apply);
        EXPECT_EQ(p.lastMessage(), hmm(1)) << notDecimal;
        EXPECT_EQ(win->document().capacity(), 10) << notDecimal;
    }
    bins().type(binsctl::Capacity, "99999999999999999999");
    bins().press(binsctl::Apply);
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(win->document().capacity(), 10);
    // Only the first 19 characters are read.
    bins().type(binsctl::Capacity, "0000000000000000011x");
    bins().press(binsctl::Apply);
    EXPECT_EQ(win->document().capacity(), 11);
    EXPECT_TRUE(win->document().packed());
    bins().press(binsctl::Help);
    EXPECT_TRUE(win->helpWindow().visible());
}

TEST_F(PackWinTest, TheManagerKeepsWhatTheUserSetWhileTheListChanges)
{
    // Chosen in the manager but not yet applied: a Shuffle, Restore or
    // Paste of the list must not throw the choice away.
    paste("3 5 4");
    bins().type(binsctl::Capacity, "12");
    bins().press(binsctl::NextFit + 3);
    for (const char* cmd : {"File|New|Shuffle", "File|New|Restore"}) {
        click(cmd);
        EXPECT_EQ(bins().text(binsctl::Capacity), "12") << cmd;
        EXPECT_TRUE(bins().check(binsctl::NextFit + 3)) << cmd;
    }
    p.answer(plat::IdNo);
    paste("7 1");
    EXPECT_EQ(bins().text(binsctl::Capacity), "12");
    EXPECT_TRUE(bins().check(binsctl::NextFit + 3));
}

TEST_F(PackWinTest, ListCommandsMarkTheDocumentChanged)
{
    p.input2(std::make_pair(std::string("30"), std::string("7")));
    click("File|New|Random");
    EXPECT_TRUE(win->changed());
    EXPECT_EQ(win->document().itemCount(), 30);
    for (int64_t s : win->document().items())
        EXPECT_TRUE(s >= 1 && s <= 6);
    win->setChanged(false);
    click("File|New|Shuffle");
    EXPECT_TRUE(win->changed());
    win->setChanged(false);
    click("File|New|Restore");
    EXPECT_TRUE(win->changed());
    win->setChanged(false);
    applyMethod(10, 0); // the same capacity and method: nothing changed
    EXPECT_FALSE(win->changed());
    applyMethod(12, 0);
    EXPECT_TRUE(win->changed());
    win->setChanged(false);
    applyMethod(12, 3);
    EXPECT_TRUE(win->changed());
    // Random's refusals.
    p.input2(std::make_pair(std::string("0"), std::string("7")));
    click("File|New|Random");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    p.input2(std::make_pair(std::string("2501"), std::string("7")));
    click("File|New|Random");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    p.input2(std::make_pair(std::string("5"), std::string("2")));
    click("File|New|Random");
    EXPECT_EQ(p.lastMessage(), hmm(9));
    p.input2(std::make_pair(std::string("5"), std::string("x")));
    click("File|New|Random");
    EXPECT_EQ(p.lastMessage(), hmm(1));
    EXPECT_EQ(win->document().itemCount(), 30);
}

TEST_F(PackWinTest, PasteAsksToSaveAndYesSaves)
{
    click("File|New|Shuffle");
    ASSERT_TRUE(win->changed());
    const auto before = win->document().items();
    const std::string file = path("before.bpa");
    p.answer(plat::IdYes);
    p.file(file);
    paste("5 5");
    EXPECT_EQ(win->document().items(), (std::vector<int64_t>{5, 5}));
    BpaDocument saved;
    ASSERT_EQ(readBpa(file, saved), 0);
    EXPECT_EQ(std::vector<int64_t>(saved.items.begin(), saved.items.end()), before);
    // Cancel stops.
    click("File|New|Shuffle");
    p.answer(plat::IdCancel);
    paste("1 2 3");
    EXPECT_EQ(win->document().items(), (std::vector<int64_t>{5, 5}));
}

TEST_F(PackWinTest, AFailedPasteLeavesTheListExactlyAsItWas)
{
    paste("1 2 3 4 5 6 7 8 9");
    click("File|New|Shuffle");
    const auto shuffled = win->document().items();
    win->setChanged(false);
    paste("none at all");
    EXPECT_EQ(p.lastMessage(), hmm(2));
    std::string many;
    for (int i = 0; i < 2501; ++i)
        many += "3 ";
    paste(many);
    EXPECT_EQ(p.lastMessage(), hmm(4));
    paste("4 0.5 2");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    paste("4 3000000000");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(win->document().items(), shuffled);
    EXPECT_FALSE(win->changed());
}

TEST_F(PackWinTest, NotebookCopies)
{
    paste("5 5");
    applyMethod(10, 0);
    click("Misc|copy Solution");
    EXPECT_EQ(win->notebookText(), "5 5 \r\nbins used: 1 [optimal]\r\n==========================\r\n");
    click("Misc|copy Example");
    EXPECT_NE(win->notebookText().find("items: 2\r\ntotal: 10\r\nbin capacity: 10\r\nneed: 1.00\r\n5 5 \r\n"),
              std::string::npos);
    // Past 64 000 characters: "no more room", the notebook unchanged.
    const std::string full(63990, 'x');
    win->notebook().setNotes(full);
    click("Misc|copy Example");
    EXPECT_EQ(p.lastMessage(), hmm(4));
    EXPECT_EQ(win->notebookText(), full);
    // The optimum of a list the heuristics cannot pack into two bins.
    win->notebook().setNotes("");
    p.answer(plat::IdNo); // the copies changed the document
    paste("5 4 4 3 2 2");
    click("Misc|Optimum");
    EXPECT_NE(win->notebookText().find("least number of bins: 2\r\n"), std::string::npos);
}

TEST_F(PackWinTest, QStopsTheOptimumAndTheNotebookStaysAsItWas)
{
    // Sizes of a quarter to nearly a half of the capacity: first fit
    // decreasing is above the bound and the search is long.
    std::string text;
    Random rng;
    rng.seed(77);
    for (int i = 0; i < 60; ++i)
        text += std::to_string(250 + rng.below(200)) + " ";
    paste(text);
    applyMethod(1000, 1, true, true);
    const std::string title = hw().caption();
    win->notebook().setNotes("before");
    p.key('q', 3);
    click("Misc|Optimum");
    EXPECT_EQ(win->notebookText(), "before");
    EXPECT_EQ(hw().caption(), title);
    EXPECT_GE(p.pollCount(), 4);
}

TEST_F(PackWinTest, ThePictureOfTheBins)
{
    paste("2 9 5 6 1 3 3");
    applyMethod(10, 3); // best fit: 2 5 3 | 9 1 | 6 3
    testgfx::RecordingBackend b = drawn();
    const int occupied = win->colorRole(TPrePackWin::RoleOccupied);
    const int empty = win->colorRole(TPrePackWin::RoleEmpty);
    // The empty fill over the three bins up to the capacity, then the
    // occupied part of each bin up to its used height.
    std::vector<std::vector<WPoint>> fills, emptyFills;
    for (const auto& c : b.calls)
        if (c.what == "polygon")
            (c.fill.fill == occupied ? fills : emptyFills).push_back(c.pts);
    ASSERT_EQ(emptyFills.size(), 1u);
    EXPECT_EQ(emptyFills[0][0], (WPoint{0, 0}));
    EXPECT_EQ(emptyFills[0][2], (WPoint{3, 10}));
    ASSERT_EQ(fills.size(), 3u);
    const Real used[] = {10, 10, 9};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(fills[k][0], (WPoint{static_cast<Real>(k), 0}));
        EXPECT_EQ(fills[k][2], (WPoint{static_cast<Real>(k + 1), used[k]}));
    }
    EXPECT_NE(empty, occupied);
    // A line at the top of every item: 2 7 10 | 9 10 | 6 9.
    std::vector<std::pair<Real, Real>> tops;
    int vertical = 0;
    for (const auto& c : b.calls) {
        if (c.what != "segment")
            continue;
        if (c.pts[0].x == c.pts[1].x)
            ++vertical;
        else if (c.pts[0].y > 0)
            tops.emplace_back(c.pts[0].x, c.pts[0].y);
    }
    EXPECT_EQ(tops, (std::vector<std::pair<Real, Real>>{{0, 2}, {0, 7}, {0, 10}, {1, 9}, {1, 10}, {2, 6}, {2, 9}}));
    EXPECT_EQ(vertical, 4); // between the bins and at both ends
    auto l = labels(b);
    EXPECT_TRUE(has(l, "bins: 3"));
    EXPECT_TRUE(has(l, "10")); // the capacity on the scale
    EXPECT_FALSE(has(l, "..."));
    EXPECT_FALSE(hw().menuItemEnabled(gcm::ShiftRight));
}

TEST_F(PackWinTest, ThePictureOfTheItems)
{
    paste("2 9 5 6 1 3 3");
    testgfx::RecordingBackend b = drawn();
    std::vector<Real> heights;
    for (const auto& c : b.calls)
        if (c.what == "polygon")
            heights.push_back(c.pts[2].y);
    EXPECT_EQ(heights, (std::vector<Real>{2, 9, 5, 6, 1, 3, 3}));
    EXPECT_TRUE(has(labels(b), "items: 7"));
    // Each bar is the column width wide on screen.
    const ViewState& v = win->view();
    EXPECT_NEAR(v.kx, 6, 1e-9L);
}

TEST_F(PackWinTest, HundredItemsScrollAndAutofitBringsThemBack)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::to_string(1 + (i * 7) % 9) + " ";
    paste(text);
    applyMethod(10, 0);
    ASSERT_GT(win->document().binCount(), 40);
    PackLayout l = win->layout();
    EXPECT_EQ(l.first, 0);
    EXPECT_TRUE(l.moreRight);
    EXPECT_FALSE(l.moreLeft);
    EXPECT_TRUE(hw().menuItemEnabled(gcm::ShiftRight));
    EXPECT_TRUE(hw().menuItemEnabled(gcm::ShiftLeft));
    auto lb = labels(drawn());
    EXPECT_EQ(std::count(lb.begin(), lb.end(), "..."), 1);
    click("View|Shift Right");
    l = win->layout();
    EXPECT_GT(l.first, 0);
    EXPECT_TRUE(l.moreLeft);
    testgfx::RecordingBackend b = drawn();
    lb = labels(b);
    EXPECT_EQ(std::count(lb.begin(), lb.end(), "..."), 2);
    // The first bin drawn is the first visible one.
    for (const auto& c : b.calls)
        if (c.what == "polygon") {
            EXPECT_EQ(c.pts[0].x, l.first);
            break;
        }
    // Shifting right again and again stops at the last bin.
    for (int k = 0; k < 20; ++k)
        click("View|Shift Right");
    l = win->layout();
    EXPECT_EQ(l.end, win->document().binCount());
    EXPECT_FALSE(l.moreRight);
    click("View|Autofit");
    l = win->layout();
    EXPECT_EQ(l.first, 0);
    EXPECT_FALSE(l.moreLeft);
    EXPECT_NEAR(win->view().xmin + l.marginPx / l.colPx, 0, 1e-9L);
    // A wide window shows them all: Shift is disabled.
    hw().setClientSize({2400, 480});
    win->resized({2400, 480});
    EXPECT_TRUE(win->layout().fits());
    EXPECT_FALSE(hw().menuItemEnabled(gcm::ShiftRight));
}

TEST_F(PackWinTest, ASavedPackingReopensWithTheSameBins)
{
    paste("2 9 5 6 1 3 3");
    applyMethod(10, 5, true, false);
    win->notebook().setNotes("my notes");
    const std::string file = path("class.bpa");
    ASSERT_TRUE(win->writeDocument(file));
    TPackWin* again = open(file);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->document().items(), win->document().items());
    EXPECT_EQ(again->document().capacity(), 10);
    EXPECT_EQ(again->document().code(), 25);
    EXPECT_TRUE(again->document().packed());
    EXPECT_EQ(again->document().bins(), win->document().bins());
    EXPECT_EQ(again->notebookText(), "my notes");
    EXPECT_FALSE(again->changed());
}

TEST_F(PackWinTest, AFileWithItemsTooLargeOpensUnpacked)
{
    BpaDocument d;
    d.capacity = 10;
    d.methodCode = 1;
    d.items = {4, 12, 3};
    const std::string file = path("large.bpa");
    ASSERT_EQ(writeBpa(file, d), 0);
    TPackWin* w = open(file);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->document().packed());
    EXPECT_EQ(w->document().items(), (std::vector<int64_t>{4, 12, 3}));
    EXPECT_TRUE(p.messages().empty());
}

TEST_F(PackWinTest, ABadFileLeavesTheDocumentAlone)
{
    paste("1 2 3");
    const std::string file = path("bad.bpa");
    BpaDocument d;
    d.capacity = 1; // below 2
    d.items = {1};
    ASSERT_EQ(writeBpa(file, d), 0);
    EXPECT_EQ(win->readDocument(file), 11);
    EXPECT_EQ(win->document().items(), (std::vector<int64_t>{1, 2, 3}));
    EXPECT_EQ(win->document().capacity(), 10);
}

TEST_F(PackWinTest, HelpItems)
{
    for (const char* path : {"File|Help", "View|Help", "Btns|Help", "Misc|Help"}) {
        click(path);
        EXPECT_TRUE(win->helpWindow().visible()) << path;
        EXPECT_FALSE(win->helpWindow().text().empty()) << path;
    }
}
