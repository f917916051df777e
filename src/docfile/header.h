// The common header at the start of every picture window's document and
// settings file: window kind and version, placement, print format, font
// table and colour settings.
#pragma once

#include <cstdint>

#include "docfile/binio.h"
#include "docfile/colors.h"
#include "docfile/fonts.h"
#include "docfile/printformat.h"

namespace quan {

// Window kind numbers (header word 0).
inline constexpr int32_t kKindApportionment = 1331;
inline constexpr int32_t kKindWeightedVoting = 887;
inline constexpr int32_t kKindGraph = 6561; // also election and scheduling files
inline constexpr int32_t kKindBinPacking = 5476;
inline constexpr int32_t kKindDivisorPlot = 1332;
// The calculations worksheet's settings file "wpiv.ini" (it keeps no documents).
inline constexpr int32_t kKindWorksheet = 888;

// The version this program writes and the newest it reads.
inline constexpr int32_t kDocumentVersion = 6;

inline constexpr int32_t kHeaderMarker1 = 19451947;
inline constexpr int32_t kHeaderMarker2 = 19471945;

// Size of a header with the full colour table, as this program writes it.
inline constexpr size_t kHeaderBytes = 80 + 40 + 600 + 40 + 68 + 30 + 4 * kColorEntries;

// What a window keeps in the header; windows copy their state to and from it.
struct HeaderState {
    int32_t kind = 0;                  // the window's own kind number
    int32_t version = kDocumentVersion; // as last read; the writer always writes kDocumentVersion
    WindowPlacement placement;
    int32_t optionFlag = 1;
    PrintFormat printFormat;
    FontTable fonts = initialFontTable();
    ColorRoles roles = initialColorRoles();
    ColorTable colors = initialColorTable();
    int32_t extendedSettings = 1;

    bool operator==(const HeaderState&) const = default;
};

// The initial header state of a window of the given kind.
inline HeaderState headerStateFor(int32_t kind)
{
    HeaderState h;
    h.kind = kind;
    return h;
}

// Writes the header with state.kind, or with kindOverride when that is
// positive.
void WriteHeader(ByteWriter& w, const HeaderState& state, int32_t kindOverride = 0);

// Reads a header. Returns its version, or 0 when the header's kind is not
// state.kind, its version is not positive, a font is larger than
// kMaxFontPixels or kMaxFontPoints (or of a negative point size), or it is
// cut short. The state
// is changed only when the whole header was read: a short or foreign
// header leaves every field as it was. The colour table is taken only when
// the header carries colour words and both validity markers; a count
// above 61 is read through but only 61 entries are used. A version newer
// than kDocumentVersion is returned (and the state applied): callers that
// refuse newer files must read into a copy.
int32_t ReadHeader(ByteReader& r, HeaderState& state);

} // namespace quan
