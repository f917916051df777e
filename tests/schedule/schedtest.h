// Helpers of the scheduling tests: task digraphs written as letters.
#pragma once

#include "schedule/core/schedtext.h"
#include "schedule/core/schedule.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace schedtest {

using namespace quan;

// Tasks A, B, ... with the given times, and precedences written as pairs of
// letters ("AI DE DF").
inline Graph digraph(const std::vector<int>& times, const std::string& edges)
{
    Graph g(kScheduleSlots);
    for (size_t v = 0; v < times.size(); ++v) {
        g.addVertexInSlot(static_cast<int>(v), static_cast<Real>(v), 0);
        setTaskTime(g, static_cast<int>(v), times[v]);
    }
    std::istringstream in(edges);
    std::string pair;
    while (in >> pair) {
        const int a = pair[0] - 'A', b = pair[1] - 'A';
        g.SetWeight(a, b, 0);
        g.SetDirection(a, b, 1);
    }
    g.digraph = true;
    g.ComputeValences();
    return g;
}

// Graham's example: A..I with times 3 2 2 2 4 4 4 4 9, A before I, D
// before E, F, G and H.
inline Graph graham(int shorter = 0, const std::string& edges = "AI DE DF DG DH")
{
    std::vector<int> t{3, 2, 2, 2, 4, 4, 4, 4, 9};
    for (int& x : t)
        x -= shorter;
    return digraph(t, edges);
}

inline Graph example1()
{
    Graph g(kScheduleSlots);
    loadScheduleExample(g, 1, {0, 7, 5, 7});
    return g;
}

inline int makespan(const Graph& g, const std::string& list, int processors, bool ordering = true)
{
    Schedule s;
    const int code = applyList(g, list, processors, ordering, s);
    return code ? -code : s.finishing;
}

// A row written as "E 0-8, F 8-14".
inline std::string rowText(const std::vector<Assignment>& row)
{
    std::string s;
    for (const Assignment& a : row) {
        if (!s.empty())
            s += ", ";
        s += slotName(a.task) + " " + std::to_string(a.start) + "-" + std::to_string(a.finish);
    }
    return s;
}

} // namespace schedtest
