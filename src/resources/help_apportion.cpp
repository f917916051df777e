// Help texts of the apportion windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kApportionHelp[] = {
    {"QNAFILEH", R"HELP(APPORTIONMENT - THE TABLE AND THE FILE MENU

This window shares the seats of a house of representatives among
states in proportion to their populations. A new window shows the
2010 census of the United States (50 states, 435 seats) shared out
by Hamilton's method. Whatever you change - a population, the house
size, the method, the divisor - the whole table is computed again at
once.

READING THE TABLE
  State     the state's name
  pop       its population
  pct       its share of the total population, in percent
  quota     its fair share of the seats (the standard quota):
              quota = population / total population x house size
  reps      the seats the chosen method gives it
  pct       its share of all the seats given out, in percent
  district  people per seat: population / reps. A state without a
            seat shows "infinite".
  adj Q     the adjusted quota and the critical value: the two
  crit V    numbers that decide how each state's quota is rounded
            (see the Help of the Method menu)

  The bottom row holds the totals: the total population, 100, the
  HOUSE SIZE (under "quota"), the number of seats actually given out
  (under "reps"), 100, and the ideal district size, that is total
  population / house size (under "district").

  Example: 4 states with 10000 people in all and a house of 10
  seats. A state of 2850 people has quota 2850 / 10000 x 10 = 2.85;
  if it receives 3 seats, its district size is 2850 / 3 = 950,
  against an ideal district size of 10000 / 10 = 1000.

EDITING THE TABLE WITH THE MOUSE
  Click a cell with the LEFT mouse button to change it. An edit box
  opens over the cell, filled with its present value; type the new
  value and press Enter (Esc cancels). You can edit:
    - a state's name (at most 50 characters),
    - a state's population,
    - a column heading, the heading "State" included (at most 20
      characters),
    - the house size: the bottom cell of the "quota" column.
  An empty entry leaves a name or a heading as it was. A number must
  be at least 1 (else "positive value?") and at most 2147483647
  (else "out of bounds"). All other cells are computed by the method
  and cannot be typed over.

  Click with the RIGHT mouse button to start AUTOFEED: the same edit,
  but after each entry the edit box moves down to the same column of
  the next row, so you can type a whole column of populations in one
  go. While autofeed runs the title says "Esc cancels autofeed". It
  stops after the last row, after an error, or when you press Esc
  (or cancel the edit box). Autofeed does not start in the column the
  table is arranged by, because the rows would move as you type.

  Populations may be typed with decimals (1234.6) and are used as
  typed, but a saved file holds whole numbers: SAVING ROUNDS EVERY
  POPULATION to a whole number (1234.6 is saved as 1235; an exact
  half rounds down, so 1234.5 is saved as 1234). The house size is
  always rounded to a whole number as soon as you enter it.

THE FILE MENU
  Open ... (Ctrl+O)
      Opens an apportionment file (.hor). If the table has unsaved
      changes, Quandel first asks whether to save them.
  Save (Ctrl+S)
      Saves the table. A table without a file name of its own yet
      (census data, for example) asks for a name first.
  Save As ...
      Saves the table under a new name.
      A .hor file holds the states' names and populations, the house
      size, the method, the divisor, the arrangement, the column
      width, the column headings and the text of your notebook.
  Text out ...
      Writes the table as plain text into a text window, where you
      can read it, search it, copy it, print it or save it.
  TeX output ...
      Writes the table as a plain TeX table (\settabs) into a file
      you name (noname.tex unless you choose another name), ready to
      paste into a report. You are asked before an existing file is
      overwritten; "TeX file saved" confirms the result.
  Print ... (Ctrl+P)
      Prints the table.
  Format ...
      The print format: the margins of the printout, in centimetres.
  Select printer ...
      Chooses the printer and its settings.
  Lunch ... (F12)
      Today's specials. Tick what you like - but do not get your
      hopes up: the kitchen is always closed.
  Help
      This text.
  Exit
      Closes this window (asking first about unsaved changes). The
      other windows stay open.
)HELP"},

    {"QNADATAH", R"HELP(APPORTIONMENT - THE DATA MENU

CENSUS
  The Census submenu loads the apportionment populations of a United
  States census, the states in alphabetical order, together with the
  house size of that time. The letter in brackets is the key to press
  in the submenu.

    census     states  seats       census     states  seats
    1790 (A)     15     105        1890 (K)     44     356
    1800 (B) *   16     141        1900 (L)     45     386
    1810 (C) *   17     181        1910 (M)     46     433
    1820 (D)     24     213        1920 (N)     48     435
    1830 (E)     24     240        1930 (O)     48     435
    1840 (F) *   26     223        1940 (P)     48     435
    1850 (G) *   31     234        1950 (Q)     48     435
    1860 (H) *   34     233        1960 (R)     50     435
    1870 (I)     37     292        1970 (S)     50     435
    1880 (J)     38     325        1980 to 2010 (T to W):
                                               50     435

  * The census sets of 1800, 1810, 1840, 1850 and 1860 are not yet
    included in this version, so their menu entries are greyed out.

  The 1970 set carries the official published apportionment
  population, whose total is 204 053 325.

  Four special sets, each with 50 states and 435 seats:
    a = 1970 [-foreign]      the 1970 census without the military
                             personnel overseas (total 202 545 363)
    b = 1984 [hypothetical]  invented populations for 1984
    c = 1984 [hypothetical]  a second invented set for 1984, with
                             the same total (221 138 415) spread
                             differently over the states
    d = 1990 [-foreign]      the 1990 census without the military
                             personnel overseas (total 248 102 973)

  Loading a census replaces the whole table. The window takes a name
  such as usa1790.hor or usa1984b.hor, and counts as unchanged, so
  nothing needs saving until you change something. The divisor starts
  at the ideal district size (total population / house size).

NUMBER OF STATES ...
  Sets how many rows the table uses, from 2 to 99 (else "out of
  bounds"). With a smaller number the states at the end of the list
  (the end of the order in which they were loaded or entered, not of
  the display) drop out of the calculation; raise the number again and
  they come back as they were. Rows that have never been used are
  called "name 51", "name 52", ... and hold 5000 people each: click
  their cells to give them a real name and population.

  Example: to add a 51st state to the 2010 census, set the number of
  states to 51, then click the new row's name and population.

DELETE ROWS ...
  Removes the rows "row a through row b", counted from 1 at the top of
  the table as it is displayed now (switch on Arrange|Row numbers to
  see the numbers). The two numbers may be given in either order; a
  number outside the table gives "out of bounds", and you cannot
  delete every row ("need at least one"). There is no undo, so save
  first if you may want the rows back.

  Example: to keep only the ten largest states, choose Arrange|by
  Population with Increasing switched off (largest first), then
  delete rows 11 through 50.

Changing the number of states in any of these ways (a census with
another number of states, Number of states, Delete rows) also empties
the list of registered apportionments (Other menu) and sets the
divisor back to the ideal district size.
)HELP"},

    {"QNAMETHH", R"HELP(APPORTIONMENT - THE METHOD MENU

THE PROBLEM
  A house of H seats is to be shared among states in proportion to
  their populations. A state's fair share is its standard quota
      quota = population / total population x H.
  Quotas are rarely whole numbers, and a state cannot have 2.85
  seats. Each method is a rule for rounding the quotas so that, in
  the end, the seats add up to H. Different rules can give different
  answers - that is the whole story of apportionment.

  Running example (Data|Number of states 4, then type it in):
      state   population   quota
      Alpha       5270      5.27
      Beta        2850      2.85
      Gamma       1540      1.54
      Delta        340      0.34
      total      10000     10.00     (house size H = 10)
  The ideal district size is 10000 / 10 = 1000 people per seat.

THE LARGEST-REMAINDER METHODS: 0, 1 AND 2
  0 = Hamilton
      Every state first gets the whole part of its quota. The seats
      still left go, one each, to the states with the largest
      fractional parts (the remainders).
      Example: 5 + 2 + 1 + 0 = 8 seats. Remainders .27, .85, .54, .34:
      the 2 seats left go to Beta (.85) and Gamma (.54).
      Result: Alpha 5, Beta 3, Gamma 2, Delta 0.
  1 = Hamilton [min=1]
      Hamilton, except that a state whose quota is below 1 is first
      in line for a leftover seat, so that every state gets a seat
      (as long as there are enough leftover seats).
      Example: Delta first, then Beta. Result: 5, 3, 1, 1.
  2 = Lowndes
      Hamilton, but the remainders are measured relative to the
      whole part: remainder / whole part. This favours small states.
      A state whose quota is below 1 is first in line.
      Example: Alpha .27/5 = .054, Beta .85/2 = .425, Gamma .54/1 =
      .54, Delta first. Result: 5, 2, 2, 1.
  A tie goes to the state that comes first in the table's own order
  (the order in which the states were loaded or entered). These
  methods always hand out exactly H seats; there is no divisor.

THE DIVISOR METHODS: 3 TO 9
  Choose a number D, the divisor (think of it as the number of people
  one seat should stand for). A state's ADJUSTED QUOTA is
      adjusted quota = population / D,
  and the method rounds it to a whole number of seats:
    3 = Jefferson            round down
    4 = Jefferson [min=1]    round down, but at least one seat
    5 = Webster              round to the nearest whole number
                             (an exact half rounds down)
    6 = Webster [min=1]      round to nearest, but at least one seat
    7 = Adams                round up (any fraction gives a seat)
    8 = Huntington-Hill      round up when the adjusted quota is
                             above the GEOMETRIC mean of the two whole
                             numbers around it: between 2 and 3 the
                             cut is sqrt(2 x 3) = 2.449
    9 = Dean                 round up when it is above the HARMONIC
                             mean: between 2 and 3 the cut is
                             2 x 2 x 3 / (2 + 3) = 2.4
  Adams, Huntington-Hill and Dean give every state with people at
  least one seat (their cut between 0 and 1 is 0). Huntington-Hill is
  the method used for the United States House since 1941.

  A divisor is CORRECT when the rounded adjusted quotas add up to
  exactly H. A larger divisor makes every adjusted quota smaller and
  so gives fewer seats; a smaller divisor gives more. At D = ideal
  district size, Jefferson (rounding down) usually gives too few
  seats and Adams (rounding up) too many.

  The example with a correct divisor for four of the methods:
                Jefferson    Webster      Adams        Hunt.-Hill
                D = 800      D = 1000     D = 1350     D = 1100
  Alpha  5270   6.588 -> 6   5.270 -> 5   3.904 -> 4   4.791 -> 5
  Beta   2850   3.562 -> 3   2.850 -> 3   2.111 -> 3   2.591 -> 3
  Gamma  1540   1.925 -> 1   1.540 -> 2   1.141 -> 2   1.400 -> 1
  Delta   340   0.425 -> 0   0.340 -> 0   0.252 -> 1   0.309 -> 1
  seats         10           10           10           10
  (Dean gives 5, 3, 1, 1 as well, for example at D = 1170.) Correct
  divisors form a range: Jefferson works for any D above 770 up to
  878.33, Webster for any D between 958.18 and 1026.67.

THE COLUMNS adj Q AND crit V
  adj Q   Divisor methods: population / D.
          Hamilton and Lowndes: simply the quota.
  crit V  The critical value: the point where the state's rounding
          changes. Let f be the whole part of adj Q. The state gets
          f + 1 seats when adj Q is ABOVE crit V, and f seats when it
          is not:
            Jefferson         f + 1  (so it always rounds down)
            Webster           f + 0.5
            Adams             f      (so any fraction rounds up)
            Huntington-Hill   sqrt(f x (f + 1))
            Dean              2 x f x (f + 1) / (2f + 1)
          When adj Q is a whole number, crit V under Jefferson and
          Webster is f itself. Under the [min=1] variants, and under
          Huntington-Hill and Dean, a state with adj Q below 1 has
          crit V 0: its first seat is certain.
          Hamilton, Hamilton [min=1] and Lowndes: crit V is the
          remainder by which the state was ranked for a leftover
          seat (1.000 for a state in line first).
  Example, Webster at D = 1000: Gamma has adj Q 1.540 and crit V
  1.500; 1.540 is above 1.500, so Gamma gets 2 seats. Alpha has adj Q
  5.270 and crit V 5.500, so it stays at 5; it would get a sixth seat
  once 5270 / D is above 5.5, that is for D below 958.18.

FINDING A CORRECT DIVISOR: THE DIVISOR DIALOG
  Quandel does not search for the divisor: you do, and watching the
  seats move from state to state as you go is the point. When you
  choose a divisor method the Divisor dialog opens (later you can
  open it with Method|Divisor or Ctrl+D). The title bar shows the
  method, the divisor and a verdict, for example
      [Webster; 1000.00 correct divisor]
  "correct divisor" means the seats add up to the house size. Until
  then it says "incorrect divisor", and the bottom of the "reps"
  column shows how many seats the divisor gives.

  The dialog has:
    edit box, apply  Type a divisor and press apply (or Enter). It
                     must be at least 1 (else "out of bounds"). A
                     value outside the slider's range widens the
                     range to include it.
    set L            Makes the typed value the left end L of the
                     slider (and the divisor). It must be below R.
    set R            Makes the typed value the right end R of the
                     slider (and the divisor). It must be above L.
    slider           Runs from L (left) to R (right) in 100 steps;
                     the arrow keys move one step, Page Up and Page
                     Down ten. Every move recomputes the table LIVE.
    close            Hides the dialog.
  When you choose a divisor method, Quandel sets the slider's range
  by two trial roundings around the ideal district size. Switching
  from one divisor method to another keeps the divisor when it lies
  in the new range.

  How to home in on a correct divisor:
    1. Too many seats (the "reps" total is above the house size)?
       Make the divisor larger (slider to the right). Too few? Make
       it smaller.
    2. If one slider step jumps right over the correct divisors,
       narrow the range: type a divisor just below the good region
       and press "set L", one just above and press "set R". The
       steps become finer.
    3. The correct divisors may lie outside the slider's range. In
       the example, Adams needs a divisor from 1317.5 up to (but not
       including) 1425: type 1350 and press apply.
  Tip: the priority list (Other menu) tells you a correct divisor
  directly - see the Help of the Other menu.

WATCH
  Method|Watch is meant to open a picture of the divisor: one axis
  per state, with tick marks at the divisors where the state's seat
  count changes and a line at the present divisor. In this version it
  may say "not yet available".

Choosing Hamilton, Hamilton [min=1] or Lowndes closes the Divisor
dialog, since these methods need no divisor.
)HELP"},

    {"QNAARRH", R"HELP(APPORTIONMENT - THE ARRANGE MENU

The Arrange menu changes only the order in which the rows are shown;
it never changes the data or the seats. A check mark shows the
present choice, and the arrangement is saved with the file.

  by Name              alphabetical order (capitals do not matter)
  by Population        smallest or largest state first
  by District size     people per seat. With Increasing on, the best
                       represented states (fewest people per seat)
                       come first and the worst represented last; a
                       state without a seat has an infinite district
                       size. A good way to judge how fair an
                       apportionment is.
  by Critical value    the crit V column. Under Hamilton and Lowndes
                       this is the remainder, so with Increasing off
                       the states that won the leftover seats come
                       first, in the order they won them.
  Increasing           switches between increasing order (checked:
                       A to Z, smallest first) and decreasing order.
  Row numbers          shows 01., 02., ... in front of the names:
                       the row numbers that Data|Delete rows uses.

When you edit a name while the table is arranged by name, or a
population while it is arranged by population, the rows are sorted
again at once.

Behind the display the table keeps its own order, the order in which
the states were loaded or entered (alphabetical for census data).
That order decides ties between states (a leftover seat, a place in
the priority list) and the order of the comparison summary; the
arrangement does not change it.
)HELP"},

    {"QNAOTHH", R"HELP(APPORTIONMENT - THE OTHER MENU

PRIORITY LIST (divisor methods only)
  Another way to see a divisor method: hand out the seats one at a
  time. Each state has a NEED, its claim to one more seat; the next
  seat goes to the state with the greatest need, whose need is then
  worked out again. For a state of population p that holds k seats:
    Jefferson          p / (k + 1)
    Webster            p / (k + 0.5)
    Adams              p / k
    Huntington-Hill    p / sqrt(k x (k + 1))
    Dean               p x (k + 0.5) / (k x (k + 1))
  Under Adams, Huntington-Hill, Dean and the two [min=1] variants a
  state without a seat has an INFINITE need: the first seats go to
  every state in turn, in the table's own order, and the list shows
  "infinite" as their need. Ties go to the state that comes first in
  the table's own order.

  Each line of the list shows: the seat number, the state that wins
  it, (the state's seat count after winning it), and the need with
  which it won the seat. The list runs up to the house size.
  Example: the four states of the Method help (Alpha 5270, Beta
  2850, Gamma 1540, Delta 340) under Huntington-Hill, H = 10 (the
  spacing is shortened here):
     1: Alpha      (1)      infinite
     2: Beta       (1)      infinite
     3: Gamma      (1)      infinite
     4: Delta      (1)      infinite
     5: Alpha      (2)      3726.453
     6: Alpha      (3)      2151.468
     7: Beta       (2)      2015.254
     8: Alpha      (4)      1521.318
     9: Alpha      (5)      1178.408
    10: Beta       (3)      1163.508
  Final seats: Alpha 5, Beta 3, Gamma 1, Delta 1 - the same as the
  table gives with a correct divisor. The list also shows you such a
  divisor: any divisor a little below the need of the last seat
  (here 1163.508) is correct, for example 1163. It must stay above
  the need the next seat would have (here about 1089).

REGISTER APPORTIONMENT ...
  Stores the present seats of every state under a heading of up to
  20 characters, preset to the method's short name (" Ham", " Jef",
  " Web", "Adam", "Hill", ...). The dialog's title counts your
  entries: "apportionment #1", "#2", ... Register several results
  (different methods, house sizes or divisors), then compare them
  with See summary.

SEE SUMMARY
  Shows the registered apportionments side by side in a text window
  titled "comparison of apportionments": one column per entry, one
  line per state, then "total" (the house size of each entry) and
  "divisor" (the divisor used, rounded to a whole number; for
  Hamilton and Lowndes the ideal district size). For the example:
      State         Ham    Jef    Web   Adam   Hill
      ---------------------------------------------
      Alpha           5      6      5      4      5
      Beta            3      3      3      3      3
      Gamma           2      1      2      2      1
      Delta           0      0      0      1      1
      ---------------------------------------------
      total          10     10     10     10     10
      divisor      1000    800   1000   1350   1100

ZERO SUMMARY
  Empties the list of registered apportionments. The list is also
  emptied whenever the number of states changes, and it is not saved
  in the .hor file.

ELECTORAL POWER
  Opens a weighted-voting window titled "Electoral College power"
  (one per apportionment window) in which every state is a voting
  bloc of the Electoral College: its weight is its number of seats in
  this table plus 2 (for its two senators). The District of Columbia
  is added with weight 3. With the 2010 census and 435 seats that is
  435 + 100 + 3 = 538 electoral votes, and the majority quota is 270.
  There you can compute each state's Banzhaf or Shapley-Shubik power;
  that window's Help menus explain how. The weights come from the
  seats now in this table, so check first that the title says
  "correct divisor" when you use a divisor method.
)HELP"},

    {"QNAFMTH", R"HELP(APPORTIONMENT - THE FORMAT MENU

WIDTH OF COLUMNS ...
  The width of the number columns, in characters (at least 6, else
  "out of bounds"). Widen the columns when large populations do not
  fit: the population of California in 2010, 37341989, needs 8
  characters. The width also applies to Text out.

QUOTA PLACES ...
  The number of decimal places shown in the quota, adj Q and crit V
  columns and in the edit box of the Divisor dialog (3 at first).
  More places help to tell apart two states whose remainders or
  adjusted quotas are very close.

TABLE FONT ...
  Chooses the font, size and colour of the table.

NOTEBOOK
  Opens a notebook: a text window for your own notes about this
  table (what you tried, which divisors worked, your answers). The
  notes are saved in the .hor file together with the table.
)HELP"},
    {"QNDFILEH", R"HELP(THE DIVISOR WATCH PLOT

Method|Watch opens this picture for the divisor methods (Jefferson,
Webster, Adams, Huntington-Hill, Dean and their [min=1] forms). It
answers the question: as the divisor D moves, when does each state
gain or lose a seat?

WHAT YOU SEE
  Every state has a horizontal line, its AXIS, with its name at the
  left. Along the axis the x coordinate is the divisor.
  A TICK on a state's axis marks a CRITICAL DIVISOR: moving D from the
  right of a tick to its left gives that state one more seat.
  The vertical line is the current divisor D; where it crosses an axis
  the state's seats at D are written.
  The title shows D, then "===>", then the total number of seats the
  method gives at D. When that total is the house size, D is a correct
  divisor.

CRITICAL DIVISORS
  A state of population p gets one more seat than k when D falls below
      Jefferson         p / (k + 1)
      Webster           p / (k + 1/2)
      Adams             p / k
      Huntington-Hill   p / sqrt(k (k + 1))
      Dean              p (2k + 1) / (2k (k + 1))
  so a large state has many ticks close together, a small state few,
  far apart.

FINDING A CORRECT DIVISOR
  Move the divisor (the slider of Method|Divisor, or drag the line
  here with the left mouse button) and watch the title. Each time the
  line crosses a tick, exactly that state's seats change by one, so the
  total changes by one - unless two ticks lie at the same divisor. Then
  the total jumps by two, and it may happen that NO divisor gives the
  house size: try the example in Data|Number of states with four states
  of 5400, 2700, 1500 and 400 and a house of 10 under Adams.

TEXT OUT
  lists every state with its seats at D and the nearest ticks on both
  sides: the divisor below which it gains a seat and the one above
  which it loses one ("-" when there is none).
)HELP"},
    {"QNDVIEWH", R"HELP(THE DIVISOR WATCH PLOT - VIEW

Zoom in (PgUp) to see the ticks of a large state one by one; zoom out
(PgDn) to see many at once. The arrow keys shift the view; the mouse
wheel scrolls the states by whole rows. Ticks closer together than
three pixels are not drawn, so zoom in when a state's axis shows none
near the line. When the divisor leaves the picture, the view follows
it; Last window (Ctrl+L) goes back.
)HELP"},
    {"QNDMISCH", R"HELP(THE DIVISOR WATCH PLOT - FONTS AND COLORS

Fonts: "Reps" for the seat counts at the line, "Axis labels" for the
state names. Colors: the axes, the background, the divisor line, the
counts and the names.
)HELP"},
};
extern const size_t kApportionHelpCount = sizeof(kApportionHelp) / sizeof(kApportionHelp[0]);

} // namespace quan
