#!/usr/bin/python3
"""Builds the display fonts Orvel000 (Greek) and Orvel001 (Hebrew and graphic signs) from
GNU FreeFont's FreeSerif: the glyphs the layouts need are kept, a few metrical signs are built
from them, and the character map puts every glyph on its single-byte code (U+0020..U+00FF).

usage: make_orvel_fonts.py [--source FreeSerif.ttf] --output-dir DIR
       make_orvel_fonts.py [--source FreeSerif.ttf] --markdown     (the layouts as tables)
"""

import argparse
import os
import sys
import tempfile
import unicodedata

from fontTools import subset
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orvel_layouts  # noqa: E402

DEFAULT_SOURCE = "/usr/share/fonts/truetype/freefont/FreeSerif.ttf"
FAMILIES = {"Orvel000": orvel_layouts.orvel000_layout, "Orvel001": orvel_layouts.orvel001_layout}

# Metrical feet: the longum is the en dash, the brevis the spacing breve lowered to the dash's
# height; elements stand GAP units apart with SIDE units of margin.
LONGUM, BREVE = 0x2013, 0x02D8
GAP, SIDE = 90, 60
PREFIX_SIDE = 30


class BuildError(Exception):
    pass


def load_source(path):
    if not os.path.isfile(path):
        raise BuildError(
            f"source font not found: {path} (install Debian's fonts-freefont-ttf, "
            "see scripts/install-deps.sh)"
        )
    font = TTFont(path, lazy=False, recalcTimestamp=False)
    if "glyf" not in font:
        raise BuildError(f"{path} has no TrueType outlines")
    return font


def source_glyph(font, char):
    name = font.getBestCmap().get(char)
    if name is None:
        raise BuildError(f"the source font has no glyph for U+{char:04X}")
    return name


def add_composite(font, name, components, advance):
    """Adds a glyph made of (glyph name, dx, dy) components to the font."""
    glyf = font["glyf"]
    pen = TTGlyphPen(font.getGlyphSet())
    for component, dx, dy in components:
        pen.addComponent(component, (1, 0, 0, 1, dx, dy))
    glyph = pen.glyph()
    glyph.recalcBounds(glyf)
    order = font.getGlyphOrder()
    glyf[name] = glyph
    if name not in order:
        order.append(name)
    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    font["hmtx"][name] = (advance, glyph.xMin)


def add_metrical_feet(font):
    """Adds the brevis and the metrical feet as composites of the en dash and the breve."""
    glyf, hmtx = font["glyf"], font["hmtx"]
    longum, breve = source_glyph(font, LONGUM), source_glyph(font, BREVE)
    middle = lambda glyph: (glyph.yMin + glyph.yMax) // 2  # noqa: E731
    lower = middle(glyf[longum]) - middle(glyf[breve])
    elements = {"L": (longum, 0), "S": (breve, lower)}
    for name, pattern in orvel_layouts.METRICAL_FEET.items():
        components = []
        x = SIDE
        for i, element in enumerate(pattern):
            component, dy = elements[element]
            components.append((component, x, dy))
            x += hmtx[component][0] + (GAP if i + 1 < len(pattern) else 0)
        add_composite(font, name, components, x + SIDE)


def add_prefix_glyphs(font):
    """Adds the capital-prefix signs as composites of the spacing signs, with PREFIX_SIDE units
    on either side of the ink instead of the source's wide margins."""
    glyf = font["glyf"]
    for code, name in orvel_layouts.PREFIX_GLYPHS.items():
        sign = source_glyph(font, orvel_layouts.CAPITAL_PREFIXES[code])
        glyf[sign].recalcBounds(glyf)
        left, right = glyf[sign].xMin, glyf[sign].xMax
        add_composite(font, name, [(sign, PREFIX_SIDE - left, 0)], right - left + 2 * PREFIX_SIDE)


def glyph_names(font, layout):
    """Code -> glyph name in the source font."""
    return {
        code: source if isinstance(source, str) else source_glyph(font, source)
        for code, source in layout.items()
    }


def subset_font(font, names):
    options = subset.Options()
    options.glyph_names = True
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.layout_features = []
    # Shaping tables would act on the glyphs' Unicode scripts, which these codes no longer have.
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "kern", "FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(glyphs=sorted(set(names)))
    subsetter.subset(font)


def set_names(font, family, source_version):
    source_names = font["name"]
    kept = {i: source_names.getDebugName(i) for i in (0, 13, 14)}
    version = f"Version 1.000; glyphs of GNU FreeFont FreeSerif {source_version}"
    names = {
        0: kept[0],
        1: family,
        2: "Regular",
        3: f"{family} Regular; FreeSerif {source_version}",
        4: family,
        5: version,
        6: family,
        10: f"{family}: the glyphs of GNU FreeFont FreeSerif on the single-byte codes of Orvel.",
        13: kept[13],
        14: kept[14],
    }
    table = newTable("name")
    table.names = []
    for name_id, text in names.items():
        if text:
            table.setName(text, name_id, 3, 1, 0x409)
            table.setName(text, name_id, 1, 0, 0)
    font["name"] = table


def set_cmap(font, mapping):
    table = newTable("cmap")
    table.tableVersion = 0
    table.tables = []
    for platform, encoding in ((0, 3), (3, 1)):
        subtable = cmap_format_4(4)
        subtable.platformID, subtable.platEncID, subtable.language = platform, encoding, 0
        subtable.cmap = dict(mapping)
        table.tables.append(subtable)
    font["cmap"] = table


def set_os2(font, mapping):
    os2 = font["OS/2"]
    os2.usFirstCharIndex, os2.usLastCharIndex = min(mapping), max(mapping)
    os2.ulCodePageRange1, os2.ulCodePageRange2 = 1, 0  # Latin 1: the codes' own page
    os2.recalcUnicodeRanges(font)
    os2.recalcAvgCharWidth(font)
    os2.usDefaultChar, os2.usBreakChar, os2.usMaxContext = 0, 0x20, 0
    os2.achVendID = "ORVL"
    os2.fsType = 0


def build_font(source, family, layout):
    font = load_source(source)
    source_version = font["name"].getDebugName(5).replace("Version", "").strip()
    add_metrical_feet(font)
    add_prefix_glyphs(font)
    names = glyph_names(font, layout)
    subset_font(font, names.values())
    missing = [n for n in names.values() if n not in font.getGlyphOrder()]
    if missing:
        raise BuildError(f"{family}: glyphs lost in subsetting: {missing}")
    mapping = dict(sorted(names.items()))
    set_cmap(font, mapping)
    set_os2(font, mapping)
    set_names(font, family, source_version)
    font["head"].fontRevision = 1.0
    return font


def save(font, path):
    """Writes the font next to its destination first, so that a failed run leaves no partial
    file behind that would look up to date."""
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    handle, temporary = tempfile.mkstemp(dir=folder, suffix=".ttf.tmp")
    os.close(handle)
    try:
        font.save(temporary)
        umask = os.umask(0)
        os.umask(umask)
        os.chmod(temporary, 0o666 & ~umask)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def describe(source):
    """A layout cell as the documentation lists it: the character, its code point and name."""
    prefix_glyphs = orvel_layouts.PREFIX_GLYPHS.items()
    prefixes = {name: orvel_layouts.CAPITAL_PREFIXES[code] for code, name in prefix_glyphs}
    if source in prefixes:
        return f"{describe(prefixes[source])} (narrowed)"
    if isinstance(source, str):
        elements = orvel_layouts.METRICAL_FEET[source]
        pattern = elements.replace("L", "–").replace("S", "⏑")
        built = "the breve at the en dash's height" if elements == "S" else "en dashes and breves"
        return f"{pattern} {source.split('.', 1)[1]} (built: {built})"
    char = chr(source)
    shown = "" if char == " " else "◌" + char if unicodedata.combining(char) else char
    return f"{shown} U+{source:04X} {unicodedata.name(char, '').lower()}".strip()


def key_cell(code):
    """How the code is typed, as the character tables name it."""
    if code == 0x20:
        return "space"
    if code > 0x7E:
        return f"Alt+0{code}"
    char = chr(code)
    return "`` ` ``" if char == "`" else "`\\|`" if char == "|" else f"`{char}`"


def markdown():
    """The layouts as the tables of docs/fonts.md."""
    lines = []
    for family, layout in FAMILIES.items():
        lines += [f"### {family}", "", "| code | key | glyph |", "|---|---|---|"]
        for code, source in sorted(layout().items()):
            lines.append(f"| {code:02X} | {key_cell(code)} | {describe(source)} |")
        lines.append("")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", default=DEFAULT_SOURCE, help="FreeSerif.ttf")
    what = parser.add_mutually_exclusive_group(required=True)
    what.add_argument("--output-dir", help="where Orvel000.ttf and Orvel001.ttf are written")
    what.add_argument("--markdown", action="store_true", help="print the layouts as tables")
    arguments = parser.parse_args()
    try:
        if arguments.markdown:
            print(markdown())
            return 0
        for family, layout in FAMILIES.items():
            font = build_font(arguments.source, family, layout())
            save(font, os.path.join(arguments.output_dir, family + ".ttf"))
    except (BuildError, ValueError) as error:
        print(f"make_orvel_fonts.py: error: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
