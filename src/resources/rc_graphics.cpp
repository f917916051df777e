// Menus, accelerators and dialog templates of the graphics windows.
#include "resources/rc.h"

namespace quan {

extern const char kGraphicsRc[] = R"RC(
// The menu bar of a plain picture window: File, View and Colors. Topic
// windows build their own bars from the same command ids.
MENU PICMENU
POPUP "&File"
  MENUITEM "&Print ...", gcm::Print
  MENUITEM "&Format ...", gcm::Format
  MENUITEM "Select p&rinter ...", gcm::SelectPrinter
  MENUITEM SEPARATOR
  MENUITEM "&Copy to clipboard", gcm::CopyToClipboard
  MENUITEM "&Bitmap to clipboard", gcm::BitmapToClipboard
  MENUITEM "&With back color", gcm::WithBackColor
  MENUITEM "&High resolution", gcm::HighResolution
  POPUP "&Export graphics"
    MENUITEM "&EPS ...", gcm::ExportEps
    MENUITEM "&SVG ...", gcm::ExportSvg
    MENUITEM "&PiCTeX ...", gcm::ExportPicTeX
    MENUITEM "&Metafile ...", gcm::Metafile
  END
  MENUITEM "&Image size ...", gcm::ImageSize
  MENUITEM SEPARATOR
  MENUITEM "&Decimal places ...", gcm::DecimalPlaces
  MENUITEM "&Notebook", gcm::Notebook
  MENUITEM SEPARATOR
  MENUITEM "&Help", gcm::FileHelp
  MENUITEM "E&xit", cm::Exit
END
POPUP "&View"
  MENUITEM "&View ...", gcm::ViewDialog
  MENUITEM "Zoom &Out", gcm::ZoomOut
  MENUITEM "Zoom &In", gcm::ZoomIn
  MENUITEM "&Factor ...", gcm::Factor
  MENUITEM SEPARATOR
  MENUITEM "Shift &Right", gcm::ShiftRight
  MENUITEM "Shift &Left", gcm::ShiftLeft
  MENUITEM "Shift &Up", gcm::ShiftUp
  MENUITEM "Shift &Down", gcm::ShiftDown
  MENUITEM "&Percentage ...", gcm::Percentage
  MENUITEM "Last &window", gcm::LastWindow
  MENUITEM SEPARATOR
  MENUITEM "&Axes", gcm::Axes
  MENUITEM "&Solid arrowheads", gcm::SolidArrowheads
  MENUITEM "O&paque", gcm::Opaque
  MENUITEM "&Grid ...", gcm::Grid
  POPUP "Axes &thickness"
    MENUITEM "&Screen ...", gcm::AxesScreen
    MENUITEM "&Printed ...", gcm::AxesPrinted
  END
  POPUP "Grid&lines thickness"
    MENUITEM "&Screen ...", gcm::GridScreen
    MENUITEM "&Printed ...", gcm::GridPrinted
  END
  MENUITEM "&Hyphen to minus ...", gcm::HyphenToMinus
  MENUITEM SEPARATOR
  MENUITEM "&Help", gcm::ViewHelp
END
POPUP "&Colors"
  MENUITEM "&Background ...", textcmd::ColorRole0
  MENUITEM "Color &1 ...", textcmd::ColorRole0+1
  MENUITEM "Color &2 ...", textcmd::ColorRole0+2
  MENUITEM "&Axes ...", textcmd::ColorRole0+3
  MENUITEM "Color &4 ...", textcmd::ColorRole0+4
  MENUITEM "Color &5 ...", textcmd::ColorRole0+5
  MENUITEM "Color &6 ...", textcmd::ColorRole0+6
  MENUITEM "Color &7 ...", textcmd::ColorRole0+7
  MENUITEM "Color &8 ...", textcmd::ColorRole0+8
  MENUITEM "Color &9 ...", textcmd::ColorRole0+9
  MENUITEM "&Grid lines ...", textcmd::ColorRole0+10
  MENUITEM "Color 11 ...", textcmd::ColorRole0+11
  MENUITEM "Color 12 ...", textcmd::ColorRole0+12
  MENUITEM "Color 13 ...", textcmd::ColorRole0+13
  MENUITEM "Color 14 ...", textcmd::ColorRole0+14
  MENUITEM SEPARATOR
  MENUITEM "&Help", gcm::ColorsHelp
END
END

// The keys of the View menu: PgUp and PgDn zoom, the arrow keys shift,
// Ctrl+L goes back to the last window, Ctrl+G opens the grid dialog.
ACCELERATORS PICMENU
  VK_PRIOR, gcm::ZoomIn
  VK_NEXT, gcm::ZoomOut
  VK_LEFT, gcm::ShiftLeft
  VK_RIGHT, gcm::ShiftRight
  VK_DOWN, gcm::ShiftDown
  VK_UP, gcm::ShiftUp
  "L", gcm::LastWindow, CONTROL
  "G", gcm::Grid, CONTROL
  "P", gcm::Print, CONTROL
  "P", gcm::Format, CONTROL, SHIFT
END

// The view dialogs (modeless): "apply" sets the view, "close" hides.
// Centre and width: 201 hori, 202 vert, 203 width.
DIALOG VIEWCEN "view", 170, 80
  LTEXT "hori", -1, 8, 10, 40, 10
  EDITTEXT 201, 50, 8, 110, 12
  LTEXT "vert", -1, 8, 26, 40, 10
  EDITTEXT 202, 50, 24, 110, 12
  LTEXT "width", -1, 8, 42, 40, 10
  EDITTEXT 203, 50, 40, 110, 12
  DEFPUSHBUTTON "apply", 1, 24, 60, 50, 14
  PUSHBUTTON "close", 2, 96, 60, 50, 14
END
// Corners: 204 left, 205 right, 206 down, 207 up.
DIALOG VIEWCOR "view", 170, 96
  LTEXT "left", -1, 8, 10, 40, 10
  EDITTEXT 204, 50, 8, 110, 12
  LTEXT "right", -1, 8, 26, 40, 10
  EDITTEXT 205, 50, 24, 110, 12
  LTEXT "down", -1, 8, 42, 40, 10
  EDITTEXT 206, 50, 40, 110, 12
  LTEXT "up", -1, 8, 58, 40, 10
  EDITTEXT 207, 50, 56, 110, 12
  DEFPUSHBUTTON "apply", 1, 24, 76, 50, 14
  PUSHBUTTON "close", 2, 96, 76, 50, 14
END
// Both: "apply" (208) sets the centre and width, "apply" (209) the corners.
DIALOG VIEWALL "view", 330, 96
  LTEXT "hori", -1, 8, 10, 40, 10
  EDITTEXT 201, 50, 8, 100, 12
  LTEXT "vert", -1, 8, 26, 40, 10
  EDITTEXT 202, 50, 24, 100, 12
  LTEXT "width", -1, 8, 42, 40, 10
  EDITTEXT 203, 50, 40, 100, 12
  PUSHBUTTON "apply", 208, 50, 58, 50, 14
  LTEXT "left", -1, 168, 10, 40, 10
  EDITTEXT 204, 210, 8, 100, 12
  LTEXT "right", -1, 168, 26, 40, 10
  EDITTEXT 205, 210, 24, 100, 12
  LTEXT "down", -1, 168, 42, 40, 10
  EDITTEXT 206, 210, 40, 100, 12
  LTEXT "up", -1, 168, 58, 40, 10
  EDITTEXT 207, 210, 56, 100, 12
  PUSHBUTTON "apply", 209, 210, 74, 50, 14
  PUSHBUTTON "close", 2, 140, 78, 50, 14
END

// Axes and grid settings.
DIALOG SETGRID "grid and axes", 330, 250
  GROUPBOX "axes", -1, 4, 2, 160, 108
  CHECKBOX "axes on", 201, 10, 12, 70, 10
  CHECKBOX "solid arrowheads", 202, 84, 12, 76, 10
  RADIOBUTTON "both", 211, 10, 26, 34, 10
  RADIOBUTTON "x", 212, 46, 26, 24, 10
  RADIOBUTTON "y", 213, 72, 26, 24, 10
  RADIOBUTTON "polar", 214, 98, 26, 40, 10
  CHECKBOX "ticks", 215, 10, 40, 34, 10
  CHECKBOX "arrows", 216, 46, 40, 38, 10
  CHECKBOX "dots", 217, 86, 40, 30, 10
  CHECKBOX "labels", 218, 118, 40, 40, 10
  LTEXT "tick interval x", -1, 10, 56, 60, 10
  EDITTEXT 221, 72, 54, 40, 12
  LTEXT "y", -1, 116, 56, 6, 10
  EDITTEXT 222, 122, 54, 38, 12
  LTEXT "tick length (% of screen)", -1, 10, 72, 100, 10
  EDITTEXT 223, 112, 70, 48, 12
  PUSHBUTTON "labels on axes ...", 260, 10, 88, 80, 14
  GROUPBOX "scale", -1, 168, 2, 158, 108
  CHECKBOX "numbers on x", 224, 174, 12, 70, 10
  CHECKBOX "numbers on y", 225, 248, 12, 70, 10
  CHECKBOX "pi on x", 226, 174, 26, 70, 10
  CHECKBOX "pi on y", 227, 248, 26, 70, 10
  RADIOBUTTON "axes", 228, 174, 40, 50, 10
  RADIOBUTTON "border", 229, 226, 40, 50, 10
  CHECKBOX "opaque", 203, 278, 40, 46, 10
  LTEXT "decimals x", -1, 174, 56, 50, 10
  EDITTEXT 231, 226, 54, 30, 12
  LTEXT "y", -1, 260, 56, 6, 10
  EDITTEXT 232, 268, 54, 30, 12
  LTEXT "label every x", -1, 174, 72, 50, 10
  EDITTEXT 233, 226, 70, 30, 12
  LTEXT "y", -1, 260, 72, 6, 10
  EDITTEXT 234, 268, 70, 30, 12
  LTEXT "pi character", -1, 174, 90, 50, 10
  EDITTEXT 257, 226, 88, 30, 12
  GROUPBOX "grid", -1, 4, 112, 160, 88
  CHECKBOX "rectangular", 241, 10, 122, 60, 10
  CHECKBOX "I", 242, 74, 122, 18, 10
  CHECKBOX "II", 243, 94, 122, 20, 10
  CHECKBOX "III", 244, 116, 122, 22, 10
  CHECKBOX "IV", 245, 140, 122, 22, 10
  CHECKBOX "polar sectors", 246, 10, 138, 64, 10
  EDITTEXT 248, 78, 136, 30, 12
  CHECKBOX "dotted", 247, 10, 154, 60, 10
  GROUPBOX "thickness (pixels)", -1, 168, 112, 158, 88
  LTEXT "axes: screen", -1, 174, 124, 56, 10
  EDITTEXT 251, 232, 122, 26, 12
  LTEXT "printed", -1, 262, 124, 30, 10
  EDITTEXT 252, 294, 122, 26, 12
  LTEXT "grid: screen", -1, 174, 140, 56, 10
  EDITTEXT 253, 232, 138, 26, 12
  LTEXT "printed", -1, 262, 140, 30, 10
  EDITTEXT 254, 294, 138, 26, 12
  CHECKBOX "hyphen to minus", 255, 174, 158, 80, 10
  EDITTEXT 256, 260, 156, 40, 12
  DEFPUSHBUTTON "ok", 1, 100, 224, 50, 14
  PUSHBUTTON "cancel", 2, 180, 224, 50, 14
END

// The letters at the axis ends.
DIALOG AXVBLS "labels on axes", 160, 84
  LTEXT "1st", -1, 8, 10, 30, 10
  EDITTEXT 301, 40, 8, 110, 12
  LTEXT "2nd", -1, 8, 26, 30, 10
  EDITTEXT 302, 40, 24, 110, 12
  LTEXT "3rd", -1, 8, 42, 30, 10
  EDITTEXT 303, 40, 40, 110, 12
  DEFPUSHBUTTON "ok", 1, 24, 62, 50, 14
  PUSHBUTTON "cancel", 2, 86, 62, 50, 14
END

// The export settings of EPS, SVG and PicTeX pictures; each use shows its
// own controls and names them.
// 201 width, 202 box number (SVG: height), 211..214 the TeX modes,
// 220 "pages" with the count in 221 (EPS and SVG: 105 names it), 222
// whitespace radius, 223 parameters.
DIALOG PICTEX "PiCTeX setup", 200, 150
  LTEXT "width (cm)", 101, 8, 10, 74, 10
  EDITTEXT 201, 84, 8, 60, 12
  LTEXT "box number", 102, 8, 26, 74, 10
  EDITTEXT 202, 84, 24, 60, 12
  RADIOBUTTON "TeX standalone", 211, 8, 42, 90, 10
  RADIOBUTTON "LaTeX2e standalone", 212, 100, 42, 96, 10
  RADIOBUTTON "TeX compilable", 213, 8, 54, 90, 10
  RADIOBUTTON "TeX insertable", 214, 100, 54, 96, 10
  CHECKBOX "pages", 220, 8, 70, 74, 10
  LTEXT "number of pages", 105, 8, 70, 74, 10
  EDITTEXT 221, 84, 68, 60, 12
  LTEXT "whitespace radius", 103, 8, 86, 74, 10
  EDITTEXT 222, 84, 84, 60, 12
  LTEXT "parameters", 104, 8, 102, 74, 10
  EDITTEXT 223, 84, 100, 60, 12
  DEFPUSHBUTTON "ok", 1, 30, 124, 50, 14
  PUSHBUTTON "cancel", 2, 110, 124, 50, 14
END
)RC";

} // namespace quan
