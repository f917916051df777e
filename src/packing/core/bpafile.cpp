#include "packing/core/bpafile.h"

#include "core/msgcode.h"

#include "docfile/document.h"
#include "packing/core/packing.h"

#include <algorithm>

namespace quan {

namespace {
constexpr int kCannotOpen = codeOf(Msg::CannotOpenFile);
} // namespace

int32_t bpaTotalWord(const std::vector<int32_t>& items)
{
    int64_t total = 0;
    for (int32_t s : items)
        total += s;
    return total > kPackMaxValue ? static_cast<int32_t>(kPackMaxValue) : static_cast<int32_t>(total);
}

void writeBpa(ByteWriter& w, const BpaDocument& doc)
{
    DocumentWords words{};
    words[0] = doc.capacity;
    words[1] = doc.methodCode;
    words[2] = doc.columnWidth;
    words[3] = static_cast<int32_t>(doc.items.size());
    words[4] = bpaTotalWord(doc.items);
    writeDocumentStart(w, doc.header, kKindBinPacking, words);
    for (int32_t s : doc.items)
        w.i32(s);
    w.fileString(fieldText(doc.notebook, kBpaNotebookChars));
}

int writeBpa(const std::string& path, const BpaDocument& doc)
{
    ByteWriter w;
    writeBpa(w, doc);
    return saveDocumentBytes(path, w);
}

int readBpa(const uint8_t* data, size_t size, BpaDocument& out)
{
    ByteReader r(data, size);
    BpaDocument doc = out;
    DocumentWords words{};
    if (!readDocumentStart(r, kKindBinPacking, doc.header, words))
        return kCannotOpen;
    const int32_t count = words[3];
    if (words[0] < kPackMinCapacity || count < 1 || !methodCodeValid(words[1]))
        return kCannotOpen;
    doc.capacity = words[0];
    doc.methodCode = words[1];
    doc.columnWidth = words[2];
    const size_t kept = static_cast<size_t>(std::min<int32_t>(count, kBpaMaxItems));
    // Never more sizes than the bytes can hold (a count word is no
    // promise).
    if (!r.has(4 * kept))
        return kCannotOpen;
    doc.items.assign(kept, 0);
    for (int32_t& s : doc.items) {
        s = r.i32();
        if (s < 1)
            return kCannotOpen;
    }
    doc.itemsCut = static_cast<size_t>(count) > kept;
    if (doc.itemsCut && !r.skip(4 * (static_cast<size_t>(count) - kept)))
        return kCannotOpen;
    doc.notebook = r.fileString(kBpaNotebookChars);
    if (r.failed())
        return kCannotOpen;
    out = std::move(doc);
    return 0;
}

int readBpa(const std::string& path, BpaDocument& out)
{
    Bytes bytes;
    if (!readFileBytes(path, bytes, kBpaMaxFileBytes))
        return kCannotOpen;
    return readBpa(bytes, out);
}

} // namespace quan
