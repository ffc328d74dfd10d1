#!/usr/bin/env python3
"""Where the windows appear: each calculator dialog, the histogram dialog and
the analysis results window open wholly on the screen and, at the scale
factor 1, wholly inside the main window's rectangle (at 2 the main window may
be smaller than a dialog); the results window grows when resized.

    placement_e2e.py MERVAN MERVAN_BATCH
"""

import os
import shutil
import tempfile
import time

from xdriver import (Failure, choose_file, command_line, exit_by_menu, key, menu, run, start, stop, type_text,
                     visible_windows, wait_for, wait_for_window)

DIALOGS = [
    ("t", "Critical Values for t distribution"),
    ("c", "Critical Value for Chi-squared distribution"),
    ("f", "Critical Values for F distribution"),
    ("n", "Normal Distribution"),
]


def geometry(window):
    """(x, y, width, height) of a window's client area on the screen."""
    values = {}
    for line in run(["xdotool", "getwindowgeometry", "--shell", window]).stdout.decode().split():
        name, _, value = line.partition("=")
        values[name] = int(value) if value.lstrip("-").isdigit() else value
    return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


def check_inside(frame, window, what):
    sw, sh = (int(v) for v in run(["xdotool", "getdisplaygeometry"]).stdout.split())
    fx, fy, fw, fh = geometry(frame)
    x, y, w, h = geometry(window)
    if not (0 <= x and 0 <= y and x + w <= sw and y + h <= sh):
        raise Failure("%s at %d,%d %dx%d is not wholly on the %dx%d screen" % (what, x, y, w, h, sw, sh))
    if float(os.environ.get("QT_SCALE_FACTOR", "1")) != 1:
        print("ok: %s opens on the screen (%d,%d %dx%d)" % (what, x, y, w, h))
        return x, y, w, h
    if not (fx <= x and fy <= y and x + w <= fx + fw and y + h <= fy + fh):
        raise Failure("%s at %d,%d %dx%d is not inside the main window at %d,%d %dx%d"
                      % (what, x, y, w, h, fx, fy, fw, fh))
    print("ok: %s opens inside the main window (%d,%d %dx%d in %d,%d %dx%d)"
          % (what, x, y, w, h, fx, fy, fw, fh))
    return x, y, w, h


def main():
    mervan, _ = command_line(__doc__)
    work = tempfile.mkdtemp(prefix="mervan-placement-")
    data = os.path.join(work, "Survey.dat")
    report = os.path.join(work, "Survey.OUT")
    with open(data, "wb") as f:
        f.write(b"1.2 2.4 2.4 3.1 4.0\n2.9 3.3\n1.7 2.2\n")

    program = start(mervan, cwd=work)
    try:
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 30, program)[0]
        wait_for("the splash box to go", lambda: not visible_windows("About Mervan"), 10, program)

        for menu_key, caption in DIALOGS:
            menu(frame, "s", menu_key)
            dialog = wait_for_window(caption, program)
            check_inside(frame, dialog, "the dialog \"%s\"" % caption)
            key("Escape")
            wait_for("the dialog to close", lambda: not visible_windows(caption), 10, program)

        menu(frame, "s", "h")
        dialog = wait_for_window("Histogram data", program)
        check_inside(frame, dialog, "the histogram dialog")
        type_text("3")
        key("Return")
        choose_file("Open Data File", data, program)

        results = wait_for_window(report, program)
        _, _, width, height = check_inside(frame, results, "the results window")
        run(["xdotool", "windowsize", results, str(width + 150), str(height + 100)])
        grown = wait_for("the results window to grow",
                         lambda: (lambda g: g if g[2] > width + 100 and g[3] > height + 50 else None)(
                             geometry(results)), 10, program)
        print("ok: the results window grows from %dx%d to %dx%d" % (width, height, grown[2], grown[3]))
        run(["xdotool", "windowclose", results], check=False)
        wait_for("the results window to close", lambda: not visible_windows(report), 10, program)
        time.sleep(0.3)
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
