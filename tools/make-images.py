#!/usr/bin/env python3
"""Regenerates the placeholder artwork in images/ and qml/ui/images/.

    python3 tools/make-images.py        (from the project root)

The output is deterministic (seeded randomness, no PNG timestamps), so a
re-run only changes files when this script changes.
"""
import os
import random
import subprocess
import sys

DEBIAN_PYTHON = '/usr/bin/python3'
NEEDED = ['python3-pil', 'fonts-noto-core']  # Pillow; the logo's typeface
LOGO_FONT = '/usr/share/fonts/truetype/noto/NotoSansDisplay-Bold.ttf'


def ensure_tools():
    missing = [p for p in NEEDED if not subprocess.run(
        ['dpkg-query', '-W', '-f=${Status}', p],
        capture_output=True, text=True).stdout.endswith('ok installed')]
    if missing:
        subprocess.run(['apt-get', 'update', '-qq'], check=True)
        subprocess.run(['apt-get', 'install', '-y', *missing], check=True)
    try:
        import PIL  # noqa: F401
    except ImportError:
        # A version manager's python3 can shadow Debian's, which is the one
        # python3-pil installs into.
        if os.path.realpath(sys.executable) == os.path.realpath(DEBIAN_PYTHON):
            raise
        os.execv(DEBIAN_PYTHON, [DEBIAN_PYTHON, *sys.argv])


ensure_tools()
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont  # noqa: E402

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))

BG0, BG1, BG2, BG3, BG4 = '#1a1a1a', '#262626', '#333333', '#3d3d3d', '#4c4c4c'
ACCENT, FG, MUTED = '#2e91ed', '#e6e6e6', '#8c8c8c'
BEAM = '#2e91ed40'


class Canvas:
    """Draws in output-pixel coordinates on a supersampled RGBA image, so that
    the final downscale gives anti-aliased edges."""

    def __init__(self, w, h, ss=4):
        self.w, self.h, self.ss = w, h, ss
        self.img = Image.new('RGBA', (w * ss, h * ss), (0, 0, 0, 0))

    def _blank(self, mode='RGBA'):
        return Image.new(mode, self.img.size, 0)

    def _shape(self, target, kind, geom, fill=None, outline=None, width=0):
        d, s = ImageDraw.Draw(target), self.ss
        w = round(width * s)
        if kind == 'rect':
            x0, y0, x1, y1, r = geom
            d.rounded_rectangle([x0 * s, y0 * s, x1 * s, y1 * s], radius=r * s,
                                fill=fill, outline=outline, width=w)
        elif kind in ('ellipse', 'pie', 'arc'):
            cx, cy, rx, ry = geom[:4]
            box = [(cx - rx) * s, (cy - ry) * s, (cx + rx) * s, (cy + ry) * s]
            if kind == 'ellipse':
                d.ellipse(box, fill=fill, outline=outline, width=w)
            elif kind == 'pie':
                d.pieslice(box, geom[4], geom[5], fill=fill)
            else:
                d.arc(box, geom[4], geom[5], fill=fill, width=w)
        elif kind == 'poly':
            d.polygon([(x * s, y * s) for x, y in geom], fill=fill, outline=outline, width=w)
        elif kind == 'line':
            pts = [(x * s, y * s) for x, y in geom]
            d.line(pts, fill=fill, width=w, joint='curve')
            for x, y in (pts[0], pts[-1]):  # round caps
                d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=fill)

    def layer(self):
        return Canvas(self.w, self.h, self.ss)

    def put(self, other, blur=0, clip=None):
        img = other.img
        if blur:
            img = img.filter(ImageFilter.GaussianBlur(blur * self.ss))
        if clip:
            mask = self._blank('L')
            self._shape(mask, *clip, fill=255)
            img = img.copy()
            img.putalpha(ImageChops.multiply(img.getchannel('A'), mask))
        self.img.alpha_composite(img)

    def draw(self, kind, geom, **style):
        # Via a layer, so translucent colours blend instead of replacing.
        tmp = self._blank()
        self._shape(tmp, kind, geom, **style)
        self.img.alpha_composite(tmp)

    def grad(self, kind, geom, c0, c1, box=None, radial=False):
        """Fills a shape with c0 at the top of box (or its centre, if radial)
        fading to c1 at the bottom (or its rim); box defaults to the shape."""
        s, mask = self.ss, self._blank('L')
        self._shape(mask, kind, geom, fill=255)
        x0, y0, x1, y1 = [round(v * s) for v in box] if box else mask.getbbox()
        if radial:  # Pillow's ramp reaches white at the corners; make it the rim
            ramp = Image.radial_gradient('L').point(lambda v: min(255, round(v * 1.4142)))
        else:
            ramp = Image.linear_gradient('L')
        t = Image.new('L', self.img.size, 255)
        if not radial:  # a vertical ramp spans the full width
            t.paste(0, (0, 0, t.width, max(y0, 0)))
            x0, x1 = 0, t.width
        t.paste(ramp.resize((max(x1 - x0, 1), max(y1 - y0, 1)), Image.Resampling.BILINEAR), (x0, y0))
        size = self.img.size
        fill = Image.composite(Image.new('RGBA', size, c1), Image.new('RGBA', size, c0), t)
        fill.putalpha(ImageChops.multiply(fill.getchannel('A'), mask))
        self.img.alpha_composite(fill)

    def text(self, x, y, s, size, fill, tracking=0):
        font = ImageFont.truetype(LOGO_FONT, round(size * self.ss))
        d = ImageDraw.Draw(self.img)
        for ch in s:
            d.text((x * self.ss, y * self.ss), ch, font=font, fill=fill, anchor='lm')
            x += font.getlength(ch) / self.ss + tracking

    def save(self, path, alpha=True):
        img = self.img.resize((self.w, self.h), Image.Resampling.LANCZOS)
        if not alpha:
            img = img.convert('RGB')
        img.save(path, optimize=True)


def write(path, text):
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)


# ---------------------------------------------------------------- SVG

STAR = ['15.983538,22.6942307', '8.56713164,27.9999998', '11.1305885,19.2591331',
        '4,13.3401038', '12.6725403,13.2654697', '15.9835384,4', '19.2029464,13.3401101',
        '28,13.3401101', '20.8364875,19.3167199', '23.3999447,28']


def star_svg(opacity):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            f'  <polygon points="{" ".join(STAR)}" fill="#2E91ED" fill-opacity="{opacity}"'
            ' stroke="#2E91ED" stroke-width="1" stroke-linecap="round" stroke-linejoin="round"/>\n'
            '</svg>\n')


def radio_svg(selected):
    ring = ACCENT if selected else MUTED
    dot = f'\n  <circle cx="18" cy="18" r="8" fill="{ACCENT}"/>' if selected else ''
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="36" height="36" viewBox="0 0 36 36">\n'
            f'  <circle cx="18" cy="18" r="15" fill="none" stroke="{ring}" stroke-width="2"/>'
            f'{dot}\n</svg>\n')


def svg256(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            + ''.join(f'  {line}\n' for line in body) + '</svg>\n')


def lens(cx, cy, r):
    return [f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{BG0}" stroke="{ACCENT}" stroke-width="3"/>',
            f'<circle cx="{cx - r / 3:g}" cy="{cy - r / 3:g}" r="{r / 4:g}" fill="#ffffff" fill-opacity="0.35"/>']


SCANNER_A = svg256([  # handheld: a head with two cameras and a projector on a grip
    f'<circle cx="128" cy="128" r="120" fill="{BG1}"/>',
    '<ellipse cx="128" cy="226" rx="52" ry="8" fill="#000000" fill-opacity="0.35"/>',
    f'<rect x="108" y="112" width="40" height="108" rx="16" fill="{BG3}"/>',
    f'<circle cx="128" cy="146" r="7" fill="{ACCENT}"/>',
    f'<rect x="40" y="52" width="176" height="72" rx="30" fill="{BG4}"/>',
    f'<rect x="52" y="62" width="152" height="52" rx="22" fill="{BG2}"/>',
    *lens(82, 88, 15), *lens(174, 88, 15),
    f'<rect x="114" y="76" width="28" height="24" rx="5" fill="{BG0}"/>',
    f'<circle cx="128" cy="88" r="5" fill="{ACCENT}"/>',
])

SCANNER_B = svg256([  # stationary: a camera bar on a tripod
    f'<circle cx="128" cy="128" r="120" fill="{BG1}"/>',
    f'<path d="M128 128 L76 222 M128 128 L180 222 M128 128 L128 226" stroke="{MUTED}"'
    ' stroke-width="6" stroke-linecap="round" fill="none"/>',
    f'<rect x="118" y="104" width="20" height="32" rx="4" fill="{BG3}"/>',
    f'<rect x="24" y="60" width="208" height="50" rx="16" fill="{BG4}"/>',
    f'<rect x="34" y="68" width="188" height="34" rx="10" fill="{BG2}"/>',
    *lens(58, 85, 11), *lens(198, 85, 11), *lens(128, 85, 9),
    f'<rect x="88" y="78" width="18" height="14" rx="3" fill="{BG0}"/>',
    f'<rect x="150" y="78" width="18" height="14" rx="3" fill="{BG0}"/>',
])


# ---------------------------------------------------------------- PNG

def attention():
    c = Canvas(24, 24)
    tri = [(12, 3), (21.5, 20.5), (2.5, 20.5)]
    c.draw('poly', tri, fill=ACCENT)
    c.draw('line', tri + [tri[0]], fill=ACCENT, width=2.5)
    c.draw('rect', (10.9, 8.5, 13.1, 15, 1), fill=BG0)
    c.draw('ellipse', (12, 17.8, 1.3, 1.3), fill=BG0)
    return c


def scan_pause():
    c = Canvas(32, 32)
    c.draw('ellipse', (16, 16, 15, 15), fill=ACCENT)
    c.draw('rect', (11, 10, 14.5, 22, 1.2), fill='#ffffff')
    c.draw('rect', (17.5, 10, 21, 22, 1.2), fill='#ffffff')
    return c


def sphere(light, dark, split=None):
    c = Canvas(59, 66)
    shadow = c.layer()
    shadow.draw('ellipse', (29.5, 59, 21, 4), fill='#000000a0')
    c.put(shadow, blur=1.5)
    ball, glow = (29.5, 29, 26, 26), (-37, -46, 79, 70)
    c.grad('ellipse', ball, light, dark, box=glow, radial=True)
    if split:  # right half in another tone: a scene with dark and bright objects
        c.grad('pie', (*ball, -90, 90), *split, box=glow, radial=True)
    c.draw('ellipse', ball, outline='#00000050', width=1)
    return c


def board():
    c = Canvas(342, 119)
    c.grad('rect', (0.5, 0.5, 341.5, 118.5, 8), BG3, BG1)
    c.draw('rect', (0.5, 0.5, 341.5, 118.5, 8), outline=BG4, width=1)
    for row in range(7):
        for col in range(22):
            x, y = 24 + col * 14, 17.5 + row * 14
            coded = (row * 5 + col * 3) % 11 == 0  # sparse, irregular accents
            c.draw('ellipse', (x, y, 2.6 if coded else 2, 2.6 if coded else 2),
                   fill=ACCENT if coded else MUTED)
    return c


def cross():
    c = Canvas(18, 19)
    c.draw('line', [(4, 4.5), (14, 14.5)], fill='#b3b3b3', width=2)
    c.draw('line', [(14, 4.5), (4, 14.5)], fill='#b3b3b3', width=2)
    return c


def default_image():
    c = Canvas(512, 512, ss=2)
    c.grad('rect', (0, 0, 512, 512, 24), BG2, BG1)
    c.draw('rect', (136, 156, 376, 356, 18), outline=BG4, width=10)
    c.draw('poly', [(160, 332), (236, 240), (284, 296), (314, 264), (352, 332)], fill=BG4)
    c.draw('ellipse', (316, 210, 20, 20), fill=ACCENT)
    return c


def dialog_background():
    c = Canvas(466, 270, ss=2)
    c.grad('rect', (0.5, 0.5, 465.5, 269.5, 8), '#2b2b2b', '#1f1f1f')
    c.draw('rect', (0.5, 0.5, 465.5, 269.5, 8), outline=BG4, width=1)
    return c


TILE = ('rect', (0.5, 0.5, 50.5, 57.5, 5))


def dots(spacing, radius, seed):
    rnd, c = random.Random(seed), Canvas(51, 58)
    c.draw(TILE[0], TILE[1], fill=BG2, outline=BG4, width=1)
    grain = c.layer()
    y = 3 + spacing / 2
    while y < 56:
        x = 3 + spacing / 2
        while x < 49:
            jx, jy = (rnd.uniform(-0.25, 0.25) * spacing for _ in range(2))
            grain.draw('ellipse', (x + jx, y + jy, radius, radius), fill='#a6a6a6')
            x += spacing
        y += spacing
    c.put(grain, clip=('rect', (2, 2, 49, 56, 4)))
    return c


def pebbles(rmin, rmax, count, seed):
    rnd, c = random.Random(seed), Canvas(51, 58)
    c.draw(TILE[0], TILE[1], fill=BG3, outline=BG4, width=1)
    grain = c.layer()
    for _ in range(count):
        r = rnd.uniform(rmin, rmax)
        tone = rnd.randint(0x50, 0x80)
        grain.draw('ellipse', (rnd.uniform(0, 51), rnd.uniform(0, 58), r, r * rnd.uniform(0.7, 1)),
                   fill=(tone, tone, tone, 255), outline=BG1, width=0.5)
    c.put(grain, clip=('rect', (2, 2, 49, 56, 4)))
    return c


def scanner_head(c, x0, y0, x1, y1, grip=True):
    """A front view of a handheld scanner inside the given head box."""
    w, h = x1 - x0, y1 - y0
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    if grip:
        c.grad('rect', (cx - w * 0.11, y1 - h * 0.1, cx + w * 0.11, y1 + h * 1.1, w * 0.06), BG3, BG1)
        c.draw('ellipse', (cx, y1 + h * 0.3, w * 0.028, w * 0.028), fill=ACCENT)
    c.grad('rect', (x0, y0, x1, y1, h * 0.3), '#5a5a5a', BG2)
    c.draw('rect', (x0 + w * 0.05, y0 + h * 0.15, x1 - w * 0.05, y1 - h * 0.15, h * 0.22), fill=BG1)
    for lx in (x0 + w * 0.22, x1 - w * 0.22):
        c.draw('ellipse', (lx, cy, h * 0.22, h * 0.22), fill=BG0, outline=ACCENT, width=max(h * 0.04, 1))
        c.draw('ellipse', (lx - h * 0.07, cy - h * 0.07, h * 0.05, h * 0.05), fill='#ffffff60')
    c.draw('rect', (cx - w * 0.09, cy - h * 0.18, cx + w * 0.09, cy + h * 0.18, h * 0.06), fill=BG0)
    c.draw('ellipse', (cx, cy, h * 0.06, h * 0.06), fill=ACCENT)


def scanner():
    c = Canvas(216, 146)
    scanner_head(c, 18, 14, 198, 74)
    return c


def side_scanner(c, x, y):
    """A small stationary scanner seen from the side, on a tripod, facing right."""
    for fx in (-13, 0, 13):
        c.draw('line', [(x, y + 12), (x + fx, y + 50)], fill=MUTED, width=2)
    c.grad('rect', (x - 15, y - 12, x + 15, y + 14, 5), '#5a5a5a', BG2)
    c.draw('rect', (x + 11, y - 7, x + 17, y + 9, 2), fill=ACCENT)


def scan_mode_handheld():
    c = Canvas(108, 167)
    c.draw('poly', [(54, 46), (18, 120), (90, 120)], fill=BEAM)
    c.grad('ellipse', (54, 130, 28, 24), '#6a6a6a', BG2)
    c.grad('rect', (30, 146, 78, 160, 4), BG4, BG1)
    scanner_head(c, 22, 10, 86, 34, grip=False)
    c.grad('rect', (47, 34, 61, 60, 5), BG3, BG1)
    for a0, a1 in ((150, 210), (-30, 30)):
        c.draw('arc', (54, 30, 46, 22, a0, a1), fill=MUTED, width=2)
    c.draw('poly', [(7, 39), (4, 46), (12, 45)], fill=MUTED)
    c.draw('poly', [(101, 21), (104, 14), (96, 15)], fill=MUTED)
    return c


def scan_mode_turntable():
    c = Canvas(177, 120)
    c.draw('poly', [(44, 46), (104, 30), (104, 92)], fill=BEAM)
    side_scanner(c, 28, 46)
    c.draw('ellipse', (120, 100, 46, 12), fill=BG1)
    c.draw('rect', (74, 94, 166, 100, 0), fill=BG1)
    c.grad('ellipse', (120, 94, 46, 12), BG4, BG2)
    c.grad('rect', (104, 44, 136, 92, 12), '#6a6a6a', BG2)
    c.draw('arc', (120, 96, 56, 18, 25, 155), fill=ACCENT, width=2)
    c.draw('poly', [(64, 99), (70, 108), (75, 100)], fill=ACCENT)
    return c


def scan_mode_fixed():
    c = Canvas(178, 120)
    c.draw('poly', [(44, 46), (104, 28), (104, 90)], fill=BEAM)
    side_scanner(c, 28, 46)
    c.grad('rect', (108, 88, 152, 112, 3), BG3, BG1)
    c.draw('poly', [(130, 38), (154, 50), (130, 62), (106, 50)], fill='#7a7a7a')
    c.draw('poly', [(106, 50), (130, 62), (130, 88), (106, 76)], fill='#5a5a5a')
    c.draw('poly', [(130, 62), (154, 50), (154, 76), (130, 88)], fill=BG4)
    return c


def align_markers():
    c = Canvas(56, 72)
    c.grad('rect', (4, 4, 52, 68, 10), BG4, BG2)
    for x, y in ((16, 16), (38, 13), (27, 31), (14, 47), (40, 44), (28, 59)):
        c.draw('ellipse', (x, y, 4.5, 4.5), fill='#f2f2f2')
        c.draw('ellipse', (x, y, 1.8, 1.8), fill=BG0)
    return c


def align_features():
    c = Canvas(55, 79)
    body = [(8, 18), (30, 6), (48, 16), (48, 44), (34, 52), (34, 72), (8, 62)]
    c.grad('poly', body, BG4, BG2)
    edges = [(8, 18), (30, 28), (48, 16)], [(30, 28), (30, 58)], [(30, 58), (48, 44)]
    for e in edges:
        c.draw('line', list(e), fill=ACCENT, width=1.5)
    for x, y in ((8, 18), (30, 28), (48, 16), (30, 58), (48, 44)):
        c.draw('ellipse', (x, y, 2.2, 2.2), fill=ACCENT)
    return c


def logo():
    c = Canvas(225, 45)
    c.draw('ellipse', (22.5, 22.5, 17, 17), outline=ACCENT, width=5)
    c.draw('ellipse', (22.5, 22.5, 7, 7), fill=FG)
    c.text(52, 23.5, 'ORVANE', 27, FG, tracking=3)
    return c


def product_photo():
    c = Canvas(621, 328, ss=2)
    c.grad('rect', (0, 0, 621, 328, 0), '#3a3a3a', '#141414')
    c.grad('rect', (0, 0, 621, 328, 0), '#ffffff26', '#ffffff00', box=(130, -120, 490, 300), radial=True)
    c.grad('rect', (0, 232, 621, 328, 0), '#262626', '#101010')
    shadow = c.layer()
    shadow.draw('ellipse', (310, 232, 90, 8), fill='#000000c0')
    c.put(shadow, blur=5)
    scanner_head(c, 200, 78, 420, 148)
    c.draw('line', [(230, 81), (390, 81)], fill='#ffffff30', width=2)
    return c


def main():
    os.makedirs('images', exist_ok=True)
    os.makedirs('qml/ui/images', exist_ok=True)
    write('images/StarBlue.svg', star_svg('0.6'))
    write('images/StarWhite.svg', star_svg('0.1'))
    write('images/RadioButton_Normal.svg', radio_svg(False))
    write('images/RadioButton_Selected.svg', radio_svg(True))
    write('qml/ui/images/scanner_model_a.svg', SCANNER_A)
    write('qml/ui/images/scanner_model_b.svg', SCANNER_B)
    pngs = {
        '24x24_Attention.png': attention,
        'ScanPause_Active Copy.png': scan_pause,
        'Shade_Bright.png': lambda: sphere('#ffffff', '#8a8a8a'),
        'Shade_Medium.png': lambda: sphere('#b8b8b8', BG4),
        'Shade_Dark.png': lambda: sphere('#5e5e5e', '#121212'),
        'Shade_DarkBright.png': lambda: sphere('#ffffff', '#8a8a8a', split=('#5e5e5e', '#121212')),
        'board.png': board,
        'cross.png': cross,
        'default_image.png': default_image,
        'dialog_background.png': dialog_background,
        'high_detail.png': lambda: dots(4, 0.9, 1),
        'medium_detail.png': lambda: dots(7, 1.2, 2),
        'low_detail.png': lambda: dots(12, 1.6, 3),
        'texture_fine.png': lambda: pebbles(1.2, 2.2, 420, 4),
        'texture_coarse.png': lambda: pebbles(5, 9, 40, 5),
        'scanner.png': scanner,
        'scan_mode_handheld.png': scan_mode_handheld,
        'scan_mode_turntable.png': scan_mode_turntable,
        'scan_mode_fixed.png': scan_mode_fixed,
        'align_markers.png': align_markers,
        'align_features.png': align_features,
        'logo.png': logo,
    }
    for name, make in pngs.items():
        make().save(f'images/{name}')
    # A stand-in for a photograph, which has no transparency.
    product_photo().save('images/product_photo.png', alpha=False)


if __name__ == '__main__':
    main()
