#!/usr/bin/env bash
# Fetches Debian's glfw3 source package into cache/ (ignored by git) and unpacks it.
# A private deb-src list is derived from the system's own apt sources, so the
# system's apt configuration is never touched. Prints the unpacked source folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cache="$top/cache"
want=3.3.8
src="$cache/src/glfw-$want"

if [ -f "$src/CMakeLists.txt" ]; then
  echo "$src"; exit 0
fi

mkdir -p "$cache/apt/parts" "$cache/apt/lists/partial" "$cache/src"
: > "$cache/apt/parts/src.sources"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed 's/^Types:.*deb\b.*$/Types: deb-src/' "$f" >> "$cache/apt/parts/src.sources"
  echo >> "$cache/apt/parts/src.sources"
done
if [ -f /etc/apt/sources.list ]; then
  grep -E '^\s*deb\s' /etc/apt/sources.list | sed 's/^\s*deb\s/deb-src /' > "$cache/apt/parts/src.list" || true
fi
opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$cache/apt/parts"
      -o "Dir::State::Lists=$cache/apt/lists" -o Debug::NoLocking=1)
apt-get "${opts[@]}" update -q >&2
(cd "$cache/src" && apt-get "${opts[@]}" source --download-only glfw3 >&2)
orig=$(ls "$cache/src"/glfw3_"$want"*.orig.tar.* | head -n 1)
rm -rf "$src.tmp" && mkdir -p "$src.tmp"
tar -xf "$orig" -C "$src.tmp" --strip-components=1
mv "$src.tmp" "$src"
echo "$src"
