// The backdrop's drawing as a function of w, h and t, without a browser.

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { eachParticle, timeAt } from '../particles.js';

const wave = (a, t) => ({ a, t });
const range = (min, max) => ({ min, max });
const small = {
  areaPerParticle: 600, indexOffset: 0, x1: wave(12.9898, 0.1), y1: wave(78.233, 0.15),
  x2: wave(3, 1.5), y2: wave(2.5, 1.2), x2Scale: 80, y2Scale: 60, size: range(0.4, 1.0),
  pulse: wave(4, 1.2), pulseAmount: 0.4, opacity: range(0.15, 0.35), twinkle: wave(2, 0.9),
  twinkleAmount: 0.25,
};
const large = {
  areaPerParticle: 1500, indexOffset: 1000, x1: wave(15.1234, 0.08), y1: wave(67.891, 0.12),
  x2: wave(2, 1), y2: wave(1.8, 0.8), x2Scale: 100, y2Scale: 80, size: range(1.2, 2.0),
  pulse: wave(3, 0.8), pulseAmount: 0.5, opacity: range(0.1, 0.25), twinkle: wave(1.5, 0.7),
  twinkleAmount: 0.3,
};

function collect(w, h, t, random = () => 0.5) {
  const out = [];
  eachParticle([small, large], w, h, t, random, (x, y, size, opacity) => out.push({ x, y, size, opacity }));
  return out;
}

test('counts follow the area, small layer first', () => {
  const cases = [
    { w: 390, h: 844, count: 548 + 219 },
    { w: 30, h: 20, count: 1 },
    { w: 0, h: 844, count: 0 },
    { w: 390, h: 0, count: 0 },
  ];
  for (const c of cases) assert.equal(collect(c.w, c.h, 0).length, c.count, `${c.w}×${c.h}`);
});

test('a particle is placed, sized and lit by the formulas', () => {
  const [first] = collect(390, 844, 2);
  const a = 0;
  const t = 2;
  const x = 195 + Math.sin(a + t * 0.1) * 195 + Math.sin(a + t * 1.5) * 80;
  const y = 422 + Math.cos(a + t * 0.15) * 422 + Math.cos(a + t * 1.2) * 60;
  assert.ok(Math.abs(first.x - x) < 1e-9 && Math.abs(first.y - y) < 1e-9);
  assert.ok(Math.abs(first.size - 0.7 * (1 + 0.4 * Math.sin(t * 1.2))) < 1e-12);
  assert.ok(Math.abs(first.opacity - 0.25 * (1 + 0.25 * Math.sin(t * 0.9))) < 1e-12);
  const largeFirst = collect(390, 844, 2)[548];
  const b = 1000 * 0.1;
  assert.ok(Math.abs(largeFirst.x - (195 + Math.sin(b * 15.1234 + t * 0.08) * 195 + Math.sin(b * 2 + t) * 100)) < 1e-9);
});

test('random draws are fresh per particle, base size before base opacity', () => {
  const draws = [];
  let n = 0;
  collect(30, 20, 0, () => {
    draws.push(n);
    return [0, 1][n++ % 2];
  });
  assert.equal(draws.length, 2);
  const [only] = collect(30, 20, 0, (() => { let k = 0; return () => [0, 1][k++]; })());
  assert.ok(Math.abs(only.size - 0.4 * (1 + 0.4 * Math.sin(0))) < 1e-12, 'first draw is the size');
  assert.ok(Math.abs(only.opacity - 0.35 * (1 + 0.25 * Math.sin(0))) < 1e-12, 'second the opacity');
});

test('time runs 0 → 6 over six seconds and starts again', () => {
  const animateTime = { from: 0, to: 6, duration: 6 };
  const cases = [[0, 0], [1.5, 1.5], [5.999, 5.999], [6, 0], [7.5, 1.5]];
  for (const [elapsed, t] of cases) assert.ok(Math.abs(timeAt(animateTime, elapsed) - t) < 1e-9, `${elapsed}`);
  assert.equal(timeAt(undefined, 3), 0);
});
