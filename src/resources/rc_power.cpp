// Menus, accelerators and dialogs of the weighted-voting window.
#include "resources/rc.h"

namespace quan {

extern const char kPowerRc[] = R"RC(
// The popups the weighted-voting window and the Electoral College share.
POPUP BANCALC "&Calculate"
  MENUITEM "&All cases", bancmd::AllCases
  MENUITEM "&Monte Carlo", bancmd::MonteCarlo
  MENUITEM "E&xact (fast)", bancmd::Exact
  MENUITEM SEPARATOR
  MENUITEM "&Banzhaf", bancmd::Banzhaf
  MENUITEM "&Shapley", bancmd::Shapley
  MENUITEM SEPARATOR
  MENUITEM "&Large power unit", bancmd::LargeUnit
  MENUITEM "&Small power unit", bancmd::SmallUnit
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::HelpCalc
END
POPUP BANARRANGE "&Arrange"
  MENUITEM "by &Name", bancmd::ByName
  MENUITEM "by &Weight", bancmd::ByWeight
  INCLUDE TABLEARRANGE
END
POPUP BANFORMAT "F&ormat"
  MENUITEM "&Width of columns ...", bancmd::ColumnWidth
  INCLUDE TABLEFORMAT
END

MENU BANMENU
POPUP "&File"
  INCLUDE TABLEFILE
  MENUITEM "E&xit", cm::Exit
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::HelpFile
END
POPUP "&Edit"
  MENUITEM "&New random", bancmd::NewRandom
  MENUITEM "&Range of weights ...", bancmd::Range
  MENUITEM "&Number of blocs ...", bancmd::BlocCount
  MENUITEM "&Delete rows ...", bancmd::DeleteRows
  MENUITEM SEPARATOR
  MENUITEM "&Quota ...", bancmd::Quota
  MENUITEM "&Opposition ...", bancmd::Opposition
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::HelpEdit
END
USE BANCALC
USE BANARRANGE
USE BANFORMAT
POPUP "&Misc"
  MENUITEM "&Calculations", bancmd::Calculations
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::HelpMisc
END
END

ACCELERATORS BANMENU
  "S", cm::Save, CONTROL
  "O", cm::Open, CONTROL
  "P", cm::Print, CONTROL
  "A", bancmd::AllCases, CONTROL
  "M", bancmd::MonteCarlo, CONTROL
  "E", bancmd::Exact, CONTROL
END

// The Electoral College: its apportionment window fills it, so there is no
// Range of weights and no worksheet; Close hides it.
MENU POWMENU
POPUP "&File"
  INCLUDE TABLEFILE
  MENUITEM "&Close", textcmd::Close
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::HelpFile
END
POPUP "&Edit"
  MENUITEM "&New random", bancmd::NewRandom
  MENUITEM "&Number of blocs ...", bancmd::BlocCount
  MENUITEM "&Delete rows ...", bancmd::DeleteRows
  MENUITEM SEPARATOR
  MENUITEM "&Quota ...", bancmd::Quota
  MENUITEM "&Opposition ...", bancmd::Opposition
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::HelpEdit
END
USE BANCALC
USE BANARRANGE
USE BANFORMAT
END

ACCELERATORS POWMENU SAME BANMENU

// The calculations worksheet.
MENU PIVMENU
POPUP "&File"
  MENUITEM "&Text out", bancmd::PivTextOut
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", cm::Print
  MENUITEM "&Format ...", cm::Format
  MENUITEM SEPARATOR
  MENUITEM "&Close", bancmd::PivClose
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::PivHelpFile
END
POPUP "F&ormat"
  MENUITEM "&Table font ...", textcmd::TableFont
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::PivHelpFormat
END
POPUP "&Colors"
  MENUITEM "&Background ...", bancmd::PivColorFirst
  MENUITEM "&Table ...", bancmd::PivColorFirst+1
  MENUITEM "&Wins ...", bancmd::PivColorFirst+2
  MENUITEM "&Pivotal ...", bancmd::PivColorFirst+3
  MENUITEM SEPARATOR
  MENUITEM "&Help", bancmd::PivHelpColors
END
END

ACCELERATORS PIVMENU
  "P", cm::Print, CONTROL
END

// The opposition pair: two drop-down lists of the bloc names.
DIALOG conflicting "conflicting blocs", 200, 70
  LTEXT "first bloc", -1, 8, 8, 88, 10
  DROPDOWN 101, 8, 20, 88, 80
  LTEXT "second bloc", -1, 104, 8, 88, 10
  DROPDOWN 102, 104, 20, 88, 80
  DEFPUSHBUTTON "conflict", 103, 8, 48, 56, 14
  PUSHBUTTON "no conflict", 104, 72, 48, 56, 14
  PUSHBUTTON "cancel", 2, 136, 48, 56, 14
END

DIALOG randomweights "random weights", 180, 62
  LTEXT "set low", -1, 8, 10, 50, 10
  EDITTEXT 102, 60, 8, 40, 12
  LTEXT "set high", -1, 8, 26, 50, 10
  EDITTEXT 104, 60, 24, 40, 12
  DEFPUSHBUTTON "ok", 1, 120, 8, 50, 14
  PUSHBUTTON "cancel", 2, 120, 26, 50, 14
END
)RC";

} // namespace quan
