"""The Tarvolux Typ 7416 as a PyMeasure instrument, over the zk7416 package (so over
the driver, on RS-232 or GPIB alike)::

    from zk7416.pymeasure import Typ7416

    meter = Typ7416.simulated()               # or Typ7416(zk7416.Instrument.open_gpib(7))
    meter.range = "AUTO"
    meter.integration_time = "MED"
    meter.averaging = 10
    print(meter.resistance)                   # ohms, next measured value
    meter.shutdown()

Needs PyMeasure (Debian's python3-pymeasure); the rest of the package does not.
"""
from __future__ import annotations

from typing import Any, Optional, Tuple

from pymeasure.adapters import Adapter
from pymeasure.instruments import Instrument as _PyMeasureInstrument
from pymeasure.instruments.validators import strict_discrete_set, strict_range

from ._driver import LOCK
from .instrument import Instrument
from .simulation import open_simulated
from .values import ComparatorMode, TemperatureCompensation

RANGES = ("AUTO", "200MOHM", "2OHM", "20OHM", "200OHM", "2KOHM", "20KOHM", "200KOHM")
INTEGRATION_TIMES = ("MIN", "MED", "MAX", "STAN")
TEMPERATURE_SOURCES = ("MANUAL", "PT100", "VOLTAGE", "CURRENT")


class DriverAdapter(Adapter):
    """PyMeasure's adapter over a zk7416 Instrument: each ask is one query through the
    driver (the instrument's transports have no separate read of an answer)."""

    def __init__(self, meter: Instrument, **kwargs: Any) -> None:
        super().__init__(**kwargs)
        self.connection = meter  # PyMeasure closes it when the adapter goes

    def write(self, command: str) -> None:
        self.connection.write(command)

    def ask(self, command: str) -> str:
        return self.connection.query(command)

    def read(self) -> str:
        raise NotImplementedError("the Typ 7416 answers only within a query: use ask()")

    def __repr__(self) -> str:
        return f"<DriverAdapter {self.connection!r}>"


class Typ7416(_PyMeasureInstrument):
    """Tarvolux Typ 7416 four-wire low-resistance meter.

    ``meter`` is an open :class:`zk7416.Instrument`; :meth:`simulated` makes one with
    the simulated instrument. Properties read and set the instrument through the
    driver's settings calls; ``resistance`` is the next measured value in ohms."""

    def __init__(self, meter: Instrument, name: str = "Tarvolux Typ 7416", **kwargs: Any) -> None:
        super().__init__(DriverAdapter(meter), name, includeSCPI=True, **kwargs)
        self.meter = meter
        self._measuring = False

    @classmethod
    def simulated(cls, **options: Any) -> "Typ7416":
        """The meter on a simulated instrument (options as :func:`zk7416.open_simulated`)."""
        return cls(open_simulated(**options))

    # ---- Settings ----------------------------------------------------------------------

    @property
    def range(self) -> str:
        """Measuring range: "AUTO", "200MOHM", "2OHM", ... "200KOHM"."""
        return RANGES[self.meter.range]

    @range.setter
    def range(self, value: str) -> None:
        self.meter.range = RANGES.index(strict_discrete_set(str(value).upper(), RANGES))

    def _change_config(self, **changes: Any) -> None:
        with LOCK:
            config = self.meter.measurement_config
            for name, value in changes.items():
                setattr(config, name, value)
            self.meter.measurement_config = config

    @property
    def averaging(self) -> int:
        """Number of conversions averaged, 0-100 (0: no averaging)."""
        return self.meter.measurement_config.averaging_count

    @averaging.setter
    def averaging(self, count: int) -> None:
        self._change_config(averaging_count=int(strict_range(count, (0, 100))))

    @property
    def integration_time(self) -> str:
        """Integration time: "MIN", "MED", "MAX" or "STAN"."""
        return INTEGRATION_TIMES[self.meter.measurement_config.nplc]

    @integration_time.setter
    def integration_time(self, value: str) -> None:
        value = strict_discrete_set(str(value).upper(), INTEGRATION_TIMES)
        self._change_config(nplc=INTEGRATION_TIMES.index(value))

    @property
    def comparator_enabled(self) -> bool:
        """Whether the comparator classifies the measured values."""
        return self.meter.comparator_mode.enabled

    @comparator_enabled.setter
    def comparator_enabled(self, on: bool) -> None:
        with LOCK:
            mode = self.meter.comparator_mode
            self.meter.comparator_mode = ComparatorMode(bool(on), mode.relative, mode.fault_upper)

    @property
    def comparator_limits(self) -> Tuple[float, float]:
        """The two comparator limits (lower, upper) in ohms."""
        return self.meter.limits

    @comparator_limits.setter
    def comparator_limits(self, limits: Tuple[float, float]) -> None:
        low, upp = (float(v) for v in limits)
        if low >= upp:
            raise ValueError(f"the lower limit {low} is not below the upper limit {upp}")
        self.meter.limits = (low, upp)

    @property
    def comparator_counts(self) -> Tuple[int, ...]:
        """The comparator's class counts (three with two limits)."""
        return self.meter.comparator_counts()

    @property
    def temperature_compensation(self) -> bool:
        """Whether temperature compensation is on."""
        return self.meter.temperature_compensation.enabled

    @temperature_compensation.setter
    def temperature_compensation(self, on: bool) -> None:
        with LOCK:
            t = self.meter.temperature_compensation
            self.meter.temperature_compensation = TemperatureCompensation(
                bool(on), t.source, t.reference, t.manual)

    @property
    def temperature_source(self) -> str:
        """Source of the compensation temperature: "MANUAL", "PT100", "VOLTAGE",
        "CURRENT"."""
        return TEMPERATURE_SOURCES[self.meter.temperature_compensation.source]

    @temperature_source.setter
    def temperature_source(self, value: str) -> None:
        source = TEMPERATURE_SOURCES.index(
            strict_discrete_set(str(value).upper(), TEMPERATURE_SOURCES))
        with LOCK:
            t = self.meter.temperature_compensation
            self.meter.temperature_compensation = TemperatureCompensation(
                t.enabled, source, t.reference, t.manual)

    @property
    def reference_temperature(self) -> float:
        """Reference temperature of the compensation in degC."""
        return self.meter.temperature_compensation.reference

    @reference_temperature.setter
    def reference_temperature(self, value: float) -> None:
        value = strict_range(float(value), (-9999.9, 9999.9))
        with LOCK:
            t = self.meter.temperature_compensation
            self.meter.temperature_compensation = TemperatureCompensation(
                t.enabled, t.source, value, t.manual)

    @property
    def temperature(self) -> float:
        """The current temperature in degC."""
        return self.meter.temperature

    # ---- Measuring -----------------------------------------------------------------------

    def start(self) -> None:
        """Starts measuring continuously; ``resistance`` then reads the running values."""
        self.meter.start()
        self._measuring = True

    def stop(self) -> None:
        self.meter.stop()
        self._measuring = False

    @property
    def resistance(self) -> Optional[float]:
        """The next measured value in ohms; None for an overload or a questionable
        value. Without :meth:`start` a single value is measured."""
        reading = self.meter.read() if self._measuring else self.meter.measure(1)[0]
        return reading.ohms if reading.valid else None

    def shutdown(self) -> None:
        """Stops a running measurement and closes the connection."""
        if not self.meter.closed:
            if self._measuring:
                self.stop()
            self.meter.close()
        super().shutdown()
