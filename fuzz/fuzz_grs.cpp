// libFuzzer target: arbitrary bytes as a scheduling file.
#include <cstdio>
#include <cstdlib>

#include "fuzz_checks.h"
#include "fuzz_grs_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkGrsFile(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHeader(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_grs: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
