// Paints a drawing of the program (a window's surface or a picture box) on a <canvas>: the
// background, the fixed picture and the display list's marks, in twips scaled to device
// pixels, so the canvas stays crisp on high-density screens and at any zoom. The canvas keeps
// what it painted, as a screen does: only the marks received since the last paint are asked
// for (transient marks dropped since stay painted), and a drawing cleared is painted again from
// the background up.

const TWIPS_PER_PIXEL = 15;
// The numbers of one packed mark, in the program's order (kind, x1, y1, x2, y2, r, color,
// width, style, flags, fill, fill style, text).
export const PACKED_MARK_FIELDS = 13;
const [KIND, X1, Y1, X2, Y2, R, COLOR, WIDTH, STYLE, FLAGS, FILL, FILL_STYLE, TEXT] =
  Array.from({ length: PACKED_MARK_FIELDS }, (_, i) => i);
const OPS = ['line', 'box', 'circle', 'text'];
// From this many plain filled boxes in a row, they are written into the pixels directly.
const BOX_RUN = 256;
const FILLED = 1;
const HAS_FILL = 2;
const cssColors = new Map();

function cssColor(rgb) {
  let css = cssColors.get(rgb);
  if (!css) {
    css = `#${rgb.toString(16).padStart(6, '0')}`;
    cssColors.set(rgb, css);
  }
  return css;
}

// The colour 0xRRGGBB as the four bytes of an opaque pixel, read as one number on a
// little-endian machine (RGBA in memory).
function opaqueRgba(rgb) {
  return (0xff000000 | ((rgb & 0xff) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 0xff)) >>> 0;
}

// Mark `index` of the packed numbers, as the painter reads a mark.
function unpack(packed, index, texts) {
  const at = index * PACKED_MARK_FIELDS;
  const flags = packed[at + FLAGS];
  const text = packed[at + TEXT];
  return {
    op: OPS[packed[at + KIND]],
    x1: packed[at + X1],
    y1: packed[at + Y1],
    x2: packed[at + X2],
    y2: packed[at + Y2],
    r: packed[at + R],
    color: cssColor(packed[at + COLOR]),
    width: packed[at + WIDTH],
    style: packed[at + STYLE],
    filled: (flags & FILLED) !== 0,
    fill: (flags & HAS_FILL) !== 0 ? cssColor(packed[at + FILL]) : null,
    fillStyle: packed[at + FILL_STYLE],
    text: text >= 0 ? texts[text].text : '',
    font: text >= 0 ? texts[text].font : null,
  };
}
const DASHES = { 1: [6, 3], 2: [1, 2], 3: [6, 3, 1, 3], 4: [6, 3, 1, 3, 1, 3] };

function cssFont(font, pixels) {
  return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${pixels}px "${font.family}"`;
}

export class DrawingCanvas {
  // target: "WINDOW" or "WINDOW.PICTURE(INDEX)"; fetch(target, generation, painted) returns
  // the drawing: its JSON, with its marks packed as numbers in `packed`.
  constructor(canvas, target, fetch) {
    this.canvas = canvas;
    this.target = target;
    this.fetch = fetch;
    this.generation = -1;
    this.painted = 0;
    this.scale = 0;
    this.covered = false;
    this.hatches = new Map();
    this.pixels = null;
  }

  // The canvas shows width x height twips; each twip is `pixels` device pixels / 15.
  resize(width, height, devicePixels) {
    const scale = devicePixels / TWIPS_PER_PIXEL;
    const w = Math.max(1, Math.ceil((width / TWIPS_PER_PIXEL) * devicePixels));
    const h = Math.max(1, Math.ceil((height / TWIPS_PER_PIXEL) * devicePixels));
    this.canvas.style.width = `${width / TWIPS_PER_PIXEL}px`;
    this.canvas.style.height = `${height / TWIPS_PER_PIXEL}px`;
    if (this.canvas.width !== w || this.canvas.height !== h || this.scale !== scale) {
      this.canvas.width = w;
      this.canvas.height = h;
      this.scale = scale;
      this.pixels = null;
      this.generation = -1;
    }
  }

  // Brings the canvas up to date with the program's drawing; covered: a page lies over it.
  // state: the drawing's generation and marks received as the scene gives them; a canvas that
  // has painted those already is left alone.
  update(covered = false, state = null) {
    if (covered !== this.covered) {
      this.covered = covered;
      this.generation = -1;
    }
    if (state && state.generation === this.generation && state.received === this.painted) return;
    const drawing = this.fetch(this.target, this.generation, this.painted);
    if (!drawing) return;
    // Drawn in software on every machine, so its pixels are the same everywhere and marks can be
    // written straight into them (paintPixels).
    const ctx = this.canvas.getContext('2d', { willReadFrequently: true });
    if (drawing.restart) {
      this.pixels = null;
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.fillStyle = drawing.back;
      ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
    }
    // The packed numbers hold the picture's marks (when it is sent), then the drawing's.
    const pictureMarks = drawing.picture ? drawing.picture.count : 0;
    if (drawing.picture && !covered) this.paintPicture(ctx, drawing.picture, drawing.packed, drawing.texts);
    if (!covered) {
      this.paintPacked(ctx, drawing.packed.subarray(pictureMarks * PACKED_MARK_FIELDS), drawing.count,
        drawing.texts);
    }
    this.generation = drawing.generation;
    this.painted = drawing.received;
  }

  // The packed marks in order. Wide lines are rasterised here as the desktop does, without
  // smoothing, so a graph's curves and frame fall on the desktop's pixels; a run of plain filled
  // boxes (a map, a frame of flames) is written into the pixels too, at a small part of the
  // cost of tens of thousands of canvas calls, with the pixels fillRect would give.
  paintPacked(ctx, packed, count, texts) {
    const byPixels = (i) => {
      const at = i * PACKED_MARK_FIELDS;
      const op = OPS[packed[at + KIND]];
      return (op === 'line' && packed[at + WIDTH] > 1)
        || (op === 'box' && (packed[at + FLAGS] & FILLED) !== 0 && packed[at + WIDTH] <= 1);
    };
    for (let i = 0; i < count;) {
      let end = i;
      let wideLines = false;
      while (end < count && byPixels(end)) {
        wideLines ||= OPS[packed[end * PACKED_MARK_FIELDS + KIND]] === 'line';
        ++end;
      }
      if (wideLines || end - i >= BOX_RUN) {
        this.paintPixels(ctx, packed, i, end);
        i = end;
      } else {
        this.paint(ctx, unpack(packed, i, texts));
        this.pixels = null;
        ++i;
      }
    }
  }

  // Filled box corners in device pixels, both corners belonging to the box, as
  // { left, top, right, bottom } (right and bottom outside); corners snap to whole pixels so
  // that adjacent boxes (map cells) meet without gaps.
  boxPixels(x1, y1, x2, y2) {
    const unit = Math.round(this.scale * TWIPS_PER_PIXEL);
    return {
      left: Math.round(this.px(Math.min(x1, x2))),
      top: Math.round(this.px(Math.min(y1, y2))),
      right: Math.round(this.px(Math.max(x1, x2))) + unit,
      bottom: Math.round(this.px(Math.max(y1, y2))) + unit,
    };
  }

  // The pixels of the canvas, kept between paints while only this painter writes them (a
  // canvas call in between makes them stale: this.pixels = null).
  canvasPixels(ctx) {
    const { width, height } = this.canvas;
    if (!this.pixels || this.pixels.width !== width || this.pixels.height !== height) {
      const image = ctx.getImageData(0, 0, width, height);
      this.pixels = { image, data: new Uint32Array(image.data.buffer), width, height };
    }
    return this.pixels;
  }

  paintPixels(ctx, packed, from, to) {
    const pixels = this.canvasPixels(ctx);
    const { width, height, data } = pixels;
    const dirty = { left: width, top: height, right: 0, bottom: 0 };
    for (let i = from; i < to; ++i) {
      const at = i * PACKED_MARK_FIELDS;
      const rgba = opaqueRgba(packed[at + COLOR]);
      let b;
      if (OPS[packed[at + KIND]] === 'box') {
        b = this.boxPixels(packed[at + X1], packed[at + Y1], packed[at + X2], packed[at + Y2]);
        b.left = Math.max(0, b.left);
        b.right = Math.min(width, b.right);
        for (let y = Math.max(0, b.top); y < Math.min(height, b.bottom) && b.left < b.right; ++y) {
          data.fill(rgba, y * width + b.left, y * width + b.right);
        }
      } else {
        b = this.rasteriseLine(pixels, packed, at, rgba);
      }
      dirty.left = Math.min(dirty.left, Math.max(0, b.left));
      dirty.top = Math.min(dirty.top, Math.max(0, b.top));
      dirty.right = Math.max(dirty.right, Math.min(width, b.right));
      dirty.bottom = Math.max(dirty.bottom, Math.min(height, b.bottom));
    }
    if (dirty.left < dirty.right && dirty.top < dirty.bottom) {
      ctx.putImageData(pixels.image, 0, 0, dirty.left, dirty.top, dirty.right - dirty.left,
        dirty.bottom - dirty.top);
    }
  }

  // A wide line with round ends: every pixel whose centre lies within half the pen's width of
  // the segment. A centre exactly half a pen away counts when it lies right of or below the
  // segment, as the desktop's rasteriser takes the odd pixel to the right and below. Returns
  // the pixels it may have covered.
  rasteriseLine(pixels, packed, at, rgba) {
    const x1 = this.px(packed[at + X1]);
    const y1 = this.px(packed[at + Y1]);
    const x2 = this.px(packed[at + X2]);
    const y2 = this.px(packed[at + Y2]);
    const dx = x2 - x1;
    const dy = y2 - y1;
    const length2 = dx * dx + dy * dy;
    const half = (packed[at + WIDTH] * this.scale * TWIPS_PER_PIXEL) / 2;
    const reach = half * half;
    const tie = 1e-9;
    const b = {
      left: Math.floor(Math.min(x1, x2) - half),
      top: Math.floor(Math.min(y1, y2) - half),
      right: Math.ceil(Math.max(x1, x2) + half) + 1,
      bottom: Math.ceil(Math.max(y1, y2) + half) + 1,
    };
    const { width, height, data } = pixels;
    for (let y = Math.max(0, b.top); y < Math.min(height, b.bottom); ++y) {
      const cy = y + 0.5;
      for (let x = Math.max(0, b.left); x < Math.min(width, b.right); ++x) {
        const cx = x + 0.5;
        const along = length2 > 0 ? Math.min(1, Math.max(0, ((cx - x1) * dx + (cy - y1) * dy) / length2)) : 0;
        const ex = cx - (x1 + along * dx);
        const ey = cy - (y1 + along * dy);
        const d2 = ex * ex + ey * ey;
        if (d2 < reach - tie || (d2 <= reach + tie && (ex > tie || (Math.abs(ex) <= tie && ey > 0)))) {
          data[y * width + x] = rgba;
        }
      }
    }
    return b;
  }

  paintPicture(ctx, picture, packed, texts) {
    if (picture.background) {
      ctx.fillStyle = picture.background;
      ctx.fillRect(0, 0, this.px(picture.width), this.px(picture.height));
      this.pixels = null;
    }
    this.paintPacked(ctx, packed, picture.count, texts);
  }


  px(twips) {
    return twips * this.scale;
  }

  // A one-pixel line lies on the middle of a device pixel row or column, as the desktop draws it.
  line(value, width) {
    const at = Math.round(this.px(value));
    return width % 2 === 1 ? at + 0.5 : at;
  }

  pen(ctx, mark) {
    const width = Math.max(1, Math.round(Math.max(1, mark.width) * this.scale* TWIPS_PER_PIXEL));
    ctx.strokeStyle = mark.color;
    ctx.lineWidth = width;
    ctx.setLineDash(mark.width > 1 ? [] : (DASHES[mark.style] || []).map((d) => d * width));
    ctx.lineCap = mark.width > 1 ? 'round' : 'butt';
    ctx.lineJoin = 'round';
    return width;
  }

  paint(ctx, mark) {
    switch (mark.op) {
      case 'line': {
        const width = this.pen(ctx, mark);
        ctx.beginPath();
        ctx.moveTo(this.line(mark.x1, width), this.line(mark.y1, width));
        ctx.lineTo(this.line(mark.x2, width), this.line(mark.y2, width));
        ctx.stroke();
        break;
      }
      case 'box': {
        const box = this.boxPixels(mark.x1, mark.y1, mark.x2, mark.y2);
        if (mark.filled) {
          ctx.fillStyle = mark.color;
          ctx.fillRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
          if (mark.width <= 1) break;
        }
        const width = this.pen(ctx, mark);
        const half = width % 2 === 1 ? 0.5 : 0;
        const unit = Math.round(this.scale * TWIPS_PER_PIXEL);
        ctx.strokeRect(box.left + half, box.top + half, box.right - box.left - unit,
          box.bottom - box.top - unit);
        break;
      }
      case 'circle': {
        this.pen(ctx, mark);
        ctx.beginPath();
        ctx.arc(this.px(mark.x1), this.px(mark.y1), this.px(mark.r), 0, 2 * Math.PI);
        if (mark.fill) {
          ctx.fillStyle = mark.fillStyle === 0 ? mark.fill : this.hatch(ctx, mark.fill, mark.fillStyle);
          ctx.fill();
        }
        ctx.stroke();
        break;
      }
      case 'text': {
        const em = (mark.font.points * 20 / TWIPS_PER_PIXEL) * this.scale * TWIPS_PER_PIXEL;
        ctx.font = cssFont(mark.font, em);
        ctx.fillStyle = mark.color;
        ctx.textBaseline = 'alphabetic';
        ctx.fillText(mark.text, this.px(mark.x1), this.px(mark.y1 + mark.font.ascent));
        break;
      }
      default:
        break;
    }
  }

  // The hatch patterns of a circle's fill: 2 horizontal, 3 vertical, 4 upward and 5 downward
  // diagonals, 6 cross, 7 diagonal cross.
  hatch(ctx, color, style) {
    const key = `${color}/${style}`;
    if (this.hatches.has(key)) return this.hatches.get(key);
    const size = Math.max(8, Math.round(8 * this.scale * TWIPS_PER_PIXEL));
    const tile = document.createElement('canvas');
    tile.width = tile.height = size;
    const t = tile.getContext('2d');
    t.strokeStyle = color;
    t.lineWidth = Math.max(1, Math.round(size / 8));
    t.beginPath();
    if (style === 2 || style === 6) { t.moveTo(0, size / 2); t.lineTo(size, size / 2); }
    if (style === 3 || style === 6) { t.moveTo(size / 2, 0); t.lineTo(size / 2, size); }
    if (style === 4 || style === 7) { t.moveTo(0, size); t.lineTo(size, 0); }
    if (style === 5 || style === 7) { t.moveTo(0, 0); t.lineTo(size, size); }
    t.stroke();
    const pattern = ctx.createPattern(tile, 'repeat');
    this.hatches.set(key, pattern);
    return pattern;
  }
}
