#!/usr/bin/env python3
"""Fails when a source file includes a header of a library it must not use.

The layers, lowest first: platform, ui, core (the foundation), the
subsystems (html, structures, script, generators, css, filebox, tools, ftp),
and app, which composes them. A library may include its own headers and
those of the layers below it; a subsystem may use another subsystem's
engines but never its windows or its command object; nothing but app
includes app. Prints each offending include and exits 1.

Usage: check-layers.py [SRC_DIR]   (default: the src/ beside this script)
"""
import os
import re
import sys

SUBSYSTEMS = {"html", "structures", "script", "generators", "css", "filebox", "tools", "ftp", "highlight"}
BELOW = {
    "platform": set(),
    "ui": {"platform"},
    "core": {"platform", "ui"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
# Windows end in form/Form; command objects in kommandoer/commands.
WINDOW_OR_COMMANDS = re.compile(r'(form|kommandoer|commands)\.h$', re.IGNORECASE)


def library_of(rel_path):
    """The library a path below src/ belongs to: its first folder."""
    return rel_path.split("/", 1)[0] if "/" in rel_path else None


def allowed(lib, target, header):
    if lib == target or lib == "app":
        return True
    if target == "app":
        return False
    if lib in BELOW:
        return target in BELOW[lib]
    if lib in SUBSYSTEMS:
        if target in ("core", "platform", "ui"):
            return True
        if target in SUBSYSTEMS:
            return not WINDOW_OR_COMMANDS.search(os.path.basename(header))
    return False


def check(src_dir):
    faults = []
    known = {d for d in os.listdir(src_dir) if os.path.isdir(os.path.join(src_dir, d))}
    for root, dirs, files in os.walk(src_dir):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src_dir).replace(os.sep, "/")
            lib = library_of(rel)
            if lib is None:
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    header = m.group(1)
                    target = library_of(header)
                    if target not in known:
                        continue  # a header beside the file, or generated (moc)
                    if not allowed(lib, target, header):
                        faults.append(f"src/{rel}:{number}: {lib} must not include \"{header}\"")
    return faults


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    src_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src")
    faults = check(os.path.normpath(src_dir))
    for f in faults:
        print(f)
    if faults:
        print(f"{len(faults)} include(s) break the layering")
        return 1
    print("layering: every include keeps to its layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
