# Duijvestijn's 112 x 112 square pasted: its network has one vertex per
# horizontal segment (10 bracket groups and the bottom edge: 11) and one edge
# per square (21); the Bouwkamp notation gives the code back; with
# vertical segments the network has 21 + 3 - 11 = 13 vertices. A library
# entry (order 9, 33 X 32) is chosen; a code whose second group overshoots
# is refused and the graph's Data stay as they were.
. "$(dirname "$0")/common.inc"
{
  echo "settings $WORK/settings"
  echo "menu Window|Graphs"
  echo "clipboard (50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)"
  echo "menu File|Paste|Bouwkamp notation"
  echo "menu Misc|Data"
  echo "menu Misc|Bouwkamp notation"
  echo "menu View|Squared rectangles|Vertical segments"
  echo "menu Misc|Data"
  echo "menu View|Squared rectangles|Vertical segments"
  echo "answer no"
  echo "menu File|Squared-rectangle library ..."
  echo "press SQRECTLIB 201"
  echo "dialog SQRECTLIB 101 33 X 32"
  echo "menu Misc|Bouwkamp notation"
  echo "menu Misc|Data"
  echo "clipboard (18,15)(7,9)(14,4)(10,1)(9)"
  echo "answer no"
  echo "menu File|Paste|Bouwkamp notation"
  echo "menu Misc|Data"
  echo "print notebook"
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
expect_line out.txt "hori: (50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)"
expect_line out.txt "hori: (18,15)(7,8)(14,4)(10,1)(9)"
expect_line out.txt "vert: (15,8,9)(7,1)(10)(18,4)(14)"
expect_line out.txt "message: Quandel: vertices: 11 edges: 21 components: 1"
expect_line out.txt "message: Quandel: vertices: 13 edges: 21 components: 1"
# The library's 33 x 32 (6 horizontal segments, 9 squares), then the
# refusal, then the same Data: the refused code changed nothing.
tail -n 4 out.txt > last.txt
printf '%s\n' "message: Quandel: vertices: 6 edges: 9 components: 1" "question: careful!: save changes to noname1.gra?" \
  "message: hmm ...: inconsistent data" "message: Quandel: vertices: 6 edges: 9 components: 1" > want.txt
diff want.txt last.txt || { cat out.txt; fail "the refused code changed the graph"; }
