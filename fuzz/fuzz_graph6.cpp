// libFuzzer target: arbitrary bytes as a pasted graph6 (or digraph6 without its '&') string.
#include <cstdio>
#include <cstdlib>

#include "fuzz_notation_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkGraph6(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_graph6: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
