// SPDX-License-Identifier: GPL-3.0-or-later
// A player that speaks the protocol over raw TCP, as the desktop client does: messages end in
// the byte 0xFF. It lays single tiles where the rules allow, else passes, and records every
// message the host sends. Used to record message sequences for the model's tests and as the
// third client at a mixed table.
import net from 'node:net';
import { Protocol } from '../../web/protocol.js';

const TERMINATOR = 0xff;

function colourOf(code) { return ((code % 6) + 6) % 6; }
function shapeOf(code) {
  const r = ((code % 36) + 36) % 36;
  return r >= 1 && r <= 30 ? Math.floor((r - 1) / 6) + 1 : 6;
}

// A line of tiles is a set: one colour with all shapes different, or one shape with all
// colours different.
export function isSet(tiles) {
  if (tiles.length <= 1) return true;
  if (tiles.length > 6) return false;
  const colours = new Set(tiles.map(colourOf));
  const shapes = new Set(tiles.map(shapeOf));
  return (colours.size === 1 && shapes.size === tiles.length) ||
    (shapes.size === 1 && colours.size === tiles.length);
}

// Squares (row, column, 1-based) where one tile may go alone this turn.
export function singlePlays(board, tile) {
  const at = (r, c) => (r >= 1 && r <= 12 && c >= 1 && c <= 12 ? board[r - 1][c - 1] : 0);
  const empty = board.every((row) => row.every((t) => t === 0));
  const out = [];
  for (let r = 1; r <= 12; ++r) {
    for (let c = 1; c <= 12; ++c) {
      if (at(r, c)) continue;
      if (empty) { out.push([r, c]); continue; }
      if (!at(r - 1, c) && !at(r + 1, c) && !at(r, c - 1) && !at(r, c + 1)) continue;
      const line = (dr, dc) => {
        const tiles = [tile];
        for (let k = 1; at(r + dr * k, c + dc * k); ++k) tiles.push(at(r + dr * k, c + dc * k));
        for (let k = 1; at(r - dr * k, c - dc * k); ++k) tiles.push(at(r - dr * k, c - dc * k));
        return tiles;
      };
      if (isSet(line(0, 1)) && isSet(line(1, 0))) out.push([r, c]);
    }
  }
  return out;
}

export class RawPlayer {
  constructor(table, name, { log = false } = {}) {
    this.protocol = new Protocol(table);
    this.name = name;
    this.received = [];
    this.seat = 0;
    this.board = Array.from({ length: 12 }, () => new Array(12).fill(0));
    this.hand = new Array(7).fill(0);
    this.log = log;
    this.waiters = [];
    this.tries = [];
    this.autoplay = true;
  }

  connect(port) {
    return new Promise((resolve, reject) => {
      this.socket = net.connect(port, '127.0.0.1', resolve);
      this.socket.on('error', reject);
      let pending = Buffer.alloc(0);
      this.socket.on('data', (data) => {
        pending = Buffer.concat([pending, data]);
        let end;
        while ((end = pending.indexOf(TERMINATOR)) >= 0) {
          const text = pending.subarray(0, end).toString('utf8');
          pending = pending.subarray(end + 1);
          if (text !== '') this.onMessage(text);
        }
      });
      this.closed = new Promise((done) => this.socket.on('close', done));
    });
  }

  sendText(text, id) {
    const bytes = [Buffer.from(text, 'utf8'), Buffer.from([TERMINATOR])];
    if (id === 'Login') bytes.push(Buffer.from([TERMINATOR]));
    this.socket.write(Buffer.concat(bytes));
  }

  send(id, head, groups = []) {
    this.sendText(this.protocol.build(id, head, groups), id);
  }

  // Resolves with the first received message for which `test` holds (searching those already
  // received from index `from`).
  waitFor(test, from = 0) {
    for (let i = from; i < this.received.length; ++i) {
      if (test(this.received[i])) return Promise.resolve(this.received[i]);
    }
    return new Promise((resolve) => this.waiters.push({ test, resolve }));
  }

  onMessage(text) {
    if (this.log) console.log('<', text);
    this.received.push(text);
    let m = null;
    try { m = this.protocol.read(text); } catch { /* a bad message is skipped */ }
    if (m) this.apply(m);
    this.waiters = this.waiters.filter((w) => {
      if (!w.test(text)) return true;
      w.resolve(text);
      return false;
    });
  }

  apply(m) {
    switch (m.id) {
      case 'SendLoginInfo':
        this.seat = m.head[0];
        this.send('Login', [this.seat, this.protocol.version, this.name]);
        break;
      case 'RoundStarting':
        for (const row of this.board) row.fill(0);
        break;
      case 'LoadBoard':
        for (const [r, c, t] of m.groups) this.board[r - 1][c - 1] = t;
        break;
      case 'MyTiles':
        if (m.head[0] === this.seat) for (const [slot, t] of m.groups) this.hand[slot] = t;
        break;
      case 'HisPlay':
        for (const [slot, t, r, c] of m.groups) {
          this.board[r - 1][c - 1] = t;
          if (m.head[0] === this.seat) this.hand[slot] = 0;
        }
        break;
      case 'NextPlayer':
        if (m.head[0] === this.seat && this.autoplay) this.planTurn();
        break;
      case 'Error':
        if (m.head[0] === this.seat && this.autoplay) this.tryNext();
        break;
      default:
        break;
    }
  }

  planTurn() {
    this.tries = [];
    for (let slot = 1; slot <= 6; ++slot) {
      if (!this.hand[slot]) continue;
      for (const [r, c] of singlePlays(this.board, this.hand[slot])) this.tries.push([slot, r, c]);
    }
    this.tryNext();
  }

  tryNext() {
    const next = this.tries.shift();
    if (next) this.send('Play', [this.seat], [next]);
    else this.send('Pass', [this.seat]);
  }

  close() {
    this.socket.end();
    return this.closed;
  }
}
