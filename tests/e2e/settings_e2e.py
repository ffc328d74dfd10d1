#!/usr/bin/env python3
"""Settings last between runs: a first run opens two files from the command line (a
missing third gets a message), is moved and resized, and exits; the second comes back
at the same place, and choosing its deleted recent file takes that file off the list."""

import configparser
import os
import sys
import tempfile
import time

from xdriver import (Failure, command_line, exit_by_menu, focus, key, run, start, stop,
                     visible_windows, wait_for)


def recent_files(config):
    settings = configparser.ConfigParser(interpolation=None)
    settings.read(os.path.join(config, "mervan_stats", "Mervan.conf"))
    return [n.strip() for n in settings.get("General", "recentFiles", fallback="").split(",") if n]


def session(mervan, config, args, *keys):
    """One run: dismisses the message the files or keys bring and returns the main
    window's place and size after xdotool's args (if any) changed them."""
    program = start(mervan, args=args, config=config)
    try:
        wait_for("the splash to go", lambda: not visible_windows("About Mervan"), 10, program)
        main = wait_for("the main window", lambda: visible_windows("Mervan"), 10, program)[0]
        focus(main)
        for step in keys:
            run(["xdotool"] + step.format(main).split()) if "{}" in step else key(step)
            time.sleep(0.4)
        box = wait_for("a message", lambda: [w for w in visible_windows("Mervan") if w != main],
                       10, program)[0]  # a message box has the main window's caption
        focus(box)
        key("Return")
        wait_for("the message to go", lambda: box not in visible_windows("Mervan"), 10, program)
        place = run(["xdotool", "getwindowgeometry", "--shell", main]).stdout.split()[1:5]
        exit_by_menu(program, main)
        return place
    finally:
        stop(program)


def main():
    mervan, _ = command_line(__doc__)
    work = tempfile.mkdtemp(prefix="mervan-settings-")
    config, first, second = (os.path.join(work, n) for n in ("config", "first.dat", "second.dat"))
    for path in (first, second):
        open(path, "w").write("1 2 3\n")
    placed = session(mervan, config, [first, os.path.join(work, "missing.dat"), second],
                     "windowsize {} 700 500", "windowmove {} 120 90")
    if recent_files(config) != [second, first]:
        raise Failure("recent files after the first run: %r" % recent_files(config))
    os.remove(first)
    if session(mervan, config, [], "alt+f", "f", "2") != placed:  # Recent Files > 2, deleted
        raise Failure("the main window did not come back at %r" % (placed,))
    if recent_files(config) != [second]:
        raise Failure("recent files after choosing the deleted one: %r" % recent_files(config))
    print("ok: place and recent files kept; the deleted file left the list")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
