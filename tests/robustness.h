// Shared by the robustness tests of the document readers: the committed
// fuzz seeds of a target, reproducible mutations of valid files, and a run
// of reader checks (fuzz/fuzz_checks.h and its topic files) over both.
#pragma once

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "testutil.h"

namespace robust {

using Bytes = testutil::Bytes;
using Check = std::string (*)(const uint8_t*, size_t);

inline std::vector<Bytes> corpus(const std::string& target)
{
    std::vector<Bytes> files;
    const std::filesystem::path dir = testutil::sourceDir() / "fuzz" / "corpus" / target;
    if (std::filesystem::is_directory(dir))
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.is_regular_file())
                files.push_back(testutil::readAll(e.path()));
    return files;
}

inline Bytes mutate(const Bytes& in, std::mt19937& gen)
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

inline void runAll(const std::vector<Bytes>& seeds, const std::vector<Check>& checks, unsigned seed, int mutations)
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

} // namespace robust
