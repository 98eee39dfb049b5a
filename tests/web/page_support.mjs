// What the page's tests share: the native vorneth-cli to check against, Debian's Chromium with
// one page, and the moves of a keyboard user.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, before } from 'node:test';

import { launchChromium } from './chromium.mjs';

const cli = process.env.VORNETH_CLI ?? 'build/src/cli/vorneth-cli';
const pageUrl = `file://${resolve(process.env.VORNETH_WEB ?? 'build-web', 'vorneth.html')}`;
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
export const folder = mkdtempSync(join(tmpdir(), 'vorneth-page-'));

export const run = (args) => execFileSync(cli, args);
export const lines = (bytes) => bytes.toString().split('\n').slice(0, -1);
// The lines `--worth` writes after the list and its empty line.
export const worthBreakdown = (bytes) => lines(bytes).slice(lines(bytes).indexOf('') + 1);

let browser;
let context;
export let page;

// One browser and one page for the file's tests; any error the page throws fails them.
export function usePage() {
  before(async () => {
    browser = await launchChromium();
    context = await browser.newContext({ acceptDownloads: true });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    page = await context.newPage();
    page.on('pageerror', (error) => assert.fail(`the page threw: ${error.message}`));
  });
  after(() => browser?.close());
}

export async function open(fragment = '') {
  await page.goto('about:blank');  // a load of its own, not a jump within the page
  await page.goto(pageUrl + fragment);
  await page.waitForSelector('body[data-ready]');
}

export const shownLines = (id) => page.locator(`#${id} li`).allTextContents();

// The link of the hoard shown, once the page has written it.
export async function shownHash(prefix = '#') {
  await page.waitForFunction((p) => location.hash.startsWith(p), prefix);
  return new URL(page.url()).hash;
}

// Moves the focus with Tab alone until it reaches `id`.
export async function tabTo(id) {
  for (let i = 0; i < 120; i++) {
    if (await page.evaluate(() => document.activeElement?.id) === id) {
      return;
    }
    await page.keyboard.press('Tab');
  }
  assert.fail(`Tab never reaches #${id}`);
}

export async function typeInto(id, text) {
  await tabTo(id);
  await page.keyboard.press('Control+A');
  await page.keyboard.type(text);
}

export async function downloadOf(id) {
  const [download] = await Promise.all([page.waitForEvent('download'), (await tabTo(id), page.keyboard.press('Enter'))]);
  return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
}

export async function axeViolations() {
  await page.addScriptTag({ path: axePath });
  const result = await page.evaluate(() => globalThis.axe.run());
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
}
