#!/usr/bin/env python3
"""Runs one of the generators of the committed resources into a temporary folder and
compares what it writes, byte for byte, with what is committed.

    check-generated.py SOURCE_DIR NAME      (NAME: one of GENERATORS)

Fails, naming the files, when a file differs, is missing on either side, or the generator
fails: a resource edited by hand, or a generator changed without committing its output.
"""

import filecmp
import os
import subprocess
import sys
import tempfile

# name: (script, its arguments with {out} for the temporary folder, committed folder, the
# files of that folder it writes; None: every file in the folder)
GENERATORS = {
    "default-skin": ("make-default-skin.py", ["--output", "{out}/default_skin.bin", "--readme", "{out}/README.md"],
                     "resources", ["default_skin.bin", "README.md"]),
    "control-strips": ("make-control-strips.py", ["--output", "{out}/control_strips.bin"],
                       "resources", ["control_strips.bin"]),
    "icon": ("make-icon.py", ["--output", "{out}"], "resources/icons", None),
}


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in GENERATORS:
        sys.exit(__doc__)
    root, name = sys.argv[1], sys.argv[2]
    script, args, committed, names = GENERATORS[name]
    committed = os.path.join(root, committed)
    with tempfile.TemporaryDirectory() as out:
        command = [sys.executable, os.path.join(root, "scripts", script), *(a.format(out=out) for a in args)]
        result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if result.returncode != 0:
            sys.exit(f"{script} failed ({result.returncode}):\n{result.stderr}")
        written = sorted(os.listdir(out))
        expected = sorted(names if names is not None else os.listdir(committed))
        faults = [f"{script} wrote {n}, which is not committed" for n in written if n not in expected]
        faults += [f"{script} did not write {n}" for n in expected if n not in written]
        faults += [f"{os.path.join(committed, n)} differs from what {script} writes" for n in expected
                   if n in written and not filecmp.cmp(os.path.join(out, n), os.path.join(committed, n), shallow=False)]
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
