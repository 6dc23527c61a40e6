"""A dialog of the main menu, opened with the keyboard alone: each control named, each
check box reacting to the screen reader's "Toggle" as to a click, Escape closing the
dialog. The test modules name the dialogs by their menu and item mnemonics (German
interface)."""

import desktop as d
from conftest import MAIN_WINDOW
from test_measure_panel import CONTROL_ROLES, effect


def open_dialog(program, menu, item):
    before = program.windows()
    d.focus_window(MAIN_WINDOW)
    d.keys(menu, item)
    opened = d.wait_until(lambda: program.windows() - before, 10)
    assert opened, f"{menu} {item} opened no window"
    (title,) = opened
    return title, program.window(title)


def check_dialog(session, menu, item):
    program, instrument = session
    title, dialog = open_dialog(program, menu, item)
    instrument.settle(quiet=0.3)
    controls = [a for a in d.descendants(dialog)
                if a.getRoleName() in CONTROL_ROLES and d.showing_state(a)]
    assert [a.getRoleName() for a in controls if not a.name] == [], title

    def states():
        return [(a.name, d.checked(a)) for a in controls if a.getRoleName() == "check box"]

    for box in [a for a in controls if a.getRoleName() == "check box"]:
        if not box.getState().contains(d.pyatspi.STATE_ENABLED):
            continue
        by_toggle = [effect(program, instrument, lambda: program.act_later(box, "Toggle"), states)
                     for _ in range(2)]
        by_click = [effect(program, instrument, lambda: d.click(box), states) for _ in range(2)]
        assert by_toggle == by_click, f"{title}: {box.name}"

    d.focus_window(title)
    d.keys("Escape")
    assert d.wait_until(lambda: title not in program.windows(), 10), f"Escape left {title} open"
    instrument.settle(quiet=0.3)
