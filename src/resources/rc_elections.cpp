// Menus, accelerators and dialog templates of the election window.
#include "resources/rc.h"

namespace quan {

extern const char kElectionsRc[] = R"RC(
MENU VOTMENU
POPUP "&File"
  MENUITEM "&Open ...", cm::Open
  MENUITEM "&Save", cm::Save
  MENUITEM "Save &As ...", cm::SaveAs
  MENUITEM "Save &Graph ...", votcmd::SaveGraph
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", gcm::Print
  MENUITEM "&Format ...", gcm::Format
  MENUITEM "Select p&rinter ...", gcm::SelectPrinter
  MENUITEM SEPARATOR
  MENUITEM "&Copy to clipboard", gcm::CopyToClipboard
  MENUITEM "&With back color", gcm::WithBackColor
  MENUITEM "&High resolution", gcm::HighResolution
  MENUITEM "&Image size ...", gcm::ImageSize
  MENUITEM "&Bitmap to clipboard", gcm::BitmapToClipboard
  MENUITEM SEPARATOR
  MENUITEM "&Help", votcmd::HelpFile
  MENUITEM "E&xit", cm::Exit
END
POPUP "&View"
  MENUITEM "&Plurality", votcmd::Plurality
  MENUITEM "&Runoffs", votcmd::Runoffs
  MENUITEM "&Borda", votcmd::Borda
  MENUITEM "Poi&nts ...", votcmd::Points
  MENUITEM "&Condorcet", votcmd::Condorcet
  MENUITEM "&Graph", votcmd::Graph
  MENUITEM SEPARATOR
  MENUITEM "&Notebook", votcmd::Notebook
  MENUITEM SEPARATOR
  MENUITEM "&Help", votcmd::HelpView
END
END

ACCELERATORS VOTMENU
  "S", cm::Save, CONTROL
  "O", cm::Open, CONTROL
  "P", gcm::Print, CONTROL
END

// The ballot manager (modeless): new names (101, 102), the ballots (111)
// with the current ballot's count line (112), casting (121..123), zeros
// (131), random (141, 142), dropping a candidate (151..153), the profile
// on the clipboard and in the notebook (161, 162), help (171). The
// drop-downs' heights include their open lists.
DIALOG ELECTION "ballot manager", 216, 148
  LTEXT "names", -1, 8, 10, 28, 10
  EDITTEXT 101, 38, 8, 74, 12
  PUSHBUTTON "new names", 102, 118, 7, 70, 14
  LTEXT "ballots", -1, 8, 30, 28, 10
  DROPDOWN 111, 38, 28, 74, 100
  LTEXT "", 112, 118, 30, 92, 10
  LTEXT "votes :", -1, 8, 50, 28, 10
  EDITTEXT 121, 38, 48, 40, 12
  PUSHBUTTON "cast votes", 122, 82, 47, 54, 14
  PUSHBUTTON "undo", 123, 140, 47, 48, 14
  PUSHBUTTON "zeros", 131, 8, 68, 54, 14
  CHECKBOX "many winners", 141, 68, 70, 68, 10
  PUSHBUTTON "random", 142, 140, 68, 48, 14
  LTEXT "candidate", -1, 8, 90, 36, 10
  DROPDOWN 151, 46, 88, 32, 60
  PUSHBUTTON "drop candidate", 152, 82, 87, 60, 14
  PUSHBUTTON "restore", 153, 146, 87, 42, 14
  PUSHBUTTON "paste profile", 161, 8, 107, 88, 14
  PUSHBUTTON "copy profile", 162, 100, 107, 88, 14
  PUSHBUTTON "help", 171, 138, 127, 50, 14
END

// The Borda points: one edit per place (101..106) with its label
// (201..206); the places beyond the candidates are hidden.
DIALOG BORDA "Borda points", 130, 128
  LTEXT "1st place", 201, 8, 10, 50, 10
  EDITTEXT 101, 62, 8, 60, 12
  LTEXT "2nd place", 202, 8, 26, 50, 10
  EDITTEXT 102, 62, 24, 60, 12
  LTEXT "3rd place", 203, 8, 42, 50, 10
  EDITTEXT 103, 62, 40, 60, 12
  LTEXT "4th place", 204, 8, 58, 50, 10
  EDITTEXT 104, 62, 56, 60, 12
  LTEXT "5th place", 205, 8, 74, 50, 10
  EDITTEXT 105, 62, 72, 60, 12
  LTEXT "6th place", 206, 8, 90, 50, 10
  EDITTEXT 106, 62, 88, 60, 12
  DEFPUSHBUTTON "ok", 1, 8, 108, 54, 14
  PUSHBUTTON "cancel", 2, 68, 108, 54, 14
END
)RC";

} // namespace quan
