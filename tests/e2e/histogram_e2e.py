#!/usr/bin/env python3
"""Runs "Histogram data" in the real program under an X server, as a user would.

Starts bin/mervan, picks Statistics > Histogram data, unchecks the centring,
types 3 intervals from 1, right-closed, as density, opens a data file, finds one
results window, captioned with the report's path, that holds the picture and
the report. The report file beside the data file must equal the console
companion's for the same file; the picture saved from the window with Ctrl+S
must equal the console companion's picture file, and the picture copied to
the clipboard must be drawn at twice its size; the report copied from the
window must be the report's text. The results window stays while the frame
window has the focus. Ends with File > Exit.

Run it under an X server of its own:
    xvfb-run -a -s "-screen 0 1366x768x24" python3 histogram_e2e.py MERVAN MERVAN_BATCH
"""

import os
import shutil
import struct
import sys
import tempfile
import time
import zlib

from xdriver import (Failure, choose_file, clipboard, command_line, exit_by_menu, focus, key, menu, run,
                     start, stop, type_text, visible_windows, wait_for, wait_for_window)

DATA = b"1.2 2.4 2.4 3.1 4.0\r\n2.9 3.3\r\n1.7, 2.2\r\n"


def png_pixels(data):
    """(width, height, rows of (r, g, b)) of an 8-bit, non-interlaced PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise Failure("not a PNG picture")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise Failure("unexpected PNG layout: depth %d, colour type %d" % (depth, colour))
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return width, height, rows


def main():
    mervan, batch = command_line(__doc__)

    work = tempfile.mkdtemp(prefix="mervan-histogram-")
    data = os.path.join(work, "Survey.dat")
    report = os.path.join(work, "Survey.OUT")
    with open(data, "wb") as f:
        f.write(DATA)
    # The console companion's report and picture of a copy of the same file.
    os.mkdir(os.path.join(work, "batch"))
    batch_data = os.path.join(work, "batch", "Survey.dat")
    shutil.copyfile(data, batch_data)
    batch_picture = os.path.join(work, "batch", "picture.png")

    program = start(mervan, cwd=work)
    try:
        run([batch, "histogram", "--intervals", "3", "--no-center", "--anchor", "1", "--right-closed",
             "--scale", "density", "--picture", batch_picture, batch_data], timeout=30)
        frame = wait_for("the main window", lambda: visible_windows("Mervan"), 30, program)[0]
        wait_for("the splash box to go", lambda: not visible_windows("About Mervan"), 10, program)
        focus(frame)

        menu(frame, "s", "h")
        wait_for_window("Histogram data", program)
        # The focus starts in the entry field: a bad entry first, then the
        # message's Enter brings the focus back to the entry, its text selected,
        # so typing replaces it. Shift+Tab to the centring box unchecks it.
        type_text("0")
        key("Return")
        wait_for("the message", lambda: not visible_windows("Histogram data"), 10, program)
        time.sleep(0.5)
        key("Return")
        wait_for_window("Histogram data", program)
        # Tab on to the start of the first class and the lists below it.
        type_text("3")
        key("shift+Tab", "space", "Tab", "Tab")
        type_text("1")
        key("Tab", "Down", "Tab", "Down", "Down")
        key("Return")

        choose_file("Open Data File", data, program)

        # One results window, captioned with the report's path as it is on
        # disk, and no other viewer.
        results = wait_for_window(report, program)
        if len(visible_windows(report)) != 1 or visible_windows("Graphics viewer"):
            raise Failure("the analysis did not end in one results window")
        with open(report, "rb") as f:
            written = f.read()
        with open(os.path.join(work, "batch", "Survey.OUT"), "rb") as f:
            expected = f.read()
        if written != expected:
            raise Failure("the report differs from mervan-batch's:\n%r\n%r" % (written[:400], expected[:400]))
        if not written.startswith(b"                            Random Error Distribution\n"):
            raise Failure("the report does not start with its title: %r" % written[:80])
        print("ok: report written (%d bytes), results shown in \"%s\"" % (len(written), report))

        # The picture has the focus: Ctrl+S saves it through the save dialog.
        saved_picture = os.path.join(work, "saved.png")
        key("ctrl+s")
        wait_for_window("Save Picture As", program)
        key("ctrl+a")
        type_text(saved_picture)
        key("Return")
        wait_for("the saved picture", lambda: os.path.exists(saved_picture), 10, program)
        focus(results)
        with open(saved_picture, "rb") as f:
            width, height, shown = png_pixels(f.read())
        with open(batch_picture, "rb") as f:
            drawn_size = png_pixels(f.read())
        if (width, height) != (720, 540) or drawn_size[:2] != (720, 540):
            raise Failure("the saved picture is %d x %d" % (width, height))
        differing = sum(1 for y in range(height) for x in range(width) if shown[y][x] != drawn_size[2][y][x])
        if differing:
            raise Failure("%d pixels of the saved picture differ from mervan-batch's picture" % differing)
        bars = sum(row.count((214, 160, 160)) for row in shown)
        blue = sum(row.count((0, 0, 255)) for row in shown)
        if bars < 1000 or blue < 100:
            raise Failure("the picture lacks bars or curve (%d bar, %d blue pixels)" % (bars, blue))
        print("ok: picture saved from the window equals mervan-batch's picture")

        # Tab to the picture's Copy button; the message that follows bears
        # the program's title, like the frame.
        key("Tab", "Tab", "space")
        boxes = wait_for("the copy message",
                         lambda: [i for i in visible_windows("Mervan") if i != frame], 10, program)
        focus(boxes[-1])
        key("Return")
        wait_for("the copy message to close",
                 lambda: not [i for i in visible_windows("Mervan") if i != frame], 10, program)
        copied = wait_for("the picture on the clipboard", lambda: clipboard("image/png"), 10, program)
        if struct.unpack(">II", copied[16:24]) != (1440, 1080):
            raise Failure("the copied picture is %d x %d" % struct.unpack(">II", copied[16:24]))
        print("ok: picture copied at twice its size")

        # On past Save and the report's text to the report's Copy button.
        focus(results)
        key("Tab", "Tab", "Tab", "space")
        text = wait_for("the report on the clipboard",
                        lambda: (lambda t: t if t and t.startswith(b" ") else None)(clipboard("UTF8_STRING")),
                        10, program)
        if text.rstrip(b"\n") != written.rstrip(b"\n"):
            raise Failure("the copied report differs from the file:\n%r" % text[:200])
        print("ok: report copied from the window")

        # Another window of the program taking the focus leaves it in place.
        focus(frame, 0.5)
        if not visible_windows(report):
            raise Failure("the results window went when the frame took the focus")
        print("ok: the results window stays while the frame has the focus")
        run(["xdotool", "windowclose", results], check=False)
        wait_for("the results window to close", lambda: not visible_windows(report), 10, program)

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
