// The drawing primitives of the picture windows: one drawing interface
// whose calls go to the back-end chosen by the output flags (backend.h
// describes the seam and what is checked here before a back-end is called).
#pragma once

#include "graphics/backend.h"
#include "docfile/colors.h"
#include "docfile/fonts.h"
#include "graphics/page.h"
#include "graphics/view.h"

#include <functional>
#include <memory>

namespace quan {

class DeviceBackend;

// What the primitives read of their window while drawing. The window
// points these at its own members once; the flags change around printing
// and metafile drawing.
struct DrawEnv {
    const ViewState* view = nullptr;
    const ColorTable* colors = nullptr;
    const ColorRoles* roles = nullptr;
    const FontTable* fonts = nullptr;
    // Print format switches: the frame around the picture, colour printer.
    bool frameImage = false;
    bool colorPrinter = true;
    // True while a printer page is drawn: no background contrast, and grey
    // levels on a printer without colour.
    bool printing = false;
    // Device pen widths are multiplied by this (the print magnification
    // while printing, the metafile scale while a metafile is drawn).
    Real penScale = 1;
    // Device font heights are multiplied by this (printing).
    Real fontScale = 1;
    // Added to the frame's width when printing.
    int printWidthIncrement = 0;
    // The printed grey of a colour index (a printer without colour); when
    // unset the table colour is used.
    std::function<plat::Color(int)> grey;
};

class Primitives {
public:
    explicit Primitives(DrawEnv env = {});
    ~Primitives();
    Primitives(const Primitives&) = delete;
    Primitives& operator=(const Primitives&) = delete;

    DrawEnv& env() { return env_; }
    const DrawEnv& env() const { return env_; }
    const ViewState& view() const { return *env_.view; }
    OutputMode& output() { return output_; }
    const OutputMode& output() const { return output_; }
    PageMapping& page() { return page_; }
    const PageMapping& page() const { return page_; }

    // Export back-ends register here (nullptr unregisters); the device
    // back-end is built in.
    void setBackend(OutputKind k, PictureBackend* b);
    // The back-end the output flags select.
    PictureBackend& active();
    DeviceBackend& device() { return *device_; }

    // --- colours --------------------------------------------------------------
    // The table colour of an index (an index outside 1..60 reads entry 0).
    plat::Color tableColor(int index) const;
    // The colour a device draws an index with: on a printer without colour
    // its grey level; on screen, with contrast, an index equal to the
    // background role's is drawn as 1 when that is 0 and as 0 otherwise.
    plat::Color deviceColor(int index, bool contrast) const;
    int backgroundIndex() const;
    // The device font of a slot, turned by angle tenths of a degree.
    plat::Font deviceFont(int slot, int angle) const;
    plat::Color slotColor(int slot) const;
    // A slot of the font table (slot 0 for a number outside 0..9).
    const FontSlot& fontSlot(int slot) const;

    // --- routing primitives -------------------------------------------------
    void DrawSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen);
    // Axes, ticks and grid lines (see PictureBackend::straightSegment).
    void DrawStraightSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen);
    void DrawArrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width = 1);
    // A label anchored at a device point (pixels, including the origin
    // offset). Returns the placement used.
    LabelPlacement DrawLabel(plat::DC& dc, Real px, Real py, const LabelSpec& style);
    // An axis scale label whose anchor point is the world point `at`.
    LabelPlacement DrawScaleLabel(plat::DC& dc, Axis axis, WPoint at, const LabelSpec& style);
    void DrawFrameBackground(plat::DC& dc);
    // The frame one pixel outside the visible area (only with "frame image").
    void DrawFrame(plat::DC& dc);
    void WriteComment(const std::string& text);
    void SetDottedLines(bool on);

    // --- per-format writers ------------------------------------------------------
    void WritePenLine(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen);
    void WritePolyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width);
    void WritePath(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color, int width);
    void WritePolygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f);
    void WriteCircle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f);
    void WriteArc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen);
    void WriteRoundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f);
    // Dot shading of a circle, a rectangle (top-left, bottom-right) and a
    // triangle, in the colour index.
    void WriteShadedCircle(plat::DC& dc, WPoint centre, Real r, int color);
    void WriteShadedRectangle(plat::DC& dc, WPoint topLeft, WPoint bottomRight, int color);
    void WriteShadedTriangle(plat::DC& dc, WPoint a, WPoint b, WPoint c, int color);
    // A vertex mark (PictureBackend::icon); a size below 0 draws nothing.
    void WriteIcon(plat::DC& dc, WPoint centre, int shape, int size, int color);
    // A polyline with gaps (PictureBackend::maskedPlot); one flag per point.
    void WriteMaskedPlot(plat::DC& dc, const std::vector<WPoint>& pts, const std::vector<int>& flags, int mode,
                         const PenSpec& pen);
    // The text writer: DrawLabel.
    LabelPlacement WriteText(plat::DC& dc, Real px, Real py, const LabelSpec& style)
    {
        return DrawLabel(dc, px, py, style);
    }

private:
    LabelPlacement placeOnDevice(plat::DC& dc, Real px, Real py, const LabelSpec& style);
    void drawOpaqueBox(plat::DC& dc, const LabelPlacement& p, int color);

    DrawEnv env_;
    ViewState fallbackView_;
    OutputMode output_;
    PageMapping page_;
    std::unique_ptr<DeviceBackend> device_;
    NullBackend nullEps_{OutputKind::Eps}, nullSvg_{OutputKind::Svg}, nullPicTeX_{OutputKind::PicTeX};
    PictureBackend* eps_ = nullptr;
    PictureBackend* svg_ = nullptr;
    PictureBackend* picTeX_ = nullptr;
};

} // namespace quan
