#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills a catalogue lupdate extracted with a pseudo-translation: each line of each text between « and ».

A text shown in a program without the marks did not go through a translation call (or lupdate cannot see
it). Placeholders (%1), mnemonics (&) and line breaks are kept, so the texts work as real translations do.
Usage: pseudotranslate.py <extracted.ts> <pseudo.ts>"""
import sys
import xml.etree.ElementTree as ET


def pseudo(text):
    lines = []
    for line in text.split("\n"):
        end = "\r" if line.endswith("\r") else ""
        body = line[: len(line) - len(end)]
        lines.append(("\u00ab" + body + "\u00bb" if body else body) + end)
    return "\n".join(lines)


def main():
    tree = ET.parse(sys.argv[1])
    root = tree.getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        source = message.find("source")
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.clear()
        translation.text = pseudo(source.text or "")
    tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
