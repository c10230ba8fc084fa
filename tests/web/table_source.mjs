// SPDX-License-Identifier: GPL-3.0-or-later
// The exported message table for the tests: the build's export when HEXALINE_PROTOCOL_JSON
// names it, else the copy kept beside the tests.
import { readFileSync } from 'node:fs';

export function loadTable() {
  const path = process.env.HEXALINE_PROTOCOL_JSON || new URL('./protocol.fixture.json', import.meta.url);
  return JSON.parse(readFileSync(path, 'utf8'));
}

export function recording(name) {
  return readFileSync(new URL(`./recordings/${name}.txt`, import.meta.url), 'utf8')
    .split('\n').filter((line) => line !== '');
}
