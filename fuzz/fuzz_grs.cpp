// libFuzzer target: arbitrary bytes as a scheduling file, read on its own
// and then opened, scheduled and saved by the scheduling window.
#include <cstdio>
#include <cstdlib>

#include "fuzz_checks.h"
#include "fuzz_grs_checks.h"
#include "fuzz_grs_window.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkGrsFile(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHeader(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkGrsWindow(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_grs: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
