// Menus, accelerators and dialog templates of the main window and of the
// services every document window shares.
#include "resources/rc.h"

namespace quan {

extern const char kShellRc[] = R"RC(
MENU QUANMENU
POPUP "&Window"
  MENUITEM "&Apportionment", cm::WindowApportionment
  MENUITEM "&Banzhaf", cm::WindowBanzhaf
  MENUITEM "&Graphs", cm::WindowGraphs
  MENUITEM "&Voting", cm::WindowVoting
  MENUITEM "&Scheduling", cm::WindowScheduling
  MENUITEM "&Packing", cm::WindowPacking
  MENUITEM SEPARATOR
  MENUITEM "&Open last", cm::OpenLast
  MENUITEM "&Use defaults", cm::UseDefaults
  MENUITEM SEPARATOR
  MENUITEM "E&xit", cm::QuitApp
END
POPUP "&Help"
  MENUITEM "&Help", cm::ProgHelp
  MENUITEM "&About ...", cm::About
END
END

ACCELERATORS QUANMENU
  VK_F1, cm::ProgHelp
END

// The three question boxes: a text and their buttons.
DIALOG OKMBOX "", 180, 56
  LTEXT "", 100, 8, 8, 164, 24
  DEFPUSHBUTTON "ok", 1, 65, 36, 50, 14
END
DIALOG YNMBOX "", 180, 56
  LTEXT "", 100, 8, 8, 164, 24
  DEFPUSHBUTTON "&yes", 6, 34, 36, 50, 14
  PUSHBUTTON "&no", 7, 96, 36, 50, 14
END
DIALOG YNCMBOX "", 200, 56
  LTEXT "", 100, 8, 8, 184, 24
  DEFPUSHBUTTON "&yes", 6, 14, 36, 50, 14
  PUSHBUTTON "&no", 7, 75, 36, 50, 14
  PUSHBUTTON "&cancel", 2, 136, 36, 50, 14
END

// Input dialogs: prompts 101 and 103, fields 102 and 104.
DIALOG ONEINPUT "input", 200, 62
  LTEXT "", 101, 8, 8, 184, 10
  EDITTEXT 102, 8, 20, 184, 12
  DEFPUSHBUTTON "ok", 1, 40, 40, 50, 14
  PUSHBUTTON "cancel", 2, 110, 40, 50, 14
END
DIALOG TWOINPUT "input", 200, 90
  LTEXT "", 101, 8, 8, 184, 10
  EDITTEXT 102, 8, 20, 184, 12
  LTEXT "", 103, 8, 36, 184, 10
  EDITTEXT 104, 8, 48, 184, 12
  DEFPUSHBUTTON "ok", 1, 40, 68, 50, 14
  PUSHBUTTON "cancel", 2, 110, 68, 50, 14
END
DIALOG DP "format", 140, 56
  LTEXT "decimal places", 101, 8, 10, 70, 10
  EDITTEXT 102, 82, 8, 50, 12
  DEFPUSHBUTTON "ok", 1, 12, 34, 50, 14
  PUSHBUTTON "cancel", 2, 78, 34, 50, 14
END

// Print format: lengths in centimetres; 205 set when the horizontal offset
// is not negative, 206 when the x unit is not negative.
DIALOG PRNSPX2 "print format (cm)", 220, 130
  LTEXT "horizontal offset", -1, 8, 10, 90, 10
  EDITTEXT 201, 100, 8, 50, 12
  RADIOBUTTON "from the left", 205, 156, 8, 60, 12
  LTEXT "vertical offset", -1, 8, 26, 90, 10
  EDITTEXT 202, 100, 24, 50, 12
  LTEXT "width", -1, 8, 42, 90, 10
  EDITTEXT 203, 100, 40, 50, 12
  LTEXT "x unit", -1, 8, 58, 90, 10
  EDITTEXT 204, 100, 56, 50, 12
  RADIOBUTTON "positive", 206, 156, 56, 60, 12
  CHECKBOX "frame image", 207, 8, 76, 100, 12
  CHECKBOX "color printer", 208, 110, 76, 100, 12
  DEFPUSHBUTTON "ok", 1, 50, 106, 50, 14
  PUSHBUTTON "cancel", 2, 120, 106, 50, 14
END

DIALOG LUNCH "today's specials", 180, 130
  CHECKBOX "", 301, 12, 8, 156, 12
  CHECKBOX "", 302, 12, 22, 156, 12
  CHECKBOX "", 303, 12, 36, 156, 12
  CHECKBOX "", 304, 12, 50, 156, 12
  CHECKBOX "", 305, 12, 64, 156, 12
  CHECKBOX "take-out", 306, 12, 84, 156, 12
  DEFPUSHBUTTON "ok", 1, 30, 106, 50, 14
  PUSHBUTTON "cancel", 2, 100, 106, 50, 14
END

DIALOG ABOUT "about Quandel", 200, 90
  LTEXT "Quandel", 101, 8, 8, 184, 12
  LTEXT "", 102, 8, 22, 184, 10
  LTEXT "", 103, 8, 34, 184, 30
  DEFPUSHBUTTON "ok", 1, 75, 70, 50, 14
END

// Row range of Delete rows.
DIALOG delete "delete", 200, 56
  LTEXT "row", -1, 8, 10, 20, 10
  EDITTEXT 102, 30, 8, 40, 12
  LTEXT "through", -1, 76, 10, 36, 10
  LTEXT "row", -1, 112, 10, 20, 10
  EDITTEXT 104, 134, 8, 40, 12
  DEFPUSHBUTTON "ok", 1, 40, 34, 50, 14
  PUSHBUTTON "cancel", 2, 110, 34, 50, 14
END
)RC";

} // namespace quan
