// Entering and leaving views. A `transition` node that is in the new tree but was not in the
// previous one enters; one that was there and is gone stays on screen a little longer, where it
// was, playing its leaving animation. Both need an animation: the node's own or the one the tree
// message carries (without either, views come and go at once).

import { animationTiming } from './render.js';

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
    this.transitions = new Map();
    this.leaving = new Map();
    this.fresh = new Set();
    this.entering = new Map();
  }

  isEntering(id) {
    const until = this.entering.get(id);
    return until !== undefined && until > performance.now();
  }

  // Called with each new tree before it is rendered, while the page still shows the old one.
  begin(root, messageTiming) {
    const ids = new Set();
    const transitions = new Map();
    walk(root, null, 0, (node, parent, index) => {
      // A view replaced by another kind in the same place (often `empty`) counts as gone.
      ids.add(`${node.id}|${node.t}`);
      if (node.t === 'transition' && parent && index >= 0) {
        transitions.set(node.id, { node, parentId: parent.id, parentType: parent.t, index });
      }
    });
    this.fresh = new Set();
    if (this.ids) for (const id of ids) if (!this.ids.has(id)) this.fresh.add(id);
    // An entering view keeps its entering animation until it ends, whatever redraws meanwhile.
    const now = performance.now();
    for (const [id, until] of this.entering) if (until <= now) this.entering.delete(id);
    for (const [id, entry] of transitions) {
      if (!this.fresh.has(`${id}|transition`)) continue;
      const timing = animationTiming(entry.node.p?.animation) ?? messageTiming;
      if (timing) this.entering.set(id, now + timing.duration * 1000);
    }

    for (const [id, entry] of this.transitions) {
      if (transitions.has(id) || !ids.has(`${entry.parentId}|${entry.parentType}`)) continue;
      const timing = animationTiming(entry.node.p?.animation) ?? messageTiming;
      if (!timing) continue;
      const element = document.querySelector(`[data-id="${CSS.escape(id)}"]`);
      if (!element) continue;
      const rect = {
        left: element.offsetLeft, top: element.offsetTop,
        width: element.offsetWidth, height: element.offsetHeight,
      };
      const list = this.leaving.get(entry.parentId) ?? [];
      list.push({ ...entry, rect, timing });
      this.leaving.set(entry.parentId, list);
      setTimeout(() => {
        const now = this.leaving.get(entry.parentId) ?? [];
        const rest = now.filter((e) => e.node.id !== id);
        if (rest.length) this.leaving.set(entry.parentId, rest);
        else this.leaving.delete(entry.parentId);
        this.redraw();
      }, timing.duration * 1000 + 30);
    }
    // A view that comes back before it finished leaving simply stays.
    for (const [parentId, list] of this.leaving) {
      const rest = list.filter((e) => !transitions.has(e.node.id));
      if (rest.length) this.leaving.set(parentId, rest);
      else this.leaving.delete(parentId);
    }
    this.ids = ids;
    this.transitions = transitions;
    this.messageTiming = messageTiming;
  }

  // The rendered children of `parentId` with its leaving views put back at their old places.
  merge(parentId, rendered, ctx, axis, renderNode) {
    const list = this.leaving.get(parentId);
    if (!list) return rendered;
    const out = rendered.slice();
    for (const entry of list) {
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
      out.splice(Math.min(entry.index, out.length), 0, vnode);
    }
    return out;
  }
}
