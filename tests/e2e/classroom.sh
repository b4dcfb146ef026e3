#!/usr/bin/env bash
# A class on one computer, set up as the README says: a PostgreSQL server of
# its own (tests/pg/pgserver.sh) made ready with "qirtas class --init", a
# shared login for the class and a teacher's login. Two learners, each on a
# seat of their own (a settings and data folder), join through the Class…
# dialog with real key presses, the password typed into the server field,
# and type a letter drill. Each drill must be on the server once, no
# password in any file or output, and the teacher's window must open on
# the class.
source "$(dirname "$0")/common.bash"
here=$(cd "$(dirname "$0")" && pwd)
pg="$tmp/pg"
trap 'kill -KILL $(jobs -p) 2>/dev/null; bash "$here/../pg/pgserver.sh" stop "$pg"; rm -rf "$tmp"' EXIT

port=$(bash "$here/../pg/pgserver.sh" start "$pg") || fail "no PostgreSQL server"
export PGPASSFILE="$pg/pgpass"
admin="host=127.0.0.1 port=$port user=qirtas_admin dbname=postgres"
"$exe" class --init "$admin" >>"$tmp/run.log" 2>&1 || fail "qirtas class --init failed"
psql -qtAX -v ON_ERROR_STOP=1 "$admin" >>"$tmp/run.log" 2>&1 <<'SQL' || fail "the logins were not made"
CREATE ROLE ar101 LOGIN PASSWORD 'pw-ar101';
SELECT qirtas.allow_class('ar101', 'ar101');
CREATE ROLE karim LOGIN PASSWORD 'pw-karim';
SELECT qirtas.allow_teacher('ar101', 'karim');
SQL
echo "127.0.0.1:$port:*:karim:pw-karim" >>"$PGPASSFILE"
drills() { psql -qtAX "$admin" -c "SELECT count(*) || '/' || count(DISTINCT id) FROM qirtas.drill WHERE learner = '$1'"; }

# Window-relative click points (see letterdrill.sh) and the Progress tab's
# "Class…" button.
keyboard_tab="185 20" random_box="327 88" start_button="555 85" about_tab="436 20"
progress_tab="501 20" class_button="200 62"
keys='hfje[po]`v.sawq'"'"'/uytr;glk,ibdnxcz'"m"'hfje[p'


for learner in Amal Bilal; do
    export XDG_CONFIG_HOME="$tmp/$learner/config" XDG_DATA_HOME="$tmp/$learner/data"
    conf="$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
    mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"
    printf '[Normal]\nlang=en\nkeyboard=101\nitemcount=0\n' >"$conf"
    start
    id=$(wait_window --name "^Nuvari Arabic typing software\$") || fail "tutor window not found"
    wait_ready
    click "$id" "$progress_tab"
    click_opening "$id" "$class_button"
    # The server field has the focus; Tab goes on to the class code and the name.
    answer_with_return "Class" "host=127.0.0.1 port=$port user=ar101 dbname=postgres password=pw-ar101	ar101	$learner"
    click "$id" "$keyboard_tab"
    click "$id" "$random_box"
    click "$id" "$start_button" # Start turns to Stop
    xdotool type --delay 20 "$keys"
    answer_with_return "Nuvari Arabic typing software" # record the score
    answer_with_return "Record Score"
    for _ in $(seq 1 300); do
        [ "$(drills "$learner")" = 1/1 ] && break
        sleep 0.1
    done
    [ "$(drills "$learner")" = 1/1 ] || fail "$learner's drill is not on the server: $(drills "$learner")"
    click "$id" "$about_tab"
    close_and_wait "$id" "$pid"
    grep -q "^learner=$learner\$" "$conf" || fail "$learner did not join: $(cat "$conf")"
    ! grep -rq pw-ar101 "$tmp/$learner" || fail "a password was kept on $learner's seat"
done
! grep -q pw-ar101 "$tmp/run.log" || fail "a password was printed"

# The teacher's window opens on the class kept from last time.
export XDG_CONFIG_HOME="$tmp/teacher/config" XDG_DATA_HOME="$tmp/teacher/data"
mkdir -p "$XDG_CONFIG_HOME/Nuvari Soft"
printf '[Normal]\nlang=en\n[Teacher]\nserver=host=127.0.0.1 port=%s user=karim dbname=postgres\nclass=ar101\n' "$port" \
    >"$XDG_CONFIG_HOME/Nuvari Soft/Qirtas.conf"
start class
id=$(wait_window --name "^Qirtas class\$") || fail "teacher's window not found"
close_and_wait "$id" "$pid"
echo "PASS"
