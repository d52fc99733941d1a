#!/usr/bin/env python3
"""tools/make_release.py: a release made again from another (--from) has each named entry's
contents replaced by its file's, an empty file's too, and keeps the other entries, their
order and their time; without a time (an empty epoch file) no release is made, and the
message says how to give one.

    make_release_test.py TOOLS_DIR
"""
import os
import subprocess
import sys
import tempfile
import zipfile


def faults(tool, work):
    def path(name):
        return os.path.join(work, name)

    for name, data in (("a.exe", b"program"), ("b.txt", b"text"), ("epoch", b"1700000000\n"), ("none", b"")):
        with open(path(name), "wb") as file:
            file.write(data)
    run = [sys.executable, tool]
    subprocess.check_call(run + ["--epoch-file", path("epoch"), "--zip", path("first.zip"), path("a.exe"), path("b.txt")])
    subprocess.check_call(run + ["--from", path("first.zip"), "--zip", path("second.zip"), path("none") + "=a.exe"])
    found = []
    with zipfile.ZipFile(path("first.zip")) as first, zipfile.ZipFile(path("second.zip")) as second:
        if [(i.filename, i.date_time) for i in second.infolist()] != [(i.filename, i.date_time) for i in first.infolist()]:
            found.append("the entries, their order or their times changed")
        if second.read("a.exe") != b"":
            found.append("the empty replacement of a.exe kept its old contents")
        if second.read("b.txt") != b"text":
            found.append("b.txt, not named, changed")
    refused = subprocess.run(run + ["--epoch-file", path("none"), "--zip", path("third.zip"), path("a.exe")],
                             capture_output=True, text=True)
    if refused.returncode == 0 or os.path.exists(path("third.zip")) or "SOURCE_DATE_EPOCH=" not in refused.stderr:
        found.append("with no time, a release was made or the refusal did not say how to give one")
    return found


def main():
    with tempfile.TemporaryDirectory() as work:
        found = faults(os.path.join(sys.argv[1], "make_release.py"), work)
    for fault in found:
        print(fault, file=sys.stderr)
    if not found:
        print("make_release.py replaces entries, empty ones too, and refuses without a time.")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
