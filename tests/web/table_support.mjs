// What the tests of the players' views share: the texts a document holds, and the DM lines a
// view must not hold.

// Every text of the document in `target` (a page or a frame): its text nodes and attributes.
export const textsOf = (target) => target.evaluate(() => {
  const texts = [];
  const walker = document.createTreeWalker(document.documentElement, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
  for (let node = walker.currentNode; node; node = walker.nextNode()) {
    if (node.nodeType === Node.TEXT_NODE) {
      texts.push(node.data);
    } else {
      texts.push(...[...node.attributes].map((a) => a.value));
    }
  }
  return texts.join('\n');
});

// The DM lines that `shown` (the lines the players were given) does not hold nor contain.
export const secretLines = (dm, shown) => dm.filter((line) => !shown.some((text) => text.includes(line)));

// Every string inside `value`, however deep.
export function stringsIn(value, out = []) {
  if (typeof value === 'string') {
    out.push(value);
  } else if (value && typeof value === 'object') {
    for (const each of Object.values(value)) {
      stringsIn(each, out);
    }
  }
  return out;
}
