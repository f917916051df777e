// The command ids of every compiled-in menu and key table. Menus name
// their commands (commands.h), so a wrong name gives a menu item another
// command without any other sign: this table pins each item and key to the
// number it has always had. A change here must be deliberate.
#include "resources/commands.h"
#include "resources/rc.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace quan;

namespace {

struct Pinned {
    const char* menu;
    const char* what; // the menu path without '&' markers, or the key
    int id;
};

const Pinned kMenuItems[] = {
        {"QUANMENU", "Window|Apportionment", 401},
        {"QUANMENU", "Window|Banzhaf", 403},
        {"QUANMENU", "Window|Graphs", 402},
        {"QUANMENU", "Window|Voting", 404},
        {"QUANMENU", "Window|Scheduling", 406},
        {"QUANMENU", "Window|Packing", 405},
        {"QUANMENU", "Window|Open last", 48},
        {"QUANMENU", "Window|Use defaults", 49},
        {"QUANMENU", "Window|Exit", 24310},
        {"QUANMENU", "Help|Help", 354},
        {"QUANMENU", "Help|About ...", 355},
        {"TEXTMENU", "File|Open ...", 59},
        {"TEXTMENU", "File|Save", 57},
        {"TEXTMENU", "File|Save As ...", 58},
        {"TEXTMENU", "File|Print ...", 97},
        {"TEXTMENU", "File|Select printer ...", 93},
        {"TEXTMENU", "File|Offset(s) ...", 304},
        {"TEXTMENU", "File|Close", 357},
        {"TEXTMENU", "File|Help", 330},
        {"TEXTMENU", "Edit|Copy", 95},
        {"TEXTMENU", "Edit|Cut", 96},
        {"TEXTMENU", "Edit|Paste", 99},
        {"TEXTMENU", "Edit|Select All", 119},
        {"TEXTMENU", "Edit|Font ...", 61},
        {"TEXTMENU", "Edit|Minus signs ...", 92},
        {"TEXTMENU", "Edit|Help", 358},
        {"TEXTMENU", "Search|Search ...", 353},
        {"TEXTMENU", "Search|Next", 352},
        {"TEXTMENU", "Search|Restart at top", 53},
        {"TEXTMENU", "Search|Help", 351},
        {"NOTEMENU", "File|Print ...", 97},
        {"NOTEMENU", "File|Select printer ...", 93},
        {"NOTEMENU", "File|Offset(s) ...", 304},
        {"NOTEMENU", "File|Close", 357},
        {"NOTEMENU", "File|Help", 330},
        {"NOTEMENU", "Edit|Copy", 95},
        {"NOTEMENU", "Edit|Cut", 96},
        {"NOTEMENU", "Edit|Paste", 99},
        {"NOTEMENU", "Edit|Select All", 119},
        {"NOTEMENU", "Edit|Font ...", 61},
        {"NOTEMENU", "Edit|Minus signs ...", 92},
        {"NOTEMENU", "Edit|Help", 358},
        {"NOTEMENU", "Search|Search ...", 353},
        {"NOTEMENU", "Search|Next", 352},
        {"NOTEMENU", "Search|Restart at top", 53},
        {"NOTEMENU", "Search|Help", 351},
        {"COLWMENU", "Close", 357},
        {"PICMENU", "File|Print ...", 303},
        {"PICMENU", "File|Format ...", 304},
        {"PICMENU", "File|Select printer ...", 93},
        {"PICMENU", "File|Copy to clipboard", 311},
        {"PICMENU", "File|Bitmap to clipboard", 310},
        {"PICMENU", "File|With back color", 221},
        {"PICMENU", "File|High resolution", 1600},
        {"PICMENU", "File|Export graphics|EPS ...", 85},
        {"PICMENU", "File|Export graphics|SVG ...", 87},
        {"PICMENU", "File|Export graphics|PiCTeX ...", 70},
        {"PICMENU", "File|Export graphics|Metafile ...", 370},
        {"PICMENU", "File|Image size ...", 90},
        {"PICMENU", "File|Decimal places ...", 362},
        {"PICMENU", "File|Notebook", 75},
        {"PICMENU", "File|Help", 330},
        {"PICMENU", "File|Exit", 361},
        {"PICMENU", "View|View ...", 104},
        {"PICMENU", "View|Zoom Out", 106},
        {"PICMENU", "View|Zoom In", 107},
        {"PICMENU", "View|Factor ...", 108},
        {"PICMENU", "View|Shift Right", 323},
        {"PICMENU", "View|Shift Left", 322},
        {"PICMENU", "View|Shift Up", 325},
        {"PICMENU", "View|Shift Down", 324},
        {"PICMENU", "View|Percentage ...", 321},
        {"PICMENU", "View|Last window", 111},
        {"PICMENU", "View|Axes", 109},
        {"PICMENU", "View|Solid arrowheads", 110},
        {"PICMENU", "View|Opaque", 220},
        {"PICMENU", "View|Grid ...", 320},
        {"PICMENU", "View|Axes thickness|Screen ...", 100},
        {"PICMENU", "View|Axes thickness|Printed ...", 101},
        {"PICMENU", "View|Gridlines thickness|Screen ...", 150},
        {"PICMENU", "View|Gridlines thickness|Printed ...", 151},
        {"PICMENU", "View|Hyphen to minus ...", 92},
        {"PICMENU", "View|Help", 331},
        {"PICMENU", "Colors|Background ...", 200},
        {"PICMENU", "Colors|Color 1 ...", 201},
        {"PICMENU", "Colors|Color 2 ...", 202},
        {"PICMENU", "Colors|Axes ...", 203},
        {"PICMENU", "Colors|Color 4 ...", 204},
        {"PICMENU", "Colors|Color 5 ...", 205},
        {"PICMENU", "Colors|Color 6 ...", 206},
        {"PICMENU", "Colors|Color 7 ...", 207},
        {"PICMENU", "Colors|Color 8 ...", 208},
        {"PICMENU", "Colors|Color 9 ...", 209},
        {"PICMENU", "Colors|Grid lines ...", 210},
        {"PICMENU", "Colors|Color 11 ...", 211},
        {"PICMENU", "Colors|Color 12 ...", 212},
        {"PICMENU", "Colors|Color 13 ...", 213},
        {"PICMENU", "Colors|Color 14 ...", 214},
        {"PICMENU", "Colors|Help", 332},
        {"APPMENU", "File|Open ...", 59},
        {"APPMENU", "File|Save", 57},
        {"APPMENU", "File|Save As ...", 58},
        {"APPMENU", "File|Text out ...", 747},
        {"APPMENU", "File|TeX output ...", 738},
        {"APPMENU", "File|Print ...", 303},
        {"APPMENU", "File|Format ...", 304},
        {"APPMENU", "File|Select printer ...", 93},
        {"APPMENU", "File|Lunch ...", 399},
        {"APPMENU", "File|Exit", 361},
        {"APPMENU", "File|Help", 330},
        {"APPMENU", "Data|Census|1790 (A)", 579},
        {"APPMENU", "Data|Census|1800 (B)", 580},
        {"APPMENU", "Data|Census|1810 (C)", 581},
        {"APPMENU", "Data|Census|1820 (D)", 582},
        {"APPMENU", "Data|Census|1830 (E)", 583},
        {"APPMENU", "Data|Census|1840 (F)", 584},
        {"APPMENU", "Data|Census|1850 (G)", 585},
        {"APPMENU", "Data|Census|1860 (H)", 586},
        {"APPMENU", "Data|Census|1870 (I)", 587},
        {"APPMENU", "Data|Census|1880 (J)", 588},
        {"APPMENU", "Data|Census|1890 (K)", 589},
        {"APPMENU", "Data|Census|1900 (L)", 590},
        {"APPMENU", "Data|Census|1910 (M)", 591},
        {"APPMENU", "Data|Census|1920 (N)", 592},
        {"APPMENU", "Data|Census|1930 (O)", 593},
        {"APPMENU", "Data|Census|1940 (P)", 594},
        {"APPMENU", "Data|Census|1950 (Q)", 595},
        {"APPMENU", "Data|Census|1960 (R)", 596},
        {"APPMENU", "Data|Census|1970 (S)", 597},
        {"APPMENU", "Data|Census|1980 (T)", 598},
        {"APPMENU", "Data|Census|1990 (U)", 599},
        {"APPMENU", "Data|Census|2000 (V)", 600},
        {"APPMENU", "Data|Census|2010 (W)", 601},
        {"APPMENU", "Data|Census|a = 1970 [-foreign]", 620},
        {"APPMENU", "Data|Census|b = 1984 [hypothetical]", 621},
        {"APPMENU", "Data|Census|c = 1984 [hypothetical]", 622},
        {"APPMENU", "Data|Census|d = 1990 [-foreign]", 623},
        {"APPMENU", "Data|Number of states ...", 671},
        {"APPMENU", "Data|Delete rows ...", 672},
        {"APPMENU", "Data|Help", 331},
        {"APPMENU", "Method|0 = Hamilton", 680},
        {"APPMENU", "Method|1 = Hamilton [min=1]", 681},
        {"APPMENU", "Method|2 = Lowndes", 689},
        {"APPMENU", "Method|3 = Jefferson", 682},
        {"APPMENU", "Method|4 = Jefferson [min=1]", 683},
        {"APPMENU", "Method|5 = Webster", 684},
        {"APPMENU", "Method|6 = Webster [min=1]", 685},
        {"APPMENU", "Method|7 = Adams", 686},
        {"APPMENU", "Method|8 = Huntington-Hill", 687},
        {"APPMENU", "Method|9 = Dean", 688},
        {"APPMENU", "Method|Divisor ...", 690},
        {"APPMENU", "Method|Watch", 691},
        {"APPMENU", "Method|Help", 332},
        {"APPMENU", "Arrange|by Name", 742},
        {"APPMENU", "Arrange|by Population", 740},
        {"APPMENU", "Arrange|by District size", 741},
        {"APPMENU", "Arrange|by Critical value", 743},
        {"APPMENU", "Arrange|Increasing", 744},
        {"APPMENU", "Arrange|Row numbers", 748},
        {"APPMENU", "Arrange|Help", 333},
        {"APPMENU", "Other|Priority list", 692},
        {"APPMENU", "Other|Register apportionment ...", 693},
        {"APPMENU", "Other|See summary", 694},
        {"APPMENU", "Other|Zero summary", 695},
        {"APPMENU", "Other|Electoral power", 696},
        {"APPMENU", "Other|Help", 334},
        {"APPMENU", "Format|Width of columns ...", 673},
        {"APPMENU", "Format|Quota places ...", 674},
        {"APPMENU", "Format|Table font ...", 60},
        {"APPMENU", "Format|Notebook", 675},
        {"APPMENU", "Format|Help", 335},
        {"BANMENU", "File|Open ...", 59},
        {"BANMENU", "File|Save", 57},
        {"BANMENU", "File|Save As ...", 58},
        {"BANMENU", "File|Text out ...", 747},
        {"BANMENU", "File|TeX output ...", 738},
        {"BANMENU", "File|Print ...", 303},
        {"BANMENU", "File|Format ...", 304},
        {"BANMENU", "File|Select printer ...", 93},
        {"BANMENU", "File|Exit", 361},
        {"BANMENU", "File|Help", 330},
        {"BANMENU", "Edit|New random", 753},
        {"BANMENU", "Edit|Range of weights ...", 718},
        {"BANMENU", "Edit|Number of blocs ...", 671},
        {"BANMENU", "Edit|Delete rows ...", 672},
        {"BANMENU", "Edit|Quota ...", 761},
        {"BANMENU", "Edit|Opposition ...", 758},
        {"BANMENU", "Edit|Help", 331},
        {"BANMENU", "Calculate|All cases", 754},
        {"BANMENU", "Calculate|Monte Carlo", 755},
        {"BANMENU", "Calculate|Exact (fast)", 762},
        {"BANMENU", "Calculate|Banzhaf", 756},
        {"BANMENU", "Calculate|Shapley", 757},
        {"BANMENU", "Calculate|Large power unit", 759},
        {"BANMENU", "Calculate|Small power unit", 760},
        {"BANMENU", "Calculate|Help", 332},
        {"BANMENU", "Arrange|by Name", 742},
        {"BANMENU", "Arrange|by Weight", 740},
        {"BANMENU", "Arrange|Increasing", 744},
        {"BANMENU", "Arrange|Row numbers", 748},
        {"BANMENU", "Arrange|Help", 333},
        {"BANMENU", "Format|Width of columns ...", 673},
        {"BANMENU", "Format|Table font ...", 60},
        {"BANMENU", "Format|Notebook", 675},
        {"BANMENU", "Format|Help", 335},
        {"BANMENU", "Misc|Calculations", 763},
        {"BANMENU", "Misc|Help", 334},
        {"POWMENU", "File|Open ...", 59},
        {"POWMENU", "File|Save", 57},
        {"POWMENU", "File|Save As ...", 58},
        {"POWMENU", "File|Text out ...", 747},
        {"POWMENU", "File|TeX output ...", 738},
        {"POWMENU", "File|Print ...", 303},
        {"POWMENU", "File|Format ...", 304},
        {"POWMENU", "File|Select printer ...", 93},
        {"POWMENU", "File|Close", 357},
        {"POWMENU", "File|Help", 330},
        {"POWMENU", "Edit|New random", 753},
        {"POWMENU", "Edit|Number of blocs ...", 671},
        {"POWMENU", "Edit|Delete rows ...", 672},
        {"POWMENU", "Edit|Quota ...", 761},
        {"POWMENU", "Edit|Opposition ...", 758},
        {"POWMENU", "Edit|Help", 331},
        {"POWMENU", "Calculate|All cases", 754},
        {"POWMENU", "Calculate|Monte Carlo", 755},
        {"POWMENU", "Calculate|Exact (fast)", 762},
        {"POWMENU", "Calculate|Banzhaf", 756},
        {"POWMENU", "Calculate|Shapley", 757},
        {"POWMENU", "Calculate|Large power unit", 759},
        {"POWMENU", "Calculate|Small power unit", 760},
        {"POWMENU", "Calculate|Help", 332},
        {"POWMENU", "Arrange|by Name", 742},
        {"POWMENU", "Arrange|by Weight", 740},
        {"POWMENU", "Arrange|Increasing", 744},
        {"POWMENU", "Arrange|Row numbers", 748},
        {"POWMENU", "Arrange|Help", 333},
        {"POWMENU", "Format|Width of columns ...", 673},
        {"POWMENU", "Format|Table font ...", 60},
        {"POWMENU", "Format|Notebook", 675},
        {"POWMENU", "Format|Help", 335},
        {"PIVMENU", "File|Text out", 747},
        {"PIVMENU", "File|Print ...", 303},
        {"PIVMENU", "File|Format ...", 304},
        {"PIVMENU", "File|Close", 357},
        {"PIVMENU", "File|Help", 330},
        {"PIVMENU", "Format|Table font ...", 60},
        {"PIVMENU", "Format|Help", 331},
        {"PIVMENU", "Colors|Background ...", 200},
        {"PIVMENU", "Colors|Table ...", 201},
        {"PIVMENU", "Colors|Wins ...", 202},
        {"PIVMENU", "Colors|Pivotal ...", 203},
        {"PIVMENU", "Colors|Help", 332},
        {"PACKMENU", "File|Open ...", 59},
        {"PACKMENU", "File|New|Random ...", 715},
        {"PACKMENU", "File|New|Paste items ...", 752},
        {"PACKMENU", "File|New|Shuffle", 753},
        {"PACKMENU", "File|New|Restore", 730},
        {"PACKMENU", "File|Save", 57},
        {"PACKMENU", "File|Save As ...", 58},
        {"PACKMENU", "File|Print ...", 303},
        {"PACKMENU", "File|Format ...", 304},
        {"PACKMENU", "File|Select printer ...", 93},
        {"PACKMENU", "File|Copy to clipboard", 311},
        {"PACKMENU", "File|With back color", 221},
        {"PACKMENU", "File|High resolution", 1600},
        {"PACKMENU", "File|Export graphics|EPS ...", 85},
        {"PACKMENU", "File|Export graphics|SVG ...", 87},
        {"PACKMENU", "File|Export graphics|PiCTeX ...", 70},
        {"PACKMENU", "File|Export graphics|Metafile ...", 370},
        {"PACKMENU", "File|Export graphics|BMP ...", 374},
        {"PACKMENU", "File|Image size ...", 90},
        {"PACKMENU", "File|Bitmap to clipboard", 310},
        {"PACKMENU", "File|Help", 330},
        {"PACKMENU", "File|Exit", 361},
        {"PACKMENU", "View|Shift Right", 323},
        {"PACKMENU", "View|Shift Left", 322},
        {"PACKMENU", "View|Percentage ...", 321},
        {"PACKMENU", "View|Last window", 111},
        {"PACKMENU", "View|Autofit", 703},
        {"PACKMENU", "View|Help", 331},
        {"PACKMENU", "Btns|Text", 123},
        {"PACKMENU", "Btns|Graphics", 124},
        {"PACKMENU", "Btns|Coordinates", 125},
        {"PACKMENU", "Btns|Help", 332},
        {"PACKMENU", "Misc|Fonts|Summary text ...", 60},
        {"PACKMENU", "Misc|Colors|Background ...", 200},
        {"PACKMENU", "Misc|Colors|Occupied ...", 212},
        {"PACKMENU", "Misc|Colors|Empty ...", 213},
        {"PACKMENU", "Misc|Colors|Summary text ...", 207},
        {"PACKMENU", "Misc|Colors|Coordinates ...", 208},
        {"PACKMENU", "Misc|Colors|Lunch", 399},
        {"PACKMENU", "Misc|Decimal places ...", 105},
        {"PACKMENU", "Misc|Delete text", 113},
        {"PACKMENU", "Misc|Notebook", 75},
        {"PACKMENU", "Misc|copy Example", 851},
        {"PACKMENU", "Misc|copy Solution", 850},
        {"PACKMENU", "Misc|Optimum", 852},
        {"PACKMENU", "Misc|Item sizes", 853},
        {"PACKMENU", "Misc|Simulprint", 307},
        {"PACKMENU", "Misc|Help", 333},
        {"GRSMENU", "File|Open ...", 59},
        {"GRSMENU", "File|New|Grid points ...", 798},
        {"GRSMENU", "File|New|Weight range ...", 718},
        {"GRSMENU", "File|New|Paste", 751},
        {"GRSMENU", "File|Save", 57},
        {"GRSMENU", "File|Save As ...", 58},
        {"GRSMENU", "File|Print ...", 303},
        {"GRSMENU", "File|Format ...", 304},
        {"GRSMENU", "File|Select printer ...", 93},
        {"GRSMENU", "File|Copy to clipboard", 311},
        {"GRSMENU", "File|With back color", 221},
        {"GRSMENU", "File|High resolution", 1600},
        {"GRSMENU", "File|Export graphics|EPS ...", 85},
        {"GRSMENU", "File|Export graphics|SVG ...", 87},
        {"GRSMENU", "File|Export graphics|PiCTeX ...", 70},
        {"GRSMENU", "File|Export graphics|Metafile ...", 370},
        {"GRSMENU", "File|Export graphics|BMP ...", 374},
        {"GRSMENU", "File|Image size ...", 90},
        {"GRSMENU", "File|Bitmap to clipboard", 310},
        {"GRSMENU", "File|Help", 330},
        {"GRSMENU", "File|Exit", 361},
        {"GRSMENU", "Edit|Single labels ...", 736},
        {"GRSMENU", "Edit|All labels|Bullet", 631},
        {"GRSMENU", "Edit|All labels|Circle", 632},
        {"GRSMENU", "Edit|All labels|Solid box", 633},
        {"GRSMENU", "Edit|All labels|Empty box", 634},
        {"GRSMENU", "Edit|All labels|No icon", 630},
        {"GRSMENU", "Edit|All labels|Alphabet", 636},
        {"GRSMENU", "Edit|All labels|User labels", 637},
        {"GRSMENU", "Edit|All labels|No text", 635},
        {"GRSMENU", "Edit|All labels|Home", 719},
        {"GRSMENU", "Edit|All labels|Offset", 720},
        {"GRSMENU", "Edit|Home weights", 766},
        {"GRSMENU", "Edit|Offset weights", 767},
        {"GRSMENU", "Edit|Help", 331},
        {"GRSMENU", "View|View ...", 104},
        {"GRSMENU", "View|Zoom Out", 106},
        {"GRSMENU", "View|Zoom In", 107},
        {"GRSMENU", "View|Factor ...", 108},
        {"GRSMENU", "View|Shift Right", 323},
        {"GRSMENU", "View|Shift Left", 322},
        {"GRSMENU", "View|Shift Up", 325},
        {"GRSMENU", "View|Shift Down", 324},
        {"GRSMENU", "View|Percentage ...", 321},
        {"GRSMENU", "View|Last window", 111},
        {"GRSMENU", "View|Help", 332},
        {"GRSMENU", "Btns|Drawing", 120},
        {"GRSMENU", "Btns|Vertex move", 122},
        {"GRSMENU", "Btns|Text", 123},
        {"GRSMENU", "Btns|Arrow flip (RB)", 127},
        {"GRSMENU", "Btns|Graphics", 124},
        {"GRSMENU", "Btns|Redraw deletion", 650},
        {"GRSMENU", "Btns|Toolbar", 840},
        {"GRSMENU", "Btns|Help", 333},
        {"GRSMENU", "Misc|Fonts|Labels ...", 60},
        {"GRSMENU", "Misc|Fonts|Weights ...", 62},
        {"GRSMENU", "Misc|Fonts|Times ...", 69},
        {"GRSMENU", "Misc|Fonts|Summary ...", 67},
        {"GRSMENU", "Misc|Colors|Background ...", 200},
        {"GRSMENU", "Misc|Colors|Labels ...", 204},
        {"GRSMENU", "Misc|Colors|Icons ...", 202},
        {"GRSMENU", "Misc|Colors|Weights ...", 205},
        {"GRSMENU", "Misc|Colors|Edges ...", 206},
        {"GRSMENU", "Misc|Colors|Times ...", 211},
        {"GRSMENU", "Misc|Colors|Task cells ...", 212},
        {"GRSMENU", "Misc|Colors|Idle time ...", 213},
        {"GRSMENU", "Misc|Colors|Summary ...", 207},
        {"GRSMENU", "Misc|Colors|Lunch", 399},
        {"GRSMENU", "Misc|Data ...", 732},
        {"GRSMENU", "Misc|Icon size ...", 702},
        {"GRSMENU", "Misc|Decimal places ...", 105},
        {"GRSMENU", "Misc|Notebook", 75},
        {"GRSMENU", "Misc|copy Schedule", 854},
        {"GRSMENU", "Misc|copy Digraph", 853},
        {"GRSMENU", "Misc|Thicken print ...", 735},
        {"GRSMENU", "Misc|Simulprint", 307},
        {"GRSMENU", "Misc|Help", 334},
        {"VOTMENU", "File|Open ...", 59},
        {"VOTMENU", "File|Save", 57},
        {"VOTMENU", "File|Save As ...", 58},
        {"VOTMENU", "File|Save Graph ...", 773},
        {"VOTMENU", "File|Print ...", 303},
        {"VOTMENU", "File|Format ...", 304},
        {"VOTMENU", "File|Select printer ...", 93},
        {"VOTMENU", "File|Copy to clipboard", 311},
        {"VOTMENU", "File|With back color", 221},
        {"VOTMENU", "File|High resolution", 1600},
        {"VOTMENU", "File|Image size ...", 90},
        {"VOTMENU", "File|Bitmap to clipboard", 310},
        {"VOTMENU", "File|Help", 330},
        {"VOTMENU", "File|Exit", 361},
        {"VOTMENU", "View|Plurality", 771},
        {"VOTMENU", "View|Runoffs", 777},
        {"VOTMENU", "View|Borda", 772},
        {"VOTMENU", "View|Points ...", 775},
        {"VOTMENU", "View|Condorcet", 770},
        {"VOTMENU", "View|Graph", 778},
        {"VOTMENU", "View|Notebook", 75},
        {"VOTMENU", "View|Help", 331},
};

const Pinned kKeys[] = {
        {"GRSMENU", "Ctrl+D", 120},
        {"GRSMENU", "Ctrl+M", 122},
        {"GRSMENU", "Ctrl+Home", 720},
        {"GRSMENU", "PgUp", 107},
        {"GRSMENU", "PgDown", 106},
        {"GRSMENU", "Left", 322},
        {"GRSMENU", "Right", 323},
        {"GRSMENU", "Down", 324},
        {"GRSMENU", "Up", 325},
        {"GRSMENU", "Ctrl+L", 111},
        {"GRSMENU", "Ctrl+S", 57},
        {"GRSMENU", "Ctrl+O", 59},
        {"GRSMENU", "Ctrl+P", 303},
        {"QUANMENU", "F1", 354},
        {"TEXTMENU", "F1", 353},
        {"TEXTMENU", "F3", 352},
        {"TEXTMENU", "F2", 53},
        {"TEXTMENU", "Ctrl+C", 95},
        {"TEXTMENU", "Ctrl+X", 96},
        {"TEXTMENU", "Ctrl+V", 99},
        {"TEXTMENU", "Ctrl+A", 119},
        {"PICMENU", "PgUp", 107},
        {"PICMENU", "PgDown", 106},
        {"PICMENU", "Left", 322},
        {"PICMENU", "Right", 323},
        {"PICMENU", "Down", 324},
        {"PICMENU", "Up", 325},
        {"PICMENU", "Ctrl+L", 111},
        {"PICMENU", "Ctrl+G", 320},
        {"PICMENU", "Ctrl+P", 303},
        {"PICMENU", "Ctrl+Shift+P", 304},
        {"APPMENU", "F12", 399},
        {"APPMENU", "Ctrl+S", 57},
        {"APPMENU", "Ctrl+O", 59},
        {"APPMENU", "Ctrl+P", 303},
        {"APPMENU", "Ctrl+D", 690},
        {"BANMENU", "Ctrl+S", 57},
        {"BANMENU", "Ctrl+O", 59},
        {"BANMENU", "Ctrl+P", 303},
        {"BANMENU", "Ctrl+A", 754},
        {"BANMENU", "Ctrl+M", 755},
        {"BANMENU", "Ctrl+E", 762},
        {"POWMENU", "Ctrl+S", 57},
        {"POWMENU", "Ctrl+O", 59},
        {"POWMENU", "Ctrl+P", 303},
        {"POWMENU", "Ctrl+A", 754},
        {"POWMENU", "Ctrl+M", 755},
        {"POWMENU", "Ctrl+E", 762},
        {"PIVMENU", "Ctrl+P", 303},
        {"PACKMENU", "Left", 322},
        {"PACKMENU", "Right", 323},
        {"PACKMENU", "Ctrl+L", 111},
        {"PACKMENU", "Ctrl+S", 57},
        {"PACKMENU", "Ctrl+O", 59},
        {"PACKMENU", "Ctrl+P", 303},
        {"VOTMENU", "Ctrl+S", 57},
        {"VOTMENU", "Ctrl+O", 59},
        {"VOTMENU", "Ctrl+P", 303},
};

std::string withoutMarkers(const std::string& s)
{
    std::string out;
    for (char c : s)
        if (c != '&')
            out += c;
    return out;
}

std::map<std::string, int> itemsOf(const plat::Menu& menu)
{
    std::map<std::string, int> out;
    std::function<void(const std::vector<plat::MenuItem>&, const std::string&)> walk =
        [&](const std::vector<plat::MenuItem>& items, const std::string& path) {
            for (const auto& it : items) {
                if (it.separator)
                    continue;
                const std::string p = path.empty() ? withoutMarkers(it.label) : path + "|" + withoutMarkers(it.label);
                if (!it.items.empty())
                    walk(it.items, p);
                else
                    out[p] = it.id;
            }
        };
    walk(menu, "");
    return out;
}

} // namespace

TEST(CommandIds, ScriptsNameTheirCommands)
{
    // Commands are written by name, as the code names them, or as a name
    // plus an offset into its range; a bare number or an unknown name is a
    // fault of the script.
    RcBundle b = parseRc("MENU M\nPOPUP \"&Method\"\n  MENUITEM \"&Divisor ...\", appcmd::Divisor\n"
                         "  MENUITEM \"&2 = Lowndes\", appcmd::MethodBase+9\n"
                         "  MENUITEM \"2010 (&W)\", appcmd::CensusFirst+22\nEND\nEND\n");
    ASSERT_EQ(b.menus.size(), 1u);
    const auto& items = b.menus[0].second[0].items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].id, 690);
    EXPECT_EQ(items[1].id, 689);
    EXPECT_EQ(items[2].id, 601);
    for (const char* bad : {"690", "appcmd::NoSuch", "Divisor", "appcmd::MethodBase+", "appcmd::MethodBase+x",
                            "appcmd::MethodBase+-1", "appcmd::MethodBase+10", "appcmd::CensusFirst+23",
                            "cm::Open+1", "appcmd::Divisor+0"}) {
        const std::string script = std::string("MENU M\nPOPUP \"a\"\n  MENUITEM \"b\", ") + bad + "\nEND\nEND\n";
        EXPECT_THROW(parseRc(script), std::runtime_error) << bad;
    }
    EXPECT_THROW(parseRc("ACCELERATORS A\n  VK_F1, 353\nEND\n"), std::runtime_error);

    // The names stand for the numbers that the menus have always had (and
    // that batch scripts and help texts quote).
    EXPECT_EQ(commandId("cm::Open"), 59);
    EXPECT_EQ(commandId("cm::QuitApp"), 24310);
    EXPECT_EQ(commandId("cm::WindowPacking"), 405);
    EXPECT_EQ(commandId("gcm::ExportPicTeX"), 70);
    EXPECT_EQ(commandId("bancmd::Exact"), 762);
    EXPECT_EQ(commandId("packcmd::Optimum"), 852);
    EXPECT_EQ(commandId("textcmd::ColorRole0"), 200);
    EXPECT_EQ(commandId("cm::"), -1);
    EXPECT_EQ(commandId("Open"), -1);
    EXPECT_EQ(commandRangeLength("appcmd::MethodBase"), 10);
    EXPECT_EQ(commandRangeLength("appcmd::Divisor"), 0);

    // Every item of the compiled-in Method menu: Hamilton 680 .. Lowndes 689.
    const plat::Menu& app = menuResource("APPMENU");
    const plat::MenuItem* method = nullptr;
    for (const auto& popup : app)
        if (popup.label == "&Method")
            method = &popup;
    ASSERT_NE(method, nullptr);
    std::vector<int> ids;
    for (const auto& item : method->items)
        if (item.id)
            ids.push_back(item.id);
    EXPECT_EQ(ids, (std::vector<int>{680, 681, 689, 682, 683, 684, 685, 686, 687, 688, 690, 691, 332}));
}

TEST(CommandIds, EveryMenuItemKeepsItsNumber)
{
    std::map<std::string, std::map<std::string, int>> menus;
    for (const Pinned& p : kMenuItems) {
        if (!menus.count(p.menu))
            menus[p.menu] = itemsOf(menuResource(p.menu));
        const auto& items = menus[p.menu];
        const auto it = items.find(p.what);
        ASSERT_NE(it, items.end()) << p.menu << ": " << p.what;
        EXPECT_EQ(it->second, p.id) << p.menu << ": " << p.what;
    }
    // Nothing in those menus that the table does not pin.
    size_t pinned = 0;
    for (const auto& [name, items] : menus)
        pinned += items.size();
    EXPECT_EQ(pinned, std::size(kMenuItems));
}

TEST(CommandIds, EveryKeyKeepsItsCommand)
{
    std::map<std::string, std::map<std::string, int>> tables;
    size_t keys = 0;
    for (const Pinned& p : kKeys) {
        if (!tables.count(p.menu)) {
            for (const auto& a : acceleratorResource(p.menu))
                tables[p.menu][acceleratorText(a)] = a.id;
            keys += tables[p.menu].size();
        }
        const auto& t = tables[p.menu];
        const auto it = t.find(p.what);
        ASSERT_NE(it, t.end()) << p.menu << ": " << p.what;
        EXPECT_EQ(it->second, p.id) << p.menu << ": " << p.what;
    }
    EXPECT_EQ(keys, std::size(kKeys));
}

// The graph window's Algo menu, item by item: the circuits, tours and the
// Eulerian walk with their ids, and the two exact answers beside them.
TEST(CommandIds, GraphAlgoMenuKeepsItsNumbers)
{
    const std::map<std::string, int> want = {
        {"Algo|Hamiltonian Circuit", 721}, {"Algo|Hamiltonian Path", 722}, {"Algo|Hamiltonian exact", 855},
        {"Algo|TSP|Sorted edges", 725},    {"Algo|TSP|Nearest nbr ...", 724}, {"Algo|TSP|Random search", 729},
        {"Algo|TSP|Best so far", 734},     {"Algo|TSP|Improve pairs", 800}, {"Algo|TSP|Optimal", 856},
        {"Algo|Eulerian", 731},            {"Algo|Refresh", 730},           {"Algo|Slow motion", 707},
        {"Algo|Help", 335},
        {"Algo|MST|Kruskal", 726},         {"Algo|MST|Prim", 727},          {"Algo|MST|Minimal weight", 706},
        {"Algo|Dijkstra ...", 728},        {"Algo|Color", 733},             {"Algo|Use numbers", 708},
        {"Algo|Welsh-Powell", 842},        {"Algo|Orient", 723},            {"Algo|Solution only", 764},
    };
    std::map<std::string, int> algo;
    for (const auto& [path, id] : itemsOf(menuResource("GRFMENU")))
        if (path.rfind("Algo|", 0) == 0)
            algo[path] = id;
    EXPECT_EQ(algo, want);
}

// The graph window's Edit and Misc entries of trees and colourings, and
// Ctrl+C for Color.
TEST(CommandIds, GraphEditMiscAndColorKey)
{
    std::map<std::string, int> items = itemsOf(menuResource("GRFMENU"));
    EXPECT_EQ(items["Edit|Complement"], 713);
    EXPECT_EQ(items["Edit|Complete"], 801);
    EXPECT_EQ(items["Edit|Distances ..."], 802);
    EXPECT_EQ(items["Misc|Weight range ..."], 718);
    std::map<std::string, int> keys;
    for (const auto& a : acceleratorResource("GRFMENU"))
        keys[acceleratorText(a)] = a.id;
    EXPECT_EQ(keys["Ctrl+C"], 733);
}

// The graph window's notation items and the Graph6 (viewer) menu, with the
// numbers of the notation commands and the collections, and their keys.
TEST(CommandIds, GraphNotationItemsKeepTheirNumbers)
{
    const std::map<std::string, int> want = {
        {"File|Paste|Graph6 notation", 793}, {"File|Paste|LCF notation", 863},
        {"Misc|Graph6 notation", 794}, {"Misc|Sparse6 notation", 795},
        {"Graph6|Classic polyhedra|Platonic", 846}, {"Graph6|Classic polyhedra|Archimedean", 847},
        {"Graph6|Classic polyhedra|Johnson", 848},
        {"Graph6|Cubic polyhedra|0: 4-vertex", 810}, {"Graph6|Cubic polyhedra|1: 6-vertex", 811},
        {"Graph6|Cubic polyhedra|2: 8-vertex", 812}, {"Graph6|Cubic polyhedra|3: 10-vertex", 813},
        {"Graph6|Cubic polyhedra|4: 12-vertex", 814}, {"Graph6|Cubic polyhedra|5: 14-vertex", 815},
        {"Graph6|Cubic polyhedra|6: 16-vertex", 816}, {"Graph6|Cubic polyhedra|7: 18-vertex", 817},
        {"Graph6|Cubic polyhedra|8: 20-vertex", 818},
        {"Graph6|Snarks|0: 10-vertex", 864}, {"Graph6|Snarks|1: 18-vertex", 865}, {"Graph6|Snarks|2: 20-vertex", 866},
        {"Graph6|Snarks|3: 22-vertex", 867}, {"Graph6|Snarks|4: 24-vertex", 868}, {"Graph6|Snarks|5: 26-vertex", 869},
        {"Graph6|Snarks|6: 28-vertex", 870},
        {"Graph6|Other ...", 830},
        {"Graph6|Example + 1", 820}, {"Graph6|Example + 10", 821}, {"Graph6|Example + 100", 822},
        {"Graph6|Example - 1", 825}, {"Graph6|Example - 10", 826}, {"Graph6|Example - 100", 827},
        {"Graph6|Next collection", 823}, {"Graph6|Help", 336},
    };
    std::map<std::string, int> got;
    for (const auto& [path, id] : itemsOf(menuResource("GRFMENU")))
        if (path.rfind("Graph6|", 0) == 0 || want.count(path))
            got[path] = id;
    EXPECT_EQ(got, want);
    std::map<std::string, int> keys;
    for (const auto& a : acceleratorResource("GRFMENU"))
        if (a.id >= 820 && a.id <= 827 && a.id != 824) // 824 is Next view (F7)
            keys[acceleratorText(a)] = a.id;
    const std::map<std::string, int> wantKeys = {{"F5", 820}, {"Ctrl+F5", 821}, {"Ctrl+Shift+F5", 822},
        {"F4", 825}, {"Ctrl+F4", 826}, {"Ctrl+Shift+F4", 827}, {"F6", 823}};
    EXPECT_EQ(keys, wantKeys);
}

// The graph window's generators: File New, Paste Valences and Connected,
// Edit Randomize, with the numbers of their commands.
TEST(CommandIds, GraphGeneratorItemsKeepTheirNumbers)
{
    const std::map<std::string, int> want = {
        {"File|New|Circle|Circle ...", 796}, {"File|New|Circle|Complete ...", 709},
        {"File|New|Circle|Points ...", 797}, {"File|New|Circle|Circulant ...", 799},
        {"File|New|Grid|Grid ...", 710}, {"File|New|Grid|Points ...", 798}, {"File|New|Point", 714},
        {"File|New|Random|TSP ...", 712}, {"File|New|Random|Kruskal", 711}, {"File|New|Random|Tree ...", 781},
        {"File|New|Random|Planar ...", 845}, {"File|New|Random|Reset", 849},
        {"File|New|Cubics|Prism ...", 784}, {"File|New|Cubics|Moebius ...", 785},
        {"File|New|Cubics|Petersen ...", 782}, {"File|New|Cubics|Dodecahedron", 786},
        {"File|New|Cubics|1. Barnette 38", 881}, {"File|New|Cubics|2. Grinberg 42", 882},
        {"File|New|Cubics|3. Faulkner-Younger 42", 883}, {"File|New|Cubics|4. Grinberg 44", 884},
        {"File|New|Cubics|5. Faulkner-Younger 44", 885}, {"File|New|Cubics|6. Tutte 46", 886},
        {"File|New|Cubics|7. Grinberg 46", 887}, {"File|New|Cubics|8. Thomassen 94", 888},
        {"File|New|Miscellany|4. Herschel", 790},
        {"File|New|Miscellany|9. USA states", 1800},
        {"File|Paste|Valences", 752}, {"File|Paste|Connected", 780},
        {"Edit|Randomize|Connections", 717}, {"Edit|Randomize|Directions", 716}, {"Edit|Randomize|Weights", 715},
        {"Edit|Polyhedral test", 831}, {"Edit|Next view", 824}, {"View|Schlegel ...", 791},
    };
    const std::map<std::string, int> items = itemsOf(menuResource("GRFMENU"));
    for (const auto& [path, id] : want) {
        const auto it = items.find(path);
        ASSERT_NE(it, items.end()) << path;
        EXPECT_EQ(it->second, id) << path;
    }
    std::map<std::string, int> keys;
    for (const auto& a : acceleratorResource("GRFMENU"))
        keys[acceleratorText(a)] = a.id;
    EXPECT_EQ(keys["F7"], 824);
}

// The graph window's squared-rectangle items with their numbers.
TEST(CommandIds, GraphSquaredRectangleItemsKeepTheirNumbers)
{
    const std::map<std::string, int> want = {
        {"File|Paste|Bouwkamp notation", 833},
        {"File|Squared-rectangle library ...", 839},
        {"View|Squared rectangles|Hide squares", 835},
        {"View|Squared rectangles|Hide graph", 834},
        {"View|Squared rectangles|Restore", 836},
        {"View|Squared rectangles|Numerals", 837},
        {"View|Squared rectangles|Vertical segments", 838},
        {"Misc|Bouwkamp notation", 841},
    };
    std::map<std::string, int> got;
    for (const auto& [path, id] : itemsOf(menuResource("GRFMENU")))
        if ((path.find("Squared") != std::string::npos || path.find("Bouwkamp") != std::string::npos) &&
            path.rfind("Misc|Colors|", 0) != 0)
            got[path] = id;
    EXPECT_EQ(got, want);
}

// The graph window's mouse modes, view, label and settings commands with
// their numbers.
TEST(CommandIds, GraphWindowCommandsKeepTheirNumbers)
{
    const std::map<std::string, int> want = {
        {"Btns|Drawing", 120}, {"Btns|Vertex move", 122}, {"Btns|Arrows", 127}, {"Btns|Text", 123},
        {"Btns|Rotate", 126}, {"Btns|Coordinates", 125}, {"Btns|Graphics", 124}, {"Btns|Redraw deletion", 650},
        {"Btns|Toolbar", 840}, {"Btns|Help", 333},
        {"Edit|Single labels ...", 736}, {"Edit|Icons|No icon", 630}, {"Edit|Icons|Bullet", 631},
        {"Edit|Icons|Circle", 632}, {"Edit|Icons|Solid box", 633}, {"Edit|Icons|Empty box", 634},
        {"Edit|Texts|No text", 635}, {"Edit|Texts|Alphabet", 636}, {"Edit|Texts|User labels", 637},
        {"Edit|Texts|Valence", 638}, {"Edit|Home", 719}, {"Edit|Offset", 720}, {"Edit|Weights", 705},
        {"Edit|Digraph", 704}, {"Edit|Help", 331},
        {"View|Autofit", 703}, {"View|Rotate", 700}, {"View|Angle ...", 701}, {"View|Help", 332},
        {"Misc|Data ...", 732}, {"Misc|Definition", 747}, {"Misc|Icon size ...", 702},
        {"Misc|Thicken print ...", 735}, {"Misc|Simulprint ...", 307}, {"Misc|Help", 334},
        {"File|Help", 330}, {"File|Paste|Coordinates", 745}, {"File|Paste|Adjacencies", 746},
        {"File|Paste|Weights", 749}, {"File|Paste|Zero-based input", 750},
        {"File|Print ...", 303}, {"File|Copy to clipboard", 311}, {"File|Bitmap to clipboard", 310},
        {"File|Export graphics|EPS ...", 85}, {"File|Export graphics|SVG ...", 87},
        {"File|Export graphics|PiCTeX ...", 70}, {"File|Export graphics|Metafile ...", 370},
        {"File|Export graphics|BMP ...", 374},
    };
    const std::map<std::string, int> items = itemsOf(menuResource("GRFMENU"));
    for (const auto& [path, id] : want) {
        const auto it = items.find(path);
        ASSERT_NE(it, items.end()) << path;
        EXPECT_EQ(it->second, id) << path;
    }
    // No command twice in the menu.
    std::map<int, std::string> byId;
    for (const auto& [path, id] : items)
        EXPECT_TRUE(byId.emplace(id, path).second) << id << ": " << path << " and " << byId[id];
}
