"""What the instrument gives back: measured values, stored datalogger values and their
statistics, and the settings groups read and written as a whole."""
from __future__ import annotations

import datetime
import re
from dataclasses import dataclass, field
from typing import List, Optional

from . import _driver

_NUMBER = re.compile(r"\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)\s*(\S*)")


def split_value(text: str) -> "tuple[Optional[float], str, Optional[float]]":
    """(number, unit word, ohms) of a value text such as ``12.345MOHM``; three Nones
    (unit "") when the text holds no number, as for the overload ``>>>``."""
    match = _NUMBER.match(text)
    if not match:
        return None, "", None
    return float(match.group(1)), match.group(2), _driver.to_ohms(text)


@dataclass(frozen=True)
class Reading:
    """One measured value.

    ``text`` is the instrument's answer (for example ``12.3456MOHM``), ``value`` and
    ``unit`` its number and unit word, ``ohms`` the value in ohms. An overload has no
    number (``value`` and ``ohms`` None). ``cause`` is 0, or the driver status 310-317
    of a questionable measurement (the highest cause set), with ``cause_text`` naming it
    ("Übersteuert", ...); such a value is invalid and has no number either."""

    text: str
    value: Optional[float]
    unit: str
    ohms: Optional[float]
    cause: int = 0
    cause_text: str = ""

    @property
    def valid(self) -> bool:
        """True when the reading carries a resistance."""
        return self.ohms is not None and self.cause == 0

    @classmethod
    def from_answer(cls, text: str) -> "Reading":
        value, unit, ohms = split_value(text)
        return cls(text, value, unit, ohms)

    @classmethod
    def questionable(cls, status: int) -> "Reading":
        return cls("", None, "", None, status, _driver.status_text(status))


@dataclass(frozen=True)
class StoredValue:
    """A value of a datalogger block: its number in the block (from 1), the value
    text, its ohms (None for an overload) and the moment it was stored."""

    number: int
    text: str
    ohms: Optional[float]
    stored: Optional[datetime.datetime]


@dataclass(frozen=True)
class Statistics:
    """Minimum, maximum, mean and standard deviation of a datalogger block, as the
    instrument answers them (``texts``) and in ohms (None where a text has no number)."""

    texts: "tuple[str, str, str, str]"
    minimum: Optional[float]
    maximum: Optional[float]
    mean: Optional[float]
    deviation: Optional[float]


@dataclass
class DataloggerBlock:
    """A datalogger block as read: its number, its stored values and statistics."""

    block: int
    values: List[StoredValue] = field(default_factory=list)
    statistics: Optional[Statistics] = None


def stored_moment(date: str, time: str) -> Optional[datetime.datetime]:
    """The moment of a stored value from the driver's date "d.m.y" and time "h:m:s:f"
    (f hundredths of a second); a two-digit year (older firmware) is of this century.
    None when either text is incomplete."""
    try:
        day, month, year = (int(part) for part in date.split("."))
        hour, minute, second, hundredths = (int(part) for part in time.split(":"))
        if year < 100:
            year += 2000
        return datetime.datetime(year, month, day, hour, minute, second, hundredths * 10000)
    except ValueError:
        return None


@dataclass
class MeasurementConfig:
    """The measurement settings group.

    averaging_type: 0 moving, 1 repeating; averaging_count 0-100; load 0 real,
    1 complex; continuous: measure continuously (else one value per start);
    volt_limit 0-1; mode 0 refc, 1 nonc, 2 onec, 3 stan; nplc (integration time)
    0 min, 1 med, 2 max, 3 stan."""

    averaging_type: int
    averaging_count: int
    load: int
    continuous: bool
    volt_limit: int
    mode: int
    nplc: int


@dataclass
class TemperatureCompensation:
    """Temperature compensation: on or off; the source (0 manual, 1 PT100, 2 voltage
    input, 3 current input); the reference temperature and, for the manual source, the
    temperature set by hand (degC, -9999.9 ... 9999.9)."""

    enabled: bool
    source: int
    reference: float
    manual: float = 0.0


@dataclass
class ComparatorMode:
    """The comparator: on or off, relative limits, and whether a value above the upper
    limit counts as the fault."""

    enabled: bool
    relative: bool
    fault_upper: bool
