#include "graphics/gridwin.h"

#include "core/msgcode.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

std::string num(Real v, int decimals) { return formatReal(v, 0, decimals); }

// Whole numbers in [lo, hi]: 0, 1 when the text is no whole number, else
// the given code when out of range.
int readInt(const std::string& t, long long lo, long long hi, int code, long long& out)
{
    if (!parseInt(t, out))
        return codeOf(Msg::CannotUnderstand);
    return out < lo || out > hi ? code : 0;
}

int readThickness(const std::string& t, bool printed, int16_t& out)
{
    long long v;
    if (!parseInt(t, v))
        return codeOf(Msg::CannotUnderstand);
    if (v < 0)
        return codeOf(Msg::PositiveValue);
    if (v > 1000)
        return codeOf(Msg::OutOfBounds);
    if (printed && v < 1)
        v = 1;
    out = static_cast<int16_t>(v);
    return 0;
}

constexpr size_t kMaxLetterLength = 20;

} // namespace

GridFields gridFields(const AxesGridSettings& s, int horzRes)
{
    const AxesLayout& L = s.layout;
    GridFields f;
    f.axesOn = L.axesOn;
    f.solidArrowheads = s.solidArrowheads;
    f.opaque = s.opaqueLabels;
    f.kind = L.kind;
    f.ticks = L.ticks;
    f.arrows = L.arrows;
    f.dots = L.dots;
    f.letters = L.letters;
    f.tickX = num(L.tickX, 4);
    f.tickY = num(L.tickY, 4);
    f.tickLengthPercent = formatReal(100.0L * L.tickLength / std::max(1, horzRes), 4, 2);
    f.scaleX = s.scaleX;
    f.scaleY = s.scaleY;
    f.piX = L.piX;
    f.piY = L.piY;
    f.place = s.scalePlace;
    f.decimalsX = std::to_string(L.decimalsX);
    f.decimalsY = std::to_string(L.decimalsY);
    f.frequencyX = std::to_string(L.frequencyX);
    f.frequencyY = std::to_string(L.frequencyY);
    f.piChar = std::to_string(s.piChar);
    f.rectangular = L.rectangularGrid();
    f.q1 = L.gridBits & grid::Quadrant1;
    f.q2 = L.gridBits & grid::Quadrant2;
    f.q3 = L.gridBits & grid::Quadrant3;
    f.q4 = L.gridBits & grid::Quadrant4;
    f.polar = L.polarGrid();
    f.dotted = L.dottedGrid();
    f.sectors = std::to_string(L.polarSectors);
    f.axesScreen = std::to_string(s.axesScreenWidth);
    f.axesPrinted = std::to_string(s.axesPrintedWidth);
    f.gridScreen = std::to_string(s.gridScreenWidth);
    f.gridPrinted = std::to_string(s.gridPrintedWidth);
    f.hyphenToMinus = s.hyphenToMinus;
    f.minusChar = std::to_string(s.minusChar);
    f.axisLetters = s.letters;
    return f;
}

int parseGridFields(const GridFields& f, int horzRes, AxesGridSettings& out)
{
    AxesGridSettings s = out;
    AxesLayout& L = s.layout;
    Real tx, ty, pct;
    if (!parseReal(f.tickX, tx) || !parseReal(f.tickY, ty) || !parseReal(f.tickLengthPercent, pct))
        return codeOf(Msg::CannotUnderstand);
    if (!(tx > 0) || !(ty > 0) || !std::isfinite(tx) || !std::isfinite(ty))
        return codeOf(Msg::PositiveValue);
    if (!(pct >= 0 && pct <= 100))
        return codeOf(Msg::OutOfBounds);
    long long dx, dy, fx, fy, piChar, sectors, minus;
    const int outOfBounds = codeOf(Msg::OutOfBounds), notPositive = codeOf(Msg::PositiveValue);
    for (int code : {readInt(f.decimalsX, 0, 18, outOfBounds, dx), readInt(f.decimalsY, 0, 18, outOfBounds, dy),
                     readInt(f.frequencyX, 1, 1LL << 62, notPositive, fx),
                     readInt(f.frequencyY, 1, 1LL << 62, notPositive, fy),
                     readInt(f.piChar, 32, 255, outOfBounds, piChar), readInt(f.sectors, 1, 360, outOfBounds, sectors),
                     readInt(f.minusChar, 32, 255, outOfBounds, minus)})
        if (code)
            return code;
    // A frequency must also fit its 16-bit field.
    if (fx > 32767 || fy > 32767)
        return codeOf(Msg::OutOfBounds);
    for (int code : {readThickness(f.axesScreen, false, s.axesScreenWidth),
                     readThickness(f.axesPrinted, true, s.axesPrintedWidth),
                     readThickness(f.gridScreen, false, s.gridScreenWidth),
                     readThickness(f.gridPrinted, true, s.gridPrintedWidth)})
        if (code)
            return code;
    L.axesOn = f.axesOn;
    s.solidArrowheads = f.solidArrowheads;
    s.opaqueLabels = f.opaque;
    L.kind = f.kind;
    L.ticks = f.ticks;
    L.arrows = f.arrows;
    L.dots = f.dots;
    L.letters = f.letters;
    L.tickX = tx;
    L.tickY = ty;
    L.tickLength = static_cast<int16_t>(std::clamp(roundHalfDown(pct * std::max(1, horzRes) / 100), 0, 32767));
    s.scaleX = f.scaleX;
    s.scaleY = f.scaleY;
    L.piX = f.piX;
    L.piY = f.piY;
    s.scalePlace = f.place;
    L.decimalsX = static_cast<int16_t>(dx);
    L.decimalsY = static_cast<int16_t>(dy);
    L.frequencyX = static_cast<int16_t>(fx);
    L.frequencyY = static_cast<int16_t>(fy);
    s.piChar = static_cast<int16_t>(piChar);
    L.gridBits = static_cast<int16_t>((f.rectangular ? grid::Rectangular : 0) | (f.q1 ? grid::Quadrant1 : 0) |
                                      (f.q2 ? grid::Quadrant2 : 0) | (f.q3 ? grid::Quadrant3 : 0) |
                                      (f.q4 ? grid::Quadrant4 : 0) | (f.polar ? grid::Polar : 0) |
                                      (f.dotted ? grid::Dotted : 0));
    L.polarSectors = static_cast<int16_t>(sectors);
    s.hyphenToMinus = f.hyphenToMinus;
    s.minusChar = static_cast<int16_t>(minus);
    for (size_t i = 0; i < 3; ++i)
        s.letters[i] = f.axisLetters[i].substr(0, kMaxLetterLength);
    out = s;
    return 0;
}

// --- grid dialog -----------------------------------------------------------------------

TGridDlg::TGridDlg(plat::Window* owner, const GridFields& f) : TDlg("SETGRID", owner), fields_(f) {}

void TGridDlg::fill(plat::Dialog& d)
{
    using namespace gridctl;
    const GridFields& f = fields_;
    d.setCheck(AxesOn, f.axesOn);
    d.setCheck(SolidArrowheads, f.solidArrowheads);
    d.setCheck(Opaque, f.opaque);
    d.setCheck(KindBoth, f.kind == AxisKind::Both);
    d.setCheck(KindX, f.kind == AxisKind::XOnly);
    d.setCheck(KindY, f.kind == AxisKind::YOnly);
    d.setCheck(KindPolar, f.kind == AxisKind::PolarRay);
    d.setCheck(Ticks, f.ticks);
    d.setCheck(Arrows, f.arrows);
    d.setCheck(Dots, f.dots);
    d.setCheck(Letters, f.letters);
    d.setText(TickX, f.tickX);
    d.setText(TickY, f.tickY);
    d.setText(TickLength, f.tickLengthPercent);
    d.setCheck(ScaleX, f.scaleX);
    d.setCheck(ScaleY, f.scaleY);
    d.setCheck(PiX, f.piX);
    d.setCheck(PiY, f.piY);
    d.setCheck(PlaceAxes, f.place == ScalePlace::Axes);
    d.setCheck(PlaceBorder, f.place == ScalePlace::Border);
    d.setText(DecimalsX, f.decimalsX);
    d.setText(DecimalsY, f.decimalsY);
    d.setText(FrequencyX, f.frequencyX);
    d.setText(FrequencyY, f.frequencyY);
    d.setText(PiChar, f.piChar);
    d.setCheck(Rectangular, f.rectangular);
    d.setCheck(Q1, f.q1);
    d.setCheck(Q2, f.q2);
    d.setCheck(Q3, f.q3);
    d.setCheck(Q4, f.q4);
    d.setCheck(Polar, f.polar);
    d.setCheck(Dotted, f.dotted);
    d.setText(Sectors, f.sectors);
    d.setText(AxesScreen, f.axesScreen);
    d.setText(AxesPrinted, f.axesPrinted);
    d.setText(GridScreen, f.gridScreen);
    d.setText(GridPrinted, f.gridPrinted);
    d.setCheck(HyphenToMinus, f.hyphenToMinus);
    d.setText(MinusChar, f.minusChar);
}

void TGridDlg::read(plat::Dialog& d)
{
    using namespace gridctl;
    GridFields& f = fields_;
    f.axesOn = d.check(AxesOn);
    f.solidArrowheads = d.check(SolidArrowheads);
    f.opaque = d.check(Opaque);
    f.kind = d.check(KindX) ? AxisKind::XOnly
             : d.check(KindY) ? AxisKind::YOnly
             : d.check(KindPolar) ? AxisKind::PolarRay
                                  : AxisKind::Both;
    f.ticks = d.check(Ticks);
    f.arrows = d.check(Arrows);
    f.dots = d.check(Dots);
    f.letters = d.check(Letters);
    f.tickX = d.text(TickX);
    f.tickY = d.text(TickY);
    f.tickLengthPercent = d.text(TickLength);
    f.scaleX = d.check(ScaleX);
    f.scaleY = d.check(ScaleY);
    f.piX = d.check(PiX);
    f.piY = d.check(PiY);
    f.place = d.check(PlaceBorder) ? ScalePlace::Border : ScalePlace::Axes;
    f.decimalsX = d.text(DecimalsX);
    f.decimalsY = d.text(DecimalsY);
    f.frequencyX = d.text(FrequencyX);
    f.frequencyY = d.text(FrequencyY);
    f.piChar = d.text(PiChar);
    f.rectangular = d.check(Rectangular);
    f.q1 = d.check(Q1);
    f.q2 = d.check(Q2);
    f.q3 = d.check(Q3);
    f.q4 = d.check(Q4);
    f.polar = d.check(Polar);
    f.dotted = d.check(Dotted);
    f.sectors = d.text(Sectors);
    f.axesScreen = d.text(AxesScreen);
    f.axesPrinted = d.text(AxesPrinted);
    f.gridScreen = d.text(GridScreen);
    f.gridPrinted = d.text(GridPrinted);
    f.hyphenToMinus = d.check(HyphenToMinus);
    f.minusChar = d.text(MinusChar);
}

bool TGridDlg::button(plat::Dialog& d, int id)
{
    using namespace gridctl;
    // Radio groups: the pressed button alone is on.
    auto group = [&d, id](std::initializer_list<int> ids) {
        for (int g : ids)
            d.setCheck(g, g == id);
    };
    switch (id) {
    case KindBoth:
    case KindX:
    case KindY:
    case KindPolar: group({KindBoth, KindX, KindY, KindPolar}); return true;
    case PlaceAxes:
    case PlaceBorder: group({PlaceAxes, PlaceBorder}); return true;
    case LettersDialog: {
        TDlg letters("AXVBLS", owner_);
        plat::Dialog& ld = letters.dialog();
        ld.setText(Letter1, fields_.axisLetters[0]);
        ld.setText(Letter2, fields_.axisLetters[1]);
        ld.setText(Letter3, fields_.axisLetters[2]);
        if (letters.execute() == plat::IdOk)
            fields_.axisLetters = {ld.text(Letter1), ld.text(Letter2), ld.text(Letter3)};
        return true;
    }
    case plat::IdOk: read(d); return false;
    default: return false;
    }
}

int TGridDlg::run() { return execute() == plat::IdOk ? 0 : -1; }

// --- view dialog -------------------------------------------------------------------------

namespace {
const char* viewTemplate(ViewDialogKind k)
{
    switch (k) {
    case ViewDialogKind::Centre: return "VIEWCEN";
    case ViewDialogKind::Corners: return "VIEWCOR";
    case ViewDialogKind::Both: break;
    }
    return "VIEWALL";
}
} // namespace

TViewDlg::TViewDlg(TGridWin& win, ViewDialogKind kind) : TDlg(viewTemplate(kind), win.window()), win_(win), kind_(kind)
{
}

void TViewDlg::refresh() { fill(dialog()); }

void TViewDlg::fill(plat::Dialog& d)
{
    using namespace viewctl;
    const ViewState& v = win_.view();
    const int p = std::max(4, win_.decimals());
    if (kind_ != ViewDialogKind::Corners) {
        d.setText(Hori, num(v.cx, p));
        d.setText(Vert, num(v.cy, p));
        d.setText(Width, num(v.rx, p));
    }
    if (kind_ != ViewDialogKind::Centre) {
        d.setText(Left, num(v.xmin, p));
        d.setText(Right, num(v.xmax, p));
        d.setText(Down, num(v.ymin, p));
        d.setText(Up, num(v.ymax, p));
    }
}

int TViewDlg::applyCentre()
{
    using namespace viewctl;
    plat::Dialog& d = dialog();
    Real cx, cy, rx;
    int code = win_.parseNumber(d.text(Hori), cx);
    if (!code)
        code = win_.parseNumber(d.text(Vert), cy);
    if (!code)
        code = win_.parseNumber(d.text(Width), rx);
    if (!code)
        code = win_.setViewByCentre(cx, cy, rx);
    if (code)
        win_.message(code);
    refresh();
    return code;
}

int TViewDlg::applyCorners()
{
    using namespace viewctl;
    plat::Dialog& d = dialog();
    Real l, r, dn, up;
    int code = win_.parseNumber(d.text(Left), l);
    if (!code)
        code = win_.parseNumber(d.text(Right), r);
    if (!code)
        code = win_.parseNumber(d.text(Down), dn);
    if (!code)
        code = win_.parseNumber(d.text(Up), up);
    // Equal (or crossed) corners leave no view.
    if (!code)
        code = win_.setViewByCorners(l, r, dn, up);
    if (code)
        win_.message(code);
    refresh();
    return code;
}

bool TViewDlg::button(plat::Dialog&, int id)
{
    if (id == viewctl::ApplyCentre || (id == plat::IdOk && kind_ == ViewDialogKind::Centre)) {
        applyCentre();
        return true;
    }
    if (id == viewctl::ApplyCorners || (id == plat::IdOk && kind_ == ViewDialogKind::Corners)) {
        applyCorners();
        return true;
    }
    if (id == plat::IdOk)
        return true; // VIEWALL has no plain apply
    return false;    // close hides
}

// --- the window --------------------------------------------------------------------------

TGridWin::TGridWin(TQuanFrame* frame, DocInit init) : TVELWing(frame, std::move(init)) {}

TGridWin::~TGridWin() { viewDlg_.reset(); }

int TGridWin::horzRes() const
{
    int h = plat::Platform::get().screenCaps(plat::Cap::HorzRes);
    return h > 0 ? h : 1280;
}

TViewDlg& TGridWin::viewDialog()
{
    if (!viewDlg_ || viewDlg_->kind() != viewDialogKind())
        viewDlg_ = std::make_unique<TViewDlg>(*this, viewDialogKind());
    return *viewDlg_;
}

void TGridWin::cmViewDialog()
{
    TViewDlg& d = viewDialog();
    d.refresh();
    d.show();
}

int TGridWin::applyGridFields(const GridFields& f)
{
    AxesGridSettings s = pv_.axes;
    if (int code = parseGridFields(f, horzRes(), s))
        return code;
    pushView();
    pv_.axes = s;
    viewChanged();
    return 0;
}

void TGridWin::cmGrid()
{
    TGridDlg d(window_.get(), gridFields(pv_.axes, horzRes()));
    if (d.run() != 0)
        return;
    if (int code = applyGridFields(d.fields()))
        message(code);
}

void TGridWin::cmAspectOne()
{
    if (pv_.view.mode != ViewMode::Corners)
        return;
    pv_.view.aspect = 1;
    report(setViewByCentre(pv_.view.cx, pv_.view.cy, pv_.view.rx));
}

void TGridWin::viewChanged()
{
    TVELWing::viewChanged();
    if (viewDialogVisible())
        viewDlg_->refresh();
}

void TGridWin::command(int id)
{
    switch (id) {
    case gcm::ViewDialog: cmViewDialog(); return;
    case gcm::Grid: cmGrid(); return;
    case gcm::AspectOne: cmAspectOne(); return;
    default: break;
    }
    TVELWing::command(id);
}

} // namespace quan
