// The hoard engine in the browser (and in node for the tests): the wasm module of src/web and
// a thin wrapper that passes a request in and reads its texts out. Nothing of the engine is
// repeated here; every number and text comes from the module.

// The module's texts, as src/web/web_module.cpp numbers them.
export const Text = Object.freeze({
  dm: 0,
  players: 1,
  worthLine: 2,
  breakdown: 3,
  markdown: 4,
  csv: 5,
  json: 6,
  foundry: 7,
  caption: 8,
  savedDM: 9,
  savedPlayers: 10,
  sharesDM: 11,
  sharesPlayers: 12,
  request: 13,
  replayError: 14,
  version: 15,
  separatorProblem: 16,
  foundryDM: 17,
  foundryPlayers: 18,
  typeDescriptions: 19,
  stats: 20,
  findWords: 21,
  findProblem: 22,
  playersSources: 23,
  tableCheck: 24,
  tableDraws: 25,
  tablesInUse: 26,
  tablesWanted: 27,
  tableFamilies: 28,
});

// The module's limits, by the same numbers.
const Limit = Object.freeze({
  type: 0,
  coins: 1,
  gems: 2,
  jewelry: 3,
  magic: 4,
  seed: 5,
  defaultSeed: 6,
  minShares: 7,
  maxShares: 8,
  batch: 9,
  defaultTries: 10,
});

// The module's limits beyond 32 bits, by its numbers for them.
const WideLimit = Object.freeze({ tries: 0, amount: 1 });

// The conditions of a search by the module's number for each, the options of `vorneth-cli
// --find` in the order it takes them: --worth-min, --worth-max, --with, --without, --max-weight.
const CONDITIONS = Object.freeze(['worthMin', 'worthMax', 'with', 'without', 'maxWeight']);

export const LETTERS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ';

// The exchanges of coins into gold pieces, as `vorneth-cli --rates` names them, by the module's
// number for each.
export const RATES = Object.freeze(['1e', 'bx']);

// The runtime has nothing to write to; the engine never writes, but the C library links the
// calls in. A write (a failed assertion's message) goes to the console.
function wasiImports(memory) {
  const ENOSYS = 52;
  return {
    fd_close: () => ENOSYS,
    fd_seek: () => ENOSYS,
    fd_write(fd, iovs, count, written) {
      const view = new DataView(memory().buffer);
      let text = '';
      let total = 0;
      for (let i = 0; i < count; i++) {
        const at = view.getUint32(iovs + i * 8, true);
        const size = view.getUint32(iovs + i * 8 + 4, true);
        text += new TextDecoder().decode(new Uint8Array(memory().buffer, at, size));
        total += size;
      }
      console.error(text);
      view.setUint32(written, total, true);
      return 0;
    },
  };
}

// Loads the module from its bytes. The engine it returns holds one request and its hoard.
export async function loadEngine(bytes) {
  let exports;
  const memory = () => exports.memory;
  const { instance } = await WebAssembly.instantiate(bytes, {
    wasi_snapshot_preview1: wasiImports(memory),
  });
  exports = instance.exports;
  exports._initialize();
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  const putText = (text) => {
    const data = typeof text === 'string' ? encoder.encode(text) : text;
    const at = exports.vorneth_input(data.length);
    new Uint8Array(memory().buffer, at, data.length).set(data);
  };
  const bytesOf = (which) => {
    const at = exports.vorneth_output(which);
    return new Uint8Array(memory().buffer, at, exports.vorneth_output_size()).slice();
  };
  const limit = (which) => exports.vorneth_limit(which) >>> 0;
  const textOf = (which) => decoder.decode(bytesOf(which));

  // Gives the module the conditions of a search, each value as its text on the command line;
  // returns why they cannot be taken, or ''.
  const setConditions = (conditions) => {
    exports.vorneth_find_clear();
    CONDITIONS.forEach((name, which) => {
      const value = conditions[name];
      for (const each of Array.isArray(value) ? value : value == null ? [] : [value]) {
        putText(String(each));
        exports.vorneth_find_condition(which);
      }
    });
    exports.vorneth_find_check();
    return textOf(Text.findProblem);
  };

  // "potions=potions.csv" lines as [{family, file}, ...].
  const choicesOf = (lines) => lines.map((line) => {
    const eq = line.indexOf('=');
    return { family: line.slice(0, eq), file: line.slice(eq + 1) };
  });

  // Sets the request that generate() and statsBegin() make their hoards of.
  const setRequest = (request) => {
    const rates = RATES.indexOf(request.rates ?? RATES[0]);
    if (rates < 0) {
      throw new RangeError(`rates must be one of ${RATES.join(', ')}, not ${request.rates}`);
    }
    exports.vorneth_request_clear();
    for (const [letter, count] of Object.entries(request.types ?? {})) {
      exports.vorneth_request_type(LETTERS.indexOf(letter), count);
    }
    exports.vorneth_request_custom(
      request.coins ?? 0,
      request.gems ?? 0,
      request.jewelry ?? 0,
      request.magic ?? 0,
    );
    exports.vorneth_request_seed(request.seed ?? limit(Limit.defaultSeed));
    putText(request.title ?? '');
    exports.vorneth_request_text(0);
    putText(request.separator ?? ',');
    exports.vorneth_request_text(1);
    exports.vorneth_request_exchange(rates);
  };

  return {
    // The largest value of each number of a request, the seed's, the default seed, the shares
    // a hoard may be divided among and the most hoards of the odds or of a replay.
    limits: Object.freeze({
      type: limit(Limit.type),
      coins: limit(Limit.coins),
      gems: limit(Limit.gems),
      jewelry: limit(Limit.jewelry),
      magic: limit(Limit.magic),
      seed: limit(Limit.seed),
      defaultSeed: limit(Limit.defaultSeed),
      minShares: limit(Limit.minShares),
      maxShares: limit(Limit.maxShares),
      batch: limit(Limit.batch),
      // The seeds a search tries by default, the most it may try (every seed once, 2^32), and
      // the most gold pieces or pounds of a condition.
      defaultTries: limit(Limit.defaultTries),
      tries: exports.vorneth_limit_wide(WideLimit.tries),
      amount: exports.vorneth_limit_wide(WideLimit.amount),
    }),

    // request: {types: {A: n, ...}, coins, gems, jewelry, magic, title, seed, separator,
    // rates}, every number already checked against the limits and the separator by
    // separatorProblem; rates one of RATES, '1e' when not given. Every text of the hoard is then
    // what vorneth-cli writes for the same request with `--rates`.
    generate(request) {
      setRequest(request);
      exports.vorneth_generate();
    },

    // What each treasure type A to Z can hold, one line each, amounts with the separator of the
    // last request: the lines of `vorneth-cli --describe-types`.
    describeTypes() {
      return this.lines(Text.typeDescriptions);
    },

    // The odds of `count` hoards (1 to limits.batch) of `request` (as generate() takes it),
    // made a step at a time: statsStep(n) makes up to n more hoards and returns how many are
    // done; statsText() makes the rest and gives `vorneth-cli --stats --count <count>` of the
    // request, as text. A worker can report progress and stop between steps.
    statsBegin(request, count) {
      setRequest(request);
      exports.vorneth_stats_begin(count);
    },
    statsStep(hoards) {
      return exports.vorneth_stats_step(hoards) >>> 0;
    },
    statsText() {
      return this.text(Text.stats);
    },

    // A search for the hoards of a request that meet conditions, every one a genuine roll of its
    // seed: `vorneth-cli --find`. conditions: {worthMin, worthMax (gold pieces, as --worth
    // counts them, or null), with: [WHAT, ...], without: [WHAT, ...], maxWeight (pounds of coins,
    // or null)}, the WHAT names those of findWords() or 'text:WORDS', a part of a DM line in any
    // case. findProblem(conditions) gives why vorneth-cli would refuse them, in its words, or ''.
    findProblem(conditions) {
      return setConditions(conditions);
    },
    // Sets the request (as generate() takes it, rates included) and the conditions of the
    // search; throws a RangeError with the reason of findProblem when they cannot be taken.
    findBegin(request, conditions) {
      setRequest(request);
      const problem = setConditions(conditions);
      if (problem !== '') {
        throw new RangeError(problem);
      }
      exports.vorneth_find_begin();
    },
    // Tries `tries` seeds (0 to limits.tries - 1 a call) from firstSeed upward, wrapping past
    // limits.seed to 0: {matches: how many of their hoards meet the conditions, seeds: the first
    // `limit` of their seeds, in order}. The seeds of `vorneth-cli --find --count K` are the
    // first K of the ranges from the request's seed on.
    findRange(firstSeed, tries, limit = 1) {
      if (!Number.isInteger(tries) || tries < 0 || tries >= this.limits.tries) {
        throw new RangeError(`tries must be 0 to ${this.limits.tries - 1}, not ${tries}`);
      }
      const matches = exports.vorneth_find_range(firstSeed >>> 0, tries, limit) >>> 0;
      const at = exports.vorneth_find_seeds();
      const seeds = Array.from(new Uint32Array(memory().buffer, at, exports.vorneth_find_seed_count()));
      return { matches, seeds };
    },
    // The WHAT names of --with and --without, as vorneth-cli --help lists them.
    findWords() {
      return this.lines(Text.findWords);
    },

    // Why `text` cannot be the thousands separator, in a few words; empty when it can.
    separatorProblem(text) {
      putText(text);
      return this.text(Text.separatorProblem);
    },

    // Divides the last hoard among `count` characters.
    share(count) {
      exports.vorneth_share(count);
    },

    // Reads the requests of an export's bytes: {count} or {error} (also for more than
    // limits.batch hoards). pick(i) then makes request i the engine's and tells it in the form
    // generate() takes; an export's request carries no rates, so the pick has none: as with
    // `vorneth-cli --replay`, the exchange is the caller's choice.
    replay(bytes) {
      putText(bytes);
      const count = exports.vorneth_replay();
      return count > 0 ? { count } : { error: this.text(Text.replayError) };
    },
    pick(index) {
      exports.vorneth_replay_pick(index);
      const { seed, request } = JSON.parse(this.text(Text.request));
      return { ...request, seed };
    },

    // A game master's tables, as `vorneth-cli --check-table`, `--roll-table` and `--table` take
    // them. tableFamilies(): the families a table may replace ('potions', ... 'weapons').
    // tableOpen([{name, bytes}, ...]) reads the files (the first the table drawn from, the others
    // the tables its rows name) and gives {faults: how many, check: the lines --check-table
    // writes}; tableRoll(times, seed) draws from them, a line a draw; tableUse(family) makes
    // the hoards draw that family from them (false when they hold a fault), tableDrop(family)
    // from the built-in tables again. tablesInUse() and tablesWanted() (the tables the request
    // of the last pick() was drawn with): [{family, file}, ...].
    tableFamilies() {
      return this.lines(Text.tableFamilies);
    },
    tableOpen(files) {
      exports.vorneth_table_clear();
      for (const { name, bytes } of files) {
        const nameBytes = encoder.encode(name);
        const data = new Uint8Array(nameBytes.length + bytes.length);
        data.set(nameBytes);
        data.set(bytes, nameBytes.length);
        putText(data);
        exports.vorneth_table_add(nameBytes.length);
      }
      const faults = exports.vorneth_table_check();
      return { faults, check: this.lines(Text.tableCheck) };
    },
    tableRoll(times, seed) {
      exports.vorneth_table_roll(times, seed >>> 0);
      return this.lines(Text.tableDraws);
    },
    tableUse(family) {
      return exports.vorneth_table_use(this.tableFamilies().indexOf(family) + 1) !== 0;
    },
    tableDrop(family) {
      exports.vorneth_table_drop(this.tableFamilies().indexOf(family) + 1);
    },
    tablesInUse() {
      return choicesOf(this.lines(Text.tablesInUse));
    },
    tablesWanted() {
      return choicesOf(this.lines(Text.tablesWanted));
    },

    bytes: bytesOf,
    text: textOf,
    // A text of lines each ended by LF, as its lines.
    lines(which) {
      const text = this.text(which);
      return text === '' ? [] : text.slice(0, -1).split('\n');
    },
  };
}
