// Long work of the page runs in Web Workers, so that the page answers while it runs: each run
// is a task of worker.js (by name) in a worker of its own, which reports its progress, gives a
// result, and is ended at once when cancelled.

let source;  // the URL of the worker's script
let wasm;  // the engine's bytes, copied to each worker

// The worker's module text (inlined into the page) and the engine's bytes. A page opened from
// disk cannot start a module worker, so the worker is a classic script that imports the module
// and hands it the messages that came before it was ready.
export function setUpWorkers(moduleText, engineBytes) {
  const module = `data:text/javascript;charset=utf-8,${encodeURIComponent(moduleText)}`;
  const script = `const early = [];
onmessage = (event) => early.push(event);
import(${JSON.stringify(module)}).then(() => early.forEach((event) => onmessage(event)),
  (error) => postMessage({ error: String(error) }));`;
  source = URL.createObjectURL(new Blob([script], { type: 'text/javascript' }));
  wasm = engineBytes;
}

// How many workers can run side by side: one per core.
export const workerCount = () => Math.max(1, navigator.hardwareConcurrency || 1);

// Runs task `name` of worker.js with `args`. onProgress gets what the task reports as it goes;
// an abort of `signal` ends the worker and rejects with an AbortError.
export function runTask(name, args, { onProgress = () => {}, signal } = {}) {
  return new Promise((resolve, reject) => {
    if (signal?.aborted) {
      reject(new DOMException('Cancelled', 'AbortError'));
      return;
    }
    const worker = new Worker(source, { name: `vorneth-${name}` });
    const end = () => {
      worker.terminate();
      signal?.removeEventListener('abort', cancel);
    };
    const cancel = () => {
      end();
      reject(new DOMException('Cancelled', 'AbortError'));
    };
    signal?.addEventListener('abort', cancel);
    worker.onmessage = ({ data }) => {
      if ('progress' in data) {
        onProgress(data.progress);
        return;
      }
      end();
      if ('error' in data) {
        reject(new Error(data.error));
      } else {
        resolve(data.result);
      }
    };
    worker.onerror = (event) => {
      end();
      reject(new Error(event.message || 'the worker stopped'));
    };
    worker.postMessage({ task: name, args, wasm });
  });
}
