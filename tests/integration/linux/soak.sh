#!/usr/bin/env bash
# The soak's short form: a minute of the saver with t swept to 100,000 s (see the script).
exec bash "$(dirname "$0")/../../../scripts/soak.sh" 60
