#!/usr/bin/env python3
"""Runs the program and its console companion in German, as the desktop asks.

The test runs with LANGUAGE=de and LANG=de_DE.UTF-8 (a locale whose decimal
sign is a comma). In the window, Statistik > Normalverteilung (alt+s, n) opens
the calculator captioned "Normalverteilung", and Datei > Beenden (alt+d, b)
ends the program. The console companion says in German that a file holds no
numbers, titles the histogram picture "Histogramm von ...", writes the .OUT
report in German with decimal points all the same, and reports a critical
value of t in German.

    xvfb-run -a -s "-screen 0 1366x768x24" python3 german_e2e.py MERVAN MERVAN_BATCH
"""

import os
import re
import subprocess
import sys
import tempfile

from xdriver import Failure, command_line, key, menu, start, stop, visible_windows, wait_for, wait_for_window


def check_window(mervan):
    program = start(mervan)
    try:
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 20, program)[0]
        wait_for("the splash to go", lambda: not visible_windows("Über Mervan"), 10, program)
        menu(frame, "s", "n")
        wait_for_window("Normalverteilung", program)
        key("Escape")
        wait_for("the calculator to close", lambda: not visible_windows("Normalverteilung"), 10, program)
        print("ok: Statistik > Normalverteilung opens the calculator \"Normalverteilung\"")
        menu(frame, "d", "b")
        if program.wait(timeout=10) != 0:
            raise Failure("Datei > Beenden: the program ended with status %d" % program.returncode)
        print("ok: Datei > Beenden ends the program")
    except subprocess.TimeoutExpired:
        raise Failure("Datei > Beenden did not end the program")
    finally:
        stop(program)


def check_console(batch, folder):
    empty = os.path.join(folder, "leer.dat")
    open(empty, "w").close()
    done = subprocess.run([batch, "histogram", "--intervals", "3", empty], capture_output=True, timeout=60)
    message = done.stderr.decode()
    if done.returncode == 0 or "enthält keine Zahlen." not in message:
        raise Failure("a file without numbers: status %d and the message %r" % (done.returncode, message))
    print("ok: the message for a file without numbers is German")

    data = os.path.join(folder, "werte.dat")
    with open(data, "w") as f:
        f.write("1.25 2.5 2.75 3.5 4.25 5.5\n")
    picture = os.path.join(folder, "werte.svg")
    done = subprocess.run([batch, "histogram", "--intervals", "3", "--picture", picture, data],
                          capture_output=True, timeout=60)
    if done.returncode != 0:
        raise Failure("histogram of %s: status %d, %r" % (data, done.returncode, done.stderr.decode()))
    with open(picture, encoding="utf-8") as f:
        svg = f.read()
    if "Histogramm von werte.dat" not in svg:
        raise Failure("the picture's title is not \"Histogramm von werte.dat\"")
    print("ok: the picture is titled \"Histogramm von werte.dat\"")

    with open(os.path.join(folder, "werte.OUT"), encoding="utf-8", errors="replace") as f:
        report = f.read()
    if "Anzahl der Werte: 6" not in report:
        raise Failure("the report is not in German:\n%s" % report)
    if not re.search(r"\d\.\d", report) or re.search(r"\d,\d", report):
        raise Failure("the report does not keep its decimal points:\n%s" % report)
    print("ok: the report is in German and keeps its decimal points")

    done = subprocess.run([batch, "t", "0.05", "10"], capture_output=True, timeout=60)
    lines = [line.strip() for line in done.stdout.decode().split("\r\n")]
    if done.returncode != 0 or lines[2:] != ["und 10 Freiheitsgraden", "", "Kritischer Wert = 1.81"]:
        raise Failure("t 0.05 10: status %d and the report %r" % (done.returncode, lines))
    print("ok: the t calculator's report is German, its critical value 1.81")


def main():
    mervan, batch = command_line(__doc__)
    try:
        with tempfile.TemporaryDirectory(prefix="mervan-german-") as folder:
            check_console(batch, folder)
        check_window(mervan)
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1


if __name__ == "__main__":
    sys.exit(main())
