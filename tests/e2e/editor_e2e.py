#!/usr/bin/env python3
"""Editor windows driven as a user would: closing during a load, a file changed
on disk, UTF-16 and CR-only files saved unchanged, a hard-linked file saved, and
Exit cancelled at the last question. Usage, under xvfb-run -a:
    python3 editor_e2e.py MERVAN MERVAN_BATCH"""

import os
import sys
import tempfile
import time
from pathlib import Path

from xdriver import (Failure, choose_file, command_line, focus, key, menu, run, start, stop,
                     type_text, visible_windows, wait_for, wait_for_window)


def launch(mervan, folder, **env):
    os.environ.update(env)
    try:
        program = start(mervan, cwd=folder)
    finally:
        for name in env:
            os.environ.pop(name, None)
    main = wait_for_window("Mervan", program)
    time.sleep(2.5)  # the splash goes by itself
    focus(main)
    return program, main


def open_file(program, main, path):
    focus(main)
    key("ctrl+o")
    choose_file("Mervan Editor", path, program)
    wait_for("the open dialog to close", lambda: not visible_windows("Mervan Editor"), 30, program)
    time.sleep(0.5)


def answer(program, keys):
    """Answers the next Confirm question with keys."""
    question = wait_for_window("Confirm", program)
    key(keys)
    # The next question may follow at once: wait for this one to go.
    wait_for("the question to close", lambda: question not in visible_windows("Confirm"), 10,
             program)


def save_then_exit(program, main, path, backup):
    """Ctrl+S, waits for the backup that the save makes, then File > Exit."""
    key("ctrl+s")
    wait_for("the save of %s" % path, lambda: os.path.exists(backup), 10, program)
    time.sleep(0.3)
    menu(main, "f", "x")
    exits(program, [])


def exits(program, answers):
    """Exit, answering each question in turn; the program must end with status 0."""
    for keys in answers:
        answer(program, keys)
    if wait_for("the program to end", lambda: program.poll() is not None, 10) and program.returncode:
        raise Failure("the program ended with status %d" % program.returncode)


def close_during_load(mervan, folder):
    big = os.path.join(folder, "big.dat")
    Path(big).write_bytes(b"1.2345\t-2.3456\t3.4567\n" * 300000)
    program, main = launch(mervan, folder, MERVAN_LOAD_PAUSE_MS="1500")
    try:
        key("ctrl+n")
        time.sleep(0.5)
        type_text("5")
        focus(main)
        key("ctrl+o")
        choose_file("Mervan Editor", big, program)
        time.sleep(2)
        # The progress window shows: the file is still going in.
        wait_for("the progress of the load", lambda: visible_windows("Mervan Editor"), 5, program)
        run(["xdotool", "windowactivate", main], check=False)
        time.sleep(0.3)
        key("alt+F4")
        # The load stops; the question about the unsaved window follows and
        # answers to the keyboard. Cancel keeps the program with its window.
        answer(program, "Escape")
        time.sleep(1)
        if program.poll() is not None:
            raise Failure("the program ended (status %d) after Cancel" % program.returncode)
        focus(main)
        menu(main, "f", "x")
        exits(program, ["alt+n"])
        print("ok: closing during a load asked, kept the window on Cancel, then ended cleanly")
    finally:
        stop(program)


def changed_on_disk(mervan, folder):
    path = os.path.join(folder, "changed.dat")
    Path(path).write_bytes(b"1\n")
    program, main = launch(mervan, folder)
    try:
        open_file(program, main, path)
        Path(path).write_bytes(b"1\n2\n")
        answer(program, "alt+y")  # reload
        key("ctrl+End")
        type_text("x")
        save_then_exit(program, main, path, os.path.join(folder, "changed.BAK"))
        if Path(path).read_bytes() != b"1\n2\nx":
            raise Failure("after the reload the file holds %r" % Path(path).read_bytes())
        print("ok: a change on disk was reported and reloaded before the next save")
    finally:
        stop(program)


def saved_unchanged(mervan, folder):
    files = {
        "wide.dat": "\u00e9 1\r\n\u20ac 2\r\n".encode("utf-16"),
        "mac.dat": b"1 2\r3 4\r\r5\r",
    }
    for name, data in files.items():
        path = os.path.join(folder, name)
        Path(path).write_bytes(data)
        program, main = launch(mervan, folder)
        try:
            open_file(program, main, path)
            save_then_exit(program, main, path, os.path.join(folder, name[:-4] + ".BAK"))
            if Path(path).read_bytes() != data:
                raise Failure("%s changed on an unchanged save: %r" % (name, Path(path).read_bytes()))
        finally:
            stop(program)
    print("ok: a UTF-16 file and a CR-only file saved byte for byte")


def hard_link_kept(mervan, folder):
    path = os.path.join(folder, "linked.dat")
    other = os.path.join(folder, "other-name.dat")
    Path(path).write_bytes(b"1\n")
    os.link(path, other)
    program, main = launch(mervan, folder)
    try:
        open_file(program, main, path)
        key("ctrl+End")
        type_text("9")
        save_then_exit(program, main, path, os.path.join(folder, "linked.BAK"))
        if os.stat(path).st_ino != os.stat(other).st_ino or Path(other).read_bytes() != b"1\n9":
            raise Failure("the hard link was broken by the save")
        print("ok: a hard-linked file is still one file after a save")
    finally:
        stop(program)


def exit_cancelled(mervan, folder):
    program, main = launch(mervan, folder)
    try:
        for text in ("1", "2", "3"):
            focus(main)
            key("ctrl+n")
            time.sleep(0.5)
            type_text(text)
        menu(main, "f", "x")
        for keys in ("alt+n", "alt+n", "Escape"):
            answer(program, keys)
        time.sleep(1)
        if program.poll() is not None:
            raise Failure("the program ended although the last answer was Cancel")
        # Every window is still there and unsaved: Exit asks about all three again.
        menu(main, "f", "x")
        exits(program, ["alt+n", "alt+n", "alt+n"])
        if any(name.startswith("DOC") for name in os.listdir(folder)):
            raise Failure("a window was saved although every answer was No")
        print("ok: Cancel at the last question at Exit left every window open and unsaved")
    finally:
        stop(program)


def main():
    mervan, _ = command_line(__doc__)
    try:
        for case in (close_during_load, changed_on_disk, saved_unchanged, hard_link_kept,
                     exit_cancelled):
            with tempfile.TemporaryDirectory() as folder:
                case(mervan, folder)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
