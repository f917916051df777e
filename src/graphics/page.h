// The mapping from world coordinates to the page of an EPS or PicTeX
// export, in points with the origin at the lower left of the page.
#pragma once

#include "graphics/view.h"

namespace quan {

struct PageMapping {
    Real Wp = 0, Hp = 0; // page size in whole points
    Real sx = 1, sy = 1; // points per world unit
    // Multi-page output: every point is first recentred and scaled by s
    // about the view's centre, into a square of half-extent e (e' high).
    int32_t pages = 1;
    Real s = 1;
    Real e = 5;
    Real ePrime = 5;

    // Page size from the drawing area and the screen's LOGPIXELSX, both
    // rounded up to whole points; the scales for one page or for several.
    // The multi-page scale s is left for the topic's page drawing to set.
    void setup(const ViewState& v, int logPixelsX, int pageCount);
    // s = e / rx, as each page of a multi-page picture sets it.
    void setMultiPageScale(const ViewState& v) { s = e / v.rx; }

    WPoint toPage(const ViewState& v, Real x, Real y) const;
    WPoint toPage(const ViewState& v, WPoint p) const { return toPage(v, p.x, p.y); }
};

// A length rounded up to whole points: truncated, plus one when the
// truncation lost something.
Real roundUpPoints(Real v);

} // namespace quan
