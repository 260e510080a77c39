#include "cli/PolicyFormatter.h"

#include <vector>

#include "cli/PolicyValues.h"
#include "cli/StockChoice.h"

namespace {

const char kNoDrivesEffect[] = "hides these drives in Explorer and the file dialogs";
const char kNoViewOnDriveEffect[] = "prevents opening these drives in Explorer";
const char kLogOn[] = "Explorer reads the values when it starts: log off and on again afterwards.";

std::string HiveLongName(RegistryHive hive) {
  return hive == RegistryHive::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string HiveShortName(RegistryHive hive) {
  return hive == RegistryHive::LocalMachine ? "HKLM" : "HKCU";
}

const char* Effect(const std::string& name) {
  return name == "NoDrives" ? kNoDrivesEffect : kNoViewOnDriveEffect;
}

std::string Pad(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace

PolicyFormatter::PolicyFormatter(std::uint32_t mask)
    : m_mask(mask & kAllDrivesMask), m_visible(TicksFromDriveMask(m_mask)) {}

std::string PolicyFormatter::Format(const OutputOptions& options) const {
  switch (options.format) {
    case OutputFormat::RegFile:
      return RegFile(options);
    case OutputFormat::RegAdd:
      return RegAdd(options);
    case OutputFormat::PowerShell:
      return PowerShell(options);
    case OutputFormat::Adm:
      return Adm(options);
    case OutputFormat::Admx:
      return Admx(options);
    case OutputFormat::Lgpo:
      return Lgpo(options);
    case OutputFormat::Plain:
    case OutputFormat::AdmFile:      // whole template files: PolicyTemplate
    case OutputFormat::PolicyFile:   // binary: PolicyFileWriter
    case OutputFormat::Preferences:  // needs fresh GUIDs and the time: Preferences()
    case OutputFormat::Json:         // show only: GroupPolicyReport
      break;
  }
  return Plain(options);
}

int PolicyFormatter::HiddenCount() const {
  int count = 0;
  for (bool visible : m_visible) count += visible ? 0 : 1;
  return count;
}

std::string PolicyFormatter::LetterList(bool hidden) const {
  std::string text;
  for (const DriveBox& box : DriveBoxTable) {
    if (m_visible[box.bit] == hidden) continue;
    if (!text.empty()) text += ' ';
    text += box.letter;
    text += ':';
  }
  return text.empty() ? "(none)" : text;
}

std::string PolicyFormatter::CompactList(bool hidden, bool withAnd) const {
  std::vector<std::string> runs;
  for (int first = 0; first < kDriveCount;) {
    if (m_visible[first] == hidden) {
      ++first;
      continue;
    }
    int last = first;
    while (last + 1 < kDriveCount && m_visible[last + 1] != hidden) ++last;
    const char a = DriveBoxTable[first].letter;
    const char z = DriveBoxTable[last].letter;
    if (last - first >= 2) {
      runs.push_back(std::string{a, '-', z});
    } else {
      for (int i = first; i <= last; ++i) runs.push_back(std::string(1, DriveBoxTable[i].letter));
    }
    first = last + 1;
  }
  std::string text;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (i > 0) text += withAnd && i + 1 == runs.size() ? " and " : ", ";
    text += runs[i];
  }
  return text;
}

std::string PolicyFormatter::Label() const {
  if (const char* stock = StockChoice::Find(m_mask)) return stock;
  const int hidden = HiddenCount();
  if (hidden <= kDriveCount - hidden) {
    return "Restrict " + CompactList(true, true) + (hidden == 1 ? " drive only" : " drives only");
  }
  return "Restrict all drives except " + CompactList(false, true);
}

std::string PolicyFormatter::Summary() const {
  return Sentence("hides", "; every drive stays visible", ", A to Z", " visible");
}

std::string PolicyFormatter::Sentence(const std::string& verb, const char* none, const char* every,
                                      const char* left) const {
  if (m_mask == 0) return verb + " no drive" + none;
  if (m_mask == kAllDrivesMask) return verb + " every drive" + every;
  return verb + " " + CompactList(true, false) + "; leaves " + CompactList(false, false) + left;
}

std::string PolicyFormatter::RegDwordDigits() const {
  const std::string hex = FormatMaskHex(m_mask);
  return std::string(8 - hex.size(), '0') + hex;
}

std::string PolicyFormatter::Plain(const OutputOptions& options) const {
  const std::string decimal = FormatMaskDecimal(m_mask);
  const std::string hex = FormatMaskHex(m_mask);
  const std::size_t column = 17;
  std::string out;
  out += Pad("Drive mask:", column) + decimal + " (hexadecimal " + hex + ")\n";
  out += Pad("Hidden drives:", column) + LetterList(true) + "\n";
  out += Pad("Visible drives:", column) + LetterList(false) + "\n";
  if (const char* stock = StockChoice::Find(m_mask)) {
    out += Pad("Stock choice:", column) + "\"" + stock + "\"\n";
    out += Pad("", column) + "(pick it in the stock policy; no custom template is needed)\n";
  } else {
    out += Pad("Stock choice:", column) +
           "none; the stock policy cannot set this mask, so add a template\n";
    out += Pad("", column) + "entry (--format adm or admx) or set the registry value directly\n";
    out += Pad("", column) + "(--format reg, regadd or powershell)\n";
  }

  out += "\nWhich form goes where:\n";
  out += "  " + Pad(decimal, 16) + "decimal: ADM templates (VALUE NUMERIC), ADMX templates\n";
  out += "  " + Pad("", 16) + "(<decimal value>), reg add /d, PowerShell -Value\n";
  out +=
      "  " + Pad("dword:" + RegDwordDigits(), 16) + ".reg files: always 8 hex digits, without 0x\n";
  out += "  " + Pad("0x" + hex, 16) + "how reg query shows it; regedit shows 0x" +
         RegDwordDigits() + " (" + decimal + ")\n";

  out += "\n" + Pad("Registry key:", column) + HiveLongName(options.hive) + "\\" + kPolicyKeyPath +
         "\n";
  for (const std::string& name : options.ValueNames()) {
    out += "  " + Pad(name, column - 2) + "REG_DWORD: " + Effect(name) + "\n";
  }
  if (options.hive == RegistryHive::LocalMachine) {
    out +=
        "HKEY_LOCAL_MACHINE applies to every user of the machine; setting it needs an "
        "administrator.\n";
  }
  out += std::string(kLogOn) + "\n";
  return out;
}

std::string PolicyFormatter::SemicolonHeading(const OutputOptions& options) const {
  std::string out = "; Drive mask " + FormatMaskDecimal(m_mask) + " (0x" + RegDwordDigits() +
                    "): " + Summary() + ".\n";
  for (const std::string& name : options.ValueNames()) {
    out += "; " + name + " " + Effect(name) + ".\n";
  }
  return out;
}

std::string PolicyFormatter::RegFile(const OutputOptions& options) const {
  std::string out = "Windows Registry Editor Version 5.00\n\n" + SemicolonHeading(options);
  out +=
      "; Save this text as a .reg file and import it: double-click it, or run reg import "
      "FILE.reg.\n";
  if (options.hive == RegistryHive::LocalMachine) {
    out +=
        "; HKEY_LOCAL_MACHINE applies to every user of the machine; importing needs an "
        "administrator.\n";
  }
  out += std::string("; ") + kLogOn + "\n\n";
  out += "[" + HiveLongName(options.hive) + "\\" + kPolicyKeyPath + "]\n";
  for (const std::string& name : options.ValueNames()) {
    out += "\"" + name + "\"=dword:" + RegDwordDigits() + "\n";
  }
  out += "\n";
  return out;
}

std::string PolicyFormatter::RegAdd(const OutputOptions& options) const {
  std::string out = "rem Drive mask " + FormatMaskDecimal(m_mask) + ": " + Summary() + ".\n";
  for (const std::string& name : options.ValueNames()) {
    out += "rem " + name + " " + Effect(name) + ".\n";
  }
  if (options.hive == RegistryHive::LocalMachine) {
    out += "rem Run from an administrator prompt: HKLM applies to every user of the machine.\n";
  }
  out += std::string("rem ") + kLogOn + "\n";
  for (const std::string& name : options.ValueNames()) {
    out += "reg add \"" + HiveShortName(options.hive) + "\\" + kPolicyKeyPath + "\" /v " + name +
           " /t REG_DWORD /d " + FormatMaskDecimal(m_mask) + " /f\n";
  }
  return out;
}

std::string PolicyFormatter::PowerShell(const OutputOptions& options) const {
  std::string out = "# Drive mask " + FormatMaskDecimal(m_mask) + ": " + Summary() + ".\n";
  for (const std::string& name : options.ValueNames()) {
    out += "# " + name + " " + Effect(name) + ".\n";
  }
  if (options.hive == RegistryHive::LocalMachine) {
    out += "# Run as administrator: HKLM applies to every user of the machine.\n";
  }
  out += std::string("# ") + kLogOn + "\n";
  // The key is created only when missing: New-Item -Force on an existing
  // registry key would replace it and lose its other values.
  out += "$key = '" + HiveShortName(options.hive) + ":\\" + kPolicyKeyPath +
         "'; if (-not (Test-Path $key)) { New-Item -Path $key -Force | Out-Null }";
  for (const std::string& name : options.ValueNames()) {
    out += "; New-ItemProperty -Path $key -Name '" + name + "' -PropertyType DWord -Value " +
           FormatMaskDecimal(m_mask) + " -Force | Out-Null";
  }
  out += "\n";
  return out;
}

std::string PolicyFormatter::Adm(const OutputOptions& options) const {
  const std::string decimal = FormatMaskDecimal(m_mask);
  const std::string id = "DriveMask" + decimal;
  const std::string policyClass =
      options.hive == RegistryHive::LocalMachine ? "CLASS MACHINE" : "CLASS USER";
  std::string out = "; Drive mask " + decimal + ": " + Summary() + ".\n";
  if (const char* stock = StockChoice::Find(m_mask)) {
    out += "; The stock policy already offers this mask as \"" + std::string(stock) +
           "\";\n; the entry below is needed only in a template of your own.\n";
  } else {
    out += "; Not a stock choice: add this entry to your own copy of the template.\n";
  }
  int step = 1;
  for (const std::string& name : options.ValueNames()) {
    out += "; " + std::to_string(step++) + ". In the ITEMLIST of the PART whose VALUENAME is \"" +
           name + "\" (" + policyClass + "), add:\n";
    out += "        NAME !!" + id + " VALUE NUMERIC " + decimal + "\n";
  }
  out += "; " + std::to_string(step++) + ". Under [strings], add:\n";
  out += id + "=\"" + Label() + "\"\n";
  out += "; " + std::to_string(step) +
         ". Load the template again in the Group Policy editor and choose the new entry.\n";
  return out;
}

std::string PolicyFormatter::Admx(const OutputOptions& options) const {
  const std::string decimal = FormatMaskDecimal(m_mask);
  const std::string id = "DriveMask" + decimal;
  const std::string policyClass =
      options.hive == RegistryHive::LocalMachine ? "class=\"Machine\"" : "class=\"User\"";
  std::string out = "<!-- Drive mask " + decimal + ": " + Summary() + ". -->\n";
  if (const char* stock = StockChoice::Find(m_mask)) {
    out += "<!-- The stock policy already offers this mask as \"" + std::string(stock) +
           "\"; the entries below are needed only in a template of your own. -->\n";
  } else {
    out += "<!-- Not a stock choice: add these entries to your own copy of the template. -->\n";
  }
  int step = 1;
  for (const std::string& name : options.ValueNames()) {
    out += "<!-- " + std::to_string(step++) +
           ". ADMX file: inside the <enum> whose valueName is \"" + name + "\" (policy " +
           policyClass + "), add: -->\n";
    out += "<item displayName=\"$(string." + id + ")\">\n";
    out += "  <value>\n";
    out += "    <decimal value=\"" + decimal + "\" />\n";
    out += "  </value>\n";
    out += "</item>\n";
  }
  out += "<!-- " + std::to_string(step) +
         ". ADML file of each language: inside <stringTable>, add: -->\n";
  out += "<string id=\"" + id + "\">" + Label() + "</string>\n";
  return out;
}

std::string PolicyFormatter::Lgpo(const OutputOptions& options) const {
  const bool machine = options.hive == RegistryHive::LocalMachine;
  std::string out = SemicolonHeading(options);
  out +=
      "; LGPO.exe /t FILE.txt puts this into the local policy (administrator prompt);\n"
      "; LGPO.exe /r FILE.txt /w Registry.pol makes a policy file of it.\n";
  out += std::string("; ") + kLogOn + "\n";
  for (const std::string& name : options.ValueNames()) {
    out += std::string("\n") + (machine ? "Computer" : "User") + "\n" + kPolicyKeyPath + "\n" +
           name + "\nDWORD:" + FormatMaskDecimal(m_mask) + "\n";
  }
  return out;
}

std::string PolicyFormatter::Preferences(const OutputOptions& options,
                                         const std::vector<std::string>& uids,
                                         const std::string& changed) const {
  const bool machine = options.hive == RegistryHive::LocalMachine;
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
  out += "<!-- Drive mask " + FormatMaskDecimal(m_mask) + " (0x" + RegDwordDigits() +
         "): " + Summary() + ".\n";
  out +=
      "     Group Policy Preferences registry items: any mask reaches the chosen users or\n"
      "     computers without a custom template (link the GPO where they are, or narrow each\n"
      "     item with item-level targeting). The GPO's file is\n";
  out += std::string("     ") + (machine ? "Machine" : "User") +
         "\\Preferences\\Registry\\Registry.xml; a file put there by hand is read only\n"
         "     when gpt.ini lists the Preferences registry extension\n"
         "     ([{B087BE9D-ED37-454F-AF9C-04291E351182}{BEE07A6A-EC9F-4659-B8C9-0B1937907C83}])\n"
         "     and its Version has risen. Unlike a policy, the value stays after the GPO no\n"
         "     longer applies.\n     " +
         kLogOn + " -->\n";
  out += "<RegistrySettings clsid=\"{A3CCFC41-DFDB-43a5-8D26-0FE8B954DA51}\">\n";
  std::size_t item = 0;
  for (const std::string& name : options.ValueNames()) {
    out += "  <Registry clsid=\"{9CD4B2F4-923D-47f5-A062-E897DD1DAD50}\" name=\"" + name +
           "\" status=\"" + name + "\" image=\"12\" changed=\"" + changed + "\" uid=\"" +
           (item < uids.size() ? uids[item] : std::string()) + "\">\n";
    out += "    <Properties action=\"U\" displayDecimal=\"1\" default=\"0\" hive=\"" +
           HiveLongName(options.hive) + "\" key=\"" + kPolicyKeyPath + "\" name=\"" + name +
           "\" type=\"REG_DWORD\" value=\"" + RegDwordDigits() + "\"/>\n";
    out += "  </Registry>\n";
    ++item;
  }
  out += "</RegistrySettings>\n";
  return out;
}
