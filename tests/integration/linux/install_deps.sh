#!/usr/bin/env bash
# scripts/install-deps.sh against stand-ins for apt-get, dpkg-query and dpkg that act on
# a package list of their own and record what they were asked: a mirror in the middle of
# a sync, a 32-bit side that can't be had, a missing package, and a complete install.
# Then the sets themselves: the saver's is a true subset of the whole, and every name
# is in this machine's package index.
set -u
. "$TEST_TOOLS/xvfb.sh"
top=$(cd "$(dirname "$0")/../../.." && pwd)
script=$top/scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/bin"
# apt-get update fails while $STATE/update_failures counts down ("always": for good);
# install refuses when any name asked for is listed in $STATE/broken.
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $*" >>"$STATE/calls"
for a; do case "$a" in update|install) cmd=$a ;; esac; done
if [ "$cmd" = update ]; then
  n=$(cat "$STATE/update_failures" 2>/dev/null || echo 0)
  [ "$n" = 0 ] && exit 0
  [ "$n" = always ] || echo $((n - 1)) >"$STATE/update_failures"
  echo "Err:6 http://mirror.test/debian-security sec/main i386 Packages"
  echo "E: Failed to fetch http://mirror.test/debian-security/dists/sec/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
  echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
  exit 100
fi
for a; do
  case "$a" in -*|install|DPkg::*) continue ;; esac
  if grep -qxF "$a" "$STATE/broken" 2>/dev/null; then
    case "$a" in
      *:i386) echo " $a : Depends: libc6:i386 but it is not going to be installed"
              echo "E: Unable to correct problems, you have held broken packages." ;;
      *) echo "E: Unable to locate package $a" ;;
    esac
    exit 100
  fi
done
for a; do case "$a" in -*|install|DPkg::*) ;; *) echo "$a" >>"$STATE/installed" ;; esac; done
EOF
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
for a; do name=$a; done
grep -qxF "$name" "$STATE/installed" 2>/dev/null || exit 1
printf 'install ok installed'
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/bin/sh
echo "dpkg $*" >>"$STATE/calls"
EOF
chmod +x "$work/bin"/*

# scenario NAME [SET]: a fresh state; later set-up writes into $STATE.
scenario() {
    echo "== $1"
    export STATE=$work/$1
    mkdir "$STATE"
    touch "$STATE/calls" "$STATE/installed"
}
# run_script [SET]: runs the script on the stand-ins; its output in $out, status in $rc.
run_script() {
    out=$(PATH="$work/bin:$PATH" ONDALITH_APT_UPDATE_PAUSE=0 ONDALITH_WINE32_NOTE=$STATE/note \
          timeout 60 bash "$script" "$@" 2>&1)
    rc=$?
}
expect() { grep -qF -- "$2" <<<"$1" || fail "expected '$2' in:"$'\n'"$1"; }
refuse() { ! grep -qF -- "$2" <<<"$1" || fail "did not expect '$2' in:"$'\n'"$1"; }
updates() { grep -c ' update' "$STATE/calls"; }
all_installed() {
    local p
    for p in $(bash "$script" --list all); do
        grep -qxF "$p" "$STATE/installed" || fail "$p was not installed"
    done
}

scenario update_fails_once
echo 1 >"$STATE/update_failures"
run_script all
[ "$rc" = 0 ] || fail "exit $rc: $out"
[ "$(updates)" = 2 ] || fail "$(updates) updates, not 2"
refuse "$out" "going on without it"
all_installed

scenario index_out_of_step
echo always >"$STATE/update_failures"
run_script all
[ "$rc" = 0 ] || fail "exit $rc: $out"
[ "$(updates)" = 3 ] || fail "$(updates) updates, not 3"
expect "$out" "going on without it: http://mirror.test/debian-security/dists/sec/main/binary-i386/Packages.xz"
all_installed

scenario wine32_side_broken
bash "$script" --list all | grep ':i386$' >"$STATE/broken"
run_script all
[ "$rc" = 0 ] || fail "exit $rc: $out"
expect "$out" "the 32-bit Wine packages could not be installed (apt: Unable to correct problems, you have held broken packages.); the 32-bit Windows tests will be skipped"
expect "$(cat "$STATE/note")" "apt: Unable to correct problems"
grep -qx 'wine64' "$STATE/installed" || fail "the 64-bit side was not installed"
! grep -q ':i386$' "$STATE/installed" || fail "an i386 package counted as installed"

scenario amd64_package_broken
echo nsis >"$STATE/broken"
bash "$script" --list all | grep -vx nsis >"$STATE/installed"
run_script all
[ "$rc" != 0 ] || fail "exit 0 with nsis missing: $out"
expect "$out" "could not install nsis (apt: Unable to locate package nsis)"

scenario complete
bash "$script" --list all >"$STATE/installed"
run_script all
[ "$rc" = 0 ] && [ ! -s "$STATE/calls" ] || fail "exit $rc, calls: $(cat "$STATE/calls")"

scenario saver_alone
run_script saver
[ "$rc" = 0 ] || fail "exit $rc: $out"
for word in ':i386' wine mingw nsis xscreensaver 'add-architecture'; do
    ! grep -qF -- "$word" "$STATE/calls" || fail "the saver's set asked for $word: $(cat "$STATE/calls")"
done

echo "== the sets"
saver=$(bash "$script" --list saver | sort -u)
all=$(bash "$script" --list all | sort -u)
extra=$(comm -23 <(echo "$saver") <(echo "$all"))
[ -z "$extra" ] || fail "in the saver's set only: $extra"
[ "$(wc -l <<<"$all")" -gt "$(wc -l <<<"$saver")" ] || fail "the saver's set is the whole set"
# Names with an installable version in this machine's indexes (an i386 name is looked up
# only where an i386 index has loaded).
known=$(LC_ALL=C apt-cache policy $all 2>/dev/null |
        awk '/^[^ ].*:$/ {name = substr($0, 1, length($0) - 1)} /Candidate:/ && $2 != "(none)" {print name}')
i386_index=$(ls /var/lib/apt/lists/*binary-i386_Packages* 2>/dev/null | head -n 1)
for p in $all; do
    case "$p" in *:i386) [ -n "$i386_index" ] || { echo "note: no i386 index here, $p not looked up"; continue; } ;; esac
    grep -qxF "$p" <<<"$known" || fail "no package $p in this machine's index"
done
echo "ok: $(wc -l <<<"$saver") of $(wc -l <<<"$all") packages for the saver, every one in the index"
