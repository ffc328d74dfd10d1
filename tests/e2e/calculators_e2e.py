#!/usr/bin/env python3
"""Drives the real program under an X server, as a user at the keyboard would.

Starts bin/mervan, waits for the main window and watches the splash over it
come and go, runs each calculator from the Statistics menu with typed input,
presses Clipboard in the results window and reads the clipboard from outside
while the program still runs. Then runs the t calculator the other way, from a
typed statistic to its probability, chosen with Alt+P. Ends with File > Exit,
which must end the program.

Run it under an X server of its own:
    xvfb-run -a -s "-screen 0 1366x768x24" python3 calculators_e2e.py MERVAN MERVAN_BATCH
"""

import sys
import time

from xdriver import (Failure, clipboard, command_line, exit_by_menu, key, menu, run, start, stop, type_text,
                     visible_windows, wait_for, wait_for_window)

T_REPORT = (b"          Students t distribution:\n"
            b"          For alpha = 0.050\n"
            b"          and 10 degrees of freedom\n"
            b"\n"
            b"          Critical value = 1.81")

# Menu key, dialog caption, typed fields, results caption, batch arguments,
# the value line the report must end with.
CALCULATORS = [
    ("t", "Critical Values for t distribution", ["0.05", "10"],
     "Students t Distribution", ["t", "0.05", "10"], b"Critical value = 1.81"),
    ("c", "Critical Value for Chi-squared distribution", ["0.05", "10"],
     "X\u00b2 Distribution", ["chi", "0.05", "10"], b"Critical value = 18.31"),
    ("f", "Critical Values for F distribution", ["0.05", "5", "10"],
     "F Distribution", ["f", "0.05", "5", "10"], b"Critical value = 3.33"),
    ("n", "Normal Distribution", ["95"],
     "Normal Distribution", ["normal", "95"], b"z-value = 1.960"),
]


def batch_report(batch, args):
    done = run([batch] + args)
    text = done.stdout
    return text[:-1] if text.endswith(b"\n") else text


def check_results_keys(program, caption, results):
    """Esc leaves the results window open; Enter at its first showing is
    Retry, back to the dialog with the typed values, whose OK computes again."""
    key("Escape")
    time.sleep(0.5)
    if not visible_windows(results):
        raise Failure("Esc closed the results window")
    key("Return")
    wait_for("Retry to leave the results window", lambda: not visible_windows(results), 10, program)
    wait_for_window(caption, program)
    key("Return")
    wait_for_window(results, program)
    print("ok: %s: Esc leaves it open, Enter is Retry, the typed values stay" % results)


def run_calculator(program, frame, batch, entry):
    menu_key, caption, fields, results, batch_args, value_line = entry
    menu(frame, "s", menu_key)
    wait_for_window(caption, program)
    for index, text in enumerate(fields):
        if index:
            key("Tab")
        type_text(text)
    key("Return")

    def report_or_closed():
        if visible_windows(results):
            return "report"
        if not visible_windows(caption) and not visible_windows("Mervan")[1:]:
            return "closed"
        return None
    outcome = wait_for("the results window \"%s\"" % results, report_or_closed, 15, program)
    if outcome == "closed":
        raise Failure("%s closed without showing a report: the typed values did not reach its fields "
                      "(the keyboard focus should start in the first field, not on a button)" % caption)
    wait_for_window(results, program)
    if menu_key == "t":
        check_results_keys(program, caption, results)
    key("alt+b")
    wait_for("the results window to close", lambda: not visible_windows(results), 10, program)
    wait_for("the dialog to close", lambda: not visible_windows(caption), 10, program)

    copied = wait_for("the report on the clipboard",
                      lambda: (lambda c: c if c and value_line in c else None)(clipboard()), 10, program)
    if not copied.endswith(value_line):
        raise Failure("%s: the report does not end with %r:\n%r" % (caption, value_line, copied))
    if menu_key == "t" and copied != T_REPORT:
        raise Failure("t: the clipboard holds\n%r\ninstead of\n%r" % (copied, T_REPORT))
    if b"\r" in copied:
        raise Failure("%s: a line break other than LF in %r" % (caption, copied))
    expected = batch_report(batch, batch_args).replace(b"\r\n", b"\n")
    if copied != expected:
        raise Failure("%s: the clipboard holds\n%r\nbut mervan-batch reports\n%r" % (caption, copied, expected))
    # Each calculator's value line differs, so a report left on the clipboard
    # by the one before cannot pass for this one.
    print("ok: %s -> %s" % (caption, value_line.decode()))


def run_t_probability(program, frame, batch):
    """Alt+P chooses "probability from a value"; the typing stays in the field."""
    caption, results = "Critical Values for t distribution", "Students t Distribution"
    menu(frame, "s", "t")
    wait_for_window(caption, program)
    key("alt+p")
    type_text("2.3")
    key("Tab")
    type_text("12")
    key("Return")
    wait_for_window(results, program)
    key("alt+b")
    wait_for("the results window to close", lambda: not visible_windows(results), 10, program)
    expected = batch_report(batch, ["p", "t", "2.3", "12"]).replace(b"\r\n", b"\n")
    copied = wait_for("the probability report on the clipboard",
                      lambda: (lambda c: c if c and b"Probability from" in c else None)(clipboard()),
                      10, program)
    if copied != expected:
        raise Failure("t probability: the clipboard holds\n%r\nbut mervan-batch reports\n%r"
                      % (copied, expected))
    # A table gives P(T > 2.3) = 0.0201 for 12 degrees of freedom.
    probability = float(copied.rsplit(b" ", 1)[1])
    if not 0.0200 < probability < 0.0202:
        raise Failure("t probability: P(T > 2.3) with 12 degrees of freedom shown as %r" % probability)
    print("ok: t from a value -> %s" % copied.splitlines()[-1].strip().decode())


def main():
    mervan, batch = command_line(__doc__)

    # Asked for, the console's usage is the answer: every area option in it.
    helped = run([batch, "--help"]).stdout
    for option in (b"--between", b"--two-sided", b"--mean", b"--scale"):
        if option not in helped:
            print("FAIL: mervan-batch --help leaves out %s" % option.decode())
            return 1

    program = start(mervan)
    try:
        started = time.monotonic()
        frame_ids = wait_for("the main window", lambda: visible_windows("Mervan"), 20, program)
        if not visible_windows("About Mervan"):
            raise Failure("the main window came without the splash over it")
        wait_for("the splash to go", lambda: not visible_windows("About Mervan"), 10, program)
        waited = time.monotonic() - started
        if waited < 1.5:
            raise Failure("the splash went after %.2f s; it stays about 2 s" % waited)
        print("ok: the main window at once, the splash over it for %.2f s" % waited)
        frame = frame_ids[0]

        for entry in CALCULATORS:
            run_calculator(program, frame, batch, entry)
        run_t_probability(program, frame, batch)

        # File > Exit ends the program.
        exit_by_menu(program, frame)
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        stop(program)


if __name__ == "__main__":
    sys.exit(main())
