"""The PyMeasure instrument class and the example procedure against the simulator."""
import csv
import os
import subprocess
import sys

import pytest

pytest.importorskip("pymeasure")
from zk7416.pymeasure import Typ7416  # noqa: E402

from conftest import DOORS, RESISTOR  # noqa: E402

EXAMPLE = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "python",
                       "pymeasure_procedure.py")


@pytest.fixture(params=DOORS)
def typ7416(request):
    meter = Typ7416.simulated(door=request.param, timeout=2.0)
    yield meter
    meter.shutdown()


def test_properties_reach_the_instrument(typ7416):
    rows = [("range", "20OHM"), ("range", "AUTO"), ("averaging", 12), ("integration_time", "MAX"),
            ("comparator_limits", (0.011, 0.014)), ("comparator_enabled", True),
            ("temperature_compensation", True), ("temperature_source", "PT100"),
            ("reference_temperature", 25.5)]
    for name, value in rows:
        setattr(typ7416, name, value)
        assert getattr(typ7416, name) == pytest.approx(value) if isinstance(value, tuple) \
            else getattr(typ7416, name) == value, name
    assert typ7416.meter.query(":SENSE:FRES:RANG:AUTO?").startswith("1,")
    assert typ7416.meter.query("SENSE:AVER:COUN?") == "12"
    with pytest.raises(ValueError):
        typ7416.range = "3OHM"
    with pytest.raises(ValueError):
        typ7416.averaging = 101
    assert typ7416.id.startswith("TARVOLUX,Typ 7416")


def test_resistance_single_and_running(typ7416):
    assert typ7416.resistance == pytest.approx(RESISTOR, rel=1e-3)
    typ7416.start()
    assert [typ7416.resistance for _ in range(3)] == pytest.approx([RESISTOR] * 3, rel=1e-3)
    typ7416.stop()


@pytest.mark.parametrize("door", DOORS)
def test_example_procedure_logs_its_values(tmp_path, door):
    results = tmp_path / "values.csv"
    done = subprocess.run([sys.executable, EXAMPLE, str(results), "--count", "7",
                           f"--simulate={door}", "--limits", "0.012", "0.013"],
                          capture_output=True, text=True, timeout=120)
    assert done.returncode == 0, done.stderr
    assert done.stdout.splitlines()[-2:] == [f"{results}: Finished", "comparator counts: 0 7 0"]
    lines = [line for line in results.read_text().splitlines() if not line.startswith("#")]
    rows = list(csv.DictReader(lines))
    assert [int(r["Number"]) for r in rows] == list(range(1, 8))
    assert all(float(r["Resistance (Ohm)"]) == pytest.approx(RESISTOR, rel=1e-3) for r in rows)
