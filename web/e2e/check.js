// The browser stage of CI: the page served on 127.0.0.1 and the
// self-contained page opened from disk, in headless Chromium, checked
// against the native programs. Prints "web: N passed, M failed" and exits
// non-zero on any failure. Screenshots go to build-web/screenshots/.
'use strict';
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');
const { root, runNative, masked, filesUnder, scratch } = require('./native');
const { serve } = require('./serve');
const ui = require('./ui');

const site = path.join(root, 'build-web/site');
const shots = path.join(root, 'build-web/screenshots');
const examples = fs.readdirSync(path.join(root, 'examples')).filter((n) => n.endsWith('.cfg')).sort();
const example = (name) => fs.readFileSync(path.join(root, 'examples', name));

let passed = 0;
let failed = 0;
function check(label, ok, detail) {
  if (ok) { passed++; return; }
  failed++;
  console.log(`FAIL: ${label}${detail ? '\n' + detail : ''}`);
}

// The first line where two texts part, for the failure message.
function firstDifference(a, b) {
  const x = a.split('\n');
  const y = b.split('\n');
  for (let i = 0; i < Math.max(x.length, y.length); i++) {
    if (x[i] !== y[i]) return `  line ${i + 1}\n  page:   ${JSON.stringify(x[i])}\n  native: ${JSON.stringify(y[i])}`;
  }
  return '';
}

const toBase64 = (files) => Object.fromEntries(Object.entries(files).map(([n, b]) => [n, Buffer.from(b).toString('base64')]));
const fromBase64 = (files) => Object.fromEntries(Object.entries(files).map(([n, b]) => [n, Buffer.from(b, 'base64')]));

// orva.run in the page; bytes cross as base64.
async function pageRun(page, program, args, files) {
  const run = await page.evaluate(async ({ program, args, files }) => {
    const decode = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
    const encode = (bytes) => {
      let text = '';
      for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      return btoa(text);
    };
    const input = Object.fromEntries(Object.entries(files).map(([n, b]) => [n, decode(b)]));
    const start = performance.now();
    const made = await window.orva.run(program, args, input);
    const ms = performance.now() - start;
    const out = Object.fromEntries(Object.entries(made.files).map(([n, b]) => [n, encode(b)]));
    return { status: made.status, stdout: encode(made.stdoutBytes), files: out, ms, workDir: window.orva.workDir };
  }, { program, args, files: toBase64(files) });
  return { ...run, stdout: Buffer.from(run.stdout, 'base64'), files: fromBase64(run.files) };
}

// One command run in the page and natively: same status, same output once
// masked, the same files byte for byte. A run whose output holds the current
// minute (a custom-audio image) is tried again if the minute turned.
async function compare(page, label, program, args, files, tries = 1) {
  let problem = '';
  let pageResult;
  for (let attempt = 0; attempt < tries; attempt++) {
    pageResult = await pageRun(page, program, args, files);
    const native = runNative(program, args, files);
    const pageText = masked(pageResult.stdout, pageResult.workDir);
    const nativeText = masked(native.stdout, native.dir);
    problem = '';
    if (pageResult.status !== native.status) problem += `  status: page ${pageResult.status}, native ${native.status}\n`;
    if (pageText !== nativeText) problem += firstDifference(pageText, nativeText) + '\n';
    const names = [...new Set([...Object.keys(pageResult.files), ...Object.keys(native.files)])].sort();
    for (const name of names) {
      const a = pageResult.files[name];
      const b = native.files[name];
      if (!a || !b || !a.equals(b)) {
        // Side files and listings hold the working directory as text.
        const same = a && b && masked(a, pageResult.workDir) === masked(b, native.dir);
        if (!same) problem += `  file ${name}: ${!a ? 'only native' : !b ? 'only in the page' : 'bytes differ'}\n`;
      }
    }
    if (!problem) break;
  }
  check(`${program} ${args.join(' ')} (${label})`, !problem, problem);
  return pageResult;
}

function audioInputs() {
  const dir = scratch({});
  const made = require('child_process').spawnSync(path.join(root, 'build/tools/make_audio_examples'), [dir]);
  if (made.status !== 0) throw new Error('make_audio_examples failed');
  const files = filesUnder(dir);
  fs.rmSync(dir, { recursive: true, force: true });
  return files;
}

async function programChecks(page) {
  const modes = ['-r', '-s', '-a', '-C', '-rd', '-sd', '-ad', '-Cd', '--json'];
  for (const name of examples) {
    for (const mode of modes) await compare(page, 'example', 'cfgscribe', [mode, name], { [name]: example(name) });
  }
  for (const [older, newer] of [['hilltop.cfg', 'summit.cfg'], ['summit.cfg', 'large.cfg'], ['summit.cfg', 'summit.cfg']]) {
    await compare(page, 'difference', 'cfgscribe', ['--diff', 'old-' + older, 'new-' + newer],
      { ['old-' + older]: example(older), ['new-' + newer]: example(newer) });
  }
  // Damaged files: a configuration cut short and one with a wrong header byte.
  const summit = example('summit.cfg');
  const broken = Buffer.from(summit);
  broken[summit.length - 40] ^= 0x5a;
  for (const [label, bytes] of [['cut short', summit.subarray(0, 700)], ['record byte changed', broken]]) {
    for (const mode of ['-r', '-s', '-a', '-C', '--json']) await compare(page, label, 'cfgscribe', [mode, 'damaged.cfg'], { 'damaged.cfg': bytes });
  }
  await compare(page, 'no such file', 'cfgscribe', ['-r', 'missing.cfg'], {});
  const refused = await page.evaluate(() => Promise.all([window.orva.run('ls', [], {}), window.orva.run('cfgscribe', [], { '../x': new Uint8Array(1) })]
    .map((run) => run.then(() => 'ran', (error) => error.message))));
  check('orva.run refuses another program and a file outside its directory',
    refused[0].includes('unknown program') && refused[1].includes('plain relative path'), refused.join('\n'));
  for (const program of ['cfgscribe', 'sndbank']) {
    for (const args of [['--version'], ['--help'], ['-x']]) await compare(page, 'command line', program, args, {});
  }

  const audio = audioInputs();
  const wavWords = Object.keys(audio).filter((n) => n.startsWith('speech-wav/')).sort();
  const customFromWav = {};
  wavWords.forEach((name, i) => { customFromWav[`CustomAudioFiles/${3000 + i}.wav`] = audio[name]; });
  await compare(page, 'custom audio from WAV files', 'sndbank', ['-v'], customFromWav, 2);
  const customRaw = Object.fromEntries(Object.entries(audio).filter(([n]) => n.startsWith('CustomAudioFiles/')));
  await compare(page, 'custom audio from raw files', 'sndbank', ['-vd'], customRaw, 2);
  const speechArgs = ['Web Speech', '1.0.0', '12/06/26 12:00', 'speech.def', 'speech.bin', 'speech.inc', 'speech.tab', 'speech.txt'];
  const speech = await compare(page, 'speech library', 'sndbank', ['-v', ...speechArgs], audio);
  const image = { 'speech.bin': speech.files['speech.bin'] };
  await compare(page, 'listing', 'sndbank', ['-l', 'speech.bin'], image);
  await compare(page, 'words as WAV', 'sndbank', ['-w', 'speech.bin', 'words'], image);
  await compare(page, 'words as raw', 'sndbank', ['-e', 'speech.bin', 'words'], image);
  await compare(page, 'damaged image', 'sndbank', ['-l', 'cut.bin'], { 'cut.bin': image['speech.bin'].subarray(0, 5000) });
  return audio;
}

async function main() {
  fs.rmSync(shots, { recursive: true, force: true });
  fs.mkdirSync(shots, { recursive: true });
  const server = await serve(site);
  const origin = `http://127.0.0.1:${server.address().port}`;
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
  });
  const context = await browser.newContext({ timezoneId: 'UTC', acceptDownloads: true, viewport: { width: 1280, height: 1000 } });
  const foreign = [];
  context.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith(origin + '/') && !url.startsWith('file://') && !/^(data|blob):/.test(url)) foreign.push(url);
  });
  const errors = [];
  context.on('page', (page) => page.on('pageerror', (error) => errors.push(error.message)));
  try {
    const page = await context.newPage();
    const loadStart = Date.now();
    await page.goto(origin + '/');
    await page.evaluate(() => window.orva.ready);
    const loadMs = Date.now() - loadStart;
    const audio = await programChecks(page);
    const timing = await pageRun(page, 'cfgscribe', ['-r', 'large.cfg'], { 'large.cfg': example('large.cfg') });
    check('a report of the largest example takes under a second', timing.ms < 1000, `  ${timing.ms} ms`);
    console.log(`web: page loaded and ready in ${loadMs} ms; report of large.cfg in ${Math.round(timing.ms)} ms`);

    const counts = await ui.drive({ context, origin, shots, check, audio, examples: path.join(root, 'examples') });
    const file = await context.newPage();
    await ui.selfContained(file, path.join(root, 'build-web/orva-tools.html'), { check, shots, examples: path.join(root, 'examples') });
    check('no request left the page\'s own origin', foreign.length === 0, foreign.slice(0, 5).join('\n'));
    check('no script error in the page', errors.length === 0, errors.slice(0, 5).join('\n'));
    console.log(`web: ${counts} page views driven; screenshots in ${path.relative(root, shots)}/`);
  } finally {
    await browser.close();
    server.close();
  }
}

main().then(() => {
  console.log(`web: ${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}, (error) => {
  console.log(error.stack || String(error));
  console.log(`web: ${passed} passed, ${failed + 1} failed`);
  process.exit(1);
});
