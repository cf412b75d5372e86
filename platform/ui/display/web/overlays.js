// What is presented above everything, on the window layer: sheets and alerts. They appear in the
// tree where they are presented, beneath a `presenting` node, which collects them while the tree
// is rendered; the display then draws them outside the screen's content.

import { h } from 'preact';
import { useRef } from 'preact/hooks';
import { element, handler, renderNode } from './tree.js';
import { applyStyle } from './style.js';

export function renderPresenting(node, ctx, style) {
  const [content, ...presented] = node.c ?? [];
  for (const item of presented) {
    if (item.t === 'sheet' || item.t === 'alert') ctx.overlays.push({ node: item, ctx });
  }
  return element('div', node, 'single', style,
    content ? [renderNode(content, ctx, 'single')] : []);
}

export function renderOverlay({ node, ctx, leaving }) {
  if (node.t === 'sheet') return h(Sheet, { key: node.id, node, ctx, leaving });
  if (node.t === 'alert') return renderAlert(node, ctx);
  return null;
}

// A sheet is named after the title of the first page it shows.
function titleOf(node) {
  if (!node || typeof node !== 'object') return '';
  if (node.t === 'page' && node.p?.title) return node.p.title;
  for (const child of node.c ?? []) {
    const title = titleOf(child);
    if (title) return title;
  }
  return '';
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
  return h('div', {
    class: 'sheet-layer', key: node.id, inert: leaving || undefined, style: { colorScheme: ctx.colorScheme },
  }, [
    h('div', { key: 'shade', class: `sheet-shade${leaving ? ' leaving' : ''}`, onClick: close }),
    h('div', {
      key: 'sheet', ref, class: `n sheet${leaving ? ' leaving' : ''}`, role: 'dialog', 'aria-modal': 'true',
      'aria-label': titleOf(node) || undefined,
      'data-id': node.id, style, onPointerDown, onPointerMove, onPointerUp, onPointerCancel: onPointerUp,
    }, [
      h('div', { key: 'grab', class: 'sheet-grabber', 'aria-hidden': 'true' }),
      h('div', { key: 'body', class: 'sheet-body' }, (node.c ?? []).map((child) => renderNode(child, inner, 'fill'))),
    ]),
  ]);
}

function renderAlert(node, ctx) {
  const p = node.p ?? {};
  const buttons = p.buttons ?? [];
  return h('div', {
    key: node.id, class: 'alert-shade', 'data-id': node.id, style: { colorScheme: ctx.colorScheme },
  }, h('div', {
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
