// The browser module against the native vorneth-cli: the same request gives the same bytes in
// every list, worth and export, for random requests and the largest one.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { LETTERS, loadEngine, Text } from '../../web/engine.js';

const cli = process.env.VORNETH_CLI ?? 'build/src/cli/vorneth-cli';
const engine = await loadEngine(readFileSync(join(process.env.VORNETH_WEB ?? 'build-web', 'vorneth.wasm')));
const { limits } = engine;
const folder = mkdtempSync(join(tmpdir(), 'vorneth-web-'));

const run = (args) => execFileSync(cli, args, { maxBuffer: 1 << 28 });

function argsOf(request) {
  const args = Object.entries(request.types).map(([letter, count]) => `${letter}=${count}`);
  for (const name of ['coins', 'gems', 'jewelry', 'magic']) {
    args.push(`--${name}`, String(request[name]));
  }
  const rates = request.rates ? ['--rates', request.rates] : [];
  return [...args, '--title', request.title, '--seed', String(request.seed), '--separator', request.separator, ...rates];
}

function sameBytes(actual, expected, what) {
  if (!Buffer.from(actual).equals(expected)) {
    assert.equal(Buffer.from(actual).toString(), expected.toString(), what);
    assert.fail(`${what}: the bytes differ`);  // the same text from different bytes
  }
}

// Generates `request` in the module and checks every text against the CLI's.
function compare(request) {
  const args = argsOf(request);
  const what = `vorneth-cli ${args.join(' ')}`;
  engine.generate(request);
  sameBytes(engine.bytes(Text.dm), run([...args, '--list', 'dm']), `${what} --list dm`);
  sameBytes(engine.bytes(Text.players), run([...args, '--list', 'players']), `${what} --list players`);
  const worth = Buffer.concat([engine.bytes(Text.dm), Buffer.from('\n'), engine.bytes(Text.breakdown)]);
  sameBytes(worth, run([...args, '--worth']), `${what} --worth`);
  for (const format of ['markdown', 'csv', 'json', 'foundry']) {
    sameBytes(engine.bytes(Text[format]), run([...args, '--format', format]), `${what} --format ${format}`);
  }
  for (const list of ['dm', 'players']) {
    sameBytes(engine.bytes(list === 'dm' ? Text.foundryDM : Text.foundryPlayers),
      run([...args, '--format', 'foundry', '--list', list]), `${what} --format foundry --list ${list}`);
  }
  // Each players' line comes from a DM line of its own, in order; the DM lines between are the
  // further spells of a scroll, which give no players' line.
  const dm = engine.lines(Text.dm);
  const sources = new Set(engine.lines(Text.playersSources).map(Number));
  assert.equal(sources.size, engine.lines(Text.players).length, `${what}: a source for each players' line`);
  dm.forEach((line, i) => assert.equal(sources.has(i), !line.includes(' plus '), `${what}: DM line ${i}`));
}

// A small seeded generator, so that a failure can be run again.
function randomSource(seed) {
  let s = seed >>> 0;
  return (n) => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = Math.imul(s ^ (s >>> 15), 1 | s);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return Math.floor((((t ^ (t >>> 14)) >>> 0) / 4294967296) * n);
  };
}

const TITLES = ['', "Dragon's lair", 'Crypt of "Ash" & <bones>', ' Ümlaut hoard — 竜 ', '=SUM(A1) | *x*'];
const SEPARATORS = [',', '.', ' ', '\u202f', "'", ''];

function randomRequest(roll) {
  const request = { types: {}, coins: 0, gems: 0, jewelry: 0, magic: 0 };
  for (let n = roll(4); n > 0; n--) {
    request.types[LETTERS[roll(26)]] = roll(10) === 0 ? roll(limits.type) + 1 : roll(3) + 1;
  }
  if (roll(2)) request.coins = roll(limits.coins + 1);
  if (roll(3) === 0) request.gems = roll(60);
  if (roll(3) === 0) request.jewelry = roll(60);
  if (roll(3) === 0) request.magic = roll(12);
  request.title = TITLES[roll(TITLES.length)];
  request.separator = SEPARATORS[roll(SEPARATORS.length)];
  request.seed = roll(2 ** 32);
  return request;
}

function largestRequest() {
  const types = Object.fromEntries([...LETTERS].map((letter) => [letter, limits.type]));
  const { coins, gems, jewelry, magic, defaultSeed: seed } = limits;
  return { types, coins, gems, jewelry, magic, title: 'The largest', separator: ',', seed };
}

test('random requests give the bytes of vorneth-cli in every list and export', () => {
  const roll = randomSource(20);
  for (let i = 0; i < 300; i++) {
    compare(randomRequest(roll));
  }
});

test('the largest request gives the bytes of vorneth-cli', () => {
  compare(largestRequest());
});

test('shares and replays give the bytes of vorneth-cli', () => {
  const roll = randomSource(7);
  for (let i = 0; i < 12; i++) {
    const request = randomRequest(roll);
    const args = argsOf(request);
    engine.generate(request);
    const count = limits.minShares + (i % (limits.maxShares - limits.minShares + 1));
    engine.share(count);
    sameBytes(engine.bytes(Text.sharesDM), run([...args, '--split', String(count)]), `${args} --split`);
    sameBytes(
      engine.bytes(Text.sharesPlayers),
      run([...args, '--split', String(count), '--list', 'players']),
      `${args} --split --list players`,
    );

    // Each export the page writes, and a batch of JSON Lines, rolled again.
    for (const format of ['json', 'foundry']) {
      const file = join(folder, `hoard-${format}.json`);
      writeFileSync(file, engine.bytes(Text[format]));
      const expected = run(['--replay', file]);
      const replayed = engine.replay(readFileSync(file));
      assert.deepEqual(replayed, { count: 1 });
      engine.generate(engine.pick(0));
      sameBytes(engine.bytes(Text.dm), expected, `${args} replayed from ${format}`);
    }
  }
  const batch = run(['J=2', '--count', '3', '--format', 'jsonl', '--seed', '4294967295']);
  assert.deepEqual(engine.replay(batch), { count: 3 });
  assert.equal(engine.pick(2).seed, 1);  // the seeds wrap round
  assert.match(engine.replay(Buffer.from('{"seed": 1}')).error, /not a Vorneth export/);
});

test('a separator the module refuses, vorneth-cli refuses for the same reason', () => {
  for (const separator of ['::', '7', '\n', '\u0301', '\u00a0', '\u0663', '\uff10', '\u{e0041}']) {
    const problem = engine.separatorProblem(separator);
    const cliRun = spawnSync(cli, ['--separator', separator]);
    if (problem === '') {
      assert.equal(cliRun.status, 0, `vorneth-cli --separator ${JSON.stringify(separator)}`);
    } else {
      assert.equal(cliRun.status, 2);
      assert.ok(cliRun.stderr.toString().includes(`--separator ${problem}`), cliRun.stderr.toString());
    }
  }
  assert.equal(engine.separatorProblem('::'), 'must be one character');
  assert.equal(engine.separatorProblem('\u0663'), 'must not be a digit');
  assert.equal(engine.separatorProblem('\u{e0041}'), 'must be a printable character');
});

test('the saved list file is the desktop form: title, empty line, heading, empty line, lines, CR LF', () => {
  engine.generate({ types: { A: 1 }, title: ' Lair ', seed: 5 });
  const lines = engine.lines(Text.players);
  assert.equal(
    engine.text(Text.savedPlayers),
    [' Lair ', '', "Player's List", '', ...lines].map((line) => `${line}\r\n`).join(''),
  );
  assert.ok(engine.text(Text.savedDM).startsWith(" Lair \r\n\r\nDM's List\r\n\r\n"));
});

test('the Basic exchange, the odds and the treasure types give the bytes of vorneth-cli', () => {
  const roll = randomSource(11);
  for (let i = 0; i < 20; i++) {
    compare({ ...randomRequest(roll), rates: 'bx' });
  }
  const request = { ...randomRequest(roll), types: { A: 2, S: 1 }, jewelry: 3, separator: ' ', rates: 'bx' };
  const args = argsOf(request);
  engine.generate(request);
  engine.share(3);
  sameBytes(engine.bytes(Text.sharesDM), run([...args, '--split', '3']), `${args} --split 3`);

  engine.statsBegin(request, 2000);
  for (let done = 0; done < 2000;) {
    const next = engine.statsStep(333);
    assert.equal(next, Math.min(done + 333, 2000));
    done = next;
  }
  sameBytes(Buffer.from(engine.statsText()), run([...args, '--stats', '--count', '2000']), `${args} --stats`);

  engine.generate({ separator: '.' });
  assert.deepEqual(engine.describeTypes(), run(['--describe-types', '--separator', '.']).toString().split('\n').slice(0, -1));
});

test('an export of more hoards than a batch holds is refused as vorneth-cli refuses it', () => {
  const file = join(folder, 'too-many.jsonl');
  writeFileSync(file, '{"seed": 1, "request": {}}\n'.repeat(limits.batch + 1));
  const { error } = engine.replay(readFileSync(file));
  assert.equal(error, 'holds more than 1,000,000 hoards, the most of a batch');
  const cliRun = spawnSync(cli, ['--replay', file]);
  assert.equal(cliRun.status, 2);
  assert.ok(cliRun.stderr.toString().endsWith(`: ${error}\n`), cliRun.stderr.toString());
});

test('the search gives the seeds and the reasons of vorneth-cli --find', () => {
  const request = { types: { A: 1 }, magic: 2, title: 'Lair', separator: ',', seed: 4294966000, rates: 'bx' };
  const conditions = { worthMin: 20000, worthMax: null, with: ['sword'], without: ['cursed', 'text:PLATE'], maxWeight: 2000 };
  const args = [...argsOf({ coins: 0, gems: 0, jewelry: 0, ...request }), '--find', '--worth-min', '20000', '--with', 'sword',
    '--without', 'cursed', '--without', 'text:PLATE', '--max-weight', '2000', '--tries', '5000'];
  const fromCli = (extra) => run([...args, ...extra]).toString();
  const cliSeeds = [...fromCli(['--count', '6']).matchAll(/^Seed (\d+)$/gm)].map((m) => Number(m[1]));
  assert.equal(cliSeeds.length, 6);

  assert.equal(engine.findProblem(conditions), '');
  engine.findBegin(request, conditions);
  // Two workers' ranges, the first past 4294967295 on to 0.
  const low = engine.findRange(request.seed, 2000, 6);
  const high = engine.findRange(request.seed + 2000, 3000, 6);
  assert.deepEqual([...low.seeds, ...high.seeds].slice(0, 6), cliSeeds);
  assert.match(fromCli(['--stats']), new RegExp(`^Matches: ${(low.matches + high.matches).toLocaleString('en')} of 5,000 tries`));

  assert.deepEqual(engine.findWords(), ['potion', 'scroll', 'ring', 'wand', 'misc', 'armour', 'sword', 'weapon', 'map', 'gems', 'jewelry', 'cursed']);
  assert.equal(engine.limits.tries, 2 ** 32);
  for (const [bad, cliArgs] of [
    [{ worthMin: 9, worthMax: 8 }, ['--worth-min', '9', '--worth-max', '8']],
    [{ with: ['sword'], without: ['Sword'] }, ['--with', 'sword', '--without', 'Sword']],
    [{ with: ['dragon'] }, ['--with', 'dragon']],
    [{ maxWeight: 1.5 }, ['--max-weight', '1.5']],
  ]) {
    const problem = engine.findProblem(bad);
    const cliRun = spawnSync(cli, ['--find', ...cliArgs]);
    assert.equal(cliRun.status, 2);
    assert.equal(cliRun.stderr.toString(), `vorneth-cli: ${problem} (see vorneth-cli --help)\n`);
  }
  assert.throws(() => engine.findBegin(request, { worthMin: -1 }), RangeError);
});

test("a game master's tables check, draw and fill a hoard as vorneth-cli does", (t) => {
  const write = (name, text) => {
    writeFileSync(join(folder, name), text);
    return { name, bytes: readFileSync(join(folder, name)) };
  };
  const files = [write('potions.txt', '# Potions d20\n1-12 Potion of Healing (400 gp)\n13-20 A flask of [[Oils]]\n'),
    write('Oils.csv', 'd6,Oil,Players,Value\n1-4,Oil of Slipperiness,a slick oil,400\n5-6,Oil of Etherealness,,"1,500"\n')];
  const potions = join(folder, 'potions.txt');
  const opened = engine.tableOpen(files);
  assert.equal(opened.faults, 0);
  assert.deepEqual(opened.check.join('\n') + '\n', run(['--check-table', potions]).toString()
    .replaceAll(`${folder}/`, ''));
  assert.equal(engine.tableRoll(20, 9).join('\n') + '\n', run(['--roll-table', potions, '--times', '20', '--seed', '9']).toString());
  assert.ok(engine.tableUse('potions'));
  t.after(() => engine.tableDrop('potions'));
  assert.deepEqual(engine.tablesInUse(), [{ family: 'potions', file: 'potions.txt' }]);
  const request = { types: { A: 2 }, coins: 0, gems: 0, jewelry: 0, magic: 20, title: 'Oils', seed: 4, separator: ',' };
  const args = [...argsOf(request), '--table', `potions=${potions}`];
  engine.generate(request);
  for (const [which, more] of [[Text.dm, []], [Text.players, ['--list', 'players']], [Text.json, ['--format', 'json']]]) {
    sameBytes(engine.bytes(which), run([...args, ...more]), `--table ${more.join(' ')}`);
  }
  // A file with a fault is not used; the tables in use stay.
  assert.equal(engine.tableOpen([write('gap.txt', '1 A\n3 B\n')]).faults, 1);
  assert.equal(engine.tableUse('rings'), false);
  assert.deepEqual(engine.tablesInUse().map((c) => c.family), ['potions']);
});
