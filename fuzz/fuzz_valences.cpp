// libFuzzer target: arbitrary bytes as clipboard text pasted as Valences,
// with and without Connected.
#include <cstdio>
#include <cstdlib>

#include "fuzz_valences_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkValencePaste(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_valences: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
