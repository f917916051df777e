// The chart's layout for example 1 with the critical-path list on two
// processors, positions worked by hand: box 0..1000 x 0..600, "8888"
// 40 x 20 pixels, so rows of 32, the band from 40 to 960 (920 wide) and
// from 504 to 568; a time x at 40 + x * 920 / 27.
#include "schedtest.h"

#include "schedule/core/chart.h"

using namespace quan;
using namespace schedtest;

TEST(Chart, ExampleOneCriticalPathOnTwo)
{
    Schedule s;
    ASSERT_EQ(applyList(example1(), "EFGCBAHD", 2, true, s), 0);
    const ChartLayout c = chartLayout(s, {0, 0, 1000, 600}, 40, 20);
    EXPECT_EQ(c.rowHeight, 32);
    EXPECT_EQ(c.left, 40);
    EXPECT_EQ(c.right, 960);
    EXPECT_EQ(c.top, 504);
    EXPECT_EQ(c.bottom, 568);
    // x(7) = 40 + 238, x(8) = 40 + 272, x(12) = 40 + 408, x(14) = 40 + 477,
    // x(19) = 40 + 647, x(22) = 40 + 749, x(23) = 40 + 783.
    const struct {
        const char* name;
        int row;
        long long x0, x1;
    } cells[] = {{"E", 0, 40, 312},  {"F", 0, 312, 517}, {"G", 0, 517, 823}, {"H", 0, 823, 960},
                 {"B", 1, 40, 278},  {"A", 1, 278, 448}, {"C", 1, 517, 687}, {"D", 1, 687, 789}};
    ASSERT_EQ(c.cells.size(), 8u);
    for (size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(slotName(c.cells[k].task), cells[k].name);
        EXPECT_EQ(c.cells[k].processor, cells[k].row);
        EXPECT_EQ(c.cells[k].x0, cells[k].x0) << cells[k].name;
        EXPECT_EQ(c.cells[k].x1, cells[k].x1) << cells[k].name;
        EXPECT_EQ(c.cells[k].top, 504 + 32 * cells[k].row);
        EXPECT_EQ(c.cells[k].bottom, 536 + 32 * cells[k].row);
        // Baseline at the middle plus a fifth of the row: 504 + 16 + 6.
        EXPECT_EQ(c.cells[k].baseline, 526 + 32 * cells[k].row);
        EXPECT_EQ(c.cells[k].textX, (cells[k].x0 + cells[k].x1) / 2);
    }
    std::vector<int> times;
    for (const ChartMark& m : c.marks)
        times.push_back(m.time);
    EXPECT_EQ(times, (std::vector<int>{0, 7, 8, 12, 14, 19, 22, 23, 27}));
    EXPECT_EQ(c.marks.front().x, 40);
    EXPECT_EQ(c.marks.back().x, 960);
    ASSERT_EQ(c.numbers.size(), 2u);
    EXPECT_EQ(c.numbers[1].text, "2");
    EXPECT_EQ(c.numbers[1].right, 36);
    EXPECT_EQ(c.numbers[1].baseline, 558);
    EXPECT_EQ(c.rowLines, std::vector<long long>{536});
    // Ticks: starts above 0 and finishes below 27, each across its row:
    // E 8; F 8, 14; G 14, 23; H 23; B 7; A 7, 12; C 14, 19; D 19, 22.
    EXPECT_EQ(c.ticks.size(), 13u);
}

TEST(Chart, TwentyRowsAndLongTimes)
{
    // 52 tasks of 32 767 in a chain: 52 x 32 767 = 1 703 884 on the clock.
    std::vector<int> t(52, 32767);
    std::string edges, list;
    Graph g(kScheduleSlots);
    for (int v = 0; v < 52; ++v) {
        g.addVertexInSlot(v, v, 0);
        setTaskTime(g, v, 32767);
        if (v > 0) {
            g.SetWeight(v - 1, v, 0);
            g.SetDirection(v - 1, v, 1);
        }
        list += slotName(v);
    }
    Schedule s;
    ASSERT_EQ(applyList(g, list, 20, true, s), 0);
    EXPECT_EQ(s.finishing, 1703884);
    const ChartLayout c = chartLayout(s, {0, 0, 100000, 2000}, 40, 20);
    EXPECT_EQ(c.numbers.size(), 20u);
    EXPECT_EQ(c.rowLines.size(), 19u);
    EXPECT_EQ(c.top, 2000 - 32 - 20 * 32);
    // The last start: 51 x 32 767 x 99 920 / 1 703 884 without overflow.
    EXPECT_EQ(c.cells.back().x0, 40 + 1671117LL * 99920 / 1703884);
    EXPECT_EQ(c.cells.back().x1, 99960);
}

// Twenty processors in a 640 x 480 area with "8888" 28 x 13: rows of 8/5 x 13
// = 20 would need 21 x 20 = 420 pixels. The band and its time row keep to
// three fifths of the height (288): rows of 288 / 21 = 13, the band's bottom
// at 480 - 13 = 467 and its top at 467 - 20 x 13 = 207, every number inside.
TEST(Chart, TwentyProcessorsFitTheArea)
{
    Schedule s;
    ASSERT_EQ(applyList(example1(), "EFGCBAHD", 20, true, s), 0);
    const ChartLayout c = chartLayout(s, {0, 0, 640, 480}, 28, 13);
    EXPECT_EQ(c.rowHeight, 13);
    EXPECT_EQ(c.bottom, 467);
    EXPECT_EQ(c.top, 207);
    ASSERT_EQ(c.numbers.size(), 20u);
    EXPECT_GE(c.numbers.front().baseline - 13, 0);
    EXPECT_LE(c.numbers.back().baseline, c.bottom);
    // Two processors keep the full row height: 8/5 x 13 = 20.
    ASSERT_EQ(applyList(example1(), "EFGCBAHD", 2, true, s), 0);
    EXPECT_EQ(chartLayout(s, {0, 0, 640, 480}, 28, 13).rowHeight, 20);
}
