// The players' view drawn for the players: the caption, large, and the lines they were shown,
// an identified item's lines marked as such. What arrives from another window or frame is
// checked to be that shape and nothing else is drawn from it.

// The view as {caption, lines: [{text, known}], left (revealed lines that did not fit)}, or
// null if `data` is not one.
export function readView(data) {
  const text = (value) => typeof value === 'string';
  if (!data || !text(data.caption) || !Array.isArray(data.lines) ||
      !data.lines.every((line) => line && text(line.text))) {
    return null;
  }
  return {
    caption: data.caption,
    lines: data.lines.map((line) => ({ text: line.text, known: line.known === true })),
    left: Number.isInteger(data.left) ? data.left : 0,
  };
}

// Replaces the page's body by the view's own elements (none of the page's stays).
export function showTableView(title) {
  document.title = title;
  const main = document.createElement('main');
  main.className = 'table-view';
  main.innerHTML = '<h1 id="view-caption"></h1><ol id="view-lines"></ol><p id="view-note" role="status"></p>';
  document.body.replaceChildren(main);
  document.body.classList.add('table-view-page');
  drawView(null);
}

// Draws `view` (as readView gives it) or, when null, waits for the game master.
export function drawView(view) {
  const caption = document.getElementById('view-caption');
  caption.textContent = view ? view.caption : 'Waiting for the game master';
  document.getElementById('view-lines').replaceChildren(...(view?.lines ?? []).map((line) => {
    const item = document.createElement('li');
    item.textContent = line.text;
    if (line.known) {
      item.className = 'known';
    }
    return item;
  }));
  let note = '';
  if (view && view.lines.length === 0) {
    note = 'Nothing found yet.';
  } else if (view?.left) {
    note = `${view.left} more ${view.left === 1 ? 'line was' : 'lines were'} revealed than fit here.`;
  }
  document.getElementById('view-note').textContent = note;
}
