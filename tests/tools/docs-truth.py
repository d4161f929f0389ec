#!/usr/bin/env python3
"""Keeps the README and the pages under docs/ true to the program.

- The README's quick start is exactly two commands, scripts that exist and
  run; CI's entry point runs the second. The README stays a front door.
- Every relative link and picture of the pages exists.
- Each status-bar snippet is valid (JSON, or key = value lines), and the
  command it runs, run against the real executable, prints what that bar
  reads: a JSON object with text, tooltip and class, or one line.
- Every option the pages name is one `horavia --help` lists.

usage: docs-truth.py SOURCE_DIR APP
"""
import json
import os
import re
import select
import shlex
import subprocess
import sys
import tempfile
from pathlib import Path

source, app = Path(sys.argv[1]), sys.argv[2]
failures = []


def fail(what):
    failures.append(what)
    print(f"FAIL: {what}")


def blocks(text, language):
    return re.findall(r"```" + language + r"\n(.*?)```", text, re.S)


readme = (source / "README.md").read_text(encoding="utf-8")
pages = {path: path.read_text(encoding="utf-8") for path in sorted((source / "docs").glob("*.md"))}

# The front door: about 5 KB, two commands.
if len(readme.encode()) > 6000:
    fail(f"the README is {len(readme.encode())} bytes; keep it a front door and move the rest to docs/")
quick = readme.split("## Quick start", 1)[-1].split("\n## ", 1)[0]
commands = [line.split("#")[0].strip() for block in blocks(quick, "sh") for line in block.splitlines() if line.strip()]
if commands != ["scripts/run", "scripts/test"]:
    fail(f"the quick start's commands are {commands}, not scripts/run and scripts/test")
for command in commands:
    script = source / command
    if not (script.is_file() and os.access(script, os.X_OK)):
        fail(f"{command} is no executable script")
if "scripts/test" not in (source / ".ci" / "run").read_text():
    fail(".ci/run does not run scripts/test")
for block in blocks(readme, "sh"):
    for line in block.splitlines():
        word = line.split("#")[0].split()
        if word and word[0].startswith("scripts/") and not (source / word[0]).is_file():
            fail(f"the README runs {word[0]}, which does not exist")

# Links and pictures.
for path, text in [(source / "README.md", readme)] + list(pages.items()):
    for target in re.findall(r"\]\(([^)#\s]+)\)", text):
        if re.match(r"[a-z]+:", target):
            continue
        if not (path.parent / target).exists():
            fail(f"{path.relative_to(source)} links to {target}, which does not exist")

home = tempfile.mkdtemp()
config = Path(home) / "config" / "horavia"
config.mkdir(parents=True)
(config / "settings.json").write_text('{"trackedCityIDs": ["gn1850147", "gn2988507"]}')
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=str(Path(home) / "config"), TZ="UTC", LANG="en_US.UTF-8",
           LC_ALL="", LANGUAGE="")
env.pop("DISPLAY", None)
env.pop("WAYLAND_DISPLAY", None)
usage = subprocess.run([app, "--help"], env=env, capture_output=True, text=True, timeout=30).stdout


def first_line(command):
    """The first line the command prints (it may go on, as --follow does)."""
    words = shlex.split(command)
    process = subprocess.Popen([app] + words[1:], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    ready, _, _ = select.select([process.stdout], [], [], 10)
    line = process.stdout.readline().decode() if ready else ""
    process.kill()
    process.wait()
    return line.rstrip("\n")


def check_command(page, command):
    if not command.startswith("horavia "):
        fail(f"{page}: a snippet runs {command!r}, not horavia")
        return
    line = first_line(command)
    if "--print=waybar" in command:
        try:
            bar = json.loads(line)
            assert set(bar) == {"text", "tooltip", "class"} and bar["text"], bar
        except (ValueError, AssertionError) as error:
            fail(f"{page}: {command!r} printed {line!r} ({error})")
    elif not line or "\n" in line:
        fail(f"{page}: {command!r} printed {line!r}")
    if "--city" in command and "Tokyo" not in line:
        fail(f"{page}: {command!r} does not show the city it names: {line!r}")


checked = 0
for path, text in pages.items():
    page = path.relative_to(source)
    for block in blocks(text, "json"):
        try:
            module = json.loads("{" + block + "}")
        except ValueError as error:
            fail(f"{page}: a JSON snippet does not parse: {error}")
            continue
        for settings in module.values():
            check_command(page, settings["exec"])
            checked += 1
    for block in blocks(text, "ini"):
        for line in block.splitlines():
            if line.strip() and not re.match(r"^(\[[\w/-]+\]|\w[\w-]* ?= ?.+)$", line):
                fail(f"{page}: {line!r} is no ini line")
            key = re.match(r"^(exec|command) ?= ?(.+)$", line)
            if key:
                check_command(page, key.group(2))
                checked += 1
    for option in set(re.findall(r"`horavia (--[a-z]+)|`(--[a-z]+)", text)):
        name = option[0] or option[1]
        if name not in usage:
            fail(f"{page} names {name}, which horavia --help does not list")

if checked < 5:
    fail(f"only {checked} bar snippets were found to check")
print(f"{checked} snippets run, {len(pages)} pages read")
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
