#!/usr/bin/env python3
"""Lists the include cycles of the sources.

A component is a header with its source file (widgets/TTBDock.h and widgets/TTBDock.cpp);
component A uses B when A's header or source includes B's header. A cycle is a set of
components that use each other, directly or round about: none of them can be understood,
built or tested without all the others. Cycles whose components lie in different folders
break the layering of the folders and make the exit status 1; cycles inside one folder are
listed as well.

    scripts/include-cycles.py [ROOT]
"""
import os
import re
import sys
from collections import defaultdict

FOLDERS = ["skin", "skinfile", "editing", "platform", "widgets", "preview", "app", "cli"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def components(root):
    files = []
    for folder in FOLDERS:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            files += [os.path.relpath(os.path.join(directory, n), root) for n in names if n.endswith((".h", ".cpp"))]
    return sorted(files)


def uses(root, files):
    names = {os.path.splitext(f)[0] for f in files}
    edges = defaultdict(set)
    for path in files:
        source = os.path.splitext(path)[0]
        with open(os.path.join(root, path), encoding="utf-8") as text:
            for included in INCLUDE.findall(text.read()):
                target = os.path.splitext(included)[0]
                if target in names and target != source:
                    edges[source].add(target)
    return names, edges


def cycles(names, edges):
    """Strongly connected components of more than one component (Tarjan, without recursion)."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for start in sorted(names):
        if start in index:
            continue
        work = [(start, iter(sorted(edges[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, targets = work[-1]
            advanced = False
            for target in targets:
                if target not in index:
                    index[target] = low[target] = counter
                    counter += 1
                    stack.append(target)
                    on_stack.add(target)
                    work.append((target, iter(sorted(edges[target]))))
                    advanced = True
                    break
                if target in on_stack:
                    low[node] = min(low[node], index[target])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                member, group = None, []
                while member != node:
                    member = stack.pop()
                    on_stack.discard(member)
                    group.append(member)
                if len(group) > 1:
                    found.append(sorted(group))
    return sorted(found)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    names, edges = uses(root, components(root))
    across = 0
    for group in cycles(names, edges):
        folders = sorted({os.path.dirname(member) for member in group})
        across += len(folders) > 1
        kind = "across " + ", ".join(folders) if len(folders) > 1 else "inside " + folders[0]
        print(f"cycle of {len(group)} components {kind}:")
        for member in group:
            print("   ", member)
    print(f"{across} cycle(s) across folders")
    return 1 if across else 0


if __name__ == "__main__":
    sys.exit(main())
