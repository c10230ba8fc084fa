// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the host's web side while developing the page: serves web/ and the message
// table over http, and bridges each WebSocket at /play to a raw TCP connection to a host.
//   node tests/web/stub_bridge.mjs HOST-PORT WEB-PORT [PROTOCOL-JSON] [PICTURES-DIR]
import http from 'node:http';
import net from 'node:net';
import crypto from 'node:crypto';
import { readFileSync, existsSync } from 'node:fs';
import path from 'node:path';

const [hostPort, webPort, tablePath, picturesDir] = process.argv.slice(2);
const root = new URL('../../', import.meta.url).pathname;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.png': 'image/png', '.wav': 'audio/wav', '.json': 'application/json' };

function file(url) {
  const bare = url.split('?')[0];
  const name = bare === '/' ? 'index.html' : decodeURIComponent(bare.slice(1));
  if (name.includes('..')) return null;
  if (name === 'protocol.json') return tablePath || path.join(root, 'tests/web/protocol.fixture.json');
  if (name.startsWith('sounds/')) return path.join(root, 'resources', name);
  const own = path.join(root, 'web', name);
  if (existsSync(own)) return own;
  if (picturesDir) return path.join(picturesDir, name);
  return null;
}

const server = http.createServer((req, res) => {
  const f = file(req.url);
  if (!f || !existsSync(f)) {
    res.writeHead(404).end();
    return;
  }
  res.writeHead(200, { 'Content-Type': types[path.extname(f)] ?? 'application/octet-stream',
    'Content-Security-Policy': "default-src 'self'" });
  res.end(readFileSync(f));
});

function frame(text) {
  const data = Buffer.from(text, 'utf8');
  const head = data.length < 126 ? Buffer.from([0x81, data.length])
    : Buffer.from([0x81, 126, data.length >> 8, data.length & 0xff]);
  return Buffer.concat([head, data]);
}

server.on('upgrade', (req, socket) => {
  const accept = crypto.createHash('sha1')
    .update(req.headers['sec-websocket-key'] + '258EAFA5-E914-47DA-95CA-C5AB0DC85B11').digest('base64');
  socket.write('HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n' +
    `Sec-WebSocket-Accept: ${accept}\r\n\r\n`);
  const host = net.connect(Number(hostPort), '127.0.0.1');
  let fromHost = Buffer.alloc(0);
  host.on('data', (d) => {
    fromHost = Buffer.concat([fromHost, d]);
    let end;
    while ((end = fromHost.indexOf(0xff)) >= 0) {
      const text = fromHost.subarray(0, end).toString('utf8');
      fromHost = fromHost.subarray(end + 1);
      if (text !== '') socket.write(frame(text));
    }
  });
  let pending = Buffer.alloc(0);
  socket.on('data', (d) => {
    pending = Buffer.concat([pending, d]);
    while (pending.length >= 2) {
      const op = pending[0] & 0x0f;
      let len = pending[1] & 0x7f;
      let at = 2;
      if (len === 126) { len = pending.readUInt16BE(2); at = 4; }
      else if (len === 127) { len = Number(pending.readBigUInt64BE(2)); at = 10; }
      if (pending.length < at + 4 + len) break;
      const mask = pending.subarray(at, at + 4);
      const data = Buffer.from(pending.subarray(at + 4, at + 4 + len));
      for (let i = 0; i < data.length; ++i) data[i] ^= mask[i % 4];
      pending = pending.subarray(at + 4 + len);
      if (op === 8) { host.end(); socket.end(); return; }
      if (op === 1) {
        const ends = data.toString('utf8').startsWith('CMD_logininfo+') ? 2 : 1;
        host.write(Buffer.concat([data, Buffer.alloc(ends, 0xff)]));
      }
    }
  });
  const close = () => { host.destroy(); socket.destroy(); };
  host.on('close', close);
  host.on('error', close);
  socket.on('close', close);
  socket.on('error', close);
});

server.listen(Number(webPort), '127.0.0.1', () => console.log(`serving on port ${server.address().port}`));
