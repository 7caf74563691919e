#!/usr/bin/env python3
"""Layering: every #include under src/ follows the allowed graph of the libraries.

Usage: layering.py MANIFEST SRC_FOLDER
The manifest, written by CMake, has one line a library: name, then its links, then its
files, the three parts split by "|" and the items by ";".
"""
import re
import sys
from pathlib import Path

# The allowed graph, once: a library may include the libraries of lower layers; a widget
# library may also include its own folder's logic; a logic library never includes widgets.
LAYER = {"platform": 0, "codecs": 0, "pictures": 1, "controls": 1, "sound": 1,
         "game": 2, "gift": 2, "about": 2, "scores": 2, "app": 3}
PROGRAM = "tilewright"  # the executable's own main(), above every library
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def read_manifest(path):
    libraries = {}
    for line in Path(path).read_text().splitlines():
        name, links, files = line.split("|")
        libraries[name] = {
            "links": [l for l in links.split(";") if l],
            "files": [Path(f).resolve() for f in files.split(";") if f],
        }
    return libraries


def folder_of(library, src):
    return library["files"][0].relative_to(src).parts[0]


def is_widget(library):
    return "Qt6::Widgets" in library["links"]


def allowed(user, used, libraries, src):
    """Why the edge is refused, or None when it is allowed."""
    if user == PROGRAM:
        return None
    a, b = libraries[user], libraries[used]
    if not is_widget(a) and is_widget(b):
        return "a logic library includes a widget library"
    fa, fb = folder_of(a, src), folder_of(b, src)
    if LAYER[fb] < LAYER[fa] or (fa == fb and is_widget(a) and not is_widget(b)):
        return None
    return "points up or across the layers"


def included_files(path, src):
    for name in INCLUDE.findall(path.read_text()):
        beside = path.parent / name
        rooted = src / name
        for candidate in (beside, rooted):
            if candidate.is_file():
                yield name, candidate.resolve()
                break


def main():
    libraries = read_manifest(sys.argv[1])
    src = Path(sys.argv[2]).resolve()
    owner = {f: name for name, lib in libraries.items() for f in lib["files"]}
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        path = path.resolve()
        user = owner.get(path)
        if user is None:
            if path != src / "app" / "main.cpp":
                faults.append(f"{path.relative_to(src)}: belongs to no library")
                continue
            user = PROGRAM
        uses = set()
        for name, target in included_files(path, src):
            used = owner.get(target)
            if used is None:
                faults.append(f"{path.relative_to(src)}: includes {name}, of no library")
            elif used != user:
                uses.add(used)
                why = allowed(user, used, libraries, src)
                if why:
                    faults.append(f"{path.relative_to(src)}: includes {name} ({user} -> "
                                  f"{used}): {why}")
        if user != PROGRAM:
            libraries[user].setdefault("uses", set()).update(uses)
    for name, lib in sorted(libraries.items()):
        for link in lib["links"]:
            if link in libraries and link not in lib.get("uses", set()):
                faults.append(f"{name} links {link} but includes none of its headers")
    for fault in faults:
        print(fault)
    print(f"{len(libraries)} libraries, {len(owner)} files: "
          f"{'no faults' if not faults else f'{len(faults)} faults'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
