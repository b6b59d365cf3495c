#!/usr/bin/env bash
# Measures each program against the floor of moving the same bytes, on this
# machine and in one run:
#   cfgscribe -r/-s/-a   against cat of a file holding that mode's output
#   cfgscribe -C         against xxd of the input file
#   cfgscribe --diff     against cat of its output
#   sndbank              against cat of the same word files into one file,
#                        and on a 48 kHz recording against sox converting it
# on the large example and on a maximal image (the complete example's
# records repeated to fill the load buffer), then the peak memory of each
# program. Runs are interleaved in pairs so that load from other processes
# hits both sides alike; each ratio is the median of the per-pair ratios.
# PAIRS (default 41) and BATCH (runs per timed sample, default 10) tune it.
# COUNT=1 adds each side's user-space instruction count under callgrind,
# which other load on the machine does not disturb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build-rel}"
pairs="${PAIRS:-41}"
batch="${BATCH:-10}"

for tool in xxd bc /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "$tool is needed"; exit 1; }
done
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVA_TESTS=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null
cfgscribe="$build/bin/cfgscribe"
sndbank="$build/bin/sndbank"

work=$(mktemp -d "${TMPDIR:-/tmp}/orva-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
"$build/tools/make_bench_image" "$work/maximal.cfg"

# Seconds (microsecond resolution) for $batch runs of a command, output discarded.
batch_time() {
  local start=$EPOCHREALTIME i
  for ((i = 0; i < batch; i++)); do "$@" >/dev/null; done
  echo "$EPOCHREALTIME - $start" | bc
}

# Prints the median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# compare LABEL FLOOR-LABEL -- PROGRAM... -- FLOOR...: interleaved pairs,
# alternating which side goes first; prints ms per run and the median ratio.
compare() {
  local label=$1 floor_label=$2
  shift 3
  local -a program=() floor=()
  while [ "$1" != "--" ]; do program+=("$1"); shift; done
  shift
  floor=("$@")
  local p tp tf ratios="" progs="" floors=""
  for ((p = 0; p < pairs; p++)); do
    if ((p % 2 == 0)); then
      tp=$(batch_time "${program[@]}"); tf=$(batch_time "${floor[@]}")
    else
      tf=$(batch_time "${floor[@]}"); tp=$(batch_time "${program[@]}")
    fi
    ratios+="$(echo "scale=6; $tp / $tf" | bc)"$'\n'
    progs+="$tp"$'\n'
    floors+="$tf"$'\n'
  done
  local mp mf mr
  mp=$(printf '%s' "$progs" | median)
  mf=$(printf '%s' "$floors" | median)
  mr=$(printf '%s' "$ratios" | median)
  printf '  %-22s %7.3f ms  %-26s %7.3f ms  %5.2fx\n' "$label" \
    "$(echo "$mp * 1000 / $batch" | bc -l)" "$floor_label" \
    "$(echo "$mf * 1000 / $batch" | bc -l)" "$mr"
  if [ "${COUNT:-0}" = 1 ]; then
    local ip if
    ip=$(instructions "${program[@]}")
    if=$(instructions "${floor[@]}")
    printf '  %-22s %7.2f M instr. %-26s %7.2f M instr.\n' "" \
      "$(echo "$ip / 1000000" | bc -l)" "" "$(echo "$if / 1000000" | bc -l)"
  fi
}

# Instructions executed by a command and its children, under callgrind;
# the word-file copy is counted with its output discarded.
instructions() {
  if [ "$1" = cat_words ]; then set -- cat words/w*; fi
  valgrind --tool=callgrind --trace-children=yes --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk '/Collected/ { sum += $NF } END { print sum }'
}

echo "median of $pairs interleaved pairs, $batch runs per sample"
for image in "$root/examples/large.cfg" "$work/maximal.cfg"; do
  name=$(basename "$image")
  echo "cfgscribe on $name ($(stat -c %s "$image") bytes)"
  for mode in -r -s -a; do
    # The floor file: this mode's own output, made by running it once.
    out="$work/${name%.cfg}$mode.txt"
    "$cfgscribe" "$mode" "$image" >"$out"
    compare "cfgscribe $mode" "cat ($(stat -c %s "$out") bytes)" -- \
      "$cfgscribe" "$mode" "$image" -- cat "$out"
  done
  compare "cfgscribe -C" "xxd" -- "$cfgscribe" -C "$image" -- xxd "$image"
done
# The script of the differences pairs every setting of two files: the
# maximal image against itself pairs them all and writes no command.
out="$work/maximal-diff.txt"
"$cfgscribe" --diff "$work/maximal.cfg" "$work/maximal.cfg" >"$out"
compare "cfgscribe --diff" "cat ($(stat -c %s "$out") bytes)" -- \
  "$cfgscribe" --diff "$work/maximal.cfg" "$work/maximal.cfg" -- cat "$out"

# A speech library of 300 words of 19,000 samples: 5.7 MB of samples.
mkdir "$work/words"
head -c $((300 * 19000)) /dev/urandom >"$work/all.raw"
split -b 19000 -d -a 4 "$work/all.raw" "$work/words/w"
rm "$work/all.raw"
# Both sides name the word files relative to the work directory.
cd "$work"
code=1000
for f in words/w*; do echo "$code $f"; code=$((code + 1)); done >speech.def
speech=("$sndbank" Bench 1.0 "11/30/26 07:45" speech.def speech.bin speech.inc speech.tab speech.h)
"${speech[@]}" | grep -c "Verify Pass" | grep -qx 7 || { echo "verification did not pass" >&2; exit 1; }
cat_words() { cat words/w* >cat.raw; }
echo "sndbank, speech library of 300 word files ($(du -cb words/w* | tail -n 1 | cut -f1) bytes)"
compare "sndbank" "cat of the word files" -- "${speech[@]}" -- cat_words

# A 5-minute 48 kHz mono recording built into a custom-audio library (scan,
# conversion, writing, verification) against sox alone converting it to
# 8 kHz 8-bit; fewer pairs, as each run takes a tenth of a second.
if command -v sox >/dev/null; then
  mkdir "$work/recording" "$work/minute"
  sox -n -r 48000 -c 1 -b 16 "$work/recording/3000.wav" synth 300 pinknoise vol 0.3 2>/dev/null
  sox -n -r 48000 -c 1 -b 16 "$work/minute/3000.wav" synth 60 pinknoise vol 0.3 2>/dev/null
  echo "sndbank, custom audio from a 5-minute 48 kHz mono recording"
  pairs="${AUDIO_PAIRS:-11}" batch=2 compare "sndbank 48 kHz" "sox to 8 kHz 8-bit" -- \
    "$sndbank" recording -- sox -D recording/3000.wav -r 8000 -c 1 -b 8 -e signed -t raw sox.raw
else
  echo "sox is not installed: the 48 kHz recording is not measured against it"
fi

peak_kb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ { print $2 }'; }
echo "peak memory (maximum resident set)"
printf '  %-22s %6s KB\n' "cfgscribe -r maximal" "$(peak_kb "$cfgscribe" -r "$work/maximal.cfg")"
printf '  %-22s %6s KB\n' "cfgscribe -a maximal" "$(peak_kb "$cfgscribe" -a "$work/maximal.cfg")"
printf '  %-22s %6s KB\n' "sndbank speech" "$(peak_kb "${speech[@]}")"
if [ -d "$work/recording" ]; then
  # The conversion streams: a recording five times as long needs no more.
  printf '  %-22s %6s KB\n' "sndbank 48 kHz, 1 min" "$(peak_kb "$sndbank" minute)"
  printf '  %-22s %6s KB\n' "sndbank 48 kHz, 5 min" "$(peak_kb "$sndbank" recording)"
fi
printf '  %-22s %6s KB\n' "cat (for scale)" "$(peak_kb cat "$work/maximal-r.txt")"
