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
import os
import stat
import struct
import sys

CHUNK = 32768
# The game's own bounds: a larger file or text, or a table beyond these, is damage.
MAX_FILE = 16 << 20
MAX_TEXT = 16 << 20
MAX_COLUMNS = 16
MAX_ROWS = 100000


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
    if length > MAX_TEXT:
        raise Damaged("text of %d bytes announced, more than any tally" % length)
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
        if len(text) > length:
            raise Damaged("more text than announced")
        if len(chunk) < CHUNK:
            break
    if len(text) != length:
        raise Damaged("sizes do not match: %d announced, %d decoded" % (length, len(text)))
    return bytes(text)


def count_of(line):
    """A count line: 1 to 9 decimal digits, blanks around allowed; None for anything else."""
    line = line.strip(b" \t\r")
    if not 1 <= len(line) <= 9 or not line.isdigit():
        return None
    return int(line)


def check_table(text):
    """The column and row counts, checked as the game checks them before reading the cells."""
    head = text.split(b"\n", 2)
    if len(head) < 2:
        raise Damaged("no column and row counts")
    columns, rows = count_of(head[0]), count_of(head[1])
    if columns is None or not 1 <= columns <= MAX_COLUMNS:
        raise Damaged("column count out of bounds")
    if rows is None or not 1 <= rows <= MAX_ROWS:
        raise Damaged("row count out of bounds")
    lines = text.count(b"\n") + 1
    if lines - 2 < rows:
        raise Damaged("fewer lines than rows")
    if lines - 2 > columns * rows + 1:
        raise Damaged("more lines than cells")
    return columns, rows


def read_file(path):
    """The file's bytes, only when it is a regular file within the bound; never blocks."""
    fd = os.open(path, os.O_RDONLY | os.O_NONBLOCK)
    try:
        info = os.fstat(fd)
        if not stat.S_ISREG(info.st_mode):
            raise Damaged("not a regular file")
        if info.st_size > MAX_FILE:
            raise Damaged("file larger than %d bytes" % MAX_FILE)
        data = bytearray()
        while len(data) <= MAX_FILE:
            piece = os.read(fd, 1 << 16)
            if not piece:
                break
            data.extend(piece)
        if len(data) > MAX_FILE:
            raise Damaged("file larger than %d bytes" % MAX_FILE)
        return bytes(data)
    finally:
        os.close(fd)


def main(argv):
    raw = "--raw" in argv
    paths = [a for a in argv[1:] if a != "--raw"]
    if len(paths) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        text = decode_file(read_file(paths[0]))
        columns, rows = check_table(text)
    except Damaged as e:
        print("damaged: %s" % e, file=sys.stderr)
        return 1
    if raw:
        sys.stdout.buffer.write(text)
        return 0
    lines = [line[:-1] if line.endswith("\r") else line
             for line in text.decode("utf-8", "replace").split("\n")]
    cells = lines[2:]
    for r in range(rows):
        print("\t".join(cells[c * rows + r] if c * rows + r < len(cells) else ""
                        for c in range(columns)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
