// The scheduling speed targets on the largest task digraph: 52 tasks, every
// task before every later one (all 1 326 precedences), times up to 32 767.
// List processing on 2 and on 20 processors under 1 ms each, the
// critical-path list under 2 ms, the decreasing-time list and the validity
// check under 1 ms.
#include "schedule/core/schedule.h"

#include <benchmark/benchmark.h>

using namespace quan;

namespace {

Graph largest()
{
    Graph g(kScheduleSlots);
    Random rng;
    rng.seed(52);
    for (int v = 0; v < kScheduleSlots; ++v) {
        g.addVertexInSlot(v, v, 0);
        setTaskTime(g, v, 1 + rng.below(kMaxTaskTime));
    }
    for (int a = 0; a < kScheduleSlots; ++a)
        for (int b = a + 1; b < kScheduleSlots; ++b) {
            g.SetWeight(a, b, 0);
            g.SetDirection(a, b, 1);
        }
    g.digraph = true;
    return g;
}

// A list against the precedences (last task first), so every task is
// passed over many times.
std::string reversedList()
{
    std::string s;
    for (int v = kScheduleSlots - 1; v >= 0; --v)
        s += slotName(v);
    return s;
}

void BM_ListProcessing(benchmark::State& state)
{
    const Graph g = largest();
    const std::string list = reversedList();
    const int p = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Schedule s;
        if (applyList(g, list, p, true, s) != 0)
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(s.finishing);
    }
}
BENCHMARK(BM_ListProcessing)->Arg(2)->Arg(20)->Unit(benchmark::kMicrosecond);

// Without the precedences the tasks spread over all processors.
void BM_ListProcessingNoOrdering(benchmark::State& state)
{
    const Graph g = largest();
    const std::string list = reversedList();
    const int p = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Schedule s;
        applyList(g, list, p, false, s);
        benchmark::DoNotOptimize(s.finishing);
    }
}
BENCHMARK(BM_ListProcessingNoOrdering)->Arg(2)->Arg(20)->Unit(benchmark::kMicrosecond);

void BM_CriticalPathList(benchmark::State& state)
{
    const Graph g = largest();
    for (auto _ : state) {
        std::vector<int> l;
        criticalPathList(g, l);
        benchmark::DoNotOptimize(l.data());
    }
}
BENCHMARK(BM_CriticalPathList)->Unit(benchmark::kMicrosecond);

void BM_DecreasingTimeList(benchmark::State& state)
{
    const Graph g = largest();
    Random rng;
    rng.seed(1);
    for (auto _ : state) {
        std::vector<int> l;
        decreasingTimeList(g, rng, l);
        benchmark::DoNotOptimize(l.data());
    }
}
BENCHMARK(BM_DecreasingTimeList)->Unit(benchmark::kMicrosecond);

void BM_ValidityCheck(benchmark::State& state)
{
    const Graph g = largest();
    const PriorityList pl = readPriorityList(reversedList());
    for (auto _ : state) {
        const int code = checkDigraphAndList(taskSetOf(g), pl.entries);
        benchmark::DoNotOptimize(code);
    }
}
BENCHMARK(BM_ValidityCheck)->Unit(benchmark::kMicrosecond);

} // namespace
