// Properties the bin-packing readers keep for any input, shared by the
// libFuzzer targets fuzz_bpa and fuzz_paste and by the always-run
// robustness test of tests/packing. Each check returns an empty string
// when all hold, else what went wrong.
#pragma once

#include <algorithm>
#include <string>

#include "core/msgcode.h"
#include "core/numberscan.h"
#include "packing/core/bpafile.h"
#include "packing/core/packing.h"

namespace quan::fuzzcheck {

inline BpaDocument sentinelBpa()
{
    BpaDocument d;
    d.capacity = 77;
    d.methodCode = 24;
    d.items = {5, 6, 7};
    d.notebook = "sentinel notes";
    return d;
}

// A packing of what was read: every item once, no bin overfull.
inline std::string checkPacking(const PackDocument& doc)
{
    if (!doc.packed())
        return doc.packable() ? "a packable list was not packed" : "";
    std::vector<int64_t> all;
    for (const Bin& b : doc.bins()) {
        if (b.items.empty() || b.used > doc.capacity() || b.free != doc.capacity() - b.used)
            return "an empty or overfull bin";
        all.insert(all.end(), b.items.begin(), b.items.end());
    }
    std::vector<int64_t> items = doc.items();
    std::sort(all.begin(), all.end());
    std::sort(items.begin(), items.end());
    if (all != items)
        return "the bins do not hold the items";
    return doc.binCount() >= doc.bound() ? "" : "fewer bins than the bound";
}

inline std::string checkBpa(const uint8_t* data, size_t size)
{
    const BpaDocument before = sentinelBpa();
    BpaDocument doc = before;
    const int code = readBpa(data, size, doc);
    if (code == codeOf(Msg::CannotOpenFile))
        return doc == before ? "" : "a refused .bpa read changed the document";
    if (code != 0)
        return "readBpa returned " + std::to_string(code);
    if (doc.items.empty() || doc.items.size() > 2500 || doc.capacity < 2 || !methodCodeValid(doc.methodCode) ||
        doc.notebook.size() > 64000)
        return "accepted a value outside its range";
    for (int32_t s : doc.items)
        if (s < 1)
            return "accepted a size below 1";
    // Only a file of more than 2500 sizes is cut, to 2500.
    if (doc.itemsCut && doc.items.size() != 2500)
        return "a cut list that is not 2500 long";
    PackDocument pack;
    Random rng;
    pack.load(doc.capacity, doc.methodCode, std::vector<int64_t>(doc.items.begin(), doc.items.end()), rng);
    if (std::string p = checkPacking(pack); !p.empty())
        return p;
    ByteWriter first;
    writeBpa(first, doc);
    BpaDocument again = before;
    if (readBpa(first.data(), again) != 0)
        return "cannot read a rewritten document";
    if (again.itemsCut)
        return "a rewritten document is cut again";
    ByteWriter second;
    writeBpa(second, again);
    return first.data() == second.data() ? "" : ".bpa round trip is not stable";
}

inline std::string checkPaste(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    PackDocument doc;
    Random rng;
    rng.seed(1);
    doc.setList({3, 1, 2}, rng);
    doc.shuffle(rng);
    const std::vector<int64_t> before = doc.items();
    const int code = doc.paste(text, rng);
    if (code != 0) {
        if (code != 2 && code != 4 && code != 14 && code != 17)
            return "paste returned " + std::to_string(code);
        return doc.items() == before ? "" : "a refused paste changed the list";
    }
    if (doc.itemCount() < 1 || doc.itemCount() > 2500)
        return "accepted a count outside 1..2500";
    const std::vector<Real> numbers = scanNumbers(text, 2500);
    if (numbers.size() != doc.items().size())
        return "the list does not have one size per number";
    for (size_t i = 0; i < numbers.size(); ++i)
        if (doc.items()[i] < 1 || doc.items()[i] > kPackMaxValue ||
            static_cast<Real>(doc.items()[i]) > numbers[i] || static_cast<Real>(doc.items()[i]) + 1 <= numbers[i])
            return "a size is not the whole part of its number";
    if (doc.apply(doc.capacity(), 14) == 0)
        return checkPacking(doc);
    return "";
}

} // namespace quan::fuzzcheck
