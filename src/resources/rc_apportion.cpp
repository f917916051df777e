// Menus and accelerators of the apportionment window.
#include "resources/rc.h"

namespace quan {

extern const char kApportionRc[] = R"RC(
MENU APPMENU
POPUP "&File"
  INCLUDE TABLEFILE
  MENUITEM "&Lunch ...", 399
  MENUITEM "E&xit", 361
  MENUITEM SEPARATOR
  MENUITEM "&Help", 330
END
POPUP "&Data"
  POPUP "&Census"
    MENUITEM "1790 (&A)", 579
    MENUITEM "1800 (&B)", 580
    MENUITEM "1810 (&C)", 581
    MENUITEM "1820 (&D)", 582
    MENUITEM "1830 (&E)", 583
    MENUITEM "1840 (&F)", 584
    MENUITEM "1850 (&G)", 585
    MENUITEM "1860 (&H)", 586
    MENUITEM "1870 (&I)", 587
    MENUITEM "1880 (&J)", 588
    MENUITEM "1890 (&K)", 589
    MENUITEM "1900 (&L)", 590
    MENUITEM "1910 (&M)", 591
    MENUITEM "1920 (&N)", 592
    MENUITEM "1930 (&O)", 593
    MENUITEM "1940 (&P)", 594
    MENUITEM "1950 (&Q)", 595
    MENUITEM "1960 (&R)", 596
    MENUITEM "1970 (&S)", 597
    MENUITEM "1980 (&T)", 598
    MENUITEM "1990 (&U)", 599
    MENUITEM "2000 (&V)", 600
    MENUITEM "2010 (&W)", 601
    MENUITEM SEPARATOR
    MENUITEM "&a = 1970 [-foreign]", 620
    MENUITEM "&b = 1984 [hypothetical]", 621
    MENUITEM "&c = 1984 [hypothetical]", 622
    MENUITEM "&d = 1990 [-foreign]", 623
  END
  MENUITEM "&Number of states ...", 671
  MENUITEM "&Delete rows ...", 672
  MENUITEM SEPARATOR
  MENUITEM "&Help", 331
END
POPUP "&Method"
  MENUITEM "&0 = Hamilton", 680
  MENUITEM "&1 = Hamilton [min=1]", 681
  MENUITEM "&2 = Lowndes", 689
  MENUITEM "&3 = Jefferson", 682
  MENUITEM "&4 = Jefferson [min=1]", 683
  MENUITEM "&5 = Webster", 684
  MENUITEM "&6 = Webster [min=1]", 685
  MENUITEM "&7 = Adams", 686
  MENUITEM "&8 = Huntington-Hill", 687
  MENUITEM "&9 = Dean", 688
  MENUITEM SEPARATOR
  MENUITEM "&Divisor ...", 690
  MENUITEM "&Watch", 691
  MENUITEM SEPARATOR
  MENUITEM "&Help", 332
END
POPUP "&Arrange"
  MENUITEM "by &Name", 742
  MENUITEM "by &Population", 740
  MENUITEM "by &District size", 741
  MENUITEM "by &Critical value", 743
  INCLUDE TABLEARRANGE
END
POPUP "&Other"
  MENUITEM "&Priority list", 692
  MENUITEM "&Register apportionment ...", 693
  MENUITEM "&See summary", 694
  MENUITEM "&Zero summary", 695
  MENUITEM SEPARATOR
  MENUITEM "&Electoral power", 696
  MENUITEM SEPARATOR
  MENUITEM "&Help", 334
END
POPUP "F&ormat"
  MENUITEM "&Width of columns ...", 673
  MENUITEM "&Quota places ...", 674
  INCLUDE TABLEFORMAT
END
END

ACCELERATORS APPMENU
  VK_F12, 399
  "S", 57, CONTROL
  "O", 59, CONTROL
  "P", 303, CONTROL
  "D", 690, CONTROL
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
