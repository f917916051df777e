// Help texts of the bin-packing window, one per menu and one for the
// bin-packing manager.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kPackingHelp[] = {
    {"QNPFILEH", R"HELP(BIN PACKING - THE PICTURE AND THE FILE MENU

Bin packing asks: given ITEMS of various SIZES and BINS that all hold
the same CAPACITY, how few bins will hold all the items? Think of
boxes of books, files on disks, commercials in breaks of 3 minutes,
or lengths of pipe cut from stock pieces. No quick method is known
that always finds the fewest bins, so people use simple rules, the
HEURISTICS of the bin-packing manager, and compare what they give.

THE PICTURE
  Before a packing the window shows the items as bars, in list order,
  each as high as its size on the scale of the capacity, with the
  caption "items: N". After "apply" in the bin-packing manager it
  shows the bins side by side: the free part of each bin in the
  "empty" colour, the used part in the "occupied" colour, and a line
  at the top of every item, so you can read the bin's history from
  the bottom up. The caption says "bins: N". The number at the top of
  the scale is the capacity. "..." at the top left or top right means
  more bins (or items) lie outside the window: use View|Shift.

THE NEW SUBMENU
  Random ...      asks for the number of items (1 to 2500) and a bound
                  B for the sizes; the sizes are drawn at random from
                  1 to B - 1. Take B no larger than the capacity, or
                  some items will not fit any bin.
  Paste items ... takes the numbers from the text on the clipboard,
                  in order (whole parts: 2.9 counts as 2). At most
                  2500, each at least 1. Anything that is not a digit,
                  '.' or '-' just separates numbers, so "2, 9, 5" and
                  a column copied from a spreadsheet both work. If
                  the text cannot be used ("could not find", "no more
                  room", "positive value?", "out of bounds") your list
                  stays as it was.
  Shuffle         mixes the list into a random order.
  Restore         brings back the list as it was made (by Random,
                  Paste or Open), undoing shuffles.

THE FILE
  Open, Save, Save As   bin-packing files (.bpa) keep the list, the
                  capacity, the method and the notebook; a file opens
                  packed by its method, so you see the same bins you
                  saved. A teacher can hand out a list as a file: the
                  class opens it and everybody starts from the same
                  items. A file holds at most 2500 items; a longer
                  one opens with its first 2500 and "no more room" -
                  close it without saving to keep the file whole.
  With "Open last" in the main window, a new bin-packing window
  reopens the file you had last (it remembers it in "qnpack.ini").

PRINTING AND EXPORTING
  The printer and every export get the picture as the window shows
  it: the bins (or items) that are in view, the "..." marks where more
  lie outside, the caption and the capacity. So shift the picture to
  the bins you want to show before you print or export, or make the
  window wide enough for all of them.
  Print ... (Ctrl+P), Format ..., Select printer ...   print the
                  picture; Format sets its size and place on the page.
  Copy to clipboard, Bitmap to clipboard   put the picture on the
                  clipboard for a word processor; With back color
                  decides whether the background colour goes along.
  Export graphics  writes the picture to a file: EPS (for printing
                  and LaTeX), SVG (for web pages and drawing
                  programs), PiCTeX (picture code for TeX and LaTeX
                  reports: \input pictex first), Metafile, BMP.
                  Image size ... sets the size of copies and bitmaps.
  High resolution  makes metafiles (Copy to clipboard, Metafile) nine
                  times finer, for large prints from a word processor.
  Misc|Item sizes writes each item's size into its slice of a bin,
  on screen and in every output, where the slice is tall enough.

  Exit            closes the window (you are asked about changes).
)HELP"},
    {"QNPVIEWH", R"HELP(BIN PACKING - THE VIEW MENU

  Shift Right, Shift Left (arrow keys)  move the picture sideways when
                  not all bins or items fit the window (the "..."
                  marks show where more lie); otherwise they are
                  greyed out.
  Percentage ...  how far one shift moves, in percent of the window's
                  width (at least one bin).
  Last window (Ctrl+L)  goes back to where the picture was before.
  Autofit         brings the first bin (or item) back to the left edge.

MANY BINS
  A long list packs into more bins than the window shows. The left
  edge always starts with a whole bin, and each shift moves by whole
  bins: a quarter of the window unless Percentage says otherwise.
  "..." at the top left means bins lie to the left, "..." at the top
  right means bins lie to the right; when both are gone you see them
  all, and Shift is greyed out. The caption "bins: N" always counts
  every bin, not only those in view. Autofit is the quick way home
  after shifting far to the right.

Make the window wider to see more bins at once. Printouts and exports
show what the window shows, so shift first, then print.
)HELP"},
    {"QNPBTNSH", R"HELP(BIN PACKING - THE BTNS MENU

The Btns menu chooses what the mouse does in the picture:
  Text           place texts
  Graphics       place pictures from the clipboard
  Coordinates    show where you click (the start setting)
The check mark shows the current choice.
)HELP"},
    {"QNPMISCH", R"HELP(BIN PACKING - THE MISC MENU

  Fonts, Colors   the font of the captions and the colours of the
                  picture: the occupied and empty parts of the bins,
                  the captions, the scale and the background.
  Decimal places  how many decimals "need" shows in copy Example.
  Notebook        shows the notebook, a text that is saved with the
                  file.
  copy Example    writes the list into the notebook: the number of
                  items, their total, the bin capacity, and what you
                  NEED at least: total / capacity bins.
  copy Solution   writes the bins of the last packing into the
                  notebook, one line per bin, and the number of bins
                  used, marked [optimal] when it reaches the bound.
  Item sizes      (a check mark) writes each item's size inside its
                  slice of a bin, or above its bar before a packing,
                  wherever there is room for the digits; left out
                  where a slice is too low or a column too narrow.
                  The choice is kept for new windows.
  Optimum         finds the least number of bins there is, by trying
                  packings systematically (branch and bound), and
                  writes one such packing into the notebook. For long
                  lists this can take very long: the title shows the
                  progress, Q stops.

THE BOUND AND THE MARK
  No packing can use fewer than total / capacity bins, rounded up:
  the bins must hold the total. So when a packing uses exactly that
  many bins it is as good as any can be: it is marked [optimal].
  Example: 2 9 5 6 1 3 3 into bins of 10. The total is 29, so at
  least 3 bins are needed. First fit decreasing packs 9 1 | 6 3 |
  5 3 2, three bins: optimal.
  A packing can be optimal WITHOUT the mark: the bound is only a
  bound. 5 4 4 3 2 2 into 10 has total 20, bound 2. Every heuristic
  uses 3 bins, no mark - yet 5 3 2 | 4 4 2 needs only 2. Sometimes
  even the best packing needs more than the bound: 6 6 6 into 10 has
  bound 2 but needs 3 bins, and no packing gets the mark. Optimum
  tells you the least number.
)HELP"},
    {"QNPDIALH", R"HELP(THE BIN-PACKING MANAGER

  bin size        the capacity of every bin (at least 2). Every item
                  must be smaller than it.
  the methods     how each item, in turn, chooses its bin. Only bins
                  with room for the item count; when none has room,
                  a new bin is opened.
    next fit          only the newest bin is looked at; when the item
                      does not fit there, that bin is closed for good
                      and a new one opened.
    first fit         the oldest bin with room.
    last fit          the newest bin with room.
    best fit          the bin with the LEAST room left that still
                      takes the item (the tightest fit); among equals
                      the oldest.
    worst fit         the bin with the MOST room left; among equals
                      the oldest.
    almost-worst fit  the bin with the second most room: the worst-fit
                      bin is passed over, and if no other bin has room
                      a new bin is opened.
  sort items      pack the items sorted by size instead of in list
                  order;
  decreasing      largest first (else smallest first). "First fit
                  decreasing" is first fit with both checked.
  apply           packs and shows the bins.

EXAMPLE: 2 9 5 6 1 3 3 into bins of 10 (at least 3 bins):
  next fit          2 | 9 | 5 | 6 1 3 | 3           5 bins
  first fit         2 5 1 | 9 | 6 3 | 3             4 bins
  last fit          2 5 3 | 9 | 6 1 3               3 bins
  best fit          2 5 3 | 9 1 | 6 3               3 bins
  worst fit         2 5 3 | 9 | 6 1 3               3 bins
  almost-worst fit  2 | 9 | 5 1 3 | 6 3             4 bins
  first fit decreasing  9 1 | 6 3 | 5 3 2           3 bins [optimal]
Try them: Paste the list, set the bin size and press apply for each.
)HELP"},
};
extern const size_t kPackingHelpCount = sizeof(kPackingHelp) / sizeof(kPackingHelp[0]);

} // namespace quan
