// SPDX-License-Identifier: GPL-3.0-or-later
// The game sounds through the Web Audio API: the desktop game's recordings, fetched the first
// time each is played, one at a time as on the desktop. An off switch, kept in the browser.

const KEY = 'hexaline.sounds';

export class Sounds {
  constructor() {
    this.context = null;
    this.buffers = new Map();  // name -> Promise<AudioBuffer|null>
    this.current = null;
    try {
      this.on = localStorage.getItem(KEY) !== 'off';
    } catch {
      this.on = true;
    }
  }

  setOn(on) {
    this.on = on;
    if (!on) this.stop();
    try { localStorage.setItem(KEY, on ? 'on' : 'off'); } catch { /* private mode */ }
  }

  // Browsers let a page make sound only after the user did something on it.
  unlock() {
    if (!this.context && typeof AudioContext !== 'undefined') this.context = new AudioContext();
    if (this.context && this.context.state === 'suspended') this.context.resume();
  }

  load(name) {
    if (!/^[a-z0-9]+$/.test(name)) return Promise.resolve(null);
    if (!this.buffers.has(name)) {
      const loaded = fetch(`sounds/${name}.wav`)
        .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(r.status))))
        .then((bytes) => this.context.decodeAudioData(bytes))
        .catch(() => null);
      this.buffers.set(name, loaded);
    }
    return this.buffers.get(name);
  }

  stop() {
    if (this.current) {
      try { this.current.stop(); } catch { /* already ended */ }
    }
    this.current = null;
  }

  async play(name) {
    if (!this.on || !this.context) return;
    const wanted = (this.wanted = name);
    const buffer = await this.load(name);
    // A sound still loading plays when ready, unless another one came first.
    if (!buffer || this.wanted !== wanted || !this.on) return;
    this.stop();
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    source.start();
    this.current = source;
  }
}
