#!/usr/bin/env python3
"""bash completes tessary-skin as tessary-skin describes itself.

Runs bash with bash-completion and tessary-skin's completion loaded, with the words of a
command line set as bash sets them when Tab is pressed, and compares what is offered with
the commands, options and theme names `tessary-skin --help` prints, and with the files of
a folder of skins, pictures and a subfolder. Exits with 77 (skipped) without bash-completion.

Usage: check-completion.py TESSARY_SKIN COMPLETION_FILE
"""

import os
import re
import subprocess
import sys
import tempfile

BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"
LONG_OPTION = re.compile(r"(?<![\w-])--[a-z][a-z-]*")


def complete(completion, words, folder):
    """What bash offers for the last of `words`."""
    line = " ".join(words)
    script = (f"source {BASH_COMPLETION}; source {completion}; "
              f"COMP_WORDS=({' '.join(repr(w) for w in words)}); COMP_CWORD={len(words) - 1}; "
              f"COMP_LINE={line!r}; COMP_POINT={len(line)}; _tessary_skin; "
              "printf '%s\\n' \"${COMPREPLY[@]}\"")
    result = subprocess.run(["bash", "-c", script], capture_output=True, text=True, cwd=folder, check=False)
    return sorted(filter(None, result.stdout.splitlines()))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tool, completion = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    if not os.path.exists(BASH_COMPLETION):
        print("bash-completion is not installed")
        sys.exit(77)
    overview = subprocess.run([tool, "--help"], capture_output=True, text=True, check=True).stdout
    commands = sorted(re.findall(r"^  ([a-z]+)  ", overview.split("Commands:\n", 1)[1], re.M))
    helps = {c: subprocess.run([tool, c, "--help"], capture_output=True, text=True, check=True).stdout
             for c in commands}
    themes = sorted(re.search(r"\(Default, ([^)]*)\)", helps["render"].replace("\n", " ")).group(0)
                    .strip("()").replace(" or ", ", ").replace(" ", "").split(","))

    cases = [
        (["tessary-skin", ""], commands),
        (["tessary-skin", "th"], [c for c in commands if c.startswith("th")]),
        (["tessary-skin", "-"], sorted(set(LONG_OPTION.findall(overview)))),
        (["tessary-skin", "render", "a.skn", "x.png", "--theme", ""], themes),
        (["tessary-skin", "render", "--theme", "N"], [t for t in themes if t.startswith("N")]),
        (["tessary-skin", "info", ""], ["a.skn", "b.CRS", "folder"]),
        (["tessary-skin", "check", "a.skn", "b.CRS", ""], ["a.skn", "b.CRS", "folder"]),
        (["tessary-skin", "new", ""], ["a.skn", "folder"]),
        (["tessary-skin", "convert", "b.CRS", ""], ["a.skn", "folder"]),
        (["tessary-skin", "export", "a.skn", ""], ["folder"]),
        (["tessary-skin", "pack", ""], ["folder"]),
        (["tessary-skin", "pack", "folder", ""], ["a.skn", "folder"]),
        (["tessary-skin", "render", "a.skn", ""], ["c.png", "folder"]),
        (["tessary-skin", "render", "--theme", "Roma", "a.skn", ""], ["c.png", "folder"]),
        (["tessary-skin", "thumbnail", "--size", "128", ""], ["a.skn", "b.CRS", "folder"]),
        (["tessary-skin", "thumbnail", "a.skn", "c.png", ""], []),
    ]
    # Each command's options, as its help names them.
    for command in commands:
        cases.append((["tessary-skin", command, "a.skn", "--"],
                      sorted(set(LONG_OPTION.findall(helps[command])) | {"--help"})))

    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for name in ("a.skn", "b.CRS", "c.png", "d.bmp", "e.txt"):
            open(os.path.join(folder, name), "w").close()
        os.mkdir(os.path.join(folder, "folder"))
        for words, expected in cases:
            offered = complete(completion, words, folder)
            if offered != expected:
                failures.append(f"{' '.join(words)!r}: offered {offered}, expected {expected}")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main()
