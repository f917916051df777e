# Names holding every character that plain TeX reserves still give
# TeX tables that compile: an apportionment and a weighted-voting document
# are saved, their names replaced in the files by names of the same length,
# opened again and written as TeX tables.
. "$(dirname "$0")/common.inc"
command -v tex >/dev/null 2>&1 || fail "tex is not installed (the set-up installs texlive-plain-generic)"
cat > save.txt <<SCRIPT
settings $WORK/settings
menu Window|Apportionment
file $WORK/states.hor
menu File|Save As
window main
menu Window|Banzhaf
menu Calculate|All cases
file $WORK/blocs.bnz
menu File|Save As
SCRIPT
"$QUANDEL" --batch save.txt > out.txt
# Same lengths keep the files valid: "California" (10) becomes all ten
# reserved characters, "Alabama" (7) a name with an index and a power.
LC_ALL=C sed -i 's/California/\\{}$\&#^_~%/; s/Alabama/x{1}^2_/; s/State/St_te/' states.hor
LC_ALL=C sed -i 's/name01/\\{}$\&#/; s/name02/^_~%{}/; s/name03/Beta^2/' blocs.bnz
LC_ALL=C grep -q 'Beta^2' blocs.bnz || fail "the bloc names were not replaced"
LC_ALL=C grep -q 'x{1}^2_' states.hor || fail "the state names were not replaced"
cat > tex.txt <<SCRIPT
settings $WORK/settings
open $WORK/states.hor
file $WORK/states.tex
menu File|TeX output
window main
open $WORK/blocs.bnz
menu Calculate|All cases
file $WORK/blocs.tex
menu File|TeX output
print messages
SCRIPT
"$QUANDEL" --batch tex.txt > out.txt || { cat out.txt; fail "the batch run failed"; }
grep -q 'states.tex' out.txt || fail "the success message does not name the file: $(cat out.txt)"
for t in states blocs; do
  [ -s $t.tex ] || fail "$t.tex not written"
  printf '\\input %s.tex\n\\bye\n' "$t" > doc-$t.tex
  tex -interaction=nonstopmode -halt-on-error doc-$t.tex > tex-$t.log 2>&1 </dev/null || { cat tex-$t.log; cat $t.tex; fail "tex stops on $t.tex"; }
  [ -s doc-$t.dvi ] || fail "no dvi for $t"
done
# The reserved-character names reach the tables (escaped), and the row of the renamed
# state still carries its 53 seats.
grep -q '53&' states.tex || fail "California's row lost"
grep -q 'Beta' blocs.tex || fail "the renamed bloc is missing"
echo ok
