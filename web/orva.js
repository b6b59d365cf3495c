// window.orva: cfgscribe and sndbank, compiled to WebAssembly, run as on a
// command line. Each program is compiled once; every run gets a fresh
// instance (fresh memory, like a new process) with an in-memory working
// directory holding the files handed in. The page's own buttons use run().
//
//   orva.ready                            resolves when both programs are loaded
//   orva.run(program, args, files)        -> {status, stdout, stdoutBytes, stderr, files}
//     program  "cfgscribe" or "sndbank"
//     args     the command line after the program name, as for the native program
//     files    {name: Uint8Array} placed in the working directory ("dir/name" makes dir)
//     result   status: the exit status; stdout: the output as text (UTF-8),
//              stdoutBytes: the same as bytes; files: {name: Uint8Array} for
//              every file the run created or changed in the working directory
'use strict';
(function () {
  const kPrograms = ['cfgscribe', 'sndbank'];
  // The working directory of every run; programs print it in paths.
  const kWorkDir = '/orva';
  const compiled = {};

  function fromBase64(text) {
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }

  // The self-contained page carries the WebAssembly inline (orvaWasm, base64);
  // the site loads it from beside the page.
  async function wasmBytes(program) {
    const inline = window.orvaWasm && window.orvaWasm[program];
    if (inline) return fromBase64(inline);
    const response = await fetch(program + '.wasm');
    if (!response.ok) throw new Error(program + '.wasm could not be loaded (' + response.status + ')');
    return new Uint8Array(await response.arrayBuffer());
  }

  const ready = Promise.all(kPrograms.map(async (program) => {
    compiled[program] = await WebAssembly.compile(await wasmBytes(program));
  })).then(() => undefined);

  // Collects a stream's bytes in one growing buffer.
  function byteCollector() {
    let bytes = new Uint8Array(1 << 16);
    let length = 0;
    return {
      put(byte) {
        if (length === bytes.length) {
          const larger = new Uint8Array(bytes.length * 2);
          larger.set(bytes);
          bytes = larger;
        }
        bytes[length++] = byte & 0xff;  // the device hands over signed bytes
      },
      bytes: () => bytes.slice(0, length),
    };
  }

  function makeParents(FS, path) {
    const parts = path.split('/').slice(0, -1);
    let dir = '';
    for (const part of parts) {
      dir += '/' + part;
      if (!FS.analyzePath(dir).exists) FS.mkdir(dir);
    }
  }

  function sameBytes(a, b) {
    if (!a || a.length !== b.length) return false;
    for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
    return true;
  }

  // Every regular file under `dir`, by its name relative to the working directory.
  function filesUnder(FS, dir, prefix, found) {
    for (const name of FS.readdir(dir)) {
      if (name === '.' || name === '..') continue;
      const path = dir + '/' + name;
      if (FS.isDir(FS.stat(path).mode)) filesUnder(FS, path, prefix + name + '/', found);
      else found[prefix + name] = FS.readFile(path).slice();
    }
    return found;
  }

  function checkedName(name) {
    const parts = String(name).split('/');
    if (parts.some((part) => part === '' || part === '.' || part === '..')) {
      throw new Error('file name "' + name + '" must be a plain relative path');
    }
    return parts.join('/');
  }

  async function run(program, args, files) {
    if (!kPrograms.includes(program)) throw new Error('unknown program "' + program + '"');
    await ready;
    const inputs = {};
    for (const [name, bytes] of Object.entries(files || {})) {
      inputs[checkedName(name)] = bytes instanceof Uint8Array ? bytes : new Uint8Array(bytes);
    }
    const stdout = byteCollector();
    const stderr = byteCollector();
    const module = compiled[program];
    // A failed instantiation ends the run instead of leaving it waiting.
    let failed;
    const failure = new Promise((resolve, reject) => { failed = reject; });
    // The factory fills this object in: it becomes the instance (FS, callMain).
    const settings = {
      thisProgram: program,
      noInitialRun: true,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(module, imports).then((made) => receive(made, module), failed);
        return {};
      },
      preRun: [() => {
        const FS = settings.FS;
        FS.init(null, stdout.put, stderr.put);
        FS.mkdir(kWorkDir);
        for (const [name, bytes] of Object.entries(inputs)) {
          makeParents(FS, kWorkDir + '/' + name);
          FS.writeFile(kWorkDir + '/' + name, bytes);
        }
        FS.chdir(kWorkDir);
      }],
      print() {},
      printErr() {},
    };
    const instance = await Promise.race([window['orva_' + program](settings), failure]);
    const status = instance.callMain(Array.from(args || [], String));
    const changed = {};
    for (const [name, bytes] of Object.entries(filesUnder(instance.FS, kWorkDir, '', {}))) {
      if (!sameBytes(inputs[name], bytes)) changed[name] = bytes;
    }
    const outBytes = stdout.bytes();
    return {
      status,
      stdout: new TextDecoder().decode(outBytes),
      stdoutBytes: outBytes,
      stderr: new TextDecoder().decode(stderr.bytes()),
      files: changed,
    };
  }

  window.orva = { ready, run, workDir: kWorkDir };
})();
