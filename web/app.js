// The page: sorts the files the user opens into what they are for, runs the
// programs on them through window.orva.run (the same call any automation
// uses) and shows what came out. Nothing is sent anywhere.
'use strict';
(function () {
  const $ = (id) => document.getElementById(id);
  const result = $('result');
  const problems = $('problems');
  const statusLine = $('status');
  // Puts a view in place; absent parts (null) are left out.
  const show = (...parts) => result.replaceChildren(...parts.filter(Boolean));

  // What each exit status means, in the programs' own terms.
  const kStatusText = {
    cfgscribe: { 0: 'done', 1: 'failed', 2: 'done, but the configuration file is damaged', 255: 'unknown option letter' },
    sndbank: { 0: 'done', 1: 'failed', 255: 'unknown option letter' },
  };
  // Lines in which the programs name a problem (the way each words them).
  const kProblemLine = {
    cfgscribe: /DAMAGED:|VERIFY ERROR:|WARNING:|Warning:|Unknown argument|[Cc]annot|[Uu]nable to/,
    sndbank: /ERROR:|Error:|WARNING|Warning|Cannot|[Uu]nable to|problems? found|Unknown argument/,
  };

  function element(tag, attributes, ...children) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) {
      if (name === 'text') made.textContent = value;
      else if (name.startsWith('on')) made.addEventListener(name.slice(2), value);
      else made.setAttribute(name, value);
    }
    for (const child of children) if (child) made.append(child);
    return made;
  }

  function crlf(bytes) {
    const out = [];
    for (let i = 0; i < bytes.length; i++) {
      if (bytes[i] === 10 && (i === 0 || bytes[i - 1] !== 13)) out.push(13);
      out.push(bytes[i]);
    }
    return new Uint8Array(out);
  }

  function save(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = element('a', { href: url, download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  function downloadButton(label, name, bytes) {
    return element('button', { type: 'button', text: label, onclick: () => save(name, bytes) });
  }

  async function readFile(file) {
    return new Uint8Array(await file.arrayBuffer());
  }

  // Shows the status of a run and the lines naming problems, prominently;
  // a clean run clears the box.
  function report(program, run, what) {
    const meaning = kStatusText[program][run.status] || 'failed';
    statusLine.textContent = `${what}: ${program} exit status ${run.status}, ${meaning}.`;
    if (run.status === 0) {
      problems.hidden = true;
      problems.replaceChildren();
      return;
    }
    const lines = run.stdout.split('\n').filter((line) => kProblemLine[program].test(line));
    problems.replaceChildren(...[
      element('h2', { text: `${what}: ${program} exit status ${run.status}, ${meaning}` }),
      run.status === 2
        ? element('p', { text: 'The outputs below were written, but the file did not hold together: check every value, and do not send its scripts to the controller as they are.' })
        : null,
      lines.length ? element('pre', { text: [...new Set(lines)].join('\n') }) : null,
    ].filter(Boolean));
    problems.hidden = false;
  }

  // One program output: a search box, copy, download (optionally with
  // Windows line ends) and the text itself.
  function outputPanel(text, bytes, fileName, warning) {
    const pre = element('pre', { class: 'output', tabindex: '0', 'aria-label': fileName });
    pre.textContent = text;
    const search = element('input', { type: 'search', 'aria-label': 'Find in ' + fileName, placeholder: 'Find…' });
    const count = element('span', { 'aria-live': 'polite' });
    const windowsEnds = element('input', { type: 'checkbox', checked: '' });
    let marks = [];
    let current = -1;
    search.addEventListener('input', () => {
      const term = search.value;
      pre.replaceChildren();
      marks = [];
      current = -1;
      if (!term) { pre.textContent = text; count.textContent = ''; return; }
      const lower = text.toLowerCase();
      const needle = term.toLowerCase();
      let from = 0;
      for (let at = lower.indexOf(needle); at >= 0; at = lower.indexOf(needle, at + needle.length)) {
        pre.append(text.slice(from, at));
        const mark = element('mark', { text: text.slice(at, at + needle.length) });
        marks.push(mark);
        pre.append(mark);
        from = at + needle.length;
      }
      pre.append(text.slice(from));
      count.textContent = marks.length ? `${marks.length} found (Enter: next)` : 'not found';
    });
    search.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || !marks.length) return;
      if (current >= 0) marks[current].classList.remove('current');
      current = (current + 1) % marks.length;
      marks[current].classList.add('current');
      marks[current].scrollIntoView({ block: 'center' });
      count.textContent = `${current + 1} of ${marks.length}`;
    });
    const copy = element('button', { type: 'button', text: 'Copy' });
    copy.addEventListener('click', async () => {
      try { await navigator.clipboard.writeText(text); copy.textContent = 'Copied'; } catch {
        copy.textContent = 'Copy failed: select the text instead';
      }
      setTimeout(() => { copy.textContent = 'Copy'; }, 2000);
    });
    const download = element('button', { type: 'button', text: 'Download' });
    download.addEventListener('click', () => save(fileName, windowsEnds.checked ? crlf(bytes) : bytes));
    return element('div', {},
      warning ? element('p', { class: 'do-not-send', text: warning }) : null,
      element('div', { class: 'toolbar' }, search, count, copy, download,
        element('label', {}, windowsEnds, ' Windows line ends (CR LF, for Notepad)')),
      pre);
  }

  // Tabs that follow the keyboard pattern: arrows move between tabs.
  function tabs(label, entries) {
    const list = element('div', { class: 'tabs', role: 'tablist', 'aria-label': label });
    const panels = [];
    const buttons = entries.map((entry, index) => {
      const panel = element('div', { role: 'tabpanel', id: 'panel-' + entry.id, 'aria-labelledby': 'tab-' + entry.id }, entry.content);
      panel.hidden = index !== 0;
      panels.push(panel);
      return element('button', {
        type: 'button', role: 'tab', id: 'tab-' + entry.id, 'aria-controls': 'panel-' + entry.id,
        'aria-selected': String(index === 0), tabindex: index === 0 ? '0' : '-1', text: entry.title,
      });
    });
    const select = (index) => {
      buttons.forEach((button, i) => {
        button.setAttribute('aria-selected', String(i === index));
        button.tabIndex = i === index ? 0 : -1;
        panels[i].hidden = i !== index;
      });
      buttons[index].focus();
    };
    buttons.forEach((button, index) => {
      button.addEventListener('click', () => select(index));
      button.addEventListener('keydown', (event) => {
        const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (step) select((index + step + buttons.length) % buttons.length);
      });
      list.append(button);
    });
    return element('div', {}, list, ...panels);
  }

  // A program older than the page's tab says so, above its own message.
  const unknownOption = (run, option) =>
    run.status === 255 ? `This cfgscribe does not know ${option} (exit status 255); its own message follows.` : '';

  const baseName = (name) => name.replace(/^.*\//, '');
  const stem = (name) => baseName(name).replace(/\.[^.]*$/, '');

  // One configuration: every output in a tab of its own.
  async function showConfiguration(entry) {
    const name = baseName(entry.path);
    const files = { [name]: await readFile(entry.file) };
    const modes = [
      { id: 'report', title: 'Report', args: ['-r'], suffix: '-report.txt' },
      { id: 'script', title: 'Script (changes)', args: ['-s'], suffix: '-script.txt', script: true },
      { id: 'all', title: 'Script (all values)', args: ['-a'], suffix: '-all-values.txt', script: true },
      { id: 'raw', title: 'Raw dump', args: ['-C'], suffix: '-raw.txt' },
      { id: 'json', title: 'JSON', args: ['--json'], suffix: '.json' },
    ];
    const runs = [];
    for (const mode of modes) runs.push(await window.orva.run('cfgscribe', [...mode.args, name], files));
    report('cfgscribe', runs[0], name);
    const damaged = runs[0].status === 2;
    show(element('h2', { text: name }), tabs('Outputs for ' + name, modes.map((mode, i) => ({
      id: mode.id,
      title: mode.title,
      content: outputPanel(runs[i].stdout, runs[i].stdoutBytes, stem(name) + (damaged && mode.script ? '-damaged-do-not-send' : '') + mode.suffix,
        damaged && mode.script ? 'Do not send as is: the configuration file is damaged, so this script may not recreate it.'
          : unknownOption(runs[i], mode.args[0])),
    }))));
  }

  // Two configurations: the difference script from old to new.
  async function showDifference(first, second) {
    let [older, newer] = first.file.lastModified <= second.file.lastModified ? [first, second] : [second, first];
    const draw = async () => {
      const oldName = 'old-' + baseName(older.path);
      const newName = 'new-' + baseName(newer.path);
      const run = await window.orva.run('cfgscribe', ['--diff', oldName, newName],
        { [oldName]: await readFile(older.file), [newName]: await readFile(newer.file) });
      report('cfgscribe', run, 'Difference');
      const swap = element('button', { type: 'button', text: 'Swap old and new',
        onclick: () => { [older, newer] = [newer, older]; draw(); } });
      show(element('h2', { text: 'Difference script' }),
        element('p', {}, 'Old: ', element('strong', { text: baseName(older.path) }),
          ' → New: ', element('strong', { text: baseName(newer.path) }), ' ', swap),
        outputPanel(run.stdout, run.stdoutBytes, `${stem(older.path)}-to-${stem(newer.path)}.txt`,
          run.status === 2 ? 'Do not send as is: a configuration file is damaged.' : unknownOption(run, '--diff')));
    };
    await draw();
  }

  function filesList(files) {
    return element('div', { class: 'downloads' },
      ...Object.entries(files).map(([name, bytes]) => downloadButton('Download ' + name, baseName(name), bytes)));
  }

  // Word files, and perhaps a definition file: a library built from them.
  async function showLibraryBuild(words, definition) {
    const files = {};
    if (!definition) {
      for (const word of words) files['CustomAudioFiles/' + baseName(word.path)] = await readFile(word.file);
      const run = await window.orva.run('sndbank', ['-v'], files);
      report('sndbank', run, 'Custom-audio library');
      // sndbank takes a custom-audio word by its name alone: NNNN.raw or NNNN.wav.
      const skipped = words.map((w) => baseName(w.path)).filter((n) => !/^\d{4}\.(raw|wav)$/.test(n));
      show(element('h2', { text: 'Custom-audio library' }),
        element('p', { text: `${words.length} word files; status ${run.status} (${kStatusText.sndbank[run.status] || 'failed'}).` }),
        skipped.length ? element('p', { class: 'do-not-send', text: 'Not named by a word code (NNNN.raw or NNNN.wav, like 3000.wav), so not in the library: ' + skipped.join(', ') }) : null,
        filesList(run.files), outputPanel(run.stdout, run.stdoutBytes, 'sndbank-messages.txt'));
      return;
    }
    // Words go where the definition file names them: beside it as dropped,
    // or, picked one by one, at the path its line gives.
    const defBytes = await readFile(definition.file);
    const defDir = definition.path.includes('/') ? definition.path.replace(/[^/]*$/, '') : '';
    const defName = baseName(definition.path);
    files[defName] = defBytes;
    const named = new Map();
    for (const line of new TextDecoder().decode(defBytes).split('\n')) {
      const match = /^\s*\d+[ \t]+(.*?)\r?$/.exec(line);
      if (match) named.set(baseName(match[1].replace(/\\/g, '/')), match[1].replace(/\\/g, '/'));
    }
    for (const word of words) {
      const bytes = await readFile(word.file);
      const relative = defDir && word.path.startsWith(defDir) ? word.path.slice(defDir.length) : baseName(word.path);
      files[relative] = bytes;
      const wanted = named.get(baseName(word.path));
      if (wanted && !files[wanted]) files[wanted] = bytes;
    }
    const now = new Date();
    const two = (n) => String(n).padStart(2, '0');
    const fields = [
      ['name', 'Image name', stem(defName)],
      ['version', 'Image version', '1.0.0'],
      ['date', 'Date and time', `${two(now.getMonth() + 1)}/${two(now.getDate())}/${two(now.getFullYear() % 100)} ${two(now.getHours())}:${two(now.getMinutes())}`],
      ['base', 'Output file names', stem(defName)],
    ];
    const inputs = {};
    const form = element('form', { class: 'form' });
    for (const [id, label, value] of fields) {
      inputs[id] = element('input', { id: 'speech-' + id, value });
      form.append(element('label', { for: 'speech-' + id, text: label }), inputs[id]);
    }
    const outcome = element('div');
    const build = async () => {
      const base = inputs.base.value || 'speech';
      const run = await window.orva.run('sndbank', ['-v', inputs.name.value, inputs.version.value, inputs.date.value,
        defName, base + '.bin', base + '.inc', base + '.tab', base + '.txt'], files);
      report('sndbank', run, 'Speech library');
      outcome.replaceChildren(element('p', { text: `Status ${run.status} (${kStatusText.sndbank[run.status] || 'failed'}).` }),
        filesList(run.files), outputPanel(run.stdout, run.stdoutBytes, base + '-messages.txt'));
    };
    form.append(element('span'), element('button', { type: 'submit', text: 'Build the speech library' }));
    form.addEventListener('submit', (event) => { event.preventDefault(); build(); });
    show(element('h2', { text: 'Speech library from ' + defName }),
      element('p', { text: `${words.length} word files.` }), form, outcome);
    await build();
  }

  let audio = null;
  function play(raw) {
    audio = audio || new AudioContext();
    // Words are signed 8-bit samples, 8,000 a second.
    const buffer = audio.createBuffer(1, Math.max(raw.length, 1), 8000);
    const samples = buffer.getChannelData(0);
    for (let i = 0; i < raw.length; i++) samples[i] = ((raw[i] << 24) >> 24) / 128;
    const source = audio.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.destination);
    source.start();
  }

  // A library image: its listing, and every word to play or save.
  async function showLibrary(entry) {
    const name = baseName(entry.path);
    const files = { [name]: await readFile(entry.file) };
    const listing = await window.orva.run('sndbank', ['-l', name], files);
    report('sndbank', listing, name);
    const wavs = (await window.orva.run('sndbank', ['-w', name, 'words'], files)).files;
    const raws = (await window.orva.run('sndbank', ['-e', name, 'words'], files)).files;
    const rows = Object.keys(raws).sort().map((rawName) => {
      const code = stem(rawName);
      const wav = wavs['words/' + code + '.wav'];
      return element('tr', {}, element('td', { text: code }),
        element('td', {}, element('button', { type: 'button', text: 'Play', 'aria-label': 'Play word ' + code, onclick: () => play(raws[rawName]) })),
        element('td', {}, wav ? downloadButton('Save WAV', `${stem(name)}-${code}.wav`, wav) : null));
    });
    show(element('h2', { text: name }),
      rows.length ? element('table', { class: 'words' },
        element('thead', {}, element('tr', {}, element('th', { text: 'Word' }), element('th', { text: 'Listen' }), element('th', { text: 'WAV file' }))),
        element('tbody', {}, ...rows)) : element('p', { text: 'No word could be read from this image.' }),
      outputPanel(listing.stdout, listing.stdoutBytes, stem(name) + '-listing.txt'));
  }

  // Decides what the opened files are for.
  async function open(entries) {
    const kind = (entry, pattern) => pattern.test(entry.path);
    const words = entries.filter((e) => kind(e, /\.(wav|raw)$/i));
    const definitions = entries.filter((e) => kind(e, /\.def$/i));
    const images = entries.filter((e) => kind(e, /\.bin$/i));
    const configurations = entries.filter((e) => !kind(e, /\.(wav|raw|def|bin)$/i));
    statusLine.textContent = 'Working…';
    try {
      if (words.length || definitions.length) await showLibraryBuild(words, definitions[0]);
      else if (images.length === 1 && !configurations.length) await showLibrary(images[0]);
      else if (configurations.length === 1 && !images.length) await showConfiguration(configurations[0]);
      else if (configurations.length === 2 && !images.length) await showDifference(configurations[0], configurations[1]);
      else throw new Error('Open one or two configuration files, word files (with a definition file for the speech library), or one library image (.bin).');
    } catch (error) {
      statusLine.textContent = error.message;
      problems.replaceChildren(element('h2', { text: error.message }));
      problems.hidden = false;
    }
  }

  // A dropped folder is walked through the file system entries the browser
  // hands over; its files keep their paths.
  async function entriesOf(item, prefix, found) {
    if (item.isFile) {
      found.push({ path: prefix + item.name, file: await new Promise((resolve, reject) => item.file(resolve, reject)) });
    } else if (item.isDirectory) {
      const reader = item.createReader();
      for (;;) {
        const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
        if (!batch.length) break;
        for (const child of batch) await entriesOf(child, prefix + item.name + '/', found);
      }
    }
    return found;
  }

  const fromInput = (input) => [...input.files].map((file) => ({ path: file.webkitRelativePath || file.name, file }));
  for (const id of ['pick-files', 'pick-folder']) {
    $(id).addEventListener('change', (event) => { if (event.target.files.length) open(fromInput(event.target)); });
  }
  const drop = $('drop');
  drop.addEventListener('dragover', (event) => { event.preventDefault(); drop.classList.add('over'); });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', async (event) => {
    event.preventDefault();
    drop.classList.remove('over');
    const items = [...event.dataTransfer.items].map((item) => item.webkitGetAsEntry && item.webkitGetAsEntry());
    if (items.every(Boolean)) {
      const found = [];
      for (const item of items) await entriesOf(item, '', found);
      open(found);
    } else {
      open([...event.dataTransfer.files].map((file) => ({ path: file.name, file })));
    }
  });

  window.orva.ready.then(() => { statusLine.textContent = 'Ready: open files to begin.'; },
    (error) => { statusLine.textContent = 'The programs could not be loaded: ' + error.message; });
})();
