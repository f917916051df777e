// The screen and printer back-end: draws on a device context with the
// device colour rules, clipping segments to the visible area.
#pragma once

#include "graphics/backend.h"

namespace quan {

class Primitives;

class DeviceBackend : public PictureBackend {
public:
    explicit DeviceBackend(Primitives& p) : p_(p) {}
    OutputKind kind() const override { return OutputKind::Device; }

    void segment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen) override;
    void arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width) override;
    void label(plat::DC& dc, const LabelPlacement& at, const LabelSpec& style) override;
    // The layer bitmap is already filled with the background.
    void frameBackground(plat::DC&, int, bool) override {}
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

    // A device point for filled shapes: rounded like WorldToDevice, with
    // the origin offset, but not clamped to the area (a shape partly outside
    // keeps its form); kept within +-2^24 so every device takes it.
    plat::Point shapePoint(WPoint p) const;
    // A pen width on this device (scaled; 0 stays 0).
    int deviceWidth(int width) const;

private:
    void setPen(plat::DC& dc, int color, int width, int style, bool contrast = true);
    Primitives& p_;
};

} // namespace quan
