// Every committed fuzz seed of the squared-rectangle targets and a few
// thousand reproducible mutations go through the Bouwkamp reader, the
// layout, the network and the ".bou" reader; the properties of
// fuzz_sqrect_checks.h must hold for each. Runs in every build and catches
// memory faults under the sanitizers.
#include "../../fuzz/fuzz_sqrect_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(SqrectRobustness, CommittedSeedsAreRead)
{
    const auto codes = corpus("fuzz_bouwkamp");
    EXPECT_GE(codes.size(), 8u);
    int built = 0;
    for (const auto& b : codes) {
        BouwkampCode c;
        SquaredRectangle r;
        built += ReadBouwkamp(std::string(b.begin(), b.end()), c) == 0 && BuildSquaredRectangle(c.width, c.sizes, r) == 0;
    }
    EXPECT_GE(built, 6);
    const auto files = corpus("fuzz_bou");
    EXPECT_GE(files.size(), 5u);
    for (const auto& b : files) {
        BouwkampCollection c;
        EXPECT_EQ(readBou(b.data(), b.size(), c), 0);
    }
}

TEST(SqrectRobustness, MutatedCodes)
{
    runAll(corpus("fuzz_bouwkamp"), {&fuzzcheck::checkBouwkamp}, 26, 3000);
}

TEST(SqrectRobustness, MutatedBouFiles)
{
    runAll(corpus("fuzz_bou"), {&fuzzcheck::checkBou}, 26, 2000);
}
