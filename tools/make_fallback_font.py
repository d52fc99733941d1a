#!/usr/bin/env python3
"""Makes the font compiled into the program for systems without a Chinese font: WenQuanYi
Micro Hei (Debian's fonts-wqy-microhei, under the Apache License 2.0), cut down with
fontTools' subsetter to exactly the characters that a window of the program can show, and
renamed so that it never stands in for the installed font of that name.

The characters come from the program's own sources: every caption of the settings
window's layout rows and every window title, each character also as the script table maps
it (both directions), and the digits and minus sign that a number label shows. The build
fails when the font lacks any of them.

    make_fallback_font.py FONT OUTPUT LAYOUT TITLES... --table SCRIPT_TABLE
"""
import argparse
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Trovane Fallback"
NUMBER_CHARACTERS = "0123456789-"


def literals(path, pattern):
    with open(path, encoding="utf-8") as source:
        return re.findall(pattern, source.read())


def shown_characters(layout, titles, table):
    texts = literals(layout, r'\.caption = L"([^"]*)"')
    for title in titles:
        texts += literals(title, r'k\w*Title\[\] = L"([^"]*)"')
    pairs = [(chr(int(a, 16)), chr(int(b, 16)))
             for a, b in literals(table, r"\{0x([0-9A-Fa-f]+), 0x([0-9A-Fa-f]+)\}")]
    characters = set("".join(texts)) | set(NUMBER_CHARACTERS)
    characters |= {to for source, to in pairs if source in characters}
    return "".join(sorted(characters))


def renamed(font):
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID in (3, 6):
            record.string = FAMILY.replace(" ", "")
    return font


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("font")
    arguments.add_argument("output")
    arguments.add_argument("layout")
    arguments.add_argument("titles", nargs="+")
    arguments.add_argument("--table", required=True)
    options = arguments.parse_args()
    text = shown_characters(options.layout, options.titles, options.table)
    font = TTFont(options.font, fontNumber=0, recalcTimestamp=False)  # the source's own times
    options_ = subset.Options(name_IDs=["*"], name_languages=["*"])
    options_.drop_tables += ["FFTM"]  # the font editor's time stamps
    subsetter = subset.Subsetter(options_)
    subsetter.populate(text=text)
    subsetter.subset(font)
    missing = [c for c in text if ord(c) not in font.getBestCmap()]
    if missing:
        sys.exit("make_fallback_font.py: the font has no glyph for " + " ".join(
            "%s (U+%04X)" % (c, ord(c)) for c in missing))
    renamed(font).save(options.output)
    print("%s: %d characters, %s" % (options.output, len(text), FAMILY))


if __name__ == "__main__":
    main()
