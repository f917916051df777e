// List scheduling as plain types: the tasks of a task digraph (a graph
// document of 52 slots whose present vertices are tasks, whose second
// labels hold the task times and whose directed edges are precedences),
// the validity check, the priority-list reader, list processing on 2 to 20
// processors, the critical-path and decreasing-time lists, and the notebook
// text of a schedule.
//
// Operations return 0 or a message code (Msg) and change nothing on a code.
#pragma once

#include "core/qmath.h"
#include "graphs/core/graph.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

inline constexpr int kMinProcessors = 2;
inline constexpr int kMaxProcessors = 20;
inline constexpr int kMaxTaskTime = 32767;
// The stored priority list: a 156-byte buffer with its terminating zero.
inline constexpr size_t kListBufferBytes = 3 * static_cast<size_t>(kScheduleSlots);
inline constexpr size_t kStoredListChars = kListBufferBytes - 1;
// The manager's edit hands over at most this many characters.
inline constexpr size_t kListEditChars = 254;

inline constexpr bool processorsValid(long long p) { return p >= kMinProcessors && p <= kMaxProcessors; }

// A task's time: the state field of its slot's second label (signed 16 bits).
int taskTime(const Graph& g, int v);
// Sets the time of slot v: the second label names the slot, its text is
// "P" and the slot number, its state the time (cut to -32768..32767).
void setTaskTime(Graph& g, int v, int time);

// The tasks as the algorithms see them, taken from the graph.
struct TaskSet {
    int slots = 0;
    std::vector<int> tasks;              // present slots in increasing order
    std::vector<int> time;               // per slot; 0 for an absent slot
    std::vector<std::vector<int>> succ;  // per slot: the heads of its directed edges, in slot order
    std::vector<std::vector<int>> pred;  // per slot: the tails of the edges into it, in slot order
    bool bothWays = false;               // some edge runs both ways

    bool present(int v) const { return v >= 0 && v < slots && presentFlag[static_cast<size_t>(v)]; }
    std::vector<char> presentFlag;
};
TaskSet taskSetOf(const Graph& g);

// The digraph check: 6 "inconsistent data" when an edge runs both ways or
// the directed edges close a cycle, else 0. With a list it must also hold
// at least as many entries as there are tasks, each a present task not
// named before (6 otherwise).
int checkDigraph(const TaskSet& t);
int checkDigraphAndList(const TaskSet& t, const std::vector<int>& list);

// A priority list as read from the manager's edit: the names (upper or
// lower case) one after the other; each break in the run (a blank, a comma
// or any character that cannot belong to a name) starts a new group. An
// entry that is no slot name of the graph is -1. Blanks before the first
// and after the last name are no break.
struct PriorityList {
    std::vector<int> entries;
    int groups = 0;
};
PriorityList readPriorityList(const std::string& text, int slots = kScheduleSlots);
// The names of the entries run together ("BADCHGFE").
std::string listText(const std::vector<int>& entries);

// One task run on a processor.
struct Assignment {
    int32_t task = -1;
    int32_t start = 0;
    int32_t finish = 0;
    bool operator==(const Assignment&) const = default;
};

struct Schedule {
    // One list per processor, in the order the processor takes its tasks.
    std::vector<std::vector<Assignment>> rows;
    int32_t finishing = 0;
    bool empty() const { return rows.empty(); }
    int processors() const { return static_cast<int>(rows.size()); }
    bool operator==(const Schedule&) const = default;
};

// List processing: at each time the idle processors (lowest number first)
// take the ready tasks in list order; a task finishing at t frees its
// processor and its successors at t; with ordering off the precedences are
// ignored. The clock jumps from one finish to the next. Codes: 6 when the
// digraph or the list fails the check, a listed task has a time below 1,
// or processors is outside 2..20.
int listSchedule(const TaskSet& t, const std::vector<int>& list, int processors, bool ordering, Schedule& out);

// The manager's apply on a text: 2 "could not find" when no name is read;
// 6 for more than one group, an entry that is no present task or a task
// with a time below 1, a list text longer than the 155 stored characters,
// and whatever list processing refuses. On success *stored gets the list
// text as the window keeps it (upper case, no blanks).
int applyList(const Graph& g, const std::string& text, int processors, bool ordering, Schedule& out,
              std::string* stored = nullptr);

// The longest path (sum of times) from each task to a task without
// successors, the task's own time included; per slot, 0 for absent slots.
// The digraph must be acyclic.
std::vector<long long> longestPaths(const TaskSet& t);

// The critical-path list: repeatedly the lowest-numbered source among
// those whose longest path is longest (when that is above 0), removed with
// its edges. 0, or 6 when the digraph fails the check.
int criticalPathList(const Graph& g, std::vector<int>& out);
// The decreasing-time list: tasks with a time above 0 in slot order, by a
// selection sort largest first whose ties are decided by coin flips of the
// shared generator. 0, or 6 when the digraph fails the check.
int decreasingTimeList(const Graph& g, Random& rng, std::vector<int>& out);

// The length of the critical path (the longest longest path), 0 without tasks.
long long criticalPathLength(const TaskSet& t);
// max(critical path, ceil(total time / processors)).
long long scheduleLowerBound(const TaskSet& t, int processors);

// The notebook text of a schedule (CR LF): a line per processor
// ("processor 1: E 0-8, F 8-14"), the finishing time, the lower bound and
// "[optimal]" when the finishing time meets it.
struct ScheduleWords {
    std::string processor = "processor";
    std::string finishing = "finishing time";
    std::string lowerBound = "lower bound";
    std::string optimal = "[optimal]";
};
std::string scheduleText(const TaskSet& t, const Schedule& s, const ScheduleWords& words = {});

} // namespace quan
