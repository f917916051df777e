// TVELWing: the picture window's view, world mapping and drawing
// primitives. It owns the view state with its last-window stack and the
// axes and grid settings (PictureView), the primitives with their output
// flags (Primitives), the View menu commands, the axes drawing and the
// export seam through which the EPS, SVG, PicTeX and BMP writers drive the
// topic window's page drawing.
#pragma once

#include "graphics/axes.h"
#include "graphics/primitives.h"
#include "graphics/velwin.h"
#include "graphics/view.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace quan {

enum class ExportFormat { Eps = 0, Svg = 1, PicTeX = 2, Bmp = 3, Emf = 4 };

// Per-format export state: the base file name and the page count, and the
// export settings dialog's other values, kept for the next export.
struct ExportState {
    std::string baseName;
    int pages = 1;
    Real texWidth = 8;     // PicTeX: printed width in centimetres
    int texMode = 0;       // PicTeX: 0..3 (TeX standalone .. TeX insertable)
    int boxNumber = 1;     // PicTeX: box register of mode 0
    bool pagesOn = false;  // PicTeX: the "pages" check box
    Real whitespace = 0;   // PicTeX: whitespace radius
    int width = 0, height = 0; // SVG: image size in pixels
    std::string parameter;
};

class TVELWing : public TVELWin {
public:
    // Writes page i of an export; false fails the export.
    using PageWriter = std::function<bool(int page)>;
    // Runs one export command (file dialog, settings, runExport, messages).
    using ExportDriver = std::function<void(TVELWing&)>;

    TVELWing(TQuanFrame* frame, DocInit init);
    ~TVELWing() override;

    PictureView& pictureView() { return pv_; }
    const ViewState& view() const { return pv_.view; }
    AxesGridSettings& axes() { return pv_.axes; }
    const AxesGridSettings& axes() const { return pv_.axes; }
    Primitives& prims() { return prims_; }
    bool settingsChanged() const { return settingsChanged_; }
    void setSettingsChanged(bool c) { settingsChanged_ = c; }
    ExportState& exportState(ExportFormat f) { return exports_[static_cast<size_t>(f)]; }
    bool highResolution() const { return highResolution_; }
    // The metafile scale: 9 with the high-resolution option, else 1.
    int metafileScale() const { return highResolution_ ? 9 : 1; }

    // --- the virtual operations, in slot order -------------------------------------
    // The frame around the picture (with the print format's "frame image").
    virtual void DrawFrame(plat::DC& dc);
    virtual bool popView(ViewNode& out);
    virtual void clearViewStack();
    virtual void pushView();
    // Pops, restores, recomputes and repaints; nothing on an empty stack.
    virtual void lastWindow();
    // Re-establishes the view's invariants (after a change of view or size).
    virtual void recomputeView();
    virtual int zoom(bool out);
    // Push, store, recompute, repaint, then the hook; 0 or a message code
    // (the view is unchanged then).
    virtual int setViewByCentre(Real cx, Real cy, Real rx);
    virtual int setViewByCorners(Real xmin, Real xmax, Real ymin, Real ymax);
    virtual void afterCentreSet() {}
    virtual void afterCornersSet() {}
    virtual WPoint DeviceToWorld(int px, int py) const;
    // 0, or 1 "cannot understand".
    virtual int parseNumber(const std::string& text, Real& out) const;
    virtual void toggleAxes();
    // Moves the view by fx, fy times its full ranges.
    virtual int shiftView(Real fx, Real fy);
    virtual ViewNode saveView() const;
    virtual void restoreView(const ViewNode& n);
    virtual void toggleSolidArrowheads();
    // Draws page `page` of an export on dc (the flags say which format):
    // sets the multi-page scale, draws the background when copies include
    // it, the axes, the picture and the frame.
    virtual bool DrawPage(int page, plat::DC& dc);
    // The axes, grid and scale labels.
    virtual void drawAxes(plat::DC& dc);
    virtual void addBmpMenuItem();
    virtual bool DrawPageBmp(int page, plat::DC& dc) { return DrawPage(page, dc); }
    // Calls the writer for pages 0 .. pages - 1; stops at the first
    // failure (false) or, after a page, at a pending Q or accelerator key
    // (true).
    virtual bool ExportPages(ExportFormat f, const PageWriter& write);
    virtual bool readyForExport(ExportFormat f) { return true; }
    virtual void prepareEpsHeader() {}
    // A picture in steps exports one page per step (the export dialogs ask
    // for the page count).
    virtual bool offersSteps() const { return false; }
    // The SVG document title.
    virtual std::string documentTitle() const { return "VELdra"; }
    // Simulprint loads other files into the window and then reads the
    // window's own document back from the bytes it would save. A window
    // showing more than its file holds (a list not yet packed, say) keeps
    // that here, and gets it back after the read.
    struct KeptState {
        virtual ~KeptState() = default;
    };
    virtual std::unique_ptr<KeptState> keepState() { return nullptr; }
    virtual void restoreState(const KeptState&) {}

    // The topic's drawing routine, through the primitives (the base draws
    // nothing).
    virtual void drawPicture(plat::DC& dc) {}

    // One export run: the ready check (false: -1, nothing happens), then
    // `proceed` when given (the last word before anything is written, such
    // as the overwrite question; false: -1, it has said why), the output
    // flag around ExportPages (always cleared again), a repaint. Returns 0
    // on success, 12 "cannot save file" on failure.
    int runExport(ExportFormat f, const PageWriter& write, const std::function<bool()>& proceed = {});
    // A device to measure text on while exporting.
    plat::DC& measuringDC();

    // The export writers register their command drivers here; a command
    // without a driver answers "not yet available".
    static void setExportDriver(int commandId, ExportDriver d);

    // --- commands -------------------------------------------------------------------
    void cmFactor();
    void cmPercentage();
    void cmThickness(int id);
    void cmHyphenToMinus();
    void cmExport(int id);
    void command(int id) override;
    void resized(plat::Size client) override;

protected:
    // The window's menus, then the BMP item in the export submenu.
    void setup() override;
    void drawLayer(int level, plat::DC& dc) override;
    void setDecimals(int d) override;
    // A view or axes change: settings changed, picture layer redrawn.
    virtual void viewChanged();
    // Copies the print format switches into the primitives' environment.
    void syncDrawEnv();
    void updateViewMenu();
    // Reports a view operation's code.
    void report(int code);
    // Whether the picture being drawn is the window's own (not a printed
    // page, an export, a metafile or a bitmap).
    bool drawingScreen() const { return drawingScreen_; }

    PictureView pv_;
    Primitives prims_;
    bool settingsChanged_ = false;
    std::array<ExportState, 5> exports_;
    // Metafiles at nine times the screen's resolution (off at start).
    bool highResolution_ = false;

private:
    bool drawingScreen_ = false;
    std::unique_ptr<plat::Bitmap> measure_;
};

} // namespace quan
