#!/usr/bin/env python3
"""Reads the JUnit report that `ctest --output-junit` writes, for scripts/test.

A report names its tests but does not number them; CTest writes them in number order, so
a test's number is its place among the tests the run selected (all, or the list given to
`ctest -I 0,0,0,LIST`). Status "run" passed. "fail" failed, timed out or crashed, with an
empty message unless a pass or fail expression decided: a timeout shows only in a time
that reached the test's limit (its TIMEOUT property, listed by `ctest --show-only=json-v1`,
else the run's --timeout), and a crash stays a failure. "notrun" (no executable, a fixture
failed) fails unless the test skipped itself, which CTest counts as passed. "disabled"
does not count.

    ctest_report.py REPORT counts           # "TOTAL FAILED", counted as CTest's summary does
    ctest_report.py REPORT failed           # a line a failed test: "NUMBER WINE STATUS"
    ctest_report.py REPORT output NUMBER    # its status line and output, at most 40 lines
    ctest_report.py REPORT passed NUMBER    # exits 0 when it passed
"""

import argparse
import json
import math
import re
import sys
import xml.etree.ElementTree as ElementTree

OUTPUT_LINES = 40

# What Wine itself prints while it starts a program or reports on its own channels.
WINE_LINE = re.compile(r"(wine|preloader): |[0-9a-f]{4}:(err|fixme|warn):")
X_ERROR = "X Error of failed request: "


def read_report(path, numbers):
    """{number: testcase}, or None when CTest wrote no readable report."""
    try:
        cases = list(ElementTree.parse(path).getroot().iter("testcase"))
    except (OSError, ElementTree.ParseError):
        return None
    return dict(zip(numbers or range(1, len(cases) + 1), cases))


def read_limits(path):
    """{number: seconds} of the tests with a TIMEOUT of their own; none when unreadable."""
    try:
        with open(path, encoding="utf-8") as listing:
            tests = json.load(listing)["tests"]
    except (OSError, TypeError, ValueError, KeyError):
        return {}
    limits = {}
    for number, test in enumerate(tests, 1):
        for prop in test.get("properties", []):
            if prop.get("name") == "TIMEOUT" and prop.get("value", 0) > 0:
                limits[number] = prop["value"]
    return limits


def message(case, tag):
    element = case.find(tag)
    return None if element is None else element.get("message", "")


def failed(case):
    skipped = message(case, "skipped") or ""
    return case.get("status") == "fail" or (
        case.get("status") == "notrun" and not skipped.startswith("SKIP_"))


def status(case, limit):
    if case.get("status") == "notrun":
        return "Not Run"
    return "Timeout" if float(case.get("time", 0)) >= limit else "Failed"


def ended_by_wine(output):
    """Wine, not the test, ended the run: the program printed nothing of its own (nothing, or
    only Wine's loader messages), as when Wine now and then fails to start one, or Wine's
    X11 driver ended it on an X protocol error, which it can do when windows of two programs
    change at once."""
    lines = output.splitlines()
    return any(line.startswith(X_ERROR) for line in lines) or all(
        not line.strip() or WINE_LINE.match(line) for line in lines)


def print_output(number, case, limit):
    reason = message(case, "failure") or message(case, "skipped")
    head = f"Test #{number}: {case.get('name')} ***{status(case, limit)}"
    print(f"{head}  {reason}" if reason else head)
    for line in case.findtext("system-out", "").splitlines()[:OUTPUT_LINES - 1]:
        print(line)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("report")
    parser.add_argument("--numbers", help="the list the run gave to ctest -I, when not all")
    parser.add_argument("--listing", help="ctest --show-only=json-v1 of the test folder")
    parser.add_argument("--timeout", type=float, default=math.inf, help="the run's --timeout")
    commands = parser.add_subparsers(dest="command", required=True)
    commands.add_parser("counts")
    commands.add_parser("failed")
    for name in ("output", "passed"):
        commands.add_parser(name).add_argument("number", type=int)
    args = parser.parse_args()

    numbers = sorted(int(n) for n in args.numbers.split(",")) if args.numbers else None
    cases = read_report(args.report, numbers)
    if cases is None:
        print(f"ctest wrote no readable report {args.report}", file=sys.stderr)
        return 1
    limits = read_limits(args.listing) if args.listing else {}

    def limit(number):
        return limits.get(number, args.timeout)

    if args.command == "counts":
        counted = [case for case in cases.values() if case.get("status") != "disabled"]
        print(len(counted), sum(map(failed, counted)))
    elif args.command == "failed":
        for number, case in cases.items():
            if failed(case):
                wine = ended_by_wine(case.findtext("system-out", ""))
                print(number, int(wine), status(case, limit(number)))
    else:
        case = cases.get(args.number)
        if case is None:
            return 1
        if args.command == "passed":
            return 0 if case.get("status") == "run" else 1
        print_output(args.number, case, limit(args.number))
    return 0


if __name__ == "__main__":
    sys.exit(main())
