// Every committed fuzz seed of fuzz_grs and fuzz_task_paste and a few
// thousand reproducible mutations go through the ".grs" reader, the
// task-digraph paste and the list buttons; the properties of
// fuzz_grs_checks.h must hold for each.
#include "../../fuzz/fuzz_checks.h"
#include "../../fuzz/fuzz_grs_checks.h"
#include "../../fuzz/fuzz_grs_window.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(Robustness, CommittedGrsSeedsAreValidFiles)
{
    const auto seeds = corpus("fuzz_grs");
    ASSERT_GE(seeds.size(), 7u);
    for (const Bytes& b : seeds) {
        GraDocument d = newGrsDocument();
        EXPECT_EQ(readGrs(b, d), 0);
        Schedule s;
        EXPECT_EQ(applyList(d.graph, storedList(d), d.settings.scheduleSetting, true, s), 0);
    }
}

TEST(Robustness, MutatedGrsFiles)
{
    runAll(corpus("fuzz_grs"), {&fuzzcheck::checkGrsFile, &fuzzcheck::checkHeader}, 6561, 1500);
}

TEST(Robustness, MutatedTaskPastes)
{
    const std::vector<Bytes> seeds = corpus("fuzz_task_paste");
    ASSERT_FALSE(seeds.empty());
    runAll(seeds, {&fuzzcheck::checkTaskPaste}, 52, 1500);
}

TEST(Robustness, MutatedGrsFilesInTheWindow)
{
    runAll(corpus("fuzz_grs"), {&fuzzcheck::checkGrsWindow}, 6561, 200);
}
