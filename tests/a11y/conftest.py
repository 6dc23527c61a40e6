"""One desktop for the whole run; the program and its instrument once per test module."""

import os

import pytest

import desktop

MAIN_WINDOW = "Tarvolux Typ 7416 - Ohmmeter"


@pytest.fixture(scope="session")
def screen():
    s = desktop.Desktop()
    yield s
    s.close()


def start_session(screen, folder, *arguments):
    """The program connected over RS-232 to an instrument whose value never changes, so
    nothing on the screen changes between two values either."""
    instrument = desktop.Instrument(folder, "--noise", "0")
    home = os.path.join(folder, "home")
    desktop.write_com_stp(home)
    program = desktop.Program(screen, home, instrument, *arguments)
    return program, instrument


@pytest.fixture(scope="module")
def session(screen, tmp_path_factory):
    program, instrument = start_session(screen, str(tmp_path_factory.mktemp("a11y")))
    assert program.window(MAIN_WINDOW, 30), "no main window"
    instrument.settle(quiet=1.5, limit=90)  # the start-up's upload
    yield program, instrument
    program.close()
    instrument.close()


@pytest.fixture(scope="module")
def panel(session):
    """The measure panel, opened from the menu through the accessibility interface."""
    program, instrument = session
    desktop.act(desktop.find(program.app, "menu item", "Messpanel"), "Press")
    window = program.window("Messpanel")
    assert window, "the measure panel did not open"
    instrument.settle()
    return window
