#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints what a screen reader finds in Quovella's windows over AT-SPI: each object's
# role, name, text and value. With --type and --press it first fills fields and
# presses buttons by their accessible names, as a screen reader's user would.
# Run through tools/a11y-tree, which starts the accessibility bus and the program.
import argparse
import sys
import time

import pyatspi
from gi.repository import GLib


def find_app(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.2)
    return None


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def value_of(node):
    try:
        return node.queryValue().currentValue
    except NotImplementedError:
        return None


def walk(node, depth=0):
    yield depth, node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def describe(node):
    line = f"{node.getRoleName()} \"{node.name}\""
    text = text_of(node)
    if text is not None and text != node.name:
        line += f" text=\"{text}\""
    value = value_of(node)
    if value is not None:
        line += f" value={value:g}"
    if node.description:
        line += f" description=\"{node.description}\""
    if node.getState().contains(pyatspi.STATE_READ_ONLY):
        line += " read-only"
    return line


def find(app, name, roles):
    for _, node in walk(app):
        if node.name == name and node.getRole() in roles and showing(node):
            return node
    sys.exit(f"a11y-tree: no {name!r} on screen")


def press(app, names):
    """Presses the buttons in turn, printing what the program tells a screen reader
    meanwhile: new text in a field, and windows that open."""
    def heard(event):
        if event.type.startswith("object:text-changed:insert") and event.any_data:
            print(f"heard: new text in {event.source.getRoleName()} \"{event.source.name}\": \"{event.any_data}\"")
        elif event.type.startswith("window:activate"):
            print(f"heard: window {event.source.getRoleName()} \"{event.source.name}\" opened")
    events = ("object:text-changed:insert", "window:activate")
    pyatspi.Registry.registerEventListener(heard, *events)
    pending = list(names)

    def next_press():
        if not pending:
            pyatspi.Registry.stop()
            return False
        button = find(app, pending.pop(0), (pyatspi.ROLE_PUSH_BUTTON,))
        button.queryAction().doAction(0)
        return True
    GLib.timeout_add(1000, next_press)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(heard, *events)


def main():
    parser = argparse.ArgumentParser(description="Prints what a screen reader finds in Quovella.")
    parser.add_argument("--app", default="Quovella")
    parser.add_argument("--type", action="append", default=[], metavar="NAME=TEXT",
                        help="put TEXT into the field a screen reader calls NAME")
    parser.add_argument("--press", action="append", default=[], metavar="NAME",
                        help="press the button a screen reader calls NAME")
    parser.add_argument("--all", action="store_true", help="also list what is not on screen")
    args = parser.parse_args()

    app = find_app(args.app, 20)
    if app is None:
        sys.exit(f"a11y-tree: {args.app} did not appear on the accessibility bus")
    for typed in args.type:
        name, _, text = typed.partition("=")
        field = find(app, name, (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
        field.queryEditableText().setTextContents(text)
    if args.press:
        press(app, args.press)
    for depth, node in walk(app):
        if args.all or depth == 0 or showing(node):
            print("  " * depth + describe(node))


if __name__ == "__main__":
    main()
