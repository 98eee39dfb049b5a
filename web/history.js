// The hoards rolled on the page, kept in this browser's localStorage (nothing leaves the
// machine): the newest first, at most MAX_ENTRIES, each a link that rolls its hoard again.

import { $ } from './dom.js';

const KEY = 'vorneth-history';
export const MAX_ENTRIES = 200;

function load() {
  try {
    const entries = JSON.parse(localStorage.getItem(KEY) ?? '[]');
    return Array.isArray(entries) ? entries.filter((e) => typeof e?.link === 'string') : [];
  } catch {
    return [];  // storage refused or its text spoilt: an empty history
  }
}

function save(entries) {
  try {
    localStorage.setItem(KEY, JSON.stringify(entries));
  } catch {
    // Storage full or refused: the page goes on without keeping this hoard.
  }
}

// "12/9/2026, 19:04" in the reader's own way of writing dates.
const when = (time) => new Date(time).toLocaleString(undefined, { dateStyle: 'short', timeStyle: 'short' });

function render(entries) {
  $('history-list').replaceChildren(...entries.map((entry) => {
    const item = document.createElement('li');
    const link = document.createElement('a');
    link.href = entry.link;
    link.textContent = entry.title || 'Untitled hoard';
    const about = document.createElement('span');
    about.className = 'about';
    const shown = entry.shown ? `, ${entry.shown}` : '';
    about.textContent = ` ${entry.request}, seed ${entry.seed}: ${entry.worth}${shown} (${when(entry.time)})`;
    item.append(link, about);
    return item;
  }));
  $('history-clear').disabled = entries.length === 0;
}

// Adds a hoard: {link, hoard (its link with nothing revealed), title, request (in words), seed,
// worth, shown (what the players were shown, in words), time}. The same hoard rolled again, or
// revealed further, moves to the top rather than being listed twice.
export function remember(entry) {
  const same = (e) => (e.hoard ?? e.link) === entry.hoard;
  const entries = [entry, ...load().filter((e) => !same(e))].slice(0, MAX_ENTRIES);
  save(entries);
  render(entries);
}

export function setUpHistory() {
  render(load());
  $('history-clear').addEventListener('click', () => {
    try {
      localStorage.removeItem(KEY);
    } catch {
      // Nothing was kept.
    }
    render([]);
  });
  // Another tab of the page rolled a hoard.
  window.addEventListener('storage', (event) => {
    if (event.key === KEY || event.key === null) {
      render(load());
    }
  });
}
