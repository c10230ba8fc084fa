#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Encodes texts with the game's encoder (the tally_encode program given as the argument) and
decodes every file with decode_tally.py, which knows only the file format. Exits non-zero on
the first text that does not come back unchanged."""
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import decode_tally  # noqa: E402


def texts():
    rng = random.Random(5)
    yield b""
    yield b"9\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    for size in (1, 2, 3, 32767, 32768, 32769, 65536, 70000):
        yield bytes(rng.choice(b"abcd\r\n0123") for _ in range(size))
    yield bytes(rng.getrandbits(8) for _ in range(40000))
    for run in (15, 16, 17, 4095, 4096, 5000):
        yield b"ab" + b"x" * run + b"cd" + b"y" * run
    names = [b"Ann", b"bob", b"Klot", b"Zo\xc3\xab", b"Max"]
    rows = 2000
    cells = [b"9", str(rows).encode(), b"0"] + [rng.choice(names) + str(r).encode()
                                                 for r in range(1, rows)]
    cells += [str(rng.randrange(50)).encode() for _ in range(8 * rows)]
    yield b"\r\n".join(cells) + b"\r\n"
    block = b"The quick brown fox jumps over the lazy dog. "
    yield block * 3000


def hostile_files(encoder, folder):
    """Files the decoder must refuse promptly: huge counts, many line feeds, not a file."""
    def encoded(name, text):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(subprocess.run([encoder], input=text, stdout=subprocess.PIPE,
                                   check=True).stdout)
        return path
    yield encoded("columns.tld", b"9223372036854775807\r\n1\r\n0\r\n")
    yield encoded("rows.tld", b"9\r\n100001\r\n" + b"x\r\n" * 100001)
    yield encoded("feeds.tld", b"9\r\n1\r\n" + b"\n" * (8 << 20))
    fifo = os.path.join(folder, "fifo.tld")
    os.mkfifo(fifo)
    yield fifo
    zero = os.path.join(folder, "zero.tld")
    os.symlink("/dev/zero", zero)
    yield zero
    yield folder


def main(argv):
    encoder = argv[1]
    with tempfile.TemporaryDirectory() as folder:
        for path in hostile_files(encoder, folder):
            run = subprocess.run([sys.executable, decode_tally.__file__, path],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=60)
            if run.returncode != 1 or not run.stderr.startswith(b"damaged"):
                print("%s was not refused as damaged (exit %d)" % (path, run.returncode))
                return 1
    count = 0
    for text in texts():
        file = subprocess.run([encoder], input=text, stdout=subprocess.PIPE, check=True).stdout
        back = decode_tally.decode_file(file)
        if back != text:
            print("text of %d bytes came back as %d bytes" % (len(text), len(back)))
            return 1
        count += 1
    print("%d files decoded by the independent decoder" % count)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
