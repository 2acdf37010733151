#!/usr/bin/env python3
"""Writes the page as one self-contained HTML file: the style, the module (with its WebAssembly
inside, emcc -sSINGLE_FILE=1), the English texts, the presets' table and the page's script
inlined."""
import argparse
import json


def script_text(text):
    # Nothing in a script may close the element early.
    return text.replace("</script", "<\\/script")


def main():
    p = argparse.ArgumentParser()
    for name in ("html", "css", "js", "module", "translations", "presets", "out"):
        p.add_argument("--" + name, required=True)
    a = p.parse_args()
    read = lambda path: open(path, encoding="utf-8").read()
    english = json.dumps(json.load(open(a.translations, encoding="utf-8")), ensure_ascii=False)
    page = read(a.html)
    for mark, text in (
        ("/*STYLE*/", read(a.css)),
        ("/*MODULE*/", script_text(read(a.module))),
        ("/*ENGLISH*/", "window.ballflightEnglish = " + script_text(english) + ";"),
        ("/*PRESETS*/", "window.ballflightPresets = "
         + script_text(json.dumps(read(a.presets), ensure_ascii=False)) + ";"),
        ("/*PAGE*/", script_text(read(a.js))),
    ):
        if page.count(mark) != 1:
            raise SystemExit("the page must hold " + mark + " once")
        page = page.replace(mark, text)
    with open(a.out, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
