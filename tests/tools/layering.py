#!/usr/bin/env python3
"""Each source folder is a library that links the folders below it: a
folder includes only from itself and from the folders it links, directly or
through others, and only a widgets folder includes a Qt Widgets header, which
the include paths alone would not stop. The links come from the build, one
line per folder: "folder kind linked...", kind being core or widgets. Usage:
layering.py SRC_DIR LAYERS_FILE QT_HEADERS_DIR. First proves that it finds
each kind of offence in a scratch tree, then checks SRC_DIR."""
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def folder_of(relative):
    return relative.split(os.sep)[0]


def read_layers(text):
    """folder -> (uses widgets, every folder it may include from)."""
    links, widgets = {}, {}
    for line in text.splitlines():
        if line.strip():
            folder, kind, *linked = line.split()
            links[folder], widgets[folder] = set(linked), kind == "widgets"
    reachable = {}
    for folder in links:
        seen, todo = set(), [folder]
        while todo:
            for linked in links.get(todo.pop(), ()):
                if linked not in seen:
                    seen.add(linked)
                    todo.append(linked)
        reachable[folder] = seen
    return {folder: (widgets[folder], reachable[folder]) for folder in links}


def violations(root, layers, widget_headers):
    found = []
    for directory, _, names in os.walk(root):
        for name in names:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(directory, name)
            own = folder_of(os.path.relpath(path, root))
            if own not in layers:
                continue
            uses_widgets, reachable = layers[own]
            with open(path, encoding="utf-8") as source:
                text = source.read()
            for angled, target in INCLUDE.findall(text):
                if angled == "<":
                    header = target[len("QtWidgets/"):] if target.startswith("QtWidgets/") else target
                    bad = not uses_widgets and (
                        target.startswith("QtWidgets/") or os.path.exists(os.path.join(widget_headers, header)))
                else:
                    resolved = os.path.join(directory, target)
                    if not os.path.exists(resolved):
                        resolved = os.path.join(root, target)
                    other = folder_of(os.path.relpath(os.path.normpath(resolved), root))
                    bad = other != own and other in layers and other not in reachable
                if bad:
                    found.append(f"{os.path.relpath(path, root)}: {target}")
    return found


SCRATCH_LAYERS = read_layers("""platform core
catalogue core platform
settings core catalogue
clock core settings
map core platform
update core platform
ui widgets clock map update
app widgets ui
""")

SELF_CHECK = [  # file, line, offends
    ("clock/A.cpp", "#include <QWidget>", True),
    ("map/A.h", "#include <QtWidgets/QLabel>", True),
    ("map/A.cpp", "#include <QPainterPath>", False),
    ("settings/A.cpp", '#include "ui/MenuBarPanel.h"', True),
    ("clock/A.cpp", '#include "../ui/MenuBarPanel.h"', True),
    ("catalogue/A.cpp", '#include "settings/AppSettings.h"', True),
    ("map/A.cpp", '#include "update/Updater.h"', True),
    ("ui/A.cpp", '#include "app/HoraviaApp.h"', True),
    ("clock/A.cpp", '#include "settings/AppSettings.h"', False),
    ("app/A.cpp", "#include <QSystemTrayIcon>", False),
    ("ui/platform/A.cpp", '#include "platform/ActivationPolicy.h"', False),
    ("ui/A.cpp", '#include "catalogue/City.h"', False),  # linked through clock and settings
    ("update/A.cpp", '#include "catalogue/City.h"', True),  # a folder it does not link
]


def main():
    src, widget_headers = sys.argv[1], os.path.join(sys.argv[3], "QtWidgets")
    with open(sys.argv[2], encoding="utf-8") as links:
        layers = read_layers(links.read())
    if not layers:
        sys.exit(f"FAIL: no folders in {sys.argv[2]}")
    if not os.path.exists(os.path.join(widget_headers, "QWidget")):
        sys.exit(f"FAIL: no Qt Widgets headers in {widget_headers}")
    failed = 0
    for file, line, offends in SELF_CHECK:
        with tempfile.TemporaryDirectory() as root:
            for name in ["ui/MenuBarPanel.h", "settings/AppSettings.h", "update/Updater.h", "app/HoraviaApp.h",
                         "platform/ActivationPolicy.h", "catalogue/City.h", file]:
                os.makedirs(os.path.dirname(os.path.join(root, name)), exist_ok=True)
                with open(os.path.join(root, name), "w", encoding="utf-8") as out:
                    out.write(line + "\n" if name == file else "#pragma once\n")
            if bool(violations(root, SCRATCH_LAYERS, widget_headers)) != offends:
                print(f"FAIL: the check misjudges {line!r} in {file}")
                failed += 1
    found = violations(src, layers, widget_headers)
    for offence in found:
        print(f"FAIL: {offence}")
    print(f"{len(SELF_CHECK) - failed} self-checks passed; {len(found)} offences in {src}")
    sys.exit(1 if failed or found else 0)


if __name__ == "__main__":
    main()
