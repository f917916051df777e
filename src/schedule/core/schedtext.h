// The task-digraph Paste and the seven built-in examples.
#pragma once

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

} // namespace quan
