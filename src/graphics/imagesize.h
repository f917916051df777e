// The Image size command's arithmetic: entries in centimetres, or in
// pixels when one of them ends with an at sign.
#pragma once

#include "platform/geometry.h"

#include <string>

namespace quan {

struct ScreenMetrics {
    int logPixelsX = 96, logPixelsY = 96;
    int horzRes = 1280, vertRes = 1024;
};

// Reads the two entries of the size dialog. When either ends with '@'
// (and has at least two characters) both are pixel counts (a trailing '@'
// dropped from each), each at least 50; otherwise both are centimetres
// between 0.5 and 27.0, converted with round(cm * 0.3937007874 * LOGPIXELS).
// Either way the window (the client plus the frame) must fit the screen
// with 8 pixels to spare. Returns 0 with the client size in out, 1 "cannot
// understand" for an entry that is not a number, or 17 "out of bounds".
int parseImageSize(const std::string& width, const std::string& height, const ScreenMetrics& screen,
                   plat::Size frame, plat::Size& out);

// The dialog's preset: the drawing area in centimetres, one decimal.
std::string imageSizeText(int pixels, int logPixels);

} // namespace quan
