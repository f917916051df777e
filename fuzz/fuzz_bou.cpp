// libFuzzer target: arbitrary bytes as a ".bou" collection file.
#include <cstdio>
#include <cstdlib>

#include "fuzz_sqrect_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkBou(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_bou: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
