#include "schedule/core/schedtext.h"

#include "core/msgcode.h"
#include "core/numberscan.h"
#include "graphs/core/examples.h"
#include "schedule/core/schedule.h"

#include <cmath>
#include <limits>

namespace quan {

namespace {

bool overflowed(Real v) { return !std::isfinite(v) || std::fabs(v) >= std::numeric_limits<Real>::max(); }

struct Example {
    const char* times;   // "A5 B7 ..." as letter and time
    const char* edges;   // "EF FC ..." pairs of letters
    const char* list;
    const char* cells;   // column and row of each task, in tenths: "10 10 20 10 ..."
    int columns;         // the grid width is the visible width over this
};

const Example kExamples[kScheduleExamples] = {
    {"5 7 5 3 8 6 9 4", "EF FC CD FG GH", "BADCHGFE", "10 10 20 10 30 10 40 10 10 20 20 20 30 30 40 30", 5},
    {"7 6 7 2 13 6 1 5 8", "AB BC DE EF GH HI BF GE", "EIACBFHDG",
     "10 10 20 10 30 10 10 20 20 20 30 20 10 30 20 30 30 30", 4},
    {"11 12 12 9 8 10 12", "AB CD DE FG CB BE GE", "ABCDEFG", "10 10 20 10 10 20 20 20 30 20 10 30 20 30", 4},
    {"12 13 20 9 15 7 10", "AB BC DE FG EC FE GC", "ACGBDEF", "10 10 20 10 30 10 10 18 24 18 10 30 26 30", 4},
    {"8 6 3 5 2 9 7", "AB BC DE EF DB EC", "ABCDEFG", "10 10 20 10 30 10 10 20 20 20 30 20 10 30", 4},
    {"8 12 6 9 10 10 3 7", "AB BC DB BE FE GH", "ADGFBHCE", "10 10 20 10 30 10 10 20 30 20 10 30 20 30 30 30", 4},
    {"7 5 5 4 1 6 6 7 4 4 3 8 5 3 2", "AC BC CD DE EF GH HI IJ JK LM MN NO CH JE HM IN JO", "ABCDEFGHIJKLMNO",
     "10 10 10 20 20 20 50 20 70 20 80 20 10 30 30 30 50 30 60 30 80 30 10 40 40 40 60 40 80 40", 9},
};

std::vector<int> numbersOf(const char* s)
{
    std::vector<int> v;
    for (Real r : scanNumbers(s, 1000))
        v.push_back(roundHalfDown(r));
    return v;
}

} // namespace

int pasteTaskDigraph(Graph& g, const std::string& text, std::string* list)
{
    const std::vector<Real> n = scanNumbers(text, std::numeric_limits<size_t>::max());
    size_t p = 0;
    auto integer = [&]() { return static_cast<long long>(roundHalfDown(n[p++])); };
    if (n.empty())
        return codeOf(Msg::NothingToDo);
    const long long nV = integer();
    if (nV < 0)
        return codeOf(Msg::PositiveValue);
    if (nV == 0)
        return codeOf(Msg::NothingToDo);
    if (nV > g.slots())
        return codeOf(Msg::TooManyPoints);
    if (n.size() < 3 * static_cast<size_t>(nV) + 1)
        return codeOf(Msg::VerticesMiscounted);
    Graph h(g.slots());
    h.newLabelState = g.newLabelState;
    for (int v = 0; v < nV; ++v) {
        const Real x = n[p++];
        const Real y = n[p++];
        if (overflowed(x) || overflowed(y))
            return codeOf(Msg::InconsistentData);
        h.addVertexInSlot(v, x, y);
        h.setLabelState(v, labelState(TextAlphabet, IconBullet));
    }
    for (int v = 0; v < nV; ++v) {
        const long long t = integer();
        if (t < 1)
            return codeOf(Msg::PositiveValue);
        if (t > kMaxTaskTime)
            return codeOf(Msg::OutOfBounds);
        setTaskTime(h, v, static_cast<int>(t));
    }
    if (p < n.size()) {
        const long long nE = integer();
        if (nE < 0)
            return codeOf(Msg::PositiveValue);
        if ((n.size() - p) / 2 < static_cast<size_t>(nE))
            return codeOf(Msg::NotEnoughData);
        for (long long k = 0; k < nE; ++k) {
            const long long a = integer() - 1, b = integer() - 1;
            // A task before itself is no precedence a schedule can keep.
            if (a < 0 || a >= nV || b < 0 || b >= nV || a == b)
                return codeOf(Msg::InconsistentData);
            const int u = static_cast<int>(a), v = static_cast<int>(b);
            // A pair and its reverse share one matrix cell: the edge then
            // runs both ways (shown so, refused by the list buttons), never
            // the later pair alone.
            const int d = h.Adjacent(u, v) ? h.Direction(u, v) : 0;
            h.SetWeight(u, v, 0);
            h.SetDirection(u, v, d == -1 || d == 2 ? 2 : 1);
        }
    }
    h.digraph = true;
    h.weightsShown = false;
    h.ClearSolution(true);
    h.ComputeValences();
    h.modified = true;
    std::string names;
    for (int v = 0; v < nV; ++v)
        names += slotName(v);
    g = std::move(h);
    if (list)
        *list = names;
    return 0;
}

bool loadScheduleExample(Graph& g, int k, const ExampleArea& area, std::string* list)
{
    if (k < 1 || k > kScheduleExamples)
        return false;
    const Example& e = kExamples[k - 1];
    const std::vector<int> times = numbersOf(e.times);
    const std::vector<int> cells = numbersOf(e.cells);
    const Real dx = area.width / e.columns, dy = area.height / 7;
    Graph h(g.slots());
    h.newLabelState = labelState(TextAlphabet, IconBullet);
    for (size_t v = 0; v < times.size(); ++v) {
        const Real c = cells[2 * v] / 10.0L, r = cells[2 * v + 1] / 10.0L;
        h.addVertexInSlot(static_cast<int>(v), area.xmin + c * dx, area.ymax - r * dy);
        h.setLabelState(static_cast<int>(v), labelState(TextAlphabet, IconBullet));
        setTaskTime(h, static_cast<int>(v), times[v]);
    }
    for (const char* s = e.edges; *s;) {
        if (*s == ' ') {
            ++s;
            continue;
        }
        const int a = s[0] - 'A', b = s[1] - 'A';
        h.SetWeight(a, b, 0);
        h.SetDirection(a, b, 1);
        s += 2;
    }
    h.digraph = true;
    h.weightsShown = false;
    h.ClearSolution(true);
    h.ComputeValences();
    g = std::move(h);
    if (list)
        *list = e.list;
    return true;
}

std::string taskDigraphText(const Graph& g, int decimals)
{
    const std::vector<int> tasks = g.presentVertices();
    std::vector<int> number(static_cast<size_t>(g.slots()), 0);
    for (size_t k = 0; k < tasks.size(); ++k)
        number[static_cast<size_t>(tasks[k])] = static_cast<int>(k) + 1;
    std::string out = "tasks: ";
    out += formatInt(static_cast<long long>(tasks.size()));
    out += "\r\n";
    // Eight to a line, as in the File help's example.
    auto lines = [&](const std::vector<std::string>& items) {
        for (size_t k = 0; k < items.size(); ++k) {
            if (k > 0)
                out += k % 8 == 0 ? "\r\n" : "  ";
            out += items[k];
        }
        out += "\r\n";
    };
    std::vector<std::string> items;
    for (int v : tasks) {
        std::string xy = formatReal(g.x(v), 0, decimals);
        xy += ' ';
        xy += formatReal(g.y(v), 0, decimals);
        items.push_back(xy);
    }
    lines(items);
    out += "times:";
    for (int v : tasks) {
        out += ' ';
        out += formatInt(taskTime(g, v));
    }
    out += "\r\n";
    items.clear();
    for (int a : tasks)
        for (int b : tasks) {
            if (a == b || !g.Adjacent(a, b))
                continue;
            const int d = g.Direction(a, b);
            if (d == 1 || d == 2) {
                std::string pair = formatInt(number[static_cast<size_t>(a)]);
                pair += ' ';
                pair += formatInt(number[static_cast<size_t>(b)]);
                items.push_back(pair);
            }
        }
    out += "arrows: ";
    out += formatInt(static_cast<long long>(items.size()));
    out += "\r\n";
    if (!items.empty())
        lines(items);
    return out;
}

int gridTaskDigraph(Graph& g, long long rows, long long columns, int low, int high, const ExampleArea& area,
                    Random& rng, std::string* list)
{
    if (rows < 1 || columns < 1 || rows > g.slots() || columns > g.slots() || rows * columns > g.slots() ||
        !timeRangeValid(low, high))
        return codeOf(Msg::OutOfBounds);
    Graph h(g.slots());
    h.newLabelState = labelState(TextAlphabet, IconBullet);
    const ExampleView view{area.xmin + area.width / 2, area.ymax - area.height / 2, area.width / 2, area.height / 2};
    if (!gridExample(h, static_cast<int>(rows), static_cast<int>(columns), view, false))
        return codeOf(Msg::OutOfBounds);
    std::string names;
    for (int v : h.presentVertices()) {
        h.setLabelState(v, labelState(TextAlphabet, IconBullet));
        setTaskTime(h, v, low + rng.below(high - low + 1));
        names += slotName(v);
    }
    h.digraph = true;
    h.weightsShown = false;
    h.ClearSolution(true);
    h.ComputeValences();
    h.modified = true;
    g = std::move(h);
    if (list)
        *list = names;
    return 0;
}

} // namespace quan
