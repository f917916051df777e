#include "apportion/divwin.h"

#include "apportion/appwin.h"
#include "resources/rc.h"
#include "resources/strings.h"

#include <algorithm>
#include <cmath>

namespace quan {

TDivWin::TDivWin(TAppWin& owner, TQuanFrame* frame, DocInit init) : TBasWin(frame, std::move(init)), owner_(owner)
{
    roles_[RoleBackground] = 1; // white
    roles_[RoleAxes] = 0;
    roles_[RoleCoordinates] = 0;
    roles_[RoleDivisorLine] = 4; // red
    roles_[RoleReps] = 6;        // blue
    roles_[RoleAxisLabels] = 17; // dark blue
    mode_ = MouseMode::Coordinates;
}

plat::Menu TDivWin::menuBar() const { return menuResource("DIVMENU"); }
std::vector<plat::Accelerator> TDivWin::accelerators() const { return acceleratorResource("DIVMENU"); }

std::string TDivWin::menuHelpName(int id) const
{
    switch (id) {
    case divcmd::HelpFile: return "QNDFILEH";
    case divcmd::HelpView: return "QNDVIEWH";
    case divcmd::HelpMisc: return "QNDMISCH";
    default: return "";
    }
}

void TDivWin::setup()
{
    TBasWin::setup();
    if (window_)
        resized(window_->clientSize());
    resetView();
}

void TDivWin::measure()
{
    plat::DC& dc = measuringDC();
    dc.setFont(prims_.deviceFont(FontAxisLabels, 0));
    const plat::Size name = dc.textExtent("South Carolina");
    // A row is 5/4 of the names' height, and at least a pixel.
    rowPx_ = std::max(1, (std::max(0, name.h) * 5 + 3) / 4);
    nameWidth_ = std::max(0, name.w);
    dc.setFont(prims_.deviceFont(FontReps, 0));
    countWidth_ = std::max(0, dc.textExtent("53").w);
}

void TDivWin::fontChanged(int k)
{
    TBasWin::fontChanged(k);
    measure();
    fitRows();
    invalidateLayer(Picture);
}

void TDivWin::fitRows()
{
    // The rows keep their top; as many fit below it as the height allows.
    const ViewState& v = pv_.view;
    const Real bottom = v.ymax - static_cast<Real>(v.H) / rowPx_;
    if (pv_.checkCorners(v.xmin, v.xmax, bottom, v.ymax) == 0) {
        pv_.storeCorners(v.xmin, v.xmax, bottom, v.ymax);
        viewChanged();
    }
}

void TDivWin::resetView()
{
    holding_ = false;
    measure();
    const AppTable& t = owner_.table();
    const Real ideal = t.house() > 0 ? t.totalPopulation() / t.house() : t.divisor();
    const ViewState& v = pv_.view;
    const Real top = 1.2L, bottom = 1 - static_cast<Real>(v.H) / rowPx_;
    if (pv_.checkCorners(ideal * 2 / 3, ideal * 7 / 6, bottom, top) == 0)
        pv_.storeCorners(ideal * 2 / 3, ideal * 7 / 6, bottom, top);
    viewChanged();
    plotChanged();
}

void TDivWin::plotChanged()
{
    const ViewState& v = pv_.view;
    const Real d = owner_.table().divisor();
    if (!holding_ && std::isfinite(d) && (d < v.xmin || d > v.xmax)) {
        // Bring the line back, keeping the width: it stands where it left.
        const Real width = v.xmax - v.xmin;
        const Real xmin = d < v.xmin ? d - width / 10 : d - width * 9 / 10;
        if (pv_.checkCorners(xmin, xmin + width, v.ymin, v.ymax) == 0) {
            pushView();
            pv_.storeCorners(xmin, xmin + width, v.ymin, v.ymax);
            viewChanged();
        }
    }
    computePlot();
    refreshTitle();
    invalidateLayer(Picture);
}

void TDivWin::showPlot()
{
    if (!window_)
        return;
    open_ = true;
    window_->show();
    window_->bringToTop();
    plotChanged();
}

void TDivWin::closePlot()
{
    if (!window_ || !open_)
        return;
    open_ = false;
    dragging_ = false;
    writeSettingsOnClose();
    window_->hide();
}

bool TDivWin::isShowing() const { return open_ && window_ && window_->isVisible(); }

std::string TDivWin::title() const { return DivisorPlot::title(owner_.table(), decimals()); }

void TDivWin::refreshTitle() { setCaption(title()); }

DivisorPlotView TDivWin::plotView() const
{
    const ViewState& v = pv_.view;
    DivisorPlotView p;
    p.xmin = v.xmin;
    p.xmax = v.xmax;
    p.minGap = 3 * v.dx;
    // Row i has its axis at y = -i.
    p.firstRow = static_cast<int>(std::clamp<Real>(std::ceil(-v.ymax), 0, kMaxStates));
    p.lastRow = static_cast<int>(std::clamp<Real>(std::floor(-v.ymin), -1, kMaxStates));
    return p;
}

void TDivWin::computePlot() { plot_.compute(owner_.table(), plotView()); }

plat::Point TDivWin::devicePoint(Real x, int row) const
{
    const DevicePoint d = pv_.view.WorldToDevice(x, -static_cast<Real>(row));
    return {d.x, d.y};
}

void TDivWin::drawPicture(plat::DC& dc)
{
    computePlot();
    const ViewState& v = pv_.view;
    const DivisorPlotView pv = plotView();
    const PenSpec axisPen{static_cast<int16_t>(colorRole(RoleAxes)), 1, DashSolid};
    const PenSpec linePen{static_cast<int16_t>(colorRole(RoleDivisorLine)), 2, DashSolid};
    const Real tick = 0.2L; // of a row, above and below the axis
    const Real d = plot_.divisor();
    const DevicePoint line = v.WorldToDevice(d, 0);
    // The axes start right of the names' room; a count stands right of the
    // line, or left of it where the room of "53" is missing.
    const Real axisStart = v.DeviceToWorld(v.ox + nameWidth_ + 6.0L, 0).x;
    const bool countLeft = line.x + 3 + countWidth_ > v.ox + v.W;
    const auto& rows = plot_.rows();
    for (int row = pv.firstRow; row <= pv.lastRow && row < static_cast<int>(rows.size()); ++row) {
        const DivisorPlotRow& r = rows[static_cast<size_t>(row)];
        const Real y = -static_cast<Real>(row);
        prims_.DrawSegment(dc, {std::max(v.xmin, axisStart), y}, {v.xmax, y}, axisPen);
        for (Real x : r.ticks)
            if (x >= axisStart)
                prims_.DrawSegment(dc, {x, y - tick}, {x, y + tick}, axisPen);
        const DevicePoint at = v.WorldToDevice(v.xmin, y);
        LabelSpec name;
        name.text = r.name;
        name.color = colorRole(RoleAxisLabels);
        name.fontSlot = FontAxisLabels;
        name.hAnchor = 1;
        name.vAnchor = 1;
        name.opaque = colorRole(RoleBackground);
        prims_.DrawLabel(dc, v.ox + 2.0L, at.y - 1.0L, name);
        LabelSpec count;
        count.text = formatInt(r.count);
        count.color = colorRole(RoleReps);
        count.fontSlot = FontReps;
        count.hAnchor = countLeft ? -1 : 1;
        count.vAnchor = 1;
        prims_.DrawLabel(dc, countLeft ? line.x - 3.0L : line.x + 3.0L, at.y - 1.0L, count);
    }
    prims_.DrawSegment(dc, {d, v.ymax}, {d, v.ymin}, linePen);
}

void TDivWin::mouse(const plat::MouseEvent& e)
{
    // A left press, and moves until the button is let go, put the divisor
    // where the pointer is.
    if (e.kind == plat::MouseEvent::Press && e.button == 1)
        dragging_ = true;
    else if (e.kind == plat::MouseEvent::Release && e.button == 1)
        dragging_ = false;
    if (!dragging_ || (e.kind != plat::MouseEvent::Press && e.kind != plat::MouseEvent::Move))
        return;
    const WPoint w = pv_.view.DeviceToWorld(e.pos.x, e.pos.y);
    if (std::isfinite(w.x) && w.x >= 1)
        owner_.applyDivisorFromPlot(w.x);
}

void TDivWin::wheel(int notches)
{
    // Whole rows: away from the user shows the rows above.
    const ViewState& v = pv_.view;
    const Real dy = static_cast<Real>(notches);
    if (pv_.checkCorners(v.xmin, v.xmax, v.ymin + dy, v.ymax + dy) == 0) {
        pv_.storeCorners(v.xmin, v.xmax, v.ymin + dy, v.ymax + dy);
        viewChanged();
        computePlot();
    }
}

void TDivWin::command(int id)
{
    switch (id) {
    case textcmd::TextOut:
        computePlot();
        handText(plot_.textOut(owner_.table(), decimals()));
        return;
    case textcmd::Close: closePlot(); return;
    default: break;
    }
    TBasWin::command(id);
    if (id == cm::DecimalPlaces)
        refreshTitle();
}

} // namespace quan
