"""Driving the real program under an X server from outside: openbox manages
the windows, xdotool finds them, hands them the keyboard and types; xclip
reads the clipboard. Shared by the end-to-end tests."""

import atexit
import os
import shutil
import subprocess
import sys
import tempfile
import time


class Failure(Exception):
    pass


def command_line(usage):
    """The program and its console companion named on the command line. Ends
    the test with status 2 on a wrong command line (after printing usage), and
    with 1 when xdotool, xclip, openbox or the X display are missing."""
    if len(sys.argv) != 3:
        print(usage)
        sys.exit(2)
    for tool in ("xdotool", "xclip", "openbox"):
        if not shutil.which(tool):
            print("FAIL: %s is not installed (scripts/setup-debian.sh installs it)" % tool)
            sys.exit(1)
    if not os.environ.get("DISPLAY"):
        print("FAIL: no DISPLAY; run this under xvfb-run -a")
        sys.exit(1)
    return sys.argv[1], sys.argv[2]


_window_manager = None


def start_window_manager():
    """Starts openbox on the X server once, as a user's desktop would have a
    window manager: it maps, stacks and focuses the windows."""
    global _window_manager
    if _window_manager is not None:
        return
    _window_manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
    atexit.register(stop, _window_manager)
    time.sleep(0.5)
    if _window_manager.poll() is not None:
        raise Failure("openbox ended at once (status %d)" % _window_manager.returncode)


def start(mervan, cwd=None, args=(), config=None):
    """Starts the program on the X server under the window manager, whatever
    platform the test runner chose for Qt. Its settings live in config, by
    default a folder of its own that no other run sees."""
    start_window_manager()
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    if config is None:
        config = tempfile.mkdtemp(prefix="mervan-config-")
        atexit.register(shutil.rmtree, config, True)
    env["XDG_CONFIG_HOME"] = config
    return subprocess.Popen([mervan] + list(args), env=env, cwd=cwd)


def run(args, timeout=10, check=True):
    try:
        done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure("%s did not finish within %d s" % (" ".join(args), timeout))
    if check and done.returncode != 0:
        raise Failure("%s failed (%d): %s" % (" ".join(args), done.returncode,
                                              done.stderr.decode(errors="replace").strip()))
    return done


def visible_windows(title):
    """Ids of the mapped windows whose name is exactly title."""
    pattern = "^" + "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in title) + "$"
    done = run(["xdotool", "search", "--onlyvisible", "--name", pattern], check=False)
    return [line for line in done.stdout.decode().split() if line]


def wait_for(what, condition, timeout, program=None):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        if program is not None and program.poll() is not None:
            raise Failure("the program ended (status %d) while waiting for %s" % (program.returncode, what))
        time.sleep(0.05)
    raise Failure("timed out after %.0f s waiting for %s" % (timeout, what))


def focus(window, settle=0.3):
    """Hands the window the keyboard, wherever the window manager put it."""
    run(["xdotool", "windowfocus", window], check=False)
    time.sleep(settle)


def wait_for_window(title, program, timeout=15):
    ids = wait_for("the window \"%s\"" % title, lambda: visible_windows(title), timeout, program)
    window = ids[-1]
    focus(window)
    return window


def choose_file(title, path, program, delay=40):
    """Types path over the name in the file dialog title and takes it."""
    wait_for_window(title, program)
    key("ctrl+a")
    type_text(path, delay)
    key("Return")


def key(*keys):
    run(["xdotool", "key", "--delay", "60"] + list(keys))


def type_text(text, delay=40):
    run(["xdotool", "type", "--delay", str(delay), text])


def clipboard(target=None):
    """The clipboard's contents (as the given type, e.g. "image/png"), or None."""
    done = run(["xclip", "-selection", "clipboard"] + (["-t", target] if target else []) + ["-o"],
               timeout=10, check=False)
    return done.stdout if done.returncode == 0 else None


def menu(frame, bar_key, item_key):
    """Opens a menu of the frame with alt+bar_key and picks the item with item_key."""
    focus(frame, 0.2)
    key("alt+" + bar_key)
    time.sleep(0.4)
    key(item_key)


def exit_by_menu(program, frame):
    """File > Exit from the frame must end the program with status 0."""
    menu(frame, "f", "x")
    try:
        status = program.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("File > Exit did not end the program")
    if status != 0:
        raise Failure("the program ended with status %d" % status)
    print("ok: File > Exit ended the program")


def stop(program):
    """Ends the program (or the window manager) if a failed test left it running."""
    if program.poll() is None:
        program.terminate()
        try:
            program.wait(timeout=5)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()


def print_to_pdf(program, path, timeout=15):
    """Drives the print dialog that is up: picks Print to File (PDF), the last
    entry of its printer list, types path as the output file and presses Print.
    Returns the PDF's bytes once the program has written all of it."""
    wait_for_window("Print", program)
    key("alt+n", "End", "alt+f", "ctrl+a")
    type_text(path, 20)
    key("Return")
    wait_for("the print dialog to close", lambda: not visible_windows("Print"), timeout, program)

    def written():
        if not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            data = f.read()
        return data if data.rstrip().endswith(b"%%EOF") else None
    return wait_for("the PDF file %s" % path, written, timeout, program)
