// Properties of the scheduling readers for any input, shared by the
// libFuzzer targets fuzz_grs and fuzz_task_paste and by the always-run
// robustness test of tests/schedule. Each check returns an empty string
// when all hold, else what went wrong.
#pragma once

#include "fuzz_gra_checks.h"
#include "schedule/core/chart.h"
#include "schedule/core/grsfile.h"
#include "schedule/core/schedtext.h"
#include "schedule/core/schedule.h"

#include <string>

namespace quan::fuzzcheck {

// Example 1 with a hole, a time, a list, overlays and notes, so that a
// refused read or paste that touched anything shows.
inline GraDocument sentinelGrs()
{
    GraDocument d = newGrsDocument();
    std::string list;
    loadScheduleExample(d.graph, 1, {0, 10, 10, 10}, &list);
    d.graph.DeleteVertex(3);
    setTaskTime(d.graph, 4, 11);
    d.graph.modified = false;
    d.settings.scheduleSetting = 5;
    setStoredList(d, list);
    d.overlays.texts.resize(1);
    d.overlays.texts[0].setText("sentinel");
    d.notebook = "sentinel notes";
    return d;
}

// A schedule keeps every precedence (with ordering), runs one task at a
// time on each processor, takes each listed task once, and ends at its
// finishing time.
inline std::string checkSchedule(const TaskSet& t, const std::vector<int>& list, const Schedule& s, bool ordering)
{
    std::vector<long long> start(static_cast<size_t>(t.slots), -1), finish(static_cast<size_t>(t.slots), -1);
    int32_t last = 0;
    size_t runs = 0;
    for (const auto& row : s.rows) {
        int32_t free = 0;
        for (const Assignment& a : row) {
            if (!t.present(a.task) || a.start < free || a.finish - a.start != t.time[static_cast<size_t>(a.task)])
                return "a processor runs two tasks at once or a task for the wrong time";
            if (start[static_cast<size_t>(a.task)] >= 0)
                return "a task runs twice";
            start[static_cast<size_t>(a.task)] = a.start;
            finish[static_cast<size_t>(a.task)] = a.finish;
            free = a.finish;
            last = std::max(last, a.finish);
            ++runs;
        }
    }
    if (runs != list.size() || last != s.finishing)
        return "the schedule misses a task or its finishing time";
    if (ordering)
        for (int v : t.tasks)
            for (int u : t.pred[static_cast<size_t>(v)])
                if (start[static_cast<size_t>(v)] < finish[static_cast<size_t>(u)])
                    return "a task starts before its predecessor finished";
    return "";
}

// The three buttons on a graph: their codes are the documented ones and
// what they give is well formed.
inline std::string checkButtons(const Graph& g, const std::string& list, int processors)
{
    for (bool ordering : {true, false}) {
        Schedule s;
        std::string stored;
        const int code = applyList(g, list, processors, ordering, s, &stored);
        if (code == 0) {
            const PriorityList pl = readPriorityList(stored, g.slots());
            if (std::string p = checkSchedule(taskSetOf(g), pl.entries, s, ordering); !p.empty())
                return p;
            if (stored.size() > kStoredListChars)
                return "a stored list past its buffer";
            const ChartLayout c = chartLayout(s, {0, 0, 640, 480}, 28, 12);
            if (c.cells.size() != pl.entries.size() || c.marks.empty())
                return "a chart without its cells";
        } else if (code != 2 && code != 6) {
            return "apply returned " + std::to_string(code);
        }
    }
    std::vector<int> cp, dt;
    const int a = criticalPathList(g, cp);
    Random rng;
    rng.seed(7);
    const int b = decreasingTimeList(g, rng, dt);
    if ((a != 0 && a != 6) || (b != 0 && b != 6) || (a == 0) != (b == 0))
        return "the list buttons disagree about the digraph";
    if (cp.size() > static_cast<size_t>(g.count()) || dt.size() > static_cast<size_t>(g.count()))
        return "a built list is longer than the task set";
    return "";
}

inline std::string checkGrsFile(const uint8_t* data, size_t size)
{
    const GraDocument before = sentinelGrs();
    GraDocument doc = before;
    const int code = readGrs(data, size, doc);
    if (code == 11)
        return doc == before ? "" : "a refused .grs read changed the document";
    if (code != 0)
        return "readGrs returned " + std::to_string(code);
    const Graph& g = doc.graph;
    if (g.slots() != kScheduleSlots || g.count() > kScheduleSlots || g.maxIndex() > kScheduleSlots - 1)
        return "more tasks than slots or a slot above 51";
    if (doc.settings.scheduleSetting < 2 || doc.settings.scheduleSetting > 20)
        return "a processor count outside 2..20";
    if (doc.extension.size() != kListBufferBytes || storedList(doc).size() > kStoredListChars ||
        doc.extension[storedList(doc).size()] != 0)
        return "the list overruns its buffer or lacks its zero";
    ByteWriter first;
    if (writeGrs(first, doc) != 0)
        return "cannot write a document that was read";
    GraDocument again = before;
    if (readGrs(first.data(), again) != 0)
        return "cannot read a rewritten document";
    ByteWriter second;
    writeGrs(second, again);
    if (first.data() != second.data())
        return ".grs round trip is not stable";
    return checkButtons(g, storedList(doc), doc.settings.scheduleSetting);
}

// The bytes as a pasted task digraph: a refused paste changes nothing; an
// accepted one gives present tasks 0..nV-1 with times 1..32767, the list of
// their names, and a graph the buttons handle.
inline std::string checkTaskPaste(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Graph before = sentinelGrs().graph;
    Graph g = before;
    std::string list;
    const int code = pasteTaskDigraph(g, text, &list);
    if (code != 0) {
        if (code != 6 && code != 9 && code != 14 && code != 17 && code != 101 && code != 105 && code != 106)
            return "the paste returned " + std::to_string(code);
        return g == before ? "" : "a refused paste changed the graph";
    }
    if (std::string p = checkGraphShape(g); !p.empty())
        return p;
    if (g.maxIndex() != g.count() - 1 || list.size() < static_cast<size_t>(g.count()))
        return "the tasks are not the first slots";
    for (int v : g.presentVertices())
        if (taskTime(g, v) < 1 || taskTime(g, v) > kMaxTaskTime)
            return "a pasted time outside 1..32767";
    return checkButtons(g, list, 3);
}

} // namespace quan::fuzzcheck
