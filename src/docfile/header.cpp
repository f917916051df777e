#include "docfile/header.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

constexpr size_t kReservedBytes = 68;

constexpr long double kOneCentimetreOff = -1.0L / 2.54L;

int32_t hundredths(long double inches)
{
    return roundHalfDown(inches * 100);
}

// Word 0 is the file's own way of saying "1 cm, second radio button off";
// writing -39 instead would come back as 0.99 cm after a save and a load.
int32_t xUnitWord(long double inches)
{
    return std::fabs(inches - kOneCentimetreOff) < 1e-12L ? 0 : hundredths(inches);
}

} // namespace

void WriteHeader(ByteWriter& w, const HeaderState& s, int32_t kindOverride)
{
    const PrintFormat& pf = s.printFormat;
    const int32_t words[20] = {
        kindOverride > 0 ? kindOverride : s.kind,
        kDocumentVersion,
        s.placement.left,
        s.placement.top,
        s.placement.width,
        s.placement.height,
        s.placement.maximized ? 1 : 0,
        s.optionFlag,
        kColorEntries,
        xUnitWord(pf.xUnit),
        hundredths(pf.horizontalOffset),
        hundredths(pf.verticalOffset),
        hundredths(pf.width),
        pf.frameImage ? 1 : 0,
        pf.colorPrinter ? 1 : 0,
        kFontSlots,
        kColorRoles,
        kHeaderMarker1,
        kHeaderMarker2,
        s.extendedSettings,
    };
    for (int32_t v : words)
        w.i32(v);
    for (const FontSlot& f : s.fonts)
        w.i32(f.pointSize);
    for (const FontSlot& f : s.fonts)
        f.font.write(w);
    for (const FontSlot& f : s.fonts)
        w.u32(f.color);
    w.zeros(kReservedBytes);
    for (int16_t role : s.roles)
        w.i16(role);
    for (uint32_t c : s.colors.entries)
        w.u32(c);
}

int32_t ReadHeader(ByteReader& r, HeaderState& state)
{
    int32_t words[20];
    for (int32_t& v : words)
        v = r.i32();
    if (r.failed() || words[0] != state.kind || words[1] <= 0)
        return 0;

    HeaderState s = state;
    s.version = words[1];
    s.placement = {words[2], words[3], words[4], words[5], words[6] != 0};
    s.optionFlag = words[7];
    PrintFormat& pf = s.printFormat;
    pf.xUnit = words[9] == 0 ? kOneCentimetreOff : words[9] * 0.01L;
    pf.horizontalOffset = words[10] * 0.01L;
    pf.verticalOffset = words[11] * 0.01L;
    pf.width = words[12] * 0.01L;
    pf.frameImage = words[13] != 0;
    pf.colorPrinter = words[14] != 0;
    s.extendedSettings = words[19];

    for (FontSlot& f : s.fonts)
        f.pointSize = r.i32();
    for (FontSlot& f : s.fonts)
        f.font.read(r);
    for (FontSlot& f : s.fonts)
        f.color = r.u32() & 0xFFFFFF;
    r.skip(kReservedBytes);
    for (int16_t& role : s.roles)
        role = r.i16();

    // Sizes a screen can show, and nothing whose negation or sum overflows.
    for (const FontSlot& f : s.fonts)
        if (f.font.height < -kMaxFontPixels || f.font.height > kMaxFontPixels || f.font.width < -kMaxFontPixels ||
            f.font.width > kMaxFontPixels || f.pointSize < 0 || f.pointSize > kMaxFontPoints) {
            r.fail();
            return 0;
        }

    const int32_t count = words[8];
    const bool markers = words[17] == kHeaderMarker1 && words[18] == kHeaderMarker2;
    if (count > 0) {
        // Check the whole block first so that a hostile count costs nothing.
        if (r.failed() || 4 * static_cast<uint64_t>(count) > r.remaining()) {
            r.fail();
            return 0;
        }
        for (int32_t i = 0; i < count; ++i) {
            uint32_t c = r.u32();
            if (markers && i < kColorEntries)
                s.colors.set(i, c);
        }
    }
    if (r.failed())
        return 0;
    state = std::move(s);
    return state.version;
}

} // namespace quan
