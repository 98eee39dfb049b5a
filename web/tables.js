// The panel of a game master's own tables: files opened or dropped are checked as
// `vorneth-cli --check-table` checks them, drawn from as `--roll-table` draws, and used for a
// family of the hoards as `--table FAMILY=FILE`. A hoard's link names the tables it drew from;
// a link or an export that names tables not in use waits for their files.

import { $, fillItems } from './dom.js';

// How the families read on the page.
const LABELS = { potions: 'Potions', scrolls: 'Scrolls', rings: 'Rings', wands: 'Rods, staves and wands',
  misc: 'Miscellaneous items', armour: 'Armour and shields', swords: 'Swords', weapons: 'Weapons' };

let engine;
// The files opened last, [{name, bytes}], when they hold no fault.
let opened = null;
// The tables a link or an export asks for that are not in use: [{family, file}], and what to
// do once they are.
let wanted = { tables: [], then: null };

const sameTables = (a, b) => a.length === b.length &&
  a.every((x) => b.some((y) => y.family === x.family && y.file === x.file));

const say = (text) => { $('table-message').textContent = text; };

function showInUse() {
  const inUse = engine.tablesInUse();
  const items = inUse.map(({ family, file }) => {
    const item = document.createElement('li');
    const stop = document.createElement('button');
    stop.type = 'button';
    stop.textContent = 'Stop using';
    stop.setAttribute('aria-label', `Stop using ${file} for ${LABELS[family].toLowerCase()}`);
    stop.addEventListener('click', () => {
      engine.tableDrop(family);
      showInUse();
      say(`${LABELS[family]} come from the built-in tables again.`);
    });
    item.append(`${LABELS[family]}: ${file} `, stop);
    return item;
  });
  $('tables-in-use').replaceChildren(...items);
  $('tables-in-use-none').hidden = inUse.length > 0;
  const missing = wanted.tables.filter((w) => !inUse.some((u) => u.family === w.family && u.file === w.file));
  $('table-wanted').hidden = missing.length === 0;
  $('table-wanted').textContent = missing.length === 0 ? '' :
    `The hoard asked for draws ${missing.map((w) => `${LABELS[w.family].toLowerCase()} from ${w.file}`).join(', ')}: ` +
    'open the file (with the files its rows name) to roll it.';
}

// Reads the files chosen or dropped, checks them and shows the check; a hoard waiting for them
// uses them at once.
async function openFiles(fileList) {
  const files = await Promise.all([...fileList].map(async (file) =>
    ({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) })));
  if (files.length === 0) {
    return;
  }
  const { faults, check } = engine.tableOpen(files);
  fillItems($('table-check'), check);
  $('table-check').classList.toggle('faults', faults > 0);
  opened = faults === 0 ? files : null;
  $('table-actions').hidden = !opened;
  $('table-draws').replaceChildren();
  const noun = faults === 1 ? 'fault' : 'faults';
  say(faults > 0 ? `${files[0].name} has ${faults} ${noun}: mend the file and open it again.`
    : `${files[0].name} is ready: roll it, or use it for a family of magic items.`);
  const waiting = wanted.tables.find((w) => w.file === files[0].name);
  if (opened && waiting) {
    engine.tableUse(waiting.family);
    $('table-family').value = waiting.family;
    showInUse();
    if (sameTables(engine.tablesInUse(), wanted.tables)) {
      const { then } = wanted;
      wanted = { tables: [], then: null };
      showInUse();
      then?.();
    }
  }
}

// Whether the hoard of a link or an export can be rolled with the tables it names (`tables`,
// [{family, file}]): tables in use that it does not name stop being used; a table it names
// that is not in use waits for its file, and `then` rolls the hoard once it is opened.
export function tablesReady(tables, then) {
  for (const { family, file } of engine.tablesInUse()) {
    if (!tables.some((t) => t.family === family && t.file === file)) {
      engine.tableDrop(family);
    }
  }
  const ready = sameTables(engine.tablesInUse(), tables);
  wanted = ready ? { tables: [], then: null } : { tables, then };
  showInUse();
  if (!ready) {
    $('tables').scrollIntoView({ block: 'start' });
    $('table-file').focus({ preventScroll: true });
  }
  return ready;
}

export function setUpTables(theEngine) {
  engine = theEngine;
  for (const family of engine.tableFamilies()) {
    $('table-family').append(new Option(LABELS[family], family));
  }
  $('table-file').addEventListener('change', async () => {
    await openFiles($('table-file').files);
    $('table-file').value = '';  // so that the same file can be opened again
  });
  const panel = $('tables');
  panel.addEventListener('dragover', (event) => {
    event.preventDefault();
    panel.classList.add('dropping');
  });
  panel.addEventListener('dragleave', () => panel.classList.remove('dropping'));
  panel.addEventListener('drop', (event) => {
    event.preventDefault();
    event.stopPropagation();  // not an export to roll again
    panel.classList.remove('dropping');
    openFiles(event.dataTransfer.files);
  });
  $('table-roll').addEventListener('click', () => {
    const text = $('table-times').value.trim();
    const times = Number(text);
    if (!/^\d+$/.test(text) || times < 1 || times > 1000) {
      say(`Draws must be a number from 1 to 1000, not "${text}"`);
      $('table-times').focus();
      return;
    }
    const seed = crypto.getRandomValues(new Uint32Array(1))[0];
    fillItems($('table-draws'), engine.tableRoll(times, seed));
    say(`${times} ${times === 1 ? 'draw' : 'draws'} from ${opened[0].name}, seed ${seed}.`);
  });
  $('table-use').addEventListener('click', () => {
    const family = $('table-family').value;
    engine.tableUse(family);
    showInUse();
    say(`${LABELS[family]} of the next hoards come from ${opened[0].name}.`);
  });
  showInUse();
}
