// libFuzzer target: arbitrary bytes as a weighted-voting file, read on its
// own and then opened, calculated and saved by the weighted-voting window.
#include <cstdio>
#include <cstdlib>

#include "fuzz_bnz_checks.h"
#include "fuzz_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkBnz(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHeader(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkBnzWindow(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_bnz: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
