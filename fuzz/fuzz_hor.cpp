// libFuzzer target: arbitrary bytes as an apportionment file, read on its
// own and then opened, calculated and saved by the apportionment window.
#include <cstdio>
#include <cstdlib>

#include "fuzz_hor_checks.h"
#include "fuzz_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkHor(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHeader(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHorWindow(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_hor: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
