#!/usr/bin/env python3
"""A mervan-batch run killed while it writes its report leaves the folder as
it was: the data file and the earlier report, if any. The run is stopped while
it holds an unnamed file in the folder, then killed.
    killed_write.py MERVAN_BATCH"""
import os, random, signal, subprocess, sys, tempfile


def writing(pid, folder):
    fds = f"/proc/{pid}/fd"
    try:
        numbers = os.listdir(fds)
    except OSError:
        return None  # the run has ended
    for fd in numbers:
        try:
            target = os.readlink(f"{fds}/{fd}")
        except OSError:
            continue  # closed since the listing
        if target.startswith(folder + "/#") and target.endswith(" (deleted)"):
            return True
    return False


def stopped_while_writing(pid, folder):
    while True:
        now = writing(pid, folder)
        if now is None:
            return False
        if now:
            os.kill(pid, signal.SIGSTOP)
            # It may have given the file its name between the look and the
            # stop: then it is let finish, and the attempt does not count.
            if writing(pid, folder):
                return True
            os.kill(pid, signal.SIGCONT)
            return False


with tempfile.TemporaryDirectory() as folder:
    data, report = os.path.join(folder, "big.dat"), os.path.join(folder, "big.OUT")
    open(data, "w").write("\n".join("%.6f" % random.uniform(0, 1000) for _ in range(1000000)))
    for earlier in (None, "earlier report\n"):
        for attempt in range(10):  # a busy machine may miss the moment
            if earlier:
                open(report, "w").write(earlier)
            elif os.path.exists(report):
                os.remove(report)
            run = subprocess.Popen([sys.argv[1], "histogram", "--intervals", "10", data],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            caught = stopped_while_writing(run.pid, folder)
            if caught:
                run.kill()
            run.wait()
            if caught:
                break
        else:
            sys.exit("the run was never caught writing its report")
        left = sorted(os.listdir(folder))
        if left != (["big.OUT", "big.dat"] if earlier else ["big.dat"]) or (
                earlier and open(report).read() != earlier):
            sys.exit(f"a killed run left {left}, the earlier report {earlier!r} changed or gone")
print("killed while writing: nothing left behind")
