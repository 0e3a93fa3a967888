#!/usr/bin/python3
"""Drives the program's windows over the accessibility bus, as a screen reader would.

    a11y.py window TITLE              waits for a visible window of that title
    a11y.py gone TITLE                waits until no window of that title is shown
    a11y.py press NAME [ROLE]         presses the control (button, option, menu entry)
    a11y.py type NAME TEXT            puts TEXT into the text field NAME
    a11y.py text NAME                 prints the text of the control NAME
    a11y.py select NAME               adds the list line NAME to the marked lines
    a11y.py checked NAME              exits 0 when the option or box NAME is chosen, else 1
    a11y.py enabled NAME              exits 0 when the control NAME can be used, else 1
    a11y.py showing TEXT              waits for a control whose name contains TEXT
    a11y.py menu NAME                 waits for a popup menu to take the focus (open it and
                                      press Down meanwhile) and chooses its entry NAME
    a11y.py names                     prints every shown control as ROLE<TAB>NAME
    a11y.py announcements SECONDS     prints "listening", then for SECONDS the text of each
                                      notification the application shows, one a line

Popup menus are no children of the application's tree: like a screen reader, "menu"
follows the focus into the menu. Names are accessible names (a control's caption, or the label in front of a field);
controls are searched in the windows of the application "Quillaband" (or the one
QB_A11Y_APPLICATION names). Each command waits
up to ten seconds for its control and exits with 1 when it does not appear.
"""
import os
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

APPLICATION = os.environ.get("QB_A11Y_APPLICATION", "Quillaband")
TIMEOUT = 10.0


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APPLICATION:
            return app
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # a control that went away while walking
        return False


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    try:
        children = list(node)
    except (GLib.Error, ValueError):  # a control gone while walking (or a negative count)
        return
    for child in children:
        if child is None or not showing(child):
            continue
        yield child
        yield from walk(child, depth + 1)


def controls():
    app = application()
    return walk(app) if app is not None else iter(())


def matches(predicate, control):
    try:
        return predicate(control)
    except GLib.Error:  # a control that went away while walking
        return False


def wait_for(predicate, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = next((c for c in controls() if matches(predicate, c)), None)
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"a11y: no {what} within {TIMEOUT:.0f} s")


def named(name, role=None):
    return lambda c: c.name == name and (role is None or c.getRoleName() == role)


def editable(control):
    """Whether text can be put into the control (a label may carry a field's name too)."""
    try:
        control.queryEditableText()
        return True
    except NotImplementedError:
        return False


def actionable(control):
    """Whether the control can be pressed (a label may carry a control's name too)."""
    try:
        return control.queryAction().nActions > 0
    except NotImplementedError:
        return False


def press(name, role=None):
    is_named = named(name, role)
    control = wait_for(lambda c: is_named(c) and actionable(c), f'control "{name}"')
    action = control.queryAction()
    for index in range(action.nActions):
        if action.getName(index) in ("press", "click", "toggle", "activate", "Press", "Toggle",
                                     "SetFocus"):
            action.doAction(index)
            return
    action.doAction(0)


def choose_from_menu(name):
    """Waits for a focused menu entry, then presses the entry NAME of its menu."""
    chosen = []

    def on_focus(event):
        source = event.source
        if chosen or event.detail1 != 1 or source is None:
            return
        if source.getRoleName() not in ("menu item", "check menu item"):
            return
        for entry in source.parent:
            if entry is not None and entry.name == name:
                chosen.append(entry)
                # An entry that opens a modal window answers only once that window has
                # closed: its answer is not waited for.
                Atspi.set_timeout(500, 500)
                try:
                    entry.queryAction().doAction(0)
                except GLib.Error:
                    pass
                pyatspi.Registry.stop()
                return

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(int(TIMEOUT * 1000), pyatspi.Registry.stop)
    # Tell the caller that the listener is in place.
    print("listening", flush=True)
    pyatspi.Registry.start()
    if not chosen:
        sys.exit(f'a11y: no menu with the entry "{name}" took the focus')


def announcements(seconds):
    """Prints what a screen reader would announce: notifications that show up."""

    def on_showing(event):
        source = event.source
        if event.detail1 != 1 or source is None or source.getRoleName() != "notification":
            return
        if source.getApplication().name == APPLICATION:
            print(source.name, flush=True)

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


def main(argv):
    command, arguments = argv[1], argv[2:]
    if command == "window":
        # A plain top-level widget is a filler.
        wait_for(lambda c: c.getRoleName() in ("frame", "dialog", "window", "filler")
                 and c.name == arguments[0], f'window "{arguments[0]}"')
    elif command == "gone":
        deadline = time.monotonic() + TIMEOUT
        while any(c.name == arguments[0] for c in controls()):
            if time.monotonic() > deadline:
                sys.exit(f'a11y: window "{arguments[0]}" still shown')
            time.sleep(0.1)
    elif command == "press":
        press(*arguments)
    elif command == "type":
        is_named = named(arguments[0])
        field = wait_for(lambda c: is_named(c) and editable(c), f'field "{arguments[0]}"')
        field.queryEditableText().setTextContents(arguments[1])
    elif command == "text":
        control = wait_for(named(arguments[0]), f'control "{arguments[0]}"')
        text = control.queryText()
        print(text.getText(0, text.characterCount))
    elif command == "select":
        line = wait_for(named(arguments[0]), f'list line "{arguments[0]}"')
        action = line.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Toggle") if "Toggle" in names else 0)
    elif command == "checked":
        control = wait_for(named(arguments[0]), f'control "{arguments[0]}"')
        sys.exit(0 if control.getState().contains(pyatspi.STATE_CHECKED) else 1)
    elif command == "enabled":
        control = wait_for(named(arguments[0]), f'control "{arguments[0]}"')
        sys.exit(0 if control.getState().contains(pyatspi.STATE_ENABLED) else 1)
    elif command == "showing":
        wait_for(lambda c: arguments[0] in (c.name or ""), f'control showing "{arguments[0]}"')
    elif command == "menu":
        choose_from_menu(arguments[0])
    elif command == "announcements":
        announcements(float(arguments[0]))
    elif command == "names":
        for control in controls():
            print(f"{control.getRoleName()}\t{control.name}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
