// The chart of a schedule (a Gantt chart) as positions in device pixels,
// a function of the schedule, the visible rectangle and the extent of the
// text "8888" in the summary font; the window draws it through the
// graphics primitives, so screen, printer and exports draw the same.
// Positions are 64-bit: finishing times reach 52 x 32 767.
#pragma once

#include "schedule/core/schedule.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

struct ChartBox {
    long long left = 0, top = 0, right = 0, bottom = 0; // the visible area, pixels
};

struct ChartCell {
    int processor = 0; // 0-based row
    int task = -1;
    long long x0 = 0, x1 = 0, top = 0, bottom = 0;
    long long textX = 0;    // the name centred here
    long long baseline = 0; // on this baseline
};

struct ChartNumber {
    std::string text;       // "1", "2", ...
    long long right = 0;    // right end of the text
    long long baseline = 0;
};

struct ChartTick {
    long long x = 0, top = 0, bottom = 0; // a vertical line across one row
};

struct ChartMark {
    int32_t time = 0;
    long long x = 0; // the time written centred here, its top at the band's bottom
};

struct ChartLayout {
    long long rowHeight = 0;
    long long left = 0, right = 0, top = 0, bottom = 0; // the band
    std::vector<ChartNumber> numbers;
    std::vector<ChartCell> cells;
    std::vector<long long> rowLines; // y of the lines between rows
    std::vector<ChartTick> ticks;
    std::vector<ChartMark> marks;    // in increasing time
};

// The row height is 8/5 of the digit height, less when the P rows and the
// time row would take more than three fifths of the area's height (then
// that height over P + 1); the band runs from one digit
// width inside the left edge to one inside the right edge, its bottom one
// row above the bottom edge, P rows high, processor 1 on top. A time x
// stands at left + x * width / finishing. Processor numbers end 4 pixels
// left of the band with their baseline at the row's middle plus h/5, as the
// task names centred in their cells. Marked are 0, the finishing time,
// every start above 0 and every finish below the finishing time, each start
// and finish with a line across its row.
ChartLayout chartLayout(const Schedule& s, const ChartBox& box, long long digitWidth, long long digitHeight);

} // namespace quan
