#include "graphics/export/device_output.h"

#include "core/fileio.h"
#include "core/msgcode.h"
#include "graphics/export/bmp_writer.h"
#include "graphics/export/export_common.h"
#include "graphics/export/picture_export.h"
#include "graphics/export/svg_writer.h"
#include "resources/strings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace quan {

namespace {

int16_t toInt16(long long v) { return static_cast<int16_t>(std::clamp<long long>(v, -32768, 32767)); }

// Puts the window's view, drawing environment and roles back on every way
// out of a drawing on another device.
class DeviceScope {
public:
    explicit DeviceScope(TVELWing& w)
        : w_(w), view_(w.pictureView().view), env_(w.prims().env()), output_(w.prims().output())
    {
        w_.prims().output().clear();
    }
    ~DeviceScope()
    {
        w_.pictureView().view = view_;
        w_.prims().env() = env_;
        w_.prims().output() = output_;
        w_.recomputeView();
    }
    DeviceScope(const DeviceScope&) = delete;
    DeviceScope& operator=(const DeviceScope&) = delete;

    // The drawing area becomes w x h device pixels at an origin offset.
    void setArea(int w, int h, int ox, int oy)
    {
        ViewState& v = w_.pictureView().view;
        v.setClient(std::max(2, w), std::max(2, h));
        v.ox = toInt16(ox);
        v.oy = toInt16(oy);
        w_.recomputeView();
    }

private:
    TVELWing& w_;
    ViewState view_;
    DrawEnv env_;
    OutputMode output_;
};

class SvgScope {
public:
    SvgScope(Primitives& p, PictureBackend& b) : p_(p)
    {
        p_.setBackend(OutputKind::Svg, &b);
        p_.output().set(OutputKind::Svg);
    }
    ~SvgScope()
    {
        p_.output().clear();
        p_.setBackend(OutputKind::Svg, nullptr);
    }
    SvgScope(const SvgScope&) = delete;
    SvgScope& operator=(const SvgScope&) = delete;

private:
    Primitives& p_;
};

plat::Color backgroundColor(TVELWing& w) { return w.prims().tableColor(w.prims().backgroundIndex()); }

void success(TVELWing& w, Str text) { w.ask(plat::MessageKind::Ok, S(text), S(Str::Success)); }

} // namespace

// --- pictures on other devices ------------------------------------------------------------

EmfSettings screenEmfSettings(const TVELWing& win, int scale)
{
    plat::Platform& pf = plat::Platform::get();
    EmfSettings s;
    s.width = win.view().W;
    s.height = win.view().H;
    s.scale = std::max(1, scale);
    s.horzSize = pf.screenCaps(plat::Cap::HorzSize);
    s.vertSize = pf.screenCaps(plat::Cap::VertSize);
    s.horzRes = pf.screenCaps(plat::Cap::HorzRes);
    s.vertRes = pf.screenCaps(plat::Cap::VertRes);
    s.logPixelsX = pf.screenCaps(plat::Cap::LogPixelsX);
    s.logPixelsY = pf.screenCaps(plat::Cap::LogPixelsY);
    s.caption = win.window() ? win.window()->caption() : std::string();
    return s;
}

std::string metafileOfPage(TVELWing& win, int page, int scale)
{
    scale = std::max(1, scale);
    const EmfSettings s = screenEmfSettings(win, scale);
    EmfWriter emf(s, &win.measuringDC());
    {
        DeviceScope scope(win);
        DrawEnv& env = win.prims().env();
        env.penScale *= scale;
        env.fontScale *= scale;
        scope.setArea(s.width * scale, s.height * scale, 0, 0);
        if (win.withBackColor())
            emf.fillRect({0, 0, s.width * scale, s.height * scale}, backgroundColor(win));
        win.DrawPage(page, emf);
    }
    return emf.finish();
}

std::unique_ptr<plat::Bitmap> bitmapOfPage(TVELWing& win, int page)
{
    const plat::Size size{win.view().W, win.view().H};
    std::unique_ptr<plat::Bitmap> b = plat::Platform::get().createBitmap(size);
    if (!b)
        return nullptr;
    b->fill(backgroundColor(win));
    DeviceScope scope(win);
    win.DrawPageBmp(page, b->dc());
    return b;
}

std::string svgOfPicture(TVELWing& win)
{
    SvgSettings s;
    s.title = win.documentTitle();
    s.width = win.view().W;
    s.height = win.view().H;
    SvgWriter writer(win.prims());
    writer.prepare(s, 1);
    {
        SvgScope scope(win.prims(), writer);
        writer.beginPage();
        win.DrawPage(0, win.measuringDC());
        writer.endPage();
    }
    return writer.bytes();
}

bool printPage(TVELWing& win, plat::Printer& printer)
{
    if (!printer.beginPage())
        return false;
    plat::DC& dc = printer.dc();
    const int lpx = std::max(1, dc.caps(plat::Cap::LogPixelsX));
    const int lpy = std::max(1, dc.caps(plat::Cap::LogPixelsY));
    const PrintFormat& pf = win.printFormat();
    const Real width = std::max<Real>(0.25L, std::isfinite(pf.width) ? pf.width : 0.25L);
    // The offset's sign is the format dialog's radio button, not a side.
    const Real left = std::fabs(pf.horizontalOffset), top = std::fabs(pf.verticalOffset);
    const int W = win.view().W, H = win.view().H;
    const long long pw = std::llround(std::min<Real>(width * lpx, 32000));
    const long long ph = std::llround(std::min<Real>(width * (static_cast<Real>(H) / W) * lpy, 32000));
    const long long ox = std::llround(std::min<Real>(left * lpx, 32000)) - dc.caps(plat::Cap::PhysicalOffsetX);
    const long long oy = std::llround(std::min<Real>(top * lpy, 32000)) - dc.caps(plat::Cap::PhysicalOffsetY);
    {
        DeviceScope scope(win);
        // A white background for the job, whatever the screen shows.
        ColorRoles roles = win.colorRoles();
        roles[RoleBackground] = 1;
        DrawEnv& env = win.prims().env();
        env.roles = &roles;
        env.printing = true;
        const Real magnification = static_cast<Real>(pw) / W;
        env.penScale *= magnification;
        env.fontScale *= magnification;
        scope.setArea(static_cast<int>(pw), static_cast<int>(ph), static_cast<int>(ox), static_cast<int>(oy));
        win.DrawPage(0, dc);
        // The environment is restored before `roles` goes.
        env.roles = nullptr;
    }
    return printer.endPage();
}

// --- commands --------------------------------------------------------------------------------

namespace {
void printFailed(TVELWing& win) { win.ask(plat::MessageKind::Ok, S(Str::PrintJobFailed), S(Str::Hmm)); }
} // namespace

void printPicture(TVELWing& win)
{
    std::string job = win.window() ? win.window()->caption() : std::string("Quandel");
    std::unique_ptr<plat::Printer> printer = plat::Platform::get().startPrinting(win.window(), job);
    if (!printer)
        return;
    bool ok = printPage(win, *printer);
    ok = printer->finish() && ok;
    win.invalidateLayer(TVELWing::Picture);
    if (!ok)
        printFailed(win);
}

namespace {

// The window's document and state, kept in memory while other files are
// loaded into the window for printing.
class KeptDocument {
public:
    explicit KeptDocument(TVELWing& w) : w_(w) {}
    ~KeptDocument() { removeTemp(); }

    // False when the document cannot be kept (it is not touched then).
    bool keep()
    {
        // Before the save, which may clear a topic's own flags.
        state_ = w_.keepState();
        if (!makeTemp())
            return false;
        if (!w_.writeDocument(temp_) || !readWholeFile(temp_, bytes_))
            return false;
        removeTemp();
        name_ = w_.fileName();
        named_ = w_.named();
        changed_ = w_.changed();
        settingsChanged_ = w_.settingsChanged();
        view_ = w_.pictureView();
        return true;
    }
    // Reads the kept bytes back and puts name, flags and view back.
    void restore()
    {
        if (makeTemp() && writeFileAtomically(temp_, bytes_))
            w_.readDocument(temp_);
        if (state_)
            w_.restoreState(*state_);
        removeTemp();
        w_.setFileName(name_);
        w_.setNamed(named_);
        w_.setChanged(changed_);
        w_.pictureView() = view_;
        w_.recomputeView();
        w_.setSettingsChanged(settingsChanged_);
        w_.refreshTitle();
    }

private:
    bool makeTemp()
    {
        std::error_code ec;
        std::string dir = std::filesystem::temp_directory_path(ec).string();
        if (ec || dir.empty())
            dir = "/tmp";
        std::string pattern = dir + "/quandel-keepXXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const int fd = mkstemp(buf.data());
        if (fd < 0)
            return false;
        close(fd);
        temp_ = buf.data();
        return true;
    }
    void removeTemp()
    {
        if (!temp_.empty())
            std::remove(temp_.c_str());
        temp_.clear();
    }

    TVELWing& w_;
    std::string temp_, bytes_, name_;
    bool named_ = false, changed_ = false, settingsChanged_ = false;
    PictureView view_;
    std::unique_ptr<TVELWing::KeptState> state_;
};

} // namespace

void simulprint(TVELWing& win)
{
    std::string text = "2";
    if (!win.input(Str::SimultaneousPrint, Str::NumberOfFiles, text))
        return;
    long long n;
    if (!parseInt(text, n)) {
        win.message(Msg::CannotUnderstand);
        return;
    }
    if (n < 1 || n > 12) {
        win.message(Msg::OutOfBounds);
        return;
    }
    std::vector<std::string> files;
    plat::FileDialogOptions o;
    o.filter = win.fileFilter();
    o.defaultExt = win.defaultExtension();
    for (long long i = 0; i < n; ++i) {
        auto f = plat::Platform::get().openFileDialog(win.window(), o);
        if (!f)
            break;
        files.push_back(*f);
    }
    if (files.empty())
        return;
    KeptDocument kept(win);
    if (!kept.keep()) {
        win.message(Msg::CannotSaveFile);
        return;
    }
    std::string job = win.window() ? win.window()->caption() : std::string("Quandel");
    std::unique_ptr<plat::Printer> printer = plat::Platform::get().startPrinting(win.window(), job);
    if (!printer) {
        kept.restore();
        return;
    }
    bool ok = true;
    for (const std::string& f : files) {
        const int code = win.readDocument(f);
        if (code != 0) {
            // The reader's message; the file gets no page.
            win.message(code);
            continue;
        }
        win.recomputeView();
        if (!printPage(win, *printer)) {
            ok = false;
            break;
        }
    }
    ok = printer->finish() && ok;
    kept.restore();
    win.invalidateLayer(TVELWing::Picture);
    if (!ok)
        printFailed(win);
}

void copyPicture(TVELWing& win)
{
    std::unique_ptr<plat::Bitmap> b = bitmapOfPage(win, 0);
    if (!b) {
        win.message(Msg::LowMemory);
        return;
    }
    plat::ClipboardPicture p;
    p.bitmap = b.get();
    p.svg = svgOfPicture(win);
    p.emf = metafileOfPage(win, 0, win.metafileScale());
    plat::Platform::get().setClipboardPicture(p);
    win.invalidateLayer(TVELWing::Picture);
}

void copyBitmap(TVELWing& win)
{
    std::unique_ptr<plat::Bitmap> b = bitmapOfPage(win, 0);
    if (!b) {
        win.message(Msg::LowMemory);
        return;
    }
    plat::ClipboardPicture p;
    p.bitmap = b.get();
    plat::Platform::get().setClipboardPicture(p);
}

void exportDevicePages(TVELWing& win, ExportFormat f)
{
    const bool bmp = f == ExportFormat::Bmp;
    const char* ext = bmp ? "bmp" : "emf";
    ExportState& state = win.exportState(f);
    const bool steps = win.offersSteps();

    plat::FileDialogOptions o;
    o.filter = S(bmp ? Str::BmpFilesFilter : Str::EmfFilesFilter);
    o.defaultExt = bmp ? "BMP" : "EMF";
    o.proposedName = state.baseName;
    o.proposedName += '.';
    o.proposedName += ext;
    auto chosen = plat::Platform::get().saveFileDialog(win.window(), o);
    if (!chosen)
        return;
    if (namesFolder(*chosen)) {
        win.message(Msg::CannotSaveFile);
        return;
    }
    const ExportName name = splitExportName(*chosen, ext);
    state.baseName = name.base;
    if (steps) {
        TPreTeXDlg dlg(win, f, state, steps);
        if (dlg.run() != 0)
            return;
        state = dlg.values();
        state.baseName = name.base;
    }
    const int pages = steps ? std::max(1, state.pages) : 1;
    state.pages = pages;
    const std::string list = pages > 1 ? name.base + "ANIM.txt" : std::string();
    const std::vector<std::string> files =
        exportFileNames(name, pages, list.empty() ? std::vector<std::string>{} : std::vector<std::string>{list});
    auto mayOverwrite = [&] {
        if (std::any_of(files.begin(), files.end(), [](const std::string& p) { return fileExists(p); }) &&
            win.ask(plat::MessageKind::YesNoDefaultNo, S(Str::OverwriteExisting), S(Str::Careful)) != plat::IdYes) {
            win.message(Msg::CannotSaveFile);
            return false;
        }
        return true;
    };
    const int dpiX = plat::Platform::get().screenCaps(plat::Cap::LogPixelsX);
    const int dpiY = plat::Platform::get().screenCaps(plat::Cap::LogPixelsY);
    int written = 0;
    bool lowMemory = false;
    int code = win.runExport(
        f,
        [&](int page) {
            if (page < 0 || page >= pages)
                return false;
            std::string bytes;
            if (bmp) {
                // Each page in a bitmap of its own: the screen's layer
                // would keep the last page.
                std::unique_ptr<plat::Bitmap> b = bitmapOfPage(win, page);
                if (!b) {
                    lowMemory = true;
                    return false;
                }
                bytes = bmpBytes(pixelsOf(*b), dpiX, dpiY);
            } else {
                bytes = metafileOfPage(win, page, win.metafileScale());
            }
            const bool ok = !bytes.empty() && writeFileAtomically(files[static_cast<size_t>(page)], bytes);
            written += ok;
            return ok;
        },
        mayOverwrite);
    if (code < 0)
        return;
    if (code == 0 && !list.empty() && !writeFileAtomically(list, svgAnimationList(name.base, pages, written)))
        code = codeOf(Msg::CannotSaveFile);
    if (code > 0) {
        win.message(lowMemory ? codeOf(Msg::LowMemory) : code);
        return;
    }
    success(win, bmp ? Str::BmpFileSaved : Str::EmfSaved);
}

void registerDeviceOutputs()
{
    TVELWing::setExportDriver(gcm::Print, printPicture);
    TVELWing::setExportDriver(gcm::Simulprint, simulprint);
    TVELWing::setExportDriver(gcm::CopyToClipboard, copyPicture);
    TVELWing::setExportDriver(gcm::BitmapToClipboard, copyBitmap);
    TVELWing::setExportDriver(gcm::Metafile, [](TVELWing& w) { exportDevicePages(w, ExportFormat::Emf); });
    TVELWing::setExportDriver(gcm::ExportBmp, [](TVELWing& w) { exportDevicePages(w, ExportFormat::Bmp); });
}

void unregisterDeviceOutputs()
{
    for (int id : {gcm::Print, gcm::Simulprint, gcm::CopyToClipboard, gcm::BitmapToClipboard, gcm::Metafile,
                   gcm::ExportBmp})
        TVELWing::setExportDriver(id, nullptr);
}

} // namespace quan
