#!/usr/bin/env bash
# Fills a seed corpus for one fuzz target from the project's own fixtures.
set -eu
name=$1
corpus=$2
top=$(cd "$(dirname "$0")/.." && pwd)
add() { for f in "$@"; do [ -f "$f" ] && cp -f "$f" "$corpus/" 2>/dev/null || true; done; }
case $name in
  pathresolver_fuzz)
    printf '%s' '"C:\DATA\SUB\PUMPS.LST"' > "$corpus/quoted"
    printf '%s' 'data/sub/pumps.lst' > "$corpus/relative"
    printf '%s' 'ENGINE.EXE' > "$corpus/exe" ;;
  numbertext_fuzz)
    for s in '12.5' '-1.94E+02' 'INF' '-inf' '.' 'E5' '  +3.' '1E5000' '1E-5000'; do
      printf '%s' "$s" > "$corpus/$(printf '%s' "$s" | md5sum | cut -c1-12)"; done ;;
  jpeg_fuzz)
    add "$top"/tests/fixtures/pictures/*.jpg "$top"/tests/fixtures/pictures/*.JPG
    # A tiny picture made by the test suite's own encoder, when present.
    add "$top"/build/tests/platform/*.jpg ;;
  settings_fuzz)
    add "$top"/tests/fixtures/settings/* ;;
  plotfile_fuzz)
    add "$top"/tests/fixtures/plots/*/*.KPL ;;
  plotdata_fuzz)
    add "$top"/tests/fixtures/plotdata/* "$top"/tests/fixtures/plots/*/*.PLT
    printf 'TIME TAMB LOAD TIN TOUT\r\nh C kW C C\r\n1 -2.5 1e+06 20.5 18\r\n2 -3 1000 21 19.25\r\n' > "$corpus/standin" ;;
  listfile_fuzz)
    add "$top"/tests/fixtures/lists/* "$top"/tests/fixtures/decks/*/*.lst ;;
  optavin_fuzz)
    # The variable file, a NUL, then the listing.
    for d in "$top"/tests/fixtures/optavin/*/; do
      [ -f "$d/optVars.dck" ] || continue
      { cat "$d/optVars.dck"; printf '\0'; if [ -f "$d/OutputListingMain.txt" ]; then cat "$d/OutputListingMain.txt"; fi; } \
        > "$corpus/$(basename "$d")"
    done ;;
  rtf_fuzz)
    add "$top"/tests/fixtures/rtf/*.rtf "$top"/examples/demo/*.rtf
    for s in '{\rtf1 a\b b\b0{\i c}\par}' '{\rtf1\trowd\cellx1000\intbl x\cell\row}' \
             '{\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}\f0\cf1\u8364?}'; do
      printf '%s' "$s" > "$corpus/$(printf '%s' "$s" | md5sum | cut -c1-12)"; done ;;
  diagram_fuzz)
    add "$top"/tests/fixtures/diagrams/* ;;
  report_fuzz)
    for f in "$top"/examples/demo/Output_*.rtf "$top"/tests/fixtures/rtf/*.rtf; do
      [ -f "$f" ] && { printf '1.5 -2 3E2 20 %s\0' "$(basename "$f")"; cat "$f"; } > "$corpus/$(echo "$f" | md5sum | cut -c1-12)"; done ;;
  projectindex_fuzz)
    add "$top"/tests/fixtures/index/*.idx "$top"/examples/demo/*.idx ;;
  table_fuzz)
    add "$top"/tests/fixtures/tables/*/*.TBL "$top"/examples/demo/*.TBL ;;
  tabledeck_fuzz)
    # A header (base name, run, "name<TAB>value" lines), a NUL, the deck.
    for f in "$top"/tests/fixtures/rundecks/*.dck "$top"/tests/fixtures/tables/*/*.PZD; do
      [ -f "$f" ] && { printf 'plant\n12\nTANK\t2.5\nFLOW\t123456\nCAP\t-1E-3\n\0'; cat "$f"; } \
        > "$corpus/$(echo "$f" | md5sum | cut -c1-12)"; done ;;
  rundeck_fuzz)
    add "$top"/tests/fixtures/rundecks/*.dck ;;
  deck_fuzz|writeback_fuzz|markupdialogs_fuzz)
    for f in "$top"/tests/fixtures/decks/*/*.pzd "$top"/tests/fixtures/decks/*/*.PZD "$top"/tests/fixtures/decks/broken/* "$top"/examples/demo/*.pzd; do
      [ -f "$f" ] && cp -f "$f" "$corpus/$(echo "$f" | md5sum | cut -c1-12)"; done ;;
  plaindeck_fuzz)
    # A plain deck, then "====", then one component description file.
    for d in "$top"/tests/fixtures/authoring/*.dck "$top"/tests/fixtures/authoring/*/deck.dck \
             "$top"/tests/fixtures/authoring/*.pzd "$top"/examples/demo/*.dck; do
      for i in "$top"/tests/fixtures/authoring/engine/INFO/*.INF "$top"/examples/demo/Quorvel/INFO/*.INF; do
        [ -f "$d" ] && [ -f "$i" ] && { cat "$d"; printf '\n====\n'; cat "$i"; } > "$corpus/$(echo "$d$i" | md5sum | cut -c1-12)"
      done; done ;;
esac
exit 0
