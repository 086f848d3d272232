#!/usr/bin/python3
"""Checks the built display fonts Orvel000 and Orvel001.

Orvel000 is compared with what orvel-tool makes of every Greek letter with every diacritic
code: the display bytes the renderer writes, and the Unicode text of the same letters. The glyph
on a display byte must be FreeSerif's glyph of that Unicode letter; a capital-prefix byte must
carry the spacing sign of the capital's breathing and accent. Orvel001 must carry a glyph on
every code of the special character table: Hebrew exactly on the right-to-left codes, the
letters in alphabetic order, final and dagesh forms under their letters.

usage: check_orvel_fonts.py --fonts-dir DIR --tool ORVEL-TOOL [--source FreeSerif.ttf]
                            [--docs fonts.md]
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_orvel_fonts  # noqa: E402
import orvel_layouts  # noqa: E402

DEFAULT_SOURCE = "/usr/share/fonts/truetype/freefont/FreeSerif.ttf"
LETTERS = [ord(c) for c in "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXY"]
CODES = [0] + list(range(0xC0, 0xDD))

failures = []


def fail(message):
    failures.append(message)


class Outlines:
    """Glyph shapes of a font, with components resolved, for comparing glyphs across fonts."""

    def __init__(self, font):
        self.font = font
        self.cmap = font.getBestCmap()
        self.glyphs = font.getGlyphSet()

    def of_glyph(self, name):
        pen = DecomposingRecordingPen(self.glyphs)
        self.glyphs[name].draw(pen)
        return self.font["hmtx"][name][0], tuple(pen.value)

    def of_char(self, char):
        name = self.cmap.get(char)
        return None if name is None else self.of_glyph(name)

    def shape_of_char(self, char):
        """The outline alone, moved to start at x = 0: the shape whatever its side bearings."""
        glyph = self.glyphs[self.cmap[char]]
        bounds = BoundsPen(self.glyphs)
        glyph.draw(bounds)
        pen = DecomposingRecordingPen(self.glyphs)
        glyph.draw(TransformPen(pen, (1, 0, 0, 1, -bounds.bounds[0], 0)))
        return tuple(pen.value)

    def is_empty(self, char):
        glyph = self.font["glyf"][self.cmap[char]]
        return glyph.numberOfContours == 0


# ---- what the core makes of the letters -----------------------------------------------------


def pairs():
    return [(code, letter) for code in CODES for letter in LETTERS]


def pair_bytes(code, letter):
    return bytes([code, letter]) if code else bytes([letter])


def rtf_text(rtf):
    """The characters of an RTF document's body, control words dropped, escapes decoded."""
    out = bytearray()
    depth = 0
    i = 0
    while i < len(rtf):
        c = rtf[i]
        if c == ord("{"):
            depth += 1
            i += 1
        elif c == ord("}"):
            depth -= 1
            i += 1
        elif c == ord("\\"):
            if rtf[i + 1 : i + 2] == b"'":
                if depth == 1:
                    out.append(int(rtf[i + 2 : i + 4], 16))
                i += 4
            elif rtf[i + 1 : i + 2] in (b"\\", b"{", b"}"):
                if depth == 1:
                    out.append(rtf[i + 1])
                i += 2
            else:
                match = re.compile(rb"\\[a-z]+-?[0-9]* ?").match(rtf, i)
                i = match.end() if match else i + 2
        elif c in (0x0D, 0x0A, 0x00):
            i += 1
        else:
            if depth == 1:
                out.append(c)
            i += 1
    return bytes(out)


def display_forms(tool, folder):
    """The display bytes of every (code, letter), as the renderer writes them: one Greek word
    whose letters stand between hyphens, which the renderer keeps and the layout never uses."""
    text = b"-" + b"-".join(pair_bytes(c, l) for c, l in pairs()) + b"-"
    path = os.path.join(folder, "letters.txt")
    with open(path, "wb") as f:
        f.write(text)
    rtf = subprocess.run([tool, "render", "--text-file", path], check=True, capture_output=True)
    body = rtf_text(rtf.stdout)
    word = body[body.index(b"-") + 1 : body.rindex(b"-")]
    forms = word.split(b"-")
    if len(forms) != len(pairs()):
        raise RuntimeError(f"render gave {len(forms)} letters for {len(pairs())}")
    return forms


def unicode_forms(tool, folder):
    """The Unicode text of every (code, letter): the head word of a one-article dictionary."""
    head_word = b"_".join(pair_bytes(c, l) for c, l in pairs())
    path = os.path.join(folder, "orvel.dic")
    with open(path, "wb") as f:
        f.write(b"\x01" + head_word + b" \x02")
    out = subprocess.run(
        [tool, "unicode", "--dic", path, "0"], check=True, capture_output=True
    ).stdout
    forms = out.decode("utf-8").rstrip("\n").split(" ")
    if len(forms) != len(pairs()):
        raise RuntimeError(f"unicode gave {len(forms)} letters for {len(pairs())}")
    return forms


def spacing_sign(marks):
    """The spacing breathing/accent sign of a capital's marks: the character whose compatibility
    decomposition is a space and those marks (the koronis U+1FBD, a crasis sign, left aside)."""
    for char in map(chr, range(0x1FBF, 0x2000)):
        if unicodedata.normalize("NFKD", char) == " " + marks:
            return ord(char)
    return None


def expected_orvel000(tool):
    """Display code -> Unicode character, as the core lays the letters out. A code reached from
    several diacritic codes shows the letter of the lowest."""
    expected = {}
    with tempfile.TemporaryDirectory() as folder:
        displays = display_forms(tool, folder)
        texts = unicode_forms(tool, folder)
    for (code, letter), display, text in zip(pairs(), displays, texts):
        what = f"{code:02X} {chr(letter)}"
        if len(display) == 1:
            if len(text) != 1:
                fail(f"{what}: one glyph {display.hex()} for the text {text!r}")
                continue
            expected.setdefault(display[0], ord(text))
        elif len(display) == 2:
            # A prefix stands before any capital; only a capital that carries the marks in
            # Unicode too tells which sign the prefix is.
            prefix, capital = display
            decomposed = unicodedata.normalize("NFD", text)
            base, marks = decomposed[0], decomposed[1:]
            if marks:
                sign = spacing_sign(marks)
                if sign is None:
                    fail(f"{what}: no spacing sign for the marks of {text!r}")
                    continue
                expected.setdefault(prefix, sign)
            if expected.get(capital) != ord(base):
                fail(f"{what}: prefix {prefix:02X} stands before {capital:02X}, not {base}")
        elif display or letter not in (ord("R"), ord("Z")):
            fail(f"{what}: unexpected display form {display.hex()!r}")
    return expected


# ---- the checks -----------------------------------------------------------------------------


def check_names(font, family):
    for name_id in (1, 4, 6):
        for record in font["name"].names:
            if record.nameID == name_id and record.toUnicode() != family:
                fail(f"{family}: name {name_id} is {record.toUnicode()!r}")
        if font["name"].getDebugName(name_id) != family:
            fail(f"{family}: name {name_id} missing")
    unique = font["name"].getDebugName(3) or ""
    if not unique.startswith(family + " "):
        fail(f"{family}: unique id {unique!r} does not name the family")


def check_cmap(font, family):
    cmap = font.getBestCmap()
    for table in font["cmap"].tables:
        if table.cmap != cmap:
            fail(f"{family}: cmap subtable {table.platformID}/{table.platEncID} differs")
    if not all(0x20 <= code <= 0xFF for code in cmap):
        fail(f"{family}: codes outside U+0020..U+00FF")
    os2 = font["OS/2"]
    if (os2.usFirstCharIndex, os2.usLastCharIndex) != (min(cmap), max(cmap)):
        fail(f"{family}: OS/2 character range disagrees with the cmap")
    if not font["post"].formatType == 2.0 or font["maxp"].numGlyphs != len(font.getGlyphOrder()):
        fail(f"{family}: glyph count or names inconsistent")


def check_glyphs(outlines, family, codes):
    """Every code has a glyph with an outline (the space an empty one)."""
    for code in sorted(codes):
        if code not in outlines.cmap:
            fail(f"{family}: no glyph on {code:02X}")
        elif outlines.is_empty(code) != (code == 0x20):
            fail(f"{family}: the glyph on {code:02X} is {'empty' if code != 0x20 else 'not'}")


def check_orvel000(font, source, tool):
    outlines = Outlines(font)
    table = {code for row in orvel_layouts.parse_table(orvel_layouts.GREEK_TABLE) for code in row}
    table.discard(0)
    expected = expected_orvel000(tool)
    if set(expected) != table:
        fail(f"Orvel000: the character table and the core's layout differ: {set(expected) ^ table}")
    punctuation = set(orvel_layouts.GREEK_PUNCTUATION)
    extra = set(outlines.cmap) - set(expected) - punctuation - {0x20}
    if extra:
        fail(f"Orvel000: glyphs on codes outside the layout: {sorted(extra)}")
    check_glyphs(outlines, "Orvel000", set(expected) | punctuation | {0x20})
    for code, char in sorted(expected.items()):
        if code not in outlines.cmap:
            continue
        # The capital-prefix signs are narrowed: the same sign with less room around it.
        if code in orvel_layouts.CAPITAL_PREFIXES:
            same = outlines.shape_of_char(code) == source.shape_of_char(char)
        else:
            same = outlines.of_char(code) == source.of_char(char)
        if not same:
            fail(f"Orvel000: the glyph on {code:02X} is not {chr(char)} U+{char:04X}")
    for code in punctuation:
        char = orvel_layouts.GREEK_PUNCTUATION[code]
        if code in outlines.cmap and outlines.of_char(code) != source.of_char(char):
            fail(f"Orvel000: the glyph on {code:02X} is not {chr(char)}")
    return len(expected)


def hebrew_name(char):
    name = "" if char is None else unicodedata.name(chr(char), "")
    return name if name.startswith("HEBREW ") else None


def check_orvel001(font, source):
    outlines = Outlines(font)
    rows = orvel_layouts.parse_table(orvel_layouts.SPECIAL_TABLE)
    table = {code for row in rows for code in row} - {0}
    check_glyphs(outlines, "Orvel001", table | {0x20})
    extra = set(outlines.cmap) - table - {0x20}
    if extra:
        fail(f"Orvel001: glyphs on codes outside the table: {sorted(extra)}")
    hebrew = {}
    for char in sorted(source.cmap):
        if hebrew_name(char):
            hebrew.setdefault(source.of_char(char), char)

    def char_of(code):
        """The Hebrew character of FreeSerif whose glyph the code carries, or None."""
        return hebrew.get(outlines.of_char(code))

    for code in sorted(table):
        if (char_of(code) is not None) != orvel_layouts.is_right_to_left(code):
            fail(f"Orvel001: {code:02X} is {'not ' if char_of(code) is None else ''}Hebrew")
    letters = [char_of(code) for code in rows[0] if code]
    alphabet = [c for c in range(0x05D0, 0x05EB) if "FINAL" not in unicodedata.name(chr(c))]
    if letters != alphabet:
        fail("Orvel001: the first row is not the alphabet")
    for row, form in ((1, "FINAL {}"), (2, "{} WITH DAGESH"), (3, "FINAL {} WITH DAGESH")):
        for column, code in enumerate(rows[row]):
            if code and rows[0][column]:
                letter = hebrew_name(char_of(rows[0][column])) or "?"
                letter = letter.replace("HEBREW LETTER ", "")
                wanted = "HEBREW LETTER " + form.format(letter)
                found = (hebrew_name(char_of(code)) or "").replace(" MAPIQ", " DAGESH")
                if found != wanted:
                    fail(f"Orvel001: {code:02X} is {hebrew_name(char_of(code))}, not {wanted}")
    return len(table)


def check_docs(path):
    """The documentation lists the layouts the fonts are built with."""
    with open(path, encoding="utf-8") as f:
        if make_orvel_fonts.markdown() not in f.read():
            fail(f"{path}: the layout tables differ from make_orvel_fonts.py --markdown")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts-dir", required=True)
    parser.add_argument("--tool", required=True, help="orvel-tool")
    parser.add_argument("--source", default=DEFAULT_SOURCE)
    parser.add_argument("--docs", help="docs/fonts.md, whose layout tables are compared")
    arguments = parser.parse_args()
    if arguments.docs:
        check_docs(arguments.docs)
    source = Outlines(TTFont(arguments.source))
    counts = {}
    for family in ("Orvel000", "Orvel001"):
        font = TTFont(os.path.join(arguments.fonts_dir, family + ".ttf"))
        check_names(font, family)
        check_cmap(font, family)
        try:
            if family == "Orvel000":
                counts[family] = check_orvel000(font, source, arguments.tool)
            else:
                counts[family] = check_orvel001(font, source)
        except subprocess.CalledProcessError as error:
            fail(f"{family}: {' '.join(error.cmd)}: {error.stderr.decode(errors='replace')}")
        except RuntimeError as error:
            fail(f"{family}: {error}")
    for message in failures:
        print("FAIL:", message)
    if failures:
        return 1
    print(", ".join(f"{family}: {n} codes" for family, n in counts.items()) + ": all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
