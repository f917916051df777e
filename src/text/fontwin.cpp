#include "text/fontwin.h"

#include "resources/strings.h"

#include <algorithm>

namespace quan {

int screenLogPixelsY()
{
    if (!plat::Platform::installed())
        return 96;
    int v = plat::Platform::get().screenCaps(plat::Cap::LogPixelsY);
    return v > 0 ? v : 96;
}

plat::Font toPlatFont(const LogFont& f)
{
    plat::Font out;
    out.face = f.face();
    out.height = f.height;
    out.weight = f.weight;
    out.italic = f.italic != 0;
    out.underline = f.underline != 0;
    out.strikeOut = f.strikeOut != 0;
    out.charSet = f.charSet;
    out.pitchAndFamily = f.pitchAndFamily;
    out.escapement = f.escapement;
    return out;
}

plat::Font toPlatFont(const FontSlot& slot) { return toPlatFont(slot.font); }

plat::FontChoice fontChoiceOf(const FontSlot& slot)
{
    plat::FontChoice c;
    c.font = toPlatFont(slot);
    c.points = slot.pointSize;
    c.color = slot.color;
    c.effects = slot.effects;
    c.title = slot.dialogTitleId > 0 ? S(slot.dialogTitleId) : S(Str::TextWindowFont);
    if (c.title.empty())
        c.title = S(Str::TextWindowFont);
    return c;
}

void applyFontChoice(FontSlot& slot, const plat::FontChoice& c, int logPixelsY)
{
    if (!c.font.face.empty())
        slot.font.setFace(c.font.face);
    slot.font.weight = std::clamp(c.font.weight, 0, 1000);
    slot.font.italic = c.font.italic ? 1 : 0;
    slot.font.charSet = static_cast<uint8_t>(std::clamp(c.font.charSet, 0, 255));
    slot.font.pitchAndFamily = static_cast<uint8_t>(std::clamp(c.font.pitchAndFamily, 0, 255));
    if (c.points > 0 && c.points <= 1000) {
        slot.pointSize = c.points;
        slot.font.height = fontHeightForPoints(c.points, logPixelsY);
    }
    // Colour, underline and strike-out are offered only with effects.
    if (slot.effects) {
        slot.color = c.color & 0xFFFFFF;
        slot.font.underline = c.font.underline ? 1 : 0;
        slot.font.strikeOut = c.font.strikeOut ? 1 : 0;
    }
}

TFontWin::TFontWin(TQuanFrame* frame, DocInit init)
    : TFileMsgWin(frame, std::move(init)), fonts_(initialFontTable(screenLogPixelsY()))
{
}

FontSlot& TFontWin::fontSlot(int k) { return fonts_[static_cast<size_t>(std::clamp(k, 0, kFontSlots - 1))]; }

const FontSlot& TFontWin::fontSlot(int k) const
{
    return fonts_[static_cast<size_t>(std::clamp(k, 0, kFontSlots - 1))];
}

bool TFontWin::chooseFontSlot(int k)
{
    FontSlot& slot = fontSlot(k);
    plat::FontChoice choice = fontChoiceOf(slot);
    if (!plat::Platform::get().chooseFont(window_.get(), choice))
        return false;
    applyFontChoice(slot, choice, screenLogPixelsY());
    fontChanged(std::clamp(k, 0, kFontSlots - 1));
    return true;
}

void TFontWin::fontChanged(int)
{
    if (window_)
        window_->invalidate();
}

void TFontWin::command(int id)
{
    if (id >= textcmd::FontSlot0 && id <= textcmd::FontSlot9) {
        chooseFontSlot(id - textcmd::FontSlot0);
        return;
    }
    TFileMsgWin::command(id);
}

} // namespace quan
