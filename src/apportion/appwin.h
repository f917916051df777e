// The apportionment window: TPreAppWin holds the document (the state table
// and its computations) and the file side; TAppWin adds the menus, the
// table drawing and editing, and the divisor dialog.
#pragma once

#include "apportion/apportion.h"
#include "graphics/velwin.h"
#include "resources/commands.h"
#include "shell/dlg.h"
#include "shell/tablegrid.h"

#include <memory>

namespace quan {

class TAppWin;
class TDivWin;
class TPowWin;

// The divisor slider of the divisor dialog: positions 0..100 between the
// range's ends L and R, a page of 10.
class TParamBar {
public:
    TParamBar(plat::Dialog& d, int id) : d_(d), id_(id) {}
    void setup() { d_.setSliderRange(id_, 0, AppTable::kSliderSteps, AppTable::kSliderPage); }
    // Places the thumb; the dialog hears of it only when notify is true.
    void place(int pos, bool notify) { d_.setSliderPos(id_, pos, notify); }
    int position() const { return d_.sliderPos(id_); }

private:
    plat::Dialog& d_;
    int id_;
};

// The divisor dialog: an edit box, "set L", "set R", the slider and close.
class TDivDlg : public TDlg {
public:
    static constexpr int Edit = 101, SetL = 102, SetR = 103, Slider = 104;
    explicit TDivDlg(TAppWin& owner);
    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;
    void sliderMoved(plat::Dialog& d, int id, int pos) override;
    // Places the slider for the table's divisor without recomputing, and
    // writes the divisor into the edit box.
    void refresh();

private:
    TAppWin& owner_;
};

class TPreAppWin : public TVELWin {
public:
    TPreAppWin(TQuanFrame* frame, DocInit init);

    int32_t windowKind() const override { return kKindApportionment; }
    // Hands a text to the text window under a caption of its own.
    void handTextAs(const std::string& caption, const std::string& text);

    AppTable& table() { return table_; }
    const AppTable& table() const { return table_; }

    // The ".hor" file: 0 or a message code; nothing changes on failure. A
    // file whose format mark is wrong shows "inconsistent data" and loads
    // the 2010 census.
    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;
    std::string fileFilter() const override { return S(Str::HorFilesFilter); }
    std::string defaultExtension() const override { return "HOR"; }
    std::string titleSuffix() const override { return table_.titleText(); }

    // Loads census set k (chosen by a Census menu command).
    int loadCensus(int k);

protected:
    std::string settingsFileName() const override { return "hor.ini"; }
    void storeParameters(SettingsState& s) const override;
    void loadParameters(const SettingsState& s) override;
    bool wantsNotebook() const override { return true; }
    // The table changed: repaint, refresh the title, close what no longer
    // applies.
    virtual void tableChanged() = 0;
    // A file was read: the divisor dialog and the watch window close.
    virtual void closeDivisorWindows() {}

    AppTable table_;
};

class TAppWin : public TPreAppWin {
public:
    TAppWin(TQuanFrame* frame, DocInit init);
    ~TAppWin() override;

    void command(int id) override;
    // Asks for the Electoral College table too, when it changed.
    bool canClose() override;
    void paint(plat::DC& dc) override;
    void mouse(const plat::MouseEvent& e) override;
    void keyDown(int key, bool shift, bool ctrl) override;
    void wheel(int notches) override;
    void scrolled(plat::ScrollBarKind which, int pos) override;

    // Edits one cell (row -1 headings, n the footer; col 0..7 values, 8 the
    // name) through the input dialog, then the following rows while
    // autofeed lasts.
    void editCell(int row, int col, bool autofeed);
    void setMethod(int m);
    TDivDlg* divisorDialog() const { return divDlg_.get(); }
    void showDivisorDialog();
    // The divisor dialog changed the divisor.
    void divisorMoved();
    const TableGrid& grid() const { return grid_; }
    // Where a table cell lies on screen after the last paint (row -1 the
    // headings, col -1 the names); empty when it is scrolled away.
    plat::Rect cellRect(int row, int col) const;
    // The Electoral College window, once opened.
    TPowWin* electoralWindow() const { return powWin_.get(); }
    // The divisor watch plot, once opened (it may be hidden).
    TDivWin* watchWindow() const { return divWin_.get(); }
    // Method|Watch: opens the plot or brings it back.
    void showWatch();
    // A divisor chosen on the plot, taken as the divisor dialog's Apply
    // takes it (below 1 is ignored).
    void applyDivisorFromPlot(Real d);

protected:
    void setup() override;
    void tableChanged() override;
    void closeDivisorWindows() override;
    void closed() override;
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;

private:
    class GridModel;
    void updateMenu();
    void cmStateCount();
    void cmDeleteRows();
    void cmColumnWidth();
    void cmQuotaPlaces();
    void cmRegister();
    void cmPrint();
    void electoralPower();
    void showText(const std::string& caption, const std::string& text);
    // New data (census, number of states, deleted rows): the plot's
    // initial view for the new ideal district.
    void resetWatchView();
    void holdWatchView();

    TableGrid grid_;
    std::unique_ptr<GridModel> model_;
    std::unique_ptr<TDivDlg> divDlg_;
    std::unique_ptr<TPowWin> powWin_;
    std::unique_ptr<TDivWin> divWin_;
    bool textIsPriorityList_ = false;
};

} // namespace quan
