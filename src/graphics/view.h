// The visible world rectangle of a picture window, its mapping to device
// pixels, the last-window stack and the view operations (zoom, shift, set
// by centre, set by corners). Plain types: the window classes wrap them
// with repainting and hooks.
#pragma once

#include "core/qmath.h"
#include "graphics/axes_settings.h"

#include <cstdint>
#include <vector>

namespace quan {

// A point in world coordinates.
struct WPoint {
    Real x = 0, y = 0;
    bool operator==(const WPoint&) const = default;
};

enum class ViewMode : uint8_t { CentreWidth = 0, Corners = 1 };

// A device point and whether it lies on the drawing area.
struct DevicePoint {
    int x = 0, y = 0;
    bool visible = false;
};

struct ViewState {
    Real cx = 0, cy = 0;
    Real rx = 5, ry = 5;
    Real xmin = -5, xmax = 5, ymin = -5, ymax = 5;
    Real aspect = 1;
    ViewMode mode = ViewMode::CentreWidth;
    Real dx = 0.01L, dy = 0.01L; // world units per pixel
    Real kx = 100, ky = 100;     // pixels per world unit
    int32_t W = 1001, H = 1001;  // drawing area in pixels, at least 2 x 2
    int16_t ox = 0, oy = 0;      // added to every device point

    // Sets the drawing area (kept at 2 x 2 or more) without recomputing.
    void setClient(int w, int h);
    // Re-establishes the invariants of the mode and the pixel scales.
    void recompute();

    DevicePoint WorldToDevice(Real x, Real y) const;
    DevicePoint WorldToDevice(WPoint p) const { return WorldToDevice(p.x, p.y); }
    WPoint DeviceToWorld(Real px, Real py) const;
    // The device point lies on the drawing area (before the origin offset).
    bool insideClient(Real x, Real y) const;

    bool operator==(const ViewState&) const = default;
};

// What the last-window stack keeps of a view: the four view slots (cx, cy,
// rx, ry in centre-width mode; xmin, xmax, ymin, ymax in corners mode),
// aspect, mode and the axes layout.
struct ViewNode {
    std::array<Real, 4> slots{};
    Real aspect = 1;
    ViewMode mode = ViewMode::CentreWidth;
    AxesLayout layout;
    bool operator==(const ViewNode&) const = default;
};

// Newest first; unbounded.
class ViewStack {
public:
    void push(const ViewNode& n) { nodes_.push_back(n); }
    bool empty() const { return nodes_.empty(); }
    size_t size() const { return nodes_.size(); }
    // Takes the newest node; false on an empty stack.
    bool pop(ViewNode& out);
    const ViewNode& top() const { return nodes_.back(); }
    void clear() { nodes_.clear(); }

private:
    std::vector<ViewNode> nodes_;
};

// The view a view command asks for.
struct ViewTarget {
    ViewMode mode = ViewMode::CentreWidth;
    // Centre-width: cx, cy, rx (the fourth unused); corners: xmin, xmax,
    // ymin, ymax.
    Real a = 0, b = 0, c = 0, d = 0;
};

// Zoom: the ranges multiplied (out) or divided (in) by the factor, the
// centre kept; the view's own mode.
ViewTarget zoomTarget(const ViewState& v, Real factor, bool out);
// Shift: the centre moved by fx, fy times the full ranges, ranges kept.
ViewTarget shiftTarget(const ViewState& v, Real fx, Real fy);

inline constexpr Real kMinZoomFactor = 1e-16L;
inline constexpr Real kMinShiftPercent = 1e-16L;

// The view of one window with its stack, its axes settings and the two
// view command parameters.
class PictureView {
public:
    ViewState view;
    AxesGridSettings axes;
    ViewStack stack;
    Real ZoomFactor = 1.1L;
    Real ShiftFraction = 0.01L;

    ViewNode save() const;
    void restore(const ViewNode& n);
    void push() { stack.push(save()); }

    // 0, or 14 "positive value?" for a width that is not positive and
    // finite, or 17 "out of bounds" when the view would lose its scale.
    int checkCentre(Real cx, Real cy, Real rx) const;
    // 0, or 6 "inconsistent data" unless left < right and down < up (equal
    // corners have no aspect), or 17 as above.
    int checkCorners(Real xmin, Real xmax, Real ymin, Real ymax) const;
    // Stores a checked view and recomputes (no push).
    void storeCentre(Real cx, Real cy, Real rx);
    void storeCorners(Real xmin, Real xmax, Real ymin, Real ymax);

    // Push, store, recompute; the view is unchanged (and nothing pushed)
    // when the check fails. Return the check's code.
    int setByCentre(Real cx, Real cy, Real rx);
    int setByCorners(Real xmin, Real xmax, Real ymin, Real ymax);
    int apply(const ViewTarget& t);
    int zoom(bool out) { return apply(zoomTarget(view, ZoomFactor, out)); }
    int shift(Real fx, Real fy) { return apply(shiftTarget(view, fx, fy)); }
    // Pops and restores; false (nothing changes) on an empty stack.
    bool lastWindow();

    // 0 or 14: the factor must be at least 1e-16.
    int setZoomFactor(Real f);
    // Entered as a percentage (stored times 0.01); 0, or 14 unless the
    // entry is at least 1e-16.
    int setShiftPercent(Real percent);
};

} // namespace quan
