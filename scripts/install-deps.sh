#!/usr/bin/env bash
# Installs the Debian packages a command needs, and only those:
#   install-deps.sh saver   what building and running the Linux saver takes
#   install-deps.sh [all]   that, plus what every build and test takes (MinGW, Wine,
#                           NSIS, XScreenSaver, the servers, and the 32-bit Wine side)
#   install-deps.sh --list saver|all   prints a set, one package a line
#
# Safe to run again: a complete install asks nothing of the network. A package index
# that fails to load (a mirror in the middle of a sync) is retried, then left out: what
# the other indexes offer is installed, and only a needed package that can't be had is a
# failure. The 32-bit Wine side alone may be missing (its packages must match the amd64
# versions exactly, so an i386 index out of step breaks all of them); then the rest is
# installed, the reason is said, and written to the file named by ONDALITH_WINE32_NOTE
# for the test run to skip the 32-bit Windows tests with. ONDALITH_NO_WINE32_PACKAGES=1
# takes that path on purpose.
set -uo pipefail

# Building the Linux saver, and running it under Xvfb with a screenshot.
saver_packages=(
  cmake make g++ python3-glad python3-numpy libgtest-dev
  libx11-dev libx11-xcb-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev libxi-dev libxft-dev
  libgl-dev libegl-dev fonts-dejavu-core
  xvfb xauth x11-utils xdotool imagemagick
)
# Every other build and test, less the 32-bit Wine side.
test_packages=(
  clang libclang-rt-14-dev dpkg-dev glslang-tools
  g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine64
  x11-apps xscreensaver xscreensaver-gl
  xserver-xorg-core xserver-xorg-video-dummy xserver-xephyr x11-xserver-utils
  lintian mandoc man-db desktop-file-utils
  nsis osslsigncode openssl 7zip
)
# The 32-bit Wine side: only the 32-bit Windows tests need it.
wine32_packages=(
  wine32:i386
  libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386 libxrandr2:i386 libxrender1:i386
  libxi6:i386 libxcursor1:i386 libxcomposite1:i386 libxinerama1:i386 libxxf86vm1:i386
  libxfixes3:i386
)

update_tries=${ONDALITH_APT_UPDATE_TRIES:-3}
update_pause=${ONDALITH_APT_UPDATE_PAUSE:-10}
apt_opts=(-o DPkg::Lock::Timeout=600)

say() { echo "install-deps: $*"; }

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# missing NAME...: the names not installed, one a line.
missing() {
  local p
  for p in "$@"; do installed "$p" || echo "$p"; done
}

# Loads the package indexes, retrying a failure a few times; an index that still fails
# is said in one line and left out.
update_indexes() {
  local try out rc failed
  for ((try = 1; try <= update_tries; try++)); do
    out=$(apt-get "${apt_opts[@]}" update -q 2>&1)
    rc=$?
    failed=$(grep -Eo '^(E|W): Failed to fetch [^ ]+' <<<"$out" | awk '{print $5}' | sort -u | tr '\n' ' ')
    [ "$rc" -eq 0 ] && [ -z "$failed" ] && return 0
    if ((try < update_tries)); then
      say "apt-get update failed (try $try of $update_tries), again in $update_pause s"
      sleep "$update_pause"
    fi
  done
  if [ -n "$failed" ]; then
    say "index still failing after $update_tries tries, going on without it: ${failed% }"
  else
    say "apt-get update still fails after $update_tries tries (exit $rc), going on: $(grep -E '^E:' <<<"$out" | tail -n 1)"
  fi
}

# install NAME...: apt's output goes to the terminal and to $apt_log.
apt_log=$(mktemp)
trap 'rm -f "$apt_log"' EXIT
install() {
  apt-get "${apt_opts[@]}" install -y -q --no-install-recommends "$@" 2>&1 | tee "$apt_log"
  return "${PIPESTATUS[0]}"
}
apt_reason() { grep -E '^E:' "$apt_log" | tail -n 1 | sed 's/^E: *//'; }

set_name=${1:-all}
case "$set_name" in
  --list)
    case "${2:-}" in
      saver) printf '%s\n' "${saver_packages[@]}" ;;
      all) printf '%s\n' "${saver_packages[@]}" "${test_packages[@]}" "${wine32_packages[@]}" ;;
      *) echo "usage: $0 --list saver|all" >&2; exit 2 ;;
    esac
    exit 0 ;;
  saver) main=("${saver_packages[@]}"); side=() ;;
  all) main=("${saver_packages[@]}" "${test_packages[@]}"); side=("${wine32_packages[@]}") ;;
  *) echo "usage: $0 [saver|all|--list saver|all]" >&2; exit 2 ;;
esac

note() { [ -z "${ONDALITH_WINE32_NOTE:-}" ] || echo "$1" > "$ONDALITH_WINE32_NOTE"; }
wine32_left_out() {
  say "the 32-bit Wine packages could not be installed ($1); the 32-bit Windows tests will be skipped"
  note "$1"
}

if [ ${#side[@]} -gt 0 ] && [ "${ONDALITH_NO_WINE32_PACKAGES:-0}" = 1 ]; then
  side=()
  wine32_left_out "ONDALITH_NO_WINE32_PACKAGES=1"
fi
mapfile -t main_missing < <(missing "${main[@]}")
side_missing=()
[ ${#side[@]} -eq 0 ] || mapfile -t side_missing < <(missing "${side[@]}")
if [ ${#main_missing[@]} -eq 0 ] && [ ${#side_missing[@]} -eq 0 ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if [ ${#side_missing[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
update_indexes

if install "${main_missing[@]}" "${side_missing[@]}"; then
  exit 0
fi
if [ ${#side_missing[@]} -gt 0 ]; then
  reason=$(apt_reason)
  if [ ${#main_missing[@]} -eq 0 ] || install "${main_missing[@]}"; then
    wine32_left_out "apt: ${reason:-install failed}"
    exit 0
  fi
fi
# Name the packages apt complained of where it did, else every one still missing.
mapfile -t still < <(missing "${main_missing[@]}")
named=()
for p in "${still[@]}"; do grep -qwF -- "$p" "$apt_log" && named+=("$p"); done
[ ${#named[@]} -gt 0 ] || named=("${still[@]}")
say "could not install ${named[*]} (apt: $(apt_reason))"
exit 1
