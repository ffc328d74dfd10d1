#!/usr/bin/env python3
"""Settings last between runs: a first run opens two files from the command
line (a missing third gets a message), is moved and resized, and exits; the
second comes back at the same place, and choosing its deleted recent file
takes that file off the list.
Run: xvfb-run -a -s "-screen 0 1366x768x24" python3 settings_e2e.py MERVAN MERVAN_BATCH
"""

import configparser
import os
import sys
import tempfile
import time

from xdriver import (Failure, command_line, exit_by_menu, focus, key, menu, run, start, stop,
                     visible_windows, wait_for)


def recent_files(config):
    settings = configparser.ConfigParser(interpolation=None)
    settings.read(os.path.join(config, "mervan_stats", "Mervan.conf"))
    value = settings.get("General", "recentFiles", fallback="")
    return [name.strip() for name in value.split(",") if name.strip()]


def geometry(window):
    done = run(["xdotool", "getwindowgeometry", "--shell", window])
    fields = dict(line.split("=") for line in done.stdout.decode().split())
    return tuple(int(fields[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def main_window(program):
    wait_for("the splash to go", lambda: not visible_windows("About Mervan"), 10, program)
    return wait_for("the main window", lambda: visible_windows("Mervan"), 10, program)[0]


def dismiss_message(program, main):
    # A message box has the main window's caption.
    box = wait_for("a message", lambda: [w for w in visible_windows("Mervan") if w != main], 10,
                   program)[0]
    focus(box)
    key("Return")
    wait_for("the message to go", lambda: box not in visible_windows("Mervan"), 10, program)


def check(mervan):
    work = tempfile.mkdtemp(prefix="mervan-settings-")
    config = os.path.join(work, "config")
    first, second = os.path.join(work, "first.dat"), os.path.join(work, "second.dat")
    for path in (first, second):
        with open(path, "w") as f:
            f.write("1 2 3\n")

    program = start(mervan, args=[first, os.path.join(work, "missing.dat"), second], config=config)
    try:
        main = main_window(program)
        dismiss_message(program, main)
        run(["xdotool", "windowsize", main, "700", "500"])
        run(["xdotool", "windowmove", main, "120", "90"])
        time.sleep(0.5)
        placed = geometry(main)
        exit_by_menu(program, main)
    finally:
        stop(program)
    if recent_files(config) != [second, first]:
        raise Failure("recent files after the first run: %r" % recent_files(config))
    print("ok: the files from the command line are the recent files, most recent first")

    os.remove(first)
    program = start(mervan, config=config)
    try:
        main = main_window(program)
        if geometry(main) != placed:
            raise Failure("the window came back at %r, not %r" % (geometry(main), placed))
        print("ok: the main window came back at %r" % (placed,))
        menu(main, "f", "f")  # File > Recent Files > 2: the deleted file
        time.sleep(0.4)
        key("2")
        dismiss_message(program, main)
        exit_by_menu(program, main)
    finally:
        stop(program)
    if recent_files(config) != [second]:
        raise Failure("recent files after choosing the deleted one: %r" % recent_files(config))
    print("ok: the deleted file left the recent files")


def main():
    mervan, _ = command_line(__doc__)
    check(mervan)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
