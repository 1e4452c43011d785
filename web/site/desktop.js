// The program's windows on the page: each window a movable panel with its caption, its controls
// real HTML elements at their designed places, its drawings on <canvas>. Everything a person
// does reaches the program as the script driver's action lines (click, type, focus, key), one at
// a time; what the program then shows is read back from its scene.

import { messageBox } from './dialogs.js';
import { DrawingCanvas } from './drawing.js';
import { markdownToHtml } from './markdown.js';

function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

const TWIPS_PER_PIXEL = 15;
const DESIGNED_SCREEN = { width: 800, height: 600 };

const px = (twips) => twips / TWIPS_PER_PIXEL;
// The output windows: shown beside the window in use when they would cover it.
const OUTPUT_WINDOWS = new Set(['outpt', 'Outpt2', 'outmap']);
// Gap between the window in use and the window placed beside it.
const GAP = 8;
// How long a finger held still on a graph takes to open its menu.
const LONG_PRESS_MS = 600;

// Where a panel of `size` goes on `screen` beside `inUse` (right, left, below, above, in that
// order) so that it covers none of it; null when no side has room. Rects in page pixels.
export function placeBeside(inUse, size, screen) {
  const alongX = (x) => Math.min(Math.max(x, 0), Math.max(0, screen.width - size.width));
  const alongY = (y) => Math.min(Math.max(y, 0), Math.max(0, screen.height - size.height));
  const candidates = [
    { x: inUse.right + GAP, y: alongY(inUse.top) },
    { x: inUse.left - GAP - size.width, y: alongY(inUse.top) },
    { x: alongX(inUse.left), y: inUse.bottom + GAP },
    { x: alongX(inUse.left), y: inUse.top - GAP - size.height },
  ];
  return candidates.find((at) => at.x >= 0 && at.y >= 0 && at.x + size.width <= screen.width
    && at.y + size.height <= screen.height) || null;
}

function cssFont(font) {
  return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${px(font.points * 20)}px "${font.family}"`;
}


// The key names of the program (as the toolkit names them) for a browser key press, or null
// for a key the page leaves to the element (typing, moving the caret).
function keyName(event, inTextField) {
  if (event.altKey && !event.ctrlKey && /^Key[A-Z]$/.test(event.code)) return `Alt+${event.code[3]}`;
  if (event.ctrlKey || event.metaKey || event.altKey) return null;
  switch (event.key) {
    case 'Tab': return event.shiftKey ? 'Backtab' : 'Tab';
    case 'Enter': return 'Return';
    case 'Escape': return 'Escape';
    case 'F1': return 'F1';
    case ' ': return inTextField ? null : 'Space';
    case 'ArrowUp': return inTextField ? null : 'Up';
    case 'ArrowDown': return inTextField ? null : 'Down';
    case 'ArrowLeft': return inTextField ? null : 'Left';
    case 'ArrowRight': return inTextField ? null : 'Right';
    default: return null;
  }
}

const MIN_ZOOM = 0.5;
const MAX_ZOOM = 4;
// The steps of Zoom In and Zoom Out, as on the desktop; a zoom between two steps goes to the
// next one.
const ZOOM_STEPS = [0.5, 0.67, 0.75, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4];
const ZOOM_KEY = 'sylvandra.zoom';

// The share of the browser window the designed 800 x 600 screen fills, as on the desktop, so
// that an output window has room beside the exercise window in use.
const SCREEN_SHARE = 0.75;

// The zoom a browser window of this size starts at, in hundredths: as on the desktop, the
// design fills three quarters of it but is never shown below its designed size; a browser
// window smaller than the design (a tablet, a phone) shows all of it, down to half size.
export function zoomForScreen(width, height) {
  const share = Math.min(width / DESIGNED_SCREEN.width, height / DESIGNED_SCREEN.height);
  const comfortable = Math.round(share * SCREEN_SHARE * 100) / 100;
  if (comfortable >= 1) return Math.min(MAX_ZOOM, comfortable);
  return Math.min(1, Math.max(MIN_ZOOM, Math.floor(share * 100) / 100));
}

// The zoom after one step ('in', 'out', or 'actual': the designed size).
export function steppedZoom(zoom, step) {
  const same = 1e-3;
  if (step === 'in') return ZOOM_STEPS.find((next) => next > zoom + same) ?? MAX_ZOOM;
  if (step === 'out') return [...ZOOM_STEPS].reverse().find((next) => next < zoom - same) ?? MIN_ZOOM;
  return 1;
}

// The zoom the person chose on an earlier visit, or null (none kept, or no storage here).
function keptZoom() {
  try {
    const zoom = Number(window.localStorage.getItem(ZOOM_KEY));
    return zoom >= MIN_ZOOM && zoom <= MAX_ZOOM ? zoom : null;
  } catch {
    return null;
  }
}

function keepZoom(zoom) {
  try {
    window.localStorage.setItem(ZOOM_KEY, String(zoom));
  } catch {
    // A page opened where nothing may be stored zooms for this visit only.
  }
}

// The zoom step for a key press (Ctrl with +, =, - or 0, as on the desktop), or null.
function zoomStepOf(event) {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return null;
  switch (event.key) {
    case '+': case '=': return 'in';
    case '-': return 'out';
    case '0': return 'actual';
    default: return null;
  }
}

export class Desktop {
  constructor(core, screen) {
    this.core = core;
    this.screen = screen;
    this.panels = new Map();
    this.queue = Promise.resolve();
    this.busy = false;
    // The person's own zoom, once chosen, stays; until then the page fits the browser window.
    this.chosenZoom = keptZoom();
    this.zoom = this.chosenZoom ?? zoomForScreen(window.innerWidth, window.innerHeight);
    this.front = 0;
    this.suppressFocus = false;
    this.activeKey = '';
    this.focusedIn = new Map();
    // A key pressed where no window has the focus goes to the window in use.
    document.addEventListener('keydown', (event) => {
      const step = zoomStepOf(event);
      if (step) {
        event.preventDefault();
        this.stepZoom(step);
        return;
      }
      if (event.target !== document.body || !this.scene) return;
      this.panels.get(this.scene.active)?.keyDown(event);
    }, true);
    window.addEventListener('resize', () => {
      if (this.chosenZoom !== null) return;
      this.zoom = zoomForScreen(window.innerWidth, window.innerHeight);
      this.render();
    });
    this.addZoomControls();
  }

  // Zoom Out, the zoom shown (a press goes to the actual size) and Zoom In, for a screen
  // without a keyboard.
  addZoomControls() {
    const bar = document.createElement('div');
    bar.className = 'zoom-controls';
    bar.setAttribute('role', 'toolbar');
    bar.setAttribute('aria-label', 'Zoom');
    const button = (text, label, step) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = text;
      b.setAttribute('aria-label', label);
      b.title = label;
      b.addEventListener('click', () => this.stepZoom(step));
      bar.append(b);
      return b;
    };
    button('−', 'Zoom Out', 'out');
    this.zoomShown = button('', 'Actual Size', 'actual');
    button('+', 'Zoom In', 'in');
    document.body.append(bar);
    this.showZoom();
  }

  showZoom() {
    if (this.zoomShown) this.zoomShown.textContent = `${Math.round(this.zoom * 100)}%`;
  }

  stepZoom(step) {
    this.chosenZoom = steppedZoom(this.zoom, step);
    this.zoom = this.chosenZoom;
    keepZoom(this.zoom);
    this.showZoom();
    if (this.scene) this.render();
  }

  // Runs the program's side of an action after the actions before it; the page shows the
  // outcome. Returns the lines the action printed.
  deliver(perform) {
    const next = this.queue.then(async () => {
      this.busy = true;
      try {
        return await perform();
      } finally {
        this.busy = false;
        this.render();
      }
    });
    this.queue = next.catch(() => {});
    return next;
  }

  act(line) {
    return this.deliver(() => this.core.act(line));
  }

  // Escape or the running window's Return during a long run: the run stops at the end of the
  // current year; the action itself is then delivered as usual.
  stopIfLeavingRunningWindow(windowName, isCancel) {
    if (!this.busy) return;
    const scene = this.scene;
    if (scene && scene.handling === windowName && isCancel) this.core.stop();
  }

  render() {
    const scene = this.core.scene();
    this.scene = scene;
    if (scene.ended) {
      this.screen.replaceChildren();
      const note = document.createElement('p');
      note.className = 'ended';
      note.textContent = 'The program has ended. Reload the page to start again.';
      this.screen.append(note);
      return;
    }
    document.getElementById('loading')?.remove();
    const shown = [];
    for (const win of scene.windows) {
      let panel = this.panels.get(win.name);
      if (!panel) {
        panel = new WindowPanel(this, win);
        this.panels.set(win.name, panel);
      }
      const wasShown = !panel.element.hidden && panel.win !== undefined;
      panel.update(win, scene.active === win.name);
      if (!wasShown && win.visible) shown.push(panel);
    }
    this.placeShown(scene, shown);
    this.syncFocus(scene);
  }

  // The keyboard focus follows the program's when the program moves it: to the window shown
  // last when one is shown, and within a window to the control the program gives the focus.
  // A window the person has clicked keeps the keyboard until then.
  syncFocus(scene) {
    if (document.getElementById('box').open) return;
    const active = scene.windows.find((w) => w.name === scene.active);
    const activeKey = active ? `${active.name}/${active.shownAt}/${active.raise}` : '';
    const holder = document.activeElement && document.activeElement.closest('section.window');
    let win = active;
    if (activeKey === this.activeKey && holder && !holder.hidden) {
      win = scene.windows.find((w) => w.name === holder.dataset.window) || active;
    }
    const focusChanged = activeKey !== this.activeKey || (win && this.focusedIn.get(win.name) !== win.focused);
    this.activeKey = activeKey;
    for (const w of scene.windows) this.focusedIn.set(w.name, w.focused);
    if (!win || !focusChanged) return;
    const panel = this.panels.get(win.name);
    const element = win.focused ? panel.focusElement(win.focused) : null;
    const target = element || panel.element;
    if (document.activeElement === target) return;
    this.suppressFocus = true;
    target.focus({ preventScroll: true });
    if (element && element.select && element.dataset.selectOnFocus === 'yes') element.select();
    this.suppressFocus = false;
  }

  // An output window just shown over the exercise window in use goes beside it where the
  // page has room; where it has none it keeps its designed place.
  placeShown(scene, shown) {
    const inUse = scene.windows
      .filter((w) => w.visible && !OUTPUT_WINDOWS.has(w.name))
      .reduce((last, w) => (!last || w.shownAt > last.shownAt ? w : last), null);
    if (!inUse) return;
    const used = this.panels.get(inUse.name).element.getBoundingClientRect();
    const screen = this.screen.getBoundingClientRect();
    for (const panel of shown) {
      if (!OUTPUT_WINDOWS.has(panel.name) || panel.moved) continue;
      const rect = panel.element.getBoundingClientRect();
      const covers = rect.left < used.right && used.left < rect.right && rect.top < used.bottom
        && used.top < rect.bottom;
      if (!covers) continue;
      const at = placeBeside(used, rect, screen);
      if (at) panel.moveTo(at.x, at.y);
    }
  }

  raise(panel) {
    panel.element.style.zIndex = String(++this.front);
  }
}

class WindowPanel {
  constructor(desktop, win) {
    this.desktop = desktop;
    this.name = win.name;
    this.controls = new Map();
    this.canvases = new Map();
    this.seen = { raise: -1, shownAt: -1 };
    this.moved = null;

    const element = document.createElement('section');
    element.className = 'window';
    element.tabIndex = -1;
    element.setAttribute('role', 'dialog');
    element.dataset.window = win.name;
    const titlebar = document.createElement('div');
    titlebar.className = 'titlebar';
    this.title = document.createElement('span');
    const close = document.createElement('button');
    close.type = 'button';
    close.textContent = '×';
    close.setAttribute('aria-label', 'Close');
    close.tabIndex = -1;
    close.addEventListener('click', () => this.closeClicked());
    titlebar.append(this.title, close);
    this.menubar = document.createElement('div');
    this.menubar.className = 'menubar';
    this.menubar.setAttribute('role', 'menubar');
    this.menubar.hidden = true;
    this.client = document.createElement('div');
    this.client.className = 'client';
    const surface = document.createElement('canvas');
    surface.className = 'surface';
    surface.setAttribute('aria-hidden', 'true');
    this.surface = new DrawingCanvas(surface, win.name, desktop.core.drawing);
    this.client.append(surface);
    element.append(titlebar, this.menubar, this.client);
    this.element = element;
    this.makeMovable(titlebar);
    element.addEventListener('keydown', (event) => this.keyDown(event));
    element.addEventListener('focusin', (event) => this.focusIn(event));
    element.addEventListener('pointerdown', () => desktop.raise(this));
    // A finger on a graph reads it as the pointer does, and held still opens its menu.
    surface.addEventListener('pointermove', (event) => this.hover(event));
    surface.addEventListener('pointerdown', (event) => {
      if (event.pointerType !== 'mouse') this.hover(event);
    });
    if (OUTPUT_WINDOWS.has(win.name)) {
      this.client.addEventListener('contextmenu', (event) => this.contextMenu(event));
      this.openMenuOnLongPress();
    }
    surface.addEventListener('mouseleave', () => { document.getElementById('readout').hidden = true; });
    desktop.screen.append(element);
  }

  makeMovable(titlebar) {
    titlebar.addEventListener('pointerdown', (event) => {
      if (event.target !== titlebar && event.target !== this.title) return;
      const start = { x: event.clientX, y: event.clientY };
      const from = { x: this.element.offsetLeft, y: this.element.offsetTop };
      titlebar.setPointerCapture(event.pointerId);
      const move = (e) => this.moveTo(from.x + e.clientX - start.x, from.y + e.clientY - start.y);
      const up = () => {
        titlebar.removeEventListener('pointermove', move);
        titlebar.removeEventListener('pointerup', up);
      };
      titlebar.addEventListener('pointermove', move);
      titlebar.addEventListener('pointerup', up);
    });
  }

  moveTo(x, y) {
    this.moved = { x, y };
    this.element.style.left = `${x}px`;
    this.element.style.top = `${y}px`;
  }

  update(win, active) {
    const desktop = this.desktop;
    const zoom = desktop.zoom;
    this.win = win;
    this.element.hidden = !win.visible;
    this.element.classList.toggle('front', active);
    this.title.textContent = win.caption;
    this.element.setAttribute('aria-label', win.caption || win.name);
    if (!this.moved) {
      this.element.style.left = `${px(win.left) * zoom}px`;
      this.element.style.top = `${px(win.top) * zoom}px`;
    }
    this.element.style.transform = `scale(${zoom})`;
    this.client.style.width = `${px(win.width)}px`;
    this.client.style.height = `${px(win.height)}px`;
    this.client.style.background = win.back;
    this.client.style.font = cssFont(win.font);
    if (win.visible && (win.raise !== this.seen.raise || win.shownAt !== this.seen.shownAt)) {
      desktop.raise(this);
    }
    this.seen = { raise: win.raise, shownAt: win.shownAt };
    const devicePixels = zoom * (window.devicePixelRatio || 1);
    if (win.visible) {
      this.surface.resize(win.width, win.height, devicePixels);
      this.surface.update(win.covered, win.drawing);
    }
    const menus = win.controls.filter((c) => c.kind === 'MenuItem');
    this.updateMenus(menus);
    for (const control of win.controls) {
      if (control.kind === 'MenuItem') continue;
      let view = this.controls.get(control.name);
      if (!view) {
        view = this.createControl(control);
        this.controls.set(control.name, view);
      }
      this.updateControl(view, control, devicePixels, win.visible);
    }
  }

  target(controlName) {
    return `${this.name}.${controlName}`;
  }

  createControl(control) {
    const act = (line) => this.desktop.act(line);
    let element;
    let focusable;
    switch (control.kind) {
      case 'CommandButton':
        element = document.createElement('button');
        element.type = 'button';
        element.addEventListener('click', (event) => {
          event.preventDefault();
          const cancel = this.win && this.win.cancelButton === control.name;
          this.desktop.stopIfLeavingRunningWindow(this.name, cancel);
          act(`click ${this.target(control.name)}`);
        });
        focusable = element;
        break;
      case 'TextBox':
        if (control.markdown) {
          // A model page: read-only, rendered, its text selectable and copied as shown.
          element = document.createElement('div');
          element.className = 'page';
          element.setAttribute('role', 'document');
          element.tabIndex = 0;
          focusable = element;
          break;
        }
        element = document.createElement(control.multiLine ? 'textarea' : 'input');
        if (!control.multiLine) element.type = 'text';
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.dataset.selectOnFocus = 'yes';
        // As on the desktop: the text changes as a key goes down (or text is pasted), and every
        // key released in the field fires its key-up, also one that left the text as it was.
        // The person's text stays as typed while the program has not yet taken all of it.
        element.addEventListener('input', () => {
          const view = this.controls.get(control.name);
          view.pendingTypes += 1;
          const text = element.value;
          this.desktop.deliver(async () => {
            try {
              return await this.desktop.core.edit(this.target(control.name), text);
            } finally {
              view.pendingTypes -= 1;
            }
          });
        });
        element.addEventListener('keyup', (event) => {
          if (event.repeat || event.isComposing) return;
          this.desktop.deliver(() => this.desktop.core.keyUp(this.target(control.name)));
        });
        focusable = element;
        break;
      case 'CheckBox':
      case 'OptionButton': {
        element = document.createElement('label');
        const box = document.createElement('input');
        box.type = control.kind === 'CheckBox' ? 'checkbox' : 'radio';
        box.name = `${this.name}.${control.container || 'window'}`;
        const caption = document.createElement('span');
        element.append(box, caption);
        element.addEventListener('click', (event) => {
          event.preventDefault();
          act(`click ${this.target(control.name)}`);
        });
        focusable = box;
        break;
      }
      case 'PictureBox': {
        element = document.createElement('canvas');
        element.setAttribute('role', 'img');
        const target = this.target(control.name);
        const drawing = new DrawingCanvas(element, target, this.desktop.core.drawing);
        this.canvases.set(control.name, drawing);
        element.addEventListener('click', () => act(`click ${target}`));
        focusable = null;
        break;
      }
      case 'Frame': {
        element = document.createElement('fieldset');
        element.append(document.createElement('legend'));
        focusable = null;
        break;
      }
      default:
        // A caption: a clickable one (a chapter of the menu) takes the focus and is a button
        // to a screen reader.
        element = document.createElement('div');
        element.className = 'label';
        element.tabIndex = -1;
        element.addEventListener('click', () => act(`click ${this.target(control.name)}`));
        focusable = element;
        break;
    }
    element.classList.add('control');
    element.dataset.control = control.name;
    if (focusable) focusable.dataset.control = control.name;
    // Frames lie under the controls in them.
    if (control.kind === 'Frame') {
      this.client.insertBefore(element, this.client.children[1] || null);
    } else {
      this.client.append(element);
    }
    return { element, focusable, last: '', pendingTypes: 0 };
  }

  updateControl(view, control, devicePixels, windowShown) {
    const drawing = this.canvases.get(control.name);
    if (drawing && windowShown && control.visible) {
      drawing.resize(control.width, control.height, devicePixels);
      drawing.update(false, control.drawing);
    }
    const json = JSON.stringify(control);
    if (view.last === json) return;
    view.last = json;
    const { element } = view;
    element.hidden = !control.visible;
    element.style.left = `${px(control.left)}px`;
    element.style.top = `${px(control.top)}px`;
    element.style.width = `${px(control.width)}px`;
    element.style.height = `${px(control.height)}px`;
    element.style.font = cssFont(control.font);
    element.style.color = control.fore;
    element.style.textAlign = control.kind === 'CommandButton' ? 'center' : control.align;
    element.style.textDecoration = control.font.underline ? 'underline' : '';
    const disabled = !control.enabled;
    switch (control.kind) {
      case 'CommandButton':
        element.textContent = control.caption.replace(/&(.)/g, '$1');
        element.disabled = disabled;
        element.style.background = control.back;
        break;
      case 'TextBox':
        if (control.markdown) {
          if (view.shownText !== control.text) {
            element.innerHTML = markdownToHtml(control.text);
            view.shownText = control.text;
          }
          element.setAttribute('aria-label', control.label);
          break;
        }
        if (view.pendingTypes > 0) {
          view.last = '';
        } else if (element.value !== control.text) {
          element.value = control.text;
        }
        element.readOnly = control.locked;
        element.disabled = disabled;
        element.style.background = control.back;
        element.setAttribute('aria-label', control.label);
        break;
      case 'CheckBox':
      case 'OptionButton': {
        const [box, caption] = element.children;
        box.checked = control.value !== 0;
        box.disabled = disabled;
        caption.textContent = control.caption.replace(/&(.)/g, '$1');
        element.classList.toggle('disabled', disabled);
        element.style.background = control.back;
        break;
      }
      case 'PictureBox':
        element.classList.toggle('sunken', control.border);
        element.setAttribute('aria-label', control.label);
        break;
      case 'Frame':
        element.firstElementChild.textContent = control.caption;
        element.style.background = control.back;
        break;
      default:
        element.textContent = control.caption;
        element.classList.toggle('sunken', control.border);
        element.style.background = control.back;
        if (this.win.tabOrder.includes(control.name)) {
          element.setAttribute('role', 'button');
        } else {
          element.removeAttribute('role');
        }
        break;
    }
  }

  updateMenus(items) {
    // A window whose menus are all hidden shows no menu bar.
    this.menubar.hidden = !items.some((m) => m.container === '' && m.visible);
    if (this.menubar.hidden) return;
    const key = JSON.stringify(items);
    if (this.menuKey === key) return;
    this.menuKey = key;
    this.menubar.replaceChildren();
    const caption = (text) => text.replace(/&(.)/g, '$1');
    for (const menu of items.filter((m) => m.container === '')) {
      const entries = items.filter((m) => m.container === menu.name).map((entry) => ({
        caption: caption(entry.caption),
        hidden: !entry.visible,
        disabled: !entry.enabled,
        action: () => this.desktop.act(`click ${this.target(entry.name)}`),
      }));
      this.addMenu(caption(menu.caption), entries, {
        hidden: !menu.visible,
        disabled: !menu.enabled,
        action: () => this.desktop.act(`click ${this.target(menu.name)}`),
      });
    }
    // The desktop's View menu, beside the program's own.
    const zoom = (step) => () => this.desktop.stepZoom(step);
    this.addMenu('View', [
      { caption: 'Zoom In', shortcut: 'Ctrl++', action: zoom('in') },
      { caption: 'Zoom Out', shortcut: 'Ctrl+-', action: zoom('out') },
      { caption: 'Actual Size', shortcut: 'Ctrl+0', action: zoom('actual') },
    ], {});
  }

  // A menu of the menu bar: entries { caption, shortcut, hidden, disabled, action }; a menu
  // without entries acts itself when pressed (menu.action).
  addMenu(caption, entries, menu) {
    const holder = document.createElement('div');
    holder.hidden = Boolean(menu.hidden);
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'menu';
    button.textContent = caption;
    button.disabled = Boolean(menu.disabled);
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    const list = document.createElement('div');
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-label', caption);
    list.hidden = true;
    const close = () => {
      list.hidden = true;
      button.setAttribute('aria-expanded', 'false');
    };
    for (const entry of entries) {
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.textContent = entry.caption;
      if (entry.shortcut) {
        item.setAttribute('aria-keyshortcuts', entry.shortcut.replace('Ctrl', 'Control'));
        const keys = document.createElement('span');
        keys.className = 'shortcut';
        keys.textContent = entry.shortcut;
        item.append(keys);
      }
      item.hidden = Boolean(entry.hidden);
      item.disabled = Boolean(entry.disabled);
      item.addEventListener('click', () => {
        close();
        entry.action();
      });
      list.append(item);
    }
    button.addEventListener('click', () => {
      if (entries.length === 0) {
        menu.action?.();
        return;
      }
      list.hidden = !list.hidden;
      button.setAttribute('aria-expanded', String(!list.hidden));
      if (!list.hidden) list.querySelector('[role="menuitem"]:not([hidden])')?.focus();
    });
    list.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.stopPropagation();
        close();
        button.focus();
      }
    });
    holder.append(button, list);
    this.menubar.append(holder);
  }


  focusElement(controlName) {
    const view = this.controls.get(controlName);
    return view ? view.focusable : null;
  }

  controlOf(element) {
    const holder = element.closest('[data-control]');
    return holder && this.controls.has(holder.dataset.control) ? holder.dataset.control : null;
  }

  focusIn(event) {
    const desktop = this.desktop;
    if (desktop.suppressFocus || desktop.busy) return;
    const name = this.controlOf(event.target);
    if (!name || (this.win && this.win.focused === name)) return;
    desktop.act(`focus ${this.target(name)}`);
  }

  keyDown(event) {
    if (event.target.closest('.menubar')) return;
    const inTextField = event.target.matches('input[type="text"], textarea');
    const key = keyName(event, inTextField);
    if (!key) return;
    event.preventDefault();
    event.stopPropagation();
    const desktop = this.desktop;
    desktop.stopIfLeavingRunningWindow(this.name, key === 'Escape');
    desktop.act(`key ${this.name} ${key}`);
  }

  closeClicked() {
    this.desktop.stopIfLeavingRunningWindow(this.name, true);
    this.desktop.deliver(() => this.desktop.core.close(this.name));
  }

  // A touch held still for LONG_PRESS_MS opens the output window's menu where the finger is
  // (browsers without a context menu event for touch).
  openMenuOnLongPress() {
    let timer = null;
    const cancel = () => {
      clearTimeout(timer);
      timer = null;
    };
    this.client.addEventListener('pointerdown', (event) => {
      if (event.pointerType !== 'touch') return;
      cancel();
      const at = { clientX: event.clientX, clientY: event.clientY };
      timer = setTimeout(() => {
        timer = null;
        if (!document.querySelector('.context-menu')) this.contextMenu({ ...at, preventDefault() {} });
      }, LONG_PRESS_MS);
    });
    for (const type of ['pointerup', 'pointercancel', 'pointerleave']) this.client.addEventListener(type, cancel);
  }

  // The output window's menu: its picture and data as downloads, and the kept run.
  contextMenu(event) {
    event.preventDefault();
    document.querySelector('.context-menu')?.remove();
    const menu = document.createElement('div');
    menu.className = 'context-menu';
    menu.setAttribute('role', 'menu');
    const entries = [
      ['Save Picture as PNG...', () => this.surface.canvas.toBlob((blob) => download(blob, `${this.name}.png`))],
      ['Save Picture as SVG...', () => this.exportAs('svg', 'image/svg+xml')],
      ['Save Data as CSV...', () => this.exportAs('csv', 'text/csv')],
      ['Save Printed Table as Text...', () => this.exportAs('text', 'text/plain')],
    ];
    if (this.name === 'outpt') {
      entries.push(['Keep This Run to Compare', () => this.desktop.act(`keep ${this.name}`)]);
      entries.push(['Clear the Kept Run', () => this.desktop.act(`unkeep ${this.name}`)]);
    }
    for (const [caption, action] of entries) {
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.textContent = caption;
      item.addEventListener('click', () => {
        menu.remove();
        action();
      });
      menu.append(item);
    }
    menu.style.left = `${event.clientX}px`;
    menu.style.top = `${event.clientY}px`;
    document.body.append(menu);
    const away = (e) => {
      if (!menu.contains(e.target)) menu.remove();
      if (!menu.isConnected) document.removeEventListener('pointerdown', away, true);
    };
    document.addEventListener('pointerdown', away, true);
    menu.querySelector('button').focus();
  }

  // The export the driver writes with `export WINDOW FORMAT -`, as a download; a window that
  // holds nothing of the kind says so in a box.
  async exportAs(format, type) {
    const lines = await this.desktop.act(`export ${this.name} ${format} -`);
    const refusal = lines.find((line) => line.startsWith('error {'));
    if (refusal) {
      await messageBox(this.win.caption, JSON.parse(refusal.slice(6)).message, 0);
      return;
    }
    const extension = format === 'text' ? 'txt' : format;
    download(new Blob([lines.map((line) => `${line}\n`).join('')], { type }), `${this.name}.${extension}`);
  }

  // The value under the pointer on a graph, as the desktop's tooltip shows it.
  hover(event) {
    const desktop = this.desktop;
    if (desktop.busy || !this.win || !/^outpt/.test(this.name)) return;
    const rect = event.target.getBoundingClientRect();
    const x = Math.round(((event.clientX - rect.left) / rect.width) * this.win.width);
    const y = Math.round(((event.clientY - rect.top) / rect.height) * this.win.height);
    const lines = desktop.core.actNow(`hover ${this.name} ${x} ${y}`);
    const readout = document.getElementById('readout');
    const found = lines && lines[0] && lines[0].startsWith('readout {') ? JSON.parse(lines[0].slice(8)) : null;
    readout.hidden = !found;
    if (!found) return;
    readout.textContent = `${found.series}: ${found.shown} (${found.x})`;
    readout.style.left = `${event.clientX + 12}px`;
    readout.style.top = `${event.clientY + 12}px`;
  }
}
