#!/usr/bin/env bash
# Builds everything (Linux, both Windows widths, and the sanitised fuzz build) and runs
# every test: unit, GL under Xvfb, the saver driven by xdotool, the Windows builds under
# Wine, and short fuzzing runs. Exits non-zero when anything fails.
#
# The 32-bit Windows build runs under Wine only where this host runs 32-bit programs
# and the 32-bit Wine packages could be installed; elsewhere its Wine tests are skipped
# (and said so, with the reason, at the start and at the end), while its file is still
# read. ONDALITH_NO_32BIT=1 takes the first path on any host, and
# ONDALITH_NO_WINE32_PACKAGES=1 the second.
set -uo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
wine32_note=$(mktemp)
ONDALITH_WINE32_NOTE=$wine32_note bash scripts/install-deps.sh all || exit 1
ONDALITH_WINE32_MISSING=$(cat "$wine32_note")
rm -f "$wine32_note"
export ONDALITH_WINE32_MISSING
bash scripts/fetch-glfw.sh >/dev/null || exit 1
. tests/tools/wine-env.sh

build() {
    local t0=$SECONDS
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$(nproc)" "${@:2}" || return 1
    echo "Build $1 took $((SECONDS - t0)) s"
}
build linux || exit 1
build win32 || exit 1
build win64 || exit 1
build fuzz || exit 1

# Asked once for the whole run; every Wine test reads the answer.
if host_runs_32bit; then ONDALITH_HOST_RUNS_32BIT=yes; else ONDALITH_HOST_RUNS_32BIT=no; fi
export ONDALITH_HOST_RUNS_32BIT
echo "32-bit Windows tests under Wine: $([ $ONDALITH_HOST_RUNS_32BIT = yes ] && echo run || echo "skipped: $(no_32bit_reason)")"

passed=0 failed=0 skipped=0
run() {
    local log t0=$SECONDS
    log=$(mktemp)
    ctest --preset "$1" -j"${2:-${CTEST_JOBS:-1}}" 2>&1 | tee "$log"
    local line skips
    line=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    skips=$(grep -Ec '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log")
    rm -f "$log"
    echo "Tests of $1 took $((SECONDS - t0)) s"
    if [ -z "$line" ]; then
        failed=$((failed + 1))  # ctest itself broke down
        return
    fi
    set -- $line
    failed=$((failed + $1))
    skipped=$((skipped + skips))
    passed=$((passed + $6 - $1 - skips))
}
run linux
run win32
run win64
run fuzz 2  # CPU-bound, waits for nothing: one on each core

echo "All tests took $(( $(date +%s) - start )) s"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$skipped" -eq 0 ] || echo "$skipped skipped: 32-bit Windows tests under Wine; $(no_32bit_reason)"
[ "$failed" -eq 0 ]
