#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Working-day counts and offsets of the engine against numpy's busday_count and
busday_offset on the same 1,000,000 pairs and 10,000 holidays, side by side in one run.

Usage: run_working_bench.py BENCH_WORKING_DAYS [PAIRS]

The engine counts the working days in (a, b]; numpy counts the valid days in [a, b), so it
is given a + 1 and b + 1. An offset from a day that is no working day starts, in the engine,
from that day; numpy must roll it first: backward for a positive offset, forward for a
negative one, which gives the same day. Both must agree on every pair.
"""
import subprocess
import sys
import tempfile
import time

import numpy as np


def best_seconds(run, passes=3):
    best = float("inf")
    for _ in range(passes):
        start = time.perf_counter()
        run()
        best = min(best, time.perf_counter() - start)
    return best


def main():
    bench = sys.argv[1]
    pairs = sys.argv[2] if len(sys.argv) > 2 else "1000000"
    with tempfile.TemporaryDirectory() as work:
        out = subprocess.run([bench, work, pairs], check=True, capture_output=True, text=True).stdout
        ours = dict(line.split() for line in out.splitlines())
        load = lambda name: np.fromfile(f"{work}/{name}.i64", dtype="<i8")
        holidays = load("holidays").astype("datetime64[D]")
        begin, end = load("begin").astype("datetime64[D]"), load("end").astype("datetime64[D]")
        offset, counts, landed = load("offset"), load("counts"), load("landed")

    cal = np.busdaycalendar(weekmask="1111100", holidays=holidays)
    one = np.timedelta64(1, "D")
    result = {}

    def count():
        result["counts"] = np.busday_count(begin + one, end + one, busdaycal=cal)

    forward = offset > 0

    def shift():
        days = np.empty_like(begin)
        days[forward] = np.busday_offset(begin[forward], offset[forward], roll="backward", busdaycal=cal)
        days[~forward] = np.busday_offset(begin[~forward], offset[~forward], roll="forward", busdaycal=cal)
        result["landed"] = days

    n = len(begin)
    numpy_count_ns = best_seconds(count) / n * 1e9
    numpy_offset_ns = best_seconds(shift) / n * 1e9
    count_mismatch = int(np.count_nonzero(result["counts"] != counts))
    offset_mismatch = int(np.count_nonzero(result["landed"].astype("<i8") != landed))

    print(f"pairs: {n}, holidays: {ours['holidays']}, Monday to Friday, up to 100 years apart "
          f"(best of three passes each, ns per pair)")
    rows = [("count working days", float(ours["count_ns"]), numpy_count_ns, "busday_count"),
            ("add working days", float(ours["offset_ns"]), numpy_offset_ns, "busday_offset")]
    for label, valdora, numpy_ns, name in rows:
        print(f"{label:<20} valdora {valdora:8.1f}   numpy {name:<14} {numpy_ns:8.1f}   "
              f"ratio numpy/valdora {numpy_ns / valdora:6.2f} (above 1: valdora faster)")
    year, million = float(ours["count_1_year_ns"]), float(ours["count_1e6_years_ns"])
    print(f"span independence    count over 1-year spans {year:.1f} ns, over 1,000,000-year spans "
          f"{million:.1f} ns (ratio {million / year:.2f})")
    print(f"pairs where the two disagree: counts {count_mismatch}, offsets {offset_mismatch}")
    return 1 if count_mismatch or offset_mismatch else 0


if __name__ == "__main__":
    sys.exit(main())
