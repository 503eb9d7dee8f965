#!/usr/bin/env python3
"""Writes the seed corpus of the Glyphmux.ini fuzz target into
fuzz/glyphmuxini/corpus/.

Files as the editor saves them and as people edit them: other encodings and
line ends, odd keys, damaged bytes. Run it again after changing it and commit
the result.
"""
import os

SLOTS = ["LatinBold12", "LatinBold13", "LatinBold17", "LatinBold19", "LatinPlain12"]
SIZES = [12, 12, 16, 16, 12]
ALIASES = [("Alp13", 13, 1), ("Alp17", 17, 2), ("Alb17", 17, 2), ("Alpi12", 12, 1),
           ("Alpi13", 13, 1), ("Alpi17", 17, 2), ("Albi12", 12, 0), ("Albi13", 13, 1),
           ("Albi17b", 17, 2), ("Aco13", 13, 1), ("Acalc21", 21, 3), ("Acb14", 14, 1),
           ("Acb30", 30, 3), ("Acp5", 5, 0)]
SEPARATOR = ";" + "*" * 31


def saved_lines(faces=("",) * 5, italic=(False,) * 5, heights=("",) * 5, widths=("",) * 5,
                sizes=SIZES, zoom=100, chroma=100, path="\\data\\fonts\\*.*"):
    flag = lambda on: ":I" if on else ""
    lines = [";" + "*" * 14 + "Glyphmux GUI 1.2.4" + "*" * 17, "[Global]", "Enable=1", "Nativefont=0",
             "LogLevel=5", "ForceAntiAliased=4", f"ZoomRatio={zoom}", f"Chroma={chroma}",
             f"ExtraFontFile={path}", SEPARATOR, "[FontMap]"]
    for i, key in enumerate(SLOTS):
        lines.append(f"{key}={faces[i]}@{sizes[i]}:Y{heights[i]}{flag(italic[i])}:W{widths[i]}")
    lines.append(SEPARATOR)
    for name, size, slot in ALIASES:
        lines.append(f"{name}={faces[1]}@{size}{flag(italic[slot])}")
    lines.append(SEPARATOR)
    return lines


def utf16le(lines):
    return b"\xff\xfe" + "".join(line + "\r\n" for line in lines).encode("utf-16-le")


SEEDS = {
    "saved-initial.ini": utf16le(saved_lines()),
    "saved-filled.ini": utf16le(saved_lines(
        faces=("Nokia Sans S60", "Шрифт, 字体", "@SimSun", "A:B@C", "Café"),
        italic=(True, False, True, False, True), heights=("10", "", "-2", "a@1", ""),
        widths=("8", "", "", "", "3"), sizes=(5, 4, 316, 16, 13), zoom=1, chroma=0,
        path="e:\\fonts\\*.ttf")),
    "hand-utf8-lf.ini": "[global]\n  enable = 0\nzoomratio = 150 \nColour=red\n[ fontmap ]\n"
                        "latinbold12 = Nokia Sans @ 14 :Y10:I:W8\nLATINBOLD13=Шрифт@13\n"
                        "LatinPlain12=Plain\nalp13 = Шрифт@13\n".encode("utf-8"),
    "hand-1252-crlf.ini": b"; copied off the phone\r\nZoomRatio=0\r\nChroma=abc\r\n[FontMap]\r\n"
                          b"LatinBold13=Caf\xe9@12:I\r\nLatinBold13=Twice@12\r\nLatinBold17=X@100000\r\n"
                          b"Acp5=Other@5\r\n",
    "utf16be-cr.ini": b"\xfe\xff" + "[FontMap]\rLatinBold13=字体@12:Y:X\r[Extra]\rfoo=1\r[FontMap]\r"
                      "LatinBold19=Z@17:y1:w2:i\r".encode("utf-16-be"),
    "utf8-bom-damaged.ini": b"\xef\xbb\xbfLatinBold12=Bad\xff@13\nLatinBold13=Good@13\n"
                            b"LatinBold17=A\x01B@13\nLatinBold19=Tab\tbed@13\njust text\n=1\n",
    "utf16le-odd-surrogates.ini": b"\xff\xfe" + "[FontMap]\r\nLatinBold12=".encode("utf-16-le")
                                  + b"\x00\xd8A\x00@\x001\x002\x00\r\x00\n\x00\x00\xdc@",
    "not-ours.ini": b"[Settings]\nLatinBold12=x@12\nhello\n",
    "many-at-signs.ini": b"[FontMap]\nLatinBold12=" + b"@ 1" * 200 + b"@\nLatinBold13=@@@@:::@12:Y@3\n",
    "empty.ini": b"",
}

folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "glyphmuxini", "corpus")
os.makedirs(folder, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)
