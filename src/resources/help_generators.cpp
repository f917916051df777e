// Help of the graph window's File New submenu: the generators, the
// valence lists and the named graphs.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kGeneratorsHelp[] = {
    {"QNGGENH", R"HELP(GRAPHS - NEW GRAPHS

Every command of File New replaces the graph on screen by a new one (the
window asks first whether to save changes). A mistyped entry is refused
with a message and the graph on screen stays as it was.

CIRCLE
  Circle, Complete and Points put n vertices (3 to 286) evenly on a
  circle: the cycle C(n) to tour, the complete graph K(n) with its
  n(n-1)/2 edges, or the points alone. Circulant asks for n and a list of
  separations such as 2,3: vertex i is joined to i + s (counted round the
  circle) for every separation s. Separations s and n - s give the same
  edges; with 8 vertices and 2,3 every vertex has valence 4.

GRID
  Grid asks for rows r and columns c (r x c at most 286) and joins
  neighbouring crossings like the streets of a town: r(c-1) + c(r-1)
  edges. Points leaves out the streets.

RANDOM
  TSP makes a complete graph with different random weights and repeats
  until the sorted-edges heuristic misses the best of 511 random tours,
  so that you can see a greedy method fail (the title shows the round;
  press Q to stop). Kruskal puts random weights from the weight range on
  a street grid: a spanning-tree exercise. Tree makes a random tree.
  Planar makes a planar graph drawn with many crossings: drag the vertices
  (Vertex move) until no two edges cross; Reset brings the tangle back.

CUBICS
  A cubic graph has valence 3 everywhere. Prism joins two n-gons by
  spokes; Moebius twists one rung of the ladder (with 3 rungs it is the
  utilities graph K3,3). Petersen asks for n and an offset k: the outer
  n-gon, spokes, and an inner star polygon joining i to i + k. With 5 and
  2 it is the Petersen graph, the counterexample of graph theory: 10
  vertices, 15 edges, no cycle shorter than 5, any two vertices at most
  two steps apart, and no Hamiltonian circuit. The numbered graphs are
  cubic polyhedra without a Hamiltonian circuit (Tutte's 46-vertex graph
  disproved Tait's conjecture of 1884), drawn without crossings.
  Edit Polyhedral test does the same for the graph on screen: it tries
  faces (at most 1000; the title says press Q to quit) until one drawn
  outside, with every other vertex at the centre of its neighbours, gives
  a picture without crossings, then numbers the faces; Next view (F7)
  puts the next face outside.

MISCELLANY
  The utilities graph K3,3 (three houses, three utilities: it cannot be
  drawn without crossings), the Goldner-Harary graph (the smallest
  maximal planar graph without a Hamiltonian circuit), the Groetzsch
  graph (no triangle, yet four colours are needed), the Herschel graph
  (the smallest polyhedron without a Hamiltonian circuit), the Desargues
  and Heawood graphs (cubic, bipartite, no short cycles), the Holt graph
  (27 vertices of valence 4) and the knight's moves on an n x n board
  (4(n-1)(n-2) moves).

  USA states is the map of the 50 states as a graph: one vertex per state,
  labelled with its postal code (AL, AK, AZ, ...) and placed roughly where
  the state lies, Alaska and Hawaii below on the left as on a printed map.
  Two states are joined when they share a border of positive length on
  land. States that touch in a single point are not neighbours: at the
  Four Corners Arizona meets Colorado and New Mexico meets Utah only in a
  point, so neither pair is joined. Borders that run only through water
  (Michigan with Minnesota or Illinois in the Great Lakes) do not count,
  and Washington D.C. is left out. The 48 states on the mainland share 105
  borders; Alaska and Hawaii have none. Colouring this graph is colouring
  the map so that neighbours differ: the four-colour theorem says four
  colours always suffice for a map, and here four are also needed, since
  the five neighbours of Nevada form a ring of odd length around it (try
  Algo Color).

VALENCES
  Paste Valences reads a list of valences (at most 286 numbers) and
  builds a graph with exactly those valences, if there is one. It works
  as Havel and Hakimi showed: take a vertex of largest valence d, join it
  to the d vertices of next largest valence, lower their valences by one,
  and repeat with what is left. If a valence would go below zero, no
  graph exists ("incompatible valences"). The sum must be even (every
  edge has two ends) and no valence may reach the number of vertices.
  With Paste Connected checked, and every valence at least 1 and their
  sum at least 2n - 2, edges are exchanged two at a time until the graph
  is connected; the valences do not change. The labels show the valences.

EDIT RANDOMIZE
  Connections draws random edges between the vertices on screen,
  Directions gives every edge a random direction, Weights a random weight
  from the weight range (Misc Weight range).
)HELP"},
};
extern const size_t kGeneratorsHelpCount = sizeof(kGeneratorsHelp) / sizeof(kGeneratorsHelp[0]);

} // namespace quan
