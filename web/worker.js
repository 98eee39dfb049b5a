// The page's long work, run in a Web Worker by workers.js: the engine loaded from the bytes the
// page sends, then one task, whose progress goes back as it runs.

import { loadEngine } from './engine.js';

// Hoards rolled between two reports of progress.
const STATS_STEP = 5000;

// Each task is a generator: it yields its progress and returns its result.
const tasks = new Map([
  // The odds of {request, count}: the text of `vorneth-cli --stats --count N`. Progress: the
  // share done, 0 to 1.
  ['stats', function* stats(engine, { request, count }) {
    engine.statsBegin(request, count);
    for (let done = 0; done < count;) {
      done = engine.statsStep(STATS_STEP);
      yield done / count;
    }
    return engine.statsText();
  }],
  // A search of {request, conditions} over `chunks` of seeds ({index, first, tries}), each
  // reported as it is done: {index, tries, matches, seeds (the first `limit` matching)}.
  ['find', function* find(engine, { request, conditions, chunks, limit }) {
    engine.findBegin(request, conditions);
    for (const { index, first, tries } of chunks) {
      yield { index, tries, ...engine.findRange(first, tries, limit) };
    }
    return null;
  }],
]);

self.onmessage = async ({ data }) => {
  try {
    const engine = await loadEngine(data.wasm);
    const task = tasks.get(data.task);
    if (!task) {
      throw new Error(`no task ${data.task}`);
    }
    const run = task(engine, data.args);
    for (let step = run.next(); ; step = run.next()) {
      if (step.done) {
        self.postMessage({ result: step.value });
        return;
      }
      self.postMessage({ progress: step.value });
    }
  } catch (error) {
    self.postMessage({ error: String(error?.message ?? error) });
  }
};
