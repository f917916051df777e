// The divisor watch plot window, driven through its apportionment window on
// the headless platform: one window however often Watch is chosen, the line
// and the title following the divisor, closing with the method, a file and
// the owner, a fresh view after a census, and the line dragged by mouse.
#include "apportion/appwin.h"
#include "apportion/census.h"
#include "apportion/divwin.h"
#include "app_fixture.h"
#include "shell/shell_fixture.h"

using namespace quan;
using namespace quan::test;

namespace {

class DivWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Apportionment,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TAppWin>(f, i); });
        frame->create("");
        win = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, ""));
        ASSERT_NE(win, nullptr);
        // The four states of 5400, 2700, 1500 and 400 with a house of 10.
        ASSERT_EQ(win->table().loadDocument(makeTable({{"A", 5400}, {"B", 2700}, {"C", 1500}, {"D", 400}}, 10,
                                                      kHamilton, 1000)
                                                .documentData()),
                  0);
        click("Method|Webster");
        ASSERT_EQ(win->table().applyDivisor(1000), 0);
        win->divisorMoved();
        win->setChanged(false);
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    plat::HeadlessWindow& hw(TFileMsgWin* w = nullptr)
    {
        return *static_cast<plat::HeadlessWindow*>((w ? w : win)->window());
    }
    void click(const std::string& path)
    {
        const int id = hw().findCommand(path);
        ASSERT_NE(id, 0) << path;
        hw().click(id);
    }
    TDivWin* watch()
    {
        click("Method|Watch");
        return win->watchWindow();
    }
    std::unique_ptr<TQuanFrame> frame;
    TAppWin* win = nullptr;
};

} // namespace

TEST_F(DivWinTest, WatchOpensOneWindowAndTheSliderMovesTheLine)
{
    TDivWin* w = watch();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isShowing());
    EXPECT_EQ(hw(w).caption(), "1000.00  ===>  total reps = 9");
    EXPECT_EQ(watch(), w);
    EXPECT_EQ(win->watchWindow(), w);
    // The divisor dialog's Apply moves the line: at 900 Webster gives 6, 3, 2, 0.
    click("Method|Divisor");
    plat::HeadlessDialog* d = p.visibleDialog("divisor");
    ASSERT_NE(d, nullptr);
    d->type(TDivDlg::Edit, "900");
    d->press(plat::IdOk);
    EXPECT_EQ(hw(w).caption(), "900.00  ===>  total reps = 11");
    std::vector<long long> counts;
    for (const auto& r : w->plot().rows())
        counts.push_back(r.count);
    EXPECT_EQ(counts, (std::vector<long long>{6, 3, 2, 0}));
    // The picture: the divisor line is drawn at x = 900.
    const plat::Point line = w->devicePoint(900, 0);
    EXPECT_GE(line.x, 0);
    EXPECT_LT(line.x, hw(w).clientSize().w);
    // The plot never asks to be saved.
    EXPECT_FALSE(w->changed());
}

TEST_F(DivWinTest, AMethodWithoutDivisorAFileAndTheOwnerCloseIt)
{
    TDivWin* w = watch();
    ASSERT_TRUE(w->isShowing());
    click("Method|0 = Hamilton");
    EXPECT_FALSE(w->isShowing());
    EXPECT_FALSE(hw().menuItemEnabled(appcmd::Watch));

    click("Method|Webster");
    w = watch();
    ASSERT_TRUE(w->isShowing());
    // Reading a ".hor" closes it.
    const std::string file = path("four.hor");
    p.file(file);
    click("File|Save As");
    p.file(file);
    click("File|Open");
    EXPECT_FALSE(w->isShowing());

    // Its own close box hides it and writes its settings file.
    w = watch();
    ASSERT_TRUE(w->isShowing());
    std::filesystem::remove(dir / "qnapp.ini");
    ASSERT_TRUE(hw(w).userClose());
    EXPECT_FALSE(w->isShowing());
    EXPECT_TRUE(std::filesystem::exists(dir / "qnapp.ini"));
    // Closing the owner closes the plot with it, which writes the file.
    w = watch();
    ASSERT_TRUE(w->isShowing());
    std::filesystem::remove(dir / "qnapp.ini");
    ASSERT_TRUE(hw().userClose());
    EXPECT_TRUE(std::filesystem::exists(dir / "qnapp.ini"));
}

TEST_F(DivWinTest, ACensusGivesTheInitialViewOfItsIdealDistrict)
{
    TDivWin* w = watch();
    // Zoom in: the view no longer starts at 2/3 I.
    hw(w).click(gcm::ZoomIn);
    hw(w).click(gcm::ZoomIn);
    ASSERT_GT(w->pictureView().view.xmin, 1000.0L * 2 / 3 + 1);
    click("Data|Census|2010 (W)");
    const AppTable& t = win->table();
    const Real ideal = t.totalPopulation() / t.house();
    EXPECT_NEAR(static_cast<double>(t.divisor()), static_cast<double>(ideal), 1e-6);
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.xmin), static_cast<double>(ideal * 2 / 3), 1e-3);
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.xmax), static_cast<double>(ideal * 7 / 6), 1e-3);
    // The first row's axis sits below the top at y = 0 (the top is 1.2).
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.ymax), 1.2, 1e-9);
    // Last window does not return to a view of the old data.
    const Real xmin = w->pictureView().view.xmin;
    hw(w).click(gcm::LastWindow);
    EXPECT_LT(w->pictureView().view.xmax, 1000.0L * 2);

    // Number of states gives the initial view of its new ideal district.
    hw(w).click(gcm::ZoomIn);
    p.input(std::string("10"));
    click("Data|Number of states");
    const Real ideal10 = win->table().totalPopulation() / win->table().house();
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.xmin), static_cast<double>(ideal10 * 2 / 3), 1e-3);
    (void)xmin;

    // A plot closed and opened again starts from the initial view too.
    hw(w).click(gcm::ZoomIn);
    hw(w).click(textcmd::Close);
    EXPECT_FALSE(w->isShowing());
    p.answer(plat::IdNo);
    click("Data|Census|1990 (U)");
    w = watch();
    const Real ideal1990 = win->table().totalPopulation() / win->table().house();
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.xmin), static_cast<double>(ideal1990 * 2 / 3), 1e-3);
}

TEST_F(DivWinTest, DraggingTheLineSetsTheDivisorAsApplyDoes)
{
    click("Method|Divisor");
    TDivWin* w = watch();
    const plat::Point at = w->devicePoint(1100, 0);
    plat::MouseEvent e;
    e.kind = plat::MouseEvent::Press;
    e.button = 1;
    e.pos = at;
    w->mouse(e);
    const Real d = win->table().divisor();
    EXPECT_NEAR(static_cast<double>(d), 1100, 2); // within a pixel's worth
    EXPECT_TRUE(win->changed());
    plat::HeadlessDialog* dlg = p.visibleDialog("divisor");
    ASSERT_NE(dlg, nullptr);
    Real shown = 0;
    ASSERT_TRUE(parseReal(dlg->text(TDivDlg::Edit), shown));
    EXPECT_NEAR(static_cast<double>(shown), static_cast<double>(d), 0.01);
    // Webster at about 1100: 4.9 -> 5, 2.45 -> 2, 1.36 -> 1, 0.36 -> 0.
    std::vector<long long> counts;
    for (const auto& r : w->plot().rows())
        counts.push_back(r.count);
    EXPECT_EQ(counts, (std::vector<long long>{5, 2, 1, 0}));
    // Moves with the button held carry the line along (the desktop sends
    // them without a button); after the release they do not.
    e.kind = plat::MouseEvent::Move;
    e.button = 0;
    e.pos = w->devicePoint(900, 0);
    w->mouse(e);
    EXPECT_NEAR(static_cast<double>(win->table().divisor()), 900, 2);
    e.kind = plat::MouseEvent::Release;
    e.button = 1;
    w->mouse(e);
    e.kind = plat::MouseEvent::Move;
    e.button = 0;
    e.pos = w->devicePoint(1000, 0);
    w->mouse(e);
    EXPECT_NEAR(static_cast<double>(win->table().divisor()), 900, 2);
    e.kind = plat::MouseEvent::Press;
    e.button = 1;
    // A divisor below 1 is ignored.
    const Real before = win->table().divisor();
    w->pictureView().storeCorners(-10, 10, -5, 1.2L);
    e.pos = w->devicePoint(-5, 0);
    w->mouse(e);
    EXPECT_EQ(win->table().divisor(), before);
}

TEST_F(DivWinTest, TheViewFollowsADivisorThatLeavesIt)
{
    TDivWin* w = watch();
    const Real width = w->pictureView().view.xmax - w->pictureView().view.xmin;
    ASSERT_EQ(win->table().applyDivisor(3000), 0);
    win->divisorMoved();
    const ViewState& v = w->pictureView().view;
    EXPECT_LE(v.xmin, 3000);
    EXPECT_GE(v.xmax, 3000);
    EXPECT_NEAR(static_cast<double>(v.xmax - v.xmin), static_cast<double>(width), 1e-6);
    // Last window goes back to where it was.
    hw(w).click(gcm::LastWindow);
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.xmin), 1000.0 * 2 / 3, 1e-6);
}

TEST_F(DivWinTest, WheelTextOutAndFarAwayViews)
{
    TDivWin* w = watch();
    // The wheel scrolls by whole rows.
    const Real top = w->pictureView().view.ymax;
    w->wheel(-2);
    EXPECT_NEAR(static_cast<double>(w->pictureView().view.ymax), static_cast<double>(top - 2), 1e-9);
    // Text out from the window: the four states and the title.
    hw(w).click(textcmd::TextOut);
    const std::string text = w->lastHandedText();
    EXPECT_NE(text.find("\r\nC "), std::string::npos) << text;
    EXPECT_NE(text.find("1000.00  ===>  total reps = 9"), std::string::npos) << text;
    // A view far below every row, or far left of every tick, draws without
    // trouble.
    w->pictureView().storeCorners(500, 1200, -6e9L, -5e9L);
    hw(w).paintNow();
    w->pictureView().storeCorners(1e-30L, 2e-30L, -5, 1.2L);
    hw(w).paintNow();
    EXPECT_TRUE(divisorTicks(kJefferson, 1e7L, 1e-30L, 2e-30L, 3e-30L / 800).empty());
}
