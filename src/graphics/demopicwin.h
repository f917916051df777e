// A small picture window that shows what the graphics chain draws: a few
// segments in the five dash styles, a circle of segments, labels with
// every anchor, an arrowhead and a shaded disc, over the axes. Used by the
// tests and for looking at the primitives.
#pragma once

#include "graphics/baswin.h"

namespace quan {

class TDemoPicWin : public TBasWin {
public:
    TDemoPicWin(TQuanFrame* frame, DocInit init);

    // Colour roles of the demo's parts.
    static constexpr int RoleSegments = 1, RoleCircle = 2, RoleLabels = 4;

    void drawPicture(plat::DC& dc) override;
    // Calls of drawPicture so far (the layers redraw only what changed).
    int pictureDraws() const { return draws_; }

private:
    int draws_ = 0;
};

} // namespace quan
