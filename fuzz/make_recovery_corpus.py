#!/usr/bin/env python3
"""Writes the seed corpus of the recovery-file fuzz target into
fuzz/recovery/corpus/: records as the editor writes them, with odd values,
and damaged ones. Run it again after changing it and commit the result.
"""
import os
import urllib.parse

FIELDS = ["face", "file", "size", "height", "width"]


def record(faces=("",) * 5, sizes=("12", "12", "16", "16", "12"), italic=(0,) * 5, zoom="100",
           chroma="100", path="\\data\\fonts\\*.*", ini="/home/user/Glyphmux.ini",
           written="2026-12-07T01:30:00.000Z"):
    enc = lambda text: urllib.parse.quote(text.encode("utf-8") if isinstance(text, str) else text, safe="-._~")
    lines = ["Glyphmux recovery 1", "written=" + enc(written), "ini=" + enc(ini)]
    for i in range(5):
        values = {"face": faces[i], "file": "", "size": sizes[i], "height": "", "width": ""}
        lines += [f"slot{i}.{field}={enc(values[field])}" for field in FIELDS]
        lines.append(f"slot{i}.italic={italic[i]}")
    lines += ["zoom=" + zoom, "chroma=" + enc(chroma), "fontPath=" + enc(path)]
    return ("\n".join(lines) + "\n").encode("ascii")


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "recovery", "corpus")
    os.makedirs(folder, exist_ok=True)
    odd = ("Line\r\nbreak", "100% è", "\U0001F600", "a=b", "")
    seeds = {
        "initial.recovery": record(),
        "odd-values.recovery": record(faces=odd, italic=(1, 0, 1, 0, 1), zoom="300", chroma="",
                                      written="2026-12-07T02:30:00+01:00"),
        "damaged-zoom.recovery": record(zoom="0"),
        # The save target is the path's bytes, UTF-8 or not.
        "latin1-target.recovery": record(ini=b"/home/caf\xe9/Glyphmux.ini"),
        "cut-short.recovery": record()[:-40],
        "empty.recovery": b"",
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
