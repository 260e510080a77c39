#include "cli/GpoEditor.h"

#include <cstdlib>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

#include "cli/ArgumentText.h"
#include "cli/DriveMaskCli.h"
#include "cli/FileInput.h"
#include "cli/FileOutput.h"
#include "cli/GptIni.h"
#include "cli/PolicyFile.h"
#include "cli/PolicyFileWriter.h"
#include "cli/PolicyFormatter.h"
#include "cli/PolicyReport.h"
#include "cli/PolicyValues.h"

namespace {

// folder/name, with the name as the folder spells it where a child of that
// name is there in another case (SYSVOL folders made on Linux may hold
// MACHINE, or registry.pol).
std::string ChildInAnyCase(const std::string& folder, const std::string& name) {
  std::string relative;
  const std::string found = FindInAnyCase(folder, {name}, relative);
  return found.empty() ? JoinPath(folder, name) : found;
}

// The path as the system resolves it, for telling what kind of GPO folder
// it is; the path itself when that fails.
std::string FullPath(const std::string& path) {
#ifdef _WIN32
  char full[MAX_PATH * 2] = "";
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full) : path;
#else
  char* resolved = realpath(path.c_str(), nullptr);
  const std::string full = resolved != nullptr ? std::string(resolved) : path;
  std::free(resolved);
  return full;
#endif
}

// The last two names of a path ("Policies", "{31B2F340-...}").
std::vector<std::string> LastNames(const std::string& path, std::size_t count) {
  std::vector<std::string> names;
  std::string name;
  for (char c : path + "/") {
    if (c == '/' || c == '\\') {
      if (!name.empty()) names.push_back(name);
      name.clear();
    } else {
      name += c;
    }
  }
  if (names.size() > count) names.erase(names.begin(), names.end() - count);
  return names;
}

// A GPO of a domain's SYSVOL: ...\Policies\{GUID}.
bool IsDomainGpo(const std::string& folder) {
  const std::vector<std::string> names = LastNames(FullPath(folder), 2);
  return names.size() == 2 && LowerAscii(names[0]) == "policies" && names[1].size() == 38 &&
         names[1].front() == '{' && names[1].back() == '}';
}

#ifdef _WIN32
// Whether this process may edit the local policy: it runs with the
// Administrators group enabled (elevated, where the system has UAC).
bool IsAdministrator() {
  SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
                                0, 0, 0, 0, 0, 0, &administrators)) {
    return false;
  }
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
  FreeSid(administrators);
  return member != FALSE;
}
#endif

// Reads a file of the GPO that may be missing. A link is refused: it could
// lead out of the folder, and the file would be written through it.
bool ReadGpoFile(const std::string& folder, const std::string& path, bool& exists,
                 std::string& bytes, std::string& error) {
  const PathKind kind = KindOfPath(path);
  exists = kind != PathKind::Missing || IsLink(path);
  if (IsLink(path) || LeadsOutOf(path, folder)) {
    error = QuotedText(path, 0) +
            " is a link, or leads out of the GPO folder through one; drivemask edits no file "
            "through a link: put the file itself there";
    return false;
  }
  if (exists && kind != PathKind::File) {
    error = QuotedText(path, 0) + " is not a file";
    return false;
  }
  bytes.clear();
  return !exists || ReadWholeFile(path, bytes, error);
}

// What the change did to the values, for the report: one line per value
// ("all" of them for Not configured).
std::string ChangeText(const GpoEditor::Request& request) {
  if (request.change == GpoChange::Clear) {
    return (request.valueNames.size() == 2 ? request.valueNames[0] + " and " + request.valueNames[1]
                                           : request.valueNames[0]) +
           " Not configured";
  }
  const PolicyFormatter formatter(request.mask);
  std::string text;
  for (const std::string& name : request.valueNames) {
    if (!text.empty()) text += "\n    ";
    PolicyName policy = PolicyName::NoDrives;
    PolicyNameFromText(name, policy);
    text += request.change == GpoChange::Disable
                ? name + " Disabled (**del." + name + "): clients delete the value"
                : name + " = " + FormatMaskDecimal(request.mask) + " (0x" +
                      formatter.RegDwordDigits() +
                      "): " + PolicyReport::Effect(policy, request.mask);
  }
  return text;
}

// "Version 65537 -> 131073 (user changes 1 -> 2)".
std::string VersionText(const GptIni::Change& change, bool machine) {
  if (change.created) return "a new file, Version " + std::to_string(change.newVersion);
  const int shift = machine ? 0 : 16;
  return "Version " + std::to_string(change.oldVersion) + " -> " +
         std::to_string(change.newVersion) + " (" + (machine ? "computer" : "user") + " changes " +
         std::to_string((change.oldVersion >> shift) & 0xFFFF) + " -> " +
         std::to_string((change.newVersion >> shift) & 0xFFFF) + ")";
}

std::string Plural(std::size_t count, const char* what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

int GpoEditor::Run(const Request& request, std::string& out, std::string& error) {
  const bool local = request.folder.empty();
  std::string folder = request.folder;
#ifdef _WIN32
  if (local) {
    folder = LocalPolicyFolder();
    if (!IsAdministrator()) {
      error =
          "editing the local policy needs administrator rights: run drivemask from an "
          "administrator prompt (Run as administrator)";
      return DriveMaskCli::kExitOutputFailed;
    }
  }
#else
  if (local) {
    error = "gpo needs --dir GPO, the folder of the Group Policy object (it holds gpt.ini)";
    return DriveMaskCli::kExitBadInput;
  }
#endif
  // The local policy folder is there only once a local policy was set.
  const bool newLocalFolder = local && KindOfPath(folder) == PathKind::Missing;
  if (KindOfPath(folder) != PathKind::Folder && !newLocalFolder) {
    error = QuotedText(folder, 0) + (PathExists(folder) ? " is not a folder" : " does not exist") +
            "; --dir names a GPO folder, the one that holds gpt.ini, Machine and User";
    return DriveMaskCli::kExitBadInput;
  }
  const std::string half = request.machine ? "Machine" : "User";
  const std::string hiveFolder = ChildInAnyCase(folder, half);
  const std::string policyPath = ChildInAnyCase(hiveFolder, "Registry.pol");
  const std::string iniPath = ChildInAnyCase(folder, "gpt.ini");
  const PathKind hiveKind = KindOfPath(hiveFolder);
  const bool linked = IsLink(hiveFolder) || LeadsOutOf(hiveFolder, folder);
  if (linked || (hiveKind != PathKind::Missing && hiveKind != PathKind::Folder)) {
    error = QuotedText(hiveFolder, 0) +
            (linked ? " is a link; drivemask edits no GPO through a link" : " is not a folder");
    return DriveMaskCli::kExitBadInput;
  }

  // Everything is read and checked before anything is written.
  std::string policyBytes;
  std::string iniBytes;
  bool policyExists = false;
  bool iniExists = false;
  if (!ReadGpoFile(folder, policyPath, policyExists, policyBytes, error) ||
      !ReadGpoFile(folder, iniPath, iniExists, iniBytes, error)) {
    return DriveMaskCli::kExitBadInput;
  }
  if (!local && !iniExists && KindOfPath(ChildInAnyCase(folder, "Machine")) == PathKind::Missing &&
      KindOfPath(ChildInAnyCase(folder, "User")) == PathKind::Missing) {
    error = QuotedText(folder, 0) +
            " holds no gpt.ini, Machine or User, so it is no GPO folder (an empty gpt.ini in it "
            "makes it one)";
    return DriveMaskCli::kExitBadInput;
  }
  std::vector<PolicyRecord> records;
  if (!policyExists) {
    policyBytes = PolicyFileWriter::Header();
  } else if (!PolicyFile::Read(policyBytes, records, error)) {
    error = QuotedText(policyPath, 0) + ": " + error + "; left as it is";
    return DriveMaskCli::kExitBadInput;
  }
  std::string newRecords;
  for (const std::string& name : request.valueNames) {
    if (request.change == GpoChange::Disable) {
      newRecords += PolicyFileWriter::DeleteRecord(name);
    } else if (request.change != GpoChange::Clear) {
      newRecords += PolicyFileWriter::DwordRecord(name, request.mask);
    }
  }
  std::size_t replaced = 0;
  for (const PolicyRecord& record : records) {
    if (PolicyFileWriter::IsOurs(record, request.valueNames)) ++replaced;
  }
  const std::string merged =
      PolicyFileWriter::Merged(policyBytes, records, request.valueNames, newRecords);
  const bool policyChanged = merged != policyBytes;

  std::string newIni;
  GptIni::Change iniChange;
  if (!GptIni::Raise(iniBytes, iniExists,
                     request.machine ? GptIni::Half::Machine : GptIni::Half::User,
                     request.change != GpoChange::Clear, newIni, iniChange, error)) {
    error = QuotedText(iniPath, 0) + ": " + error + "; left as it is";
    return DriveMaskCli::kExitBadInput;
  }

  // Names in the report: the folder once, the files within it.
  const std::string shownFolder =
      local ? "the local policy, " + LocalPolicyShown(folder) : "the GPO folder " + folder;
  const std::size_t within =
      folder.size() + (folder.back() == '/' || folder.back() == '\\' ? 0 : 1);
  const std::string heading = shownFolder + " (" + half + ": HKEY_" +
                              (request.machine ? "LOCAL_MACHINE" : "CURRENT_USER") + ")";
  if (!policyChanged && !iniChange.extensionAdded) {
    out = "Nothing to change in " + heading + "\n  " + policyPath.substr(within) +
          " already has\n    " + ChangeText(request) + "\n";
    return DriveMaskCli::kExitSuccess;
  }
  std::vector<std::pair<std::string, std::string>> files;
  if (policyChanged) files.emplace_back(policyPath, merged);
  files.emplace_back(iniPath, newIni);
  // Folders made for the files go again when the files cannot be written.
  std::vector<std::string> madeFolders;
  bool written = true;
  for (const std::string& path : {folder, hiveFolder}) {
    bool made = false;
    written = written && MakeFolder(path, error, &made);
    if (made) madeFolders.insert(madeFolders.begin(), path);
  }
  if (!written || !WriteFiles(files, error)) {
    for (const std::string& path : madeFolders) RemoveEmptyFolder(path);
    return DriveMaskCli::kExitOutputFailed;
  }

  std::string text = "Edited " + heading + "\n  " + policyPath.substr(within) + "\n    " +
                     ChangeText(request) + "\n    (";
  if (!policyChanged) {
    text += "already so: the file is unchanged";
  } else {
    const bool clear = request.change == GpoChange::Clear;
    if (replaced > 0) {
      text += (clear ? "took out " : "replaced ") +
              Plural(replaced, clear ? "record" : "earlier record") + "; ";
    }
    text += policyExists ? "kept " + Plural(records.size() - replaced, "other record")
                         : std::string("a new file");
  }
  text +=
      ")\n  " + iniPath.substr(within) + "\n    " + VersionText(iniChange, request.machine) + "\n";
  if (iniChange.extensionAdded) {
    text += "    the registry extension added to gPC" + half + "ExtensionNames\n";
  }
  if (!local && IsDomainGpo(folder)) {
    text +=
        "This is a domain GPO (Policies\\{GUID}): the directory keeps a second copy of its\n"
        "version, and clients skip the GPO until that copy rises too. Raise it by any edit\n"
        "of this GPO in the Group Policy editor, or by importing a backup of it; until\n"
        "then this change is not applied.\n";
  }
  text += local
              ? "Run gpupdate /force to apply it now (otherwise the next refresh does), then\n"
                "log off and on: Explorer reads the values when it starts.\n"
              : "On each client, gpupdate /force applies it now (otherwise the next refresh\n"
                "does); Explorer reads the values when it starts, so log off and on afterwards.\n";
  out = text;
  return DriveMaskCli::kExitSuccess;
}
