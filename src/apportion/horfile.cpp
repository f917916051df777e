#include "apportion/horfile.h"

#include "core/msgcode.h"

#include <cmath>

#include "docfile/document.h"

namespace quan {

namespace {

constexpr int kCannotOpen = codeOf(Msg::CannotOpenFile);
constexpr int kInconsistent = codeOf(Msg::InconsistentData);
constexpr int kCannotSave = codeOf(Msg::CannotSaveFile);

bool validKey(int32_t key)
{
    return key == -1 || key == 0 || key == 5 || key == 7;
}


} // namespace

bool writeHor(ByteWriter& w, const HorDocument& doc)
{
    const size_t n = doc.populations.size();
    if (n < kHorMinStates || n > kHorMaxStates || doc.names.size() != n)
        return false;
    DocumentWords words{};
    words[0] = static_cast<int32_t>(n);
    words[1] = doc.columnWidth;
    words[2] = doc.method;
    words[3] = doc.key;
    words[4] = doc.houseSize;
    words[5] = doc.increasing ? 1 : 0;
    words[6] = kHorHeadings;
    words[7] = kHorFormatMark;
    writeDocumentStart(w, doc.header, kKindApportionment, words);
    for (Real p : doc.populations)
        w.i32(roundHalfDown(p));
    for (const std::string& name : doc.names)
        w.fileString(fieldText(name, kHorNameChars));
    w.real(doc.divisor);
    for (const std::string& h : doc.headings)
        w.fileString(fieldText(h, kHorHeadingChars));
    w.fileString(fieldText(doc.notebook, kNotebookChars));
    return true;
}

int writeHor(const std::string& path, const HorDocument& doc)
{
    ByteWriter w;
    if (!writeHor(w, doc))
        return kCannotSave;
    return saveDocumentBytes(path, w);
}

int readHor(const uint8_t* data, size_t size, HorDocument& out)
{
    ByteReader r(data, size);
    HorDocument doc = out;
    DocumentWords words{};
    if (!readDocumentStart(r, kKindApportionment, doc.header, words))
        return kCannotOpen;
    const int32_t n = words[0];
    const int32_t headingCount = words[6];
    if (n < kHorMinStates || n > kHorMaxStates || headingCount < 0)
        return kCannotOpen;
    doc.columnWidth = words[1];
    doc.method = words[2];
    doc.key = words[3];
    doc.houseSize = words[4];
    doc.increasing = words[5] != 0;
    doc.inconsistent = words[7] != kHorFormatMark;

    doc.populations.assign(static_cast<size_t>(n), 0);
    // A state may have no population, but the states together must have
    // some.
    bool populationsValid = true;
    Real total = 0;
    for (Real& p : doc.populations) {
        p = r.i32();
        populationsValid = populationsValid && p >= 0;
        total += p;
    }
    populationsValid = populationsValid && total > 0;
    doc.names.assign(static_cast<size_t>(n), std::string());
    for (std::string& name : doc.names)
        name = r.fileString(kHorNameChars);
    doc.divisor = r.real();
    for (int32_t i = 0; i < headingCount && r.ok(); ++i) {
        std::string h = r.fileString(kHorHeadingChars);
        if (i < kHorHeadings)
            doc.headings[static_cast<size_t>(i)] = std::move(h);
    }
    doc.notebook = r.fileString(kNotebookChars);
    if (r.failed())
        return kCannotOpen;

    const bool valid = populationsValid && doc.method >= 0 && doc.method <= 9 && validKey(doc.key) &&
        doc.columnWidth >= 1 && doc.columnWidth <= 999 && doc.houseSize >= 1 && std::isfinite(doc.divisor) &&
        doc.divisor > 0;
    if (!valid)
        return kCannotOpen;
    out = std::move(doc);
    return out.inconsistent ? kInconsistent : 0;
}

int readHor(const std::string& path, HorDocument& out)
{
    Bytes bytes;
    if (!readFileBytes(path, bytes, kHorMaxFileBytes))
        return kCannotOpen;
    return readHor(bytes, out);
}

} // namespace quan
