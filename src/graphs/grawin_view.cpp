// The graph window's view and mode commands shared by every graph-based
// window: View|Rotate and Angle, Misc|Thicken print, the toolbar, and the
// Coordinates and Rotate mouse modes.
#include "graphs/grawin.h"

#include "core/msgcode.h"
#include "core/qmath.h"
#include "graphs/core/rotate.h"
#include "resources/strings.h"

#include <cmath>

namespace quan {

namespace {
// An angle as the input box offers it: up to six decimals, no trailing zeros.
std::string angleText(Real a)
{
    std::string t = formatReal(a, 0, 6);
    if (t.find('.') != std::string::npos) {
        while (!t.empty() && t.back() == '0')
            t.pop_back();
        if (!t.empty() && t.back() == '.')
            t.pop_back();
    }
    return t == "-0" ? "0" : t;
}
} // namespace

// --- the toolbar -----------------------------------------------------------------------------

TToolDlg::TToolDlg(TGra0Win& owner) : TDlg("TOOLS", owner.window()), owner_(owner) {}

bool TToolDlg::button(plat::Dialog&, int id)
{
    if (!TBasWin::isModeCommand(id))
        return false; // close hides
    owner_.setMouseMode(static_cast<MouseMode>(id));
    return true;
}

void TGra0Win::showToolbar()
{
    if (!toolbar_)
        toolbar_ = std::make_unique<TToolDlg>(*this);
    toolbar_->show();
}

// --- commands --------------------------------------------------------------------------------

void TGra0Win::command(int id)
{
    switch (id) {
    case grcmd::Rotate: {
        const ViewState& v = pv_.view;
        if (int code = rotateFigure(v.cx, v.cy, angle_))
            message(code);
        return;
    }
    case grcmd::Angle: cmAngle(); return;
    case grcmd::ThickenPrint: cmThickenPrint(); return;
    case grcmd::Toolbar: showToolbar(); return;
    default: break;
    }
    TBasWin::command(id);
    // A mode command may have changed the digraph switch (Arrows).
    if (isModeCommand(id))
        updateGraphMenu();
}

void TGra0Win::setRotationAngle(Real degrees)
{
    if (!std::isfinite(degrees))
        return;
    angle_ = degrees;
    settingsChanged_ = true;
}

int TGra0Win::rotateFigure(Real cx, Real cy, Real degrees)
{
    if (graph_.count() == 0)
        return 0;
    if (!rotateFrom(graph_, slotPositions(graph_), cx, cy, degrees))
        return codeOf(Msg::OutOfBounds);
    graphChanged();
    return 0;
}

void TGra0Win::cmAngle()
{
    Real a = angle_;
    if (!inputNumber(Str::AngleSize, Str::Degrees, a, angleText(angle_)))
        return;
    if (!std::isfinite(a)) {
        message(Msg::OutOfBounds);
        return;
    }
    setRotationAngle(a);
}

int TGra0Win::setThickenPrint(long long extra)
{
    if (extra < 0)
        return codeOf(Msg::PositiveValue);
    if (extra > 100)
        return codeOf(Msg::OutOfBounds);
    thicken_ = static_cast<int>(extra);
    settingsChanged_ = true;
    return 0;
}

void TGra0Win::cmThickenPrint()
{
    long long extra = thicken_;
    if (!inputInteger(Str::Input, Str::ExtraThickness, extra))
        return;
    if (int code = setThickenPrint(extra))
        message(code);
}

// --- the Coordinates and Rotate modes -----------------------------------------------------

void TGra0Win::coordinatesMouse(const plat::MouseEvent& e)
{
    if (e.kind == plat::MouseEvent::Press && e.button == 2) {
        // The view moves its centre here, onto the vertex when the click
        // is on one (Last window goes back).
        const int v = vertexAt(e.pos, kClickRadius);
        const WPoint w = v >= 0 ? WPoint{graph_.x(v), graph_.y(v)} : pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
        if (int code = setViewByCentre(w.x, w.y, pv_.view.rx))
            message(code);
        return;
    }
    const bool down = (e.kind == plat::MouseEvent::Press && e.button == 1) ||
                      (e.kind == plat::MouseEvent::Move && !coordText_.empty());
    if (down) {
        const int v = vertexAt(e.pos, kDragRadius);
        WPoint w = v >= 0 ? WPoint{graph_.x(v), graph_.y(v)} : pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
        const int d = decimals();
        std::string t = "(";
        t += formatReal(w.x, 0, d);
        t += ", ";
        t += formatReal(w.y, 0, d);
        t += ")";
        coordText_ = std::move(t);
        coordAt_ = v >= 0 ? devicePoint(v) : e.pos;
        invalidateLayer(Picture);
        return;
    }
    if (e.kind == plat::MouseEvent::Release && e.button == 1 && !coordText_.empty()) {
        coordText_.clear();
        invalidateLayer(Picture);
    }
}

bool TGra0Win::rotationCentreSet() const
{
    return rotCentre_ >= 0 && rotCentre_ < graph_.slots() && graph_.present(rotCentre_);
}

WPoint TGra0Win::rotationCentre() const
{
    // The centre vertex where it is now (it may have been moved since).
    if (rotationCentreSet())
        return {graph_.x(rotCentre_), graph_.y(rotCentre_)};
    return {pv_.view.cx, pv_.view.cy};
}

void TGra0Win::rotateMouse(const plat::MouseEvent& e)
{
    if (e.kind == plat::MouseEvent::Press && e.button == 2) {
        rotCentre_ = vertexAt(e.pos, kClickRadius);
        invalidateLayer(Picture);
        return;
    }
    if (e.kind == plat::MouseEvent::Press && e.button == 1) {
        rotating_ = false;
        const WPoint c = rotationCentre();
        const DevicePoint dc = pv_.view.WorldToDevice(c.x, c.y);
        // A press on the centre has no direction to turn from.
        if (std::abs(e.pos.x - dc.x) <= 1 && std::abs(e.pos.y - dc.y) <= 1)
            return;
        const WPoint w = pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
        rotDragCentre_ = c;
        rotStartAngle_ = std::atan2(w.y - c.y, w.x - c.x);
        rotFrom_ = slotPositions(graph_);
        rotating_ = std::isfinite(rotStartAngle_);
        dragMoved_ = false;
        return;
    }
    if ((e.kind == plat::MouseEvent::Move || e.kind == plat::MouseEvent::Release) && rotating_) {
        const WPoint c = rotDragCentre_;
        const WPoint w = pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
        const Real a = std::atan2(w.y - c.y, w.x - c.x);
        if (std::isfinite(a) && !(w.x == c.x && w.y == c.y)) {
            const Real degrees = (a - rotStartAngle_) * (180 / 3.14159265358979323846264338327950288L);
            if (rotateFrom(graph_, rotFrom_, c.x, c.y, degrees)) {
                // A click without a turn leaves the graph unmodified.
                if (degrees != 0)
                    dragMoved_ = true;
                invalidateLayer(Picture);
            }
        }
        if (e.kind == plat::MouseEvent::Release) {
            rotating_ = false;
            rotFrom_.clear();
            if (dragMoved_)
                graphChanged();
        }
    }
}

} // namespace quan
