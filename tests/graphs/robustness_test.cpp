// Every committed fuzz seed of fuzz_gra and fuzz_graph_paste and a few
// thousand reproducible mutations go through the ".gra" reader and the
// graph pastes; the properties of fuzz_gra_checks.h must hold for each.
// Runs in every build and catches memory faults under the sanitizers.
#include "../../fuzz/fuzz_checks.h"
#include "../../fuzz/fuzz_gra_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(Robustness, CommittedGraSeedsAreValidFiles)
{
    const auto seeds = corpus("fuzz_gra");
    ASSERT_FALSE(seeds.empty());
    int readable = 0;
    for (const Bytes& b : seeds) {
        GraDocument d;
        readable += readGra(b, d) == 0;
    }
    EXPECT_GE(readable, 3);
}

TEST(Robustness, MutatedGraFiles)
{
    runAll(corpus("fuzz_gra"), {&fuzzcheck::checkGraFile, &fuzzcheck::checkHeader}, 6561, 1500);
}

TEST(Robustness, MutatedGraphPastes)
{
    std::vector<Bytes> seeds = corpus("fuzz_graph_paste");
    ASSERT_FALSE(seeds.empty());
    runAll(seeds, {&fuzzcheck::checkGraphPaste}, 286, 1500);
}
