#!/usr/bin/env bash
# Times cfgscribe in each mode on the largest example configuration against
# xxd of the same file (output to /dev/null), and, when the sndbank script is
# present, sndbank against cat. Prints milliseconds per run and the ratios.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-rel"
runs="${RUNS:-200}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVA_TESTS=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null
command -v xxd >/dev/null || { echo "xxd is needed (apt-get install xxd)"; exit 1; }

largest="$(ls -S "$root"/examples/*.cfg | head -n 1)"
echo "cfgscribe on $(basename "$largest") ($(stat -c %s "$largest") bytes), $runs runs each"

# Milliseconds per run of a command, output discarded.
per_run() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" >/dev/null; done
  end=$(date +%s%N)
  echo "scale=3; ($end - $start) / $runs / 1000000" | bc
}

floor=$(per_run xxd "$largest")
printf '  %-16s %8s ms\n' "xxd" "$floor"
for mode in -r -s -a -C -rd -ad; do
  t=$(per_run "$build/bin/cfgscribe" "$mode" "$largest")
  printf '  %-16s %8s ms   %5sx xxd\n' "cfgscribe $mode" "$t" "$(echo "scale=2; $t / $floor" | bc)"
done

if [ -x "$root/bench/sndbank.sh" ]; then
  BUILD="$build" bash "$root/bench/sndbank.sh"
fi
