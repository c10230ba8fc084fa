// SPDX-License-Identifier: GPL-3.0-or-later
// Records what a host sends one player, one message a line, for the model's tests:
//   node tests/web/record_round.mjs HOST-BINARY OUT-FILE [round|rejoin]
// round:  Ann plays one whole round (play-to 0) against the computer.
// rejoin: Ann and Bob play; Bob's connection drops mid-round and Bob joins again; the file
//         holds what the returning Bob is sent, to the winner.
import { spawn } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { RawPlayer } from './raw_player.mjs';

const [hostBin, outFile, mode = 'round'] = process.argv.slice(2);
const table = JSON.parse(readFileSync(new URL('./protocol.fixture.json', import.meta.url)));
const host = spawn(hostBin, ['--port', '0', '--second-ms', '20', '--bot-speed', '1']);
const port = await new Promise((resolve) => {
  host.stdout.on('data', (d) => {
    const m = /listening on port (\d+)/.exec(String(d));
    if (m) resolve(Number(m[1]));
  });
});
const joined = (t) => t.startsWith('CMD_existingplayers') || t.startsWith('CMD_newplayerinfo');
const ann = new RawPlayer(table, 'Ann');
await ann.connect(port);
await ann.waitFor(joined);
let recorded = ann;
if (mode === 'rejoin') {
  const bob = new RawPlayer(table, 'Bob');
  await bob.connect(port);
  await ann.waitFor((t) => t.startsWith('CMD_newplayerinfo+2+Bob'));
  ann.send('StartGame', ['Ann', '0', '30']);
  let plays = 0;
  await bob.waitFor((t) => t.startsWith('CMD_hisplay+2+') && ++plays === 2);
  await bob.close();
  await ann.waitFor((t) => t.startsWith('CMD_playerdisconnected+2'));
  recorded = new RawPlayer(table, 'Bob');
  await recorded.connect(port);
} else {
  ann.send('StartGame', ['Ann', '0', '30']);
}
await recorded.waitFor((t) => t.startsWith('CMD_winner'));
writeFileSync(outFile, recorded.received.join('\n') + '\n');
host.kill('SIGTERM');
console.log(`${recorded.received.length} messages recorded`);
process.exit(0);
