// The one drawing interface of the picture windows and its back-ends.
//
// A topic window draws its picture through `Primitives` (primitives.h):
// the routing primitives (DrawSegment, DrawArrowhead, DrawLabel, the axis
// scale labels, DrawFrameBackground, DrawFrame, WriteComment) and the
// per-format writers (pen line, polyline, 'M'/'L' path, polygon, circle,
// arc, rounded rectangle, dot shading, text). `Primitives` applies the
// rules every format shares and then hands the call to the back-end that
// the output flags select:
//
//   no flag set   -> DeviceBackend (screen, printer, bitmap, metafile)
//   EPS flag      -> the back-end registered with setBackend(OutputKind::Eps)
//   SVG flag      -> ... OutputKind::Svg
//   PicTeX flag   -> ... OutputKind::PicTeX
//   (a flag without a registered back-end draws nothing)
//
// What Primitives has already done before a back-end is called:
//   * pens: a dash style outside 0..4 or a negative width never reaches a
//     back-end (segment, straightSegment, penLine, arc);
//   * segments: a Manhattan length |x2 - x1| + |y2 - y1| of at most 1e-13
//     never reaches a back-end (segment, straightSegment, penLine);
//   * labels: the text extent has been measured on the device with the
//     label's font and the placement computed (LabelPlacement: rounded
//     top-left corner, the baseline point 0.777 h down the turned height,
//     the four box corners, all in device pixels including the origin
//     offset); an opaque background has already been drawn as a filled
//     polygon through polygon() (fill and outline colour = the opaque
//     colour, outline width -1), so label() draws the text only;
//   * comments reach a back-end only while the EPS or PicTeX flag is set.
//
// Coordinates are world coordinates unless a parameter says otherwise.
// Colours are colour indices into the window's table (an index outside
// 1..60 reads entry 0); resolve them with Primitives::tableColor() (exports)
// or Primitives::deviceColor() (device rules: the background contrast on
// screen, grey levels on a printer without colour). The mapping to the page
// (EPS, PicTeX) is Primitives::page() with view(); SVG uses
// view().WorldToDevice().
//
// A new back-end implements every pure virtual below; the ones with a body
// have a sensible default. The plat::DC argument is the device the picture
// is drawn for: the device back-end draws on it, the others may use it to
// measure text and otherwise ignore it.
#pragma once

#include "graphics/label.h"
#include "graphics/output.h"
#include "graphics/pen.h"
#include "graphics/view.h"
#include "platform/dc.h"

#include <string>
#include <vector>

namespace quan {

enum class Axis { X, Y };

// A text to draw.
struct LabelSpec {
    std::string text;
    int color = 0;     // colour index; -1 takes the font slot's own colour
    int fontSlot = 0;  // 0..9 of the window's font table
    int hAnchor = 1;   // -1 right end, 0 middle, 1 left end at the point
    int vAnchor = -1;  // -1 top, 0 middle, 1 bottom at the point
    int angle = 0;     // tenths of a degree, counter-clockwise
    int opaque = -1;   // colour index of an opaque background, -1 for none
    bool contrast = false; // on screen, keep the text off the background colour
    bool math = false;     // PicTeX: set the text in math mode
};

// Fill and outline of the closed shapes. The formats' own rules decide what
// a combination means (see the EPS and SVG writers); in short: a hollow
// shape is not filled; fill -1 (circles) means no fill; outline -1
// (circles) or width < 0 (polygons, rectangles) means no outline, a width
// of 0 counts as 1; pattern 0 fills solid, a positive pattern fills with
// dot shading (device, EPS) or a pattern (SVG), a negative one not at all.
struct FillSpec {
    bool hollow = false;
    int fill = -1;
    int outline = 0;
    int width = 1;
    int pattern = 0;
};

class PictureBackend {
public:
    virtual ~PictureBackend() = default;
    virtual OutputKind kind() const = 0;

    // --- routing primitives ------------------------------------------------
    // DrawSegment: one line in the pen's colour, width and dash style.
    virtual void segment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) = 0;
    // The lines of the axes, ticks and grid. PicTeX writes these as rules
    // or plots while it writes no DrawSegment; the others draw a segment.
    virtual void straightSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) { segment(dc, a, b, pen); }
    // Two strokes from the barb ends to the tip, or a filled triangle.
    virtual void arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid,
                           int width) = 0;
    // DrawLabel and the text writer: the text at the placement.
    virtual void label(plat::DC& dc, const LabelPlacement& at, const LabelSpec& style) = 0;
    // An axis scale label; `at` is the world point 4 pixels off the axis
    // that the anchors of `style` refer to (PicTeX writes "[t]"/"[b]" on the
    // x axis, "[r]"/"[l]" on the y axis from them).
    virtual void scaleLabel(plat::DC& dc, Axis axis, WPoint at, const LabelPlacement& place, const LabelSpec& style)
    {
        label(dc, place, style);
    }
    // A rectangle over the whole visible area filled with the background
    // colour index, outlined in entry 0 (width 1) when `outline`.
    virtual void frameBackground(plat::DC& dc, int background, bool outline) = 0;
    // The frame: an outline-only rectangle between the two world corners in
    // colour entry 0 with the given width.
    virtual void frame(plat::DC& dc, WPoint lowerLeft, WPoint upperRight, int width) = 0;
    // "% " + text + line end (EPS and PicTeX).
    virtual void comment(const std::string& text) {}
    // Dotted grid lines begin (true) and end (false); PicTeX brackets them
    // with "\setdots<2pt>" and "\setsolid".
    virtual void setDottedLines(bool on) {}

    // --- per-format writers ---------------------------------------------------
    virtual void penLine(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) = 0;
    // Open polyline through all points (solid).
    virtual void polyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width) = 0;
    // Polyline whose point i starts a new piece when commands[i] is 'M' and
    // continues it otherwise ('L'); points without a letter continue.
    virtual void path(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color,
                      int width) = 0;
    virtual void polygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f) = 0;
    // Radius in world x units.
    virtual void circle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f) = 0;
    // Counter-clockwise arc about the centre from the start point through
    // the sweep (radians).
    virtual void arc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen) = 0;
    // Rectangle between two opposite corners with rounded corners of radius
    // r (world x units; r <= 1e-13 gives sharp corners).
    virtual void roundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f) = 0;
    // The dots of a dot shading (shading.h), each of radius 0.4 dx.
    virtual void dots(plat::DC& dc, const std::vector<WPoint>& centres, int color) = 0;
    // A vertex mark of size s device pixels about a world point, in one
    // colour for fill and outline: 0 filled square, 1 disc, 2..5 filled
    // triangles pointing up, down, right, left, 6 plus in a square, 7 hollow
    // square, 8 diagonal cross, 9 plus, 10 cross in a square, 11 and 12
    // arrows up and down, 13 cross hairs over the whole view. The default
    // draws it through polygon, circle and penLine.
    virtual void icon(plat::DC& dc, const ViewState& v, WPoint centre, int shape, int size, int color);
    // A sampled curve with gaps: segment i-1 -> i is drawn when mode is 0,
    // when both flags are negative, or when mode is 1 and the flags are 0
    // then 1. The default draws the segments through penLine.
    virtual void maskedPlot(plat::DC& dc, const std::vector<WPoint>& pts, const std::vector<int>& flags, int mode,
                            const PenSpec& pen);
};

// Whether a masked plot draws the segment into point i (i >= 1).
bool maskedPlotDraws(const std::vector<int>& flags, int mode, size_t i);

// Draws nothing: stands in for an export back-end that is not registered.
class NullBackend : public PictureBackend {
public:
    explicit NullBackend(OutputKind k) : kind_(k) {}
    OutputKind kind() const override { return kind_; }
    void segment(plat::DC&, WPoint, WPoint, const PenSpec&) override {}
    void arrowhead(plat::DC&, WPoint, WPoint, WPoint, int, bool, int) override {}
    void label(plat::DC&, const LabelPlacement&, const LabelSpec&) override {}
    void frameBackground(plat::DC&, int, bool) override {}
    void frame(plat::DC&, WPoint, WPoint, int) override {}
    void penLine(plat::DC&, WPoint, WPoint, const PenSpec&) override {}
    void polyline(plat::DC&, const std::vector<WPoint>&, int, int) override {}
    void path(plat::DC&, const std::vector<WPoint>&, const std::string&, int, int) override {}
    void polygon(plat::DC&, const std::vector<WPoint>&, const FillSpec&) override {}
    void circle(plat::DC&, WPoint, Real, const FillSpec&) override {}
    void arc(plat::DC&, WPoint, WPoint, Real, const PenSpec&) override {}
    void roundedRectangle(plat::DC&, WPoint, WPoint, Real, const FillSpec&) override {}
    void dots(plat::DC&, const std::vector<WPoint>&, int) override {}

private:
    OutputKind kind_;
};

} // namespace quan
