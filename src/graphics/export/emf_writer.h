// The enhanced-metafile writer: a device context that records what is drawn
// on it as EMF records ([MS-EMF]) in memory. The picture windows draw into
// it through the device back-end, exactly as on screen; text is measured on
// a real device of the platform so that labels sit as they do there.
//
// Pens, brushes and fonts are created only when they change: each kind has
// at most two handle slots in turn (the new object is created and selected
// before the old one is deleted), and every object is deleted before the
// end-of-file record. Coordinates are device pixels of the picture (times
// the metafile scale); point records use 16-bit points whenever every point
// fits.
#pragma once

#include "platform/dc.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

struct EmfSettings {
    int width = 0, height = 0; // the drawing area in screen pixels (unscaled)
    int scale = 1;             // 1, or 9 for high resolution
    // The reference device (the screen): HORZSIZE/VERTSIZE in millimetres
    // (0 when unknown), HORZRES/VERTRES and LOGPIXELSX/Y in pixels.
    int horzSize = 0, vertSize = 0;
    int horzRes = 0, vertRes = 0;
    int logPixelsX = 96, logPixelsY = 96;
    std::string application = "Quandel";
    std::string caption;
};

// Millimetres per screen pixel of the reference device: HORZSIZE/HORZRES,
// or 25.4/LOGPIXELS when the screen reports no physical size.
double emfMillimetresPerPixelX(const EmfSettings& s);
double emfMillimetresPerPixelY(const EmfSettings& s);
// The frame in 0.01 mm: (0, 0) to (W·f, H·g) rounded, f = HORZSIZE·scale·100/HORZRES.
plat::Rect emfFrame(const EmfSettings& s);

namespace emr {
constexpr uint32_t Header = 1, Polygon = 3, Polyline = 4, Eof = 14, SetBkMode = 18, SetTextAlign = 22,
                   SetTextColor = 24, SetBkColor = 25, MoveToEx = 27, SelectObject = 37, CreatePen = 38,
                   CreateBrushIndirect = 39, DeleteObject = 40, Ellipse = 42, Rectangle = 43, Arc = 45,
                   LineTo = 54, StretchDIBits = 81, ExtCreateFontIndirectW = 82, ExtTextOutW = 84,
                   Polygon16 = 86, Polyline16 = 87, ExtCreatePen = 95;
constexpr uint32_t StockNullBrush = 0x80000005, StockNullPen = 0x80000008, StockSystemFont = 0x8000000D,
                   StockBlackPen = 0x80000007, StockWhiteBrush = 0x80000000;
constexpr uint32_t Signature = 0x464D4520, Version = 0x00010000;
} // namespace emr

class EmfWriter : public plat::DC {
public:
    // `measure` measures text (the platform's device); without one the
    // headless metrics are used.
    EmfWriter(const EmfSettings& s, plat::DC* measure);

    void setPen(plat::Color c, int width, plat::PenStyle style) override;
    void setBrush(plat::Color c) override;
    void setNullBrush() override;
    void setFont(const plat::Font& f) override;
    void setTextColor(plat::Color c) override;
    void setTextBackground(bool opaque, plat::Color c) override;
    void line(plat::Point a, plat::Point b) override;
    void polyline(const std::vector<plat::Point>& pts) override;
    void polygon(const std::vector<plat::Point>& pts) override;
    void rectangle(const plat::Rect& r) override;
    void fillRect(const plat::Rect& r, plat::Color c) override;
    void ellipse(const plat::Rect& box) override;
    void arc(const plat::Rect& box, plat::Point start, plat::Point end) override;
    void textOut(plat::Point p, const std::string& text) override;
    plat::Size textExtent(const std::string& text) override;
    void drawBitmap(plat::Point p, const plat::Bitmap& b) override;
    int caps(plat::Cap c) const override;

    // Deletes the objects, writes the end-of-file record and the header;
    // the metafile's bytes. Drawing after finish() is ignored.
    std::string finish();
    bool finished() const { return finished_; }

    // The UTF-16 units and advances of a text: Windows-1252 bytes, or the
    // Symbol font's codes as their Unicode characters (charSet 2).
    static std::u16string toUtf16(const std::string& text, bool symbol);

private:
    struct PenKey {
        plat::Color color = 0;
        int width = 0;
        plat::PenStyle style = plat::PenStyle::Solid;
        bool operator==(const PenKey&) const = default;
    };
    struct BrushKey {
        bool null = false;
        plat::Color color = 0;
        bool operator==(const BrushKey&) const = default;
    };
    // One kind of object: the slot selected now (0 = a stock object) and
    // what it holds.
    struct Slot {
        uint32_t handle = 0;
        bool valid = false; // something of this kind was selected by us
    };

    void begin(uint32_t type, uint32_t size);
    void u32(uint32_t v);
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void u16(uint16_t v);
    void rect(const plat::Rect& r);
    void end(); // pads the record to its announced size

    uint32_t newHandle();
    void freeHandle(uint32_t h);
    void select(uint32_t h);
    void remove(uint32_t h);
    void realizePen();
    void realizeBrush();
    void realizeFont();
    void realizeTextState();

    void include(int x, int y);
    void includePoints(const std::vector<plat::Point>& pts, int margin);
    void pointsRecord(uint32_t type16, uint32_t type32, const std::vector<plat::Point>& pts);
    plat::Rect boundsOf(const std::vector<plat::Point>& pts) const;

    EmfSettings s_;
    plat::DC* measure_;
    std::string out_;
    size_t recordStart_ = 0;
    uint32_t recordSize_ = 0;
    uint32_t records_ = 0;
    bool finished_ = false;

    // Wanted state (set by the DC calls) and selected state (in the file).
    PenKey pen_, penSel_;
    BrushKey brush_, brushSel_;
    plat::Font font_, fontSel_;
    plat::Color text_ = 0, textSel_ = 0;
    bool opaque_ = false, opaqueSel_ = false;
    plat::Color bk_ = 0xFFFFFF, bkSel_ = 0xFFFFFF;
    bool textSelValid_ = false;
    Slot penSlot_, brushSlot_, fontSlot_;

    std::vector<uint32_t> free_;
    uint32_t nextHandle_ = 1;
    uint32_t maxHandle_ = 0;

    bool any_ = false;
    int minX_ = 0, minY_ = 0, maxX_ = -1, maxY_ = -1;
    plat::Point cur_{};
};

} // namespace quan
