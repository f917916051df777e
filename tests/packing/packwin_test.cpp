// The bin-packing window on the headless platform: the manager, the File|New
// list commands, the notebook copies, the picture as it reaches a recording
// back-end, scrolling, and the ".bpa" documents.
#include "docfile/settings.h"
#include "core/fileio.h"
#include "graphics/export/picture_export.h"
#include "graphics/export/pictex_writer.h"
#include "graphics/recording_backend.h"
#include "packing/core/bpafile.h"
#include "packing/packwin.h"
#include "resources/strings.h"
#include "shell/shell_fixture.h"
#include "testutil.h"

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
    // A ".bpa" put together here: the common header, then the 50 words
    // (capacity, method code, column width, item count, total, zeros), the
    // sizes and the notebook, word by word.
    static testutil::Bytes handFile(int32_t capacity, int32_t code, int32_t width, const std::vector<int32_t>& items,
                                    int32_t countWord, const std::string& notebook)
    {
        ByteWriter hw;
        WriteHeader(hw, headerStateFor(kKindBinPacking));
        testutil::Bytes b = hw.data();
        int32_t total = 0;
        for (int32_t s : items)
            total += s;
        const int32_t words[5] = {capacity, code, width, countWord, total};
        for (int k = 0; k < 50; ++k)
            testutil::putI32(b, k < 5 ? words[k] : 0);
        for (int32_t s : items)
            testutil::putI32(b, s);
        testutil::putString(b, notebook);
        return b;
    }
    std::vector<std::string> labelsOfSizes(const testgfx::RecordingBackend& b) const
    {
        // The digits the picture writes besides its caption, capacity and
        // ellipses.
        std::vector<std::string> out;
        for (const std::string& t : labels(b))
            if (t.find(':') == std::string::npos && t != "..." && t != formatInt(win->document().capacity()))
                out.push_back(t);
        return out;
    }

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

TEST_F(PackWinTest, AFileAssembledByHandOpensPacked)
{
    // Capacity 10, first fit decreasing (code 11), width 6, items 6 5 4
    // (total 15): 6 goes into bin 1, 5 opens bin 2, 4 joins the 6.
    const std::string file = path("hand.bpa");
    testutil::writeAll(file, handFile(10, 11, 6, {6, 5, 4}, 3, "three items"));
    TPackWin* w = open(file);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->document().packed());
    win = w;
    EXPECT_EQ(contents(), (Bins{{6, 4}, {5}}));
    EXPECT_EQ(w->notebookText(), "three items");
    EXPECT_EQ(bins().text(binsctl::Capacity), "10");
    EXPECT_TRUE(bins().check(binsctl::FirstFit));
    EXPECT_TRUE(bins().check(binsctl::Sort));
    EXPECT_TRUE(bins().check(binsctl::Decreasing));
    click("Misc|copy Solution", w);
    const std::string notes = w->notebookText();
    const std::string tail = "bins used: 2 [optimal]\r\n==========================\r\n";
    ASSERT_GE(notes.size(), tail.size());
    EXPECT_EQ(notes.substr(notes.size() - tail.size()), tail);
    EXPECT_EQ(notes, "three items6 4 \r\n5 \r\n" + tail);
    EXPECT_TRUE(p.messages().empty());
}

TEST_F(PackWinTest, AFileOfMoreThan2500ItemsOpensWithTheFirstAndSaysSo)
{
    std::vector<int32_t> items;
    for (int i = 0; i < 3000; ++i)
        items.push_back(1 + i % 9);
    const std::string file = path("many.bpa");
    const testutil::Bytes bytes = handFile(10, 1, 6, items, 3000, "the notebook after 3000 sizes");
    testutil::writeAll(file, bytes);
    TPackWin* w = open(file);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->document().itemCount(), 2500);
    EXPECT_EQ(w->document().items()[2499], 1 + 2499 % 9);
    EXPECT_EQ(w->notebookText(), "the notebook after 3000 sizes");
    EXPECT_TRUE(w->document().packed());
    EXPECT_EQ(p.lastMessage(), hmm(4));
    // Not changed: closing asks nothing and leaves the file whole.
    EXPECT_FALSE(w->changed());
    hw(w).userClose();
    p.flush();
    EXPECT_EQ(testutil::readAll(file), bytes);
    // A file of exactly 2500 says nothing.
    p.clearMessages();
    items.resize(2500);
    testutil::writeAll(file, handFile(10, 1, 6, items, 2500, ""));
    ASSERT_NE(open(file), nullptr);
    EXPECT_TRUE(p.messages().empty());
}

TEST_F(PackWinTest, EveryMethodCodeSavedAndReopenedGivesTheSameBins)
{
    paste("2 9 5 6 1 3 3 7 4 8 2 5");
    int codes = 0;
    for (int order = 0; order < 3; ++order)
        for (int m = 0; m < 6; ++m) {
            applyMethod(10, m, order != 0, order != 2);
            const int code = m + 10 * order;
            ASSERT_EQ(win->document().code(), code);
            const std::string file = path("code" + std::to_string(code) + ".bpa");
            ASSERT_TRUE(win->writeDocument(file));
            TPackWin* again = open(file);
            ASSERT_NE(again, nullptr);
            EXPECT_EQ(again->document().code(), code);
            EXPECT_EQ(again->document().bins(), win->document().bins()) << code;
            hw(again).userClose();
            ++codes;
        }
    EXPECT_EQ(codes, 18);
}

TEST_F(PackWinTest, AnyColumnWidthIsKeptAndDrawnWithinOneTo64Pixels)
{
    for (int32_t width : {0, -5, 1, 64, 65, 2147483647}) {
        const std::string file = path("width.bpa");
        // Items too large for the capacity: the file opens showing the items.
        testutil::writeAll(file, handFile(10, 0, width, {4, 12, 3}, 3, ""));
        TPackWin* w = open(file);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->columnWidth(), width);
        const int expected = width < 1 ? 1 : width > 64 ? 64 : width;
        EXPECT_NEAR(w->view().kx, expected, 1e-9L) << width;
        const PackLayout l = w->layout();
        EXPECT_EQ(l.first, 0);
        EXPECT_EQ(l.end, 3);
        // Saved as read.
        ASSERT_TRUE(w->writeDocument(file));
        BpaDocument back;
        ASSERT_EQ(readBpa(file, back), 0);
        EXPECT_EQ(back.columnWidth, width);
        hw(w).userClose();
    }
}

TEST_F(PackWinTest, ItemSizesInTheSlicesWhereTheyFit)
{
    // Capacity 100, one bin of 9, 1 and 8: a slice of 1 is about a
    // hundredth of the picture, lower than a line of text.
    paste("9 1 8");
    applyMethod(100, 1);
    ASSERT_EQ(contents(), (Bins{{9, 1, 8}}));
    EXPECT_FALSE(win->itemSizes());
    EXPECT_FALSE(hw().menuItemChecked(packcmd::ItemSizes));
    EXPECT_TRUE(labelsOfSizes(drawn()).empty());
    click("Misc|Item sizes");
    EXPECT_TRUE(hw().menuItemChecked(packcmd::ItemSizes));
    testgfx::RecordingBackend b = drawn();
    EXPECT_EQ(labelsOfSizes(b), (std::vector<std::string>{"9", "8"}));
    // Centred in their slices: the 9 at height 4.5, the 8 at 10 + 4.
    std::vector<Real> heights;
    for (const auto& c : b.calls)
        if (c.what == "label" && (c.label.text == "9" || c.label.text == "8")) {
            EXPECT_EQ(c.label.hAnchor, 0);
            EXPECT_EQ(c.label.vAnchor, 0);
            heights.push_back(win->view().DeviceToWorld(c.place.anchor.x, c.place.anchor.y).y);
        }
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_NEAR(heights[0], 4.5L, 0.3L);
    EXPECT_NEAR(heights[1], 14, 0.3L);
    // The items picture: bars of 6 pixels hold no digit; bars of 64 do,
    // above each bar.
    p.answer(plat::IdNo);
    paste("2 9 5");
    EXPECT_TRUE(labelsOfSizes(drawn()).empty());
    const std::string file = path("wide.bpa");
    testutil::writeAll(file, handFile(10, 0, 64, {2, 9, 5}, 3, ""));
    TPackWin* w = open(file);
    ASSERT_NE(w, nullptr);
    w->command(packcmd::ItemSizes);
    win = w;
    // The file opens packed; Restore shows the items.
    click("File|New|Restore", w);
    ASSERT_FALSE(w->document().packed());
    b = drawn();
    EXPECT_EQ(labelsOfSizes(b), (std::vector<std::string>{"2", "9", "5"}));
    for (const auto& c : b.calls) {
        if (c.what == "label" && c.label.text == "9") {
            EXPECT_EQ(c.label.vAnchor, 1);
        }
    }
    // Off again: none.
    click("Misc|Item sizes", w);
    EXPECT_TRUE(labelsOfSizes(drawn()).empty());
}

TEST_F(PackWinTest, ItemSizesAreKeptInTheSettingsFile)
{
    click("Misc|Item sizes");
    hw().userClose();
    p.flush();
    SettingsState s;
    s.header = headerStateFor(kKindBinPacking);
    ASSERT_TRUE(ReadSettingsFile(p.settingsDirectory() + "qnpack.ini", s));
    EXPECT_EQ(s.header.kind, 5476);
    EXPECT_EQ(s.first.ints[0][12], 2);
    DocInit init;
    init.readSettings = true;
    TPackWin again(frame.get(), init);
    again.create();
    EXPECT_TRUE(again.itemSizes());
    EXPECT_TRUE(static_cast<plat::HeadlessWindow*>(again.window())->menuItemChecked(packcmd::ItemSizes));
}

TEST_F(PackWinTest, ThePictureOutputsAlignAndAnswer)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::to_string(1 + (i * 7) % 9) + " ";
    paste(text);
    applyMethod(10, 1);
    click("View|Shift Right");
    const PackLayout l = win->layout();
    ASSERT_TRUE(l.moreLeft && l.moreRight);
    testgfx::RecordingBackend b = drawn();
    // Caption [t], the ellipses [tl] and [tr], the capacity [tr].
    int ellipses = 0;
    bool caption = false, capacity = false;
    for (const auto& c : b.calls) {
        if (c.what != "label")
            continue;
        const std::string a = PicTeXWriter::anchor(c.label.hAnchor, c.label.vAnchor);
        if (c.label.text.rfind("bins: ", 0) == 0) {
            caption = true;
            EXPECT_EQ(a, "[t]");
        } else if (c.label.text == "10") {
            capacity = true;
            EXPECT_EQ(a, "[rt]");
        } else if (c.label.text == "...") {
            ++ellipses;
            EXPECT_EQ(a, ellipses == 1 ? "[lt]" : "[rt]");
        }
    }
    EXPECT_TRUE(caption);
    EXPECT_TRUE(capacity);
    EXPECT_EQ(ellipses, 2);
    // The fills of the visible bins only, at their used heights.
    int fills = 0;
    for (const auto& c : b.calls)
        if (c.what == "polygon" && c.fill.fill == win->colorRole(TPrePackWin::RoleOccupied)) {
            const int bin = static_cast<int>(c.pts[0].x);
            EXPECT_TRUE(bin >= l.first && bin < l.end) << bin;
            EXPECT_EQ(c.pts[2].y, static_cast<Real>(win->document().bins()[static_cast<size_t>(bin)].used));
            ++fills;
        }
    EXPECT_EQ(fills, l.end - l.first);
    EXPECT_EQ(win->documentTitle(), "VELdra binpacking");
    // The outputs whose writers are not in this program say so.
    for (const char* item : {"File|Print ...", "File|Copy to clipboard", "File|Bitmap to clipboard",
                             "File|Export graphics|Metafile ...", "File|Export graphics|BMP ...", "Misc|Simulprint"}) {
        p.clearMessages();
        click(item);
        EXPECT_EQ(p.lastMessage(), hmm(30)) << item;
    }
}

namespace {

// A binary PPM (P6, maximum 255) as rows of RGB triples.
struct Ppm {
    int w = 0, h = 0;
    std::string rgb;
    uint32_t at(int x, int y) const
    {
        const size_t i = 3 * (static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x));
        return static_cast<uint8_t>(rgb[i]) | (static_cast<uint32_t>(static_cast<uint8_t>(rgb[i + 1])) << 8) |
               (static_cast<uint32_t>(static_cast<uint8_t>(rgb[i + 2])) << 16);
    }
};

bool readPpm(const std::string& path, Ppm& img)
{
    std::string b;
    if (!readWholeFile(path, b))
        return false;
    size_t at = 0;
    auto token = [&]() {
        while (at < b.size() && (std::isspace(static_cast<unsigned char>(b[at])) || b[at] == '#')) {
            if (b[at] == '#')
                while (at < b.size() && b[at] != '\n')
                    ++at;
            else
                ++at;
        }
        const size_t start = at;
        while (at < b.size() && !std::isspace(static_cast<unsigned char>(b[at])))
            ++at;
        return b.substr(start, at - start);
    };
    if (token() != "P6")
        return false;
    img.w = std::stoi(token());
    img.h = std::stoi(token());
    if (token() != "255")
        return false;
    ++at;
    img.rgb = b.substr(at);
    return img.rgb.size() == 3 * static_cast<size_t>(img.w) * static_cast<size_t>(img.h);
}

// Colours 0x00BBGGRR within a little of each other (anti-aliasing aside).
bool near(uint32_t a, uint32_t b)
{
    for (int k = 0; k < 3; ++k) {
        const int x = static_cast<int>((a >> (8 * k)) & 0xFF), y = static_cast<int>((b >> (8 * k)) & 0xFF);
        if (std::abs(x - y) > 24)
            return false;
    }
    return true;
}

bool haveTool(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

} // namespace

TEST_F(PackWinTest, GhostscriptAndLibrsvgShowTheBinsWhereTheScreenDoes)
{
    if (!haveTool("gs") || !haveTool("rsvg-convert") || !haveTool("pdftoppm"))
        GTEST_SKIP() << "ghostscript, rsvg-convert or pdftoppm is not installed";
    registerPictureExports();
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::to_string(1 + (i * 7) % 9) + " ";
    paste(text);
    applyMethod(10, 1);
    click("View|Shift Right");
    const PackLayout l = win->layout();
    ASSERT_TRUE(l.moreLeft && l.moreRight);
    auto exportAs = [&](const std::string& item, const std::string& file) {
        p.clearMessages();
        p.file(file);
        p.dialogText("PICTEX", 221, "1");
        p.press("PICTEX", 1);
        click("File|Export graphics|" + item);
        return p.lastMessage().rfind("message: success: ", 0) == 0;
    };
    const std::string eps = path("bins.eps"), svg = path("bins.svg");
    ASSERT_TRUE(exportAs("EPS", eps));
    ASSERT_TRUE(exportAs("SVG", svg));
    const std::string out = path("");
    ASSERT_EQ(std::system(("gs -q -dNOPAUSE -dBATCH -dSAFER -dEPSCrop -r96 -sDEVICE=ppmraw -sOutputFile=" + out +
                           "eps.ppm " + eps + " >/dev/null 2>&1")
                              .c_str()),
              0);
    ASSERT_EQ(std::system(("rsvg-convert -f pdf -o " + out + "svg.pdf " + svg + " && pdftoppm -r 96 -singlefile " +
                           out + "svg.pdf " + out + "svg >/dev/null 2>&1")
                              .c_str()),
              0);
    const uint32_t occupied = win->color(win->colorRole(TPrePackWin::RoleOccupied));
    const uint32_t empty = win->color(win->colorRole(TPrePackWin::RoleEmpty));
    ASSERT_FALSE(near(occupied, empty));
    const ViewState& v = win->view();
    for (const char* name : {"eps.ppm", "svg.ppm"}) {
        Ppm img;
        ASSERT_TRUE(readPpm(out + name, img)) << name;
        const plat::Size client = hw().clientSize();
        ASSERT_EQ(img.w, client.w) << name;
        ASSERT_EQ(img.h, client.h) << name;
        int checked = 0;
        for (int b = l.first; b < l.end; ++b) {
            const Bin& bin = win->document().bins()[static_cast<size_t>(b)];
            // The middle of the bin's first item, and the middle of its
            // free room (first fit leaves room only in some bins).
            const DevicePoint in = v.WorldToDevice(b + 0.5L, static_cast<Real>(bin.items[0]) / 2);
            EXPECT_TRUE(near(img.at(static_cast<int>(in.x), static_cast<int>(in.y)), occupied)) << name << " bin " << b;
            if (bin.used < 10) {
                const DevicePoint above = v.WorldToDevice(b + 0.5L, (static_cast<Real>(bin.used) + 10) / 2);
                EXPECT_TRUE(near(img.at(static_cast<int>(above.x), static_cast<int>(above.y)), empty))
                    << name << " bin " << b;
            }
            ++checked;
        }
        EXPECT_EQ(checked, l.end - l.first);
        // Right of the last bin shown there is no bin in the picture.
    }
    unregisterPictureExports();
}

TEST_F(PackWinTest, OpenLastReopensTheFileAndPacksIt)
{
    paste("2 9 5 6 1 3 3");
    applyMethod(10, 3, true, true);
    const std::string file = path("last.bpa");
    p.file(file);
    click("File|Save As ...");
    ASSERT_FALSE(win->changed());
    hw().userClose();
    p.flush();
    // The main window's Open last on, Use defaults off: a new window reads
    // "qnpack.ini" and reopens the file, packed.
    auto* main = static_cast<plat::HeadlessWindow*>(frame->window());
    if (!frame->openLast())
        main->click(cm::OpenLast);
    if (frame->useDefaults())
        main->click(cm::UseDefaults);
    ASSERT_TRUE(frame->openLast());
    ASSERT_FALSE(frame->useDefaults());
    TPackWin* again = open();
    ASSERT_NE(again, nullptr);
    win = again;
    EXPECT_TRUE(again->document().packed());
    EXPECT_EQ(again->document().code(), 13);
    EXPECT_EQ(contents(), (Bins{{9, 1}, {6, 3}, {5, 3, 2}}));
}

// --- the device outputs -------------------------------------------------------------------

namespace {

// The fills of a printed page: polygons drawn with a brush, in drawing order.
std::vector<plat::DrawOp> printedFills(const plat::RecordingDC& dc)
{
    std::vector<plat::DrawOp> out;
    for (const plat::DrawOp& op : dc.ops())
        if (op.kind == plat::DrawOp::Polygon && op.brush)
            out.push_back(op);
    return out;
}

} // namespace

TEST_F(PackWinTest, PrintingShowsTheColumnsTheWindowShows)
{
    registerPictureExports();
    // 100 items 1..9 into 10 by first fit, shifted into the middle: the
    // printed page holds the empty area, one fill per bin shown, the
    // caption, the capacity and both ellipses, as many bins as the screen.
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::to_string(1 + (i * 7) % 9) + " ";
    paste(text);
    applyMethod(10, 1);
    click("View|Shift Right");
    const PackLayout l = win->layout();
    ASSERT_TRUE(l.moreLeft && l.moreRight);
    const int shown = l.end - l.first;
    ASSERT_GT(shown, 2);
    p.answer(plat::IdOk);
    click("File|Print ...");
    ASSERT_EQ(p.printedPages().size(), 1u);
    const plat::RecordingDC& dc = *p.printedPages()[0].dc;
    const std::vector<plat::DrawOp> fills = printedFills(dc);
    // Every bin of a first-fit packing holds something: the empty area and
    // one occupied part per bin shown.
    EXPECT_EQ(static_cast<int>(fills.size()), 1 + shown);
    const std::vector<std::string> texts = dc.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "..."), 2);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "10"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "bins: " + formatInt(win->document().binCount())), 1);
    // The occupied parts stand at the bins' used heights: each as tall as
    // used/capacity of the empty area.
    ASSERT_FALSE(fills.empty());
    auto spanY = [](const plat::DrawOp& op) {
        int lo = op.pts[0].y, hi = op.pts[0].y;
        for (const plat::Point& q : op.pts) {
            lo = std::min(lo, q.y);
            hi = std::max(hi, q.y);
        }
        return hi - lo;
    };
    const double full = spanY(fills[0]);
    ASSERT_GT(full, 100);
    for (int b = 0; b + 1 < static_cast<int>(fills.size()) && b < shown; ++b) {
        const double used = static_cast<double>(win->document().bins()[static_cast<size_t>(l.first + b)].used);
        EXPECT_NEAR(spanY(fills[static_cast<size_t>(b + 1)]), full * used / 10, 2) << "bin " << l.first + b;
    }
    // The window is as it was.
    EXPECT_EQ(win->layout().first, l.first);
    EXPECT_EQ(win->layout().end, l.end);
    unregisterPictureExports();
}

TEST_F(PackWinTest, SimulprintKeepsTheUnpackedListAndItsOrder)
{
    registerPictureExports();
    // Two saved packings; the window then shows a pasted list, unsaved.
    paste("6 5 4");
    applyMethod(10, 1);
    const std::string a = path("a.bpa"), b = path("b.bpa");
    ASSERT_TRUE(win->writeDocument(a));
    ASSERT_TRUE(win->writeDocument(b));
    p.answer(plat::IdNo);
    paste("3 8 1 7");
    ASSERT_FALSE(win->document().packed());
    ASSERT_TRUE(win->changed());
    const std::vector<int64_t> items = win->document().items();
    const std::vector<int64_t> restore = win->document().restoreCopy();
    p.input(std::string("2"));
    p.file(a);
    p.file(b);
    p.answer(plat::IdOk);
    click("Misc|Simulprint");
    EXPECT_EQ(p.printedPages().size(), 2u);
    // Still the list, not a packing of it.
    EXPECT_FALSE(win->document().packed());
    EXPECT_EQ(win->document().items(), items);
    EXPECT_EQ(win->document().restoreCopy(), restore);
    EXPECT_TRUE(win->changed());
    // A cancelled print dialog leaves it too.
    p.input(std::string("1"));
    p.file(a);
    p.answer(plat::IdCancel);
    click("Misc|Simulprint");
    EXPECT_FALSE(win->document().packed());
    EXPECT_EQ(win->document().items(), items);
    unregisterPictureExports();
}

namespace {

// The record types of an enhanced metafile, in order (each record: type and
// size as 32-bit little-endian words, the size a multiple of 4).
std::vector<uint32_t> emfRecordTypes(const std::string& emf)
{
    std::vector<uint32_t> types;
    auto word = [&](size_t at) {
        uint32_t v = 0;
        for (int k = 3; k >= 0; --k)
            v = (v << 8) | static_cast<uint8_t>(emf[at + static_cast<size_t>(k)]);
        return v;
    };
    size_t at = 0;
    while (at + 8 <= emf.size()) {
        const uint32_t type = word(at), size = word(at + 4);
        if (size < 8 || size % 4 != 0 || size > emf.size() - at)
            return {};
        types.push_back(type);
        at += size;
    }
    return types;
}

int polygonsOf(const std::string& emf)
{
    const std::vector<uint32_t> t = emfRecordTypes(emf);
    return static_cast<int>(std::count(t.begin(), t.end(), 86u) + std::count(t.begin(), t.end(), 3u));
}

} // namespace

TEST_F(PackWinTest, HighResolutionMetafilesShowTheSameBins)
{
    registerPictureExports();
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::to_string(1 + (i * 7) % 9) + " ";
    paste(text);
    applyMethod(10, 1);
    click("View|Shift Right");
    const PackLayout l = win->layout();
    ASSERT_TRUE(l.moreLeft && l.moreRight);
    // The item beside With back color, off at first.
    EXPECT_FALSE(hw().menuItemChecked(gcm::HighResolution));
    click("File|Copy to clipboard");
    const std::string one = p.clipboardPicture().emf;
    click("File|High resolution");
    EXPECT_TRUE(hw().menuItemChecked(gcm::HighResolution));
    click("File|Copy to clipboard");
    const std::string nine = p.clipboardPicture().emf;
    // The empty area and one occupied part per bin shown, at both scales.
    EXPECT_EQ(polygonsOf(one), 1 + l.end - l.first);
    EXPECT_EQ(polygonsOf(nine), 1 + l.end - l.first);
    EXPECT_EQ(win->layout().first, l.first);
    unregisterPictureExports();
}

TEST_F(PackWinTest, TheBitmapCopyShowsTheFills)
{
    registerPictureExports();
    // 6 5 4 by first fit: bin 1 holds 6 and 4 (full), bin 2 holds 5.
    paste("6 5 4");
    applyMethod(10, 1);
    click("File|Bitmap to clipboard");
    const plat::ClipboardRecord& c = p.clipboardPicture();
    ASSERT_TRUE(c.hasBitmap);
    const plat::Size client = hw().clientSize();
    ASSERT_EQ(c.size.w, client.w);
    ASSERT_EQ(c.size.h, client.h);
    auto at = [&](Real wx, Real wy) {
        const DevicePoint d = win->view().WorldToDevice(wx, wy);
        return c.pixels[static_cast<size_t>(d.y) * static_cast<size_t>(c.size.w) + static_cast<size_t>(d.x)];
    };
    const plat::Color occupied = win->color(win->colorRole(TPrePackWin::RoleOccupied));
    const plat::Color empty = win->color(win->colorRole(TPrePackWin::RoleEmpty));
    EXPECT_EQ(at(0.5L, 3), occupied);
    EXPECT_EQ(at(0.5L, 8), occupied);
    EXPECT_EQ(at(1.5L, 2.5L), occupied);
    EXPECT_EQ(at(1.5L, 7.5L), empty);
    unregisterPictureExports();
}
