// The properties of fuzz_checks.h for the ".hor" reader, shared by its
// libFuzzer target and its always-run robustness test.
#pragma once

#include "apportion/horfile.h"
#include "core/msgcode.h"
#include "fuzz_checks.h"

#include <cmath>
#include <string>

namespace quan::fuzzcheck {

inline HorDocument sentinelHor()
{
    HorDocument d;
    d.populations = {3, 4, 5};
    d.names = {"x", "y", "z"};
    d.divisor = 2.5L;
    d.headings[4] = "sentinel";
    d.notebook = "sentinel notes";
    return d;
}

inline std::string checkHor(const uint8_t* data, size_t size)
{
    const HorDocument before = sentinelHor();
    HorDocument doc = before;
    const int code = readHor(data, size, doc);
    if (code == codeOf(Msg::CannotOpenFile))
        return doc == before ? "" : "a refused .hor read changed the document";
    if (code != 0 && code != codeOf(Msg::InconsistentData))
        return "readHor returned " + std::to_string(code);
    const size_t n = doc.populations.size();
    if (n < 2 || n > 99 || doc.names.size() != n)
        return "accepted a state count outside 2..99";
    if (doc.inconsistent != (code == codeOf(Msg::InconsistentData)))
        return "inconsistent flag does not match the code";
    long double total = 0;
    for (size_t i = 0; i < n; ++i) {
        if (doc.names[i].size() > 50 || !(doc.populations[i] >= 0))
            return "accepted a name or population outside its field";
        total += doc.populations[i];
    }
    if (!(total > 0))
        return "accepted a table without any population";
    for (const std::string& h : doc.headings)
        if (h.size() > 20)
            return "accepted a heading longer than 20";
    if (doc.notebook.size() > 64000 || doc.method < 0 || doc.method > 9 || doc.houseSize < 1 ||
        !std::isfinite(doc.divisor) || !(doc.divisor > 0))
        return "accepted a value outside its range";
    ByteWriter first;
    if (!writeHor(first, doc))
        return "cannot write a document that was read";
    HorDocument again = before;
    if (readHor(first.data(), again) != 0)
        return "cannot read a rewritten document";
    ByteWriter second;
    writeHor(second, again);
    return first.data() == second.data() ? "" : ".hor round trip is not stable";
}

} // namespace quan::fuzzcheck
