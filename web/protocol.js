// SPDX-License-Identifier: GPL-3.0-or-later
// Protocol messages built and read through the host's exported message table: a command word,
// fields after "+", and one message per WebSocket message (the bridge adds the terminators).
// Nothing here knows a message's layout; the table says it all.

export class FieldError extends Error {}
export class BuildError extends Error {}

const LIST_MARKER = '+@';

// A decimal 32-bit integer, as the host reads one: an optional "-", digits, nothing else.
export function parseNumber(text) {
  if (typeof text !== 'string' || text.length === 0 || text.length > 11) return null;
  if (!/^-?[0-9]+$/.test(text)) return null;
  const value = Number(text);
  if (value < -2147483648 || value > 2147483647) return null;
  return value;
}

// Reads the fields of one message in turn, as the host's reader does. A list message gets a
// marker after its last field, so that the end of the list can be told from an empty field.
export class Reader {
  constructor(layout, args) {
    this.layout = layout;
    this.list = layout.group.length > 0;
    this.buffer = this.list ? args + LIST_MARKER : args;
    this.pos = 0;
  }

  remaining() {
    return this.buffer.slice(this.pos);
  }

  atListEnd() {
    return this.remaining() === '@';
  }

  text() {
    if (this.list && this.atListEnd()) {
      throw new FieldError(`${this.layout.word}: the list ends before this field`);
    }
    const plus = this.buffer.indexOf('+', this.pos);
    if (plus < 0) {
      const field = this.buffer.slice(this.pos);
      this.pos = this.buffer.length;
      return field;
    }
    const field = this.buffer.slice(this.pos, plus);
    this.pos = plus + 1;
    return field;
  }

  number() {
    const field = this.text();
    const value = parseNumber(field);
    if (value === null) {
      throw new FieldError(`${this.layout.word}: "${field.slice(0, 32)}" is not a number`);
    }
    return value;
  }

  rest() {
    let left = this.remaining();
    if (this.list && left.endsWith(LIST_MARKER)) left = left.slice(0, -LIST_MARKER.length);
    this.pos = this.buffer.length;
    return left;
  }

  field(kind) {
    if (kind === 'number') return this.number();
    if (kind === 'text') return this.text();
    return this.rest();
  }
}

export class Protocol {
  // `table` is the exported message table (the JSON the host serves).
  constructor(table) {
    if (!table || !Array.isArray(table.messages)) throw new Error('not a message table');
    this.version = table.version;
    this.separator = table.separator ?? '+';
    this.byId = new Map();
    this.incoming = new Map();  // command word -> layout, host to client
    for (const m of table.messages) {
      this.byId.set(m.id, m);
      if (m.direction === 'toClient' && !this.incoming.has(m.word)) this.incoming.set(m.word, m);
    }
  }

  layout(id) {
    const m = this.byId.get(id);
    if (!m) throw new BuildError(`no message ${id}`);
    return m;
  }

  // One message to the host, without terminators.
  build(id, head = [], groups = []) {
    const m = this.layout(id);
    if (head.length !== m.head.length) throw new BuildError(`${m.word}: wrong number of fields`);
    if (m.group.length === 0 && groups.length > 0) {
      throw new BuildError(`${m.word}: not a list message`);
    }
    let out = m.word;
    const append = (kind, value) => {
      if (kind === 'number') {
        if (!Number.isInteger(value)) throw new BuildError(`${m.word}: a number field got text`);
        out += '+' + String(value);
        return;
      }
      const text = String(value);
      if (kind === 'text' && text.includes('+')) {
        throw new BuildError(`${m.word}: a text field holds "+"`);
      }
      out += '+' + text;
    };
    m.head.forEach((kind, i) => append(kind, head[i]));
    for (const group of groups) {
      if (group.length !== m.group.length) {
        throw new BuildError(`${m.word}: wrong number of fields in a list entry`);
      }
      m.group.forEach((kind, i) => append(kind, group[i]));
    }
    if (m.ending === 'separator') out += '+';
    return out;
  }

  // The layout and the argument text of one message from the host, or null when the host's
  // word is not one a client knows (such a message is dropped, as by the desktop client).
  split(message) {
    const plus = message.indexOf('+');
    if (plus < 0) return null;
    const layout = this.incoming.get(message.slice(0, plus));
    if (!layout) return null;
    return { layout, args: message.slice(plus + 1) };
  }

  // The whole message read by its layout: { id, word, head, groups, args }. Throws FieldError
  // when the fields do not fit the layout; null for a message no client knows.
  read(message) {
    const parts = this.split(message);
    if (!parts) return null;
    const { layout, args } = parts;
    const reader = new Reader(layout, args);
    const head = layout.head.map((kind) => reader.field(kind));
    const groups = [];
    if (layout.group.length > 0) {
      while (!reader.atListEnd()) {
        if (reader.remaining() === '') throw new FieldError(`${layout.word}: list ends early`);
        groups.push(layout.group.map((kind) => reader.field(kind)));
      }
    }
    return { id: layout.id, word: layout.word, head, groups, args };
  }
}
