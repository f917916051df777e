// Bin packing with 2 500 items: each of the 18 method-and-sorting packings
// of a list where every item needs a bin of its own (sizes just above half
// the capacity: every item scans every open bin, about 3 million bin
// checks), one of random small sizes, and both sorted copies of a list
// full of equal sizes (the tie draws). Targets: a packing under 10 ms, the
// two sorted copies together under 40 ms.
#include "packing/core/packing.h"

#include <benchmark/benchmark.h>

using namespace quan;

namespace {

PackDocument worstList()
{
    PackDocument d;
    Random rng;
    rng.seed(1);
    std::vector<int64_t> sizes;
    for (int i = 0; i < kPackMaxItems; ++i)
        sizes.push_back(5001 + rng.below(4998));
    d.setList(sizes, rng);
    return d;
}

void BM_Pack2500OneBinEach(benchmark::State& state)
{
    static PackDocument d = worstList();
    const int code = static_cast<int>(state.range(0));
    for (auto _ : state) {
        d.apply(10000, code);
        benchmark::DoNotOptimize(d.bins().data());
    }
    state.counters["bins"] = d.binCount();
}
BENCHMARK(BM_Pack2500OneBinEach)
    ->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(5)
    ->Arg(10)->Arg(11)->Arg(12)->Arg(13)->Arg(14)->Arg(15)
    ->Arg(20)->Arg(21)->Arg(22)->Arg(23)->Arg(24)->Arg(25)
    ->Unit(benchmark::kMillisecond);

void BM_Pack2500Small(benchmark::State& state)
{
    PackDocument d;
    Random rng;
    rng.seed(2);
    d.random(kPackMaxItems, 10, rng);
    const int code = static_cast<int>(state.range(0));
    for (auto _ : state) {
        d.apply(10, code);
        benchmark::DoNotOptimize(d.bins().data());
    }
    state.counters["bins"] = d.binCount();
}
BENCHMARK(BM_Pack2500Small)->Arg(3)->Arg(5)->Arg(13)->Unit(benchmark::kMillisecond);

void BM_SortedCopies2500(benchmark::State& state)
{
    Random rng;
    rng.seed(3);
    std::vector<int64_t> sizes;
    for (int i = 0; i < kPackMaxItems; ++i)
        sizes.push_back(1 + rng.below(static_cast<int32_t>(state.range(0))));
    for (auto _ : state) {
        auto down = sortedCopy(sizes, true, rng);
        auto up = sortedCopy(sizes, false, rng);
        benchmark::DoNotOptimize(down.data());
        benchmark::DoNotOptimize(up.data());
    }
}
BENCHMARK(BM_SortedCopies2500)->Arg(2)->Arg(9)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
