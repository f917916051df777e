// libFuzzer target: arbitrary bytes as a pasted task digraph.
#include <cstdio>
#include <cstdlib>

#include "fuzz_grs_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = quan::fuzzcheck::checkTaskPaste(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_task_paste: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
