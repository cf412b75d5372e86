// The particle backdrop: a canvas redrawn on every animation frame from its size w × h and the
// time t, with the layer table the node carries (platform/ui/WIRE.md, "The particle backdrop").
// Nothing is kept between frames: the random base size and opacity are drawn afresh for every
// particle on every frame, base size first.

import { h } from 'preact';
import { useEffect, useRef } from 'preact/hooks';

// t runs from `from` to `to` linearly over `duration` seconds and starts again, counted from
// when the node first appeared.
export function timeAt(animateTime, elapsedSeconds) {
  const from = animateTime?.from ?? 0;
  const to = animateTime?.to ?? from;
  const duration = animateTime?.duration ?? 0;
  if (!(duration > 0)) return to;
  const phase = (elapsedSeconds % duration) / duration;
  return from + (to - from) * phase;
}

// Calls `draw(x, y, size, opacity)` for every particle of every layer, in drawing order.
export function eachParticle(layers, w, h, t, random, draw) {
  if (!(w > 0 && h > 0)) return;
  for (const layer of layers ?? []) {
    const count = Math.floor((w * h) / layer.areaPerParticle);
    const offset = layer.indexOffset ?? 0;
    const { x1: X1, y1: Y1, x2: X2, y2: Y2, pulse, twinkle } = layer;
    for (let i = 0; i < count; i++) {
      const a = (i + offset) * 0.1;
      const x1 = Math.sin(a * X1.a + t * X1.t);
      const y1 = Math.cos(a * Y1.a + t * Y1.t);
      const x2 = Math.sin(a * X2.a + t * X2.t);
      const y2 = Math.cos(a * Y2.a + t * Y2.t);
      const s0 = layer.size.min + random() * (layer.size.max - layer.size.min);
      const o0 = layer.opacity.min + random() * (layer.opacity.max - layer.opacity.min);
      const p = Math.sin(a * pulse.a + t * pulse.t);
      const q = Math.sin(a * twinkle.a + t * twinkle.t);
      const x = w / 2 + x1 * w * 0.5 + x2 * layer.x2Scale;
      const y = h / 2 + y1 * h * 0.5 + y2 * layer.y2Scale;
      const size = s0 * (1 + layer.pulseAmount * p);
      const opacity = o0 * (1 + layer.twinkleAmount * q);
      draw(x, y, size, opacity);
    }
  }
}

export function Particles({ node, style }) {
  const canvas = useRef(null);
  const props = useRef(node.p);
  props.current = node.p;
  const count = useRef(0);

  useEffect(() => {
    const element = canvas.current;
    const context = element.getContext('2d');
    const started = performance.now();
    let frame = 0;
    let w = 0;
    let hgt = 0;
    const resize = () => {
      const box = element.getBoundingClientRect();
      const ratio = window.devicePixelRatio || 1;
      w = box.width;
      hgt = box.height;
      element.width = Math.max(1, Math.round(w * ratio));
      element.height = Math.max(1, Math.round(hgt * ratio));
      context.setTransform(ratio, 0, 0, ratio, 0, 0);
    };
    const observer = new ResizeObserver(resize);
    observer.observe(element);
    resize();
    const draw = (now) => {
      const p = props.current ?? {};
      const t = timeAt(p.animateTime, (now - started) / 1000);
      context.clearRect(0, 0, w, hgt);
      context.fillStyle = '#fff';
      let drawn = 0;
      eachParticle(p.layers, w, hgt, t, Math.random, (x, y, size, opacity) => {
        if (!(size > 0)) return;
        context.globalAlpha = Math.min(1, Math.max(0, opacity));
        context.beginPath();
        context.ellipse(x + size / 2, y + size / 2, size / 2, size / 2, 0, 0, Math.PI * 2);
        context.fill();
        drawn++;
      });
      context.globalAlpha = 1;
      count.current = drawn;
      element.dataset.particles = String(drawn);
      element.dataset.t = t.toFixed(3);
      frame = requestAnimationFrame(draw);
    };
    frame = requestAnimationFrame(draw);
    return () => {
      cancelAnimationFrame(frame);
      observer.disconnect();
    };
  }, []);

  return h('div', { class: 'n particles-box', 'data-id': node.id, style }, h('canvas', {
    ref: canvas, class: 'particles', 'aria-hidden': 'true',
  }));
}
