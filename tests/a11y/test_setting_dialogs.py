"""The measurement, comparator and temperature dialogs of the "Gerät" menu (see
dialog_checks)."""

import pytest

from dialog_checks import check_dialog


@pytest.mark.parametrize("item", ["m", "k", "t"])
def test_a_setting_dialog(session, item):
    check_dialog(session, "alt+g", item)
