// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser client knows of the game, and how the host's messages and the user's input
// change it: the seats with their names and scores, the own seat, whose turn it is, the board,
// the hand, the turn clock and the status line. Pure: no DOM. What the model wants done outside
// goes through its hooks (send a message, play a sound, add a chat line, show a notice).

import { FieldError } from './protocol.js';
import { BLUE, DEFAULT_PHRASES, CHATTER_CAPTIONS, chatterNumber, colourText, BLACK,
  splitRelayed } from './chatline.js';

export const WAITING = '<Waiting>';
export const BOARD_LINES = 12;
export const HAND_SLOTS = 6;
export const PLAYER_SEATS = 4;
export const SEAT_COUNT = 9;
export const FIXED = 1000;  // a square's state for a tile from the host
export const MAX_NAME = 64;
const COMPUTER_NAMES = ['', 'Klot', 'Klick', 'Kling'];
const REFUSALS = [
  'You cannot place tiles on top of each other.', 'Tiles need to be in the same line.',
  'That is not a valid grouping', 'One tile must touch an existing tile.',
];
const PHRASE_INTERVAL_MS = 2000;

const isPlayerSeat = (seat) => seat >= 1 && seat <= PLAYER_SEATS;
const isSeat = (seat) => seat >= 1 && seat <= SEAT_COUNT;

function ranged(value, low, high, what) {
  if (!Number.isInteger(value) || value < low || value > high) {
    throw new FieldError(`${what} ${value} is out of range`);
  }
  return value;
}
const seatField = (v) => ranged(v, 1, PLAYER_SEATS, 'seat');
const slotField = (v) => ranged(v, 1, HAND_SLOTS, 'hand slot');
const lineField = (v) => ranged(v, 1, BOARD_LINES, 'row or column');

function numberText(text) {
  if (!/^-?[0-9]{1,10}$/.test(String(text))) throw new FieldError(`"${text}" is not a number`);
  return String(text);
}

// A name as the host may take it: no "+", "|" or control characters, at most 64 characters.
export function sanitizeName(name) {
  return Array.from(name.replace(/[+|\u0000-\u001f\u007f]/g, '-')).slice(0, MAX_NAME).join('');
}

// Minutes and two-digit seconds: 75 -> "1:15", 9 -> "0:09".
export function minutesText(seconds) {
  const m = Math.floor(seconds / 60);
  const s = seconds % 60;
  return `${m}:${s >= 10 ? s : '0' + s}`;
}

function emptyBoard() {
  return Array.from({ length: BOARD_LINES }, () =>
    Array.from({ length: BOARD_LINES }, () => ({ tile: 0, state: 0 })));
}

function bounded(text) {
  return Array.from(text).slice(0, MAX_NAME).join('');
}

export class GameModel {
  // `protocol` builds the messages; `name` is the login name; hooks: send(text),
  // sound(name), chat(line, colour), notice(text), changed().
  constructor(protocol, name, hooks = {}, now = () => Date.now()) {
    this.protocol = protocol;
    this.name = name;
    this.hooks = { send() {}, sound() {}, chat() {}, notice() {}, closed() {}, ...hooks };
    this.now = now;
    this.seats = [null];
    for (let s = 1; s <= PLAYER_SEATS; ++s) {
      this.seats.push({ caption: WAITING, computerName: COMPUTER_NAMES[s - 1], watching: false,
        sitsOut: false, scoreShown: false, score: '0', points: null });
    }
    this.spectators = [];        // "seat: name" entries
    this.spectatorOf = new Map();
    this.myseat = 0;
    this.connected = false;
    this.justWatch = false;
    this.turnseat = 0;
    this.shownTurn = 0;  // whose turn the table marks
    this.hand = new Array(HAND_SLOTS + 1).fill(0);
    this.dealt = false;
    this.board = emptyBoard();
    this.placed = new Array(HAND_SLOTS + 1).fill(null);  // {row, column} laid this turn
    this.selected = 0;
    this.turnlength = 0;
    this.timeleft = 0;
    this.clockRunning = false;
    this.status = 'Welcome to Hexaline';
    this.playto = 'Play to Score: 0';
    this.round = 'Round: 0 of 0';
    this.tilesLeft = 'Tiles Left: 0';
    this.timePerTurn = 'Time Per Turn: 0 secs';
    this.winner = null;
    this.buttons = { finish: false, clear: false, pass: false };
    this.gameOn = false;
    this.closedReason = null;
    this.chatColour = BLACK;
    this.phrases = [...DEFAULT_PHRASES];
    this.lastPhraseAt = null;
  }

  // ---- facts the table shows ----
  get isPlayer() { return isPlayerSeat(this.myseat); }
  get isSpectator() { return this.myseat > PLAYER_SEATS; }
  get ishost() { return this.myseat === 1; }
  get myTurn() { return this.turnseat !== 0 && this.turnseat === this.myseat; }
  nameOf(seat) { return isPlayerSeat(seat) ? this.seats[seat].caption : ''; }
  isFree(seat) { return this.seats[seat].caption === WAITING; }
  laidThisTurn(row, column) {
    const state = this.board[row - 1][column - 1].state;
    return state >= 1 && state <= HAND_SLOTS;
  }
  tilesLaid() { return this.placed.some((p) => p !== null); }
  // A hand slot shows its tile unless it is empty or its tile lies on the board this turn.
  handShown(slot) { return this.isPlayer && this.hand[slot] !== 0 && this.placed[slot] === null; }

  // ---- what goes out ----
  send(id, head, groups) {
    if (this.connected) this.hooks.send(this.protocol.build(id, head, groups));
  }
  systemLine(text) { this.hooks.chat('0+' + text, BLUE); }
  sound(name) { this.hooks.sound(name); }

  // ---- messages from the host ----
  // Reads one message and applies it. Returns false for a message the client does not know;
  // throws FieldError when its fields do not fit.
  receive(text) {
    const message = this.protocol.read(text);
    if (!message) return false;
    const handler = this['on' + message.id];
    if (!handler) return false;
    handler.call(this, message.head, message.groups, message.args);
    return true;
  }

  onSendLoginInfo([seat]) {
    if (!isSeat(seat)) return;  // no such seat: the host is not to be believed
    this.myseat = seat;
    this.connected = true;
    this.hooks.send(this.protocol.build('Login', [seat, this.protocol.version,
      sanitizeName(this.name)]));
  }

  onNewPlayerInfo(head, groups) {
    for (const [seat, rawName, flag] of groups.slice(0, SEAT_COUNT)) {
      if (!isSeat(seat)) continue;
      const name = bounded(rawName);
      if (seat === this.myseat) this.systemLine('You are Connected.');
      else this.systemLine(name + ' is Connected.');
      if (isPlayerSeat(seat)) {
        const s = this.seats[seat];
        s.caption = name;
        s.scoreShown = true;
        if (flag === '1') s.watching = true;
      } else {
        const old = this.spectatorOf.get(seat);
        if (old) this.removeSpectator(old);
        const entry = `${seat}: ${name}`;
        this.spectatorOf.set(seat, entry);
        this.spectators.push(entry);
        this.systemLine(seat === this.myseat ? 'You are spying.' : name + ' is spying.');
      }
    }
    this.sound('entered');
  }

  onExistingPlayers(head, groups) { this.onNewPlayerInfo(head, groups); }

  removeSpectator(entry) {
    const at = this.spectators.indexOf(entry);
    if (at < 0) return false;
    this.spectators.splice(at, 1);
    return true;
  }

  onPlayerDisconnected([seat, rawName]) {
    const name = bounded(rawName);
    if (isPlayerSeat(seat)) {
      const s = this.seats[seat];
      if (s.caption !== WAITING && s.caption !== s.computerName) {
        this.systemLine(s.caption + ' disconnected.');
      }
      s.caption = WAITING;
      s.scoreShown = false;
      s.points = null;
      s.watching = false;
    } else if (isSeat(seat)) {
      const entry = `${seat}: ${name}`;
      if (this.removeSpectator(entry)) {
        this.systemLine(name + ' has left.');
        if (this.spectatorOf.get(seat) === entry) this.spectatorOf.delete(seat);
      }
    }
  }

  onJustWatching([seat, flag]) {
    if (!isPlayerSeat(seat)) return;
    const watching = flag === '1';
    if (seat === this.myseat) this.justWatch = watching;
    this.systemLine(this.nameOf(seat) + (watching ? ' is just watching' : ' is now playing again'));
    this.seats[seat].watching = watching;
  }

  onHaveWrongVersion([name]) {
    this.systemLine(bounded(name) + ' has a different version of the game then you.');
  }

  onWrongVersion() {
    this.systemLine('You have a differnt version of the game then the host.');
  }

  onFull() {
    this.closedReason = 'Game is full';
    this.hooks.notice('Game is full');
    this.hooks.closed();
  }

  onChatRelay(head, groups, args) {
    const { line, colour } = splitRelayed(args);
    this.hooks.chat(line, colour);
  }

  onActionRelay(head, groups, args) { this.onChatRelay(head, groups, args); }

  onSoundRelay(head, groups, args) {
    const fields = args.split('+');
    // Only the chatter sounds are played for another player.
    if (fields.length < 2 || chatterNumber(fields[1]) === 0) return;
    this.sound(fields[1].toLowerCase());
  }

  // ---- the game ----
  stopClock() { this.clockRunning = false; }
  startClock() { this.clockRunning = true; }
  hideTurnButtons() { this.buttons = { finish: false, clear: false, pass: false }; }

  clearBoard() {
    this.board = emptyBoard();
    this.placed.fill(null);
  }

  onGameStarted([starter, playto, seconds]) {
    this.stopClock();
    this.hideTurnButtons();
    this.justWatch = false;
    this.winner = null;
    this.gameOn = true;
    this.selected = 0;
    for (let s = 1; s <= PLAYER_SEATS; ++s) {
      this.seats[s].score = '0';
      this.seats[s].points = null;
    }
    this.clearBoard();
    this.playto = playto === '0' ? 'One Round Game' : 'Play to Score: ' + playto;
    this.round = 'Round: 1';
    if (this.isPlayer && this.nameOf(this.myseat) === starter) {
      this.systemLine('You have started a game.');
    } else {
      this.systemLine(starter + ' has started a game.');
    }
    if (this.isFree(2)) {
      this.seats[2].caption = this.seats[2].computerName;
      this.seats[2].scoreShown = true;
      this.systemLine('I am Klot the bot. Good Luck!');
    }
    const t = Number(numberText(seconds));
    this.timePerTurn = 'Time Per Turn: ' + minutesText(t) + ' mins';
    this.turnlength = t;
  }

  onRoundStarting([round], groups) {
    const seats = groups.map(([seat, flag]) => [seatField(seat), flag]);
    this.stopClock();
    this.hideTurnButtons();
    for (const [seat, flag] of seats) {
      this.seats[seat].sitsOut = flag === 'n';
      this.seats[seat].scoreShown = flag !== 'n';
    }
    this.round = 'Round: ' + round;
    this.shownTurn = 0;
    this.clearBoard();
  }

  onRoundStart(head, groups) { this.onRoundStarting(head, groups); }

  onMyTiles([seat], groups) {
    if (seat !== this.myseat) return;
    const tiles = groups.map(([slot, code]) => [slotField(slot), ranged(code, 0, 108, 'tile')]);
    for (const [slot, code] of tiles) {
      if (this.selected === slot) this.selected = 0;  // a changed slot comes down
      this.hand[slot] = code;
      this.dealt = true;
    }
  }

  onNextPlayer([rawSeat, flag, tilesLeft]) {
    const seat = seatField(rawSeat);
    this.stopClock();
    this.turnseat = seat;
    this.shownTurn = seat;
    this.tilesLeft = 'Tiles Left: ' + tilesLeft;
    // A free seat's turn is the computer player's.
    if (this.isFree(seat) && this.seats[seat].computerName) {
      this.seats[seat].caption = this.seats[seat].computerName;
      this.seats[seat].scoreShown = true;
    }
    if (seat === this.myseat) {
      if (flag === 'f') {
        this.status = 'Your Turn, but you have no valid plays.';
      } else if (this.justWatch) {
        this.status = 'Your Turn, but you are just watching.';
        this.turnseat = 0;
      } else {
        this.status = 'Your Turn.';
      }
      this.buttons.pass = true;
      this.sound('turn');
    } else {
      this.status = this.nameOf(seat) + (flag !== 'f' ? "'s turn." : "'s turn. but has no valid plays.");
    }
    this.timeleft = this.turnlength;
    this.startClock();
  }

  onHisPlay([rawSeat, total, points, bonus], groups) {
    const seat = seatField(rawSeat);
    const tiles = groups.map(([slot, tile, row, column]) =>
      [slotField(slot), ranged(tile, 1, 108, 'tile'), lineField(row), lineField(column)]);
    this.stopClock();
    for (let s = 1; s <= PLAYER_SEATS; ++s) this.seats[s].points = null;
    this.buttons.finish = this.buttons.clear = false;
    this.seats[seat].score = numberText(total);
    this.seats[seat].points = numberText(points);
    const mine = seat === this.myseat;
    for (const [slot, tile, row, column] of tiles) {
      const square = this.board[row - 1][column - 1];
      square.tile = tile;
      square.state = FIXED;
      if (mine) this.hand[slot] = 0;  // the tile has left the hand for good
    }
    this.placed.fill(null);
    if (bonus === 6) {
      this.status = mine ? 'Good Move, You got a bonus!'
        : this.nameOf(seat) + ' had a good move and got a bonus.';
    } else {
      this.status = mine ? 'You completed your turn.' : this.nameOf(seat) + "'s turn completed.";
    }
    this.sound('finish');
  }

  onError([seat, code]) {
    if (seat !== this.myseat) return;
    if (code >= 1 && code <= 4) this.status = REFUSALS[code - 1];
    this.sound('invalid');
    this.turnseat = this.myseat;
    this.buttons.finish = this.buttons.clear = true;
  }

  onHePassed([rawSeat]) {
    const seat = seatField(rawSeat);
    this.stopClock();
    this.hideTurnButtons();
    this.status = seat === this.myseat ? 'You passed. Turn Over!' : this.nameOf(seat) + ' passed!';
    this.sound('pass');
  }

  onRanOut([rawSeat, total, points]) {
    const seat = seatField(rawSeat);
    this.stopClock();
    this.hideTurnButtons();
    this.seats[seat].score = numberText(total);
    this.seats[seat].points = numberText(points);
    this.status = seat === this.myseat ? 'You ran out of a tiles..Round Over!'
      : this.nameOf(seat) + ' ran out of tiles..Round Over!';
    this.sound('roundover');
  }

  onTimesUp() {
    this.resetTiles();
    this.stopClock();
    this.hideTurnButtons();
    this.status = 'Time is Up!';
    this.sound('timeup');
  }

  onEndRound() {
    this.stopClock();
    this.status = 'The Round is Over..Please Wait.';
  }

  onWinner([name]) {
    this.stopClock();
    this.hideTurnButtons();
    this.sound('gameover');
    const won = this.isPlayer && this.nameOf(this.myseat) === name;
    const text = won ? 'You have Won the Game!' : name + ' has Won the Game!';
    this.winner = text;
    this.status = 'Game Over!';
    this.gameOn = false;
    this.turnseat = 0;
    this.shownTurn = 0;
    this.systemLine(text);
  }

  onGameStats([seat, turnseat, playto, perTurn, left, round, tilesLeft], groups) {
    if (seat !== this.myseat) return;
    const scores = groups.map(([s, score, flag]) => [seatField(s), numberText(score), flag]);
    this.gameOn = true;
    this.turnseat = turnseat;
    this.shownTurn = turnseat;
    this.playto = 'Play to Score: ' + playto;
    this.timePerTurn = 'Time Per Turn: ' + perTurn + 'secs';
    this.turnlength = perTurn;
    this.timeleft = left;
    this.startClock();
    this.round = 'Round: ' + round;
    this.tilesLeft = 'Tiles Left: ' + tilesLeft;
    for (const [s, score, flag] of scores) {
      this.seats[s].score = score;
      if (flag === 'f') {
        this.seats[s].sitsOut = true;
        this.seats[s].scoreShown = false;
      }
    }
    // A player back at the table on the own turn may play the rest of it.
    if (this.myTurn) this.buttons.pass = true;
  }

  onLoadBoard([seat], groups) {
    if (seat !== this.myseat) return;
    const squares = groups.map(([row, column, tile]) =>
      [lineField(row), lineField(column), ranged(tile, 1, 108, 'tile')]);
    for (const [row, column, tile] of squares) {
      this.board[row - 1][column - 1] = { tile, state: FIXED };
    }
  }

  // The turn clock: one call a second while it runs.
  tick() {
    if (!this.clockRunning) return;
    this.timeleft = this.timeleft > 0 ? this.timeleft - 1 : 0;
    const t = this.timeleft;
    if (t === 20 || t === 15 || (t >= 1 && t <= 10)) this.sound('tick');
  }

  clockText() {
    return this.timeleft < 1 ? 'Time: 0:00' : 'Time: ' + minutesText(this.timeleft);
  }

  // ---- the user's turn ----
  // Picks up a hand tile, or puts the raised one down again.
  pickTile(slot) {
    if (!this.myTurn || slot < 1 || slot > HAND_SLOTS) return;
    if (slot === this.selected) {
      this.selected = 0;
      return;
    }
    if (this.hand[slot] === 0 || this.placed[slot] !== null) return;
    this.selected = slot;
    this.sound('pickup');
  }

  // A right click on a hand tile puts the raised tile down.
  putDown() {
    if (this.myTurn) this.selected = 0;
  }

  // Lays the raised tile on a free square.
  layAt(row, column) {
    if (!this.myTurn || row < 1 || row > BOARD_LINES || column < 1 || column > BOARD_LINES) return;
    const square = this.board[row - 1][column - 1];
    if (square.state !== 0) {
      this.sound('invalid');
      return;
    }
    const slot = this.selected;
    if (slot === 0) return;
    if (this.hand[slot] === 0) {
      this.selected = 0;  // the slot lost its tile since it was picked up
      return;
    }
    square.state = slot;
    square.tile = this.hand[slot];
    this.placed[slot] = { row, column };
    this.selected = 0;
    this.buttons.finish = this.buttons.clear = true;
    this.buttons.pass = false;
    this.sound('place');
  }

  // Takes back a tile laid this turn.
  takeBack(row, column) {
    if (!this.myTurn || !this.laidThisTurn(row, column)) return;
    const slot = this.board[row - 1][column - 1].state;
    this.board[row - 1][column - 1] = { tile: 0, state: 0 };
    this.placed[slot] = null;
    if (!this.tilesLaid()) this.buttons.finish = this.buttons.clear = false;
    this.sound('clear');
  }

  // Enter or Space on a square, or a click on it: take back a tile laid there, else lay.
  squareAction(row, column) {
    if (this.laidThisTurn(row, column)) this.takeBack(row, column);
    else this.layAt(row, column);
  }

  // Lays a hand tile straight on a square (a drag from the hand).
  dropTile(slot, row, column) {
    if (!this.myTurn) return;
    this.selected = 0;
    this.pickTile(slot);
    if (this.selected === slot) this.layAt(row, column);
  }

  finish() {
    if (!this.myTurn || !this.buttons.finish) return;
    const play = [];
    for (let slot = 1; slot <= HAND_SLOTS; ++slot) {
      const p = this.placed[slot];
      if (p) play.push([slot, p.row, p.column]);
    }
    if (play.length === 0) {
      this.sound('invalid');
      return;
    }
    this.turnseat = 0;  // no more input until the host answers
    this.send('Play', [this.myseat], play);
    this.hideTurnButtons();
  }

  resetTiles() {
    for (let slot = 1; slot <= HAND_SLOTS; ++slot) {
      const p = this.placed[slot];
      if (p) this.board[p.row - 1][p.column - 1] = { tile: 0, state: 0 };
      this.placed[slot] = null;
    }
    this.buttons.finish = this.buttons.clear = false;
  }

  clear() {
    if (!this.buttons.clear) return;
    this.resetTiles();
    this.selected = 0;
    this.sound('clear');
    this.buttons.pass = true;
  }

  pass() {
    // Tiles lie on the board this turn: they must be finished or cleared first.
    if (!this.buttons.pass || this.buttons.clear || this.buttons.finish) return;
    this.hideTurnButtons();
    if (this.myTurn && !this.justWatch) {
      this.send('Pass', [this.myseat]);
      this.turnseat = 0;
    }
  }

  // Just Watch on and off: the computer plays the seat meanwhile.
  toggleJustWatch() {
    if (!this.connected || !this.isPlayer) return;
    if (this.justWatch) {
      this.send('JustWatch', [this.myseat, '2']);
      return;
    }
    this.send('JustWatch', [this.myseat, '1']);
    if (this.turnseat === this.myseat) {
      this.resetTiles();
      this.selected = 0;
      this.hideTurnButtons();
      this.turnseat = 0;
    }
  }

  startGame(playto, seconds) {
    if (!this.ishost) return;
    this.send('StartGame', [sanitizeName(this.name), String(playto), String(seconds)]);
  }

  // ---- chat ----
  // A line typed into the chat input: "/me ..." is an action; other lines starting with "/"
  // are not sent.
  say(text) {
    if (!this.connected || text === '') return;
    const tail = '|' + colourText(this.chatColour);
    if (!text.startsWith('/')) this.send('Chat', [this.myseat, text + tail]);
    else if (text.startsWith('/me')) this.send('Action', [this.myseat, text.slice(4) + tail]);
  }

  // Phrase button k (1..9): at most one phrase per two seconds.
  phrase(k) {
    if (k < 1 || k > this.phrases.length || !this.connected) return;
    const t = this.now();
    if (this.lastPhraseAt !== null && t - this.lastPhraseAt < PHRASE_INTERVAL_MS) return;
    const said = this.phrases[k - 1];
    const text = said.startsWith('/me ') ? said.slice(4) : 'says: ' + said;
    this.send('Action', [this.myseat, text + '|' + colourText(this.chatColour)]);
    this.lastPhraseAt = t;
  }

  // A chatter sound 1..20 for everybody at the table.
  chatterSound(n) {
    if (n < 1 || n > CHATTER_CAPTIONS.length) return;
    this.send('Sound', [this.myseat, 'wave' + n]);
  }
}

