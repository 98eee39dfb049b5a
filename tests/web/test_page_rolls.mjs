// The page as a game master uses it from one session to the next: a new hoard at each
// Generate, in view and announced, remembered across reloads; what the letters hold; the odds;
// and links that are not what the form can hold.
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { axeViolations, folder, lines, open, page, run, shownHash, shownLines, typeInto, usePage,
  worthBreakdown } from './page_support.mjs';

usePage();

const historyLinks = () => page.locator('#history-list a').evaluateAll((links) => links.map((a) => a.getAttribute('href')));

test('each Generate rolls a new seed, in view and announced; its link and the history roll it again', async () => {
  const seeds = [];
  for (const width of [1280, 320]) {
    await page.setViewportSize({ width, height: 800 });
    await open();
    await typeInto('type-A', '1');
    for (let i = 0; i < 2; i++) {
      await page.keyboard.press('Enter');
      const seed = await page.inputValue('#seed');
      assert.ok(!seeds.includes(seed), `a new seed: ${seed}`);
      seeds.push(seed);
      assert.equal(await shownHash(`#A=1&seed=${seed}&`), `#A=1&seed=${seed}&separator=%2C&list=dm`);
      assert.deepEqual(await shownLines('dm-list'), lines(run(['A=1', '--seed', seed])));
      assert.equal(await page.evaluate(() => document.activeElement.id), 'caption');
      const caption = await page.locator('#caption').boundingBox();
      assert.ok(caption.y > -1 && caption.y + caption.height <= 800, `the caption in view at ${width} px`);
      const worth = (await page.textContent('#worth-line')).replace(/^Worth/, 'worth');
      const count = lines(run(['A=1', '--seed', seed])).length;
      assert.equal(await page.textContent('#announce'), `Hoard rolled: ${count} line${count === 1 ? '' : 's'}, ${worth}, seed ${seed}`);
      await page.locator('#type-A').focus();
    }
  }
  // The first hoard's link rolls it again; the history survives a reload, newest first.
  await open(`#A=1&seed=${seeds[0]}`);
  assert.deepEqual(await shownLines('dm-list'), lines(run(['A=1', '--seed', seeds[0]])));
  await open();
  const links = await historyLinks();
  assert.deepEqual(links, [seeds[0], seeds[3], seeds[2], seeds[1]].map((s) => `#A=1&seed=${s}&separator=%2C&list=dm`));
  await page.locator('#history-list a').nth(2).click();
  assert.deepEqual(await shownLines('dm-list'), lines(run(['A=1', '--seed', seeds[2]])));
  assert.equal(await page.evaluate(() => document.activeElement.id), 'caption');
  await page.click('#history-clear');
  await open();
  assert.deepEqual(await historyLinks(), []);
});

test('the letters hold what --describe-types says, beside each box and in a table', async () => {
  await open();
  const described = lines(run(['--describe-types']));
  assert.equal(described.length, 26);
  assert.equal(await page.getAttribute('#type-Q', 'title'), described[16]);
  await page.click('#show-types');
  assert.equal(await page.locator('#types-dialog').isVisible(), true);
  assert.deepEqual(await page.locator('#types-table td').allTextContents(), described);
  assert.deepEqual(await axeViolations(), []);
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('#types-dialog').isVisible(), false);
});

test('the odds and the Basic exchange are those of vorneth-cli; the odds can be cancelled', async () => {
  const args = ['A=1', 'K=3', '--seed', '5', '--rates', 'bx', '--separator', '.'];
  await open('#A=1&K=3&seed=5&separator=.&rates=bx');
  assert.deepEqual(await shownLines('worth-breakdown'), worthBreakdown(run([...args, '--worth'])));
  await page.click('#odds-link');  // the report's Odds leads to the panel, the hoard stays
  assert.equal(await page.evaluate(() => document.activeElement.id), 'odds-count');
  assert.equal(await shownHash('#A=1&K=3&seed=5&separator=.&rates=bx&'), '#A=1&K=3&seed=5&separator=.&rates=bx&list=dm');
  await typeInto('odds-count', '3000');
  await page.click('#odds-start');
  await page.waitForSelector('#odds-text:not([hidden])');
  assert.equal(await page.textContent('#odds-text'), run([...args, '--stats', '--count', '3000']).toString());

  await typeInto('odds-count', '1000000');
  await page.click('#odds-start');
  await page.click('#odds-cancel');
  await page.waitForFunction(() => document.getElementById('odds-message').textContent === 'Cancelled');
  assert.equal(await page.locator('#odds-start').isVisible(), true);
});

test('links that name no field of the form, or hold control characters, roll nothing and say so', async () => {
  await open();
  assert.equal(await page.locator('#replay-pick-row').isHidden(), true);
  for (const name of ['__proto__', 'constructor', 'toString']) {
    await open(`#${name}=1`);
    assert.equal(await page.textContent('#form-message'), `The link holds ${name}, which is not a field of the form`);
    assert.equal(await page.evaluate(() => ({}).value), undefined, 'nothing polluted');
    assert.equal(await page.locator('#report').isHidden(), true);
  }
  await open('#list=__proto__');
  assert.equal(await page.textContent('#form-message'), 'The link\'s list must be dm or players, not "__proto__"');
  for (const [fragment, id, name] of [['coins=1%0A', 'coins', 'GP in coins'], ['separator=%0A', 'separator', 'Thousands separator'],
    ['title=a%09b', 'title', 'Horde Title/Location']]) {
    await open(`#${fragment}`);
    assert.equal(await page.textContent(`#${id}-error`), `${name} in the link holds a line break or another control character`);
    assert.equal(await page.locator('#report').isHidden(), true);
  }
  // An error of a letter's box is set under the letters, and goes with the next good link.
  await open('#A=100');
  assert.equal(await page.locator('.type-errors #type-A-error').textContent(), 'Type A is above its maximum 99');
  await page.evaluate(() => { location.hash = '#A=1&seed=5'; });
  await page.waitForSelector('#report:not([hidden])');
  assert.equal(await page.locator('.error').count(), 0);
});

test('Find opens the first hoard vorneth-cli --find finds, and counts the matches it counts', async () => {
  const args = ['A=1', '--seed', '5', '--find', '--worth-min', '40000', '--with', 'sword', '--without', 'cursed', '--tries', '20000'];
  await open('#A=1&seed=5');
  await typeInto('find-worth-min', '40000');
  await page.selectOption('#find-sword', 'with');
  await page.selectOption('#find-cursed', 'without');
  await typeInto('find-tries', '20000');
  await page.click('#find-start');
  await page.waitForSelector('#find-start:not([hidden])');
  const seed = lines(run(args))[0].replace(/^Seed /, '');
  assert.equal(await page.inputValue('#seed'), seed);
  assert.deepEqual(await shownLines('dm-list'), lines(run(['A=1', '--seed', seed])));
  const [, matches] = /^Matches: ([\d,]+) of 20,000 tries/.exec(run([...args, '--stats']).toString());
  assert.equal(await page.textContent('#find-message'),
    `${matches} of 20,000 seeds tried match (${(100 * Number(matches.replace(/,/g, '')) / 20000).toFixed(2)}%): the first at seed ${seed} is shown`);
});

test("a game master's table is checked, rolled and used in the hoards; its link asks for the file", async () => {
  const write = (name, text) => {
    writeFileSync(join(folder, name), text);
    return join(folder, name);
  };
  const bad = write('gap.txt', '1 A\n3 B\n');
  const potions = write('potions.txt', '# Potions d20\n1-12 Potion of Healing (400 gp)\n13-20 Elixir of [[Oils]]\n');
  const oils = write('Oils.csv', 'd6,Oil,Players,Value\n1-4,Slipperiness,a slick oil,400\n5-6,Etherealness,,"1,500"\n');
  // What vorneth-cli --check-table writes (exit 2 on a fault), the folder left out.
  const checkOf = (file) => {
    let out;
    try {
      out = run(['--check-table', file]);
    } catch (failed) {
      out = failed.stdout;
    }
    return lines(out).map((line) => line.replaceAll(`${folder}/`, ''));
  };
  // The page reads a file as it comes: its message names the file when it is done.
  const openFiles = async (files) => {
    await page.setInputFiles('#table-file', files);
    const name = (Array.isArray(files) ? files[0] : files).slice(folder.length + 1);
    await page.waitForFunction((n) => document.getElementById('table-message').textContent.startsWith(n), name);
  };
  await open();
  await openFiles(bad);
  assert.deepEqual(await shownLines('table-check'), checkOf(bad));
  assert.ok(await page.locator('#table-actions').isHidden());
  await openFiles([potions, oils]);
  assert.deepEqual(await shownLines('table-check'), checkOf(potions));
  await page.fill('#table-times', '3');
  await page.click('#table-roll');
  assert.equal((await shownLines('table-draws')).length, 3);
  await page.selectOption('#table-family', 'potions');
  await page.click('#table-use');
  assert.deepEqual(await shownLines('tables-in-use'), ['Potions: potions.txt Stop using']);
  // The odds and the search roll the built-in tables, so they wait while the file is in use.
  await page.click('#odds-start');
  assert.match(await page.textContent('#odds-message'), /built-in tables only/);

  await typeInto('magic', '20');
  await typeInto('seed', '5');
  await page.keyboard.press('Enter');
  const tabled = ['--magic', '20', '--seed', '5', '--table', `potions=${potions}`];
  assert.deepEqual(await shownLines('dm-list'), lines(run(tabled)));
  const hash = await shownHash('#magic=20&table-potions=potions.txt&seed=5&');

  // The link in a new visit waits for the file, then rolls the same hoard.
  await open(hash);
  assert.ok(await page.locator('#report').isHidden());
  assert.match(await page.textContent('#table-wanted'), /potions from potions\.txt/);
  await openFiles([potions, oils]);
  await page.waitForSelector('#report:not([hidden])');
  assert.deepEqual(await shownLines('dm-list'), lines(run(tabled)));
  assert.ok(await page.locator('#table-wanted').isHidden());
});
