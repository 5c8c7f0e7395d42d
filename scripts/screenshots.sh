#!/usr/bin/env bash
# Pictures of the main window at its first-start size (1080 x 862) with an
# HTML page and the HTML panel open, one per visual style named:
#   scripts/screenshots.sh OUTDIR [STYLE...]     (default: SKY LUNA AMETHYSTKAMRI)
# Needs the editor built (build/ or build-dev/), xvfb and imagemagick.
set -euo pipefail
out=$(realpath -m "$1"); shift
for tool in xvfb-run import convert; do
  command -v "$tool" >/dev/null || { echo "$tool mangler (apt-get install xvfb imagemagick)" >&2; exit 1; }
done
styles=("$@")
[ ${#styles[@]} -gt 0 ] || styles=(SKY LUNA AMETHYSTKAMRI)
here="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$out"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake -DSOURCE="$here/data" -DROOT="$root" -P "$here/cmake/InstallData.cmake" >/dev/null
user=$(id -un)
mkdir -p "$root/$user/options"
page="$root/side.html"
printf '%s\r\n' '<!DOCTYPE html>' '<html lang="da">' '<head>' '<meta charset="utf-8">' \
  '<title>Forside</title>' '<link rel="stylesheet" href="design.css">' '</head>' '<body>' \
  '<header><h1>Velkommen</h1></header>' \
  '<nav><ul><li><a href="#om">Om os</a></li><li><a href="kontakt.html">Kontakt</a></li></ul></nav>' \
  '<main>' '<p>Her skriver vi om <b>alt</b> det, vi laver.</p>' \
  '<img src="billede.png" alt="Billede" width="200">' '</main>' '</body>' '</html>' > "$page"
for style in "${styles[@]}"; do
  # The 37 lines of the main settings: the style, the window at 1080 x 862
  # and the HTML panel shown; the rest as at a first start.
  lines=("$style" 1080 862 60 160 10 "Courier New" 0 "$user" 0 0 "" 1 0 0 0 0 0 "" 0 0 1 1 0 1 0 0 "" 0 0 1 1 1 0 0 0 0)
  printf '%s\r\n' "${lines[@]}" > "$root/$user/options/mainoptions.txt"
  shot="$out/hovedvindue-${style,,}.png"
  TAGLUND_ROOT="$root" "$here/scripts/screenshot.sh" "$shot" "${SHOT_WAIT:-6}" "$page" >/dev/null 2>&1
  # The window stands at (160, 60) on the virtual screen; keep it and its frame.
  convert "$shot" -crop 1096x900+152+40 +repage "$shot"
  echo "$shot"
done
