// List processing, the list buttons and the priority-list reader against
// schedules worked by hand: Graham's example, the first built-in example,
// and random small digraphs against a naive unit-step loop and a naive
// path enumeration written here.
#include "schedtest.h"

#include "core/msgcode.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace quan;
using namespace schedtest;

namespace {

constexpr int kInconsistent = 6;
constexpr int kCouldNotFind = 2;

} // namespace

TEST(Graham, ListAToIOnThreeAndFourProcessors)
{
    const Graph g = graham();
    Schedule s;
    ASSERT_EQ(applyList(g, "ABCDEFGHI", 3, true, s), 0);
    EXPECT_EQ(s.finishing, 12);
    // Worked by hand: B and C finish at 2, D runs 2-4 while nothing else is
    // ready; A frees I at 3; D frees E..H at 4.
    EXPECT_EQ(rowText(s.rows[0]), "A 0-3, I 3-12");
    EXPECT_EQ(rowText(s.rows[1]), "B 0-2, D 2-4, E 4-8, G 8-12");
    EXPECT_EQ(rowText(s.rows[2]), "C 0-2, F 4-8, H 8-12");

    ASSERT_EQ(applyList(g, "ABCDEFGHI", 4, true, s), 0);
    EXPECT_EQ(s.finishing, 15);
    // H comes before I in the list and takes processor 1 at 3; I waits for 6.
    EXPECT_EQ(rowText(s.rows[0]), "A 0-3, H 3-7");
    EXPECT_EQ(rowText(s.rows[1]), "B 0-2, E 2-6, I 6-15");
}

TEST(Graham, TheAnomalies)
{
    EXPECT_EQ(makespan(graham(1), "ABCDEFGHI", 3), 13);                   // every task one shorter
    EXPECT_EQ(makespan(graham(0, "AI DG DH"), "ABCDEFGHI", 3), 16);       // fewer precedences
    EXPECT_EQ(makespan(graham(), "ABDEFCIGH", 3), 14);                    // another list
    EXPECT_EQ(makespan(graham(), "abcdefghi", 3), 12);                    // lower case
}

TEST(Example1, FirstStepsListAndCriticalPath)
{
    const Graph g = example1();
    ASSERT_EQ(g.count(), 8);
    Schedule s;
    ASSERT_EQ(applyList(g, "BADCHGFE", 2, true, s), 0);
    ASSERT_EQ(s.processors(), 2);
    // At 0 processor 1 takes B and processor 2 takes A; E waits.
    EXPECT_EQ(s.rows[0][0], (Assignment{1, 0, 7}));
    EXPECT_EQ(s.rows[1][0], (Assignment{0, 0, 5}));
    EXPECT_EQ(rowText(s.rows[0]), "B 0-7, F 13-19, C 19-24, D 24-27, H 28-32");
    EXPECT_EQ(rowText(s.rows[1]), "A 0-5, E 5-13, G 19-28");
    EXPECT_EQ(s.finishing, 32);

    std::vector<int> cp;
    ASSERT_EQ(criticalPathList(g, cp), 0);
    EXPECT_EQ(listText(cp), "EFGCBAHD");
    ASSERT_EQ(applyList(g, "EFGCBAHD", 2, true, s), 0);
    EXPECT_EQ(s.finishing, 27);
    // E F G H is the critical path: 8 + 6 + 9 + 4 = 27, so the schedule is optimal.
    const TaskSet t = taskSetOf(g);
    EXPECT_EQ(criticalPathLength(t), 27);
    EXPECT_EQ(scheduleLowerBound(t, 2), 27);
}

TEST(ListProcessing, PassedOverTasksAndTheSwitchOff)
{
    // A (5) before C (1); B (2) free. List A C B on two processors: at 0
    // A and, passing C over, B start; at 5 both are idle and the lower
    // number takes C.
    const Graph g = digraph({5, 2, 1}, "AC");
    Schedule s;
    ASSERT_EQ(applyList(g, "ACB", 2, true, s), 0);
    EXPECT_EQ(rowText(s.rows[0]), "A 0-5, C 5-6");
    EXPECT_EQ(rowText(s.rows[1]), "B 0-2");
    EXPECT_EQ(s.finishing, 6);
    // Switch off: the list alone decides, C starts before A finishes.
    ASSERT_EQ(applyList(g, "ACB", 2, false, s), 0);
    EXPECT_EQ(rowText(s.rows[0]), "A 0-5");
    EXPECT_EQ(rowText(s.rows[1]), "C 0-1, B 1-3");
    EXPECT_EQ(s.finishing, 5);
}

TEST(ListProcessing, RefusedListsAndDigraphs)
{
    const Graph g = example1();
    Schedule s;
    s.finishing = 99;
    EXPECT_EQ(applyList(g, "BAD CHGFE", 2, true, s), kInconsistent);
    EXPECT_EQ(applyList(g, "", 2, true, s), kCouldNotFind);
    EXPECT_EQ(applyList(g, " ,;", 2, true, s), kCouldNotFind);
    EXPECT_EQ(applyList(g, "BADCHGF", 2, true, s), kInconsistent);    // short
    EXPECT_EQ(applyList(g, "BADCHGFEE", 2, true, s), kInconsistent);  // repeated
    EXPECT_EQ(applyList(g, "BADCHGFEI", 2, true, s), kInconsistent);  // I is no task
    EXPECT_EQ(applyList(g, "BADCHGFA_1", 2, true, s), kInconsistent); // no such name
    EXPECT_EQ(applyList(g, "BADCHGFE", 1, true, s), kInconsistent);
    EXPECT_EQ(applyList(g, "BADCHGFE", 21, true, s), kInconsistent);
    EXPECT_EQ(s.finishing, 99);
    // Blanks around the list are no break.
    EXPECT_EQ(applyList(g, "  badchgfe \t", 2, true, s), 0);
    // A list past the 155 stored characters cannot be valid.
    std::string longList = "BADCHGFE";
    while (longList.size() <= kStoredListChars)
        longList += "A";
    EXPECT_EQ(applyList(g, longList, 2, true, s), kInconsistent);
    // A task of time 0.
    Graph z = example1();
    setTaskTime(z, 2, 0);
    EXPECT_EQ(applyList(z, "BADCHGFE", 2, true, s), kInconsistent);

    // A cycle refuses apply and both list buttons; so does an edge both ways.
    const Graph cyc = digraph({1, 2, 3}, "AB BC CA");
    std::vector<int> l{42};
    Random rng;
    EXPECT_EQ(applyList(cyc, "ABC", 2, true, s), kInconsistent);
    EXPECT_EQ(applyList(cyc, "ABC", 2, false, s), kInconsistent);
    EXPECT_EQ(criticalPathList(cyc, l), kInconsistent);
    EXPECT_EQ(decreasingTimeList(cyc, rng, l), kInconsistent);
    EXPECT_EQ(l, std::vector<int>{42});
    Graph both = digraph({1, 2, 3}, "AB");
    both.SetDirection(1, 2, 2);
    both.SetWeight(1, 2, 0);
    EXPECT_EQ(criticalPathList(both, l), kInconsistent);
    // An undirected edge imposes nothing.
    Graph plain = digraph({1, 2, 3}, "AB");
    plain.SetWeight(1, 2, 0);
    EXPECT_EQ(makespan(plain, "CBA", 2), 3);
}

TEST(PriorityListReader, NamesGroupsAndCase)
{
    PriorityList p = readPriorityList("BADCHGFE");
    EXPECT_EQ(p.groups, 1);
    EXPECT_EQ(p.entries, (std::vector<int>{1, 0, 3, 2, 7, 6, 5, 4}));
    p = readPriorityList("a_0Bz_0");
    EXPECT_EQ(p.entries, (std::vector<int>{26, 1, 51}));
    p = readPriorityList("BAD CHGFE");
    EXPECT_EQ(p.groups, 2);
    EXPECT_EQ(p.entries.size(), 8u);
    p = readPriorityList("A,B");
    EXPECT_EQ(p.groups, 2);
    p = readPriorityList("A_1B");
    EXPECT_EQ(p.entries, (std::vector<int>{-1, 1}));
    p = readPriorityList("  ");
    EXPECT_TRUE(p.entries.empty());
}

TEST(DecreasingTime, LargestFirstAndCoinFlips)
{
    const Graph g = example1();
    Random rng;
    rng.seed(1);
    std::vector<int> l;
    ASSERT_EQ(decreasingTimeList(g, rng, l), 0);
    // Times A5 B7 C5 D3 E8 F6 G9 H4: G E B F, then A and C in either order, H D.
    const std::string s = listText(l);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(s.substr(0, 4), "GEBF");
    EXPECT_TRUE(s.substr(4, 2) == "AC" || s.substr(4, 2) == "CA");
    EXPECT_EQ(s.substr(6), "HD");
    // Over many seeds both orders of a tie come up.
    std::map<std::string, int> seen;
    const Graph ties = digraph({4, 4, 4}, "");
    for (uint32_t seed = 0; seed < 60; ++seed) {
        rng.seed(seed);
        ASSERT_EQ(decreasingTimeList(ties, rng, l), 0);
        ++seen[listText(l)];
    }
    EXPECT_GE(seen.size(), 3u);
    // A draw is taken only for an equal time.
    rng.seed(5);
    const uint64_t before = rng.state();
    ASSERT_EQ(decreasingTimeList(digraph({1, 2, 3, 4}, "AB"), rng, l), 0);
    EXPECT_EQ(listText(l), "DCBA");
    EXPECT_EQ(rng.state(), before);
}

TEST(CriticalPath, EqualLongestPathsTakeTheFirstSource)
{
    // A-C and B-C: both paths 1 + 5; A comes first. Then B (6) before C.
    EXPECT_EQ([] {
        std::vector<int> l;
        criticalPathList(digraph({1, 1, 5}, "AC BC"), l);
        return listText(l);
    }(), "ABC");
    // D alone (7) beats A-B (3 + 3 = 6); then A, B; C last (time 2).
    std::vector<int> l;
    ASSERT_EQ(criticalPathList(digraph({3, 3, 2, 7}, "AB"), l), 0);
    EXPECT_EQ(listText(l), "DABC");
}

namespace {

// List processing written the plain way, a time unit at a time.
int naiveMakespan(const TaskSet& t, const std::vector<int>& list, int P, bool ordering,
                  std::vector<std::vector<Assignment>>& rows)
{
    std::vector<int> cur(static_cast<size_t>(P), -1), until(static_cast<size_t>(P), 0);
    std::map<int, int> start, fin;
    rows.assign(static_cast<size_t>(P), {});
    for (int clock = 0; clock < 100000; ++clock) {
        for (int p = 0; p < P; ++p)
            if (cur[static_cast<size_t>(p)] >= 0 && until[static_cast<size_t>(p)] == clock) {
                fin[cur[static_cast<size_t>(p)]] = clock;
                cur[static_cast<size_t>(p)] = -1;
            }
        bool remains = false;
        for (int v : list) {
            if (fin.count(v))
                continue;
            remains = true;
            if (start.count(v))
                continue;
            bool ready = true;
            if (ordering)
                for (int u : t.pred[static_cast<size_t>(v)])
                    ready = ready && fin.count(u);
            if (!ready)
                continue;
            for (int p = 0; p < P; ++p)
                if (cur[static_cast<size_t>(p)] < 0) {
                    cur[static_cast<size_t>(p)] = v;
                    until[static_cast<size_t>(p)] = clock + t.time[static_cast<size_t>(v)];
                    start[v] = clock;
                    rows[static_cast<size_t>(p)].push_back({v, clock, until[static_cast<size_t>(p)]});
                    break;
                }
        }
        if (!remains)
            return clock;
    }
    return -1;
}

// The critical-path list the plain way: every source-to-sink path walked.
void walk(const TaskSet& t, const std::vector<char>& gone, int v, long long sum, int first, long long& best,
          int& bestFirst)
{
    sum += t.time[static_cast<size_t>(v)];
    bool any = false;
    for (int w : t.succ[static_cast<size_t>(v)])
        if (!gone[static_cast<size_t>(w)]) {
            any = true;
            walk(t, gone, w, sum, first, best, bestFirst);
        }
    if (!any && sum > best) {
        best = sum;
        bestFirst = first;
    }
}

std::vector<int> naiveCriticalPath(const TaskSet& t)
{
    std::vector<char> gone(static_cast<size_t>(t.slots), 0);
    std::vector<int> out;
    for (;;) {
        long long best = 0;
        int pick = -1;
        for (int v : t.tasks) {
            if (gone[static_cast<size_t>(v)])
                continue;
            bool source = true;
            for (int u : t.pred[static_cast<size_t>(v)])
                source = source && gone[static_cast<size_t>(u)];
            if (source)
                walk(t, gone, v, 0, v, best, pick);
        }
        if (pick < 0)
            return out;
        out.push_back(pick);
        gone[static_cast<size_t>(pick)] = 1;
    }
}

// A random acyclic digraph: edges only from lower to higher slots, times
// from a small range so that ties are common.
Graph randomDag(std::mt19937& gen, int n, int maxTime, int edgePercent)
{
    std::vector<int> times;
    for (int v = 0; v < n; ++v)
        times.push_back(1 + static_cast<int>(gen() % static_cast<unsigned>(maxTime)));
    std::string edges;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            if (static_cast<int>(gen() % 100) < edgePercent) {
                edges += static_cast<char>('A' + a);
                edges += static_cast<char>('A' + b);
                edges += ' ';
            }
    return digraph(times, edges);
}

} // namespace

TEST(RandomDigraphs, JumpingClockMatchesUnitSteps)
{
    std::mt19937 gen(2026);
    for (int round = 0; round < 400; ++round) {
        const int n = 1 + static_cast<int>(gen() % 12);
        const Graph g = randomDag(gen, n, 1 + static_cast<int>(gen() % 6), static_cast<int>(gen() % 60));
        const TaskSet t = taskSetOf(g);
        std::vector<int> list = t.tasks;
        std::shuffle(list.begin(), list.end(), gen);
        const int P = 2 + static_cast<int>(gen() % 4);
        const bool ordering = gen() % 4 != 0;
        Schedule s;
        ASSERT_EQ(listSchedule(t, list, P, ordering, s), 0);
        std::vector<std::vector<Assignment>> rows;
        ASSERT_EQ(s.finishing, naiveMakespan(t, list, P, ordering, rows)) << round;
        ASSERT_EQ(s.rows, rows) << round;

        // No broken precedence, one task at a time per processor, and no
        // processor idle while a ready task waits.
        std::vector<int> st(64, -1), fi(64, -1), pr(64, -1);
        for (int p = 0; p < P; ++p) {
            int free = 0;
            for (const Assignment& a : s.rows[static_cast<size_t>(p)]) {
                ASSERT_GE(a.start, free);
                free = a.finish;
                st[static_cast<size_t>(a.task)] = a.start;
                fi[static_cast<size_t>(a.task)] = a.finish;
                pr[static_cast<size_t>(a.task)] = p;
            }
        }
        if (ordering) {
            for (int v : t.tasks)
                for (int u : t.pred[static_cast<size_t>(v)])
                    ASSERT_GE(st[static_cast<size_t>(v)], fi[static_cast<size_t>(u)]);
        }
        for (int v : t.tasks) {
            // At every time before v started at which v was ready, every processor was busy.
            int readyAt = 0;
            if (ordering)
                for (int u : t.pred[static_cast<size_t>(v)])
                    readyAt = std::max(readyAt, fi[static_cast<size_t>(u)]);
            for (int x = readyAt; x < st[static_cast<size_t>(v)]; ++x)
                for (int p = 0; p < P; ++p) {
                    bool busy = false;
                    for (const Assignment& a : s.rows[static_cast<size_t>(p)])
                        busy = busy || (a.start <= x && x < a.finish);
                    ASSERT_TRUE(busy) << "processor " << p + 1 << " idle at " << x << " while "
                                      << slotName(v) << " waits";
                }
        }
    }
}

TEST(RandomDigraphs, CriticalPathMatchesPathEnumeration)
{
    std::mt19937 gen(15);
    for (int round = 0; round < 500; ++round) {
        const int n = 1 + static_cast<int>(gen() % 10);
        const Graph g = randomDag(gen, n, 1 + static_cast<int>(gen() % 3), static_cast<int>(gen() % 70));
        std::vector<int> l;
        ASSERT_EQ(criticalPathList(g, l), 0);
        ASSERT_EQ(l, naiveCriticalPath(taskSetOf(g))) << round;
        ASSERT_EQ(l.size(), static_cast<size_t>(n));
    }
}

TEST(ScheduleText, GrahamOnThreeAndFour)
{
    const Graph g = graham();
    const TaskSet t = taskSetOf(g);
    Schedule s;
    ASSERT_EQ(applyList(g, "ABCDEFGHI", 3, true, s), 0);
    // Total 34 over 3 processors gives 12, as the critical path A I does.
    EXPECT_EQ(scheduleText(t, s),
              "processor 1: A 0-3, I 3-12\r\nprocessor 2: B 0-2, D 2-4, E 4-8, G 8-12\r\n"
              "processor 3: C 0-2, F 4-8, H 8-12\r\nfinishing time: 12\r\nlower bound: 12 [optimal]\r\n");
    ASSERT_EQ(applyList(g, "ABCDEFGHI", 4, true, s), 0);
    const std::string four = scheduleText(t, s);
    EXPECT_NE(four.find("finishing time: 15\r\nlower bound: 12\r\n"), std::string::npos);
    EXPECT_EQ(four.find("[optimal]"), std::string::npos);
}

TEST(TaskPaste, FormatAndRefusals)
{
    Graph g = example1();
    const Graph before = g;
    std::string list;
    ASSERT_EQ(pasteTaskDigraph(g, "3, 0 0, 1 0, 2 0, 4 5 6, 2, 1 2, 2 3", &list), 0);
    EXPECT_EQ(list, "ABC");
    EXPECT_EQ(g.count(), 3);
    EXPECT_EQ(taskTime(g, 0), 4);
    EXPECT_EQ(taskTime(g, 2), 6);
    EXPECT_EQ(g.Direction(0, 1), 1);
    EXPECT_EQ(g.Direction(1, 2), 1);
    EXPECT_FALSE(g.Adjacent(0, 2));
    EXPECT_TRUE(g.digraph);
    EXPECT_TRUE(g.modified);
    EXPECT_EQ(g.label(1).state, labelState(TextAlphabet, IconBullet));

    // The File help's example is example 1.
    Graph h(kScheduleSlots);
    ASSERT_EQ(pasteTaskDigraph(h, "8 1 1 2 1 3 1 4 1 1 2 2 2 3 3 4 3 5 7 5 3 8 6 9 4 5 5 6 6 3 3 4 6 7 7 8", &list), 0);
    EXPECT_EQ(list, "ABCDEFGH");
    EXPECT_EQ(makespan(h, "BADCHGFE", 2), 32);
    EXPECT_EQ(makespan(h, "EFGCBAHD", 2), 27);

    const struct {
        const char* text;
        int code;
    } bad[] = {
        {"", 9},
        {"0 1 2", 9},
        {"-1", 14},
        {"2 0 0 1 1 5", 101},
        {"2 0 0 1 1 5 0", 14},
        {"2 0 0 1 1 5 -3", 14},
        {"2 0 0 1 1 5 32768", 17},
        {"2 0 0 1 1 5 6 -1", 14},
        {"2 0 0 1 1 5 6 2 1 2 2", 105},
        {"2 0 0 1 1 5 6 1 1 3", 6},
        {"2 0 0 1 1 5 6 1 0 1", 6},
    };
    for (const auto& b : bad) {
        Graph x = before;
        EXPECT_EQ(pasteTaskDigraph(x, b.text, &list), b.code) << b.text;
        EXPECT_TRUE(x == before) << b.text;
    }
    // More than 52 tasks: too many points.
    std::string many = "53";
    for (int k = 0; k < 53 * 3; ++k)
        many += " 1";
    Graph x = before;
    EXPECT_EQ(pasteTaskDigraph(x, many), 106);
    EXPECT_TRUE(x == before);
    // 52 tasks fit, and 32767 is a time.
    many = "52";
    for (int k = 0; k < 52 * 2; ++k)
        many += " 1";
    for (int k = 0; k < 52; ++k)
        many += " 32767";
    ASSERT_EQ(pasteTaskDigraph(x, many, &list), 0);
    EXPECT_EQ(x.count(), 52);
    EXPECT_EQ(list.substr(list.size() - 3), "Z_0");
}

TEST(Examples, TheSevenExamples)
{
    const int counts[] = {8, 9, 7, 7, 7, 8, 15};
    const int edges[] = {5, 8, 7, 7, 6, 6, 17};
    const char* lists[] = {"BADCHGFE", "EIACBFHDG", "ABCDEFG", "ACGBDEF", "ABCDEFG", "ADGFBHCE", "ABCDEFGHIJKLMNO"};
    for (int k = 1; k <= kScheduleExamples; ++k) {
        Graph g(kScheduleSlots);
        std::string list;
        ASSERT_TRUE(loadScheduleExample(g, k, {0, 7, 5, 7}, &list));
        EXPECT_EQ(g.count(), counts[k - 1]);
        EXPECT_EQ(g.edgeCount(), edges[k - 1]);
        EXPECT_EQ(list, lists[k - 1]);
        // Every example schedules with its own list on 2 processors.
        EXPECT_GT(makespan(g, list, 2), 0) << k;
    }
    Graph g(kScheduleSlots);
    ASSERT_TRUE(loadScheduleExample(g, 1, {10, 70, 50, 70}));
    // Column c, row r at (xmin + c dx, ymax - r dy), dx a fifth, dy a seventh.
    EXPECT_EQ(g.x(6), 10 + 3 * 10);
    EXPECT_EQ(g.y(6), 70 - 3 * 10);
    EXPECT_EQ(taskTime(g, 6), 9);
    EXPECT_EQ(g.Direction(5, 6), 1);
    EXPECT_FALSE(loadScheduleExample(g, 8, {0, 7, 5, 7}));
    // Example 4's tasks off the grid: E at column 2.4, row 1.8, quarter widths.
    ASSERT_TRUE(loadScheduleExample(g, 4, {0, 70, 40, 70}));
    EXPECT_NEAR(static_cast<double>(g.x(4)), 24.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(g.y(4)), 70 - 18.0, 1e-9);
    // Example 2 worked by hand with its list: E I A C B F H D G on 2 processors.
    Graph e2(kScheduleSlots);
    std::string l2;
    loadScheduleExample(e2, 2, {0, 7, 5, 7}, &l2);
    // t0: A (0-7) and D (0-2); t2: G; t3: E (needs D and G, first in the
    // list) 3-16; t7: B; t13: C; t16: F (needs E and B); t20: H; processor
    // 2 idles from 22 until H frees I at 25.
    Schedule s;
    ASSERT_EQ(applyList(e2, l2, 2, true, s), 0);
    EXPECT_EQ(rowText(s.rows[0]), "A 0-7, B 7-13, C 13-20, H 20-25, I 25-33");
    EXPECT_EQ(rowText(s.rows[1]), "D 0-2, G 2-3, E 3-16, F 16-22");
    EXPECT_EQ(s.finishing, 33);
}

TEST(TaskPaste, SelfPairsReversedPairsAndHugeCounts)
{
    const Graph before = example1();
    std::string list;
    // A task before itself: inconsistent data, nothing changes.
    Graph x = before;
    EXPECT_EQ(pasteTaskDigraph(x, "2 0 0 1 1 5 6 1 1 1", &list), 6);
    EXPECT_TRUE(x == before);
    // A-B and B-A: one edge running both ways, refused by all three buttons.
    ASSERT_EQ(pasteTaskDigraph(x, "2 0 0 1 1 5 6 2 1 2 2 1", &list), 0);
    EXPECT_EQ(x.Direction(0, 1), 2);
    EXPECT_EQ(x.Direction(1, 0), 2);
    Schedule s;
    EXPECT_EQ(applyList(x, "AB", 2, true, s), 6);
    std::vector<int> l;
    EXPECT_EQ(criticalPathList(x, l), 6);
    Random rng;
    EXPECT_EQ(decreasingTimeList(x, rng, l), 6);
    // The same pair twice is one precedence.
    ASSERT_EQ(pasteTaskDigraph(x, "2 0 0 1 1 5 6 2 1 2 1 2", &list), 0);
    EXPECT_EQ(x.Direction(0, 1), 1);
    EXPECT_EQ(makespan(x, "AB", 2), 11);
    // A precedence count near 2^31 (and one that caps there) with two
    // numbers after it: not enough data, never a read past the numbers.
    for (const char* count : {"2147483647", "2147483648", "99999999999999999999", "1073741824"}) {
        x = before;
        std::string text = "2 0 0 1 1 5 6 ";
        text += count;
        text += " 1 2";
        EXPECT_EQ(pasteTaskDigraph(x, text, &list), 105) << count;
        EXPECT_TRUE(x == before);
    }
    // A coordinate too large for a real: inconsistent data.
    x = before;
    EXPECT_EQ(pasteTaskDigraph(x, "1 1" + std::string(5000, '9') + " 0 5", &list), 6);
    EXPECT_TRUE(x == before);
    // Fifty-three tasks or sixty: too many points, even with too few numbers.
    for (const char* n : {"53 1 2 3", "60"}) {
        x = before;
        EXPECT_EQ(pasteTaskDigraph(x, n, &list), 106) << n;
        EXPECT_TRUE(x == before);
    }
}

TEST(GridPoints, FourByFiveTasksTimesInRangeAndRefusals)
{
    Graph g = example1();
    const Graph before = g;
    Random rng;
    rng.seed(11);
    std::string list;
    // Area x 0..12, y 0..10 (ymax 10): 4 rows, 5 columns; steps 2 and 2.
    ASSERT_EQ(gridTaskDigraph(g, 4, 5, 3, 7, {0, 10, 12, 10}, rng, &list), 0);
    EXPECT_EQ(g.count(), 20);
    EXPECT_EQ(g.maxIndex(), 19);
    EXPECT_EQ(g.edgeCount(), 0);
    EXPECT_EQ(list, "ABCDEFGHIJKLMNOPQRST");
    std::set<int> seen;
    for (int v = 0; v < 20; ++v) {
        EXPECT_GE(taskTime(g, v), 3);
        EXPECT_LE(taskTime(g, v), 7);
        seen.insert(taskTime(g, v));
        EXPECT_EQ(g.label(v).state, labelState(TextAlphabet, IconBullet));
    }
    EXPECT_GT(seen.size(), 1u); // drawn, not one fixed time
    // Task 5 x 1 + 2 = H: row 1, column 2 at (12/6 x 3, 10 - 10/5 x 2) = (6, 6).
    EXPECT_NEAR(static_cast<double>(g.x(7)), 6.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(g.y(7)), 6.0, 1e-9);
    EXPECT_TRUE(g.digraph);
    // Twenty tasks without precedences on 4 processors: times summed over 4
    // at best; the schedule is valid.
    Schedule s;
    EXPECT_EQ(applyList(g, list, 4, true, s), 0);

    // 8 x 7 = 56 tasks do not fit 52 slots; 0 rows, a bad range: out of bounds.
    const struct {
        long long r, c;
        int low, high;
    } bad[] = {{8, 7, 3, 7}, {0, 5, 3, 7}, {4, 0, 3, 7}, {53, 1, 3, 7}, {4, 5, 0, 7},
               {4, 5, 8, 7}, {4, 5, 1, 32768}, {1LL << 32, 1LL << 32, 3, 7}, {-4, -5, 3, 7}};
    for (const auto& b : bad) {
        Graph x = before;
        Random r2;
        r2.seed(5);
        EXPECT_EQ(gridTaskDigraph(x, b.r, b.c, b.low, b.high, {0, 10, 12, 10}, r2, &list), 17) << b.r << "x" << b.c;
        EXPECT_TRUE(x == before);
        EXPECT_EQ(r2.next(), [] { Random r; r.seed(5); return r.next(); }()); // no draw made
    }
    // 52 = 4 x 13 fits, with times 32767.
    ASSERT_EQ(gridTaskDigraph(g, 4, 13, 32767, 32767, {0, 10, 12, 10}, rng, &list), 0);
    EXPECT_EQ(g.count(), 52);
    EXPECT_EQ(taskTime(g, 51), 32767);
}

TEST(CopyDigraph, TheTextThePasteReads)
{
    // Example 1 at x 0..5, y 0..7: the text written out by hand.
    const Graph g = example1();
    const std::string text = taskDigraphText(g, 1);
    const std::string expected = "tasks: 8\r\n"
                                 "1.0 6.0  2.0 6.0  3.0 6.0  4.0 6.0  1.0 5.0  2.0 5.0  3.0 4.0  4.0 4.0\r\n"
                                 "times: 5 7 5 3 8 6 9 4\r\n"
                                 "arrows: 5\r\n"
                                 "3 4  5 6  6 3  6 7  7 8\r\n";
    EXPECT_EQ(text, expected);
    // Pasted back: the same digraph; copied again: the same text.
    Graph h(kScheduleSlots);
    std::string list;
    ASSERT_EQ(pasteTaskDigraph(h, text, &list), 0);
    EXPECT_EQ(taskDigraphText(h, 1), text);
    EXPECT_EQ(makespan(h, "EFGCBAHD", 2), 27);
    // A hole, a both-ways edge and negative positions survive the round trip.
    Graph k = example1();
    k.DeleteVertex(1);
    k.SetDirection(4, 5, 2);
    k.setPosition(0, -2.25L, -0.5L);
    const std::string t2 = taskDigraphText(k, 2);
    EXPECT_NE(t2.find("tasks: 7\r\n-2.25 -0.50  "), std::string::npos) << t2;
    Graph m(kScheduleSlots);
    ASSERT_EQ(pasteTaskDigraph(m, t2), 0);
    EXPECT_EQ(taskDigraphText(m, 2), t2);
    EXPECT_EQ(m.Direction(3, 4), 2); // E-F of the first graph is now D-E
}
