// Stacks, grids, lists and the wrappers of one child (padding, frame, background, clip, …), on
// flexbox and grid. Wrappers of one child are flex columns that centre their child as the stacks
// do.

import { h } from 'preact';
import { children, element, renderNode, single } from './tree.js';
import { applyStyle, isNumber, px } from './style.js';

// Alignment names to the two flex positions (horizontal, vertical).
export function alignmentParts(alignment) {
  const horizontal = /leading|Leading/.test(alignment ?? '') ? 'flex-start'
    : /trailing|Trailing/.test(alignment ?? '') ? 'flex-end' : 'center';
  const vertical = /^top/.test(alignment ?? '') ? 'flex-start'
    : /^bottom/.test(alignment ?? '') ? 'flex-end' : 'center';
  return [horizontal, vertical];
}

function alignChild(style, alignment) {
  const [horizontal, vertical] = alignmentParts(alignment);
  style.alignItems = horizontal;
  style.justifyContent = vertical;
}

export function cornerRadius(p) {
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

export function stack(direction) {
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

export function renderZStack(node, ctx, style) {
  const [horizontal, vertical] = alignmentParts(node.p?.alignment);
  const map = { 'flex-start': 'start', 'flex-end': 'end', center: 'center' };
  style.justifyItems = map[horizontal];
  style.alignItems = map[vertical];
  return element('div', node, 'zstack', style, children(node, ctx, 'z'));
}

export function renderGrid(node, ctx, style) {
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

export function renderSpacer(node, ctx, style, axisName) {
  const min = node.p?.minLength ?? 8;
  if (axisName === 'v') Object.assign(style, { flex: '1 1 0', minHeight: px(min), alignSelf: 'auto' });
  else if (axisName === 'h') Object.assign(style, { flex: '1 1 0', minWidth: px(min), alignSelf: 'auto' });
  return element('div', node, 'spacer', style, null, { 'aria-hidden': 'true' });
}

export function renderFrame(node, ctx, style) {
  const p = node.p ?? {};
  for (const key of ['width', 'height', 'minWidth', 'maxWidth', 'minHeight', 'maxHeight']) {
    if (isNumber(p[key])) style[key] = px(p[key]);
  }
  if (isNumber(p.width) || isNumber(p.height)) style.flexShrink = 0;
  if (isNumber(p.height) && !isNumber(p.minHeight)) style.minHeight = px(p.height);
  if (isNumber(p.width) && !isNumber(p.minWidth)) style.minWidth = px(p.width);
  if (isNumber(p.aspectRatio)) style.aspectRatio = String(p.aspectRatio);
  if (isNumber(p.heightFraction)) Object.assign(style, { height: `${p.heightFraction * 100}%`, flexShrink: 0 });
  alignChild(style, p.alignment);
  return single(node, ctx, style);
}

export function renderPadding(node, ctx, style) {
  const p = node.p ?? {};
  style.padding = [p.top, p.trailing, p.bottom, p.leading].map((v) => px(v ?? 0)).join(' ');
  return single(node, ctx, style);
}

// background and overlay: the content sets the size; the other view is laid over the same box
// (behind or in front), placed by `alignment`, and stretched where it is flexible.
export function renderLayered(behind) {
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

export function renderClip(node, ctx, style) {
  style.borderRadius = cornerRadius(node.p ?? {});
  style.overflow = 'hidden';
  if (node.p?.shape === 'circle') style.borderRadius = '50%';
  return single(node, ctx, style);
}

export function renderOpacity(node, ctx, style) {
  style.opacity = node.p?.value ?? 1;
  return single(node, ctx, style);
}

export function renderOffset(node, ctx, style) {
  style.transform = `translate(${node.p?.x ?? 0}px, ${node.p?.y ?? 0}px)`;
  return single(node, ctx, style);
}

export function renderSafeArea(node, ctx, style) {
  const edges = node.p?.edges ?? ['top', 'leading', 'bottom', 'trailing'];
  const list = Array.isArray(edges) ? edges : [edges];
  if (list.includes('top') || list.includes('all')) style.marginTop = 'calc(-1 * var(--it))';
  if (list.includes('bottom') || list.includes('all')) style.marginBottom = 'calc(-1 * var(--ib))';
  return single(node, ctx, style);
}

export function renderScroll(node, ctx, style) {
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

export function renderList(node, ctx, style) {
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

export function renderLooseSection(node, ctx, style) {
  return element('div', node, 'section vstack', style, children(node, ctx, 'v'));
}
