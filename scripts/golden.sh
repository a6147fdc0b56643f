#!/usr/bin/env bash
# Records what a fixed matrix of calendars draws, for changes that must alter
# nothing on paper:
#   bash scripts/golden.sh save DIR      # before the change
#   bash scripts/golden.sh compare DIR   # after it: exits non-zero on any difference
# The recordings are compared exactly; the PDFs by their text with positions
# (pdftotext -bbox) and by their pages rasterised at 30 dpi.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:?save or compare}
dir=${2:?folder}
build=${GOLDEN_BUILD:-build}
cmake --build "$build" --target golden_dump -j"$(nproc)" >/dev/null

record() {
  local out=$1
  rm -rf "$out" && mkdir -p "$out"
  "$build/bin/golden_dump" data/Orsalimbra.ini "$out" >"$out/export.log"
  for pdf in "$out"/pdf/*.pdf; do
    base=${pdf%.pdf}
    pdftotext -bbox "$pdf" - | grep -v -E '<meta|<title>' >"$base.bbox.html"
    pdftoppm -r 30 -png "$pdf" "$base.page"
    for png in "$base".page*.png; do md5sum <"$png" | cut -d' ' -f1 >"${png%.png}.md5"; done
    rm -f "$base".page*.png "$pdf"
  done
  rm -rf "$out/pictures"
}

case "$mode" in
  save) record "$dir" ;;
  compare)
    now=$(mktemp -d)
    record "$now"
    if diff -r -q "$dir" "$now"; then
      echo "golden: no difference ($(find "$dir" -type f | wc -l) files)"
      rm -rf "$now"
    else
      echo "golden: differences; the new recording is in $now" >&2
      exit 1
    fi
    ;;
  *) echo "usage: scripts/golden.sh save|compare DIR" >&2; exit 2 ;;
esac
