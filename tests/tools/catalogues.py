#!/usr/bin/env python3
"""Fails when a shipped catalogue is behind the code or unfinished.

Each catalogue is first brought up to date with the sources in a scratch
copy (lupdate, as the build's update_translations does), so that a text
added to the code and not yet translated counts as missing. Then every
message must be finished, keep the source's placeholders, and follow the
language's typography: German quotes „…“, French spaces before ; : ! ?
and inside « », full-width punctuation in Japanese and Chinese, and the
single "…" everywhere.

Each catalogue keeps its language's terms (i18n/glossary.tsv): the tray,
time zone, working hours and the rest read the same in every message.

With --plant, checks the check instead: a glossary term, a typographic
rule and a mnemonic broken on purpose in each language must each be reported.

Terms are matched without the mnemonic's ampersand. A message whose
source has a mnemonic ("&Save") keeps exactly one in every language, and
the controls that share a window or a menu never share a letter.

usage: catalogues.py [--plant] LUPDATE SOURCES.lst GLOSSARY.tsv CATALOGUE.ts...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import unicodedata
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:n|L?\d)")
CJK = r"[\u3040-\u30ff\u3400-\u9fff]"
# Per language: (pattern that must not occur, why).
TYPOGRAPHY = {
    "de": [(r'["”]', 'uses " or ” rather than „…“')],
    "fr": [(r" [;:!?»]", "has a plain space before ; : ! ? or »"), (r"« ", "has a plain space after «"),
           (r"[^\s\u00a0\u202f(-][;!?](\s|$)", "has no space before ; ! ?"),
           (r"\u00a0[;!?]", "has a no-break space before ; ! ? where French sets a narrow one (U+202F)"),
           (r"«\u00a0|\u00a0»", "has a no-break space inside « » where French sets a narrow one (U+202F)")],
    # One form of address throughout: the plural "you" (אתם, שלכם).
    "he": [(r"שלך(?!\w)", "addresses the user in the singular (שלך) where the catalogue says שלכם")],
    "ar": [(r"[\u0600-\u06ff]\s*[,;?]", "has Latin , ; or ? after Arabic text, not ، ؛ ؟")],
    "ja": [(CJK + r"[,.:;?!()]", "has half-width punctuation after Japanese text")],
    "zh_CN": [(CJK + r"[,.:;?!()]", "has half-width punctuation after Chinese text")],
}
ALL = [(r"\.\.\.", 'writes "..." rather than "…"')]
# The plural forms that stand for one number alone (Qt's rules: Arabic's
# zero, one and two, Hebrew's one), which may say it in words ("עיר אחת").
EXACT_FORMS = {"ar": {0, 1, 2}, "he": {0}}


def columns(line):
    """A terminal's columns for a line: two for each wide (East Asian) character."""
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line)


def plain(text):
    """A control's words without its mnemonic: "&Undo", "元に戻す(&U)"; "&&" is an ampersand."""
    return re.sub(r"&(.)", r"\1", re.sub(r"\s*[(（]&[^&][)）]", "", text or ""))


def mnemonics(text):
    """The letters marked as mnemonics in a text."""
    return re.findall(r"&(\w)", re.sub(r"&&", "", text or ""))


# The controls that are seen together: their mnemonics must differ.
def mnemonic_group(context, source):
    if context == "MainWindow" and source == "&Undo":
        return "the chooser's undo bar"
    return {"Commands": "the menus", "MainWindow": "the menus", "Settings": "Settings",
            "SettingsWindow": "Settings", "CalendarSettings": "Settings"}.get(context, context)


def glossary(path):
    """Per language: (term, context, source, required, forbidden) patterns."""
    terms = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if line.startswith("#") or line.startswith("language\t") or not line.strip():
            continue
        language, term, context, source, required, forbidden = (line.split("\t") + [""])[:6]
        terms.setdefault(language, []).append((term, context, source, required, forbidden))
    return terms


def language_of(path):
    return path.stem.split("_", 1)[1]


def problems(path, language, terms=()):
    found = []
    letters = {}  # group -> letter -> where
    rules = ALL + TYPOGRAPHY.get(language, [])
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{path.name}: {name}: {source[:60]!r}"
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                found.append(f"{where} is {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            if mnemonics(source):
                for form in forms:
                    marked = mnemonics(form)
                    if len(marked) != 1:
                        found.append(f"{where} has {len(marked)} mnemonics where it needs one: {form!r}")
                        continue
                    group = letters.setdefault(mnemonic_group(name, source), {})
                    other = group.setdefault(marked[0].casefold(), where)
                    if other != where:
                        found.append(f"{where} has the mnemonic {marked[0]!r} of {other.split(': ', 1)[1]}")
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for index, form in enumerate(forms):
                if not form.strip():
                    found.append(f"{where} has an empty translation")
                    continue
                have = sorted(set(PLACEHOLDER.findall(form)))
                # A language without plural forms may leave the number out of its one
                # form, as may a form for one number alone.
                without_number = sorted(set(wanted) - {"%n"}) == have and message.get("numerus") == "yes" and (
                    len(forms) == 1 or index in EXACT_FORMS.get(language, set()))
                if have != wanted and not without_number:
                    found.append(f"{where} has placeholders {have}, the source {wanted}")
                for pattern, why in rules:
                    if re.search(pattern, plain(form)):
                        found.append(f"{where} {why}: {form[:60]!r}")
                # The command line's help fits an 80-column terminal in every language.
                if name == "PrintCommand" and source.startswith("Usage:"):
                    for line in form.split("\n"):
                        if columns(line) > 80:
                            found.append(f"{where} has a line wider than 80 columns: {line!r}")
                if language == "de" and form.count("„") != form.count("“"):
                    found.append(f"{where} opens a quote other than with „: {form[:60]!r}")
                for term, context_pattern, source_pattern, required, forbidden in terms:
                    if not re.fullmatch(context_pattern, name) or not re.search(source_pattern, plain(source), re.I):
                        continue
                    words = plain(form)
                    if required and not re.search(required, words, re.I):
                        found.append(f"{where} does not say {term} as the glossary does ({required}): {form[:60]!r}")
                    if forbidden and re.search(forbidden, words, re.I):
                        found.append(f"{where} says {term} as the glossary forbids ({forbidden}): {form[:60]!r}")
    return found


# Per language: a message, and a translation of it that breaks the glossary
# and a typographic rule; --plant checks that both are caught.
PLANTED = {
    "de": ("Settings", "&In the tray, show:", 'In der &Leiste "zeigen":'),
    "fr": ("SettingsWindow", "Settings", "Réglages\u00a0?"),
    "es": ("Settings", "12-Hour", "12 horas..."),
    "pt_BR": ("Settings", "12-Hour", "12 horas..."),
    "ja": ("UpdateWindow", "&Later", "次へ(&L),"),
    "zh_CN": ("UpdateWindow", "&Later", "更晚(&L),"),
    "ar": ("Settings", "&Awake:", "&الاستيقاظ?"),
    "he": ("Settings", "12-Hour", "12 שעות שלך"),
}


def plant(copy, language):
    """Breaks the planted message in the scratch copy; returns its context and source."""
    context_name, source, wrong = PLANTED[language]
    tree = ET.parse(copy)
    editor = {}
    for context in tree.getroot().iter("context"):
        for message in context.iter("message"):
            if context.findtext("name") == context_name and message.findtext("source") == source:
                message.find("translation").text = wrong
            if context.findtext("name") == "CityLabelEditor":
                editor[message.findtext("source")] = message.find("translation")
    # And a mnemonic clash: Cancel takes Save's letter.
    editor["&Cancel"].text = editor["&Save"].text
    tree.write(copy, encoding="utf-8", xml_declaration=True)
    return context_name, source


def main():
    planting = sys.argv[1] == "--plant"
    arguments = sys.argv[2:] if planting else sys.argv[1:]
    lupdate, sources, terms_file = arguments[:3]
    catalogues = [Path(p) for p in arguments[3:]]
    terms = glossary(terms_file)
    found = []
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in catalogues:
            copy = Path(scratch) / catalogue.name
            shutil.copyfile(catalogue, copy)
            # English is the source: its catalogue has only the plural forms.
            only = ["-pluralonly"] if language_of(catalogue) == "en" else []
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *only, "@" + sources, "-ts",
                            str(copy)], check=True)
            language = language_of(catalogue)
            if not planting:
                found += problems(copy, language, terms.get(language, []))
                continue
            if language not in PLANTED:
                continue
            context_name, source = plant(copy, language)
            reported = [line for line in problems(copy, language, terms.get(language, []))
                        if f": {context_name}: {source[:60]!r}" in line]
            if not any("glossary" in line for line in reported):
                found.append(f"{catalogue.name}: a planted glossary error went unreported")
            if not any("glossary" not in line for line in reported):
                found.append(f"{catalogue.name}: a planted typographic error went unreported")
            clash = [line for line in problems(copy, language, terms.get(language, []))
                     if ": CityLabelEditor: '&" in line and "mnemonic" in line]
            if not clash:
                found.append(f"{catalogue.name}: a planted mnemonic clash went unreported")
            for line in reported + clash:
                print(f"caught: {line}")
    for line in found:
        print(line)
    print(f"{len(catalogues)} catalogues, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
