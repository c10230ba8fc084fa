#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Decode a Hexaline tally file (agametally.tld) on its own, without the game's code.

Layout: b"WRZL", the text's length (4 bytes, little-endian), then blocks, each a 2-byte
little-endian length L and L bytes. A block's first byte is a flag: 128 means the rest is the
chunk as it stands; anything else means groups follow, each a 16-bit control word (high byte
first) and up to 16 items, told apart by the control bits from the most significant down:
0 is a literal byte; 1 is either a copy (bytes a, b: offset a*16 + b//16, length b%16 + 3) or,
when that offset is 0, a run (bytes 0, h, l, v: h*256 + l + 16 bytes of v). Blocks are read
until one gives fewer than 32,768 bytes.

    decode_tally.py FILE            prints the tally text's cells, one per line
    decode_tally.py --raw FILE      writes the decoded bytes to standard output
"""
import struct
import sys

CHUNK = 32768


class Damaged(Exception):
    pass


def decode_block(block):
    if not block:
        raise Damaged("empty block")
    if block[0] == 128:
        return bytes(block[1:])
    out = bytearray()
    i = 1
    while i < len(block):
        if i + 2 > len(block):
            raise Damaged("control word cut short")
        control = (block[i] << 8) | block[i + 1]
        i += 2
        for bit in range(15, -1, -1):
            if i >= len(block):
                break
            if not (control >> bit) & 1:
                out.append(block[i])
                i += 1
                continue
            if i + 2 > len(block):
                raise Damaged("item cut short")
            offset = block[i] * 16 + block[i + 1] // 16
            if offset == 0:
                if i + 4 > len(block):
                    raise Damaged("run cut short")
                count = block[i + 1] * 256 + block[i + 2] + 16
                out.extend(bytes([block[i + 3]]) * count)
                i += 4
            else:
                count = block[i + 1] % 16 + 3
                if offset > len(out):
                    raise Damaged("copy before the block")
                start = len(out) - offset
                for k in range(count):
                    out.append(out[start + k])
                i += 2
            if len(out) > CHUNK:
                raise Damaged("block longer than a chunk")
    return bytes(out)


def decode_file(data):
    if data[:4] != b"WRZL":
        raise Damaged("no WRZL signature")
    if len(data) < 8:
        raise Damaged("length cut short")
    (length,) = struct.unpack_from("<I", data, 4)
    pos = 8
    text = bytearray()
    while True:
        if pos + 2 > len(data):
            raise Damaged("block length cut short")
        (size,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if pos + size > len(data):
            raise Damaged("block cut short")
        chunk = decode_block(data[pos:pos + size])
        pos += size
        text.extend(chunk)
        if len(chunk) < CHUNK:
            break
    if len(text) != length:
        raise Damaged("sizes do not match: %d announced, %d decoded" % (length, len(text)))
    return bytes(text)


def main(argv):
    raw = "--raw" in argv
    paths = [a for a in argv[1:] if a != "--raw"]
    if len(paths) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    with open(paths[0], "rb") as f:
        data = f.read()
    try:
        text = decode_file(data)
    except Damaged as e:
        print("damaged: %s" % e, file=sys.stderr)
        return 1
    if raw:
        sys.stdout.buffer.write(text)
        return 0
    lines = text.decode("utf-8", "replace").split("\r\n")
    columns, rows = int(lines[0]), int(lines[1])
    cells = lines[2:]
    for r in range(rows):
        print("\t".join(cells[c * rows + r] if c * rows + r < len(cells) else ""
                        for c in range(columns)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
