// The bin-packing window: TPrePackWin holds the packing document and draws
// the items or the bins; TPackWin adds the menu commands. TPackDlg is the
// modeless bin-packing manager ("BINS") through which the capacity, the
// method and the sorting are chosen and a packing is run.
#pragma once

#include "graphics/baswin.h"
#include "packing/core/packing.h"
#include "resources/commands.h"
#include "shell/dlg.h"

#include <memory>

namespace quan {

class TPrePackWin;

// Control ids of "BINS".
namespace binsctl {
constexpr int Capacity = 101;
constexpr int NextFit = 201, FirstFit = 202, LastFit = 203, BestFit = 204, WorstFit = 205, AlmostWorstFit = 206;
constexpr int Sort = 211, Decreasing = 212;
constexpr int Apply = 301, Help = 302;
} // namespace binsctl

// Where the manager goes beside a window at (left, top) of the given
// width: to its right (a random 0..19 pixels further) at height 50 + a
// random 0..49; at x = 12 when the window's left edge is beyond 250; at
// (left, 12) when its top edge is beyond 250.
plat::Point managerPlacement(const plat::Rect& window, Random& rng);

class TPackDlg : public TDlg {
public:
    explicit TPackDlg(TPrePackWin& owner);
    // Shows the document's capacity, method and sorting.
    void refresh();
    void init(plat::Dialog& d) override { fill(d); }
    bool button(plat::Dialog& d, int id) override;

private:
    void fill(plat::Dialog& d);
    TPrePackWin& owner_;
};

// Which columns of the picture are drawn: the columns are the bins of a
// packing or the items of a list, each one world unit wide and colPx
// pixels on screen, right of a margin of marginPx pixels.
struct PackLayout {
    int columns = 0;
    Real colPx = 1;
    int marginPx = 0;
    int first = 0;    // the first column drawn
    int visible = 1;  // how many fit the width
    int end = 0;      // one past the last column drawn
    bool moreLeft = false, moreRight = false;
    bool fits() const { return !moreLeft && !moreRight; }
};
// firstColumn is the world x at the margin's right edge.
PackLayout packLayout(int columns, Real colPx, int marginPx, int width, Real firstColumn);

class TPrePackWin : public TBasWin {
public:
    // Colour roles (the Colors menu's ids minus 200).
    static constexpr int RoleSummary = 7, RoleCoordinates = 8, RoleOccupied = 12, RoleEmpty = 13;
    // Pixels of a bin in the bins picture; pixels above and below the bins.
    static constexpr int kBinPixels = 20;

    TPrePackWin(TQuanFrame* frame, DocInit init);
    ~TPrePackWin() override;

    // The bars of the item picture are the stored column width wide, but
    // never less than 1 nor more than 64 pixels (any width is kept).
    static constexpr int kMaxColumnPixels = 64;
    static int drawnColumnWidth(int32_t stored) { return stored < 1 ? 1 : stored > kMaxColumnPixels ? kMaxColumnPixels : stored; }

    int32_t windowKind() const override { return kKindBinPacking; }
    std::string settingsFileName() const override { return "qnpack.ini"; }
    std::string documentTitle() const override { return "VELdra binpacking"; }
    std::string fileFilter() const override { return S(Str::BpaFilesFilter); }
    std::string defaultExtension() const override { return "BPA"; }

    PackDocument& document() { return doc_; }
    const PackDocument& document() const { return doc_; }
    int32_t columnWidth() const { return columnWidth_; }
    // Misc|Item sizes: each item's size written in its slice of a bin, or
    // above its bar, where there is room for the digits.
    bool itemSizes() const { return itemSizes_; }
    TPackDlg& manager();
    PackLayout layout();

    // The manager's apply: the capacity text (the first 19 characters),
    // the checked method and sorting. 0 or the message code (shown).
    int applyManager(const std::string& capacityText, FitMethod m, bool sort, bool decreasing);
    // The document changed: manager, menu, view and picture follow.
    void documentChanged();

    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;

    void drawPicture(plat::DC& dc) override;
    void recomputeView() override;
    void resized(plat::Size client) override;
    // Paste items is enabled only while the clipboard holds text.
    void clipboardChanged() override { updatePackMenu(); }

protected:
    void setup() override;
    void closed() override;
    bool wantsNotebook() const override { return true; }
    void fontChanged(int k) override;
    // The list, its copies and the packing as shown (a file read packs
    // at once), for Simulprint.
    std::unique_ptr<KeptState> keepState() override;
    void restoreState(const KeptState& k) override;
    void storeParameters(SettingsState& s) const override;
    void loadParameters(const SettingsState& s) override;
    // The item sizes of the picture, where the digits fit.
    void drawItemSizes(plat::DC& dc, const PackLayout& l);
    // Lays the view out again around firstColumn_.
    void layoutView();
    // The left margin: the width of the text of 10 x capacity.
    int marginPixels();
    // Device pixels per screen pixel of the page being drawn: the print
    // magnification or the metafile scale, 1 on screen.
    Real deviceScale() const;
    void updatePackMenu();

    PackDocument doc_;
    int32_t columnWidth_ = 6;
    bool itemSizes_ = false;
    Real firstColumn_ = 0;
    bool laying_ = false;
    std::unique_ptr<TPackDlg> manager_;
};

class TPackWin : public TPrePackWin {
public:
    TPackWin(TQuanFrame* frame, DocInit init);

    void cmRandom();
    void cmPaste();
    void cmAutofit();
    // Appends to the notebook: 0, or 4 "no more room" (the notebook is
    // left as it was) when the notebook would pass 64 000 characters.
    int appendToNotebook(const std::string& text);
    void cmOptimum();
    void cmItemSizes();
    // The picture outputs, one each: the printer, the clipboard and the
    // files. Each hands the picture to its writer, or answers "not yet
    // available" while the writer is missing.
    void cmPrint();
    void cmSimulprint();
    void cmCopyToClipboard();
    void cmBitmapToClipboard();
    void cmExportEps();
    void cmExportSvg();
    void cmExportPicTeX();
    void cmExportMetafile();
    void cmExportBmp();
    void command(int id) override;

protected:
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;
};

} // namespace quan
