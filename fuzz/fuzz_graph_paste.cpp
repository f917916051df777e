// libFuzzer target: arbitrary bytes as clipboard text pasted into a graph
// as Coordinates, Adjacencies and Weights.
#include <cstdio>
#include <cstdlib>

#include "fuzz_gra_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkGraphPaste(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_graph_paste: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
