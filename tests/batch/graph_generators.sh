# The generators from a script: a fixed seed, the Petersen graph with its
# Data and graph6 string; the valences 3 3 3 3 give K4 and 2 2 0 0 are
# refused with K4 kept; a random planar graph of 12 vertices (t = 4, T =
# 10: 18 lattice edges and 2 x 2 more); the map of the states. The same
# script run twice gives the same random graph.
. "$(dirname "$0")/common.inc"
{
  echo "settings $WORK/settings"
  echo "seed 1234"
  echo "menu Window|Graphs"
  echo "input2 5 | 2"
  echo "menu File|New|Cubics|Petersen"
  echo "menu Misc|Data"
  echo "menu Misc|Graph6 notation"
  echo "clipboard 3 3 3 3"
  echo "answer no"
  echo "menu File|Paste|Valences"
  echo "menu Misc|Data"
  echo "clipboard 2 2 0 0"
  echo "answer no"
  echo "menu File|Paste|Valences"
  echo "menu Misc|Data"
  echo "answer no"
  echo "input 12"
  echo "menu File|New|Random|Planar"
  echo "menu Misc|Data"
  echo "menu Misc|Definition"
  echo "answer no"
  echo "menu File|New|Miscellany|9. USA states"
  echo "menu Misc|Data"
  echo "print notebook"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
expect_line out.txt "graph6 notation: IheA@GUAo"
expect_line out.txt "message: Quandel: vertices: 10 edges: 15 components: 1"
expect_line out.txt "message: hmm ...: incompatible valences"
count=$(grep -c '^message: Quandel: vertices: 4 edges: 6 components: 1$' out.txt || true)
[ "$count" = 2 ] || { cat out.txt; fail "K4 not kept after the refused valences ($count)"; }
expect_line out.txt "message: Quandel: vertices: 12 edges: 22 components: 1"
# The 48 contiguous states share 105 borders; Alaska and Hawaii stand alone.
expect_line out.txt "message: Quandel: vertices: 50 edges: 105 components: 3"
sed -n '/^vertices: 12$/,$p' out.txt | grep -v '^message' > first.txt
"$QUANDEL" --batch script.txt | tr -d '\r' > again.txt
sed -n '/^vertices: 12$/,$p' again.txt | grep -v '^message' > second.txt
[ -s first.txt ] || { cat out.txt; fail "no Definition of the planar graph"; }
diff first.txt second.txt || fail "the same seed gave another random planar graph"
