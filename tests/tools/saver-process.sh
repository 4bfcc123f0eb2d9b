# Shell helpers for tests that watch a saver process: source this file. The saver runs
# under `timeout`, so the process to signal and measure is timeout's child.

# child_of PID [seconds]: prints the pid of PID's first child once it exists.
child_of() {
    local parent=$1 tries=$(( ${2:-10} * 200 )) child
    for _ in $(seq "$tries"); do
        read -r child _ <"/proc/$parent/task/$parent/children" 2>/dev/null
        [ -n "${child:-}" ] && { echo "$child"; return 0; }
        kill -0 "$parent" 2>/dev/null || return 1
        sleep 0.005
    done
    return 1
}

# wait_until_running PID [seconds]: waits until PID catches SIGTERM, the first thing the
# saver does; before that a signal would take its default action, which no program
# can prevent for the moments between exec and its first instruction.
wait_until_running() {
    local pid=$1 tries=$(( ${2:-10} * 200 )) key mask
    for _ in $(seq "$tries"); do
        mask=
        while read -r key value; do
            [ "$key" = SigCgt: ] && { mask=$value; break; }
        done <"/proc/$pid/status" 2>/dev/null
        [ -n "$mask" ] && (( 0x$mask & 0x4000 )) && return 0
        [ -e "/proc/$pid" ] || return 1
        sleep 0.005
    done
    return 1
}

# wait_until_connected PID [seconds]: waits until PID holds a socket, its connection to
# the X server; a server that goes before that is one the saver never reached, which
# it reports as an error like any other program.
wait_until_connected() {
    local pid=$1 tries=$(( ${2:-10} * 200 ))
    for _ in $(seq "$tries"); do
        find "/proc/$pid/fd" -lname 'socket:*' 2>/dev/null | grep -q . && return 0
        [ -e "/proc/$pid" ] || return 1
        sleep 0.005
    done
    return 1
}

# rss_kib PID: the resident set of PID in KiB.
rss_kib() {
    local key value
    while read -r key value _; do
        [ "$key" = VmRSS: ] && { echo "$value"; return 0; }
    done <"/proc/$1/status" 2>/dev/null
    return 1
}
