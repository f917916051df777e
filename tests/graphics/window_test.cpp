// The picture window chain on the headless platform: the View menu
// commands through menu clicks and keys with the script answering the
// input dialogs, the grid and view dialogs, Image size, the layers and the
// export seam. The demo window starts 640 x 480 pixels with the view
// centred at the origin, rx = 5 (so ry = 3.75).
#include "graphics/demopicwin.h"
#include "platform/headless.h"
#include "recording_backend.h"
#include "resources/strings.h"
#include "text/colwin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace quan;
using plat::HeadlessDialog;
using plat::HeadlessWindow;

namespace {

class PictureWindowTest : public ::testing::Test {
protected:
    PictureWindowTest()
    {
        plat::Platform::install(&p);
        w = makeWindow<TDemoPicWin>(nullptr, DocInit{});
        hw = static_cast<HeadlessWindow*>(w->window());
    }
    ~PictureWindowTest() override
    {
        w.reset();
        plat::Platform::install(nullptr);
    }
    void click(const std::string& path)
    {
        int id = hw->findCommand(path);
        ASSERT_NE(id, 0) << path;
        hw->click(id);
    }
    std::string hmm(int n) const { return "message: hmm ...: " + messageText(n); }

    plat::HeadlessPlatform p;
    std::unique_ptr<TDemoPicWin> w;
    HeadlessWindow* hw = nullptr;
};

} // namespace

TEST_F(PictureWindowTest, StartsWithTheInitialViewOnItsDrawingArea)
{
    const ViewState& v = w->view();
    EXPECT_EQ(v.W, 640);
    EXPECT_EQ(v.H, 480);
    EXPECT_EQ(v.rx, 5);
    EXPECT_NEAR(v.ry, 3.75L, 1e-18L);
    EXPECT_NEAR(v.dx, 10.0L / 639, 1e-18L);
    EXPECT_TRUE(w->pictureView().stack.empty());
    EXPECT_FALSE(w->prims().output().exporting());
    EXPECT_EQ(w->exportState(ExportFormat::Eps).baseName, "noname");
    EXPECT_EQ(w->exportState(ExportFormat::Svg).pages, 1);
    // The owned windows exist, hidden.
    EXPECT_FALSE(w->helpWindow().visible());
    EXPECT_EQ(w->helpWindow().title(), "help.txt");
    EXPECT_EQ(w->textWindow().title(), "noname.txt");
    EXPECT_TRUE(w->hasColorWindow());
}

TEST_F(PictureWindowTest, ZoomThenLastWindowRestoresExactly)
{
    const ViewState before = w->view();
    click("View|Zoom Out");
    EXPECT_NEAR(w->view().rx, 5.5L, 1e-15L);
    EXPECT_EQ(w->view().cx, 0);
    click("View|Zoom In");
    EXPECT_NEAR(w->view().rx, 5, 1e-15L);
    EXPECT_EQ(w->pictureView().stack.size(), 2u);
    click("View|Last window");
    click("View|Last window");
    EXPECT_EQ(w->view(), before);
    // Nothing left to go back to: nothing happens, nothing is said.
    click("View|Last window");
    EXPECT_EQ(w->view(), before);
    EXPECT_TRUE(p.messages().empty());
    EXPECT_TRUE(w->settingsChanged());
}

TEST_F(PictureWindowTest, KeysZoomShiftAndGoBack)
{
    const ViewState before = w->view();
    EXPECT_TRUE(hw->accelerator(plat::vk::Prior, false, false, false)); // PgUp zooms in
    EXPECT_NEAR(w->view().rx, 5 / 1.1L, 1e-15L);
    EXPECT_TRUE(hw->accelerator(plat::vk::Right, false, false, false));
    // cx moves by 2 rx * 1 %.
    EXPECT_NEAR(w->view().cx, 2 * (5 / 1.1L) * 0.01L, 1e-15L);
    EXPECT_TRUE(hw->accelerator(plat::vk::Down, false, false, false));
    EXPECT_NEAR(w->view().cy, -2 * w->view().ry * 0.01L, 1e-15L);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(hw->accelerator('L', true, false, false));
    EXPECT_EQ(w->view(), before);
}

TEST_F(PictureWindowTest, FactorRefusesValuesBelow1e16)
{
    p.input("1e-17");
    click("View|Factor");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    EXPECT_EQ(w->pictureView().ZoomFactor, 1.1L);
    p.input("two");
    click("View|Factor");
    EXPECT_EQ(p.lastMessage(), hmm(1));
    EXPECT_EQ(w->pictureView().ZoomFactor, 1.1L);
    p.input(std::nullopt);
    click("View|Factor");
    EXPECT_EQ(w->pictureView().ZoomFactor, 1.1L);
    p.input("2");
    click("View|Factor");
    EXPECT_EQ(w->pictureView().ZoomFactor, 2);
    click("View|Zoom Out");
    EXPECT_EQ(w->view().rx, 10);
}

TEST_F(PictureWindowTest, PercentageIsEnteredInPercent)
{
    p.input("25");
    click("View|Percentage");
    EXPECT_NEAR(w->pictureView().ShiftFraction, 0.25L, 1e-18L);
    click("View|Shift Left");
    EXPECT_NEAR(w->view().cx, -2.5L, 1e-15L); // 2 * 5 * 0.25
    p.input("0");
    click("View|Percentage");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    EXPECT_NEAR(w->pictureView().ShiftFraction, 0.25L, 1e-18L);
}

TEST_F(PictureWindowTest, HyphenToMinusRefusesCodesOutside32To255)
{
    for (const char* bad : {"31", "256"}) {
        p.input(bad);
        click("View|Hyphen to minus");
        EXPECT_EQ(p.lastMessage(), hmm(17)) << bad;
        EXPECT_FALSE(w->axes().hyphenToMinus);
        EXPECT_EQ(w->axes().minusChar, 150);
    }
    p.input("45");
    click("View|Hyphen to minus");
    EXPECT_TRUE(w->axes().hyphenToMinus);
    EXPECT_EQ(w->axes().minusChar, 45);
    EXPECT_TRUE(hw->menuItemChecked(gcm::HyphenToMinus));
    // A refused code keeps the previous setting, on.
    p.input("256");
    click("View|Hyphen to minus");
    EXPECT_TRUE(w->axes().hyphenToMinus);
    EXPECT_EQ(w->axes().minusChar, 45);
    // Cancel turns the replacement off.
    p.input(std::nullopt);
    click("View|Hyphen to minus");
    EXPECT_FALSE(w->axes().hyphenToMinus);
}

TEST_F(PictureWindowTest, ThicknessInputs)
{
    p.input("-1");
    click("Axes thickness|Screen");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    EXPECT_EQ(w->axes().axesScreenWidth, 1);
    p.input("3");
    click("Axes thickness|Screen");
    EXPECT_EQ(w->axes().axesScreenWidth, 3);
    p.input("0");
    click("Axes thickness|Printed");
    EXPECT_EQ(w->axes().axesPrintedWidth, 1); // printed below 1 becomes 1
    p.input("0");
    click("Gridlines thickness|Screen");
    EXPECT_EQ(w->axes().gridScreenWidth, 0); // a thin pen on screen
    p.input("-2");
    click("Gridlines thickness|Printed");
    EXPECT_EQ(p.lastMessage(), hmm(14));
    EXPECT_EQ(w->axes().gridPrintedWidth, 2);
    p.input("1.5");
    click("Gridlines thickness|Printed");
    EXPECT_EQ(p.lastMessage(), hmm(1));
}

TEST_F(PictureWindowTest, TogglesAndTheirChecks)
{
    click("View|Axes");
    EXPECT_FALSE(w->axes().layout.axesOn);
    EXPECT_FALSE(hw->menuItemChecked(gcm::Axes));
    // The axes switch is part of the view: Last window brings them back.
    click("View|Last window");
    EXPECT_TRUE(w->axes().layout.axesOn);
    click("View|Solid arrowheads");
    EXPECT_TRUE(w->axes().solidArrowheads);
    EXPECT_TRUE(hw->menuItemChecked(gcm::SolidArrowheads));
    click("View|Opaque");
    EXPECT_FALSE(w->axes().opaqueLabels);
    click("File|With back color");
    EXPECT_TRUE(w->withBackColor());
    EXPECT_TRUE(hw->menuItemChecked(gcm::WithBackColor));
}

TEST_F(PictureWindowTest, LayersRedrawOnlyWhatChanged)
{
    const plat::RecordingDC& screen = hw->paintNow();
    EXPECT_EQ(w->pictureDraws(), 1);
    ASSERT_FALSE(screen.ops().empty());
    EXPECT_EQ(screen.ops().back().kind, plat::DrawOp::Bitmap);
    EXPECT_TRUE(w->layerValid(TPreWin::Background));
    EXPECT_TRUE(w->layerValid(TPreWin::Picture));
    // A second paint copies the layers again without drawing.
    hw->paintNow();
    EXPECT_EQ(w->pictureDraws(), 1);
    // A view change redraws the picture layer only.
    click("View|Zoom In");
    EXPECT_TRUE(w->layerValid(TPreWin::Background));
    EXPECT_FALSE(w->layerValid(TPreWin::Picture));
    EXPECT_TRUE(hw->dirty());
    hw->paintNow();
    EXPECT_EQ(w->pictureDraws(), 2);
}

TEST_F(PictureWindowTest, ThePictureLayerShowsAxesScaleAndPicture)
{
    hw->paintNow();
    plat::Bitmap* pic = w->layerBitmap(TPreWin::Picture);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->size(), (plat::Size{640, 480}));
    // Axes in black (role 3 = entry 0) through the middle: y = 0 is pixel
    // row 240 (ky * ymax = 479 / 7.5 * 3.75 = 239.5 -> 239); x = 0 is column
    // 319 (639 / 10 * 5 = 319.5 -> 319).
    EXPECT_EQ(pic->pixel(100, 239), plat::rgb(0, 0, 0));
    EXPECT_EQ(pic->pixel(319, 100), plat::rgb(0, 0, 0));
    // The background is white (role 0 = entry 1).
    EXPECT_EQ(pic->pixel(600, 20), plat::rgb(255, 255, 255));
    const auto& rec = static_cast<plat::RecordingDC&>(pic->dc());
    auto texts = rec.texts();
    for (const char* t : {"-5.0", "1.0", "-3.0", "east", "north", "west", "south", "r = 3"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;
    // The circle's segments in blue.
    int blue = 0;
    for (const auto& op : rec.ops())
        blue += op.kind == plat::DrawOp::Line && op.penColor == plat::rgb(0, 0, 255) && op.penWidth == 2;
    EXPECT_EQ(blue, 48);
}

TEST_F(PictureWindowTest, GridDialogSetsEverySettingAndIsUndoable)
{
    const AxesLayout before = w->axes().layout;
    p.press("SETGRID", gridctl::Rectangular);
    p.press("SETGRID", gridctl::Q3);      // quadrant III off
    p.press("SETGRID", gridctl::KindX);   // x axis only
    p.press("SETGRID", gridctl::PlaceBorder);
    p.dialogText("SETGRID", gridctl::TickX, "0.5");
    p.dialogText("SETGRID", gridctl::DecimalsY, "3");
    p.dialogText("SETGRID", gridctl::Sectors, "8");
    p.dialogText("SETGRID", gridctl::GridPrinted, "0");
    p.press("SETGRID", gridctl::LettersDialog);
    p.dialogText("AXVBLS", gridctl::Letter1, "t");
    p.press("AXVBLS", plat::IdOk);
    p.press("SETGRID", plat::IdOk);
    EXPECT_TRUE(hw->accelerator('G', true, false, false));
    const AxesGridSettings& a = w->axes();
    EXPECT_EQ(a.layout.gridBits, grid::Rectangular | grid::Quadrant1 | grid::Quadrant2 | grid::Quadrant4);
    EXPECT_EQ(a.layout.kind, AxisKind::XOnly);
    EXPECT_EQ(a.scalePlace, ScalePlace::Border);
    EXPECT_EQ(a.layout.tickX, 0.5L);
    EXPECT_EQ(a.layout.decimalsY, 3);
    EXPECT_EQ(a.layout.polarSectors, 8);
    EXPECT_EQ(a.gridPrintedWidth, 1);
    EXPECT_EQ(a.letters[0], "t");
    // The tick length went through the percentage unchanged: 10 pixels.
    EXPECT_EQ(a.layout.tickLength, 10);
    EXPECT_TRUE(p.messages().empty());
    click("View|Last window");
    EXPECT_EQ(w->axes().layout, before);
}

TEST_F(PictureWindowTest, GridDialogRefusesBadEntries)
{
    const AxesGridSettings before = w->axes();
    const std::pair<int, const char*> bad[] = {{gridctl::TickX, "0"},     {gridctl::TickY, "x"},
                                               {gridctl::DecimalsX, "19"}, {gridctl::FrequencyY, "0"},
                                               {gridctl::Sectors, "361"},  {gridctl::AxesScreen, "-1"},
                                               {gridctl::MinusChar, "31"}, {gridctl::TickLength, "101"}};
    const int codes[] = {14, 1, 17, 14, 17, 14, 17, 17};
    for (size_t i = 0; i < std::size(bad); ++i) {
        p.dialogText("SETGRID", bad[i].first, bad[i].second);
        p.press("SETGRID", plat::IdOk);
        click("View|Grid");
        EXPECT_EQ(p.lastMessage(), hmm(codes[i])) << bad[i].second;
        EXPECT_EQ(w->axes(), before);
    }
    EXPECT_TRUE(w->pictureView().stack.empty());
}

TEST_F(PictureWindowTest, ViewDialogAppliesAndRefusesEqualCorners)
{
    click("View|View");
    HeadlessDialog* d = p.visibleDialog("VIEWALL");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->text(viewctl::Width), "5.0000");
    EXPECT_EQ(d->text(viewctl::Up), "3.7500");
    // Equal left and right: refused, the view stays.
    const ViewState before = w->view();
    p.dialogText("VIEWALL", viewctl::Left, "1");
    p.dialogText("VIEWALL", viewctl::Right, "1");
    p.press("VIEWALL", viewctl::ApplyCorners);
    EXPECT_EQ(p.lastMessage(), hmm(6));
    EXPECT_EQ(w->view(), before);
    // Proper corners: corners mode, the dialog shows the new centre.
    p.dialogText("VIEWALL", viewctl::Left, "0");
    p.dialogText("VIEWALL", viewctl::Right, "8");
    p.dialogText("VIEWALL", viewctl::Down, "-1");
    p.dialogText("VIEWALL", viewctl::Up, "5");
    p.press("VIEWALL", viewctl::ApplyCorners);
    EXPECT_EQ(w->view().mode, ViewMode::Corners);
    EXPECT_EQ(w->view().xmax, 8);
    EXPECT_EQ(d->text(viewctl::Hori), "4.0000");
    EXPECT_EQ(d->text(viewctl::Vert), "2.0000");
    // 6 * 640 / (480 * 8) = 1.
    EXPECT_NEAR(w->view().aspect, 1, 1e-18L);
    // Centre and width.
    p.dialogText("VIEWALL", viewctl::Hori, "1");
    p.dialogText("VIEWALL", viewctl::Vert, "2");
    p.dialogText("VIEWALL", viewctl::Width, "3");
    p.press("VIEWALL", viewctl::ApplyCentre);
    EXPECT_EQ(w->view().mode, ViewMode::CentreWidth);
    EXPECT_EQ(w->view().xmin, -2);
    EXPECT_EQ(d->text(viewctl::Left), "-2.0000");
    p.dialogText("VIEWALL", viewctl::Width, "0");
    p.press("VIEWALL", viewctl::ApplyCentre);
    EXPECT_EQ(p.lastMessage(), hmm(14));
    // Zooming elsewhere keeps the open dialog up to date.
    click("View|Zoom Out");
    EXPECT_EQ(d->text(viewctl::Width), "3.3000");
    p.press("VIEWALL", plat::IdCancel);
    EXPECT_FALSE(d->isVisible());
}

TEST_F(PictureWindowTest, AspectOneLeavesCornersMode)
{
    ASSERT_EQ(w->setViewByCorners(0, 10, 0, 10), 0);
    EXPECT_NEAR(w->view().aspect, 10.0L * 640 / (480 * 10), 1e-18L);
    hw->click(gcm::AspectOne);
    EXPECT_EQ(w->view().mode, ViewMode::CentreWidth);
    EXPECT_EQ(w->view().aspect, 1);
    EXPECT_EQ(w->view().cx, 5);
    EXPECT_EQ(w->view().rx, 5);
    EXPECT_NEAR(w->view().ry, 3.75L, 1e-18L);
}

TEST_F(PictureWindowTest, ImageSizeInCentimetresOrPixels)
{
    // 15@ makes both entries pixel counts; 15 is below 50.
    p.input2(std::make_pair(std::string("15@"), std::string("10")));
    click("File|Image size");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    p.input2(std::make_pair(std::string("0.4"), std::string("5")));
    click("File|Image size");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    // 27 cm = 1020 pixels: wide enough on a 1280 x 1024 screen, too high.
    p.input2(std::make_pair(std::string("27"), std::string("27")));
    click("File|Image size");
    EXPECT_EQ(p.lastMessage(), hmm(17));
    EXPECT_EQ(w->clientSize(), (plat::Size{640, 480}));
    p.input2(std::make_pair(std::string("27"), std::string("5")));
    click("File|Image size");
    // round(27 * 0.3937007874 * 96) = round(1020.47) = 1020; 5 cm -> 188.98 -> 189.
    EXPECT_EQ(w->clientSize(), (plat::Size{1020, 189}));
    EXPECT_EQ(hw->geometry().left, 10);
    EXPECT_EQ(hw->geometry().top, 10);
    p.input2(std::make_pair(std::string("400@"), std::string("300")));
    click("File|Image size");
    EXPECT_EQ(w->clientSize(), (plat::Size{400, 300}));
    EXPECT_EQ(w->view().W, 400);
    EXPECT_NEAR(w->view().ry, 3.75L, 1e-18L);
    p.input2(std::make_pair(std::string("1280@"), std::string("300")));
    click("File|Image size");
    EXPECT_EQ(p.lastMessage(), hmm(17)); // no 8 pixels to spare
    p.input2(std::make_pair(std::string("ten"), std::string("3")));
    click("File|Image size");
    EXPECT_EQ(p.lastMessage(), hmm(1));
    EXPECT_EQ(w->clientSize(), (plat::Size{400, 300}));
}

TEST_F(PictureWindowTest, DrawingAreaNeverBelowTwoByTwo)
{
    hw->setClientSize({1, 0});
    EXPECT_EQ(w->view().W, 2);
    EXPECT_EQ(w->view().H, 2);
    EXPECT_TRUE(std::isfinite(w->view().kx));
    hw->paintNow(); // draws without trouble
    hw->setClientSize({300, 200});
    EXPECT_EQ(w->view().W, 300);
    EXPECT_NEAR(w->view().ry, 5.0L * 200 / 300, 1e-18L);
}

TEST_F(PictureWindowTest, ExportsWaitForTheirWriters)
{
    for (const char* path : {"Export graphics|EPS", "Export graphics|SVG", "Export graphics|PiCTeX"}) {
        p.clearMessages();
        click(path);
        EXPECT_EQ(p.lastMessage(), hmm(30)) << path;
    }
    w->addBmpMenuItem();
    EXPECT_EQ(hw->findCommand("Export graphics|BMP"), gcm::ExportBmp);
    w->addBmpMenuItem(); // only once
    int bmps = 0;
    std::function<void(const std::vector<plat::MenuItem>&)> count = [&](const std::vector<plat::MenuItem>& items) {
        for (const auto& it : items) {
            bmps += it.id == gcm::ExportBmp;
            count(it.items);
        }
    };
    count(hw->menu());
    EXPECT_EQ(bmps, 1);
    // A registered driver runs instead.
    int ran = 0;
    TVELWing::setExportDriver(gcm::ExportSvg, [&](TVELWing& win) { ran += &win == w.get(); });
    click("Export graphics|SVG");
    EXPECT_EQ(ran, 1);
    TVELWing::setExportDriver(gcm::ExportSvg, nullptr);
}

TEST_F(PictureWindowTest, RunExportSetsTheFlagAroundThePages)
{
    testgfx::RecordingBackend eps(OutputKind::Eps);
    w->prims().setBackend(OutputKind::Eps, &eps);
    w->exportState(ExportFormat::Eps).pages = 3;
    std::vector<int> pages;
    auto writer = [&](int page) {
        EXPECT_TRUE(w->prims().output().eps());
        EXPECT_FALSE(w->prims().output().svg());
        pages.push_back(page);
        return w->DrawPage(page, w->measuringDC());
    };
    EXPECT_EQ(w->runExport(ExportFormat::Eps, writer), 0);
    EXPECT_EQ(pages, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(w->prims().output().exporting());
    // The page reached the EPS back-end: the picture's segments, the axes
    // with their comments.
    EXPECT_GE(eps.count("segment"), 5u + 48u);
    EXPECT_EQ(eps.count("% x axis begin"), 3u);
    EXPECT_EQ(eps.count("label"), 3u * 7u);
    // A repaint while the export runs draws on the screen layers only.
    const size_t before = eps.calls.size();
    auto repainting = [&](int page) {
        w->invalidateLayer(TPreWin::Picture);
        hw->paintNow();
        EXPECT_TRUE(w->prims().output().eps());
        return page >= 0;
    };
    w->exportState(ExportFormat::Eps).pages = 1;
    EXPECT_EQ(w->runExport(ExportFormat::Eps, repainting), 0);
    EXPECT_EQ(eps.calls.size(), before);
    w->exportState(ExportFormat::Eps).pages = 3;
    // A key press after the first page stops the export, successfully.
    pages.clear();
    p.key('q');
    EXPECT_EQ(w->runExport(ExportFormat::Eps, writer), 0);
    EXPECT_EQ(pages, std::vector<int>{0});
    // A failing page fails the export; the flag is cleared all the same.
    pages.clear();
    auto failing = [&](int page) {
        pages.push_back(page);
        return page < 1;
    };
    EXPECT_EQ(w->runExport(ExportFormat::Eps, failing), 12);
    EXPECT_EQ(pages, (std::vector<int>{0, 1}));
    EXPECT_FALSE(w->prims().output().exporting());
    w->prims().setBackend(OutputKind::Eps, nullptr);
}

TEST_F(PictureWindowTest, HelpItemsShowTheirTexts)
{
    click("View|Help");
    EXPECT_TRUE(w->helpWindow().visible());
    EXPECT_NE(w->helpWindow().text().find("THE VIEW MENU"), std::string::npos);
    click("Colors|Help");
    EXPECT_NE(w->helpWindow().text().find("THE COLORS MENU"), std::string::npos);
    click("File|Help");
    EXPECT_NE(w->helpWindow().text().find("THE FILE MENU"), std::string::npos);
}

TEST_F(PictureWindowTest, MouseModesAndNotebook)
{
    EXPECT_EQ(w->mouseMode(), MouseMode::Drawing);
    hw->click(gcm::ModeText);
    EXPECT_EQ(w->mouseMode(), MouseMode::Text);
    hw->click(gcm::ModeRotate);
    EXPECT_EQ(w->mouseMode(), MouseMode::Rotate);
    EXPECT_FALSE(w->hasNotebook());
    click("File|Notebook");
    EXPECT_TRUE(w->hasNotebook());
    EXPECT_TRUE(w->notebook().visible());
    EXPECT_EQ(w->notebookText(), "");
}

TEST_F(PictureWindowTest, ColorsMenuOpensTheColourWindowForTheRole)
{
    click("Colors|Axes");
    EXPECT_EQ(w->colorWindow().role(), RoleAxes);
    click("Colors|Background");
    EXPECT_EQ(w->colorWindow().role(), RoleBackground);
}

TEST_F(PictureWindowTest, FormatDialogEditsThePrintFormat)
{
    // The width is shown in centimetres: 6 inches = 15.24 cm.
    p.dialogText("PRNSPX2", 203, "10.16");
    p.press("PRNSPX2", 207); // frame image
    p.press("PRNSPX2", plat::IdOk);
    click("File|Format");
    EXPECT_NEAR(w->printFormat().width, 4, 1e-15L);
    EXPECT_TRUE(w->printFormat().frameImage);
    EXPECT_TRUE(w->changed());
    // With "frame image" the picture gets its frame one pixel outside.
    hw->paintNow();
    const auto& rec = static_cast<plat::RecordingDC&>(w->layerBitmap(TPreWin::Picture)->dc());
    auto frame = std::find_if(rec.ops().rbegin(), rec.ops().rend(),
                              [](const plat::DrawOp& op) { return op.kind == plat::DrawOp::Rectangle; });
    ASSERT_NE(frame, rec.ops().rend());
    EXPECT_EQ(frame->pts[0], (plat::Point{-1, -1}));
    EXPECT_EQ(frame->pts[1], (plat::Point{641, 481}));
    // Cancel keeps everything.
    p.dialogText("PRNSPX2", 203, "2");
    p.press("PRNSPX2", plat::IdCancel);
    click("File|Format");
    EXPECT_NEAR(w->printFormat().width, 4, 1e-15L);
}

TEST_F(PictureWindowTest, HeaderStateCarriesTheWindowsSettings)
{
    w->setColorEntry(7, plat::rgb(1, 2, 3));
    w->setColorRole(RoleGrid, 7);
    w->printFormat().colorPrinter = false;
    HeaderState h = w->headerState();
    EXPECT_EQ(h.colors.at(7), plat::rgb(1, 2, 3));
    EXPECT_EQ(h.roles[RoleGrid], 7);
    EXPECT_FALSE(h.printFormat.colorPrinter);
    EXPECT_EQ(h.placement.width, 640);
    // Into a fresh window: the same colours, roles and print format.
    auto other = makeWindow<TDemoPicWin>(nullptr, DocInit{});
    other->applyHeaderState(h);
    EXPECT_EQ(other->colorTable(), w->colorTable());
    EXPECT_EQ(other->colorRoles(), w->colorRoles());
    EXPECT_EQ(other->printFormat(), w->printFormat());
    // Printed without colour, the grid role prints as its grey level:
    // trunc(0.3 + 1.18 + 0.33) = 1.
    other->prims().env().printing = true;
    other->prims().env().colorPrinter = false;
    EXPECT_EQ(other->prims().deviceColor(7, false), plat::rgb(1, 1, 1));
}
