"""Prints the accessibility tree of the running Horavia, one line per
element: depth, role, name and "focusable" or "-", tab-separated.
With --unmarked, prints instead the names and descriptions (what a screen
reader says after the name: a tooltip, a row's details) of windows,
controls and labels that a pseudo-language run left unmarked (not "⟦…⟧"). Times, numbers and the
product's name are not texts to translate; nor is what matches the optional
pattern (place names, a server's release notes).
With --press ROLE PREFIX, does instead the default action of the first
showing element of that role whose name begins with PREFIX, as a screen
reader's user would, and fails if there is none.
Usage: accessible.py PID [--unmarked [PATTERN] | --press ROLE PREFIX]"""
import os
import re
import sys

import pyatspi


def walk(node, depth, out, said):
    try:
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        out.append(f"{depth}\t{node.getRoleName()}\t{node.name}\t{'focusable' if focusable else '-'}")
        if node.description:
            said.append(f"{depth}\t{node.getRoleName()}\t{node.description}\t-")
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child, depth + 1, out, said)
    except Exception:  # an element that went away while it was read
        pass


TEXT_ROLES = {"window", "dialog", "frame", "push button", "toggle button", "label", "check box", "combo box", "text",
              "menu item", "menu", "panel", "list", "heading", "page tab", "radio button", "spin button", "slider",
              "notification"}
NOT_TEXT = re.compile(r"^(Horavia|[0-9: APM\u202f·,.+\-−()]*)$")


def unmarked(lines, allowed):
    found = set()
    for line in lines:
        _, role, name, _ = line.split("\t")
        # A text without a letter (a time, a flag) is nothing to translate.
        if role in TEXT_ROLES and any(c.isalpha() for c in name) and not name.startswith("⟦") and \
                not NOT_TEXT.match(name) and \
                not (allowed and re.search(allowed, name)):
            found.add(f"{role}\t{name}")
    return sorted(found)


def find(node, role, prefix):
    if node.getRoleName() == role and node.name.startswith(prefix) and \
            node.getState().contains(pyatspi.STATE_SHOWING):
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = child is not None and find(child, role, prefix)
        if found:
            return found
    return None


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    if len(sys.argv) > 4 and sys.argv[2] == "--press":
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        found = [find(app, sys.argv[3], sys.argv[4]) for app in apps if app and app.get_process_id() == pid]
        if not any(found):
            sys.exit(f"no {sys.argv[3]} named {sys.argv[4]}…")
        next(node for node in found if node).queryAction().doAction(0)
        return
    out = []
    said = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            walk(app, 0, out, said)
    if len(sys.argv) > 2 and sys.argv[2] == "--unmarked":
        out = unmarked(out + said, sys.argv[3] if len(sys.argv) > 3 else None)
    try:
        print("\n".join(out), flush=True)
    except BrokenPipeError:
        # A reader that stops once it has seen its line ("grep -q") is no
        # failure of the walk: under pipefail it would fail the check that
        # found what it looked for.
        os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())


main()
