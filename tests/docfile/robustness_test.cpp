// Every committed fuzz seed and a few thousand reproducible mutations of
// valid files go through the readers; the properties of fuzz_checks.h
// must hold for each. Runs in every build (no fuzzing engine needed) and
// catches memory faults when the tests are built with the sanitizers.
#include "../../fuzz/fuzz_checks.h"
#include "robustness.h"

using namespace quan;
using robust::corpus;
using robust::runAll;

TEST(Robustness, CommittedSettingsSeedsAreValidFiles)
{
    auto settings = corpus("fuzz_settings");
    ASSERT_FALSE(settings.empty());
    int accepted = 0;
    for (const Bytes& b : settings) {
        SettingsState s;
        s.header = headerStateFor(fuzzcheck::claimedKind(b.data(), b.size()));
        accepted += ReadSettings(b, s);
    }
    EXPECT_GE(accepted, 2);
}

TEST(Robustness, MutatedSettingsAndOverlays)
{
    std::vector<Bytes> seeds = corpus("fuzz_settings");
    SettingsState s;
    s.header = headerStateFor(kKindBinPacking);
    s.documentName = "packing.bpa";
    seeds.push_back(WriteSettings(s));
    OverlayBlocks o;
    o.texts.resize(2);
    o.graphics.resize(1);
    o.graphics[0].metafile = {1, 2, 3, 4};
    ByteWriter w;
    ASSERT_TRUE(writeOverlays(w, o));
    seeds.push_back(w.take());
    runAll(seeds, {&fuzzcheck::checkSettings, &fuzzcheck::checkOverlays, &fuzzcheck::checkHeader}, 2010, 4000);
}
