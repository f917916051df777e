// Menus and accelerators of the apportionment window.
#include "resources/rc.h"

namespace quan {

extern const char kApportionRc[] = R"RC(
MENU APPMENU
POPUP "&File"
  INCLUDE TABLEFILE
  MENUITEM "&Lunch ...", cm::Lunch
  MENUITEM "E&xit", cm::Exit
  MENUITEM SEPARATOR
  MENUITEM "&Help", appcmd::HelpFile
END
POPUP "&Data"
  POPUP "&Census"
    MENUITEM "1790 (&A)", appcmd::CensusFirst
    MENUITEM "1800 (&B)", appcmd::CensusFirst+1
    MENUITEM "1810 (&C)", appcmd::CensusFirst+2
    MENUITEM "1820 (&D)", appcmd::CensusFirst+3
    MENUITEM "1830 (&E)", appcmd::CensusFirst+4
    MENUITEM "1840 (&F)", appcmd::CensusFirst+5
    MENUITEM "1850 (&G)", appcmd::CensusFirst+6
    MENUITEM "1860 (&H)", appcmd::CensusFirst+7
    MENUITEM "1870 (&I)", appcmd::CensusFirst+8
    MENUITEM "1880 (&J)", appcmd::CensusFirst+9
    MENUITEM "1890 (&K)", appcmd::CensusFirst+10
    MENUITEM "1900 (&L)", appcmd::CensusFirst+11
    MENUITEM "1910 (&M)", appcmd::CensusFirst+12
    MENUITEM "1920 (&N)", appcmd::CensusFirst+13
    MENUITEM "1930 (&O)", appcmd::CensusFirst+14
    MENUITEM "1940 (&P)", appcmd::CensusFirst+15
    MENUITEM "1950 (&Q)", appcmd::CensusFirst+16
    MENUITEM "1960 (&R)", appcmd::CensusFirst+17
    MENUITEM "1970 (&S)", appcmd::CensusFirst+18
    MENUITEM "1980 (&T)", appcmd::CensusFirst+19
    MENUITEM "1990 (&U)", appcmd::CensusFirst+20
    MENUITEM "2000 (&V)", appcmd::CensusFirst+21
    MENUITEM "2010 (&W)", appcmd::CensusFirst+22
    MENUITEM SEPARATOR
    MENUITEM "&a = 1970 [-foreign]", appcmd::CensusVariantFirst
    MENUITEM "&b = 1984 [hypothetical]", appcmd::CensusVariantFirst+1
    MENUITEM "&c = 1984 [hypothetical]", appcmd::CensusVariantFirst+2
    MENUITEM "&d = 1990 [-foreign]", appcmd::CensusVariantFirst+3
  END
  MENUITEM "&Number of states ...", appcmd::StateCount
  MENUITEM "&Delete rows ...", appcmd::DeleteRows
  MENUITEM SEPARATOR
  MENUITEM "&Help", appcmd::HelpData
END
POPUP "&Method"
  MENUITEM "&0 = Hamilton", appcmd::MethodBase
  MENUITEM "&1 = Hamilton [min=1]", appcmd::MethodBase+1
  MENUITEM "&2 = Lowndes", appcmd::MethodBase+9
  MENUITEM "&3 = Jefferson", appcmd::MethodBase+2
  MENUITEM "&4 = Jefferson [min=1]", appcmd::MethodBase+3
  MENUITEM "&5 = Webster", appcmd::MethodBase+4
  MENUITEM "&6 = Webster [min=1]", appcmd::MethodBase+5
  MENUITEM "&7 = Adams", appcmd::MethodBase+6
  MENUITEM "&8 = Huntington-Hill", appcmd::MethodBase+7
  MENUITEM "&9 = Dean", appcmd::MethodBase+8
  MENUITEM SEPARATOR
  MENUITEM "&Divisor ...", appcmd::Divisor
  MENUITEM "&Watch", appcmd::Watch
  MENUITEM SEPARATOR
  MENUITEM "&Help", appcmd::HelpMethod
END
POPUP "&Arrange"
  MENUITEM "by &Name", appcmd::ByName
  MENUITEM "by &Population", appcmd::ByPopulation
  MENUITEM "by &District size", appcmd::ByDistrict
  MENUITEM "by &Critical value", appcmd::ByCritical
  INCLUDE TABLEARRANGE
END
POPUP "&Other"
  MENUITEM "&Priority list", appcmd::PriorityList
  MENUITEM "&Register apportionment ...", appcmd::Register
  MENUITEM "&See summary", appcmd::Summary
  MENUITEM "&Zero summary", appcmd::ZeroSummary
  MENUITEM SEPARATOR
  MENUITEM "&Electoral power", appcmd::ElectoralPower
  MENUITEM SEPARATOR
  MENUITEM "&Help", appcmd::HelpOther
END
POPUP "F&ormat"
  MENUITEM "&Width of columns ...", appcmd::ColumnWidth
  MENUITEM "&Quota places ...", appcmd::QuotaPlaces
  INCLUDE TABLEFORMAT
END
END

ACCELERATORS APPMENU
  VK_F12, cm::Lunch
  "S", cm::Save, CONTROL
  "O", cm::Open, CONTROL
  "P", cm::Print, CONTROL
  "D", appcmd::Divisor, CONTROL
END

// The divisor watch plot.
MENU DIVMENU
POPUP "&File"
  MENUITEM "&Print ...", gcm::Print
  MENUITEM "&Format ...", gcm::Format
  MENUITEM "Select p&rinter ...", gcm::SelectPrinter
  MENUITEM SEPARATOR
  MENUITEM "&Copy to clipboard", gcm::CopyToClipboard
  MENUITEM "&With back color", gcm::WithBackColor
  MENUITEM "&High resolution", gcm::HighResolution
  MENUITEM "&Bitmap to clipboard", gcm::BitmapToClipboard
  POPUP "&Export graphics"
    MENUITEM "&EPS ...", gcm::ExportEps
    MENUITEM "&SVG ...", gcm::ExportSvg
    MENUITEM "&PiCTeX ...", gcm::ExportPicTeX
    MENUITEM "&Metafile ...", gcm::Metafile
  END
  MENUITEM "&Image size ...", gcm::ImageSize
  MENUITEM SEPARATOR
  MENUITEM "&Text out", textcmd::TextOut
  MENUITEM "&Decimal places ...", gcm::DecimalPlaces
  MENUITEM SEPARATOR
  MENUITEM "&Help", divcmd::HelpFile
  MENUITEM "&Close", textcmd::Close
END
POPUP "&View"
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
  MENUITEM "&Help", divcmd::HelpView
END
POPUP "&Misc"
  POPUP "&Fonts"
    MENUITEM "&Coordinates ...", textcmd::FontSlot0
    MENUITEM "&Reps ...", textcmd::FontSlot0+1
    MENUITEM "&Axis labels ...", textcmd::FontSlot0+2
  END
  POPUP "&Colors"
    MENUITEM "&Axes ...", textcmd::ColorRole0+3
    MENUITEM "&Background ...", textcmd::ColorRole0
    MENUITEM "&Coordinates ...", textcmd::ColorRole0+8
    MENUITEM "&Divisor line ...", textcmd::ColorRole0+1
    MENUITEM "&Reps ...", textcmd::ColorRole0+4
    MENUITEM "A&xis labels ...", textcmd::ColorRole0+5
  END
  MENUITEM SEPARATOR
  MENUITEM "&Help", divcmd::HelpMisc
END
END

// The keys of the View menu; Ctrl+P prints.
ACCELERATORS DIVMENU
  VK_PRIOR, gcm::ZoomIn
  VK_NEXT, gcm::ZoomOut
  VK_LEFT, gcm::ShiftLeft
  VK_RIGHT, gcm::ShiftRight
  VK_DOWN, gcm::ShiftDown
  VK_UP, gcm::ShiftUp
  "L", gcm::LastWindow, CONTROL
  "P", gcm::Print, CONTROL
END

// The divisor dialog: edit box 101, "set L" 102, "set R" 103, slider 104.
DIALOG divisor "divisor", 220, 62
  EDITTEXT 101, 8, 8, 90, 12
  DEFPUSHBUTTON "apply", 1, 104, 7, 50, 14
  PUSHBUTTON "set L", 102, 8, 24, 50, 14
  PUSHBUTTON "set R", 103, 162, 24, 50, 14
  SLIDER 104, 8, 42, 204, 14
  PUSHBUTTON "close", 2, 162, 7, 50, 14
END
)RC";

} // namespace quan
