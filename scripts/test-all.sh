#!/usr/bin/env bash
# Builds everything (Linux, Windows, and the sanitised fuzz build) and runs every test:
# unit, GL under Xvfb, the saver driven by xdotool, the Windows build under Wine, and
# short fuzzing runs. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
bash scripts/install-deps.sh || exit 1
bash scripts/fetch-glfw.sh >/dev/null || exit 1

build() {
    local t0=$SECONDS
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$(nproc)" "${@:2}" || return 1
    echo "Build $1 took $((SECONDS - t0)) s"
}
build linux || exit 1
build win32 || exit 1
build fuzz || exit 1

passed=0 failed=0
run() {
    local log t0=$SECONDS
    log=$(mktemp)
    ctest --preset "$1" -j"${CTEST_JOBS:-1}" 2>&1 | tee "$log"
    local line
    line=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    rm -f "$log"
    echo "Tests of $1 took $((SECONDS - t0)) s"
    if [ -z "$line" ]; then
        failed=$((failed + 1))  # ctest itself broke down
        return
    fi
    set -- $line
    failed=$((failed + $1))
    passed=$((passed + $6 - $1))
}
run linux
run win32
run fuzz

echo "All tests took $(( $(date +%s) - start )) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
