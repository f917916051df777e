// A small picture window that shows what the graphics chain draws: a few
// segments in the five dash styles, a circle of segments, labels with
// every anchor, an arrowhead and a shaded disc, over the axes, and a shape
// through each of the other drawing calls (polyline, path with gaps,
// patterned polygon, rounded rectangles, arcs turning both ways, icons,
// a masked plot, turned and accented labels). It comes in 12 steps: step i
// turns the radius by i times 30 degrees. Used by the tests, for looking at
// the primitives and for trying the picture exports.
#pragma once

#include "graphics/baswin.h"

namespace quan {

class TDemoPicWin : public TBasWin {
public:
    TDemoPicWin(TQuanFrame* frame, DocInit init);

    // Colour roles of the demo's parts.
    static constexpr int RoleSegments = 1, RoleCircle = 2, RoleLabels = 4;

    void drawPicture(plat::DC& dc) override;
    bool offersSteps() const override { return true; }
    bool DrawPage(int page, plat::DC& dc) override;
    static constexpr int kSteps = 12;
    // The accented label (Windows-1252).
    static const char* const kAccentedLabel;
    // Calls of drawPicture so far (the layers redraw only what changed).
    int pictureDraws() const { return draws_; }

private:
    int draws_ = 0;
    int step_ = 0; // the step being drawn; the screen shows step 0
};

} // namespace quan
