// The odds of a request: what many of its hoards come to, worked out in a Web Worker (the same
// figures and text as `vorneth-cli --stats --count N`), with progress and Cancel.

import { $ } from './dom.js';
import { runTask } from './workers.js';

let running = null;  // the AbortController of the run in progress

function showRunning(on) {
  $('odds-start').hidden = on;
  $('odds-cancel').hidden = !on;
  $('odds-progress').hidden = !on;
}

// `readRequest` gives the form's request (null when a box is bad), `limit` the most hoards.
export function setUpOdds(readRequest, limit) {
  const count = $('odds-count');
  count.maxLength = String(limit).length;
  count.addEventListener('beforeinput', (event) => {
    if (event.data && /\D/.test(event.data)) {
      event.preventDefault();
    }
  });
  $('odds-start').addEventListener('click', async () => {
    const text = count.value.trim();
    const hoards = Number(text);
    if (!/^\d+$/.test(text) || hoards < 1 || hoards > limit) {
      $('odds-message').textContent = `Hoards to roll must be a whole number from 1 to ${limit.toLocaleString('en')}`;
      count.setAttribute('aria-invalid', 'true');
      count.focus();
      return;
    }
    count.removeAttribute('aria-invalid');
    const request = readRequest();
    if (!request || request.problem) {
      $('odds-message').textContent = request?.problem ?? 'Mend the request above first';
      return;
    }
    running = new AbortController();
    showRunning(true);
    $('odds-cancel').focus();
    $('odds-progress').value = 0;
    $('odds-message').textContent = `Rolling ${hoards.toLocaleString('en')} hoards from the seed ${request.seed}`;
    try {
      const result = await runTask('stats', { request, count: hoards }, {
        signal: running.signal,
        onProgress: (share) => { $('odds-progress').value = share; },
      });
      $('odds-text').textContent = result;
      $('odds-text').hidden = false;
      $('odds-message').textContent = `The odds of ${hoards.toLocaleString('en')} hoards from the seed ${request.seed}`;
    } catch (error) {
      $('odds-message').textContent = error.name === 'AbortError' ? 'Cancelled' : `The odds failed: ${error.message}`;
    } finally {
      running = null;
      showRunning(false);
      $('odds-start').focus();
    }
  });
  $('odds-cancel').addEventListener('click', () => running?.abort());
}
