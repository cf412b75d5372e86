// Navigation chrome: the tab bar, navigation stacks and pages with their top bars.

import { h } from 'preact';
import { element, handler, isFresh, renderNode } from './tree.js';

export function renderTabView(node, ctx, style) {
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

export function renderNavStack(node, ctx, style) {
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

export function renderPage(node, ctx, style) {
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
