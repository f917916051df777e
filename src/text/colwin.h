// The colour window: a grid of the owner's 61 colours from which a click
// picks the colour index of one of the owner's colour roles, and the RGB
// dialog that edits a picked table entry.
#pragma once

#include "shell/dlg.h"
#include "text/prewin.h"

#include <memory>
#include <string>

namespace quan {

class TColWin;

namespace rgbctl {
constexpr int Red = 301, Green = 302, Blue = 303;
constexpr int Apply = plat::IdOk, Close = plat::IdCancel;
} // namespace rgbctl

// The modeless RGB dialog ("EDITRGB"): red, green and blue as decimal
// numbers; "apply" stores them in the owner's table.
class TEditRGBDlg : public TDlg {
public:
    explicit TEditRGBDlg(TColWin& win);

    // Shows the dialog for table entry index with its red, green and blue.
    void open(int index);
    int index() const { return index_; }
    // Reads the three fields: 1 "cannot understand" for a field that is not
    // a whole number, 17 "out of bounds" for one below 0 or above 255 (the
    // table stays as it was); otherwise the owner's entry becomes
    // red + 256 green + 65536 blue, its grey levels are recomputed, it is
    // repainted and 0 is returned.
    int apply();

    bool button(plat::Dialog& d, int id) override;

private:
    TColWin& win_;
    int index_ = -1;
};

class TColWin : public TPreWin {
public:
    explicit TColWin(TPreWin& owner);
    ~TColWin() override;

    TPreWin& owner() const { return owner_; }
    // Binds the window to the owner's colour role k and shows it under
    // title.
    void bind(int k, const std::string& title);
    int role() const { return role_; }
    // The colour index the bound role holds (-1 when unbound).
    int chosenIndex() const;
    // Picks a colour index for the bound role: repaints this window and the
    // owner, and shows the RGB dialog for the entry, or hides it for 0 and
    // 1 (black and white stay fixed).
    void pick(int index);
    // Opens the RGB dialog for the chosen colour (not for 0 and 1).
    void openRgb();
    // A click at p in the client area.
    void click(plat::Point p);

    TEditRGBDlg& rgbDialog();
    bool rgbVisible() const { return rgb_ && rgb_->isVisible(); }

    void paint(plat::DC& dc) override;
    void mouse(const plat::MouseEvent& e) override;
    void command(int id) override;
    bool canClose() override { return true; }
    void closed() override;

protected:
    void setup() override;
    plat::WindowOptions windowOptions() const override;

private:
    TPreWin& owner_;
    int role_ = -1;
    std::string title_;
    std::unique_ptr<TEditRGBDlg> rgb_;
};

} // namespace quan
