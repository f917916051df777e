// Menus, accelerators and dialog templates of the text windows, the
// notebook and the colour window.
#include "resources/rc.h"

namespace quan {

extern const char kTextRc[] = R"RC(
// The popups of the text windows and the notebook: printing and closing
// (the notebook's whole File popup), Edit and Search.
POPUP TEXTPRINT "&File"
  MENUITEM "&Print ...", 97
  MENUITEM "Select p&rinter ...", 93
  MENUITEM "O&ffset(s) ...", 304
  MENUITEM SEPARATOR
  MENUITEM "&Close", 357
  MENUITEM SEPARATOR
  MENUITEM "&Help", 330
END
POPUP TEXTEDIT "&Edit"
  MENUITEM "&Copy", 95
  MENUITEM "Cu&t", 96
  MENUITEM "&Paste", 99
  MENUITEM "Select &All", 119
  MENUITEM SEPARATOR
  MENUITEM "&Font ...", 61
  MENUITEM "&Minus signs ...", 92
  MENUITEM SEPARATOR
  MENUITEM "&Help", 358
END
POPUP TEXTSEARCH "&Search"
  MENUITEM "&Search ...", 353
  MENUITEM "&Next", 352, GRAYED
  MENUITEM "&Restart at top", 53
  MENUITEM SEPARATOR
  MENUITEM "&Help", 351
END

// The first part of the File popups of the table windows (apportionment and
// weighted voting).
POPUP TABLEFILE "&File"
  MENUITEM "&Open ...", 59
  MENUITEM "&Save", 57
  MENUITEM "Save &As ...", 58
  MENUITEM SEPARATOR
  MENUITEM "&Text out ...", 747
  MENUITEM "Te&X output ...", 738
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", 303
  MENUITEM "&Format ...", 304
  MENUITEM "Select p&rinter ...", 93
  MENUITEM SEPARATOR
END
// The end of the Arrange popups of the table windows.
POPUP TABLEARRANGE "&Arrange"
  MENUITEM SEPARATOR
  MENUITEM "&Increasing", 744
  MENUITEM "&Row numbers", 748
  MENUITEM SEPARATOR
  MENUITEM "&Help", 333
END
// The end of the Format popups of the table windows.
POPUP TABLEFORMAT "F&ormat"
  MENUITEM "&Table font ...", 60
  MENUITEM "&Notebook", 675
  MENUITEM SEPARATOR
  MENUITEM "&Help", 335
END

// The text window (also the help windows).
MENU TEXTMENU
POPUP "&File"
  MENUITEM "&Open ...", 59
  MENUITEM "&Save", 57
  MENUITEM "Save &As ...", 58
  MENUITEM SEPARATOR
  INCLUDE TEXTPRINT
END
USE TEXTEDIT
USE TEXTSEARCH
END

ACCELERATORS TEXTMENU
  VK_F1, 353
  VK_F3, 352
  VK_F2, 53
  "C", 95, CONTROL
  "X", 96, CONTROL
  "V", 99, CONTROL
  "A", 119, CONTROL
END

// The notebook: its notes are saved with the owner's document.
MENU NOTEMENU
USE TEXTPRINT
USE TEXTEDIT
USE TEXTSEARCH
END

// The notebook answers the same keys.
ACCELERATORS NOTEMENU SAME TEXTMENU

// The colour window.
MENU COLWMENU
  MENUITEM "&Close", 357
END

// The RGB dialog of the colour window: fields 301 to 303.
DIALOG EDITRGB "red, green, blue", 150, 92
  LTEXT "red", -1, 8, 10, 40, 10
  EDITTEXT 301, 52, 8, 40, 12
  LTEXT "green", -1, 8, 26, 40, 10
  EDITTEXT 302, 52, 24, 40, 12
  LTEXT "blue", -1, 8, 42, 40, 10
  EDITTEXT 303, 52, 40, 40, 12
  LTEXT "0 to 255", -1, 98, 26, 48, 10
  DEFPUSHBUTTON "apply", 1, 14, 68, 56, 14
  PUSHBUTTON "close", 2, 80, 68, 56, 14
END
)RC";

} // namespace quan
