// Tap to new frame on the today screen in Chromium, with 200 plants due: the release verdeo over a
// store seeded with 200 daily plants cared for two days ago, so that "Today" and "Tomorrow" both
// list all 200. Each tap on the day navigator lands at a random moment within a frame, as a
// person's does; the figures are until the new title is in the DOM and until the frame that shows
// it. Run after scripts/run has built the release preset:
//   node bench/today-tap-latency.mjs [taps]
import { execFileSync, spawn } from 'node:child_process';
import { randomUUID } from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const { chromium } = await import(path.join(root, 'platform/ui/display/web/node_modules/playwright-core/index.mjs'));
const program = path.join(root, 'build/release/app/verdeo');
const taps = Number(process.argv[2] ?? 200);

const dataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-latency-'));
fs.mkdirSync(path.join(dataDir, 'app'), { recursive: true });
fs.writeFileSync(path.join(dataDir, 'app', 'defaults.json'),
  JSON.stringify({ hasCompletedOnboarding: { bool: true } }));

async function start() {
  const child = spawn(program, ['--data-dir', dataDir, '--no-open', '--port', '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  const address = await new Promise((resolve) => {
    let seen = '';
    child.stdout.on('data', (chunk) => {
      seen += chunk;
      const found = /running at (http:\S+)/.exec(seen);
      if (found) resolve(found[1]);
    });
  });
  return { child, address };
}

// A first run creates the store; then the plants go in with the store's own column forms.
const first = await start();
first.child.kill('SIGTERM');
await new Promise((resolve) => first.child.on('exit', resolve));
const twoDaysAgo = Date.now() / 1000 - 978307200 - 2 * 86400;
const rows = Array.from({ length: 200 }, (_, i) =>
  `('${randomUUID().toUpperCase()}','Plant ${i}','Monstera',${twoDaysAgo},${twoDaysAgo},'Daily','Medium','Moderate','',NULL,'Living Room',0,${twoDaysAgo})`);
execFileSync('sqlite3', [path.join(dataDir, 'app', 'Verdeo.store'), `INSERT INTO Plant VALUES ${rows.join(',')};`]);

const app = await start();
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
const page = await browser.newPage({ viewport: { width: 390, height: 844 } });
await page.goto(app.address);
await page.getByText('Plant 199').waitFor();
const timings = await page.evaluate(async (count) => {
  const frame = () => new Promise((resolve) => requestAnimationFrame(() => resolve()));
  const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
  // The day title keeps its element from tree to tree; only its text changes.
  const title = [...document.querySelectorAll('*')].find((e) => e.childElementCount === 0 && e.textContent === 'Today');
  const dom = [];
  const shown = [];
  for (let i = 0; i < count; i++) {
    await frame();
    await pause(Math.random() * 14);
    const button = document.querySelector(`[aria-label="${i % 2 ? 'Previous day' : 'Next day'}"]`);
    const expected = i % 2 ? 'Today' : 'Tomorrow';
    let updated = 0;
    const changed = new Promise((resolve) => {
      const observer = new MutationObserver(() => {
        if (title.textContent === expected) {
          updated = performance.now();
          observer.disconnect();
          resolve();
        }
      });
      observer.observe(title, { characterData: true, childList: true, subtree: true });
    });
    const start = performance.now();
    button.click();
    await changed;
    await frame();
    dom.push(updated - start);
    shown.push(performance.now() - start);
  }
  return { dom, shown };
}, taps);
const summary = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (p) => sorted[Math.min(sorted.length - 1, Math.floor((p / 100) * sorted.length))].toFixed(2);
  return { p50: at(50), p95: at(95), max: sorted[sorted.length - 1].toFixed(2) };
};
console.log(`200 rows due; ${taps} taps on the day navigator`);
console.log(`tap to new tree in the DOM (ms): ${JSON.stringify(summary(timings.dom))}`);
console.log(`tap to the frame showing it (ms): ${JSON.stringify(summary(timings.shown))}`);
await browser.close();
app.child.kill('SIGTERM');
fs.rmSync(dataDir, { recursive: true, force: true });
