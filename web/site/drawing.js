// Paints a drawing of the program (a window's surface or a picture box) on a <canvas>: the
// background, the fixed picture and the display list's marks, in twips scaled to device
// pixels, so the canvas stays crisp on high-density screens and at any zoom. Only the marks
// added since the last paint are asked for; a drawing cleared (or its transient layer dropped)
// is painted again from the background up.

const TWIPS_PER_PIXEL = 15;
const DASHES = { 1: [6, 3], 2: [1, 2], 3: [6, 3, 1, 3], 4: [6, 3, 1, 3, 1, 3] };

function cssFont(font, pixels) {
  return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${pixels}px "${font.family}"`;
}

export class DrawingCanvas {
  // target: "WINDOW" or "WINDOW.PICTURE(INDEX)"; fetch(target, generation, painted) returns
  // the drawing as JSON.
  constructor(canvas, target, fetch) {
    this.canvas = canvas;
    this.target = target;
    this.fetch = fetch;
    this.generation = -1;
    this.painted = 0;
    this.scale = 0;
    this.covered = false;
    this.hatches = new Map();
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
      this.generation = -1;
    }
  }

  // Brings the canvas up to date with the program's drawing; covered: a page lies over it.
  update(covered = false) {
    if (covered !== this.covered) {
      this.covered = covered;
      this.generation = -1;
    }
    const drawing = this.fetch(this.target, this.generation, this.painted);
    if (!drawing) return;
    const ctx = this.canvas.getContext('2d');
    if (drawing.restart) {
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.fillStyle = drawing.back;
      ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
      if (drawing.picture && !covered) this.paintPicture(ctx, drawing.picture);
    }
    if (!covered) for (const mark of drawing.marks) this.paint(ctx, mark);
    this.generation = drawing.generation;
    this.painted = drawing.from + drawing.marks.length;
  }

  paintPicture(ctx, picture) {
    if (picture.background) {
      ctx.fillStyle = picture.background;
      ctx.fillRect(0, 0, this.px(picture.width), this.px(picture.height));
    }
    for (const mark of picture.marks) this.paint(ctx, mark);
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
        // Corners snap to whole pixels so that adjacent boxes (map cells) meet without gaps;
        // both corners belong to the box.
        const unit = this.scale * TWIPS_PER_PIXEL;
        const left = Math.round(this.px(Math.min(mark.x1, mark.x2)));
        const right = Math.round(this.px(Math.max(mark.x1, mark.x2)));
        const top = Math.round(this.px(Math.min(mark.y1, mark.y2)));
        const bottom = Math.round(this.px(Math.max(mark.y1, mark.y2)));
        if (mark.filled) {
          ctx.fillStyle = mark.color;
          ctx.fillRect(left, top, right - left + Math.round(unit), bottom - top + Math.round(unit));
          if (mark.width <= 1) break;
        }
        const width = this.pen(ctx, mark);
        const half = width % 2 === 1 ? 0.5 : 0;
        ctx.strokeRect(left + half, top + half, right - left, bottom - top);
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
