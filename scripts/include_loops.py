#!/usr/bin/env python3
"""Lists loops between units of src/: a unit is a .cpp with its .h of the same path.

Unit A depends on unit B when A's header or source includes B's header. Prints every loop
found and exits 1 when there is one."""
import os
import re
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
deps = {}
for folder, _, files in os.walk(root):
    for name in files:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.relpath(os.path.join(folder, name), root)
        unit = os.path.splitext(path)[0]
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            for target in include.findall(f.read()):
                other = os.path.splitext(target)[0]
                if other != unit:
                    deps.setdefault(unit, set()).add(other)
                    deps.setdefault(other, set())

# Tarjan's strongly connected components: every component of more than one unit is a loop.
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


sys.setrecursionlimit(10000)
for unit in sorted(deps):
    if unit not in index:
        visit(unit)
for loop in loops:
    print("loop: " + " <-> ".join(loop))
print(f"{len(deps)} units, {len(loops)} loop(s)")
sys.exit(1 if loops else 0)
