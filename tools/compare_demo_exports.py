#!/usr/bin/env python3
"""Compares the demo picture on screen with its EPS and SVG exports.

    xvfb-run -a -s "-screen 0 1280x1024x24" tools/compare_demo_exports.py build/quandel WORKDIR

Starts the desktop program with --demo-picture, takes a screenshot
(imagemagick's import), exports the demo at the size of its drawing area
through a batch run of the same program, renders the EPS with ghostscript
and the SVG with rsvg-convert, and reports for the pure red, blue and
green parts of the picture the share of pixels that have a pixel of the
same colour within 2 pixels in the other picture, both ways. The pictures
turned upside down are reported too, as a yardstick. Exits with 1 when a
share falls below 0.9 (dash patterns and fill patterns differ between the
formats by design, and the screen's text metrics are the real fonts').
"""
import os
import re
import subprocess
import sys
import time


def read_ppm(path):
    data = open(path, "rb").read()
    fields, i = [], 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b"#":
            i = data.index(b"\n", i)
            continue
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    w, h = int(fields[1]), int(fields[2])
    return w, h, data[i + 1:i + 1 + 3 * w * h]


def ink(r, g, b):
    if r > 160 and g < 100 and b < 100:
        return 1
    if b > 160 and r < 100 and g < 100:
        return 2
    if g > 160 and r < 100 and b < 100:
        return 3
    return 0


def image(path):
    w, h, d = read_ppm(path)
    return w, h, [[ink(d[3 * (y * w + x)], d[3 * (y * w + x) + 1], d[3 * (y * w + x) + 2]) for x in range(w)]
                  for y in range(h)]


def share(a, b, colour):
    wa, ha, pa = a
    wb, hb, pb = b
    total = found = 0
    for y in range(ha):
        for x in range(wa):
            if pa[y][x] != colour:
                continue
            total += 1
            found += any(0 <= x + dx < wb and 0 <= y + dy < hb and pb[y + dy][x + dx] == colour
                         for dy in range(-2, 3) for dx in range(-2, 3))
    return found / total if total else 0.0


def run(cmd, **kw):
    subprocess.run(cmd, check=True, **kw)


def main():
    program, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.makedirs(work, exist_ok=True)
    env = dict(os.environ, HOME=work)
    app = subprocess.Popen([program, "--demo-picture"], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    try:
        time.sleep(4)
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
        run(["import", "-window", "root", os.path.join(work, "shot.png")])
    finally:
        app.terminate()
        app.wait()
    m = re.search(r'"demo\.gra":.*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)', tree)
    if not m:
        sys.exit("the demo window was not found")
    ww, wh, wx, wy = map(int, m.groups())
    run(["convert", os.path.join(work, "shot.png"), "-crop", f"{ww}x{wh}+{wx}+{wy}", "+repage", "-depth", "8",
         os.path.join(work, "window.ppm")])
    # The menu bar sits above the drawing area; the x axis runs through the
    # middle of the area: the row with the most black pixels.
    win = read_ppm(os.path.join(work, "window.ppm"))
    rows = [sum(1 for x in range(win[0]) if win[2][3 * (y * win[0] + x):3 * (y * win[0] + x) + 3] == b"\0\0\0")
            for y in range(win[1])]
    axis = max(range(win[1]), key=lambda y: rows[y])
    menu = 2 * axis - wh + 1
    h = wh - menu
    run(["convert", os.path.join(work, "shot.png"), "-crop", f"{ww}x{h}+{wx}+{wy + menu}", "+repage", "-depth", "8",
         os.path.join(work, "screen.ppm")])
    script = os.path.join(work, "export.txt")
    with open(script, "w") as f:
        f.write(f"settings {work}\ndemo\ninput2 {ww}@ | {h}@\nmenu File|Image size\n")
        for fmt, item in (("eps", "EPS"), ("svg", "SVG")):
            f.write(f"file {work}/demo.{fmt}\ndialog PICTEX 221 1\npress PICTEX 1\nmenu Export graphics|{item}\n")
    run([program, "--batch", script], stdout=subprocess.DEVNULL)
    run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dEPSCrop", "-r96", "-sDEVICE=ppmraw",
         f"-sOutputFile={work}/eps.ppm", f"{work}/demo.eps"])
    run(["rsvg-convert", "-b", "white", "-o", f"{work}/svg.png", f"{work}/demo.svg"])
    run(["convert", f"{work}/svg.png", "-depth", "8", f"{work}/svg.ppm"])
    screen = image(os.path.join(work, "screen.ppm"))
    print(f"drawing area {ww} x {h} (menu bar {menu} pixels)")
    worst = 1.0
    for name in ("eps", "svg"):
        exp = image(os.path.join(work, name + ".ppm"))
        flipped = (exp[0], exp[1], exp[2][::-1])
        for colour, label in ((1, "red"), (2, "blue"), (3, "green")):
            a, b = share(screen, exp, colour), share(exp, screen, colour)
            fa, fb = share(screen, flipped, colour), share(flipped, screen, colour)
            worst = min(worst, a, b)
            print(f"{name} {label:5s} screen->export {a:.3f} export->screen {b:.3f}   upside down {fa:.3f} {fb:.3f}")
    sys.exit(0 if worst >= 0.9 else 1)


if __name__ == "__main__":
    main()
