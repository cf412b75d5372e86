// The display: keeps a WebSocket to the app, draws every tree it sends, sends back what the
// person does, plays haptics, opens addresses, and tells the app when the page is shown or hidden.

import { Fragment, h, render } from 'preact';
import { animationTiming, Presence, renderNode, renderOverlay } from './render.js';
import { readTree } from './wire.js';
import { notify } from './notify.js';

const hapticPatterns = {
  'impact:light': 10,
  'impact:medium': 20,
  'impact:heavy': 35,
  selection: 5,
  'notification:success': [12, 60, 24],
};

export function start({ token, screen }) {
  let socket = null;
  let latest = null;
  let retry = 250;
  let animatingTimer = 0;
  const presence = new Presence(() => latest && draw(latest, false));
  // What tests and measurements read: the revision on screen and the haptics played.
  const state = { rev: 0, haptics: [], opened: [], connected: false };
  window.verdeoDisplay = state;

  const send = (handler, value) => {
    if (!socket || socket.readyState !== WebSocket.OPEN) return;
    const message = { type: 'event', handler };
    if (value !== undefined) message.value = value;
    socket.send(JSON.stringify(message));
  };

  const sendVisibility = () => {
    if (socket?.readyState === WebSocket.OPEN) {
      socket.send(JSON.stringify({ type: 'visibility', visible: document.visibilityState === 'visible' }));
    }
  };

  function draw(message, fresh) {
    const timing = fresh ? animationTiming(message.animation) : null;
    if (fresh) presence.begin(message.root, timing);
    if (timing) {
      screen.style.setProperty('--d', `${timing.duration}s`);
      screen.style.setProperty('--e', timing.easing);
      screen.classList.add('animating');
      clearTimeout(animatingTimer);
      animatingTimer = setTimeout(() => screen.classList.remove('animating'), timing.duration * 1000 + 50);
    }
    const ctx = {
      send, overlays: [], fresh: fresh ? presence.fresh : new Set(), timing, leaving: presence,
    };
    const content = renderNode(message.root, ctx, 'fill');
    // The platform's own presentations (the notification question, banners) are a tree of their
    // own above the application's; their alert joins the window layer like any other.
    const system = message.system ? renderNode(message.system, ctx, 'fill') : null;

    const overlays = presence.windowLayer(ctx.overlays).map(renderOverlay);
    render(h(Fragment, null, [
      h('main', { key: 'root', class: 'root' }, content),
      system && h('div', { key: 'system', class: 'system-layer' }, system),
      h('div', { key: 'window', id: 'window' }, overlays),
      state.connected ? null : h('div', { key: 'offline', class: 'offline', role: 'status' }, 'Reconnecting…'),
    ]), screen);
    state.rev = message.rev;
  }

  function haptic(message) {
    const key = message.style ? `${message.kind}:${message.style}` : message.kind;
    state.haptics.push(key);
    const pattern = hapticPatterns[key] ?? 10;
    if (typeof navigator.vibrate === 'function' && navigator.vibrate(pattern)) return;
    console.log(`Haptic ${key}`);
  }

  function openURL(url) {
    let parsed;
    try {
      parsed = new URL(url);
    } catch {
      console.warn(`Not an address: ${url}`);
      return;
    }
    if (!['http:', 'https:', 'mailto:'].includes(parsed.protocol)) {
      console.warn(`Not opened: ${url}`);
      return;
    }
    state.opened.push(url);
    const opened = window.open(parsed.href, '_blank');
    if (opened) {
      opened.opener = null;
      return;
    }
    // A popup blocker stepped in: offer the address to click instead.
    const toast = document.createElement('div');
    toast.className = 'toast';
    toast.append('Open ');
    const link = document.createElement('a');
    link.href = parsed.href;
    link.target = '_blank';
    link.rel = 'noopener noreferrer';
    link.textContent = parsed.href;
    link.addEventListener('click', () => toast.remove());
    toast.append(link);
    screen.append(toast);
    setTimeout(() => toast.remove(), 8000);
  }

  function receive(event) {
    let message;
    try {
      message = JSON.parse(event.data);
    } catch {
      console.warn('Display message is not JSON');
      return;
    }
    if (message.type === 'tree') {
      readTree(message.root);
      if (message.system) readTree(message.system);
      latest = message;
      draw(message, true);
    } else if (message.type === 'haptic') {
      haptic(message);
    } else if (message.type === 'openURL') {
      openURL(message.url);
    } else if (message.type === 'notification') {
      notify(message);
    }
  }

  function connect() {
    const url = `${location.protocol === 'https:' ? 'wss' : 'ws'}://${location.host}/socket?token=${encodeURIComponent(token)}`;
    socket = new WebSocket(url);
    socket.addEventListener('open', () => {
      retry = 250;
      state.connected = true;
      sendVisibility();
      if (latest) draw(latest, false);
    });
    socket.addEventListener('message', receive);
    socket.addEventListener('close', () => {
      state.connected = false;
      if (latest) draw(latest, false);
      setTimeout(connect, retry);
      retry = Math.min(retry * 2, 5000);
    });
  }

  screen.addEventListener('click', (event) => presence.routeTap(event), true);
  document.addEventListener('visibilitychange', sendVisibility);
  connect();
}
