#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) starts: its target path, working folder and
arguments, one per line as name=value, from the file's own bytes. Fails on a file that is
not a shortcut or that names no local target.

    lnk_fields.py shortcut.lnk
"""
import struct
import sys

LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")
HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x01, 0x02, 0x80
# The strings that follow the link info, in the order the flags 0x04 to 0x40 name them.
STRINGS = [(0x04, "name"), (0x08, "relative"), (0x10, "workdir"), (0x20, "arguments"),
           (0x40, "icon")]


def c_string(data, offset):
    return data[offset:data.index(b"\0", offset)].decode("cp1252", "replace")


def fields(data):
    if len(data) < 0x4C or struct.unpack_from("<I", data)[0] != 0x4C or \
            data[4:20] != LINK_CLSID:
        raise ValueError("not a shortcut")
    flags = struct.unpack_from("<I", data, 20)[0]
    pos = 0x4C
    if flags & HAS_ID_LIST:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    found = {"target": "", "workdir": "", "arguments": ""}
    if flags & HAS_LINK_INFO:
        size, header, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, pos)
        if info_flags & 1:
            if header >= 0x24:  # Unicode copies of the two paths follow
                base_w, suffix_w = struct.unpack_from("<2I", data, pos + 28)
                found["target"] = wide_c_string(data, pos + base_w) + \
                    wide_c_string(data, pos + suffix_w)
            else:
                found["target"] = c_string(data, pos + base) + c_string(data, pos + suffix)
        pos += size
    if not found["target"]:
        raise ValueError("no local target")
    for flag, name in STRINGS:
        if flags & flag:
            count = struct.unpack_from("<H", data, pos)[0]
            pos += 2
            width = 2 if flags & IS_UNICODE else 1
            raw = data[pos:pos + count * width]
            if len(raw) != count * width:
                raise ValueError("cut short")
            pos += count * width
            # Wine counts the terminating NUL too; Windows does not.
            found[name] = raw.decode("utf-16-le" if width == 2 else "cp1252").rstrip("\0")
    return found


def wide_c_string(data, offset):
    end = offset
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[offset:end].decode("utf-16-le")


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    try:
        found = fields(data)
    except (ValueError, struct.error) as e:
        sys.exit(f"{sys.argv[1]}: {e}")
    for name in ("target", "workdir", "arguments"):
        print(f"{name}={found[name]}")


if __name__ == "__main__":
    main()
