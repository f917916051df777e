# The divisor watch plot on the 2010 census under Webster: Watch, its
# caption and Text out; a divisor just past one printed tick changes that
# state's seats alone; Hamilton closes the plot.
. "$(dirname "$0")/common.inc"
mkdir -p "$WORK/settings"
start() {
  echo "settings $WORK/settings"
  echo "menu Window|Apportionment"
  echo "menu Method|Webster"
  echo "menu Method|Divisor"
  echo "dialog divisor 101 $1"
  echo "press divisor 1"
  echo "menu Method|Watch"
  echo "owned $1"
}
{
  start 710000.00
  echo "print title"
  echo "menu File|Text out"
  echo "print text"
} > first.txt
"$QUANDEL" --batch first.txt | tr -d '\r' > out1.txt
caption=$(head -1 out1.txt)
[[ "$caption" == "710000.00  ===>  total reps = "* ]] || fail "caption: $caption"
total=${caption##* = }
# The state lines of Text out: name (may hold blanks), seats, gains a seat
# below, loses one above.
awk '/^state +seats/ {on = 1; next} on && / ===> / {on = 0} on && NF >= 4 {print}' out1.txt > rows1.txt
[ "$(wc -l < rows1.txt)" = 50 ] || { cat out1.txt; fail "Text out has $(wc -l < rows1.txt) states, not 50"; }
sum=$(awk '{s += $(NF - 2)} END {print s}' rows1.txt)
[ "$sum" = "$total" ] || fail "the counts sum to $sum, the caption says $total"
# D lies between each state's two ticks.
awk '{ g = $(NF - 1); l = $NF;
       if (g != "-" && g + 0 > 710000) { print "gains above D: " $0; bad = 1 }
       if (l != "-" && l + 0 < 710000) { print "loses below D: " $0; bad = 1 } }
     END { exit bad }' rows1.txt || fail "D does not lie between the ticks"
# The tick just below D: the largest "gains a seat below".
read -r name tick < <(awk '{g = $(NF - 1); if (g != "-" && g + 0 > best) {best = g + 0; n = $1}} END {printf "%s %.2f\n", n, best}' rows1.txt)
below=$(awk -v t="$tick" 'BEGIN {printf "%.2f", t - 0.01}')
{
  start "$below"
  echo "menu File|Text out"
  echo "print text"
} > second.txt
"$QUANDEL" --batch second.txt | tr -d '\r' > out2n.txt
awk '/^state +seats/ {on = 1; next} on && / ===> / {on = 0} on && NF >= 4 {print}' out2n.txt > rows2.txt
# Exactly that state's seats changed, by one.
changed=$(paste -d'|' rows1.txt rows2.txt | awk -F'|' '{split($1, a, " +"); split($2, b, " +");
  na = length(a); nb = length(b); if (a[na - 2] != b[nb - 2]) print a[1], a[na - 2], b[nb - 2]}')
[ "$changed" = "$name $(awk -v n="$name" '$1 == n {print $(NF - 2)}' rows1.txt) $(( $(awk -v n="$name" '$1 == n {print $(NF - 2)}' rows1.txt) + 1 ))" ] ||
  fail "crossing $name's tick at $tick changed: $changed"
# After Hamilton the plot is gone: the script cannot reach it (while it
# is open, the same script reaches it).
{
  start 710000.00
  echo "window 0"
  echo "menu Method|0 = Hamilton"
  echo "owned 710000.00"
} > third.txt
set +e
"$QUANDEL" --batch third.txt > out3.txt 2> err3.txt
status=$?
set -e
[ "$status" != 0 ] && grep -q "no owned window" err3.txt || { cat err3.txt; fail "the plot is still open after Hamilton"; }
echo ok
