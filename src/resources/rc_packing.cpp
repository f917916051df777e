// Menus, accelerators and the manager dialog of the bin-packing window.
#include "resources/rc.h"

namespace quan {

extern const char kPackingRc[] = R"RC(
MENU PACKMENU
POPUP "&File"
  MENUITEM "&Open ...", 59
  POPUP "&New"
    MENUITEM "&Random ...", 715
    MENUITEM "&Paste items ...", 752
    MENUITEM "&Shuffle", 753
    MENUITEM "R&estore", 730
  END
  MENUITEM "&Save", 57
  MENUITEM "Save &As ...", 58
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", 303
  MENUITEM "&Format ...", 304
  MENUITEM "Select p&rinter ...", 93
  MENUITEM SEPARATOR
  MENUITEM "&Copy to clipboard", 311
  MENUITEM "&With back color", 221
  POPUP "&Export graphics"
    MENUITEM "&EPS ...", 85
    MENUITEM "&SVG ...", 87
    MENUITEM "&PiCTeX ...", 70
    MENUITEM "&Metafile ...", 370
    MENUITEM "&BMP ...", 374
  END
  MENUITEM "&Image size ...", 90
  MENUITEM "&Bitmap to clipboard", 310
  MENUITEM SEPARATOR
  MENUITEM "&Help", 330
  MENUITEM "E&xit", 361
END
POPUP "&View"
  MENUITEM "Shift &Right", 323
  MENUITEM "Shift &Left", 322
  MENUITEM "&Percentage ...", 321
  MENUITEM "Last &window", 111
  MENUITEM "&Autofit", 703
  MENUITEM SEPARATOR
  MENUITEM "&Help", 331
END
POPUP "&Btns"
  MENUITEM "&Text", 123
  MENUITEM "&Graphics", 124
  MENUITEM "&Coordinates", 125
  MENUITEM SEPARATOR
  MENUITEM "&Help", 332
END
POPUP "&Misc"
  POPUP "&Fonts"
    MENUITEM "&Summary text ...", 60
  END
  POPUP "&Colors"
    MENUITEM "&Background ...", 200
    MENUITEM "&Occupied ...", 212
    MENUITEM "&Empty ...", 213
    MENUITEM "&Summary text ...", 207
    MENUITEM "&Coordinates ...", 208
    MENUITEM "&Lunch", 399
  END
  MENUITEM "&Decimal places ...", 105
  MENUITEM "Delete &text", 113
  MENUITEM "&Notebook", 75
  MENUITEM SEPARATOR
  MENUITEM "copy &Example", 851
  MENUITEM "copy &Solution", 850
  MENUITEM "&Optimum", 852
  MENUITEM SEPARATOR
  MENUITEM "Simul&print", 307
  MENUITEM SEPARATOR
  MENUITEM "&Help", 333
END
END

ACCELERATORS PACKMENU
  VK_LEFT, 322
  VK_RIGHT, 323
  "L", 111, CONTROL
  "S", 57, CONTROL
  "O", 59, CONTROL
  "P", 303, CONTROL
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
