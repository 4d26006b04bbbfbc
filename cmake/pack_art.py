#!/usr/bin/env python3
"""Packs the program's artwork for the resource script: every picture and
icon listed in res/art/scaled.rc, and its 100 % original beside it, deflated
into an RCDATA resource of the same id. Icons keep only the one image size the
program draws them at (16 pixels times the scale). What the system loads by id
stays an ordinary resource at 100 %: the window's own icon, the icon of the
clipboard's confirmation box, and the About template's picture.

usage: pack_art.py SCALED_RC ART_DIR OUT_DIR
writes OUT_DIR/packed_art.rc and OUT_DIR/packed/<file>.z
"""
import os
import re
import struct
import sys
import zlib

ICON_SIZE = 16
SCALE_SUFFIX = re.compile(r"_(\d+)(\.\w+)$")
ENTRY = re.compile(r'^(\d+)\s+(BITMAP|ICON)\s+"art/([^"]+)"')
KEPT_AS_RESOURCES = {"icon_128.ico", "icon_1032.ico", "about_1072.bmp"}
ID_STEP = 10000
SCALES = {"125": 1, "150": 2, "200": 3}


def icon_with_one_size(data, pixels):
    """The .ico file reduced to its image of `pixels` x `pixels`."""
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    for i in range(count):
        entry = data[6 + 16 * i: 22 + 16 * i]
        width = entry[0] or 256
        size, offset = struct.unpack_from("<II", entry, 8)
        if width == pixels:
            image = data[offset:offset + size]
            header = struct.pack("<HHH", 0, kind, 1) + entry[:12] + struct.pack("<I", 22)
            return header + image
    raise SystemExit("no %d-pixel image in an icon" % pixels)


def write_if_changed(path, data):
    """Leaves an unchanged file alone, so the resources are not rebuilt."""
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def main():
    scaled_rc, art_dir, out_dir = sys.argv[1:4]
    packed_dir = os.path.join(out_dir, "packed")
    os.makedirs(packed_dir, exist_ok=True)
    entries = {}
    with open(scaled_rc) as listing:
        for line in listing:
            match = ENTRY.match(line)
            if not match:
                continue
            scaled_id, kind, name = int(match.group(1)), match.group(2), match.group(3)
            suffix = SCALE_SUFFIX.search(name)
            percent = suffix.group(1)
            entries[scaled_id] = (kind, name, int(percent))
            original = name[:suffix.start()] + suffix.group(2)
            entries[scaled_id - ID_STEP * SCALES[percent]] = (kind, original, 100)

    lines = ["// Made by cmake/pack_art.py: the artwork, deflated."]
    for resource_id in sorted(entries):
        kind, name, percent = entries[resource_id]
        if percent == 100 and name in KEPT_AS_RESOURCES:
            continue
        with open(os.path.join(art_dir, name), "rb") as f:
            data = f.read()
        if kind == "ICON":
            data = icon_with_one_size(data, ICON_SIZE * percent // 100)
        packed = os.path.join(packed_dir, name + ".z")
        # Fixed level and no file names or times: the output depends on the
        # pictures alone.
        blob = struct.pack("<I", len(data)) + zlib.compress(data, 9)
        write_if_changed(packed, blob)
        lines.append('%d RCDATA "%s"' % (resource_id, packed.replace("\\", "/")))
    write_if_changed(os.path.join(out_dir, "packed_art.rc"), ("\n".join(lines) + "\n").encode())


if __name__ == "__main__":
    main()
