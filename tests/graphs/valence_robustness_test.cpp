// Every committed fuzz seed of fuzz_valences and a few thousand
// reproducible mutations go through the valence paste; the properties of
// fuzz_valences_checks.h must hold for each. Runs in every build and
// catches memory faults under the sanitizers.
#include "../../fuzz/fuzz_valences_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(ValenceRobustness, CommittedSeedsAreRead)
{
    const auto seeds = corpus("fuzz_valences");
    EXPECT_GE(seeds.size(), 4u);
    int accepted = 0;
    for (const auto& b : seeds) {
        Graph g;
        Random rng;
        accepted += GraphFromValencesText(g, std::string(b.begin(), b.end()), true, fuzzcheck::kValenceView, rng) == 0;
        EXPECT_EQ(fuzzcheck::checkValencePaste(b.data(), b.size()), "");
    }
    EXPECT_GE(accepted, 3);
}

TEST(ValenceRobustness, MutatedValenceLists)
{
    runAll(corpus("fuzz_valences"), {&fuzzcheck::checkValencePaste}, 286, 1500);
}
