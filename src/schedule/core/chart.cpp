#include "schedule/core/chart.h"

#include <algorithm>
#include <set>

namespace quan {

ChartLayout chartLayout(const Schedule& s, const ChartBox& box, long long digitWidth, long long digitHeight)
{
    ChartLayout c;
    const long long P = s.processors();
    long long h = digitHeight * 8 / 5;
    // Many processors in a low window: the band and its time row keep to
    // three fifths of the height, so the digraph keeps the rest and no row
    // runs off the top.
    const long long room = (box.bottom - box.top) * 3 / 5;
    if ((P + 1) * h > room)
        h = std::max<long long>(1, room / (P + 1));
    c.rowHeight = h;
    c.left = box.left + digitWidth;
    c.right = box.right - digitWidth;
    c.bottom = box.bottom - h;
    c.top = c.bottom - P * h;
    const long long width = c.right - c.left;
    const long long finishing = std::max<long long>(1, s.finishing);
    auto xOf = [&](long long t) { return c.left + t * width / finishing; };

    std::set<int32_t> marked{0, s.finishing};
    for (long long p = 0; p < P; ++p) {
        const long long top = c.top + p * h;
        const long long baseline = top + h / 2 + h / 5;
        c.numbers.push_back({formatInt(p + 1), c.left - 4, baseline});
        for (const Assignment& a : s.rows[static_cast<size_t>(p)]) {
            ChartCell cell;
            cell.processor = static_cast<int>(p);
            cell.task = a.task;
            cell.x0 = xOf(a.start);
            cell.x1 = xOf(a.finish);
            cell.top = top;
            cell.bottom = top + h;
            cell.textX = (cell.x0 + cell.x1) / 2;
            cell.baseline = baseline;
            c.cells.push_back(cell);
            if (a.start > 0) {
                marked.insert(a.start);
                c.ticks.push_back({cell.x0, top, top + h});
            }
            if (a.finish < s.finishing) {
                marked.insert(a.finish);
                c.ticks.push_back({cell.x1, top, top + h});
            }
        }
    }
    for (long long p = 1; p < P; ++p)
        c.rowLines.push_back(c.top + p * h);
    for (int32_t t : marked)
        c.marks.push_back({t, xOf(t)});
    return c;
}

} // namespace quan
