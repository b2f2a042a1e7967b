#!/usr/bin/env python3
"""Checks the house rules of src/ from the code's own #include lines.

Every folder of src/ is a room on a floor; a room may include only the rooms listed for
it below. Also: SDL, OpenGL and epoxy headers only under src/platform/, and the global game
object only under src/app/. Prints every broken rule and exits 1, or prints the floors and
exits 0. Usage: check_house.py [src folder]
"""
import os
import re
import sys

# Each room and the rooms it may include (besides itself), floor by floor from the bottom.
# docs/house.md shows the same table; change both together, and only with a reason.
ALLOWED = {
    "core": set(),
    "input": {"core"},
    "simulation": {"core"},
    "platform": {"core", "input"},
    "control": {"core", "simulation", "input"},
    "audio": {"core", "simulation"},
    "match": {"core", "simulation", "control"},
    "assets": {"core", "platform"},
    "profiles": {"core", "platform"},
    "render": {"core", "platform", "assets"},
    "ui": {"core", "input", "platform", "render", "assets"},
    "display": {"core", "simulation", "control", "render", "assets"},
    "screens": {"core", "input", "simulation", "control", "match", "audio", "assets",
                "profiles", "render", "ui", "display", "platform"},
    "app": None,  # the top floor: may include every room
}

SYSTEM_PREFIXES = ("SDL", "GL/", "GLES", "epoxy/", "SDL2/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
GLOBAL_GAME = re.compile(r'\bgGame\b')


def room_of(src, path):
    rel = os.path.relpath(path, src)
    return rel.split(os.sep)[0] if os.sep in rel else None


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "src")
    src = os.path.abspath(src)
    problems = []
    edges = {}
    for folder, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            room = room_of(src, path)
            if room is None:
                continue
            rel = os.path.relpath(path, src)
            text = open(path, encoding="utf-8", errors="replace").read()
            if room not in ALLOWED:
                problems.append(f"{rel}: folder '{room}' is not a room of the house")
                continue
            for kind, target in INCLUDE.findall(text):
                if kind == "<":
                    if target.startswith(SYSTEM_PREFIXES) and room != "platform":
                        problems.append(f"{rel}: includes <{target}>, which only src/platform/ may")
                    continue
                # Quoted includes are relative to src/ or to the including file's folder.
                candidates = [os.path.join(src, target), os.path.join(folder, target)]
                found = next((c for c in candidates if os.path.exists(c)), None)
                if found is None:
                    continue
                other = room_of(src, os.path.abspath(found))
                if other is None or other == room:
                    continue
                edges.setdefault(room, set()).add(other)
                allowed = ALLOWED[room]
                if allowed is not None and other not in allowed:
                    problems.append(f"{rel}: includes {target} ({other}/), which {room}/ may not reach")
            if room != "app" and GLOBAL_GAME.search(text):
                problems.append(f"{rel}: uses the global game object; only src/app/ may")
    # A loop between rooms, whatever the table allows.
    def reach(start):
        seen, todo = set(), [start]
        while todo:
            for nxt in edges.get(todo.pop(), ()):
                if nxt not in seen:
                    seen.add(nxt)
                    todo.append(nxt)
        return seen
    for room in sorted(edges):
        if room in reach(room):
            problems.append(f"{room}/ reaches itself through other rooms: a loop")
    if problems:
        print("\n".join(problems))
        print(f"{len(problems)} broken house rules")
        return 1
    for room in ALLOWED:
        if room in edges or any(room in v for v in edges.values()):
            print(f"{room}/ -> {', '.join(sorted(edges.get(room, ()))) or 'nothing'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
