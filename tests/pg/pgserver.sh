#!/usr/bin/env bash
# A private PostgreSQL 15 server for the class tests and benchmark: its own
# cluster in a fresh folder owned by the server's user, listening only on
# 127.0.0.1 at a free port, with a superuser "qirtas_admin" whose random
# password is written to STATE/password and to STATE/pgpass.
#
#   pgserver.sh start STATE   create and start; prints the port
#   pgserver.sh halt STATE    stop the server, keep its data
#   pgserver.sh resume STATE  start it again on the same port
#   pgserver.sh stop STATE    stop it and remove its data (also when half made)
#
# Extra server settings come from PGSERVER_SETTINGS ("name=value ..."). As
# root the server runs as the "postgres" user, which refuses nothing; the
# server itself refuses to run as root.
set -euo pipefail

bin=/usr/lib/postgresql/15/bin
cmd=${1:-}
state=${2:-}
[ -n "$cmd" ] && [ -n "$state" ] || { echo "usage: $0 start|halt|resume|stop STATE" >&2; exit 2; }

fail() { echo "pgserver: $*" >&2; exit 1; }

as_server() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

pgctl() { as_server "$bin/pg_ctl" -D "$(cat "$state/cluster")/data" "$@"; }

# Starts the cluster on $1 and waits until it takes connections (pg_ctl -w
# has a deadline of its own).
run_on() {
    local port=$1 cluster
    cluster=$(cat "$state/cluster")
    pgctl -w -t 60 -l "$cluster/server.log" \
        -o "-p $port -c listen_addresses=127.0.0.1 -c unix_socket_directories=$cluster" start >/dev/null
}

case $cmd in
start)
    [ -x "$bin/initdb" ] || fail "PostgreSQL 15 server missing ($bin/initdb): install the Debian package postgresql (bash tools/setup.sh)"
    if [ "$(id -u)" -eq 0 ]; then
        id postgres >/dev/null 2>&1 || fail "no postgres user: install the Debian package postgresql (bash tools/setup.sh)"
    fi
    mkdir -p "$state"
    [ ! -e "$state/cluster" ] || "$0" stop "$state"
    cluster=$(mktemp -d /tmp/qirtas-pg.XXXXXX)
    echo "$cluster" >"$state/cluster"
    password=$(head -c 18 /dev/urandom | base64 | tr '+/' 'xy')
    printf '%s' "$password" >"$cluster/pwfile"
    [ "$(id -u)" -eq 0 ] && chown -R postgres: "$cluster"
    chmod 700 "$cluster"
    # Host connections need the password; the socket in the private folder
    # is for this script alone.
    as_server "$bin/initdb" -D "$cluster/data" -U qirtas_admin --pwfile="$cluster/pwfile" \
        -A scram-sha-256 --auth-local=trust -E UTF8 --locale=C.UTF-8 >"$state/initdb.log" 2>&1 \
        || fail "initdb failed: $(tail -3 "$state/initdb.log")"
    rm -f "$cluster/pwfile"
    printf '%s' "$password" >"$state/password"
    for setting in ${PGSERVER_SETTINGS:-}; do
        echo "${setting%%=*} = '${setting#*=}'" >>"$cluster/data/postgresql.conf"
    done
    # A free port: nothing answers on it, and the server could bind it.
    for try in $(seq 1 20); do
        port=$((20000 + RANDOM % 30000))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && continue
        if run_on "$port" 2>"$state/start.log"; then
            echo "$port" >"$state/port"
            printf '127.0.0.1:%s:*:qirtas_admin:%s\n' "$port" "$password" >"$state/pgpass"
            chmod 600 "$state/pgpass" "$state/password"
            echo "$port"
            exit 0
        fi
        grep -q "could not bind\|already in use" "$cluster/server.log" 2>/dev/null || break
    done
    fail "the server did not start: $(tail -5 "$cluster/server.log" 2>/dev/null)"
    ;;
halt)
    pgctl -w -t 60 -m fast stop >/dev/null
    ;;
resume)
    run_on "$(cat "$state/port")"
    ;;
stop)
    [ -e "$state/cluster" ] || exit 0
    cluster=$(cat "$state/cluster")
    if [ -e "$cluster/data/postmaster.pid" ]; then
        pgctl -w -t 60 -m immediate stop >/dev/null 2>&1 || true
    fi
    case $cluster in /tmp/qirtas-pg.*) rm -rf "$cluster" ;; esac
    rm -f "$state/cluster" "$state/port" "$state/password" "$state/pgpass"
    ;;
*)
    fail "unknown command $cmd"
    ;;
esac
