// The picture export commands of File|Export graphics: EPS ... (85),
// SVG ... (87) and PiCTeX ... (70). Each asks for the file, shows the
// export settings dialog (template PICTEX), asks once before replacing
// any file of the export, runs the window's export with its writer and
// reports "cannot save file" or the format's success text.
#pragma once

#include "graphics/velwing.h"
#include "shell/dlg.h"

#include <string>

namespace quan {

// Control ids of the PICTEX template.
namespace texctl {
constexpr int WidthLabel = 101, BoxLabel = 102, WhitespaceLabel = 103, ParameterLabel = 104, PagesLabel = 105;
constexpr int Width = 201, Box = 202, ModeFirst = 211, ModeLast = 214, PagesOn = 220, Pages = 221,
              Whitespace = 222, Parameter = 223;
} // namespace texctl

// The export settings dialog in its three uses: EPS (the page count),
// SVG (width, height, page count, parameter), PicTeX (width in cm, box
// number, mode, pages, whitespace radius, parameters). The page count is
// shown only for pictures in steps. An entry that cannot be used is
// reported ("cannot understand", "positive value?", "out of bounds"), gets
// its old value back and the dialog stays open.
class TPreTeXDlg : public TDlg {
public:
    TPreTeXDlg(TVELWing& win, ExportFormat use, const ExportState& values, bool steps);
    // 0 with values() holding the entries on OK, -1 on cancel.
    int run();
    const ExportState& values() const { return values_; }

    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;

private:
    // Reads every shown field; false (after the message) at the first bad one.
    bool read(plat::Dialog& d);
    void fill(plat::Dialog& d);

    TVELWing& win_;
    ExportFormat use_;
    ExportState values_;
    bool steps_;
};

// Registers the three commands with TVELWing (and removes them again).
void registerPictureExports();
void unregisterPictureExports();

// One export command on a window: EPS, SVG or PicTeX.
void exportPicture(TVELWing& win, ExportFormat f);

} // namespace quan
