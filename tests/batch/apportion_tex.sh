# Loads the 1990 census, chooses Hamilton, writes the TeX table to a file
# and compiles it with plain TeX (skipped when TeX is not installed).
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Apportionment
menu Census|1990
menu Method|Hamilton
file $WORK/table1990.tex
menu File|TeX output
print messages
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
expect_line out.txt "message: success: TeX file saved: $WORK/table1990.tex"
grep -q '^\\settabs\\+' table1990.tex || fail "no template line"
# CR LF line ends.
[ "$(grep -c $'\r$' table1990.tex)" = "$(wc -l < table1990.tex)" ] || fail "not every line ends CR LF"
# California has 52 seats by Hamilton in 1990 (the official 1990 figure).
grep -q 'California\\hfill&.*\\hfill 52&' table1990.tex || fail "California row: $(grep California table1990.tex)"
if command -v tex >/dev/null 2>&1; then
  printf '\\input table1990.tex\n\\bye\n' > doc.tex
  tex -interaction=nonstopmode doc.tex > tex.log 2>&1 || { cat tex.log; fail "tex failed"; }
  [ -s doc.dvi ] || fail "no dvi"
else
  echo "tex not installed: compile check skipped"
fi
echo ok
