// Benchmark, not a test: the largest request in Chromium, from Generate until both lists are
// filled (the page's "vorneth-generate" measure) and until the next frame is painted, side by
// side with the native vorneth-cli writing the same hoard's two lists; and a search of the Find
// panel through a million seeds.
// Usage: node bench_page.mjs build-web/vorneth.html [build/src/cli/vorneth-cli]
import { execFileSync } from 'node:child_process';
import { resolve } from 'node:path';

import { launchChromium } from './chromium.mjs';

const runs = 20;
const cli = process.argv[3] ?? 'build/src/cli/vorneth-cli';
const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
await page.goto(`file://${resolve(process.argv[2] ?? 'build-web/vorneth.html')}`);
await page.waitForSelector('body[data-ready]');
// Every field at its maximum, the maxima as the page's boxes admit them, and the default seed.
const request = await page.evaluate(() => {
  const args = [];
  for (const input of document.querySelectorAll('#request input[data-limit]:not(#seed)')) {
    input.value = '9'.repeat(input.maxLength);
    args.push(input.dataset.limit === 'type' ? `${input.name}=${input.value}` : `--${input.name}=${input.value}`);
  }
  return args;
});
const times = await page.evaluate(async (count) => {
  const painted = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
  const result = { filled: [], painted: [], lines: 0 };
  const seed = document.getElementById('seed');
  for (let i = 0; i < count; i++) {
    seed.value = '14737260';
    seed.dispatchEvent(new InputEvent('input'));  // a seed typed: the same hoard each run
    performance.clearMeasures();
    const start = performance.now();
    document.getElementById('generate').click();
    result.filled.push(performance.getEntriesByName('vorneth-generate')[0].duration);
    await painted();
    result.painted.push(performance.now() - start);
  }
  result.lines = document.querySelectorAll('#dm-list li').length;
  return result;
}, runs);

// A search in the Find panel that every try fails, so all 1,000,000 are made, in workers.
const searches = [];
for (let i = 0; i < 3; i++) {
  await page.goto(`file://${resolve(process.argv[2] ?? 'build-web/vorneth.html')}#A=1&seed=${i}`);
  await page.waitForSelector('body[data-ready]');
  await page.fill('#find-worth-min', '1000000');
  await page.fill('#find-tries', '1000000');
  const start = Date.now();
  await page.click('#find-start');
  await page.waitForSelector('#find-start:not([hidden])', { timeout: 120000 });
  searches.push(Date.now() - start);
}
const cores = await page.evaluate(() => navigator.hardwareConcurrency);
await browser.close();

// The CLI writes each list to /dev/null, a process each, as a game master's shell runs it.
const native = [];
for (let i = 0; i < runs; i++) {
  const start = process.hrtime.bigint();
  for (const list of ['dm', 'players']) {
    execFileSync(cli, [...request, '--list', list], { stdio: ['ignore', 'ignore', 'inherit'] });
  }
  native.push(Number(process.hrtime.bigint() - start) / 1e6);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;
console.log(`largest request: ${times.lines} DM lines, ${runs} runs in Chromium`);
console.log(`  generate to both lists filled: median ${ms(median(times.filled))}, best ${ms(Math.min(...times.filled))}`);
console.log(`  generate to the next frame painted: median ${ms(median(times.painted))}, best ${ms(Math.min(...times.painted))}`);
console.log(`  vorneth-cli writing both lists: median ${ms(median(native))}, best ${ms(Math.min(...native))}`);
console.log(`  page to next frame / vorneth-cli: ${(median(times.painted) / median(native)).toFixed(2)}x (medians)`);
console.log(`Find, 1,000,000 type A tries none of which matches, ${cores} workers: median ${ms(median(searches))}, best ${ms(Math.min(...searches))}`);
