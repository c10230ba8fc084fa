// SPDX-License-Identifier: GPL-3.0-or-later
// Messages built and read through the exported message table.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { loadTable } from './table_source.mjs';
import { Protocol, FieldError, BuildError, parseNumber } from '../../web/protocol.js';

const protocol = new Protocol(loadTable());

test('built messages follow the table, endings included', () => {
  assert.equal(protocol.build('Login', [3, '1.0.1', 'Cid']), 'CMD_logininfo+3+1.0.1+Cid');
  assert.equal(protocol.build('Pass', [2]), 'CMD_ipass+2+');
  assert.equal(protocol.build('StartGame', ['Ann', '0', '30']), 'CMD_startgame+Ann+0+30+');
  assert.equal(protocol.build('Play', [1], [[2, 5, 6], [3, 5, 7]]), 'CMD_myturn+1+2+5+6+3+5+7');
  assert.equal(protocol.build('Chat', [1, 'a+b: c|clRed']), 'CMD_chat+1+a+b: c|clRed');
  assert.equal(protocol.build('Sound', [4, 'wave3']), 'CMD_playasound+4+wave3+');
});

test('a message that does not fit its layout is not built', () => {
  assert.throws(() => protocol.build('Pass', []), BuildError);
  assert.throws(() => protocol.build('Pass', ['2']), BuildError);
  assert.throws(() => protocol.build('Pass', [1.5]), BuildError);
  assert.throws(() => protocol.build('StartGame', ['A+n', '0', '30']), BuildError);
  assert.throws(() => protocol.build('Chat', [1, 'x'], [[1]]), BuildError);
  assert.throws(() => protocol.build('Play', [1], [[1, 2]]), BuildError);
  assert.throws(() => protocol.build('NoSuchMessage', []), BuildError);
});

test('messages from the host are read by their layout', () => {
  assert.deepEqual(protocol.read('CMD_nextplayer+1+t+96+').head, [1, 't', 96]);
  const stats = protocol.read('CMD_gamestats+2+2+0+30+-3+1+94+1+3+t+2+6+t');
  assert.deepEqual(stats.head, [2, 2, 0, 30, -3, 1, 94]);
  assert.deepEqual(stats.groups, [[1, 3, 't'], [2, 6, 't']]);
  assert.deepEqual(protocol.read('CMD_existingplayers+1+Ann+0+2+Bob+1').groups,
    [[1, 'Ann', '0'], [2, 'Bob', '1']]);
  // The last field of a chat takes every "+" after it.
  const chat = protocol.read('CMD_chat+3+Cid chats: 1+1=2|clRed');
  assert.deepEqual(chat.head, [3, 'Cid chats: 1+1=2|clRed']);
  assert.equal(protocol.read('CMD_full+').id, 'Full');
  assert.equal(protocol.read('CMD_winner+Klot+').head[0], 'Klot');
  // The host's words that only a host reads, and unknown words, are not messages to a client.
  assert.equal(protocol.read('CMD_myturn+1+2+3+4'), null);
  assert.equal(protocol.read('CMD_ipass+1+'), null);
  assert.equal(protocol.read('no separator'), null);
  // A chat from the host is the relay, though both directions share the word.
  assert.equal(protocol.read('CMD_chat+1+x').id, 'ChatRelay');
});

test('an empty list, and the list marker inside a field', () => {
  assert.deepEqual(protocol.read('CMD_loadboard+1').groups, []);
  assert.deepEqual(protocol.read('CMD_existingplayers+1+@+0').groups, [[1, '@', '0']]);
});

test('fields that do not fit are refused', () => {
  assert.throws(() => protocol.read('CMD_nextplayer+x+t+96+'), FieldError);
  assert.throws(() => protocol.read('CMD_mytiles+1+1+5+2'), FieldError);
  assert.throws(() => protocol.read('CMD_mytiles+1+1+5+2+'), FieldError);
  assert.throws(() => protocol.read('CMD_error+1+99999999999+'), FieldError);
});

test('numbers are decimal 32-bit integers and nothing else', () => {
  assert.equal(parseNumber('0'), 0);
  assert.equal(parseNumber('-2147483648'), -2147483648);
  assert.equal(parseNumber('2147483647'), 2147483647);
  for (const bad of ['', '2147483648', '+1', ' 1', '1 ', '0x10', '1e3', '1.0', '123456789012']) {
    assert.equal(parseNumber(bad), null, bad);
  }
});

test('every message the host sends has a layout a client reads', () => {
  const table = loadTable();
  for (const m of table.messages.filter((x) => x.direction === 'toClient' && x.sentByHost)) {
    assert.ok(protocol.split(m.word + '+'), m.word);
  }
});

test('the table copy kept for the tests matches the build export', { skip: !process.env.HEXALINE_PROTOCOL_JSON }, async () => {
  const { readFileSync } = await import('node:fs');
  const kept = JSON.parse(readFileSync(new URL('./protocol.fixture.json', import.meta.url), 'utf8'));
  const shape = (t) => t.messages.map(({ id, word, direction, head, group, ending }) =>
    ({ id, word, direction, head, group, ending }));
  assert.deepEqual(shape(kept), shape(loadTable()));
});
