// TFontWin: the base of every text and picture window. It adds the ten-slot
// font table and the font dialog of each slot to the document window.
#pragma once

#include "docfile/fonts.h"
#include "resources/commands.h"
#include "shell/filemsgwin.h"

#include <memory>
#include <utility>

namespace quan {

// The screen's LOGPIXELSY (96 when no platform is installed).
int screenLogPixelsY();

// The platform font of a slot: the slot's LOGFONT fields as they matter for
// drawing. The text keeps its original bytes; a Symbol slot (character set
// 2) is drawn by the desktop through symbolToUnicode.
plat::Font toPlatFont(const FontSlot& slot);
plat::Font toPlatFont(const LogFont& font);

// The font dialog's data for a slot, and the slot after the dialog's OK:
// the face, weight, effects and point size are taken over and the height is
// recomputed from the point size for a screen of logPixelsY.
plat::FontChoice fontChoiceOf(const FontSlot& slot);
void applyFontChoice(FontSlot& slot, const plat::FontChoice& choice, int logPixelsY);

// Creates a window object and its platform window.
template <class T, class... A>
std::unique_ptr<T> makeWindow(A&&... args)
{
    auto w = std::make_unique<T>(std::forward<A>(args)...);
    w->create();
    return w;
}

class TFontWin : public TFileMsgWin {
public:
    TFontWin(TQuanFrame* frame, DocInit init);

    FontTable& fonts() { return fonts_; }
    const FontTable& fonts() const { return fonts_; }
    // Slot k (clamped to 0..9).
    FontSlot& fontSlot(int k);
    const FontSlot& fontSlot(int k) const;
    plat::Font font(int k) const { return toPlatFont(fontSlot(k)); }

    // The font dialog of slot k, titled with the slot's title string
    // ("text-window font" unless the slot says otherwise). True on OK, after
    // which fontChanged(k) has run.
    bool chooseFontSlot(int k);

    void command(int id) override;

protected:
    // A slot's font was changed by its dialog; the default repaints.
    virtual void fontChanged(int k);

    FontTable fonts_;
};

} // namespace quan
