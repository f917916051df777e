// The fuzz targets' properties, always run: the committed seeds of
// fuzz_vot and a few thousand mutations of them go through the ".vot"
// reader and the profile paste; a few hundred through the election window.
#include "../../fuzz/fuzz_vot_checks.h"
#include "../../fuzz/fuzz_vot_window.h"
#include "robustness.h"

#include <gtest/gtest.h>

using namespace quan;

TEST(ElectionRobustness, VotSeedsAndMutations)
{
    const std::vector<robust::Bytes> seeds = robust::corpus("fuzz_vot");
    ASSERT_GE(seeds.size(), 4u);
    robust::runAll(seeds, {&fuzzcheck::checkVot}, 6561, 3000);
}

TEST(ElectionRobustness, VotSeedsAndMutationsInTheWindow)
{
    const std::vector<robust::Bytes> seeds = robust::corpus("fuzz_vot");
    robust::runAll(seeds, {&fuzzcheck::checkVotWindow}, 6562, 300);
}

TEST(ElectionRobustness, ProfileSeedsAndMutations)
{
    const std::vector<robust::Bytes> seeds = robust::corpus("fuzz_vot");
    robust::runAll(seeds, {&fuzzcheck::checkProfile}, 55, 3000);
}

TEST(ElectionRobustness, HandPickedProfiles)
{
    const char* texts[] = {"18 ADECB\n12 BEDCA\n10 CBEDA\n9 DCEBA\n4 EBDCA\n2 ECDBA\n", "3 xyz\r\n2 zy\r\n", "",
                           "0 ABCDE", "2147483647 EDCBA", "1 ABCD\n1 ABCDE\n-", "\xff\xfe 1 A B C D E"};
    for (const char* t : texts) {
        const std::string s(t);
        EXPECT_EQ(fuzzcheck::checkProfile(reinterpret_cast<const uint8_t*>(s.data()), s.size()), "") << s;
    }
}
