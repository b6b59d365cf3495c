// The page's own controls driven as a user would: pick and drop files,
// switch tabs with mouse and keyboard, search, download; each view is
// photographed for people to look at.
'use strict';
const fs = require('fs');
const path = require('path');
const { runNative, scratch, masked, maskText } = require('./native');

// Text as the page shows it in a <pre>: the output decoded as UTF-8.
const shown = (bytes) => maskText(Buffer.from(bytes).toString('utf8'));
const crlf = (text) => text.replace(/\n/g, '\r\n');

async function visibleOutput(page) {
  return page.locator('[role="tabpanel"]:not([hidden]) pre.output, #result > div > pre.output').first().textContent();
}

async function downloadFrom(page, click) {
  const [download] = await Promise.all([page.waitForEvent('download'), click()]);
  return { name: download.suggestedFilename(), bytes: fs.readFileSync(await download.path()) };
}

// Drops files on the drop zone the way a browser delivers them.
async function dropFiles(page, files) {
  const payload = files.map(({ name, bytes, modified }) => ({ name, data: Buffer.from(bytes).toString('base64'), modified }));
  await page.evaluate((items) => {
    const transfer = new DataTransfer();
    for (const { name, data, modified } of items) {
      const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
      transfer.items.add(new File([bytes], name, { lastModified: modified }));
    }
    const zone = document.getElementById('drop');
    zone.dispatchEvent(new DragEvent('dragover', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    zone.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, payload);
}

async function freshPage(context, origin, viewport) {
  const page = await context.newPage();
  if (viewport) await page.setViewportSize(viewport);
  await page.goto(origin + '/');
  await page.getByText('Ready: open files to begin.').waitFor();
  return page;
}

async function drive({ context, origin, shots, check, audio, examples }) {
  const exampleFile = (name) => path.join(examples, name);
  const shot = (page, name) => page.screenshot({ path: path.join(shots, name), fullPage: false });
  let views = 0;

  // One configuration, picked: the report as the native program prints it.
  const page = await freshPage(context, origin);
  await page.setInputFiles('#pick-files', exampleFile('summit.cfg'));
  await page.locator('#tab-report').waitFor();
  const summit = fs.readFileSync(exampleFile('summit.cfg'));
  const report = runNative('cfgscribe', ['-r', 'summit.cfg'], { 'summit.cfg': summit });
  check('picked configuration: the report tab shows the native report',
    maskText(await visibleOutput(page)) === shown(report.stdout));
  await shot(page, 'report.png');
  views++;

  // Tabs by mouse and by keyboard; a search; a download with Windows line ends.
  await page.click('#tab-script');
  check('script tab selected by a click', await page.getAttribute('#tab-script', 'aria-selected') === 'true');
  await page.focus('#tab-script');
  await page.keyboard.press('ArrowRight');
  check('the arrow key moves to the all-values tab', await page.getAttribute('#tab-all', 'aria-selected') === 'true');
  await page.keyboard.press('ArrowLeft');
  const search = page.locator('#panel-script input[type="search"]');
  await search.fill('Set');
  await search.press('Enter');
  check('a search marks what it finds', await page.locator('#panel-script mark.current').count() === 1);
  await shot(page, 'script-search.png');
  views++;
  const script = runNative('cfgscribe', ['-s', 'summit.cfg'], { 'summit.cfg': summit });
  const saved = await downloadFrom(page, () => page.click('#panel-script button:text("Download")'));
  check('the script downloads with CR LF line ends', saved.name === 'summit-script.txt' &&
    masked(saved.bytes) === crlf(masked(script.stdout)), saved.name);
  await page.click('#tab-json');
  await shot(page, 'json.png');
  views++;

  // A damaged configuration: status and problems in the alert box, the
  // scripts marked.
  const cut = summit.subarray(0, 700);
  await page.setInputFiles('#pick-files', { name: 'cut.cfg', mimeType: 'application/octet-stream', buffer: cut });
  await page.locator('#problems:not([hidden])').waitFor();
  const damaged = runNative('cfgscribe', ['-r', 'cut.cfg'], { 'cut.cfg': cut });
  const alert = await page.textContent('#problems');
  check('a damaged configuration: its status shown prominently', damaged.status === 2 && alert.includes('exit status 2'), alert);
  const named = damaged.stdout.toString('utf8').split('\n').filter((line) => /DAMAGED:|WARNING:/.test(line));
  check('a damaged configuration: every problem the report names is in the alert box',
    named.length > 1 && named.every((line) => alert.includes(line.trim())), alert);
  await page.click('#tab-script');
  check('a damaged configuration: its script marked "do not send as is"',
    (await page.textContent('#panel-script')).includes('Do not send as is'));
  const marked = await downloadFrom(page, () => page.click('#panel-script button:text("Download")'));
  check('a damaged configuration: its script downloads under a name that says so',
    marked.name === 'cut-damaged-do-not-send-script.txt', marked.name);
  await shot(page, 'damaged.png');
  views++;

  // Two configurations dropped: the difference script, old and new named.
  const hilltop = fs.readFileSync(exampleFile('hilltop.cfg'));
  await dropFiles(page, [{ name: 'summit.cfg', bytes: summit, modified: 2000 }, { name: 'hilltop.cfg', bytes: hilltop, modified: 1000 }]);
  await page.getByText('Difference script').first().waitFor();
  const diff = runNative('cfgscribe', ['--diff', 'old-hilltop.cfg', 'new-summit.cfg'], { 'old-hilltop.cfg': hilltop, 'new-summit.cfg': summit });
  check('two dropped configurations: the difference script, older file first',
    maskText(await visibleOutput(page)) === shown(diff.stdout));
  await shot(page, 'difference.png');
  views++;

  // Word files picked: a custom-audio library like the native one.
  const wavs = Object.keys(audio).filter((n) => n.startsWith('speech-wav/')).sort();
  const picked = wavs.map((name, i) => ({ name: `${3000 + i}.wav`, mimeType: 'audio/wav', buffer: audio[name] }));
  const native = () => runNative('sndbank', ['-v'], Object.fromEntries(picked.map((f) => ['CustomAudioFiles/' + f.name, f.buffer])));
  let library = null;
  for (let attempt = 0; attempt < 2 && !(library && library.same); attempt++) {
    await page.setInputFiles('#pick-files', picked);
    const button = page.locator('button:text("Download CustomAudioLib.bin")');
    await button.waitFor();
    const got = await downloadFrom(page, () => button.click());
    library = { got, same: got.bytes.equals(native().files['CustomAudioLib.bin']) };
  }
  check('word files picked: the custom-audio library equals the native one', library.same);
  await page.setInputFiles('#pick-files', [...picked, { name: 'hello.wav', mimeType: 'audio/wav', buffer: picked[0].buffer }]);
  const note = page.getByText('Not named by a word code');
  await note.waitFor();
  check('a word file not named by its code is named as left out', (await note.textContent()).endsWith(': hello.wav'));
  await shot(page, 'custom-audio.png');
  views++;

  // A definition file with its words: the speech library and side files.
  const speechFiles = Object.keys(audio).filter((n) => n === 'speech.def' || n.startsWith('speech/'));
  await page.setInputFiles('#pick-files', speechFiles.map((n) => ({ name: path.basename(n), mimeType: 'application/octet-stream', buffer: audio[n] })));
  await page.locator('button:text("Download speech.bin")').waitFor();
  const date = await page.inputValue('#speech-date');
  const speechNative = runNative('sndbank', ['-v', 'speech', '1.0.0', date, 'speech.def', 'speech.bin', 'speech.inc', 'speech.tab', 'speech.txt'],
    Object.fromEntries(speechFiles.map((n) => [n, audio[n]])));
  for (const side of ['speech.bin', 'speech.inc', 'speech.tab', 'speech.txt']) {
    const got = await downloadFrom(page, () => page.click(`button:text("Download ${side}")`));
    check(`speech library from picked files: ${side} equals the native one`, got.bytes.equals(speechNative.files[side]));
  }
  await shot(page, 'speech-library.png');
  views++;

  // A folder picked: the definition file and its words keep their places.
  const folder = scratch(Object.fromEntries(speechFiles.map((n) => ['voice/' + n, audio[n]])));
  await page.setInputFiles('#pick-folder', path.join(folder, 'voice'));
  await page.locator('button:text("Download speech.bin")').waitFor();
  const folderDate = await page.inputValue('#speech-date');
  const fromFolder = await downloadFrom(page, () => page.click('button:text("Download speech.bin")'));
  const folderNative = runNative('sndbank', ['-v', 'speech', '1.0.0', folderDate, 'speech.def', 'speech.bin', 'speech.inc', 'speech.tab', 'speech.txt'],
    Object.fromEntries(speechFiles.map((n) => [n, audio[n]])));
  check('a folder picked: the speech library equals the native one', fromFolder.bytes.equals(folderNative.files['speech.bin']));
  fs.rmSync(folder, { recursive: true, force: true });

  // A library image: listed, a word played and saved as WAV.
  const image = speechNative.files['speech.bin'];
  await page.setInputFiles('#pick-files', { name: 'speech.bin', mimeType: 'application/octet-stream', buffer: image });
  await page.locator('table.words button:text("Play")').first().waitFor();
  const words = runNative('sndbank', ['-w', 'speech.bin', 'words'], { 'speech.bin': image });
  const rows = await page.locator('table.words tbody tr').count();
  check('a library image: one row per word', rows === Object.keys(words.files).length, `${rows} rows`);
  await page.locator('table.words button:text("Play")').first().click();
  const wav = await downloadFrom(page, () => page.locator('table.words button:text("Save WAV")').first().click());
  const firstWav = Object.keys(words.files).sort()[0];
  check('a library word saved as WAV equals the native extraction', wav.bytes.equals(words.files[firstWav]), wav.name);
  await shot(page, 'library.png');
  views++;

  // A phone's width: the report still readable, the controls reachable.
  const phone = await freshPage(context, origin, { width: 390, height: 844 });
  await phone.setInputFiles('#pick-files', exampleFile('hilltop.cfg'));
  await phone.locator('#tab-report').waitFor();
  const width = await phone.evaluate(() => document.documentElement.scrollWidth);
  check('at a phone\'s width the page does not scroll sideways', width <= 390, `${width} px`);
  await shot(phone, 'phone.png');
  views++;
  return views;
}

// The self-contained page opened from disk gives the same report.
async function selfContained(page, file, { check, shots, examples }) {
  const start = Date.now();
  await page.goto('file://' + file);
  await page.getByText('Ready: open files to begin.').waitFor();
  console.log(`web: the self-contained page from file:// ready in ${Date.now() - start} ms`);
  const summit = fs.readFileSync(path.join(examples, 'summit.cfg'));
  await page.setInputFiles('#pick-files', path.join(examples, 'summit.cfg'));
  await page.locator('#tab-report').waitFor();
  const report = runNative('cfgscribe', ['-r', 'summit.cfg'], { 'summit.cfg': summit });
  check('the self-contained page from file:// gives the same report',
    maskText(await visibleOutput(page)) === shown(report.stdout));
  await page.screenshot({ path: path.join(shots, 'self-contained.png') });
}

module.exports = { drive, selfContained };
