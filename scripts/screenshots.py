#!/usr/bin/env python3
"""Makes the screenshots that the README shows, from the real program.

    scripts/screenshots.py [MERVAN [FOLDER]]

MERVAN is the built program (build/bin/mervan), FOLDER where the PNGs go
(docs/screenshots). The program runs on an X server of its own (xvfb-run)
under openbox and is driven with xdotool as the end-to-end tests drive it, so
the desktop the script is started from is left alone. ImageMagick's import
takes the pictures, at most 1000 x 700 pixels each:

    main-window.png  the frame with a data file in an editor window and the
                     normal calculator's results window
    calculator.png   the t calculator from a statistic to its probability,
                     with the shaded area under the curve
    histogram.png    the analysis of the data file: histogram and report
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from xdriver import (Failure, choose_file, focus, key, menu, run, start, stop, type_text,  # noqa: E402
                     visible_windows, wait_for, wait_for_window)

SCREEN = (1000, 700)

# Heights in whole centimetres of a class of 48 students: something a
# teacher would analyse, with a histogram that looks like one.
HEIGHTS = """\
162 171 158 166 176 169 161 172
181 165 168 170 155 168 174 163
178 167 160 172 165 170 174 162
168 184 167 163 171 176 164 158
173 166 169 179 164 171 168 160
175 166 168 170 162 173 167 169
"""


def snap(window, path):
    """The window with the frame openbox gave it, shrunk to fit 1000 x 700."""
    run(["import", "-silent", "-frame", "-window", window, "-resize",
         "%dx%d>" % SCREEN, path], timeout=30)


def snap_screen(path):
    run(["import", "-silent", "-window", "root", path], timeout=30)


def results_of_calculator(program, frame, menu_key, caption, results, fields, probability=False):
    menu(frame, "s", menu_key)
    wait_for_window(caption, program)
    if probability:
        key("alt+p")
    for index, text in enumerate(fields):
        if index:
            key("Tab")
        type_text(text)
    key("Return")
    return wait_for_window(results, program)


def close_results(program, results, caption):
    """Close leaves the results window and the calculator behind it."""
    key("alt+c")
    wait_for("the results window to close", lambda: not visible_windows(results), 10, program)
    if visible_windows(caption):
        key("Escape")
        wait_for("the calculator to close", lambda: not visible_windows(caption), 10, program)


def make_screenshots(mervan, folder):
    # A fixed folder, for the results window's caption shows the report's path.
    work = os.path.join(tempfile.gettempdir(), "mervan-screenshots")
    shutil.rmtree(work, ignore_errors=True)
    os.mkdir(work)
    data = os.path.join(work, "Heights.dat")
    with open(data, "w") as f:
        f.write(HEIGHTS)
    program = start(mervan, cwd=work)
    run(["xsetroot", "-solid", "#5a6e8c"], check=False)
    try:
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 30, program)[0]
        wait_for("the splash box to go", lambda: not visible_windows("About Mervan"), 10, program)
        # Room for the editor beside the results window, as a user would make it.
        run(["xdotool", "windowsize", frame, "940", "640", "windowmove", frame, "20", "20"])
        focus(frame)

        key("ctrl+o")
        choose_file("Mervan Editor", data, program)
        wait_for("the file dialog to close", lambda: not visible_windows("Mervan Editor"), 10, program)
        menu(frame, "w", "t")
        results = results_of_calculator(program, frame, "n", "Normal Distribution", "Normal Distribution",
                                        ["95"])
        run(["xdotool", "windowmove", results, "420", "150"])
        time.sleep(1)
        snap_screen(os.path.join(folder, "main-window.png"))
        close_results(program, results, "Normal Distribution")

        caption = "Critical Values for t distribution"
        results = results_of_calculator(program, frame, "t", caption, "Students t Distribution",
                                        ["2.3", "12"], probability=True)
        time.sleep(1)
        snap(results, os.path.join(folder, "calculator.png"))
        close_results(program, results, caption)

        menu(frame, "s", "h")
        wait_for_window("Histogram data", program)
        type_text("8")
        key("Return")
        choose_file("Open Data File", data, program)
        report = os.path.splitext(data)[0] + ".OUT"
        results = wait_for_window(report, program)
        time.sleep(1)
        snap(results, os.path.join(folder, "histogram.png"))
        run(["xdotool", "windowclose", results], check=False)
        wait_for("the results window to close", lambda: not visible_windows(report), 10, program)

        menu(frame, "f", "x")
        program.wait(timeout=10)
    finally:
        stop(program)
        shutil.rmtree(work, ignore_errors=True)


def main():
    arguments = sys.argv[1:] + [os.path.join(ROOT, "build", "bin", "mervan"),
                                os.path.join(ROOT, "docs", "screenshots")][len(sys.argv) - 1:]
    mervan, folder = (os.path.abspath(path) for path in arguments[:2])
    if not os.access(mervan, os.X_OK):
        print("%s is not a program: build it first (scripts/run.sh or cmake --build build)" % mervan)
        return 2
    missing = [tool for tool in ("xvfb-run", "openbox", "xdotool", "xclip", "xsetroot", "import")
               if not shutil.which(tool)]
    if missing:
        print("missing %s: scripts/setup-debian.sh installs them" % ", ".join(missing))
        return 1
    # The first run starts an X server of its own and runs the script again on it.
    ours = os.environ.get("MERVAN_SCREENSHOTS_DISPLAY")
    if not ours or ours != os.environ.get("DISPLAY"):
        return subprocess.call(["xvfb-run", "-a", "-s", "-screen 0 %dx%dx24" % SCREEN, "sh", "-c",
                                'MERVAN_SCREENSHOTS_DISPLAY="$DISPLAY" exec "$@"', "sh",
                                sys.executable, os.path.abspath(__file__), mervan, folder])
    os.makedirs(folder, exist_ok=True)
    try:
        make_screenshots(mervan, folder)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    for name in ("main-window.png", "calculator.png", "histogram.png"):
        size = run(["identify", "-format", "%wx%h", os.path.join(folder, name)]).stdout.decode()
        print("%s: %s" % (name, size))
    return 0


if __name__ == "__main__":
    sys.exit(main())
