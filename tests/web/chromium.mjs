// Debian's Chromium as the page's tests and benchmark start it: as root on a closed network, so
// no sandbox, no background connections, and a fresh profile each time (playwright's default).
import { chromium } from 'playwright-core';

export function launchChromium() {
  return chromium.launch({
    executablePath: '/usr/lib/chromium/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}
