# Blocs A 5, B 3, C 2 typed into the table's cells, quota 6; saved, replaced
# by New random and opened again; All cases; the worksheet's Text out
# compared with the text worked out by hand; then the Electoral College of
# the 2010 census, Exact (fast), Text out.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Banzhaf
input 3
menu Edit|Number of blocs ...
input A
cell 1 0
input B
cell 2 0
input C
cell 3 0
input 5
cell 1 1
input 3
cell 2 1
input 2
cell 3 1
input 6
menu Edit|Quota ...
file $WORK/abc.bnz
menu File|Save As ...
menu Edit|New random
file $WORK/abc.bnz
menu File|Open ...
menu Calculate|All cases
menu File|Text out
print text
menu Misc|Calculations
owned pivotal
menu File|Text out
print text
window main
menu Window|Apportionment
menu Other|Electoral power
owned Electoral College power
menu Calculate|Exact (fast)
menu File|Text out
print text
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
# The table after reopening: the blocs as typed, the worked counts 6, 2, 2;
# the names' column as wide as its heading "name".
grep -q $'^A           5    50.00        6    75.00     3.00    60.00\r$' out.txt || fail "row A: $(grep '^A ' out.txt)"
grep -q $'^C           2    20.00        2    25.00     1.00    20.00\r$' out.txt || fail "row C"
# The worksheet, whole.
printf 'pivotal [abc.bnz]\n' > expected.txt
printf 'total  A  B  C\r\n--------------\r\n' >> expected.txt
printf '    0  0  0  0\r\n    5  5  0  0\r\n    3  0  3  0\r\n    8  5  3  0\r\n' >> expected.txt
printf '    2  0  0  2\r\n    7  5  0  2\r\n    5  0  3  2\r\n   10  5  3  2\r\n' >> expected.txt
printf -- '--------------\r\n       6  2  2\r\n' >> expected.txt
start=$(grep -n '^pivotal \[abc.bnz\]$' out.txt | cut -d: -f1)
[ -n "$start" ] || fail "no worksheet text"
sed -n "${start},$((start + 12))p" out.txt > worksheet.txt
cmp worksheet.txt expected.txt || { diff worksheet.txt expected.txt; fail "the worksheet's text differs"; }
# The Electoral College: 538 votes, California 55, exact counts.
grep -q '^Electoral College power' out.txt || fail "no Electoral College text"
grep -q $'^California  *55 ' out.txt || fail "California: $(grep California out.txt)"
grep -q $'^ *538 ' out.txt || fail "no total of 538: $(tail -1 out.txt)"
# 2^51 cases, as a whole number.
grep -q ' 2251799813685248 ' out.txt || fail "not 2^51 cases: $(tail -1 out.txt)"
echo ok
