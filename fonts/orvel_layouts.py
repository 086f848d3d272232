"""The code layouts of the display fonts Orvel000 and Orvel001 and the grids of the two
character tables.

Both fonts place their glyphs on single-byte codes, read as the Latin-1 code points
U+0020..U+00FF. Orvel000 holds Greek: bare letters on the Latin keys, every letter with
diacritics on a code of its own, and six spacing breathing/accent signs drawn before a capital.
Orvel001 holds Hebrew letters, points and graphic signs.

A layout maps each code to a source: an int is a Unicode character whose glyph is taken from
the source font; a str names a glyph built by make_orvel_fonts.py.
"""

import unicodedata

# ---- Orvel000 -------------------------------------------------------------------------------

# Bare letters: display code and Greek letter, small letters in Greek order, then the capitals.
# Final sigma sits on '~'; the capital has no final form. The elision apostrophe sits on '`'.
BARE_LETTERS = (
    "a α b β g γ d δ e ε z ζ h η q θ i ι k κ l λ m μ n ν x ξ o ο p π r ρ ~ ς s σ t τ u υ "
    "f φ c χ y ψ w ω ` \u2019 "
    "A Α B Β G Γ D Δ E Ε Z Ζ H Η Q Θ I Ι K Κ L Λ M Μ N Ν X Ξ O Ο P Π R Ρ S Σ T Τ U Υ "
    "F Φ C Χ Y Ψ W Ω"
)

# The marks of each diacritic code, as combining characters in the order that composes:
# breathing, diaeresis or length mark first, then the accent, then the iota subscript.
SMOOTH, ROUGH, ACUTE, GRAVE, CIRCUMFLEX = "\u0313", "\u0314", "\u0301", "\u0300", "\u0342"
IOTA, DIAERESIS, MACRON, BREVE = "\u0345", "\u0308", "\u0304", "\u0306"
CODE_MARKS = {
    0xC0: ACUTE,
    0xC1: GRAVE,
    0xC2: CIRCUMFLEX,
    0xC3: SMOOTH,
    0xC4: ROUGH,
    0xC5: SMOOTH + ACUTE,
    0xC6: SMOOTH + GRAVE,
    0xC7: ROUGH + ACUTE,
    0xC8: ROUGH + GRAVE,
    0xC9: SMOOTH + CIRCUMFLEX,
    0xCA: ROUGH + CIRCUMFLEX,
    0xCB: MACRON,
    0xCC: BREVE,
    0xCD: IOTA,
    0xCE: ACUTE + IOTA,
    0xCF: GRAVE + IOTA,
    0xD0: CIRCUMFLEX + IOTA,
    0xD1: SMOOTH + IOTA,
    0xD2: ROUGH + IOTA,
    0xD3: SMOOTH + ACUTE + IOTA,
    0xD4: SMOOTH + GRAVE + IOTA,
    0xD5: ROUGH + ACUTE + IOTA,
    0xD6: ROUGH + GRAVE + IOTA,
    0xD7: SMOOTH + CIRCUMFLEX + IOTA,
    0xD8: ROUGH + CIRCUMFLEX + IOTA,
    0xD9: DIAERESIS,
    0xDA: DIAERESIS + ACUTE,
    0xDB: DIAERESIS + GRAVE,
    0xDC: DIAERESIS + CIRCUMFLEX,
}

# Display code of each vowel (and rho) with each diacritic code. '*' marks a cell that shows the
# bare letter, '-' a code the letter does not take; both add nothing to the layout. Where two
# codes share a code (0xD3/0xD4, 0xD5/0xD6; 0xD9/0xDC on upsilon) the lower code's letter is
# the glyph.
DIACRITIC_LETTERS = "αεηιουωρ"
DIACRITIC_GLYPHS = """
C0 3D 31 2F 6A 33 76 39 -
C1 2B 32 5C 4A 34 56 E4 -
C2 C0 65* 7C 5F 6F* 24 5E -
C3 23 36 D2 3E A5 38 E5 -
C4 C1 35 D3 3C A6 37 E6 40
C5 C2 A1 D4 F6 A7 B0 E7 -
C6 C3 A2 D5 F7 A8 B1 E8 -
C7 C4 A3 D6 F8 A9 B2 E9 -
C8 C5 A4 D7 F9 AA B3 EA -
C9 C6 - D8 FA - B4 EB -
CA C7 - D9 FB - B5 EC -
CB AC - 68* AE - AF 77* -
CC BC - 68* BE - BF 77* -
CD C8 - DA 69* - 75* 30 -
CE C9 - DB 69* - 75* ED -
CF CA - DC 69* - 75* EE -
D0 CB - DD 69* - 75* EF -
D1 CC - DE 69* - 75* F0 -
D2 CD - DF 69* - 75* F1 -
D3 CE - E0 69* - 75* F2 -
D4 CE - E0 69* - 75* F2 -
D5 CF - E1 69* - 75* F3 -
D6 CF - E1 69* - 75* F3 -
D7 D0 - E2 69* - 75* F4 -
D8 D1 - E3 69* - 75* F5 -
D9 - - - FC - B8 - -
DA - - - FD - B9 - -
DB - - - FE - BA - -
DC - - - FF - B8 - -
"""

# The glyphs drawn before a capital that carries a breathing: spacing breathing and accent signs.
# They are built narrower than the source's, to stand close to the capital (see PREFIX_GLYPHS).
CAPITAL_PREFIXES = {
    0x7D: 0x1FBF,  # } psili: smooth breathing
    0x7B: 0x1FFE,  # { dasia: rough breathing
    0x26: 0x1FCE,  # & psili and oxia
    0x25: 0x1FDE,  # % dasia and oxia
    0x27: 0x1FCF,  # ' psili and perispomeni
    0x22: 0x1FDF,  # " dasia and perispomeni
}

# The built prefix glyph of each capital-prefix code: the sign with little room on either side.
PREFIX_GLYPHS = {code: f"orvel.prefix{char:04X}" for code, char in CAPITAL_PREFIXES.items()}

# Punctuation that Greek text in the display font carries as itself: the marks kept when typed
# text is read back, and the comma, full stop and hyphen written inside Greek words. The mark
# byte of an article is shown as a pilcrow on 0xB6.
GREEK_PUNCTUATION = {c: c for c in b"!()*,-.?[]"}
GREEK_PUNCTUATION[0xB6] = 0x00B6


def _compose(letter, marks):
    text = unicodedata.normalize("NFC", letter + marks)
    if len(text) != 1:
        raise ValueError(f"no precomposed character for {letter!r} with marks {marks!r}")
    return ord(text)


def orvel000_letters():
    """Display code -> Unicode character of every Greek glyph: the bare letters and the
    letters with diacritics (the capital-prefix signs and punctuation not included)."""
    layout = {}
    words = BARE_LETTERS.split()
    for code, letter in zip(words[0::2], words[1::2]):
        layout[ord(code)] = ord(letter)
    for row in DIACRITIC_GLYPHS.strip().splitlines():
        cells = row.split()
        marks = CODE_MARKS[int(cells[0], 16)]
        for letter, cell in zip(DIACRITIC_LETTERS, cells[1:]):
            if cell == "-" or cell.endswith("*"):
                continue
            layout.setdefault(int(cell, 16), _compose(letter, marks))
    return layout


def orvel000_layout():
    layout = {0x20: 0x20}
    layout.update(orvel000_letters())
    for code, source in list(PREFIX_GLYPHS.items()) + list(GREEK_PUNCTUATION.items()):
        if code in layout:
            raise ValueError(f"code {code:02X} is used twice in Orvel000")
        layout[code] = source
    return layout


# ---- Orvel001 -------------------------------------------------------------------------------

# Hebrew letters in alphabetic order on the codes of the table's first row, final forms on the
# codes under their letters.
HEBREW_LETTERS = {
    0x61: 0x05D0, 0x62: 0x05D1, 0x67: 0x05D2, 0x64: 0x05D3, 0x68: 0x05D4, 0x77: 0x05D5,
    0x7A: 0x05D6, 0x6A: 0x05D7, 0x66: 0x05D8, 0x79: 0x05D9, 0x6B: 0x05DB, 0x6C: 0x05DC,
    0x6D: 0x05DE, 0x6E: 0x05E0, 0x73: 0x05E1, 0x69: 0x05E2, 0x70: 0x05E4, 0x78: 0x05E6,
    0x71: 0x05E7, 0x72: 0x05E8, 0x63: 0x05E9, 0x74: 0x05EA,
    0x58: 0x05DA, 0x6F: 0x05DD, 0x75: 0x05DF, 0x65: 0x05E3, 0x76: 0x05E5,
}  # fmt: skip

# Letters with dagesh (or mapiq) under their letters; het and ayin take none.
HEBREW_DAGESH = {
    0xCB: 0xFB30, 0xCC: 0xFB31, 0xCD: 0xFB32, 0xCE: 0xFB33, 0xCF: 0xFB34, 0xD0: 0xFB35,
    0xD1: 0xFB36, 0xD2: 0xFB38, 0xD3: 0xFB39, 0xD5: 0xFB3B, 0xD6: 0xFB3C, 0xD7: 0xFB3E,
    0xD8: 0xFB40, 0xD9: 0xFB41, 0xDB: 0xFB44, 0xDC: 0xFB46, 0xDD: 0xFB47, 0xDE: 0xFB48,
    0xDF: 0xFB49, 0xE0: 0xFB4A, 0xD4: 0xFB3A, 0xDA: 0xFB43,
}  # fmt: skip

# Shin with its dots, holam male, and the points. The points have no advance: their marks lie
# over the glyph that follows them in the text, which is the letter they belong to, since
# right-to-left text is stored in reverse.
HEBREW_POINTS = {
    0xC9: 0xFB2A,  # shin with shin dot
    0xCA: 0xFB2B,  # shin with sin dot
    0xE5: 0xFB4B,  # vav with holam
    0xE2: 0x05BC,  # dagesh or mapiq
    0xC0: 0x05B0,  # sheva
    0xE1: 0x05B1,  # hataf segol
    0xC1: 0x05B2,  # hataf patah
    0xC2: 0x05B3,  # hataf qamats
    0xE3: 0x05B4,  # hiriq
    0xC3: 0x05B5,  # tsere
    0xC4: 0x05B6,  # segol
    0xE4: 0x05B7,  # patah
    0xC5: 0x05B8,  # qamats
    0xC6: 0x05B9,  # holam
    0xC7: 0x05BB,  # qubuts
    0xC8: 0x05BD,  # meteg
}

# Graphic signs, left to right. Metrical signs: the longum is the en dash, the brevis a breve at
# the dash's height, and the feet are built from both.
METRICAL_FEET = {
    "orvel.brevis": "S",
    "orvel.dactyl": "LSS",
    "orvel.spondee": "LL",
    "orvel.trochee": "LS",
    "orvel.iamb": "SL",
    "orvel.anapaest": "SSL",
}
SIGNS = {
    # metre
    0x41: 0x2013,  # longum
    0x42: "orvel.brevis",
    0x54: 0x00D7,  # anceps
    0x55: 0x2016,  # caesura
    0xE6: "orvel.dactyl",
    0xE7: "orvel.spondee",
    0xE8: "orvel.trochee",
    0xE9: "orvel.iamb",
    0xEA: "orvel.anapaest",
    # critical signs
    0x43: 0x2020,  # crux, dagger
    0x44: 0x2021,  # double dagger
    0x45: 0x002A,  # asterisk
    0x46: 0x2051,  # two asterisks
    0x47: 0x00F7,  # obelus
    0x48: 0x2E16,  # diple periestigmene
    0x49: 0x2E0F,  # paragraphos
    0x4A: 0x2E10,  # forked paragraphos
    0x4B: 0x2042,  # asterism
    # archaic letters and numeral signs
    0x4C: 0x03DC,  # digamma
    0x4D: 0x03DD,  # small digamma
    0x4E: 0x03DE,  # koppa
    0x4F: 0x03DF,  # small koppa (90)
    0x50: 0x03D9,  # small archaic koppa
    0x51: 0x03DB,  # stigma (6)
    0x52: 0x03E1,  # sampi (900)
    0x53: 0x0374,  # numeral sign (keraia)
    0x57: 0x0375,  # lower numeral sign (thousands)
    # editions and dictionaries
    0xEB: 0x27E8,  # angle brackets: letters added by the editor
    0xEC: 0x27E9,
    0xED: 0x27E6,  # double brackets: letters deleted
    0xEE: 0x27E7,
    0xEF: 0x2E22,  # half brackets: letters partly legible
    0xF0: 0x2E23,
    0xF1: 0x2053,  # swung dash: the head word repeated
    0xF2: 0x00A7,  # section
    0xF3: 0x0387,  # ano teleia
    0xF4: 0x205D,  # tricolon
    0xF5: 0x205E,  # vertical four dots
}


def orvel001_layout():
    layout = {0x20: 0x20}
    for part in (HEBREW_LETTERS, HEBREW_DAGESH, HEBREW_POINTS, SIGNS):
        for code, source in part.items():
            if code in layout:
                raise ValueError(f"code {code:02X} is used twice in Orvel001")
            layout[code] = source
    return layout


def is_right_to_left(code):
    """Whether an Orvel001 code is a right-to-left glyph (a Hebrew letter or point)."""
    return code == 0x58 or 0x61 <= code <= 0x7A or 0xC0 <= code <= 0xE5


# ---- The character tables -------------------------------------------------------------------

# 25 x 9 cells, row by row; 0 is an empty cell.
GREEK_TABLE = """
61 62 67 64 65 7A 68 71 69 6B 6C 6D 6E 78 6F 70 72 7E 73 74 75 66 63 79 77
41 42 47 44 45 5A 48 51 49 4B 4C 4D 4E 58 4F 50 52 00 53 54 55 46 43 59 57
3D 2B C0 23 C1 C2 C3 C4 C5 C6 C7 C8 C9 CA CB CC CD CE CF D0 D1 AC BC 00 60
2F 5C 7C D2 D3 D4 D5 D6 D7 D8 D9 DA DB DC DD DE DF E0 E1 E2 E3 00 00 00 00
39 E4 5E E5 E6 E7 E8 E9 EA EB EC 30 ED EE EF F0 F1 F2 F3 F4 F5 00 00 00 00
6A 4A 5F 3E 3C F6 F7 F8 F9 FA FB FC FD FE FF 00 00 00 00 00 00 AE BE 00 00
76 56 24 38 37 B0 B1 B2 B3 B4 B5 B8 B9 BA 00 00 00 00 00 00 00 AF BF 00 00
31 32 00 36 35 A1 A2 A3 A4 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
33 34 00 A5 A6 A7 A8 A9 AA 00 00 00 00 00 00 7D 7B 26 25 27 22 00 40 00 00
"""

SPECIAL_TABLE = """
61 62 67 64 68 77 7A 6A 66 79 6B 6C 6D 6E 73 69 70 78 71 72 63 74 00 00 00
00 00 00 00 00 00 00 00 00 00 58 00 6F 75 00 00 65 76 00 00 00 00 00 00 00
CB CC CD CE CF D0 D1 00 D2 D3 D5 D6 D7 D8 D9 00 DB DC DD DE DF E0 00 00 00
00 00 00 00 00 00 00 00 00 00 D4 00 00 00 00 00 DA 00 00 00 00 00 00 00 00
C9 CA E5 E2 C0 E1 C1 C2 E3 C3 C4 E4 C5 C6 C7 C8 00 00 00 00 00 00 00 00 00
41 42 54 55 00 E6 00 E7 00 E8 00 E9 00 EA 00 00 00 00 00 00 00 00 00 00 00
43 44 45 46 47 48 49 4A 4B 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
4C 4D 4E 4F 50 51 52 53 57 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
EB EC ED EE EF F0 F1 F2 F3 F4 F5 00 00 00 00 00 00 00 00 00 00 00 00 00 00
"""

TABLE_COLUMNS, TABLE_ROWS = 25, 9


def parse_table(text):
    """The rows of a character table as lists of 25 codes."""
    rows = [[int(cell, 16) for cell in line.split()] for line in text.strip().splitlines()]
    if len(rows) != TABLE_ROWS or any(len(row) != TABLE_COLUMNS for row in rows):
        raise ValueError("a character table has 9 rows of 25 cells")
    return rows
