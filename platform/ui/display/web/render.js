// Turns the view tree of the wire format (platform/ui/WIRE.md) into preact elements.
//
// Rendering is one pass of plain functions over the tree; only the leaves that keep state of
// their own (text fields, menus, the particle canvas, sheets) are components. Every element is
// keyed by its node id, so preact keeps the same DOM element for the same node across trees: focus,
// caret, scroll position and CSS transitions follow identity.
//
// Layout: each stack is a flexbox; a child stretches along an axis only when its `x` flags say
// it wants the space offered on that axis (SwiftUI's flexible views), otherwise it keeps its own
// size and the stack centres it. Wrappers of one child (padding, frame, button, …) are flex
// columns that centre their child the same way.

import { h } from 'preact';
import { useEffect, useLayoutEffect, useRef, useState } from 'preact/hooks';
import { symbolURL } from './symbols.js';
import { Particles } from './particles.js';
import { renderPhotoPicker } from './photopicker.js';

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

const px = (v) => (typeof v === 'number' ? `${v}px` : undefined);
const isNumber = (v) => typeof v === 'number' && Number.isFinite(v);

// Alignment names to the two flex positions (horizontal, vertical).
function alignmentParts(alignment) {
  const horizontal = /leading|Leading/.test(alignment ?? '') ? 'flex-start'
    : /trailing|Trailing/.test(alignment ?? '') ? 'flex-end' : 'center';
  const vertical = /^top/.test(alignment ?? '') ? 'flex-start'
    : /^bottom/.test(alignment ?? '') ? 'flex-end' : 'center';
  return [horizontal, vertical];
}

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

function paint(fill) {
  if (!fill) return {};
  if (typeof fill === 'string') return { background: fill };
  const gradient = cssGradient(fill);
  return gradient ? { background: gradient } : {};
}

// The inherited style of `s`, as CSS on the node's element and as context for what CSS cannot
// inherit (line limits, tint for controls, disabled state).
function applyStyle(node, style, ctx) {
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
  if (isNumber(s.lineSpacing)) next.lineSpacing = s.lineSpacing;
  if ('lineLimit' in s) next.lineLimit = s.lineLimit;
  if (s.disabled) next.disabled = true;
  return next;
}

// How the node sits in its parent: which axes it stretches on.
function place(node, axis, style) {
  const x = node.x ?? '';
  const wantsH = x.includes('h');
  const wantsV = x.includes('v');
  if (axis === 'v' || axis === 'single') {
    style.flex = wantsV ? '1 1 0' : '0 1 auto';
    if (wantsH) style.alignSelf = 'stretch';
  } else if (axis === 'h') {
    style.flex = wantsH ? '1 1 0' : '0 1 auto';
    if (wantsV) style.alignSelf = 'stretch';
  } else if (axis === 'z') {
    if (wantsH) style.justifySelf = 'stretch';
    if (wantsV) style.alignSelf = 'stretch';
  } else if (axis === 'fill') {
    style.flex = '1 1 0';
    style.alignSelf = 'stretch';
  }
}

function textOf(node) {
  if (!node) return '';
  if (node.t === 'text') return node.p?.text ?? '';
  return (node.c ?? []).map(textOf).filter(Boolean).join(' ');
}

function symbolsOf(node) {
  if (!node) return [];
  if (node.t === 'symbol') return [node.p?.name ?? ''];
  return (node.c ?? []).flatMap(symbolsOf);
}

// The accessible name of a control's label: its text, or else its symbols' names.
export function accessibleName(label, node) {
  if (typeof label === 'string' && label) return label;
  const text = textOf(node).trim();
  if (text) return text;
  return symbolsOf(node).join(' ') || undefined;
}

// Whether the node was not in the previous tree (or was another kind of view there).
function isFresh(ctx, node) {
  return !!ctx.fresh?.has(`${node.id}|${node.t}`);
}

function handler(node, event) {
  return node.on?.[event];
}

// ---------------------------------------------------------------------------------------------

export function renderNode(node, ctx, axis) {
  if (!node || typeof node !== 'object') return null;
  const style = {};
  const inner = applyStyle(node, style, ctx);
  place(node, axis, style);
  const render = renderers[node.t];
  if (!render) {
    console.warn(`Unknown node type ${node.t}`);
    return h('div', { key: node.id, class: 'n single', style, 'data-id': node.id },
      children(node, inner, 'single'));
  }
  const vnode = render(node, inner, style, axis);
  const tap = handler(node, 'tap');
  if (tap && !controls.has(node.t) && vnode && typeof vnode.type === 'string') addTapGesture(vnode, tap, inner);
  return vnode;
}

// Nodes that handle their own `on.tap`; on any other node it is a tap gesture.
const controls = new Set(['button', 'link', 'toggle', 'menu', 'textfield', 'texteditor', 'searchfield']);

function addTapGesture(vnode, tap, ctx) {
  const fire = (event) => {
    event.stopPropagation();
    ctx.send(tap);
  };
  Object.assign(vnode.props, {
    onClick: fire,
    onKeyDown: (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        fire(event);
      }
    },
    role: vnode.props.role ?? 'button',
    tabIndex: 0,
  });
  vnode.props.style = { ...(vnode.props.style ?? {}), cursor: 'pointer' };
}

function children(node, ctx, axis, from = 0) {
  const list = (node.c ?? []).slice(from);
  const rendered = list.map((child) => renderNode(child, ctx, axis));
  return ctx.leaving ? ctx.leaving.merge(node.id, rendered, ctx, axis, renderNode) : rendered;
}

function element(tag, node, cls, style, kids, extra = {}) {
  return h(tag, { key: node.id, 'data-id': node.id, class: `n ${cls}`, style, ...extra }, kids);
}

function stack(direction) {
  return (node, ctx, style) => {
    const p = node.p ?? {};
    const spacing = p.spacing ?? 8;
    const [horizontal, vertical] = alignmentParts(p.alignment);
    style.gap = px(spacing);
    if (direction === 'v') style.alignItems = horizontal;
    else style.alignItems = vertical;
    return element('div', node, direction === 'v' ? 'vstack' : 'hstack', style,
      children(node, ctx, direction));
  };
}

function single(node, ctx, style, cls = 'single') {
  return element('div', node, cls, style, children(node, ctx, 'single'));
}

function alignChild(style, alignment) {
  const [horizontal, vertical] = alignmentParts(alignment);
  style.alignItems = horizontal;
  style.justifyContent = vertical;
}

function cornerRadius(p) {
  if (p.shape === 'circle' || p.shape === 'capsule') return '9999px';
  if (p.shape === 'ellipse') return '50%';
  if (p.shape === 'roundedRect') return px(p.radius ?? 0);
  if (p.shape === 'corners') {
    const r = px(p.radius ?? 0);
    const on = new Set(p.corners ?? []);
    return ['topLeft', 'topRight', 'bottomRight', 'bottomLeft']
      .map((c) => (on.has(c) ? r : '0')).join(' ');
  }
  return '0';
}

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

function renderShape(node, ctx, style) {
  const p = node.p ?? {};
  const look = { ...paint(p.fill), borderRadius: cornerRadius(p) };
  let outline = null;
  if (p.stroke) {
    if ((p.stroke.dash ?? []).length) outline = strokeSvg(p, look.borderRadius);
    else look.boxShadow = `inset 0 0 0 ${p.stroke.width ?? 1}px ${p.stroke.color}`;
  }
  if (p.shape === 'circle') {
    return element('div', node, 'shape-box', style,
      h('div', { class: 'circle-in', style: look }, outline));
  }
  Object.assign(style, look);
  return element('div', node, 'shape', style, outline);
}

function renderText(node, ctx, style) {
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

function renderSymbol(node, ctx, style) {
  const name = node.p?.name ?? '';
  const url = symbolURL(name);
  const extra = { 'data-symbol': name, role: 'img', 'aria-label': name };
  if (!url) return element('span', node, 'symbol unknown', style, null, extra);
  style['--icon'] = `url("${url}")`;
  return element('span', node, 'symbol', style, null, extra);
}

function renderImage(node, ctx, style) {
  const p = node.p ?? {};
  const cls = `image${p.resizable ? ' resizable' : ''}`;
  if (p.template) {
    style['--icon'] = `url("${p.src}")`;
    if (!p.resizable) Object.assign(style, { width: '24px', height: '24px' });
    return element('span', node, `${cls} template`, style, null, { role: 'img' });
  }
  style.objectFit = p.contentMode === 'fit' ? 'contain' : p.resizable ? 'cover' : undefined;
  return element('img', node, cls, style, null, { src: p.src, alt: '', draggable: false });
}

function renderFrame(node, ctx, style) {
  const p = node.p ?? {};
  for (const key of ['width', 'height', 'minWidth', 'maxWidth', 'minHeight', 'maxHeight']) {
    if (isNumber(p[key])) style[key] = px(p[key]);
  }
  if (isNumber(p.width) || isNumber(p.height)) style.flexShrink = 0;
  if (isNumber(p.height) && !isNumber(p.minHeight)) style.minHeight = px(p.height);
  if (isNumber(p.width) && !isNumber(p.minWidth)) style.minWidth = px(p.width);
  if (isNumber(p.aspectRatio)) style.aspectRatio = String(p.aspectRatio);
  alignChild(style, p.alignment);
  return single(node, ctx, style);
}

function renderPadding(node, ctx, style) {
  const p = node.p ?? {};
  style.padding = [p.top, p.trailing, p.bottom, p.leading].map((v) => px(v ?? 0)).join(' ');
  return single(node, ctx, style);
}

// background and overlay: the content sets the size; the other view is laid over the same box
// (behind or in front), placed by `alignment`, and stretched where it is flexible.
function renderLayered(behind) {
  return (node, ctx, style) => {
    const [content, layer] = node.c ?? [];
    const layerStyle = {};
    alignChild(layerStyle, node.p?.alignment);
    const layerElement = layer && h('div', {
      key: 'layer', class: `layer${behind ? '' : ' front'}`, style: layerStyle,
    }, renderNode(layer, ctx, 'single'));
    const contentElement = content && renderNode(content, ctx, 'single');
    return element('div', node, 'single', style,
      behind ? [layerElement, contentElement] : [contentElement, layerElement]);
  };
}

function renderClip(node, ctx, style) {
  style.borderRadius = cornerRadius(node.p ?? {});
  style.overflow = 'hidden';
  if (node.p?.shape === 'circle') style.borderRadius = '50%';
  return single(node, ctx, style);
}

function renderSafeArea(node, ctx, style) {
  const edges = node.p?.edges ?? ['top', 'leading', 'bottom', 'trailing'];
  const list = Array.isArray(edges) ? edges : [edges];
  if (list.includes('top') || list.includes('all')) style.marginTop = 'calc(-1 * var(--it))';
  if (list.includes('bottom') || list.includes('all')) style.marginBottom = 'calc(-1 * var(--ib))';
  return single(node, ctx, style);
}

function renderScroll(node, ctx, style) {
  const p = node.p ?? {};
  const horizontal = p.axis === 'horizontal';
  const cls = `scroll${horizontal ? ' horizontal' : ''}${p.indicators === false ? ' hide-indicators' : ''}`;
  return element('div', node, cls, style,
    h('div', { class: 'scroll-content' },
      (node.c ?? []).map((child) => fixScrollChild(renderNode(child, ctx, 'none'), child, horizontal))));
}

// In a scroll area the content keeps its own length on the scrolling axis and takes the offered
// length across it when it is flexible there.
function fixScrollChild(vnode, child, horizontal) {
  if (!vnode || !vnode.props) return vnode;
  const style = vnode.props.style ?? (vnode.props.style = {});
  const x = child?.x ?? '';
  style.flex = '0 0 auto';
  if (horizontal ? x.includes('v') : x.includes('h')) style.alignSelf = 'stretch';
  return vnode;
}

function renderList(node, ctx, style) {
  const p = node.p ?? {};
  const cls = `list ${p.style === 'plain' ? 'plain' : 'insetGrouped'}${p.hideBackground ? ' no-background' : ''}`;
  return element('div', node, cls, style, (node.c ?? []).map((section) => {
    if (section.t !== 'section') {
      return h('div', { key: section.id, class: 'rows' },
        h('div', { class: 'row' }, renderNode(section, ctx, 'single')));
    }
    return renderSection(section, ctx);
  }));
}

function renderSection(section, ctx) {
  const style = {};
  const inner = applyStyle(section, style, ctx);
  const header = section.p?.header;
  return h('div', { key: section.id, class: 'n section', 'data-id': section.id, style }, [
    header ? h('div', { class: 'section-header', key: 'h' }, header) : null,
    h('div', { class: 'rows', key: 'r' }, (section.c ?? []).map((row) => {
      const rowStyle = {};
      const rowCtx = applyStyle(row, rowStyle, inner);
      return h('div', { key: row.id, class: 'row', style: rowStyle['--row'] ? { '--row': rowStyle['--row'] } : undefined },
        renderNode(row, rowCtx, 'single'));
    })),
  ]);
}

function renderGrid(node, ctx, style) {
  const p = node.p ?? {};
  const columns = Array.isArray(p.columns) && p.columns.length ? p.columns : [{}];
  style.display = 'grid';
  style.gridTemplateColumns = columns.map((c) => {
    const min = isNumber(c.min) ? px(c.min) : '0px';
    const max = isNumber(c.max) ? px(c.max) : '1fr';
    return `minmax(${min}, ${max})`;
  }).join(' ');
  style.columnGap = px(columns[0].spacing ?? 8);
  style.rowGap = px(p.spacing ?? 8);
  const [horizontal] = alignmentParts(p.alignment);
  style.justifyItems = { 'flex-start': 'start', 'flex-end': 'end', center: 'center' }[horizontal];
  style.alignItems = 'start';
  return element('div', node, 'grid', style, children(node, ctx, 'z'));
}

function renderZStack(node, ctx, style) {
  const [horizontal, vertical] = alignmentParts(node.p?.alignment);
  const map = { 'flex-start': 'start', 'flex-end': 'end', center: 'center' };
  style.justifyItems = map[horizontal];
  style.alignItems = map[vertical];
  return element('div', node, 'zstack', style, children(node, ctx, 'z'));
}

function renderSpacer(node, ctx, style, axisName) {
  const min = node.p?.minLength ?? 8;
  if (axisName === 'v') Object.assign(style, { flex: '1 1 0', minHeight: px(min), alignSelf: 'auto' });
  else if (axisName === 'h') Object.assign(style, { flex: '1 1 0', minWidth: px(min), alignSelf: 'auto' });
  return element('div', node, 'spacer', style, null, { 'aria-hidden': 'true' });
}

function renderDivider(node, ctx, style, axisName) {
  if (axisName === 'h') Object.assign(style, { width: '1px', alignSelf: 'stretch', flex: '0 0 1px' });
  else Object.assign(style, { height: '1px', alignSelf: 'stretch', flex: '0 0 1px' });
  if (style.color) {
    style.background = style.color;
  }
  return element('div', node, 'divider', style, null, { role: 'separator' });
}

function renderProgress(node, ctx, style) {
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

// ----- controls ------------------------------------------------------------------------------

function renderButton(node, ctx, style) {
  const p = node.p ?? {};
  const tap = handler(node, 'tap');
  const disabled = ctx.disabled || p.disabled || !tap;
  let cls = 'button single';
  if (p.role === 'destructive') cls += ' destructive';
  else if (p.style === 'bordered') cls += ' bordered';
  else if (p.style !== 'plain' && !hasOwnColor(node.c?.[0])) cls += ' tinted';
  const label = node.c?.[0];
  return element('button', node, cls, style, children(node, ctx, 'single'), {
    type: 'button',
    disabled,
    'aria-label': p.label || (textOf(label).trim() ? undefined : accessibleName(p.label, label)),
    onClick: (event) => {
      event.stopPropagation();
      if (tap) ctx.send(tap);
    },
  });
}

// A label with a colour of its own (or a background) is drawn as given, not in the tint.
function hasOwnColor(node) {
  if (!node) return false;
  if (node.s?.color) return true;
  if (node.t === 'background' || node.t === 'shape' || node.t === 'color') return true;
  return (node.c ?? []).some(hasOwnColor);
}

function renderToggle(node, ctx, style) {
  const p = node.p ?? {};
  const change = handler(node, 'change');
  const labelNode = node.c?.[0];
  const name = accessibleName(p.label, labelNode);
  const on = !!p.isOn;
  const disabled = ctx.disabled || !change;
  return element('div', node, 'toggle', style, [
    labelNode && labelNode.t !== 'empty'
      ? h('div', { class: 'toggle-label', key: 'l' }, renderNode(labelNode, ctx, 'single'))
      : (p.label ? h('div', { class: 'toggle-label', key: 'l' }, p.label) : null),
    h('button', {
      key: 's',
      type: 'button',
      role: 'switch',
      class: 'switch',
      'aria-checked': on ? 'true' : 'false',
      'aria-label': name,
      disabled,
      onClick: () => change && ctx.send(change, !on),
    }),
  ]);
}

function renderField(kind) {
  return (node, ctx, style) => h(TextField, {
    key: node.id, node, kind, style, send: ctx.send, disabled: ctx.disabled,
  });
}

// A text field keeps what the person typed: a tree that arrives while they type carries a value
// the field sent a moment ago, and writing it back would move the caret and drop the keys typed
// since. The tree's value is written only when it is one the field never sent (the app changed
// it, e.g. cleared it), or when the field is not focused.
function TextField({ node, kind, style, send, disabled }) {
  const ref = useRef(null);
  const sent = useRef([]);
  const p = node.p ?? {};
  const value = p.value ?? '';
  const change = handler(node, 'change');
  const submit = handler(node, 'submit');
  useLayoutEffect(() => {
    const field = ref.current;
    if (!field || field.value === value) {
      sent.current = [];
      return;
    }
    const focused = document.activeElement === field;
    if (focused && sent.current.includes(value)) return;
    field.value = value;
    sent.current = [];
  }, [value, node]);
  const multiline = kind === 'texteditor' || (kind === 'textfield' && p.multiline);
  const props = {
    ref,
    class: `field${kind === 'searchfield' ? ' search' : ''}`,
    placeholder: p.placeholder ?? '',
    'aria-label': p.placeholder || p.label || undefined,
    disabled: disabled || !change,
    defaultValue: value,
    onInput: (event) => {
      const text = event.currentTarget.value;
      sent.current.push(text);
      if (sent.current.length > 64) sent.current.shift();
      if (change) send(change, text);
    },
    onKeyDown: (event) => {
      if (event.key === 'Enter' && !multiline && submit) send(submit);
    },
  };
  if (p.autocorrect === false) {
    Object.assign(props, { autocorrect: 'off', autocapitalize: 'off', spellcheck: false });
  }
  let field;
  if (multiline) {
    props.rows = p.minLines ?? (kind === 'texteditor' ? 4 : 1);
    field = h('textarea', props);
  } else {
    props.type = kind === 'searchfield' ? 'search' : 'text';
    field = h('input', props);
  }
  return h('div', { class: `n single ${kind}`, 'data-id': node.id, style: { ...style, alignItems: 'stretch' } }, field);
}

function renderDatePicker(node, ctx, style) {
  const p = node.p ?? {};
  const change = handler(node, 'change');
  const input = h('input', {
    key: 'i',
    class: 'field picker',
    type: p.mode === 'hourMinute' ? 'time' : 'date',
    value: p.value ?? '',
    'aria-label': p.title || undefined,
    disabled: ctx.disabled || !change,
    onChange: (event) => change && ctx.send(change, event.currentTarget.value),
  });
  if (p.labelHidden || !p.title) return element('div', node, 'single', style, input);
  return element('div', node, 'picker-row', style, [h('span', { key: 't' }, p.title), input]);
}

function renderPicker(node, ctx, style) {
  const p = node.p ?? {};
  const change = handler(node, 'change');
  const select = h('select', {
    key: 's',
    class: 'field',
    value: p.selection ?? '',
    'aria-label': p.title || undefined,
    disabled: ctx.disabled || !change,
    onChange: (event) => change && ctx.send(change, event.currentTarget.value),
  }, [
    p.selection == null ? h('option', { key: '', value: '', disabled: true }, '') : null,
    ...(p.options ?? []).map((o) => h('option', { key: o.tag, value: o.tag }, o.label)),
  ]);
  if (!p.title) return element('div', node, 'single', style, select);
  return element('div', node, 'picker-row', style, [h('span', { key: 't' }, p.title), select]);
}

function renderMenu(node, ctx, style) {
  return h(Menu, { key: node.id, node, ctx, style });
}

function Menu({ node, ctx, style }) {
  const [open, setOpen] = useState(false);
  const [labelNode, ...entries] = node.c ?? [];
  useEffect(() => {
    if (!open) return undefined;
    const close = () => setOpen(false);
    window.addEventListener('pointerdown', close);
    return () => window.removeEventListener('pointerdown', close);
  }, [open]);
  return h('div', { class: 'n single menu', 'data-id': node.id, style }, [
    h('button', {
      key: 'label',
      type: 'button',
      class: 'button single',
      'aria-haspopup': 'menu',
      'aria-expanded': open ? 'true' : 'false',
      'aria-label': accessibleName(node.p?.label, labelNode),
      onClick: () => setOpen(!open),
    }, renderNode(labelNode, ctx, 'single')),
    open && h('div', {
      key: 'popup',
      class: 'menu-popup',
      role: 'menu',
      onPointerDown: (event) => event.stopPropagation(),
      onClick: () => setOpen(false),
    }, entries.map((entry) => renderNode(entry, ctx, 'v'))),
  ]);
}

function renderLink(node, ctx, style) {
  const url = node.p?.url;
  // The browser opens the address itself, inside the person's click, so no popup blocker
  // steps in; the tap only tells the app.
  const tap = handler(node, 'tap');
  return element('a', node, 'link single', style, children(node, ctx, 'single'), {
    href: url, target: '_blank', rel: 'noopener noreferrer',
    onClick: (event) => {
      event.stopPropagation();
      if (tap) ctx.send(tap);
    },
    'aria-label': textOf(node.c?.[0]).trim() ? undefined : accessibleName(undefined, node.c?.[0]),
  });
}

// ----- window chrome -------------------------------------------------------------------------

function renderTabView(node, ctx, style) {
  const p = node.p ?? {};
  const selected = p.selection ?? 0;
  const select = handler(node, 'select');
  const tabs = p.tabs ?? [];
  style['--accent'] = p.accent ?? 'var(--tint)';
  const panes = (node.c ?? []).map((child, i) => h('div', {
    key: child.id, class: 'tab-pane', hidden: i !== selected, role: 'tabpanel',
  }, renderNode(child, ctx, 'fill')));
  const bar = h('div', { key: 'bar', class: 'tab-bar', role: 'tablist' }, tabs.map((tab, i) => h('button', {
    key: i,
    type: 'button',
    role: 'tab',
    'aria-selected': i === selected ? 'true' : 'false',
    onClick: () => select && i !== selected && ctx.send(select, i),
  }, [
    renderNode({ t: 'symbol', id: `${node.id}:tab${i}`, p: { name: tab.symbol } }, ctx, 'none'),
    h('span', { key: 't' }, tab.title),
  ])));
  return element('div', node, 'tabview', style, [...panes, bar]);
}

function renderNavStack(node, ctx, style) {
  const pages = node.c ?? [];
  const pop = handler(node, 'pop');
  const last = pages.length - 1;
  return element('div', node, 'navstack', style, pages.map((page, i) => {
    const pageCtx = Object.create(ctx);
    pageCtx.back = i > 0 && pop ? () => ctx.send(pop, i - 1) : null;
    pageCtx.hiddenPage = i !== last;
    return renderNode(page, pageCtx, 'z');
  }));
}

function renderPage(node, ctx, style) {
  const p = node.p ?? {};
  const large = p.titleMode !== 'inline' && !!p.title;
  const leading = p.leading ?? [];
  const trailing = p.trailing ?? [];
  const search = p.search ?? [];
  const showBack = p.backButton && ctx.back;
  const hasRow = !!(p.title && !large) || leading.length || trailing.length || showBack;
  const rowHeight = hasRow || large ? 44 : 0;
  const barHeight = rowHeight + (large ? 52 : 0) + (search.length ? 44 : 0);
  style['--bar'] = `${barHeight}px`;
  style.alignSelf = 'stretch';
  style.justifySelf = 'stretch';
  const cls = `page${isFresh(ctx, node) && showBack ? ' entering' : ''}`;
  const bar = barHeight === 0 ? null : h('div', { key: 'bar', class: 'page-bar' }, [
    rowHeight ? h('div', { key: 'row', class: 'bar-row' }, [
      h('div', { key: 'l', class: 'bar-side leading' }, [
        showBack && h('button', { key: 'back', type: 'button', class: 'back', 'aria-label': 'Back', onClick: ctx.back },
          [renderNode({ t: 'symbol', id: `${node.id}:back`, p: { name: 'chevron.left' } }, ctx, 'none'), 'Back']),
        ...leading.map((item) => renderNode(item, ctx, 'h')),
      ]),
      h('div', { key: 't', class: 'bar-title', role: 'heading', 'aria-level': 1 }, large ? '' : (p.title ?? '')),
      h('div', { key: 'r', class: 'bar-side trailing' }, trailing.map((item) => renderNode(item, ctx, 'h'))),
    ]) : null,
    large ? h('div', { key: 'large', class: 'large-title', role: 'heading', 'aria-level': 1 }, p.title) : null,
    search.length ? h('div', { key: 'search', class: 'bar-search' }, search.map((item) => renderNode(item, ctx, 'single'))) : null,
  ]);
  const content = h('div', { key: 'content', class: 'page-content' },
    (node.c ?? []).map((child) => renderNode(child, ctx, 'fill')));
  return element('section', node, cls, style, [content, bar], {
    hidden: ctx.hiddenPage || undefined, 'aria-label': p.title || undefined,
  });
}

function renderPresenting(node, ctx, style) {
  const [content, ...presented] = node.c ?? [];
  for (const item of presented) {
    if (item.t === 'sheet' || item.t === 'alert') ctx.overlays.push({ node: item, ctx });
  }
  return element('div', node, 'single', style,
    content ? [renderNode(content, ctx, 'single')] : []);
}

export function renderOverlay({ node, ctx }) {
  if (node.t === 'sheet') return h(Sheet, { key: node.id, node, ctx });
  if (node.t === 'alert') return renderAlert(node, ctx);
  return null;
}

function Sheet({ node, ctx, leaving }) {
  const ref = useRef(null);
  const drag = useRef(null);
  const dismiss = handler(node, 'dismiss');
  const locked = !!node.p?.dismissDisabled;
  const close = () => {
    if (!locked && dismiss) ctx.send(dismiss);
  };
  // Swiping down from the top of the sheet closes it, like the platform's own sheets. The
  // pointer is captured only once it has moved, so taps on the top bar's buttons stay taps.
  const onPointerDown = (event) => {
    if (locked || event.clientY - ref.current.getBoundingClientRect().top > 60) return;
    drag.current = { y: event.clientY, id: event.pointerId, captured: false };
  };
  const onPointerMove = (event) => {
    if (!drag.current) return;
    const dy = Math.max(0, event.clientY - drag.current.y);
    if (!drag.current.captured && dy > 8) {
      drag.current.captured = true;
      ref.current.setPointerCapture(event.pointerId);
    }
    if (drag.current.captured) ref.current.style.transform = `translateY(${dy}px)`;
  };
  const onPointerUp = (event) => {
    if (!drag.current) return;
    const { y, captured } = drag.current;
    drag.current = null;
    ref.current.style.transform = '';
    if (captured && event.clientY - y > 100) close();
  };
  const style = {};
  const inner = applyStyle(node, style, ctx);
  return h('div', { class: 'sheet-layer', key: node.id }, [
    h('div', { key: 'shade', class: `sheet-shade${leaving ? ' leaving' : ''}`, onClick: close }),
    h('div', {
      key: 'sheet', ref, class: `n sheet${leaving ? ' leaving' : ''}`, role: 'dialog', 'aria-modal': 'true',
      'data-id': node.id, style, onPointerDown, onPointerMove, onPointerUp, onPointerCancel: onPointerUp,
    }, [
      h('div', { key: 'grab', class: 'sheet-grabber', 'aria-hidden': 'true' }),
      h('div', { key: 'body', class: 'sheet-body' }, (node.c ?? []).map((child) => renderNode(child, inner, 'fill'))),
    ]),
  ]);
}

function renderAlert(node, ctx) {
  const p = node.p ?? {};
  const buttons = p.buttons?.length ? p.buttons : [{ label: 'OK', handler: handler(node, 'dismiss') }];
  return h('div', { key: node.id, class: 'alert-shade', 'data-id': node.id }, h('div', {
    class: 'alert', role: 'alertdialog', 'aria-modal': 'true', 'aria-label': p.title,
  }, [
    h('div', { key: 't', class: 'alert-text' }, [
      p.title ? h('div', { key: 'title', class: 'alert-title' }, p.title) : null,
      p.message ? h('div', { key: 'message', class: 'alert-message' }, p.message) : null,
    ]),
    h('div', { key: 'b', class: `alert-buttons${buttons.length > 2 ? ' stacked' : ''}` }, buttons.map((b, i) => h('button', {
      key: i,
      type: 'button',
      class: b.role ?? '',
      onClick: () => {
        const id = b.handler ?? handler(node, 'dismiss');
        if (id) ctx.send(id);
      },
    }, b.label))),
  ]));
}

// ----- motion --------------------------------------------------------------------------------

export function animationTiming(animation) {
  if (!animation) return null;
  const curve = animation.curve ?? 'default';
  if (curve === 'spring') {
    const response = animation.response ?? 0.55;
    const damping = animation.damping ?? 0.825;
    const overshoot = Math.max(1, 1 + (1 - damping) * 0.8);
    return { duration: response * 1.6, easing: `cubic-bezier(0.3, ${overshoot.toFixed(3)}, 0.4, 1)` };
  }
  const easing = { linear: 'linear', easeInOut: 'ease-in-out', easeIn: 'ease-in', easeOut: 'ease-out' }[curve]
    ?? 'cubic-bezier(0.25, 0.1, 0.25, 1)';
  return { duration: animation.duration ?? 0.35, easing };
}

function renderTransition(node, ctx, style) {
  const p = node.p ?? {};
  const timing = animationTiming(p.animation) ?? ctx.timing;
  const kind = p.kind === 'slide' ? 'slide' : 'opacity';
  let cls = 'single';
  if (ctx.leavingNode) cls += ` leave-${kind}`;
  else if (ctx.leaving?.isEntering(node.id)) cls += ` enter-${kind}`;
  if (timing) {
    style['--td'] = `${timing.duration}s`;
    style['--te'] = timing.easing;
  }
  return element('div', node, cls, style, children(node, ctx, 'single'), { 'data-transition': kind });
}

function renderAnimated(node, ctx, style) {
  const p = node.p ?? {};
  const timing = animationTiming(p.animation) ?? { duration: 0.35, easing: 'ease-in-out' };
  const a = p.animation ?? {};
  style['--from'] = p.from ?? 1;
  style['--to'] = p.to ?? 1;
  style.animation = `repeat-opacity ${timing.duration}s ${timing.easing} 0s ${a.repeat ? 'infinite' : 1} ${a.autoreverses ? 'alternate' : 'normal'} both`;
  return single(node, ctx, style);
}

// ---------------------------------------------------------------------------------------------

const renderers = {
  vstack: stack('v'),
  lazyvstack: stack('v'),
  hstack: stack('h'),
  lazyhstack: stack('h'),
  zstack: renderZStack,
  grid: renderGrid,
  spacer: renderSpacer,
  empty: (node) => null && node,
  text: renderText,
  symbol: renderSymbol,
  image: renderImage,
  color: (node, ctx, style) => {
    style.background = node.p?.color;
    return element('div', node, 'color', style, null);
  },
  gradient: (node, ctx, style) => {
    style.background = cssGradient(node.p?.gradient);
    return element('div', node, 'gradient', style, null);
  },
  shape: renderShape,
  particles: (node, ctx, style) => h(Particles, { key: node.id, node, style }),
  divider: renderDivider,
  progress: renderProgress,
  scroll: renderScroll,
  list: renderList,
  section: (node, ctx, style) => element('div', node, 'section vstack', style, children(node, ctx, 'v')),
  padding: renderPadding,
  frame: renderFrame,
  background: renderLayered(true),
  overlay: renderLayered(false),
  clip: renderClip,
  opacity: (node, ctx, style) => {
    style.opacity = node.p?.value ?? 1;
    return single(node, ctx, style);
  },
  offset: (node, ctx, style) => {
    style.transform = `translate(${node.p?.x ?? 0}px, ${node.p?.y ?? 0}px)`;
    return single(node, ctx, style);
  },
  safearea: renderSafeArea,
  button: renderButton,
  toggle: renderToggle,
  textfield: renderField('textfield'),
  texteditor: renderField('texteditor'),
  searchfield: renderField('searchfield'),
  datepicker: renderDatePicker,
  picker: renderPicker,
  menu: renderMenu,
  link: renderLink,
  tabview: renderTabView,
  navstack: renderNavStack,
  page: renderPage,
  presenting: renderPresenting,
  sheet: () => null,
  alert: () => null,
  transition: renderTransition,
  animated: renderAnimated,
  photopicker: (node, ctx, style) => renderPhotoPicker(node, ctx, style, renderNode),
};

export { Sheet };
