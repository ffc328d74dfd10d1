#!/usr/bin/env python3
"""A mervan-batch run killed while it writes its report leaves nothing
behind: the folder holds the data file and the earlier report, if there was
one, unchanged. The run is stopped once it holds an unnamed file in the
folder, then killed.
    killed_write.py MERVAN_BATCH"""
import os, random, signal, subprocess, sys, tempfile


def stopped_while_writing(pid, folder):
    """Stops the run while an unnamed file in folder is open; False if it
    ended first."""
    fds = f"/proc/{pid}/fd"
    while True:
        try:
            targets = [os.readlink(f"{fds}/{fd}") for fd in os.listdir(fds)]
        except OSError:
            return False
        if any(t.startswith(folder + "/#") and t.endswith(" (deleted)") for t in targets):
            os.kill(pid, signal.SIGSTOP)
            return True


batch = sys.argv[1]
with tempfile.TemporaryDirectory() as folder:
    data = os.path.join(folder, "big.dat")
    rng = random.Random(1)
    with open(data, "w") as f:
        f.write("\n".join("%.6f" % rng.uniform(0, 1000) for _ in range(1000000)))
    for earlier in (None, "earlier report\n"):
        for attempt in range(10):
            if earlier:
                with open(os.path.join(folder, "big.OUT"), "w") as f:
                    f.write(earlier)
            run = subprocess.Popen([batch, "histogram", "--intervals", "10", data],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            caught = stopped_while_writing(run.pid, folder)
            run.kill()
            run.wait()
            if caught:
                break
            if not earlier and os.path.exists(os.path.join(folder, "big.OUT")):
                os.remove(os.path.join(folder, "big.OUT"))
        else:
            sys.exit("the run was never caught writing its report")
        left = sorted(os.listdir(folder))
        expected = ["big.OUT", "big.dat"] if earlier else ["big.dat"]
        if left != expected:
            sys.exit(f"a killed run left {left}, not {expected}")
        if earlier and open(os.path.join(folder, "big.OUT")).read() != earlier:
            sys.exit("a killed run changed the earlier report")
print("killed while writing: nothing left behind")
