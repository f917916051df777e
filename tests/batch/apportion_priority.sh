# Opens an apportionment window, chooses Huntington-Hill and prints the
# title and the priority list.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Apportionment
print title
menu Method|Huntington-Hill
print title
menu Other|Priority list
print text
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
expect_line out.txt "noname1.hor [Hamilton]"
grep -q "^noname1.hor \[Huntington-Hill; [0-9.]* \(in\)\?correct divisor\]$" out.txt || fail "title: $(sed -n 2p out.txt)"
expect_line out.txt "Huntington-Hill priority list"
# 435 seats; every state's first seat is won at an infinite need, in table order.
[ "$(grep -c '^ *[0-9]*: ' out.txt)" = 435 ] || fail "not 435 seats"
grep -q '^  1: Alabama  *(1)  *infinite' out.txt || fail "first line"
grep -q '^ 50: Wyoming  *(1)  *infinite' out.txt || fail "fiftieth line"
# The 51st seat goes to California, the largest state (2010 census), at
# need 37341989 / sqrt(2).
grep -q '^ 51: California  *(2)  *26404773.645' out.txt || fail "51st seat: $(grep '^ 51:' out.txt)"
grep -q '^435: ' out.txt || fail "no 435th seat"
echo ok
