#!/usr/bin/env python3
"""Fills a Qt Linguist catalogue with a pseudo-language: every source text
bracketed and accented ("Copy Link" becomes "⟦Ćóṕý Ĺíñḱ⟧"), placeholders
(%1, %n, %L1), mnemonics and markup left as they are, so that a text the
interface shows unmarked is one that never went through the catalogue.
Usage: pseudo-translate.py CATALOGUE.ts"""
import re
import sys
import xml.etree.ElementTree as ElementTree

ACCENTS = dict(zip("aAcCeEiIlLnNoOsSuUyYzZ", "áÁćĆéÉíÍĺĹñÑóÓśŚúÚýÝźŹ"))
KEPT = re.compile(r"(%L?\d+|%n|&\w+;|&&|&(?=\w)|<[^>]*>)")


def marked(text):
    parts = KEPT.split(text)
    return "⟦" + "".join(p if KEPT.fullmatch(p) else "".join(ACCENTS.get(c, c) for c in p) for p in parts) + "⟧"


def main():
    path = sys.argv[1]
    tree = ElementTree.parse(path)
    root = tree.getroot()
    root.set("language", "qps")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = marked(source)
        else:
            translation.text = marked(source)
    tree.write(path, encoding="utf-8", xml_declaration=True)


main()
