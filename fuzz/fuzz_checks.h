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

#include "docfile/header.h"
#include "docfile/overlays.h"
#include "docfile/settings.h"

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
