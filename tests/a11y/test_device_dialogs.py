"""The device access, instrument printer and settings memory dialogs of the "Gerät" menu
(see dialog_checks)."""

import pytest

from dialog_checks import check_dialog


@pytest.mark.parametrize("item", ["z", "d", "a", "s"])
def test_a_device_dialog(session, item):
    check_dialog(session, "alt+g", item)
