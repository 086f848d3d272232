#!/usr/bin/python3
"""Draws the glyph grids of the two character tables with the built fonts: every cell shows
its glyph and, under it, its code. Greek table in Orvel000, special table in Orvel001.

usage: draw_glyph_grids.py --fonts-dir DIR --output-dir DIR
       (writes orvel000-grid.png and orvel001-grid.png)
"""

import argparse
import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orvel_layouts  # noqa: E402

LABEL_FONT = "/usr/share/fonts/truetype/freefont/FreeSans.ttf"
CELL_WIDTH, CELL_HEIGHT, MARGIN, TITLE_HEIGHT = 48, 66, 12, 34
GLYPH_SIZE, LABEL_SIZE, TITLE_SIZE = 32, 11, 16
BASELINE = 38  # of the glyph, from the top of the cell
GRIDS = (
    ("Orvel000", orvel_layouts.GREEK_TABLE, "Orvel000: the Greek character table"),
    ("Orvel001", orvel_layouts.SPECIAL_TABLE, "Orvel001: the special character table"),
)


def draw_grid(font_path, table, title):
    rows = orvel_layouts.parse_table(table)
    basic = ImageFont.Layout.BASIC  # codes drawn one by one, without shaping
    glyph_font = ImageFont.truetype(font_path, GLYPH_SIZE, layout_engine=basic)
    label_font = ImageFont.truetype(LABEL_FONT, LABEL_SIZE, layout_engine=basic)
    title_font = ImageFont.truetype(LABEL_FONT, TITLE_SIZE, layout_engine=basic)
    width = 2 * MARGIN + orvel_layouts.TABLE_COLUMNS * CELL_WIDTH
    height = 2 * MARGIN + TITLE_HEIGHT + orvel_layouts.TABLE_ROWS * CELL_HEIGHT
    image = Image.new("RGB", (width, height), "white")
    draw = ImageDraw.Draw(image)
    draw.text((MARGIN, MARGIN), title, font=title_font, fill="black")
    top = MARGIN + TITLE_HEIGHT
    for r, row in enumerate(rows):
        for c, code in enumerate(row):
            x, y = MARGIN + c * CELL_WIDTH, top + r * CELL_HEIGHT
            box = (x, y, x + CELL_WIDTH, y + CELL_HEIGHT)
            if code == 0:
                draw.rectangle(box, fill="#f2f2f2", outline="#c8c8c8")
                continue
            draw.rectangle(box, fill="white", outline="#c8c8c8")
            char = chr(code)
            # Centred by the ink, so that signs without advance (the Hebrew points) show too.
            left, _, right, _ = glyph_font.getbbox(char, anchor="ls")
            centre = x + CELL_WIDTH / 2 - (left + right) / 2
            draw.text((centre, y + BASELINE), char, font=glyph_font, fill="black", anchor="ls")
            draw.text(
                (x + CELL_WIDTH / 2, y + CELL_HEIGHT - 4),
                f"{code:02X}",
                font=label_font,
                fill="#707070",
                anchor="ms",
            )
    return image


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts-dir", required=True)
    parser.add_argument("--output-dir", required=True)
    arguments = parser.parse_args()
    for family, table, title in GRIDS:
        font_path = os.path.join(arguments.fonts_dir, family + ".ttf")
        if not os.path.isfile(font_path):
            print(f"draw_glyph_grids.py: error: {font_path} not built", file=sys.stderr)
            return 1
        image = draw_grid(font_path, table, title)
        image.save(os.path.join(arguments.output_dir, family.lower() + "-grid.png"), optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
