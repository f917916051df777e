// The weighted-voting window: a table of blocs with weights and a quota,
// and the Banzhaf and Shapley-Shubik power of each bloc.
#pragma once

#include "graphics/velwin.h"
#include "power/bloc_table.h"
#include "power/worksheet.h"
#include "resources/commands.h"
#include "shell/dlg.h"
#include "shell/tablegrid.h"

#include <memory>

namespace quan {

class TBanWin;
class TPwrWin;

// The opposition pair dialog ("conflicting blocs").
class TFeudDlg : public TDlg {
public:
    static constexpr int First = 101, Second = 102, Conflict = 103, NoConflict = 104;
    explicit TFeudDlg(TBanWin& owner);
    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;

private:
    TBanWin& owner_;
};

class TBanWin : public TVELWin {
public:
    TBanWin(TQuanFrame* frame, DocInit init);
    ~TBanWin() override;

    int32_t windowKind() const override { return kKindWeightedVoting; }
    BlocTable& table() { return table_; }
    const BlocTable& table() const { return table_; }
    std::string titleSuffix() const override;
    std::string fileFilter() const override { return S(Str::BnzFilesFilter); }
    std::string defaultExtension() const override { return "BNZ"; }

    // Runs a calculation of the selected kind: 0 all cases, 1 Monte Carlo,
    // 2 exact (fast). Progress shows in the title; Q stops.
    void calculate(int how);
    void editCell(int row, int col, bool autofeed);
    // The table changed: repaint, check marks, title.
    void tableChanged();

    const TableGrid& grid() const { return grid_; }
    // The rectangle of a table cell on screen (row -1 headings, col -1
    // names); empty when it is scrolled away.
    plat::Rect cellRect(int row, int col) const;
    const TableGridModel& gridModel() const;
    void command(int id) override;
    void paint(plat::DC& dc) override;
    void mouse(const plat::MouseEvent& e) override;
    void keyDown(int key, bool shift, bool ctrl) override;
    void wheel(int notches) override;
    void scrolled(plat::ScrollBarKind which, int pos) override;
    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;

    // Misc|Calculations: opens or rebuilds the worksheet; with more than
    // ten blocs closes it and says "too many blocs".
    void showWorksheet();
    // Hides the worksheet (it no longer shows the table).
    void closeWorksheet();
    TPwrWin* worksheetWindow() const { return pwrWin_.get(); }
    bool worksheetOpen() const;
    // The table's four colours (background, table, names, heading) are
    // colour roles 0..3.
    ColorChoices tableColors() const;

protected:
    void writeSettingsOnClose() override;
    void colorsChanged() override;
    bool autofeed_ = false;
    void setup() override;
    // Makes the window wide enough for every column, the result columns of
    // the largest counts included, as far as the screen allows.
    void fitWidth();
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;
    bool wantsNotebook() const override { return true; }
    std::string settingsFileName() const override { return "banz.ini"; }
    void storeParameters(SettingsState& s) const override;
    void loadParameters(const SettingsState& s) override;

private:
    class GridModel;
    void updateMenu();
    void cmQuota();
    void cmBlocCount();
    void cmRange();
    void cmColumnWidth();
    void cmDeleteRows();
    void cmPrint();
    void report(int code);

protected:
    BlocTable table_;

private:
    TableGrid grid_;
    std::unique_ptr<GridModel> model_;
    std::unique_ptr<TPwrWin> pwrWin_;
};

// The Electoral College as a weighted-voting body, opened and filled by an
// apportionment window: no settings file, no range of weights, and Close
// hides it (its owner keeps it).
class TPowWin : public TBanWin {
public:
    TPowWin(TQuanFrame* frame, DocInit init);
    // One bloc per state (seats + 2) and the District of Columbia (3).
    int fill(const std::vector<Real>& weights, const std::vector<std::string>& names,
             const std::vector<int32_t>& figures);
    std::string settingsFileName() const override { return ""; }
    void command(int id) override;
    // A changed table asks to be saved (the owner asks before it closes
    // and before it fills the table again); closing only hides the window.
    bool canClose() override { return saveChangesGate(); }
    void closed() override;

protected:
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
};

} // namespace quan
