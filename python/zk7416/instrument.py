"""The instrument over the driver: a connection on RS-232 or GPIB and the calls a
script needs, each a driver call (no command of the instrument is built here that the
driver builds itself)."""
from __future__ import annotations

import ctypes
import os
import subprocess
import time
import weakref
from typing import Callable, List, Optional, Tuple, Union

from . import _driver
from ._driver import LOCK, DriverError
from .values import (ComparatorMode, DataloggerBlock, MeasurementConfig, Reading,
                     Statistics, StoredValue, TemperatureCompensation, split_value,
                     stored_moment)

RS232 = "rs232"
GPIB = "gpib"

# The driver serves one transport at a time in a process (the last connection opened
# decides), so connections of both kinds must not be open at once.
_open_doors: "weakref.WeakSet[Instrument]" = weakref.WeakSet()
# COM numbers this process has pointed at a device path.
_claimed_ports: set = set()
# The driver binds one GPIB library per process, on its first GPIB connection: the
# $ZK7416_GPIB_LIBRARY of that moment ("" for the default library).
gpib_binding: Optional[str] = None


class InstrumentClosed(ValueError):
    """The instrument was closed (by close(), the end of a ``with`` block, or a line
    that died)."""


def _int_out(count: int) -> list:
    return [ctypes.c_int32(0) for _ in range(count)]


def _double_out(count: int) -> list:
    return [ctypes.c_double(0.0) for _ in range(count)]


def _refs(values: list) -> list:
    return [ctypes.byref(v) for v in values]


def gpib_timeout_code(seconds: float) -> int:
    """The NI-488.2 time-out code that waits at least ``seconds`` (11 = 1 s ...
    13 = 10 s ... 17 = 1000 s)."""
    for code, limit in enumerate((1, 3, 10, 30, 100, 300, 1000), start=11):
        if seconds <= limit:
            return code
    return 17


def _claim_com_port() -> int:
    """A COM number for a device given by path: one that neither $ZK7416_COM<n> (which
    would take precedence over the mapping) nor another connection of this process
    uses."""
    for port in range(1, 5):
        if not os.environ.get(f"ZK7416_COM{port}") and port not in _claimed_ports:
            _claimed_ports.add(port)
            return port
    raise RuntimeError("no free COM number 1-4 for a serial device path "
                       "(all are set by $ZK7416_COM<n> or in use)")


class _Connection:
    """The driver slot and what must go with it; closes at most once, also when the
    Instrument is garbage-collected without close()."""

    def __init__(self, handle: int, port: int = 0) -> None:
        self.handle = handle
        self.port = port
        self.on_close: List[Callable[[], None]] = []

    def close(self) -> None:
        with LOCK:
            _driver.library().zk7416_close(self.handle)
            if self.port:
                _driver.library().zk7416_set_com_device(self.port, b"")
                _claimed_ports.discard(self.port)
        for action in self.on_close:
            action()


class Instrument:
    """A connection to the Tarvolux Typ 7416.

    Open one with :meth:`open_serial`, :meth:`open_gpib` or
    :func:`zk7416.open_simulated`; use it as a context manager, which always closes.
    Every failing driver call raises :class:`DriverError` with the driver's status. A
    call that finds the line dead (status 230 or 231) closes the instrument before it
    raises, so a script is told once and no later call waits for a line that is gone;
    later calls raise :class:`InstrumentClosed`. No call waits longer than the
    transport time-out given when opening (``read`` waits as long as it is told)."""

    def __init__(self, handle: int, idn: str, door: str, timeout: float, port: int = 0) -> None:
        self._connection = _Connection(handle, port)
        self._finalizer = weakref.finalize(self, self._connection.close)
        self.idn = idn
        """The instrument's answer to ``*IDN?`` when it was connected."""
        self.door = door
        """``"rs232"`` or ``"gpib"``."""
        self.timeout = timeout
        """The transport time-out in seconds."""
        self.simulator: Optional[subprocess.Popen] = None
        """The simulator process serving this connection (open_simulated on RS-232)."""
        _open_doors.add(self)

    # ---- Connection ---------------------------------------------------------------

    @staticmethod
    def _check_door(door: str) -> None:
        other = [i.door for i in _open_doors if not i.closed and i.door != door]
        if other:
            raise RuntimeError(f"a {other[0]} connection is open: the driver serves one "
                               "transport at a time in a process")

    @classmethod
    def open_serial(cls, port: Union[int, str], baud: int = 9600, *, timeout: float = 10.0,
                    reset: bool = False) -> "Instrument":
        """Connects over RS-232: ``port`` is a COM number 1-4 (its device as
        $ZK7416_COM<n> or the driver's rule says) or a serial device path such as
        ``/dev/ttyUSB0``; ``baud`` 1200-38400; ``timeout`` seconds for every exchange.
        ``reset`` sends ``*RST`` first."""
        with LOCK:
            cls._check_door(RS232)
            lib = _driver.library()
            claimed = 0
            if isinstance(port, str):
                claimed = _claim_com_port()
                lib.zk7416_set_com_device(claimed, _driver.encode(port))
            try:
                return cls._open(RS232, timeout, claimed, lambda idn, handle: lib.zk7416_init_serial(
                    claimed or port, baud, timeout, idn, int(reset), handle))
            except BaseException:
                if claimed:
                    lib.zk7416_set_com_device(claimed, b"")
                    _claimed_ports.discard(claimed)
                raise

    @classmethod
    def open_gpib(cls, address: int, *, timeout: float = 10.0, reset: bool = False) -> "Instrument":
        """Connects over GPIB at primary ``address`` 0-30, through the NI-488.2 library
        the driver binds ($ZK7416_GPIB_LIBRARY, else Linux-GPIB's libgpib.so.0).
        ``timeout`` is rounded up to the next NI-488.2 time-out (1, 3, 10, 30 ... s)."""
        global gpib_binding
        with LOCK:
            cls._check_door(GPIB)
            lib = _driver.library()
            if gpib_binding is None:
                gpib_binding = os.environ.get("ZK7416_GPIB_LIBRARY", "")
            code = gpib_timeout_code(timeout)
            return cls._open(GPIB, timeout, 0, lambda idn, handle: lib.zk7416_init_gpib(
                address, code, int(reset), idn, handle))

    @classmethod
    def _open(cls, door: str, timeout: float, port: int,
              init: Callable[[ctypes.Array, object], int]) -> "Instrument":
        idn = ctypes.create_string_buffer(_driver.ANSWER_SIZE)
        handle = ctypes.c_int32(0)
        status = init(idn, ctypes.byref(handle))
        if status != 0:
            raise DriverError(status, what="connect")
        return cls(handle.value, _driver.decode(idn.value), door, timeout, port)

    def close(self) -> None:
        """Closes the connection (and a simulator started for it). Closing twice is
        harmless."""
        self._finalizer()

    @property
    def closed(self) -> bool:
        return not self._finalizer.alive

    def __enter__(self) -> "Instrument":
        return self

    def __exit__(self, *exc_info: object) -> None:
        self.close()

    def __repr__(self) -> str:
        state = "closed" if self.closed else self.door
        return f"<zk7416.Instrument {self.idn!r} ({state})>"

    def _call(self, what: str, function: str, *args: object, allow: Tuple[int, ...] = ()) -> int:
        """One driver call under the lock; raises for a failure not in ``allow``."""
        if self.closed:
            raise InstrumentClosed("the instrument is closed")
        status = getattr(_driver.library(), function)(self._connection.handle, *args)
        if status == 0 or status in allow:
            return status
        if status in _driver.LINE_LOST:
            self.close()
        raise DriverError(status, what=what)

    # ---- Messages --------------------------------------------------------------------

    def query(self, command: str) -> str:
        """Sends a query line and returns the answer line (Latin-1, without its end).
        A line the instrument cannot take (longer than 296 bytes, control characters,
        not Latin-1) raises ValueError and sends nothing."""
        answer = ctypes.create_string_buffer(_driver.ANSWER_SIZE)
        with LOCK:
            self._call(command, "zk7416_receive_scpi", _driver.command_line(command), answer)
        return _driver.decode(answer.value)

    def write(self, command: str) -> None:
        """Sends a command line that has no answer."""
        with LOCK:
            self._call(command, "zk7416_send_scpi", _driver.command_line(command))

    def system_error(self) -> int:
        """Empties the instrument's error queue; the oldest error number, 0 if none."""
        with LOCK:
            if self.closed:
                raise InstrumentClosed("the instrument is closed")
            number = _driver.library().zk7416_system_error(self._connection.handle)
            if number in _driver.LINE_LOST:
                self.close()
                raise DriverError(number, what="SYST:ERR?")
            return int(number)

    # ---- Measuring -------------------------------------------------------------------

    def start(self) -> None:
        """Starts measuring ("IN")."""
        with LOCK:
            self._call("start", "zk7416_meas_start")

    def stop(self) -> None:
        """Stops measuring ("AB")."""
        with LOCK:
            self._call("stop", "zk7416_meas_stop")

    def poll(self) -> Optional[Reading]:
        """The next value if there is one: None while the instrument has none yet
        (status 301 on RS-232). On GPIB this waits for the instrument's service request,
        at most the transport time-out. A questionable value is a Reading with its
        cause; an overload a Reading without a number."""
        text = ctypes.create_string_buffer(_driver.ANSWER_SIZE)
        with LOCK:
            status = self._call("read", "zk7416_meas_read_string", text,
                                allow=(_driver.EOT,) + tuple(_driver.QUESTIONABLE))
        if status == _driver.EOT:
            return None
        if status in _driver.QUESTIONABLE:
            return Reading.questionable(status)
        answer = _driver.decode(text.value)
        # A fetch that failed on RS-232 counts as no value yet; the driver says 0.
        return Reading.from_answer(answer) if answer else None

    def read(self, timeout: Optional[float] = None) -> Reading:
        """Waits for the next value, at most ``timeout`` seconds (default: the
        transport time-out); raises TimeoutError when none came."""
        limit = self.timeout if timeout is None else timeout
        deadline = time.monotonic() + limit
        while True:
            reading = self.poll()
            if reading is not None:
                return reading
            if time.monotonic() >= deadline:
                raise TimeoutError(f"no measured value within {limit:g} s")
            time.sleep(0.01)

    def measure(self, count: int = 1, timeout: Optional[float] = None) -> List[Reading]:
        """Starts a measurement, reads ``count`` values and stops it again; in single
        measurement mode each value gets its own start."""
        with LOCK:
            single = not self.measurement_config.continuous
            self.start()
            try:
                readings = []
                for number in range(count):
                    if number and single:
                        self.start()
                    readings.append(self.read(timeout))
                return readings
            finally:
                if not self.closed:
                    self.stop()

    # ---- Configuration --------------------------------------------------------------

    @property
    def range(self) -> int:
        """The range: 0 automatic, 1 200 mOhm, 2 2 Ohm ... 7 200 kOhm."""
        value = _int_out(1)
        with LOCK:
            self._call("range", "zk7416_get_config_range", *_refs(value))
        return value[0].value

    @range.setter
    def range(self, number: int) -> None:
        with LOCK:
            self._call("range", "zk7416_set_config_range", int(number))

    @property
    def auto_range_limits(self) -> Tuple[int, int]:
        """Lowest and highest range (1-7) of automatic ranging."""
        values = _int_out(2)
        with LOCK:
            self._call("auto range", "zk7416_get_config_auto_range", *_refs(values))
        return values[0].value, values[1].value

    @auto_range_limits.setter
    def auto_range_limits(self, limits: Tuple[int, int]) -> None:
        with LOCK:
            self._call("auto range", "zk7416_set_config_auto_range", int(limits[0]), int(limits[1]))

    @property
    def measurement_config(self) -> MeasurementConfig:
        """The measurement settings (averaging, load, continuous, volt limit, mode,
        integration time) read from the instrument; assign one to set them all."""
        values = _int_out(7)
        with LOCK:
            self._call("measurement configuration", "zk7416_get_config_meas", *_refs(values))
        v = [x.value for x in values]
        return MeasurementConfig(v[0], v[1], v[2], bool(v[3]), v[4], v[5], v[6])

    @measurement_config.setter
    def measurement_config(self, c: MeasurementConfig) -> None:
        with LOCK:
            self._call("measurement configuration", "zk7416_set_config_meas", c.averaging_type,
                       c.averaging_count, c.load, int(c.continuous), c.volt_limit, c.mode, c.nplc)

    @property
    def temperature(self) -> float:
        """The current temperature in degC."""
        value = _double_out(1)
        with LOCK:
            self._call("temperature", "zk7416_get_temp_value", *_refs(value))
        return value[0].value

    @property
    def temperature_compensation(self) -> TemperatureCompensation:
        """Temperature compensation settings; assign one to set them."""
        state, source = _int_out(2)
        reference, manual = _double_out(2)
        with LOCK:
            self._call("temperature compensation", "zk7416_get_config_temp_compensation",
                       *_refs([state, source, reference, manual]))
        return TemperatureCompensation(bool(state.value), source.value, reference.value, manual.value)

    @temperature_compensation.setter
    def temperature_compensation(self, t: TemperatureCompensation) -> None:
        with LOCK:
            self._call("temperature compensation", "zk7416_set_config_temp_compensation",
                       int(t.enabled), t.source, t.reference, t.manual)

    # ---- Comparator -----------------------------------------------------------------

    @property
    def comparator_mode(self) -> ComparatorMode:
        """Comparator on/off, relative limits, fault above the upper limit."""
        values = _int_out(3)
        with LOCK:
            self._call("comparator", "zk7416_get_config_comparator_mode", *_refs(values))
        return ComparatorMode(*(bool(v.value) for v in values))

    @comparator_mode.setter
    def comparator_mode(self, m: ComparatorMode) -> None:
        with LOCK:
            self._call("comparator", "zk7416_set_config_comparator_mode", int(m.enabled),
                       int(m.relative), int(m.fault_upper))

    @property
    def limits(self) -> Tuple[float, float]:
        """The two comparator limits (lower, upper) in ohms."""
        values = _double_out(2)
        with LOCK:
            self._call("limits", "zk7416_get_config_2_limit_comparator", *_refs(values))
        return values[0].value, values[1].value

    @limits.setter
    def limits(self, limits: Tuple[float, float]) -> None:
        with LOCK:
            self._call("limits", "zk7416_set_config_2_limit_comparator", *map(float, limits))

    @property
    def limits4(self) -> Tuple[float, float, float, float]:
        """The four comparator limits in ohms."""
        values = _double_out(4)
        with LOCK:
            self._call("limits", "zk7416_get_config_4_limit_comparator", *_refs(values))
        return tuple(v.value for v in values)  # type: ignore[return-value]

    @limits4.setter
    def limits4(self, limits: Tuple[float, float, float, float]) -> None:
        with LOCK:
            self._call("limits", "zk7416_set_config_4_limit_comparator", *map(float, limits))

    def comparator_counts(self) -> Tuple[int, ...]:
        """The comparator's class counts in the order the instrument lists them: three
        with two limits, five with four."""
        with LOCK:
            four = self.query("CALC:LIM:COUN?").strip() == "4"
            counts = _int_out(5 if four else 3)
            report = "zk7416_comparator_4_limit_report" if four else "zk7416_comparator_2_limit_report"
            self._call("comparator counts", report, *_refs(counts))
        return tuple(c.value for c in counts)

    def clear_comparator(self) -> None:
        """Sets the comparator counts to zero."""
        with LOCK:
            self._call("comparator", "zk7416_comparator_clear")

    # ---- Datalogger -----------------------------------------------------------------

    @property
    def datalogger_enabled(self) -> bool:
        """Whether measured values are stored in the active datalogger block."""
        state = _int_out(1)
        with LOCK:
            self._call("datalogger", "zk7416_get_datalogger_state", *_refs(state))
        return bool(state[0].value)

    @datalogger_enabled.setter
    def datalogger_enabled(self, on: bool) -> None:
        with LOCK:
            self._call("datalogger", "zk7416_set_datalogger_state", int(on))

    @property
    def datalogger_block(self) -> int:
        """The active datalogger block (0-31), where measured values are stored."""
        block = _int_out(1)
        with LOCK:
            self._call("datalogger block", "zk7416_get_active_datalogger_block", *_refs(block))
        return block[0].value

    @datalogger_block.setter
    def datalogger_block(self, block: int) -> None:
        with LOCK:
            self._call("datalogger block", "zk7416_set_active_datalogger_block", 0, block, b"")

    def datalogger_block_size(self, block: int, size: Optional[int] = None) -> int:
        """The capacity (values, 0-20000) of datalogger block 0-31; sets it first when
        ``size`` is given."""
        value = _int_out(1)
        with LOCK:
            if size is not None:
                self._call("datalogger block size", "zk7416_set_datalogger_block_size", block, size)
            self._call("datalogger block size", "zk7416_get_datalogger_block_size", block,
                       *_refs(value))
        return value[0].value

    def clear_datalogger_block(self, block: int) -> None:
        """Deletes the values stored in datalogger block 0-31."""
        with LOCK:
            self._call("datalogger", "zk7416_datalogger_clear_block", block)

    def datalogger_count(self, block: int) -> int:
        """Number of values stored in datalogger block 0-31."""
        count = _int_out(1)
        with LOCK:
            self._call("datalogger count", "zk7416_datalogger_read_num_counts", block, *_refs(count))
        return count[0].value

    def read_datalogger(self, block: int, first: int = 1, last: Optional[int] = None,
                        statistics: bool = True) -> DataloggerBlock:
        """Reads the stored values ``first`` ... ``last`` (default: all) of datalogger
        block 0-31, each with the moment it was stored, and the block's statistics."""
        result = DataloggerBlock(block)
        with LOCK:
            last = self.datalogger_count(block) if last is None else last
            for number in range(first, last + 1):
                value = ctypes.create_string_buffer(_driver.VALUE_SIZE)
                date = ctypes.create_string_buffer(_driver.DATE_SIZE)
                moment = ctypes.create_string_buffer(_driver.TIME_SIZE)
                self._call(f"datalogger value {number}", "zk7416_datalogger_read_block", block,
                           number, value, date, moment)
                text = _driver.decode(value.value)
                result.values.append(StoredValue(number, text, split_value(text)[2], stored_moment(
                    _driver.decode(date.value), _driver.decode(moment.value))))
            if statistics:
                result.statistics = self._statistics(block)
        return result

    def _statistics(self, block: int) -> Statistics:
        texts = [ctypes.create_string_buffer(_driver.STATISTICS_SIZE) for _ in range(4)]
        self._call("datalogger statistics", "zk7416_datalogger_read_eval_values", block, *texts)
        decoded = tuple(_driver.decode(t.value) for t in texts)
        ohms = [split_value(t)[2] for t in decoded]
        return Statistics(decoded, *ohms)  # type: ignore[arg-type]
