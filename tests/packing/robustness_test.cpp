// The fuzz targets' properties, always run: the committed seeds of
// fuzz_bpa and fuzz_paste and a few thousand mutations of them go through
// the ".bpa" reader and the pasted-number reader.
#include "../../fuzz/fuzz_packing_checks.h"
#include "robustness.h"

#include <gtest/gtest.h>

#include <random>

using namespace quan;
namespace fs = std::filesystem;

namespace {

using robust::corpus;

// Flips, overwrites with words that matter to the format, cuts and
// inserts.
Bytes mutate(const Bytes& in, std::mt19937& gen, bool text)
{
    static const int64_t words[] = {0, 1, -1, 2, 5, 6, 9, 10, 11, 16, 25, 26, 2500, 2501, 3000, 0x7FFFFFFF,
                                    -0x7FFFFFFF - 1, 64001, 5476, 6561};
    static const char chars[] = "0123456789.-- ,x\n";
    Bytes b = in;
    auto pick = [&gen](size_t n) { return n ? static_cast<size_t>(gen() % n) : 0; };
    const int steps = 1 + static_cast<int>(gen() % 4);
    for (int s = 0; s < steps; ++s) {
        switch (gen() % 5) {
        case 0:
            if (!b.empty())
                b[pick(b.size())] = text ? static_cast<uint8_t>(chars[pick(sizeof chars - 1)]) : static_cast<uint8_t>(gen());
            break;
        case 1:
            if (b.size() >= 4) {
                size_t at = pick(b.size() - 3) & ~size_t{3};
                int64_t v = words[pick(std::size(words))];
                for (size_t i = 0; i < 4; ++i)
                    b[at + i] = static_cast<uint8_t>(v >> (8 * i));
            }
            break;
        case 2: b.resize(pick(b.size() + 1)); break;
        case 3: {
            size_t at = pick(b.size() + 1);
            size_t len = std::min(b.size() - at, pick(64));
            b.erase(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + len));
            break;
        }
        default: {
            size_t at = pick(b.size() + 1);
            Bytes extra(pick(16) + 1);
            for (uint8_t& x : extra)
                x = text ? static_cast<uint8_t>(chars[pick(sizeof chars - 1)]) : static_cast<uint8_t>(gen());
            b.insert(b.begin() + static_cast<long>(at), extra.begin(), extra.end());
            break;
        }
        }
    }
    return b;
}

void runAll(const std::string& target, std::string (*check)(const uint8_t*, size_t), bool text, int mutations)
{
    const std::vector<Bytes> seeds = corpus(target);
    ASSERT_GE(seeds.size(), 3u) << target;
    for (const Bytes& b : seeds)
        ASSERT_EQ(check(b.data(), b.size()), "") << "seed of " << b.size() << " bytes";
    std::mt19937 gen(5476);
    for (int i = 0; i < mutations; ++i) {
        Bytes b = mutate(seeds[static_cast<size_t>(gen() % seeds.size())], gen, text);
        ASSERT_EQ(check(b.data(), b.size()), "") << "mutation " << i;
    }
}

} // namespace

TEST(PackingRobustness, BpaSeedsAndMutations) { runAll("fuzz_bpa", &fuzzcheck::checkBpa, false, 3000); }

TEST(PackingRobustness, PasteSeedsAndMutations) { runAll("fuzz_paste", &fuzzcheck::checkPaste, true, 3000); }
