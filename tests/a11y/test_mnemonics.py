"""Keyboard use: within a window no two controls share an accelerator letter, within a
menu no two items, and every dialog has a default button for Enter."""

import glob
import os
import re
import xml.etree.ElementTree as ET

import pytest

RESOURCES = os.path.join(os.path.dirname(__file__), "..", "..", "resources")


def accelerator(text):
    match = re.search(r"&([^&])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def texts(element, names=("text", "title")):
    for prop in element.findall("property"):
        if prop.get("name") in names:
            yield "".join(prop.itertext()).strip()


def duplicates(captions):
    seen = {}
    for caption in captions:
        if accelerator(caption):
            seen.setdefault(accelerator(caption), []).append(caption)
    return {key: found for key, found in seen.items() if len(found) > 1}


@pytest.mark.parametrize("form", sorted(glob.glob(os.path.join(RESOURCES, "*.ui"))),
                         ids=os.path.basename)
def test_accelerators_are_unique_and_enter_has_a_button(form):
    root = ET.parse(form).getroot()
    window = root.find("widget")
    widgets = [w for w in window.iter("widget") if w.get("class") not in ("QMenu", "QMenuBar")]
    assert duplicates(t for w in widgets for t in texts(w)) == {}
    actions = {a.get("name"): next(texts(a), "") for a in root.iter("action")}
    for menu in window.iter("widget"):
        if menu.get("class") == "QMenu":
            items = [actions.get(a.get("name"), "") for a in menu.findall("addaction")]
            assert duplicates(items) == {}, menu.get("name")
    if window.get("class") == "QDialog":
        defaults = [w for w in widgets for p in w.findall("property")
                    if p.get("name") == "default" and "".join(p.itertext()).strip() == "true"]
        assert len(defaults) == 1, "Enter presses no button"
