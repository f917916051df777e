# Ten random blocs, Banzhaf over all cases, then Exact (fast): the two
# tables are identical.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Banzhaf
menu Calculate|All cases
menu File|Text out
print text
menu Calculate|Exact (fast)
menu File|Text out
print text
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
lines=$(wc -l < out.txt)
half=$((lines / 2))
head -n "$half" out.txt > first.txt
tail -n "$half" out.txt > second.txt
cmp first.txt second.txt || fail "the tables differ"
grep -q 'pivotal' first.txt || fail "no pivotal column"
# 10 blocs and 1024 cases.
[ "$(grep -c '^name[0-9][0-9]' first.txt)" = 10 ] || fail "not ten blocs"
grep -q ' 1024 ' first.txt || fail "not 1024 cases: $(tail -2 first.txt)"
echo ok
