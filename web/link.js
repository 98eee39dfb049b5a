// The page's address holds the request of the hoard shown, so that a bookmark or a shared link
// rolls the same hoard: "#A=1&coins=100&title=...&seed=5&separator=%2C&list=dm".

import { LETTERS, RATES } from './engine.js';
import { CUSTOM, HEADINGS } from './dom.js';
import { LINK_NAMES } from './reveal_state.js';

// "table-potions=potions.csv": the game master's table a hoard drew a family from.
const TABLE_PREFIX = 'table-';

const encode = (text) =>
  encodeURIComponent(text).replace(/[!'()*]/g, (c) => `%${c.charCodeAt(0).toString(16).toUpperCase()}`);

// `reveal`: what the players have been shown, as reveal_state.js's linkPartsOf writes it.
export function fragmentOf(request, list, reveal = '') {
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
  for (const { family, file } of request.tables ?? []) {
    parts.push(`${TABLE_PREFIX}${family}=${encode(file)}`);
  }
  parts.push(`seed=${request.seed}`, `separator=${encode(request.separator)}`);
  if (request.rates && request.rates !== RATES[0]) {  // no rates= is the first exchange
    parts.push(`rates=${request.rates}`);
  }
  if (reveal) {
    parts.push(reveal);
  }
  parts.push(`list=${list}`);
  return `#${parts.join('&')}`;
}

// The boxes of the form a link may fill, by the names it gives them.
const FIELDS = new Map([...CUSTOM.map((name) => [name, name]),
  ['title', 'title'], ['seed', 'seed'], ['separator', 'separator'], ['rates', 'rates']]);

// A line break, a tab or any other control character: no box of the form holds one.
const CONTROL = /[\u0000-\u001f\u007f-\u009f]/;

// What a link asks for: {values: [[box id, value], ...], list, reveal: {shown, known} (the
// runs of lines the players were shown, as given), tables: [{family, file}, ...]}, or {message} saying why it cannot be read,
// with `field` the id of the box it concerns, if any.
// `families`: the names of the families a game master's table may replace.
export function readFragment(hash, families = []) {
  const values = [];
  const reveal = {};
  const tables = [];
  let list = 'dm';
  for (const part of hash.replace(/^#/, '').split('&').filter(Boolean)) {
    const eq = part.indexOf('=');
    const name = eq < 0 ? part : part.slice(0, eq);
    if (eq < 0) {
      return { message: `The link names ${name} without a value (${name}=...)` };
    }
    let value;
    try {
      value = decodeURIComponent(part.slice(eq + 1));
    } catch {
      return { message: `The link's value of ${name} is not well-formed UTF-8` };
    }
    const letter = name.length === 1 ? name.toUpperCase() : '';
    const id = letter && LETTERS.includes(letter) ? `type-${letter}` : FIELDS.get(name);
    if (id && CONTROL.test(value)) {
      return { message: `holds a line break or another control character`, field: id };
    }
    if (name === 'list') {
      if (!Object.hasOwn(HEADINGS, value)) {
        return { message: `The link's list must be dm or players, not ${JSON.stringify(value)}` };
      }
      list = value;
    } else if (name.startsWith(TABLE_PREFIX) && families.includes(name.slice(TABLE_PREFIX.length))) {
      if (value === '' || CONTROL.test(value)) {
        return { message: `The link's ${name} must name a file` };
      }
      tables.push({ family: name.slice(TABLE_PREFIX.length), file: value });
    } else if (Object.hasOwn(LINK_NAMES, name)) {
      reveal[name] = value;
    } else if (name === 'rates' && !RATES.includes(value)) {
      return { message: `The link's rates must be ${RATES.join(' or ')}, not ${JSON.stringify(value)}` };
    } else if (id) {
      values.push([id, value]);
    } else {
      return { message: `The link holds ${name}, which is not a field of the form` };
    }
  }
  return { values, list, reveal, tables };
}
