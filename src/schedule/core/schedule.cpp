#include "schedule/core/schedule.h"

#include "core/msgcode.h"

#include <algorithm>
#include <cctype>

namespace quan {

namespace {

constexpr int kInconsistent = codeOf(Msg::InconsistentData);

size_t at(int v) { return static_cast<size_t>(v); }

} // namespace

int taskTime(const Graph& g, int v)
{
    if (v < 0 || v >= g.slots())
        return 0;
    return g.secondLabel(v).state;
}

void setTaskTime(Graph& g, int v, int time)
{
    if (v < 0 || v >= g.slots())
        return;
    LabelRecord r = g.secondLabel(v);
    r.slot = static_cast<int16_t>(v);
    r.state = static_cast<int16_t>(std::clamp(time, -32768, 32767));
    std::string text = "P";
    text += formatInt(v);
    r.setText(text);
    g.setSecondLabel(v, r);
}

TaskSet taskSetOf(const Graph& g)
{
    TaskSet t;
    t.slots = g.slots();
    t.tasks = g.presentVertices();
    t.time.assign(at(t.slots), 0);
    t.succ.assign(at(t.slots), {});
    t.pred.assign(at(t.slots), {});
    t.presentFlag.assign(at(t.slots), 0);
    for (int v : t.tasks) {
        t.presentFlag[at(v)] = 1;
        t.time[at(v)] = taskTime(g, v);
    }
    // Pairs in slot order of the tail, then of the head, so every list
    // comes out in slot order.
    for (int a : t.tasks)
        for (int b : t.tasks) {
            if (a == b || !g.Adjacent(a, b))
                continue;
            const int d = g.Direction(a, b);
            if (d == 2)
                t.bothWays = true;
            else if (d == 1) {
                t.succ[at(a)].push_back(b);
                t.pred[at(b)].push_back(a);
            }
        }
    return t;
}

int checkDigraph(const TaskSet& t)
{
    if (t.bothWays)
        return kInconsistent;
    // Take sources one at a time, lowering the in-degrees of their heads;
    // vertices left over lie on or behind a cycle.
    std::vector<int> in(at(t.slots), 0);
    for (int v : t.tasks)
        in[at(v)] = static_cast<int>(t.pred[at(v)].size());
    std::vector<int> ready;
    for (int v : t.tasks)
        if (in[at(v)] == 0)
            ready.push_back(v);
    size_t taken = 0;
    while (!ready.empty()) {
        const int v = ready.back();
        ready.pop_back();
        ++taken;
        for (int s : t.succ[at(v)])
            if (--in[at(s)] == 0)
                ready.push_back(s);
    }
    return taken == t.tasks.size() ? 0 : kInconsistent;
}

int checkDigraphAndList(const TaskSet& t, const std::vector<int>& list)
{
    if (int code = checkDigraph(t))
        return code;
    if (list.size() < t.tasks.size())
        return kInconsistent;
    std::vector<char> named(at(t.slots), 0);
    for (int v : list) {
        if (!t.present(v) || named[at(v)])
            return kInconsistent;
        named[at(v)] = 1;
    }
    return 0;
}

PriorityList readPriorityList(const std::string& text, int slots)
{
    PriorityList out;
    size_t i = 0;
    const size_t n = text.size();
    auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < n && isAsciiSpace(text[i]))
        ++i;
    size_t end = n;
    while (end > i && isAsciiSpace(text[end - 1]))
        --end;
    bool inRun = false;
    while (i < end) {
        const char c = text[i];
        if (!isLetter(c)) {
            inRun = false;
            ++i;
            continue;
        }
        if (!inRun) {
            ++out.groups;
            inRun = true;
        }
        std::string name(1, static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        ++i;
        // "_" and a number belong to the name when the number follows.
        if (i + 1 < end && text[i] == '_' && isDigit(text[i + 1])) {
            name += '_';
            ++i;
            while (i < end && isDigit(text[i]) && name.size() < 12)
                name += text[i++];
        }
        out.entries.push_back(slotOfName(name, slots));
    }
    return out;
}

std::string listText(const std::vector<int>& entries)
{
    std::string s;
    for (int v : entries)
        s += slotName(v);
    return s;
}

int listSchedule(const TaskSet& t, const std::vector<int>& list, int processors, bool ordering, Schedule& out)
{
    if (!processorsValid(processors))
        return kInconsistent;
    if (int code = checkDigraphAndList(t, list))
        return code;
    for (int v : list)
        if (t.time[at(v)] < 1)
            return kInconsistent;

    const size_t P = at(processors);
    std::vector<int32_t> finishOf(at(t.slots), -1);
    std::vector<char> started(at(t.slots), 0), finished(at(t.slots), 0);
    std::vector<int> current(P, -1);
    std::vector<int32_t> busyUntil(P, 0);
    Schedule s;
    s.rows.assign(P, {});
    int32_t clock = 0;
    size_t done = 0;
    const size_t total = list.size();
    for (;;) {
        // Finishes at this time free their processors and their successors.
        for (size_t p = 0; p < P; ++p)
            if (current[p] >= 0 && busyUntil[p] == clock) {
                finished[at(current[p])] = 1;
                finishOf[at(current[p])] = clock;
                current[p] = -1;
                ++done;
            }
        if (done == total)
            break;
        // The idle processors take the ready tasks in list order.
        size_t idle = 0;
        for (size_t p = 0; p < P; ++p)
            idle += current[p] < 0;
        for (size_t k = 0; k < total && idle > 0; ++k) {
            const int v = list[k];
            if (started[at(v)])
                continue;
            if (ordering) {
                bool ready = true;
                for (int u : t.pred[at(v)])
                    if (!finished[at(u)]) {
                        ready = false;
                        break;
                    }
                if (!ready)
                    continue;
            }
            size_t p = 0;
            while (current[p] >= 0)
                ++p;
            current[p] = v;
            busyUntil[p] = clock + t.time[at(v)];
            started[at(v)] = 1;
            s.rows[p].push_back({v, clock, busyUntil[p]});
            --idle;
        }
        // Nothing changes before the next finish.
        int32_t next = -1;
        for (size_t p = 0; p < P; ++p)
            if (current[p] >= 0 && (next < 0 || busyUntil[p] < next))
                next = busyUntil[p];
        if (next < 0)
            return kInconsistent; // cannot happen for an acyclic digraph
        clock = next;
    }
    s.finishing = clock;
    out = std::move(s);
    return 0;
}

int applyList(const Graph& g, const std::string& text, int processors, bool ordering, Schedule& out,
              std::string* stored)
{
    const PriorityList pl = readPriorityList(text.substr(0, kListEditChars), g.slots());
    if (pl.entries.empty())
        return codeOf(Msg::CouldNotFind);
    if (pl.groups != 1)
        return kInconsistent;
    const TaskSet t = taskSetOf(g);
    for (int v : pl.entries)
        if (!t.present(v) || t.time[at(v)] < 1)
            return kInconsistent;
    const std::string normal = listText(pl.entries);
    if (normal.size() > kStoredListChars)
        return kInconsistent;
    Schedule s;
    if (int code = listSchedule(t, pl.entries, processors, ordering, s))
        return code;
    out = std::move(s);
    if (stored)
        *stored = normal;
    return 0;
}

std::vector<long long> longestPaths(const TaskSet& t)
{
    std::vector<long long> L(at(t.slots), 0);
    std::vector<char> doneFlag(at(t.slots), 0);
    // Depth first from every task, successors before the task itself.
    std::vector<std::pair<int, size_t>> stack;
    for (int root : t.tasks) {
        if (doneFlag[at(root)])
            continue;
        stack.emplace_back(root, 0);
        while (!stack.empty()) {
            auto& [v, k] = stack.back();
            const auto& succ = t.succ[at(v)];
            if (k < succ.size()) {
                const int w = succ[k++];
                if (!doneFlag[at(w)])
                    stack.emplace_back(w, 0);
                continue;
            }
            long long best = 0;
            bool any = false;
            for (int w : succ)
                if (!any || L[at(w)] > best) {
                    best = L[at(w)];
                    any = true;
                }
            L[at(v)] = t.time[at(v)] + best;
            doneFlag[at(v)] = 1;
            stack.pop_back();
        }
    }
    return L;
}

int criticalPathList(const Graph& g, std::vector<int>& out)
{
    TaskSet t = taskSetOf(g);
    if (int code = checkDigraph(t))
        return code;
    std::vector<int> list;
    std::vector<int> in(at(t.slots), 0);
    for (int v : t.tasks)
        in[at(v)] = static_cast<int>(t.pred[at(v)].size());
    std::vector<char> removed(at(t.slots), 0);
    const std::vector<long long> L = longestPaths(t);
    // Removing a source never changes the longest paths of the others
    // (they run forward from a task), so the path lengths are computed once.
    for (;;) {
        int pick = -1;
        long long best = 0;
        for (int v : t.tasks)
            if (!removed[at(v)] && in[at(v)] == 0 && L[at(v)] > best) {
                best = L[at(v)];
                pick = v;
            }
        if (pick < 0)
            break;
        list.push_back(pick);
        removed[at(pick)] = 1;
        for (int s : t.succ[at(pick)])
            --in[at(s)];
    }
    out = std::move(list);
    return 0;
}

int decreasingTimeList(const Graph& g, Random& rng, std::vector<int>& out)
{
    const TaskSet t = taskSetOf(g);
    if (int code = checkDigraph(t))
        return code;
    std::vector<int> v;
    for (int task : t.tasks)
        if (t.time[at(task)] > 0)
            v.push_back(task);
    for (size_t i = 0; i < v.size(); ++i) {
        size_t cand = i;
        for (size_t j = i + 1; j < v.size(); ++j) {
            const int tj = t.time[at(v[j])], tc = t.time[at(v[cand])];
            if (tj > tc)
                cand = j;
            else if (tj == tc && rng.next() % 2 == 0)
                cand = j;
        }
        std::swap(v[i], v[cand]);
    }
    out = std::move(v);
    return 0;
}

long long criticalPathLength(const TaskSet& t)
{
    const std::vector<long long> L = longestPaths(t);
    long long best = 0;
    for (int v : t.tasks)
        best = std::max(best, L[at(v)]);
    return best;
}

long long scheduleLowerBound(const TaskSet& t, int processors)
{
    long long total = 0;
    for (int v : t.tasks)
        total += std::max(0, t.time[at(v)]);
    const long long p = std::max(1, processors);
    return std::max(criticalPathLength(t), (total + p - 1) / p);
}

std::string scheduleText(const TaskSet& t, const Schedule& s, const ScheduleWords& words)
{
    std::string out;
    for (size_t p = 0; p < s.rows.size(); ++p) {
        out += words.processor;
        out += ' ';
        out += formatInt(static_cast<long long>(p) + 1);
        out += ':';
        bool first = true;
        for (const Assignment& a : s.rows[p]) {
            out += first ? " " : ", ";
            first = false;
            out += slotName(a.task);
            out += ' ';
            out += formatInt(a.start);
            out += '-';
            out += formatInt(a.finish);
        }
        out += "\r\n";
    }
    const long long bound = scheduleLowerBound(t, s.processors());
    out += words.finishing;
    out += ": ";
    out += formatInt(s.finishing);
    out += "\r\n";
    out += words.lowerBound;
    out += ": ";
    out += formatInt(bound);
    if (s.finishing == bound) {
        out += ' ';
        out += words.optimal;
    }
    out += "\r\n";
    return out;
}

} // namespace quan
