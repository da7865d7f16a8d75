#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed corpora of the fuzz targets (tests/fuzz/corpus/<target>/).

Each seed is the option bytes a target reads first, then the text. Run it again after
changing the seeds below; the files are committed."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
CAL = {"CE": 0, "JC": 1, "JDN": 2, "ORD": 3, "ISO": 4, "LPW": 5, "LPM": 6}  # index in the target
FMT = {"MDY": 0, "DMY": 1, "YMD": 2}
SEP = {"-": 0, "/": 1, ".": 2}
THO = {",": 0, ".": 1, "": 2}


def options_byte(sep, tho, grouping=0):
    return bytes([SEP[sep] + 3 * THO[tho] + 9 * grouping])


def calendar_text_seed(cal, fmt, hyphen, sep, tho, text, grouping=0):
    return bytes([CAL[cal] + 7 * FMT[fmt] + 21 * hyphen]) + options_byte(sep, tho, grouping) + text.encode()


SEEDS = {
    "fuzz_calendar_text": [
        calendar_text_seed("CE", "YMD", 1, "-", ",", "2020-02-29"),
        calendar_text_seed("CE", "YMD", 1, "-", ",", "-44-03-15 CE"),
        calendar_text_seed("CE", "YMD", 0, "-", ",", "12,345-01-01"),
        calendar_text_seed("CE", "DMY", 0, "/", ",", "15/03/(-44)"),
        calendar_text_seed("CE", "DMY", 0, ".", ".", "01.01.12345"),
        calendar_text_seed("JC", "MDY", 0, ".", "", "03.15.2020"),
        calendar_text_seed("JC", "YMD", 1, "-", ",", "5800000-12-31"),
        calendar_text_seed("JDN", "YMD", 0, "-", ",", "2,451,545"),
        calendar_text_seed("JDN", "YMD", 0, "-", ".", "2.451.545"),
        calendar_text_seed("JDN", "YMD", 0, "/", "", "-2100000000"),
        calendar_text_seed("ORD", "YMD", 1, "-", ",", "2020-366"),
        calendar_text_seed("ORD", "YMD", 0, "-", ",", "2020366"),
        calendar_text_seed("ISO", "YMD", 1, "-", ",", "2020-W53-7"),
        calendar_text_seed("ISO", "YMD", 0, "-", ",", "2020W011"),
        calendar_text_seed("ISO", "YMD", 1, "-", ",", "-44-W10-3"),
        calendar_text_seed("LPW", "YMD", 0, "-", ",", "2020-02-1"),
        calendar_text_seed("LPW", "YMD", 0, "-", ",", "-5800000-01-01", 3),
        calendar_text_seed("LPM", "YMD", 0, "-", ",", "2020-12-35"),
        calendar_text_seed("LPM", "YMD", 0, "-", ",", "12,345-01-01 LPM", 1),
    ],
    "fuzz_calendar_readers": [
        options_byte("-", ",") + b"2020-02-29",
        options_byte("/", ",") + b"15/03/(-44)",
        options_byte(".", ".") + b"01.01.12345",
        options_byte("-", ",") + b"2020-W53-7",
        options_byte("-", ",") + b"2020W537",
        options_byte("-", ",") + b"2020-366",
        options_byte("-", ",") + b"2020366",
        options_byte("-", ",") + b"2020-12-35",
        options_byte("-", ",", 4) + b"-12\xc2\xa0345-10-7 LPW",
        options_byte("-", ",") + b"5799999-W01-1",
    ],
    "fuzz_jdn_parse": [
        options_byte("-", ",") + b"2,451,545",
        options_byte("-", ".") + b"2.451.545",
        options_byte(".", ".") + b"2.451.545",
        options_byte("-", ",") + b"-12",
        options_byte("-", ",") + b"+2100000000",
        options_byte("/", "") + b"2147483648",
        options_byte("-", ",") + b" -2 099 999 999 ",
        options_byte("-", ",") + b"abc",
    ],
    "fuzz_user_file": [
        b"0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n",
        b"1\r\n1,46,0\r\n6,7,8\r\n1\r\n0\r\n0\r\n0\r\n0\r\n\"Mon\"\r\n\"JC\"\r\n\"01.02.2020\"\r\n\"30\"\r\n\"\"\r\n\"line \"\"one\"\"\r\nline two\"\r\n1\r\n",
        b"0\n2,45,44\n0,0,0\n0\n1\n1\n1\n1\n\"Sun\"\n\"CE\"\n\"\"\n\"\"\n\"\"\n\"\"\n",
        b"9\r\n7,99,3\r\n5,9,3\r\n2\r\n-1\r\n1.5\r\n1\r\n1\r\n\"Tue\"\r\n\"AN\"\r\n\"a\",\"b\"\r\n\"c\"\r\n\"d\r\n",
    ],
    # What stands at the path (0 file, 1 link to a file, 2 pipe, 3 link to a pipe, 4 folder,
    # 5 dangling link), then the file's content.
    "fuzz_user_file_io": [
        bytes([0]) + b"0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n",
        bytes([1]) + b"1\r\n1,46,0\r\n6,7,8\r\n1\r\n0\r\n0\r\n0\r\n0\r\n\"Mon\"\r\n\"JC\"\r\n\"01.02.2020\"\r\n\"30\"\r\n\"\"\r\n\"line \"\"one\"\"\r\nline two\"\r\n1\r\n",
        bytes([0]) + b"0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"2020-01-01 CE \xc3\xa4\"\r\n0\r\n",
        bytes([1]) + "\u00e4\u00f6\u00fc \u20ac".encode() * 40,
        bytes([0]) + b"0\n2,45,44\n0,0,0\n0\n1\n1\n1\n1\n\"Sun\"\n\"CE\"\n\"\"\n\"\"\n\"\"\n\"\"\n",
        bytes([2]) + b"0\r\n",
        bytes([3]),
        bytes([4]),
        bytes([5]),
        bytes([0]),
    ],
    "fuzz_program_text": [
        b"1 en One\n1 de Eins\n2 en ~\n",
        b"\xef\xbb\xbf# texts\r\n13 en ISO 8601 Week dates\r\n13 de ISO-8601-Wochendaten\r\n",
        b"1 en One\n1 en Again\n",
        b"7 fr Sept\n",
        b"   \n\n",
    ],
    "fuzz_cli_batch": [
        bytes([0, 0b00011110, 0]) + b"2020-01-01\t\t2020-12-31",
        bytes([0, 0b00011110, 0]) + b"2020-01-01\t30\t",
        bytes([0, 0b00011111, 0]) + b"2020-01-31\t1\t",
        bytes([4 + 7 * 2 + 49 * 2, 0b00010110, 0]) + b"2020-W53-7\t\t",
        bytes([2 + 7 * 3, 0b00001110, 9]) + b"2,451,545\t-7\t",
        bytes([0, 0b01011110, 0]) + b"2020-01-01\t10\t2020-12-31",
        bytes([0, 0, 0]) + b"\t\t",
        bytes([1 + 7 * 6 + 49, 0, 4]) + b"03/15/(-44)\t\t",
    ],
}


for target, seeds in SEEDS.items():
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for i, seed in enumerate(seeds):
        with open(os.path.join(folder, "seed%02d" % i), "wb") as f:
            f.write(seed)
# The shipped program text file is a seed of its loader as it stands.
with open(os.path.join(HERE, "..", "..", "data", "vdr.dat"), "rb") as f:
    shipped = f.read()
with open(os.path.join(HERE, "corpus", "fuzz_program_text", "shipped"), "wb") as f:
    f.write(shipped)
