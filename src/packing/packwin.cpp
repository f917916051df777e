#include "packing/packwin.h"

#include "core/msgcode.h"

#include "docfile/settings.h"
#include "packing/core/bpafile.h"
#include "packing/core/optimum.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/textops.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {
constexpr int kRadios[] = {binsctl::NextFit, binsctl::FirstFit, binsctl::LastFit,
                           binsctl::BestFit, binsctl::WorstFit, binsctl::AlmostWorstFit};
} // namespace

plat::Point managerPlacement(const plat::Rect& window, Random& rng)
{
    int x = window.left + window.width() + rng.below(20);
    int y = 50 + rng.below(50);
    if (window.left > 250)
        x = 12;
    if (window.top > 250)
        return {window.left, 12};
    return {x, y};
}

// --- the bin-packing manager ----------------------------------------------------------

TPackDlg::TPackDlg(TPrePackWin& owner) : TDlg("BINS", owner.window()), owner_(owner) {}

void TPackDlg::refresh() { fill(dialog()); }

void TPackDlg::fill(plat::Dialog& d)
{
    const PackDocument& doc = owner_.document();
    d.setText(binsctl::Capacity, formatInt(doc.capacity()));
    for (int m = 0; m < 6; ++m)
        d.setCheck(kRadios[m], m == static_cast<int>(doc.method()));
    d.setCheck(binsctl::Sort, doc.order() != ItemOrder::List);
    d.setCheck(binsctl::Decreasing, doc.order() != ItemOrder::Increasing);
}

bool TPackDlg::button(plat::Dialog& d, int id)
{
    for (int m = 0; m < 6; ++m)
        if (id == kRadios[m]) {
            // One method at a time.
            for (int other : kRadios)
                d.setCheck(other, other == id);
            return true;
        }
    switch (id) {
    case binsctl::Sort:
    case binsctl::Decreasing: return true;
    case binsctl::Apply: {
        FitMethod method = FitMethod::Next;
        for (int m = 5; m >= 0; --m)
            if (d.check(kRadios[m]))
                method = static_cast<FitMethod>(m);
        owner_.applyManager(d.text(binsctl::Capacity), method, d.check(binsctl::Sort), d.check(binsctl::Decreasing));
        return true;
    }
    case binsctl::Help: owner_.showHelp("QNPDIALH"); return true;
    default: return false;
    }
}

// --- layout ---------------------------------------------------------------------------

PackLayout packLayout(int columns, Real colPx, int marginPx, int width, Real firstColumn)
{
    PackLayout l;
    l.columns = std::max(0, columns);
    l.colPx = std::max<Real>(1, colPx);
    l.marginPx = marginPx;
    Real room = static_cast<Real>(width - marginPx - 4);
    l.visible = std::max(1, static_cast<int>(std::floor(room / l.colPx)));
    Real first = std::floor(firstColumn + 1e-9L);
    first = std::clamp<Real>(first, 0, std::max(0, l.columns - l.visible));
    l.first = static_cast<int>(first);
    l.end = std::min(l.columns, l.first + l.visible);
    l.moreLeft = l.first > 0;
    l.moreRight = l.end < l.columns;
    return l;
}

// --- the document window ----------------------------------------------------------------

TPrePackWin::TPrePackWin(TQuanFrame* frame, DocInit init) : TBasWin(frame, std::move(init))
{
    roles_[RoleSummary] = 0;
    roles_[RoleCoordinates] = 0;
    roles_[RoleOccupied] = 7;
    roles_[RoleEmpty] = 4;
    mode_ = MouseMode::Coordinates;
    // A shift moves a quarter of the window.
    pv_.ShiftFraction = 0.25L;
}

TPrePackWin::~TPrePackWin() { manager_.reset(); }

TPackDlg& TPrePackWin::manager()
{
    if (!manager_)
        manager_ = std::make_unique<TPackDlg>(*this);
    return *manager_;
}

void TPrePackWin::setup()
{
    TBasWin::setup();
    doc_.random(kPackInitialBins, kPackInitialCapacity, Random::shared());
    if (window_) {
        TPackDlg& m = manager();
        m.dialog().moveTo(managerPlacement(window_->geometry(), Random::shared()));
        m.refresh();
        m.show();
    }
    documentChanged();
}

void TPrePackWin::closed()
{
    if (manager_)
        manager_->hide();
    TBasWin::closed();
}

void TPrePackWin::fontChanged(int k)
{
    TBasWin::fontChanged(k);
    layoutView();
    invalidateLayer(Picture);
}

int TPrePackWin::marginPixels()
{
    // Measured with the screen's font (font scale 1), so that a printed or
    // metafile page lays out its columns as the window does.
    DrawEnv& env = prims_.env();
    const Real fontScale = env.fontScale;
    env.fontScale = 1;
    plat::DC& dc = measuringDC();
    dc.setFont(prims_.deviceFont(0, 0));
    plat::Size e = dc.textExtent(formatInt(10 * doc_.capacity()));
    env.fontScale = fontScale;
    dc.setFont(prims_.deviceFont(0, 0));
    return std::max(0, e.w) + 8;
}

Real TPrePackWin::deviceScale() const
{
    const Real s = prims_.env().penScale;
    return std::isfinite(s) && s > 0 ? s : 1;
}

PackLayout TPrePackWin::layout()
{
    int columns = doc_.packed() ? doc_.binCount() : doc_.itemCount();
    Real colPx = doc_.packed() ? kBinPixels : drawnColumnWidth(columnWidth_);
    // The columns are counted in screen pixels: a printer page or a
    // metafile (drawn larger by the device scale) shows the same columns
    // as the window, each column and the margin grown by the scale.
    const Real scale = deviceScale();
    const int screenWidth = static_cast<int>(std::lround(pv_.view.W / scale));
    PackLayout l = packLayout(columns, colPx, marginPixels(), screenWidth, firstColumn_);
    if (scale != 1) {
        // The margin in whole device pixels, and the column width grown so
        // that the margin stays the same number of columns: the view's left
        // edge then names the same first column on every device.
        const int margin = std::max(1, static_cast<int>(std::lround(l.marginPx * scale)));
        l.colPx = l.colPx * margin / l.marginPx;
        l.marginPx = margin;
    }
    return l;
}

void TPrePackWin::layoutView()
{
    if (laying_)
        return;
    laying_ = true;
    PackLayout l = layout();
    firstColumn_ = l.first;
    plat::DC& dc = measuringDC();
    dc.setFont(prims_.deviceFont(0, 0));
    const int th = std::max(1, dc.textExtent("0").h);
    const int top = 2 * th + 8, bottom = th + 8;
    const Real cap = static_cast<Real>(doc_.capacity());
    const Real perUnit = std::max<Real>(1, pv_.view.H - top - bottom) / cap; // pixels per size unit
    const Real xmin = firstColumn_ - l.marginPx / l.colPx;
    const Real xmax = xmin + (pv_.view.W - 1) / l.colPx;
    const Real ymin = -bottom / perUnit;
    const Real ymax = cap + top / perUnit;
    pv_.storeCorners(xmin, xmax, ymin, ymax);
    laying_ = false;
}

void TPrePackWin::recomputeView()
{
    if (laying_) {
        pv_.view.recompute();
        return;
    }
    // A view command moved the view: its left edge names the first column,
    // at least one column further in the direction it moved.
    pv_.view.recompute();
    PackLayout l = layout();
    Real raw = pv_.view.xmin + l.marginPx / l.colPx;
    if (raw > firstColumn_ + 1e-9L)
        firstColumn_ = std::ceil(raw - 1e-9L);
    else if (raw < firstColumn_ - 1e-9L)
        firstColumn_ = std::floor(raw + 1e-9L);
    layoutView();
    updatePackMenu();
}

void TPrePackWin::resized(plat::Size client)
{
    TBasWin::resized(client);
    updatePackMenu();
}

void TPrePackWin::updatePackMenu()
{
    if (!window_)
        return;
    bool fits = layout().fits();
    window_->enableMenuItem(gcm::ShiftLeft, !fits);
    window_->enableMenuItem(gcm::ShiftRight, !fits);
    window_->enableMenuItem(packcmd::Paste, !plat::Platform::get().clipboardText().empty());
    window_->checkMenuItem(packcmd::ItemSizes, itemSizes_);
}

void TPrePackWin::documentChanged()
{
    // The manager keeps what the user set in it (its fields change only
    // when it opens and when a file is read).
    layoutView();
    updatePackMenu();
    invalidateLayer(Picture);
    refreshTitle();
}

int TPrePackWin::applyManager(const std::string& capacityText, FitMethod m, bool sort, bool decreasing)
{
    long long capacity = 0;
    if (!parseDecimalInteger(capacityText.substr(0, 19), capacity)) {
        message(Msg::CannotUnderstand);
        return codeOf(Msg::CannotUnderstand);
    }
    const ItemOrder order = !sort ? ItemOrder::List : decreasing ? ItemOrder::Decreasing : ItemOrder::Increasing;
    const int64_t oldCapacity = doc_.capacity();
    const int oldCode = doc_.code();
    int code = doc_.apply(capacity, methodCode(m, order));
    if (doc_.capacity() != oldCapacity || doc_.code() != oldCode)
        setChanged(true);
    // The manager keeps what the user chose.
    layoutView();
    updatePackMenu();
    invalidateLayer(Picture);
    if (code)
        message(code);
    return code;
}

int TPrePackWin::readDocument(const std::string& path)
{
    BpaDocument d;
    d.header = headerState();
    if (int code = readBpa(path, d))
        return code;
    doc_.load(d.capacity, d.methodCode, std::vector<int64_t>(d.items.begin(), d.items.end()), Random::shared());
    columnWidth_ = d.columnWidth;
    applyHeaderState(d.header);
    notebook().setNotes(d.notebook);
    firstColumn_ = 0;
    if (manager_)
        manager_->refresh();
    documentChanged();
    // The window holds 2500 items: say that the rest stayed in the file.
    // The document is not marked changed, so closing without saving
    // leaves the file whole.
    if (d.itemsCut)
        message(Msg::NoMoreRoom);
    return 0;
}

bool TPrePackWin::writeDocument(const std::string& path)
{
    if (doc_.items().empty())
        return false;
    BpaDocument d;
    d.header = headerState();
    d.capacity = static_cast<int32_t>(doc_.capacity());
    d.methodCode = doc_.code();
    d.columnWidth = columnWidth_;
    d.items.assign(doc_.items().begin(), doc_.items().end());
    d.notebook = notebookText();
    return writeBpa(path, d) == 0;
}

namespace {
struct PackKept : TVELWing::KeptState {
    PackDocument doc;
    int32_t columnWidth = 6;
    Real firstColumn = 0;
};
} // namespace

std::unique_ptr<TVELWing::KeptState> TPrePackWin::keepState()
{
    auto k = std::make_unique<PackKept>();
    k->doc = doc_;
    k->columnWidth = columnWidth_;
    k->firstColumn = firstColumn_;
    return k;
}

void TPrePackWin::restoreState(const KeptState& kept)
{
    const auto* k = dynamic_cast<const PackKept*>(&kept);
    if (!k)
        return;
    doc_ = k->doc;
    columnWidth_ = k->columnWidth;
    firstColumn_ = k->firstColumn;
    if (manager_)
        manager_->refresh();
    documentChanged();
}

// Settings: the words of the first parameter block that "qnpack.ini" uses.
namespace {
constexpr int kWordItemSizes = 12; // 1 off, 2 on
} // namespace

void TPrePackWin::storeParameters(SettingsState& s) const
{
    s.first.ints[0][kWordItemSizes] = itemSizes_ ? 2 : 1;
}

void TPrePackWin::loadParameters(const SettingsState& s)
{
    const int32_t w = s.first.ints[0][kWordItemSizes];
    if (w == 1 || w == 2)
        itemSizes_ = w == 2;
}

// --- the picture ------------------------------------------------------------------------

void TPrePackWin::drawPicture(plat::DC& dc)
{
    const ViewState& v = pv_.view;
    const PackLayout l = layout();
    const Real cap = static_cast<Real>(doc_.capacity());
    const int summary = colorRole(RoleSummary), occupied = colorRole(RoleOccupied), empty = colorRole(RoleEmpty);
    const Real x0 = l.first, x1 = l.end;
    auto label = [&](const std::string& text, Real px, Real py, int h, int vAnchor, int color) {
        LabelSpec s;
        s.text = text;
        s.color = color;
        s.fontSlot = 0;
        s.hAnchor = h;
        s.vAnchor = vAnchor;
        prims_.DrawLabel(dc, px, py, s);
    };
    auto box = [&](Real xa, Real xb, Real ya, Real yb, int color) {
        FillSpec f;
        f.fill = color;
        f.outline = color;
        f.width = -1;
        prims_.WritePolygon(dc, {{xa, ya}, {xb, ya}, {xb, yb}, {xa, yb}}, f);
    };
    const PenSpec line{static_cast<int16_t>(summary), 1, DashSolid};
    const DevicePoint topLeft = v.WorldToDevice(x0, cap);
    if (doc_.packed()) {
        if (l.end > l.first) {
            box(x0, x1, 0, cap, empty);
            for (int b = l.first; b < l.end; ++b) {
                const Bin& bin = doc_.bins()[static_cast<size_t>(b)];
                if (bin.used > 0)
                    box(b, b + 1, 0, static_cast<Real>(bin.used), occupied);
            }
            for (int b = l.first; b <= l.end; ++b)
                prims_.DrawSegment(dc, {static_cast<Real>(b), 0}, {static_cast<Real>(b), cap}, line);
            prims_.DrawSegment(dc, {x0, 0}, {x1, 0}, line);
            for (int b = l.first; b < l.end; ++b) {
                int64_t height = 0;
                for (int64_t s : doc_.bins()[static_cast<size_t>(b)].items) {
                    height += s;
                    prims_.DrawSegment(dc, {static_cast<Real>(b), static_cast<Real>(height)},
                                       {static_cast<Real>(b + 1), static_cast<Real>(height)}, line);
                }
            }
        }
        // The caption hangs from the top edge, centred over the bins shown.
        const DevicePoint right = v.WorldToDevice(x1, cap);
        label(S(Str::Bins) + ": " + formatInt(doc_.binCount()), (topLeft.x + right.x) / 2.0L, v.oy + 2, 0, -1,
              summary);
    } else {
        // Bars no taller than the picture.
        const Real tallest = v.ymax;
        for (int i = l.first; i < l.end; ++i) {
            Real h = std::min(static_cast<Real>(doc_.items()[static_cast<size_t>(i)]), tallest);
            box(i, i + 1, 0, h, occupied);
        }
        prims_.DrawSegment(dc, {x0, 0}, {std::max(x1, x0 + 1), 0}, line);
        const DevicePoint base = v.WorldToDevice(x0, 0), baseEnd = v.WorldToDevice(x1, 0);
        label(S(Str::Items) + ": " + formatInt(doc_.itemCount()), (base.x + baseEnd.x) / 2.0L, base.y + 4, 0, -1, summary);
    }
    if (itemSizes_)
        drawItemSizes(dc, l);
    // The scale: the capacity at its top, and what lies outside.
    label(formatInt(doc_.capacity()), v.ox + l.marginPx - 4, topLeft.y, -1, -1, colorRole(RoleCoordinates));
    if (l.moreLeft)
        label("...", v.ox + l.marginPx, v.oy + 2, 1, -1, summary);
    if (l.moreRight)
        label("...", v.ox + v.W - 4, v.oy + 2, -1, -1, summary);
}

void TPrePackWin::drawItemSizes(plat::DC& dc, const PackLayout& l)
{
    const ViewState& v = pv_.view;
    plat::DC& m = measuringDC();
    m.setFont(prims_.deviceFont(0, 0));
    const Real colPx = l.colPx;
    auto digits = [&](int64_t size, Real wx, Real wy, int vAnchor) {
        LabelSpec s;
        s.text = formatInt(size);
        s.color = colorRole(RoleSummary);
        s.fontSlot = 0;
        s.hAnchor = 0;
        s.vAnchor = vAnchor;
        const DevicePoint at = v.WorldToDevice(wx, wy);
        prims_.DrawLabel(dc, at.x, at.y, s);
    };
    if (doc_.packed()) {
        // Inside each slice, centred, when the slice is as tall as the
        // digits and the bin wider than them.
        for (int b = l.first; b < l.end; ++b) {
            int64_t bottom = 0;
            for (int64_t s : doc_.bins()[static_cast<size_t>(b)].items) {
                const plat::Size e = m.textExtent(formatInt(s));
                const Real slicePx = v.WorldToDevice(b, static_cast<Real>(bottom)).y -
                                     v.WorldToDevice(b, static_cast<Real>(bottom + s)).y;
                if (e.h <= slicePx && e.w + 2 <= colPx)
                    digits(s, b + 0.5L, static_cast<Real>(bottom) + static_cast<Real>(s) / 2, 0);
                bottom += s;
            }
        }
        return;
    }
    // Above each bar, when the column is wider than the digits and the
    // digits stay inside the picture.
    const Real top = v.WorldToDevice(0, v.ymax).y;
    for (int i = l.first; i < l.end; ++i) {
        const int64_t s = doc_.items()[static_cast<size_t>(i)];
        const plat::Size e = m.textExtent(formatInt(s));
        const Real h = std::min(static_cast<Real>(s), v.ymax);
        const Real barTop = v.WorldToDevice(i, h).y;
        if (e.w + 2 <= colPx && barTop - 2 - e.h >= top)
            digits(s, i + 0.5L, h, 1);
    }
}

// --- the command layer -------------------------------------------------------------------

TPackWin::TPackWin(TQuanFrame* frame, DocInit init) : TPrePackWin(frame, std::move(init)) {}

plat::Menu TPackWin::menuBar() const { return menuResource("PACKMENU"); }
std::vector<plat::Accelerator> TPackWin::accelerators() const { return acceleratorResource("PACKMENU"); }

std::string TPackWin::menuHelpName(int id) const
{
    switch (id) {
    case packcmd::HelpFile: return "QNPFILEH";
    case packcmd::HelpView: return "QNPVIEWH";
    case packcmd::HelpBtns: return "QNPBTNSH";
    case packcmd::HelpMisc: return "QNPMISCH";
    default: return "";
    }
}

void TPackWin::cmRandom()
{
    std::string count = formatInt(doc_.binArraySize()), bound = formatInt(doc_.capacity());
    if (!input2(S(Str::Input), S(Str::Items), S(Str::Sizes) + " <", count, bound))
        return;
    long long n = 0, b = 0;
    if (!parseDecimalInteger(count, n) || !parseDecimalInteger(bound, b)) {
        message(Msg::CannotUnderstand);
        return;
    }
    if (int code = doc_.random(n, b, Random::shared())) {
        message(code);
        return;
    }
    setChanged(true);
    firstColumn_ = 0;
    documentChanged();
}

void TPackWin::cmPaste()
{
    if (!saveChangesGate())
        return;
    int code = doc_.paste(plat::Platform::get().clipboardText(), Random::shared());
    if (code) {
        message(code);
        return;
    }
    setChanged(true);
    firstColumn_ = 0;
    documentChanged();
}

void TPackWin::cmAutofit()
{
    pushView();
    firstColumn_ = 0;
    layoutView();
    updatePackMenu();
    invalidateLayer(Picture);
}

int TPackWin::appendToNotebook(const std::string& text)
{
    TNoteWin& n = notebook();
    std::string notes = n.notes();
    if (notes.size() + text.size() > kMaxTextLength)
        return codeOf(Msg::NoMoreRoom);
    n.setNotes(notes + text);
    setChanged(true);
    return 0;
}

void TPackWin::cmOptimum()
{
    if (!doc_.packable()) {
        message(Msg::InconsistentData);
        return;
    }
    OptimumProgress p;
    p.poll = [this] { return pollKey(); };
    const std::string base = namePart(fileName_);
    p.title = [this, base](const std::string& t) {
        setCaption(base + "  " + t + "  " + S(Str::PressQToQuit));
        if (window_)
            window_->update();
    };
    OptimumResult r = leastBins(doc_.items(), doc_.capacity(), p);
    refreshTitle();
    if (!r.finished)
        return;
    if (int code = appendToNotebook(optimumText(r, doc_.itemCount(), doc_.capacity())))
        message(code);
}

void TPackWin::cmItemSizes()
{
    itemSizes_ = !itemSizes_;
    updatePackMenu();
    invalidateLayer(Picture);
}

// The picture outputs draw what the window shows (the visible columns and
// the ellipses) through the picture window's writers.
void TPackWin::cmPrint() { TPrePackWin::command(gcm::Print); }
void TPackWin::cmSimulprint() { TPrePackWin::command(gcm::Simulprint); }
void TPackWin::cmCopyToClipboard() { TPrePackWin::command(gcm::CopyToClipboard); }
void TPackWin::cmBitmapToClipboard() { TPrePackWin::command(gcm::BitmapToClipboard); }
void TPackWin::cmExportEps() { TPrePackWin::command(gcm::ExportEps); }
void TPackWin::cmExportSvg() { TPrePackWin::command(gcm::ExportSvg); }
void TPackWin::cmExportPicTeX() { TPrePackWin::command(gcm::ExportPicTeX); }
void TPackWin::cmExportMetafile() { TPrePackWin::command(gcm::Metafile); }
void TPackWin::cmExportBmp() { TPrePackWin::command(gcm::ExportBmp); }

void TPackWin::command(int id)
{
    using namespace packcmd;
    switch (id) {
    case ItemSizes: cmItemSizes(); return;
    case gcm::Print: cmPrint(); return;
    case gcm::Simulprint: cmSimulprint(); return;
    case gcm::CopyToClipboard: cmCopyToClipboard(); return;
    case gcm::BitmapToClipboard: cmBitmapToClipboard(); return;
    case gcm::ExportEps: cmExportEps(); return;
    case gcm::ExportSvg: cmExportSvg(); return;
    case gcm::ExportPicTeX: cmExportPicTeX(); return;
    case gcm::Metafile: cmExportMetafile(); return;
    case gcm::ExportBmp: cmExportBmp(); return;
    case packcmd::Random: cmRandom(); return;
    case Paste: cmPaste(); return;
    case Shuffle:
        doc_.shuffle(quan::Random::shared());
        setChanged(true);
        documentChanged();
        return;
    case Restore:
        doc_.restore();
        setChanged(true);
        documentChanged();
        return;
    case Autofit: cmAutofit(); return;
    case CopyExample:
    case CopySolution: {
        if (id == CopySolution && !doc_.packed()) {
            message(Msg::NothingToDo);
            return;
        }
        std::string text = id == CopyExample ? doc_.exampleText(decimals()) : doc_.solutionText();
        if (int code = appendToNotebook(text))
            message(code);
        return;
    }
    case Optimum: cmOptimum(); return;
    case DeleteText: message(Msg::NotYetAvailable); return;
    default: break;
    }
    TPrePackWin::command(id);
    if (id == gcm::ShiftLeft || id == gcm::ShiftRight || id == gcm::LastWindow)
        updatePackMenu();
}

} // namespace quan
