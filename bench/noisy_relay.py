#!/usr/bin/env python3
"""Joins two ptys like a telephone line with noise: from a seeded random source, about one byte in
RATE in each direction has a bit flipped, is lost, or gets a stray byte after it.

    noisy_relay.py NEAR FAR SEED RATE
"""
import os
import random
import select
import sys
import termios
import tty


def open_raw(path):
    fd = os.open(path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
    tty.setraw(fd, termios.TCSANOW)
    return fd


def main():
    near, far = open_raw(sys.argv[1]), open_raw(sys.argv[2])
    rate = int(sys.argv[4])
    # One random source per direction, so what one side sends does not change the other's faults.
    noise = {near: random.Random(int(sys.argv[3]) * 2), far: random.Random(int(sys.argv[3]) * 2 + 1)}
    other = {near: far, far: near}
    while True:
        ready, _, _ = select.select([near, far], [], [])
        for fd in ready:
            try:
                data = os.read(fd, 4096)
            except OSError:
                return
            if not data:
                return
            out = bytearray()
            r = noise[fd]
            for b in data:
                if r.randrange(rate) != 0:
                    out.append(b)
                    continue
                kind = r.randrange(3)
                if kind == 0:
                    out.append(b ^ (1 << r.randrange(8)))
                elif kind == 2:
                    out += bytes([b, r.randrange(256)])
            while out:
                try:
                    out = out[os.write(other[fd], bytes(out)):]
                except BlockingIOError:
                    select.select([], [other[fd]], [])


if __name__ == "__main__":
    main()
