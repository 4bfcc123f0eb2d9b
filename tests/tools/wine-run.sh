#!/usr/bin/env bash
# Runs one Windows test executable under Wine with an X server of its own.
set -u
. "$(dirname "$0")/xvfb.sh"
. "$(dirname "$0")/wine-env.sh"
: "${BUILD_DIR:=$(cd "$(dirname "$1")/.." && pwd)}"
export BUILD_DIR
wine_check_width
start_xvfb "${XVFB_SCREEN:-1280x720x24}" || exit 1
wine_env
timeout "${TEST_TIMEOUT:-240}" wine "$@"
status=$?
wine_stop
exit $status
