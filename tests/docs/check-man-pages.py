#!/usr/bin/env python3
"""The manual pages say what the programs say of themselves.

For tessary-skin: a section per command of `tessary-skin --help`, headed by the command's
usage line as `tessary-skin COMMAND --help` prints it, listing the same options; the same
options for the whole tool; an example of each command. For tessary: the options of
`tessary --help`. Each page is also laid out by groff (when installed) without a warning.

Usage: check-man-pages.py TESSARY_SKIN TESSARY MAN_PAGE_FOLDER
"""

import re
import shutil
import subprocess
import sys

LONG_OPTION = re.compile(r"(?<![\w-])--[a-z][a-z-]*")
failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed ({result.returncode}): {result.stderr}")
    return result.stdout


def plain(roff):
    """The text a roff line shows: font changes and escapes taken out."""
    text = re.sub(r"\\f[BIRP]", "", roff)
    text = text.replace("\\-", "-").replace("\\(mu", "x").replace('"', "")
    return text


def sections(page):
    """{".SH name": [lines]} and {".SS heading": [lines]} of a roff page."""
    top, sub = {}, {}
    current_top = current_sub = None
    for line in page.splitlines():
        if line.startswith(".SH "):
            current_top, current_sub = plain(line[4:]).strip(), None
            top[current_top] = []
        elif line.startswith(".SS "):
            current_sub = plain(line[4:]).strip()
            sub[current_sub] = []
        if current_top is not None:
            top[current_top].append(line)
        if current_sub is not None:
            sub[current_sub].append(line)
    return top, sub


def options(text):
    return set(LONG_OPTION.findall(plain(text)))


def lint(path):
    groff = shutil.which("groff")
    if not groff:
        return
    result = subprocess.run([groff, "-man", "-ww", "-z", path], capture_output=True, text=True, check=False)
    expect(result.returncode == 0 and result.stderr == "", f"{path}: groff warns: {result.stderr.strip()}")


def check_tool(tool, path):
    page = open(path, encoding="utf-8").read()
    top, sub = sections(page)
    overview = run(tool, "--help")
    commands = re.findall(r"^  ([a-z]+)  ", overview.split("Commands:\n", 1)[1], re.M)
    expect(len(commands) >= 8, f"too few commands in the overview: {commands}")
    expect(options("\n".join(top.get("OPTIONS", []))) == options(overview),
           f"tessary-skin.1 OPTIONS list {sorted(options(' '.join(top.get('OPTIONS', []))))}, "
           f"--help {sorted(options(overview))}")
    headings = {heading.split()[0]: heading for heading in sub}
    expect(sorted(headings) == sorted(commands), f"sections {sorted(headings)} but commands {sorted(commands)}")
    examples = "\n".join(plain(line) for line in top.get("EXAMPLES", []))
    for command in commands:
        help_text = run(tool, command, "--help")
        usage = help_text.splitlines()[0].removeprefix("Usage: tessary-skin ")
        heading = headings.get(command, "")
        expect(heading == usage, f"section '{heading}' is not the usage '{usage}'")
        documented = options("\n".join(sub.get(heading, [])))
        expect(documented == options(help_text),
               f"{command}: the page lists {sorted(documented)}, --help {sorted(options(help_text))}")
        expect(re.search(rf"^\.B tessary-skin {command}\b", examples, re.M),
               f"no example of {command}")
    for name in ("SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "FILES", "EXAMPLES", "SEE ALSO"):
        expect(name in top, f"tessary-skin.1 has no {name}")
    lint(path)


def check_editor(editor, path):
    page = open(path, encoding="utf-8").read()
    top, _ = sections(page)
    help_text = run(editor, "--help")
    documented = options("\n".join(top.get("OPTIONS", [])))
    expect(documented == options(help_text), f"tessary.1 lists {sorted(documented)}, --help {sorted(options(help_text))}")
    expect(re.search(r"^\.B tessary \S", "\n".join(top.get("EXAMPLES", [])), re.M), "tessary.1 has no example")
    for name in ("SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "FILES", "SEE ALSO"):
        expect(name in top, f"tessary.1 has no {name}")
    lint(path)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    tool, editor, folder = sys.argv[1:]
    check_tool(tool, f"{folder}/tessary-skin.1")
    check_editor(editor, f"{folder}/tessary.1")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main()
