#!/usr/bin/env python3
"""Checks that each folder of src/core includes only its own headers and those of the core
folders its library links (directly or through them), and that src/core holds no loose file."""
import pathlib
import re
import sys

core = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src/core")
links = {}
for cmake in sorted(core.glob("*/CMakeLists.txt")):
    text = cmake.read_text()
    found = re.search(r"target_link_libraries\(orvel_core_\w+ PUBLIC([^)]*)\)", text)
    links[cmake.parent.name] = set(re.findall(r"orvel_core_(\w+)", found.group(1))) if found else set()


def reachable(folder, seen):
    for other in links.get(folder, ()):
        if other not in seen:
            seen.add(other)
            reachable(other, seen)
    return seen


faults = [f"{path}: a loose file; give it a topic folder" for path in sorted(core.glob("*.[ch]*"))]
for folder in links:
    allowed = reachable(folder, {folder})
    for path in sorted((core / folder).glob("*.[ch]*")):
        for line, text in enumerate(path.read_text().splitlines(), 1):
            included = re.match(r'#include "core/(\w+)/', text)
            if included and included.group(1) not in allowed:
                faults.append(f"{path}:{line}: {folder} includes {included.group(1)}, which it does not link")
print("\n".join(faults) if faults else f"{len(links)} core folders, every include along the links")
sys.exit(1 if faults else 0)
