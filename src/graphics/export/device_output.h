// The device-based picture outputs of the picture windows: Print (303),
// Simulprint (307), Copy to clipboard (311: image, SVG and enhanced
// metafile in one clipboard change), Bitmap to clipboard (310), Metafile
// (370) and BMP (374). All of them draw through the window's own DrawPage
// on another device: a printer page, a memory bitmap or an EmfWriter.
#pragma once

#include "graphics/export/emf_writer.h"
#include "graphics/velwing.h"

#include <memory>
#include <string>

namespace quan {

// The reference device of the metafiles: the screen.
EmfSettings screenEmfSettings(const TVELWing& win, int scale);

// Page `page` as an enhanced metafile: metafile scale `scale` (pens, fonts,
// coordinates and label offsets grow by it), the background first when
// copies include it. The window is left as it was.
std::string metafileOfPage(TVELWing& win, int page, int scale);
// Page `page` in a new bitmap of the drawing area's size, filled with the
// background colour first; nullptr when no bitmap can be made.
std::unique_ptr<plat::Bitmap> bitmapOfPage(TVELWing& win, int page);
// The picture as one SVG page (as the SVG export writes it).
std::string svgOfPicture(TVELWing& win);

// Draws the current picture on one printer page, with the printer's
// resolution and offsets and the print format's width and offsets; the
// window's view, roles and flags are as before afterwards. False when the
// printer refused the page.
bool printPage(TVELWing& win, plat::Printer& printer);

// The commands.
void printPicture(TVELWing& win);
void simulprint(TVELWing& win);
void copyPicture(TVELWing& win);
void copyBitmap(TVELWing& win);
void exportDevicePages(TVELWing& win, ExportFormat f); // Bmp or Emf

void registerDeviceOutputs();
void unregisterDeviceOutputs();

} // namespace quan
