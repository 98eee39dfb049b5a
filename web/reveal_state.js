// What the players have been shown of a hoard: each players' line hidden, revealed, or
// identified (then the players see its DM line, with the further spell lines of a scroll, in
// place of the players' line). The view of the players is made from these marks alone, so it
// can hold nothing else of the DM list. No DOM here: the page, the players' screen and the
// Owlbear extension share it.

export const Mark = Object.freeze({ hidden: 0, revealed: 1, identified: 2 });

// The names the marks take in a link: "shown=1-4.7&known=3", players' lines counted from 1.
export const LINK_NAMES = Object.freeze({ shown: Mark.revealed, known: Mark.identified });

// A hoard's lines and its marks. `sources[i]` is the index of the DM line players' line i comes
// from; the DM lines up to the next source belong to it.
export function revealState(dm, players, sources) {
  return { dm, players, sources, marks: new Uint8Array(players.length) };
}

// The DM lines of players' line i.
export function dmLinesOf(state, i) {
  const end = i + 1 < state.sources.length ? state.sources[i + 1] : state.dm.length;
  return state.dm.slice(state.sources[i], end);
}

// Whether identifying line i shows the players anything its players' line does not.
export const canIdentify = (state, i) => {
  const lines = dmLinesOf(state, i);
  return lines.length !== 1 || lines[0] !== state.players[i];
};

// What the players see: {caption, lines: [{text, known}]}. Only revealed lines are in it, and
// nothing tells how many are still hidden.
export function playersView(state, caption) {
  const lines = [];
  state.marks.forEach((mark, i) => {
    if (mark === Mark.revealed) {
      lines.push({ text: state.players[i], known: false });
    } else if (mark === Mark.identified) {
      lines.push(...dmLinesOf(state, i).map((text) => ({ text, known: true })));
    }
  });
  return { caption, lines };
}

// "1-4.7": the numbers (from 1) of the lines whose mark is `mark`, runs joined by "-".
export function rangesOf(marks, mark) {
  const parts = [];
  for (let i = 0; i < marks.length; i++) {
    if (marks[i] !== mark) {
      continue;
    }
    let last = i;
    while (last + 1 < marks.length && marks[last + 1] === mark) {
      last++;
    }
    parts.push(last > i ? `${i + 1}-${last + 1}` : `${i + 1}`);
    i = last;
  }
  return parts.join('.');
}

// The link's parts of the marks: "shown=...&known=..." (those not empty), or ''.
export function linkPartsOf(marks) {
  return Object.entries(LINK_NAMES).map(([name, mark]) => [name, rangesOf(marks, mark)])
    .filter(([, ranges]) => ranges !== '').map(([name, ranges]) => `${name}=${ranges}`).join('&');
}

// Sets the lines of `ranges` (as rangesOf writes them) to `mark`. Returns why the ranges cannot
// be read for a hoard of `marks.length` players' lines ("must be ..."), or ''.
export function applyRanges(marks, ranges, mark) {
  for (const part of ranges.split('.')) {
    const match = /^(\d{1,9})(?:-(\d{1,9}))?$/.exec(part);
    const first = match ? Number(match[1]) : 0;
    const last = match ? Number(match[2] ?? match[1]) : 0;
    if (!match || first < 1 || last < first || last > marks.length) {
      return `must be lines or runs of lines from 1 to ${marks.length} (as 1-4.7), not ${JSON.stringify(part)}`;
    }
    marks.fill(mark, first - 1, last);
  }
  return '';
}
