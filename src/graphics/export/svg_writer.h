// The SVG back-end: each drawing call appends one element (or a small
// group) as complete lines (CR LF). SVG works in the screen's device
// pixels: every world point is mapped to the device, y downwards.
#pragma once

#include "graphics/backend.h"

#include <string>

namespace quan {

class Primitives;

struct SvgSettings {
    std::string title = "VELdra"; // the picture's document title
    int width = 0, height = 0;    // image size in pixels; 0 takes the drawing area's
};

class SvgWriter : public PictureBackend {
public:
    explicit SvgWriter(Primitives& p) : p_(p) {}
    OutputKind kind() const override { return OutputKind::Svg; }

    // Header of an export; the fill-pattern counter starts again at 0.
    void prepare(const SvgSettings& s, int pages);
    const std::string& header() const { return header_; }
    void beginPage() { out_ = header_; }
    void endPage() { out_ += "</svg>\r\n"; }
    const std::string& bytes() const { return out_; }
    void clear() { out_.clear(); }
    // 999 stops fill patterns (plain fills instead).
    void setPatternCounter(int n) { patterns_ = n; }
    int patternCounter() const { return patterns_; }

    void segment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override;
    void arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width) override;
    void label(plat::DC& dc, const LabelPlacement& at, const LabelSpec& style) override;
    void frameBackground(plat::DC& dc, int background, bool outline) override;
    void frame(plat::DC& dc, WPoint lowerLeft, WPoint upperRight, int width) override;

    void penLine(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override { segment(dc, a, b, pen); }
    void polyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width) override;
    void path(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color,
              int width) override;
    void polygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f) override;
    void circle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f) override;
    void arc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen) override;
    void roundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f) override;
    void dots(plat::DC& dc, const std::vector<WPoint>& centres, int color) override;
    void icon(plat::DC& dc, const ViewState& v, WPoint centre, int shape, int size, int color) override;

    // Device-pixel element writers.
    void line(int x1, int y1, int x2, int y2, int color, int width, int style);
    void rect(int x, int y, int w, int h, bool hollow, int fill, int width, int outline, int rx, int ry,
              int pattern);
    void ellipse(int x, int y, int r, int fill, int outline);
    void polygonPx(const std::vector<std::pair<int, int>>& pts, const FillSpec& f);

    // Text for an element or an attribute value: & < > " escaped, bytes
    // above 127 as character references to their Windows-1252 characters,
    // control characters dropped.
    static std::string escape(const std::string& text);
    // "#rrggbb".
    static std::string colorText(plat::Color c);

private:
    std::string colorOf(int index) const;
    std::pair<int, int> px(WPoint w) const;
    // The fill of a closed shape: "none", the colour, or a pattern written
    // just before the element.
    std::string fillValue(bool hollow, int fill, int outline, int pattern);

    Primitives& p_;
    std::string header_, out_;
    int patterns_ = 0;
    int width_ = 0, height_ = 0;
};

} // namespace quan
