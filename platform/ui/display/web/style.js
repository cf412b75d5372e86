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

export function cssGradient(gradient) {
  if (!gradient || !Array.isArray(gradient.stops)) return undefined;
  const start = gradient.start ?? { x: 0.5, y: 0 };
  const end = gradient.end ?? { x: 0.5, y: 1 };
  // CSS draws a linear gradient along an angle across the whole box; the unit points of the
  // wire are turned into that angle, and the stops are placed on the segment between them.
  const dx = end.x - start.x;
  const dy = end.y - start.y;
  const angle = (Math.atan2(dx, -dy) * 180) / Math.PI;
  const rad = (angle * Math.PI) / 180;
  const sin = Math.sin(rad);
  const cos = -Math.cos(rad);
  // Projection of a unit point onto the gradient line, as a fraction of the line CSS uses
  // (which spans the box's corners); with aspect ratio ignored this is exact for squares.
  const half = (Math.abs(sin) + Math.abs(cos)) / 2;
  const project = (p) => (((p.x - 0.5) * sin + (p.y - 0.5) * cos) / (2 * half || 1)) + 0.5;
  const from = project(start);
  const to = project(end);
  const stops = gradient.stops.map((s) => {
    const at = from + (to - from) * (s.location ?? 0);
    return `${s.color} ${(at * 100).toFixed(2)}%`;
  });
  return `linear-gradient(${angle.toFixed(2)}deg, ${stops.join(', ')})`;
}

export function paint(fill) {
  if (!fill) return {};
  if (typeof fill === 'string') return { background: fill };
  const gradient = cssGradient(fill);
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
