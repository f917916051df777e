// Help of the graph window's Graph6 menu: the notations and the viewer.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kNotationHelp[] = {
    {"QNGNOTAH", R"HELP(GRAPHS - NOTATIONS AND THE GRAPH6 VIEWER

Famous graphs are often passed around as short strings of printable
characters. The graph window reads and writes the notations that the
graph programs nauty and networkx use, so a string means here what it
means there.

GRAPH6
  Every character from '?' (63) to '~' (126) carries six bits: its code
  minus 63. The first character gives the number of vertices n (n + 63;
  from 63 vertices on, '~' and three more characters). The bits that
  follow say, pair by pair, whether two vertices are joined, in the order
  (0,1), (0,2), (1,2), (0,3), (1,3), (2,3), ...; the last character is
  filled up with 0 bits.
  Worked example: "DQc". 'D' is 68, so n = 68 - 63 = 5. 'Q' is 81 and
  'c' is 99, giving 18 = 010010 and 36 = 100100. Read against the pairs:
    (0,1) 0  (0,2) 1  (1,2) 0  (0,3) 0  (1,3) 1  (2,3) 0
    (0,4) 1  (1,4) 0  (2,4) 0  (3,4) 1  and two filler bits 0 0.
  The edges are 0-2, 1-3, 0-4 and 3-4. The Petersen graph is IheA@GUAo.

DIGRAPH6
  A directed graph: '&', the size as above, then n x n bits row by row;
  bit (r, c) is 1 when there is an arc from r to c.
  Worked example: "&DI?AO?" has 5 vertices and the arcs 0->2, 0->4,
  3->1 and 3->4. In digraph mode Misc|Graph6 notation writes digraph6; an
  edge without a direction counts as two arcs, one each way.

SPARSE6
  Good for graphs with few edges: ':', the size, then the edges as short
  items, each a bit b and a vertex number x of k bits (k bits are enough
  to write n - 1). A running vertex v starts at 0; b = 1 moves v on by
  one; an x above v moves v to x; an x below v is the edge {x, v}.
  Worked example: ":Fa@x^" is 7 vertices (k = 3) with the edges 0-1, 0-2,
  1-2 and 5-6.

LCF NOTATION
  For cubic graphs with a Hamiltonian circuit: the vertices 0 .. n-1 sit
  on a circuit, and the list says, vertex by vertex, how far along the
  circuit its third edge (a chord) reaches; "^e" repeats the list e times.
  Worked example: [5,-5]^7 is the Heawood graph: 14 vertices, vertex 0
  joins 5, vertex 1 joins 1 - 5 = -4 = 10, and so on. [3,-3]^4 is the
  cube. Each chord must be named from both of its ends; if it is not, or
  the text is not a list of whole numbers in brackets, a message says so
  and your graph stays as it was.

PASTING AND WRITING
  File|Paste|Graph6 notation reads a graph6, digraph6 or sparse6 string
  from the clipboard; File|Paste|LCF notation an LCF list. Misc|Graph6
  notation and Misc|Sparse6 notation write the graph into the notebook.

THE VIEWER: STEPPING THROUGH COLLECTIONS
  A collection is a list of graph6 strings, one per line. Choose one of
  the built-in collections or Other ... for a file of your own (.g6,
  .dg6, .s6 or .d6; dropping such a file on the main window does the
  same). The first example is shown with its number, e.g.
  "20-vertex example 1/7595".
    F5 / Ctrl+F5 / Ctrl+Shift+F5   next example, 10 on, 100 on
    F4 / Ctrl+F4 / Ctrl+Shift+F4   previous example, 10 back, 100 back
    F6                             next collection of the same family
  Going back from the first example shows the last. A line that cannot
  be read gives a message; the graph stays and the number moves on.

POLYHEDRA
  The Platonic, Archimedean and Johnson solids are shown with their
  names. A polyhedron's graph is planar and 3-connected; the window finds
  its faces and draws it from above one of its largest faces (a Schlegel
  diagram): that face is the outer polygon and every other vertex sits at
  the centre of its neighbours, so no edges cross. "(view 1/12)" counts
  the faces.
  The CUBIC POLYHEDRA are the polyhedra with three edges at every
  vertex: 1, 1, 2, 5, 14, 50, 233, 1249 and 7595 of them with 4, 6, ...,
  20 vertices. Each has n/2 + 2 faces.

SNARKS
  A snark is a cubic graph whose edges cannot be coloured with three
  colours so that the edges at each vertex differ, with no short cycles
  (girth at least 5) and no cut of three or fewer edges that splits off a
  cycle. The Petersen graph is the smallest. There are 1, 2, 6, 20 and 38
  of them with 10, 18, 20, 22 and 24 vertices. Snarks are not planar, so
  they are shown on a circle.
)HELP"},
};
extern const size_t kNotationHelpCount = sizeof(kNotationHelp) / sizeof(kNotationHelp[0]);

} // namespace quan
