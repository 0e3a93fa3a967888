#!/bin/bash
# The built companion end to end: init, add of each schedule kind, list, due at chosen
# moments, remove, a receiver, bad input; exit codes and both streams byte for byte, the
# template found beside the binary, the default database below the documents folder, and
# UTF-8 text from the command line to the file and back, also in the C locale. $1: the binary.
set -euo pipefail

bin=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A home of its own, so the default database is ours and nothing else is touched.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
unset XDG_DOCUMENTS_DIR
default="$HOME/Documents/Quillaband 3/qb.kvl"
mkdir -p "${default%/*}"
failures=0

# expect NAME STATUS STDOUT STDERR ARG...: exit status and both streams byte for byte.
expect() {
    local name=$1 status=$2 out=$3 err=$4 actual=0
    shift 4
    "$bin" "$@" >out.txt 2>err.txt || actual=$?
    if [[ $actual != "$status" ]] || ! diff <(printf '%s' "$out") out.txt ||
        ! diff <(printf '%s' "$err") err.txt; then
        echo "FAIL: $name: exit $actual (expected $status)"
        failures=$((failures + 1))
    fi
}
check() { "${@:2}" || { echo "FAIL: $1" && failures=$((failures + 1)); }; }

expect "init of the default database from the template beside the binary" 0 "" "" \
    init "$default"
check "the new file is the template" cmp -s "$(dirname "$bin")/org.kvl" "$default"
expect "init refuses an existing file" 1 "" \
    "quillaband-notes: \"$default\" already exists."$'\n' init "$default"
LC_ALL=C expect "add to the default database in the C locale" 0 $'1\n' "" add "Grüße · Ärger"
check "text stored as the UTF-8 bytes" test "$(sqlite3 "$default" "SELECT hex(inhalt) FROM Notizen")" \
    = 4772C3BCC39F6520C2B720C38472676572
expect "a warning goes to stderr only" 0 $'2\n' \
    $'quillaband-notes: warning: In February this note will appear only in leap years.\n' \
    add "Leap day" --monthly --day 29 --start 2026-01-01
for locale in C.UTF-8 C; do
    LC_ALL=$locale expect "list in $locale" 0 $'1\t0\tGrüße · Ärger\n2\t3\tLeap day\n' "" list
done
expect "a usage error" 2 "" $'quillaband-notes: list takes no arguments.\n' list x
"$bin" >out.txt 2>err.txt && status=0 || status=$?
check "no arguments: exit 2, usage on stderr only" \
    test "$status|$(head -n 1 err.txt)|$(cat out.txt)" = "2|Usage:|"
expect "a missing database" 1 "" \
    $'quillaband-notes: The database file "none.kvl" does not exist.\n' --db none.kvl list
check "a missing database is not created" test ! -e none.kvl

# Each schedule kind, then what the ticker shows at chosen moments.
db=kinds.kvl
expect "init" 0 "" "" init "$db"
add() { expect "add $1" 0 "$2"$'\n' "" --db "$db" add "${@:3}"; }
add permanent 1 Always
add daily 2 Office --daily --from 08:00 --to 17:30
add weekly 3 Standup --weekly --days mon,wed --start 2026-11-30 --weeks 2
add "monthly by day" 4 Rent --monthly --day 24 --ahead 2 --start 2026-01-01
add "last weekday" 5 Review --monthly --nth last --weekday fri --ahead 2 --start 2026-01-01
add yearly 6 Holidays --yearly --date 24.12 --date 31.12 --ahead 1 --start 2026-01-01
expect "list" 0 $'1\t0\tAlways\n2\t1\tOffice\n3\t2\tStandup\n4\t3\tRent\n5\t3\tReview\n6\t4\tHolidays\n' \
    "" --db "$db" list
expect "due on a Monday at the window's end" 0 $'L\tAlways\nL\tOffice\nL\tStandup\n' "" \
    --db "$db" due --at 2026-12-07T17:30:00
expect "due one second later" 0 $'L\tAlways\nL\tStandup\n' "" \
    --db "$db" due --at 2026-12-07T17:30:01
expect "due before the last Friday and Christmas Eve" 0 \
    $'L\tAlways\nL\tRent\nL\tReview\nL\tHolidays\n' "" --db "$db" due --at 2026-12-23T20:00:00
expect "remove two" 0 "" "" --db "$db" remove 2 6
expect "remove an unknown ID" 2 "" $'quillaband-notes: There is no note with ID 9.\n' \
    --db "$db" remove 1 9
expect "list after remove" 0 $'1\t0\tAlways\n3\t2\tStandup\n4\t3\tRent\n5\t3\tReview\n' "" \
    --db "$db" list
expect "a receiver shows the broadcaster's notes first" 0 \
    $'B\tGrüße · Ärger\nB\tLeap day\nL\tAlways\n' "" \
    --db "$db" due --at 2027-03-29T12:00:00 --broadcast "$default"
# Regression: a moment in a clock-change gap gave the format message.
TZ=Europe/Berlin expect "a moment the clocks skip" 2 "" \
    $'quillaband-notes: 2026-03-29T02:30:00 does not exist in the local time zone: the clocks skip it at a change of time.\n' \
    --db "$db" due --at 2026-03-29T02:30:00
TZ=Europe/Berlin expect "the hour after the gap" 0 $'L\tAlways\n' "" \
    --db "$db" due --at 2026-03-29T03:30:00
expect "a malformed moment" 2 "" $'quillaband-notes: --at takes YYYY-MM-DDThh:mm:ss.\n' \
    --db "$db" due --at "2026-03-29 02:30:00"
expect "the editor refuses" 2 "" $'quillaband-notes: No weekday selected.\n' \
    --db "$db" add x --weekly

# Files other accounts read: a broadcaster's file follows its umask, and a receiver under
# another account reads one made with umask 022. Changing account needs root.
share=$(mktemp -d)
trap 'rm -rf "$work" "$share"' EXIT
chmod 755 "$share"
(umask 022 && expect "init under umask 022" 0 "" "" init "$share/broadcast.kvl")
check "mode 644 under umask 022" test "$(stat -c %a "$share/broadcast.kvl")" = 644
(umask 077 && expect "init under umask 077" 0 "" "" init "$share/private.kvl")
check "mode 600 under umask 077" test "$(stat -c %a "$share/private.kvl")" = 600
expect "a note of the broadcaster" 0 $'1\n' "" --db "$share/broadcast.kvl" add Shared
if [[ $(id -u) == 0 ]]; then
    as_nobody() { setpriv --reuid nobody --regid nogroup --clear-groups "$@"; }
    mkdir -m 777 "$share/receiver"
    check "a receiver under another account gets its own database" \
        as_nobody "$bin" init "$share/receiver/qb.kvl"
    check "and reads the broadcaster's notes" test "$(as_nobody "$bin" \
        --db "$share/receiver/qb.kvl" due --broadcast "$share/broadcast.kvl")" = $'B\tShared'
else
    echo "not root: the runs under another account are left out"
fi

[[ $failures == 0 ]] || { echo "$failures failed" && exit 1; }
