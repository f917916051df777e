// The task-digraph Paste and the seven built-in examples.
#pragma once

#include "core/qmath.h"
#include "graphs/core/graph.h"

#include <string>

namespace quan {

// Replaces the graph by the task digraph a text describes (numbers picked
// out by quan::scanNumbers, integers by roundHalfDown): nV; nV pairs (x, y);
// nV task times; optionally nE and nE pairs of task numbers counted from 1,
// each an edge of weight 0 directed from the first to the second. Codes
// (the graph unchanged): 9 "nothing to do" for no number or nV = 0; 14
// "positive value?" for a negative nV or nE or a time below 1; 106 "too
// many points" for nV above the slot count; 101 "vertices miscounted" for
// fewer than 3 nV + 1 numbers; 6 "inconsistent data" for a coordinate too
// large for a real, a task number outside 1..nV or a pair (u, u); 17 "out of bounds" for a
// time above 32767; 105 "not enough data" for fewer than 2 nE numbers after
// nE. A pair given both ways makes an edge running both ways (which the
// list buttons refuse). Every refusal is decided on a copy. On success digraph mode is on, weights hidden, every label shows its
// alphabetic name with a bullet, the solution is cleared with the best
// reset, the valences recomputed, the graph marked modified, and *list
// (when given) is every task name in slot order.
int pasteTaskDigraph(Graph& g, const std::string& text, std::string* list = nullptr);

// The visible rectangle the examples are laid out in (world coordinates).
struct ExampleArea {
    Real xmin = 0, ymax = 0, width = 1, height = 1;
};
inline constexpr int kScheduleExamples = 7;
// Example k (1..7): the graph is replaced by its tasks, times and
// precedences at their grid cells, labels letter with bullet, digraph mode
// on, the solution cleared, the valences recomputed; *list gets its
// priority list. False (nothing changes) for k outside 1..7.
bool loadScheduleExample(Graph& g, int k, const ExampleArea& area, std::string* list = nullptr);

// The text the task-digraph Paste reads back (CR LF lines): "tasks: n",
// the positions with the given decimal places, "times:" and the times,
// "arrows: m" and the precedences as pairs of task numbers counted from 1
// (tasks numbered in slot order, pairs by tail then head; an edge running
// both ways gives both pairs). Pasting it gives the same tasks in slots
// 0..n-1, and copying that again gives the same text.
std::string taskDigraphText(const Graph& g, int decimals);

// The range the generated task times are drawn from ("Weight range ...").
inline constexpr int kDefaultTimeLow = 10, kDefaultTimeHigh = 50;
inline constexpr bool timeRangeValid(long long low, long long high)
{
    return low >= 1 && low <= high && high <= 32767;
}

// Grid points: the graph is replaced by rows x columns tasks on the graph
// generators' grid layout in the area (task c x i + j, row i from the top
// and column j from the left, at xmin + (j + 1) width / (columns + 1),
// ymax - (i + 1) height / (rows + 1)), without precedences, each time
// drawn uniformly from low..high; labels letter with bullet, digraph mode
// on, weights hidden, the solution cleared, the valences recomputed, the
// graph marked modified, *list (when given) every name in slot order.
// 17 "out of bounds" (nothing changes, no draw) when rows or columns is
// below 1, rows x columns exceeds the slots, or low..high is no range of
// times (1 <= low <= high <= 32767).
int gridTaskDigraph(Graph& g, long long rows, long long columns, int low, int high, const ExampleArea& area,
                    Random& rng, std::string* list = nullptr);

} // namespace quan
