// Help texts of the power windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kPowerHelp[] = {
    {"QNBFILEH", R"HELP(WEIGHTED VOTING - THE TABLE AND THE FILE MENU

In a weighted voting body each member - a BLOC: a shareholder, a
party, a state in the Electoral College - casts all its votes
together, as one WEIGHT. A motion passes when the blocs voting yes
hold together at least the QUOTA. This window measures how much
power each bloc really has, which is often not in proportion to its
weight. A new window starts with 10 blocs with random weights from 5
to 50, a simple-majority quota and Banzhaf counting.

READING THE TABLE
  name     the bloc's name; "*" after it marks the two blocs of an
           opposition pair (Edit|Opposition)
  weight   the bloc's number of votes
  pct      its share of the total weight, in percent
  pivotal  how often the bloc decided the outcome in the last
           calculation (its pivotal count, see Calculate|Help)
  pct      the pivotal count as a percentage of all the cases
           examined
  B power  the power rating: pivotal count / power unit, so that
           the strongest bloc (large unit) or the weakest bloc
           with any power (small unit) rates 1.00. The heading reads
           "S power" when Shapley-Shubik power is chosen.
  pct      the pivotal count as a percentage of all the blocs'
           pivotal counts together: the bloc's SHARE OF THE POWER.
           Compare it with the weight pct in the second column.
  The totals row shows the total weight, 100, the number of cases
  the last calculation examined, and 100 under the last column.

  The last four columns stay empty until a calculation has run, and
  are emptied again by any change that would make them wrong: a
  weight, the quota, the number of blocs, Banzhaf or Shapley, the
  opposition pair.

EDITING THE TABLE WITH THE MOUSE
  Click a bloc's name or weight with the LEFT mouse button, type the
  new value in the edit box and press Enter (Esc cancels). A name has
  at most 50 characters; an empty entry keeps the old one. A weight
  must be at least 1 (else "positive value?") and at most 2147483647
  (else "out of bounds"); votes are whole, so a weight typed with
  decimals is rounded in the calculations and in a saved file. Other
  cells are computed and give "cannot edit this".
  Click with the RIGHT mouse button to start AUTOFEED: after each
  entry the edit box moves down to the next row of the same column,
  so you can type all the weights in one go. It stops after the last
  row, after an error, or when you press Esc.
  Every change of a weight recomputes the total weight and the
  percentages and sets the quota back to a simple majority.

THE FILE MENU
  Open ... (Ctrl+O)  opens a weighted-voting file (.bnz); you are
                     asked first about unsaved changes.
  Save (Ctrl+S)      saves the table (a new table asks for a name).
  Save As ...        saves it under a new name.
                     A .bnz file holds the blocs' names and weights,
                     the quota, Banzhaf or Shapley, the opposition
                     pair, the range of random weights, the
                     arrangement, the column width and your notebook.
                     Results are not saved: calculate again after
                     opening a file, and check the quota with
                     Edit|Quota.
  Text out ...       the table as plain text in a text window, to
                     read, search, copy, print or save.
  TeX output ...     the table as a plain TeX table (\settabs) in a
                     file you name (noname.tex unless you choose
                     another); "TeX file saved" confirms it.
  Print ... (Ctrl+P) prints the table.
  Format ...         the print format: the margins, in centimetres.
  Select printer ... chooses the printer.
  Help               this text.
  Exit               closes this window (asking about unsaved
                     changes); the other windows stay open.
)HELP"},

    {"QNBEDITH", R"HELP(WEIGHTED VOTING - THE EDIT MENU

NEW RANDOM
  After asking whether to save your changes, fills the table with new
  random whole-number weights from the range of weights (see below),
  names the blocs name01, name02, ..., sets the simple-majority
  quota, the small power unit and no opposition pair. A quick way to
  get fresh examples.

RANGE OF WEIGHTS ...
  The dialog "random weights" asks for the smallest ("set low") and
  the largest ("set high") weight that New random may draw, 5 and 50
  at first. "low" must be at least 1 and "high" at least "low", else
  "out of bounds". On ok the table is filled with new random weights
  from the new range, so Quandel first asks whether to save your
  changes.

NUMBER OF BLOCS ...
  How many rows of the table take part, from 2 to 99 (else "out of
  bounds"). With a smaller number the blocs at the end of the list
  drop out; raise the number again and they come back with their
  names and weights. (In a new window all 99 rows already hold random
  weights, so raising the number brings in more random blocs.) The
  quota is set back to a simple majority of the new total.

DELETE ROWS ...
  Removes the rows "row a through row b", counted from 1 at the top of
  the table as it is displayed now (Arrange|Row numbers shows the
  numbers). The numbers may come in either order; one outside the
  table gives "out of bounds", and at least two blocs must remain
  (else "need at least one"). There is no undo.

QUOTA ...
  The number of votes a motion needs to pass, from 1 to the total
  weight (else "out of bounds"). At first, and again after every
  change of the weights, the quota is a SIMPLE MAJORITY: more than
  half of the total weight, that is half the total rounded down,
  plus 1. Total 10 gives quota 6, total 11 also 6, total 538 (the
  Electoral College) gives 270. For a two-thirds rule, type the
  quota yourself - and do it after the last change of the weights.

OPPOSITION ...
  Declares two blocs that NEVER VOTE ALIKE: whenever one votes yes,
  the other votes no (two rival parties, say). In the dialog
  "conflicting blocs" choose the first and the second bloc and press
  "conflict"; "no conflict" removes the pair. The two blocs show "*"
  after their names.
  Only Banzhaf counting uses the pair: it looks only at coalitions
  that contain exactly one of the two, so the number of cases is
  halved. Shapley-Shubik power ignores it.
  Example: weights A 5, B 3, C 2, quota 6, with B and C opposed. Only
  4 coalitions remain: B, C, A B, A C. The winning ones are A B (8)
  and A C (7); A decides both, B and C one each. Pivotal counts
  4, 2, 2 out of 4 cases: power shares 50%, 25%, 25% instead of
  60%, 20%, 20% without the pair.
)HELP"},

    {"QNBCALCH", R"HELP(WEIGHTED VOTING - THE CALCULATE MENU

Choose WHAT to measure with Banzhaf or Shapley (a check mark shows
the choice), then HOW with All cases, Monte Carlo or Exact (fast).

COALITIONS
  A coalition is any group of blocs that vote yes together. It is
  WINNING when its total weight is at least the quota. Running
  example: three blocs A, B, C with weights 5, 3, 2 and quota 6 (the
  simple majority of the total 10).

BANZHAF POWER: SWINGS
  A bloc has a SWING in a winning coalition when the coalition would
  lose without it (the total minus the bloc's weight is below the
  quota). The 2 x 2 x 2 = 8 coalitions of the example:
      coalition   weight   result    swings
      (nobody)       0     loses
      A              5     loses
      B              3     loses
      C              2     loses
      A B            8     wins      A, B
      A C            7     wins      A, C
      B C            5     loses
      A B C         10     wins      A
  Swings: A 3, B 1, C 1.
  Quandel counts every swing twice - once for the winning coalition
  the bloc would leave, once for the losing coalition (the rest) that
  the bloc turns into a winner by joining - and calls the result the
  PIVOTAL COUNT: A 6, B 2, C 2, out of 8 cases. So
    pct (of cases)  A's vote decides the outcome in 6 of 8 = 75% of
                    the coalitions, B's and C's in 25% each;
    power pct       6 / (6 + 2 + 2) = 60%, 20%, 20%.
  A holds 50% of the votes but 60% of the power, and B, with 30% of
  the votes, has no more power than C with 20%.

SHAPLEY-SHUBIK POWER: PIVOTS
  Now the blocs join one at a time, in some order. The PIVOT of an
  ordering is the bloc whose joining first brings the total up to the
  quota. All 3 x 2 x 1 = 6 orderings of the example:
      ordering   running total   pivot
      A B C      5, 8            B
      A C B      5, 7            C
      B A C      3, 8            A
      B C A      3, 5, 10        A
      C A B      2, 7            A
      C B A      2, 5, 10        A
  Pivotal counts: A 4, B 1, C 1, out of 6 cases. Every ordering has
  exactly one pivot, so here the two pct columns agree: 67%, 17%, 17%.

  Two more tables to try (quota typed with Edit|Quota):
    weights 4, 3, 2, quota 5: equal power for all three in spite of
      the unequal weights (Banzhaf 4 of 8 each, Shapley 2 of 6 each);
    weights 4, 2, 1, quota 4: A is a DICTATOR (pivotal in 8 of 8
      cases); B and C are DUMMIES with pivotal count 0 and power 0.

ALL CASES (Ctrl+A)
  Exact results by looking at every case: all 2^n coalitions of n
  blocs for Banzhaf (half as many with an opposition pair), all n!
  orderings for Shapley-Shubik. The work doubles with every extra
  bloc, so All cases stops at 30 blocs for Banzhaf (2^30 = 1 073 741
  824 coalitions; beyond that "too many blocs") and at 12 blocs for
  Shapley-Shubik (12! = 479 001 600 orderings; beyond that "out of
  bounds"). On larger tables the title shows the progress, for
  example "37% done; press Q to quit". Press Q (or any of the
  window's shortcut keys) to stop; a stopped run shows NO results -
  the columns stay empty, because half a count would mislead.

MONTE CARLO (Ctrl+M)
  Instead of every case, random cases, until you press Q. Banzhaf:
  each bloc joins the coalition by the toss of a coin; only the
  winning coalitions drawn are counted (and, with an opposition pair,
  only those holding exactly one of the two). Shapley-Shubik: random
  orderings. Every 100 000 samples the title shows the count, such as
  "300000 examples done; press Q to quit". When you press Q the
  results of the samples so far are shown.
  These results are ESTIMATES: they change a little from run to run
  and get better the longer the run - roughly, a million samples
  pin the percentages down to about a tenth of a percentage point.
  With Banzhaf the pivotal column counts swings (not doubled) and
  the cases are the winning coalitions counted, so the first pct is
  the share of winning coalitions in which the bloc has a swing.
  Compare the power column and the last pct column with the exact
  results: those measure the same thing.

EXACT (FAST) (Ctrl+E)
  The same exact results as All cases, for any table of up to 99
  blocs, usually in a moment. Instead of visiting the coalitions one
  by one, it COUNTS them by weight. A bloc of weight w has a swing
  exactly when the blocs voting yes with it - a coalition of the
  OTHER blocs - weigh from q - w up to q - 1 (q the quota): they lose
  without it and win with it. So all that is needed is, for every
  total weight below the quota, the number of coalitions of the
  other blocs with that weight.
  Those numbers are built up by DYNAMIC PROGRAMMING: start with one
  coalition (nobody) of weight 0; add the blocs one at a time, and
  for each bloc of weight w make one pass over the totals up to the
  quota, adding to the count of total s the count of total s - w
  (the coalitions that reach s by taking this bloc in). The work
  grows like (number of blocs) x (quota) instead of 2^n.
  Example, bloc A (weight 5): the other blocs B (3) and C (2) form
  coalitions of weight 0 (nobody), 2 (C), 3 (B) and 5 (B C). The
  window is 6 - 5 = 1 up to 5, holding 2, 3 and 5: three swings,
  pivotal count 6. For B (3) the others weigh 0, 2, 5 (A) and 7 (A C);
  the window 3 up to 5 holds only 5: one swing, pivotal count 2.
  For Shapley-Shubik it also counts the coalitions by their SIZE:
  when s other blocs have joined before bloc i and weigh from q - w
  to q - 1, bloc i is the pivot in s! x (n - 1 - s)! orderings (the
  s blocs before it in any order, the rest after it in any order).
  Example, bloc A: B and C alone (size 1) give 1 ordering each, B C
  together (size 2) give 2! = 2 orderings: 1 + 1 + 2 = 4.
  That is why it is fast even for the Electoral College (51 blocs,
  quota 270): All cases would need 2^51 = 2 251 799 813 685 248
  coalitions - about 26 days at a thousand million a second - while
  Exact (fast) updates a list of 270 counts 51 times.
  Banzhaf counting here respects the opposition pair as well. Press Q
  to stop (the results then stay hidden). A very large quota needs
  more memory than Quandel allows - for Banzhaf a quota in the tens
  of millions; for Shapley-Shubik, which also counts by size, sooner
  (with 99 blocs from a few hundred thousand). Then the message "too
  large" appears, and Monte Carlo is the way out.
  With many blocs the counts become huge whole numbers (the Electoral
  College has 51! orderings, a number of 67 digits); read the
  percentage and power columns.

LARGE AND SMALL POWER UNIT
  The power column divides each pivotal count by a unit:
    Small power unit  the weakest bloc that has any power rates 1.00;
                      in the example 3.00, 1.00, 1.00 ("A has three
                      times the power of B").
    Large power unit  the strongest bloc rates 1.00; in the example
                      1.00, 0.33, 0.33.
  A dummy (pivotal count 0) rates 0.00 either way and is passed over
  when the small unit is chosen. Switching the unit only rescales
  the results; there is no need to calculate again.

If the quota is larger than the total weight nobody can ever win,
and the calculations refuse: "check the quota" (Shapley-Shubik with
All cases or Exact (fast): "inconsistent data").
)HELP"},

    {"QNBARRH", R"HELP(WEIGHTED VOTING - THE ARRANGE MENU

The Arrange menu changes only the order in which the blocs are
shown, never the weights or the results. A check mark shows the
present choice.

  by Name       alphabetical order (capitals do not matter)
  by Weight     lightest or heaviest bloc first. With Increasing off,
                the heaviest blocs come first, and you can see at a
                glance whether power follows weight.
  Increasing    switches between increasing order (checked: A to Z,
                lightest first) and decreasing order.
  Row numbers   shows 01., 02., ... in front of the names: the row
                numbers that Edit|Delete rows uses.

After you edit a weight in a table arranged by weight, or a name in
a table arranged by name, the rows are sorted again - but not while
autofeed runs, so that the rows stay put while you type.
)HELP"},

    {"QNBFMTH", R"HELP(WEIGHTED VOTING - THE FORMAT MENU

WIDTH OF COLUMNS ...
  The width of the number columns, in characters. Widen them when
  large weights or pivotal counts do not fit; the width also applies
  to Text out.

TABLE FONT ...
  Chooses the font, size and colour of the table.

NOTEBOOK
  Opens a notebook: a text window for your own notes about this
  voting body (which quotas you tried, what you found). The notes are
  saved in the .bnz file together with the table.
)HELP"},
    {"QNBMISCH", R"HELP(WEIGHTED VOTING - THE MISC MENU

CALCULATIONS
  Opens the calculations worksheet for a table of at most 10 blocs
  (with more there would be too many rows to read: 11 blocs already
  make 2048). Choosing it again rebuilds the worksheet from the table
  as it is now. The worksheet closes by itself when the table changes
  (a weight, a name, the quota, the number of blocs, Delete rows, New
  random, Range of weights, opening a file) or when you switch to
  Shapley: choose Calculations again to see the new table. See the
  worksheet's own Help for how to read it.
)HELP"},
    {"QNWFILEH", R"HELP(CALCULATIONS WORKSHEET - WHERE POWER COMES FROM

The worksheet lists every COALITION of the blocs: every group that
might vote yes together while the others vote no. With m blocs there
are 2 x 2 x ... x 2 = 2^m coalitions, from the empty one (nobody votes
yes) to the one where everybody does.

READING A ROW
  total   the coalition's total weight: the sum of the numbers in
          the row
  columns one per bloc: the bloc's weight when it is in the
          coalition, 0 when it is not
A row is a WINNING row when its total reaches the quota; its total
is drawn in the wins colour and in bold.

SWINGS
  In a winning row a member is PIVOTAL (it has a swing) when its
  leaving would make the coalition lose: total - weight < quota.
  In a losing row a bloc outside is pivotal when its joining would
  make the coalition win: total + weight >= quota.
Pivotal entries are drawn in the pivotal colour, in bold and in a
box, so that you can find them on a black-and-white printout too.

THE COUNTS
  The numbers under the columns count each bloc's pivotal entries.
  Every swing is counted twice: once in the winning coalition the
  bloc leaves and once in the losing coalition that is left behind
  (the same coalition without the bloc). So the counts are exactly
  the Banzhaf pivotal counts that Calculate|All cases shows in the
  table (twice the number of swings). Try it: they agree.

THE OPPOSITION PAIR
  The worksheet lists all coalitions, also those in which the two
  blocs of an opposition pair vote alike, so the pair plays no part
  here; with a pair the table's counts differ from the worksheet's.
  Shapley-Shubik power counts orderings, not coalitions: switching
  to Shapley closes the worksheet.

TEXT OUT
  Puts the worksheet as text into a text window, from which you can
  copy, print or save it. A text window holds 64 000 characters; a
  worksheet of 10 blocs is longer, so the text keeps as many whole
  rows as fit, ends with the counts and says "no more room".

PRINT, FORMAT
  Print prints the worksheet as it is drawn, on as many pages as it
  takes; Format sets the margins.

CLOSE
  Hides the worksheet; Misc|Calculations of the table shows it again.
)HELP"},
    {"QNWFMTH", R"HELP(CALCULATIONS WORKSHEET - THE FORMAT MENU

TABLE FONT ...
  Chooses the font and size of the worksheet (and of its printout).
  A fixed-width font such as Courier keeps the columns straight.
)HELP"},
    {"QNWCOLH", R"HELP(CALCULATIONS WORKSHEET - THE COLORS MENU

BACKGROUND, TABLE, WINS, PIVOTAL
  Pick the colours of the background, of the ordinary numbers, of the
  totals of winning rows and of the pivotal entries. The four must be
  different; the choices are saved with the weighted-voting document
  (.bnz). Pivotal entries are always bold and boxed as well, so the
  marks do not depend on colour alone.
)HELP"},
};
extern const size_t kPowerHelpCount = sizeof(kPowerHelp) / sizeof(kPowerHelp[0]);

} // namespace quan
