// Makes the self-contained page: the site's index.html with its style sheet
// and scripts written inline and both programs' WebAssembly inline as base64,
// so that the one file works opened from disk with no network.
// Usage: node web/inline.js <site directory> <output .html>
'use strict';
const fs = require('fs');
const path = require('path');

const [site, output] = process.argv.slice(2);
const read = (name) => fs.readFileSync(path.join(site, name), 'utf8');
// Text inside <script> must not close the element early.
const scriptText = (text) => text.replace(/<\/script/gi, '<\\/script');

let page = read('index.html');
page = page.replace(/<link rel="stylesheet" href="([^"]+)">/g, (_, name) => `<style>\n${read(name)}</style>`);
const wasm = {};
for (const program of ['cfgscribe', 'sndbank']) {
  wasm[program] = fs.readFileSync(path.join(site, program + '.wasm')).toString('base64');
}
let first = true;
page = page.replace(/<script src="([^"]+)"><\/script>/g, (_, name) => {
  const lead = first ? `<script>window.orvaWasm = ${JSON.stringify(wasm)};</script>\n` : '';
  first = false;
  return `${lead}<script>\n${scriptText(read(name))}</script>`;
});
if (first) throw new Error('index.html loads no script');
fs.writeFileSync(output, page);
