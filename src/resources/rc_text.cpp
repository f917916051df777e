// Menus, accelerators and dialog templates of the text windows, the
// notebook and the colour window.
#include "resources/rc.h"

namespace quan {

extern const char kTextRc[] = R"RC(
// The popups of the text windows and the notebook: printing and closing
// (the notebook's whole File popup), Edit and Search.
POPUP TEXTPRINT "&File"
  MENUITEM "&Print ...", textcmd::Print
  MENUITEM "Select p&rinter ...", textcmd::SelectPrinter
  MENUITEM "O&ffset(s) ...", textcmd::Offsets
  MENUITEM SEPARATOR
  MENUITEM "&Close", textcmd::Close
  MENUITEM SEPARATOR
  MENUITEM "&Help", textcmd::FileHelp
END
POPUP TEXTEDIT "&Edit"
  MENUITEM "&Copy", textcmd::Copy
  MENUITEM "Cu&t", textcmd::Cut
  MENUITEM "&Paste", textcmd::Paste
  MENUITEM "Select &All", textcmd::SelectAll
  MENUITEM SEPARATOR
  MENUITEM "&Font ...", textcmd::Font
  MENUITEM "&Minus signs ...", textcmd::MinusSigns
  MENUITEM SEPARATOR
  MENUITEM "&Help", textcmd::EditHelp
END
POPUP TEXTSEARCH "&Search"
  MENUITEM "&Search ...", textcmd::Search
  MENUITEM "&Next", textcmd::Next, GRAYED
  MENUITEM "&Restart at top", textcmd::RestartAtTop
  MENUITEM SEPARATOR
  MENUITEM "&Help", textcmd::SearchHelp
END

// The first part of the File popups of the table windows (apportionment and
// weighted voting).
POPUP TABLEFILE "&File"
  MENUITEM "&Open ...", cm::Open
  MENUITEM "&Save", cm::Save
  MENUITEM "Save &As ...", cm::SaveAs
  MENUITEM SEPARATOR
  MENUITEM "&Text out ...", textcmd::TextOut
  MENUITEM "Te&X output ...", textcmd::TexOutput
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", cm::Print
  MENUITEM "&Format ...", cm::Format
  MENUITEM "Select p&rinter ...", cm::SelectPrinter
  MENUITEM SEPARATOR
END
// The end of the Arrange popups of the table windows.
POPUP TABLEARRANGE "&Arrange"
  MENUITEM SEPARATOR
  MENUITEM "&Increasing", textcmd::Increasing
  MENUITEM "&Row numbers", textcmd::RowNumbers
  MENUITEM SEPARATOR
  MENUITEM "&Help", textcmd::ArrangeHelp
END
// The end of the Format popups of the table windows.
POPUP TABLEFORMAT "F&ormat"
  MENUITEM "&Table font ...", textcmd::TableFont
  MENUITEM "&Notebook", textcmd::Notebook
  MENUITEM SEPARATOR
  MENUITEM "&Help", textcmd::FormatHelp
END

// The text window (also the help windows).
MENU TEXTMENU
POPUP "&File"
  MENUITEM "&Open ...", cm::Open
  MENUITEM "&Save", cm::Save
  MENUITEM "Save &As ...", cm::SaveAs
  MENUITEM SEPARATOR
  INCLUDE TEXTPRINT
END
USE TEXTEDIT
USE TEXTSEARCH
END

ACCELERATORS TEXTMENU
  VK_F1, textcmd::Search
  VK_F3, textcmd::Next
  VK_F2, textcmd::RestartAtTop
  "C", textcmd::Copy, CONTROL
  "X", textcmd::Cut, CONTROL
  "V", textcmd::Paste, CONTROL
  "A", textcmd::SelectAll, CONTROL
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
  MENUITEM "&Close", textcmd::Close
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
