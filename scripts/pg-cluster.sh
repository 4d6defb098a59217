#!/bin/sh
# A private PostgreSQL cluster for the results store's server tests and benchmark.
#
#   pg-cluster.sh run COMMAND [ARGUMENT...]
#       creates a cluster in a temporary folder (initdb), starts it on 127.0.0.1 on a free port
#       and on a Unix socket in that folder, with a role "bench" (password in a libpq password
#       file, scram-sha-256 over TCP) owning the database "vk220"; runs COMMAND with PGHOST,
#       PGPORT, PGUSER, PGDATABASE and PGPASSFILE naming it and VK220_PG_CLUSTER its folder; then
#       stops the server and removes the folder, whatever the outcome. Exits with COMMAND's status.
#   pg-cluster.sh stop | start
#       under "run", stops or starts that same server again (the tests' server outage).
#
# initdb refuses to run as root: run as root (CI), the cluster belongs to the unprivileged
# "postgres" user (or "nobody" where there is none).
set -eu

fail() {
    echo "pg-cluster.sh: $*" >&2
    exit 1
}

bindir=""
for candidate in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    [ -x "$candidate/initdb" ] && bindir=$candidate && break
done
if [ -z "$bindir" ]; then
    initdb=$(command -v initdb) || fail "no initdb: install postgresql (scripts/install-deps.sh)"
    bindir=$(dirname "$initdb")
fi

owner=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    owner=nobody
    id -u postgres >/dev/null 2>&1 && owner=postgres
fi

# Runs a PostgreSQL program as the cluster's owner.
as_owner() {
    if [ "$owner" = "$(id -un)" ]; then
        "$@"
    else
        runuser -u "$owner" -- "$@"
    fi
}

server() { # start | stop, on the cluster in $1
    if [ "$2" = start ]; then
        as_owner "$bindir/pg_ctl" -D "$1/data" -l "$1/server.log" -w -t 30 start >/dev/null
    else
        as_owner "$bindir/pg_ctl" -D "$1/data" -w -t 30 -m fast stop >/dev/null
    fi
}

case "${1:-}" in
start | stop)
    [ -n "${VK220_PG_CLUSTER:-}" ] || fail "$1: not under \"pg-cluster.sh run\""
    server "$VK220_PG_CLUSTER" "$1"
    exit 0
    ;;
run)
    shift
    [ $# -gt 0 ] || fail "run: no command"
    ;;
*)
    echo "usage: $0 run COMMAND [ARGUMENT...] | stop | start" >&2
    exit 2
    ;;
esac

# In /tmp when the cluster's owner is another user, who could not reach a private TMPDIR.
parent=${TMPDIR:-/tmp}
[ "$owner" = "$(id -un)" ] || parent=/tmp
folder=$(mktemp -d "$parent/vk220-pg.XXXXXX")
cleanup() {
    if [ -f "$folder/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$folder/data" -w -t 30 -m fast stop >/dev/null 2>&1 ||
            as_owner "$bindir/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
[ "$owner" = "$(id -un)" ] || chown "$owner" "$folder"
chmod 700 "$folder"

as_owner "$bindir/initdb" -D "$folder/data" -U admin -E UTF8 --no-locale --no-sync \
    --auth-local=trust --auth-host=scram-sha-256 >"$folder/initdb.log" 2>&1 ||
    { cat "$folder/initdb.log" >&2; fail "initdb failed"; }

# A free port: one picked at random, again when another program holds it.
started=""
for attempt in 1 2 3 4 5; do
    port=$((20000 + $(od -An -N2 -tu2 /dev/urandom | tr -d ' ') % 40000))
    {
        echo "port = $port"
        echo "listen_addresses = '127.0.0.1'"
        echo "unix_socket_directories = '$folder'"
        echo "fsync = on"
    } >>"$folder/data/postgresql.conf"
    if server "$folder" start 2>/dev/null; then
        started=yes
        break
    fi
done
[ -n "$started" ] || { cat "$folder/server.log" >&2; fail "the server did not start"; }

password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
as_owner "$bindir/psql" -h "$folder" -p "$port" -U admin -d postgres -q -v ON_ERROR_STOP=1 \
    -c "CREATE ROLE bench LOGIN CREATEDB PASSWORD '$password'" \
    -c "CREATE DATABASE vk220 OWNER bench" >/dev/null
umask 077
echo "127.0.0.1:$port:*:bench:$password" >"$folder/pgpass"

unset PGPASSWORD PGSERVICE PGSERVICEFILE PGSSLMODE PGOPTIONS PGCONNECT_TIMEOUT
export PGHOST=127.0.0.1 PGPORT="$port" PGUSER=bench PGDATABASE=vk220
export PGPASSFILE="$folder/pgpass" VK220_PG_CLUSTER="$folder"
set +e
"$@"
status=$?
set -e
exit $status
