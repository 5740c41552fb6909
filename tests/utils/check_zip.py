#!/usr/bin/env python3
"""Checks a zip pack with Python's own zipfile reader.

usage: check_zip.py ARCHIVE MANIFEST.json [--subset]

MANIFEST maps entry names to the files whose bytes they must hold. Without
--subset the archive must hold exactly these entries; with it, at least them.
Every entry must be LZMA (method 14, version needed 63, end-marker flag, a
4-byte LZMA header announcing 5 property bytes) and pass its CRC check.
Prints a JSON object {"names": [...], "errors": [...]}; exits 1 on any error.
"""
import json
import struct
import sys
import zipfile


def check(archive, manifest, subset):
    errors = []
    with zipfile.ZipFile(archive) as zf:
        infos = zf.infolist()
        names = [i.filename for i in infos]
        if len(set(names)) != len(names):
            errors.append("duplicate entry names: %r" % names)
        missing = sorted(set(manifest) - set(names))
        if missing:
            errors.append("missing entries: %r" % missing)
        if not subset:
            extra = sorted(set(names) - set(manifest))
            if extra:
                errors.append("unexpected entries: %r" % extra)
        bad = zf.testzip()
        if bad is not None:
            errors.append("CRC failed for %s" % bad)
        with open(archive, "rb") as raw:
            for info in infos:
                if info.compress_type != zipfile.ZIP_LZMA:
                    errors.append("%s: method %d" % (info.filename, info.compress_type))
                if info.extract_version != 63:
                    errors.append("%s: version needed %d" % (info.filename, info.extract_version))
                if not info.flag_bits & 0x02:
                    errors.append("%s: end-marker flag missing" % info.filename)
                raw.seek(info.header_offset)
                local = raw.read(30)
                name_len, extra_len = struct.unpack("<HH", local[26:30])
                raw.seek(info.header_offset + 30 + name_len + extra_len)
                lzma_header = raw.read(4)
                if len(lzma_header) != 4 or struct.unpack("<H", lzma_header[2:4])[0] != 5:
                    errors.append("%s: LZMA header %r" % (info.filename, lzma_header))
        for name, source in manifest.items():
            if name not in names:
                continue
            with open(source, "rb") as f:
                expected = f.read()
            if zf.read(name) != expected:
                errors.append("%s differs from %s" % (name, source))
    return names, errors


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    with open(sys.argv[2], encoding="utf-8") as f:
        manifest = json.load(f)
    try:
        names, errors = check(sys.argv[1], manifest, "--subset" in sys.argv[3:])
    except Exception as e:  # a broken archive is a failed check, not a crash
        names, errors = [], ["%s: %s" % (type(e).__name__, e)]
    print(json.dumps({"names": names, "errors": errors}, ensure_ascii=False))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
