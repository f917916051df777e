// The print format and the window placement record kept in every
// picture window's document header and settings file.
#pragma once

#include <cstdint>

namespace quan {

// Print margins and switches, lengths in inches. The horizontal offset and
// the x unit carry a sign that the print-format dialog shows as a radio
// button (first button: offset not negative; second: x unit not negative).
struct PrintFormat {
    long double horizontalOffset = 1.0L; // upper left corner, from the left edge
    long double verticalOffset = 1.0L;   // upper left corner, from the top edge
    long double width = 6.0L;            // printed picture width
    long double xUnit = -1.0L / 2.54L;   // 1 cm, second radio button off
    bool frameImage = false;
    bool colorPrinter = true;

    bool operator==(const PrintFormat&) const = default;
};

// Where a window sits on the screen.
struct WindowPlacement {
    int32_t left = 40;
    int32_t top = 40;
    int32_t width = 640;
    int32_t height = 480;
    bool maximized = false;

    bool operator==(const WindowPlacement&) const = default;
};

} // namespace quan
