#!/usr/bin/env python3
"""A mervan-batch run killed while it writes its report leaves the folder as
it was: the data file and the earlier report, if any. The run is stopped while
it holds an unnamed file in the folder, then killed.
    killed_write.py MERVAN_BATCH"""
import os, random, signal, subprocess, sys, tempfile


def stopped_while_writing(pid, folder):
    fds = f"/proc/{pid}/fd"
    while True:
        try:
            targets = [os.readlink(f"{fds}/{fd}") for fd in os.listdir(fds)]
        except OSError:
            return False  # the run ended first
        if any(t.startswith(folder + "/#") and t.endswith(" (deleted)") for t in targets):
            os.kill(pid, signal.SIGSTOP)
            return True


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
            run.kill(), run.wait()
            if caught:
                break
        else:
            sys.exit("the run was never caught writing its report")
        left = sorted(os.listdir(folder))
        if left != (["big.OUT", "big.dat"] if earlier else ["big.dat"]) or (
                earlier and open(report).read() != earlier):
            sys.exit(f"a killed run left {left}, the earlier report {earlier!r} changed or gone")
print("killed while writing: nothing left behind")
