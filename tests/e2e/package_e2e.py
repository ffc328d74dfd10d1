#!/usr/bin/env python3
"""The Debian package: builds it with cpack, unpacks it into a scratch root
with dpkg -x, runs the console companion from there and finds the help files,
the desktop entry, the icon, the AppStream file and the manual page.

    package_e2e.py BUILD_DIR MERVAN_BATCH
"""

import glob
import os
import subprocess
import sys
import tempfile


class Failure(Exception):
    pass


def run(args, **kw):
    done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=300, **kw)
    if done.returncode != 0:
        raise Failure("%s exited with %d:\n%s%s" % (" ".join(args), done.returncode,
                                                    done.stdout.decode(errors="replace"),
                                                    done.stderr.decode(errors="replace")))
    return done.stdout


def main():
    build, batch = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "out")
        run(["cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out])
        debs = glob.glob(os.path.join(out, "*.deb"))
        if len(debs) != 1:
            raise Failure("cpack made %r instead of one .deb" % debs)
        control = run(["dpkg-deb", "-f", debs[0], "Package", "Depends"]).decode()
        for wanted in ("Package: mervan", "libqt6widgets6", "libc6"):
            if wanted not in control:
                raise Failure("the package's control lacks %r:\n%s" % (wanted, control))
        print("ok: %s, %s" % (os.path.basename(debs[0]), control.splitlines()[-1][:80]))

        root = os.path.join(work, "root")
        run(["dpkg", "-x", debs[0], root])
        usr = os.path.join(root, "usr")
        shown = run([os.path.join(usr, "bin", "mervan-batch"), "t", "0.05", "10"])
        if b"Critical value = 1.81" not in shown or shown != run([batch, "t", "0.05", "10"]):
            raise Failure("the installed mervan-batch printed %r" % shown)
        print("ok: the installed mervan-batch t 0.05 10 gives the critical value 1.81")

        share = os.path.join(usr, "share")
        for name in ("mervan/mervan.hlp", "mervan/Ombrelay.hlp"):
            with open(os.path.join(share, name), "rb") as f, \
                    open(os.path.join(build, "share", name), "rb") as g:
                if f.read() != g.read():
                    raise Failure("the installed %s differs from the build's" % name)
        if not os.access(os.path.join(usr, "bin", "mervan"), os.X_OK):
            raise Failure("no program in usr/bin")
        app_id = "io.github.mervan_stats.mervan"
        desktop = os.path.join(share, "applications", app_id + ".desktop")
        metainfo = os.path.join(share, "metainfo", app_id + ".metainfo.xml")
        for path in (desktop, metainfo, os.path.join(share, "icons/hicolor/scalable/apps", app_id + ".svg"),
                     os.path.join(share, "man/man1/mervan-batch.1")):
            if not os.path.isfile(path):
                raise Failure("the package lacks %s" % os.path.relpath(path, root))
        print("ok: help files in /usr/share/mervan, desktop entry, icon, metainfo and manual page")

        # Hints count too; of AppStream's notes only one is allowed: appstream
        # before 1.0 does not know the developer tag. Validating the tree also
        # finds the desktop entry that the AppStream file launches.
        hints = run(["desktop-file-validate", desktop]).decode().strip()
        if hints:
            raise Failure("desktop-file-validate: %s" % hints)
        notes = [line.strip() for line in run(["appstreamcli", "validate-tree", "--pedantic", "--no-net",
                                               root]).decode().splitlines()
                 if line.strip()[:3] in ("E: ", "W: ", "I: ", "P: ")
                 and not line.endswith(" unknown-tag developer")]
        if notes:
            raise Failure("appstreamcli validate-tree --pedantic: %s" % "\n".join(notes))
        page = run(["man", "-l", os.path.join(share, "man/man1/mervan-batch.1")],
                   env=dict(os.environ, MANWIDTH="80", MAN_KEEP_FORMATTING="0"))
        if b"mervan-batch" not in page:
            raise Failure("the manual page does not render")
        print("ok: desktop-file-validate, appstreamcli validate-tree --pedantic and man accept the files")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
