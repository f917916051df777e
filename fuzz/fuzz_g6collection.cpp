// libFuzzer target: arbitrary bytes as a graph6 collection file stepped through in the viewer.
#include <cstdio>
#include <cstdlib>

#include "fuzz_notation_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkG6Collection(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_g6collection: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
