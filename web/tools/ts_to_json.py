#!/usr/bin/env python3
"""Writes the English texts of a Qt translation file as a JSON object for the page.

Keys are the Russian source, followed by U+0004 and the disambiguation where the message has one
(as the model's translator is asked); values are the translations. Empty translations are left
out, so the page falls back to the Russian text as Qt does.
"""
import json
import sys
import xml.etree.ElementTree as ET


def main(source, target):
    table = {}
    for context in ET.parse(source).getroot().iter("context"):
        if context.findtext("name") != "Texts":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("obsolete", "vanished"):
                continue
            text = "".join(translation.itertext())
            if not text:
                continue
            key = message.findtext("source") or ""
            comment = message.findtext("comment")
            if comment:
                key += "\u0004" + comment
            table[key] = text
    with open(target, "w", encoding="utf-8") as out:
        json.dump(table, out, ensure_ascii=False, sort_keys=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
