// TGridWin: the grid dialog (SETGRID, with the letters dialog AXVBLS) and
// the modeless view dialog (VIEWCEN, VIEWCOR or VIEWALL) of the picture
// windows.
#pragma once

#include "graphics/velwing.h"
#include "shell/dlg.h"

#include <array>
#include <memory>
#include <string>

namespace quan {

// Control ids of the view dialogs.
namespace viewctl {
constexpr int Hori = 201, Vert = 202, Width = 203, Left = 204, Right = 205, Down = 206, Up = 207;
// VIEWALL's two apply buttons; VIEWCEN and VIEWCOR apply with IdOk.
constexpr int ApplyCentre = 208, ApplyCorners = 209;
} // namespace viewctl

// Control ids of SETGRID and AXVBLS.
namespace gridctl {
constexpr int AxesOn = 201, SolidArrowheads = 202, Opaque = 203;
constexpr int KindBoth = 211, KindX = 212, KindY = 213, KindPolar = 214;
constexpr int Ticks = 215, Arrows = 216, Dots = 217, Letters = 218;
constexpr int TickX = 221, TickY = 222, TickLength = 223;
constexpr int ScaleX = 224, ScaleY = 225, PiX = 226, PiY = 227, PlaceAxes = 228, PlaceBorder = 229;
constexpr int DecimalsX = 231, DecimalsY = 232, FrequencyX = 233, FrequencyY = 234;
constexpr int Rectangular = 241, Q1 = 242, Q2 = 243, Q3 = 244, Q4 = 245, Polar = 246, Dotted = 247, Sectors = 248;
constexpr int AxesScreen = 251, AxesPrinted = 252, GridScreen = 253, GridPrinted = 254;
constexpr int HyphenToMinus = 255, MinusChar = 256, PiChar = 257;
constexpr int LettersDialog = 260;
constexpr int Letter1 = 301, Letter2 = 302, Letter3 = 303;
} // namespace gridctl

// What the grid dialog shows: every axes and grid setting as text or a
// switch.
struct GridFields {
    bool axesOn = false, solidArrowheads = false, opaque = true;
    AxisKind kind = AxisKind::Both;
    bool ticks = true, arrows = false, dots = false, letters = false;
    std::string tickX, tickY, tickLengthPercent;
    bool scaleX = false, scaleY = false, piX = false, piY = false;
    ScalePlace place = ScalePlace::Axes;
    std::string decimalsX, decimalsY, frequencyX, frequencyY, piChar;
    bool rectangular = false, q1 = true, q2 = true, q3 = true, q4 = true, polar = false, dotted = false;
    std::string sectors;
    std::string axesScreen, axesPrinted, gridScreen, gridPrinted;
    bool hyphenToMinus = false;
    std::string minusChar;
    std::array<std::string, 3> axisLetters;
};

// The fields of the settings; the tick length is shown as a percentage of
// the screen width (100 * length / HORZRES, "%4.2Lf").
GridFields gridFields(const AxesGridSettings& s, int horzRes);
// Reads the fields into out: 0, or 1 "cannot understand" for an entry that
// is not a number, 14 "positive value?" for a tick interval that is not
// positive, a label frequency below 1 or a negative thickness, 17 "out of
// bounds" for decimals outside 0..18, a label frequency above 32767, a
// tick length outside 0..100 % of the screen, a sector count outside
// 1..360, a thickness above 1000, or character codes outside 32..255. A printed thickness below 1 becomes 1. Out is unchanged on
// failure.
int parseGridFields(const GridFields& f, int horzRes, AxesGridSettings& out);

class TGridWin;

class TGridDlg : public TDlg {
public:
    TGridDlg(plat::Window* owner, const GridFields& f);
    // Modal run: 0 with fields() holding the entries on OK, -1 on cancel.
    int run();
    const GridFields& fields() const { return fields_; }

    void init(plat::Dialog& d) override { fill(d); }
    bool button(plat::Dialog& d, int id) override;

private:
    void fill(plat::Dialog& d);
    void read(plat::Dialog& d);
    GridFields fields_;
};

enum class ViewDialogKind { Centre, Corners, Both };

class TViewDlg : public TDlg {
public:
    TViewDlg(TGridWin& win, ViewDialogKind kind);
    ViewDialogKind kind() const { return kind_; }
    // Shows the window's current view in the fields.
    void refresh();
    // Reads the centre (or corner) fields and sets the view: 0 or the code
    // (already shown).
    int applyCentre();
    int applyCorners();

    void init(plat::Dialog& d) override { fill(d); }
    bool button(plat::Dialog& d, int id) override;

private:
    void fill(plat::Dialog& d);
    TGridWin& win_;
    ViewDialogKind kind_;
};

class TGridWin : public TVELWing {
public:
    TGridWin(TQuanFrame* frame, DocInit init);
    ~TGridWin() override;

    // Which view dialog the window shows.
    virtual ViewDialogKind viewDialogKind() const { return ViewDialogKind::Both; }
    TViewDlg& viewDialog();
    bool viewDialogVisible() const { return viewDlg_ && viewDlg_->isVisible(); }

    // Takes grid dialog entries: the view (with the old settings) is pushed
    // first, so Last window undoes the change. 0 or the code.
    int applyGridFields(const GridFields& f);

    void cmViewDialog();
    void cmGrid();
    // In corners mode: aspect 1 and the view by centre with cx, cy, rx.
    void cmAspectOne();
    void command(int id) override;

protected:
    void viewChanged() override;
    int horzRes() const;

private:
    std::unique_ptr<TViewDlg> viewDlg_;
};

} // namespace quan
