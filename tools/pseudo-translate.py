#!/usr/bin/env python3
"""Fills a Qt Linguist catalogue with a pseudo-language: every source text
bracketed and accented ("Copy Link" becomes "⟦Ćóṕý Ĺíñḱ⟧"), placeholders
(%1, %n, %L1), mnemonics and markup left as they are, so that a text the
interface shows unmarked is one that never went through the catalogue.
A sentence whose placeholders are input fields ("%1 to %2", its translator
comment saying "the fields of") is shown in pieces, each between two
fields: each piece is marked on its own ("%1 ⟦tó⟧ %2").
Usage: pseudo-translate.py CATALOGUE.ts"""
import re
import sys
import xml.etree.ElementTree as ElementTree

ACCENTS = dict(zip("aAcCeEiIlLnNoOsSuUyYzZ", "áÁćĆéÉíÍĺĹñÑóÓśŚúÚýÝźŹ"))
KEPT = re.compile(r"(%L?\d+|%n|&\w+;|&&|&(?=\w)|<[^>]*>)")


def marked(text):
    parts = KEPT.split(text)
    return "⟦" + "".join(p if KEPT.fullmatch(p) else "".join(ACCENTS.get(c, c) for c in p) for p in parts) + "⟧"


def marked_pieces(text):
    return "".join(p if KEPT.fullmatch(p) or not p.strip() else
                   re.sub(r"^(\s*)(.*?)(\s*)$", lambda m: m[1] + marked(m[2]) + m[3], p, flags=re.S)
                   for p in KEPT.split(text))


def main():
    path = sys.argv[1]
    tree = ElementTree.parse(path)
    root = tree.getroot()
    root.set("language", "qps")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        mark = marked_pieces if "the fields of" in (message.findtext("extracomment") or "") else marked
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = mark(source)
        else:
            translation.text = mark(source)
    tree.write(path, encoding="utf-8", xml_declaration=True)


main()
