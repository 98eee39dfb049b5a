// The page: the request form, the report of the hoard, and the link that holds the request.
// The hoard itself, its worth and every export come from the engine (engine.js).

import { loadEngine, LETTERS, Text } from './engine.js';

const $ = (id) => document.getElementById(id);
const LAIR = document.querySelector('#lair-types .types').dataset.letters;
const CUSTOM = ['coins', 'gems', 'jewelry', 'magic'];
const HEADINGS = { dm: "DM's List", players: "Player's List" };

// The list shown, the shares asked for, the request of the hoard shown, and the export opened.
const state = { list: 'dm', shares: 0, request: null, replay: null };
let engine;

// ---- the form -------------------------------------------------------------------------

function numberFields() {
  return [...document.querySelectorAll('input[data-limit]')];
}

function typeField(letter) {
  return $(`type-${letter}`);
}

function buildTypeFields() {
  for (const group of document.querySelectorAll('.types')) {
    for (const letter of group.dataset.letters) {
      const field = document.createElement('div');
      field.className = 'field type';
      const label = document.createElement('label');
      label.htmlFor = `type-${letter}`;
      label.textContent = `${letter} ×`;
      const input = document.createElement('input');
      Object.assign(input, { id: `type-${letter}`, name: letter, value: '0', autocomplete: 'off' });
      input.inputMode = 'numeric';
      input.dataset.limit = 'type';
      field.append(label, input);
      group.append(field);
    }
  }
}

// Every number box admits as many digits as its maximum has, and digits only when typed.
function setUpNumberFields() {
  for (const input of numberFields()) {
    input.maxLength = String(engine.limits[input.dataset.limit]).length;
    input.addEventListener('beforeinput', (event) => {
      if (event.data && /\D/.test(event.data)) {
        event.preventDefault();
      }
    });
    input.addEventListener('blur', () => {
      if (input.value.trim() === '') {
        input.value = '0';
      }
    });
  }
  $('seed').value = String(engine.limits.defaultSeed);
}

function setLair(inLair) {
  $('in-lair').checked = inLair;
  for (const letter of LAIR) {
    typeField(letter).disabled = !inLair;
    if (!inLair) {
      typeField(letter).value = '0';
      showFieldError(typeField(letter), '');
    }
  }
}

function fieldName(input) {
  if (input.dataset.limit === 'type') {
    return `Type ${input.name}`;
  }
  return document.querySelector(`label[for="${input.id}"]`).textContent;
}

function showFieldError(input, message) {
  const id = `${input.id}-error`;
  let note = $(id);
  if (!message) {
    note?.remove();
    input.removeAttribute('aria-invalid');
    input.removeAttribute('aria-describedby');
    return;
  }
  if (!note) {
    note = document.createElement('span');
    note.id = id;
    note.className = 'error';
    input.after(note);
  }
  note.textContent = message;
  input.setAttribute('aria-invalid', 'true');
  input.setAttribute('aria-describedby', id);
}

function showFormMessage(message) {
  $('form-message').textContent = message;
  $('form-message').hidden = !message;
}

// A whole number from 0 to the field's maximum, or a message saying what is wrong.
function checkNumber(input) {
  const max = engine.limits[input.dataset.limit];
  const text = input.value.trim();
  if (!/^\d+$/.test(text)) {
    return { error: `${fieldName(input)} must be a whole number from 0 to ${max}` };
  }
  const value = Number(text);
  if (value > max) {
    return { error: `${fieldName(input)} is above its maximum ${max}` };
  }
  return { value };
}

// The request of the form, or null when a field is bad (each bad field then says why).
function readForm() {
  const request = { types: {} };
  let good = true;
  for (const input of numberFields()) {
    const { value, error } = checkNumber(input);
    showFieldError(input, error);
    good &&= !error;
    if (input.dataset.limit === 'type') {
      request.types[input.name] = value;
    } else {
      request[input.name] = value;
    }
  }
  const separator = $('separator').value;
  const problem = engine.separatorProblem(separator);
  showFieldError($('separator'), problem && `The separator ${problem}`);
  good &&= !problem;
  request.title = $('title').value;
  request.separator = separator;
  if (!good) {
    document.querySelector('[aria-invalid="true"]').focus();
  }
  return good ? request : null;
}

function fillForm(request) {
  setLair(true);
  for (const letter of LETTERS) {
    typeField(letter).value = String(request.types?.[letter] ?? 0);
  }
  for (const name of CUSTOM) {
    $(name).value = String(request[name] ?? 0);
  }
  $('title').value = request.title ?? '';
  $('seed').value = String(request.seed ?? engine.limits.defaultSeed);
  $('separator').value = request.separator ?? ',';
}

// ---- the link -------------------------------------------------------------------------

const encode = (text) =>
  encodeURIComponent(text).replace(/[!'()*]/g, (c) => `%${c.charCodeAt(0).toString(16).toUpperCase()}`);

function fragmentOf(request) {
  const parts = [];
  for (const letter of LETTERS) {
    if (request.types[letter] > 0) {
      parts.push(`${letter}=${request.types[letter]}`);
    }
  }
  for (const name of CUSTOM) {
    if (request[name] > 0) {
      parts.push(`${name}=${request[name]}`);
    }
  }
  if (request.title) {
    parts.push(`title=${encode(request.title)}`);
  }
  parts.push(`seed=${request.seed}`, `separator=${encode(request.separator)}`, `list=${state.list}`);
  return `#${parts.join('&')}`;
}

function updateFragment() {
  history.replaceState(null, '', fragmentOf(state.request));
}

// Fills the form from the link; returns the list it asks for, or null (with the message shown)
// when the link cannot be read.
function applyFragment(hash) {
  const fields = { title: $('title'), seed: $('seed'), separator: $('separator') };
  for (const name of CUSTOM) {
    fields[name] = $(name);
  }
  let list = 'dm';
  fillForm({});  // a name the link leaves out has its default
  for (const part of hash.replace(/^#/, '').split('&').filter(Boolean)) {
    const eq = part.indexOf('=');
    const name = eq < 0 ? part : part.slice(0, eq);
    let value;
    try {
      value = decodeURIComponent(part.slice(eq + 1));
    } catch {
      showFormMessage(`The link's value of ${name} is not well-formed UTF-8`);
      return null;
    }
    const letter = name.length === 1 ? name.toUpperCase() : '';
    if (eq < 0) {
      showFormMessage(`The link names ${name} without a value (${name}=...)`);
      return null;
    } else if (letter && LETTERS.includes(letter)) {
      typeField(letter).value = value;
    } else if (name in fields) {
      fields[name].value = value;
    } else if (name === 'list' && value in HEADINGS) {
      list = value;
    } else if (name === 'list') {
      showFormMessage(`The link's list must be dm or players, not ${value}`);
      return null;
    } else {
      showFormMessage(`The link holds ${name}, which is not a field of the form`);
      return null;
    }
  }
  return list;
}

// ---- the report -----------------------------------------------------------------------

function fillList(element, lines) {
  const items = lines.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  });
  element.replaceChildren(...items);
}

function showList(list) {
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

// "m/d/yy  h:nn", as the desktop's printed footer shows the time of printing.
function printedAt(now = new Date()) {
  const yy = String(now.getFullYear() % 100).padStart(2, '0');
  const nn = String(now.getMinutes()).padStart(2, '0');
  return `${now.getMonth() + 1}/${now.getDate()}/${yy}  ${now.getHours()}:${nn}`;
}

function generate(list = 'dm') {
  showFormMessage('');
  const request = readForm();
  if (!request) {
    return false;
  }
  const started = performance.now();
  engine.generate(request);
  $('caption').textContent = engine.text(Text.caption);
  document.title = engine.text(Text.caption);
  fillList($('dm-list'), engine.lines(Text.dm));
  fillList($('players-list'), engine.lines(Text.players));
  $('worth-line').textContent = engine.text(Text.worthLine);
  fillList($('worth-breakdown'), engine.lines(Text.breakdown));
  state.shares = 0;
  $('shares').replaceChildren();
  $('report-message').textContent = '';
  $('printed-at').textContent = `  ${printedAt()}`;
  showList(list);
  $('report').hidden = false;
  performance.measure('vorneth-generate', { start: started });
  state.request = request;
  updateFragment();
  return true;
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

async function replayFile(file) {
  const result = engine.replay(new Uint8Array(await file.arrayBuffer()));
  state.replay = result.error ? null : { name: file.name, count: result.count };
  $('replay-pick-row').hidden = !(result.count > 1);
  if (result.error) {
    $('replay-message').textContent = `${file.name} cannot be rolled again: ${result.error}`;
    return;
  }
  $('replay-pick').value = '1';
  showReplayed(1);
}

// Hoard `number` (from 1) of the export opened last.
function showReplayed(number) {
  const { name, count } = state.replay;
  fillForm(engine.pick(number - 1));
  if (generate()) {
    const of = count > 1 ? `, hoard ${number} of ${count}` : '';
    $('replay-message').textContent = `Rolled again from ${name}${of}`;
  }
}

// ---- start ----------------------------------------------------------------------------

function wire() {
  $('request').addEventListener('submit', (event) => {
    event.preventDefault();
    generate();
  });
  $('in-lair').addEventListener('change', () => setLair($('in-lair').checked));
  $('roll-again').addEventListener('click', () => {
    const { value, error } = checkNumber($('seed'));
    if (error) {
      showFieldError($('seed'), error);
      $('seed').focus();
      return;
    }
    $('seed').value = String((value + 1) % (engine.limits.seed + 1));
    generate();
  });
  $('show-dm').addEventListener('click', () => {
    showList('dm');
    updateFragment();
  });
  $('show-players').addEventListener('click', () => {
    showList('players');
    updateFragment();
  });
  $('save-text').addEventListener('click', () => {
    download(engine.bytes(state.list === 'dm' ? Text.savedDM : Text.savedPlayers), 'Vornath.txt', 'text/plain');
  });
  for (const button of document.querySelectorAll('[data-export]')) {
    button.addEventListener('click', () => {
      const [which, name, type] = EXPORTS[button.dataset.export].map((v) => (typeof v === 'function' ? v() : v));
      download(engine.bytes(which), name, type);
    });
  }
  $('copy').addEventListener('click', copyList);
  $('print').addEventListener('click', () => window.print());
  window.addEventListener('beforeprint', () => {
    $('printed-at').textContent = `  ${printedAt()}`;
  });
  const counts = $('share-count');
  for (let k = engine.limits.minShares; k <= engine.limits.maxShares; k++) {
    counts.append(new Option(`${k} characters`, String(k)));
  }
  $('share').addEventListener('click', () => {
    state.shares = Number(counts.value);
    renderShares();
  });
  $('replay-file').addEventListener('change', () => {
    const [file] = $('replay-file').files;
    if (file) {
      replayFile(file);
    }
    $('replay-file').value = '';  // so that the same file can be opened again
  });
  $('replay-show').addEventListener('click', () => {
    const text = $('replay-pick').value.trim();
    const number = Number(text);
    const good = /^\d+$/.test(text) && number >= 1 && number <= state.replay.count;
    showFieldError($('replay-pick'), good ? '' : `Hoard of the export must be a number from 1 to ${state.replay.count}`);
    if (good) {
      showReplayed(number);
    }
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const [file] = event.dataTransfer.files;
    if (file) {
      replayFile(file);
    }
  });
  window.addEventListener('hashchange', openLink);
}

function openLink() {
  if (location.hash.length > 1) {
    const list = applyFragment(location.hash);
    // A link that cannot be rolled leaves no hoard of another request on show.
    if (!list || !generate(list)) {
      $('report').hidden = true;
    }
  }
}

async function start() {
  const base64 = $('vorneth-wasm').textContent.trim();
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  engine = await loadEngine(bytes);
  $('owner').textContent = `Vorneth ${engine.text(Text.version)}, the random hoard generator`;
  buildTypeFields();
  setUpNumberFields();
  wire();
  openLink();
  document.body.dataset.ready = 'true';
}

start();
