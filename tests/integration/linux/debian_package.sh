#!/usr/bin/env bash
# The Debian package: cpack makes ondalith_<version>_amd64.deb with the hack, its
# settings file, the manual page, the copyright and a changelog, the command ondalith on
# the PATH (a link to the hack), a menu entry that desktop-file-validate accepts and the
# icon in every size of the icon theme; the control fields name
# the package of every library the program needs (linked, or opened by name at run
# time), recommend xscreensaver and put it in x11; lintian finds no error. Unpacked into
# a throwaway root (never /usr), the hack from the package runs under the real daemon.
set -u
. "$TEST_TOOLS/xvfb.sh"
. "$TEST_TOOLS/xscreensaver.sh"
daemon_work

(cd "$BUILD_DIR" && timeout 300 cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
deb="$work/out/ondalith_${version}_amd64.deb"
[ -f "$deb" ] || fail "no ondalith_${version}_amd64.deb: $(ls "$work/out")"
echo "ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^[dl]/ { sub(/^\.\//, "", $NF); print $NF }' | sort)
icon_sizes="16 22 24 32 48 64 128 256"
expected="usr/libexec/xscreensaver/ondalith
usr/share/applications/ondalith.desktop
usr/share/doc/ondalith/changelog.gz
usr/share/doc/ondalith/copyright
usr/share/man/man6/ondalith.6.gz
usr/share/xscreensaver/config/ondalith.xml
$(for size in $icon_sizes; do echo "usr/share/icons/hicolor/${size}x$size/apps/ondalith.png"; done)
usr/share/icons/hicolor/scalable/apps/ondalith.svg"
expected=$(sort <<<"$expected")
[ "$files" = "$expected" ] || fail "the package holds: $files"
links=$(dpkg-deb -c "$deb" | awk '$1 ~ /^l/ { sub(/^\.\//, "", $(NF - 2)); print $(NF - 2), $NF }')
[ "$links" = "usr/bin/ondalith ../libexec/xscreensaver/ondalith" ] || fail "the links: $links"
echo "ok: the files, and the command's link"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ondalith ] && [ "$(field Version)" = "$version" ] && [ "$(field Architecture)" = amd64 ] \
    || fail "name, version or architecture: $(field Package) $(field Version) $(field Architecture)"
[ "$(field Section)" = x11 ] || fail "Section: $(field Section)"
[ "$(field Recommends)" = xscreensaver ] || fail "Recommends: $(field Recommends)"
[ -n "$(field Maintainer)" ] && [ "$(field Description | wc -l)" -ge 2 ] || fail "no maintainer or description"
depends=$(field Depends)
depends_names=$(sed 's/ *([^)]*)//g; s/ *[,|] */\n/g' <<<"$depends")
dpkg -x "$deb" "$work/root"
hack="$work/root/usr/libexec/xscreensaver/ondalith"

# The command on the PATH is the hack, and man finds its page under that name.
[ "$(readlink -f "$work/root/usr/bin/ondalith")" = "$(readlink -f "$hack")" ] || fail "usr/bin/ondalith is not the hack"
PATH="$work/root/usr/bin:$PATH" timeout 10 ondalith --help 2>&1 | grep -q -- '--window-id' || fail "ondalith --help from the PATH"
[ "$(MANPATH="$work/root/usr/share/man" man -w ondalith 2>&1)" = "$work/root/usr/share/man/man6/ondalith.6.gz" ] ||
    fail "man -w ondalith: $(MANPATH="$work/root/usr/share/man" man -w ondalith 2>&1)"
echo "ok: ondalith on the PATH, its manual page where man looks"

# The menu entry: valid, running the command full screen, the About window as its
# action, the icon of the theme, and the class the windows carry.
entry="$work/root/usr/share/applications/ondalith.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
key() { sed -n "/^\[$1\]/,/^\[/ s/^$2=//p" "$entry"; }
[ "$(key 'Desktop Entry' Exec)" = "ondalith /s" ] && [ "$(key 'Desktop Action about' Exec)" = "ondalith /c" ] &&
    [ "$(key 'Desktop Entry' Actions)" = "about;" ] || fail "Exec or the action: $(cat "$entry")"
[ "$(key 'Desktop Entry' Icon)" = ondalith ] && [ "$(key 'Desktop Entry' StartupWMClass)" = Ondalith ] &&
    [ -n "$(key 'Desktop Entry' Comment)" ] || fail "Icon, StartupWMClass or Comment: $(cat "$entry")"
echo "ok: the menu entry"

# Each icon is as large as its folder says, with an alpha channel; the scalable one is SVG.
for size in $icon_sizes; do
    icon="$work/root/usr/share/icons/hicolor/${size}x$size/apps/ondalith.png"
    got=$(identify -format '%m %w %h %A' "$icon" 2>&1)
    [ "$got" = "PNG $size $size Blend" ] || [ "$got" = "PNG $size $size True" ] || fail "icon ${size}x$size: $got"
done
/usr/bin/python3 -c 'import sys, xml.dom.minidom as m; assert m.parse(sys.argv[1]).documentElement.tagName == "svg"' \
    "$work/root/usr/share/icons/hicolor/scalable/apps/ondalith.svg" || fail "the scalable icon is not SVG"
echo "ok: the icons ($icon_sizes and scalable)"
start_xvfb 1280x720x24 || exit 1
trap daemon_cleanup EXIT  # start_xvfb set a trap of its own

# Libraries opened by name at run time are in no dynamic section: the names the hack
# holds (the windowing library's and the GL loader's), less those of the context kinds
# and of Vulkan, which it never asks for. A run must open none of those and no other.
unasked='^lib(EGL|GLES|OSMesa|vulkan)'
held=$(strings -a "$hack" | grep -E '^lib[A-Za-z0-9_+-]+\.so\.[0-9]+$' | sort -u)
LD_DEBUG=files LD_DEBUG_OUTPUT="$work/ld" timeout 60 "$hack" /s >/dev/null 2>&1 & run=$!
[ -n "$(wait_for_window '^Ondalith Screensaver$' 60)" ] || fail "the packaged hack shows no window"
kill "$run"; wait "$run"
opened=$(sed -n "s|.*file=\([^ ]*\) .*dynamically loaded by $hack .*|\1|p" "$work"/ld.* | sort -u)
grep -qx 'libGL\.so\.1' <<<"$opened" || fail "the run shows no library opened by name: $opened"
for lib in $opened; do
    grep -qxF "$lib" <<<"$held" && ! grep -qE "$unasked" <<<"$lib" || fail "a run opened $lib, which this check leaves out"
done
echo "ok: a run opens by name:" $opened
for lib in $(readelf -d "$hack" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') $(grep -vE "$unasked" <<<"$held"); do
    owner=$(dpkg -S "*/x86_64-linux-gnu/$lib" 2>/dev/null | cut -d: -f1 | sort -u | head -n 1)
    [ -n "$owner" ] || fail "no package ships $lib"
    grep -qxF "$owner" <<<"$depends_names" || fail "Depends lacks $owner (for $lib): $depends"
done
echo "ok: control fields; Depends: $depends"

zcat "$work/root/usr/share/doc/ondalith/changelog.gz" | head -n 1 | grep -q "^ondalith ($version)" \
    || fail "the changelog's last entry is not $version"
xml="$work/root/usr/share/xscreensaver/config/ondalith.xml"
grep -q 'arg="--delay %"' "$xml" && grep -q 'arg-set="--fps"' "$xml" || fail "the settings file lacks --delay or --fps"
/usr/bin/python3 -c 'import sys, xml.dom.minidom as m; m.parse(sys.argv[1])' "$xml" || fail "the settings file is not XML"
zcat "$work/root/usr/share/man/man6/ondalith.6.gz" | cmp -s - "$(dirname "$0")/../../../resources/xscreensaver/ondalith.6" \
    || fail "the packaged manual page is not the tree's"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1; status=$?
grep -v 'root privileges' "$work/lintian.log"
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "ok: lintian finds no error"

start_daemon "$hack" "$work"
daemon_runs_hack
