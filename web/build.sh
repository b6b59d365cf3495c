#!/usr/bin/env bash
# Builds cfgscribe and sndbank for WebAssembly from the same sources as the
# native programs and writes the browser page:
#   build-web/site/             index.html and what it loads (serve it or open it)
#   build-web/orva-tools.html   the same page in one file, code and WebAssembly
#                               inline, that works opened straight from disk
# Installs Debian's emscripten when it is missing. Fails on any compiler
# warning, like the other builds.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v emcmake >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq emscripten
fi
# Debian's emscripten runs parts of its link step in Node.js and looks for
# their modules where Debian puts them, which Node.js itself does not search.
export NODE_PATH=/usr/share/nodejs

out=build-web
mkdir -p "$out"
emcmake cmake -S . -B "$out/cmake" -DCMAKE_BUILD_TYPE=Release -DORVA_TESTS=OFF -DORVA_STATIC=OFF >"$out/configure.log" 2>&1 ||
  { cat "$out/configure.log"; exit 1; }
cmake --build "$out/cmake" -j2 --target cfgscribe sndbank 2>&1 | tee "$out/build.log"
if grep -q 'warning:' "$out/build.log"; then
  echo "web build: compiler warnings (see $out/build.log)"
  exit 1
fi

site="$out/site"
rm -rf "$site"
mkdir -p "$site"
for program in cfgscribe sndbank; do
  cp "$out/cmake/bin/$program.js" "$out/cmake/bin/$program.wasm" "$site/"
done
cp web/index.html web/style.css web/orva.js web/app.js "$site/"
node web/inline.js "$site" "$out/orva-tools.html"
echo "web: $site/ and $out/orva-tools.html ($(wc -c <"$out/orva-tools.html") bytes)"
