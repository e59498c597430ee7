#!/usr/bin/env bash
# Starts or stops the stand-in service for the Windows network tests. It runs natively
# on loopback (Wine's loopback is the host's) on a free port, written to PORT_FILE.
#   service.sh start PORT_FILE      service.sh stop PORT_FILE
set -u
action=$1 port_file=$2
pid_file=$port_file.pid
log_file=$port_file.log
here=$(cd "$(dirname "$0")/../.." && pwd)

stop() {
    if [ -f "$pid_file" ]; then
        kill "$(cat "$pid_file")" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$(cat "$pid_file")" 2>/dev/null || break; sleep 0.1; done
        rm -f "$pid_file"
    fi
    rm -f "$port_file"
}

case $action in
start)
    stop # one left over from an interrupted run
    # Fully detached from CTest's pipes, or CTest would wait for the server to end.
    setsid /usr/bin/python3 "$here/tools/standin_service/server.py" --port 0 --port-file "$port_file" \
        --quiet </dev/null >"$log_file" 2>&1 &
    echo $! >"$pid_file"
    for _ in $(seq 200); do
        [ -s "$port_file" ] && exit 0
        kill -0 "$(cat "$pid_file")" 2>/dev/null || break
        sleep 0.1
    done
    echo "the stand-in service did not start:" >&2
    cat "$log_file" >&2
    stop
    exit 1
    ;;
stop) stop ;;
*) echo "usage: $0 start|stop PORT_FILE" >&2; exit 2 ;;
esac
