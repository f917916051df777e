// Apportionment: one recomputation of a full 99-state table, and the
// priority list of a 10 000-seat house.
#include "apportion/apportion.h"

#include <benchmark/benchmark.h>

using namespace quan;

namespace {

AppTable table99(int method)
{
    AppTable t; // 2010 census; 49 more states from the spare records
    t.setStateCount(kMaxStates);
    t.setMethod(method);
    return t;
}

void BM_Apportion99(benchmark::State& state)
{
    AppTable t = table99(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        t.apportion();
        benchmark::DoNotOptimize(t.totals());
    }
}
BENCHMARK(BM_Apportion99)->Arg(kHamilton)->Arg(kWebster)->Arg(kHuntingtonHill);

void BM_PriorityList10000(benchmark::State& state)
{
    AppTable t = table99(kHuntingtonHill);
    t.setHouseSize(10000);
    for (auto _ : state) {
        std::string text = t.priorityList();
        benchmark::DoNotOptimize(text.data());
        state.counters["chars"] = static_cast<double>(text.size());
    }
}
BENCHMARK(BM_PriorityList10000);

void BM_DeriveDivisorRange99(benchmark::State& state)
{
    AppTable t = table99(kWebster);
    for (auto _ : state)
        t.deriveDivisorRange();
}
BENCHMARK(BM_DeriveDivisorRange99);

} // namespace
