# Answers prepared for a modeless dialog reach it when it opens; answers
# nothing asks for stop the run.
. "$(dirname "$0")/common.inc"
cat > script.txt <<SCRIPT
settings $WORK/settings
menu Window|Apportionment
dialog divisor 101 600000
press divisor 1
menu Method|Webster
print title
SCRIPT
"$QUANDEL" --batch script.txt > out.txt
grep -q "^noname1.hor \[Webster; 600000.00 incorrect divisor\]$" out.txt || fail "$(cat out.txt)"

printf 'settings %s\nanswer yes\nmenu Window|Apportionment\n' "$WORK/settings" > unused.txt
set +e
"$QUANDEL" --batch unused.txt > out.txt 2> err.txt
status=$?
set -e
[ $status = 2 ] || fail "status $status with an unused answer"
grep -q "never asked for" err.txt || fail "$(cat err.txt)"

printf 'settings %s\nmenu 99999\n' "$WORK/settings" > badid.txt
set +e
"$QUANDEL" --batch badid.txt > out.txt 2> err.txt
status=$?
set -e
[ $status = 2 ] || fail "status $status for a command the window does not have"
echo ok
