#!/usr/bin/env python3
"""contact_sheet.py -- lays every shipped picture, labelled with its name, onto PNG sheets.

usage: contact_sheet.py pictures.txt PREVIEW_DIR OUT_DIR RSVG_CONVERT
The previews are the converter's PNG copies of the shipped pixels, so the key colour shows.
"""
import base64
import os
import subprocess
import sys

CELL_W, CELL_H, COLS, PER_SHEET = 220, 250, 8, 48


def main():
    manifest, previews, out_dir, rsvg = sys.argv[1:5]
    os.makedirs(out_dir, exist_ok=True)
    rows = [l.split() for l in open(manifest) if l.strip() and not l.startswith("#")]
    for sheet in range(0, len(rows), PER_SHEET):
        chunk = rows[sheet:sheet + PER_SHEET]
        lines = (len(chunk) + COLS - 1) // COLS
        w, h = COLS * CELL_W, lines * CELL_H
        body = ['<rect width="%d" height="%d" fill="#404448"/>' % (w, h)]
        for i, (name, fmt, pw, ph, key) in enumerate(chunk):
            x, y = (i % COLS) * CELL_W, (i // COLS) * CELL_H
            pw, ph = int(pw), int(ph)
            scale = min(1.0, (CELL_W - 10) / pw, (CELL_H - 40) / ph)
            dw, dh = pw * scale, ph * scale
            with open(os.path.join(previews, name + ".png"), "rb") as f:
                png = base64.b64encode(f.read()).decode("ascii")
            body.append('<image x="%.1f" y="%.1f" width="%.1f" height="%.1f" xlink:href="data:image/png;base64,%s" preserveAspectRatio="none"/>'
                        % (x + (CELL_W - dw) / 2, y + 5, dw, dh, png))
            body.append('<text x="%d" y="%d" font-family="DejaVu Sans" font-size="12" fill="#fff" text-anchor="middle">%s</text>'
                        % (x + CELL_W / 2, y + CELL_H - 20, name))
            body.append('<text x="%d" y="%d" font-family="DejaVu Sans" font-size="10" fill="#c0c0c0" text-anchor="middle">%s %dx%d %s</text>'
                        % (x + CELL_W / 2, y + CELL_H - 7, fmt, pw, ph, key))
        svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d">%s</svg>'
               % (w, h, "".join(body)))
        number = sheet // PER_SHEET + 1
        src = os.path.join(out_dir, "sheet%d.svg" % number)
        with open(src, "w") as f:
            f.write(svg)
        subprocess.run([rsvg, "--unlimited", "-o", os.path.join(out_dir, "sheet%d.png" % number), src], check=True)
        print("contact sheet", os.path.join(out_dir, "sheet%d.png" % number))


if __name__ == "__main__":
    main()
