// The page: the request form, the report of the hoard, and the link that holds the request.
// The hoard itself, its worth and every export come from the engine (engine.js).

import { loadEngine, LETTERS, Text } from './engine.js';
import { $, CUSTOM } from './dom.js';
import { setUpFind } from './find.js';
import { checkNumber, clearErrors, fieldName, fillForm, readForm, setUpForm, showFieldError,
  showFormMessage } from './form.js';
import { remember, setUpHistory } from './history.js';
import { fragmentOf, readFragment } from './link.js';
import { setUpOdds } from './odds.js';
import { hideHoard, listShown, setUpReport, showHoard } from './report.js';
import { currentView, onViewChange, revealLinkParts, revealWords, setUpReveal, startReveal } from './reveal.js';
import { screenId, sendToScreens, setUpScreenLink, startPlayersScreen } from './players_screen.js';
import { setUpTables, tablesReady } from './tables.js';
import { setUpWorkers } from './workers.js';

let engine;
// The request of the hoard shown, its entry in the history, and the export opened last.
const state = { request: null, entry: null, replay: null };
// A seed typed, or given by a link or an export, since the last roll: Generate rolls it; else
// Generate rolls a new random seed.
let seedChosen = false;

function randomSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

// "m/d/yy  h:nn", as the desktop's printed footer shows the time of printing.
function printedAt(now = new Date()) {
  const yy = String(now.getFullYear() % 100).padStart(2, '0');
  const nn = String(now.getMinutes()).padStart(2, '0');
  return `${now.getMonth() + 1}/${now.getDate()}/${yy}  ${now.getHours()}:${nn}`;
}

// The request in a few words, for the history: "A ×1, H ×2, 100 gp, 3 magic items".
function requestWords(request) {
  const words = LETTERS.split('').filter((l) => request.types[l] > 0).map((l) => `${l} ×${request.types[l]}`);
  const customs = { coins: 'gp', gems: 'gems', jewelry: 'jewelry', magic: 'magic items' };
  for (const name of CUSTOM) {
    if (request[name] > 0) {
      words.push(`${request[name]} ${customs[name]}`);
    }
  }
  return words.join(', ') || 'nothing';
}

const updateFragment = () => history.replaceState(null, '', fragmentOf(state.request, listShown(), revealLinkParts()));

// The history's entry of the hoard shown, with what the players have been shown of it: the
// same hoard (`hoard`, its link with nothing revealed) keeps one entry.
function rememberShown() {
  remember({ ...state.entry, link: fragmentOf(state.request, 'dm', revealLinkParts()), shown: revealWords() });
}

// Rolls the form's request into the report, showing `list` with `reveal` (a link's runs of lines
// shown to the players); `inView`: brings the report into view with the focus on its caption.
// Returns whether a hoard was rolled.
function generate({ list = 'dm', reveal = {}, inView = true } = {}) {
  showFormMessage('');
  if (!seedChosen || $('seed').value.trim() === '') {
    $('seed').value = String(randomSeed());
  }
  const request = readForm();
  if (!request) {
    return false;
  }
  request.tables = engine.tablesInUse();
  seedChosen = false;
  const started = performance.now();
  engine.generate(request);
  const lines = showHoard(list, printedAt());
  performance.measure('vorneth-generate', { start: started });
  state.request = request;
  state.entry = null;
  const revealProblem = startReveal(engine, reveal);
  if (revealProblem) {
    showFormMessage(revealProblem);
  }
  const worth = engine.text(Text.worthLine);
  // The address, the history, the focus and the scroll after the frame is painted: each asks
  // for the page's layout, which is ready then.
  requestAnimationFrame(() => setTimeout(() => {
    if (state.request !== request) {
      return;  // a later roll took its place
    }
    updateFragment();
    state.entry = { hoard: fragmentOf(request, 'dm'), title: request.title, request: requestWords(request),
      seed: request.seed, worth, time: Date.now() };
    rememberShown();
  }, 0));
  if (inView) {
    // Beside the form the report is in view already; under it, it comes up to the top.
    $('caption').focus({ preventScroll: true });
    const { top } = $('report').getBoundingClientRect();
    if (top < -1 || top > innerHeight / 3) {
      $('report').scrollIntoView({ block: 'start' });
    }
  }
  const noun = lines === 1 ? 'line' : 'lines';
  $('announce').textContent = `Hoard rolled: ${lines} ${noun}, ${worth.charAt(0).toLowerCase()}${worth.slice(1)}, seed ${request.seed}`;
  return true;
}

// ---- the link --------------------------------------------------------------------------

// Fills the form from the link and rolls its hoard; a link that cannot be read says why and
// leaves no hoard of another request on show. `inView`: a link followed within the page (the
// history's) brings its hoard into view as Generate does.
function openLink({ inView = false } = {}) {
  if (location.hash.length <= 1) {
    return;
  }
  clearErrors();
  fillForm({});  // a box the link leaves out has its default, the seed included
  const link = readFragment(location.hash, engine.tableFamilies());
  if (link.field) {
    const input = $(link.field);
    showFieldError(input, `${fieldName(input)} in the link ${link.message}`);
  } else if (link.message) {
    showFormMessage(link.message);
  } else {
    for (const [id, value] of link.values) {
      $(id).value = value;
    }
    seedChosen = true;
    // A hoard drawn with a game master's tables waits for their files, then rolls.
    if (!tablesReady(link.tables, () => openLink({ inView: true }))) {
      showFormMessage('The link\'s hoard draws from tables of your own: open their files under "Your own tables"');
    } else if (generate({ list: link.list, reveal: link.reveal, inView })) {
      return;
    }
  }
  hideHoard();
}

// ---- exports rolled again -----------------------------------------------------------------

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
  clearErrors();
  fillForm(engine.pick(number - 1));
  seedChosen = true;
  if (!tablesReady(engine.tablesWanted(), () => showReplayed(number))) {
    $('replay-message').textContent = `Hoard ${number} of ${name} draws from tables of your own: open their files under "Your own tables"`;
  } else if (generate()) {
    const of = count > 1 ? `, hoard ${number} of ${count}` : '';
    $('replay-message').textContent = `Rolled again from ${name}${of}`;
  }
}

// ---- what the letters hold -----------------------------------------------------------------

function setUpTypes(descriptions) {
  const rows = [...LETTERS].map((letter, i) => {
    const row = document.createElement('tr');
    const head = document.createElement('th');
    head.scope = 'row';
    head.textContent = letter;
    const text = document.createElement('td');
    text.id = `describe-${letter}`;
    text.textContent = descriptions[i];
    row.append(head, text);
    return row;
  });
  $('types-table').tBodies[0].replaceChildren(...rows);
  $('show-types').addEventListener('click', () => $('types-dialog').showModal());
  $('types-close').addEventListener('click', () => $('types-dialog').close());
}

// ---- start -------------------------------------------------------------------------------

// The request of the odds and of a search: the form's, from the seed box's seed or the
// programs' default; {problem} while tables of the game master's own are in use, which the
// searches do not draw from.
function formRequest() {
  if (engine.tablesInUse().length > 0) {
    return { problem: 'The odds and the search roll the built-in tables only: stop using your own tables to run them' };
  }
  if ($('seed').value.trim() === '') {
    $('seed').value = String(engine.limits.defaultSeed);
    seedChosen = true;
  }
  return readForm();
}

function wire() {
  $('request').addEventListener('submit', (event) => {
    event.preventDefault();
    generate();
  });
  $('seed').addEventListener('input', () => { seedChosen = true; });
  $('roll-again').addEventListener('click', () => {
    const { value, error } = checkNumber($('seed'));
    if (error) {
      showFieldError($('seed'), error);
      $('seed').focus();
      return;
    }
    $('seed').value = String((value + 1) % (engine.limits.seed + 1));
    seedChosen = true;
    generate();
  });
  $('replay-file').addEventListener('change', () => {
    const [file] = $('replay-file').files;
    if (file) {
      replayFile(file);
    }
    $('replay-file').value = '';  // so that the same file can be opened again
  });
  $('replay-show').addEventListener('click', () => {
    if (!state.replay) {
      return;
    }
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
  window.addEventListener('beforeprint', () => {
    $('printed-at').textContent = `  ${printedAt()}`;
  });
  window.addEventListener('hashchange', () => openLink({ inView: true }));
  $('odds-link').addEventListener('click', () => {
    $('odds').scrollIntoView({ block: 'start' });
    $('odds-count').focus({ preventScroll: true });
  });
}

// The page as the game master uses it.
export async function start() {
  const base64 = $('vorneth-wasm').textContent.trim();
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  engine = await loadEngine(bytes);
  setUpWorkers($('worker-source').textContent, bytes);
  $('owner').textContent = `Vorneth ${engine.text(Text.version)}, the random hoard generator`;
  const descriptions = engine.describeTypes();
  setUpForm(engine, descriptions);
  setUpTypes(descriptions);
  setUpReport(engine, updateFragment);
  setUpTables(engine);
  setUpReveal();
  setUpScreenLink($('open-screen'), currentView);
  onViewChange((view) => {
    sendToScreens(view);
    if (state.entry) {  // a change after the hoard's first entry: its link and entry follow
      updateFragment();
      rememberShown();
    }
  });
  setUpHistory();
  setUpOdds(formRequest, engine.limits.batch);
  setUpFind(engine, formRequest, (request) => {
    fillForm(request);
    seedChosen = true;
    generate();
  });
  wire();
  openLink();
  document.body.dataset.ready = 'true';
}

// The page, or the players' screen when this window was opened as one.
export function startPage() {
  const id = screenId();
  return id ? startPlayersScreen(id) : start();
}
