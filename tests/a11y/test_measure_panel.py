"""The measure panel through a screen reader's actions and real clicks, against an
instrument whose value never changes (nothing repaints between two values)."""

import time

import pytest

import desktop as d

START = "Messung Start / Stop"
# Switches whose reaction stays within the panel and the wire.
SWITCHES = ["Dauermessung", "Komparator", "Hüllkurve", "Datalogger", "T-Kompensation", "Grafik"]
# Switches that open a window of their own when switched on over RS-232.
MODAL_SWITCHES = ["Gerätedrucker", "Messwerte speichern"]
CONTROL_ROLES = {"check box", "push button", "combo box", "spin button", "text", "list", "tree",
                 "tree table", "toggle button", "radio button"}


def test_start_and_stop_clicks_take_effect_with_no_input_after_them(session, panel):
    _, instrument = session
    d.point_at(d.find(panel, "check box", START))
    instrument.take()
    for round_ in range(4):
        for command in ("IN", "AB"):
            d.click()
            assert instrument.wait_for(command, 2.0), f"round {round_}: no {command} after the click"
            time.sleep(0.4)
        instrument.settle()


def test_a_screen_reader_starts_stops_and_reads_the_value(session, panel):
    _, instrument = session
    switch = d.find(panel, "check box", START)
    display = d.find(panel, "label", "Messwert")
    d.act(switch, "Toggle")
    assert instrument.wait_for("IN", 2.0)
    assert d.checked(switch)
    shown = d.wait_until(lambda: "Ohm" in display.queryText().getText(0, -1), 5)
    assert shown, "the display does not expose the measured value"
    assert "Ohm" in display.description
    d.act(switch, "Toggle")
    assert instrument.wait_for("AB", 2.0)
    assert not d.checked(switch)
    instrument.settle()


def test_every_control_and_display_has_a_name(panel):
    unnamed = [a.getRoleName() for a in d.descendants(panel)
               if a.getRoleName() in CONTROL_ROLES and d.showing_state(a) and not a.name]
    assert unnamed == []


def effect(program, instrument, do, look=lambda: None):
    """What an operator's action did: the command lines sent, the window it opened (closed
    again with Escape) and what `look` sees afterwards."""
    before = program.windows()
    do()
    opened = d.wait_until(lambda: program.windows() - before, 0.5) or set()
    for title in opened:
        d.focus_window(title)
        d.keys("Escape")
        d.wait_until(lambda: title not in program.windows(), 5)
    # A reaction's commands come with pauses of up to a tenth of a second between them;
    # a loaded machine stretches those.
    lines = instrument.settle(quiet=0.5)
    return lines, opened, look()


@pytest.mark.parametrize("name", SWITCHES + MODAL_SWITCHES)
def test_a_switch_reacts_to_toggle_as_to_a_click(session, panel, name):
    program, instrument = session
    switch = d.find(panel, "check box", name)
    chart = d.find(panel, "filler", "Messwertgrafik")

    def look():
        return d.checked(switch), d.showing_state(chart)

    instrument.settle()
    by_toggle = [effect(program, instrument, lambda: program.act_later(switch, "Toggle"), look)
                 for _ in range(2)]
    by_click = [effect(program, instrument, lambda: d.click(switch), look) for _ in range(2)]
    assert by_toggle == by_click
    reacted = by_toggle[0] != by_toggle[1] or any(opened for _, opened, _ in by_toggle)
    assert reacted, f"{name}: no reaction at all"
