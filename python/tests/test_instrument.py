"""The zk7416 package against the simulated instrument, over both doors."""
import datetime
import time

import pytest

import zk7416
from conftest import RESISTOR


def test_identity_and_plain_lines(meter):
    assert meter.idn.startswith("TARVOLUX,Typ 7416")
    assert meter.query("*IDN?") == meter.idn
    meter.write(":SENSE:FRES:RANG:MAN 2KOHM")
    assert meter.query(":SENSE:FRES:RANG:MAN?") == "2KOHM"
    assert meter.system_error() == 0


def test_settings_round_trip(meter):
    meter.range = 3
    assert meter.range == 3
    meter.range = 0
    assert meter.range == 0
    meter.auto_range_limits = (2, 6)
    assert meter.auto_range_limits == (2, 6)
    config = zk7416.MeasurementConfig(averaging_type=1, averaging_count=17, load=0,
                                      continuous=True, volt_limit=1, mode=2, nplc=1)
    meter.measurement_config = config
    assert meter.measurement_config == config
    compensation = zk7416.TemperatureCompensation(True, 0, 21.5, 23.25)
    meter.temperature_compensation = compensation
    assert meter.temperature_compensation == compensation
    meter.comparator_mode = zk7416.ComparatorMode(True, False, True)
    assert meter.comparator_mode == zk7416.ComparatorMode(True, False, True)
    meter.limits = (0.012, 0.013)
    assert meter.limits == pytest.approx((0.012, 0.013))
    assert isinstance(meter.temperature, float)


def test_measured_values_are_classified(meter):
    meter.write("CALC:LIM:COUN 2")
    meter.comparator_mode = zk7416.ComparatorMode(True, False, False)
    meter.limits = (0.012, 0.013)
    meter.clear_comparator()
    readings = meter.measure(4)
    assert [r.unit for r in readings] == ["MOHM"] * 4
    assert all(r.valid and r.ohms == pytest.approx(RESISTOR, rel=1e-3) for r in readings)
    assert readings[0].value == pytest.approx(readings[0].ohms * 1000)
    assert meter.comparator_counts() == (0, 4, 0)


def test_questionable_value_is_a_reading_not_an_error():
    # Bit 3 of the questionable-resistance causes: "Übersteuert".
    with zk7416.open_simulated("rs232", timeout=2.0, questionable=0x08) as meter:
        reading = meter.measure(1)[0]
    assert (reading.valid, reading.ohms, reading.cause, reading.cause_text) == \
        (False, None, 314, "Übersteuert")


def test_poll_without_a_value_is_none(serial_meter):
    assert serial_meter.poll() is None
    with pytest.raises(TimeoutError):
        serial_meter.read(timeout=0.05)
    assert not serial_meter.closed


def test_datalogger_block_with_moments_and_statistics(meter):
    meter.clear_datalogger_block(4)
    meter.datalogger_block_size(4, 100)
    meter.datalogger_block = 4
    meter.datalogger_enabled = True
    meter.measure(3)
    meter.datalogger_enabled = False
    block = meter.read_datalogger(4)
    assert [v.number for v in block.values] == [1, 2, 3]
    now = datetime.datetime.now()
    for value in block.values:
        assert value.ohms == pytest.approx(RESISTOR, rel=1e-3)
        assert abs(value.stored - now) < datetime.timedelta(minutes=5)
    stats = block.statistics
    assert stats.minimum <= stats.mean <= stats.maximum
    assert stats.mean == pytest.approx(RESISTOR, rel=1e-3)
    assert [v.text for v in meter.read_datalogger(4, 2, 3, statistics=False).values] == \
        [v.text for v in block.values[1:]]


def test_refused_argument_keeps_the_connection(meter):
    with pytest.raises(zk7416.DriverError) as refused:
        meter.range = 9
    assert (refused.value.status, refused.value.text) == (-2, "Argument außerhalb des zulässigen Bereichs")
    for line in ("*IDN?" + " " * 292, "*IDN?\n*RST", "*IDN?€"):
        with pytest.raises(ValueError):
            meter.query(line)
    assert meter.range == 0 and not meter.closed


def test_dead_line_raises_once_and_closes(serial_meter):
    serial_meter.simulator.kill()
    serial_meter.simulator.wait()
    begun = time.monotonic()
    with pytest.raises(zk7416.DriverError) as dead:
        serial_meter.query("*IDN?")
    assert dead.value.status in (230, 231)
    assert time.monotonic() - begun < serial_meter.timeout + 1.0
    assert serial_meter.closed
    with pytest.raises(zk7416.InstrumentClosed):
        serial_meter.query("*IDN?")


def test_closing_ends_the_simulator_and_frees_the_transport():
    with zk7416.open_simulated("rs232") as meter:
        # The driver serves one transport per process.
        with pytest.raises(RuntimeError):
            zk7416.open_simulated("gpib")
    assert meter.closed and meter.simulator.poll() is not None
    with zk7416.open_simulated("gpib") as meter:
        assert meter.door == "gpib"
