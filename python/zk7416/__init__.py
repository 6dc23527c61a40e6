"""The Tarvolux Typ 7416 four-wire low-resistance meter from Python.

A thin, typed layer over the instrument driver ``libzk7416.so.1`` (ctypes; nothing to
compile)::

    import zk7416

    with zk7416.Instrument.open_serial("/dev/ttyUSB0", 9600) as meter:
        print(meter.idn)
        meter.range = 0                       # automatic ranging
        for reading in meter.measure(5):
            print(reading.ohms)

    with zk7416.open_simulated() as meter:    # no hardware needed
        print(meter.query("*IDN?"))

The library is ``$ZK7416_LIBRARY`` if set, else the one of the build or installation
this package belongs to, else whatever the dynamic loader finds. Every failing call
raises :class:`DriverError` with the driver's status and text. The driver serves one
connection transport per process at a time; all calls are serialised by one lock, so
threads may share an instrument.

Backing up and restoring the instrument's stored settings memories is not here: that
work (and its file format) belongs to the program's settings layer, not to the driver;
use ``ohm7416ctl backup FILE`` and ``ohm7416ctl restore FILE``.
"""
from ._driver import DriverError, library_path, status_text
from .instrument import GPIB, RS232, Instrument, InstrumentClosed
from .simulation import open_simulated
from .values import (ComparatorMode, DataloggerBlock, MeasurementConfig, Reading,
                     Statistics, StoredValue, TemperatureCompensation)

__all__ = [
    "ComparatorMode", "DataloggerBlock", "DriverError", "GPIB", "Instrument",
    "InstrumentClosed", "MeasurementConfig", "RS232", "Reading", "Statistics",
    "StoredValue", "TemperatureCompensation", "library_path", "open_simulated",
    "status_text",
]
