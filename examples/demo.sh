#!/usr/bin/env bash
# Runs both programs on the example files the project ships: cfgscribe in
# each mode and as JSON on every example configuration, and the script of
# the differences from one to another; then sndbank builds a
# custom-audio library and a speech library (with its side files) from
# generated tones, and verifies both; lists the speech library, extracts its
# words as WAV files and builds it again from WAV word files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
bin="$build/bin"
out="$build/demo"
rm -rf "$out"
mkdir -p "$out"

for cfg in "$here"/*.cfg; do
  name="$(basename "$cfg" .cfg)"
  "$bin/cfgscribe" -r "$cfg" > "$out/$name.report.txt"
  "$bin/cfgscribe" -s "$cfg" > "$out/$name.script.txt"
  "$bin/cfgscribe" -a "$cfg" > "$out/$name.all.txt"
  "$bin/cfgscribe" -C "$cfg" > "$out/$name.raw.txt"
  "$bin/cfgscribe" --json "$cfg" > "$out/$name.json"
  echo "cfgscribe: $name -> $out/$name.{report,script,all,raw}.txt, $name.json"
done
# The commands that take a controller configured as hilltop to summit.
"$bin/cfgscribe" --diff "$here/hilltop.cfg" "$here/summit.cfg" > "$out/hilltop-to-summit.txt"
echo "cfgscribe: --diff hilltop summit -> $out/hilltop-to-summit.txt"
echo
echo "== cfgscribe -s examples/summit.cfg (every record type)"
cat "$out/summit.script.txt"

echo "== sndbank: custom-audio library from generated word files"
"$build/tools/make_audio_examples" "$out" >/dev/null
cd "$out"
"$bin/sndbank"
echo
echo "== sndbank: speech library from speech.def, with its side files"
"$bin/sndbank" "Demo Speech" 1.0.0 "12/06/26 12:00" speech.def speech.bin speech.inc speech.tab speech.txt
echo
echo "== speech.inc"
cat speech.inc
echo
echo "== sndbank -l: what speech.bin holds"
"$bin/sndbank" -l speech.bin
echo
echo "== sndbank -w: its words back as WAV files, then the library again from 16-bit WAV word files"
"$bin/sndbank" -w speech.bin extracted
ls extracted
"$bin/sndbank" "Demo Speech" 1.0.0 "12/06/26 12:00" speech-wav.def speech-wav.bin speech-wav.inc speech-wav.tab speech-wav.txt >/dev/null
cmp speech.bin speech-wav.bin && echo "speech-wav.bin, built from the WAV files, equals speech.bin byte for byte"
