// Menus, accelerators and dialogs of the weighted-voting window.
#include "resources/rc.h"

namespace quan {

extern const char kPowerRc[] = R"RC(
MENU BANMENU
POPUP "&File"
  INCLUDE TABLEFILE
  MENUITEM "E&xit", 361
  MENUITEM SEPARATOR
  MENUITEM "&Help", 330
END
POPUP "&Edit"
  MENUITEM "&New random", 753
  MENUITEM "&Range of weights ...", 718
  MENUITEM "&Number of blocs ...", 671
  MENUITEM "&Delete rows ...", 672
  MENUITEM SEPARATOR
  MENUITEM "&Quota ...", 761
  MENUITEM "&Opposition ...", 758
  MENUITEM SEPARATOR
  MENUITEM "&Help", 331
END
POPUP "&Calculate"
  MENUITEM "&All cases", 754
  MENUITEM "&Monte Carlo", 755
  MENUITEM "E&xact (fast)", 762
  MENUITEM SEPARATOR
  MENUITEM "&Banzhaf", 756
  MENUITEM "&Shapley", 757
  MENUITEM SEPARATOR
  MENUITEM "&Large power unit", 759
  MENUITEM "&Small power unit", 760
  MENUITEM SEPARATOR
  MENUITEM "&Help", 332
END
POPUP "&Arrange"
  MENUITEM "by &Name", 742
  MENUITEM "by &Weight", 740
  INCLUDE TABLEARRANGE
END
POPUP "F&ormat"
  MENUITEM "&Width of columns ...", 673
  INCLUDE TABLEFORMAT
END
END

ACCELERATORS BANMENU
  "S", 57, CONTROL
  "O", 59, CONTROL
  "P", 303, CONTROL
  "A", 754, CONTROL
  "M", 755, CONTROL
  "E", 762, CONTROL
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
