// SPDX-License-Identifier: GPL-3.0-or-later
// Chat lines taken apart for the log: names, words, links, smileys and colours.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { parseChatLine, linkTarget, readColourText, colourText, cssColour, splitRelayed,
  chatterNumber } from '../../web/chatline.js';

test('a line: the seat, the name part and the words', () => {
  const line = parseChatLine('3+Cid chats: hi  there');
  assert.equal(line.seat, 3);
  assert.equal(line.style, 8);
  assert.deepEqual(line.items.map((i) => i.text),
    ['Cid chats: ', ' ', 'hi ', ' ', 'there ']);
  assert.equal(parseChatLine('0+You are Connected.').style, 0);
  for (const bad of ['x+hi', '10+hi', '+hi', 'no seat', '123+hi']) {
    assert.equal(parseChatLine(bad), null, bad);
  }
});

test('smiley codes become pictures; other codes the first picture', () => {
  const line = parseChatLine('1+Ann chats: yes:)#12 no:)#99:)#');
  assert.deepEqual(line.items.slice(1).map((i) => i.kind === 'picture' ? i.picture : i.text),
    [' ', 'yes ', 2, ' ', 'no ', 0, ' ', 0]);
});

test('only words that start as web addresses are links, and only to http and https', () => {
  const items = parseChatLine('1+Ann chats: see www.example.org, https://a.test/x?y=1 ' +
    'javascript:alert(1) xhttp://a.test http://').items;
  const links = items.filter((i) => i.kind === 'link');
  assert.deepEqual(links.map((l) => l.href), ['http://www.example.org/', 'https://a.test/x?y=1']);
  assert.equal(linkTarget('HTTPS://A.TEST'), 'https://a.test/');
  assert.equal(linkTarget('javascript:alert(1)'), null);
  assert.equal(linkTarget('http://exa mple'), null);
  assert.equal(linkTarget('ftp://a.test'), null);
});

test('colours as text, as the desktop writes and reads them', () => {
  assert.equal(readColourText('clred'), 0x0000ff);
  assert.equal(readColourText('$00FF0000'), 0xff0000);
  assert.equal(readColourText('-1'), 0xffffffff);
  assert.equal(readColourText('$123456789'), null);
  assert.equal(readColourText('red'), null);
  assert.equal(colourText(0x008000), 'clGreen');
  assert.equal(colourText(0x123456), '$00123456');
  assert.equal(cssColour(0x0000ff), '#ff0000');
  assert.equal(cssColour(0x80000008), '#000000');
  assert.equal(cssColour(0x1fffffff), null);
  assert.deepEqual(splitRelayed('2+Bob chats: a|b|clBlue'), { line: '2+Bob chats: a', colour: 0x0000ff });
  assert.deepEqual(splitRelayed('2+Bob waves'), { line: '2+Bob waves', colour: 0x0000ff });
  assert.equal(chatterNumber('WAVE20'), 20);
  assert.equal(chatterNumber('wave07'), 0);
  assert.equal(chatterNumber('wave21'), 0);
});
