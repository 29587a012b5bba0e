#!/usr/bin/env python3
"""Translates every PL/M module of a folder tree as a user would and compiles
the C that comes out.

For each module (a file whose first statement is `NAME: DO;`), its folder is
copied into a scratch directory together with any include file it names
that lives elsewhere in the tree; xlatr runs there with an xlatr.dat that
sends every output to out/, an include map that reads the drive prefixes
:F0: to :F9: from the module's folder, and the shipped xlatr.bf. The C file
is then compiled with `cc -std=c89 -fsyntax-only`, which also compiles the C
texts of the include files it #includes. One line per module, then a
summary with the most frequent messages.
"""

import argparse
import collections
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

MODULE_SUFFIXES = {".plm", ".p86", ".p51", ".pl6", ".pl8", ".plx"}
REMARK = re.compile(rb"/\*.*?\*/", re.S)
MODULE_HEAD = re.compile(rb"^\s*[A-Za-z$][A-Za-z0-9$_]*\s*:\s*DO\s*;", re.I)
DIRECTIVE_LINE = re.compile(rb"^\s*\$.*$", re.M)
INCLUDE = re.compile(rb"\$\s*include\s*\(\s*([^)\s]+)\s*\)", re.I)
DRIVE = re.compile(r"^:[fF][0-9]:")
MESSAGE_PLACE = re.compile(r"^[^:]*: ")
LINE_NUMBER = re.compile(r"\b(line|LINE) \d+")


def is_module(text):
    """A module starts with its name and DO, after remarks and directives."""
    head = DIRECTIVE_LINE.sub(b"", REMARK.sub(b" ", text[:20000]))
    return MODULE_HEAD.match(head) is not None


def find_modules(root):
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        for name in sorted(files):
            if os.path.splitext(name)[1].lower() not in MODULE_SUFFIXES:
                continue
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                if is_module(f.read()):
                    yield path


def index_files(root):
    """Every file of the tree by its lower-case name."""
    index = collections.defaultdict(list)
    for folder, _, files in os.walk(root):
        for name in files:
            index[name.lower()].append(os.path.join(folder, name))
    return index


def included_names(path, seen=None):
    """The file names that a module and its include files include."""
    with open(path, "rb") as f:
        text = f.read()
    for match in INCLUDE.finditer(text):
        written = match.group(1).decode("latin-1")
        yield DRIVE.sub("", written).replace("\\", "/").split("/")[-1]


def stage(module, work, index):
    folder = os.path.dirname(module)
    for name in os.listdir(folder):
        source = os.path.join(folder, name)
        if os.path.isfile(source):
            shutil.copy(source, work)
    present = {name.lower() for name in os.listdir(work)}
    pending = [os.path.basename(module)]
    done = set()
    while pending:
        current = pending.pop()
        if current.lower() in done:
            continue
        done.add(current.lower())
        local = [n for n in os.listdir(work) if n.lower() == current.lower()]
        if not local:
            candidates = index.get(current.lower(), [])
            if not candidates:
                continue
            shutil.copy(candidates[0], work)
            present.add(current.lower())
            local = [os.path.basename(candidates[0])]
        pending.extend(included_names(os.path.join(work, local[0])))


def write_data_files(work, table):
    with open(os.path.join(work, "xlatr.dat"), "w") as f:
        f.write('"out/"\n"out/"\n')
    with open(os.path.join(work, "xlatr.inc"), "w") as f:
        for drive in range(10):
            f.write('":f%d:" "" "out/"\n' % drive)
    if table:
        shutil.copy(table, os.path.join(work, "xlatr.bf"))
    os.makedirs(os.path.join(work, "out"), exist_ok=True)


def messages_of(stderr):
    lines = stderr.splitlines()
    return [l for l in lines[1:] if l.strip() and not l.startswith("---") and "successfully translated" not in l]


def run_module(module, xlatr, cc, table, index, options, keep=None):
    with tempfile.TemporaryDirectory(prefix="xlatr-corpus-") as scratch:
        work = scratch
        if keep:
            work = os.path.join(keep, os.path.splitext(os.path.basename(module))[0])
            shutil.rmtree(work, ignore_errors=True)
            os.makedirs(work)
        stage(module, work, index)
        write_data_files(work, table)
        name = os.path.basename(module)
        try:
            run = subprocess.run([xlatr] + options + [name], cwd=work, capture_output=True, timeout=60)
        except subprocess.TimeoutExpired:
            return "timeout", ["xlatr ran for more than 60 s"], []
        stderr = run.stderr.decode("latin-1")
        messages = messages_of(stderr)
        if run.returncode != 0:
            # The first message that made the run fail leads; warnings and
            # notes before it did not.
            failing = [m for m in messages if "fatal" in m or "ERROR" in m]
            return "translate", failing + [m for m in messages if m not in failing], messages
        c_file = os.path.join("out", os.path.splitext(name)[0] + ".c")
        if not os.path.exists(os.path.join(work, c_file)):
            return "translate", messages + ["no C file"], messages
        compile_run = subprocess.run([cc, "-std=c89", "-fsyntax-only", "-w", "-I.", c_file], cwd=work,
                                     capture_output=True, timeout=60)
        if compile_run.returncode != 0:
            errors = [l for l in compile_run.stderr.decode("latin-1").splitlines() if "error" in l]
            return "compile", errors[:5], messages
        return "ok", [], messages


def normalise(message):
    return LINE_NUMBER.sub(r"\1 N", MESSAGE_PLACE.sub("", message)).strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", help="folder tree holding the PL/M modules")
    parser.add_argument("--xlatr", required=True, help="the xlatr executable")
    parser.add_argument("--table", help="the xlatr.bf to use")
    parser.add_argument("--cc", default="cc")
    parser.add_argument("--option", action="append", default=[],
                        help="a switch for xlatr, such as -k (may be repeated)")
    parser.add_argument("--strict", action="store_true", help="exit 1 when a module fails")
    parser.add_argument("--verbose", action="store_true", help="print the messages of failed modules")
    parser.add_argument("--only", help="translate only the modules whose path contains this text")
    parser.add_argument("--keep", help="keep each module's working folder under this folder")
    args = parser.parse_args()

    index = index_files(args.root)
    totals = collections.Counter()
    frequent = collections.Counter()
    for module in find_modules(args.root):
        if args.only and args.only not in module:
            continue
        status, details, messages = run_module(module, os.path.abspath(args.xlatr), args.cc, args.table, index, args.option,
                                               os.path.abspath(args.keep) if args.keep else None)
        totals[status] += 1
        for message in messages:
            frequent[normalise(message)] += 1
        shown = os.path.relpath(module, args.root)
        first = details[0] if details else ""
        print("%-9s %s%s" % (status, shown, ("  " + first) if first else ""))
        if args.verbose and status != "ok":
            for line in details[1:]:
                print("          " + line)
    modules = sum(totals.values())
    translated = modules - totals["translate"] - totals["timeout"]
    print()
    print("modules: %d  translated: %d  compiled: %d  translate failures: %d  compile failures: %d  timeouts: %d"
          % (modules, translated, totals["ok"], totals["translate"], totals["compile"], totals["timeout"]))
    if frequent:
        print("most frequent messages:")
        for message, count in frequent.most_common(12):
            print("%6d  %s" % (count, message))
    if args.strict and totals["ok"] != modules:
        return 1
    return 0


if __name__ == "__main__":
    # Piped into head, the listing just stops.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    sys.exit(main())
