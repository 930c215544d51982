#!/usr/bin/env python3
"""Checks the layers against what the code includes: every quoted #include of every C++ file.

    check-layers.py SOURCE_DIR [--widget-parts] [--cycles] [--self-test]

Rules, with no list of exceptions:
  - A folder includes only its own layer and the layers below it (LAYERS, lowest first);
    tests, benchmarks and fuzz targets only the layer they exercise and below (EXERCISES).
  - An include without a folder names a file beside the including file.
  - With --cycles, no include cycle joins files of different folders. A file and its header
    count as one unit (Foo.cpp and Foo.h), so Foo.cpp including Bar.h while Bar.cpp
    includes Foo.h is a cycle too.
  - With --widget-parts, inside widgets/ the parts (WIDGET_PARTS) may include the library's
    core (the files right in widgets/), never the core a part.
--self-test runs the rules on a small made-up tree with one fault of each kind and fails
unless each is reported. Exit code 1 and one line per fault when a rule is broken.
"""

import os
import re
import sys
import tempfile

# Lowest first: a folder may include its own layer and those before it.
LAYERS = ("skin", "skinfile", "editing", "platform", "widgets", "preview", "app", "cli")

# The folders that are no layer, and the highest layer each may include. A folder not named
# here (nor inside a layer) is an error, so a new folder is placed on purpose.
EXERCISES = {
    "tests/skin": "skin",
    "tests/skinfile": "skinfile",
    "tests/editing": "editing",
    "tests/platform": "platform",
    "tests/widgets": "widgets",
    "tests/preview": "preview",
    "tests/app": "app",
    "tests/cli": "cli",
    "tests/support": "skin",
    "tests/main": "preview",  # the Qt test main starts the layer a test program is built for
    "tests/fuzz": "skinfile",
    "bench/core": "skinfile",
    "bench/gui": "widgets",
    "bench/preview": "preview",
    "bench/app": "app",
    "bench/bare": "app",
    "bench/support": "preview",  # the themed benchmark main starts the preview for its benchmarks
    "fuzz": "skinfile",
}
# Folders of test support code that the tests of their own and higher layers may include.
SHARED_TEST_FOLDERS = ("tests",)

WIDGET_PARTS = ("widgets/items", "widgets/themes", "widgets/controls", "widgets/accessibility")

SOURCE_SUFFIXES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def rank(layer):
    return LAYERS.index(layer)


def top_folder(path):
    return path.split("/", 1)[0]


def place(path):
    """The layer a file belongs to for the order rule, and its name for messages: a layer
    folder's files are in their layer; an exercising folder's are at the layer they exercise."""
    folder = os.path.dirname(path)
    for exercising in sorted(EXERCISES, key=len, reverse=True):
        if folder == exercising or folder.startswith(exercising + "/"):
            return EXERCISES[exercising], exercising
    if top_folder(path) in LAYERS:
        return top_folder(path), top_folder(path)
    return None, folder


def sources(root):
    for folder in LAYERS + tuple(sorted({top_folder(f) for f in EXERCISES})):
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in files:
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")


def unit(path):
    return os.path.splitext(path)[0]


def check(root, widget_parts, cycles):
    faults = []
    edges = {}
    files = sorted(sources(root))
    known = set(files)
    for path in files:
        layer, where = place(path)
        if layer is None:
            faults.append(f"{path}: the folder {where} has no place in the layers (check-layers.py EXERCISES)")
            continue
        with open(os.path.join(root, path), encoding="utf-8") as f:
            text = f.read()
        for included in INCLUDE.findall(text):
            line = text[: text.index(f'"{included}"')].count("\n") + 1
            at = f"{path}:{line}: includes {included}"
            if "/" not in included:
                target = os.path.join(os.path.dirname(path), included).replace(os.sep, "/")
                if target not in known:
                    faults.append(f"{at}, which is not beside it")
                    continue
            else:
                target = included
            target_top = top_folder(target)
            if target_top in LAYERS:
                if rank(target_top) > rank(layer):
                    faults.append(f"{at}: {target_top} is above {where} ({layer} and below)")
            elif target_top in SHARED_TEST_FOLDERS:
                if top_folder(path) not in SHARED_TEST_FOLDERS:
                    faults.append(f"{at}: only tests include test code")
                else:
                    target_layer, _ = place(target)
                    if target_layer is not None and rank(target_layer) > rank(layer):
                        faults.append(f"{at}: test code of {target_layer} is above {where} ({layer} and below)")
            elif os.path.dirname(target) != os.path.dirname(path):
                faults.append(f"{at}: no layer")
            if widget_parts and os.path.dirname(path) == "widgets":
                part = next((p for p in WIDGET_PARTS if target.startswith(p + "/")), None)
                if part:
                    faults.append(f"{at}: the library's core includes its part {part}")
            if target in known and unit(target) != unit(path):
                edges.setdefault(unit(path), set()).add(unit(target))
    if cycles:
        faults.extend(cycles_between_folders(edges))
    return faults


def cycles_between_folders(edges):
    """Strongly connected units (Tarjan) that lie in more than one folder."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        # Iterative depth-first search: the include graph is deep enough for recursion limits.
        work = [(node, iter(sorted(edges.get(node, ()))))]
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        while work:
            current, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter[0]
                    counter[0] += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(edges.get(child, ())))))
                elif child in on_stack:
                    low[current] = min(low[current], index[child])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[current])
            if low[current] == index[current]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == current:
                        break
                if len({os.path.dirname(m) for m in component}) > 1:
                    found.append("include cycle between folders: " + ", ".join(sorted(component)))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def self_test():
    """Each rule must report its made-up fault; a tree without faults reports nothing."""
    tree = {
        "skin/Colour.h": '#include "skin/Bitmap.h"\n',
        "skin/Bitmap.h": "",
        "skinfile/Reader.h": '#include "skin/Colour.h"\n',
        "widgets/Toolbar.h": '#include "skinfile/Reader.h"\n',
        "widgets/themes/Theme.h": '#include "widgets/Toolbar.h"\n',
        "tests/skin/ColourTest.cpp": '#include "skin/Colour.h"\n#include "Fixture.h"\n',
        "tests/skin/Fixture.h": "",
    }
    faults = {
        "above": ("skin/Wrong.cpp", '#include "skinfile/Reader.h"\n', "skinfile is above skin"),
        "test above": ("tests/skin/WrongTest.cpp", '#include "widgets/Toolbar.h"\n', "widgets is above tests/skin"),
        "not beside": ("skin/Lost.cpp", '#include "Missing.h"\n', "which is not beside it"),
        "no place": ("bench/new/Bench.cpp", "", "has no place in the layers"),
        "cycle": ("widgets/Toolbar.cpp", '#include "widgets/themes/Theme.h"\n',
                  "include cycle between folders: widgets/Toolbar, widgets/themes/Theme"),
        "part": ("widgets/Dock.cpp", '#include "widgets/themes/Theme.h"\n', "the library's core includes its part"),
    }
    with tempfile.TemporaryDirectory() as root:
        def write(path, text):
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                f.write(text)

        for path, text in tree.items():
            write(path, text)
        clean = check(root, True, True)
        if clean:
            return ["self-test: a sound tree was faulted: " + "; ".join(clean)]
        problems = []
        for name, (path, text, expected) in faults.items():
            write(path, text)
            reported = check(root, True, True)
            if not any(expected in fault for fault in reported):
                problems.append(f"self-test: the {name} fault was not reported as '{expected}': {reported}")
            os.remove(os.path.join(root, path))
        return problems


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(args) != 1:
        sys.exit(__doc__)
    if "--self-test" in sys.argv:
        faults = self_test()
    else:
        faults = check(args[0], "--widget-parts" in sys.argv, "--cycles" in sys.argv)
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
