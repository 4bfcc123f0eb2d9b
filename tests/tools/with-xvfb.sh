#!/usr/bin/env bash
# Runs one command with an X server of its own, under a time limit.
set -u
. "$(dirname "$0")/xvfb.sh"
start_xvfb "${XVFB_SCREEN:-1280x720x24}" || exit 1
timeout "${TEST_TIMEOUT:-240}" "$@"
