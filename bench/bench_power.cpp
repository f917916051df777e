// Voting-power calculations: all cases, Monte Carlo and exact counting.
#include "power/power_calc.h"
#include "power/worksheet.h"

#include <benchmark/benchmark.h>

#include <numeric>
#include <random>

using namespace quan;

namespace {

using Weights = std::vector<int64_t>;

Weights randomWeights(size_t n, int64_t lo, int64_t hi, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int64_t> d(lo, hi);
    Weights w(n);
    for (auto& x : w)
        x = d(gen);
    return w;
}

int64_t majority(const Weights& w)
{
    return std::accumulate(w.begin(), w.end(), int64_t{0}) / 2 + 1;
}

// Electoral votes of the 50 states and DC after the 2010 apportionment
// (House seats + 2; DC 3), in alphabetical order: 538 in all.
const Weights kElectoralCollege = {9, 3, 11, 6, 55, 9, 7, 3, 3, 29, 16, 4, 4, 20, 11, 6, 6,
                                   8, 8, 4, 10, 11, 16, 10, 6, 10, 3, 5, 6, 4, 14, 5, 29, 15,
                                   3, 18, 7, 7, 20, 4, 9, 3, 11, 38, 6, 3, 13, 12, 5, 10, 3};

// A poll as cheap as a platform poll that finds no key.
Progress idlePoll()
{
    return Progress{[] { return 0; }, [](const std::string&) {}};
}

void BM_BanzhafAllCases30(benchmark::State& state)
{
    const Weights w = randomWeights(30, 1, 100, 1);
    const Progress p = idlePoll();
    PowerCounts c;
    for (auto _ : state) {
        banzhafAllCases(w, majority(w), {}, p, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
    state.counters["coalitions/s"] =
        benchmark::Counter(static_cast<double>(uint64_t{1} << 30) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BanzhafAllCases30)->Unit(benchmark::kMillisecond);

void BM_BanzhafAllCases30Pair(benchmark::State& state)
{
    const Weights w = randomWeights(30, 1, 100, 2);
    const Progress p = idlePoll();
    PowerCounts c;
    for (auto _ : state) {
        banzhafAllCases(w, majority(w), {3, 17}, p, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
    state.counters["coalitions/s"] =
        benchmark::Counter(static_cast<double>(uint64_t{1} << 30) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BanzhafAllCases30Pair)->Unit(benchmark::kMillisecond);

// Quota as a fraction (per mille) of the total: majority and unanimity,
// the latter the walk's worst case (every pivot comes last).
void BM_ShapleyAllCases12(benchmark::State& state)
{
    const Weights w = randomWeights(12, 1, 100, 3);
    const int64_t total = std::accumulate(w.begin(), w.end(), int64_t{0});
    const int64_t q = state.range(0) == 1000 ? total : majority(w);
    const Progress p = idlePoll();
    PowerCounts c;
    for (auto _ : state) {
        shapleyAllCases(w, q, p, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
    state.counters["orderings/s"] =
        benchmark::Counter(479001600.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ShapleyAllCases12)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

// Monte Carlo on the Electoral College until a fixed number of polls.
void monteCarlo(benchmark::State& state, bool shapley)
{
    Random rng;
    rng.seed(12345);
    const int pollsPerRun = 500;
    uint64_t samples = 0, draws = 0;
    PowerCounts c;
    for (auto _ : state) {
        int polls = 0;
        Progress p{[&polls] { return ++polls >= pollsPerRun ? 'Q' : 0; }, [](const std::string&) {}};
        if (shapley)
            shapleyMonteCarlo(kElectoralCollege, 270, rng, p, c);
        else
            banzhafMonteCarlo(kElectoralCollege, 270, {}, rng, p, c);
        samples += c.cases.low64();
        draws += c.draws;
    }
    state.counters["samples/s"] = benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
    state.counters["drawn/s"] = benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kIsRate);
}

void BM_BanzhafMonteCarlo51(benchmark::State& state) { monteCarlo(state, false); }
void BM_ShapleyMonteCarlo51(benchmark::State& state) { monteCarlo(state, true); }
BENCHMARK(BM_BanzhafMonteCarlo51)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShapleyMonteCarlo51)->Unit(benchmark::kMillisecond);

void BM_ExactBanzhafElectoralCollege(benchmark::State& state)
{
    PowerCounts c;
    for (auto _ : state) {
        banzhafExact(kElectoralCollege, 270, {}, Progress{}, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
}
BENCHMARK(BM_ExactBanzhafElectoralCollege)->Unit(benchmark::kMicrosecond);

void BM_ExactShapleyElectoralCollege(benchmark::State& state)
{
    PowerCounts c;
    for (auto _ : state) {
        shapleyExact(kElectoralCollege, 270, Progress{}, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
}
BENCHMARK(BM_ExactShapleyElectoralCollege)->Unit(benchmark::kMicrosecond);

// 99 blocs with weights 1..10 000 and their majority quota.
void BM_ExactBanzhaf99(benchmark::State& state)
{
    const Weights w = randomWeights(99, 1, 10000, 4);
    PowerCounts c;
    for (auto _ : state) {
        banzhafExact(w, majority(w), {}, Progress{}, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
}
BENCHMARK(BM_ExactBanzhaf99)->Unit(benchmark::kMillisecond);

void BM_ExactShapley99(benchmark::State& state)
{
    const Weights w = randomWeights(99, 1, 10000, 4);
    PowerCounts c;
    for (auto _ : state) {
        shapleyExact(w, majority(w), Progress{}, c);
        benchmark::DoNotOptimize(c.pivotal.data());
    }
}
BENCHMARK(BM_ExactShapley99)->Unit(benchmark::kMillisecond)->Iterations(1);

// The largest calculations worksheet: ten blocs, 1024 coalitions with their
// totals and pivotal flags, then its Text out (cut at the text window's
// 64 000 characters): what Misc|Calculations and File|Text out cost.
void BM_Worksheet10(benchmark::State& state)
{
    const Weights w = randomWeights(10, 1, 2147483647, 5);
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back("name" + std::to_string(100 + i).substr(1));
    Worksheet sheet;
    for (auto _ : state) {
        sheet.build(w, names, majority(w));
        benchmark::DoNotOptimize(sheet.count(0));
    }
}
BENCHMARK(BM_Worksheet10)->Unit(benchmark::kMicrosecond);

void BM_WorksheetTextOut10(benchmark::State& state)
{
    const Weights w = randomWeights(10, 1, 2147483647, 6);
    Worksheet sheet;
    sheet.build(w, std::vector<std::string>(10, "bloc"), majority(w));
    for (auto _ : state) {
        std::string t = sheet.textOut("total", 64000);
        benchmark::DoNotOptimize(t.data());
    }
}
BENCHMARK(BM_WorksheetTextOut10)->Unit(benchmark::kMicrosecond);

} // namespace
