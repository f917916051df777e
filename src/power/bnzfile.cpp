#include "power/bnzfile.h"

#include "core/msgcode.h"

#include "docfile/document.h"

#include <algorithm>

namespace quan {

namespace {

constexpr int kCannotOpen = codeOf(Msg::CannotOpenFile);
constexpr int kCannotSave = codeOf(Msg::CannotSaveFile);

} // namespace

bool writeBnz(ByteWriter& w, const BnzDocument& doc)
{
    const size_t n = doc.weights.size();
    if (n < kBnzMinBlocs || n > kBnzMaxBlocs || doc.names.size() != n)
        return false;
    DocumentWords words{};
    words[0] = static_cast<int32_t>(n);
    words[1] = doc.columnWidth;
    words[2] = doc.key;
    words[3] = doc.increasing ? 1 : 0;
    words[4] = doc.kind;
    words[5] = doc.pairFirst;
    words[6] = doc.pairSecond;
    // A quota beyond 31 bits keeps its high part in word 14.
    const uint64_t q = doc.quota < 0 ? 0 : static_cast<uint64_t>(doc.quota);
    words[7] = doc.quota < 0 ? static_cast<int32_t>(doc.quota) : static_cast<int32_t>(q & 0x7FFFFFFFu);
    words[14] = static_cast<int32_t>(std::min<uint64_t>(q >> 31, 0x7FFFFFFFu));
    words[8] = doc.low;
    words[9] = doc.high;
    for (size_t i = 0; i < doc.worksheetColors.size(); ++i)
        words[10 + i] = doc.worksheetColors[i];
    writeDocumentStart(w, doc.header, kKindWeightedVoting, words);
    for (Real weight : doc.weights)
        w.i32(roundHalfDown(weight));
    for (const std::string& name : doc.names)
        w.fileString(fieldText(name, kBnzNameChars));
    w.fileString(fieldText(doc.notebook, kBnzNotebookChars));
    return true;
}

int writeBnz(const std::string& path, const BnzDocument& doc)
{
    ByteWriter w;
    if (!writeBnz(w, doc))
        return kCannotSave;
    return saveDocumentBytes(path, w);
}

int readBnz(const uint8_t* data, size_t size, BnzDocument& out)
{
    ByteReader r(data, size);
    BnzDocument doc = out;
    DocumentWords words{};
    if (!readDocumentStart(r, kKindWeightedVoting, doc.header, words))
        return kCannotOpen;
    const int32_t n = words[0];
    if (n < kBnzMinBlocs || n > kBnzMaxBlocs)
        return kCannotOpen;
    doc.columnWidth = words[1];
    doc.key = words[2];
    doc.increasing = words[3] != 0;
    doc.kind = words[4];
    doc.pairFirst = words[5];
    doc.pairSecond = words[6];
    doc.quota = words[7];
    if (words[7] >= 0 && words[14] > 0)
        doc.quota = (static_cast<int64_t>(words[14]) << 31) | words[7];
    doc.low = words[8];
    doc.high = words[9];
    if (doc.header.version >= 5)
        for (size_t i = 0; i < doc.worksheetColors.size(); ++i)
            doc.worksheetColors[i] = words[10 + i];
    doc.weights.assign(static_cast<size_t>(n), 0);
    bool weightsValid = true;
    for (Real& weight : doc.weights) {
        weight = r.i32();
        weightsValid = weightsValid && weight >= 1;
    }
    doc.names.assign(static_cast<size_t>(n), std::string());
    for (std::string& name : doc.names)
        name = r.fileString(kBnzNameChars);
    doc.notebook = r.fileString(kBnzNotebookChars);
    if (r.failed())
        return kCannotOpen;
    const bool noPair = doc.pairFirst == -1 && doc.pairSecond == -1;
    const bool pairValid = noPair || (doc.pairFirst >= 0 && doc.pairFirst < n && doc.pairSecond >= 0 &&
                                      doc.pairSecond < n && doc.pairFirst != doc.pairSecond);
    const bool valid = weightsValid && (doc.key == -1 || doc.key == 0) && (doc.kind == 0 || doc.kind == 1) &&
                       pairValid && doc.columnWidth >= 1 && doc.columnWidth <= 999 && doc.low >= 1 &&
                       doc.high >= doc.low;
    if (!valid)
        return kCannotOpen;
    out = std::move(doc);
    return 0;
}

int readBnz(const std::string& path, BnzDocument& out)
{
    Bytes bytes;
    if (!readFileBytes(path, bytes, kBnzMaxFileBytes))
        return kCannotOpen;
    return readBnz(bytes, out);
}

} // namespace quan
