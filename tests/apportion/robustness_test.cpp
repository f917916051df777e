// Every committed fuzz seed and a few thousand reproducible mutations of
// valid files go through the ".hor" reader; the properties of fuzz_hor_checks.h
// must hold for each. Runs in every build (no fuzzing engine needed) and
// catches memory faults when the tests are built with the sanitizers.
#include "../../fuzz/fuzz_hor_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(Robustness, CommittedHorSeedsAreValidFiles)
{
    auto hor = corpus("fuzz_hor");
    ASSERT_FALSE(hor.empty());
    int readable = 0;
    for (const Bytes& b : hor) {
        HorDocument d;
        readable += readHor(b, d) == 0;
    }
    EXPECT_GE(readable, 2);
}

TEST(Robustness, FontHeightsFoundByTheFuzzerAreRefused)
{
    // Two files the window fuzzer found: font heights whose negation or
    // text-extent sums overflowed when the window painted them.
    for (const char* name : {"regress-font-height-a", "regress-font-height-b"}) {
        const Bytes b = testutil::readAll(testutil::sourceDir() / "fuzz" / "corpus" / "fuzz_hor" / name);
        ASSERT_FALSE(b.empty()) << name;
        HorDocument d;
        const HorDocument before = d;
        EXPECT_EQ(readHor(b, d), 11) << name;
        EXPECT_EQ(d, before) << name;
    }
}

TEST(Robustness, MutatedHorFiles)
{
    std::vector<Bytes> seeds = corpus("fuzz_hor");
    HorDocument d;
    d.populations = {236841, 55540, 70835};
    d.names = {"Connecticut", "Delaware", "Georgia"};
    d.divisor = 3415.5L;
    ByteWriter w;
    ASSERT_TRUE(writeHor(w, d));
    seeds.push_back(w.take());
    runAll(seeds, {&fuzzcheck::checkHor, &fuzzcheck::checkHeader}, 1790, 4000);
}
