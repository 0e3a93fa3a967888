#!/bin/bash
# Runs the built quillaband-notes as a process: exit codes, stdout and stderr
# kept apart, the template found beside the binary, the default database below
# the documents folder, and UTF-8 text from the command line to the file and back.
# Usage: notes_cli_test.sh PATH/TO/quillaband-notes
set -euo pipefail

bin=$(realpath "$1")
[[ -x $bin ]] || { echo "not an executable: $1" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A home of its own, so the default database is ours and nothing else is touched.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
unset XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Documents/Quillaband 3"
failures=0
checks=0

# expect NAME STATUS STDOUT STDERR ARG...: runs the program with ARG... and
# compares its exit status and both streams byte for byte.
expect() {
    local name=$1 status=$2 out=$3 err=$4 actual=0
    shift 4
    checks=$((checks + 1))
    "$bin" "$@" >out.txt 2>err.txt || actual=$?
    if [[ $actual != "$status" ]] ||
        ! diff <(printf '%s' "$out") out.txt >diff.txt ||
        ! diff <(printf '%s' "$err") err.txt >>diff.txt; then
        echo "FAIL: $name: exit $actual (expected $status)"
        cat diff.txt
        failures=$((failures + 1))
    fi
}

# same NAME EXPECTED ACTUAL: a plain comparison.
same() {
    checks=$((checks + 1))
    if [[ $2 != "$3" ]]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

expect "init copies the template beside the binary" 0 "" "" init db.kvl
same "init file equals the template" "$(md5sum <"$(dirname "$bin")/org.kvl")" \
    "$(md5sum <db.kvl)"
expect "init refuses an existing file" 1 "" $'quillaband-notes: "db.kvl" already exists.\n' \
    init db.kvl

expect "add permanent with UTF-8 text" 0 $'1\n' "" --db db.kvl add "Grüße · Ärger"
# The UTF-8 bytes of "Grüße · Ärger".
same "text stored as UTF-8" 4772C3BCC39F6520C2B720C38472676572 \
    "$(sqlite3 db.kvl "SELECT hex(inhalt) FROM Notizen WHERE ID = 1")"
expect "add daily window" 0 $'2\n' "" --db db.kvl add Office --daily --from 8:00 --to 17:30
expect "add weekly" 0 $'3\n' "" \
    --db db.kvl add Standup --weekly --days tue,thu --start 2026-03-02 --weeks 8
expect "add monthly by day" 0 $'4\n' "" \
    --db db.kvl add Rent --monthly --day 15 --ahead 2 --start 2026-01-01
expect "add monthly last weekday" 0 $'5\n' "" \
    --db db.kvl add Review --monthly --nth last --weekday fri --start 2026-01-01
expect "add yearly; the warning goes to stderr only" 0 $'6\n' \
    $'quillaband-notes: warning: In February this note will appear only in leap years.\n' \
    --db db.kvl add "Leap day" --monthly --day 29 --start 2026-01-01
expect "add yearly" 0 $'7\n' "" \
    --db db.kvl add Birthday --yearly --date 12.03 --date 24.12 --ahead 3 --start 2026-01-01
same "yearly encoding" "4|12032412|3|2026-01-01" \
    "$(sqlite3 db.kvl "SELECT Rhythmus||'|'||RhyDetails||'|'||Vorher||'|'||StartDatum
        FROM Notizen WHERE ID = 7")"

listed=$'1\t0\tGrüße · Ärger\n2\t1\tOffice\n3\t2\tStandup\n4\t3\tRent\n'
listed+=$'5\t3\tReview\n6\t3\tLeap day\n7\t4\tBirthday\n'
expect "list in table order" 0 "$listed" "" --db db.kvl list
expect "due before the window" 0 $'L\tGrüße · Ärger\nL\tStandup\nL\tBirthday\n' "" \
    --db db.kvl due --at 2026-03-10T07:59:59
expect "due at the window's end" 0 $'L\tGrüße · Ärger\nL\tOffice\nL\tStandup\nL\tBirthday\n' \
    "" --db db.kvl due --at 2026-03-12T17:30:00
expect "due on the last Friday" 0 $'L\tGrüße · Ärger\nL\tOffice\nL\tReview\n' "" \
    --db db.kvl due --at 2026-03-27T12:00:00

expect "init a broadcaster" 0 "" "" init news.kvl
expect "add to the broadcaster" 0 $'1\n' "" --db news.kvl add "Server down at 18:00"
expect "receiver: broadcaster's notes first" 0 \
    $'B\tServer down at 18:00\nL\tGrüße · Ärger\nL\tReview\n' "" \
    --db db.kvl due --at 2026-03-27T20:00:00 --broadcast news.kvl
sqlite3 news.kvl "UPDATE Einstellungen SET eigeneErlauben = 0"
expect "receiver: the broadcaster forbids own notes" 0 $'B\tServer down at 18:00\n' "" \
    --db db.kvl due --at 2026-03-27T20:00:00 --broadcast news.kvl

expect "remove several" 0 "" "" --db db.kvl remove 2 5 6
expect "remove an unknown ID refuses all" 2 "" \
    $'quillaband-notes: There is no note with ID 99.\n' --db db.kvl remove 1 99
expect "list after removing" 0 \
    $'1\t0\tGrüße · Ärger\n3\t2\tStandup\n4\t3\tRent\n7\t4\tBirthday\n' "" --db db.kvl list

expect "the editor's refusal" 2 "" $'quillaband-notes: End time after starting time!\n' \
    --db db.kvl add x --daily --from 10:00 --to 10:00
expect "a usage error" 2 "" $'quillaband-notes: list takes no arguments.\n' --db db.kvl list x
"$bin" >out.txt 2>err.txt && status=0 || status=$?
same "no arguments: exit 2" 2 "$status"
same "no arguments: usage on stderr only" "Usage:|" "$(head -n 1 err.txt)|$(cat out.txt)"
expect "a missing database" 1 "" \
    $'quillaband-notes: The database file "none.kvl" does not exist.\n' --db none.kvl list
same "a missing database is not created" "no" "$([[ -e none.kvl ]] && echo yes || echo no)"

expect "the default database below the documents folder" 0 "" "" \
    init "$HOME/Documents/Quillaband 3/qb.kvl"
LC_ALL=C expect "the default database, C locale text" 0 $'1\n' "" add "Ärger im C-Locale"
expect "list of the default database" 0 $'1\t0\tÄrger im C-Locale\n' "" list

echo "$checks checks, $failures failed"
[[ $failures == 0 ]]
