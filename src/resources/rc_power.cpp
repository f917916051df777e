// Menus, accelerators and dialogs of the weighted-voting window.
#include "resources/rc.h"

namespace quan {

extern const char kPowerRc[] = R"RC(
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
POPUP "&Calculate"
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
POPUP "&Arrange"
  MENUITEM "by &Name", bancmd::ByName
  MENUITEM "by &Weight", bancmd::ByWeight
  INCLUDE TABLEARRANGE
END
POPUP "F&ormat"
  MENUITEM "&Width of columns ...", bancmd::ColumnWidth
  INCLUDE TABLEFORMAT
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
