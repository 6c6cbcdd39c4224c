#!/usr/bin/env python3
"""Rewrites PNG files with their image data deflated at the best level."""
import struct
import sys
import zlib


def chunks(data):
    at = 8
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


for path in sys.argv[1:]:
    with open(path, "rb") as f:
        data = f.read()
    parts = list(chunks(data))
    image = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    out = data[:8]
    for kind, body in parts:
        if kind == b"IDAT":
            continue
        if kind == b"IEND":
            out += chunk(b"IDAT", zlib.compress(image, 9))
        out += chunk(kind, body)
    with open(path, "wb") as f:
        f.write(out)
