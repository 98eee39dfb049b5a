// The Find panel: searches the seeds from the form's onward for a hoard of the form's request
// that meets every condition, in Web Workers side by side (one per core). The first hoard found
// in seed order opens as soon as no earlier seed can still match; the count goes on over every
// try, for the odds of the conditions, until it ends or is cancelled.

import { $ } from './dom.js';
import { runTask, workerCount } from './workers.js';

// Seeds tried by a worker between two reports.
const CHUNK = 25000;
const SEEDS = 2 ** 32;

// How the words of the search read on the page; a word not named here reads as itself.
const LABELS = { misc: 'miscellaneous item', wand: 'rod, staff or wand', armour: 'armour or shield',
  map: 'map', gems: 'gems', jewelry: 'jewelry', cursed: 'cursed item' };

let running = null;  // the AbortController of the search in progress

const percent = (part, whole) => `${(100 * part / whole).toFixed(part === whole || part === 0 ? 0 : 2)}%`;
const count = (n) => n.toLocaleString('en');

// A choice of any, with or without for each word of the engine's search.
function buildWords(words) {
  const fields = words.map((word) => {
    const field = document.createElement('div');
    field.className = 'field';
    const label = document.createElement('label');
    label.htmlFor = `find-${word}`;
    label.textContent = LABELS[word] ?? word;
    const choice = document.createElement('select');
    choice.id = `find-${word}`;
    choice.dataset.word = word;
    for (const [value, text] of [['', 'any'], ['with', 'with'], ['without', 'without']]) {
      choice.append(new Option(text, value));
    }
    field.append(label, choice);
    return field;
  });
  document.querySelector('#find-words .find-words').replaceChildren(...fields);
}

// A whole number of a box, null when it is empty, or {error}.
function wholeNumber(id, name) {
  const text = $(id).value.trim();
  if (text === '') {
    return null;
  }
  return /^\d+$/.test(text) ? Number(text) : { error: `${name} must be a whole number, not "${text}"` };
}

// The conditions of the panel as the engine takes them, or {error}.
function readConditions(engine) {
  const conditions = { with: [], without: [] };
  for (const [key, id, name] of [['worthMin', 'find-worth-min', 'Worth at least'],
    ['worthMax', 'find-worth-max', 'Worth at most'],
    ['maxWeight', 'find-max-weight', 'Coins weigh at most']]) {
    const value = wholeNumber(id, name);
    if (value?.error) {
      return { error: value.error, field: id };
    }
    conditions[key] = value;
  }
  for (const choice of document.querySelectorAll('#find-words select')) {
    if (choice.value) {
      conditions[choice.value].push(choice.dataset.word);
    }
  }
  const problem = engine.findProblem(conditions);
  return problem ? { error: problem } : conditions;
}

function showRunning(on) {
  $('find-start').hidden = on;
  $('find-cancel').hidden = !on;
  $('find-progress').hidden = !on;
}

// The chunks of `tries` seeds from `seed`, dealt in turn to `workers` workers.
function dealChunks(seed, tries, workers) {
  const hands = Array.from({ length: workers }, () => []);
  for (let index = 0, done = 0; done < tries; index++, done += CHUNK) {
    hands[index % workers].push({ index, first: (seed + done) % SEEDS, tries: Math.min(CHUNK, tries - done) });
  }
  return hands.filter((hand) => hand.length > 0);
}

// `readRequest` gives the form's request (null when a box is bad); `open(request)` rolls and
// shows the hoard of a request.
export function setUpFind(engine, readRequest, open) {
  buildWords(engine.findWords());
  $('find-tries').maxLength = String(engine.limits.tries).length;
  for (const id of ['find-worth-min', 'find-worth-max', 'find-max-weight', 'find-tries']) {
    $(id).addEventListener('beforeinput', (event) => {
      if (event.data && /\D/.test(event.data)) {
        event.preventDefault();
      }
    });
  }
  $('find-cancel').addEventListener('click', () => running?.abort());
  $('find-start').addEventListener('click', async () => {
    const message = (text) => { $('find-message').textContent = text; };
    const conditions = readConditions(engine);
    const tries = wholeNumber('find-tries', 'Seeds to try');
    if (conditions.error || tries === null || tries?.error || tries < 1 || tries > engine.limits.tries) {
      message(conditions.error ?? `Seeds to try must be a whole number from 1 to ${count(engine.limits.tries)}`);
      $(conditions.field ?? (conditions.error ? 'find-worth-min' : 'find-tries')).focus();
      return;
    }
    const request = readRequest();
    if (!request || request.problem) {
      message(request?.problem ?? 'Mend the request above first');
      return;
    }
    running = new AbortController();
    const { signal } = running;
    showRunning(true);
    $('find-cancel').focus();
    const results = [];  // by chunk index: {tries, matches, seeds}
    let tried = 0;
    let matches = 0;
    let found = null;
    const onProgress = (chunk) => {
      results[chunk.index] = chunk;
      tried += chunk.tries;
      matches += chunk.matches;
      $('find-progress').value = tried / tries;
      // The first match in seed order is certain once every chunk before its own is done.
      for (let i = 0; found === null && results[i]; i++) {
        if (results[i].seeds.length > 0) {
          found = results[i].seeds[0];
          open({ ...request, seed: found });
        }
      }
      const first = found === null ? 'none found yet' : `the first at seed ${found}`;
      message(`${count(matches)} of ${count(tried)} seeds tried match (${percent(matches, tried)}), ${first}`);
    };
    try {
      await Promise.all(dealChunks(request.seed, tries, workerCount()).map((chunks) =>
        runTask('find', { request, conditions, chunks, limit: 1 }, { signal, onProgress })));
      message(found === null
        ? `No hoard of ${count(tries)} seeds tried meets the conditions`
        : `${count(matches)} of ${count(tries)} seeds tried match (${percent(matches, tries)}): the first at seed ${found} is shown`);
    } catch (error) {
      running.abort();  // the other workers too
      if (error.name !== 'AbortError') {
        message(`The search failed: ${error.message}`);
      } else {
        message(`Cancelled after ${count(tried)} seeds: ${count(matches)} matched${found === null ? '' : `, the first at seed ${found}`}`);
      }
    } finally {
      running = null;
      const hadFocus = [$('find-cancel'), document.body].includes(document.activeElement);
      showRunning(false);
      if (hadFocus) {
        $('find-start').focus();  // else the focus is on the hoard found
      }
    }
  });
}
