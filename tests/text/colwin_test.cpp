// The colour window, the RGB dialog, grey levels and the layers of TPreWin.
#include "fixture.h"

#include "text/colwin.h"
#include "text/textwin.h"

using namespace quan;
using texttest::HeadlessTest;

TEST(ColorGridLayout, ClicksMapToIndices)
{
    // A 256 x 308 client: cells 32 x 22. Row r of the grid is at
    // y = (r + 2) * 22, column c at x = c * 32.
    const plat::Size client{256, 308};
    auto at = [&](int x, int y) { return colorGridClick(client, {x, y}); };
    EXPECT_EQ(at(40, 70).index, 1);   // column 1, row 1
    EXPECT_EQ(at(200, 70).index, 6);  // column 6, row 1
    EXPECT_EQ(at(40, 92).index, 7);   // column 1, row 2
    EXPECT_EQ(at(100, 160).index, 27); // column 3 (96..127), row 5 (154..175): 4 * 6 + 3
    EXPECT_EQ(at(200, 270).index, 60); // column 6, row 10
    EXPECT_EQ(at(40, 50).kind, ColorClick::Pick);
    EXPECT_EQ(at(40, 50).index, 0);   // column 1, row 0
    EXPECT_EQ(at(100, 50).kind, ColorClick::None); // row 0 holds only index 0
    EXPECT_EQ(at(10, 70).kind, ColorClick::None);  // column 0
    EXPECT_EQ(at(230, 70).kind, ColorClick::None); // column 7
    EXPECT_EQ(at(40, 290).kind, ColorClick::None); // row 11
    EXPECT_EQ(at(100, 30).kind, ColorClick::OpenRgb); // the preview band
    EXPECT_EQ(at(40, 30).kind, ColorClick::OpenRgb);
    EXPECT_EQ(at(200, 30).kind, ColorClick::None);
    EXPECT_EQ(at(100, 10).kind, ColorClick::None);
    EXPECT_EQ(at(-5, 70).kind, ColorClick::None);
    // A client too small for cells answers no click.
    EXPECT_EQ(colorGridClick({7, 13}, {3, 3}).kind, ColorClick::None);
}

TEST(ColorGridLayout, CellsAndPreview)
{
    ColorGrid g({256, 308});
    EXPECT_EQ(g.cell(1), (plat::Rect{32, 66, 65, 89}));
    EXPECT_EQ(g.cell(0), (plat::Rect{32, 44, 65, 67}));
    EXPECT_EQ(g.cell(60), (plat::Rect{192, 264, 225, 287}));
    EXPECT_EQ(g.preview(), (plat::Rect{96, 22, 160, 44}));
    // Every cell's centre clicks back to its own index.
    for (int i = 0; i <= 60; ++i) {
        plat::Rect r = g.cell(i);
        ColorClick c = colorGridClick({256, 308}, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        EXPECT_EQ(c.kind, ColorClick::Pick);
        EXPECT_EQ(c.index, i);
    }
}

TEST(GreyLevels, HandWorkedValues)
{
    ColorTable t = initialColorTable();
    GreyLevels g = greyLevels(t);
    EXPECT_EQ(g[0], 0);
    EXPECT_EQ(g[1], 255);
    EXPECT_EQ(g[2], 104); // 255,0,255: 76.5 + 28.05
    EXPECT_EQ(g[5], 119); // 0,191,63: 112.69 + 6.93
    EXPECT_EQ(g[19], 192); // 192,192,192
    EXPECT_EQ(g[10], 75); // 160,47,0: 48 + 27.73
    t.set(2, rgb(255, 255, 255));
    EXPECT_EQ(greyLevels(t)[2], 255);
    // Entries 0 and 1 keep their fixed greys whatever they hold.
    t.set(0, rgb(255, 255, 255));
    t.set(1, 0);
    EXPECT_EQ(greyLevels(t)[0], 0);
    EXPECT_EQ(greyLevels(t)[1], 255);
}

namespace {

class ColWinTest : public HeadlessTest {
protected:
    ColWinTest()
    {
        owner = makeWindow<TPreWin>(nullptr, DocInit{"picture.gra"});
        owner->editColorRole(3, "axes");
        cw = &owner->colorWindow();
    }
    void clickAt(int x, int y)
    {
        plat::MouseEvent e;
        e.kind = plat::MouseEvent::Press;
        e.button = 1;
        e.pos = {x, y};
        cw->mouse(e);
    }
    plat::HeadlessDialog* rgbDlg() { return p.visibleDialog("EDITRGB"); }
    std::unique_ptr<TPreWin> owner;
    TColWin* cw = nullptr;
};

} // namespace

TEST_F(ColWinTest, PickingSetsTheRoleAndTheRgbDialog)
{
    EXPECT_TRUE(cw->window()->isVisible());
    EXPECT_EQ(cw->window()->caption(), "axes");
    EXPECT_EQ(cw->chosenIndex(), 19);
    ASSERT_EQ(cw->clientSize(), (plat::Size{256, 308}));
    win(owner->window()).paintNow();
    EXPECT_FALSE(win(owner->window()).dirty());

    clickAt(40, 92); // index 7: 0,127,127
    EXPECT_EQ(owner->colorRole(3), 7);
    EXPECT_TRUE(win(owner->window()).dirty()); // the owner repaints
    ASSERT_NE(rgbDlg(), nullptr);
    EXPECT_EQ(rgbDlg()->text(rgbctl::Red), "0");
    EXPECT_EQ(rgbDlg()->text(rgbctl::Green), "127");
    EXPECT_EQ(rgbDlg()->text(rgbctl::Blue), "127");

    clickAt(40, 50); // index 0 hides the dialog
    EXPECT_EQ(owner->colorRole(3), 0);
    EXPECT_EQ(rgbDlg(), nullptr);
    // The preview band does not open the dialog for black or white.
    clickAt(100, 30);
    EXPECT_EQ(rgbDlg(), nullptr);
    clickAt(40, 92);
    EXPECT_NE(rgbDlg(), nullptr);
    clickAt(40, 70); // index 1 hides it too
    EXPECT_EQ(owner->colorRole(3), 1);
    EXPECT_EQ(rgbDlg(), nullptr);
    clickAt(200, 270); // index 60
    EXPECT_EQ(owner->colorRole(3), 60);
    EXPECT_NE(rgbDlg(), nullptr);
    rgbDlg()->hide();
    clickAt(100, 30); // the preview band opens it again for the chosen colour
    ASSERT_NE(rgbDlg(), nullptr);
    EXPECT_EQ(rgbDlg()->text(rgbctl::Green), "100");
    // Other roles are untouched.
    EXPECT_EQ(owner->colorRole(0), 19);
    EXPECT_EQ(owner->colorRole(4), 19);
}

TEST_F(ColWinTest, RgbDialogRefusesOutOfBounds)
{
    clickAt(40, 92); // index 7
    const uint32_t before = owner->color(7);
    p.dialogText("EDITRGB", rgbctl::Red, "256");
    p.press("EDITRGB", rgbctl::Apply);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
    EXPECT_EQ(owner->color(7), before);
    EXPECT_NE(rgbDlg(), nullptr); // still open for a correction
    p.dialogText("EDITRGB", rgbctl::Red, "0");
    p.dialogText("EDITRGB", rgbctl::Blue, "-1");
    p.press("EDITRGB", rgbctl::Apply);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
    EXPECT_EQ(owner->color(7), before);
    p.dialogText("EDITRGB", rgbctl::Blue, "lots");
    p.press("EDITRGB", rgbctl::Apply);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot understand");
    EXPECT_EQ(owner->color(7), before);

    win(owner->window()).paintNow();
    p.dialogText("EDITRGB", rgbctl::Red, "10");
    p.dialogText("EDITRGB", rgbctl::Green, "20");
    p.dialogText("EDITRGB", rgbctl::Blue, "30");
    p.press("EDITRGB", rgbctl::Apply);
    EXPECT_EQ(owner->color(7), 10u + 256u * 20u + 65536u * 30u);
    EXPECT_EQ(owner->grey(7), 18); // 3 + 11.8 + 3.3
    EXPECT_EQ(owner->greyColor(7), rgb(18, 18, 18));
    EXPECT_TRUE(win(owner->window()).dirty());
    // Close (the menu's only item) hides the window and its dialog.
    win(cw->window()).click(win(cw->window()).findCommand("Close"));
    EXPECT_FALSE(cw->window()->isVisible());
    EXPECT_EQ(rgbDlg(), nullptr);
}

TEST_F(ColWinTest, ColorsMenuItemsBindRoles)
{
    owner->command(textcmd::ColorRole0 + 10);
    EXPECT_EQ(cw->role(), 10);
    clickAt(40, 70 + 22); // index 7
    EXPECT_EQ(owner->colorRole(10), 7);
    EXPECT_EQ(owner->colorRole(3), 19);
}

TEST_F(HeadlessTest, LayersAndClientSize)
{
    auto w = makeWindow<TPreWin>(nullptr, DocInit{});
    w->resized({1, 0});
    EXPECT_EQ(w->clientSize(), (plat::Size{2, 2}));
    win(w->window()).setClientSize({40, 30});
    EXPECT_EQ(w->clientSize(), (plat::Size{40, 30}));
    w->setLayerCount(3);
    EXPECT_FALSE(w->layerValid(0));
    win(w->window()).paintNow();
    for (int l = 0; l < 3; ++l)
        EXPECT_TRUE(w->layerValid(l)) << l;
    ASSERT_NE(w->layerBitmap(2), nullptr);
    EXPECT_EQ(w->layerBitmap(2)->size(), (plat::Size{40, 30}));
    // The background role's colour (index 19) fills the picture.
    EXPECT_EQ(w->layerBitmap(2)->pixel(5, 5), rgb(192, 192, 192));
    // Invalidating the picture level leaves the background valid.
    win(w->window()).paintNow();
    w->invalidateLayer(TPreWin::Picture);
    EXPECT_TRUE(w->layerValid(0));
    EXPECT_FALSE(w->layerValid(1));
    EXPECT_FALSE(w->layerValid(2));
    EXPECT_TRUE(win(w->window()).dirty());
    // A new background colour shows after the next paint.
    w->setColorRole(0, 4);
    w->colorsChanged();
    win(w->window()).paintNow();
    EXPECT_EQ(w->layerBitmap(2)->pixel(5, 5), rgb(255, 0, 0));
    // Bad roles and indices are ignored.
    w->setColorRole(0, 61);
    w->setColorRole(15, 3);
    EXPECT_EQ(w->colorRole(0), 4);
    EXPECT_EQ(w->color(99), w->color(0));
}
