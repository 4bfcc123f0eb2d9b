#!/usr/bin/python3
"""Reads a resource script and writes what the build needs from it.

The resource script is the one place where asset ids are numbered. From it this tool
writes a header of the ids for C++ (both builds) and, for the Linux build, an assembler
file that embeds every asset with .incbin plus a C++ table that the platform layer
searches by type and id. .incbin keeps a 16 MiB bitmap to a fraction of a second.

Only the subset of the script language the saver uses is understood:
  #define NAME number      #include "other.rc"      ID TYPE "file"
Everything else is what only Windows reads (the string table, the version block, the
manifest, other #defines) and is passed over, BEGIN ... END blocks whole.
"""
import argparse
import os
import re
import sys

TYPES = {"TEXTFILE": "TextFile", "BITMAP": "Bitmap", "WAVE": "Wave", "ICON": "Icon"}


def parse(path, search, defines, entries, seen):
    path = os.path.abspath(path)
    if path in seen:
        return
    seen.add(path)
    here = os.path.dirname(path)
    depth = 0
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.split("//", 1)[0].strip()
            if not line:
                continue
            if line in ("BEGIN", "{"):
                depth += 1
                continue
            if line in ("END", "}"):
                depth = max(depth - 1, 0)
                continue
            if depth:
                continue
            m = re.fullmatch(r'#define\s+(\w+)\s+(\d+)', line)
            if m:
                defines[m.group(1)] = int(m.group(2))
                continue
            m = re.fullmatch(r'#include\s+"([^"]+)"', line)
            if m:
                parse(locate(m.group(1), [here] + search, path, number), search, defines, entries, seen)
                continue
            m = re.fullmatch(r'(\w+)\s+(\w+)\s+"([^"]+)"', line)
            if m and m.group(2) in TYPES:
                ident = m.group(1)
                value = int(ident) if ident.isdigit() else defines.get(ident)
                if value is None or not 0 < value < 65536:
                    sys.exit(f"{path}:{number}: unknown or out-of-range id {ident}")
                entries.append((TYPES[m.group(2)], value, m.group(3), [here] + search, path, number))


def locate(name, dirs, origin, number):
    for d in dirs:
        candidate = os.path.join(d, name)
        if os.path.exists(candidate):
            return os.path.abspath(candidate)
    sys.exit(f"{origin}:{number}: cannot find {name} in {', '.join(dirs)}")


def write_if_changed(path, text):
    if os.path.exists(path):
        with open(path, encoding="ascii") as f:
            if f.read() == text:
                return
    with open(path, "w", encoding="ascii") as f:
        f.write(text)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("rc")
    ap.add_argument("--search", action="append", default=[])
    ap.add_argument("--ids")
    ap.add_argument("--asm")
    ap.add_argument("--table")
    ap.add_argument("--depfile")
    a = ap.parse_args()

    defines, entries, scripts = {}, [], set()
    parse(a.rc, a.search, defines, entries, scripts)
    keys = set()
    for kind, ident, _, _, origin, number in entries:
        if (kind, ident) in keys:
            sys.exit(f"{origin}:{number}: {kind} {ident} is defined twice")
        keys.add((kind, ident))

    if a.ids:
        lines = ["// Generated from the resource script; edit the script, not this file.",
                 "#pragma once", ""]
        lines += [f"#define {name} {value}" for name, value in defines.items()]
        write_if_changed(a.ids, "\n".join(lines) + "\n")

    files = [locate(name, dirs, origin, number) for _, _, name, dirs, origin, number in entries]
    if a.asm:
        out = ['\t.section .rodata.ondalith_resources,"a"']
        for i, path in enumerate(files):
            out += ["\t.balign 16", f"\t.globl ondalith_res_{i}", f"ondalith_res_{i}:",
                    f'\t.incbin "{path}"', f"\t.globl ondalith_res_{i}_end", f"ondalith_res_{i}_end:"]
        # Sizes and times of the embedded files make this text change whenever an
        # asset does, so the assembler object is rebuilt with it.
        for path in files:
            st = os.stat(path)
            out.append(f"\t# {os.path.basename(path)} {st.st_size} {st.st_mtime_ns}")
        out.append('\t.section .note.GNU-stack,"",@progbits')
        write_if_changed(a.asm, "\n".join(out) + "\n")
    if a.table:
        out = ["// Generated from the resource script; edit the script, not this file.",
               '#include "platform/x11/embedded_resources_x11.h"', "",
               'extern "C" {']
        for i in range(len(files)):
            out.append(f"extern const unsigned char ondalith_res_{i}[], ondalith_res_{i}_end[];")
        out += ["}", "", "namespace ondalith::platform {",
                "const EmbeddedResource kEmbeddedResources[] = {"]
        for i, (kind, ident, *_rest) in enumerate(entries):
            out.append(f"    {{ResourceType::{kind}, {ident}, ondalith_res_{i}, ondalith_res_{i}_end}},")
        if not entries:
            out.append("    {ResourceType::TextFile, 0, nullptr, nullptr},")
        out += ["};", f"const std::size_t kEmbeddedResourceCount = {len(entries)};", "}"]
        write_if_changed(a.table, "\n".join(out) + "\n")
    if a.depfile:
        # The scripts count too: an #included script's new entry must reach every
        # executable whose own script includes it.
        target = a.asm or a.ids
        deps = " ".join(p.replace(" ", "\\ ") for p in sorted(scripts) + files)
        with open(a.depfile, "w", encoding="ascii") as f:
            f.write(f"{target}: {deps}\n")


if __name__ == "__main__":
    main()
