#!/usr/bin/env python3
"""Wall time of "*IDN?" through PyVISA (pyvisa-py, raw socket) and zk7416-gateway,
against the same query made with the driver directly (the zk7416 package), both on a
simulated instrument served by tarvolux-sim on a pseudo-terminal, unpaced.
Target: PyVISA within 1.1 times the driver's direct query.

    PYTHONPATH=build/python bench/pyvisa_idn.py build/bin/zk7416-gateway [QUERIES]
"""
import subprocess
import sys
import time

import pyvisa

import zk7416
from zk7416 import simulation

TARGET = 1.1


def per_query(ask, count):
    for _ in range(count // 10):  # warm up
        ask()
    begin = time.perf_counter()
    for _ in range(count):
        ask()
    return (time.perf_counter() - begin) / count


def main():
    gateway_program = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2000

    with zk7416.open_simulated("rs232") as meter:
        direct = per_query(lambda: meter.query("*IDN?"), count)

    simulator, pty = simulation._start_simulator([], wait=10.0)
    gateway = subprocess.Popen([gateway_program, "--port", pty, "--tcp-port", "0"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        port = gateway.stdout.readline().strip().rsplit(":", 1)[1]
        resources = pyvisa.ResourceManager("@py")
        visa = resources.open_resource(f"TCPIP0::127.0.0.1::{port}::SOCKET",
                                       read_termination="\n", write_termination="\n")
        through = per_query(lambda: visa.query("*IDN?"), count)
        visa.close()
        resources.close()
    finally:
        gateway.terminate()
        gateway.wait()
        simulation._stopper(simulator)()

    ratio = through / direct
    print(f"driver direct *IDN?:            {direct * 1e6:8.1f} us")
    print(f"PyVISA through the gateway:     {through * 1e6:8.1f} us")
    print(f"ratio {ratio:.3f} (target <= {TARGET}): {'met' if ratio <= TARGET else 'NOT met'}")
    return 0 if ratio <= TARGET else 1


if __name__ == "__main__":
    sys.exit(main())
