#!/usr/bin/env python3
"""The release carries the commit's time and nothing of the build's: the program's PE time
stamp is the commit's (SOURCE_DATE_EPOCH, else the commit time of HEAD) with a valid PE
checksum, the ZIP's entries come in their fixed order with that time and plain
permissions, and SHA256SUMS lists the ZIP and the program inside it. The cheap guard of
the test command; tools/reproduce.sh builds twice and compares the bytes. In a source
tree with no time of its own (no SOURCE_DATE_EPOCH, no git checkout), the release must be
refused with a message that says how to give it one.

    release_stamps.py SOURCE_DIR BUILD_DIR
"""
import hashlib
import os
import struct
import subprocess
import sys
import time
import zipfile

ENTRIES = ["Trovane_Config.exe", "README.txt", "FALLBACK-FONT.txt", "Apache-2.0.txt"]


def commit_time(source):
    """The release's time, or None where the tree has none."""
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        return int(subprocess.check_output(["git", "-C", source, "log", "-1", "--format=%ct"],
                                           stderr=subprocess.DEVNULL))
    except (OSError, subprocess.CalledProcessError):
        return None


def pe_checksum(data, field):
    """The PE checksum as Windows computes it: 16-bit words summed with carries, the
    checksum field itself left out, plus the file's length."""
    total = 0
    padded = data + b"\0" * (len(data) % 2)
    for at in range(0, len(padded), 2):
        if at in (field, field + 2):
            continue
        total += padded[at] | padded[at + 1] << 8
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def zip_name(source):
    with open(os.path.join(source, "VERSION")) as version:
        return "Trovane_Config-%s-win32.zip" % version.read().strip()


def faults(build, epoch, zip_name):
    found = []
    exe = open(os.path.join(build, "bin", "Trovane_Config.exe"), "rb").read()
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    stamp = struct.unpack_from("<I", exe, pe + 8)[0]
    field = pe + 24 + 64
    if stamp != epoch:
        found.append("the program's time stamp is %d, not the commit's %d" % (stamp, epoch))
    if struct.unpack_from("<I", exe, field)[0] != pe_checksum(exe, field):
        found.append("the program's PE checksum is not valid")
    zip_path = os.path.join(build, zip_name)
    with zipfile.ZipFile(zip_path) as archive:
        infos = archive.infolist()
        if [info.filename for info in infos] != ENTRIES:
            found.append("the ZIP holds %s" % [info.filename for info in infos])
        when = time.gmtime(max(epoch, 315532800))[:6]
        when = when[:5] + (when[5] - when[5] % 2,)  # a ZIP keeps seconds in twos
        for info in infos:
            if info.date_time != when or info.external_attr >> 16 != 0o100644:
                found.append("%s: time %s, mode %o" % (info.filename, info.date_time, info.external_attr >> 16))
        inside = archive.read("Trovane_Config.exe")
    zipped = open(zip_path, "rb").read()
    expected = "%s  %s\n%s  %s\n" % (hashlib.sha256(zipped).hexdigest(), zip_name,
                                     hashlib.sha256(inside).hexdigest(), "Trovane_Config.exe")
    if open(os.path.join(build, "SHA256SUMS")).read() != expected:
        found.append("SHA256SUMS does not list the ZIP and the program inside it")
    if inside != exe:
        found.append("the ZIP's program is not the one built")
    return found


def refused_without_a_time(build):
    made = subprocess.run(["cmake", "--build", build, "--target", "release"], capture_output=True, text=True)
    said = made.stdout + made.stderr
    if made.returncode == 0 or "SOURCE_DATE_EPOCH=" not in said:
        print("With no time, the release was not refused as it should be:\n" + said, file=sys.stderr)
        return False
    print("This tree has no time of its own, and the release is refused with a way to give one.")
    return True


def main():
    source, build = sys.argv[1], sys.argv[2]
    epoch = commit_time(source)
    if epoch is None:
        sys.exit(0 if refused_without_a_time(build) else 1)
    subprocess.check_call(["cmake", "--build", build, "--target", "release"], stdout=subprocess.DEVNULL)
    found = faults(build, epoch, zip_name(source))
    for fault in found:
        print(fault, file=sys.stderr)
    if not found:
        print("The release carries the commit's time and its checksums hold.")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
