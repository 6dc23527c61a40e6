"""Shared set-up: the simulated instrument behind each door, and the gateway program.

The package comes from $PYTHONPATH (ctest points it at the build tree's copy)."""
import os
import shutil
import subprocess

import pytest

import zk7416

DOORS = ["rs232", "gpib"]
# The simulated resistor (ohms) unless a test sets another.
RESISTOR = 0.012345


@pytest.fixture(params=DOORS)
def meter(request):
    with zk7416.open_simulated(request.param, timeout=2.0) as instrument:
        yield instrument


@pytest.fixture
def serial_meter():
    with zk7416.open_simulated("rs232", timeout=1.0) as instrument:
        yield instrument


@pytest.fixture(params=DOORS)
def gateway(request):
    """zk7416-gateway --simulate on a free port; yields its port."""
    program = os.environ.get("ZK7416_GATEWAY") or shutil.which("zk7416-gateway")
    process = subprocess.Popen([program, f"--simulate={request.param}", "--tcp-port", "0"],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    endpoint = process.stdout.readline().strip()
    try:
        assert endpoint.startswith("127.0.0.1:"), process.stderr.read()
        yield int(endpoint.rsplit(":", 1)[1])
    finally:
        process.terminate()
        process.wait(10)
