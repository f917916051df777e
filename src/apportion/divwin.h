// The divisor watch plot window: each state's axis with the ticks where its
// seats change, the line of the current divisor and the seats where it
// crosses each axis. Owned by its apportionment window (Method|Watch),
// which repaints it on every recomputation; it has no document.
#pragma once

#include "apportion/divplot.h"
#include "graphics/baswin.h"
#include "resources/commands.h"

namespace quan {

class TAppWin;

class TDivWin : public TBasWin {
public:
    // Colour roles (the Colors menu's ids minus 200; the background and the
    // axes are the picture windows' own roles 0 and 3) and font slots.
    static constexpr int RoleDivisorLine = 1, RoleReps = 4, RoleAxisLabels = 5, RoleCoordinates = 8;
    static constexpr int FontCoordinates = 0, FontReps = 1, FontAxisLabels = 2;

    TDivWin(TAppWin& owner, TQuanFrame* frame, DocInit init);

    int32_t windowKind() const override { return kKindDivisorPlot; }
    std::string settingsFileName() const override { return "qnapp.ini"; }

    // The table was recomputed: the plot and the title follow; when the
    // divisor left the visible range the view moves to bring it back (a
    // move that Last window undoes).
    void plotChanged();
    // The data changed (census, number of states, deleted rows): the
    // initial view for the new ideal district.
    void resetView();
    // The data is about to be replaced: until resetView the view stays
    // where it is (no move to follow the divisor).
    void holdView() { holding_ = true; }
    void releaseView() { holding_ = false; }
    // Shows the window (again) on top.
    void showPlot();
    // Hides it and writes its settings file.
    void closePlot();
    bool isShowing() const;

    // The plot as last computed for the view.
    const DivisorPlot& plot() const { return plot_; }
    // Pixels of one row; the widths reserved for names and counts.
    int rowPixels() const { return rowPx_; }
    std::string title() const;
    // The device point of divisor x on the axis of display row `row`.
    plat::Point devicePoint(Real x, int row) const;

    void drawPicture(plat::DC& dc) override;
    void mouse(const plat::MouseEvent& e) override;
    void wheel(int notches) override;
    void command(int id) override;
    void refreshTitle() override;
    bool canClose() override { return true; }
    void closed() override { closePlot(); }
    // The plot keeps no document: nothing is ever to be saved.
    void setChanged(bool) override {}

protected:
    void setup() override;
    void fontChanged(int k) override;
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;

private:
    // Row height and the sample widths, from the fonts.
    void measure();
    DivisorPlotView plotView() const;
    void computePlot();

    // Fits the rows to the window below the top of the view.
    void fitRows();

    TAppWin& owner_;
    DivisorPlot plot_;
    int rowPx_ = 16;
    int nameWidth_ = 0, countWidth_ = 0;
    bool open_ = false;     // shown and not closed since
    bool holding_ = false;  // the data is being replaced
    bool dragging_ = false; // the left button went down on the plot
};

} // namespace quan
