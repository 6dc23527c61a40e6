"""A screen reader's actions alone fill the datalogger and read part of it out: the
measure panel's switches, the read-out's range set through the value interface (the
read brings exactly that range, so the values were taken), the read-out button."""

import time

import desktop as d
from test_measure_panel import START


def rows(table):
    return table.queryTable().nRows if table is not None else 0


def test_a_screen_reader_logs_values_and_reads_a_range_of_them(session, panel):
    program, instrument = session
    d.act(d.find(panel, "check box", "Datalogger"), "Toggle")
    instrument.settle(quiet=0.5)
    start = d.find(panel, "check box", START)
    d.act(start, "Toggle")
    assert instrument.wait_for("IN", 2.0)
    time.sleep(3)
    d.act(start, "Toggle")
    assert instrument.wait_for("AB", 2.0)
    instrument.settle()
    # The panel reads the datalogger's fill at the stop.
    fill = d.find(panel, "push button", "Belegung").description
    assert fill.startswith("500(") and int(fill[4:-1]) >= 5, fill

    program.act_later(d.find(program.app, "menu item", "Auslesen ..."), "Press")
    dialog = program.window("Datalogger auslesen")
    assert dialog, "the read-out did not open"
    instrument.settle()
    whole = d.find(dialog, "check box", "Gesamten Block auslesen")
    if d.checked(whole):
        d.act(whole, "Toggle")
    assert d.wait_until(lambda: d.find(dialog, "spin button", "bis"), 5), "no range offered"
    for name, number in (("bis", 4), ("von", 2)):
        field = d.find(dialog, "spin button", name)
        field.queryValue().currentValue = number
        assert d.wait_until(lambda: field.queryValue().currentValue == number, 5), name
    instrument.settle()
    program.act_later(d.find(dialog, "push button", "Auslesen"), "Press")
    assert instrument.settle(quiet=1.0, limit=20) == [f"dat:data:all? 0,{k}" for k in (2, 3, 4)]
    values = d.find(dialog, "tree", "Ausgelesene Werte")
    assert d.wait_until(lambda: rows(values) == 3, 10), rows(values)
    d.act(d.find(dialog, "push button", "Schließen"), "Press")
    assert d.wait_until(lambda: "Datalogger auslesen" not in program.windows(), 10)
