#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The program on a real desktop: Xvfb, openbox, XTest input, grabs of the real windows.

Usage: desktop_check.py GROUP VALDORA_EXECUTABLE [SHOT_FOLDER]
GROUP is one of: messages, manual, layout, theme, userfile, workingweek. Each group starts an X server of
its own; each program run has a home and configuration folder of its own.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, Failure, Program, contrast, run_cases, text_contrast, wait_until  # noqa: E402

GROUP = sys.argv[1] if len(sys.argv) > 1 else ""
EXE = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else ""
SHOTS = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix="valdora-shots-")
BASE = int(os.environ.get("VALDORA_DESKTOP_DISPLAY", "41"))
QUIET = 1.2  # seconds in which a repeated message would have come back (spin repeat: 0.3 s)

ENGLISH, GERMAN = 0, 1


def check(condition, message):
    if not condition:
        raise Failure(message)


def user_file_text(language=ENGLISH, date_format=2, separator=45, thousands=44, cals=(0, 0, 0),
                   checks=(0, 1, 1, 1, 1), output="", unit=0):
    lines = [str(language), "%d,%d,%d" % (date_format, separator, thousands), "%d,%d,%d" % cals]
    lines += [str(c) for c in checks]
    lines += ['"Sun"', '"CE"', '""', '""', '""', '"%s"' % output, str(unit)]
    return "\r\n".join(lines) + "\r\n"


def home_with(text):
    home = tempfile.mkdtemp(prefix="valdora-desktop-")
    os.makedirs(os.path.join(home, ".config", "Valdora"))
    with open(os.path.join(home, ".config", "Valdora", "vdr.usr"), "w", encoding="utf-8", newline="") as f:
        f.write(text)
    return home


def message_once(p, act, answer="Return", name="QMessageBox", while_shown=None):
    """Runs `act`, which must raise exactly one `name` window; answers it and checks that no
    second one follows. `while_shown` gets the window's report before it is answered.
    Returns that report."""
    before = p.shown(name)
    act()
    box = p.wait_window(name)
    box["screen_xy"] = p.client_origin(box["xid"])  # where the X server has it
    if while_shown:
        while_shown(box)
    time.sleep(0.4)  # a press held on a repeating control would now step again
    p.release()
    p.dismiss(name, answer)
    time.sleep(QUIET)
    after = p.shown(name)
    check(after == before + 1, "%d %s windows for one action, not 1" % (after - before, name))
    check(p.window(name) is None, name + " came back")
    return box


def comes_back_when_minimised(p, name):
    """Asks the window manager to minimise the shown window `name` (as its title bar's button
    does); a modal window must come straight back, or the windows it blocks are stuck."""
    def attempt(box):
        p.desktop.xdotool("windowminimize", int(box["xid"]))
        time.sleep(0.5)
        wait_until(name + " shown again", lambda: (p.window(name) or {}).get("active") and
                   not p.window(name).get("minimized"), timeout=5)
    return attempt


def convert(p, date):
    """Converts a lone first date (Enter in the field) and clears the result's field again."""
    length = p.control("txbOutput")["length"]
    p.fill("txbFirstDate", date)
    p.key("Return")
    wait_until("a result", lambda: p.control("txbOutput")["length"] > length)
    p.click("cmdClearSecondDate")
    wait_until("the second date cleared", lambda: not p.control("txbSecondDate")["text"])


def spin_press(p, index, lower):
    """Moves to the upper or lower arrow of spin button `index` and holds the mouse down."""
    x, y, w, h = p.control("VScroll(%d)" % index)["screen"]
    p.press_at(x + w // 2, y + (h * 3 // 4 if lower else h // 4))


def select(p, option):
    p.click(option)
    wait_until(option + " selected", lambda: p.control(option)["checked"])


def close_and_saved(p):
    """Closes the main window by its frame; the program must end and write its user file."""
    if os.path.exists(p.user_file()):
        os.remove(p.user_file())
    p.close_by_frame("frmMain")
    check(p.wait_exit() == 0, "the program did not end cleanly")
    with open(p.user_file(), "rb") as f:
        check(f.read().count(b"\r\n") == 15, "the user file has not fifteen lines")


# ---------------------------------------------------------------------------------------
# messages: every modal window once per user action, then a clean close by the frame
# ---------------------------------------------------------------------------------------

def group_messages(desktop):
    def fresh(case):
        """Runs `case` on a program of its own, which must then close by its frame and save."""
        def run():
            p = Program(desktop, EXE)
            try:
                case(p)
                close_and_saved(p)
            finally:
                p.kill()
        return run

    def spin_result_out_of_range(p):
        select(p, "optFirstDateIsORD")
        p.fill("txbFirstDate", "0001-001")
        message_once(p, lambda: spin_press(p, 0, lower=True),
                     while_shown=comes_back_when_minimised(p, "QMessageBox"))
        check(p.control("txbFirstDate")["text"] == "0001-001", "the date moved")

    def spin_unreadable_date(p):
        for index, field in ((0, "txbFirstDate"), (1, "txbSecondDate")):
            for lower in (False, True):
                p.fill(field, "2000-13-01")
                message_once(p, lambda: spin_press(p, index, lower), answer="Escape")

    def compute_refusal(p):
        p.fill("txbFirstDate", "2000-13-01")
        message_once(p, lambda: p.key("Return"), answer="space")

    def reexpression_refusal(p):
        p.fill("txbFirstDate", "2000-13-01")
        message_once(p, lambda: p.click("optFirstDateIsJDN"))
        check(p.control("optFirstDateIsCE")["checked"], "the refused calendar stayed chosen")

    def second_to_first_refusal(p):
        p.fill("txbSecondDate", "2000-13-01")
        message_once(p, lambda: p.click("cmdMoveSecondDateToFirst"))

    def clear_field_dialog(p):
        p.fill("txbFirstDate", "2000-01-01")
        p.fill("txbDateDiff", "5")
        p.fill("txbSecondDate", "2000-02-01")
        places = []
        for _ in range(2):
            dialog = message_once(p, lambda: p.click("cmdCompute"), answer="Escape", name="frmClearOneTextBox",
                                  while_shown=comes_back_when_minimised(p, "frmClearOneTextBox"))
            main = p.client_origin(p.window("frmMain")["xid"])
            places.append((dialog["screen_xy"][0] - main[0], dialog["screen_xy"][1] - main[1]))
            dx, dy, dw, dh = dialog["client"]
            for field in ("txbFirstDate", "txbDateDiff", "txbSecondDate"):
                fx, fy, fw, fh = p.control(field)["rect"]
                check(fx + fw <= dx or dx + dw <= fx or fy + fh <= dy or dy + dh <= fy, "the dialog covers " + field)
        check(places[0] == places[1], "the dialog moved between showings: %s" % places)

    def reset_question(p):
        box = message_once(p, lambda: p.click("cmdReset"), answer="Escape")
        captions = {c["text"].replace("&", "") for c in box["controls"] if c["class"] == "QPushButton"}
        check(captions == {"Yes", "No"}, "Reset asks with %s" % sorted(captions))

    def month_year_message(p):
        p.click("cmdDisplayMonth")
        p.wait_window("frmDisplayMonth")
        for year in ("abc", "-", "99999999999", ""):
            p.fill("txbYear", year)
            message_once(p, lambda: p.key("Return"))
        p.close_by_frame("frmDisplayMonth")
        p.wait_gone("frmDisplayMonth")

    return [("spin: result out of range, one message", fresh(spin_result_out_of_range)),
            ("spin: unreadable date, each arrow and field", fresh(spin_unreadable_date)),
            ("compute: refusal", fresh(compute_refusal)),
            ("calendar change: refusal", fresh(reexpression_refusal)),
            ("second -> first: refusal", fresh(second_to_first_refusal)),
            ("clear-field dialog: once, same place, beside", fresh(clear_field_dialog)),
            ("reset: one question", fresh(reset_question)),
            ("month window: year message once", fresh(month_year_message))]


# ---------------------------------------------------------------------------------------
# manual: found beside the program or in an installed prefix; the link failure; German
# ---------------------------------------------------------------------------------------

def program_tree(layout):
    """A copy of the program in a folder of its own: `layout` maps a relative path to the
    build file copied there."""
    root = tempfile.mkdtemp(prefix="valdora-tree-")
    bindir = os.path.dirname(EXE)
    for rel, name in layout.items():
        os.makedirs(os.path.dirname(os.path.join(root, rel)), exist_ok=True)
        shutil.copy2(os.path.join(bindir, name), os.path.join(root, rel))
    return root


def focused(p):
    """The name of the control the report shows with the keyboard focus, or None."""
    for w in p.windows():
        for c in w["controls"]:
            if c.get("focus"):
                return c["name"]
    return None


def tab_to(p, name, presses=80):
    """Presses Tab until control `name` has the keyboard focus. After each press it waits for
    the report to show the focus moved, so that a slow report never lets a press pass the
    control unseen."""
    for _ in range(presses):
        before = focused(p)
        if before == name:
            return
        p.key("Tab")
        try:
            wait_until("the focus to leave " + str(before), lambda: focused(p) != before, timeout=2)
        except Failure:
            pass  # a focus chain of one control: the next round tells
    raise Failure("timed out waiting for %s focused by Tab" % name)


def manual_shown(p):
    """The manual's address in the first help paragraph, as a local path."""
    p.key("F1")
    p.wait_window("frmHelp")
    head = wait_until("help text", lambda: (p.control("txbMsg", "frmHelp") or {}).get("head"))
    address = head[head.index("file://"):].split()[0]
    wait_until("the help window active", lambda: (p.window("frmHelp") or {}).get("active"))
    p.key("Escape")
    p.wait_gone("frmHelp")
    return address[len("file://"):].split("#")[0]


def group_manual(desktop):
    def build_tree():
        p = Program(desktop, EXE)
        try:
            path = manual_shown(p)
            check(os.path.realpath(path) == os.path.realpath(os.path.join(os.path.dirname(EXE), "manual.html")),
                  "the manual is not the one beside the program: " + path)
            close_and_saved(p)
        finally:
            p.kill()

    def installed_prefix():
        root = program_tree({"bin/valdora": "valdora", "share/valdora/vdr.dat": "vdr.dat",
                             "share/valdora/manual.html": "manual.html"})
        p = Program(desktop, os.path.join(root, "bin", "valdora"))
        try:
            path = manual_shown(p)
            check(os.path.realpath(path) == os.path.realpath(os.path.join(root, "share/valdora/manual.html")),
                  "the manual is not the installed one: " + path)
            check(os.path.exists(path), "the manual's address does not exist")
        finally:
            p.kill()

    def link_failure_once():
        root = program_tree({"bin/valdora": "valdora", "bin/vdr.dat": "vdr.dat"})
        p = Program(desktop, os.path.join(root, "bin", "valdora"))
        try:
            message_once(p, lambda: p.click("lblOnlineDocumentation"))
            # The same by keyboard: Tab to the link, Enter.
            tab_to(p, "lblOnlineDocumentation")
            message_once(p, lambda: p.key("Return"))
            close_and_saved(p)
        finally:
            p.kill()

    def today_labels_by_keyboard():
        p = Program(desktop, EXE)
        try:
            shown = p.control("lblTodaysDate(1)")["text"]  # today's date; (0) is its heading
            tab_to(p, "lblTodaysDate(0)")
            p.key("space")
            wait_until("the next calendar", lambda: p.control("lblTodaysDate(1)")["text"] != shown)
            p.key("shift+space")
            wait_until("the calendar before", lambda: p.control("lblTodaysDate(1)")["text"] == shown)
        finally:
            p.kill()

    def german_buttons_and_keys():
        p = Program(desktop, EXE, home=home_with(user_file_text(language=GERMAN)))
        try:
            box = message_once(p, lambda: p.click("cmdReset"), answer="Escape")
            captions = {c["text"].replace("&", "") for c in box["controls"] if c["class"] == "QPushButton"}
            check(captions == {"Ja", "Nein"}, "German Reset asks with %s" % sorted(captions))
            for label, field in (("lblFirstDate", "txbFirstDate"), ("lblDateDifference", "txbDateDiff"),
                                 ("lblSecondDate", "txbSecondDate")):
                check(p.control(label)["buddy"] == field, label + " is not tied to " + field)
            unnamed = [c["name"] for c in p.window("frmMain")["controls"]
                       if c["class"] in ("QLineEdit", "QPlainTextEdit", "QScrollBar", "QPushButton",
                                         "QRadioButton", "QCheckBox") and c["name"] and not c["accessibleName"]]
            check(not unnamed, "controls without a name for a screen reader: %s" % unnamed)
            os.remove(p.user_file())
            p.key("ctrl+q")
            check(p.wait_exit() == 0 and os.path.exists(p.user_file()), "Ctrl+Q did not quit and save")
        finally:
            p.kill()

    return [("manual beside the program in the build tree", build_tree),
            ("manual in an installed prefix", installed_prefix),
            ("link failure: one message, by mouse and by keyboard", link_failure_once),
            ("today labels by keyboard", today_labels_by_keyboard),
            ("German: Qt's buttons, labels tied, names, Ctrl+Q", german_buttons_and_keys)]


# ---------------------------------------------------------------------------------------
# layout: nothing moves when options change or the output is selected; captions fit
# ---------------------------------------------------------------------------------------

def places(p, window="frmMain", leave=()):
    w = p.window(window)
    return {c["name"]: c["rect"] for c in w["controls"] if c["name"] and c["name"] not in leave}


def moved(before, after):
    return sorted(n for n in before if n in after and before[n] != after[n])


def group_layout(desktop):
    def stays_put(language):
        def case():
            p = Program(desktop, EXE, home=home_with(user_file_text(language=language)))
            try:
                start = places(p)
                select(p, "optMonths")
                check(not moved(start, places(p)), "months moved: %s" % moved(start, places(p)))
                select(p, "optDays")
                check(not moved(start, places(p)), "days moved: %s" % moved(start, places(p)))
                p.fill("txbFirstDate", "2000-01-01")
                p.key("Return")
                wait_until("a result", lambda: p.control("txbOutput")["length"] > 10)
                x, y, w, h = p.control("txbOutput")["screen"]
                p.press_at(x + 8, y + 8)
                p.move(x + w // 2, y + 12)
                p.release()
                wait_until("a selection", lambda: p.control("txbOutput")["selected"])
                time.sleep(0.3)
                after = places(p, leave=("cmdCopyOutput",))
                check(not moved(start, after), "selecting moved: %s" % moved(start, after))
                if language == ENGLISH:  # (Reset goes back to English, with captions of other widths)
                    message_once(p, lambda: p.click("cmdReset"), answer="y")
                    time.sleep(1.1)  # the clock's tick
                    after = places(p, leave=("cmdCopyOutput",))
                    check(not moved(start, after), "after Reset moved: %s" % moved(start, after))
            finally:
                p.kill()
        return case

    def captions_fit(language, scale):
        def case():
            p = Program(desktop, EXE, home=home_with(user_file_text(language=language)),
                        extra_env={"QT_SCALE_FACTOR": str(scale)})
            try:
                p.grab("frmMain", os.path.join(SHOTS, "main-%s-%d.png" % ("de" if language else "en", scale * 100)))
                p.click("cmdDisplayMonth")
                p.wait_window("frmDisplayMonth")
                p.click("cmdDisplay", "frmDisplayMonth")
                cut = []
                for w in p.windows():
                    for c in w["controls"]:
                        if c["need"] > min(c["rect"][2], c["visibleWidth"]):
                            cut.append("%s %r %d<%d" % (c["name"], c["text"], c["rect"][2], c["need"]))
                check(not cut, "captions cut: %s" % cut)
            finally:
                p.kill()
        return case

    cases = [("layout stays put, English", stays_put(ENGLISH)), ("layout stays put, German", stays_put(GERMAN))]
    for scale in (1, 1.25, 1.5):
        for language in (ENGLISH, GERMAN):
            cases.append(("captions fit, %s, %d %%" % ("German" if language else "English", scale * 100),
                          captions_fit(language, scale)))
    return cases


# ---------------------------------------------------------------------------------------
# theme: legible under a light and a dark theme; disabled looks disabled; described colours
# ---------------------------------------------------------------------------------------

TEXT_CLASSES = ("QLabel", "QPushButton", "QRadioButton", "QCheckBox", "QLineEdit")


def weak_texts(p, image, window):
    """The enabled controls of `window` in the grab `image` whose text stands out from its
    background by a contrast below 3, as "name contrast"."""
    weak = []
    for c in p.window(window)["controls"]:
        # (A one-character caption such as "," has too few pixels to measure.)
        if c["class"] not in TEXT_CLASSES or not c["enabled"] or len(c["text"].strip()) < 2:
            continue
        result = measure(p, image, c["name"], window)
        if result and result[0] < 3.0:
            weak.append("%s %.1f" % (c["name"], result[0]))
    return weak


def measure(p, image, name, window="frmMain"):
    from PIL import Image  # noqa: F401
    w = p.window(window)
    c = p.control(name, window)
    x, y, cw, ch = c["screen"]
    ox, oy = [int(round(v * w["dpr"])) for v in w["client"][:2]]
    inset = 0
    if c["class"] in ("QRadioButton", "QCheckBox"):
        inset = int(22 * w["dpr"])  # the indicator is not text
    pad = 3 if c["class"] in ("QPushButton", "QLineEdit") else 0
    return text_contrast(image, (x - ox + inset + pad, y - oy + pad, cw - inset - 2 * pad, ch - 2 * pad))


def group_theme(desktop):
    from PIL import Image

    def legible(dark):
        def case():
            p = Program(desktop, EXE, dark=dark)
            try:
                p.fill("txbFirstDate", "2000-01-01")
                shot = os.path.join(SHOTS, "theme-%s.png" % ("dark" if dark else "light"))
                p.grab("frmMain", shot)
                image = Image.open(shot)
                weak = weak_texts(p, image, "frmMain")
                check(not weak, "text without contrast: %s" % weak)
                if not dark:
                    for name in ("optDateFormatIsYMD", "optSeparatorIsDash", "optThousSepNone", "chkVerbose",
                                 "chkSaveOutput", "optDays"):
                        background = measure(p, image, name)[1]
                        check(background == (0, 255, 255), "%s stands on %s" % (name, background))
            finally:
                p.kill()
        return case

    def disabled_visible(dark):
        def case():
            p = Program(desktop, EXE, dark=dark)
            try:
                shot = os.path.join(SHOTS, "disabled-%s.png" % ("dark" if dark else "light"))
                check(not p.control("cmdEnlarge")["enabled"], "Enlarge enabled with an empty output")
                p.grab("frmMain", shot)
                off = {n: measure(p, Image.open(shot), n)[0] for n in ("cmdEnlarge", "cmdClearOutputWindow")}
                while p.control("txbOutput")["length"] <= 140:  # Enlarge's threshold
                    convert(p, "2000-01-01")
                wait_until("Enlarge enabled", lambda: p.control("cmdEnlarge")["enabled"], timeout=5)
                p.grab("frmMain", shot)
                on = {n: measure(p, Image.open(shot), n)[0] for n in off}
                for name in off:
                    check(on[name] >= off[name] * 1.5, "%s looks the same disabled (%.1f) and enabled (%.1f)"
                          % (name, off[name], on[name]))
            finally:
                p.kill()
        return case

    def focus_visible(dark):
        def case():
            p = Program(desktop, EXE, dark=dark)
            try:
                p.fill("txbFirstDate", "2000-01-01")
                p.fill("txbSecondDate", "2000-01-10")
                p.key("Return")  # the days between: all three fields filled, the focus on Compute
                wait_until("Compute focused", lambda: p.control("cmdCompute")["focus"])
                time.sleep(0.2)
                focused = os.path.join(SHOTS, "focus-%s.png" % ("dark" if dark else "light"))
                p.grab("frmMain", focused)
                p.click("txbDateDiff")
                wait_until("Compute without the focus", lambda: not p.control("cmdCompute")["focus"])
                time.sleep(0.2)
                plain = os.path.join(SHOTS, "nofocus-%s.png" % ("dark" if dark else "light"))
                p.grab("frmMain", plain)
                w = p.window("frmMain")
                x, y, cw, ch = p.control("cmdCompute")["screen"]
                ox, oy = [int(round(v * w["dpr"])) for v in w["client"][:2]]
                box = (x - ox, y - oy, x - ox + cw, y - oy + ch)
                a = Image.open(focused).convert("RGB").crop(box)
                b = Image.open(plain).convert("RGB").crop(box)
                strong = sum(1 for pa, pb in zip(a.getdata(), b.getdata()) if contrast(pa, pb) >= 2.5)
                check(strong >= cw + ch, "the focus frame of Compute is hardly visible (%d strong pixels)" % strong)
            finally:
                p.kill()
        return case

    return [("legible, light theme", legible(False)), ("legible, dark theme", legible(True)),
            ("focus frame visible, light", focus_visible(False)),
            ("focus frame visible, dark", focus_visible(True)),
            ("disabled buttons look disabled, light", disabled_visible(False)),
            ("disabled buttons look disabled, dark", disabled_visible(True))]


# ---------------------------------------------------------------------------------------
# userfile: a large output never costs the settings
# ---------------------------------------------------------------------------------------

def group_userfile(desktop):
    def large_output_keeps_settings():
        line = "x" * 99 + "\n"
        limit = 16 * 1024 * 1024
        output = line * ((limit - 150) // len(line))
        settings = dict(date_format=1, separator=46, thousands=0, checks=(1, 0, 0, 1, 1), unit=1)
        home = home_with(user_file_text(output=output, **settings))
        p = Program(desktop, EXE, home=home)
        try:
            wait_until("the output restored", lambda: p.control("txbOutput")["length"] > limit // 2, timeout=30)
            for _ in range(10):  # long use: a few more results push the output past 16 MiB
                convert(p, "01.01.2000")
            close_and_saved(p)
            with open(p.user_file(), "rb") as saved:
                data = saved.read()
            # The saved output is cut to its newest part, so the file stays readable.
            check(len(data) <= limit, "the saved file is larger than the reader takes (%d bytes)" % len(data))
            check(b"01.01.2000" in data, "the newest results were not saved")
        finally:
            p.kill()
        p = Program(desktop, EXE, home=home)
        try:
            wait_until("the output restored", lambda: (p.control("txbOutput") or {}).get("length", 0) > 0, timeout=30)
            for name in ("optDateFormatIsDMY", "optSeparatorIsDot", "optThousSepNone", "optMonths"):
                control = p.control(name)
                check(control is not None, name + " is not shown after the restart")
                check(control["checked"], name + " lost after a large output")
            check(not p.control("chkVerbose")["checked"], "chkVerbose lost after a large output")
            # "Include first date" is hidden while months are chosen: back to days to see it.
            p.click("optDays")
            wait_until("chkIncludeFirstDate shown", lambda: p.control("chkIncludeFirstDate"))
            check(p.control("chkIncludeFirstDate")["checked"], "chkIncludeFirstDate lost after a large output")
        finally:
            p.kill()

    return [("large output: quit, restart, settings intact", large_output_keeps_settings)]


# ---------------------------------------------------------------------------------------
# workingweek: the working-week dialog by keyboard, its choice counted and kept
# ---------------------------------------------------------------------------------------

SAMPLE_HOLIDAYS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                               "holidays-sample.txt")


def group_workingweek(desktop):
    def days_between(p):
        """Working days from Monday 2024-12-23 to Tuesday 2024-12-31 (Enter computes)."""
        p.fill("txbDateDiff", "")
        p.fill("txbFirstDate", "2024-12-23")
        p.fill("txbSecondDate", "2024-12-31")
        p.key("Return")
        return wait_until("a count", lambda: p.control("txbDateDiff")["text"])

    def chosen_by_keyboard_and_kept():
        home = home_with(user_file_text())
        p = Program(desktop, EXE, home=home)
        try:
            check(days_between(p) == "8", "all days counted: not 8")
            p.click("chkIncludeWeekends")
            wait_until("weekends not counted", lambda: not p.control("chkIncludeWeekends")["checked"])
            check(days_between(p) == "6", "Monday to Friday: not 6")
            p.key("alt+w")  # the button beside the check box
            p.wait_window("frmWorkingWeek")
            wait_until("Monday focused", lambda: p.control("chkWorkingDay(1)", "frmWorkingWeek")["focus"])
            p.key("Tab", "Tab", "Tab", "Tab", "space")  # Friday off
            wait_until("Friday off", lambda: not p.control("chkWorkingDay(5)", "frmWorkingWeek")["checked"])
            p.key("Tab", "Tab", "Tab", "Tab")  # Saturday, Sunday, the list, Add
            wait_until("Add focused", lambda: p.control("cmdAddHolidayFile", "frmWorkingWeek")["focus"])
            p.key("space")
            p.wait_window("QFileDialog")
            time.sleep(0.3)
            p.type(os.path.abspath(SAMPLE_HOLIDAYS))
            p.key("Return")
            p.wait_gone("QFileDialog")
            p.click("cmdOK", "frmWorkingWeek")
            p.wait_gone("frmWorkingWeek")
            # Monday to Thursday less 24, 25 and 26 December: 30 and 31 December.
            check(days_between(p) == "2", "Monday to Thursday with the sample holidays: not 2")
            close_and_saved(p)
        finally:
            p.kill()
        kept = os.path.join(home, ".config", "Valdora", "vdr.wrk")
        with open(kept, encoding="utf-8", newline="") as f:
            text = f.read()
        check(text == "Fri,Sat,Sun\r\n%s\r\n" % os.path.abspath(SAMPLE_HOLIDAYS),
              "the working-week file does not hold the choice: %r" % text)
        p = Program(desktop, EXE, home=home)
        try:
            check(not p.control("chkIncludeWeekends")["checked"], "weekends counted after the restart")
            check(days_between(p) == "2", "the choice was not kept across the restart")
        finally:
            p.kill()

    def dialog_legible(dark):
        def case():
            from PIL import Image
            p = Program(desktop, EXE, dark=dark)
            try:
                p.key("alt+w")
                p.wait_window("frmWorkingWeek")
                wait_until("Monday focused", lambda: p.control("chkWorkingDay(1)", "frmWorkingWeek")["focus"])
                time.sleep(0.3)
                shot = os.path.join(SHOTS, "workingweek-%s.png" % ("dark" if dark else "light"))
                p.grab("frmWorkingWeek", shot)
                image = Image.open(shot)
                weak = weak_texts(p, image, "frmWorkingWeek")
                check(not weak, "text without contrast: %s" % weak)
                p.key("Escape")
                p.wait_gone("frmWorkingWeek")
            finally:
                p.kill()
        return case

    return [("working week by keyboard, counted, kept across a restart", chosen_by_keyboard_and_kept),
            ("working-week window legible, light theme", dialog_legible(False)),
            ("working-week window legible, dark theme", dialog_legible(True))]


GROUPS = {"messages": group_messages, "manual": group_manual, "layout": group_layout, "theme": group_theme,
          "userfile": group_userfile, "workingweek": group_workingweek}


def main():
    if GROUP not in GROUPS or not EXE:
        print(__doc__)
        sys.exit(2)
    os.makedirs(SHOTS, exist_ok=True)
    # Every home, user file and copy of the program made below lies in one folder, removed
    # at the end (the large-output case writes 16 MiB files).
    tempfile.tempdir = tempfile.mkdtemp(prefix="valdora-desktop-%s-" % GROUP)
    holder = {}

    def cases():
        desktop = holder["desktop"]
        return GROUPS[GROUP](desktop)

    try:
        from desktop import need_tools, Skip, SKIP
        need_tools()
    except Skip as skip:
        print(skip)
        sys.exit(SKIP)
    holder["desktop"] = Desktop(BASE)
    try:
        run_cases(cases())
    finally:
        holder["desktop"].close()
        shutil.rmtree(tempfile.tempdir, ignore_errors=True)


if __name__ == "__main__":
    main()
