// libFuzzer target: arbitrary bytes as an election file and as a profile
// pasted into the ballot manager (one input, both readers: the pasted
// text is the other way arbitrary bytes reach an election); the file is
// then opened, edited and saved by the election window.
#include <cstdio>
#include <cstdlib>

#include "fuzz_checks.h"
#include "fuzz_vot_checks.h"
#include "fuzz_vot_window.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem = quan::fuzzcheck::checkVot(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkProfile(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkHeader(data, size);
    if (problem.empty())
        problem = quan::fuzzcheck::checkVotWindow(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_vot: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
