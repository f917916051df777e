#include "text/prewin.h"

#include "core/qmath.h"
#include "resources/strings.h"
#include "text/colwin.h"

#include <algorithm>

namespace quan {

namespace {

const plat::MenuItem* findMenuItem(const std::vector<plat::MenuItem>& items, int id)
{
    for (const auto& it : items) {
        if (it.id == id && !it.separator)
            return &it;
        if (const auto* sub = findMenuItem(it.items, id))
            return sub;
    }
    return nullptr;
}

} // namespace

TPreWin::TPreWin(TQuanFrame* frame, DocInit init)
    : TFontWin(frame, std::move(init)), colors_(initialColorTable()), roles_(initialColorRoles())
{
    recomputeGreys();
}

TPreWin::~TPreWin()
{
    colWin_.reset();
    // The platform window goes first, while this object can still answer it.
    window_.reset();
}

void TPreWin::create()
{
    TFontWin::create();
    if (window_)
        resized(window_->clientSize());
}

void TPreWin::setColorTable(const ColorTable& table)
{
    colors_ = table;
    recomputeGreys();
    colorsChanged();
}

void TPreWin::setColorEntry(int index, uint32_t c)
{
    if (index < 0 || index >= kColorEntries)
        return;
    colors_.set(index, c);
    recomputeGreys();
    colorsChanged();
}

int TPreWin::grey(int index) const
{
    if (index < 1 || index >= kColorEntries)
        index = 0;
    return greys_[static_cast<size_t>(index)];
}

uint32_t TPreWin::greyColor(int index) const
{
    auto g = static_cast<uint32_t>(grey(index));
    return rgb(g, g, g);
}

void TPreWin::recomputeGreys() { greys_ = greyLevels(colors_); }

int TPreWin::colorRole(int k) const
{
    if (k < 0 || k >= kColorRoles)
        k = 0;
    return roles_[static_cast<size_t>(k)];
}

void TPreWin::setColorRole(int k, int index)
{
    if (k < 0 || k >= kColorRoles || index < 0 || index >= kColorEntries)
        return;
    roles_[static_cast<size_t>(k)] = static_cast<int16_t>(index);
}

TColWin& TPreWin::colorWindow()
{
    if (!colWin_)
        colWin_ = makeWindow<TColWin>(*this);
    return *colWin_;
}

void TPreWin::editColorRole(int k, const std::string& title)
{
    if (k < 0 || k >= kColorRoles)
        return;
    colorWindow().bind(k, title);
}

std::string TPreWin::colorRoleTitle(int k) const
{
    if (window_) {
        plat::Menu m = window_->menu();
        if (const auto* it = findMenuItem(m, textcmd::ColorRole0 + k)) {
            std::string label = stripAmpersand(it->label);
            while (!label.empty() && (label.back() == '.' || label.back() == ' '))
                label.pop_back();
            return label;
        }
    }
    return "";
}

void TPreWin::setLayerCount(int n)
{
    layerCount_ = std::clamp(n, 1, kLevels);
    invalidateLayers();
}

bool TPreWin::layerValid(int level) const
{
    return level >= 0 && level < layerCount_ && valid_[static_cast<size_t>(level)];
}

void TPreWin::invalidateLayer(int level)
{
    for (int l = std::max(level, 0); l < kLevels; ++l)
        valid_[static_cast<size_t>(l)] = false;
    if (window_)
        window_->invalidate();
}

plat::Bitmap* TPreWin::layerBitmap(int level) const
{
    if (level < 0 || level >= kLevels)
        return nullptr;
    return layers_[static_cast<size_t>(level)].get();
}

void TPreWin::renderLayers()
{
    for (int l = 0; l < layerCount_; ++l) {
        auto& bmp = layers_[static_cast<size_t>(l)];
        if (valid_[static_cast<size_t>(l)] && bmp && bmp->size() == client_)
            continue;
        if (!bmp || bmp->size() != client_)
            bmp = plat::Platform::get().createBitmap(client_);
        if (!bmp)
            return;
        if (l > 0)
            bmp->dc().drawBitmap({0, 0}, *layers_[static_cast<size_t>(l - 1)]);
        drawLayer(l, bmp->dc());
        valid_[static_cast<size_t>(l)] = true;
        // The levels above build on this one.
        for (int above = l + 1; above < kLevels; ++above)
            valid_[static_cast<size_t>(above)] = false;
    }
}

void TPreWin::drawLayer(int level, plat::DC& dc)
{
    if (level == Background)
        dc.fillRect({0, 0, client_.w, client_.h}, color(colorRole(0)));
}

void TPreWin::paint(plat::DC& dc)
{
    renderLayers();
    if (const auto* top = layers_[static_cast<size_t>(layerCount_ - 1)].get())
        dc.drawBitmap({0, 0}, *top);
}

void TPreWin::resized(plat::Size client)
{
    plat::Size s{std::max(2, client.w), std::max(2, client.h)};
    if (s == client_)
        return;
    client_ = s;
    invalidateLayers();
}

void TPreWin::command(int id)
{
    if (id >= textcmd::ColorRole0 && id <= textcmd::ColorRole14) {
        int k = id - textcmd::ColorRole0;
        editColorRole(k, colorRoleTitle(k));
        return;
    }
    TFontWin::command(id);
}

} // namespace quan
