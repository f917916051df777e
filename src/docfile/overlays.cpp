#include "docfile/overlays.h"

#include <algorithm>
#include <limits>

namespace quan {

namespace {

constexpr size_t kGraphicFixedBytes = 4 * kExtendedBytes + 1; // placement and flag
constexpr size_t kAnchorBytes = 40;

} // namespace

std::string TextOverlayRecord::text() const
{
    size_t n = 0;
    while (n < textBytes.size() && textBytes[n] != '\0')
        ++n;
    return std::string(textBytes.data(), n);
}

void TextOverlayRecord::setText(const std::string& t)
{
    textBytes.fill('\0');
    size_t n = std::min({t.size(), t.find('\0'), textBytes.size() - 1});
    std::copy_n(t.begin(), n, textBytes.begin());
}

bool writeOverlays(ByteWriter& w, const OverlayBlocks& o)
{
    constexpr size_t kMaxCount = std::numeric_limits<int16_t>::max();
    if (o.texts.size() > kMaxCount || o.graphics.size() > kMaxCount)
        return false;
    for (const GraphicOverlay& g : o.graphics)
        if (g.metafile.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
            return false;

    w.i16(static_cast<int16_t>(o.texts.size()));
    for (const TextOverlayRecord& t : o.texts) {
        w.bytes(t.flags.data(), t.flags.size());
        w.bytes(t.textBytes.data(), t.textBytes.size());
        w.u32(t.color);
        w.real(t.x);
        w.real(t.firstX);
        w.real(t.firstY);
        w.real(t.y);
        t.font.write(w);
        w.i16(t.pointSize);
        w.zeros(4); // the in-memory link means nothing in a file
        w.i16(t.tie);
        w.u8(t.hidden);
        w.i16(t.last);
    }

    // Written as minus the count: the anchor block is always present.
    w.i16(static_cast<int16_t>(-static_cast<int>(o.graphics.size())));
    for (const GraphicOverlay& g : o.graphics) {
        for (long double v : g.placement)
            w.real(v);
        w.u8(g.flag);
        w.i32(g.anchor);
        for (int32_t v : g.anchorRest)
            w.i32(v);
        w.i32(static_cast<int32_t>(g.metafile.size()));
        w.bytes(g.metafile.data(), g.metafile.size());
    }
    return true;
}

bool readOverlays(ByteReader& r, OverlayBlocks& out, bool hidden)
{
    OverlayBlocks o;
    int count = r.i16();
    if (r.failed() || count < 0 || static_cast<size_t>(count) * TextOverlayRecord::kFileSize > r.remaining())
        return false;
    o.texts.resize(static_cast<size_t>(count));
    for (TextOverlayRecord& t : o.texts) {
        r.bytes(t.flags.data(), t.flags.size());
        r.bytes(t.textBytes.data(), t.textBytes.size());
        t.textBytes.back() = '\0';
        t.color = r.u32() & 0xFFFFFF;
        t.x = r.real();
        t.firstX = r.real();
        t.firstY = r.real();
        t.y = r.real();
        t.font.read(r);
        t.pointSize = r.i16();
        r.skip(4);
        t.tie = r.i16();
        t.hidden = r.u8();
        if (hidden)
            t.hidden = 1;
        t.last = r.i16();
    }

    int m = r.i16();
    if (r.failed())
        return false;
    const bool anchored = m < 0;
    const size_t graphics = static_cast<size_t>(anchored ? -m : m);
    const size_t perOverlay = kGraphicFixedBytes + (anchored ? kAnchorBytes : 0) + 4;
    if (graphics * perOverlay > r.remaining())
        return false;
    o.graphics.resize(graphics);
    for (GraphicOverlay& g : o.graphics) {
        for (long double& v : g.placement)
            v = r.real();
        g.flag = r.u8();
        if (anchored) {
            g.anchor = r.i32();
            for (int32_t& v : g.anchorRest)
                v = r.i32();
        }
        int32_t length = r.i32();
        if (r.failed() || length < 0 || static_cast<size_t>(length) > r.remaining())
            return false;
        g.metafile.resize(static_cast<size_t>(length));
        r.bytes(g.metafile.data(), g.metafile.size());
    }
    if (r.failed())
        return false;
    out = std::move(o);
    return true;
}

} // namespace quan
