#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files put in: fixed order, fixed times.

    make-zip.py <zip> <epoch> <name>=<file>...

Every member gets the time <epoch> (seconds since 1970, UTC), the permissions rw-r--r--
and the order of the command line, so the same files give the same zip byte for byte.
"""

import sys
import time
import zipfile


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    target, epoch = sys.argv[1], int(sys.argv[2])
    # A zip's times start in 1980 and carry two-second steps.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(target, 'w') as archive:
        for member in sys.argv[3:]:
            name, _, path = member.partition('=')
            if not name or not path:
                sys.exit(f'not <name>=<file>: {member}')
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix, so that the permissions below mean what they say
            info.external_attr = 0o100644 << 16
            with open(path, 'rb') as source:
                archive.writestr(info, source.read(), compresslevel=9)


if __name__ == '__main__':
    main()
