#include "graphics/export/picture_export.h"

#include "core/msgcode.h"

#include "core/fileio.h"
#include "graphics/export/device_output.h"
#include "graphics/export/eps_writer.h"
#include "graphics/export/export_common.h"
#include "graphics/export/pictex_writer.h"
#include "graphics/export/svg_writer.h"
#include "resources/strings.h"

#include <algorithm>

namespace quan {

namespace {

std::string shortReal(Real v)
{
    // The shortest of up to six decimals that still shows the value.
    std::string s = formatReal(v, 0, 6);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == '.')
            s.pop_back();
    }
    return s;
}

// Takes a registered writer out of the primitives again on every way out,
// and leaves the page mapping at one page.
class BackendScope {
public:
    BackendScope(Primitives& p, OutputKind k, PictureBackend& b) : p_(p), k_(k) { p_.setBackend(k, &b); }
    ~BackendScope()
    {
        p_.setBackend(k_, nullptr);
        p_.page().pages = 1;
    }
    BackendScope(const BackendScope&) = delete;
    BackendScope& operator=(const BackendScope&) = delete;

private:
    Primitives& p_;
    OutputKind k_;
};

} // namespace

// --- the settings dialog ------------------------------------------------------------

TPreTeXDlg::TPreTeXDlg(TVELWing& win, ExportFormat use, const ExportState& values, bool steps)
    : TDlg("PICTEX", win.window()), win_(win), use_(use), values_(values), steps_(steps)
{
}

void TPreTeXDlg::fill(plat::Dialog& d)
{
    using namespace texctl;
    const ExportState& v = values_;
    if (use_ == ExportFormat::PicTeX) {
        d.setText(Width, shortReal(v.texWidth));
        d.setText(Box, formatInt(v.boxNumber));
        for (int id = ModeFirst; id <= ModeLast; ++id)
            d.setCheck(id, id - ModeFirst == v.texMode);
        d.setCheck(PagesOn, v.pagesOn);
        d.setText(Whitespace, shortReal(v.whitespace));
    } else if (use_ == ExportFormat::Svg) {
        d.setText(Width, formatInt(v.width));
        d.setText(Box, formatInt(v.height));
    }
    d.setText(Pages, formatInt(v.pages));
    d.setText(Parameter, v.parameter);
}

void TPreTeXDlg::init(plat::Dialog& d)
{
    using namespace texctl;
    const bool tex = use_ == ExportFormat::PicTeX, svg = use_ == ExportFormat::Svg;
    if (use_ == ExportFormat::Eps || use_ == ExportFormat::Bmp || use_ == ExportFormat::Emf) {
        d.setTitle(use_ == ExportFormat::Eps ? "EPS" : use_ == ExportFormat::Bmp ? "BMP" : "EMF");
    } else if (svg) {
        d.setTitle(S(Str::SvgSettings));
        d.setText(WidthLabel, S(Str::Width));
        d.setText(BoxLabel, S(Str::Height));
        d.setText(ParameterLabel, S(Str::Parameter));
        d.setText(plat::IdOk, S(Str::Ok));
        d.setText(plat::IdCancel, S(Str::Cancel));
    }
    d.setText(PagesLabel, S(Str::NumberOfPages));
    const bool sizes = tex || svg;
    for (int id : {WidthLabel, Width, BoxLabel, Box})
        d.showControl(id, sizes);
    for (int id = ModeFirst; id <= ModeLast; ++id)
        d.showControl(id, tex);
    d.showControl(PagesOn, tex && steps_);
    d.showControl(PagesLabel, !tex && steps_);
    d.showControl(Pages, steps_);
    d.showControl(WhitespaceLabel, tex);
    d.showControl(Whitespace, tex);
    d.showControl(ParameterLabel, tex || (svg && steps_));
    d.showControl(Parameter, tex || (svg && steps_));
    fill(d);
}

bool TPreTeXDlg::read(plat::Dialog& d)
{
    using namespace texctl;
    ExportState v = values_;
    // A bad entry: the message, the old value back, and the dialog stays.
    auto refuse = [&](int code) {
        win_.message(code);
        fill(d);
        return false;
    };
    auto integer = [&](int id, long long lo, long long hi, int& out) {
        long long n;
        if (!parseInt(d.text(id), n))
            return codeOf(Msg::CannotUnderstand);
        if (n < lo || n > hi)
            return codeOf(Msg::OutOfBounds);
        out = static_cast<int>(n);
        return 0;
    };
    if (use_ == ExportFormat::PicTeX) {
        Real w;
        if (!parseReal(d.text(Width), w))
            return refuse(codeOf(Msg::CannotUnderstand));
        if (!(w > 0) || w > 1000)
            return refuse(codeOf(w > 0 ? Msg::OutOfBounds : Msg::PositiveValue));
        v.texWidth = w;
        if (int code = integer(Box, 0, 255, v.boxNumber))
            return refuse(code);
        for (int id = ModeFirst; id <= ModeLast; ++id)
            if (d.check(id))
                v.texMode = id - ModeFirst;
        Real ws;
        if (!parseReal(d.text(Whitespace), ws))
            return refuse(codeOf(Msg::CannotUnderstand));
        if (ws < 0)
            return refuse(codeOf(Msg::PositiveValue));
        v.whitespace = ws;
        v.pagesOn = steps_ && d.check(PagesOn);
    } else if (use_ == ExportFormat::Svg) {
        if (int code = integer(Width, 2, 32767, v.width))
            return refuse(code);
        if (int code = integer(Box, 2, 32767, v.height))
            return refuse(code);
    }
    if (steps_) {
        if (int code = integer(Pages, 1, 99999, v.pages))
            return refuse(code);
    } else {
        v.pages = 1;
    }
    if (use_ == ExportFormat::PicTeX && !v.pagesOn)
        v.pages = 1;
    v.parameter = d.text(Parameter);
    values_ = v;
    return true;
}

bool TPreTeXDlg::button(plat::Dialog& d, int id)
{
    using namespace texctl;
    if (id >= ModeFirst && id <= ModeLast) {
        for (int m = ModeFirst; m <= ModeLast; ++m)
            d.setCheck(m, m == id);
        return true;
    }
    if (id == plat::IdOk)
        return !read(d); // handled (the dialog stays) when an entry was refused
    return false;
}

int TPreTeXDlg::run() { return execute() == plat::IdOk ? 0 : -1; }

// --- the commands ---------------------------------------------------------------------

void exportPicture(TVELWing& win, ExportFormat f)
{
    const char* ext = f == ExportFormat::Eps ? "eps" : f == ExportFormat::Svg ? "svg" : "tex";
    ExportState& state = win.exportState(f);
    const bool steps = win.offersSteps();

    plat::FileDialogOptions o;
    o.filter = S(f == ExportFormat::Eps ? Str::EpsFilesFilter : f == ExportFormat::Svg ? Str::SvgFilesFilter : Str::TexFilesFilter);
    o.defaultExt = toUpper(ext);
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

    if (f == ExportFormat::Svg) {
        state.width = win.view().W;
        state.height = win.view().H;
    }
    if (f != ExportFormat::Eps || steps) {
        TPreTeXDlg dlg(win, f, state, steps);
        if (dlg.run() != 0)
            return;
        state = dlg.values();
        state.baseName = name.base;
    }
    const int pages = steps ? std::max(1, state.pages) : 1;
    state.pages = pages;

    std::string list;
    if (pages > 1 && f == ExportFormat::Svg)
        list = name.base + "ANIM.txt";
    else if (pages > 1 && f == ExportFormat::PicTeX)
        list = name.base + "ANIM.tex";
    std::vector<std::string> files = exportFileNames(name, pages, list.empty() ? std::vector<std::string>{}
                                                                                : std::vector<std::string>{list});
    // One question for the whole export, its pages and its list, asked once
    // the window is ready: after a yes only a failing write stops it.
    auto mayOverwrite = [&] {
        if (std::any_of(files.begin(), files.end(), [](const std::string& p) { return fileExists(p); }) &&
            win.ask(plat::MessageKind::YesNoDefaultNo, S(Str::OverwriteExisting), S(Str::Careful)) != plat::IdYes) {
            win.message(Msg::CannotSaveFile);
            return false;
        }
        return true;
    };

    Primitives& prims = win.prims();
    plat::DC& dc = win.measuringDC();
    int code = 0;
    int written = 0; // pages on disk: a key press may stop the export early
    auto writePages = [&](auto& writer, OutputKind kind) {
        BackendScope scope(prims, kind, writer);
        return win.runExport(
            f,
            [&](int page) {
                // A page loop may count differently from the dialog: a page
                // without a file name fails.
                if (page < 0 || page >= pages)
                    return false;
                writer.beginPage();
                bool ok = win.DrawPage(page, dc);
                writer.endPage();
                ok = ok && writeFileAtomically(files[static_cast<size_t>(page)], writer.bytes());
                writer.clear();
                written += ok;
                return ok;
            },
            mayOverwrite);
    };
    Str saved = Str::EpsFileSaved;
    if (f == ExportFormat::Eps) {
        win.prepareEpsHeader();
        EpsSettings s;
        s.title = win.window() ? win.window()->caption() : std::string();
        s.date = plat::Platform::get().longDate();
        s.logPixelsX = plat::Platform::get().screenCaps(plat::Cap::LogPixelsX);
        EpsWriter writer(prims);
        writer.prepare(s, pages);
        code = writePages(writer, OutputKind::Eps);
    } else if (f == ExportFormat::Svg) {
        SvgSettings s;
        s.title = win.documentTitle();
        s.width = state.width;
        s.height = state.height;
        SvgWriter writer(prims);
        writer.prepare(s, pages);
        code = writePages(writer, OutputKind::Svg);
        saved = Str::SvgFileSaved;
    } else {
        PicTeXSettings s;
        s.width = state.texWidth;
        s.mode = state.texMode;
        s.box = state.boxNumber;
        s.whitespace = state.whitespace;
        s.decimals = win.decimals();
        PicTeXWriter writer(prims);
        writer.prepare(s, pages);
        code = writePages(writer, OutputKind::PicTeX);
        saved = Str::TexFileSaved;
    }
    if (code < 0)
        return;
    if (code == 0 && !list.empty()) {
        const std::string text = f == ExportFormat::Svg ? svgAnimationList(name.base, pages, written)
                                                        : texAnimationIndex(name.base, pages, written);
        if (!writeFileAtomically(list, text))
            code = codeOf(Msg::CannotSaveFile);
    }
    if (code > 0) {
        win.message(code);
        return;
    }
    win.ask(plat::MessageKind::Ok, S(saved), S(Str::Success));
}

void registerPictureExports()
{
    registerDeviceOutputs();
    TVELWing::setExportDriver(gcm::ExportEps, [](TVELWing& w) { exportPicture(w, ExportFormat::Eps); });
    TVELWing::setExportDriver(gcm::ExportSvg, [](TVELWing& w) { exportPicture(w, ExportFormat::Svg); });
    TVELWing::setExportDriver(gcm::ExportPicTeX, [](TVELWing& w) { exportPicture(w, ExportFormat::PicTeX); });
}

void unregisterPictureExports()
{
    for (int id : {gcm::ExportEps, gcm::ExportSvg, gcm::ExportPicTeX})
        TVELWing::setExportDriver(id, nullptr);
    unregisterDeviceOutputs();
}

} // namespace quan
