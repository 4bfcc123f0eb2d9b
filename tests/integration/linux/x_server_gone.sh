#!/usr/bin/env bash
# The X server dies under a running saver: the saver ends at once with exit code 0
# (within 5 s: it notices at its next request to the server, at the latest after the
# frame or the step of the scene set-up it is in, about 0.4 s and 1 s on an idle machine),
# quietly and without a core, whether the server goes during GL start-up, scene set-up
# or while it draws, full screen or inside a host window, killed or shut down. A crash
# that the dead server causes inside a library ends the same way; a crash with the
# server alive keeps its signal.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/saver-process.sh"
ulimit -c 0
work=$(mktemp -d)

i=0
for ms in 0 150 300 600 1200 2500; do
    start_xvfb 320x240x24 || exit 1
    args=(/s)
    if (( i % 2 )); then
        coproc HOST { timeout 60 "$TEST_BIN/x11_host_window" 160x120 2>/dev/null; }
        host_pid=$HOST_PID
        read -r host <&"${HOST[0]}"
        args=(--window-id "$host")
    fi
    signal=$( (( i % 2 )) && echo TERM || echo KILL)
    timeout 60 "$ONDALITH" "${args[@]}" >/dev/null 2>"$work/err" &
    runner=$!
    pid=$(child_of "$runner") && wait_until_running "$pid" && wait_until_connected "$pid" ||
        fail "the saver did not start"
    sleep "$(printf '%d.%03d' $((ms / 1000)) $((ms % 1000)))"
    kill -"$signal" "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=
    gone=$(date +%s%N)
    wait "$runner"; status=$?
    took=$(( ($(date +%s%N) - gone) / 1000000 ))
    what="${args[0]}, server given SIG$signal ${ms} ms after start"
    [ "$status" -eq 0 ] || fail "$what: exit $status"
    [ "$took" -le 5000 ] || fail "$what: the saver took $took ms to end"
    [ ! -s "$work/err" ] || fail "$what: stderr: $(cat "$work/err")"
    echo "ok: $what: exit 0 after $took ms"
    (( i % 2 )) && { kill "$host_pid"; wait "$host_pid" 2>/dev/null; }
    i=$((i + 1))
done

start_xvfb 320x240x24 || exit 1
for server in alive gone; do
    coproc PROBE { timeout 30 "$TEST_BIN/x11_display_loss_probe" 2>&1; }
    probe=$PROBE_PID
    read -r ready <&"${PROBE[0]}"
    [ "$ready" = ready ] || fail "probe: $ready"
    [ "$server" = gone ] && { kill -KILL "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=; }
    echo >&"${PROBE[1]}"
    read -r said <&"${PROBE[0]}"
    wait "$probe"; status=$?
    if [ "$server" = gone ]; then
        [ "$said" = "connection broken: yes" ] && [ "$status" -eq 0 ] || fail "crash with the server gone: '$said', exit $status"
    else
        [ "$said" = "connection broken: no" ] && [ "$status" -eq $((128 + 11)) ] || fail "crash with the server alive: '$said', exit $status"
    fi
    echo "ok: a crash with the server $server: exit $status"
done
rm -rf "$work"
