// The report of the hoard: its caption, the two lists, the worth, the shares, and what can be
// done with them (save, copy, print, export).

import { Text } from './engine.js';
import { $, HEADINGS, fillItems } from './dom.js';

// Lines of a list are shown in blocks of this many, each laid out only when it comes near the
// view (content-visibility), so that a hoard of thousands of lines is shown at once.
const BLOCK = 200;

let engine;
const state = { list: 'dm', shares: 0 };

export const listShown = () => state.list;

// `lines` as the lines of list `element`: one <li> a line, in <ol> blocks of BLOCK lines.
function fillList(element, lines) {
  const blocks = [];
  for (let first = 0; first < lines.length; first += BLOCK) {
    const block = document.createElement('ol');
    block.className = 'block';
    block.start = first + 1;
    const count = Math.min(BLOCK, lines.length - first);
    block.style.containIntrinsicBlockSize = `auto ${count * 1.35}em`;
    fillItems(block, lines.slice(first, first + count));
    blocks.push(block);
  }
  element.replaceChildren(...blocks);
}

export function showList(list) {
  state.list = list;
  $('dm-list').hidden = list !== 'dm';
  $('players-list').hidden = list !== 'players';
  $('show-dm').setAttribute('aria-pressed', String(list === 'dm'));
  $('show-players').setAttribute('aria-pressed', String(list === 'players'));
  $('list-name').textContent = HEADINGS[list];
  $('worth').hidden = list !== 'dm';  // the players list carries no values
  if (state.shares) {
    renderShares();
  }
}

// The caption on every printed page, with the page's number beside it.
function setPrintCaption(caption) {
  const escaped = [...caption].map((c) => `\\${c.codePointAt(0).toString(16)} `).join('');
  $('print-caption').textContent = `@page { @top-left { content: "${escaped}"; } }`;
}

// Shows the engine's last hoard: returns its DM lines' count.
export function showHoard(list, printedAt) {
  const caption = engine.text(Text.caption);
  $('caption').textContent = caption;
  document.title = caption;
  setPrintCaption(caption);
  const dm = engine.lines(Text.dm);
  fillList($('dm-list'), dm);
  fillList($('players-list'), engine.lines(Text.players));
  $('worth-line').textContent = engine.text(Text.worthLine);
  fillItems($('worth-breakdown'), engine.lines(Text.breakdown));
  state.shares = 0;
  $('shares').replaceChildren();
  $('report-message').textContent = '';
  $('printed-at').textContent = `  ${printedAt}`;
  showList(list);
  $('welcome').hidden = true;
  $('report').hidden = false;
  return dm.length;
}

export function hideHoard() {
  $('report').hidden = true;
  $('welcome').hidden = false;
}

// The shares of the list shown, each under its heading, as the engine writes them.
function renderShares() {
  engine.share(state.shares);
  const lines = engine.lines(state.list === 'dm' ? Text.sharesDM : Text.sharesPlayers);
  const sections = [];
  let list = null;
  for (let i = 0; i < lines.length; i++) {
    const next = sections.length + 1;
    if ((i === 0 || lines[i - 1] === '') && lines[i].startsWith(`Share ${next} of ${state.shares}, `)) {
      if (list && list.lastChild?.textContent === '') {
        list.lastChild.remove();  // the empty line between two shares
      }
      const section = document.createElement('section');
      const heading = document.createElement('h3');
      heading.textContent = lines[i];
      list = document.createElement('ol');
      list.className = 'list';
      section.append(heading, list);
      sections.push(section);
    } else {
      const item = document.createElement('li');
      item.textContent = lines[i];
      list.append(item);
    }
  }
  $('shares').replaceChildren(...sections);
}

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

const EXPORTS = {
  markdown: [Text.markdown, 'hoard.md', 'text/markdown'],
  csv: [Text.csv, 'hoard.csv', 'text/csv'],
  json: [Text.json, 'hoard.json', 'application/json'],
  foundry: [Text.foundry, 'hoard-foundry.json', 'application/json'],
  // A journal of the list shown alone, to import into an entry of its own and share whole.
  'foundry-shown': [() => (state.list === 'dm' ? Text.foundryDM : Text.foundryPlayers),
    () => `hoard-foundry-${state.list}.json`, 'application/json'],
};

async function copyList() {
  const lines = engine.lines(state.list === 'dm' ? Text.dm : Text.players);
  try {
    await navigator.clipboard.writeText(lines.join('\n'));
    $('report-message').textContent = `Copied the ${HEADINGS[state.list]} (${lines.length} lines)`;
  } catch {
    $('report-message').textContent = 'The browser did not allow copying';
  }
}

// `onListChange` is told of a switch of the list shown.
export function setUpReport(theEngine, onListChange) {
  engine = theEngine;
  for (const [id, list] of [['show-dm', 'dm'], ['show-players', 'players']]) {
    $(id).addEventListener('click', () => {
      showList(list);
      onListChange();
    });
  }
  $('save-text').addEventListener('click', () => {
    download(engine.bytes(state.list === 'dm' ? Text.savedDM : Text.savedPlayers), 'Vornath.txt', 'text/plain');
  });
  for (const button of document.querySelectorAll('[data-export]')) {
    button.addEventListener('click', () => {
      const [which, name, type] = EXPORTS[button.dataset.export].map((v) => (typeof v === 'function' ? v() : v));
      download(engine.bytes(which), name, type);
      $('export-menu').open = false;
      $('export-menu').querySelector('summary').focus();
    });
  }
  $('export-menu').addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && $('export-menu').open) {
      $('export-menu').open = false;
      $('export-menu').querySelector('summary').focus();
    }
  });
  $('copy').addEventListener('click', copyList);
  $('print').addEventListener('click', () => window.print());
  const counts = $('share-count');
  for (let k = engine.limits.minShares; k <= engine.limits.maxShares; k++) {
    counts.append(new Option(`${k} characters`, String(k)));
  }
  $('share').addEventListener('click', () => {
    state.shares = Number(counts.value);
    renderShares();
  });
}
