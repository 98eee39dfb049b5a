// The Owlbear Rodeo extension's page: the page itself, with Owlbear's SDK. In Owlbear the game
// master's popover is the request form, the report and its reveal panel, and it writes the
// players' view into the room; a player's popover shows that view and nothing else. Outside
// Owlbear it is the normal page.

import OBR from '@owlbear-rodeo/sdk';

import { start, startPage } from '../page.js';
import { onViewChange, setTableNote } from '../reveal.js';
import { drawView, readView, showTableView } from '../table_view.js';
import { ROOM_METADATA_LIMIT, roomSharer, watchRoom } from './room.js';

function sharedNote({ shared, of, error }) {
  if (error) {
    return `Owlbear Rodeo did not take the players' view: ${error}`;
  }
  if (shared < of) {
    return `Owlbear Rodeo keeps under ${ROOM_METADATA_LIMIT / 1000} kB of data for a room's extensions: the players see the ` +
      `first ${shared} of the ${of} lines revealed, and are told that ${of - shared} more were revealed.`;
  }
  return '';
}

async function gameMaster() {
  document.body.classList.add('owlbear');
  const share = roomSharer(OBR, (result) => setTableNote(sharedNote(result)));
  onViewChange(share);
  await start();
}

function player() {
  document.body.classList.add('owlbear');
  showTableView('Vorneth');
  watchRoom(OBR, (data) => drawView(readView(data)));
  document.body.dataset.ready = 'true';
}

if (OBR.isAvailable) {
  OBR.onReady(async () => {
    if (await OBR.player.getRole() === 'GM') {
      await gameMaster();
    } else {
      player();
    }
  });
} else {
  startPage();
}
