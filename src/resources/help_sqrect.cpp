// Help of the squared rectangles: reading a code, the kinds of tiling, the
// electrical network and the library.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kSqrectHelp[] = {
    {"QNGSQREH", R"HELP(GRAPHS - SQUARED RECTANGLES

A squared rectangle is a rectangle cut into squares whose sides are whole
numbers. It is PERFECT when no two squares have the same size, SIMPLE when
no smaller set of its squares (two or more, but not all) forms a rectangle
of its own, and COMPOUND when some set does. A squared square is a squared
rectangle whose width equals its height.

READING A BOUWKAMP CODE
  The code lists the sizes of the squares row by row from the top, each
  row from left to right, in brackets. Look at the lower edge of what is
  filled so far: take its highest stretch (the leftmost one if there are
  several at the same height). The next bracket group fills exactly that
  stretch, squares placed left to right with their tops on it.
  Example: Moron's rectangle of 1925, 33 wide and 32 high,
      (18,15)(7,8)(14,4)(10,1)(9)
  18 and 15 fill the top edge (18 + 15 = 33). The 15 is shorter than the
  18, so the stretch under the 15 comes next: 7 and 8 (7 + 8 = 15). Then
  under the 18: 14 and 4. The 4 and the 7 end at the same height, so 10
  and 1 fill the 11 units under both. Last, 9 fills the gap beside the 10
  under the 1 and the 8.
  A code may also start with three numbers before the first bracket: the
  order (number of squares), the width and the height, as in
      9 33 32 (18,15)(7,8)(14,4)(10,1)(9)
  or, without brackets at all, 9 33 32 18 15 7 8 14 4 10 1 9.
  Every number must be at least 1; a square of 32768 or more is refused
  ("too large"), and so is a code whose groups do not fit ("inconsistent
  data"). A code that cannot be read never changes the graph on screen.

THE ELECTRICAL NETWORK
  Draw a point for each horizontal segment of the tiling (a maximal
  horizontal line piece: the top edge, the bottom edge, and every piece
  in between) and, for each square, an edge from the segment under its
  top to the segment under its bottom, with the square's size as weight.
  This network obeys Kirchhoff's laws: along every inner segment the
  squares above add up to the same width as the squares below (current
  in = current out), and the width W flows from the top edge to the
  bottom edge. Read as a circuit of unit resistors, the sizes are the
  currents and the heights of the segments the potentials. Brooks, Smith,
  Stone and Tutte (1940) found squared rectangles by solving such
  networks.
  Two equal squares side by side sit between the same two segments, so in
  the network they share one edge: the graph cannot tell them apart. That
  is why perfect tilings are the interesting ones.
  With Vertical segments on, the network is built from the vertical
  segments instead, the currents flowing from the left edge to the right
  edge, H in all. Misc|Bouwkamp notation writes both codes into the
  notebook: "hori" as read along the horizontal segments and "vert" for
  the tiling turned a quarter turn.

THE VIEW MENU
  Hide squares and Hide graph show the network or the squares alone;
  Numerals writes each square's size in it; Restore puts the vertices
  back on the midpoints of their segments after they were moved.

FAMOUS TILINGS
  Z. Moron (1925) published the first perfect squared rectangles: 33 x 32
  of order 9, above, and 65 x 47 of order 10. The smallest perfect
  squared square has 21 squares and side 112; A. J. W. Duijvestijn found
  it by computer in 1978:
      (50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)

THE LIBRARY
  File|Squared-rectangle library opens a list of every simple perfect
  squared rectangle of order 9 to 17 (2, 6, 22, 67, 213, 744, 2609, 9016
  and 31426 of them, counted up to turning and mirroring), every simple
  perfect squared square of order 21 to 26 (1, 8, 12, 26, 160, 441) and
  every compound perfect squared square of order 24 to 28 (1, 2, 16, 46,
  143): 44961 tilings. The counts are those published (OEIS A002839,
  A006983, A181340). The rectangles and simple squares were generated
  from the 3-connected planar graphs (plantri) by solving Kirchhoff's
  equations exactly, and checked against published codes; the compound
  squares are those of S. E. Anderson's tables (arXiv:1303.0599). The
  larger collections are the files qngspr13.bou ... qngspr17.bou,
  qngsps25.bou, qngsps26.bou, qngcps27.bou and qngcps28.bou beside the
  program; a category whose file is missing is not offered.
)HELP"},
};
extern const size_t kSqrectHelpCount = sizeof(kSqrectHelp) / sizeof(kSqrectHelp[0]);

} // namespace quan
