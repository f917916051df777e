# Trees, Dijkstra and colourings through the Algo menu: Kruskal on points
# alone (the Euclidean length of the tree), Prim and Dijkstra from A on a
# weighted graph, the Petersen graph coloured by Welsh-Powell and exactly.
# The expected totals are worked out by hand below.
. "$(dirname "$0")/common.inc"
# A 3-4-5 right triangle (0,0) (4,0) (4,3) and (10,11), 10 from (4,3):
# the shortest tree is 3 + 4 + 10 = 17.
POINTS="4 vertices 0 0 4 0 4 3 10 11"
# AB 2, AC 5, BC 1, CD 4, BD 7, CE 3, DE 6.
WEIGHTED="5 vertices 0 0 1 0 1 1 2 1 2 0 7 edges 0 1 0 2 1 2 2 3 1 3 2 4 3 4 7 weights 2 5 1 4 7 3 6"
PETERSEN="10 vertices 0 4 4 1 2 -3 -2 -3 -4 1 0 2 2 0.5 1 -1.5 -1 -1.5 -2 0.5 15 edges 0 1 1 2 2 3 3 4 4 0 0 5 1 6 2 7 3 8 4 9 5 7 7 9 9 6 6 8 8 5"
{
  echo "settings $WORK/settings"
  echo "menu Window|Graphs"
  echo "clipboard $POINTS"
  echo "menu File|Paste|Coordinates"
  echo "menu Algo|MST|Kruskal"
  echo "print summary"
  echo "clipboard $WEIGHTED"
  echo "answer no"
  echo "menu File|Paste|Coordinates"
  echo "menu Algo|MST|Prim"
  echo "print summary"
  echo "input A"
  echo "menu Algo|Dijkstra ..."
  echo "print summary"
  echo "clipboard $PETERSEN"
  echo "answer no"
  echo "menu File|Paste|Coordinates"
  echo "menu Algo|Color"
  echo "print summary"
  echo "menu Algo|Welsh-Powell"
  echo "menu Algo|Color"
  echo "print summary"
  echo "print notebook"
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
expect_line out.txt "Kruskal tree; total weight = 17.00"
# Prim from B (the lightest edge B-C is kept higher slot first: C, B):
# BC 1, AB 2, CE 3, CD 4 = 10.
expect_line out.txt "Prim tree; total weight = 10"
# Dijkstra from A: B 2, C 3 (A B C), E 6 (A B C E), D 7 (A B C D); the
# tree's edges AB 2, BC 1, CE 3, CD 4 total 10, though no distance is 10.
expect_line out.txt "Dijkstra root A; total weight = 10"
expect_line out.txt "A 0: A"
expect_line out.txt "C 3: A B C"
expect_line out.txt "D 7: A B C D"
expect_line out.txt "E 6: A B C E"
# Welsh-Powell on Petersen: 3 or 4 colours; the exact method: 3.
grep -Eq "^colors used: [34]$" out.txt || { cat out.txt; fail "Welsh-Powell summary missing"; }
[ "$(grep -c '^colors used: ' out.txt)" = 2 ] || fail "two colour summaries expected"
[ "$(grep '^colors used: ' out.txt | sed -n 2p)" = "colors used: 3" ] || fail "exact colouring of Petersen is not 3"
if grep -q "message: hmm" out.txt; then cat out.txt; fail "unexpected message"; fi
echo ok
