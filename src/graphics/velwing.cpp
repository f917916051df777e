#include "graphics/velwing.h"

#include "core/msgcode.h"

#include "platform/recording_dc.h"
#include "resources/strings.h"

#include <algorithm>
#include <map>

namespace quan {

namespace {
std::map<int, TVELWing::ExportDriver>& drivers()
{
    static std::map<int, TVELWing::ExportDriver> d;
    return d;
}

// Inserts the BMP item after the last entry of the popup holding EPS.
bool appendBmp(std::vector<plat::MenuItem>& items)
{
    for (auto& it : items) {
        bool holdsEps = false;
        for (const auto& sub : it.items)
            holdsEps = holdsEps || sub.id == gcm::ExportEps;
        if (holdsEps) {
            for (const auto& sub : it.items)
                if (sub.id == gcm::ExportBmp)
                    return true;
            plat::MenuItem bmp;
            bmp.label = "&BMP ...";
            bmp.id = gcm::ExportBmp;
            it.items.push_back(bmp);
            return true;
        }
        if (appendBmp(it.items))
            return true;
    }
    return false;
}
} // namespace

TVELWing::TVELWing(TQuanFrame* frame, DocInit init) : TVELWin(frame, std::move(init))
{
    DrawEnv& env = prims_.env();
    env.view = &pv_.view;
    env.colors = &colors_;
    env.roles = &roles_;
    env.fonts = &fonts_;
    env.grey = [this](int i) { return greyColor(i); };
    for (auto& e : exports_)
        e.baseName = S(Str::Noname);
    // Background and picture.
    setLayerCount(2);
    pv_.view.recompute();
}

TVELWing::~TVELWing() = default;

void TVELWing::setExportDriver(int commandId, ExportDriver d) { drivers()[commandId] = std::move(d); }

// --- view operations ---------------------------------------------------------------

void TVELWing::DrawFrame(plat::DC& dc) { prims_.DrawFrame(dc); }

bool TVELWing::popView(ViewNode& out) { return pv_.stack.pop(out); }
void TVELWing::clearViewStack() { pv_.stack.clear(); }
void TVELWing::pushView() { pv_.stack.push(saveView()); }

void TVELWing::lastWindow()
{
    ViewNode n;
    if (!popView(n))
        return;
    restoreView(n);
    recomputeView();
    viewChanged();
}

void TVELWing::recomputeView() { pv_.view.recompute(); }

int TVELWing::zoom(bool out)
{
    ViewTarget t = zoomTarget(pv_.view, pv_.ZoomFactor, out);
    return t.mode == ViewMode::CentreWidth ? setViewByCentre(t.a, t.b, t.c) : setViewByCorners(t.a, t.b, t.c, t.d);
}

int TVELWing::setViewByCentre(Real cx, Real cy, Real rx)
{
    if (int code = pv_.checkCentre(cx, cy, rx))
        return code;
    pushView();
    pv_.storeCentre(cx, cy, rx);
    recomputeView();
    viewChanged();
    afterCentreSet();
    return 0;
}

int TVELWing::setViewByCorners(Real xmin, Real xmax, Real ymin, Real ymax)
{
    if (int code = pv_.checkCorners(xmin, xmax, ymin, ymax))
        return code;
    pushView();
    pv_.storeCorners(xmin, xmax, ymin, ymax);
    recomputeView();
    viewChanged();
    afterCornersSet();
    return 0;
}

WPoint TVELWing::DeviceToWorld(int px, int py) const { return pv_.view.DeviceToWorld(px, py); }

int TVELWing::parseNumber(const std::string& text, Real& out) const { return parseReal(text, out) ? 0 : 1; }

void TVELWing::toggleAxes()
{
    pushView();
    pv_.axes.layout.axesOn = !pv_.axes.layout.axesOn;
    viewChanged();
}

int TVELWing::shiftView(Real fx, Real fy)
{
    ViewTarget t = shiftTarget(pv_.view, fx, fy);
    return t.mode == ViewMode::CentreWidth ? setViewByCentre(t.a, t.b, t.c) : setViewByCorners(t.a, t.b, t.c, t.d);
}

ViewNode TVELWing::saveView() const { return pv_.save(); }

void TVELWing::restoreView(const ViewNode& n) { pv_.restore(n); }

void TVELWing::toggleSolidArrowheads()
{
    pv_.axes.solidArrowheads = !pv_.axes.solidArrowheads;
    viewChanged();
}

void TVELWing::viewChanged()
{
    settingsChanged_ = true;
    updateViewMenu();
    invalidateLayer(Picture);
}

void TVELWing::updateViewMenu()
{
    if (!window_)
        return;
    window_->checkMenuItem(gcm::Axes, pv_.axes.layout.axesOn);
    window_->checkMenuItem(gcm::SolidArrowheads, pv_.axes.solidArrowheads);
    window_->checkMenuItem(gcm::Opaque, pv_.axes.opaqueLabels);
    window_->checkMenuItem(gcm::HyphenToMinus, pv_.axes.hyphenToMinus);
}

void TVELWing::report(int code)
{
    if (code > 0)
        message(code);
}

void TVELWing::resized(plat::Size client)
{
    TVELWin::resized(client);
    plat::Size c = clientSize();
    if (c.w == pv_.view.W && c.h == pv_.view.H)
        return;
    pv_.view.setClient(c.w, c.h);
    recomputeView();
    invalidateLayer(Picture);
}

void TVELWing::setDecimals(int d)
{
    TVELWin::setDecimals(d);
    invalidateLayer(Picture);
}

// --- drawing -----------------------------------------------------------------------

void TVELWing::syncDrawEnv()
{
    DrawEnv& env = prims_.env();
    env.frameImage = printFormat_.frameImage;
    env.colorPrinter = printFormat_.colorPrinter;
}

void TVELWing::drawAxes(plat::DC& dc) { drawAxesAndGrid(prims_, dc, pv_.axes); }

void TVELWing::drawLayer(int level, plat::DC& dc)
{
    TVELWin::drawLayer(level, dc);
    if (level != Picture)
        return;
    // The layers are the screen's: a repaint while an export runs must not
    // reach the export's file.
    const OutputMode saved = prims_.output();
    prims_.output().clear();
    syncDrawEnv();
    drawingScreen_ = true;
    drawAxes(dc);
    drawPicture(dc);
    DrawFrame(dc);
    drawingScreen_ = false;
    prims_.output() = saved;
}

bool TVELWing::DrawPage(int page, plat::DC& dc)
{
    syncDrawEnv();
    if (prims_.page().pages > 1)
        prims_.page().setMultiPageScale(pv_.view);
    if (withBackColor_)
        prims_.DrawFrameBackground(dc);
    drawAxes(dc);
    drawPicture(dc);
    DrawFrame(dc);
    return true;
}

void TVELWing::setup()
{
    TVELWin::setup();
    addBmpMenuItem();
    if (window_)
        window_->checkMenuItem(gcm::HighResolution, highResolution_);
}

void TVELWing::addBmpMenuItem()
{
    if (!window_)
        return;
    plat::Menu m = window_->menu();
    if (appendBmp(m))
        window_->setMenu(m);
}

bool TVELWing::ExportPages(ExportFormat f, const PageWriter& write)
{
    const int pages = std::max(1, exportState(f).pages);
    for (int i = 0; i < pages; ++i) {
        if (!write(i))
            return false;
        if (i + 1 < pages && pollKey() == 'Q')
            break;
    }
    return true;
}

plat::DC& TVELWing::measuringDC()
{
    if (!measure_)
        measure_ = plat::Platform::get().createBitmap({16, 16});
    if (measure_)
        return measure_->dc();
    static plat::RecordingDC fallback;
    return fallback;
}

int TVELWing::runExport(ExportFormat f, const PageWriter& write, const std::function<bool()>& proceed)
{
    if (!readyForExport(f))
        return -1;
    if (proceed && !proceed())
        return -1;
    static constexpr OutputKind kinds[] = {OutputKind::Eps, OutputKind::Svg, OutputKind::PicTeX, OutputKind::Device,
                                           OutputKind::Device};
    bool ok;
    {
        OutputScope scope(prims_.output(), kinds[static_cast<size_t>(f)]);
        ok = ExportPages(f, write);
    }
    invalidateLayer(Picture);
    return ok ? 0 : 12;
}

// --- commands ------------------------------------------------------------------------

void TVELWing::cmFactor()
{
    const int p = std::clamp(decimals(), 0, 18);
    std::string text = formatReal(pv_.ZoomFactor, p + 2, p);
    if (!input(Str::Input, Str::DilationFactor, text))
        return;
    Real v;
    if (int code = parseNumber(text, v)) {
        message(code);
        return;
    }
    report(pv_.setZoomFactor(v));
}

void TVELWing::cmPercentage()
{
    std::string text = formatReal(pv_.ShiftFraction * 100, 4, 2);
    if (!input(Str::Input, Str::ShiftPercent, text))
        return;
    Real v;
    if (int code = parseNumber(text, v)) {
        message(code);
        return;
    }
    report(pv_.setShiftPercent(v));
}

void TVELWing::cmThickness(int id)
{
    AxesGridSettings& a = pv_.axes;
    const bool printed = id == gcm::AxesPrinted || id == gcm::GridPrinted;
    int16_t& field = id == gcm::AxesScreen    ? a.axesScreenWidth
                     : id == gcm::AxesPrinted ? a.axesPrintedWidth
                     : id == gcm::GridScreen  ? a.gridScreenWidth
                                              : a.gridPrintedWidth;
    std::string text = std::to_string(field);
    if (!input(Str::Input, printed ? Str::PrinterPenWidth : Str::DisplayPenWidth, text))
        return;
    long long v;
    if (!parseInt(text, v)) {
        message(Msg::CannotUnderstand);
        return;
    }
    if (v < 0) {
        message(Msg::PositiveValue);
        return;
    }
    if (v > 1000) {
        message(Msg::OutOfBounds);
        return;
    }
    if (printed && v < 1)
        v = 1;
    field = static_cast<int16_t>(v);
    viewChanged();
}

void TVELWing::cmHyphenToMinus()
{
    AxesGridSettings& a = pv_.axes;
    std::string text = std::to_string(a.minusChar);
    if (!input(Str::LengthenHyphens, Str::NewMinusSign, text)) {
        if (a.hyphenToMinus) {
            a.hyphenToMinus = false;
            viewChanged();
        }
        return;
    }
    long long v;
    if (!parseInt(text, v)) {
        message(Msg::CannotUnderstand);
        return;
    }
    if (v < 32 || v > 255) {
        message(Msg::OutOfBounds);
        return;
    }
    a.minusChar = static_cast<int16_t>(v);
    a.hyphenToMinus = true;
    viewChanged();
}

void TVELWing::cmExport(int id)
{
    auto it = drivers().find(id);
    if (it == drivers().end() || !it->second) {
        message(Msg::NotYetAvailable);
        return;
    }
    it->second(*this);
}

void TVELWing::command(int id)
{
    const Real f = pv_.ShiftFraction;
    switch (id) {
    case gcm::ZoomOut: report(zoom(true)); return;
    case gcm::ZoomIn: report(zoom(false)); return;
    case gcm::Factor: cmFactor(); return;
    case gcm::ShiftLeft: report(shiftView(-f, 0)); return;
    case gcm::ShiftRight: report(shiftView(f, 0)); return;
    case gcm::ShiftDown: report(shiftView(0, -f)); return;
    case gcm::ShiftUp: report(shiftView(0, f)); return;
    case gcm::Percentage: cmPercentage(); return;
    case gcm::LastWindow: lastWindow(); return;
    case gcm::Axes: toggleAxes(); return;
    case gcm::SolidArrowheads: toggleSolidArrowheads(); return;
    case gcm::Opaque:
        pv_.axes.opaqueLabels = !pv_.axes.opaqueLabels;
        viewChanged();
        return;
    case gcm::AxesScreen:
    case gcm::AxesPrinted:
    case gcm::GridScreen:
    case gcm::GridPrinted: cmThickness(id); return;
    case gcm::HyphenToMinus: cmHyphenToMinus(); return;
    case gcm::ExportEps:
    case gcm::ExportSvg:
    case gcm::ExportPicTeX:
    case gcm::ExportBmp:
    case gcm::Print:
    case gcm::Simulprint:
    case gcm::CopyToClipboard:
    case gcm::BitmapToClipboard:
    case gcm::Metafile: cmExport(id); return;
    case gcm::HighResolution:
        highResolution_ = !highResolution_;
        if (window_)
            window_->checkMenuItem(gcm::HighResolution, highResolution_);
        return;
    default: break;
    }
    TVELWin::command(id);
}

} // namespace quan
