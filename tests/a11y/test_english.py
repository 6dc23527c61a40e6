"""The program in English (--language en), as a screen reader meets it: the menu and the
measure panel named in English, and a measurement started and stopped through them."""

import pytest

import desktop as d
from conftest import start_session
from test_measure_panel import CONTROL_ROLES


@pytest.fixture(scope="module")
def english(screen, tmp_path_factory):
    program, instrument = start_session(screen, str(tmp_path_factory.mktemp("en")),
                                        "--language", "en")
    assert d.wait_until(lambda: d.find(program.app, "menu item", "Measure panel"), 30)
    instrument.settle(quiet=1.5, limit=90)
    yield program, instrument
    program.close()
    instrument.close()


def test_the_measure_panel_speaks_english_to_a_screen_reader(english):
    program, instrument = english
    d.act(d.find(program.app, "menu item", "Measure panel"), "Press")
    panel = program.window("Measure panel")
    assert panel, "no English measure panel"
    controls = [a for a in d.descendants(panel)
                if a.getRoleName() in CONTROL_ROLES and d.showing_state(a)]
    assert [a.getRoleName() for a in controls if not a.name] == []
    assert d.find(panel, "check box", "Messung Start / Stop") is None
    switch = d.find(panel, "check box", "Measurement Start / Stop")
    d.act(switch, "Toggle")
    assert instrument.wait_for("IN", 2.0)
    d.act(switch, "Toggle")
    assert instrument.wait_for("AB", 2.0)
