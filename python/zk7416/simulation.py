"""A simulated instrument for tests, demonstrations and trying a script without
hardware, reached through the same doors as a real one: on RS-232 the simulator tool
``tarvolux-sim`` serves a pseudo-terminal that a COM number is pointed at; on GPIB the
driver binds the GPIB simulation library, which simulates the bus in this process."""
from __future__ import annotations

import os
import select
import shutil
import signal
import subprocess
from typing import List, Optional

from . import _driver
from . import instrument as _instrument
from ._driver import LOCK
from .instrument import GPIB, RS232, Instrument


def _location(name: str) -> Optional[str]:
    try:
        from . import _location as where
    except ImportError:
        return None
    path = getattr(where, name)
    return path if os.path.exists(path) else None


def simulator_program() -> str:
    """The ``tarvolux-sim`` tool: the one of this build or installation, else the first
    on $PATH."""
    found = _location("SIMULATOR") or shutil.which("tarvolux-sim")
    if not found:
        raise FileNotFoundError("tarvolux-sim not found (not built or installed, not on PATH)")
    return found


def gpib_simulation_library() -> str:
    """The GPIB simulation library: the one of this build or installation, else the one
    beside the driver (the build tree) or in its private folder (an installation)."""
    found = _location("GPIB_SIMULATION")
    if found:
        return found
    folder = os.path.dirname(_driver.library_path())
    for candidate in (os.path.join(folder, "libtarvolux_gpib_sim.so"),
                      os.path.join(folder, "ohm7416", "libtarvolux_gpib_sim.so")):
        if os.path.exists(candidate):
            return candidate
    raise FileNotFoundError("libtarvolux_gpib_sim.so not found beside " + folder)


def _start_simulator(arguments: List[str], wait: float) -> "tuple[subprocess.Popen, str]":
    """Starts tarvolux-sim and returns it with the pseudo-terminal it serves."""
    process = subprocess.Popen([simulator_program(), "--pty", *arguments], stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    assert process.stdout is not None
    ready, _, _ = select.select([process.stdout], [], [], wait)
    line = process.stdout.readline().decode().strip() if ready else ""
    if not line.startswith("/"):
        process.kill()
        _, error = process.communicate()
        raise RuntimeError("tarvolux-sim did not start: " + (error.decode().strip() or "no answer"))
    return process, line


def _stopper(process: subprocess.Popen):
    def stop() -> None:
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        for stream in (process.stdout, process.stderr):
            if stream:
                stream.close()
    return stop


def open_simulated(door: str = RS232, *, resistance: Optional[float] = None,
                   noise: Optional[float] = None, firmware: Optional[str] = None,
                   questionable: Optional[int] = None, pace: bool = False, timeout: float = 10.0, address: int = 7) -> Instrument:
    """An :class:`Instrument` connected to a simulated Tarvolux Typ 7416.

    ``door="rs232"`` (default) starts ``tarvolux-sim --pty`` as a child process and
    connects through its pseudo-terminal; closing the instrument ends the simulator.
    ``resistance`` and ``noise`` (ohms) set the simulated resistor, ``firmware``
    ``"old"`` or ``"new"`` its generation, ``questionable`` the causes (bits 7 ... 0)
    that make every value questionable, ``pace`` makes the line as slow as a real
    one at 9600 baud.

    ``door="gpib"`` binds the GPIB simulation library in this process (every address
    answers, ``address`` is used; it is reset, as the bus keeps its instruments for
    the life of the process). The driver binds one GPIB library per process, so
    this fails once a real GPIB connection was made, and afterwards every GPIB
    connection of this process reaches the simulation."""
    if door == RS232:
        arguments = []
        for option, value in (("--resistance", resistance), ("--noise", noise),
                              ("--firmware", firmware),
                              ("--questionable", None if questionable is None else f"{questionable:02X}")):
            if value is not None:
                arguments += [option, str(value)]
        if pace:
            arguments.append("--pace")
        process, pty = _start_simulator(arguments, wait=10.0)
        stop = _stopper(process)
        try:
            instrument = Instrument.open_serial(pty, timeout=timeout)
        except BaseException:
            stop()
            raise
        instrument._connection.on_close.append(stop)
        instrument.simulator = process
        return instrument
    if door != GPIB:
        raise ValueError(f"door is 'rs232' or 'gpib', not {door!r}")
    if pace or any(v is not None for v in (resistance, noise, firmware, questionable)):
        raise ValueError("the GPIB simulation takes no resistor, firmware or pacing settings")
    library = gpib_simulation_library()
    with LOCK:
        bound = _instrument.gpib_binding
        if bound not in (None, library):
            raise RuntimeError("the driver has bound another GPIB library in this process: "
                               + (bound or "libgpib.so.0"))
        before = os.environ.get("ZK7416_GPIB_LIBRARY")
        os.environ["ZK7416_GPIB_LIBRARY"] = library
        try:
            # The simulated bus keeps its instruments for the life of the process; a
            # reset gives each caller the instrument's default settings.
            return Instrument.open_gpib(address, timeout=timeout, reset=True)
        finally:
            # The binding is made; child processes keep the environment they had.
            if before is None:
                del os.environ["ZK7416_GPIB_LIBRARY"]
            else:
                os.environ["ZK7416_GPIB_LIBRARY"] = before
