// The page's script: the page itself, or the players' screen it opens.
import { startPage } from './page.js';

startPage();
