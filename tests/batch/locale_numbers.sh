# The same script run under the "C" locale and under a comma locale
# (German) prints exactly the same texts and writes the same TeX table:
# numbers are written with '.' and typed divisors read with '.' whatever
# the user's language.
. "$(dirname "$0")/common.inc"
locale=
for l in de_DE.UTF-8 de_DE.utf8; do
  if locale -a 2>/dev/null | grep -qix "$(echo "$l" | sed 's/UTF-8/utf8/')"; then locale=$l; break; fi
done
[ -n "$locale" ] || fail "no German locale: the set-up installs locales-all"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Apportionment
print title
menu File|Text out
print text
dialog divisor 101 708000.5
press divisor 1
menu Method|Webster
print title
menu Other|Priority list
print text
file $WORK/table.tex
menu File|TeX output
input Webster at 708000.5
menu Other|Register apportionment
menu Method|Huntington-Hill
dialog divisor 101 710000.25
press divisor 1
input Huntington-Hill
menu Other|Register apportionment
menu Other|See summary
print text
print messages
SCRIPT
run() {
  rm -rf "$WORK/settings" "$WORK/table.tex"
  mkdir -p "$WORK/settings"
  LC_ALL=$1 LANG=$1 "$QUANDEL" --batch script.txt > "out-$1.txt"
  cp "$WORK/table.tex" "table-$1.tex"
}
run C
run "$locale"
grep -q '^noname1.hor \[Webster; 708000.50 correct divisor\]$' out-C.txt || fail "title: $(grep Webster out-C.txt)"
cmp "out-C.txt" "out-$locale.txt" || { diff "out-C.txt" "out-$locale.txt" | head -20; fail "the printed texts differ"; }
cmp "table-C.tex" "table-$locale.tex" || { diff "table-C.tex" "table-$locale.tex" | head -20; fail "the TeX tables differ"; }
echo ok
