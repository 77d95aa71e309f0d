#!/usr/bin/env python3
"""Writes a zip whose bytes depend on the files' contents and names alone.

    bundle.py OUT.zip FOLDER EPOCH FILE...

Each FILE goes into FOLDER/ inside the zip under its own base name, in the
order of the names; every entry carries the date EPOCH (seconds since 1970,
taken as UTC: a zip's dates have no time zone) and the same permissions, so
that neither the build's time, nor the files' own dates, nor the order or the
folder they were found in changes the zip.
"""
import os
import sys
import time
import zipfile

# The earliest date a zip entry can hold (1980-01-01).
ZIP_EPOCH = 315532800


def main(argv):
    if len(argv) < 5:
        sys.exit("usage: bundle.py OUT.zip FOLDER EPOCH FILE...")
    out, folder, epoch, files = argv[1], argv[2], int(argv[3]), argv[4:]
    date = time.gmtime(max(epoch, ZIP_EPOCH))[:6]
    names = {}
    for path in files:
        name = os.path.basename(path)
        if name in names:
            sys.exit(f"bundle.py: two files named {name}: {names[name]} and {path}")
        names[name] = path
    with zipfile.ZipFile(out, "w") as bundle:
        for name in sorted(names):
            entry = zipfile.ZipInfo(f"{folder}/{name}", date_time=date)
            entry.create_system = 3  # Unix, so that the permissions below are read
            mode = 0o755 if name.endswith(".exe") else 0o644
            entry.external_attr = (0o100000 | mode) << 16  # a regular file
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(names[name], "rb") as source:
                bundle.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    main(sys.argv)
