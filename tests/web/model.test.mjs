// SPDX-License-Identifier: GPL-3.0-or-later
// The browser client's game state after recorded message sequences and the user's input.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { loadTable, recording } from './table_source.mjs';
import { Protocol, FieldError } from '../../web/protocol.js';
import { GameModel, WAITING, FIXED } from '../../web/model.js';

const protocol = new Protocol(loadTable());

function model(name = 'Ann', now = () => 0) {
  const out = { sent: [], sounds: [], lines: [], notices: [] };
  const m = new GameModel(protocol, name, {
    send: (t) => out.sent.push(t),
    sound: (s) => out.sounds.push(s),
    chat: (line, colour) => out.lines.push([line, colour]),
    notice: (t) => out.notices.push(t),
  }, now);
  return { m, out };
}

function feed(m, lines) {
  for (const line of lines) m.receive(line);
}

function tilesOnBoard(m) {
  return m.board.flat().filter((s) => s.tile !== 0 && s.state === FIXED).length;
}

test('a whole recorded round, from the login to the winner', () => {
  const lines = recording('round');
  const { m, out } = model();
  feed(m, lines);
  assert.equal(out.sent[0], 'CMD_logininfo+1+1.0.1+Ann');
  assert.equal(m.myseat, 1);
  assert.equal(m.seats[1].caption, 'Ann');
  assert.equal(m.seats[2].caption, 'Klot');
  assert.equal(m.playto, 'One Round Game');
  assert.equal(m.winner, 'Klot has Won the Game!');
  assert.equal(m.status, 'Game Over!');
  assert.equal(m.clockRunning, false);
  assert.equal(m.myTurn, false);
  assert.deepEqual(m.buttons, { finish: false, clear: false, pass: false });
  // The scores are the last ones the host wrote for each seat.
  const lastScore = (seat) => {
    const plays = lines.filter((l) => l.startsWith(`CMD_hisplay+${seat}+`));
    return plays.at(-1).split('+')[2];
  };
  assert.equal(m.seats[1].score, lastScore(1));
  assert.equal(m.seats[2].score, lastScore(2));
  // Every tile the host announced lies on the board, fixed.
  const laid = lines.filter((l) => l.startsWith('CMD_hisplay+'))
    .reduce((n, l) => n + (l.split('+').length - 5) / 4, 0);
  assert.equal(tilesOnBoard(m), laid);
  assert.ok(out.lines.some(([l]) => l === '0+You have started a game.'));
  assert.ok(out.lines.some(([l]) => l === '0+I am Klot the bot. Good Luck!'));
  assert.ok(out.sounds.includes('gameover'));
  assert.ok(out.sounds.includes('turn'));
});

test('the model in the middle of the recorded round', () => {
  const lines = recording('round');
  const firstOwnTurn = lines.findIndex((l) => l.startsWith('CMD_nextplayer+1+'));
  const { m } = model();
  feed(m, lines.slice(0, firstOwnTurn + 1));
  assert.equal(m.myTurn, true);
  assert.equal(m.status, 'Your Turn.');
  assert.equal(m.timeleft, 30);
  assert.equal(m.clockRunning, true);
  assert.equal(m.round, 'Round: 1');
  assert.equal(m.seats[3].sitsOut, true);
  assert.ok(m.hand.slice(1).every((t) => t > 0));
  assert.deepEqual(m.buttons, { finish: false, clear: false, pass: true });
  const other = lines.findIndex((l, i) => i > firstOwnTurn && l.startsWith('CMD_nextplayer+2+'));
  feed(m, lines.slice(firstOwnTurn + 1, other + 1));
  assert.equal(m.status, "Klot's turn.");
  assert.equal(m.myTurn, false);
});

test('the returning player gets the own seat, hand, board and score back', () => {
  const lines = recording('rejoin');
  const { m, out } = model('Bob');
  const stats = lines.findIndex((l) => l.startsWith('CMD_gamestats'));
  feed(m, lines.slice(0, stats + 3));
  assert.equal(m.myseat, 2);
  assert.equal(out.sent[0], 'CMD_logininfo+2+1.0.1+Bob');
  assert.equal(m.seats[1].caption, 'Ann');
  assert.equal(m.seats[2].caption, 'Bob');
  const head = lines[stats].split('+');
  assert.equal(m.seats[2].score, head.slice(8).find((_, i, a) => a[i - 1] === '2' && i % 3 === 1));
  assert.equal(m.gameOn, true);
  assert.ok(tilesOnBoard(m) > 0);
  assert.ok(m.hand.slice(1).some((t) => t > 0));
  feed(m, lines.slice(stats + 3));
  assert.match(m.winner, /has Won the Game!|You have Won the Game!/);
});

test('laying, taking back, clearing and finishing a play', () => {
  const { m, out } = model();
  feed(m, ['CMD_sendlogininfo+1', 'CMD_newplayerinfo+1+Ann+0', 'CMD_startgame+Ann+0+30+',
    'CMD_roundstarting+1+1+p+2+p', 'CMD_mytiles+1+1+77+2+103+3+9+4+52+5+11+6+59',
    'CMD_nextplayer+1+t+96+']);
  // Nothing is laid without a raised tile; a raised tile goes down on a second press.
  m.layAt(6, 6);
  assert.equal(m.board[5][5].tile, 0);
  m.pickTile(3);
  m.pickTile(3);
  assert.equal(m.selected, 0);
  m.pickTile(4);
  m.putDown();  // a right click on the hand
  assert.equal(m.selected, 0);
  m.pickTile(3);
  m.layAt(6, 6);
  assert.deepEqual(m.board[5][5], { tile: 9, state: 3 });
  assert.equal(m.handShown(3), false);
  assert.deepEqual(m.buttons, { finish: true, clear: true, pass: false });
  m.pass();  // tiles lie on the board: no pass
  assert.equal(out.sent.length, 1);
  // A laid tile cannot be picked up again, nor covered.
  m.pickTile(3);
  assert.equal(m.selected, 0);
  m.pickTile(1);
  m.layAt(6, 6);
  assert.equal(m.board[5][5].tile, 9);
  assert.equal(out.sounds.at(-1), 'invalid');
  m.squareAction(6, 7);
  m.squareAction(6, 6);  // takes the tile laid there back
  assert.deepEqual(m.board[5][5], { tile: 0, state: 0 });
  assert.equal(m.handShown(3), true);
  m.clear();
  assert.deepEqual(m.board[5][6], { tile: 0, state: 0 });
  assert.deepEqual(m.buttons, { finish: false, clear: false, pass: true });
  m.dropTile(2, 4, 5);
  m.dropTile(6, 4, 6);
  m.finish();
  assert.equal(out.sent.at(-1), 'CMD_myturn+1+2+4+5+6+4+6');
  assert.equal(m.myTurn, false);
  m.finish();
  assert.equal(out.sent.length, 2);
});

test('a refused play shows the refusal and opens the turn again', () => {
  const { m, out } = model();
  feed(m, ['CMD_sendlogininfo+1', 'CMD_startgame+Ann+0+30+', 'CMD_mytiles+1+1+77',
    'CMD_nextplayer+1+t+96+']);
  m.pickTile(1);
  m.layAt(1, 1);
  m.finish();
  feed(m, ['CMD_error+1+2+']);
  assert.equal(m.status, 'Tiles need to be in the same line.');
  assert.equal(m.myTurn, true);
  assert.deepEqual(m.buttons, { finish: true, clear: true, pass: false });
  feed(m, ['CMD_error+1+4+']);
  assert.equal(m.status, 'One tile must touch an existing tile.');
  feed(m, ['CMD_error+2+1+']);  // another seat's refusal is not ours
  assert.equal(m.status, 'One tile must touch an existing tile.');
  feed(m, ['CMD_timesup+']);
  assert.equal(m.status, 'Time is Up!');
  assert.deepEqual(m.board[0][0], { tile: 0, state: 0 });
  assert.equal(m.handShown(1), true);
  assert.equal(out.sounds.at(-1), 'timeup');
});

test('passing, and the input closed outside the own turn', () => {
  const { m, out } = model();
  feed(m, ['CMD_sendlogininfo+1', 'CMD_startgame+Ann+0+30+', 'CMD_mytiles+1+1+77',
    'CMD_nextplayer+2+t+96+']);
  m.pickTile(1);
  m.layAt(1, 1);
  m.pass();
  assert.equal(out.sent.length, 1);
  assert.equal(m.board[0][0].tile, 0);
  feed(m, ['CMD_nextplayer+1+f+96+']);
  assert.equal(m.status, 'Your Turn, but you have no valid plays.');
  m.pass();
  assert.equal(out.sent.at(-1), 'CMD_ipass+1+');
  feed(m, ['CMD_hepassed+1+']);
  assert.equal(m.status, 'You passed. Turn Over!');
});

test('the turn clock counts down and ticks in the last seconds', () => {
  const { m, out } = model();
  feed(m, ['CMD_sendlogininfo+1', 'CMD_startgame+Ann+0+30+', 'CMD_nextplayer+2+t+96+']);
  assert.equal(m.clockText(), 'Time: 0:30');
  for (let i = 0; i < 25; ++i) m.tick();
  assert.equal(m.clockText(), 'Time: 0:05');
  assert.equal(out.sounds.filter((s) => s === 'tick').length, 8);  // at 20, 15 and 10 to 5
  for (let i = 0; i < 10; ++i) m.tick();
  assert.equal(m.clockText(), 'Time: 0:00');
  feed(m, ['CMD_startgame+Ann+500+75+']);
  assert.equal(m.timePerTurn, 'Time Per Turn: 1:15 mins');
  assert.equal(m.playto, 'Play to Score: 500');
});

test('seats, spectators, just watch and disconnections', () => {
  const { m, out } = model('Eve');
  feed(m, ['CMD_sendlogininfo+5', 'CMD_newplayerinfo+5+Eve+0',
    'CMD_existingplayers+1+Ann+0+2+Bob+1+6+Zed+0']);
  assert.equal(m.isSpectator, true);
  assert.deepEqual(m.spectators, ['5: Eve', '6: Zed']);
  assert.equal(m.seats[2].watching, true);
  assert.ok(out.lines.some(([l]) => l === '0+You are spying.'));
  assert.ok(out.lines.some(([l]) => l === '0+Zed is spying.'));
  feed(m, ['CMD_justwatching+2+2']);
  assert.equal(m.seats[2].watching, false);
  assert.equal(out.lines.at(-1)[0], '0+Bob is now playing again');
  feed(m, ['CMD_playerdisconnected+2+Bob', 'CMD_playerdisconnected+6+Zed']);
  assert.equal(m.seats[2].caption, WAITING);
  assert.deepEqual(m.spectators, ['5: Eve']);
  assert.ok(out.lines.some(([l]) => l === '0+Bob disconnected.'));
  assert.equal(out.lines.at(-1)[0], '0+Zed has left.');
  // A spectator holds no hand and has no turn.
  feed(m, ['CMD_mytiles+5+1+3', 'CMD_nextplayer+1+t+90+']);
  m.pickTile(1);
  assert.equal(m.handShown(1), false);
  assert.equal(m.myTurn, false);
  // Just Watch is a player's switch.
  m.toggleJustWatch();
  assert.equal(out.sent.length, 1);
});

test('just watch during the own turn gives the turn up', () => {
  const { m, out } = model();
  feed(m, ['CMD_sendlogininfo+1', 'CMD_newplayerinfo+1+Ann+0', 'CMD_startgame+Ann+0+30+',
    'CMD_mytiles+1+1+77', 'CMD_nextplayer+1+t+96+']);
  m.pickTile(1);
  m.layAt(2, 2);
  m.toggleJustWatch();
  assert.equal(out.sent.at(-1), 'CMD_justwatch+1+1');
  assert.equal(m.board[1][1].tile, 0);
  assert.equal(m.myTurn, false);
  feed(m, ['CMD_justwatching+1+1', 'CMD_nextplayer+1+t+96+']);
  assert.equal(m.status, 'Your Turn, but you are just watching.');
  assert.equal(m.myTurn, false);
  m.toggleJustWatch();
  assert.equal(out.sent.at(-1), 'CMD_justwatch+1+2');
});

test('chat, actions, phrases and chatter sounds', () => {
  let now = 0;
  const { m, out } = model('Ann', () => now);
  feed(m, ['CMD_sendlogininfo+1']);
  m.say('hello + bye');
  assert.equal(out.sent.at(-1), 'CMD_chat+1+hello + bye|clBlack');
  m.say('/me waves');
  assert.equal(out.sent.at(-1), 'CMD_action+1+waves|clBlack');
  m.say('/kick Bob');
  assert.equal(out.sent.length, 3);
  m.phrase(1);
  assert.equal(out.sent.at(-1), 'CMD_action+1+says: Way To Go!|clBlack');
  now = 1000;
  m.phrase(2);  // within two seconds of the last phrase: dropped
  assert.equal(out.sent.length, 4);
  now = 2500;
  m.phrase(2);
  assert.equal(out.sent.at(-1), 'CMD_action+1+says: Good One!|clBlack');
  m.chatterSound(3);
  assert.equal(out.sent.at(-1), 'CMD_playasound+1+wave3+');
  feed(m, ['CMD_chat+2+Bob chats: hi|clGreen', 'CMD_action+3+Cid waves', 'CMD_playasound+2+wave7+']);
  assert.deepEqual(out.lines.at(-2), ['2+Bob chats: hi', 0x008000]);
  assert.deepEqual(out.lines.at(-1), ['3+Cid waves', 0x0000ff]);
  assert.equal(out.sounds.at(-1), 'wave7');
  feed(m, ['CMD_playasound+2+gameover+', 'CMD_playasound+2+../../x+', 'CMD_playasound+2']);
  assert.equal(out.sounds.at(-1), 'wave7');
});

test('a host that sends nonsense is not believed', () => {
  const { m, out } = model();
  feed(m, ['CMD_sendlogininfo+12']);
  assert.equal(m.myseat, 0);
  assert.equal(out.sent.length, 0);
  feed(m, ['CMD_sendlogininfo+1', 'CMD_startgame+Ann+0+30+']);
  assert.throws(() => m.receive('CMD_hisplay+9+1+1+0+1+5+1+1'), FieldError);
  assert.throws(() => m.receive('CMD_hisplay+1+1+1+0+1+5+13+1'), FieldError);
  assert.throws(() => m.receive('CMD_loadboard+1+1+1+200'), FieldError);
  assert.throws(() => m.receive('CMD_mytiles+1+7+5'), FieldError);
  assert.throws(() => m.receive('CMD_startgame+Ann+0+soon+'), FieldError);
  // A refused list leaves the board as it was.
  assert.equal(tilesOnBoard(m), 0);
  assert.equal(m.receive('CMD_unknown+1'), false);
  // A name on the wire is kept at 64 characters at most.
  feed(m, ['CMD_newplayerinfo+2+' + 'x'.repeat(500) + '+0']);
  assert.equal(m.seats[2].caption.length, 64);
  feed(m, ['CMD_full+']);
  assert.deepEqual(out.notices, ['Game is full']);
});
