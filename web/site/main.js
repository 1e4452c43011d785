// Starts the program in the page: loads the module, shows the main menu, and offers the script
// driver's commands as `await sylvandra.run(line)`, which returns the lines the script driver
// prints for that line.

import createSylvandra from './sylvandra-web.js';
import { Desktop } from './desktop.js';
import { inputBox, messageBox } from './dialogs.js';
import { PACKED_MARK_FIELDS } from './drawing.js';

// Gives the browser its turn (input, painting) before the program goes on.
const yieldToPage = () => new Promise((resolve) => setTimeout(resolve, 0));
const sleep = (milliseconds) => new Promise((resolve) => setTimeout(resolve, milliseconds));

let desktop = null;

// What the program asks of the page while one of its handlers runs.
const page = {
  async message(title, prompt, buttons) {
    desktop.render();
    return messageBox(title, prompt, buttons);
  },
  async input(title, prompt, defaultText) {
    desktop.render();
    return inputBox(title, prompt, defaultText);
  },
  // A frame of a long run: the windows as they are now. The run keeps its own pace (wait).
  async frame() {
    desktop.render();
    await yieldToPage();
  },
  async wait(milliseconds) {
    await sleep(milliseconds);
  },
  ended() {},
};

// The module's bytes. The site holds it gzip-compressed, and the page unpacks it: a plain static
// server that compresses nothing sends a third of the bytes. A server that unpacks it on the
// way (Content-Encoding) hands over the module itself; a browser that cannot unpack gzip
// fetches the uncompressed module beside it.
async function moduleBytes() {
  if (typeof DecompressionStream === 'function') {
    const response = await fetch('sylvandra-web.wasm.gz');
    if (response.ok) {
      const bytes = new Uint8Array(await response.arrayBuffer());
      if (bytes[0] !== 0x1f || bytes[1] !== 0x8b) return bytes;
      const unpacked = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
      return new Response(unpacked).arrayBuffer();
    }
  }
  const response = await fetch('sylvandra-web.wasm');
  if (!response.ok) throw new Error(`the module could not be loaded (${response.status})`);
  return response.arrayBuffer();
}

function printed(text) {
  const result = JSON.parse(text);
  if (result.error !== undefined) throw new Error(result.error);
  return result.lines;
}

async function start() {
  const fonts = ['Liberation Sans', 'Liberation Serif', 'Liberation Mono', 'DejaVu Sans'];
  const fontsLoaded = Promise.all(fonts.map((f) => document.fonts.load(`12px "${f}"`))).catch(() => {});
  const module = await createSylvandra({
    page,
    instantiateWasm(imports, receive) {
      moduleBytes()
        .then((bytes) => WebAssembly.instantiate(bytes, imports))
        .then(({ instance, module: compiled }) => receive(instance, compiled))
        .catch((error) => {
          const loading = document.getElementById('loading');
          if (loading) loading.textContent = `The exercises could not start: ${error.message}`;
        });
      return {};
    },
  });
  const core = {
    scene: () => JSON.parse(module.UTF8ToString(module._sylvandra_scene())),
    drawing: (target, generation, painted) => {
      const drawing = JSON.parse(module.ccall('sylvandra_drawing', 'string',
        ['string', 'number', 'number'], [target, generation, painted]));
      if (drawing) {
        const at = module._sylvandra_drawing_marks() / Float64Array.BYTES_PER_ELEMENT;
        // A view, not a copy: the page paints it before the module runs again.
        const marks = drawing.count + (drawing.picture ? drawing.picture.count : 0);
        drawing.packed = module.HEAPF64.subarray(at, at + marks * PACKED_MARK_FIELDS);
      }
      return drawing;
    },
    act: async (line) =>
      printed(await module.ccall('sylvandra_act', 'string', ['string'], [line], { async: true })),
    // A line that opens no box and runs no handler (a hover read-out): answered at once.
    actNow: (line) => {
      try {
        return printed(module.ccall('sylvandra_run', 'string', ['string'], [line]));
      } catch {
        return null;
      }
    },
    run: async (line) =>
      printed(await module.ccall('sylvandra_run', 'string', ['string'], [line], { async: true })),
    // A field's text as a key went down (its change event), and a key released in it (key-up).
    edit: (target, text) =>
      module.ccall('sylvandra_edit', null, ['string', 'string'], [target, text], { async: true }),
    keyUp: (target) => module.ccall('sylvandra_key_up', null, ['string'], [target], { async: true }),
    close: (name) => module.ccall('sylvandra_close', null, ['string'], [name], { async: true }),
    stop: () => module._sylvandra_stop(),
    restart: () => module._sylvandra_restart(),
  };
  desktop = new Desktop(core, document.getElementById('screen'));
  await fontsLoaded;
  desktop.render();

  window.sylvandra = {
    // The lines the script driver prints for the line; rejects, naming the problem, for a line
    // the driver does not know.
    run: (line) => desktop.deliver(() => core.run(line)),
    // A fresh program, the main menu shown, as a newly loaded page has.
    restart: () =>
      desktop.deliver(async () => {
        core.restart();
        for (const panel of desktop.panels.values()) panel.element.remove();
        desktop.panels.clear();
      }),
    // The windows as the page shows them.
    scene: () => core.scene(),
    zoom: () => desktop.zoom,
  };
  performance.mark('main menu shown');
  document.documentElement.dataset.ready = 'yes';
}

start().catch((error) => {
  const loading = document.getElementById('loading');
  if (loading) loading.textContent = `The exercises could not start: ${error.message}`;
  throw error;
});
