#include "graphics/docfile/bnzfile.h"

#include "core/msgcode.h"

#include "graphics/docfile/safefile.h"

namespace quan {

namespace {

constexpr int kParameterWords = 50;
constexpr int kCannotOpen = codeOf(Msg::CannotOpenFile);
constexpr int kCannotSave = codeOf(Msg::CannotSaveFile);

std::string cut(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

} // namespace

bool writeBnz(ByteWriter& w, const BnzDocument& doc)
{
    const size_t n = doc.weights.size();
    if (n < kBnzMinBlocs || n > kBnzMaxBlocs || doc.names.size() != n)
        return false;
    WriteHeader(w, doc.header, kKindWeightedVoting);
    int32_t words[kParameterWords] = {};
    words[0] = static_cast<int32_t>(n);
    words[1] = doc.columnWidth;
    words[2] = doc.key;
    words[3] = doc.increasing ? 1 : 0;
    words[4] = doc.kind;
    words[5] = doc.pairFirst;
    words[6] = doc.pairSecond;
    words[7] = doc.quota;
    words[8] = doc.low;
    words[9] = doc.high;
    for (size_t i = 0; i < doc.worksheetColors.size(); ++i)
        words[10 + i] = doc.worksheetColors[i];
    for (int32_t v : words)
        w.i32(v);
    for (Real weight : doc.weights)
        w.i32(roundHalfDown(weight));
    for (const std::string& name : doc.names)
        w.fileString(cut(name, kBnzNameChars));
    w.fileString(cut(doc.notebook, kBnzNotebookChars));
    return true;
}

int writeBnz(const std::string& path, const BnzDocument& doc)
{
    ByteWriter w;
    if (!writeBnz(w, doc))
        return kCannotSave;
    return writeFileAtomically(path, w.data()) ? 0 : kCannotSave;
}

int readBnz(const uint8_t* data, size_t size, BnzDocument& out)
{
    ByteReader r(data, size);
    BnzDocument doc = out;
    doc.header.kind = kKindWeightedVoting;
    const int32_t version = ReadHeader(r, doc.header);
    if (version <= 0 || version > kDocumentVersion)
        return kCannotOpen;
    int32_t words[kParameterWords];
    for (int32_t& v : words)
        v = r.i32();
    const int32_t n = words[0];
    if (r.failed() || n < kBnzMinBlocs || n > kBnzMaxBlocs)
        return kCannotOpen;
    doc.columnWidth = words[1];
    doc.key = words[2];
    doc.increasing = words[3] != 0;
    doc.kind = words[4];
    doc.pairFirst = words[5];
    doc.pairSecond = words[6];
    doc.quota = words[7];
    doc.low = words[8];
    doc.high = words[9];
    if (version >= 5)
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
    doc.header.version = version;
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
