// The players' screen in Chromium: a second window that follows the game master's reveals and
// never holds a DM line that was not revealed; the reveal kept in the link and the history.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { axeViolations, open, page, shownHash, shownLines, usePage } from './page_support.mjs';
import { Mark, applyRanges, linkPartsOf } from '../../web/reveal_state.js';
import { secretLines, stringsIn, textsOf } from './table_support.mjs';

// A hoard of coins, gems, a scroll of several spells and magic items that can be identified.
const HOARD = '#A=1&magic=6&seed=1234&separator=%2C&list=dm';

usePage();

// Every message a BroadcastChannel of a window receives is kept in its `received`.
const recordChannels = () => page.context().addInitScript(() => {
  globalThis.received = [];
  const Channel = globalThis.BroadcastChannel;
  globalThis.BroadcastChannel = class extends Channel {
    constructor(name) {
      super(name);
      this.addEventListener('message', ({ data }) => globalThis.received.push(data));
    }
  };
});

const press = (row, kind) => page.locator('#reveal-lines li').nth(row).locator(`button.${kind}`).press('Enter');

test('the players\' screen shows what is revealed as it is revealed, and nothing else', async () => {
  await recordChannels();
  await open(HOARD);
  const dm = await shownLines('dm-list');
  const players = await shownLines('players-list');
  await page.locator('#table-summary').press('Enter');
  const [screen] = await Promise.all([page.context().waitForEvent('page'), page.locator('#open-screen').press('Enter')]);
  await screen.waitForSelector('body[data-ready]');
  const screenLines = () => screen.locator('#view-lines li').allTextContents();
  const caption = await page.locator('#caption').textContent();
  await screen.waitForFunction((c) => document.getElementById('view-caption').textContent === c, caption);

  // Each step: the screen shows `expected`, and no DM line it was not given.
  const expectShown = async (expected) => {
    await screen.waitForFunction((n) => document.querySelectorAll('#view-lines li').length === n, expected.length);
    assert.deepEqual(await screenLines(), expected);
    const texts = await textsOf(screen);
    const received = stringsIn(await screen.evaluate(() => globalThis.received));
    for (const line of secretLines(dm, expected)) {
      assert.ok(!texts.includes(line), `the screen holds the DM line ${JSON.stringify(line)}`);
      assert.ok(!received.includes(line), `the screen was sent the DM line ${JSON.stringify(line)}`);
    }
  };
  await expectShown([]);
  assert.equal(await screen.locator('#view-note').textContent(), 'Nothing found yet.');

  const identifiable = await page.locator('#reveal-lines li').evaluateAll((rows) =>
    rows.map((row, i) => (row.querySelector('button.identify') ? i : -1)).filter((i) => i >= 0));
  assert.ok(identifiable.length >= 2, 'the hoard has items to identify');
  const [first, second] = identifiable;
  await press(first, 'reveal');
  await expectShown([players[first]]);
  await press(second, 'identify');  // identifying reveals too, with the item's DM lines
  const dmOfSecond = (await page.locator('#reveal-lines li').nth(second).locator('.dm-line').textContent());
  const secondLines = dm.filter((line) => dmOfSecond.includes(line));
  await expectShown([players[first], ...secondLines]);
  assert.equal(await page.locator('#table-summary').textContent(), `At the table: 2 of ${players.length} players' lines revealed`);
  assert.deepEqual(await axeViolations(), []);

  // The link and the history hold the reveal; the link opens the hoard as it was left.
  const hash = await shownHash(`${HOARD.replace('&list=dm', '')}&shown=`);
  assert.equal(hash, `${HOARD.replace('&list=dm', '')}&shown=${first + 1}&known=${second + 1}&list=dm`);
  assert.equal(await page.locator('#history-list li:first-child a').getAttribute('href'), hash);
  assert.match(await page.locator('#history-list li:first-child').textContent(), /2 of \d+ lines revealed/);
  assert.equal(await page.locator('#history-list li').count(), 1, 'one entry for the hoard');

  await page.locator('#reveal-all').press('Enter');
  const all = players.flatMap((line, i) => (i === second ? secondLines : [line]));
  await expectShown(all);
  await screen.close();

  // A screen opened later, from the link, starts from the state the link holds.
  await open(hash);
  assert.equal(await page.locator('#table-summary').textContent(), `At the table: 2 of ${players.length} players' lines revealed`);
  await page.locator('#table-summary').press('Enter');
  assert.equal(await page.locator('#reveal-lines li').nth(second).locator('button.identify').getAttribute('aria-pressed'), 'true');
  const [later] = await Promise.all([page.context().waitForEvent('page'), page.locator('#open-screen').press('Enter')]);
  await later.waitForFunction((n) => document.querySelectorAll('#view-lines li').length === n, 1 + secondLines.length);
  await later.close();
});

test('a link whose reveal does not fit the hoard says so and reveals nothing', async () => {
  await open(`${HOARD}&shown=1-999`);
  assert.match(await page.locator('#form-message').textContent(), /^The link's shown must be lines or runs of lines from 1 to \d+ \(as 1-4\.7\), not "1-999"$/);
  assert.match(await page.locator('#table-summary').textContent(), /At the table: 0 of \d+/);
});

test('the runs of lines in a link are read back as written', () => {
  const marks = Uint8Array.from([1, 1, 1, 0, 2, 0, 1, 2, 2, 0, 1]);
  assert.equal(linkPartsOf(marks), 'shown=1-3.7.11&known=5.8-9');
  const back = new Uint8Array(marks.length);
  assert.equal(applyRanges(back, '1-3.7.11', Mark.revealed) + applyRanges(back, '5.8-9', Mark.identified), '');
  assert.deepEqual(back, marks);
  for (const bad of ['0', '3-2', '12', '1-', '1..2', '', '1-3.x']) {
    assert.match(applyRanges(new Uint8Array(11), bad, Mark.revealed), /^must be lines or runs of lines from 1 to 11/, bad);
  }
});
