// libFuzzer target: arbitrary bytes after ':' as a pasted sparse6 string.
#include <cstdio>
#include <cstdlib>

#include "fuzz_notation_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkSparse6(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_sparse6: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
