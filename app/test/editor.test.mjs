// verdeo end to end in Chromium: a plant added through the editor's five steps, with a photo file
// and a weekly reminder, lands in the store with its photo byte for byte, in the notification
// centre's file and in the log, and is not due on the day it was added.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launchVerdeo } from './verdeo.mjs';
import { resultsDir, startBrowser } from '../../platform/ui/display/web/test/browser.mjs';

let dataDir;
let browser;

const launch = () => launchVerdeo(dataDir);

before(async () => {
  dataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-editor-'));
  browser = await startBrowser();
  fs.mkdirSync(resultsDir, { recursive: true });
});

after(async () => {
  await browser?.stop();
  fs.rmSync(dataDir, { recursive: true, force: true });
});

test('a plant added through the five steps keeps its photo and its weekly reminder', async () => {
  // Past the onboarding, and already allowed to notify.
  fs.mkdirSync(path.join(dataDir, 'app'), { recursive: true });
  fs.writeFileSync(path.join(dataDir, 'app', 'defaults.json'),
    JSON.stringify({ hasCompletedOnboarding: { bool: true } }));
  fs.mkdirSync(path.join(dataDir, 'system'), { recursive: true });
  fs.writeFileSync(path.join(dataDir, 'system', 'notifications.json'),
    JSON.stringify({ authorization: 'authorized', pending: [] }));

  const app = await launch();
  const page = await browser.context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(app.address);
  await page.getByRole('tab', { name: 'Activities' }).waitFor();

  // A real photo file, encoded by the browser itself.
  const photoPath = path.join(dataDir, 'fern.jpg');
  const dataURL = await page.evaluate(() => {
    const canvas = document.createElement('canvas');
    canvas.width = 64;
    canvas.height = 48;
    const g = canvas.getContext('2d');
    g.fillStyle = '#1FC887';
    g.fillRect(0, 0, 64, 48);
    g.fillStyle = '#116B49';
    g.fillRect(16, 8, 24, 32);
    return canvas.toDataURL('image/jpeg', 0.9);
  });
  const photo = Buffer.from(dataURL.split(',')[1], 'base64');
  fs.writeFileSync(photoPath, photo);

  await page.getByRole('button', { name: 'Add Plant' }).click();
  const name = page.getByPlaceholder('Plant Name (e.g. Kelly)');
  await name.waitFor();
  await name.fill('Kelly');
  await page.getByText('Next', { exact: true }).click();

  await page.getByText('Tap to add a photo').waitFor();
  await page.locator('input[type=file]').setInputFiles(photoPath);
  // The preview is the chosen file itself, fetched back from the display server.
  const preview = page.locator('img[src^="/picked/"]');
  await preview.waitFor();
  await page.waitForFunction(() => document.querySelector('img[src^="/picked/"]')?.naturalWidth === 64);
  await page.getByText('Remove Photo').waitFor();
  await page.screenshot({ path: path.join(resultsDir, 'editor-photo.png') });
  await page.getByText('Next', { exact: true }).click();

  await page.getByText('Care Frequency').waitFor();
  await page.getByText('Next', { exact: true }).click();

  await page.getByRole('switch', { name: 'Enable Weekly Reminders' }).click();
  await page.getByText('Every week').waitFor();
  await page.getByText('Next', { exact: true }).click();

  await page.getByText('Weekly, Medium light, Moderate water').waitFor();
  await page.screenshot({ path: path.join(resultsDir, 'editor-summary.png') });
  await page.getByRole('button', { name: 'Save Plant' }).click();

  // The sheet closes, and the new plant is not due on the day it was added.
  await page.getByPlaceholder('Plant Name (e.g. Kelly)').waitFor({ state: 'detached' });
  await page.getByText('All caught up!').waitFor();
  assert.deepEqual(problems, []);
  await page.close();
  assert.equal(await app.quit(), 0);

  assert.match(app.output(), /^Creazione nuova pianta: Kelly$/m);
  assert.match(app.output(), /^✅ Pianta salvata con successo: Kelly$/m);

  const store = path.join(dataDir, 'app', 'Verdeo.store');
  const rows = execFileSync('sqlite3', ['-separator', '|', store,
    'SELECT id, name, careFrequency, notificationsEnabled, hex(imageData) FROM Plant'],
  { encoding: 'utf8' }).trim().split('\n');
  assert.equal(rows.length, 1);
  const [id, storedName, frequency, reminders, imageHex] = rows[0].split('|');
  assert.equal(storedName, 'Kelly');
  assert.equal(frequency, 'Weekly');
  assert.equal(reminders, '1');
  assert.equal(imageHex, photo.toString('hex').toUpperCase(), 'the photo exactly as chosen');

  const centre = JSON.parse(fs.readFileSync(path.join(dataDir, 'system', 'notifications.json'), 'utf8'));
  assert.equal(centre.pending.length, 1);
  assert.equal(centre.pending[0].identifier, `plant-care-${id.toUpperCase()}`);
  assert.equal(centre.pending[0].body, 'Time to take care of your Kelly! 💚');
  assert.deepEqual(centre.pending[0].trigger, {
    repeats: true, dateComponents: { hour: 9, minute: 0, weekday: 2 },
  });
});
