#!/usr/bin/env python3
"""Printing to PDF through the print dialog, on a machine with no printer.

Prints the t calculator's report from its results window, a tab-separated data
file with a 300-character line from an editor window, and the histogram's
report and picture from the analysis results window, each to a PDF file named
in the print dialog. The PDF
text (pdftotext) must hold every line, column and character printed, and no
text may come closer than 10 mm to a page edge (pdfinfo, pdftotext -bbox).
A second print to a file must ask before overwriting the first.

    printing_e2e.py MERVAN MERVAN_BATCH
"""

import html
import os
import re
import shutil
import tempfile
import time

from xdriver import (Failure, choose_file, command_line, exit_by_menu, focus, key, menu, print_to_pdf, run,
                     start, stop, type_text, visible_windows, wait_for, wait_for_window)

MARGIN_POINTS = 10 * 72 / 25.4
LONG_LINE = "".join("%03dabcdefg" % i for i in range(30))
TABLE = [["alpha", "beta", "gamma", "delta", "epsilon"], ["1.5", "22", "333", "4444", "55555"]]
HISTOGRAM_DATA = b"1.2 2.4 2.4 3.1 4.0\n2.9 3.3\n1.7 2.2\n"
WORD = re.compile(r'<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*?)</word>')


def pdf_text(path):
    """The PDF's text lines, blanks collapsed, empty lines left out."""
    text = run(["pdftotext", "-layout", path, "-"]).stdout.decode("utf-8")
    return [" ".join(line.split()) for line in text.splitlines() if line.split()]


def pdf_words(path):
    """Per page: (width, height, [(xMin, yMin, xMax, yMax, word)]) in points."""
    found = run(["pdftotext", "-bbox", path, "-"]).stdout.decode("utf-8")
    pages = []
    for page in found.split("<page ")[1:]:
        width, height = (float(v) for v in re.match(r'width="([\d.]+)" height="([\d.]+)"', page).groups())
        words = [tuple(float(v) for v in m[:4]) + (html.unescape(m[4]),) for m in WORD.findall(page)]
        pages.append((width, height, words))
    return pages


def check_margins(path, what):
    info = run(["pdfinfo", path]).stdout.decode()
    count = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    pages = pdf_words(path)
    if count < 1 or len(pages) != count:
        raise Failure("%s: pdfinfo counts %d pages, pdftotext finds %d" % (what, count, len(pages)))
    closest = None
    for number, (width, height, words) in enumerate(pages, 1):
        for x0, y0, x1, y1, word in words:
            gap = min(x0, y0, width - x1, height - y1)
            if gap < MARGIN_POINTS:
                raise Failure("%s, page %d: \"%s\" is %.1f mm from the page edge"
                              % (what, number, word, gap * 25.4 / 72))
            closest = gap if closest is None else min(closest, gap)
    if closest is None:
        raise Failure("%s: the PDF holds no text" % what)
    print("ok: %s: %d page(s), no text closer than %.1f mm to an edge" % (what, count, closest * 25.4 / 72))


def check_lines(expected, path, what):
    """Every non-empty expected line is a line of the PDF text, in order."""
    lines = pdf_text(path)
    at = 0
    for line in expected:
        wanted = " ".join(line.split())
        if not wanted:
            continue
        try:
            at = lines.index(wanted, at) + 1
        except ValueError:
            raise Failure("%s: the line %r is not in the PDF text (after line %d) of\n%s"
                          % (what, wanted, at, "\n".join(lines)))
    return lines


def print_calculator(program, frame, batch, work):
    menu(frame, "s", "t")
    wait_for_window("Critical Values for t distribution", program)
    type_text("0.05")
    key("Tab")
    type_text("10")
    key("Return")
    wait_for_window("Students t Distribution", program)
    key("alt+p")
    pdf = os.path.join(work, "t.pdf")
    print_to_pdf(program, pdf)
    report = run([batch, "t", "0.05", "10"]).stdout.decode().splitlines()
    lines = check_lines(["Mervan"] + report, pdf, "the t report")
    if any("Windows" in line for line in lines):
        raise Failure("the t report names another system: %r" % lines)
    print("ok: the t report's lines are in the PDF text")
    check_margins(pdf, "the t report")
    return pdf


def print_editor(program, frame, work, earlier_pdf):
    data = os.path.join(work, "Table.dat")
    with open(data, "w") as f:
        f.write("\n".join("\t".join(row) for row in TABLE) + "\n" + LONG_LINE + "\n")
    menu(frame, "f", "o")
    choose_file("Mervan Editor", data, program, 20)
    wait_for("the open dialog to close", lambda: not visible_windows("Mervan Editor"), 10, program)
    time.sleep(0.5)

    # The dialog proposes the file printed to before; Print asks before
    # writing over it, and No leaves it as it was.
    with open(earlier_pdf, "rb") as f:
        earlier = f.read()
    menu(frame, "f", "p")
    wait_for_window("Print", program)
    key("Return")
    question = wait_for("the question to overwrite", lambda: visible_windows("Print")[1:], 10, program)
    focus(question[-1])
    key("Escape")
    wait_for("the question to close", lambda: len(visible_windows("Print")) == 1, 10, program)
    pdf = os.path.join(work, "table.pdf")
    print_to_pdf(program, pdf)
    with open(earlier_pdf, "rb") as f:
        if f.read() != earlier:
            raise Failure("printing the editor's text changed %s" % earlier_pdf)
    print("ok: printing to a file asks before overwriting an earlier PDF")

    check_lines([" ".join(row) for row in TABLE], pdf, "the editor's table")
    # Tabs expand to the same stops on every line: each column starts at one x.
    words = pdf_words(pdf)[0][2]
    starts = []
    for row in TABLE:
        top = next(w[1] for w in words if w[4] == row[0])
        line = sorted(w for w in words if abs(w[1] - top) < 0.5)
        if [w[4] for w in line] != row:
            raise Failure("the editor's row %r is printed as %r" % (row, [w[4] for w in line]))
        starts.append([w[0] for w in line])
    if any(abs(a - b) > 0.5 for a, b in zip(*starts)):
        raise Failure("the editor's columns do not line up: %r" % starts)
    kept = re.sub(r"[^0-9a-z]", "", "".join(pdf_text(pdf)))
    if LONG_LINE not in kept:
        raise Failure("the 300-character line is not all in the PDF text:\n%s" % "\n".join(pdf_text(pdf)))
    print("ok: the editor prints every column and all of the long line")
    check_margins(pdf, "the editor's text")


def print_histogram_report(program, frame, work):
    data = os.path.join(work, "Survey.dat")
    report = os.path.join(work, "Survey.OUT")
    with open(data, "wb") as f:
        f.write(HISTOGRAM_DATA)
    menu(frame, "s", "h")
    wait_for_window("Histogram data", program)
    type_text("3")
    key("Return")
    choose_file("Open Data File", data, program, 20)
    results = wait_for_window(report, program)
    focus(results)
    key("alt+p")
    pdf = os.path.join(work, "survey.pdf")
    print_to_pdf(program, pdf)
    with open(report, encoding="utf-8") as f:
        check_lines(f.read().splitlines(), pdf, "the histogram report")
    print("ok: the results window prints every line of the report")
    check_margins(pdf, "the histogram report")

    focus(results)
    key("alt+i")
    picture = os.path.join(work, "survey-picture.pdf")
    print_to_pdf(program, picture)
    # The picture's print ends with a message box over the frame's caption.
    wait_for("the message after printing the picture", lambda: len(visible_windows("Mervan")) > 1, 10, program)
    key("Return")
    wait_for("the message to go", lambda: len(visible_windows("Mervan")) == 1, 10, program)
    # The picture is drawn as vectors, so its labels are text in the PDF.
    if "Histogram of Survey.dat" not in " ".join(pdf_text(picture)):
        raise Failure("the printed picture has no title:\n%s" % "\n".join(pdf_text(picture)))
    print("ok: the results window prints the picture with its labels")
    check_margins(picture, "the histogram picture")


def main():
    mervan, batch = command_line(__doc__)
    work = tempfile.mkdtemp(prefix="mervan-printing-")
    try:
        program = start(mervan, cwd=work)
        try:
            frame = wait_for("the main window", lambda: visible_windows("Mervan"), 30, program)[0]
            wait_for("the splash box to go", lambda: not visible_windows("About Mervan"), 10, program)
            earlier = print_calculator(program, frame, batch, work)
            print_editor(program, frame, work, earlier)
            print_histogram_report(program, frame, work)
            exit_by_menu(program, frame)
        finally:
            stop(program)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL: %s" % failure)
        raise SystemExit(1)
