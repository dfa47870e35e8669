#!/usr/bin/env python3
"""Lists loops between units of src/ and between its folders.

A unit is a .cpp with its .h of the same path; unit A depends on unit B when A's header or source
includes B's header. A folder is a top-level folder of src/ with its win32/ part; folder A depends
on folder B when a file of A includes a file of B. The folders form layers: no folder reaches
itself again. Prints every loop found (for a folder loop, one include of each step) and exits 1
when there is one."""
import os
import re
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
deps = {}
# (folder, folder) -> the first include seen between them, as "file -> header".
folder_deps = {}
for folder, _, files in os.walk(root):
    for name in files:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.relpath(os.path.join(folder, name), root)
        unit = os.path.splitext(path)[0]
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            for target in include.findall(f.read()):
                other = os.path.splitext(target)[0]
                here, there = path.split(os.sep)[0], target.split("/")[0]
                if "/" in target and here != there:
                    folder_deps.setdefault((here, there), f"{path} -> {target}")
                if other != unit:
                    deps.setdefault(unit, set()).add(other)
                    deps.setdefault(other, set())

def strong_components(deps):
    """Tarjan's strongly connected components: every component of more than one node is a loop."""
    index, low, stack, on_stack, loops = {}, {}, [], set(), []
    counter = [0]

    def visit(u):
        index[u] = low[u] = counter[0]
        counter[0] += 1
        stack.append(u)
        on_stack.add(u)
        for v in sorted(deps[u]):
            if v not in index:
                visit(v)
                low[u] = min(low[u], low[v])
            elif v in on_stack:
                low[u] = min(low[u], index[v])
        if low[u] == index[u]:
            component = []
            while True:
                v = stack.pop()
                on_stack.discard(v)
                component.append(v)
                if v == u:
                    break
            if len(component) > 1:
                loops.append(sorted(component))

    for unit in sorted(deps):
        if unit not in index:
            visit(unit)
    return loops


sys.setrecursionlimit(10000)
loops = strong_components(deps)
for loop in loops:
    print("loop: " + " <-> ".join(loop))
print(f"{len(deps)} units, {len(loops)} loop(s)")

folders = {}
for here, there in folder_deps:
    folders.setdefault(here, set()).add(there)
    folders.setdefault(there, set())
folder_loops = strong_components(folders)
for loop in folder_loops:
    print("folder loop: " + " <-> ".join(loop))
    for here, there in sorted(folder_deps):
        if here in loop and there in loop:
            print(f"    {here} -> {there}: {folder_deps[(here, there)]}")
print(f"{len(folders)} folders, {len(folder_loops)} loop(s)")
sys.exit(1 if loops or folder_loops else 0)
