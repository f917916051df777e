// Every committed fuzz seed and a few thousand reproducible mutations of
// valid files go through the readers; the properties of fuzz_checks.h
// must hold for each. Runs in every build (no fuzzing engine needed) and
// catches memory faults when the tests are built with the sanitizers.
#include <random>

#include <gtest/gtest.h>

#include "../../fuzz/fuzz_checks.h"
#include "testutil.h"

using namespace quan;
namespace fs = std::filesystem;

namespace {

using Check = std::string (*)(const uint8_t*, size_t);

std::vector<Bytes> corpus(const std::string& target)
{
    std::vector<Bytes> files;
    const fs::path dir = testutil::sourceDir() / "fuzz" / "corpus" / target;
    if (fs::is_directory(dir))
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file())
                files.push_back(testutil::readAll(e.path()));
    return files;
}

Bytes mutate(const Bytes& in, std::mt19937& gen)
{
    static const int64_t interesting[] = {0, 1, -1, 2, 9, 10, 61, 62, 99, 100, 0x7FFFFFFF, -0x7FFFFFFF - 1, 65535,
        64001, 19451947, 19471945, 1331, 6561};
    Bytes b = in;
    auto pick = [&gen](size_t n) { return n ? static_cast<size_t>(gen() % n) : 0; };
    const int steps = 1 + static_cast<int>(gen() % 4);
    for (int s = 0; s < steps; ++s) {
        switch (gen() % 7) {
        case 0:
            if (!b.empty())
                b[pick(b.size())] ^= static_cast<uint8_t>(1u << (gen() % 8));
            break;
        case 1:
            if (!b.empty())
                b[pick(b.size())] = static_cast<uint8_t>(gen());
            break;
        case 2:
            if (b.size() >= 4) {
                size_t at = pick(b.size() - 3) & ~size_t{1};
                int64_t v = interesting[pick(std::size(interesting))];
                for (size_t i = 0; i < 4 && at + i < b.size(); ++i)
                    b[at + i] = static_cast<uint8_t>(v >> (8 * i));
            }
            break;
        case 3:
            b.resize(pick(b.size() + 1));
            break;
        case 4: {
            size_t at = pick(b.size() + 1);
            size_t len = std::min(b.size() - at, pick(64));
            b.erase(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + len));
            break;
        }
        case 5: {
            size_t at = pick(b.size() + 1);
            Bytes extra(pick(32) + 1);
            for (uint8_t& x : extra)
                x = static_cast<uint8_t>(gen());
            b.insert(b.begin() + static_cast<long>(at), extra.begin(), extra.end());
            break;
        }
        default: {
            size_t at = pick(b.size() + 1);
            size_t len = std::min(b.size() - at, pick(300));
            Bytes copy(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + len));
            b.insert(b.begin() + static_cast<long>(pick(b.size() + 1)), copy.begin(), copy.end());
            break;
        }
        }
    }
    return b;
}

void runAll(const std::vector<Bytes>& seeds, const std::vector<Check>& checks, unsigned seed, int mutations)
{
    ASSERT_FALSE(seeds.empty());
    for (const Bytes& b : seeds)
        for (Check c : checks) {
            std::string problem = c(b.data(), b.size());
            ASSERT_EQ(problem, "") << "seed of " << b.size() << " bytes";
        }
    std::mt19937 gen(seed);
    for (int i = 0; i < mutations; ++i) {
        Bytes b = mutate(seeds[static_cast<size_t>(gen() % seeds.size())], gen);
        for (Check c : checks) {
            std::string problem = c(b.data(), b.size());
            ASSERT_EQ(problem, "") << "mutation " << i;
        }
    }
}

} // namespace

TEST(Robustness, CommittedSeedsAreValidFiles)
{
    auto hor = corpus("fuzz_hor");
    ASSERT_FALSE(hor.empty());
    int readable = 0;
    for (const Bytes& b : hor) {
        HorDocument d;
        readable += readHor(b, d) == 0;
    }
    EXPECT_GE(readable, 2);

    auto bnz = corpus("fuzz_bnz");
    ASSERT_FALSE(bnz.empty());
    readable = 0;
    for (const Bytes& b : bnz) {
        BnzDocument d;
        readable += readBnz(b, d) == 0;
    }
    EXPECT_EQ(readable, static_cast<int>(bnz.size()));

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

TEST(Robustness, MutatedBnzFiles)
{
    runAll(corpus("fuzz_bnz"), {&fuzzcheck::checkBnz, &fuzzcheck::checkHeader}, 887, 4000);
}
