// The players' screen: a second window of the page (for a second monitor or a shared screen)
// that shows what the players have been shown, large, and follows the game master's reveals.
// The two windows talk over a BroadcastChannel of their own; the screen is opened without a
// handle on the game master's window and knows nothing of the hoard but the views it is sent.

import { drawView, readView, showTableView } from './table_view.js';

const PREFIX = '#players-screen=';
const channelName = (id) => `vorneth-players-screen-${id}`;
const HELLO = 'hello';

let channel = null;
let viewNow = () => null;

// The screen's id when this window is a players' screen, else ''.
export function screenId() {
  return location.hash.startsWith(PREFIX) ? location.hash.slice(PREFIX.length) : '';
}

// The game master's side: `open` opens a screen; `current()` gives the view to send one that
// asks (a screen just opened, or reloaded).
export function setUpScreenLink(open, current) {
  viewNow = current;
  open.addEventListener('click', () => {
    if (!channel) {
      const id = Array.from(crypto.getRandomValues(new Uint8Array(8)), (b) => b.toString(16).padStart(2, '0')).join('');
      channel = new BroadcastChannel(channelName(id));
      channel.onmessage = ({ data }) => {
        if (data === HELLO) {
          channel.postMessage(viewNow());
        }
      };
      channel.id = id;
    }
    const url = `${location.href.split('#')[0]}${PREFIX}${channel.id}`;
    window.open(url, `vorneth-players-screen-${channel.id}`, 'popup,noopener');
  });
}

// Sends the players' view to the screens open.
export function sendToScreens(view) {
  channel?.postMessage(view);
}

// This window as the players' screen `id`.
export function startPlayersScreen(id) {
  showTableView("Players' screen");
  const screen = new BroadcastChannel(channelName(id));
  screen.onmessage = ({ data }) => {
    if (data !== HELLO) {
      drawView(readView(data));
    }
  };
  screen.postMessage(HELLO);
  document.body.dataset.ready = 'true';
}
