// verdeo end to end in Chromium: a reminder that comes due while verdeo runs shows as a banner
// above the app and as a desktop notification in a browser that allows them.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { resultsDir, startBrowser } from '../../platform/ui/display/web/test/browser.mjs';
import { launchVerdeo } from './verdeo.mjs';

let dataDir;
let browser;

before(async () => {
  dataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'verdeo-reminders-'));
  browser = await startBrowser();
  fs.mkdirSync(resultsDir, { recursive: true });
});

after(async () => {
  await browser?.stop();
  fs.rmSync(dataDir, { recursive: true, force: true });
});

test('a reminder due while verdeo runs comes as a banner and a desktop notification', async () => {
  // A request that fires every minute at one second, a few seconds from now: the centre plans
  // from its start, so the moment must lie after verdeo is up (or it comes a minute later).
  const second = (new Date().getSeconds() + 8) % 60;
  const body = 'Time to take care of your Fern! 💚';
  fs.mkdirSync(path.join(dataDir, 'system'), { recursive: true });
  fs.writeFileSync(path.join(dataDir, 'system', 'notifications.json'), JSON.stringify({
    authorization: 'authorized',
    pending: [{
      identifier: 'plant-care-6F96C4A2-1B3D-4E5F-8A9B-0C1D2E3F4A5B',
      title: 'Verdeo',
      body,
      sound: 'default',
      trigger: { repeats: true, dateComponents: { second } },
    }],
  }));

  const app = await launchVerdeo(dataDir);
  const page = await browser.context.newPage();
  // The desktop's notifications, as a browser that has granted them offers them.
  await page.addInitScript(() => {
    window.desktopNotifications = [];
    window.Notification = class {
      static permission = 'granted';
      static requestPermission() { return Promise.resolve('granted'); }
      constructor(title, options) { window.desktopNotifications.push({ title, body: options?.body }); }
    };
  });
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(app.address);
  await page.getByText('Welcome to Verdeo').waitFor();

  const banner = page.getByText(body);
  await banner.waitFor({ timeout: 75000 });
  await page.screenshot({ path: path.join(resultsDir, 'reminder-banner.png') });
  await page.waitForFunction(() => window.desktopNotifications.length > 0);
  assert.deepEqual(await page.evaluate(() => window.desktopNotifications),
    [{ title: 'Verdeo', body }]);
  // The app beneath stays as it was and answers again once the banner has gone.
  await banner.waitFor({ state: 'detached', timeout: 10000 });
  await page.getByRole('button', { name: 'Start tracking' }).click();
  await page.getByText("Stop wondering if you're killing your plants").waitFor({ timeout: 10000 });

  assert.deepEqual(problems, []);
  await page.close();
  assert.equal(await app.quit(), 0);
});
