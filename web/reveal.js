// The game master's side of the table, in the report: reveal the players' lines one by one or
// all at once, identify an item, and see how many lines the players have. The panel is made
// here and put under the lists; its rows are drawn only while it is open, so a hoard of
// thousands of lines costs nothing until the game master asks for them.

import { Text } from './engine.js';
import { $ } from './dom.js';
import { LINK_NAMES, Mark, applyRanges, canIdentify, dmLinesOf, linkPartsOf, playersView,
  revealState } from './reveal_state.js';

// Rows are drawn in blocks of this many, each laid out only when it comes near the view.
const BLOCK = 200;

let state = null;
let caption = '';
const listeners = [];

function element(tag, props = {}, ...children) {
  const node = Object.assign(document.createElement(tag), props);
  node.append(...children);
  return node;
}

function button(id, text) {
  return element('button', { type: 'button', id, textContent: text });
}

// The panel: its summary counts the lines shown; its body holds the controls and the rows.
function makePanel() {
  const panel = element('details', { id: 'table-panel' },
    element('summary', { id: 'table-summary' }),
    element('p', { className: 'note', textContent: 'The players see the caption and the lines ' +
      'revealed here, and the DM\'s line of an item identified; nothing else of the DM\'s List.' }),
    element('div', { className: 'buttons' }, button('reveal-all', 'Reveal all'),
      button('hide-all', 'Hide all'), button('open-screen', 'Open players\' screen')),
    element('p', { id: 'table-note', className: 'note', role: 'status' }),
    element('div', { id: 'reveal-lines', className: 'list reveal-lines' }));
  return panel;
}

function renderSummary() {
  const shown = state ? state.marks.filter((m) => m !== Mark.hidden).length : 0;
  const total = state ? state.marks.length : 0;
  $('table-summary').textContent = `At the table: ${shown} of ${total} players' lines revealed`;
}

function lineButton(kind, text, i) {
  const control = element('button', { type: 'button', className: kind, textContent: text });
  control.dataset.line = String(i);
  control.setAttribute('aria-label', `${text} line ${i + 1}: ${state.players[i]}`);
  return control;
}

// Shows line i's mark on its row.
function showMark(item, i) {
  const mark = state.marks[i];
  item.dataset.mark = String(mark);
  item.querySelector('.reveal').setAttribute('aria-pressed', String(mark !== Mark.hidden));
  item.querySelector('.identify')?.setAttribute('aria-pressed', String(mark === Mark.identified));
}

function row(i) {
  const texts = element('span', { className: 'texts' },
    element('span', { className: 'players-line', textContent: state.players[i] }));
  const controls = element('span', { className: 'controls' }, lineButton('reveal', 'Reveal', i));
  if (canIdentify(state, i)) {
    texts.append(element('span', { className: 'dm-line', textContent: dmLinesOf(state, i).join(' ') }));
    controls.append(lineButton('identify', 'Identify', i));
  }
  const item = element('li', {}, texts, controls);
  showMark(item, i);
  return item;
}

// The row of line i, if the rows are drawn.
const rowOf = (i) => $('reveal-lines').children[Math.floor(i / BLOCK)]?.children[i % BLOCK];

function renderRows() {
  const blocks = [];
  if ($('table-panel').open && state) {
    for (let first = 0; first < state.players.length; first += BLOCK) {
      const count = Math.min(BLOCK, state.players.length - first);
      const block = element('ol', { className: 'block', start: first + 1 });
      block.style.containIntrinsicBlockSize = `auto ${count * 2.8}em`;
      block.append(...Array.from({ length: count }, (_, k) => row(first + k)));
      blocks.push(block);
    }
  }
  $('reveal-lines').replaceChildren(...blocks);
}

function changed() {
  renderSummary();
  const view = currentView();
  for (const listener of listeners) {
    listener(view);
  }
}

function mark(i, value) {
  state.marks[i] = value;
  const item = rowOf(i);
  if (item) {
    showMark(item, i);
  }
  changed();
}

// Reveal all keeps what is identified; hide all hides everything.
function markAll(value) {
  state.marks.forEach((m, i) => {
    state.marks[i] = value === Mark.revealed ? Math.max(m, value) : value;
    const item = rowOf(i);
    if (item) {
      showMark(item, i);
    }
  });
  changed();
}

// What the players see of the hoard shown, or null before any hoard.
export function currentView() {
  return state ? playersView(state, caption) : null;
}

// `listener(view)` is called with the players' view at every change.
export function onViewChange(listener) {
  listeners.push(listener);
}

// The link's parts of the reveal ("shown=...&known=..."), or ''.
export const revealLinkParts = () => (state ? linkPartsOf(state.marks) : '');

// How many of the hoard's players' lines are revealed, in words, for the history.
export const revealWords = () => {
  const shown = state ? state.marks.filter((m) => m !== Mark.hidden).length : 0;
  return shown ? `${shown} of ${state.marks.length} lines revealed` : '';
};

// A note under the controls (for example, what a shared view left out).
export function setTableNote(text) {
  $('table-note').textContent = text;
}

// Takes up the engine's last hoard, nothing revealed, or as `reveal` ({shown, known}, a
// link's runs of lines) says. Returns why the link's runs cannot be read, or ''.
export function startReveal(engine, reveal = {}) {
  caption = engine.text(Text.caption);
  const sources = engine.lines(Text.playersSources).map(Number);
  state = revealState(engine.lines(Text.dm), engine.lines(Text.players), sources);
  let problem = '';
  for (const [name, value] of Object.entries(LINK_NAMES)) {
    if (reveal[name] !== undefined && !problem) {
      const why = applyRanges(state.marks, reveal[name], value);
      problem = why && `The link's ${name} ${why}`;
    }
  }
  if (problem) {
    state.marks.fill(Mark.hidden);
  }
  setTableNote('');
  renderRows();
  changed();
  return problem;
}

export function setUpReveal() {
  $('report').querySelector('.list-view').after(makePanel());
  renderSummary();
  $('table-panel').addEventListener('toggle', renderRows);
  $('reveal-all').addEventListener('click', () => state && markAll(Mark.revealed));
  $('hide-all').addEventListener('click', () => state && markAll(Mark.hidden));
  $('reveal-lines').addEventListener('click', (event) => {
    const target = event.target.closest('button[data-line]');
    if (!target || !state) {
      return;
    }
    const i = Number(target.dataset.line);
    const pressed = target.getAttribute('aria-pressed') === 'true';
    if (target.classList.contains('reveal')) {
      mark(i, pressed ? Mark.hidden : Mark.revealed);
    } else {
      mark(i, pressed ? Mark.revealed : Mark.identified);
    }
  });
}
