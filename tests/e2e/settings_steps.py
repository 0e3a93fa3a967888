#!/usr/bin/python3
"""Steps of the settings end-to-end test, driven over the accessibility bus as a user would:
controls are found by their accessible names and pressed through their actions.

    settings_steps.py STEP [ARGUMENTS]

Each step connects to the running program ("Quillaband"), does its part and exits 0, or
prints what went wrong and exits 1. Pictures go to $SHOTS.
"""
import os
import subprocess
import sys
import time

import pyatspi

SHOTS = os.environ.get("SHOTS", "/tmp")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    subprocess.run(["import", "-window", "root", os.path.join(SHOTS, "failed.png")])
    sys.exit(1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quillaband":
            return app
    return None


def nodes(root):
    """Every accessible below root that is showing, depth first."""
    stack = [root]
    while stack:
        node = stack.pop()
        try:
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception:
            continue
        for child in reversed(children):
            if child is not None:
                yield child
                stack.append(child)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find(name, role=None, seconds=10):
    """The first showing accessible with this name (and role name), waiting for it."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        app = application()
        if app is not None:
            for node in nodes(app):
                try:
                    if node.name == name and (role is None or node.getRoleName() == role) \
                            and showing(node):
                        return node
                except Exception:
                    continue
        time.sleep(0.1)
    fail("no %s named %r" % (role or "control", name))


def gone(name, role=None, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        app = application()
        if app is None or not any(
                n.name == name and (role is None or n.getRoleName() == role) and showing(n)
                for n in nodes(app)):
            return
        time.sleep(0.1)
    fail("%r is still shown" % name)


def act(node, *actions):
    """Runs the first of the named actions the control offers (press, click, toggle...)."""
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in actions:
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    fail("%r offers none of %s (only %s)" % (node.name, actions, names))


def press(name, role="push button"):
    act(find(name, role), "press", "click", "activate")


def tick(name):
    act(find(name, "check box"), "toggle", "press", "click")


def choose(name):
    act(find(name, "radio button"), "press", "toggle", "click", "select")


def type_into(name, text):
    """The text of a field; a label ending in ":" names a password field."""
    field = find(name, "password text") if name.endswith(":") else find(name, "text")
    field.queryEditableText().setTextContents(text)


def state(node, which):
    return node.getState().contains(which)


def shot(name):
    subprocess.run(["import", "-window", "root", os.path.join(SHOTS, name)], check=True)


def open_settings(band_y):
    """Right button on the band, then the third entry of the popup menu by the keyboard
    (popup menus are not on the accessibility bus)."""
    subprocess.run(["xdotool", "mousemove", "600", str(band_y), "click", "3"], check=True)
    # The pointer leaves the menu, so no entry is chosen before the keys.
    subprocess.run(["xdotool", "mousemove", "1500", "500"], check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "Down", "Down", "Down", "Return"], check=True)


def step_prompt(band_y, wrong, right):
    open_settings(band_y)
    field = "Please enter password:"
    find(field, "password text")
    type_into(field, wrong)
    press("OK")
    find("Zugang abgelehnt !", "label")
    find(field, "password text")
    shot("prompt-refused.png")
    type_into(field, right)
    press("OK")
    time.sleep(0.15)
    shot("prompt-granted.png")
    find("Quillaband - Settings")


def step_dock_below():
    choose("Dock window below")
    press("Save")
    gone("Quillaband - Settings")


def step_receiver_without_path():
    receiver = find("Enable broadcast receiver mode", "check box")
    act(receiver, "toggle", "press", "click")
    sysop = find("Enable sysop mode", "check box")
    deadline = time.monotonic() + 5
    while not (state(sysop, pyatspi.STATE_CHECKED) and not state(sysop, pyatspi.STATE_ENABLED)):
        if time.monotonic() > deadline:
            fail("sysop box not ticked and disabled after the receiver box")
        time.sleep(0.1)
    shot("settings-receiver.png")
    press("Save")
    find("Please specify a broadcast path.", "label")
    time.sleep(1)
    shot("settings-no-path.png")
    find("Quillaband - Settings")


STEPS = {
    "prompt": lambda args: step_prompt(int(args[0]), args[1], args[2]),
    "dock-below": lambda args: step_dock_below(),
    "receiver-without-path": lambda args: step_receiver_without_path(),
    "open": lambda args: open_settings(int(args[0])),
}

if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in STEPS:
        fail("usage: settings_steps.py %s [ARGUMENTS]" % "|".join(STEPS))
    STEPS[sys.argv[1]](sys.argv[2:])
