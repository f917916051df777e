// Help texts of the graph window, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kGraphsHelp[] = {
    {"QNGFILEH", R"HELP(GRAPHS - THE FILE MENU

A GRAPH is a set of VERTICES (points) joined by EDGES (lines). The
graph window holds one graph of at most 286 vertices. Each edge may
carry a WEIGHT (a whole number 0 to 32767: a distance, a cost, a
time) and, in a DIGRAPH, a DIRECTION. The vertices are named A, B,
..., Z, then A_0 ... Z_0, A_1 ..., up to Z_9.

OPEN, SAVE, SAVE AS
  Graph files end in ".gra". They keep the vertices with their
  labels and places, the edges with weights and directions, the view,
  the colours and fonts and the notebook.

PASTE
  Each Paste command reads the numbers in the text on the clipboard.
  Anything that is not a digit, '.' or '-' only separates numbers, so
  commas, colons, words and line breaks may be used freely. If the
  text cannot be used, a message says why and your graph stays as it
  was. Coordinates and Adjacencies replace the graph: you are asked
  first whether to save the changes.

  Coordinates   a whole graph, in blocks; each block starts with how
                many items follow:
                  the number of vertices n, then n pairs x y;
                  (optional) the number of edges, then the edges as
                  pairs of vertex numbers;
                  (optional) the number of weights, then the weights
                  of the first edges, in the order of the edges;
                  (optional) the number of directions, then one
                  direction per edge: 1 from the edge's first vertex
                  to its second, -1 the other way, 2 both ways, 0 none.
                Vertex numbers start at 0 while "Zero-based input" is
                checked (it is at first), else at 1.
  Adjacencies   new edges for the vertices you have: groups each
                ended by ';', the first number of a group a vertex and
                the others its neighbours, counted from 0 (A is 0).
                "0 1 2; 1 2;" joins A to B and C, and B to C.
  Weights       one weight for every pair of vertices, in the order
                AB, AC, AD, ..., BC, BD, ..., so every pair becomes an
                edge. Three vertices need 3 numbers, four need 6.
  Graph6 notation  a graph written in printable characters, as graph
                collections and the programs of nauty keep them:
                "IheA@GUAo" is the Petersen graph (see the Graph6
                menu's help).
  LCF notation  a cubic graph with a Hamiltonian circuit: the jumps
                along the circuit, "[3,-3]^4" is the cube.
  Bouwkamp notation  a squared rectangle, the sizes of its squares row
                by row in brackets: "(18,15)(7,8)(14,4)(10,1)(9)" is
                the 33 x 32 rectangle of nine different squares. The
                graph becomes its electrical network.
  Valences      a list of valences, one per vertex: "3 3 3 3" gives
                the complete graph on four vertices (see File|New|Help).
  Connected     (checked) Valences then also makes the graph connected.
  Zero-based input  (checked) the Coordinates paste numbers the vertices
                from 0; unchecked, from 1.

SQUARED-RECTANGLE LIBRARY ...
  Opens the library of squared rectangles and squares: choose a size,
  then an entry, and it is drawn with its network.

AN EXAMPLE TO PASTE (Coordinates): copy the lines between the marks.
----- copy from here
vertices: 5
0 0
2 0
2 2
0 2
1 3.5

edges: 5
0 1
1 2
2 3
3 0
2 4

weights: 4
0 12 0 7

directions: 4
1 0 -1 2
----- to here
  This gives five vertices, the square A B C D with the roof E on C.
  AB has weight 0 and points from A to B; BC weighs 12 and has no
  direction; CD points from D to C; DA weighs 7 and goes both ways;
  CE has weight 0 and no direction.

  Misc|Definition writes your graph into the notebook in this form
  (the edges in the order of their first vertex, the weights up to the
  last that is not 0), so a graph can be kept as text, changed in the
  notebook, and pasted back.

PRINT, COPY, EXPORT (as in every picture window)
  Print ...            prints the picture (Ctrl+P); Format ... (Ctrl+
                       Shift+P) sets its size and place on the paper;
                       Select printer ... chooses the printer.
  Copy to clipboard    the picture for a word processor.
  With back color      copies and prints with the window's background.
  Bitmap to clipboard  the picture as pixels.
  High resolution      metafiles at nine times the screen's detail.
  Export graphics      EPS, SVG, PiCTeX, Metafile (EMF) or BMP files
                       for a report; Image size ... sets their size.
  Exit                 closes the window (you are asked to save).
)HELP"},
    {"QNGEDITH", R"HELP(GRAPHS - THE EDIT MENU

LABELS
  Every vertex has a mark (its ICON) and a text beside it.
  Icons        No icon, Bullet, Circle, Solid box, Empty box: for all
               vertices, and for the vertices you draw later.
  Texts        No text, Alphabet (A, B, C ...), User labels (the texts
               you typed in Text mode), Valence (the number of edges at
               the vertex; in a digraph "out/in").
  Single labels ...  the same for some vertices only: type their names
               ("A C E_0"), choose the icon and the text, press apply.
  Home         puts every label back on its vertex.
  Offset       moves every label a little up and to the right, off its
               vertex (Ctrl+Home).

WEIGHTS shows or hides the weights at the middle of each edge.
  Turning them on selects Text mode, so you can click a weight to
  change it.
DIGRAPH shows the directions of the edges as arrowheads. In a digraph
  the valence of a vertex becomes two numbers: how many edges leave it
  (out) and how many arrive (in). Turning Digraph off selects Drawing
  mode again.

COMPLEMENT   joins every two vertices that were not joined and removes
             every edge there was. Doing it twice gives the graph back
             (with all weights 0).
COMPLETE     joins every two vertices (weights 0): the complete graph,
             which the TSP commands need.
DISTANCES ...  asks for the greatest weight (2 to 32767, 20000 at
             first) and gives every edge a weight proportional to its
             length in the plane: the longest edge gets that weight.
These three ask you to save first, since they change the graph.

RANDOMIZE
  Connections  removes every edge, then joins random pairs of vertices
               (twice as many pairs are drawn as there are vertices).
  Directions   gives every edge a random direction (a digraph).
  Weights      gives every edge a random weight from the Weight range
               (Misc menu).
POLYHEDRAL TEST  tells whether the graph is the graph of a polyhedron
             (planar and 3-connected) and finds its faces.
NEXT VIEW (F7)  draws such a graph again with another face outside
             (after a Polyhedral test).
)HELP"},
    {"QNGVIEWH", R"HELP(GRAPHS - THE VIEW MENU

The View menu moves the window over the plane in which the vertices
lie, as in every picture window: zoom in and out (PgUp, PgDn), shift
(the arrow keys), go back to the last window (Ctrl+L), set the view by
its centre and width, or by its corners.

  View ...          the view by its centre and width, or its corners.
  Zoom out, Zoom in (PgDn, PgUp), Factor ... (how much they zoom).
  Shift right, Shift left, Shift up, Shift down (the arrow keys), and
  Percentage ... (how far they shift).
  Last window (Ctrl+L) goes back to the view before.

AUTOFIT (Ctrl+F) fits the view to the graph, so that every vertex is
in the window with a margin around it. Use it after a paste, or when
you have lost your graph.
ROTATE (Ctrl+R) turns the whole figure about the middle of the window
by the angle, counter-clockwise; the figure keeps its shape. ANGLE ...
sets that angle in degrees (30 at first; a negative angle turns
clockwise). Twelve turns of 30 degrees bring the figure back.
SCHLEGEL ... draws a polyhedral graph without crossings, with a face
of your choice outside (see File|New|Help).

AXES, SOLID ARROWHEADS, OPAQUE (labels on a background), GRID ...,
AXES THICKNESS and GRIDLINES THICKNESS (Screen ..., Printed ...),
HYPHEN TO MINUS: the axes and grid lines behind the graph, as in every
picture window.

SQUARED RECTANGLES (after a Bouwkamp paste or the library)
  Hide squares       shows the network alone.
  Hide graph         shows the squares alone.
  Restore            puts the vertices back on the middles of their
                     segments (after you moved them).
  Numerals           writes each square's size in it.
  Vertical segments  uses the vertical sides of the squares for the
                     network instead of the horizontal ones.
)HELP"},
    {"QNGBTNSH", R"HELP(GRAPHS - THE BTNS MENU: WHAT THE MOUSE DOES

DRAWING (Ctrl+D)
  Right click on empty space: a new vertex there.
  Drag with the left button from one vertex to another: a new edge
  between them (in a digraph it points the way you dragged).
  With "Redraw deletion" checked, a right click on a vertex deletes it
  with its edges, and dragging along an existing edge deletes the edge.
  The names of the other vertices never change; a new vertex takes the
  first free name.
VERTEX MOVE (Ctrl+M)
  Drag a vertex with the left button to move it; its edges follow.
  A right click on a vertex changes its label: first the icon runs
  through none, bullet, circle, solid box and empty box, then the text
  changes to the next kind.
ARROWS
  Turns the graph into a digraph and hides the weights (so that the
  arrowheads are easy to see). A right click near the middle of an
  edge changes its direction: none, then from the vertex earlier in
  the alphabet to the later one, then back, then both ways, then none.
TEXT
  Drag a label with the left button to move it beside its vertex.
  A right click on a vertex lets you type its label (at most 20
  characters; Texts|User labels shows them); a right click near the
  middle of an edge lets you type its weight (0 to 32767; a negative
  number deletes the edge).
ROTATE
  A right click on a vertex makes it the centre of turning (a right
  click on empty space: the middle of the window again). Drag with the
  left button around the centre: the whole figure turns with the mouse
  and keeps its shape.
COORDINATES
  Hold the left button down on a vertex to read its coordinates (x, y);
  on empty space, those of the point. A right click moves the middle
  of the window there (View|Last window goes back).
GRAPHICS
  for pictures pasted over the graph (kept in the file).

REDRAW DELETION (checked): Drawing mode deletes, see above.
TOOLBAR opens a small window with one button per mode ("drawing",
  "vertex move", "arrow flip (RB)", "text edit", "rotation",
  "coords/recenter", "clipboard graphics"), to change modes with one
  click; "close" hides it.
)HELP"},
    {"QNGMISCH", R"HELP(GRAPHS - THE MISC MENU

DATA ...      how many vertices, edges and components (connected
              pieces) the graph has. The Petersen graph, for example,
              has 10 vertices, 15 edges and 1 component.
DEFINITION    writes the graph into the notebook as a text that
              File|Paste|Coordinates reads back: the vertices with
              their coordinates, the edges, their weights and their
              directions (see the File help for an example).
GRAPH6 NOTATION, SPARSE6 NOTATION  write the graph in these short
              forms into the notebook (Sparse6 is not for digraphs).
BOUWKAMP NOTATION  writes the code of the squared rectangle shown.
ICON SIZE ... the size of the vertex marks in pixels (1 to 32767).
WEIGHT RANGE ...  the least and greatest weight (1 to 32767) that
              random weights are drawn from (10 and 50 at first).
DECIMAL PLACES ...  of the coordinates that Definition writes.
THICKEN PRINT ...  extra width (0 to 100) of the edges and vertex
              marks on paper and in exported pictures, so that thin
              lines stay visible; the screen does not change.
FONTS         Labels, Weights and scale (also the numbers on the
              axes), Summary, Numerals in squares, Axis letters,
              Coordinates (shown in Coordinates mode).
COLORS        Background, Edges, Vertices, Labels, Weights, Solution
              (the highlighted edges), Summary, Arrowheads,
              Squared rectangles, axes (both use this colour),
              Numerals in squares, Grid lines, Coordinates.
NOTEBOOK      a text saved with the graph, for your notes.
SIMULPRINT ...  prints several graph files, one per page.
)HELP"},
    {"QNGALGOH", R"HELP(GRAPHS - THE ALGO MENU: CIRCUITS AND TOURS

A WALK goes from vertex to vertex along edges. A CIRCUIT is a walk
that ends where it began. In a digraph a walk follows the arrows.

HAMILTONIAN CIRCUIT, HAMILTONIAN PATH
  A Hamiltonian circuit visits every vertex exactly once and returns
  to its start; a Hamiltonian path visits every vertex once without
  returning. No quick test tells whether a graph has one, so the
  program GUESSES: it starts at a random vertex and always moves on to
  a neighbour with the fewest ways out, and tries again until a guess
  works. Press Q to give up. When Q stops the search, that does NOT
  prove that no circuit exists: the Petersen graph (10 vertices, 15
  edges) has none, and the search would try for ever.
  Some graphs are answered at once: "graph not connected"; in a
  digraph a vertex with arrows only out ("source detected") or only in
  ("sink detected"); a graph whose vertices split into two groups with
  edges only between the groups (bipartite) needs groups of equal size
  for a circuit and sizes that differ by at most one for a path ("no
  circuit exists", "no path exists").
HAMILTONIAN EXACT
  Tries every possibility in a fixed order and counts all the
  Hamiltonian circuits; the first one found is shown. Only when the
  search ends does "no circuit exists" prove that there is none. The
  count so far is in the title; Q stops and marks the count
  "incomplete". Large graphs can take very long.

TSP (THE TRAVELLING SALESPERSON)
  Weights are distances. A tour visits every vertex once and returns;
  its total weight is what we want small. The graph must be COMPLETE
  (every two vertices joined), else "incomplete graph". With n cities
  there are (n-1)!/2 tours: 12 cities already have almost 20 million,
  so the quick methods below are HEURISTICS: sensible rules that
  usually give a good tour, but often not the best one.
  SORTED EDGES     takes edges from the lightest up, skipping an edge
                   that would give a vertex three edges or close a
                   circuit too early.
  NEAREST NBR ...  asks for the first vertex (for example A) and
                   always goes on to the nearest vertex not yet
                   visited. Try every start: the tours differ.
  RANDOM SEARCH    tries random tours until you press Q and keeps the
                   lightest.
  BEST SO FAR      shows the lightest tour any of these found since
                   the graph last changed.
  IMPROVE PAIRS    takes the best tour and, while some exchange of two
                   of its edges for two others makes it lighter, makes
                   that exchange.
  OPTIMAL          finds the lightest tour of all (up to 20 vertices)
                   and writes in the notebook how many per cent the
                   best tour found before was above it.
  A greedy step that looks cheap now can force expensive edges later:
  that is why the heuristics can miss the optimum.

EULERIAN
  An Eulerian circuit uses every EDGE exactly once and returns to its
  start; an Eulerian path uses every edge once. Euler's rule: a
  connected graph has an Eulerian circuit when every vertex has an even
  number of edges, and an Eulerian path when exactly two have an odd
  number (the path runs from one to the other). The edges are numbered
  in the order the walk uses them; the numbers replace the weights, so
  you are asked to save first.

MST: KRUSKAL, PRIM (minimal spanning trees)
  A SPANNING TREE joins all the vertices with as few edges as possible:
  n vertices need n - 1 edges and no circuit. A MINIMAL spanning tree
  has the least total weight, like the cheapest network of roads or
  cables joining every town.
  KRUSKAL      takes the edges from the lightest up and keeps each one
               that does not close a circuit. A graph in several pieces
               gets a tree in every piece (a spanning FOREST).
  PRIM         grows one tree from the lightest edge, always adding the
               lightest edge that reaches a new vertex; it spans only
               the piece where it started.
  MINIMAL WEIGHT  (checked) the lightest tree; unchecked, the heaviest.
  Points without edges: both join every pair of points, weighted by
  the order of their distances, and show only the tree with its length
  measured in the plane. The next command removes those edges again.
DIJKSTRA ...
  Asks for a ROOT vertex and finds the SHORTEST ROUTE from it to every
  vertex it can reach; together the routes form a tree. The summary's
  total is the sum of the TREE'S EDGES, not a distance: from A, the
  tree A-B (2), B-C (3) has total 5, and so does the route to C; but
  from the centre of a star with three edges of weight 4 the total is
  12 while no vertex is farther than 4. The notebook lists each
  vertex's distance and its route. In a digraph the routes follow the
  arrows.
COLOR (Ctrl+C)
  Gives every vertex a colour (a number) so that the ends of every edge
  differ: like colouring a map so that neighbours differ. The least
  number of colours is the CHROMATIC NUMBER.
  WELSH-POWELL (checked) the quick greedy method: vertices with the
               most edges first, each colour in turn to every vertex
               it can take. It may use more colours than needed.
  unchecked    the EXACT method: it finds the true chromatic number of
               a connected graph by a search that can take very long;
               press Q to stop it: you then see the best colouring
               found so far, marked "not proven minimal". The title
               shows the colours so far and the lower bound (a group of
               vertices that are all joined needs that many colours).
  USE NUMBERS  shows the colour numbers instead of coloured boxes.
ORIENT
  Gives every edge a direction so that you can still get from every
  vertex to every other along the arrows (a strong orientation, for
  one-way streets). It walks random circuits and directs their edges.
  A graph with a BRIDGE (an edge whose removal cuts the graph) has no
  such orientation: the bridge lies on no circuit, so Orient never
  ends. Press Q: the directions stay as they were.

REFRESH        removes the highlighted solution (the best tour is kept).
SOLUTION ONLY  hides the edges that are not part of the solution (a
               tour, a walk, a tree or shortest routes); with a
               colouring every edge stays.
SLOW MOTION    shows the heuristics, the trees, the colouring and the
               Eulerian walk one step at a time: press the space bar
               for the next step, Q to run to the end.
)HELP"},
};
extern const size_t kGraphsHelpCount = sizeof(kGraphsHelp) / sizeof(kGraphsHelp[0]);

} // namespace quan
