// Runs the real verdeo for the browser tests: on a data folder of the test's own, on a free
// port, answering with the address that the browser opens.

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

const program = process.env.VERDEO_APP;

// Writes the standard defaults of someone who has finished the onboarding.
export function skipOnboarding(dataDir) {
  fs.mkdirSync(path.join(dataDir, 'app'), { recursive: true });
  fs.writeFileSync(path.join(dataDir, 'app', 'defaults.json'),
    JSON.stringify({ hasCompletedOnboarding: { bool: true } }));
}

// Starts verdeo; `output()` is what it has written on standard output so far (its log lines).
export async function launchVerdeo(dataDir, extraArguments = []) {
  if (!program) throw new Error('VERDEO_APP must name the verdeo executable');
  const child = spawn(program, ['--data-dir', dataDir, '--no-open', '--port', '0', ...extraArguments], {
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  let seen = '';
  const address = await new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`no address from verdeo: ${seen}`)), 20000);
    child.stdout.on('data', (chunk) => {
      seen += chunk;
      const found = /^Verdeo is running at (http:\/\/127\.0\.0\.1:\d+\/#token=\w+)$/m.exec(seen);
      if (found) {
        clearTimeout(timer);
        resolve(found[1]);
      }
    });
    child.on('exit', (code) => reject(new Error(`verdeo exited with ${code}: ${seen}`)));
  });
  return {
    address,
    output: () => seen,
    async quit() {
      if (child.exitCode !== null) return child.exitCode;
      const exited = new Promise((resolve) => child.on('exit', resolve));
      child.kill('SIGTERM');
      return exited;
    },
  };
}
