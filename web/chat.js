// SPDX-License-Identifier: GPL-3.0-or-later
// The chat on the page: the log with the desktop's colours, smileys and links, the input line,
// the smiley menu, the text colour, the phrase buttons and the chatter sounds. Every name and
// every word from another player goes in as text, never as markup.

import { parseChatLine, cssColour, SMILEY_COUNT, smileyCode, CHATTER_CAPTIONS, colourFromCss,
  LINK_STYLE } from './chatline.js';

const SVG = 'http://www.w3.org/2000/svg';
const MAX_LINES = 5000;
const TRIM_BATCH = 100;

// The 18 faces in the order of the codes 10..27: eyes and mouth.
const FACES = [
  ['dots', 'smile'], ['dots', 'grin'], ['wink', 'smile'], ['dots', 'sad'], ['angry', 'frown'],
  ['shades', 'smile'], ['dots', 'tongue'], ['glasses', 'smile'], ['wide', 'open'],
  ['closed', 'grin'], ['dots', 'flat'], ['hearts', 'smile'], ['closed', 'kiss'], ['dots', 'teeth'],
  ['rolled', 'flat'], ['dots', 'wavy'], ['wink', 'tongue'], ['closed', 'smile'],
];
const MOUTHS = {
  smile: 'M5 10.5 Q8.5 14 12 10.5', grin: 'M4.5 10 Q8.5 15.5 12.5 10 Z', sad: 'M5 13 Q8.5 9.5 12 13',
  frown: 'M5 13.5 Q8.5 10 12 13.5', tongue: 'M5 10.5 Q8.5 14 12 10.5', open: 'M8.5 12 m-2 0 a2 2.2 0 1 0 4 0 a2 2.2 0 1 0 -4 0',
  flat: 'M5.5 11.5 H11.5', kiss: 'M8 10.5 q1.5 1 0 2 q1.5 1 0 2', teeth: 'M5 10 H12 V12.5 H5 Z',
  wavy: 'M5 11.5 q1 -1 2 0 t2 0 t2 0 t2 0',
};

function svg(tag, attrs) {
  const node = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs)) node.setAttribute(k, v);
  return node;
}

export function smileyPicture(picture) {
  const [eyes, mouth] = FACES[picture] ?? FACES[0];
  const face = svg('svg', { viewBox: '0 0 17 17', class: 'smiley', role: 'img',
    'aria-label': smileyCode(picture) });
  face.append(svg('circle', { cx: 8.5, cy: 8.5, r: 7.8, fill: '#ffd600', stroke: '#966400' }));
  const ink = { fill: '#3c1e00', stroke: '#3c1e00' };
  const eye = (x) => {
    if (eyes === 'closed' || (eyes === 'wink' && x > 8)) {
      return svg('path', { d: `M${x - 1.4} 6.4 H${x + 1.4}`, stroke: '#3c1e00', fill: 'none' });
    }
    if (eyes === 'hearts') return svg('circle', { cx: x, cy: 6.2, r: 1.5, fill: '#c00' });
    if (eyes === 'shades') return svg('rect', { x: x - 2.3, y: 4.6, width: 4.6, height: 3, fill: '#141414' });
    if (eyes === 'glasses') return svg('circle', { cx: x, cy: 6.2, r: 2.1, fill: 'none', stroke: '#3c1e00' });
    if (eyes === 'wide') return svg('circle', { cx: x, cy: 6.2, r: 1.7, ...ink });
    if (eyes === 'rolled') return svg('circle', { cx: x, cy: 5.2, r: 1, ...ink });
    if (eyes === 'angry') return svg('path', { d: `M${x - 1.5} ${x < 8 ? 5 : 6.5} L${x + 1.5} ${x < 8 ? 6.5 : 5}`, stroke: '#3c1e00' });
    return svg('ellipse', { cx: x, cy: 6.2, rx: 1, ry: 1.4, ...ink });
  };
  face.append(eye(5.6), eye(11.4));
  const filled = mouth === 'grin' || mouth === 'teeth' || mouth === 'open';
  face.append(svg('path', { d: MOUTHS[mouth], stroke: '#3c1e00', 'stroke-width': 1.1,
    fill: filled ? (mouth === 'teeth' ? '#fff' : '#8b0000') : 'none' }));
  if (mouth === 'tongue') face.append(svg('ellipse', { cx: 8.5, cy: 13, rx: 1.4, ry: 1.2, fill: '#e04060' }));
  return face;
}

export class ChatView {
  // `model()` gives the current game model.
  constructor(root, model) {
    this.model = model;
    this.find = (id) => root.querySelector('#' + id);
    this.log = this.find('chatlog');
    this.input = this.find('chatinput');
    this.styles = new Map();  // style number -> colour value, shared by all its lines
    this.find('chatform').addEventListener('submit', (event) => {
      event.preventDefault();
      this.model().say(this.input.value);
      this.input.value = '';
    });
    this.buildSmileys();
    this.buildPhrases();
    const colour = this.find('chatcolour');
    colour.addEventListener('change', () => {
      this.model().chatColour = colourFromCss(colour.value);
      try { localStorage.setItem('hexaline.chatColour', colour.value); } catch { /* private mode */ }
    });
    try {
      const saved = localStorage.getItem('hexaline.chatColour');
      if (saved) colour.value = saved;
    } catch { /* private mode */ }
  }

  // The chosen colour, for a new model after a reconnection.
  chosenColour() { return colourFromCss(this.find('chatcolour').value); }

  buildSmileys() {
    const menu = this.find('smileymenu');
    for (let p = 0; p < SMILEY_COUNT; ++p) {
      const item = document.createElement('button');
      item.type = 'button';
      item.title = smileyCode(p);
      item.append(smileyPicture(p));
      item.addEventListener('click', () => {
        this.input.value += smileyCode(p);
        menu.hidden = true;
        this.input.focus();
      });
      menu.append(item);
    }
    const button = this.find('smileys');
    button.replaceChildren(smileyPicture(0));
    button.addEventListener('click', () => { menu.hidden = !menu.hidden; });
  }

  buildPhrases() {
    const row = this.find('phrases');
    this.model().phrases.forEach((text, i) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'phrase';
      button.textContent = text;
      button.addEventListener('click', () => this.model().phrase(i + 1));
      row.append(button);
    });
    const sounds = this.find('chattersound');
    CHATTER_CAPTIONS.forEach((caption, i) => {
      const option = document.createElement('option');
      option.value = String(i + 1);
      option.textContent = caption;
      sounds.append(option);
    });
    sounds.addEventListener('change', () => {
      this.model().chatterSound(Number(sounds.value));
      sounds.value = '0';
    });
  }

  // A style takes the colour of its newest line, and every earlier line of it follows.
  setStyle(style, colour) {
    if (this.styles.get(style) === colour) return;
    this.styles.set(style, colour);
    this.log.style.setProperty(`--style${style}`, cssColour(colour) ?? 'inherit');
  }

  // Adds one line ("n+" and a body) in a colour; false for a line without a seat.
  addLine(text, colour) {
    const line = parseChatLine(text);
    if (!line) return false;
    this.setStyle(line.style, colour);
    const atBottom = this.log.scrollHeight - this.log.scrollTop - this.log.clientHeight < 24;
    const div = document.createElement('div');
    div.className = `line style${line.style}`;
    div.style.color = `var(--style${line.style})`;
    let run = '';
    const flush = () => {
      if (run) div.append(document.createTextNode(run));
      run = '';
    };
    for (const item of line.items) {
      if (item.kind === 'text') {
        run += item.text;
      } else if (item.kind === 'link') {
        flush();
        const a = document.createElement('a');
        a.href = item.href;
        a.target = '_blank';
        a.rel = 'noopener noreferrer';
        a.className = `style${LINK_STYLE}`;
        a.textContent = item.text;
        div.append(a);
      } else {
        flush();
        div.append(smileyPicture(item.picture));
      }
    }
    flush();
    this.log.append(div);
    if (this.log.childElementCount > MAX_LINES) {
      for (let i = 0; i < TRIM_BATCH; ++i) this.log.firstElementChild.remove();
    }
    if (atBottom) this.log.scrollTop = this.log.scrollHeight;
    return true;
  }
}
