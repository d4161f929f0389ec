#!/usr/bin/env python3
"""The source folders form layers: a folder includes only from itself and
from lower layers (siblings on one layer stay apart), and no folder below the
widgets includes a Qt Widgets header, which the include paths alone would not
stop. Usage: layering.py SRC_DIR QT_HEADERS_DIR. First proves that it finds
each kind of offence in a scratch tree, then checks SRC_DIR."""
import os
import re
import sys
import tempfile

LAYERS = {"platform": 0, "catalogue": 1, "settings": 2, "clock": 3, "map": 3, "update": 3,
          "chooser": 4, "ui": 5, "app": 6}
WIDGETS_LAYER = 5
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def folder_of(relative):
    return relative.split(os.sep)[0]


def violations(root, widget_headers):
    found = []
    for directory, _, names in os.walk(root):
        for name in names:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(directory, name)
            own = folder_of(os.path.relpath(path, root))
            if own not in LAYERS:
                continue
            with open(path, encoding="utf-8") as source:
                text = source.read()
            for angled, target in INCLUDE.findall(text):
                if angled == "<":
                    header = target[len("QtWidgets/"):] if target.startswith("QtWidgets/") else target
                    bad = LAYERS[own] < WIDGETS_LAYER and (
                        target.startswith("QtWidgets/") or os.path.exists(os.path.join(widget_headers, header)))
                else:
                    resolved = os.path.join(directory, target)
                    if not os.path.exists(resolved):
                        resolved = os.path.join(root, target)
                    other = folder_of(os.path.relpath(os.path.normpath(resolved), root))
                    bad = other != own and other in LAYERS and LAYERS[other] >= LAYERS[own]
                if bad:
                    found.append(f"{os.path.relpath(path, root)}: {target}")
    return found


SELF_CHECK = [  # file, line, offends
    ("clock/A.cpp", "#include <QWidget>", True),
    ("map/A.h", "#include <QtWidgets/QLabel>", True),
    ("map/A.cpp", "#include <QPainterPath>", False),
    ("settings/A.cpp", '#include "ui/ClockRow.h"', True),
    ("clock/A.cpp", '#include "../ui/ClockRow.h"', True),
    ("catalogue/A.cpp", '#include "settings/AppSettings.h"', True),
    ("map/A.cpp", '#include "update/Updater.h"', True),
    ("ui/A.cpp", '#include "app/HoraviaApp.h"', True),
    ("clock/A.cpp", '#include "settings/AppSettings.h"', False),
    ("app/A.cpp", "#include <QSystemTrayIcon>", False),
    ("ui/platform/A.cpp", '#include "platform/ActivationPolicy.h"', False),
]


def main():
    src, widget_headers = sys.argv[1], os.path.join(sys.argv[2], "QtWidgets")
    if not os.path.exists(os.path.join(widget_headers, "QWidget")):
        sys.exit(f"FAIL: no Qt Widgets headers in {widget_headers}")
    failed = 0
    for file, line, offends in SELF_CHECK:
        with tempfile.TemporaryDirectory() as root:
            for name in ["ui/ClockRow.h", "settings/AppSettings.h", "update/Updater.h", "app/HoraviaApp.h",
                         "platform/ActivationPolicy.h", file]:
                os.makedirs(os.path.dirname(os.path.join(root, name)), exist_ok=True)
                with open(os.path.join(root, name), "w", encoding="utf-8") as out:
                    out.write(line + "\n" if name == file else "#pragma once\n")
            if bool(violations(root, widget_headers)) != offends:
                print(f"FAIL: the check misjudges {line!r} in {file}")
                failed += 1
    found = violations(src, widget_headers)
    for offence in found:
        print(f"FAIL: {offence}")
    print(f"{len(SELF_CHECK) - failed} self-checks passed; {len(found)} offences in {src}")
    sys.exit(1 if failed or found else 0)


if __name__ == "__main__":
    main()
