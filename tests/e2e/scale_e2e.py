#!/usr/bin/env python3
"""At scale 2 on a 1366x768 screen every window's frame lies on the screen.
    scale_e2e.py MERVAN MERVAN_BATCH"""

import os
import shutil
import tempfile

from xdriver import (Failure, choose_file, command_line, exit_by_menu, key, menu, run, start, stop, type_text,
                     visible_windows, wait_for, wait_for_window)

# Menu key, dialog caption, typed fields ("" skips a box), results caption.
CALCULATORS = [
    ("t", "Critical Values for t distribution", ["0.05", "10"], "Students t Distribution"),
    ("c", "Critical Value for Chi-squared distribution", ["0.05", "10"], "X\u00b2 Distribution"),
    ("f", "Critical Values for F distribution", ["0.05", "5", "10"], "F Distribution"),
    ("n", "Normal Distribution", ["95"], "Normal Distribution"),
    ("b", "Binomial Distribution", ["20", "0.3", "", "6"], "Binomial Distribution"),
    ("p", "Poisson Distribution", ["4", "", "6"], "Poisson Distribution"),
]


def check_on_screen(title, program, besides=()):  # once a window not in besides shows
    windows = wait_for(title, lambda: set(visible_windows(title)) - set(besides) and visible_windows(title),
                       15, program)
    sw, sh = (int(v) for v in run(["xdotool", "getdisplaygeometry"]).stdout.split())
    for window in windows:
        g = dict(v.split("=") for v in run(["xdotool", "getwindowgeometry", "--shell", window]).stdout.decode().split())
        extents = run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"]).stdout.decode().partition("=")[2]
        left, right, top, bottom = [int(v) for v in extents.split(",")] if extents else [0] * 4
        x, y = int(g["X"]) - left, int(g["Y"]) - top
        w, h = int(g["WIDTH"]) + left + right, int(g["HEIGHT"]) + top + bottom
        if x < 0 or y < 0 or x + w > sw or y + h > sh:
            raise Failure("\"%s\" at %d,%d %dx%d is not wholly on the %dx%d screen" % (title, x, y, w, h, sw, sh))
        print("ok: \"%s\" on the screen at %d,%d %dx%d" % (title, x, y, w, h))


def main():
    mervan, _ = command_line(__doc__)
    os.environ["QT_SCALE_FACTOR"] = "2"
    work = tempfile.mkdtemp(prefix="mervan-scale-")
    data = os.path.join(work, "Survey.dat")
    with open(data, "wb") as f:
        f.write(b"1.2 2.4 2.4 3.1 4.0\n2.9 3.3\n1.7 2.2\n")
    program = start(mervan, cwd=work)
    try:
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 30, program)[0]
        wait_for("the splash box to go", lambda: not visible_windows("About Mervan"), 10, program)
        check_on_screen("Mervan", program)
        menu(frame, "s", "h")
        wait_for_window("Histogram data", program)
        check_on_screen("Histogram data", program)
        type_text("3")
        key("Return")
        check_on_screen("Open Data File", program)
        choose_file("Open Data File", data, program)
        check_on_screen(os.path.join(work, "Survey.OUT"), program)

        for menu_key, caption, fields, results in CALCULATORS:
            menu(frame, "s", menu_key)
            dialog = wait_for_window(caption, program)
            check_on_screen(caption, program)
            for index, text in enumerate(fields):
                key(*["Tab"][:index] + ["ctrl+a"])
                type_text(text)
            key("Return")
            check_on_screen(results, program, [dialog])
            key("alt+c")
            wait_for("the calculator to close", lambda: not visible_windows(caption), 10, program)
        exit_by_menu(program, frame)
    finally:
        stop(program)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL: %s" % failure)
        raise SystemExit(1)
