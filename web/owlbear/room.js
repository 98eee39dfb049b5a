// The players' view in the Owlbear Rodeo room: the game master's popover writes it into the
// room's metadata under the extension's key, and every player's popover (a late one too) reads
// it from there. Only the view goes in: the caption and the revealed lines.

// The extension's key in the room's metadata, named after the extension as Owlbear asks.
export const KEY = 'rodeo.owlbear.vorneth/table';

// Owlbear's documentation of OBR.room.setMetadata: "In total the room metadata must be under
// 16kB". The other extensions of the room share it, so what they hold counts too.
export const ROOM_METADATA_LIMIT = 16 * 1000;

const size = (value) => new TextEncoder().encode(JSON.stringify(value)).length;

// The view as it goes into the room: as many revealed lines, from the first, as keep the room's
// metadata under the limit; `left` counts those that did not fit.
export function fitView(view, others) {
  const entry = (count) => ({
    caption: view.caption,
    lines: view.lines.slice(0, count),
    left: view.lines.length - count,
  });
  const fits = (count) => size({ ...others, [KEY]: entry(count) }) < ROOM_METADATA_LIMIT;
  let low = 0;
  let high = view.lines.length;
  if (!fits(0)) {
    return null;  // the caption alone, or the other extensions' data, leaves no room
  }
  while (low < high) {
    const mid = Math.ceil((low + high) / 2);
    if (fits(mid)) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return entry(low);
}

// Writes the game master's views into the room, one at a time, the latest winning; `report`
// gets what the players were given: {shared, of} lines, or {error}.
export function roomSharer(OBR, report) {
  let pending = null;
  let busy = false;
  const next = async () => {
    if (busy || !pending) {
      return;
    }
    busy = true;
    const view = pending;
    pending = null;
    try {
      const { [KEY]: _, ...others } = await OBR.room.getMetadata();
      const entry = fitView(view, others);
      await OBR.room.setMetadata({ [KEY]: entry });
      report(entry ? { shared: entry.lines.length, of: view.lines.length } : { shared: 0, of: view.lines.length });
    } catch (error) {
      report({ error: String(error?.message ?? error) });
    }
    busy = false;
    next();
  };
  return (view) => {
    pending = view ?? { caption: '', lines: [] };
    next();
  };
}

// Calls `show(data)` with the room's view now and at each change.
export function watchRoom(OBR, show) {
  OBR.room.getMetadata().then((metadata) => show(metadata[KEY]));
  OBR.room.onMetadataChange((metadata) => show(metadata[KEY]));
}
