#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""valdora-cli --exclude-weekends with --weekend and --holidays, against a day-by-day
reference built on Python's datetime: random working weeks, random holiday lists written as a
plain file and as an iCalendar file (both must give the same answers), the iCalendar sample's
recurrences expanded here by hand, counts, additions and subtractions of both signs, with and
without the first date. Every answer is read from --json --batch with Python's json module.

Usage: working_check.py VALDORA_CLI [SEED]  (the seed also from VALDORA_TEST_SEED)"""
import datetime
import json
import os
import random
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
SEED = int(sys.argv[2] if len(sys.argv) > 2 else os.environ.get("VALDORA_TEST_SEED", "17"))
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
NAMES = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]  # date.weekday() order
JDN_OF_ORDINAL_0 = 1721425  # date(2000, 1, 1) is JDN 2,451,545
failures = []


def check(label, condition, detail=""):
    if not condition:
        failures.append(f"{label}: {detail} (seed {SEED})")


class Reference:
    """The working-day rules, one day at a time."""

    def __init__(self, rest, holidays):
        self.rest = set(rest)  # weekday() numbers
        self.holidays = set(holidays)  # date objects
        self.per_week = 7 - len(self.rest)

    def working_weekday(self, day):
        return day.weekday() not in self.rest

    def working(self, day):
        return self.working_weekday(day) and day not in self.holidays

    def step(self, day, n, direction):
        """The n-th working day from `day` in `direction` (+1 or -1)."""
        while n > 0:
            day += datetime.timedelta(days=direction)
            n -= self.working(day)
        return day

    def between(self, a, b):
        """The days after the earlier of a and b up to the later one."""
        low, high = min(a, b), max(a, b)
        return [low + datetime.timedelta(days=i) for i in range(1, (high - low).days + 1)]

    def count(self, a, b, include_first):
        n = sum(self.working(d) for d in self.between(a, b))
        n = -n if b < a else n
        if include_first and self.working(a):
            n += -1 if n < 0 else 1
        return n

    def holidays_in_span(self, a, b):
        return sum(d in self.holidays and self.working_weekday(d) for d in self.between(a, b))

    def add(self, a, diff, include_first):
        n, direction = abs(diff), 1 if diff > 0 else -1
        if include_first and self.working(a):
            n -= 1
        if diff == 0 or n == 0:
            return a
        # From a rest day, whole weeks land on the same weekday, unless they pass a holiday.
        if n % self.per_week == 0 and not self.working_weekday(a):
            jump = a + datetime.timedelta(days=direction * 7 * (n // self.per_week))
            if not any(d in self.holidays and self.working_weekday(d)
                       for d in self.between(a, jump)):
                return jump
        return self.step(a, n, direction)

    def subtract(self, b, diff, include_first):
        if diff == 0:
            return b
        direction = -1 if diff > 0 else 1
        start = b
        while not self.working(start):
            start -= datetime.timedelta(days=1)
        first = self.step(start, abs(diff), direction)
        return self.step(first, 1, -direction) if include_first else first


def jdn(day):
    return day.toordinal() + JDN_OF_ORDINAL_0


def run_batch(args, lines):
    proc = subprocess.run([CLI, "--today", "2008-07-12", "--json", "--batch", *args],
                          input="".join(lines), capture_output=True, text=True, check=False)
    return proc.returncode, [json.loads(line) for line in proc.stdout.splitlines()], proc.stderr


def ics_of(days):
    """An iCalendar text with one all-day event per day (CR LF lines)."""
    lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//test//EN"]
    for i, day in enumerate(sorted(days)):
        lines += ["BEGIN:VEVENT", f"UID:h{i}@test", "DTSTAMP:20240101T000000Z",
                  f"DTSTART;VALUE=DATE:{day:%Y%m%d}", "END:VEVENT"]
    return "\r\n".join(lines + ["END:VCALENDAR"]) + "\r\n"


def sample_ics_holidays(first_year, last_year):
    """The holidays of data/holidays-sample.ics in those years, expanded here."""
    days = {datetime.date(2024, 6, 7)}  # Moving day
    for year in range(max(first_year, 2020), last_year + 1):
        days.add(datetime.date(year, 3, 14))  # Founders' Day, yearly
        october = datetime.date(year, 10, 1)  # Harvest Monday: the second Monday
        harvest = october + datetime.timedelta(days=(7 - october.weekday()) % 7 + 7)
        if harvest != datetime.date(2025, 10, 13):  # its EXDATE
            days.add(harvest)
    for year in range(2023, 2028):  # Winter break: two days, five times
        days.update({datetime.date(year, 12, 27), datetime.date(year, 12, 28)})
    return {d for d in days if first_year <= d.year <= last_year}


def random_rest(rng):
    rest = {d for d in range(7) if rng.random() < 0.35}
    return rest if len(rest) < 7 else {5, 6}


def weekend_text(rest):
    return ",".join(NAMES[d] for d in sorted(rest)) or "none"


def random_day(rng, low, high):
    return low + datetime.timedelta(days=rng.randrange((high - low).days + 1))


def check_config(label, rest, holidays, files, rng, low, high, rounds):
    """`rounds` random counts, additions and subtractions within [low, high] for one working
    calendar, with and without the first date."""
    ref = Reference(rest, holidays)
    cases = []
    for _ in range(rounds):
        a = random_day(rng, low, high)
        b = a + datetime.timedelta(days=rng.randint(-120, 120))
        diff = rng.choice([rng.randint(-60, 60), ref.per_week * rng.randint(-8, 8)])
        cases.append((a, b, diff))
    lines = []
    for a, b, diff in cases:
        lines += [f"{a}\t\t{b}\n", f"{a}\t{diff}\t\n", f"\t{diff}\t{b}\n"]
    # Written with its case: a weekday name in any case reads the same.
    weekend = weekend_text(rest)
    weekend = weekend.upper() if rng.random() < 0.5 else weekend.lower()
    args = ["--exclude-weekends", "--weekend", weekend, "--no-verbose"]
    for path in files:
        args += ["--holidays", path]
    for include_first in (False, True):
        status, objects, err = run_batch(args + (["--include-first-date"] if include_first
                                                 else []), lines)
        name = f"{label}, rest {weekend_text(rest)}, include first {include_first}"
        check(name, status == 0 and err == "" and len(objects) == len(lines),
              f"status {status}, {len(objects)} answers, stderr {err!r}")
        if len(objects) != len(lines):
            continue
        for i, (a, b, diff) in enumerate(cases):
            count, add, sub = objects[3 * i:3 * i + 3]
            calendar = count["workingCalendar"]
            check(name, calendar and calendar["restDays"] == weekend_text(rest)
                  and len(calendar["files"]) == len(files), f"workingCalendar {calendar!r}")
            expected = ref.count(a, b, include_first)
            check(f"{name}: {a} to {b}", count["days"] == expected,
                  f"{count['days']} days, expected {expected}")
            expected = ref.holidays_in_span(a, b)
            check(f"{name}: holidays from {a} to {b}", count["holidaysInSpan"] == expected,
                  f"{count['holidaysInSpan']}, expected {expected}")
            expected = jdn(ref.add(a, diff, include_first))
            got = add["result"] and add["result"]["jdn"]
            check(f"{name}: {a} plus {diff}", got == expected, f"JDN {got}, expected {expected}")
            check(f"{name}: {a} plus {diff} has no count", add["holidaysInSpan"] is None,
                  f"{add['holidaysInSpan']!r}")
            expected = jdn(ref.subtract(b, diff, include_first))
            got = sub["result"] and sub["result"]["jdn"]
            check(f"{name}: {b} minus {diff}", got == expected, f"JDN {got}, expected {expected}")


def main():
    rng = random.Random(SEED)
    low, high = datetime.date(2019, 1, 1), datetime.date(2029, 12, 31)
    configs = 0
    with tempfile.TemporaryDirectory() as folder:
        for round_number in range(12):
            rest = {5, 6} if round_number == 0 else random_rest(rng)
            holidays = {random_day(rng, low, high) for _ in range(rng.choice([0, 15, 120]))}
            plain = os.path.join(folder, f"list{round_number}.txt")
            ics = os.path.join(folder, f"list{round_number}.ics")
            with open(plain, "w", encoding="utf-8", newline="") as f:
                f.write("# random holidays\r\n" + "".join(f"{d}\r\n" for d in sorted(holidays)))
            with open(ics, "w", encoding="utf-8", newline="") as f:
                f.write(ics_of(holidays))
            for kind, path in (("plain", plain), ("iCalendar", ics)):
                check_config(f"round {round_number}, {kind} list", rest, holidays, [path], rng,
                             low, high, 40)
                configs += 1
        # The sample files, alone and together, with their recurrences expanded here.
        sample = sample_ics_holidays(2018, 2031)
        with open(os.path.join(DATA, "holidays-sample.txt"), encoding="utf-8") as f:
            listed = {datetime.date.fromisoformat(line.strip()) for line in f
                      if line.strip() and not line.startswith("#")}
        for rest in ({5, 6}, {4, 5}, set()):
            check_config("iCalendar sample", rest, sample,
                         [os.path.join(DATA, "holidays-sample.ics")], rng, low, high, 60)
            check_config("both samples", rest, sample | listed,
                         [os.path.join(DATA, "holidays-sample.ics"),
                          os.path.join(DATA, "holidays-sample.txt")], rng, low, high, 60)
            configs += 2
    for failure in failures[:40]:
        print("FAIL:", failure)
    print(f"{configs} working calendars checked, {len(failures)} failures (seed {SEED})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
