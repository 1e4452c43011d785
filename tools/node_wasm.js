// Runs before the emscripten loader in Node: hands it sylvandra-script.wasm read from beside this
// script, so that it does not try to fetch the file by URL (which Node 18 and later refuse for a
// path).
if (typeof process === 'object' && process.versions && process.versions.node) {
  Module['wasmBinary'] = require('fs').readFileSync(
      require('path').join(__dirname, 'sylvandra-script.wasm'));
}
