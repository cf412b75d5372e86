// The gradient as CSS draws it: its colour at every point of the box must be the colour of the
// gradient between two unit points, taken in the box's pixels.

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { cssGradient, gradientIsAxial } from '../style.js';

// What CSS does with `linear-gradient(<angle>deg, c0 p0%, c1 p1%)` on a w × h box: the gradient
// line runs through the centre at that angle (0deg up, clockwise) and is |w·sin a| + |h·cos a|
// long; the position of a point is its projection on that line, 0 at the line's start.
function cssPosition(css, w, h, x, y) {
  const [, angle] = /linear-gradient\(([-\d.]+)deg/.exec(css);
  const rad = (Number(angle) * Math.PI) / 180;
  const ux = Math.sin(rad);
  const uy = -Math.cos(rad);
  const length = Math.abs(w * ux) + Math.abs(h * uy);
  return ((x - w / 2) * ux + (y - h / 2) * uy) / length + 0.5;
}

function stopPositions(css) {
  return [...css.matchAll(/ ([-\d.]+)%/g)].map((m) => Number(m[1]) / 100);
}

// The fraction of the way from `start` to `end` at (x, y): the projection on the segment between
// the unit points, in pixels.
function wanted(start, end, w, h, x, y) {
  const dx = (end.x - start.x) * w;
  const dy = (end.y - start.y) * h;
  return ((x - start.x * w) * dx + (y - start.y * h) * dy) / (dx * dx + dy * dy);
}

const two = (start, end) => ({
  stops: [{ color: 'red', location: 0 }, { color: 'blue', location: 1 }], start, end,
});

test('every point of the box gets the colour of its place between the unit points', () => {
  const cases = [
    { start: { x: 0, y: 0 }, end: { x: 0.5, y: 0.5 }, w: 390, h: 844 },
    { start: { x: 0, y: 0 }, end: { x: 1, y: 1 }, w: 390, h: 844 },
    { start: { x: 0, y: 0 }, end: { x: 1, y: 1 }, w: 300, h: 300 },
    { start: { x: 1, y: 0 }, end: { x: 0, y: 1 }, w: 120, h: 40 },
    { start: { x: 0.2, y: 0.9 }, end: { x: 0.7, y: 0.1 }, w: 844, h: 390 },
    { start: { x: 0.5, y: 0 }, end: { x: 0.5, y: 1 }, w: 390, h: 844 },
    { start: { x: 1, y: 0.5 }, end: { x: 0, y: 0.5 }, w: 50, h: 500 },
  ];
  for (const { start, end, w, h } of cases) {
    const css = cssGradient(two(start, end), w, h);
    const [from, to] = stopPositions(css);
    for (const [x, y] of [[0, 0], [w, 0], [0, h], [w, h], [w / 2, h / 2], [w * 0.3, h * 0.8]]) {
      // CSS interpolates between the stops by position along its line.
      const shown = (cssPosition(css, w, h, x, y) - from) / (to - from);
      assert.ok(Math.abs(shown - wanted(start, end, w, h, x, y)) < 1e-4,
        `${JSON.stringify({ start, end, w, h, x, y })}: ${shown}`);
    }
  }
});

test('the backdrop runs from the top-leading corner to the centre of the 390 × 844 page', () => {
  const backdrop = {
    stops: [{ color: 'rgba(21,122,83,1)', location: 0 }, { color: 'rgba(10,19,10,1)', location: 1 }],
    start: { x: 0, y: 0 }, end: { x: 0.5, y: 0.5 },
  };
  const css = cssGradient(backdrop, 390, 844);
  const angle = 180 - (Math.atan(195 / 422) * 180) / Math.PI;
  assert.equal(css, `linear-gradient(${angle.toFixed(3)}deg, rgba(21,122,83,1) 0.000%, rgba(10,19,10,1) 50.000%)`);
  assert.notEqual(cssGradient(backdrop, 390, 844), cssGradient(backdrop, 300, 300), 'depends on the proportions');
});

test('gradients along an axis look the same on every box', () => {
  const down = two({ x: 0.5, y: 0 }, { x: 0.5, y: 1 });
  assert.ok(gradientIsAxial(down));
  assert.equal(cssGradient(down, 20, 900), cssGradient(down, 900, 20));
  assert.ok(!gradientIsAxial(two({ x: 0, y: 0 }, { x: 1, y: 1 })));
});
