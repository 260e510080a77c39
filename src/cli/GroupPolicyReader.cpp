#include "cli/GroupPolicyReader.h"

#include <algorithm>

#include "cli/ArgumentText.h"
#include "cli/FileInput.h"
#include "cli/PolicyFile.h"
#include "cli/PolicySteps.h"
#include "cli/XmlDocument.h"

namespace {

// "path: message" for a file that cannot be read or is damaged.
bool FileError(const std::string& path, const std::string& message, std::string& error) {
  error = QuotedText(path, 0) + ": " + message;
  return false;
}

bool ReadXml(const std::string& path, std::vector<XmlElement>& elements, std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  std::string message;
  if (!XmlDocument::Parse(bytes, elements, message)) return FileError(path, message, error);
  return true;
}

// The Machine and User parts of the GPO in folder; files are shown relative
// to base, with prefix in front.
bool ReadGpoParts(const std::string& folder, const std::string& prefix, PolicySource& source,
                  std::string& error) {
  const struct {
    const char* name;
    PolicyScope scope;
  } kParts[] = {{"Machine", PolicyScope::LocalMachine}, {"User", PolicyScope::CurrentUser}};
  for (const auto& part : kParts) {
    std::string relative;
    const std::string pol = FindInAnyCase(folder, {part.name, "Registry.pol"}, relative);
    if (!pol.empty() && KindOfPath(pol) == PathKind::File) {
      std::string bytes;
      if (!ReadWholeFile(pol, bytes, error)) return false;
      std::vector<PolicyRecord> records;
      std::string message;
      if (!PolicyFile::Read(bytes, records, message)) return FileError(pol, message, error);
      const std::string shown = JoinPath(prefix, relative);
      AddPolicyFileSteps(records, part.scope, shown, source);
      source.files.push_back({shown, part.scope, records.size()});
    }
    const std::string xml =
        FindInAnyCase(folder, {part.name, "Preferences", "Registry", "Registry.xml"}, relative);
    if (!xml.empty() && KindOfPath(xml) == PathKind::File) {
      std::vector<XmlElement> elements;
      if (!ReadXml(xml, elements, error)) return false;
      const std::string shown = JoinPath(prefix, relative);
      std::size_t items = 0;
      std::string message;
      if (!AddPreferenceSteps(elements, shown, source, items, message)) {
        return FileError(xml, message, error);
      }
      source.files.push_back({shown, part.scope, items});
    }
  }
  return true;
}

// The text of the first element named (local name) name whose parent is
// named parent ("" for any), trimmed.
std::string ElementText(const std::vector<XmlElement>& elements, const char* name,
                        const char* parent) {
  for (const XmlElement& element : elements) {
    if (XmlElement::LocalName(element.name) != name) continue;
    if (*parent != '\0' && (element.parent == XmlElement::kNoParent ||
                            XmlElement::LocalName(elements[element.parent].name) != parent)) {
      continue;
    }
    return TrimBlanks(element.text);
  }
  return "";
}

bool IsBackup(const std::string& folder) {
  std::string relative;
  return !FindInAnyCase(folder, {"DomainSysvol", "GPO"}, relative).empty();
}

bool IsGpo(const std::string& folder) {
  std::vector<std::string> names;
  std::string ignored;
  if (!ListFolder(folder, names, ignored)) return false;
  for (const char* part : {"Machine", "User"}) {
    const std::string found = FindName(names, part);
    if (!found.empty() && KindOfPath(JoinPath(folder, found)) == PathKind::Folder) return true;
  }
  return false;
}

bool ReadBackup(const std::string& folder, PolicySource& source, std::string& error) {
  source.kind = PolicySource::Kind::GpoBackup;
  source.path = folder;
  std::string relative;
  const std::string info = FindInAnyCase(folder, {"bkupInfo.xml"}, relative);
  const std::string backup = FindInAnyCase(folder, {"Backup.xml"}, relative);
  std::vector<XmlElement> elements;
  if (!info.empty()) {
    if (!ReadXml(info, elements, error)) return false;
    source.displayName = ElementText(elements, "GPODisplayName", "");
    source.gpoId = ElementText(elements, "GPOGuid", "");
    source.domain = ElementText(elements, "GPODomain", "");
    source.backupTime = ElementText(elements, "BackupTime", "");
  }
  if (!backup.empty()) {
    if (!ReadXml(backup, elements, error)) return false;
    const auto fill = [&elements](std::string& field, const char* name) {
      if (field.empty()) field = ElementText(elements, name, "GroupPolicyCoreSettings");
    };
    fill(source.displayName, "DisplayName");
    fill(source.gpoId, "ID");
    fill(source.domain, "Domain");
    // The GPO status: 1 = User settings disabled, 2 = Computer settings, 3 = both.
    const std::string options = ElementText(elements, "Options", "GroupPolicyCoreSettings");
    if (options.size() == 1 && options[0] >= '0' && options[0] <= '3') {
      source.userDisabled = (options[0] - '0') & 1;
      source.machineDisabled = (options[0] - '0') & 2;
    }
  }
  const std::string gpo = FindInAnyCase(folder, {"DomainSysvol", "GPO"}, relative);
  return ReadGpoParts(gpo, relative, source, error);
}

bool ReadGpo(const std::string& folder, PolicySource& source, std::string& error) {
  source.kind = PolicySource::Kind::Gpo;
  source.path = folder;
  return ReadGpoParts(folder, "", source, error);
}

// The GUID a folder name holds ("{31B2F340-016D-11D2-945F-00C04FB984F9}"), or "".
std::string GuidName(const std::string& path) {
  const std::string name = FolderNameOf(JoinPath(path, "x"));
  return name.size() == 38 && name.front() == '{' && name.back() == '}' ? name : "";
}

}  // namespace

bool GroupPolicyReader::ReadPolicyFile(const std::string& path, const std::string& bytes,
                                       PolicyScope hive, PolicySource& source, std::string& error) {
  source = PolicySource();
  source.kind = PolicySource::Kind::PolicyFile;
  source.path = path;
  std::vector<PolicyRecord> records;
  std::string message;
  if (!PolicyFile::Read(bytes, records, message)) return FileError(path, message, error);
  const std::string folder = LowerAscii(FolderNameOf(path));
  const PolicyScope found = folder == "machine" ? PolicyScope::LocalMachine
                            : folder == "user"  ? PolicyScope::CurrentUser
                                                : PolicyScope::Unknown;
  if (found != PolicyScope::Unknown && hive != PolicyScope::Unknown && found != hive) {
    error =
        QuotedText(path, 0) + " is in a " + FolderNameOf(path) + " folder, whose entries go to " +
        (found == PolicyScope::LocalMachine ? "HKLM" : "HKCU") + "; drop --hive or give --hive " +
        (found == PolicyScope::LocalMachine ? "HKLM" : "HKCU");
    return false;
  }
  const PolicyScope scope = found != PolicyScope::Unknown ? found : hive;
  AddPolicyFileSteps(records, scope, path, source);
  source.files.push_back({path, scope, records.size()});
  return true;
}

bool GroupPolicyReader::ReadFolder(const std::string& path, std::vector<PolicySource>& sources,
                                   std::string& error) {
  sources.clear();
  PolicySource source;
  if (IsGpo(path)) {
    source.gpoId = GuidName(path);
    if (!ReadGpo(path, source, error)) return false;
    sources.push_back(source);
    return true;
  }
  if (IsBackup(path)) {
    if (!ReadBackup(path, source, error)) return false;
    sources.push_back(source);
    return true;
  }
  std::vector<std::string> names;
  if (!ListFolder(path, names, error)) return false;
  for (const std::string& name : names) {
    const std::string folder = JoinPath(path, name);
    if (KindOfPath(folder) != PathKind::Folder) continue;
    source = PolicySource();
    if (IsBackup(folder)) {
      if (!ReadBackup(folder, source, error)) return false;
    } else if (IsGpo(folder)) {
      source.gpoId = GuidName(folder);
      if (!ReadGpo(folder, source, error)) return false;
    } else {
      continue;
    }
    sources.push_back(source);
  }
  if (sources.empty()) {
    error = QuotedText(path, 0) +
            " holds no Group Policy files: no Machine or User folder (a GPO), no DomainSysvol "
            "folder (a GPO backup) and no folder holding either";
    return false;
  }
  // A stable order: by name (any case), then GUID, then folder.
  std::stable_sort(sources.begin(), sources.end(),
                   [](const PolicySource& a, const PolicySource& b) {
                     const std::string nameA = LowerAscii(a.displayName);
                     const std::string nameB = LowerAscii(b.displayName);
                     if (nameA != nameB) return nameA < nameB;
                     if (a.gpoId != b.gpoId) return a.gpoId < b.gpoId;
                     return a.path < b.path;
                   });
  return true;
}

#ifdef _WIN32

bool GroupPolicyReader::ReadLocalPolicy(std::vector<PolicySource>& sources, bool& found,
                                        std::string& folder, std::string& error) {
  sources.clear();
  found = false;
  const std::string real = LocalPolicyFolder();
  folder = LocalPolicyShown(real);
  if (!IsGpo(real)) return true;
  PolicySource source;
  if (!ReadGpo(real, source, error)) return false;
  source.kind = PolicySource::Kind::LocalPolicy;
  source.path = folder;
  sources.push_back(source);
  found = true;
  return true;
}

#else

bool GroupPolicyReader::ReadLocalPolicy(std::vector<PolicySource>& sources, bool& found,
                                        std::string& folder, std::string& error) {
  sources.clear();
  found = false;
  folder.clear();
  error =
      "show --local-gpo reads the local policy of Windows; on this system give a GPO folder or "
      "file: drivemask show --from PATH";
  return false;
}

#endif
