#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""valdora-cli --json, read by a JSON parser: every computation kind and every error kind
gives one well-formed object with the documented members, and the result date of every
object reads back through valdora-cli as the same day number.

Usage: json_check.py VALDORA_CLI"""
import json
import os
import subprocess
import sys

CLI = sys.argv[1]
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
PLAIN = os.path.join(DATA, "holidays-sample.txt")
ICS = os.path.join(DATA, "holidays-sample.ics")
KEYS = ["ok", "operation", "unit", "fields", "line", "first", "second", "result", "days",
        "months", "breakdown", "workingCalendar", "holidaysInSpan", "error"]
DEFAULT_WEEK = {"restDays": "Sat,Sun", "holidays": 0, "files": []}
failures = []


def run(args, stdin=None):
    proc = subprocess.run([CLI, "--today", "2008-07-12", "--json", *args], input=stdin or "",
                          capture_output=True, text=True, check=False)
    return proc.returncode, proc.stdout, proc.stderr


def check(label, condition, detail=""):
    if not condition:
        failures.append(f"{label}: {detail}")


def one(label, args):
    status, out, err = run(args)
    lines = out.splitlines()
    check(label, len(lines) == 1, f"one line expected, got {out!r}")
    obj = json.loads(lines[0])
    check(label, list(obj) == KEYS, f"members {list(obj)}")
    check(label, status == (0 if obj["ok"] else 1), f"status {status} for ok={obj['ok']}")
    check(label, obj["ok"] == (err == ""), f"stderr {err!r}")
    return obj


# name, arguments, operation, unit, expected members (None: the member must be null)
SUCCESS = [
    ("conversion CE->ISO", ["--first", "2024-01-15", "--second-cal", "ISO"], "conversion", "days",
     {"result": {"calendar": "ISO", "text": "2024-W03-1", "jdn": 2460325,
                 "weekday": {"iso": 1, "name": "Monday"}}, "days": None, "breakdown": None,
      "line": "2024-01-15 CE = 2024-W03-1 ISO, Monday",
      "fields": {"first": "2024-01-15", "diff": "", "second": "2024-W03-1"}}),
    ("conversion of a second date", ["--second", "2451545", "--second-cal", "JDN"], "conversion",
     "days", {"result": {"calendar": "CE", "text": "2000-01-01", "jdn": 2451545,
                         "weekday": {"iso": 6, "name": "Saturday"}}}),
    ("conversion within one calendar", ["--first", "2024-1-14"], "conversion", "days",
     {"result": {"calendar": "CE", "text": "2024-01-14", "jdn": 2460324,
                 "weekday": {"iso": 7, "name": "Sunday"}}, "second": None}),
    ("today", ["--first", "", "--second-cal", "JDN"], "conversion", "days",
     {"result": {"calendar": "JDN", "text": "2,454,660", "jdn": 2454660,
                 "weekday": {"iso": 6, "name": "Saturday"}}}),
    ("days between with breakdown", ["--first", "2024-01-01", "--second", "2024-03-01"],
     "days between", "days",
     {"days": 60, "breakdown": {"years": 0, "months": 2, "weeks": 0, "days": 0},
      "result": None, "first": {"calendar": "CE", "text": "2024-01-01", "jdn": 2460311},
      "second": {"calendar": "CE", "text": "2024-03-01", "jdn": 2460371}}),
    ("days between, ISO weeks", ["--first-cal", "ISO", "--second-cal", "ISO", "--first",
                                 "2024-W01-1", "--second", "2024-W03-4"], "days between", "days",
     {"days": 17, "breakdown": {"years": 0, "months": 0, "weeks": 2, "days": 3}}),
    ("days between without breakdown", ["--first", "2024-01-08", "--second", "2024-01-15",
                                        "--exclude-weekends"], "days between", "days",
     {"days": 5, "breakdown": None, "workingCalendar": DEFAULT_WEEK, "holidaysInSpan": 0}),
    ("days between, weekend days counted", ["--first", "2024-01-08", "--second", "2024-01-15",
                                            "--weekend", "Fri", "--holidays", PLAIN],
     "days between", "days", {"days": 7, "workingCalendar": None, "holidaysInSpan": None}),
    ("days between, rest days and a plain list",
     ["--first", "2024-12-20", "--second", "2025-01-10", "--exclude-weekends", "--weekend",
      "sat,FRI", "--holidays", PLAIN], "days between", "days",
     {"days": 11, "holidaysInSpan": 4, "breakdown": None,
      "workingCalendar": {"restDays": "Fri,Sat", "holidays": 12,
                          "files": [{"name": PLAIN, "holidays": 12, "ignored": None}]}}),
    ("days between, both samples",
     ["--first", "2024-03-01", "--second", "2024-04-30", "--exclude-weekends", "--weekend",
      "none", "--holidays", ICS, "--holidays", PLAIN], "days between", "days",
     {"days": 58, "holidaysInSpan": 2,
      "workingCalendar": {"restDays": "none", "holidays": 16, "files": [
          {"name": ICS, "holidays": 4,
           "ignored": "1 timed event, 1 other component and 1 unknown property ignored"},
          {"name": PLAIN, "holidays": 12, "ignored": None}]}}),
    ("add working days over holidays", ["--first", "2024-12-23", "--diff", "3",
                                        "--exclude-weekends", "--holidays", PLAIN], "add", "days",
     {"days": 3, "holidaysInSpan": None,
      "result": {"calendar": "CE", "text": "2024-12-31", "jdn": 2460676,
                 "weekday": {"iso": 2, "name": "Tuesday"}}}),
    ("add days", ["--first", "2024-01-15", "--diff", "1000"], "add", "days",
     {"days": 1000, "months": None, "result": {"calendar": "CE", "text": "2026-10-11",
                                                "jdn": 2461325,
                                                "weekday": {"iso": 7, "name": "Sunday"}}}),
    ("add weeks", ["--first", "2024-01-15", "--diff", "2w"], "add", "days", {"days": 14}),
    ("subtract days", ["--second", "2024-01-25", "--diff", "10", "--second-cal", "LPM",
                       "--first-cal", "LPM"], "subtract", "days", {"days": 10}),
    ("add months", ["--first", "2024-01-31", "--diff", "1m"], "add", "months",
     {"months": 1, "days": None, "result": {"calendar": "CE", "text": "2024-02-29",
                                             "jdn": 2460370,
                                             "weekday": {"iso": 4, "name": "Thursday"}}}),
    ("subtract years", ["--second", "2024-02-29", "--diff", "1y", "--first-cal", "JC",
                        "--second-cal", "JC"], "subtract", "months", {"months": 12}),
    ("German day name", ["--first", "2024-01-15", "--language", "de"], "conversion", "days",
     {"result": {"calendar": "CE", "text": "2024-01-15", "jdn": 2460325,
                 "weekday": {"iso": 1, "name": "Montag"}}}),
]

# name, arguments, error kind
ERRORS = [
    ("first date not valid", ["--first", "2024-13-01"], "first-date-not-valid"),
    ("first date out of range", ["--first", "5,744,892-08-12"], "first-date-out-of-range"),
    ("second date not valid", ["--second", "2024-02-30"], "second-date-not-valid"),
    ("second date out of range", ["--second", "9999999-01-01"], "second-date-out-of-range"),
    ("difference out of range", ["--first", "2024-01-01", "--diff", "2100000001"],
     "date-difference-out-of-range"),
    ("result out of range", ["--first", "2024-01-01", "--diff", "2100000000"],
     "result-out-of-range"),
    ("months with two dates", ["--first", "2024-01-01", "--second", "2024-02-01", "--months"],
     "months-two-dates"),
    ("months, calendars differ", ["--first", "2024-01-01", "--diff", "1", "--months",
                                  "--second-cal", "JC"], "months-calendars-differ"),
    ("months in ISO", ["--first", "2024-W01-1", "--diff", "1", "--months", "--first-cal",
                       "ISO", "--second-cal", "ISO"], "months-calendar-not-allowed"),
    ("field refused", ["--first", "2024-01-15 garbage"], "field-refused"),
    ("difference alone", ["--diff", "5"], "no-date"),
    ("nothing cleared", ["--first", "2024-01-01", "--diff", "1", "--second", "2024-02-01",
                         "--clear", "cancel"], "nothing-cleared"),
    ("text that is not UTF-8", ["--first", "2024-01-15\udcff"], "field-refused"),
    ("holidays beyond the last recurrence year",
     ["--first", "2024-01-01", "--second", "100000-01-01", "--exclude-weekends", "--holidays",
      ICS], "holidays-unknown"),
]


def read_back(result):
    """The day number of a result date's text, read in its calendar by valdora-cli: the
    days from it to a CE date of known day number on its side of day 0 (a count stays
    within the range)."""
    text, jdn = ("2000-01-01", 2451545) if result["jdn"] >= 0 else ("-2,742,620-11-21",
                                                                     -1000000000)
    _, out, _ = run(["--first-cal", result["calendar"], "--first", result["text"],
                     "--second", text])
    obj = json.loads(out)
    return jdn - obj["days"] if obj["ok"] else None


results = []
for label, args, operation, unit, expected in SUCCESS:
    obj = one(label, args)
    check(label, obj["ok"] is True and obj["error"] is None, f"failed: {obj['error']}")
    check(label, obj["operation"] == operation, f"operation {obj['operation']!r}")
    check(label, obj["unit"] == unit, f"unit {obj['unit']!r}")
    check(label, isinstance(obj["line"], str) and obj["line"] != "", f"line {obj['line']!r}")
    for key, value in expected.items():
        check(label, obj[key] == value, f"{key} = {obj[key]!r}, expected {value!r}")
    if obj["result"]:
        results.append((label, obj["result"]))

for label, args, kind in ERRORS:
    obj = one(label, args)
    check(label, obj["ok"] is False and obj["line"] is None and obj["result"] is None,
          f"not a failure: {obj}")
    check(label, obj["error"] and obj["error"]["kind"] == kind, f"error {obj['error']!r}")
    check(label, obj["error"] and obj["error"]["message"], "no message text")
    check(label, obj["holidaysInSpan"] is None, f"holidaysInSpan {obj['holidaysInSpan']!r}")
    week = obj["workingCalendar"]
    check(label, week is None if "--exclude-weekends" not in args else week["files"],
          f"workingCalendar {week!r}")

# JSON Lines in batch mode: one object per line, results read back.
batch_lines = "".join(f"{d}\t\t\n" for d in ["2024-01-15", "-44-03-15", "5,744,892-08-11",
                                              "-5,754,317-03-08", "1582-10-15"])
for cal in ["CE", "JC", "JDN", "ORD", "ISO", "LPW", "LPM"]:
    status, out, _ = run(["--batch", "--second-cal", cal], batch_lines)
    objects = [json.loads(line) for line in out.splitlines()]
    label = f"batch to {cal}"
    check(label, len(objects) == 5, f"{len(objects)} objects")
    for obj in objects:
        if obj["ok"]:
            results.append((f"{label}: {obj['fields']['first']}", obj["result"]))
        else:  # only ordinal dates and JDN texts have days they cannot write
            check(label, cal in ("ORD", "JDN") and obj["error"]["kind"] == "result-out-of-range",
                  f"{obj['error']}")
    check(label, status == (0 if all(o["ok"] for o in objects) else 1), f"status {status}")

for label, result in results:
    check(f"round trip of {label}", read_back(result) == result["jdn"],
          f"{result['text']} {result['calendar']} reads back as another day")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(SUCCESS) + len(ERRORS)} objects and {len(results)} round trips checked, "
      f"{len(failures)} failed")
sys.exit(1 if failures else 0)
