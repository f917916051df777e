// The least number of bins: against optima computed by hand and by the
// GLPK solver (glpsol, from the glpk-utils package) on lists small enough
// for an integer program.
#include "packing/core/optimum.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace quan;

namespace {

// Bin packing as an integer program: x[i,b] = item i in bin b, y[b] = bin b
// used. With the items largest first, item i may go only into bins 1..i
// (any packing can be renumbered so), which keeps the solver quick.
int glpkOptimum(std::vector<int64_t> items, int64_t capacity, const std::filesystem::path& dir)
{
    std::sort(items.rbegin(), items.rend());
    std::ostringstream m;
    m << "param n; param c; set I := 1..n; param s{I};\n"
         "set P := {i in I, b in I: b <= i};\n"
         "var x{P} binary; var y{I} binary;\n"
         "minimize bins: sum{b in I} y[b];\n"
         "s.t. one{i in I}: sum{(i, b) in P} x[i, b] = 1;\n"
         "s.t. cap{b in I}: sum{(i, b) in P} s[i] * x[i, b] <= c * y[b];\n"
         "s.t. open{(i, b) in P}: x[i, b] <= y[b];\n"
         "solve;\n"
         "printf \"%d\\n\", sum{b in I} y[b] > \""
      << (dir / "result.txt").string() << "\";\n"
      << "data;\nparam n := " << items.size() << ";\nparam c := " << capacity << ";\nparam s :=";
    for (size_t i = 0; i < items.size(); ++i)
        m << ' ' << i + 1 << ' ' << items[i];
    m << ";\nend;\n";
    std::filesystem::remove(dir / "result.txt");
    std::ofstream(dir / "model.mod") << m.str();
    std::string cmd = "glpsol --math " + (dir / "model.mod").string() + " > " + (dir / "glpsol.log").string() + " 2>&1";
    if (std::system(cmd.c_str()) != 0)
        return -1;
    std::ifstream in(dir / "result.txt");
    int bins = -1;
    in >> bins;
    return bins;
}

std::vector<int64_t> all(const std::vector<Bin>& bins)
{
    std::vector<int64_t> out;
    for (const Bin& b : bins)
        out.insert(out.end(), b.items.begin(), b.items.end());
    std::sort(out.begin(), out.end());
    return out;
}

void expectValidPacking(const OptimumResult& r, std::vector<int64_t> items, int64_t capacity)
{
    std::sort(items.begin(), items.end());
    EXPECT_EQ(all(r.packing), items);
    EXPECT_EQ(static_cast<int>(r.packing.size()), r.bins);
    for (const Bin& b : r.packing) {
        int64_t used = 0;
        for (int64_t s : b.items)
            used += s;
        EXPECT_LE(used, capacity);
        EXPECT_EQ(b.used, used);
        EXPECT_FALSE(b.items.empty());
    }
}

} // namespace

TEST(Optimum, HandWorkedLists)
{
    // 5 3 2 | 4 4 2: two bins where every heuristic takes three.
    OptimumResult r = leastBins({5, 4, 4, 3, 2, 2}, 10);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.bins, 2);
    expectValidPacking(r, {5, 4, 4, 3, 2, 2}, 10);
    // Six items of 4 and three of 3 into 12: 4 4 4 | 4 4 4 | 3 3 3 is
    // three bins; first fit decreasing finds it too.
    r = leastBins({4, 4, 4, 4, 4, 4, 3, 3, 3}, 12);
    EXPECT_EQ(r.bins, 3);
    // Three items of 6 and three of 4 into 10: each bin takes one of each.
    r = leastBins({6, 6, 6, 4, 4, 4}, 10);
    EXPECT_EQ(r.bins, 3);
    // 7 items larger than half: one bin each.
    r = leastBins({6, 6, 6, 6, 6, 6, 6}, 10);
    EXPECT_EQ(r.bins, 7);
    EXPECT_EQ(r.lowerBound, 7); // the stronger bound sees it, ceil(42/10) = 5 does not
    // First fit decreasing: 6 4 | 6 3 | 5 2 2 | 2, four bins; the optimum
    // 6 2 2 | 6 4 | 5 3 2 fills three exactly.
    const std::vector<int64_t> tricky{3, 6, 6, 2, 4, 2, 5, 2};
    std::vector<int64_t> down = tricky;
    std::sort(down.rbegin(), down.rend());
    EXPECT_EQ(packItems(down, 10, FitMethod::First).size(), 4u);
    r = leastBins(tricky, 10);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.bins, 3);
    expectValidPacking(r, tricky, 10);
    for (const Bin& b : r.packing)
        EXPECT_EQ(b.used, 10);
}

TEST(Optimum, StrongerBoundIsAtLeastTheSimpleOne)
{
    EXPECT_EQ(strongerLowerBound({5, 4, 4, 3, 2, 2}, 10), 2);
    EXPECT_EQ(strongerLowerBound({6, 6, 6, 6}, 10), 4);
    // Items of 6, 5 and 5 into 10: 6 takes a bin alone, the two 5s share.
    EXPECT_EQ(strongerLowerBound({6, 5, 5}, 10), 2);
    EXPECT_EQ(strongerLowerBound({7, 7, 3, 3, 3}, 10), 3);
}

TEST(Optimum, QStopsTheSearch)
{
    // Many items of nearly a third: FFD is far above the bound, and the
    // search takes long enough to be polled.
    std::vector<int64_t> items;
    Random rng;
    rng.seed(77);
    for (int i = 0; i < 60; ++i)
        items.push_back(250 + rng.below(200));
    int polls = 0;
    OptimumProgress p;
    p.poll = [&] { return ++polls >= 2 ? 'Q' : 0; };
    OptimumResult r = leastBins(items, 1000, p);
    EXPECT_FALSE(r.finished);
    EXPECT_EQ(polls, 2);
    // What it found so far is a packing all the same.
    expectValidPacking(r, items, 1000);
    EXPECT_GT(r.bins, r.lowerBound);
}

TEST(Optimum, AgreesWithTheIntegerProgramSolver)
{
    ASSERT_EQ(std::system("command -v glpsol > /dev/null 2>&1"), 0)
        << "glpsol is missing: install glpk-utils (scripts/setup.sh does)";
    const auto dir = std::filesystem::temp_directory_path() / ("quandel-glpk-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    // Lists where the heuristics go wrong, then random ones; every other
    // random list has sizes from a fifth to a half of the capacity and a
    // little more.
    std::vector<std::pair<std::vector<int64_t>, int64_t>> lists = {
        {{3, 6, 6, 2, 4, 2, 5, 2}, 10},
        {{5, 4, 4, 3, 2, 2}, 10},
        {{44, 24, 24, 22, 21, 17, 8, 8, 6, 6}, 60},
    };
    Random rng;
    rng.seed(4242);
    for (int round = 0; round < 24; ++round) {
        const int n = 6 + rng.below(10); // 6..15 items
        const int64_t c = 10 + rng.below(40);
        const int64_t lo = round % 2 ? c / 5 : 1, hi = round % 2 ? c / 2 + c / 10 : c - 1;
        std::vector<int64_t> items;
        for (int i = 0; i < n; ++i)
            items.push_back(lo + rng.below(static_cast<int32_t>(hi - lo + 1)));
        lists.emplace_back(items, c);
    }
    int aboveFfd = 0;
    for (const auto& [items, c] : lists) {
        const int want = glpkOptimum(items, c, dir);
        ASSERT_GT(want, 0) << "glpsol failed, see " << (dir / "glpsol.log").string();
        OptimumResult r = leastBins(items, c);
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.bins, want) << "list of " << items.size() << " into " << c;
        EXPECT_LE(r.lowerBound, want);
        expectValidPacking(r, items, c);
        std::vector<int64_t> down = items;
        std::sort(down.rbegin(), down.rend());
        aboveFfd += static_cast<int>(packItems(down, c, FitMethod::First).size()) > want;
    }
    std::filesystem::remove_all(dir);
    // The search had real work to do on some of them.
    EXPECT_GT(aboveFfd, 0);
}
