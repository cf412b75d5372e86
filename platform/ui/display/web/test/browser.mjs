// Starts the display demo server and Debian's Chromium for the browser tests. Chromium runs
// headless with a fresh profile and everything that would reach the network turned off.

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const resultsDir = path.resolve(here, '../../../../../test-results');

export async function startDemo() {
  const program = process.env.VERDEO_DISPLAY_DEMO;
  if (!program) throw new Error('VERDEO_DISPLAY_DEMO must name the verdeo_display_demo executable');
  const child = spawn(program, [], { stdio: ['ignore', 'pipe', 'inherit'] });
  const address = await new Promise((resolve, reject) => {
    let seen = '';
    const timer = setTimeout(() => reject(new Error(`no address from the demo: ${seen}`)), 15000);
    child.stdout.on('data', (chunk) => {
      seen += chunk;
      const found = /running at (http:\S+)/.exec(seen);
      if (found) {
        clearTimeout(timer);
        resolve(found[1]);
      }
    });
    child.on('exit', (code) => reject(new Error(`demo exited with ${code}: ${seen}`)));
  });
  const url = new URL(address);
  return {
    address,
    origin: url.origin,
    token: new URLSearchParams(url.hash.slice(1)).get('token'),
    async stop() {
      if (child.exitCode !== null) return;
      const exited = new Promise((resolve) => child.on('exit', resolve));
      child.kill('SIGTERM');
      await exited;
    },
  };
}

export async function startBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    viewport: { width: 600, height: 900 },
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
  return {
    context,
    async stop() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

export function percentile(sorted, p) {
  if (!sorted.length) return NaN;
  const rank = Math.min(sorted.length - 1, Math.max(0, Math.ceil((p / 100) * sorted.length) - 1));
  return sorted[rank];
}

const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// The serious and critical accessibility faults axe-core finds on what the page shows now, as
// lines "rule: what is wrong (where)"; an empty list when there are none.
export async function accessibilityFaults(page) {
  if (!await page.evaluate(() => typeof window.axe === 'object')) await page.evaluate(axeSource);
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run(document, { resultTypes: ['violations'] });
    return result.violations.map((v) => ({
      id: v.id, impact: v.impact, help: v.help, targets: v.nodes.map((n) => n.target.join(' ')),
    }));
  });
  return violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id}: ${v.help} (${v.targets.slice(0, 3).join(', ')})`);
}
