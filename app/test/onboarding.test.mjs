// verdeo end to end in Chromium: a first launch walks through the onboarding into the tabs, and
// the next launch on the same data folder goes straight to the tabs.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launchVerdeo } from './verdeo.mjs';
import { accessibilityFaults, resultsDir, startBrowser } from '../../platform/ui/display/web/test/browser.mjs';

let dataDir;
let browser;

const sentences = [
  "Stop wondering if you're killing your plants",
  'Transform from plant killer to plant expert',
  'Never miss another watering day',
  'Watch your green friends flourish',
  'Join a thriving community',
  'Ready to turn your home into the green sanctuary',
];

const launch = (folder = dataDir) => launchVerdeo(folder);

before(async () => {
  dataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-app-'));
  browser = await startBrowser();
  fs.mkdirSync(resultsDir, { recursive: true });
});

after(async () => {
  await browser?.stop();
  fs.rmSync(dataDir, { recursive: true, force: true });
});

test('a first launch walks through the onboarding into the tabs', async () => {
  const app = await launch();
  const page = await browser.context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(app.address);

  await page.getByText('Welcome to Verdeo').waitFor();
  await page.waitForTimeout(300);
  await page.screenshot({ path: path.join(resultsDir, 'onboarding-welcome.png') });
  assert.deepEqual(await accessibilityFaults(page), [], 'the welcome page');
  assert.equal(await page.getByRole('img', { name: 'A potted plant putting out new leaves' }).count(), 1);
  assert.equal(await page.getByRole('main').count(), 1);
  await page.getByRole('button', { name: 'Start tracking' }).click();

  for (const [index, start] of sentences.entries()) {
    // The sentence types itself out; the hint follows half a second after its last character.
    const sentence = page.getByText(start);
    await sentence.waitFor({ timeout: 10000 });
    await page.getByText('Tap to continue').waitFor({ timeout: 10000 });
    if (index === 0) {
      await page.screenshot({ path: path.join(resultsDir, 'onboarding-story.png') });
      assert.deepEqual(await accessibilityFaults(page), [], 'a story page');
    }
    await sentence.click();
  }

  await page.getByRole('tab', { name: 'Activities' }).waitFor();
  assert.deepEqual(await page.getByRole('tab').allTextContents(), ['Activities', 'Plants', 'Expert']);
  assert.equal(await page.getByRole('tab', { name: 'Activities' }).getAttribute('aria-selected'), 'true');
  await page.screenshot({ path: path.join(resultsDir, 'tabs.png') });
  assert.deepEqual(await accessibilityFaults(page), [], 'the first tab');
  await page.getByRole('tab', { name: 'Plants' }).click();
  await page.getByRole('heading', { name: 'Plants' }).waitFor();
  assert.deepEqual(await accessibilityFaults(page), [], 'the plants tab');
  assert.deepEqual(problems, []);
  await page.close();
  assert.equal(await app.quit(), 0);

  const defaults = JSON.parse(fs.readFileSync(path.join(dataDir, 'app', 'defaults.json'), 'utf8'));
  assert.deepEqual(defaults.hasCompletedOnboarding, { bool: true });
});

test('the next launch goes straight to the tabs', async () => {
  const app = await launch();
  const page = await browser.context.newPage();
  await page.goto(app.address);
  await page.getByRole('tab', { name: 'Activities' }).waitFor();
  assert.equal(await page.getByText('Welcome to Verdeo').count(), 0);
  await page.close();
  assert.equal(await app.quit(), 0);
});

test('taps made while a page slides in reach that page, once each', async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-app-'));
  const app = await launch(folder);
  const page = await browser.context.newPage();
  await page.goto(app.address);
  await page.getByText('Welcome to Verdeo').waitFor();
  // Whether a page was still leaving when each tap came down.
  await page.evaluate(() => {
    window.tapsDuringChange = [];
    document.addEventListener('pointerdown', () => {
      window.tapsDuringChange.push(document.querySelector('.leaving-node') !== null);
    }, true);
  });
  const box = await page.locator('#screen').boundingBox();
  const tap = () => page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  const rev = () => page.evaluate(() => window.verdeoDisplay.rev);
  await page.getByRole('button', { name: 'Start tracking' }).click();

  for (const [index, start] of sentences.entries()) {
    // As soon as the page is there, while it still slides in over the one leaving, the first
    // tap completes its sentence at once (typing it takes seconds, a tree per character) ...
    await page.waitForFunction((n) => {
      const entering = document.querySelector(`[data-id$="@page-${n}"]:not(.leaving-node)`);
      return entering && document.querySelector('.leaving-node');
    }, index + 1, { polling: 'raf' });
    const shown = page.locator(`[data-id$="@page-${index + 1}"]:not(.leaving-node)`);
    const before = await rev();
    await tap();
    await shown.getByText('Tap to continue').waitFor();
    assert.ok(await shown.getByText(start).isVisible(), start);
    // Typing out the whole sentence takes some 80 trees; a few more may come between reading the
    // revision and the tap landing on a loaded machine (a sanitizer build types on meanwhile).
    assert.ok(await rev() - before <= 15, `the tap on page ${index + 1} completed its sentence`);
    // ... and the second moves on by one page.
    await tap();
  }

  await page.getByRole('tab', { name: 'Activities' }).waitFor();
  const during = (await page.evaluate(() => window.tapsDuringChange)).slice(1);
  assert.equal(during.length, 12);
  assert.deepEqual(during.filter((_, i) => i % 2 === 0), Array(6).fill(true), 'first taps came during the change');
  assert.doesNotMatch(app.output(), /Ignored an event for an unknown handler/);
  await page.close();
  assert.equal(await app.quit(), 0);
  fs.rmSync(folder, { recursive: true, force: true });
});
