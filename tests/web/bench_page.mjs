// Benchmark, not a test: the largest request in Chromium, from Generate until both lists are
// filled (the page's "vorneth-generate" measure) and until the next frame is painted.
// Usage: node bench_page.mjs build-web/vorneth.html
import { resolve } from 'node:path';

import { launchChromium } from './chromium.mjs';

const runs = 20;
const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
await page.goto(`file://${resolve(process.argv[2] ?? 'build-web/vorneth.html')}`);
await page.waitForSelector('body[data-ready]');
// Every field at its maximum, the maxima as the page's boxes admit them.
await page.evaluate(() => {
  for (const input of document.querySelectorAll('input[data-limit]:not(#seed)')) {
    input.value = '9'.repeat(input.maxLength);
  }
});
const times = await page.evaluate(async (count) => {
  const painted = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
  const result = { filled: [], painted: [], lines: 0 };
  for (let i = 0; i < count; i++) {
    performance.clearMeasures();
    const start = performance.now();
    document.getElementById('generate').click();
    result.filled.push(performance.getEntriesByName('vorneth-generate')[0].duration);
    await painted();
    result.painted.push(performance.now() - start);
  }
  result.lines = document.querySelectorAll('#dm-list > li').length;
  return result;
}, runs);
await browser.close();

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;
console.log(`largest request: ${times.lines} DM lines, ${runs} runs in Chromium`);
console.log(`  generate to both lists filled: median ${ms(median(times.filled))}, best ${ms(Math.min(...times.filled))}`);
console.log(`  generate to the next frame painted: median ${ms(median(times.painted))}, best ${ms(Math.min(...times.painted))}`);
