// TPwrWin: the calculations worksheet of a weighted-voting window. It shows
// every coalition of a table of at most ten blocs with its total, draws the
// winning totals in the wins colour and the decisive (pivotal) entries in
// the pivotal colour, bold and boxed, and the pivotal counts below.
#pragma once

#include "graphics/velwin.h"
#include "power/worksheet.h"

#include <functional>

namespace quan {

class TPwrWin : public TVELWin {
public:
    // Colour roles 0..3: background, table text, wins, pivotal.
    static constexpr int kRoleBackground = 0, kRoleTable = 1, kRoleWins = 2, kRolePivotal = 3;

    TPwrWin(TQuanFrame* frame, DocInit init);

    // Fills the worksheet: 0, or 102 "too many blocs" (the worksheet is then
    // empty). documentName names the weighted-voting document in the title;
    // colors are the document's colour choices (the defaults replace
    // choices that are out of range or not all different).
    int fill(const std::vector<int64_t>& weights, const std::vector<std::string>& names, int64_t quota,
             const std::string& documentName, const ColorChoices& colors);
    int32_t windowKind() const override { return kKindWorksheet; }
    const Worksheet& worksheet() const { return sheet_; }
    ColorChoices colorChoices() const;
    // Called whenever the user picks one of the four colours.
    void setColorsChanged(std::function<void(const ColorChoices&)> f) { onColors_ = std::move(f); }

    std::string titleSuffix() const override { return " [" + documentName_ + "]"; }
    std::string textOut(bool* cut = nullptr) const;
    int firstRow() const { return firstRow_; }
    int rowsInView() const { return rowsInView_; }
    bool scrollTo(int first);
    int firstColumn() const { return firstCol_; }
    int columnsInView() const { return colsInView_; }
    bool scrollColumnsTo(int first);

    void command(int id) override;
    void paint(plat::DC& dc) override;
    void keyDown(int key, bool shift, bool ctrl) override;
    void wheel(int notches) override;
    void scrolled(plat::ScrollBarKind which, int pos) override;
    bool canClose() override { return true; }
    void closed() override;
    void colorsChanged() override;
    // Hides the window and writes "wpiv.ini".
    void hideWorksheet();

protected:
    void setup() override;
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;
    std::string settingsFileName() const override { return "wpiv.ini"; }
    std::string colorRoleTitle(int k) const override;

private:
    void cmPrint();
    void showScrollBar();
    void fitWidth();
    Worksheet sheet_;
    std::string documentName_;
    int firstRow_ = 0;
    int rowsInView_ = 1;
    int firstCol_ = 0;
    int colsInView_ = 1;
    std::function<void(const ColorChoices&)> onColors_;
};

} // namespace quan
