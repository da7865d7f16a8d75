#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the manual pages against the programs.

    man_examples.py --bin BIN_DIR --version VERSION PAGE...

Every example of a page's EXAMPLES section (a line "$ command" between .nf and .fi, then the
lines the command prints on standard output) is run with BIN_DIR first in PATH and its output
compared with the page. Each page must carry VERSION in its title line and the sections
FILES and ENVIRONMENT; every page its SEE ALSO names must be one of PAGE. Each check is a
named row; the failed rows are printed and make the exit status 1.
"""
import argparse
import os
import re
import subprocess
import sys

# roff escapes the pages use, and what they print as.
ESCAPES = [(r"\-", "-"), (r"\(aq", "'"), (r"\(dq", '"'), (r"\(em", "\u2014"), (r"\&", ""),
           (r"\fB", ""), (r"\fI", ""), (r"\fR", ""), (r"\fP", ""), (r"\e", "\\")]


def plain(line):
    for escape, text in ESCAPES:
        line = line.replace(escape, text)
    return line


def sections(lines):
    """Section name -> its lines (roff comments dropped)."""
    found, name = {}, None
    for line in lines:
        if line.startswith('.\\"'):
            continue
        if line.startswith(".SH "):
            name = line[4:].strip().strip('"')
            found[name] = []
        elif name is not None:
            found[name].append(line)
    return found


def examples(section):
    """[(command, [expected lines])] of an EXAMPLES section's .nf/.fi blocks."""
    result, literal = [], False
    for line in section:
        if line.startswith(".nf"):
            literal = True
        elif line.startswith(".fi"):
            literal = False
        elif literal and line.startswith("$ "):
            result.append((plain(line[2:]), []))
        elif literal and result:
            result[-1][1].append(plain(line))
    return result


def run_example(bin_dir, command):
    env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ.get("PATH", ""),
               LC_ALL="C.UTF-8", TZ="UTC")
    done = subprocess.run(["bash", "-c", command], env=env, capture_output=True, text=True,
                          timeout=60, check=False)
    return done.stdout.splitlines()


def check_page(path, pages, args):
    """[(row name, failure or None)] for one page."""
    name = os.path.basename(path)
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    found = sections(lines)
    rows = []
    title = next((l for l in lines if l.startswith(".TH ")), "")
    rows.append((f"{name}: version {args.version} in the title",
                 None if f'"Valdora {args.version}"' in title else f"title line is {title!r}"))
    for required in ("NAME", "SYNOPSIS", "DESCRIPTION", "FILES", "ENVIRONMENT", "SEE ALSO"):
        rows.append((f"{name}: section {required}",
                     None if required in found else "missing"))
    for ref in re.findall(r"^\.BR\s+(\S+)\s+\((\d)\)", "\n".join(found.get("SEE ALSO", [])), re.M):
        page = f"{ref[0]}.{ref[1]}"
        rows.append((f"{name}: SEE ALSO {ref[0]}({ref[1]})",
                     None if page in pages else f"no page {page} among {sorted(pages)}"))
    for number, (command, expected) in enumerate(examples(found.get("EXAMPLES", [])), 1):
        got = run_example(args.bin, command)
        rows.append((f"{name}: example {number}: {command}",
                     None if got == expected else f"expected {expected!r}, got {got!r}"))
    return rows


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--need-examples", action="append", default=[],
                        help="a page that must have at least one example")
    parser.add_argument("pages", nargs="+")
    args = parser.parse_args()
    pages = {os.path.basename(p) for p in args.pages}
    rows = []
    for path in args.pages:
        rows += check_page(path, pages, args)
    for page in args.need_examples:
        count = sum(1 for row, _ in rows if row.startswith(f"{page}: example "))
        rows.append((f"{page}: has examples", None if count else "no example"))
    failed = [(row, why) for row, why in rows if why is not None]
    for row, why in failed:
        print(f"FAIL {row}: {why}")
    print(f"{len(rows) - len(failed)} of {len(rows)} checks passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
