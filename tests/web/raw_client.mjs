// SPDX-License-Identifier: GPL-3.0-or-later
// A raw protocol player at a table, for the browser tests: joins under a name, may say one
// line, plays single tiles on its turns, and prints every message the host sends.
//   node tests/web/raw_client.mjs GAME-PORT NAME [--say TEXT] [--start PLAYTO SECONDS]
import { RawPlayer } from './raw_player.mjs';
import { loadTable } from './table_source.mjs';

const [port, name, ...rest] = process.argv.slice(2);
const player = new RawPlayer(loadTable(), name, { log: false });
player.onMessage = ((base) => function (text) {
  console.log(text);
  base.call(this, text);
})(player.onMessage);
await player.connect(Number(port));
await player.waitFor((t) => t.startsWith('CMD_newplayerinfo+' + player.seat + '+'));
const say = rest.indexOf('--say');
if (say >= 0) player.send('Chat', [player.seat, rest[say + 1] + '|clBlack']);
const start = rest.indexOf('--start');
if (start >= 0) player.send('StartGame', [name, rest[start + 1], rest[start + 2]]);
process.on('SIGTERM', () => process.exit(0));
await player.closed;
