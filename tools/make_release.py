#!/usr/bin/env python3
"""Makes the player's release so that the same commit gives the same bytes: the ZIP with
its entries in the order given, each stamped with the commit's time and plain file
permissions, and SHA256SUMS beside it, listing the ZIP and the program inside it.

    make_release.py --epoch-file EPOCH_FILE --zip OUTPUT.zip FILE[=NAME_IN_ZIP]...
    make_release.py --from RELEASE.zip --zip OUTPUT.zip FILE=NAME_IN_ZIP...
EPOCH_FILE holds the release's time in seconds since 1970, as the build writes it; an
empty one refuses. The second form makes a release again with the named entries' contents replaced (the
signed program, say), in the same order, with the same times.
"""
import argparse
import hashlib
import os
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01, the first time a ZIP entry can hold


def digest(data):
    return hashlib.sha256(data).hexdigest()


def read(path):
    with open(path, "rb") as file:
        return file.read()


def release_epoch(path):
    epoch = read(path).decode().strip()
    if not epoch.isdigit():
        raise SystemExit("No time for the release: build it from a git checkout, which gives the commit's "
                         "time, or give the time in seconds since 1970 when building it, as in "
                         "SOURCE_DATE_EPOCH=1700000000 cmake --build --preset mingw-x86 --target release")
    return int(epoch)


# The entries, (name, time, contents), of the files given.
def entries_of_files(files, epoch):
    when = time.gmtime(max(epoch, ZIP_EPOCH))[:6]
    for entry in files:
        source, _, name = entry.partition("=")
        yield name or os.path.basename(source), when, read(source)


# The entries of a release, with some contents replaced.
def entries_of_release(release, files):
    replaced = {name: read(source) for source, _, name in (entry.partition("=") for entry in files)}
    with zipfile.ZipFile(release) as archive:
        for info in archive.infolist():
            data = replaced.pop(info.filename) if info.filename in replaced else archive.read(info)
            yield info.filename, info.date_time, data
    if replaced:
        raise SystemExit("make_release.py: the release has no entry " + ", ".join(replaced))


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--epoch-file")
    arguments.add_argument("--from", dest="release")
    arguments.add_argument("--zip", required=True)
    arguments.add_argument("files", nargs="+")
    options = arguments.parse_args()
    if (options.epoch_file is None) == (options.release is None):
        arguments.error("give either --epoch-file or --from")
    entries = list(entries_of_release(options.release, options.files) if options.release
                   else entries_of_files(options.files, release_epoch(options.epoch_file)))
    sums = []
    with zipfile.ZipFile(options.zip, "w") as archive:
        for name, when, data in entries:
            info = zipfile.ZipInfo(name, date_time=when)
            info.create_system = 3  # Unix, so that the permissions are read as such
            info.external_attr = 0o100644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
            if name.lower().endswith(".exe"):
                sums.append("%s  %s\n" % (digest(data), name))
    sums.insert(0, "%s  %s\n" % (digest(read(options.zip)), os.path.basename(options.zip)))
    with open(os.path.join(os.path.dirname(os.path.abspath(options.zip)), "SHA256SUMS"), "w", newline="\n") as file:
        file.writelines(sums)


if __name__ == "__main__":
    main()
