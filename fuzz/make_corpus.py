#!/usr/bin/env python3
"""Writes the seed corpus of the TrueType fuzz target into fuzz/corpus/.

Small files built from scratch: sound ones that reach every branch of the
reader, and damaged ones near its limits. Run it again after changing it and
commit the result.
"""
import os
import struct

MAGIC = 0x5F0F3CF5


def head(magic=MAGIC):
    return struct.pack(">IIIIHHqqhhhhHHhhh", 0x10000, 0x10000, 0, magic, 0x000B, 2048,
                       0, 0, 0, 0, 1000, 1000, 0, 8, 2, 0, 0)


def os2(fs_selection, version=1):
    body = struct.pack(">HhHHH", version, 500, 400, 5, 0) + bytes(22) + bytes(10) + bytes(16)
    body += b"TEST" + struct.pack(">HHHhhHHH", fs_selection, 0x20, 0x7E, 800, -200, 0, 900, 250)
    if version >= 1:
        body += struct.pack(">II", 1, 0)
    return body


def utf16(text):
    return text.encode("utf-16-be")


def name(records, string_offset=None):
    """records: (platform, encoding, language, name id, bytes)."""
    storage = b""
    out = b""
    for platform, encoding, language, name_id, data in records:
        out += struct.pack(">HHHHHH", platform, encoding, language, name_id, len(data), len(storage))
        storage += data
    offset = 6 + 12 * len(records) if string_offset is None else string_offset
    return struct.pack(">HHH", 0, len(records), offset) + out + storage


def sfnt(tables, num_tables=None):
    """tables: (tag, data[, offset override[, length override]])."""
    count = len(tables) if num_tables is None else num_tables
    header = struct.pack(">IHHHH", 0x10000, count, 0, 0, 0)
    offset = 12 + 16 * len(tables)
    directory = b""
    body = b""
    for table in tables:
        tag, data = table[0], table[1]
        at = table[2] if len(table) > 2 and table[2] is not None else offset
        length = table[3] if len(table) > 3 else len(data)
        directory += tag + struct.pack(">III", 0, at, length)
        data += bytes(-len(data) % 4)
        body += data
        offset += len(data)
    return header + directory + body


def win(name_id, text, language=0x0409):
    return (3, 1, language, name_id, utf16(text))


def mac(name_id, data):
    return (1, 0, 0, name_id, data)


FAMILY = [win(1, "Seed"), win(2, "Regular"), win(4, "Seed Regular"), win(6, "Seed-Regular")]

SEEDS = {
    "good": sfnt([(b"head", head()), (b"name", name(FAMILY)), (b"OS/2", os2(0x21))]),
    "good-os2-v0": sfnt([(b"OS/2", os2(0x40, 0)), (b"name", name(FAMILY)), (b"head", head())]),
    "locales": sfnt([(b"head", head()), (b"name", name([
        win(1, "Uno", 0x0410), win(1, "One"), win(4, "Primo", 0x0410), win(4, "Erste", 0x0407),
        mac(0, b"\xa9 Seed"), mac(1, b"\x00S\x00e\x00e\x00d"), win(5, ""), (0, 3, 0, 7, utf16("Mark"))]))]),
    "surrogates": sfnt([(b"head", head()), (b"name", name([
        (3, 1, 0x0409, 1, b"\xd8\x3d\xde\x00\xd8\x00"), (3, 1, 0x0409, 2, b"\xdc\x00\x00"),
        (3, 10, 0x0409, 4, b"\x00A\xd8")]))]),
    "line-break-names": sfnt([(b"head", head()), (b"name", name([
        win(1, "Seed\r\n[Global]\r\nEnable=0"), win(2, "\u2028\x00\t"), win(4, "Seed\u2029Full"),
        mac(1, b"Seed\r\nMac")])), (b"OS/2", os2(0))]),
    "two-name-tables": sfnt([(b"head", head()), (b"name", name([win(1, "First")])),
                             (b"name", name([win(1, "Second")])), (b"OS/2", os2(1))]),
    "wrong-magic": sfnt([(b"head", head(0x5F0F3CF6)), (b"name", name(FAMILY))]),
    "no-head": sfnt([(b"name", name(FAMILY)), (b"OS/2", os2(0x20))]),
    "zero-tables": sfnt([], 0),
    "ffff-tables": sfnt([], 0xFFFF),
    "head-offset-near-max": sfnt([(b"head", head(), 0xFFFFFFF0)]),
    "head-length-near-max": sfnt([(b"head", head(), None, 0xFFFFFFFF)]),
    "name-past-end": sfnt([(b"head", head()), (b"name", name(FAMILY), 0x7FFFFFFF)]),
    "name-count-too-big": sfnt([(b"head", head()), (b"name", b"\x00\x00\xff\xff\x00\x06")]),
    "string-past-end": sfnt([(b"head", head()), (b"name", name([win(1, "Seed")], 0xFFF0))]),
    "string-offset-in-record": sfnt([(b"head", head()), (b"name",
                                     struct.pack(">HHHHHHHHH", 0, 1, 18, 3, 1, 0x409, 1, 0xFFFF, 0xFFF0))]),
    "os2-short": sfnt([(b"head", head()), (b"OS/2", os2(1)[:40])]),
    "truncated": sfnt([(b"head", head()), (b"name", name(FAMILY))])[:90],
    "empty": b"",
}


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(out, exist_ok=True)
    for name_, data in SEEDS.items():
        with open(os.path.join(out, name_ + ".ttf"), "wb") as f:
            f.write(data)
    print("wrote %d seeds to %s" % (len(SEEDS), out))


if __name__ == "__main__":
    main()
