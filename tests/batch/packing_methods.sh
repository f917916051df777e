# The class example pasted into a bin-packing window and packed by each
# method through the manager; the solutions land in the notebook.
. "$(dirname "$0")/common.inc"
{
  echo "settings $WORK/settings"
  echo "menu Window|Packing"
  echo "clipboard sizes: 2, 9, 5, 6, 1, 3, 3"
  echo "menu File|New|Paste items"
  echo "dialog BINS 101 10"
  for radio in 201 202 203 204 205 206; do
    echo "press BINS $radio"
    echo "press BINS 301"
    echo "menu Misc|copy Solution"
  done
  # First fit decreasing.
  echo "press BINS 202"
  echo "press BINS 211"
  echo "press BINS 301"
  echo "menu Misc|copy Solution"
  echo "print notebook"
  echo "print messages"
} > script.txt
mkdir -p "$WORK/settings"
"$QUANDEL" --batch script.txt | tr -d '\r' > out.txt
# The bins worked by hand: next fit, first fit, last fit, best fit, worst
# fit, almost-worst fit, first fit decreasing (the bound is 3).
R="=========================="
cat > expected.txt <<EXPECTED
2 
9 
5 
6 1 3 
3 
bins used: 5
$R
2 5 1 
9 
6 3 
3 
bins used: 4
$R
2 5 3 
9 
6 1 3 
bins used: 3 [optimal]
$R
2 5 3 
9 1 
6 3 
bins used: 3 [optimal]
$R
2 5 3 
9 
6 1 3 
bins used: 3 [optimal]
$R
2 
9 
5 1 3 
6 3 
bins used: 4
$R
9 1 
6 3 
5 3 2 
bins used: 3 [optimal]
$R
EXPECTED
diff expected.txt out.txt || fail "the notebook differs from the hand packings"
echo ok
