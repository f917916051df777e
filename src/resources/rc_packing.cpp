// Menus, accelerators and the manager dialog of the bin-packing window.
#include "resources/rc.h"

namespace quan {

extern const char kPackingRc[] = R"RC(
MENU PACKMENU
POPUP "&File"
  MENUITEM "&Open ...", cm::Open
  POPUP "&New"
    MENUITEM "&Random ...", packcmd::Random
    MENUITEM "&Paste items ...", packcmd::Paste
    MENUITEM "&Shuffle", packcmd::Shuffle
    MENUITEM "R&estore", packcmd::Restore
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
  MENUITEM "&Help", packcmd::HelpFile
  MENUITEM "E&xit", cm::Exit
END
POPUP "&View"
  MENUITEM "Shift &Right", gcm::ShiftRight
  MENUITEM "Shift &Left", gcm::ShiftLeft
  MENUITEM "&Percentage ...", gcm::Percentage
  MENUITEM "Last &window", gcm::LastWindow
  MENUITEM "&Autofit", packcmd::Autofit
  MENUITEM SEPARATOR
  MENUITEM "&Help", packcmd::HelpView
END
POPUP "&Btns"
  MENUITEM "&Text", gcm::ModeText
  MENUITEM "&Graphics", gcm::ModeGraphics
  MENUITEM "&Coordinates", gcm::ModeCoordinates
  MENUITEM SEPARATOR
  MENUITEM "&Help", packcmd::HelpBtns
END
POPUP "&Misc"
  POPUP "&Fonts"
    MENUITEM "&Summary text ...", textcmd::FontSlot0
  END
  POPUP "&Colors"
    MENUITEM "&Background ...", textcmd::ColorRole0
    MENUITEM "&Occupied ...", textcmd::ColorRole0+12
    MENUITEM "&Empty ...", textcmd::ColorRole0+13
    MENUITEM "&Summary text ...", textcmd::ColorRole0+7
    MENUITEM "&Coordinates ...", textcmd::ColorRole0+8
    MENUITEM "&Lunch", cm::Lunch
  END
  MENUITEM "&Decimal places ...", gcm::DecimalPlacesMisc
  MENUITEM "Delete &text", packcmd::DeleteText
  MENUITEM "&Notebook", gcm::Notebook
  MENUITEM SEPARATOR
  MENUITEM "copy &Example", packcmd::CopyExample
  MENUITEM "copy &Solution", packcmd::CopySolution
  MENUITEM "&Optimum", packcmd::Optimum
  MENUITEM "Item si&zes", packcmd::ItemSizes
  MENUITEM SEPARATOR
  MENUITEM "Simul&print", gcm::Simulprint
  MENUITEM SEPARATOR
  MENUITEM "&Help", packcmd::HelpMisc
END
END

ACCELERATORS PACKMENU
  VK_LEFT, gcm::ShiftLeft
  VK_RIGHT, gcm::ShiftRight
  "L", gcm::LastWindow, CONTROL
  "S", cm::Save, CONTROL
  "O", cm::Open, CONTROL
  "P", gcm::Print, CONTROL
END

// The bin-packing manager (modeless): the capacity, one of six methods,
// the sorting; apply packs.
DIALOG BINS "bin-packing manager", 132, 152
  LTEXT "bin size", -1, 8, 10, 40, 10
  EDITTEXT 101, 52, 8, 72, 12
  RADIOBUTTON "next fit", 201, 8, 28, 116, 10
  RADIOBUTTON "first fit", 202, 8, 40, 116, 10
  RADIOBUTTON "last fit", 203, 8, 52, 116, 10
  RADIOBUTTON "best fit", 204, 8, 64, 116, 10
  RADIOBUTTON "worst fit", 205, 8, 76, 116, 10
  RADIOBUTTON "almost-worst fit", 206, 8, 88, 116, 10
  CHECKBOX "sort items", 211, 8, 104, 116, 10
  CHECKBOX "decreasing", 212, 8, 116, 116, 10
  DEFPUSHBUTTON "apply", 301, 8, 132, 56, 14
  PUSHBUTTON "help", 302, 68, 132, 56, 14
END
)RC";

} // namespace quan
