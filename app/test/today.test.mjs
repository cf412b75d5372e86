// verdeo end to end in Chromium: the today screen over a store with plants. Stepping to tomorrow
// and marking a plant done takes it off the list, and the new last care date is on disk within a
// second, by automatic saving alone.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { resultsDir, startBrowser } from '../../platform/ui/display/web/test/browser.mjs';
import { launchVerdeo, skipOnboarding } from './verdeo.mjs';

let dataDir;
let browser;

before(async () => {
  dataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-today-'));
  browser = await startBrowser();
  fs.mkdirSync(resultsDir, { recursive: true });
});

after(async () => {
  await browser?.stop();
  fs.rmSync(dataDir, { recursive: true, force: true });
});

// Seconds since 2001-01-01 UTC, as the store keeps dates.
const referenceSeconds = (ms) => ms / 1000 - 978307200;

function storedLastCare(name) {
  const store = path.join(dataDir, 'app', 'Verdeo.store');
  const out = execFileSync('sqlite3', [store, `SELECT lastCareDate FROM Plant WHERE name = '${name}'`]);
  return Number(String(out).trim());
}

test('step to tomorrow, mark a plant done, and find its care on disk within a second', async () => {
  skipOnboarding(dataDir);
  const app = await launchVerdeo(dataDir, ['--sample-data']);
  const page = await browser.context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(app.address);
  await page.getByText("Today's Care").waitFor();
  // The sample's daily basil was cared for yesterday: due today, and tomorrow too.
  await page.getByText('Basilico').waitFor();
  const before = storedLastCare('Basilico');

  await page.getByRole('button', { name: 'Next day' }).click();
  await page.getByText('Tomorrow', { exact: true }).waitFor();
  await page.getByText('Scheduled Care').waitFor();
  // The innermost box holding both the name and a "Done" button is the plant's row.
  const row = page.locator('div')
    .filter({ hasText: 'Basilico' })
    .filter({ has: page.getByRole('button', { name: 'Done' }) })
    .last();
  const done = row.getByRole('button', { name: 'Done' });
  const tapped = Date.now();
  await done.click();
  await page.getByText('Basilico').waitFor({ state: 'detached', timeout: 5000 });
  await page.screenshot({ path: path.join(resultsDir, 'today-after-done.png') });

  // Tomorrow at this time of day, written by automatic saving within a second of the care.
  const expected = referenceSeconds(tapped) + 86400;
  let stored = storedLastCare('Basilico');
  while (Math.abs(stored - expected) > 5 && Date.now() - tapped < 1500) {
    await new Promise((resolve) => setTimeout(resolve, 50));
    stored = storedLastCare('Basilico');
  }
  assert.ok(Math.abs(stored - expected) < 5, `stored ${stored}, expected about ${expected}`);
  assert.ok(Date.now() - tapped < 1500, 'on disk within a second of the care');
  assert.notEqual(stored, before);

  assert.deepEqual(problems, []);
  await page.close();
  assert.equal(await app.quit(), 0);
});
