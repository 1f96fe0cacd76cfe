#!/usr/bin/env python3
"""Packs files into a zip under one folder, byte for byte the same for the
same inputs: fixed dates, fixed permissions, no extra fields.

    make-zip.py OUT.zip FOLDER FILE...
"""
import os
import sys
import zipfile

FIXED_DATE = (2026, 1, 1, 0, 0, 0)


def main(out, folder, files):
    with zipfile.ZipFile(out, "w", compression=zipfile.ZIP_DEFLATED) as archive:
        for path in files:
            info = zipfile.ZipInfo(f"{folder}/{os.path.basename(path)}", FIXED_DATE)
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
