// SPDX-License-Identifier: GPL-3.0-or-later
// Chat lines taken apart, as the desktop log shows them: "n+" and a body, where n is 0 for a
// system line or the speaker's seat 1..9. The body's name part (up to and including its first
// ":") starts the line; the rest follows as words, links and smiley pictures. Pure: no DOM.

export const SYSTEM_STYLE = 0;
export const LINK_STYLE = 4;
const SMILEY_MARK = ':)#';
export const SMILEY_COUNT = 18;

// Colour values hold red in the lowest byte; 0x80000000 + k is the desktop's colour number k.
export const RED = 0x0000ff;
export const BLUE = 0xff0000;
export const BLACK = 0x000000;
const SYSTEM_BASE = 0x80000000;
export const NO_COLOUR = 0x1fffffff;

const rgb = (r, g, b) => r | (g << 8) | (b << 16);
const COLOUR_NAMES = [
  ['clBlack', rgb(0, 0, 0)], ['clMaroon', rgb(128, 0, 0)], ['clGreen', rgb(0, 128, 0)],
  ['clOlive', rgb(128, 128, 0)], ['clNavy', rgb(0, 0, 128)], ['clPurple', rgb(128, 0, 128)],
  ['clTeal', rgb(0, 128, 128)], ['clGray', rgb(128, 128, 128)], ['clSilver', rgb(192, 192, 192)],
  ['clRed', rgb(255, 0, 0)], ['clLime', rgb(0, 255, 0)], ['clYellow', rgb(255, 255, 0)],
  ['clBlue', rgb(0, 0, 255)], ['clFuchsia', rgb(255, 0, 255)], ['clAqua', rgb(0, 255, 255)],
  ['clWhite', rgb(255, 255, 255)], ['clScrollBar', SYSTEM_BASE + 0],
  ['clBackground', SYSTEM_BASE + 1], ['clActiveCaption', SYSTEM_BASE + 2],
  ['clInactiveCaption', SYSTEM_BASE + 3], ['clMenu', SYSTEM_BASE + 4],
  ['clWindow', SYSTEM_BASE + 5], ['clWindowFrame', SYSTEM_BASE + 6],
  ['clMenuText', SYSTEM_BASE + 7], ['clWindowText', SYSTEM_BASE + 8],
  ['clCaptionText', SYSTEM_BASE + 9], ['clActiveBorder', SYSTEM_BASE + 10],
  ['clInactiveBorder', SYSTEM_BASE + 11], ['clAppWorkSpace', SYSTEM_BASE + 12],
  ['clHighlight', SYSTEM_BASE + 13], ['clHighlightText', SYSTEM_BASE + 14],
  ['clBtnFace', SYSTEM_BASE + 15], ['clBtnShadow', SYSTEM_BASE + 16],
  ['clGrayText', SYSTEM_BASE + 17], ['clBtnText', SYSTEM_BASE + 18],
  ['clInactiveCaptionText', SYSTEM_BASE + 19], ['clBtnHighlight', SYSTEM_BASE + 20],
  ['cl3DDkShadow', SYSTEM_BASE + 21], ['cl3DLight', SYSTEM_BASE + 22],
  ['clInfoText', SYSTEM_BASE + 23], ['clInfoBk', SYSTEM_BASE + 24], ['clNone', NO_COLOUR],
];

// The desktop's colours by number, as a light desktop theme shows them.
const SYSTEM_CSS = [
  '#c8c8c8', '#008080', '#000080', '#808080', '#f0f0f0', '#ffffff', '#000000', '#000000',
  '#000000', '#ffffff', '#b4b4b4', '#f4f7fc', '#ababab', '#0078d7', '#ffffff', '#f0f0f0',
  '#a0a0a0', '#6d6d6d', '#000000', '#000000', '#ffffff', '#696969', '#e3e3e3', '#000000',
  '#ffffe1',
];

// A colour name (letter case ignored), "$" and one to eight hexadecimal digits, or a signed
// 32-bit decimal integer; null for anything else.
export function readColourText(text) {
  const lower = text.toLowerCase();
  for (const [name, value] of COLOUR_NAMES) if (name.toLowerCase() === lower) return value;
  if (text.startsWith('$')) {
    const digits = text.slice(1);
    if (!/^[0-9a-fA-F]{1,8}$/.test(digits)) return null;
    return parseInt(digits, 16) >>> 0;
  }
  if (!/^-?[0-9]{1,10}$/.test(text)) return null;
  const value = Number(text);
  if (value < -2147483648 || value > 2147483647) return null;
  return value >>> 0;
}

// The name of a named colour, else "$" and eight upper-case hexadecimal digits.
export function colourText(value) {
  for (const [name, v] of COLOUR_NAMES) if (v === value) return name;
  return '$' + (value >>> 0).toString(16).toUpperCase().padStart(8, '0');
}

// The CSS colour of a colour value; null for "no colour".
export function cssColour(value) {
  value >>>= 0;
  if (value === NO_COLOUR) return null;
  if (value >= SYSTEM_BASE) return SYSTEM_CSS[value - SYSTEM_BASE] ?? '#000000';
  const hex = (n) => n.toString(16).padStart(2, '0');
  return '#' + hex(value & 0xff) + hex((value >> 8) & 0xff) + hex((value >> 16) & 0xff);
}

// A colour value from "#rrggbb".
export function colourFromCss(css) {
  const m = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(css);
  if (!m) return BLACK;
  return rgb(parseInt(m[1], 16), parseInt(m[2], 16), parseInt(m[3], 16));
}

function isLinkWord(word) {
  const lower = word.toLowerCase();
  return lower.startsWith('http://') || lower.startsWith('https://') || lower.startsWith('www.');
}

function webAddress(address) {
  let url;
  try {
    url = new URL(address);
  } catch {
    return null;
  }
  if (url.protocol !== 'http:' && url.protocol !== 'https:') return null;
  // A host name of letters, digits, dots and hyphens (other names come as xn--), or an
  // address in brackets.
  if (!/^[a-z0-9.-]+$|^\[[0-9a-f:.]+\]$/i.test(url.hostname)) return null;
  return url.href;
}

// Where a link word leads: words starting with "http://", "https://" (letter case ignored) or
// "www." lead to the web, anything else nowhere. Punctuation that closes a sentence is no part
// of the address. The address, or null.
export function linkTarget(word) {
  let address = word.trim();
  if (!isLinkWord(address)) return null;
  if (address.toLowerCase().startsWith('www.')) address = 'http://' + address;
  for (;;) {
    const url = webAddress(address);
    if (url) return url;
    if (address === '' || !',.;:!?)]\'"'.includes(address.at(-1))) return null;
    address = address.slice(0, -1);
  }
}

// Each word keeps its one trailing space; a run of spaces gives one-space words.
function addWords(segment, items) {
  segment += ' ';
  let from = 0;
  while (from < segment.length) {
    const space = segment.indexOf(' ', from);
    const word = segment.slice(from, space + 1);
    from = space + 1;
    const href = isLinkWord(word) ? linkTarget(word) : null;
    items.push(href ? { kind: 'link', text: word, href } : { kind: 'text', text: word });
  }
}

// Picture of a two-character code: 10..27 give 0..17, anything else 0.
function pictureOf(code) {
  if (!/^[0-9]{2}$/.test(code)) return 0;
  const n = Number(code);
  return n >= 10 && n <= 27 ? n - 10 : 0;
}

export function smileyCode(picture) {
  return SMILEY_MARK + String(picture + 10);
}

// { seat, style, items } or null for a line without a seat 0..9 before its first "+".
export function parseChatLine(line) {
  const plus = line.indexOf('+');
  if (plus <= 0 || plus > 2) return null;
  const digits = line.slice(0, plus);
  if (!/^[0-9]+$/.test(digits)) return null;
  const seat = Number(digits);
  if (seat > 9) return null;
  const out = { seat, style: seat > 0 ? seat + 5 : SYSTEM_STYLE, items: [] };
  let body = line.slice(plus + 1);
  const colon = body.indexOf(':');
  out.items.push({ kind: 'text', text: body.slice(0, colon + 1) + ' ' });
  body = body.slice(colon + 1);
  let mark;
  while ((mark = body.indexOf(SMILEY_MARK)) >= 0) {
    const segment = body.slice(0, mark);
    const code = body.slice(mark + SMILEY_MARK.length, mark + SMILEY_MARK.length + 2);
    body = body.slice(mark + SMILEY_MARK.length + code.length);
    addWords(segment, out.items);
    out.items.push({ kind: 'picture', picture: pictureOf(code) });
  }
  if (body !== '') addWords(body, out.items);
  return out;
}

// A relayed chat or action: the line and its colour, taken from the text after the first "|"
// (red when there is none or it is not a colour).
export function splitRelayed(data) {
  const bar = data.indexOf('|');
  if (bar < 0) return { line: data, colour: RED };
  const colour = readColourText(data.slice(bar + 1));
  return { line: data.slice(0, bar), colour: colour ?? RED };
}

// Chatter sounds, by number 1..20.
export const CHATTER_CAPTIONS = [
  'Doh', 'Cough', 'Hello', 'Thank You', 'Where have you been?', 'Snoring', 'Sneezing', 'Sorry',
  'Welcome', 'Yeehaa', 'Yippee', 'Oh No', 'Applause', 'Honk', 'Oooh', 'Razzberry', 'Cheer',
  'Woman Laughing', 'Man Laughing', 'Crying',
];

export function chatterNumber(name) {
  const m = /^wave([0-9]+)$/.exec(name.toLowerCase());
  if (!m || String(Number(m[1])) !== m[1]) return 0;
  const n = Number(m[1]);
  return n >= 1 && n <= CHATTER_CAPTIONS.length ? n : 0;
}

export const DEFAULT_PHRASES = [
  'Way To Go!', 'Good One!', 'Nice Try!', 'Excellent!', 'Brilliant!', 'Wow, WTG!', 'Thanks!',
  'Way To Go Teamie!', 'Good Game Everyone!',
];
