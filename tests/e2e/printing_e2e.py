#!/usr/bin/env python3
"""Prints on a machine without a printer, as a user at the keyboard would.

The results window's Print brings up the real print dialog, which offers
printing to a PDF file; its proposed name is taken with Enter. The PDF must hold
the banner and the report inside the page margins. Printing again to the same
file must ask before the earlier PDF is overwritten. An editor's Print, which
goes straight to an installed printer, shows the dialog too, and the printed
text keeps the columns its tabs make.

Run it under an X server of its own:
    xvfb-run -a -s "-screen 0 1366x768x24" python3 printing_e2e.py MERVAN MERVAN_BATCH
"""

import os
import re
import shutil
import sys
import tempfile
import time

from xdriver import (Failure, command_line, key, menu, run, start, stop, type_text, visible_windows,
                     wait_for, wait_for_window)

CAPTION = "Critical Values for t distribution"
RESULTS = "Students t Distribution"


def print_t_report(program, frame):
    menu(frame, "s", "t")
    wait_for_window(CAPTION, program)
    type_text("0.05")
    key("Tab")
    type_text("10")
    key("Return")
    wait_for_window(RESULTS, program)
    key("alt+p")
    wait_for_window("Print", program)


def pdf_text(pdf):
    return run(["pdftotext", "-layout", pdf, "-"]).stdout.decode()


def check_margins(pdf, what):
    """Every word lies inside the 15 mm (42.5 points) margins of the page."""
    boxes = run(["pdftotext", "-bbox", pdf, "-"]).stdout.decode()
    page = re.search(r'<page width="([0-9.]+)" height="([0-9.]+)"', boxes)
    width, height = float(page.group(1)), float(page.group(2))
    for x0, y0, x1, y1 in re.findall(r'<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" '
                                     r'yMax="([0-9.]+)"', boxes):
        if float(x0) < 42 or float(y0) < 42 or float(x1) > width - 42 or float(y1) > height - 42:
            raise Failure("%s: a word at %s,%s lies in the margin of a %sx%s page" % (what, x0, y0, width, height))


def main():
    mervan, _batch = command_line(__doc__)
    home = tempfile.mkdtemp(prefix="mervan_print_")
    os.environ["HOME"] = home
    pdf = os.path.join(home, "print.pdf")
    program = start(mervan, cwd=home)
    try:
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 20, program)[0]
        wait_for("the splash to go", lambda: not visible_windows("About Mervan"), 10, program)

        # No printer here: the dialog proposes a PDF file in the current folder.
        print_t_report(program, frame)
        key("Return")
        wait_for("the PDF", lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, 10, program)
        wait_for("the print dialog to close", lambda: not visible_windows("Print"), 10, program)
        time.sleep(0.5)
        text = pdf_text(pdf)
        for expected in ("Mervan\n", "~" * 20, "Critical value = 1.81"):
            if expected not in text:
                raise Failure("the printed report lacks %r:\n%s" % (expected, text))
        if "Windows" in text:
            raise Failure("the printed report names Windows:\n%s" % text)
        check_margins(pdf, "the calculator report")
        print("ok: the t report printed to PDF through the dialog, inside the margins")

        # The same file again: the dialog asks before overwriting it.
        before = os.path.getmtime(pdf)
        print_t_report(program, frame)
        key("Return")
        wait_for("the question before overwriting", lambda: len(visible_windows("Print")) > 1, 10, program)
        key("Return")  # No
        wait_for("the question to close", lambda: len(visible_windows("Print")) == 1, 10, program)
        key("Escape")
        wait_for("the print dialog to close", lambda: not visible_windows("Print"), 10, program)
        time.sleep(0.5)
        if os.path.getmtime(pdf) != before:
            raise Failure("the earlier PDF was overwritten although the user said No")
        print("ok: printing to an existing PDF asks first; No leaves it alone")

        # An editor's text: Print goes through the dialog too; tabs keep columns.
        menu(frame, "f", "n")
        time.sleep(1)
        type_text("alpha\tbeta\tgamma")
        key("ctrl+p")
        wait_for_window("Print", program)
        key("Return")
        wait_for("the question before overwriting", lambda: len(visible_windows("Print")) > 1, 10, program)
        key("alt+y")
        wait_for("the new PDF", lambda: os.path.getmtime(pdf) != before, 10, program)
        wait_for("the print dialog to close", lambda: not visible_windows("Print"), 10, program)
        time.sleep(0.5)
        text = pdf_text(pdf)
        if not re.search(r"alpha +beta +gamma", text):
            raise Failure("the printed text lost its columns:\n%s" % text)
        check_margins(pdf, "the editor text")
        print("ok: an editor text printed to PDF through the dialog with its columns")
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        stop(program)
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
