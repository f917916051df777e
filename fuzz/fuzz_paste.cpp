// libFuzzer target: arbitrary bytes as clipboard text pasted into a
// bin-packing window.
#include <cstdio>
#include <cstdlib>

#include "fuzz_packing_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkPaste(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_paste: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
