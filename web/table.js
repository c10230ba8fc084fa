// SPDX-License-Identifier: GPL-3.0-or-later
// The table on the page: the board, the hand, the seats, the turn buttons and the status
// lines, drawn from the game model; and the mouse, touch and keyboard input that lays tiles.

import { BOARD_LINES, HAND_SLOTS, PLAYER_SEATS } from './model.js';

const el = (tag, className, text) => {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
};

// Pictures of the 36 tile kinds, drawn from the desktop's art by the build: the three tiles
// of a kind share one, named by its colour and shape.
const COLOURS = ['green', 'purple', 'yellow', 'orange', 'red', 'blue'];
const SHAPES = ['', 'car', 'smiley', 'flower', 'heart', 'peace', 'bubbles'];
export const tileKind = (code) => ((code % 36) + 36) % 36;
export function tilePicture(code) {
  const kind = tileKind(code);
  const shape = kind >= 1 && kind <= 30 ? Math.floor((kind - 1) / 6) + 1 : 6;
  const name = `tiles/${COLOURS[kind % 6]}-${SHAPES[shape]}`;
  return { src: `${name}@1x.png`, srcset: `${name}@2x.png 2x` };
}

function setTile(holder, code) {
  if (holder.dataset.tile === String(code)) return;
  holder.dataset.tile = String(code);
  holder.replaceChildren();
  if (code === 0) return;
  const img = document.createElement('img');
  const { src, srcset } = tilePicture(code);
  img.src = src;
  img.srcset = srcset;
  img.alt = '';
  img.draggable = false;
  holder.append(img);
}

export class TableView {
  // `root` holds the table's elements (found by id); `model()` gives the current model;
  // `changed()` redraws after input.
  constructor(root, model, changed) {
    this.root = root;
    this.model = model;
    this.changed = changed;
    this.cursor = { row: 6, column: 6 };
    this.find = (id) => root.querySelector('#' + id);
    this.buildBoard();
    this.buildHand();
    this.buildSeats();
    this.bindButtons();
  }

  buildBoard() {
    const board = this.find('board');
    this.squares = [];
    for (let r = 1; r <= BOARD_LINES; ++r) {
      const row = [];
      for (let c = 1; c <= BOARD_LINES; ++c) {
        const square = el('div', 'square');
        square.dataset.row = r;
        square.dataset.column = c;
        board.append(square);
        row.push(square);
      }
      this.squares.push(row);
    }
    const at = (event) => {
      const square = event.target.closest('.square');
      return square ? [Number(square.dataset.row), Number(square.dataset.column)] : null;
    };
    board.addEventListener('click', (event) => {
      const where = at(event);
      if (!where) return;
      this.cursor = { row: where[0], column: where[1] };
      this.model().squareAction(...where);
      this.changed();
    });
    board.addEventListener('contextmenu', (event) => {
      const where = at(event);
      if (!where) return;
      event.preventDefault();
      this.model().takeBack(...where);
      this.changed();
    });
    board.addEventListener('dragover', (event) => {
      if (at(event)) event.preventDefault();
    });
    board.addEventListener('drop', (event) => {
      const where = at(event);
      const slot = Number(event.dataTransfer.getData('text/x-hexaline-slot'));
      if (!where || !slot) return;
      event.preventDefault();
      this.model().dropTile(slot, ...where);
      this.changed();
    });
    board.addEventListener('focus', () => this.root.classList.add('keyboard'));
    board.addEventListener('blur', () => this.root.classList.remove('keyboard'));
  }

  buildHand() {
    const hand = this.find('hand');
    this.slots = [null];
    for (let slot = 1; slot <= HAND_SLOTS; ++slot) {
      const button = el('button', 'slot');
      button.type = 'button';
      button.id = 'slot' + slot;
      button.dataset.slot = slot;
      button.setAttribute('aria-label', 'Hand tile ' + slot);
      button.addEventListener('click', () => {
        this.model().pickTile(slot);
        this.changed();
      });
      button.addEventListener('contextmenu', (event) => {
        event.preventDefault();
        this.model().putDown();
        this.changed();
      });
      // Tiles are dragged where the device has a mouse; a touch lays them by two taps.
      button.addEventListener('dragstart', (event) => {
        if (!this.model().handShown(slot) || !this.model().myTurn) {
          event.preventDefault();
          return;
        }
        event.dataTransfer.setData('text/x-hexaline-slot', String(slot));
        event.dataTransfer.effectAllowed = 'move';
      });
      hand.append(button);
      this.slots.push(button);
    }
  }

  buildSeats() {
    const seats = this.find('seats');
    this.seatRows = [null];
    for (let s = 1; s <= PLAYER_SEATS; ++s) {
      const row = el('li', 'seat');
      row.id = 'seat' + s;
      const turn = el('span', 'turnmark', '▶');
      const name = el('span', 'name');
      const eyes = el('span', 'eyes', '👀');
      eyes.title = 'Just watching';
      const score = el('span', 'score');
      const points = el('span', 'points');
      const out = el('span', 'out', 'not playing');
      row.append(turn, name, eyes, score, points, out);
      seats.append(row);
      this.seatRows.push({ row, name, eyes, score, points, out });
    }
  }

  bindButtons() {
    const act = (id, action) => this.find(id).addEventListener('click', () => {
      action(this.model());
      this.changed();
    });
    act('finish', (m) => m.finish());
    act('clear', (m) => m.clear());
    act('pass', (m) => m.pass());
    act('justwatch', (m) => m.toggleJustWatch());
    this.find('startform').addEventListener('submit', (event) => {
      event.preventDefault();
      this.model().startGame(Number(this.find('playto').value), Number(this.find('turntime').value));
    });
  }

  // ---- the keyboard of the desktop game ----
  // Keys while the chat input does not have the focus. True when the key was used.
  key(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return false;
    const m = this.model();
    const k = event.key;
    if (k >= '1' && k <= '6') {
      m.pickTile(Number(k));
    } else if (k.startsWith('Arrow')) {
      const [dr, dc] = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] }[k];
      // The cursor stops at the board's edges.
      this.cursor.row = Math.min(BOARD_LINES, Math.max(1, this.cursor.row + dr));
      this.cursor.column = Math.min(BOARD_LINES, Math.max(1, this.cursor.column + dc));
      this.find('board').focus({ preventScroll: true });
    } else if (k === 'Enter' || k === ' ') {
      m.squareAction(this.cursor.row, this.cursor.column);
    } else if (k === 'f' || k === 'F') {
      m.finish();
    } else if (k === 'c' || k === 'C') {
      m.clear();
    } else if (k === 'p' || k === 'P') {
      m.pass();
    } else {
      return false;
    }
    this.changed();
    return true;
  }

  // ---- drawing ----
  render() {
    const m = this.model();
    for (let r = 1; r <= BOARD_LINES; ++r) {
      for (let c = 1; c <= BOARD_LINES; ++c) {
        const square = this.squares[r - 1][c - 1];
        const facts = m.board[r - 1][c - 1];
        setTile(square, facts.tile);
        square.classList.toggle('laid', facts.state >= 1 && facts.state <= HAND_SLOTS);
        square.classList.toggle('cursor', r === this.cursor.row && c === this.cursor.column);
      }
    }
    for (let slot = 1; slot <= HAND_SLOTS; ++slot) {
      const button = this.slots[slot];
      const shown = m.handShown(slot);
      setTile(button, shown ? m.hand[slot] : 0);
      button.classList.toggle('raised', m.selected === slot);
      button.draggable = shown && m.myTurn;
      button.disabled = !shown;
    }
    this.find('hand').hidden = !m.isPlayer;
    if (!this.handDrawn && m.isPlayer && m.hand.some((t) => t !== 0)) {
      this.handDrawn = true;
      performance.mark('hexaline-hand');  // the page is playable from here
    }
    for (let s = 1; s <= PLAYER_SEATS; ++s) {
      const facts = m.seats[s];
      const row = this.seatRows[s];
      row.name.textContent = facts.caption;
      row.name.title = facts.caption;
      row.eyes.hidden = !facts.watching;
      const scoreShown = facts.scoreShown && !facts.sitsOut;
      row.score.textContent = scoreShown ? facts.score : '';
      row.points.textContent = scoreShown && facts.points !== null ? '+' + facts.points : '';
      row.out.hidden = !facts.sitsOut;
      row.row.classList.toggle('turn', m.shownTurn === s);
      row.row.classList.toggle('mine', m.myseat === s);
    }
    const spectators = this.find('spectators');
    if (spectators.dataset.list !== m.spectators.join('\n')) {
      spectators.dataset.list = m.spectators.join('\n');
      spectators.replaceChildren(...m.spectators.map((entry) => el('li', '', entry)));
    }
    this.find('finish').hidden = !m.buttons.finish;
    this.find('clear').hidden = !m.buttons.clear;
    this.find('pass').hidden = !m.buttons.pass;
    const watch = this.find('justwatch');
    watch.hidden = !m.isPlayer;
    watch.setAttribute('aria-pressed', String(m.justWatch));
    this.find('status').textContent = m.status;
    this.find('round').textContent = m.round;
    this.find('playtoscore').textContent = m.playto;
    this.find('tilesleft').textContent = m.tilesLeft;
    this.find('timeperturn').textContent = m.timePerTurn;
    this.find('myseat').textContent = m.myseat === 0 ? ''
      : m.isSpectator ? `Watching from seat ${m.myseat}` : `Seat ${m.myseat}`;
    this.renderClock();
    const winner = this.find('winner');
    winner.hidden = m.winner === null;
    winner.textContent = m.winner ?? '';
    this.find('startform').hidden = !(m.ishost && !m.gameOn && m.connected);
  }

  renderClock() {
    const m = this.model();
    this.find('timer').textContent = m.clockText();
    const bar = this.find('timebar');
    const share = m.turnlength > 0 ? Math.max(0, Math.min(1, m.timeleft / m.turnlength)) : 0;
    bar.style.width = `${share * 100}%`;
    bar.classList.toggle('short', m.timeleft < 20);
  }
}
