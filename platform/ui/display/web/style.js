// Inherited style (`s` on the wire) and paint: fonts, colours, gradients. Nothing here draws; the
// builders put what these return on their elements.

const textStyles = {
  largeTitle: [34, 400],
  title: [28, 400],
  title2: [22, 400],
  title3: [20, 400],
  headline: [17, 600],
  subheadline: [15, 400],
  body: [17, 400],
  callout: [16, 400],
  footnote: [13, 400],
  caption: [12, 400],
  caption2: [11, 400],
};
const weights = {
  ultraLight: 200, thin: 100, light: 300, regular: 400, medium: 500, semibold: 600, bold: 700,
  heavy: 800, black: 900,
};
const designs = {
  rounded: 'ui-rounded, Inter, "Noto Color Emoji", sans-serif',
  monospaced: 'ui-monospace, "DejaVu Sans Mono", monospace',
  serif: 'ui-serif, "DejaVu Serif", serif',
};

export const px = (v) => (typeof v === 'number' ? `${v}px` : undefined);
export const isNumber = (v) => typeof v === 'number' && Number.isFinite(v);

export function cssColor(value) {
  return typeof value === 'string' ? value : undefined;
}

// Whether the gradient looks the same on a box of any shape: its line runs along one axis.
export function gradientIsAxial(gradient) {
  const start = gradient?.start ?? { x: 0.5, y: 0 };
  const end = gradient?.end ?? { x: 0.5, y: 1 };
  return start.x === end.x || start.y === end.y;
}

// The CSS for a gradient whose line runs from the unit point `start` to `end` of a w × h box:
// the colour is the same along every line at right angles to that segment in pixels, and the
// stops are placed on the segment. CSS instead draws along an angle through the box's centre,
// over a line of length |w·sin a| + |h·cos a| (so that the corners get the end colours), so the
// angle is that of the segment in pixels and each stop is the projection of its point on the
// segment onto that line. Unit points alone fix the angle only for a square.
export function cssGradient(gradient, w = 1, h = 1) {
  if (!gradient || !Array.isArray(gradient.stops)) return undefined;
  const start = gradient.start ?? { x: 0.5, y: 0 };
  const end = gradient.end ?? { x: 0.5, y: 1 };
  const width = w > 0 ? w : 1;
  const height = h > 0 ? h : 1;
  const sx = start.x * width;
  const sy = start.y * height;
  const dx = end.x * width - sx;
  const dy = end.y * height - sy;
  const degenerate = dx === 0 && dy === 0;
  const angle = degenerate ? 180 : (Math.atan2(dx, -dy) * 180) / Math.PI;
  const rad = (angle * Math.PI) / 180;
  const ux = Math.sin(rad);
  const uy = -Math.cos(rad);
  const length = Math.abs(width * ux) + Math.abs(height * uy);
  const at = (x, y) => ((x - width / 2) * ux + (y - height / 2) * uy) / length + 0.5;
  const from = at(sx, sy);
  const to = at(sx + dx, sy + dy);
  const stops = gradient.stops.map((s) => {
    const position = from + (to - from) * (s.location ?? 0);
    return `${s.color} ${(position * 100).toFixed(3)}%`;
  });
  return `linear-gradient(${angle.toFixed(3)}deg, ${stops.join(', ')})`;
}

// The background for a fill (a colour or a gradient) on a box of w × h.
export function paint(fill, w, h) {
  if (!fill) return {};
  if (typeof fill === 'string') return { background: fill };
  const gradient = cssGradient(fill, w, h);
  return gradient ? { background: gradient } : {};
}

// The inherited style of `s`, as CSS on the node's element and as context for what CSS cannot
// inherit (line limits, tint for controls, disabled state) or what must reach the window layer,
// which is not beneath the node in the page (the colour scheme).
export function applyStyle(node, style, ctx) {
  const s = node.s;
  if (!s) return ctx;
  const next = Object.create(ctx);
  if (s.font) {
    const f = s.font;
    if (f.style && textStyles[f.style]) {
      const [size, weight] = textStyles[f.style];
      style.fontSize = px(size);
      style.fontWeight = weight;
    } else if (isNumber(f.size)) {
      style.fontSize = px(f.size);
      style.fontWeight = 400;
    }
    if (f.weight && weights[f.weight]) style.fontWeight = weights[f.weight];
    style.fontFamily = designs[f.design];
  }
  if (s.weight && weights[s.weight]) style.fontWeight = weights[s.weight];
  if (s.color) style.color = s.color;
  if (s.tint) style['--tint'] = s.tint;
  if (s.rowBackground) style['--row'] = s.rowBackground;
  if (s.italic) style.fontStyle = 'italic';
  if (s.textAlign) {
    style.textAlign = { leading: 'left', center: 'center', trailing: 'right' }[s.textAlign];
  }
  // Native controls beneath (fields, pickers, scroll bars) follow the forced scheme.
  if (s.colorScheme) {
    style.colorScheme = s.colorScheme;
    next.colorScheme = s.colorScheme;
  }
  if (isNumber(s.lineSpacing)) next.lineSpacing = s.lineSpacing;
  if ('lineLimit' in s) next.lineLimit = s.lineLimit;
  if (s.disabled) next.disabled = true;
  return next;
}
