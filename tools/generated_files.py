"""A generator's command line: it writes the generated files into the source tree,
or with --check fails when a committed one differs from what it would write."""

import argparse
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[1]


def main(doc, files):
    """doc: the generator's docstring, whose first line describes it. files: pairs of a
    path relative to the source root and its contents, best made lazily so that --help
    and a wrong argument make nothing. Returns the exit code."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args()
    stale = []
    for relative, data in files:
        path = ROOT / relative
        if args.check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(relative)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print(f"{relative}: {len(data)} bytes")
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0
