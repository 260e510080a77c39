#!/usr/bin/env bash
# drivemask show --from on Group Policy's own files, made here the way the
# Group Policy tools lay them out (under Wine for the Windows builds): a GPO
# backup, a folder of backups, a GPO folder with Preferences items, a bare
# Registry.pol; plain output against the expected file, JSON read back by
# Python; every kind of damaged file refused with exit 2 and one line.
#
#   show_gpo_folders.sh <expected folder> <program> [runner...]
set -uo pipefail
expected=$(realpath "$1") program=$(realpath "$2")
shift 2
runner=("$@")
source "$(dirname "${BASH_SOURCE[0]}")/scratch_folder.sh"

# Registry.pol pieces: UTF-16LE text, u32 LE numbers, records.
u16() { printf '%s' "$1" | iconv -f utf-8 -t utf-16le; }
u32() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }
nul() { printf '\x00\x00'; }
hex_sz() { { u16 "$1"; nul; } | xxd -p | tr -d '\n'; }
hex_dword() { u32 "$1" | xxd -p; }
record() { # KEY NAME TYPE DATA-IN-HEX
  u16 "[$1"; nul; u16 ";$2"; nul; u16 ";"; u32 "$3"; u16 ";"; u32 $((${#4} / 2)); u16 ";"
  printf '%s' "$4" | xxd -r -p; u16 "]"
}
header() { printf 'PReg\x01\x00\x00\x00'; }
key='Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
KEY='SOFTWARE\Microsoft\Windows\CurrentVersion\Policies\Explorer'
utf16_bom() { printf '\xff\xfe'; iconv -f utf-8 -t utf-16le; }

# A backup as the Group Policy console writes one: bkupInfo.xml in UTF-16LE,
# Backup.xml in UTF-8, the GPO's files under DomainSysvol\GPO.
backup() { # FOLDER GPO-GUID NAME (as XML text)
  local b=$1 gpo=$2 name=$3
  mkdir -p "$b/DomainSysvol/GPO/Machine" "$b/DomainSysvol/GPO/User"
  printf '%s' "<BackupInst xmlns=\"http://www.microsoft.com/GroupPolicy/GPOOperations/Manifest\"><GPOGuid><![CDATA[$gpo]]></GPOGuid><GPODomain><![CDATA[example.org]]></GPODomain><GPODomainGuid><![CDATA[{2B5F2E8C-6C53-4B0F-9E5A-2E61C3E3D7A1}]]></GPODomainGuid><GPODomainController><![CDATA[dc1.example.org]]></GPODomainController><BackupTime><![CDATA[2026-12-01T09:30:12]]></BackupTime><ID><![CDATA[${b##*/}]]></ID><Comment><![CDATA[]]></Comment><GPODisplayName><![CDATA[$name]]></GPODisplayName></BackupInst>" |
    utf16_bom >"$b/bkupInfo.xml"
  printf '%s' "<?xml version=\"1.0\" encoding=\"utf-8\"?><!-- Copyright (c) Microsoft Corporation.  All rights reserved. --><GroupPolicyBackupScheme bkp:version=\"2.0\" bkp:type=\"GroupPolicyBackupTemplate\" xmlns:bkp=\"http://www.microsoft.com/GroupPolicy/GPOOperations\" xmlns=\"http://www.microsoft.com/GroupPolicy/GPOOperations\"><GroupPolicyObject><SecurityGroups/><FilePaths/><GroupPolicyCoreSettings><ID><![CDATA[$gpo]]></ID><Domain><![CDATA[example.org]]></Domain><DisplayName><![CDATA[$name]]></DisplayName><Options><![CDATA[0]]></Options><UserVersionNumber><![CDATA[131072]]></UserVersionNumber><MachineVersionNumber><![CDATA[2]]></MachineVersionNumber><MachineExtensionGuids><![CDATA[[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}{D02B1F72-3407-48AE-BA88-E8213C6761F1}]]]></MachineExtensionGuids></GroupPolicyCoreSettings><GroupPolicyExtension bkp:ID=\"{35378EAC-683F-11D2-A89A-00C04FBBCFA2}\" bkp:DescName=\"Registry\"><FSObjectFile bkp:Path=\"%GPO_MACH_FSPATH%\\registry.pol\" bkp:Location=\"DomainSysvol\\GPO\\Machine\\registry.pol\"/></GroupPolicyExtension></GroupPolicyObject></GroupPolicyBackupScheme>" \
    >"$b/Backup.xml"
  printf '\xff\xfe<\x00r\x00/\x00>\x00' >"$b/gpreport.xml"
}

run() { # OUT-FILE ERR-FILE ARGS...: the exit code in $rc
  local out=$1 err=$2
  shift 2
  "${runner[@]}" "$program" "$@" >"$out" 2>"$err"
  rc=$?
  if [ $rc -eq 77 ] && grep -q '^wine-run: skipped: ' "$err"; then
    grep '^wine-run: skipped: ' "$err"
    exit 77
  fi
  # A Windows console program writes CR LF, and backslashes between the
  # folder names it found (JSON escapes them).
  local names='DomainSysvol|GPO|Machine|User|Preferences|Registry|registry|\{'
  tr -d '\r' <"$out" | sed -E "s#\\\\\\\\($names)#/\\1#g; s#\\\\($names)#/\\1#g" >"$out.unix"
  tr -d '\r' <"$err" | grep -v '^wine-run:' | sed -E "s#\\\\($names)#/\\1#g" >"$err.unix"
}

expect_bad() { # WHAT-THE-LINE-SAYS ARGS...
  local says=$1
  shift
  run out.txt err.txt "$@"
  [ $rc -eq 2 ] || fail "$*: exit $rc, expected 2"
  [ -s out.txt ] && fail "$*: standard output not empty: $(head -c 300 out.txt)"
  [ "$(wc -l <err.txt.unix)" -eq 1 ] || fail "$*: expected one error line, got: $(cat err.txt.unix)"
  grep -qF -- "$says" err.txt.unix || fail "$*: the error does not say '$says': $(cat err.txt.unix)"
}

# 1. "Hide drives for pupils": the User part hides all but C and D and turns
# NoViewOnDrive off (Disabled); the Machine part blocks C: and sets another
# value of the key; a setting of another key.
pupils='backups/{8A1B3C4D-0000-4000-8000-000000000001}'
backup "$pupils" '{6F0D6D2A-4F3E-4C1B-9A55-3A3B5C1D2E01}' 'Hide drives for pupils'
{
  header
  record "$KEY" NoViewOnDrive 4 "$(hex_dword 4)"
  record "$KEY" NoDriveTypeAutoRun 4 "$(hex_dword 255)"
  record 'Software\Policies\Microsoft\Windows\Installer' DisableMSI 4 "$(hex_dword 1)"
} >"$pupils/DomainSysvol/GPO/Machine/registry.pol"
{
  header
  record "$key" '' 0 ''
  record "$key" NoDrives 4 "$(hex_dword 67108851)"
  record "$key" '**del.NoViewOnDrive' 1 "$(hex_sz ' ')"
} >"$pupils/DomainSysvol/GPO/User/registry.pol"

# 2. "Lab & <Staff> 'PCs'", named only in a bkupInfo.xml of UTF-8 without a
# mark, single quotes and references: **delvals. in the Machine part, and
# Preferences items for the users (NoDrives with bits above Z:, a deleted
# NoViewOnDrive, a disabled item).
lab='backups/{8A1B3C4D-0000-4000-8000-000000000002}'
mkdir -p "$lab/DomainSysvol/GPO/Machine" "$lab/DomainSysvol/GPO/User/Preferences/Registry"
printf '%s' "<?xml version='1.0'?>
<BackupInst xmlns='http://www.microsoft.com/GroupPolicy/GPOOperations/Manifest'>
  <GPOGuid><![CDATA[{6F0D6D2A-4F3E-4C1B-9A55-3A3B5C1D2E02}]]></GPOGuid>
  <GPODisplayName>Lab &amp; &lt;Staff&gt; &apos;PCs&#x27;</GPODisplayName>
</BackupInst>" >"$lab/bkupInfo.xml"
{
  header
  record "$key" '**delvals.' 1 "$(hex_sz ' ')"
} >"$lab/DomainSysvol/GPO/Machine/Registry.pol"
printf '%s' "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<RegistrySettings clsid=\"{A3CCFC41-DFDB-43a5-8D26-0FE8B954DA51}\">
  <Registry clsid=\"{9CD4B2F4-923D-47f5-A062-E897DD1DAD50}\" name=\"NoDrives\" status=\"NoDrives\" image=\"12\" changed=\"2026-12-01 09:00:00\" uid=\"{5B2E4C1A-1111-4A2B-8C3D-000000000001}\">
    <Properties action=\"U\" displayDecimal=\"1\" default=\"0\" hive=\"HKEY_CURRENT_USER\" key=\"$key\" name=\"NoDrives\" type=\"REG_DWORD\" value=\"fc000003\"/>
  </Registry>
  <Collection clsid=\"{53B533F5-224C-47e3-B01B-CA3B3F3FF4BF}\" name=\"Old\" disabled=\"1\">
    <Registry clsid=\"{9CD4B2F4-923D-47f5-A062-E897DD1DAD50}\" name=\"Old NoViewOnDrive\" uid=\"{5B2E4C1A-1111-4A2B-8C3D-000000000002}\">
      <Properties action=\"U\" hive=\"HKEY_CURRENT_USER\" key=\"$key\" name=\"NoViewOnDrive\" type=\"REG_DWORD\" value=\"00000008\"/>
    </Registry>
  </Collection>
  <Registry clsid=\"{9CD4B2F4-923D-47f5-A062-E897DD1DAD50}\" name='NoViewOnDrive' uid=\"{5B2E4C1A-1111-4A2B-8C3D-000000000003}\">
    <Properties action='D' hive='HKEY_CURRENT_USER' key='$key' name='NoViewOnDrive' type='REG_DWORD' value='00000000'/>
  </Registry>
</RegistrySettings>" | { printf '\xef\xbb\xbf'; cat; } >"$lab/DomainSysvol/GPO/User/Preferences/Registry/Registry.xml"

run out.txt err.txt show --from backups
[ $rc -eq 0 ] || fail "show --from a folder of backups: exit $rc: $(cat err.txt.unix)"
diff -u "$expected/show_gpo_backups.txt" out.txt.unix || fail "show --from a folder of backups differs from show_gpo_backups.txt"
backups=$(cat out.txt.unix)

# One backup alone: its report as in the folder's, without summary or rule.
run out.txt err.txt show --from "$pupils"
single=$(cat out.txt.unix)
[ $rc -eq 0 ] && [[ $single == 'Explorer drive policy, from the GPO backup "Hide drives for pupils"'* ]] &&
  [[ $backups == *"$single"* ]] || fail "show --from a backup: exit $rc: $single$(cat err.txt.unix)"

# JSON: one object per backup, in the same order, read back by Python.
run out.txt err.txt show --from backups --format json
[ $rc -eq 0 ] || fail "show --format json: exit $rc: $(cat err.txt.unix)"
python3 - out.txt.unix <<'PYTHON' || fail "show --format json: $(cat out.txt.unix)"
import json, sys
sources = json.load(open(sys.argv[1], encoding="utf-8"))["sources"]
assert [s["name"] for s in sources] == ["Hide drives for pupils", "Lab & <Staff> 'PCs'"], sources
pupils, lab = sources
assert pupils["kind"] == "gpo-backup" and pupils["gpoId"] == "{6F0D6D2A-4F3E-4C1B-9A55-3A3B5C1D2E01}"
nodrives = pupils["values"]["NoDrives"]
assert [h["result"] for h in nodrives["hives"]] == ["untouched", "set"], nodrives
assert nodrives["applies"] == {"hive": "HKCU", "mask": 67108851, "drives": list("ABEFGHIJKLMNOPQRSTUVWXYZ"),
                               "dependsOnOtherPolicies": True}, nodrives["applies"]
view = pupils["values"]["NoViewOnDrive"]
assert [h["result"] for h in view["hives"]] == ["set", "deleted"], view
assert view["hives"][1]["steps"][0]["entry"] == "**del.NoViewOnDrive"
assert view["applies"]["hive"] == "HKLM" and view["applies"]["drives"] == ["C"], view
assert pupils["otherValues"] == [{"hive": "HKLM", "name": "NoDriveTypeAutoRun",
                                  "file": "DomainSysvol/GPO/Machine/registry.pol"}], pupils["otherValues"]
assert pupils["otherEntries"] == 1
step = lab["values"]["NoDrives"]["hives"][1]["steps"][0]
assert step["action"] == "set" and step["value"]["bitsAboveZ"] is True and step["value"]["mask"] == 0xfc000003, step
assert [s["applied"] for s in lab["values"]["NoViewOnDrive"]["hives"][1]["steps"]] == [False, True]
assert lab["values"]["NoViewOnDrive"]["hives"][0]["result"] == "deleted"
PYTHON

# A GPO folder (the layout of SYSVOL's Policies\{GUID} and of the local
# policy), folder names in another case: its User policy file read alone.
# (policy_writer_round_trip.py reads whole GPO folders through show --from.)
mkdir -p 'gpo/MACHINE' 'gpo/user'
printf '[General]\r\nVersion=65537\r\n' >gpo/GPT.INI
cp "$pupils/DomainSysvol/GPO/User/registry.pol" gpo/user/Registry.pol

# A bare Registry.pol: the hive from its folder, from --hive, or unknown.
cp gpo/user/Registry.pol bare.pol
run out.txt err.txt show --from bare.pol
[ $rc -eq 0 ] && grep -q '^Scope unknown' out.txt.unix && grep -q '^  In this file          sets REG_DWORD 0x03fffff3' out.txt.unix ||
  fail "show --from a bare Registry.pol: exit $rc: $(cat out.txt.unix)"
run out.txt err.txt show --from bare.pol --hive HKLM
[ $rc -eq 0 ] && grep -q '^  Applies:              the HKEY_LOCAL_MACHINE value: hides A, B, E-Z;' out.txt.unix ||
  fail "show --from a bare Registry.pol --hive HKLM: exit $rc: $(cat out.txt.unix)"
expect_bad 'is in a user folder, whose entries go to HKCU' show --from gpo/user/Registry.pol --hive HKLM
expect_bad '--hive is for a Registry.pol found outside' show --from gpo --hive HKLM

# A backup whose GPO status turns its User settings off: that part applies nowhere.
sed -i 's#<Options><!\[CDATA\[0\]\]></Options>#<Options><![CDATA[1]]></Options>#' "$pupils/Backup.xml"
run out.txt err.txt show --from "$pupils"
grep -q '^  Its User Configuration settings are disabled: Windows applies none of them.$' out.txt.unix &&
  grep -q '^  Applies:              nothing from this GPO, which leaves the value alone in$' out.txt.unix ||
  fail "show --from a backup with its User settings disabled: $(cat out.txt.unix)"

# Damaged files: exit 2, one line naming the file, where and what was expected.
cp bare.pol cut.pol && truncate -s -3 cut.pol
expect_bad 'cut.pol": at byte 490: expected 4 bytes of data and' show --from cut.pol
printf 'PReg\x01\x00\x00\x00[\x00' >"$pupils/DomainSysvol/GPO/Machine/registry.pol"
expect_bad 'Machine/registry.pol": at byte 10: expected the key to end with a NUL' show --from backups
printf '<RegistrySettings><Registry><Properties name="NoDrives" hive="HKEY_CURRENT_USER" key="%s" type="REG_DWORD" value="3fffff3zz"/></Registry>\n</RegistrySettings>' "$key" \
  >"$lab/DomainSysvol/GPO/User/Preferences/Registry/Registry.xml"
expect_bad 'Registry.xml": line 1: expected the NoDrives item' show --from "$lab"
printf '\xff\xfe<\x00a\x00' >"$lab/bkupInfo.xml"
expect_bad "bkupInfo.xml\": line 1: expected" show --from "$lab"
mkdir empty
expect_bad 'holds no Group Policy files' show --from empty

[ $status -eq 0 ] && echo "ok: GPO backups, folders and policy files"
exit $status
