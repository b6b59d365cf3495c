#!/bin/sh
# Times sndbank building a custom-audio library of about 5.7 MB of samples
# against cat copying the same word files into one file, the floor for
# moving those bytes. Uses the Release build in build-rel/.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD:-$root/build-rel}"
runs=${RUNS:-11}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVA_TESTS=OFF >/dev/null
cmake --build "$build" --target sndbank -j2 >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/sndbank-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/words"

# 500 words of 11,400 samples: 5,700,000 bytes of samples, 5,701,500 with
# the stop addresses, inside the twelve-minute limit of 5,760,000.
head -c $((500 * 11400)) /dev/urandom > "$work/all.raw"
i=0
while [ $i -lt 500 ]; do
  dd if="$work/all.raw" of="$work/words/$(printf %04d $((3000 + i))).raw" \
     bs=11400 skip=$i count=1 status=none
  i=$((i + 1))
done
rm "$work/all.raw"

# Best of $runs wall-clock runs, in milliseconds.
best_ms() {
  best=
  n=0
  while [ $n -lt "$runs" ]; do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ $ms -lt "$best" ]; then best=$ms; fi
    n=$((n + 1))
  done
  echo "$best"
}

cd "$work"
cat_words() { cat words/*.raw > "$work/cat.raw"; }
sndbank_words() { "$build/bin/sndbank" words; }

cat_ms=$(best_ms cat_words)
sndbank_ms=$(best_ms sndbank_words)
grep -q . CustomAudioLib.bin
"$build/bin/sndbank" words | grep -c "Verify Pass" | grep -qx 7 || {
  echo "verification did not pass" >&2
  exit 1
}

echo "samples:     $(wc -c < "$work/cat.raw") bytes in 500 word files"
echo "library:     $(wc -c < CustomAudioLib.bin) bytes"
echo "cat:         ${cat_ms} ms (best of $runs)"
echo "sndbank:     ${sndbank_ms} ms (best of $runs, includes the verification pass)"
if [ "$cat_ms" -gt 0 ]; then
  echo "ratio:       $(awk "BEGIN { printf \"%.2f\", $sndbank_ms / $cat_ms }")x cat"
fi
