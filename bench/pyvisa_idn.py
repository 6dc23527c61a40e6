#!/usr/bin/env python3
"""Wall time of "*IDN?" through PyVISA (pyvisa-py, raw socket) and zk7416-gateway,
against the same query made with the driver directly (the zk7416 package). Each path
has a simulated instrument of its own, served by tarvolux-sim on a pseudo-terminal;
the two are measured in alternating rounds and the medians compared, so a machine
busy with other work weighs on both alike.
Target: PyVISA within 1.1 times the driver's direct query, simulator unpaced. For
scale, the same with the simulator paced like a real line at 9600 baud.

    PYTHONPATH=build/python bench/pyvisa_idn.py build/bin/zk7416-gateway [QUERIES]
"""
import statistics
import subprocess
import sys
import time

import pyvisa

import zk7416
from zk7416 import simulation

TARGET = 1.1


def timed(ask, count):
    begin = time.perf_counter()
    for _ in range(count):
        ask()
    return (time.perf_counter() - begin) / count


def compare(gateway_program, count, rounds, pace):
    options = ["--pace"] if pace else []
    simulator, pty = simulation._start_simulator(options, wait=10.0)
    gateway = subprocess.Popen([gateway_program, "--port", pty, "--tcp-port", "0"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    resources = pyvisa.ResourceManager("@py")
    try:
        port = gateway.stdout.readline().strip().rsplit(":", 1)[1]
        visa = resources.open_resource(f"TCPIP0::127.0.0.1::{port}::SOCKET",
                                       read_termination="\n", write_termination="\n")
        with zk7416.open_simulated("rs232", pace=pace) as meter:
            direct, through = [], []
            for _ in range(rounds + 1):
                direct.append(timed(lambda: meter.query("*IDN?"), count))
                through.append(timed(lambda: visa.query("*IDN?"), count))
        visa.close()
    finally:
        resources.close()
        gateway.terminate()
        gateway.wait()
        simulation._stopper(simulator)()
    # The first round warms up.
    return statistics.median(direct[1:]), statistics.median(through[1:])


def main():
    gateway_program = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    met = True
    for pace, queries, rounds in ((False, count, 10), (True, 3, 3)):
        direct, through = compare(gateway_program, queries, rounds, pace)
        ratio = through / direct
        title = "paced at 9600 baud" if pace else "unpaced"
        verdict = "" if pace else f" (target <= {TARGET}: {'met' if ratio <= TARGET else 'NOT met'})"
        met = met and (pace or ratio <= TARGET)
        print(f"{title:19} driver direct {direct * 1e6:9.1f} us   PyVISA via gateway "
              f"{through * 1e6:9.1f} us   ratio {ratio:.3f}{verdict}")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
