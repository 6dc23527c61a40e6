"""The dialogs of the other menus (see dialog_checks)."""

import pytest

from dialog_checks import check_dialog

DIALOGS = [
    ("alt+d", "r"), ("alt+d", "x"),  # PC printer set-up, user export format
    ("alt+s", "g"), ("alt+s", "s"),  # GPIB and RS-232 interface
    ("alt+l", "k"), ("alt+l", "a"),  # datalogger configuration and read-out
    ("alt+i", "p"), ("alt+i", "g"),  # program and device information
]


@pytest.mark.parametrize("menu,item", DIALOGS)
def test_another_dialog(session, menu, item):
    check_dialog(session, menu, item)
