#!/usr/bin/env bash
# Regenerates fonts/: the bundled font files, their licence texts and
# fonts/README.md, from Debian font packages and two pinned npm packages.
# Safe to re-run; the output only changes when the source packages do.
#
#   bash tools/make-fonts.sh        (from the project root)
set -euo pipefail
cd "$(dirname "$0")/.."

OUT=fonts
NOTO=/usr/share/fonts/truetype/noto
FA4=/usr/share/fonts/opentype/font-awesome/FontAwesome.otf
FA5_PKG=@fortawesome/fontawesome-free-webfonts@1.0.9   # ships Font Awesome Free 5.0.13
BALOO_PKG=@fontsource/baloo-2@5.3.0
# Debian's own interpreter: python3-fonttools is installed for it, not for
# whatever python3 a version manager may put first on PATH.
PY=/usr/bin/python3

missing=()
for p in fonts-noto-core fonts-noto-extra fonts-font-awesome python3-fonttools fontconfig; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for pkg in "$FA5_PKG" "$BALOO_PKG"; do
  (cd "$tmp" && npm pack --silent "$pkg" >/dev/null)
done
mkdir -p "$tmp/fa5" "$tmp/baloo"
tar -xzf "$tmp"/fortawesome-fontawesome-free-webfonts-*.tgz -C "$tmp/fa5"
tar -xzf "$tmp"/fontsource-baloo-2-*.tgz -C "$tmp/baloo"

mkdir -p "$OUT"
"$PY" - "$NOTO" "$tmp/fa5/package/webfonts" "$tmp/baloo/package/files" "$OUT" <<'EOF'
import sys
import logging
from fontTools.ttLib import TTFont

# svg2ttf, which built the FA5 web fonts, pads its post table; fontTools
# reads it correctly but warns on every load.
logging.getLogger('fontTools.ttLib.tables._p_o_s_t').setLevel(logging.ERROR)

noto, fa5, baloo, out = sys.argv[1:5]

# Typographic/WWS family names win over ID 1 in fontconfig, and so in Qt:
# while they remain, every renamed face still reports the original family.
SHADOWING_IDS = {16, 17, 21, 22}
FS_BOLD, FS_REGULAR, MAC_BOLD = 1 << 5, 1 << 6, 1 << 0


def rebuild(src, dst, family=None, style=None, full=None, ps=None, bold=None):
    # Keeping head.modified makes re-runs byte-identical.
    font = TTFont(src, recalcTimestamp=False)
    font.flavor = None  # web fonts are written back as plain sfnt
    if family:
        table = font['name']
        old_ps = table.getDebugName(6)
        table.names = [r for r in table.names if r.nameID not in SHADOWING_IDS]
        values = {1: family, 2: style, 4: full, 6: ps}
        for rec in list(table.names):
            if rec.nameID in values:
                rec.string = values[rec.nameID]
            elif rec.nameID == 3 and old_ps:
                rec.string = rec.toUnicode().replace(old_ps, ps)
    if bold is not None:
        os2, head = font['OS/2'], font['head']
        if bold:
            os2.fsSelection = (os2.fsSelection | FS_BOLD) & ~FS_REGULAR
            head.macStyle |= MAC_BOLD
        else:
            os2.fsSelection = (os2.fsSelection | FS_REGULAR) & ~FS_BOLD
            head.macStyle &= ~MAC_BOLD
    font.save(f'{out}/{dst}')
    return font


# Noto Sans Display is shortened so that the app's family names cannot be
# confused with a system-wide Noto Sans Display. SemiBold gets a family of its
# own, registered as that family's plain style, so it is reachable by name
# alone on platforms that do not honour weight 600 in a family lookup.
for weight, family, style, full, ps, bold in [
    ('Regular', 'Noto Sans Disp', 'Regular', 'Noto Sans Disp Regular', 'NotoSansDisp-Regular', False),
    ('Bold', 'Noto Sans Disp', 'Bold', 'Noto Sans Disp Bold', 'NotoSansDisp-Bold', True),
    ('SemiBold', 'Noto Sans Disp SemBd', 'Regular', 'Noto Sans Disp SemBd', 'NotoSansDispSemBd-Regular', False),
]:
    rebuild(f'{noto}/NotoSansDisplay-{weight}.ttf', f'NotoSansDisplay-{weight}.ttf',
            family, style, full, ps, bold)

# The Regular and Solid faces share family "Font Awesome 5 Free" at the same
# weight (400), so a lookup by that family can land on Regular, which lacks
# most icons. A family per file makes each FontLoader name select its file.
regular = rebuild(f'{fa5}/fa-regular-400.ttf', 'Font Awesome 5 Free-Regular-400.otf',
                  'Font Awesome 5 Free Regular', 'Regular',
                  'Font Awesome 5 Free Regular', 'FontAwesome5FreeRegular')
solid = rebuild(f'{fa5}/fa-solid-900.ttf', 'Font Awesome 5 Free-Solid-900.otf',
                'Font Awesome 5 Free Solid', 'Regular',
                'Font Awesome 5 Free Solid', 'FontAwesome5FreeSolid')
# Brands already has a family of its own.
rebuild(f'{fa5}/fa-brands-400.ttf', 'Font Awesome 5 Brands-Regular-400.otf')

icons = [0xF067, 0xF068, 0xF0DD, 0xF00C, 0xF060, 0xF061, 0xF062, 0xF063,
         0xF015, 0xF05A, 0xF0A0, 0xF15B, 0xF07B]
lacking = [f'U+{c:04X}' for c in icons if c not in solid.getBestCmap()]
if lacking:
    sys.exit(f'Solid face lacks {lacking}')
if 0xF067 in regular.getBestCmap():
    sys.exit('Regular face unexpectedly has U+F067: the FA5 package changed')

rebuild(f'{baloo}/baloo-2-latin-400-normal.woff', 'Baloo-Regular.ttf')


def debian_paragraph(path, first_line):
    """A paragraph of a Debian copyright file, with its field continuations
    turned back into plain text."""
    for para in open(path, encoding='utf-8').read().split('\n\n'):
        head, _, body = para.partition('\n')
        if head == first_line:
            return head, '\n'.join('' if l == ' .' else l[1:] if l.startswith(' ') else l
                                   for l in body.splitlines()).rstrip() + '\n'
    sys.exit(f'{path}: no paragraph "{first_line}"')


noto_copyright = '/usr/share/doc/fonts-noto-core/copyright'
_, ofl = debian_paragraph(noto_copyright, 'License: OFL-1.1')
_, files = debian_paragraph(noto_copyright, 'Files: *')
with open(f'{out}/LICENSE-Noto-OFL.txt', 'w') as f:
    f.write('Noto Sans Display (Debian package fonts-noto-core / fonts-noto-extra)\n\n')
    f.write(files)
    f.write('\nSIL OPEN FONT LICENSE Version 1.1\n\n' + ofl)
with open(f'{out}/LICENSE-FontAwesome.txt', 'w') as f:
    f.write(open(f'{fa5}/../LICENSE.txt', encoding='utf-8').read().rstrip() + '\n')
    f.write('\n\n-----------------------------------------------------------\n'
            'SIL OPEN FONT LICENSE Version 1.1 (applies to the font files)\n'
            '-----------------------------------------------------------\n\n' + ofl)
EOF

cp /usr/share/doc/fonts-font-awesome/copyright "$OUT/LICENSE-FontAwesome4.txt"
cp "$FA4" "$OUT/FontAwesome.otf"
cp "$tmp/baloo/package/LICENSE" "$OUT/LICENSE-Baloo-OFL.txt"

ver() { dpkg-query -W -f='${Version}' "$1"; }
cat >"$OUT/README.md" <<EOF
# Bundled fonts

Generated by \`bash tools/make-fonts.sh\`; edit that script, not these files.

| File | Family seen by Qt / fontconfig | Source |
| --- | --- | --- |
| NotoSansDisplay-Regular.ttf | Noto Sans Disp, Regular, weight 400 | Debian fonts-noto-core $(ver fonts-noto-core) |
| NotoSansDisplay-Bold.ttf | Noto Sans Disp, Bold, weight 700 | Debian fonts-noto-core $(ver fonts-noto-core) |
| NotoSansDisplay-SemiBold.ttf | Noto Sans Disp SemBd, Regular, weight 600 | Debian fonts-noto-extra $(ver fonts-noto-extra) |
| Font Awesome 5 Free-Regular-400.otf | Font Awesome 5 Free Regular | npm $FA5_PKG (Font Awesome Free 5.0.13), webfonts/fa-regular-400.ttf |
| Font Awesome 5 Free-Solid-900.otf | Font Awesome 5 Free Solid | npm $FA5_PKG, webfonts/fa-solid-900.ttf |
| Font Awesome 5 Brands-Regular-400.otf | Font Awesome 5 Brands | npm $FA5_PKG, webfonts/fa-brands-400.ttf (unchanged) |
| FontAwesome.otf | FontAwesome (4.7) | Debian fonts-font-awesome $(ver fonts-font-awesome) (unchanged) |
| Baloo-Regular.ttf | Baloo 2, Regular, weight 400 | npm $BALOO_PKG, files/baloo-2-latin-400-normal.woff |

Licences: LICENSE-Noto-OFL.txt, LICENSE-FontAwesome.txt (Font Awesome Free;
its fonts are under OFL 1.1), LICENSE-FontAwesome4.txt, LICENSE-Baloo-OFL.txt.

## Changes made to the upstream files

- **Noto Sans Display**: name IDs 1, 2, 3, 4 and 6 rewritten and the
  typographic/WWS names (IDs 16, 17, 21, 22) removed. Those IDs take
  precedence over ID 1 in fontconfig, so without removing them every face
  would still report "Noto Sans Display". The short family also keeps the
  app's faces apart from a system-installed Noto Sans Display. SemiBold is its
  own family ("Noto Sans Disp SemBd") with style Regular (OS/2 fsSelection
  REGULAR bit, no bold bits) so that it can be selected by family name alone;
  its OS/2 weight stays 600. Bold has the fsSelection and head.macStyle bold
  bits set. Glyphs, metrics and weight classes are untouched.
- **Font Awesome 5 Free**: upstream, the Regular and Solid faces both register
  as family "Font Awesome 5 Free" at weight 400, so text that names only the
  family may be drawn from Regular, which lacks most icons (e.g. U+F067 plus).
  They are renamed to "Font Awesome 5 Free Regular" and "Font Awesome 5 Free
  Solid" (style Regular), so the name a FontLoader reports selects exactly
  that file's glyphs. The package ships only TrueType/WOFF/EOT/SVG web fonts:
  the .otf files hold TrueType outlines; Qt detects the format from the
  content, not the extension.
- **Baloo**: Baloo 1.100 is not available from the reachable package
  registries; Baloo 2 (its successor by the same foundry, version 1.700) is
  shipped instead, Latin subset only, converted from WOFF to TTF. Its family
  name is kept as "Baloo 2": the original name is what the licence expects
  and it keeps the file from posing as the older design.
EOF

# Fail loudly if fontconfig would not report the names the app relies on.
while IFS='|' read -r file want; do
  got=$(fc-scan --format '%{family}|%{style}' "$OUT/$file")
  [[ "$got" == "$want" ]] || { echo "$file: fontconfig sees '$got', expected '$want'" >&2; exit 1; }
done <<'EOF'
NotoSansDisplay-Regular.ttf|Noto Sans Disp|Regular
NotoSansDisplay-Bold.ttf|Noto Sans Disp|Bold
NotoSansDisplay-SemiBold.ttf|Noto Sans Disp SemBd|Regular
Font Awesome 5 Free-Regular-400.otf|Font Awesome 5 Free Regular|Regular
Font Awesome 5 Free-Solid-900.otf|Font Awesome 5 Free Solid|Regular
Font Awesome 5 Brands-Regular-400.otf|Font Awesome 5 Brands|Regular
Baloo-Regular.ttf|Baloo 2|Regular
EOF
echo "fonts/ regenerated"
