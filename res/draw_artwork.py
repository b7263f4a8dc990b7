#!/usr/bin/env python3
"""Draws every picture of kestavo.exe into res/images/.

Run from anywhere:  python3 res/draw_artwork.py  [--contact-sheet FILE.png]

The output is deterministic: the same inputs (this script, Pillow and the
fonts of the Debian packages fonts-noto-core / fonts-dejavu-core) give the
same bytes every run.  After drawing, the script re-reads what it wrote and
checks sizes, formats and key pixels; it exits non-zero on any mismatch.
"""

import io
import math
import os
import struct
import sys

try:
    from PIL import Image, ImageDraw, ImageFilter, ImageFont
except ImportError:
    # A private Python (pyenv, venv) may shadow the system one that carries
    # the Debian package; retry once with the system interpreter.
    _system = "/usr/bin/python3"
    if (os.path.exists(_system)
            and os.path.realpath(sys.executable) != os.path.realpath(_system)
            and not os.environ.get("KESTAVO_ART_REEXEC")):
        os.environ["KESTAVO_ART_REEXEC"] = "1"
        os.execv(_system, [_system] + sys.argv)
    sys.exit("draw_artwork.py: the Python Imaging Library is missing; "
             "install it with: apt-get install python3-pil")

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "images")

FONT_CHOICES = {
    "regular": ["/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
                "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"],
    "bold": ["/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf",
             "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"],
}

TITLE_TEXT = "Tavrine System BIOS Update"
MAKER = "Tavrine"

# Palette shared by the pictures.
INK = (52, 56, 62)            # dark lettering
BRAND = (22, 82, 150)         # maker's name in the heading
BLUE_TOP = (72, 166, 255)     # arrow gradient
BLUE_BOTTOM = (0, 96, 214)
BLUE_EDGE = (0, 62, 150)
CHIP_TOP = (74, 79, 88)
CHIP_BOTTOM = (36, 39, 46)
CHIP_EDGE = (22, 24, 28)
PIN_LIGHT = (232, 234, 238)
PIN_DARK = (150, 154, 162)
FRAME = (78, 78, 78)
MID_GREY = (127, 127, 127)

_font_cache = {}
_fallback_noted = set()


def font(weight, size):
    """Noto Sans, or DejaVu Sans when Noto is not installed."""
    for path in FONT_CHOICES[weight]:
        if not os.path.exists(path):
            continue
        if path != FONT_CHOICES[weight][0] and weight not in _fallback_noted:
            _fallback_noted.add(weight)
            print("note: %s missing, lettering drawn with %s; the result "
                  "differs from the committed images"
                  % (FONT_CHOICES[weight][0], path), file=sys.stderr)
        if (path, size) not in _font_cache:
            _font_cache[(path, size)] = ImageFont.truetype(path, size)
        return _font_cache[(path, size)]
    sys.exit("draw_artwork.py: no font found (looked for %s); install the "
             "Debian package fonts-noto-core or fonts-dejavu-core"
             % ", ".join(FONT_CHOICES[weight]))


# ---------------------------------------------------------------- helpers

def rnd(x):
    """Round half up, so gradients do not depend on banker's rounding."""
    return int(math.floor(x + 0.5))


def lerp_rgb(a, b, t):
    return tuple(rnd(a[i] + (b[i] - a[i]) * t) for i in range(3))


def ramp(a, b, n, i):
    """Colour of step i of a linear gradient of n steps from a to b."""
    return lerp_rgb(a, b, i / (n - 1) if n > 1 else 0.0)


def grey(v):
    return (v, v, v)


def vgradient(w, h, top, bottom, y0=0, y1=None):
    """RGB image whose rows run from top (row y0) to bottom (row y1)."""
    if y1 is None:
        y1 = h - 1
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0))) if y1 > y0 else 0.0
        c = lerp_rgb(top, bottom, t)
        for x in range(w):
            px[x, y] = c
    return img


def paint(base, colour, mask):
    """Composite colour (RGB tuple or RGB image) over base through mask."""
    if isinstance(colour, tuple):
        layer = Image.new("RGBA", base.size, colour + (0,))
    else:
        layer = colour.convert("RGBA")
    layer.putalpha(mask)
    base.alpha_composite(layer)


def scale_mask(mask, factor):
    return mask.point(lambda v: rnd(v * factor))


def sub_mask(a, b):
    """Coverage of a outside b."""
    pa, pb = a.load(), b.load()
    out = Image.new("L", a.size)
    po = out.load()
    for y in range(a.size[1]):
        for x in range(a.size[0]):
            po[x, y] = max(0, pa[x, y] - pb[x, y])
    return out


class Mask:
    """Anti-aliased coverage drawn at a higher resolution and averaged down."""

    def __init__(self, w, h, ss=8):
        self.w, self.h, self.ss = w, h, ss
        self.img = Image.new("L", (w * ss, h * ss), 0)
        self.draw = ImageDraw.Draw(self.img)

    def _box(self, x0, y0, x1, y1):
        s = self.ss
        return [rnd(x0 * s), rnd(y0 * s), rnd(x1 * s) - 1, rnd(y1 * s) - 1]

    def rrect(self, x0, y0, x1, y1, r, fill=255):
        """Rounded rectangle covering pixel edges x0..x1, y0..y1."""
        box = self._box(x0, y0, x1, y1)
        if r > 0:
            self.draw.rounded_rectangle(box, radius=rnd(r * self.ss), fill=fill)
        else:
            self.draw.rectangle(box, fill=fill)
        return self

    def ellipse(self, x0, y0, x1, y1, fill=255):
        self.draw.ellipse(self._box(x0, y0, x1, y1), fill=fill)
        return self

    def polygon(self, pts, fill=255):
        s = self.ss
        self.draw.polygon([(rnd(x * s), rnd(y * s)) for x, y in pts], fill=fill)
        return self

    def get(self):
        return self.img.resize((self.w, self.h), Image.BOX)


def rrect_mask(w, h, x0, y0, x1, y1, r):
    return Mask(w, h).rrect(x0, y0, x1, y1, r).get()


def text_mask(size, text, fnt, origin):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).text(origin, text, font=fnt, fill=255)
    return m


def soft_shadow(mask, offset, radius, strength):
    """Blurred, offset copy of a coverage mask, for drop shadows."""
    w, h = mask.size
    shifted = Image.new("L", (w, h), 0)
    shifted.paste(mask, offset)
    blurred = shifted.filter(ImageFilter.GaussianBlur(radius))
    return scale_mask(blurred, strength)


# ------------------------------------------------------- chip with arrow

def arrow_points(cx, top, bottom, head_w, shaft_w, head_h):
    """Upward arrow: tip at (cx, top), shaft down to bottom."""
    hw, sw = head_w / 2.0, shaft_w / 2.0
    base = top + head_h
    return [(cx, top), (cx + hw, base), (cx + sw, base), (cx + sw, bottom),
            (cx - sw, bottom), (cx - sw, base), (cx - hw, base)]


def erode(mask, pixels):
    return mask.filter(ImageFilter.MinFilter(2 * pixels + 1)) if pixels else mask


def draw_chip_icon(size):
    """Square chip seen from above with a blue upward arrow on it.

    The geometry is laid out on a 16-unit grid so that at 16, 32 and 48
    pixels the body and the pins fall on whole pixels.
    """
    u = size / 16.0
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    big = size >= 32
    edge = max(1, rnd(u * 0.3))          # width of outlines, in pixels

    # Pins: three per side, two units wide, one unit apart.
    pins = Mask(size, size)
    for c in (4, 7, 10):
        p0, p1 = c * u, (c + 2) * u
        pins.rrect(1 * u, p0, 15 * u, p1, 0.25 * u)   # left and right rows
        pins.rrect(p0, 1 * u, p1, 15 * u, 0.25 * u)   # top and bottom rows
    pin_mask = pins.get()
    body_outer = rrect_mask(size, size, 3 * u, 3 * u, 13 * u, 13 * u, 1.0 * u)
    body_inner = erode(body_outer, edge)

    if big:
        # soft contact shadow for the larger sizes
        both = Image.composite(Image.new("L", img.size, 255), pin_mask,
                               body_outer)
        paint(img, (0, 0, 0), soft_shadow(both, (0, max(1, rnd(u * 0.3))),
                                          max(0.6, u * 0.4), 0.30))
        paint(img, (96, 100, 108), pin_mask)
        paint(img, vgradient(size, size, PIN_LIGHT, PIN_DARK, rnd(1 * u),
                             rnd(15 * u)), erode(pin_mask, edge))
    else:
        paint(img, (128, 132, 140), pin_mask)   # light pins vanish on grey
    paint(img, CHIP_EDGE, body_outer)
    paint(img, vgradient(size, size, CHIP_TOP, CHIP_BOTTOM,
                         rnd(3 * u), rnd(13 * u)), body_inner)
    if big:
        # a lit top edge and the pin-1 dimple
        lower = Image.new("L", img.size, 0)
        lower.paste(body_inner, (0, edge))
        paint(img, (122, 128, 138), sub_mask(body_inner, lower))
        paint(img, (100, 106, 116),
              Mask(size, size).ellipse(4.1 * u, 4.1 * u, 5.3 * u,
                                       5.3 * u).get())

    if size <= 16:
        # pixel-fitted: a 6-pixel head on a 2-pixel shaft
        pts = [(8, 4), (11.2, 8), (9, 8), (9, 12), (7, 12), (7, 8), (4.8, 8)]
        arrow = Mask(size, size).polygon(pts).get()
        paint(img, vgradient(size, size, BLUE_TOP, BLUE_BOTTOM, 4, 11), arrow)
        return img
    arrow = Mask(size, size).polygon(
        arrow_points(8 * u, 4.2 * u, 11.9 * u, 6.4 * u, 2.6 * u,
                     3.4 * u)).get()
    fill = vgradient(size, size, BLUE_TOP, BLUE_BOTTOM, rnd(4.2 * u),
                     rnd(11.9 * u))
    if size >= 100:
        # only the large icon has room for a rim
        paint(img, BLUE_EDGE, arrow)
        arrow = erode(arrow, edge - 1)
    paint(img, fill, arrow)
    return img


def draw_bios_picture():
    """85 x 71: chip package labelled BIOS, blue arrow at its right."""
    W, H = 85, 71
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))

    bx0, by0, bx1, by1 = 6, 12, 62, 58          # chip body
    pins = Mask(W, H)
    n = 7
    pitch = (bx1 - bx0 - 6) / n
    for i in range(n):
        x0 = bx0 + 3 + i * pitch + pitch * 0.22
        x1 = x0 + pitch * 0.56
        pins.rrect(x0, by0 - 6, x1, by0 + 2, 0.8)   # top row
        pins.rrect(x0, by1 - 2, x1, by1 + 6, 0.8)   # bottom row
    pin_mask = pins.get()

    body = rrect_mask(W, H, bx0, by0, bx1, by1, 4)
    body_in = rrect_mask(W, H, bx0 + 1, by0 + 1, bx1 - 1, by1 - 1, 3)
    bevel = sub_mask(body_in, rrect_mask(W, H, bx0 + 1, by0 + 2, bx1 - 1,
                                         by1 - 1, 3))

    both = Image.new("L", (W, H))
    both.paste(pin_mask)
    both = Image.composite(Image.new("L", (W, H), 255), both, body)
    paint(img, (0, 0, 0), soft_shadow(both, (1, 2), 2.0, 0.30))

    pin_grad = Image.new("RGB", (W, H))
    pin_grad.paste(vgradient(W, by0 + 2, PIN_DARK, PIN_LIGHT,
                             by0 - 6, by0 + 1), (0, 0))
    pin_grad.paste(vgradient(W, H - by1 + 2, PIN_LIGHT, PIN_DARK, 0, 7),
                   (0, by1 - 2))
    paint(img, (112, 116, 124), pin_mask)
    inner_pins = pin_mask.filter(ImageFilter.MinFilter(3))
    paint(img, pin_grad, Image.blend(pin_mask, inner_pins, 0.6))

    paint(img, CHIP_EDGE, body)
    paint(img, vgradient(W, H, CHIP_TOP, CHIP_BOTTOM, by0, by1), body_in)
    paint(img, (120, 126, 136), bevel)
    # pin-1 dimple
    paint(img, (28, 30, 35), Mask(W, H).ellipse(10.5, 16.5, 15.5, 21.5).get())
    paint(img, (96, 102, 112), Mask(W, H).ellipse(11, 17.5, 15.5, 22).get())
    paint(img, (52, 56, 64), Mask(W, H).ellipse(11, 17, 15, 21).get())

    # Label, centred on the part of the body the arrow leaves free.
    f = font("bold", 15)
    left, top, right, bottom = f.getbbox("BIOS")
    tx = (bx0 + 1 + (bx1 - 9)) / 2.0 - (right - left) / 2.0 - left
    ty = (by0 + by1) / 2.0 - (bottom - top) / 2.0 - top
    label = text_mask((W, H), "BIOS", f, (rnd(tx), rnd(ty)))
    paint(img, (236, 240, 245), label)

    # Blue arrow overlapping the body's right edge, with a white halo.
    pts = arrow_points(68, 20, 66, 27, 11, 14)
    arrow = Mask(W, H).polygon(pts).get()
    halo = arrow.filter(ImageFilter.MaxFilter(5))
    paint(img, (0, 0, 0), soft_shadow(halo, (1, 1), 1.5, 0.25))
    paint(img, (255, 255, 255), halo)
    paint(img, BLUE_EDGE, arrow)
    arrow_in = Mask(W, H).polygon(
        arrow_points(68, 21.6, 65, 24.4, 9, 12.7)).get()
    paint(img, vgradient(W, H, BLUE_TOP, BLUE_BOTTOM, 20, 66), arrow_in)
    # glossy highlight on the arrow's left half
    gloss = Mask(W, H).polygon([(68, 22.5), (57.6, 33.6), (63.5, 33.6),
                                (63.5, 64), (66, 64), (66, 33.6),
                                (68, 24.5)]).get()
    paint(img, (255, 255, 255), scale_mask(gloss, 0.22))
    return img


# ---------------------------------------------------------------- lettering

def draw_lettering(w, h, size, parts, emboss):
    """Text on a transparent ground, vertically centred on its ink.

    parts: (text, weight, colour) runs set one after another on a common
    baseline.  The size shrinks from the one asked for until the line fits,
    which only happens with the fallback font.
    """
    extra = 1 if emboss else 0
    while True:
        fonts = [font(wt, size) for _, wt, _ in parts]
        total, ink_top, ink_bottom = 0.0, 10 ** 6, -10 ** 6
        for (text, _, _), f in zip(parts, fonts):
            _, t, _, b = f.getbbox(text)
            ink_top, ink_bottom = min(ink_top, t), max(ink_bottom, b)
            total += f.getlength(text)
        if total <= w and ink_bottom - ink_top + extra <= h:
            break
        if size <= 8:
            raise ValueError("lettering does not fit %d x %d" % (w, h))
        size -= 1
    oy = rnd((h - extra - (ink_bottom - ink_top)) / 2.0) - ink_top
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    x = 0.0
    masks = []
    for (text, _, colour), f in zip(parts, fonts):
        masks.append((text_mask((w, h), text, f, (rnd(x), oy)), colour))
        x += f.getlength(text)
    if emboss:
        # a faint white copy one row lower reads as lettering set into
        # the grey title band
        for m, _ in masks:
            shifted = Image.new("L", (w, h), 0)
            shifted.paste(m, (0, 1))
            paint(img, (255, 255, 255), scale_mask(shifted, emboss))
    for m, colour in masks:
        paint(img, colour, m)
    return img


def draw_title():
    return draw_lettering(193, 15, 12, [(TITLE_TEXT, "bold", (84, 86, 90))],
                          emboss=0.7)


def draw_heading():
    rest = TITLE_TEXT[len(MAKER):]
    return draw_lettering(248, 18, 17, [(MAKER, "bold", BRAND),
                                        (rest, "bold", INK)], emboss=0)


# ---------------------------------------------------------------- skin

SKIN_W, SKIN_H = 468, 364
FRAME_L, FRAME_T, FRAME_R, FRAME_B = 3, 3, 464, 360   # the 1-px frame
TITLE_ROWS = (4, 33)
BODY_ROWS = (35, 354)
BOTTOM_BAND = [(196, 196, 196), (186, 186, 186), (178, 178, 178),
               (170, 170, 170)]


def title_band_colour(y):
    return ramp(grey(234), grey(193), TITLE_ROWS[1] - TITLE_ROWS[0] + 1,
                y - TITLE_ROWS[0])


def draw_skin():
    img = Image.new("RGBA", (SKIN_W, SKIN_H), (0, 0, 0, 0))
    px = img.load()
    for y in range(SKIN_H):
        for x in range(SKIN_W):
            dx = max(FRAME_L - x, 0, x - FRAME_R)
            dy = max(FRAME_T - y, 0, y - FRAME_B)
            if dx or dy:
                # shadow: darkest next to the frame, gone after 3 pixels
                d = math.hypot(dx, dy)
                a = rnd(72 * math.exp(-(d - 1) * 0.75)) if d <= 3.5 else 0
                px[x, y] = (0, 0, 0, a)
                continue
            on_frame = x in (FRAME_L, FRAME_R) or y in (FRAME_T, FRAME_B)
            if on_frame:
                px[x, y] = FRAME + (255,)
            elif y <= TITLE_ROWS[1]:
                px[x, y] = title_band_colour(y) + (255,)
            elif y == TITLE_ROWS[1] + 1 or y == BODY_ROWS[1] + 1:
                px[x, y] = MID_GREY + (255,)
            elif y <= BODY_ROWS[1]:
                px[x, y] = (255, 255, 255, 255)
            else:
                px[x, y] = BOTTOM_BAND[y - BODY_ROWS[1] - 2] + (255,)
    # Round the frame's corners by one pixel: the corner itself turns to
    # shadow and the pixel inside it takes half of the frame's colour.
    for cx, cy, ix, iy in ((FRAME_L, FRAME_T, 1, 1), (FRAME_R, FRAME_T, -1, 1),
                           (FRAME_L, FRAME_B, 1, -1),
                           (FRAME_R, FRAME_B, -1, -1)):
        px[cx, cy] = FRAME + (150,)
        r, g, b, _ = px[cx + ix, cy + iy]
        px[cx + ix, cy + iy] = lerp_rgb((r, g, b), FRAME, 0.5) + (255,)
    return img


# ---------------------------------------------------------------- buttons

BTN_W, BTN_H = 120, 31
FACE_H = 30     # the face; the last row is the soft highlight below it

BUTTON_STYLES = {
    # outline, face top, face bottom, inner border colours (outer first)
    "normal": ((132, 132, 132), (254, 254, 254), (226, 226, 228), []),
    "hover": ((132, 132, 132), (255, 255, 255), (230, 230, 233),
              [(178, 166, 232), (212, 205, 246)]),
    "disabled": ((170, 170, 170), (226, 226, 226), (216, 216, 216), []),
    "pressed": ((118, 118, 118), (206, 206, 210), (242, 242, 244), []),
    "spare": ((118, 92, 168), (254, 254, 254), (226, 226, 228),
              [(170, 150, 214), (214, 204, 238)]),
}


def draw_button(state):
    outline, top, bottom, rings = BUTTON_STYLES[state]
    w, h = BTN_W, BTN_H
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    r = 3.5
    outer = rrect_mask(w, h, 0, 0, w, FACE_H, r)
    paint(img, outline, outer)
    inset = 1
    for colour in rings:
        ring_outer = rrect_mask(w, h, inset, inset, w - inset, FACE_H - inset,
                                r - inset)
        paint(img, colour, ring_outer)
        inset += 1
    face = rrect_mask(w, h, inset, inset, w - inset, FACE_H - inset,
                      max(0.5, r - inset))
    paint(img, vgradient(w, h, top, bottom, inset, FACE_H - 1 - inset), face)
    if state in ("normal", "hover", "spare"):
        # a bright line under the top edge gives the face some relief
        line = rrect_mask(w, h, inset + 1, inset, w - inset - 1, inset + 1, 0)
        paint(img, (255, 255, 255), scale_mask(line, 0.9))
    if state == "pressed":
        # inner shadow along the top edge
        line = rrect_mask(w, h, inset, inset, w - inset, inset + 1, 0)
        paint(img, (0, 0, 0), scale_mask(line, 0.10))
    px = img.load()
    for x in range(w):
        px[x, h - 1] = (255, 255, 255, 77)
    return img


# Title-band buttons: small rounded squares with a glyph.
TITLE_BTN_STYLES = {
    # outline (rgb, alpha), face top, face bottom, glyph
    "normal": (((96, 96, 96), 110), (232, 232, 232), (212, 212, 212),
               (60, 62, 66)),
    "hover": (((90, 90, 90), 170), (255, 255, 255), (240, 240, 242),
              (0, 0, 0)),
    "disabled": (((120, 120, 120), 70), (226, 226, 226), (216, 216, 216),
                 (160, 160, 160)),
    "pressed": (((70, 70, 70), 190), (182, 182, 186), (202, 202, 206),
                (20, 20, 22)),
}


def draw_title_button(kind, state):
    (outline, oa), top, bottom, glyph = TITLE_BTN_STYLES[state]
    s = 16
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    outer = rrect_mask(s, s, 0, 0, s, s, 3)
    paint(img, outline, scale_mask(outer, oa / 255.0))
    face = rrect_mask(s, s, 1, 1, s - 1, s - 1, 2)
    # the face is opaque so the outline's translucency shows only at the rim
    paint(img, vgradient(s, s, top, bottom, 1, s - 2), face)
    if kind == "close":
        m = Mask(s, s)
        d = 0.75
        m.polygon([(4.5 - d, 4.5 + d), (4.5 + d, 4.5 - d), (11.5 + d, 11.5 - d),
                   (11.5 - d, 11.5 + d)])
        m.polygon([(11.5 + d, 4.5 + d), (11.5 - d, 4.5 - d),
                   (4.5 - d, 11.5 - d), (4.5 + d, 11.5 + d)])
        g = m.get()
    else:
        g = rrect_mask(s, s, 4, 10, 12, 12, 0)
    paint(img, glyph, g)
    return img


# ---------------------------------------------------------------- bitmaps

def band_top_rows():
    rows = [ramp(grey(247), grey(228), 59, i) for i in range(59)]
    return rows + [grey(194)]


def band_bottom_rows():
    rows = [grey(160), grey(212)]
    return rows + [ramp(grey(195), grey(162), 49, i) for i in range(49)]


def separator_image():
    """Soft shadow the top band casts on the white body below it."""
    w, h = 450, 10
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        v = rnd(255 - 30 * (1 - y / (h - 1)) ** 2.2)
        for x in range(w):
            px[x, y] = grey(v)
    return img


def bmp24(img):
    """24-bit bottom-up BMP with a BITMAPINFOHEADER, rows padded to 4."""
    img = img.convert("RGB")
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    px = img.load()
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        data += row
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0,
                       14 + len(info))
    return head + info + bytes(data)


def column(rows):
    img = Image.new("RGB", (1, len(rows)))
    for y, c in enumerate(rows):
        img.putpixel((0, y), c)
    return img


def png_bytes(img):
    assert img.mode == "RGBA"
    buf = io.BytesIO()
    img.save(buf, "PNG", optimize=False, compress_level=9)
    return buf.getvalue()


def ico_bytes(images):
    """ICO with 32-bit BGRA entries for the small sizes and PNG for 256."""
    entries = []
    for img in images:
        w, h = img.size
        if w >= 256:
            data = png_bytes(img)
        else:
            px = img.load()
            xor = bytearray()
            for y in range(h - 1, -1, -1):
                for x in range(w):
                    r, g, b, a = px[x, y]
                    xor += bytes((b, g, r, a))
            mask_stride = ((w + 31) // 32) * 4
            andmask = bytearray()
            for y in range(h - 1, -1, -1):
                row = bytearray(mask_stride)
                for x in range(w):
                    if px[x, y][3] == 0:
                        row[x // 8] |= 0x80 >> (x % 8)
                andmask += row
            info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                               len(xor) + len(andmask), 0, 0, 0, 0)
            data = info + bytes(xor) + bytes(andmask)
        entries.append((w, h, data))
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for w, h, data in entries:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    for _, _, data in entries:
        out += data
    return bytes(out)


# ---------------------------------------------------------------- all files

ICON_SIZES = (16, 32, 48, 256)


def render_all():
    """Every output file name with its bytes, in a fixed order."""
    files = {}
    files["title.png"] = png_bytes(draw_title())
    files["icon16.png"] = png_bytes(draw_chip_icon(16))
    files["skin.png"] = png_bytes(draw_skin())
    files["bios.png"] = png_bytes(draw_bios_picture())
    for state in ("disabled", "hover", "spare", "normal", "pressed"):
        files["button_%s.png" % state] = png_bytes(draw_button(state))
    files["band_bottom.bmp"] = bmp24(column(band_bottom_rows()))
    files["band_top.bmp"] = bmp24(column(band_top_rows()))
    files["separator.bmp"] = bmp24(separator_image())
    for kind in ("close", "min"):
        for state in ("disabled", "hover", "normal", "pressed"):
            files["%s_%s.png" % (kind, state)] = png_bytes(
                draw_title_button(kind, state))
    files["heading.png"] = png_bytes(draw_heading())
    files["kestavo.ico"] = ico_bytes([draw_chip_icon(s) for s in ICON_SIZES])
    return files


# ---------------------------------------------------------------- self-check

EXPECTED_PNG = {
    "title.png": (193, 15), "icon16.png": (16, 16), "skin.png": (468, 364),
    "bios.png": (85, 71), "heading.png": (248, 18),
    "button_disabled.png": (120, 31), "button_hover.png": (120, 31),
    "button_spare.png": (120, 31), "button_normal.png": (120, 31),
    "button_pressed.png": (120, 31),
}
for _k in ("close", "min"):
    for _s in ("disabled", "hover", "normal", "pressed"):
        EXPECTED_PNG["%s_%s.png" % (_k, _s)] = (16, 16)


def read_bmp24(data):
    """(width, height, rows top to bottom) of a 24-bit bottom-up BMP."""
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    (hsize, w, h, planes, bpp, comp, _, _, _, _, _) = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    if magic != b"BM" or size != len(data) or hsize != 40 or planes != 1:
        raise ValueError("not a BMP with a BITMAPINFOHEADER")
    if bpp != 24 or comp != 0:
        raise ValueError("bits %d compression %d, want 24-bit BI_RGB"
                         % (bpp, comp))
    if h <= 0:
        raise ValueError("not bottom-up")
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h):
        base = off + (h - 1 - y) * stride
        rows.append([(data[base + 3 * x + 2], data[base + 3 * x + 1],
                      data[base + 3 * x]) for x in range(w)])
    return w, h, rows


def self_check(files):
    problems = []

    def expect(cond, what):
        if not cond:
            problems.append(what)

    names = set(EXPECTED_PNG) | {"band_bottom.bmp", "band_top.bmp",
                                 "separator.bmp", "kestavo.ico"}
    expect(set(files) == names, "file set differs: %s"
           % sorted(set(files) ^ names))

    imgs = {}
    for name, size in EXPECTED_PNG.items():
        data = files.get(name, b"")
        # IHDR: bit depth 8, colour type 6 (RGBA)
        ok = data[:8] == b"\x89PNG\r\n\x1a\n" and data[24:26] == b"\x08\x06"
        expect(ok, "%s: not an 8-bit RGBA PNG" % name)
        if not ok:
            continue
        img = Image.open(io.BytesIO(data))
        img.load()
        imgs[name] = img
        expect(img.size == size, "%s: size %s, want %s" % (name, img.size,
                                                          size))
    if problems:
        return problems     # pixel checks mean nothing on the wrong format

    skin = imgs["skin.png"].load()
    for y in range(4, 34):
        expect(skin[200, y][3] == 255 and skin[200, y][:3] ==
               title_band_colour(y), "skin: title band row %d" % y)
    expect(skin[200, 4][:3] == grey(234) and skin[200, 33][:3] == grey(193),
           "skin: title band ends")
    for y in (34, 355):
        expect(all(skin[x, y] == MID_GREY + (255,) for x in range(4, 464)),
               "skin: mid-grey line at row %d" % y)
    expect(all(skin[x, y] == (255, 255, 255, 255)
               for y in (35, 200, 354) for x in range(4, 464)),
           "skin: white body")
    expect(all(skin[x, 200][:3] == FRAME and skin[x, 200][3] == 255
               for x in (3, 464)), "skin: side frame")
    expect(skin[1, 200][:3] == (0, 0, 0) and 0 < skin[1, 200][3] < 255
           and skin[2, 200][3] > skin[0, 200][3],
           "skin: translucent shadow darkest next to the frame")
    expect(skin[466, 200][3] < 255 and skin[200, 362][3] < 255,
           "skin: shadow at right and bottom")

    for state in ("disabled", "hover", "spare", "normal", "pressed"):
        name = "button_%s.png" % state
        px = imgs[name].load()
        expect(all(px[x, 30] == (255, 255, 255, 77) for x in range(120)),
               "%s: bottom row must be white at alpha 77" % name)
        # the face must carry the dark caption: opaque and light inside
        inner = [px[x, y] for y in range(3, 27) for x in range(4, 116)]
        expect(all(p[3] == 255 for p in inner), "%s: face not opaque" % name)
        expect(min(sum(p[:3]) / 3 for p in inner) >= 190,
               "%s: face too dark for the caption" % name)
        expect(px[0, 0][3] < 255, "%s: corners not rounded" % name)
    hv = imgs["button_hover.png"].load()
    nm = imgs["button_normal.png"].load()
    expect(hv[1, 15][2] > hv[1, 15][0] and hv[1, 15] != nm[1, 15],
           "button_hover: lavender inner border missing")

    for name in ("title.png", "heading.png", "bios.png"):
        px = imgs[name].load()
        w, h = imgs[name].size
        corners = [px[0, 0], px[w - 1, 0], px[0, h - 1], px[w - 1, h - 1]]
        expect(all(p[3] == 0 for p in corners),
               "%s: background not transparent" % name)
        expect(any(px[x, y][3] == 255 for y in range(h) for x in range(w)),
               "%s: nothing drawn" % name)

    for name, rows in (("band_top.bmp", band_top_rows()),
                       ("band_bottom.bmp", band_bottom_rows())):
        try:
            w, h, got = read_bmp24(files[name])
            expect((w, h) == (1, len(rows)), "%s: size %dx%d" % (name, w, h))
            expect([r[0] for r in got] == rows, "%s: row colours" % name)
        except (ValueError, struct.error, IndexError, KeyError) as e:
            problems.append("%s: %s" % (name, e))
    # the gradients' ends, spelled out
    expect(band_top_rows()[0] == grey(247) and band_top_rows()[58] ==
           grey(228) and band_top_rows()[59] == grey(194), "band_top ends")
    b = band_bottom_rows()
    expect(b[:3] == [grey(160), grey(212), grey(195)] and b[50] == grey(162),
           "band_bottom ends")
    try:
        w, h, _ = read_bmp24(files["separator.bmp"])
        expect((w, h) == (450, 10), "separator.bmp: size %dx%d" % (w, h))
    except (ValueError, struct.error, KeyError) as e:
        problems.append("separator.bmp: %s" % e)

    ico = files.get("kestavo.ico", b"")
    try:
        _, kind, count = struct.unpack_from("<HHH", ico, 0)
        sizes = []
        for i in range(count):
            w, h, _, _, _, bpp, length, off = struct.unpack_from(
                "<BBBBHHII", ico, 6 + 16 * i)
            sizes.append(w or 256)
            expect(bpp == 32 and off + length <= len(ico),
                   "kestavo.ico: entry %d" % i)
            entry = ico[off:off + length]
            if entry[:4] != b"\x89PNG":
                hs, ew, eh, _, ebpp = struct.unpack_from("<IiiHH", entry, 0)
                expect(hs == 40 and ew == w and eh == 2 * h and ebpp == 32,
                       "kestavo.ico: %d-pixel bitmap header" % w)
        expect(kind == 1 and tuple(sizes) == ICON_SIZES,
               "kestavo.ico: sizes %s" % sizes)
    except struct.error as e:
        problems.append("kestavo.ico: %s" % e)
    return problems


# ---------------------------------------------------------------- contact sheet

def contact_sheet(files, path):
    """The dialog as composed at run time, 2x, and every state picture."""
    def png(name):
        return Image.open(io.BytesIO(files[name])).convert("RGBA")

    def bmp(name):
        w, h, rows = read_bmp24(files[name])
        img = Image.new("RGB", (w, h))
        img.putdata([c for row in rows for c in row])
        return img

    cap = font("regular", 12)

    def caption(img, x, y, text, colour):
        # as a single-line, centred DrawText lays it out in 120 x 30
        asc, desc = cap.getmetrics()
        tx = x + (120 - rnd(cap.getlength(text))) // 2
        ImageDraw.Draw(img).text((tx, y + (30 - asc - desc) // 2), text,
                                 font=cap, fill=colour)

    desk = Image.new("RGBA", (SKIN_W, SKIN_H), (58, 96, 134, 255))
    win = desk.copy()
    win.alpha_composite(png("skin.png"))
    win.alpha_composite(png("icon16.png"), (12, 12))
    win.alpha_composite(png("title.png"), (33, 14))
    win.alpha_composite(png("bios.png"), (34, 129))
    win.paste(bmp("band_top.bmp").resize((450, 60), Image.NEAREST), (9, 35))
    win.paste(bmp("band_bottom.bmp").resize((450, 51), Image.NEAREST),
              (9, 304))
    win.alpha_composite(png("heading.png"), (34, 56))
    win.paste(bmp("separator.bmp"), (9, 95))
    d = ImageDraw.Draw(win)
    f = font("regular", 12)
    d.multiline_text((134, 130), "Brings the system BIOS of this computer "
                     "up to date.\nThe latest BIOS is fetched from the "
                     "update service.", font=f, fill=(0, 0, 0))
    d.multiline_text((134, 190), "Installed version: P04ABC\n"
                     "Latest version: 05QX", font=f, fill=(0, 0, 0))
    d.text((34, 250), "Choose Update to install the latest BIOS.", font=f,
           fill=(0, 0, 0))
    for x, name, text, colour in ((68, "button_normal.png", "Update",
                                   (67, 67, 67)),
                                  (191, "button_hover.png", "Download",
                                   (67, 67, 67)),
                                  (314, "button_disabled.png", "Close",
                                   (118, 118, 118))):
        win.alpha_composite(png(name), (x, 315))
        caption(win, x, 315, text, colour)
    win.alpha_composite(png("min_normal.png"), (422, 12))
    win.alpha_composite(png("close_hover.png"), (443, 12))
    # the window region keeps 3..464 x 3..360 with rounded corners
    region = Image.new("L", (SKIN_W, SKIN_H), 0)
    ImageDraw.Draw(region).rounded_rectangle([3, 3, 464, 360], radius=1,
                                             fill=255)
    shown = Image.composite(win, desk, region)

    sheet = Image.new("RGBA", (5 * 248 + 48, SKIN_H * 2 + 600),
                      (236, 238, 242, 255))
    sheet.paste(shown.resize((SKIN_W * 2, SKIN_H * 2), Image.NEAREST),
                (20, 20))

    # the five button states on the footer, as the program shows them
    y = SKIN_H * 2 + 40
    footer = bmp("band_bottom.bmp").resize((5 * 124 + 4, 51), Image.NEAREST)
    strip = footer.convert("RGBA").crop((0, 0, footer.size[0], 42))
    for i, state in enumerate(("normal", "hover", "pressed", "disabled",
                               "spare")):
        x = 4 + i * 124
        shift = 1 if state == "pressed" else 0
        strip.alpha_composite(png("button_%s.png" % state), (x + shift,
                                                             5 + shift))
        caption(strip, x + shift, 5 + shift, state.capitalize(),
                (118, 118, 118) if state == "disabled" else (67, 67, 67))
    sheet.paste(strip.resize((strip.size[0] * 2, 84), Image.NEAREST),
                (20, y))

    # title-band buttons at 4x on the band's colour
    y += 110
    x = 20
    band = grey(215)
    for kind in ("min", "close"):
        for state in ("normal", "hover", "pressed", "disabled"):
            tile = Image.new("RGBA", (18, 18), band + (255,))
            shift = 1 if state == "pressed" else 0
            tile.alpha_composite(png("%s_%s.png" % (kind, state)),
                                 (1 + shift, 1 + shift))
            sheet.paste(tile.resize((72, 72), Image.NEAREST), (x, y))
            x += 80
        x += 20

    # the icon at every size (16 from icon16.png), and the BIOS picture
    y += 100
    x = 20
    for s in ICON_SIZES:
        icon = png("icon16.png") if s == 16 else draw_chip_icon(s)
        zoom = 4 if s <= 16 else 2 if s <= 48 else 1
        tile = Image.new("RGBA", (s, s), band + (255,))
        tile.alpha_composite(icon)
        sheet.paste(tile.resize((s * zoom, s * zoom), Image.NEAREST), (x, y))
        x += s * zoom + 16
    bios = png("bios.png")
    sheet.alpha_composite(bios.resize((170, 142), Image.NEAREST), (x, y))
    sheet.convert("RGB").save(path)


def main(argv):
    sheet = None
    if len(argv) == 3 and argv[1] == "--contact-sheet":
        sheet = argv[2]
    elif len(argv) != 1:
        sys.exit("usage: draw_artwork.py [--contact-sheet FILE.png]")
    files = render_all()
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(OUT_DIR, name), "wb") as fh:
            fh.write(data)
    # check what landed on disk, not just what is in memory
    written = {}
    for name in files:
        with open(os.path.join(OUT_DIR, name), "rb") as fh:
            written[name] = fh.read()
    problems = self_check(written)
    if render_all() != files:
        problems.append("drawing is not deterministic")
    if sheet:
        contact_sheet(written, sheet)
    for p in problems:
        print("FAIL: " + p, file=sys.stderr)
    if problems:
        return 1
    print("drew %d files into %s; self-check passed"
          % (len(files), os.path.relpath(OUT_DIR)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
