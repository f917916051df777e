# The weighted-voting TeX table of 5, 3, 2 with quota 6 (one name holding
# TeX's special characters) compiles with plain TeX, and dvi2tty reads the
# worked counts back from the page (skipped when TeX is not installed).
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Banzhaf
input 3
menu Edit|Number of blocs ...
input A&B_#1
cell 1 0
input beta
cell 2 0
input gamma
cell 3 0
input 5
cell 1 1
input 3
cell 2 1
input 2
cell 3 1
input 6
menu Edit|Quota ...
menu Calculate|All cases
file $WORK/power.tex
menu File|TeX output ...
print messages
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
expect_line out.txt "message: success: TeX file saved: $WORK/power.tex"
grep -q '^\\settabs\\+' power.tex || fail "no template line"
grep -q 'A\\&B\\_\\#1\\hfill&' power.tex || fail "the name is not escaped: $(grep hfill power.tex | head -3)"
if command -v tex >/dev/null 2>&1 && command -v dvi2tty >/dev/null 2>&1; then
  printf '\\input power.tex\n\\bye\n' > doc.tex
  tex -interaction=nonstopmode doc.tex > tex.log 2>&1 || { cat tex.log; fail "tex failed"; }
  [ -s doc.dvi ] || fail "no dvi"
  dvi2tty -w 132 doc.dvi > page.txt || fail "dvi2tty failed"
  # The heading, the three rows with the worked counts and the totals.
  grep -q 'name.*weight.*pct.*pivotal.*pct.*B power.*pct' page.txt || { cat page.txt; fail "no heading"; }
  grep -q 'A&B_#1 *5 *50.00 *6 *75.00 *3.00 *60.00' page.txt || { cat page.txt; fail "row A&B_#1"; }
  grep -q 'beta *3 *30.00 *2 *25.00 *1.00 *20.00' page.txt || { cat page.txt; fail "row beta"; }
  grep -q 'gamma *2 *20.00 *2 *25.00 *1.00 *20.00' page.txt || { cat page.txt; fail "row gamma"; }
  grep -q '10 *8 *8 *100' page.txt || { cat page.txt; fail "totals"; }
else
  echo "tex or dvi2tty not installed: compile check skipped"
fi
echo ok
