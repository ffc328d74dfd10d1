#!/usr/bin/env python3
"""Reads the program through AT-SPI as a screen reader does: in each window of
WINDOWS, opened by keyboard, every shown control must have a name and the
picture a description that "Describe picture" (Alt+D) copies. Run under
xvfb-run and dbus-run-session with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1:
/usr/bin/python3 accessibility_e2e.py MERVAN MERVAN_BATCH"""

import os
import shutil
import sys
import tempfile

import pyatspi

from xdriver import (Failure, choose_file, clipboard, command_line, exit_by_menu, key, menu,
                     start, stop, type_text, visible_windows, wait_for, wait_for_window)

ROLES = {"push button", "text", "check box", "combo box", "image", "radio button", "page tab"}


# Title; the menu keys that open it, the window that comes first and what is
# typed there (keys in brackets); the key that closes it; what its picture's
# description says.
WINDOWS = [
    ("Mervan", "fn", None, (), None, None),
    ("Histogram data", "sh", None, (), "Escape", None),
    ("Critical Values for t distribution", "st", None, (), "Escape", None),
    ("Students t Distribution", "st", "Critical Values for t distribution",
     ("0.05", "<Tab>", "10", "<Return>"), "alt+c", "Student's t, 10 degrees of freedom"),
    ("Binomial Distribution", "sb", "Binomial Distribution",
     ("20", "<Tab>", "0.5", "<Tab Tab>", "15", "<Return>"), "alt+c", "Binomial, n = 20"),
    ("{work}/Survey.OUT", "sh", "Histogram data", ("3", "<Return>"), "alt+c",
     "Histogram of 9 values in 4 classes"),
]


def shown_window(title):
    return next((w for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Mervan"
                 for w in app if w and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)),
                None)


def controls(node):
    for child in node:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            if child.getRoleName() in ROLES:
                yield child
            yield from controls(child)


def read_window(title, described):
    """The window's controls, the unnamed ones and the picture's description."""
    found = list(controls(shown_window(title) or []))
    unnamed = ["%s (%s)" % (c.getRoleName(), c.description) for c in found if not c.name.strip()]
    texts = [c.description for c in found if c.getRoleName() == "image" and described
             and described in c.description]
    return (found, unnamed, texts) if found and (texts or not described) else None


def main():
    mervan, _ = command_line(__doc__)
    work = tempfile.mkdtemp(prefix="mervan-a11y-")
    with open(os.path.join(work, "Survey.dat"), "wb") as f:
        f.write(b"1.2 2.4 2.4 3.1 4.0\r\n2.9 3.3\r\n1.7, 2.2\r\n")
    pyatspi.Registry.getDesktop(0)  # the registry must run before the program joins it
    program = start(mervan, cwd=work)
    try:
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 30, program)[0]
        wait_for("the splash box to go", lambda: not visible_windows("About Mervan"), 10, program)
        for title, keys, first, typing, closing, described in WINDOWS:
            title = title.format(work=work)
            menu(frame, keys[0], keys[1])
            if first:
                wait_for_window(first, program)
            for step in typing:
                key(*step[1:-1].split()) if step.startswith("<") else type_text(step)
            if title.endswith(".OUT"):
                choose_file("Open Data File", os.path.join(work, "Survey.dat"), program)
            wait_for_window(title, program)
            found, unnamed, texts = wait_for("AT-SPI to read \"%s\"" % title,
                                             lambda: read_window(title, described), 20, program)
            if unnamed:
                raise Failure("%s: controls without a name: %s" % (title, "; ".join(unnamed)))
            print("ok: %s: %d controls named" % (title, len(found)))
            if texts:
                key("alt+d")
                wait_for("the description on the clipboard",
                         lambda: (clipboard("UTF8_STRING") or b"").decode() == texts[0], 10, program)
                key("Return")
                print("ok: the picture reads and copies as \"%s...\"" % texts[0][:60])
            if closing:
                key(closing)
                wait_for("\"%s\" to close" % title, lambda: not shown_window(title), 10, program)
        exit_by_menu(program, frame)
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        stop(program)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
