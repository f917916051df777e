// Elections at six candidates (720 ballots): the tally with the summary of
// all four reports (target under 0.1 ms), the three-winner search of
// about a thousand attempts at 10 000 votes with its polls (under 50 ms),
// and a random example of 2 000 000 000 votes (under 5 ms; two
// candidates shown for comparison, where the chunk rule takes about 10^9
// draws and the poll keeps Q answered).
#include "elections/core/election.h"
#include "elections/core/summary.h"

#include <benchmark/benchmark.h>

using namespace quan;

namespace {

Election sixCandidates(int32_t votes, uint32_t seed)
{
    Random rng;
    rng.seed(seed);
    Election e;
    e.newNames("ABCDEF", rng);
    e.random(votes, false, rng);
    ReportSwitches s;
    s.plurality = s.runoff = s.borda = s.condorcet = true;
    e.setSwitches(s);
    return e;
}

void BM_TallyAndSummary6(benchmark::State& state)
{
    Election e = sixCandidates(10000, 1);
    for (auto _ : state) {
        // Selecting a ballot re-tallies the whole list.
        e.selectBallot(e.current());
        std::string text = summaryText(e);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_TallyAndSummary6)->Unit(benchmark::kMicrosecond);

void BM_SearchThousandAttempts6(benchmark::State& state)
{
    // One vote never gives three winners, so every search makes all its
    // attempts; 10 000 votes is the case of the target. The poll answers
    // nothing, as a window does while no key is pressed.
    const auto votes = static_cast<int32_t>(state.range(0));
    Election e = sixCandidates(10000, 2);
    Random rng;
    rng.seed(3);
    long long polls = 0;
    const Poll poll = [&polls]() {
        ++polls;
        return 0;
    };
    int found = 0;
    for (auto _ : state) {
        // Searches that succeed early are repeated until a thousand
        // attempts' worth of work is measured: count attempts by polls.
        const long long start = polls;
        while (polls - start < kSearchAttempts) {
            if (e.random(votes, true, rng, poll) == 0)
                ++found;
            ++polls;
        }
    }
    state.counters["found"] = found;
}
BENCHMARK(BM_SearchThousandAttempts6)->Arg(10000)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RandomExample2e9(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    Election e = sixCandidates(10, 4);
    Random rng;
    rng.seed(5);
    e.newNames(std::string("ABCDEF").substr(0, static_cast<size_t>(n)), rng);
    const Poll poll = []() { return 0; };
    for (auto _ : state) {
        e.random(2000000000, false, rng, poll);
        benchmark::DoNotOptimize(e.ballots().data());
    }
}
BENCHMARK(BM_RandomExample2e9)->Arg(6)->Arg(5)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
