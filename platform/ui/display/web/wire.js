// Reads a tree as the wire carries it (platform/ui/WIRE.md, "Compact form") into the form the
// builders work with: every node with its full id, `on` mapping each event to its handler id,
// each repeated `p` and `s` object in place of its number, and each alert button with its
// `handler`. The tree is changed in place; shared objects are shared, and nothing changes them.

const bars = ['leading', 'trailing', 'search'];

export function readTree(root) {
  const props = [];
  const styles = [];
  const resolve = (value, seen, sharing) => {
    if (typeof value === 'number') return seen[value] ?? {};
    if (sharing && value && typeof value === 'object') seen.push(value);
    return value;
  };
  const visit = (node, parentId, position, sharing) => {
    if (!node || typeof node !== 'object') return;
    const id = parentId === null ? (node.id ?? position) : `${parentId}.${node.id ?? position}`;
    node.id = id;
    if (node.p !== undefined) {
      if (node.t === 'page' && typeof node.p === 'object') {
        // The top bar's nodes are written out in full: nothing in them is shared.
        for (const bar of bars) {
          const items = node.p[bar];
          if (Array.isArray(items)) items.forEach((item, i) => visit(item, id, `${bar}${i}`, false));
        }
      } else {
        node.p = resolve(node.p, props, sharing);
      }
    }
    if (node.s !== undefined) node.s = resolve(node.s, styles, sharing);
    if (Array.isArray(node.on)) {
      const handlers = {};
      for (const event of node.on) handlers[event] = `${id}:${event}`;
      node.on = handlers;
    }
    if (node.t === 'alert' && Array.isArray(node.p?.buttons)) {
      node.p = {
        ...node.p,
        buttons: node.p.buttons.map((button, i) => ({ ...button, handler: node.on?.[`button.${i}`] ?? null })),
      };
    }
    const kids = node.c;
    if (Array.isArray(kids)) for (let i = 0; i < kids.length; i++) visit(kids[i], id, String(i), sharing);
  };
  visit(root, null, '0', true);
  return root;
}
