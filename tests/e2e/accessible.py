"""Prints the accessibility tree of the running Horavia, one line per
element: depth, role, name and "focusable" or "-", tab-separated.
Usage: accessible.py PID"""
import sys

import pyatspi


def walk(node, depth, out):
    try:
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        out.append(f"{depth}\t{node.getRoleName()}\t{node.name}\t{'focusable' if focusable else '-'}")
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child, depth + 1, out)
    except Exception:  # an element that went away while it was read
        pass


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    out = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            walk(app, 0, out)
    print("\n".join(out))


main()
