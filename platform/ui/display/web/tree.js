// What every builder shares: the walk from a node to its element, its children and its place in
// the parent. The builders themselves are registered by render.js, by node type.
//
// Rendering is one pass of plain functions over the tree; only the leaves that keep state of
// their own (text fields, menus, the particle canvas, sheets) are components. Every element is
// keyed by its node id, so preact keeps the same DOM element for the same node across trees: focus,
// caret, scroll position and CSS transitions follow identity.

import { h } from 'preact';
import { applyStyle } from './style.js';

export const builders = {};

// Nodes that handle their own `on.tap`; on any other node it is a tap gesture.
const controls = new Set(['button', 'link', 'toggle', 'menu', 'textfield', 'texteditor', 'searchfield']);

export function handler(node, event) {
  return node.on?.[event];
}

// Whether the node was not in the previous tree (or was another kind of view there).
export function isFresh(ctx, node) {
  return !!ctx.fresh?.has(`${node.id}|${node.t}`);
}

// How the node sits in its parent: which axes it stretches on. Each stack is a flexbox; a child
// stretches along an axis only when its `x` flags say it wants the space offered on that axis
// (the flexible views), otherwise it keeps its own size and the stack centres it.
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

export function renderNode(node, ctx, axis) {
  if (!node || typeof node !== 'object') return null;
  const style = {};
  const inner = applyStyle(node, style, ctx);
  place(node, axis, style);
  const build = builders[node.t];
  if (!build) {
    console.warn(`Unknown node type ${node.t}`);
    return h('div', { key: node.id, class: 'n single', style, 'data-id': node.id },
      children(node, inner, 'single'));
  }
  const vnode = build(node, inner, style, axis);
  const tap = handler(node, 'tap');
  if (tap && !controls.has(node.t) && vnode && (typeof vnode.type === 'string' || vnode.type.passesProps)) {
    addTapGesture(vnode, tap, inner);
  }
  return vnode;
}

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

// The node's children, with the views that are leaving it put back where they were.
export function children(node, ctx, axis, from = 0) {
  const list = (node.c ?? []).slice(from);
  const rendered = list.map((child) => renderNode(child, ctx, axis));
  return ctx.leaving ? ctx.leaving.merge(node.id, rendered, ctx, axis, renderNode) : rendered;
}

export function element(tag, node, cls, style, kids, extra = {}) {
  return h(tag, { key: node.id, 'data-id': node.id, class: `n ${cls}`, style, ...extra }, kids);
}

export function single(node, ctx, style, cls = 'single') {
  return element('div', node, cls, style, children(node, ctx, 'single'));
}
