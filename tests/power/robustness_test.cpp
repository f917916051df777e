// Every committed fuzz seed and a few thousand reproducible mutations of
// valid files go through the ".bnz" reader; the properties of fuzz_bnz_checks.h
// must hold for each. Runs in every build (no fuzzing engine needed) and
// catches memory faults when the tests are built with the sanitizers.
#include "../../fuzz/fuzz_bnz_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(Robustness, CommittedBnzSeedsAreValidFiles)
{
    auto bnz = corpus("fuzz_bnz");
    ASSERT_FALSE(bnz.empty());
    int readable = 0;
    for (const Bytes& b : bnz) {
        BnzDocument d;
        readable += readBnz(b, d) == 0;
    }
    EXPECT_EQ(readable, static_cast<int>(bnz.size()));
}

TEST(Robustness, MutatedBnzFiles)
{
    runAll(corpus("fuzz_bnz"), {&fuzzcheck::checkBnz, &fuzzcheck::checkHeader}, 887, 4000);
}
