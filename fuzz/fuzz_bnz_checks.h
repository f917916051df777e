// The properties of fuzz_checks.h for the ".bnz" reader, shared by its
// libFuzzer target and its always-run robustness test.
#pragma once

#include "core/msgcode.h"
#include "fuzz_checks.h"
#include "power/bnzfile.h"
#include "power/power_calc.h"
#include "power/worksheet.h"

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
    // A small table's worksheet counts what All cases counts, and its text
    // ends with the counts however long it is.
    if (n <= 10) {
        std::vector<int64_t> w;
        for (Real x : doc.weights)
            w.push_back(roundHalfDown(x));
        const int64_t quota = doc.quota >= 1 ? doc.quota : 1;
        Worksheet sheet;
        if (sheet.build(w, doc.names, quota) != 0)
            return "no worksheet for a table of at most ten blocs";
        PowerCounts counts;
        if (banzhafAllCases(w, quota, OppositionPair{}, Progress{}, counts) == 0)
            for (size_t j = 0; j < n; ++j)
                if (BigUint(static_cast<uint64_t>(sheet.count(static_cast<int>(j)))) != counts.pivotal[j])
                    return "the worksheet's counts differ from the Banzhaf counts";
        bool cut = false;
        const std::string text = sheet.textOut("total", 64000, &cut);
        if (text.size() > 64000)
            return "the worksheet's text passes the text window's limit";
    }
    ByteWriter first;
    if (!writeBnz(first, doc))
        return "cannot write a document that was read";
    BnzDocument again = before;
    if (readBnz(first.data(), again) != 0)
        return "cannot read a rewritten document";
    if (again.quota != doc.quota && doc.quota >= 0)
        return "the quota did not come back whole";
    ByteWriter second;
    writeBnz(second, again);
    return first.data() == second.data() ? "" : ".bnz round trip is not stable";
}

} // namespace quan::fuzzcheck
