# An unanswered question or an unknown command stops a batch run with
# status 2 and names the line.
. "$(dirname "$0")/common.inc"
printf 'settings %s\nmenu Window|Nothing here\n' "$WORK/s" > bad_menu.txt
set +e
"$QUANDEL" --batch bad_menu.txt > out.txt 2> err.txt
status=$?
set -e
[ $status = 2 ] || fail "status $status for an unknown menu item"
grep -q "line 2" err.txt || fail "the error does not name line 2"

printf 'frobnicate\n' > bad_command.txt
set +e
"$QUANDEL" --batch bad_command.txt > out.txt 2> err.txt
status=$?
set -e
[ $status = 2 ] || fail "status $status for an unknown command"
grep -q 'line 1: unknown command "frobnicate"' err.txt || fail "$(cat err.txt)"

# Help shows the program's help text; About names the product.
printf 'settings %s\nmenu Help|About\nprint messages\n' "$WORK/s" > about.txt
"$QUANDEL" --batch about.txt > out.txt
grep -q "^message: about Quandel: Quandel" out.txt || fail "no about box: $(cat out.txt)"
echo ok
