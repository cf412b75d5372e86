// The controls: buttons, switches, text fields, pickers, menus and links. Each sends its node's
// handler ids back; none changes what it shows before the next tree says so, except a text field,
// which keeps what the person is typing.

import { h } from 'preact';
import { useEffect, useLayoutEffect, useRef, useState } from 'preact/hooks';
import { children, element, handler, renderNode } from './tree.js';

export function textOf(node) {
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

export function renderButton(node, ctx, style) {
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

export function renderToggle(node, ctx, style) {
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

export function renderField(kind) {
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

export function renderDatePicker(node, ctx, style) {
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

export function renderPicker(node, ctx, style) {
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

export function renderMenu(node, ctx, style) {
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

export function renderLink(node, ctx, style) {
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
