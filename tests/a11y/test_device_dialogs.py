"""The dialogs of the "Gerät" menu (see dialog_checks)."""

import pytest

from dialog_checks import check_dialog

# measurement, comparator, temperature, device access, instrument printer, activate and
# save settings memories
@pytest.mark.parametrize("item", ["m", "k", "t", "z", "d", "a", "s"])
def test_a_device_dialog(session, item):
    check_dialog(session, "alt+g", item)
