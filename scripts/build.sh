#!/usr/bin/env bash
# Installs what the build needs, then configures and builds the presets named
# (default: linux). Extra arguments after "--" go to `cmake --build`.
set -euo pipefail
cd "$(dirname "$0")/.."
presets=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do presets+=("$1"); shift; done
[ $# -gt 0 ] && shift
[ ${#presets[@]} -gt 0 ] || presets=(linux)
# The Linux build alone needs only the saver's packages.
if [ "${presets[*]}" = linux ]; then bash scripts/install-deps.sh saver; else bash scripts/install-deps.sh all; fi
bash scripts/fetch-glfw.sh >/dev/null
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)" "$@"
done
