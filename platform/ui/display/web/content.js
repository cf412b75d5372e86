// The leaves that draw something: text, symbols, images, colours, gradients, shapes, dividers,
// progress indicators and the particle backdrop.

import { h } from 'preact';
import { useLayoutEffect, useRef } from 'preact/hooks';
import { element } from './tree.js';
import { cornerRadius } from './layout.js';
import { gradientIsAxial, isNumber, paint } from './style.js';
import { symbolURL } from './symbols.js';
import { Particles } from './particles.js';

export function renderText(node, ctx, style) {
  const limit = ctx.lineLimit;
  let cls = 'text';
  if (isNumber(limit) && limit > 0) {
    cls += ' clamped';
    style.WebkitLineClamp = String(limit);
    if (limit === 1) style.whiteSpace = 'pre';
  }
  if (isNumber(ctx.lineSpacing)) style.lineHeight = `calc(1.25em + ${ctx.lineSpacing}px)`;
  return element('span', node, cls, style, node.p?.text ?? '');
}

export function renderSymbol(node, ctx, style) {
  const name = node.p?.name ?? '';
  const url = symbolURL(name);
  const extra = { 'data-symbol': name, role: 'img', 'aria-label': name };
  if (!url) return element('span', node, 'symbol unknown', style, null, extra);
  style['--icon'] = `url("${url}")`;
  return element('span', node, 'symbol', style, null, extra);
}

export function renderImage(node, ctx, style) {
  const p = node.p ?? {};
  const cls = `image${p.resizable ? ' resizable' : ''}`;
  // An image named by its accessibility label says so; one without is decoration.
  const name = typeof p.label === 'string' ? p.label : '';
  if (p.template) {
    style['--icon'] = `url("${p.src}")`;
    if (!p.resizable) Object.assign(style, { width: '24px', height: '24px' });
    return element('span', node, `${cls} template`, style, null,
      name ? { role: 'img', 'aria-label': name } : { 'aria-hidden': 'true' });
  }
  style.objectFit = p.contentMode === 'fit' ? 'contain' : p.resizable ? 'cover' : undefined;
  // An asset the bundle does not have yet draws nothing, rather than the browser's broken picture.
  const hide = (event) => { event.currentTarget.style.visibility = 'hidden'; };
  const show = (event) => { event.currentTarget.style.visibility = ''; };
  return element('img', node, cls, style, null, {
    src: p.src, alt: name, draggable: false, onError: hide, onLoad: show,
  });
}

export function renderColor(node, ctx, style) {
  style.background = node.p?.color;
  return element('div', node, 'color', style, null);
}

export function renderGradient(node, ctx, style) {
  return painted('div', node, 'gradient', style, null, node.p?.gradient);
}

// An element filled with `fill`. A gradient that does not run along an axis depends on the box's
// proportions, so its element measures itself and repaints whenever its size changes.
function painted(tag, node, cls, style, kids, fill) {
  if (!fill || typeof fill === 'string' || gradientIsAxial(fill)) {
    Object.assign(style, paint(fill));
    return element(tag, node, cls, style, kids);
  }
  return h(SizedPaint, { key: node.id, tag, fill, kids, 'data-id': node.id, class: `n ${cls}`, style });
}

function SizedPaint({ tag, fill, kids, ...props }) {
  const ref = useRef(null);
  const latest = useRef(fill);
  latest.current = fill;
  const repaint = () => {
    const box = ref.current;
    box.style.background = paint(latest.current, box.offsetWidth, box.offsetHeight).background ?? '';
  };
  useLayoutEffect(() => {
    const observer = new ResizeObserver(repaint);
    observer.observe(ref.current);
    return () => observer.disconnect();
  }, []);
  useLayoutEffect(repaint);
  return h(tag, { ...props, ref }, kids);
}
// Builders and the leaving mechanism may add props to this vnode as to an element's.
SizedPaint.passesProps = true;

function strokeSvg(p, radius) {
  const stroke = p.stroke;
  const width = stroke.width ?? 1;
  const rx = p.shape === 'circle' ? '50%' : p.shape === 'roundedRect' ? (p.radius ?? 0) : 0;
  return h('svg', { class: 'stroke-svg', 'aria-hidden': 'true' },
    h('rect', {
      style: {
        x: `${width / 2}px`, y: `${width / 2}px`,
        width: `calc(100% - ${width}px)`, height: `calc(100% - ${width}px)`,
        rx: typeof rx === 'number' ? `${Math.max(0, rx - width / 2)}px` : rx,
      },
      fill: 'none', stroke: stroke.color, 'stroke-width': width,
      'stroke-dasharray': (stroke.dash ?? []).join(' ') || undefined,
      'data-radius': radius,
    }));
}

export function renderShape(node, ctx, style) {
  const p = node.p ?? {};
  const look = { borderRadius: cornerRadius(p) };
  let outline = null;
  if (p.stroke) {
    if ((p.stroke.dash ?? []).length) outline = strokeSvg(p, look.borderRadius);
    else look.boxShadow = `inset 0 0 0 ${p.stroke.width ?? 1}px ${p.stroke.color}`;
  }
  if (p.shape === 'circle') {
    return element('div', node, 'shape-box', style,
      painted('div', {}, 'circle-in', look, outline, p.fill));
  }
  Object.assign(style, look);
  return painted('div', node, 'shape', style, outline, p.fill);
}

export function renderParticles(node, ctx, style) {
  return h(Particles, { key: node.id, node, style });
}

export function renderDivider(node, ctx, style, axisName) {
  if (axisName === 'h') Object.assign(style, { width: '1px', alignSelf: 'stretch', flex: '0 0 1px' });
  else Object.assign(style, { height: '1px', alignSelf: 'stretch', flex: '0 0 1px' });
  if (style.color) {
    style.background = style.color;
  }
  return element('div', node, 'divider', style, null, { role: 'separator' });
}

export function renderProgress(node, ctx, style) {
  const p = node.p ?? {};
  const cls = `progress${p.size === 'small' ? ' small' : ''}`;
  const extra = { role: 'progressbar', 'aria-label': p.label || undefined };
  const look = {};
  if (isNumber(p.value)) {
    extra['aria-valuenow'] = p.value;
    look.animation = 'none';
    look.background = `conic-gradient(var(--tint) ${p.value * 360}deg, transparent 0)`;
  }
  if (!p.label) return element('div', node, cls, { ...style, ...look }, null, extra);
  // With a label, the indicator and its text stand in a column.
  style.gap = '8px';
  style.alignItems = 'center';
  return element('div', node, 'vstack', style, [
    h('div', { key: 'i', class: cls, style: look, ...extra }),
    h('span', { key: 'l', class: 'text', style: { color: 'var(--gray)' } }, p.label),
  ]);
}

