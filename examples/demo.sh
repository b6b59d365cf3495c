#!/usr/bin/env bash
# Runs both programs on the example files the project ships: cfgscribe in
# each mode on every example configuration, and (once built) sndbank.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="${1:-$here/../build/bin}"
out="${2:-$here/../build/demo}"
mkdir -p "$out"

for cfg in "$here"/*.cfg; do
  name="$(basename "$cfg" .cfg)"
  "$bin/cfgscribe" -r "$cfg" > "$out/$name.report.txt"
  "$bin/cfgscribe" -s "$cfg" > "$out/$name.script.txt"
  "$bin/cfgscribe" -a "$cfg" > "$out/$name.all.txt"
  "$bin/cfgscribe" -C "$cfg" > "$out/$name.raw.txt"
  echo "cfgscribe: $name -> $out/$name.{report,script,all,raw}.txt"
done
echo
echo "== Report of $(basename "$here"/hilltop.cfg)"
cat "$out/hilltop.report.txt"
echo "== Script (-s) of hilltop.cfg"
cat "$out/hilltop.script.txt"
