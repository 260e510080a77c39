#!/usr/bin/python3
# Registry policy files written by another implementation, Samba's
# (python3-samba: samba.dcerpc.preg packed with samba.ndr), must read back
# record for record through PolicyFile; files PolicyFile accepts must unpack
# to the same records in Samba. Run with Debian's /usr/bin/python3.
#
#   policy_file_samba.py <policy_file_dump program> <seed folder>
# Exit 77 (skipped) only when python3-samba is not installed.
import os
import random
import struct
import subprocess
import sys
import tempfile

try:
    from samba import ndr
    from samba.dcerpc import preg
except ImportError as error:
    print(f"policy_file_samba: skipped: python3-samba is missing ({error}); tools/bootstrap installs it")
    sys.exit(77)

dump, seeds = sys.argv[1], sys.argv[2]
EXPLORER = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"
rng = random.Random(19)


def utf16(text):
    return text.encode("utf-16-le")


def sz(text):
    return utf16(text) + b"\0\0"


def word():
    # ASCII, accented Latin, CJK and a character outside the BMP (a surrogate pair).
    letters = "AbcXyz09 _-.;]" + "\u00e9\u00df" + "\u6f22" + "\U0001F600"
    return "".join(rng.choice(letters) for _ in range(rng.randint(1, 12)))


def random_entry():
    """(key, name, type, data for Samba, the data bytes as stored)"""
    key = rng.choice([EXPLORER, EXPLORER.upper(), "Software\\Policies\\" + word()])
    kind = rng.randrange(9)
    if kind == 0:
        return key, "", 0, None, b""
    if kind == 1:
        name = rng.choice(["NoDrives", "NoViewOnDrive", "nodrives", word()])
        value = rng.getrandbits(32)
        return key, name, 4, value, struct.pack("<I", value)
    if kind == 2:
        name = rng.choice(["**del.NoDrives", "**delvals.", "**Del.NoViewOnDrive"])
        return key, name, 1, " ", sz(" ")
    if kind == 3:
        text = ";".join(word() for _ in range(rng.randint(1, 3)))
        name = rng.choice(["**DeleteValues", "**DeleteKeys", word()])
        return key, name, rng.choice([1, 2]), text, sz(text)
    if kind == 4:
        value = rng.getrandbits(64)
        return key, "**soft." + word(), 11, value, struct.pack("<Q", value)
    if kind == 5:
        data = bytes(rng.getrandbits(8) for _ in range(rng.randint(0, 40)))
        return key, word(), 3, data, data
    if kind == 6:
        data = b"".join(sz(word()) for _ in range(rng.randint(1, 3))) + b"\0\0"
        return key, word(), 7, data, data
    if kind == 7:
        return key, "**SecureKey", 4, 1, struct.pack("<I", 1)
    text = word()
    return key, word(), 1, text, sz(text)


def pack(entries):
    f = preg.file()
    records = []
    for key, name, kind, data, _ in entries:
        e = preg.entry()
        e.keyname, e.valuename, e.type = key, name, kind
        if data is not None:
            e.data = data
        records.append(e)
    f.entries = records
    f.num_entries = len(records)
    return ndr.ndr_pack(f)


def stored(entry):
    """Samba's unpacked entry as the bytes a file stores."""
    data = entry.data
    if entry.type in (1, 2):
        raw = sz(data)
    elif entry.type == 4:
        raw = struct.pack("<I", data)
    elif entry.type == 11:
        raw = struct.pack("<Q", data)
    elif data is None:
        raw = b""
    else:
        raw = bytes(data)
    return entry.keyname, entry.valuename, entry.type, raw


def read_ours(paths):
    out = subprocess.run([dump] + paths, check=True, capture_output=True).stdout.decode()
    files, lines = [], iter(out.splitlines())
    for line in lines:
        if line.startswith("error "):
            files.append(line)
            continue
        records = []
        for _ in range(int(line.split()[1])):
            key, name, kind, data = next(lines).split(" ")
            text = lambda h: "" if h == "-" else bytes.fromhex(h).decode("utf-8", "surrogatepass")
            records.append((text(key), text(name), int(kind), b"" if data == "-" else bytes.fromhex(data)))
        files.append(records)
    return files


failures = 0
with tempfile.TemporaryDirectory() as work:
    written = [[random_entry() for _ in range(rng.randint(0, 12))] for _ in range(300)]
    paths = []
    for i, entries in enumerate(written):
        paths.append(os.path.join(work, f"{i}.pol"))
        with open(paths[-1], "wb") as f:
            f.write(pack(entries))
    for path, entries, ours in zip(paths, written, read_ours(paths)):
        want = [(k, n, t, raw) for k, n, t, _, raw in entries]
        if ours != want:
            failures += 1
            print(f"FAIL: {path} as Samba wrote it:\n  Samba: {want}\n  ours:  {ours}")

# Seed files: Samba unpacks the same records that PolicyFile reads.
seed_paths = sorted(os.path.join(seeds, name) for name in os.listdir(seeds))
for path, ours in zip(seed_paths, read_ours(seed_paths)):
    with open(path, "rb") as f:
        theirs = [stored(e) for e in ndr.ndr_unpack(preg.file, f.read()).entries]
    # Surrogate pairs come back from Samba as one character: compare as UTF-16.
    norm = lambda rs: [(utf16(k), utf16(n), t, d) for k, n, t, d in rs]
    if isinstance(ours, str) or norm(ours) != norm(theirs):
        failures += 1
        print(f"FAIL: {path}:\n  Samba: {theirs}\n  ours:  {ours}")

print(f"{len(written)} files written by Samba and {len(seed_paths)} seed files compared, {failures} differ")
sys.exit(1 if failures else 0)
