// The compact tree of the wire read back into full ids, handler ids and shared objects.

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { readTree } from '../wire.js';

test('ids, handlers and repeated objects come back as the display uses them', () => {
  const root = readTree({
    t: 'vstack',
    c: [
      { t: 'text', p: { text: 'Done' }, s: { color: 'white' } },
      { t: 'button', id: '@a', on: ['tap'], c: [{ t: 'text', p: 0, s: 0 }] },
      { t: 'text', id: '2', p: { text: 'tail' }, s: 0 },
      {
        t: 'page', p: { title: 'Plants', trailing: [{ t: 'button', on: ['tap'], p: { label: 'Add' } }] },
        c: [{ t: 'alert', p: { title: 'Gone', buttons: [{ label: 'OK', role: 'cancel' }] }, on: ['dismiss', 'button.0'] }],
      },
    ],
  });
  assert.equal(root.id, '0');
  assert.deepEqual(root.c[1].c[0], {
    t: 'text', id: '0.@a.0', p: { text: 'Done' }, s: { color: 'white' },
  });
  assert.deepEqual(root.c[1].on, { tap: '0.@a:tap' });
  assert.equal(root.c[2].id, '0.2');
  assert.deepEqual(root.c[2].s, { color: 'white' });
  const page = root.c[3];
  assert.equal(page.p.trailing[0].id, '0.3.trailing0');
  assert.deepEqual(page.p.trailing[0].on, { tap: '0.3.trailing0:tap' });
  assert.deepEqual(page.c[0].p.buttons, [{ label: 'OK', role: 'cancel', handler: '0.3.0:button.0' }]);
  assert.equal(readTree({ t: 'text', id: '@root' }).id, '@root');
});
