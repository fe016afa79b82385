#!/usr/bin/env python3
"""Fails when a source file includes from a folder above or beside its own.

Folders from the bottom up; a file may include only from its own folder or a
lower floor. Usage: check_layers.py SOURCE_ROOT
"""
import pathlib
import re
import sys

FLOORS = {
    "platform": 0,
    "model": 1, "resources": 1,
    "render": 2, "blazon": 2, "storage": 2,
    "actions": 3,
    "widgets": 4,
    "dialogs": 5, "probe": 5,
    "editor": 6,
    "app": 7,
}
# Includes that are known to climb and are being moved away; each line here
# must disappear, never be added to.
PENDING = {
    ("src/dialogs/form2.cpp", "editor/ui_pictures.h"),
    ("src/dialogs/frm_splash.cpp", "editor/ui_pictures.h"),
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def folder_of(relative: pathlib.Path) -> str | None:
    parts = relative.parts
    if parts[0] == "src" and len(parts) > 2:
        return parts[1]
    if parts[0] == "resources":
        return "resources"
    return None


def main() -> int:
    root = pathlib.Path(sys.argv[1])
    bad = []
    files = sorted(root.glob("src/**/*")) + sorted(root.glob("resources/**/*"))
    if not files:
        print(f"no sources under {root}")
        return 1
    for path in files:
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        relative = path.relative_to(root)
        here = folder_of(relative)
        if here is None:
            continue
        if here not in FLOORS:
            bad.append(f"{relative}: folder {here} has no floor")
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            target = m.group(1).split("/")[0]
            if target not in FLOORS or target == here:
                continue
            if (str(relative), m.group(1)) in PENDING:
                continue
            if FLOORS[target] >= FLOORS[here]:
                bad.append(f"{relative}:{number}: {here} includes {m.group(1)}")
    for line in bad:
        print(line)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
