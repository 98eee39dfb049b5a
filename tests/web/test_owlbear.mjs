// The Owlbear Rodeo extension in Chromium, with the real SDK, inside owlbear_host.html: a page
// that plays Owlbear's host side of the SDK's messages, with one game master's frame and
// players' frames. Every message that reaches a player's frame is recorded, and none holds a DM
// line that was not revealed; the game master's frame sends none either.
import assert from 'node:assert/strict';
import { join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { launchChromium } from './chromium.mjs';
import { secretLines, stringsIn, textsOf } from './table_support.mjs';

const extensionFolder = resolve(process.env.VORNETH_WEB ?? 'build-web', 'owlbear');
const host = fileURLToPath(new URL('owlbear_host.html', import.meta.url));
// Two origins of their own, answered from the files: no network, no server.
const HOST = 'https://table.test/';
const EXTENSION = 'https://vorneth.test/';

let browser;
let page;
const errors = [];

before(async () => {
  browser = await launchChromium();
  const context = await browser.newContext();
  await context.route(`${HOST}**`, (route) => route.fulfill({ path: host, contentType: 'text/html' }));
  await context.route(`${EXTENSION}**`, (route) =>
    route.fulfill({ path: join(extensionFolder, new URL(route.request().url()).pathname.slice(1) || 'index.html') }));
  page = await context.newPage();
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.goto(`${HOST}?extension=${encodeURIComponent(`${EXTENSION}index.html`)}`);
});
after(() => browser?.close());

// Adds a frame of `role` to the room and waits for it to be ready.
async function joinRoom(name, role) {
  await page.evaluate(([n, r]) => globalThis.join(n, r), [name, role]);
  let frame;
  while (!(frame = page.frame({ name }))) {
    await page.waitForTimeout(20);
  }
  await frame.waitForSelector('body[data-ready]');
  return frame;
}

const viewLines = (frame) => frame.locator('#view-lines li').allTextContents();
const showsLines = (frame, expected) =>
  frame.waitForFunction((n) => document.querySelectorAll('#view-lines li').length === n, expected.length)
    .then(async () => assert.deepEqual(await viewLines(frame), expected));

async function roll(gm, magic) {
  await gm.fill('#type-A', '1');
  await gm.fill('#magic', String(magic));
  await gm.fill('#seed', '1234');
  await gm.locator('#generate').press('Enter');
  await gm.waitForSelector('#dm-list li');
  if (!(await gm.locator('#table-panel').evaluate((d) => d.open))) {
    await gm.locator('#table-summary').press('Enter');
  }
  return { dm: await gm.locator('#dm-list li').allTextContents(), players: await gm.locator('#players-list li').allTextContents() };
}

// No message to a player's frame, and none from the game master's, holds a DM line of `secret`.
async function assertNothingLeaks(secret) {
  const { delivered, sent } = await page.evaluate(() => globalThis.harness);
  const toPlayers = delivered.filter((d) => d.role !== 'GM');
  assert.ok(toPlayers.length > 0);
  for (const { to, message } of [...toPlayers, ...sent.filter((s) => s.role === 'GM').map((s) => ({ to: 'the room', message: s.message }))]) {
    for (const text of stringsIn(message)) {
      assert.ok(!secret.includes(text), `${message.id} to ${to} holds the DM line ${JSON.stringify(text)}`);
    }
  }
}

test('the game master reveals and identifies; the players see that alone, a late one too', async () => {
  const gm = await joinRoom('gm', 'GM');
  const player = await joinRoom('player-1', 'PLAYER');
  assert.equal(await player.locator('#view-caption').textContent(), 'Waiting for the game master');
  assert.equal(await gm.locator('#generate').isVisible(), true, "the game master's popover has the form");

  const { dm, players } = await roll(gm, 6);
  const caption = await gm.locator('#caption').textContent();
  await player.waitForFunction((c) => document.getElementById('view-caption').textContent === c, caption);
  await showsLines(player, []);

  const identifiable = await gm.locator('#reveal-lines li').evaluateAll((rows) =>
    rows.map((row, i) => (row.querySelector('button.identify') ? i : -1)).filter((i) => i >= 0));
  const [first, second] = identifiable;
  await gm.locator('#reveal-lines li').nth(first).locator('button.reveal').press('Enter');
  await showsLines(player, [players[first]]);
  await gm.locator('#reveal-lines li').nth(second).locator('button.identify').press('Enter');
  const known = await gm.locator('#reveal-lines li').nth(second).locator('.dm-line').textContent();
  const expected = [players[first], ...dm.filter((line) => known.includes(line))];
  await showsLines(player, expected);

  const late = await joinRoom('player-2', 'PLAYER');
  await showsLines(late, expected);

  await assertNothingLeaks(secretLines(dm, expected));
  for (const frame of [player, late]) {
    assert.equal(await frame.locator('button, input, select, textarea, [contenteditable]').count(), 0,
      "a player's popover has nothing to roll or reveal with");
    assert.ok(!(await textsOf(frame)).includes(dm.find((line) => !expected.includes(line))));
  }
  const fromPlayers = await page.evaluate(() => globalThis.harness.sent.filter((s) => s.role !== 'GM').map((s) => s.message.id));
  assert.deepEqual(fromPlayers.filter((id) => !/^OBR_(PLAYER_GET_ROLE|ROOM_GET_METADATA|ROOM_METADATA_SUBSCRIBE)$/.test(id)), [],
    'players only read the room');
  assert.deepEqual(await page.evaluate(() => globalThis.harness.unanswered), []);
  const other = await page.evaluate(() => globalThis.harness.room.metadata['another.extension/data']);
  assert.deepEqual(other, { note: 'left alone' }, "another extension's data is kept");
});

test('a hoard revealed beyond the room\'s limit shares the lines that fit and says so', async () => {
  const gm = page.frame({ name: 'gm' });
  const player = page.frame({ name: 'player-1' });
  const { players } = await roll(gm, 999);
  await gm.locator('#reveal-all').press('Enter');
  await gm.waitForFunction(() => document.getElementById('table-note').textContent !== '');
  const note = await gm.locator('#table-note').textContent();
  const [, shared, of] = /the players see the first (\d+) of the (\d+) lines revealed/.exec(note) ?? [];
  assert.ok(Number(shared) > 0 && Number(shared) < Number(of), note);
  assert.ok(Number(of) >= players.length);
  await showsLines(player, players.slice(0, Number(shared)));
  assert.equal(await player.locator('#view-note').textContent(),
    `${Number(of) - Number(shared)} more lines were revealed than fit here.`);
  assert.deepEqual(errors, []);
});

test('outside Owlbear the extension\'s page is the normal page', async () => {
  const alone = await page.context().newPage();
  await alone.goto(`${EXTENSION}index.html#A=1&seed=5`);
  await alone.waitForSelector('body[data-ready]');
  assert.equal(await alone.locator('body').getAttribute('class'), null);
  assert.ok((await alone.locator('#dm-list li').count()) > 0);
  assert.equal(await alone.locator('#find').isVisible(), true);
  await alone.close();
});
