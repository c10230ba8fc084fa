#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps the manual pages and the programs in step.

usage: man_options_test.py SOURCE_DIR PROGRAM=MANPAGE...

For each program, the long options its --help prints must be exactly the options the manual
page describes (the tags of OPTIONS) and names in its SYNOPSIS. Every HEXALINE_* environment
variable the sources read must be described in the ENVIRONMENT section of some manual page.
"""
import os
import pathlib
import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])--[a-z][a-z0-9]*(?:-[a-z0-9]+)*")
VARIABLE = re.compile(r"\b(HEXALINE_[A-Z0-9_]+)\b")
# An environment read in C++: qEnvironmentVariable*("X"), qgetenv("X"), getenv("X").
ENV_READ = re.compile(r"(?:qEnvironmentVariable\w*|qgetenv|getenv)\(\s*\"(HEXALINE_[A-Z0-9_]+)\"")


def help_options(program):
    run = subprocess.run([program, "--help"], capture_output=True, text=True, timeout=60,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if run.returncode != 0:
        raise SystemExit(f"FAIL: {program} --help exited with {run.returncode}\n{run.stderr}")
    return set(OPTION.findall(run.stdout)), run.stdout


def man_sections(page):
    """The page's sections as {NAME: [lines]}, roff escapes for dashes undone."""
    sections = {}
    current = None
    for raw in pathlib.Path(page).read_text(encoding="utf-8").splitlines():
        line = raw.replace("\\-", "-").replace("\\(hy", "-").replace("\\&", "")
        heading = re.match(r'^\.SH\s+"?([^"]*)"?\s*$', line)
        if heading:
            current = heading.group(1).strip().upper()
            sections[current] = []
        elif current is not None:
            sections[current].append(line)
    return sections


def option_tags(lines):
    """The options named on the tag line of each .TP / .IP item of OPTIONS."""
    tags = set()
    take_next = False
    for line in lines:
        if take_next and not line.startswith(".TP") and not line.startswith(".PD"):
            tags |= set(OPTION.findall(line))
            take_next = False
            continue
        if line.startswith(".TP"):
            take_next = True
        elif line.startswith(".IP"):
            tags |= set(OPTION.findall(line))
    return tags


def environment_names(lines):
    names = set()
    for line in lines:
        names |= set(VARIABLE.findall(line))
    return names


def sources_read(source_dir):
    names = {}
    for folder in ("src", "tools"):
        for path in sorted((source_dir / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h") or not path.is_file():
                continue
            for name in ENV_READ.findall(path.read_text(encoding="utf-8", errors="replace")):
                names.setdefault(name, path.relative_to(source_dir))
    return names


def describe(names):
    return ", ".join(sorted(names))


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    source_dir = pathlib.Path(argv[1])
    failures = []
    documented = set()
    for pair in argv[2:]:
        program, page = pair.split("=", 1)
        name = pathlib.Path(program).name
        in_help, text = help_options(program)
        sections = man_sections(page)
        documented |= environment_names(sections.get("ENVIRONMENT", []))
        if not in_help:
            failures.append(f"{name} --help names no options:\n{text}")
            continue
        in_options = option_tags(sections.get("OPTIONS", []))
        in_synopsis = set(OPTION.findall("\n".join(sections.get("SYNOPSIS", []))))
        for missing, where in ((in_help - in_options, "OPTIONS of " + page),
                               (in_options - in_help, f"{name} --help"),
                               (in_help - in_synopsis, "SYNOPSIS of " + page),
                               (in_synopsis - in_help, f"{name} --help")):
            if missing:
                failures.append(f"{name}: {describe(missing)} missing from {where}")
        print(f"{name}: {describe(in_help)}")
    read = sources_read(source_dir)
    for variable in sorted(set(read) - documented):
        failures.append(f"{variable} (read in {read[variable]}) is in no ENVIRONMENT section")
    print(f"environment: {describe(read)}")
    for failure in failures:
        print("FAIL: " + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
