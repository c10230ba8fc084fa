// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the browser client: the message table from the host, the join form, the game
// socket with its reconnection under the same name, the turn clock and the keyboard.

import { Protocol, FieldError } from './protocol.js';
import { GameModel } from './model.js';
import { TableView } from './table.js';
import { ChatView } from './chat.js';
import { Sounds } from './sounds.js';
import { BLUE } from './chatline.js';

const NAME_KEY = 'hexaline.name';
const JOINED_KEY = 'hexaline.joined';  // this tab is at the table: a reload joins again
const RETRY_MS = [500, 1000, 2000, 4000, 8000];

const $ = (id) => document.getElementById(id);
const store = {
  get(storage, key) { try { return storage.getItem(key); } catch { return null; } },
  set(storage, key, value) { try { storage.setItem(key, value); } catch { /* private mode */ } },
  remove(storage, key) { try { storage.removeItem(key); } catch { /* private mode */ } },
};

class App {
  constructor(protocol) {
    this.protocol = protocol;
    this.sounds = new Sounds();
    this.socket = null;
    this.retries = 0;
    this.name = '';
    this.model = this.newModel('');
    const root = document.body;
    this.table = new TableView(root, () => this.model, () => this.render());
    this.chat = new ChatView(root, () => this.model);
    this.bindPage();
    setInterval(() => {
      if (!this.model.clockRunning) return;
      this.model.tick();
      this.table.renderClock();
    }, 1000);
  }

  newModel(name) {
    const model = new GameModel(this.protocol, name, {
      send: (text) => {
        if (this.socket && this.socket.readyState === WebSocket.OPEN) this.socket.send(text);
      },
      sound: (s) => this.sounds.play(s),
      chat: (line, colour) => this.chat.addLine(line, colour),
      notice: (text) => {
        this.systemLine(text);
        $('connection').textContent = text;
      },
      closed: () => this.leave(),
    });
    if (this.chat) model.chatColour = this.chat.chosenColour();
    return model;
  }

  systemLine(text) { this.chat.addLine('0+' + text, BLUE); }

  bindPage() {
    const nameInput = $('name');
    nameInput.value = store.get(localStorage, NAME_KEY) ?? '';
    $('joinform').addEventListener('submit', (event) => {
      event.preventDefault();
      const name = nameInput.value.trim();
      if (name === '') return;
      store.set(localStorage, NAME_KEY, name);
      this.join(name);
    });
    const soundSwitch = $('soundswitch');
    soundSwitch.checked = this.sounds.on;
    soundSwitch.addEventListener('change', () => this.sounds.setOn(soundSwitch.checked));
    // Browsers let a page make sound only after the user did something on it.
    for (const kind of ['pointerdown', 'keydown']) {
      document.addEventListener(kind, () => this.sounds.unlock(), { capture: true });
    }
    document.addEventListener('keydown', (event) => this.key(event));
    if (store.get(sessionStorage, JOINED_KEY) && nameInput.value) this.join(nameInput.value);
  }

  // Keys: the chat input keeps its typing; Esc and Tab leave it for the board, Tab on the
  // board goes to the chat input; elsewhere the desktop game's keys play.
  key(event) {
    if ($('table').hidden) return;
    const input = $('chatinput');
    if (document.activeElement === input) {
      if (event.key === 'Escape' || (event.key === 'Tab' && !event.shiftKey)) {
        event.preventDefault();
        $('board').focus();
      }
      return;
    }
    if (event.key === 'Tab' && document.activeElement === $('board')) {
      event.preventDefault();
      input.focus();
      return;
    }
    const tag = document.activeElement?.tagName;
    if (tag === 'INPUT' || tag === 'SELECT' || tag === 'TEXTAREA') return;
    if (tag === 'BUTTON' && (event.key === 'Enter' || event.key === ' ')) return;
    if (this.table.key(event)) event.preventDefault();
  }

  join(name) {
    this.name = name;
    store.set(sessionStorage, JOINED_KEY, '1');
    $('join').hidden = true;
    $('table').hidden = false;
    this.connect();
  }

  leave() {
    this.leaving = true;
    store.remove(sessionStorage, JOINED_KEY);
    if (this.socket) this.socket.close();
  }

  connect() {
    this.model = this.newModel(this.name);
    this.render();
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    const socket = new WebSocket(`${scheme}//${location.host}/play`);
    this.socket = socket;
    $('connection').textContent = 'Connecting…';
    socket.addEventListener('open', () => {
      this.retries = 0;
      $('connection').textContent = '';
    });
    socket.addEventListener('message', (event) => {
      if (typeof event.data !== 'string') return;
      try {
        this.model.receive(event.data);
      } catch (error) {
        // Whatever the host sends, one message never takes the page down.
        if (!(error instanceof FieldError)) console.error(error);
        else console.warn(error.message);
      }
      this.render();
    });
    socket.addEventListener('close', () => {
      if (socket !== this.socket) return;
      this.model.stopClock();
      if (this.leaving) {
        // The host turned the page away (the game is full): back to the join form.
        this.leaving = false;
        if (!this.model.closedReason) $('connection').textContent = 'Not connected.';
        $('table').hidden = true;
        $('join').hidden = false;
        return;
      }
      // The host keeps a dropped player's seat for the name: join again under it.
      const wait = RETRY_MS[Math.min(this.retries, RETRY_MS.length - 1)];
      this.retries += 1;
      $('connection').textContent = 'Connection lost. Joining again…';
      if (this.retries === 1) this.systemLine('The connection to the host was lost. Joining again...');
      setTimeout(() => this.connect(), wait);
    });
  }

  render() {
    this.table.render();
    document.title = this.model.myTurn ? 'Your Turn – Hexaline' : 'Hexaline';
  }
}

async function start() {
  try {
    const response = await fetch('protocol.json');
    const protocol = new Protocol(await response.json());
    window.hexaline = new App(protocol);
  } catch (error) {
    $('connection').textContent = 'The game could not be loaded: ' + error.message;
  }
}

start();
