#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

"""Seeds faults into a scratch copy of the game, one at a time, and tells
which of them the headless tests catch.

Each fault in tools/faults.txt names a file, an exact original text and its
replacement. The script copies the tree into a scratch folder (the work tree
is never written to), builds the QtTest programs there once, then for every
fault: puts the fault in, rebuilds incrementally, runs the test programs
until one fails (the one that caught the last fault of the same area first),
takes the fault out again. It prints one line per fault (the first test
program that failed, and its first failing function) and the score.

    tools/seed_faults.py                 # every fault
    tools/seed_faults.py -k items        # only faults whose title contains "items"
    tools/seed_faults.py --check         # only check that every fault still applies
    tools/seed_faults.py --faults FILE   # the faults of another file, same format
    tools/seed_faults.py --tests transcripts  # what these test programs alone catch

The scratch folder (default: $TMPDIR/mokemoke-faults) is kept between runs so
that the next run rebuilds only what changed.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FAULTS = ROOT / "tools" / "faults.txt"
TEST_TIMEOUT = 60  # seconds; a fault that makes a test hang counts as caught


@dataclass
class Fault:
    title: str
    file: str
    original: str
    replacement: str
    line: int  # where the fault starts in faults.txt


def parse_faults(path):
    """Blocks of: '== title', 'file: path', '- original' lines, '+ replacement' lines."""
    faults, current = [], None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("== "):
            current = {"title": raw[3:].strip(), "file": "", "-": [], "+": [], "line": number}
            faults.append(current)
        elif current is None or not raw.strip() or raw.startswith("#"):
            continue
        elif raw.startswith("file: "):
            current["file"] = raw[6:].strip()
        elif raw[:1] in "-+" and raw[1:2] in (" ", ""):
            current[raw[0]].append(raw[2:])
        else:
            sys.exit(f"{path}:{number}: cannot read this line: {raw!r}")
    result = []
    for f in faults:
        if not f["file"] or not f["-"]:
            sys.exit(f"{path}:{f['line']}: a fault needs a file and an original text")
        result.append(Fault(f["title"], f["file"], "\n".join(f["-"]), "\n".join(f["+"]), f["line"]))
    return result


def tracked_files():
    """The files of the work tree as git sees them, uncommitted changes included."""
    out = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "-z"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return [name for name in out.decode().split("\0") if name and (ROOT / name).is_file()]


def mirror(scratch):
    """Copies the tree into scratch/src, rewriting only files that differ, so
    the scratch build stays up to date."""
    src = scratch / "src"
    wanted = set(tracked_files())
    for name in wanted:
        source, target = ROOT / name, src / name
        data = source.read_bytes()
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(source, target)
    for target in src.rglob("*"):
        if target.is_file() and str(target.relative_to(src)) not in wanted:
            target.unlink()
    return src


def test_programs(src):
    text = (src / "tests" / "CMakeLists.txt").read_text(encoding="utf-8")
    # The window's test programs, and those that run on their own without a
    # wrapper (the model's rules); not the live sound, which needs a server.
    programs = re.findall(r"^\s*game_test\((\w+)\)", text, re.MULTILINE)
    alone = re.findall(r"^\s*add_test\(NAME (\w+) COMMAND \1\)", text, re.MULTILINE)
    return alone + [p for p in programs if p not in alone]


def configure(src, build):
    env = dict(os.environ, CCACHE_BASEDIR=str(src), CCACHE_NOHASHDIR="1")
    if (build / "CMakeCache.txt").exists():
        return env
    # Unoptimised and without debug information: the fastest to rebuild.
    args = ["cmake", "-S", str(src), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug",
            "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0"]
    if shutil.which("ninja"):
        args += ["-G", "Ninja"]
    if shutil.which("ccache"):
        args += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    if shutil.which("ld.lld"):
        args += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"]
    subprocess.run(args, check=True, env=env, stdout=subprocess.DEVNULL)
    return env


def build(build_dir, programs, env, jobs):
    result = subprocess.run(["cmake", "--build", str(build_dir), "-j", str(jobs), "--target", *programs],
                            env=env, capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


def run_tests(build_dir, programs):
    """The first program that fails, with its first failing function; None when all pass."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for program in programs:
        with tempfile.TemporaryDirectory() as home:
            try:
                result = subprocess.run([str(build_dir / "tests" / program)], env=dict(env, HOME=home),
                                        capture_output=True, text=True, timeout=TEST_TIMEOUT, cwd=home)
            except subprocess.TimeoutExpired:
                return f"{program} (hangs)"
        if result.returncode != 0:
            match = re.search(r"^FAIL!\s+:\s+\w+::(\w+)", result.stdout, re.MULTILINE)
            return f"{program}::{match.group(1)}" if match else f"{program} (exit {result.returncode})"
    return None


def catch(build_dir, programs, first, env, jobs):
    """Builds and runs the likeliest catcher alone first, the rest only if it
    passes. Returns whether the tree built and what failed."""
    if first:
        ok, _ = build(build_dir, [first], env, jobs)
        if not ok:
            return False, None
        failure = run_tests(build_dir, [first])
        if failure:
            return True, failure
    ok, _ = build(build_dir, programs, env, jobs)
    if not ok:
        return False, None
    return True, run_tests(build_dir, [p for p in programs if p != first])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("-k", dest="pattern", default="", help="only faults whose title contains this text")
    parser.add_argument("--check", action="store_true", help="only check that every fault applies")
    parser.add_argument("--faults", type=Path, default=FAULTS,
                        help="the faults file (default: tools/faults.txt)")
    parser.add_argument("--scratch", type=Path,
                        default=Path(os.environ.get("TMPDIR", "/tmp")) / "mokemoke-faults",
                        help="scratch folder (default: %(default)s)")
    parser.add_argument("--tests", default="", help="only the test programs whose name contains this text")
    parser.add_argument("-j", dest="jobs", type=int, default=2, help="build jobs (default: 2)")
    options = parser.parse_args()
    # Stopped from outside, it still takes the fault out of the scratch copy.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))

    faults = [f for f in parse_faults(options.faults) if options.pattern in f.title]
    scratch = options.scratch.resolve()
    if scratch == ROOT or ROOT in scratch.parents:
        sys.exit("the scratch folder must lie outside the work tree")
    started = time.monotonic()
    src = mirror(scratch)

    if options.check:
        bad = [f for f in faults if (src / f.file).is_file() is False
               or (src / f.file).read_text(encoding="utf-8").count(f.original) != 1]
        for f in bad:
            print(f"does not apply: {f.title} ({options.faults.name} line {f.line})")
        print(f"{len(faults) - len(bad)} of {len(faults)} faults apply")
        return 1 if bad else 0

    build_dir = scratch / "build"
    env = configure(src, build_dir)
    programs = [p for p in test_programs(src) if options.tests in p]
    print(f"Building {len(programs)} test programs in {build_dir} ...", flush=True)
    ok, log = build(build_dir, programs, env, options.jobs)
    if not ok:
        sys.exit("the unchanged tree does not build:\n" + log[-3000:])
    failing = run_tests(build_dir, programs)
    if failing:
        sys.exit("the unchanged tree fails its tests: " + failing)

    caught = missed = skipped = 0
    catcher = {}  # the program that caught the last fault of each area runs first
    width = len(str(len(faults)))
    for number, fault in enumerate(faults, 1):
        path = src / fault.file
        label = f"{number:>{width}} {fault.title}"
        text = path.read_text(encoding="utf-8") if path.is_file() else ""
        count = text.count(fault.original)
        if count != 1:
            skipped += 1
            reason = "not found" if count == 0 else f"found {count} times"
            print(f"{label}: does not apply ({reason}, {options.faults.name} line {fault.line})", flush=True)
            continue
        area = fault.title.split(":")[0]
        try:
            path.write_text(text.replace(fault.original, fault.replacement), encoding="utf-8")
            ok, failure = catch(build_dir, programs, catcher.get(area), env, options.jobs)
        finally:
            path.write_text(text, encoding="utf-8")
        if not ok:
            skipped += 1
            print(f"{label}: does not build ({options.faults.name} line {fault.line})", flush=True)
        elif failure:
            caught += 1
            catcher[area] = re.split(r"[: ]", failure)[0]
            print(f"{label}: caught by {failure}", flush=True)
        else:
            missed += 1
            print(f"{label}: MISSED", flush=True)

    build(build_dir, programs, env, options.jobs)  # leave the scratch build clean for the next run
    minutes = (time.monotonic() - started) / 60
    print(f"\nScore: {caught} of {caught + missed} faults caught, {missed} missed, "
          f"{skipped} not applied ({minutes:.1f} minutes)")
    return 1 if missed or skipped else 0


if __name__ == "__main__":
    sys.exit(main())
