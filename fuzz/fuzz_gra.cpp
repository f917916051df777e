// libFuzzer target: arbitrary bytes as a graph file.
#include <cstdio>
#include <cstdlib>

#include "fuzz_checks.h"
#include "fuzz_gra_checks.h"
#include "fuzz_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkGraFile(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHeader(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkGraWindow(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_gra: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
