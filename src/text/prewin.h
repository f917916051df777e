// TPreWin: the base of the colour window and of every picture window. It
// keeps up to three offscreen layers of the client size, the colour table
// with its grey levels, the fifteen colour roles and the client size.
#pragma once

#include "docfile/colors.h"
#include "resources/commands.h"
#include "text/colorgrid.h"
#include "text/fontwin.h"

#include <array>
#include <memory>
#include <string>

namespace quan {

class TColWin;

class TPreWin : public TFontWin {
public:
    // Layer levels. The layers build on each other: a level starts as a
    // copy of the level below and adds its own drawing, so the top level in
    // use is what the screen shows.
    enum Level { Background = 0, Picture = 1, Overlay = 2 };
    static constexpr int kLevels = 3;

    TPreWin(TQuanFrame* frame, DocInit init);
    ~TPreWin() override;

    void create() override;

    // --- colours -------------------------------------------------------------
    const ColorTable& colorTable() const { return colors_; }
    // Replaces the whole table (a document or settings file was read).
    void setColorTable(const ColorTable& table);
    // Sets entry index (0..60), recomputes the grey levels and repaints.
    void setColorEntry(int index, uint32_t color);
    // The colour of an index (outside 1..60: entry 0).
    uint32_t color(int index) const { return colors_.at(index); }
    // The grey level of an index, and that grey as a colour (what a printer
    // without colour prints).
    int grey(int index) const;
    uint32_t greyColor(int index) const;
    void recomputeGreys();

    const ColorRoles& colorRoles() const { return roles_; }
    void setColorRoles(const ColorRoles& roles) { roles_ = roles; }
    // The colour index of role k (0..14; another k reads role 0).
    int colorRole(int k) const;
    // Sets role k to a colour index 0..60 (others are ignored).
    void setColorRole(int k, int index);
    // Something of the colours changed: repaint every layer.
    virtual void colorsChanged() { invalidateLayers(); }

    // The colour window, created when first needed.
    TColWin& colorWindow();
    bool hasColorWindow() const { return colWin_ != nullptr; }
    // Shows the colour window bound to colour role k under title.
    void editColorRole(int k, const std::string& title);

    // --- client and layers ---------------------------------------------------
    // The client size, never below 2 x 2.
    plat::Size clientSize() const { return client_; }
    int layerCount() const { return layerCount_; }
    void setLayerCount(int n);
    bool layerValid(int level) const;
    // The level (and those above it) must be drawn again; the window is
    // invalidated.
    void invalidateLayer(int level);
    void invalidateLayers() { invalidateLayer(Background); }
    // Draws every layer that is not valid.
    void renderLayers();
    // The bitmap of a level (nullptr before it was first drawn).
    plat::Bitmap* layerBitmap(int level) const;

    void paint(plat::DC& dc) override;
    void resized(plat::Size client) override;
    void command(int id) override;

protected:
    // Draws one level onto its bitmap (which already holds the level
    // below). The default fills the background level with the colour of
    // role 0 and leaves the others as they are.
    virtual void drawLayer(int level, plat::DC& dc);
    // The colour window's title for role k: the label of menu item 200 + k.
    virtual std::string colorRoleTitle(int k) const;

    ColorTable colors_;
    GreyLevels greys_{};
    ColorRoles roles_;
    plat::Size client_{2, 2};

private:
    std::array<std::unique_ptr<plat::Bitmap>, kLevels> layers_;
    std::array<bool, kLevels> valid_{};
    int layerCount_ = 1;
    std::unique_ptr<TColWin> colWin_;
};

} // namespace quan
