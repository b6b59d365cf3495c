// The native programs (build/bin) run on the same inputs as the page, and
// what may differ between the two runs masked: the run-time date stamp and
// the working directory the programs print.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');

const root = path.resolve(__dirname, '../..');
const nativeBin = path.join(root, 'build/bin');

// Writes `files` ({name: bytes}) into a new scratch directory.
function scratch(files) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'orva-web-'));
  for (const [name, bytes] of Object.entries(files)) {
    fs.mkdirSync(path.dirname(path.join(dir, name)), { recursive: true });
    fs.writeFileSync(path.join(dir, name), bytes);
  }
  return dir;
}

function filesUnder(dir, prefix = '', found = {}) {
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) filesUnder(full, prefix + entry.name + '/', found);
    else found[prefix + entry.name] = fs.readFileSync(full);
  }
  return found;
}

// Runs a native program as `program` (found on PATH, so it sees the same
// argv[0] as the page's run) in a scratch directory holding `files`;
// returns {status, stdout, files} like orva.run, with Buffers.
function runNative(program, args, files) {
  const dir = scratch(files);
  const run = spawnSync(program, args, {
    cwd: dir,
    env: { ...process.env, PATH: `${nativeBin}:${process.env.PATH}`, TZ: 'UTC' },
    maxBuffer: 1 << 28,
  });
  if (run.error) throw run.error;
  const changed = {};
  for (const [name, bytes] of Object.entries(filesUnder(dir))) {
    if (!files[name] || !Buffer.from(files[name]).equals(bytes)) changed[name] = bytes;
  }
  fs.rmSync(dir, { recursive: true, force: true });
  return { status: run.status, stdout: run.stdout, files: changed, dir };
}

// Output text with what legitimately differs between runs written alike:
// the date stamp (to the second) and the run's working directory.
const kStamp = /\d\d\/\d\d\/\d\d \d\d:\d\d:\d\d/g;
function maskText(text, workDir) {
  text = text.replace(kStamp, 'TIME');
  return workDir ? text.split(workDir).join('WORK') : text;
}
// Bytes compared one for one (each byte one character).
const masked = (bytes, workDir) => maskText(Buffer.from(bytes).toString('latin1'), workDir);

module.exports = { root, runNative, masked, maskText, filesUnder, scratch };
