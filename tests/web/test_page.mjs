// The page in Debian's Chromium, driven by keyboard where a user would type: every list and file
// it gives is checked against the native vorneth-cli.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { axeViolations, downloadOf, folder, lines, open, page, run, shownHash, shownLines, tabTo,
  typeInto, usePage, worthBreakdown } from './page_support.mjs';

const REQUEST = ['A=1', 'H=2', '--coins', '100', '--gems', '3', '--jewelry', '2', '--magic', '3',
  '--title', "Dragon's lair"];

usePage();

test('a request typed by keyboard gives the lists of vorneth-cli and a link that holds it', async () => {
  await open();
  await typeInto('type-A', '1x');  // a letter is refused, as in the desktop's boxes
  await typeInto('type-H', '2');
  for (const [id, value] of [['coins', '100'], ['gems', '3'], ['magic', '3'], ['jewelry', '2']]) {
    await typeInto(id, value);
  }
  await typeInto('title', "Dragon's lair");
  await typeInto('seed', '14737260');  // a seed typed is the seed rolled
  const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
  assert.notEqual(outline, 'none', 'the field with the focus shows it');
  await page.keyboard.press('Enter');
  assert.deepEqual(await shownLines('dm-list'), lines(run(REQUEST)));
  assert.deepEqual(await shownLines('players-list'), lines(run([...REQUEST, '--list', 'players'])));
  assert.equal(await page.locator('#players-list').getAttribute('hidden'), '');
  assert.equal(await page.locator('#caption').textContent(), "Vorneth - Dragon's lair");
  const worth = worthBreakdown(run([...REQUEST, '--worth']));
  assert.deepEqual(await shownLines('worth-breakdown'), worth);
  assert.equal(await shownHash('#A=1'),
    '#A=1&H=2&coins=100&gems=3&jewelry=2&magic=3&title=Dragon%27s%20lair&seed=14737260&separator=%2C&list=dm');
});

test('the players list, its shares, its text file, every export and a copy', async () => {
  await tabTo('show-players');
  await page.keyboard.press('Enter');
  const players = lines(run([...REQUEST, '--list', 'players']));
  assert.equal(await page.locator('#dm-list').getAttribute('hidden'), '');
  assert.equal(await page.locator('#players-list').isVisible(), true);
  assert.equal(await page.locator('#list-name').textContent(), "Player's List");
  assert.match(page.url(), /&list=players$/);

  await tabTo('share-count');
  await page.keyboard.press('ArrowDown');  // 3 characters
  await tabTo('share');
  await page.keyboard.press('Enter');
  const shares = await page.locator('#shares section').evaluateAll((sections) =>
    sections.map((s) => [s.querySelector('h3').textContent, ...[...s.querySelectorAll('li')].map((li) => li.textContent)]));
  assert.deepEqual(shares.map((s) => s.join('\n')).join('\n\n'),
    run([...REQUEST, '--split', '3', '--list', 'players']).toString().slice(0, -1));

  const saved = await downloadOf('save-text');
  assert.equal(saved.name, 'Vornath.txt');
  assert.equal(saved.bytes.toString(), ["Dragon's lair", '', "Player's List", '', ...players].map((l) => `${l}\r\n`).join(''));

  // The exports are the items of one menu, opened by keyboard.
  const exportAs = async (format) => {
    await tabTo('export-button');
    await page.keyboard.press('Enter');
    const id = `export-${format}`;
    await page.locator(`[data-export="${format}"]`).evaluate((b, name) => { b.id = name; }, id);
    return downloadOf(id);
  };
  for (const format of ['markdown', 'csv', 'json', 'foundry']) {
    const file = await exportAs(format);
    assert.ok(file.bytes.equals(run([...REQUEST, '--format', format])), `the ${format} export`);
    assert.equal(await page.locator('#export-menu').getAttribute('open'), null, 'the menu closes');
  }
  const shown = await exportAs('foundry-shown');
  assert.equal(shown.name, 'hoard-foundry-players.json');
  assert.ok(shown.bytes.equals(run([...REQUEST, '--format', 'foundry', '--list', 'players'])));

  await tabTo('copy');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('report-message').textContent.startsWith('Copied'));
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), players.join('\n'));
});

test('the printout holds the caption, the heading, the list shown, the footer and page numbers only', async () => {
  const pdf = join(folder, 'list.pdf');
  await page.emulateMedia({ media: 'print' });
  await page.pdf({ path: pdf });
  await page.emulateMedia({ media: 'screen' });
  const text = execFileSync('pdftotext', ['-layout', pdf, '-']).toString();
  const expected = ["Vorneth - Dragon's lair", "Player's List", ...lines(run([...REQUEST, '--list', 'players']))];
  const printed = text.split('\n').map((l) => l.trim()).filter(Boolean);
  assert.deepEqual(printed.slice(0, expected.length), expected.map((l) => l.trim()));
  // The footer as the desktop prints it: a notice, two blanks, then "m/d/yy  h:nn".
  const footer = /^Vorneth \d+\.\d+, the random hoard generator {2}\d+\/\d+\/\d\d {2}\d+:\d\d$/;
  assert.match(await page.textContent('#page-footer'), footer);
  assert.match(printed.at(-2), /^Vorneth \d+\.\d+, the random hoard generator +\d+\/\d+\/\d\d +\d+:\d\d$/);
  assert.equal(printed.at(-1), 'Page 1 of 1');
  assert.equal(printed.length, expected.length + 2);

  // A list of many pages: the caption and "Page k of N" on each of them.
  await open('#H=40&seed=3');
  await page.emulateMedia({ media: 'print' });
  await page.pdf({ path: pdf });
  await page.emulateMedia({ media: 'screen' });
  const pages = execFileSync('pdftotext', ['-layout', pdf, '-']).toString().split('\f').filter((p) => p.trim());
  assert.ok(pages.length > 2, `${pages.length} pages`);
  pages.forEach((text, k) => {
    const printedLines = text.split('\n').map((l) => l.trim()).filter(Boolean);
    assert.equal(printedLines[0], 'Vorneth', `the caption of page ${k + 1}`);
    assert.equal(printedLines.at(-1), `Page ${k + 1} of ${pages.length}`);
  });
  const words = (line) => line.trim().split(/\s+/).join(' ');
  const printedSet = new Set(pages.join('\n').split('\n').map(words));
  const missing = lines(run(['H=40', '--seed', '3'])).filter((line) => !printedSet.has(words(line)));
  assert.deepEqual(missing, [], 'every line is printed');
});

test('an export opened or dropped is rolled again; a file that is none says why', async () => {
  const file = join(folder, 'replay.json');
  writeFileSync(file, run(['B=1', '--seed', '99', '--title', 'Replayed', '--separator', '.', '--format', 'json']));
  await page.setInputFiles('#replay-file', file);
  await page.waitForFunction(() => document.getElementById('replay-message').textContent.startsWith('Rolled'));
  assert.deepEqual(await shownLines('dm-list'), lines(run(['B=1', '--seed', '99', '--separator', '.'])));
  assert.equal(await page.inputValue('#type-B'), '1');
  assert.equal(await page.inputValue('#seed'), '99');

  // Dropped on the page: a Foundry journal of another request.
  const journal = run(['C=2', '--seed', '3', '--format', 'foundry']).toString();
  await page.evaluate((text) => {
    const data = new DataTransfer();
    data.items.add(new File([text], 'journal.json'));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true }));
  }, journal);
  await page.waitForFunction(() => document.getElementById('replay-message').textContent.includes('journal'));
  assert.deepEqual(await shownLines('dm-list'), lines(run(['C=2', '--seed', '3'])));

  // A batch of JSON Lines: any of its hoards.
  writeFileSync(file, run(['K=4', '--seed', '10', '--count', '3', '--format', 'jsonl']));
  await page.setInputFiles('#replay-file', file);
  await typeInto('replay-pick', '3');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('replay-message').textContent.endsWith('hoard 3 of 3'));
  assert.deepEqual(await shownLines('dm-list'), lines(run(['K=4', '--seed', '12'])));

  writeFileSync(file, '{"hoard": 1}');
  await page.setInputFiles('#replay-file', file);
  await page.waitForFunction(() => document.getElementById('replay-message').textContent.includes('cannot'));
  assert.match(await page.textContent('#replay-message'), /replay\.json cannot be rolled again: not a Vorneth export/);
});

test('a link fills the form and rolls at once; Roll again takes the next seed; In Lair locks A to I', async () => {
  await open('#A=1&magic=3&seed=5&list=players');
  assert.deepEqual(await shownLines('players-list'), lines(run(['A=1', '--magic', '3', '--seed', '5', '--list', 'players'])));
  assert.equal(await page.locator('#players-list').isVisible(), true);

  await tabTo('roll-again');
  await page.keyboard.press('Enter');
  assert.equal(await page.inputValue('#seed'), '6');
  assert.equal(await shownHash('#A=1&magic=3&seed=6'), '#A=1&magic=3&seed=6&separator=%2C&list=dm');
  assert.deepEqual(await shownLines('dm-list'), lines(run(['A=1', '--magic', '3', '--seed', '6'])));

  await tabTo('in-lair');
  await page.keyboard.press('Space');
  assert.equal(await page.inputValue('#type-A'), '0');
  assert.equal(await page.locator('#type-I').isDisabled(), true);
});

test('a link with bad values names each beside its field and rolls nothing', async () => {
  await open('#A=100&coins=12x&seed=5&separator=%3A%3A');
  assert.equal(await page.textContent('#type-A-error'), 'Type A is above its maximum 99');
  assert.equal(await page.textContent('#separator-error'), 'The separator must be one character');
  assert.equal(await page.textContent('#coins-error'), 'GP in coins must be a whole number from 0 to 99999999');
  assert.equal(await page.locator('#report').isHidden(), true);
  assert.equal(await page.locator('#dm-list li').count(), 0);

  await open('#Q=1&colour=red');
  assert.equal(await page.textContent('#form-message'), 'The link holds colour, which is not a field of the form');
  assert.equal(await page.locator('#report').isHidden(), true);
});

test('axe-core finds no violation, light or dark, at full width and at 320 px', async () => {
  for (const colorScheme of ['light', 'dark']) {
    for (const width of [1280, 320]) {
      await page.setViewportSize({ width, height: 800 });
      await page.emulateMedia({ colorScheme });
      await open('#A=1&magic=3&seed=5');
      await page.locator('#worth summary').click();
      assert.deepEqual(await axeViolations(), [], `${colorScheme} at ${width} px`);
      const scrollWidth = await page.evaluate(() => document.documentElement.scrollWidth);
      assert.ok(scrollWidth <= width, `${colorScheme} at ${width} px scrolls sideways: ${scrollWidth} px`);
    }
  }
});
