// Properties every reader must keep for any input, shared by the libFuzzer
// targets and by the always-run robustness test. Each check returns an
// empty string when all hold, else what went wrong.
//
// - A refused read leaves its output exactly as it was.
// - What a reader accepts is within the format's limits.
// - What a reader accepts can be written again, and writing what that
//   writes reads back to the same bytes.
#pragma once

#include <cmath>
#include <string>

#include "graphics/docfile/bnzfile.h"
#include "graphics/docfile/header.h"
#include "graphics/docfile/horfile.h"
#include "graphics/docfile/overlays.h"
#include "graphics/docfile/settings.h"

namespace quan::fuzzcheck {

// The kind a file claims in its first word, so that inputs get past the
// kind test; another kind when the input is too short to say.
inline int32_t claimedKind(const uint8_t* data, size_t size)
{
    if (size < 4)
        return kKindGraph;
    ByteReader r(data, 4);
    return r.i32();
}

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
    if (code == 11)
        return doc == before ? "" : "a refused .hor read changed the document";
    if (code != 0 && code != 6)
        return "readHor returned " + std::to_string(code);
    const size_t n = doc.populations.size();
    if (n < 2 || n > 99 || doc.names.size() != n)
        return "accepted a state count outside 2..99";
    if (doc.inconsistent != (code == 6))
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
    if (code == 11)
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

inline std::string checkSettings(const uint8_t* data, size_t size)
{
    SettingsState before;
    before.header = headerStateFor(claimedKind(data, size));
    before.documentName = "sentinel";
    SettingsState s = before;
    if (!ReadSettings(data, size, s))
        return s == before ? "" : "a refused settings read changed the settings";
    if (s.documentName.size() > 255)
        return "document name longer than 255";
    const Bytes first = WriteSettings(s);
    SettingsState again = before;
    if (!ReadSettings(first, again))
        return "cannot read rewritten settings";
    return WriteSettings(again) == first ? "" : "settings round trip is not stable";
}

inline std::string checkHeader(const uint8_t* data, size_t size)
{
    const HeaderState before = headerStateFor(claimedKind(data, size));
    HeaderState h = before;
    ByteReader r(data, size);
    const int32_t version = ReadHeader(r, h);
    if (version <= 0)
        return h == before ? "" : "a refused header read changed the state";
    for (const FontSlot& f : h.fonts)
        if (f.font.faceName.back() != '\0')
            return "face name not terminated";
    ByteWriter first;
    WriteHeader(first, h);
    HeaderState again = before;
    ByteReader r2(first.data());
    if (ReadHeader(r2, again) != kDocumentVersion || !r2.atEnd())
        return "cannot read a rewritten header";
    ByteWriter second;
    WriteHeader(second, again);
    return first.data() == second.data() ? "" : "header round trip is not stable";
}

inline std::string checkOverlays(const uint8_t* data, size_t size)
{
    OverlayBlocks before;
    before.texts.resize(1);
    before.texts[0].setText("sentinel");
    OverlayBlocks o = before;
    ByteReader r(data, size);
    if (!readOverlays(r, o))
        return o == before ? "" : "a refused overlay read changed the overlays";
    ByteWriter first;
    if (!writeOverlays(first, o))
        return "cannot write overlays that were read";
    OverlayBlocks again;
    ByteReader r2(first.data());
    if (!readOverlays(r2, again) || !r2.atEnd())
        return "cannot read rewritten overlays";
    ByteWriter second;
    writeOverlays(second, again);
    return first.data() == second.data() ? "" : "overlay round trip is not stable";
}

} // namespace quan::fuzzcheck
