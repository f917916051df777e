// The properties of fuzz_checks.h for the ".bnz" reader, shared by its
// libFuzzer target and its always-run robustness test.
#pragma once

#include "core/msgcode.h"
#include "fuzz_checks.h"
#include "power/bnzfile.h"

#include <cmath>
#include <string>

namespace quan::fuzzcheck {

inline BnzDocument sentinelBnz()
{
    BnzDocument d;
    d.weights = {5, 3, 2};
    d.names = {"x", "y", "z"};
    d.quota = 6;
    d.notebook = "sentinel notes";
    return d;
}

inline std::string checkBnz(const uint8_t* data, size_t size)
{
    const BnzDocument before = sentinelBnz();
    BnzDocument doc = before;
    const int code = readBnz(data, size, doc);
    if (code == codeOf(Msg::CannotOpenFile))
        return doc == before ? "" : "a refused .bnz read changed the document";
    if (code != 0)
        return "readBnz returned " + std::to_string(code);
    const size_t n = doc.weights.size();
    if (n < 2 || n > 99 || doc.names.size() != n)
        return "accepted a bloc count outside 2..99";
    for (size_t i = 0; i < n; ++i)
        if (doc.names[i].size() > 50 || !(doc.weights[i] >= 1))
            return "accepted a name or weight outside its field";
    if (doc.notebook.size() > 64000 || doc.columnWidth < 1 || doc.columnWidth > 999 || doc.low < 1 ||
        doc.high < doc.low)
        return "accepted a value outside its range";
    ByteWriter first;
    if (!writeBnz(first, doc))
        return "cannot write a document that was read";
    BnzDocument again = before;
    if (readBnz(first.data(), again) != 0)
        return "cannot read a rewritten document";
    ByteWriter second;
    writeBnz(second, again);
    return first.data() == second.data() ? "" : ".bnz round trip is not stable";
}

} // namespace quan::fuzzcheck
