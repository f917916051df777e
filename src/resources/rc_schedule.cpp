// Menus, accelerators and the list-processing manager of the scheduling
// window.
#include "resources/rc.h"

namespace quan {

extern const char kScheduleRc[] = R"RC(
MENU GRSMENU
POPUP "&File"
  MENUITEM "&Open ...", cm::Open
  POPUP "&New"
    MENUITEM "&Grid points ...", schedcmd::GridPoints
    MENUITEM "&Weight range ...", schedcmd::WeightRange
    MENUITEM SEPARATOR
    MENUITEM "&Paste", schedcmd::Paste
  END
  MENUITEM "&Save", cm::Save
  MENUITEM "Save &As ...", cm::SaveAs
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", gcm::Print
  MENUITEM "&Format ...", gcm::Format
  MENUITEM "Select p&rinter ...", gcm::SelectPrinter
  MENUITEM SEPARATOR
  MENUITEM "&Copy to clipboard", gcm::CopyToClipboard
  MENUITEM "&With back color", gcm::WithBackColor
  MENUITEM "&High resolution", gcm::HighResolution
  POPUP "&Export graphics"
    MENUITEM "&EPS ...", gcm::ExportEps
    MENUITEM "&SVG ...", gcm::ExportSvg
    MENUITEM "&PiCTeX ...", gcm::ExportPicTeX
    MENUITEM "&Metafile ...", gcm::Metafile
    MENUITEM "&BMP ...", gcm::ExportBmp
  END
  MENUITEM "&Image size ...", gcm::ImageSize
  MENUITEM "&Bitmap to clipboard", gcm::BitmapToClipboard
  MENUITEM SEPARATOR
  MENUITEM "&Help", schedcmd::HelpFile
  MENUITEM "E&xit", cm::Exit
END
POPUP "&Edit"
  MENUITEM "&Single labels ...", grcmd::SingleLabels
  POPUP "&All labels"
    MENUITEM "&Bullet", grcmd::IconFirst+1
    MENUITEM "&Circle", grcmd::IconFirst+2
    MENUITEM "&Solid box", grcmd::IconFirst+3
    MENUITEM "&Empty box", grcmd::IconFirst+4
    MENUITEM "&No icon", grcmd::IconFirst
    MENUITEM SEPARATOR
    MENUITEM "&Alphabet", grcmd::TextFirst+1
    MENUITEM "&User labels", grcmd::TextFirst+2
    MENUITEM "No &text", grcmd::TextFirst
    MENUITEM SEPARATOR
    MENUITEM "&Home", grcmd::LabelsHome
    MENUITEM "&Offset", grcmd::LabelsOffset
  END
  MENUITEM "Home &weights", schedcmd::HomeWeights
  MENUITEM "O&ffset weights", schedcmd::OffsetWeights
  MENUITEM SEPARATOR
  MENUITEM "&Help", schedcmd::HelpEdit
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
  MENUITEM "&Help", schedcmd::HelpView
END
POPUP "&Btns"
  MENUITEM "&Drawing", gcm::ModeDrawing
  MENUITEM "&Vertex move", gcm::ModeVertexMove
  MENUITEM "&Text", gcm::ModeText
  MENUITEM "&Arrow flip (RB)", schedcmd::ArrowFlip
  MENUITEM "&Graphics", gcm::ModeGraphics
  MENUITEM SEPARATOR
  MENUITEM "&Redraw deletion", grcmd::RedrawDeletion
  MENUITEM "Tool&bar", grcmd::Toolbar
  MENUITEM SEPARATOR
  MENUITEM "&Help", schedcmd::HelpBtns
END
POPUP "&Misc"
  POPUP "&Fonts"
    MENUITEM "&Labels ...", schedcmd::FontLabels
    MENUITEM "&Weights ...", schedcmd::FontWeights
    MENUITEM "&Times ...", schedcmd::FontTimes
    MENUITEM "&Summary ...", schedcmd::FontSummary
  END
  POPUP "&Colors"
    MENUITEM "&Background ...", schedcmd::ColorBackground
    MENUITEM "&Labels ...", schedcmd::ColorLabels
    MENUITEM "&Icons ...", schedcmd::ColorIcons
    MENUITEM "&Weights ...", schedcmd::ColorWeights
    MENUITEM "&Edges ...", schedcmd::ColorEdges
    MENUITEM "&Times ...", schedcmd::ColorTimes
    MENUITEM "Task &cells ...", schedcmd::ColorTaskCells
    MENUITEM "I&dle time ...", schedcmd::ColorIdleTime
    MENUITEM "&Summary ...", schedcmd::ColorSummary
    MENUITEM "L&unch", cm::Lunch
  END
  MENUITEM "&Data ...", grcmd::Data
  MENUITEM "&Icon size ...", grcmd::IconSize
  MENUITEM "Decimal &places ...", gcm::DecimalPlacesMisc
  MENUITEM "&Notebook", gcm::Notebook
  MENUITEM "copy &Schedule", schedcmd::CopySchedule
  MENUITEM "copy Di&graph", schedcmd::CopyDigraph
  MENUITEM "T&hicken print ...", grcmd::ThickenPrint
  MENUITEM SEPARATOR
  MENUITEM "Simul&print", gcm::Simulprint
  MENUITEM SEPARATOR
  MENUITEM "&Help", schedcmd::HelpMisc
END
END

// The graph window's keys without its paste and label-kind keys.
ACCELERATORS GRSMENU
  "D", gcm::ModeDrawing, CONTROL
  "M", gcm::ModeVertexMove, CONTROL
  VK_HOME, grcmd::LabelsOffset, CONTROL
  VK_PRIOR, gcm::ZoomIn
  VK_NEXT, gcm::ZoomOut
  VK_LEFT, gcm::ShiftLeft
  VK_RIGHT, gcm::ShiftRight
  VK_DOWN, gcm::ShiftDown
  VK_UP, gcm::ShiftUp
  "L", gcm::LastWindow, CONTROL
  "S", cm::Save, CONTROL
  "O", cm::Open, CONTROL
  "P", gcm::Print, CONTROL
END

// The list-processing manager: the processor count (101), the priority
// list (102), "apply digraph ordering" (103) and the buttons CP list (201),
// sort (202), apply (203), undo (204) and help (205).
DIALOG SCHED "list-processing manager", 176, 92
  LTEXT "processors", -1, 8, 10, 50, 10
  DROPDOWN 101, 60, 8, 40, 120
  LTEXT "priority list", -1, 8, 28, 160, 10
  EDITTEXT 102, 8, 40, 160, 12
  CHECKBOX "apply digraph ordering", 103, 8, 56, 160, 10
  PUSHBUTTON "CP list", 201, 8, 72, 28, 14
  PUSHBUTTON "sort ", 202, 40, 72, 28, 14
  DEFPUSHBUTTON "apply", 203, 72, 72, 30, 14
  PUSHBUTTON "undo", 204, 106, 72, 28, 14
  PUSHBUTTON "help", 205, 138, 72, 30, 14
END

// Grid points: rows (102) and columns (104).
DIALOG CITYMAP "grid", 180, 62
  LTEXT "rows", -1, 8, 10, 50, 10
  EDITTEXT 102, 60, 8, 40, 12
  LTEXT "columns", -1, 8, 26, 50, 10
  EDITTEXT 104, 60, 24, 40, 12
  DEFPUSHBUTTON "ok", 1, 120, 8, 50, 14
  PUSHBUTTON "cancel", 2, 120, 26, 50, 14
END

// Weight range: the lowest (102) and highest (104) time drawn.
DIALOG RNDRANGE "random weights", 180, 62
  LTEXT "set low", -1, 8, 10, 50, 10
  EDITTEXT 102, 60, 8, 40, 12
  LTEXT "set high", -1, 8, 26, 50, 10
  EDITTEXT 104, 60, 24, 40, 12
  DEFPUSHBUTTON "ok", 1, 120, 8, 50, 14
  PUSHBUTTON "cancel", 2, 120, 26, 50, 14
END
)RC";

} // namespace quan
