// libFuzzer target: arbitrary bytes as a pasted LCF text.
#include <cstdio>
#include <cstdlib>

#include "fuzz_notation_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkLcf(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_lcf: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
