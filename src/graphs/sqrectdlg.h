// The squared-rectangle library dialog "SQRECTLIB" of the graph window: one
// button per category, the list of the category's entries ("W X H"), the
// chosen entry's code, and the category's name as the title.
#pragma once

#include "graphs/core/sqrect.h"
#include "shell/dlg.h"

#include <string>

namespace quan {

class TGraWin;

// Control ids of "SQRECTLIB".
namespace sqctl {
constexpr int List = 101, Code = 102, Help = 3;
// Category k's button is CategoryFirst + k (24 categories).
constexpr int CategoryFirst = 201;
constexpr int Categories = 24;
} // namespace sqctl

// The category's order (9..17, 21..29, 24..29) and title word ids.
int libraryOrder(int category);
// "2 squared rectangles (perfect, simple)" and the like.
std::string libraryTitle(int category, size_t count);

class TBouwkampDlg : public TDlg {
public:
    explicit TBouwkampDlg(TGraWin& owner);
    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;
    void selectionChanged(plat::Dialog& d, int id) override;

    // Shows a category's list: 0, or 11 for one that is not offered.
    int openCategory(int category);
    // Builds entry i of the open category: 0 or the message code.
    int choose(int index);
    int category() const { return category_; }
    const BouwkampCollection& entries() const { return entries_; }

private:
    TGraWin& owner_;
    int category_ = -1;
    BouwkampCollection entries_;
};

} // namespace quan
