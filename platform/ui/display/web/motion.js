// Motion: the timing of animations, views that enter and leave, and repeating animations.
//
// Leaving works one way for every view that leaves with an animation: a `transition` node that
// is gone from the new tree, and a sheet that is no longer presented. Such a view stays on screen
// a little longer where it was, playing its leaving animation, and is then dropped. A transition
// stays in its parent, at its old place and size; a sheet stays on the window layer. Entering
// views are those that were not in the previous tree; both need an animation: the node's own or
// the one the tree message carries (without either, views come and go at once). Sheets bring
// their own. A view that leaves takes no input: it is inert while it plays.

import { children, element, single } from './tree.js';

// Sheets slide down in this time whatever the change that closed them carries (display.css).
const sheetTiming = { duration: 0.3, easing: 'ease-in' };

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

export function renderTransition(node, ctx, style) {
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

export function renderAnimated(node, ctx, style) {
  const p = node.p ?? {};
  const timing = animationTiming(p.animation) ?? { duration: 0.35, easing: 'ease-in-out' };
  const a = p.animation ?? {};
  style['--from'] = p.from ?? 1;
  style['--to'] = p.to ?? 1;
  style.animation = `repeat-opacity ${timing.duration}s ${timing.easing} 0s ${a.repeat ? 'infinite' : 1} ${a.autoreverses ? 'alternate' : 'normal'} both`;
  return single(node, ctx, style);
}

function walk(node, parent, index, visit) {
  if (!node || typeof node !== 'object') return;
  visit(node, parent, index);
  const kids = node.c ?? [];
  for (let i = 0; i < kids.length; i++) walk(kids[i], node, i, visit);
  const p = node.p;
  if (p) {
    for (const key of ['leading', 'trailing', 'search']) {
      if (Array.isArray(p[key])) for (const item of p[key]) walk(item, node, -1, visit);
    }
  }
}

export class Presence {
  constructor(redraw) {
    this.redraw = redraw;
    this.ids = null;
    this.fresh = new Set();
    this.entering = new Map();
    // What may leave, by id, as the previous tree had it: { node, parentId, parentType, index, layer }.
    this.present = new Map();
    // Views leaving, by id: { node, parentId, index, layer, timing, rect? }.
    this.gone = new Map();
    // The context each window-layer view was last drawn in, so a leaving sheet looks as it did.
    this.windowContexts = new Map();
  }

  isEntering(id) {
    const until = this.entering.get(id);
    return until !== undefined && until > performance.now();
  }

  // Called with each new tree before it is rendered, while the page still shows the old one.
  begin(root, messageTiming) {
    const ids = new Set();
    const present = new Map();
    walk(root, null, 0, (node, parent, index) => {
      // A view replaced by another kind in the same place (often `empty`) counts as gone.
      ids.add(`${node.id}|${node.t}`);
      if (!parent || index < 0) return;
      if (node.t === 'transition') {
        present.set(node.id, { node, parentId: parent.id, parentType: parent.t, index, layer: 'inline' });
      } else if (node.t === 'sheet' && parent.t === 'presenting') {
        present.set(node.id, { node, parentId: parent.id, parentType: parent.t, index, layer: 'window' });
      }
    });
    this.fresh = new Set();
    if (this.ids) for (const id of ids) if (!this.ids.has(id)) this.fresh.add(id);
    // An entering view keeps its entering animation until it ends, whatever redraws meanwhile.
    const now = performance.now();
    for (const [id, until] of this.entering) if (until <= now) this.entering.delete(id);
    for (const [id, entry] of present) {
      if (entry.layer !== 'inline' || !this.fresh.has(`${id}|transition`)) continue;
      const timing = animationTiming(entry.node.p?.animation) ?? messageTiming;
      if (timing) this.entering.set(id, now + timing.duration * 1000);
    }

    for (const [id, entry] of this.present) {
      if (present.has(id) || !ids.has(`${entry.parentId}|${entry.parentType}`)) continue;
      this.leave(id, entry, messageTiming);
    }
    // A view that comes back before it finished leaving simply stays.
    for (const id of this.gone.keys()) if (present.has(id)) this.gone.delete(id);
    this.ids = ids;
    this.present = present;
  }

  leave(id, entry, messageTiming) {
    const leaving = { ...entry };
    if (entry.layer === 'window') {
      leaving.timing = sheetTiming;
      leaving.ctx = this.windowContexts.get(id);
      if (!leaving.ctx) return;
    } else {
      leaving.timing = animationTiming(entry.node.p?.animation) ?? messageTiming;
      if (!leaving.timing) return;
      const element = document.querySelector(`[data-id="${CSS.escape(id)}"]`);
      if (!element) return;
      leaving.rect = {
        left: element.offsetLeft, top: element.offsetTop,
        width: element.offsetWidth, height: element.offsetHeight,
      };
    }
    this.gone.set(id, leaving);
    setTimeout(() => {
      if (this.gone.get(id) !== leaving) return;
      this.gone.delete(id);
      this.redraw();
    }, leaving.timing.duration * 1000 + 30);
  }

  // The rendered children of `parentId` with its leaving views put back at their old places.
  merge(parentId, rendered, ctx, axis, renderNode) {
    let out = null;
    for (const entry of this.gone.values()) {
      if (entry.layer !== 'inline' || entry.parentId !== parentId) continue;
      const leavingCtx = Object.create(ctx);
      leavingCtx.leavingNode = true;
      leavingCtx.timing = entry.timing;
      const vnode = renderNode(entry.node, leavingCtx, axis);
      if (!vnode) continue;
      const style = vnode.props.style ?? (vnode.props.style = {});
      Object.assign(style, {
        left: `${entry.rect.left}px`, top: `${entry.rect.top}px`,
        width: `${entry.rect.width}px`, height: `${entry.rect.height}px`, margin: 0, flex: 'none',
      });
      vnode.props.class += ' leaving-node';
      vnode.props.inert = true;
      out ??= rendered.slice();
      out.splice(Math.min(entry.index, out.length), 0, vnode);
    }
    return out ?? rendered;
  }

  // A tap is for the views that stay or come, never for one that leaves (leaving views are inert).
  // A view that slides in is not yet under the pointer where it is going to be; a tap that lands
  // within its final box goes to what will be there once it has arrived, as a person expects when
  // tapping a page that is still moving in.
  routeTap(event) {
    if (!event.isTrusted) return;
    const now = performance.now();
    for (const [id, until] of this.entering) {
      if (until <= now) continue;
      const entering = document.querySelector(`[data-id="${CSS.escape(id)}"]:not(.leaving-node)`);
      if (!entering || entering.contains(event.target)) continue;
      const animations = entering.getAnimations();
      if (!animations.length) continue;
      const times = animations.map((a) => a.currentTime);
      for (const a of animations) a.currentTime = a.effect.getComputedTiming().endTime;
      const target = document.elementFromPoint(event.clientX, event.clientY);
      animations.forEach((a, i) => { a.currentTime = times[i]; });
      if (!target || !entering.contains(target)) continue;
      event.stopPropagation();
      event.preventDefault();
      target.click();
      return;
    }
  }

  // What the window layer shows: the sheets and alerts presented now, then the sheets leaving.
  windowLayer(overlays) {
    for (const overlay of overlays) this.windowContexts.set(overlay.node.id, overlay.ctx);
    for (const id of this.windowContexts.keys()) {
      if (!overlays.some((o) => o.node.id === id) && !this.gone.has(id)) this.windowContexts.delete(id);
    }
    const leaving = [];
    for (const entry of this.gone.values()) {
      if (entry.layer === 'window') leaving.push({ node: entry.node, ctx: entry.ctx, leaving: true });
    }
    return [...overlays, ...leaving];
  }
}
