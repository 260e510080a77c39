#!/usr/bin/python3
# What drivemask writes for Group Policy, read back by show --from and by
# other implementations (under Wine for the Windows builds). Samba's
# (python3-samba) must find exactly the intended records in --format pol and
# after gpo, and a policy file Samba writes with other settings mixed in keeps
# every one of them, in order, through gpo keep, --disable and --clear.
# xmllint must find --format gpp well-formed, with a fresh GUID per item. gpo
# does not go through a link.
#
#   policy_writer_round_trip.py <program> [runner...]
# Exit 77 (skipped) when python3-samba is missing or the runner skips.
import json
import os
import re
import subprocess
import sys
import tempfile

try:
    from samba import ndr
    from samba.dcerpc import preg
except ImportError as error:
    print(f"policy_writer_round_trip: skipped: python3-samba is missing ({error}); tools/bootstrap installs it")
    sys.exit(77)

program = os.path.realpath(sys.argv[1])
runner = [os.path.realpath(word) if "/" in word else word for word in sys.argv[2:]]
KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f"FAIL: {what}", file=sys.stderr)


def run(*args, code=0):
    done = subprocess.run(runner + [program, *args], capture_output=True, text=True)
    if done.returncode == 77 and "wine-run: skipped: " in done.stderr:
        print(done.stderr.strip())
        sys.exit(77)
    check(done.returncode == code, f"drivemask {' '.join(args)}: exit {done.returncode}: {done.stderr}")
    return done.stdout if code == 0 else done.stderr


def entries(path):
    with open(path, "rb") as f:
        parsed = ndr.ndr_unpack(preg.file, f.read())
    # Binary and multi-string data come back as lists of bytes.
    return [(e.keyname, e.valuename, e.type, bytes(e.data) if isinstance(e.data, list) else e.data)
            for e in parsed.entries]


def write_pol(path, records):
    pol = preg.file()
    pol.header.signature = "PReg"
    pol.header.version = 1
    made = []
    for key, name, kind, data in records:
        e = preg.entry()
        e.keyname, e.valuename, e.type, e.data = key, name, kind, data
        made.append(e)
    pol.num_entries = len(made)
    pol.entries = made
    with open(path, "wb") as f:
        f.write(ndr.ndr_pack(pol))


def shown(path, *args):
    """What show --from reads back: {value name: (result in the hive, mask applied)}."""
    report = json.loads(run("show", "--from", path, "--format", "json", *args))
    source = report["sources"][0]
    return {name: tuple((h["hive"], h["result"]) for h in value["hives"] if h["result"] != "untouched")
            + ((value["applies"]["mask"],) if value["applies"]["mask"] is not None else ())
            for name, value in source["values"].items()}


def ours(entry):
    return entry[0].lower() == KEY.lower() and entry[1].lower() in (
        "nodrives", "noviewondrive", "**del.nodrives", "**del.noviewondrive")


os.chdir(tempfile.mkdtemp())

run("keep", "C", "D", "--format", "pol", "--value", "both", "--hive", "HKLM", "--out", "a.pol")
check(entries("a.pol") == [(KEY, "NoDrives", 4, 67108851), (KEY, "NoViewOnDrive", 4, 67108851)],
      f"--format pol: Samba reads {entries('a.pol')}")
both_set = {name: (("HKLM", "set"), 67108851) for name in ("NoDrives", "NoViewOnDrive")}
check(shown("a.pol", "--hive", "HKLM") == both_set, f"show --from a.pol: {shown('a.pol', '--hive', 'HKLM')}")

os.makedirs("gpo/USER")
others = [
    ("Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop", "ScreenSaveTimeOut", 1, "900"),
    (KEY, "NoDriveTypeAutoRun", 4, 255),
    ("Software\\Policies\\Veskel", "**delvals.", 1, " "),
    ("Software\\Policies\\Veskel", "Servers", 7, "a\0b;]\0\0".encode("utf-16-le")),
    ("Software\\Policies\\Veskel", "Blob", 3, b"]\0;\0"),
]
write_pol("gpo/USER/Registry.pol", others[:2] + [(KEY.upper(), "NoDrives", 4, 5)] + others[2:4] +
          [(KEY, "**del.NoViewOnDrive", 1, " ")] + others[4:])
with open("gpo/gpt.ini", "wb") as f:
    f.write(b"[General]\r\nVersion=65537\r\ndisplayName=Mixed\r\n")

steps = [
    (["keep", "C", "D"], [(KEY, "NoDrives", 4, 67108851), (KEY, "NoViewOnDrive", 4, 67108851)],
     (("HKCU", "set"), 67108851)),
    (["--disable"], [(KEY, "**del.NoDrives", 1, " "), (KEY, "**del.NoViewOnDrive", 1, " ")],
     (("HKCU", "deleted"),)),
    (["--clear"], [], ()),
]
for args, expected, result in steps:
    run("gpo", *args, "--value", "both", "--dir", "gpo")
    found = entries("gpo/USER/Registry.pol")
    check([e for e in found if not ours(e)] == others, f"gpo {args[0]}: other records now {found}")
    check([e for e in found if ours(e)] == expected, f"gpo {args[0]}: ours now {found}")
    check(shown("gpo") == {"NoDrives": result, "NoViewOnDrive": result},
          f"gpo {args[0]}: show --from reads {shown('gpo')}")

# A Registry.pol that is a symbolic link out of the folder (which Wine shows
# as a plain file) is neither read nor replaced.
os.makedirs("linked/User")
os.symlink("../../a.pol", "linked/User/Registry.pol")
with open("a.pol", "rb") as f:
    outside = f.read()
error = run("gpo", "keep", "C", "--dir", "linked", code=2)
check("is a link" in error, f"gpo through a link: {error}")
with open("a.pol", "rb") as f:
    check(f.read() == outside and os.path.islink("linked/User/Registry.pol"), "gpo went through a link")
check(os.listdir("linked") == ["User"], f"gpo through a link left {os.listdir('linked')}")

uids = []
for out in ("r1.xml", "r2.xml"):
    run("keep", "C", "D", "--format", "gpp", "--value", "both", "--out", out)
    check(subprocess.run(["xmllint", "--noout", out]).returncode == 0, f"{out} is not well-formed")
    with open(out, encoding="utf-8") as f:
        text = f.read()
    uids += re.findall(r'uid="(\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\})"', text)
    check(len(re.findall(r'changed="\d{4}-\d\d-\d\d \d\d:\d\d:\d\d"', text)) == 2, f"{out}: changed")
    check(text.count('value="03fffff3"') == 2, f"{out}: values")
check(len(uids) == 4 and len(set(uids)) == 4, f"gpp GUIDs are not four fresh ones: {uids}")
os.makedirs("gpp/User/Preferences/Registry")
os.rename("r1.xml", "gpp/User/Preferences/Registry/Registry.xml")
check(shown("gpp") == {name: (("HKCU", "set"), 67108851) for name in ("NoDrives", "NoViewOnDrive")},
      f"show --from reads the Preferences items as {shown('gpp')}")

if failures:
    sys.exit(1)
print("ok: show --from and Samba read --format pol and gpo's edits; show --from and xmllint read --format gpp")
