// The picture windows' resources: the menu bar, its keys, the dialogs with
// every control the window classes address, and the help texts.
#include "graphics/gridwin.h"
#include "resources/rc.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace quan;

namespace {
std::set<int> controlIds(const std::string& dialog)
{
    std::set<int> ids;
    for (const auto& c : dialogResource(dialog).controls)
        ids.insert(c.id);
    return ids;
}
std::set<int> menuIds(const plat::Menu& m)
{
    std::set<int> ids;
    std::function<void(const std::vector<plat::MenuItem>&)> walk = [&](const std::vector<plat::MenuItem>& items) {
        for (const auto& it : items) {
            if (it.id)
                ids.insert(it.id);
            walk(it.items);
        }
    };
    walk(m);
    return ids;
}
} // namespace

TEST(GraphicsResources, MenuBarAndKeys)
{
    ASSERT_TRUE(hasMenuResource("PICMENU"));
    const plat::Menu& m = menuResource("PICMENU");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].label, "&File");
    EXPECT_EQ(m[1].label, "&View");
    EXPECT_EQ(m[2].label, "&Colors");
    std::set<int> ids = menuIds(m);
    for (int id : {104, 106, 107, 108, 321, 322, 323, 324, 325, 111, 109, 110, 220, 320, 100, 101, 150, 151, 92, 85,
                   87, 70, 90, 221, 304, 330, 331, 332})
        EXPECT_TRUE(ids.count(id)) << id;
    for (int k = 200; k <= 214; ++k)
        EXPECT_TRUE(ids.count(k)) << k;
    // Each menu ends with its Help item.
    for (const auto& popup : m)
        EXPECT_EQ(popup.items.back().label == "&Help" || popup.items[popup.items.size() - 2].label == "&Help", true)
            << popup.label;

    struct Key {
        int key;
        bool ctrl, shift;
        int id;
    };
    const Key keys[] = {{plat::vk::Prior, false, false, 107}, {plat::vk::Next, false, false, 106},
                        {plat::vk::Left, false, false, 322},  {plat::vk::Right, false, false, 323},
                        {plat::vk::Down, false, false, 324},  {plat::vk::Up, false, false, 325},
                        {'L', true, false, 111},              {'G', true, false, 320},
                        {'P', true, true, 304}};
    const auto& acc = acceleratorResource("PICMENU");
    for (const Key& k : keys) {
        bool found = false;
        for (const auto& a : acc)
            found = found || (a.key == k.key && a.ctrl == k.ctrl && a.shift == k.shift && a.id == k.id);
        EXPECT_TRUE(found) << k.id;
    }
    // The shortcut is shown beside the label.
    EXPECT_EQ(m[1].items[2].label, "Zoom &In");
    EXPECT_EQ(m[1].items[2].shortcut, "PgUp");
}

TEST(GraphicsResources, DialogsHoldTheirControls)
{
    using namespace viewctl;
    EXPECT_EQ(controlIds("VIEWCEN"), (std::set<int>{-1, Hori, Vert, Width, plat::IdOk, plat::IdCancel}));
    EXPECT_EQ(controlIds("VIEWCOR"), (std::set<int>{-1, Left, Right, Down, Up, plat::IdOk, plat::IdCancel}));
    EXPECT_EQ(controlIds("VIEWALL"), (std::set<int>{-1, Hori, Vert, Width, Left, Right, Down, Up, ApplyCentre,
                                                    ApplyCorners, plat::IdCancel}));
    std::set<int> grid = controlIds("SETGRID");
    using namespace gridctl;
    for (int id : {AxesOn, SolidArrowheads, Opaque, KindBoth, KindX, KindY, KindPolar, Ticks, Arrows, Dots, Letters,
                   TickX, TickY, TickLength, ScaleX, ScaleY, PiX, PiY, PlaceAxes, PlaceBorder, DecimalsX, DecimalsY,
                   FrequencyX, FrequencyY, Rectangular, Q1, Q2, Q3, Q4, Polar, Dotted, Sectors, AxesScreen,
                   AxesPrinted, GridScreen, GridPrinted, HyphenToMinus, MinusChar, PiChar, LettersDialog,
                   plat::IdOk, plat::IdCancel})
        EXPECT_TRUE(grid.count(id)) << id;
    EXPECT_EQ(controlIds("AXVBLS"), (std::set<int>{-1, Letter1, Letter2, Letter3, plat::IdOk, plat::IdCancel}));
    EXPECT_EQ(dialogResource("AXVBLS").title, "labels on axes");
    // The field labels are the system's texts.
    std::vector<std::string> labels;
    for (const auto& c : dialogResource("VIEWALL").controls)
        if (c.type == plat::ControlType::Static)
            labels.push_back(c.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"hori", "vert", "width", "left", "right", "down", "up"}));
}

TEST(GraphicsResources, HelpTexts)
{
    for (const char* name : {"QNPICFH", "QNPICVH", "QNPICCH"}) {
        EXPECT_TRUE(hasHelpText(name)) << name;
        EXPECT_GT(helpText(name).size(), 200u) << name;
    }
}

TEST(GridFieldsRoundTrip, SettingsSurviveTheDialogFields)
{
    AxesGridSettings s;
    s.layout.axesOn = true;
    s.layout.kind = AxisKind::PolarRay;
    s.layout.tickX = 0.25L;
    s.layout.tickLength = 13;
    s.layout.gridBits = grid::Rectangular | grid::Quadrant3 | grid::Dotted;
    s.layout.polarSectors = 7;
    s.scalePlace = ScalePlace::Border;
    s.letters = {"t", "s", "u"};
    s.piChar = 80;
    AxesGridSettings back;
    ASSERT_EQ(parseGridFields(gridFields(s, 1280), 1280, back), 0);
    EXPECT_EQ(back, s);
    // The tick length is shown as a percentage of the screen width:
    // 100 * 13 / 1280 = 1.015625 -> "1.02", which reads back as 13.06 -> 13.
    EXPECT_EQ(gridFields(s, 1280).tickLengthPercent, "1.02");
    GridFields f = gridFields(s, 1280);
    f.frequencyX = "40000";
    EXPECT_EQ(parseGridFields(f, 1280, back), 17);
    f = gridFields(s, 1280);
    f.axisLetters[0] = std::string(30, 'a');
    ASSERT_EQ(parseGridFields(f, 1280, back), 0);
    EXPECT_EQ(back.letters[0].size(), 20u);
}
