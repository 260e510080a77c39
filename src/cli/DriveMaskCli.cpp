#include "cli/DriveMaskCli.h"

#include <cstdint>

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/DriveSelection.h"
#include "cli/FileInput.h"
#include "cli/FileOutput.h"
#include "cli/GroupPolicyJson.h"
#include "cli/GroupPolicyReader.h"
#include "cli/GroupPolicyReport.h"
#include "cli/LiveRegistry.h"
#include "cli/MaskArguments.h"
#include "cli/MaskValueParser.h"
#include "cli/PolicyFile.h"
#include "cli/PolicyFormatter.h"
#include "cli/PolicyReport.h"
#include "cli/PolicyTemplate.h"
#include "cli/RegistryExport.h"

namespace {

std::string JoinWords(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

bool AllLookLikeDrives(const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    if (!DriveSelection::LooksLikeDrives(word)) return false;
  }
  return true;
}

// The mask for keep or hide: the drives named are the ticked (visible) ones for
// keep and the unticked (hidden) ones for hide.
bool EncodeDrives(const MaskArguments& arguments, std::uint32_t& mask, std::string& error) {
  const char* const action = arguments.Action() == MaskAction::Keep ? "keep" : "hide";
  DriveSelection selection;
  for (const std::string& word : arguments.Operands()) {
    if (!selection.Add(word, error)) return false;
  }
  if (!selection.HasWords()) {
    error = std::string(action) + " needs drive letters, such as " + action +
            " C D, a range C-F, all or none";
    return false;
  }
  DriveTicks ticked = selection.Selected();
  if (arguments.Action() == MaskAction::Hide) {
    for (bool& tick : ticked) tick = !tick;
  }
  mask = ComputeDriveMask(ticked);
  return true;
}

bool DecodeValue(const MaskArguments& arguments, std::uint32_t& mask, std::string& valueName,
                 std::string& error) {
  const std::vector<std::string>& words = arguments.Operands();
  if (!arguments.ActionGiven() && AllLookLikeDrives(words)) {
    const std::string drives = EscapedText(JoinWords(words));
    error = "\"" + drives + "\" are drive letters, not a value; write drivemask keep " + drives +
            " (drives to keep visible) or drivemask --hide " + drives + " (drives to hide)";
    return false;
  }
  return MaskValueParser::Parse(JoinWords(words), mask, valueName, error);
}

// show --from PATH, --local-gpo, or the live registry: the report in the
// format asked for.
bool Show(const MaskArguments& arguments, std::string& out, std::string& error) {
  const bool json = arguments.Options().format == OutputFormat::Json;
  std::vector<PolicySource> sources;
  if (arguments.LocalGpo()) {
    bool found = false;
    std::string folder;
    if (!GroupPolicyReader::ReadLocalPolicy(sources, found, folder, error)) return false;
    if (!found && !json) {
      out = "This computer has no local Group Policy: " + folder +
            "\nholds no Machine or User folder, so the local policy sets nothing.\n";
      return true;
    }
    out = json ? GroupPolicyJson::Write(sources) : GroupPolicyReport::Plain(sources);
    return true;
  }
  PolicyValues values;
  const std::string& path = arguments.FromFile();
  if (path.empty()) {
    if (!LiveRegistry::Read(values, error)) return false;
    out = json ? GroupPolicyJson::Write(values, "registry", "")
               : PolicyReport::Explain(values, "the registry of this computer");
    return true;
  }
  const PathKind kind = KindOfPath(path);
  if (kind == PathKind::Missing) {
    error = "cannot open " + QuotedText(path, 0) + ": no such file or folder";
    return false;
  }
  const PolicyScope hive = !arguments.HiveGiven() ? PolicyScope::Unknown
                           : arguments.Options().hive == RegistryHive::LocalMachine
                               ? PolicyScope::LocalMachine
                               : PolicyScope::CurrentUser;
  std::string bytes;
  if (kind == PathKind::File && !ReadWholeFile(path, 64u << 20, bytes, error)) return false;
  // Told apart by the first bytes; only a damaged file named .pol is taken for
  // the policy file it was meant to be, so that its error gives the offset.
  const std::string lower = LowerAscii(path);
  const bool named = lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".pol") == 0;
  const bool policyFile =
      bytes.compare(0, 4, PolicyFile::kHeader, 4) == 0 ||
      (named && bytes.compare(0, 2, "\xFF\xFE") != 0 && bytes.compare(0, 8, "REGEDIT4") != 0 &&
       bytes.compare(0, 8, "Windows ") != 0);
  if (arguments.HiveGiven() && !policyFile) {
    error = "--hive is for a Registry.pol found outside its Machine or User folder; " +
            QuotedText(path, 0) +
            (kind == PathKind::Folder ? " is a folder, whose Machine and User folders give the hive"
                                      : " is no Registry.pol");
    return false;
  }
  if (kind == PathKind::Folder || policyFile) {
    if (kind == PathKind::Folder) {
      if (!GroupPolicyReader::ReadFolder(path, sources, error)) return false;
    } else {
      sources.resize(1);
      if (!GroupPolicyReader::ReadPolicyFile(path, bytes, hive, sources[0], error)) return false;
    }
    out = json ? GroupPolicyJson::Write(sources) : GroupPolicyReport::Plain(sources);
    return true;
  }
  if (!RegistryExport::Read(bytes, values, error)) {
    error = QuotedText(path, 0) + ": " + error;
    return false;
  }
  out = json ? GroupPolicyJson::Write(values, "registry-export", path)
             : PolicyReport::Explain(values, "the export " + path);
  return true;
}

std::string InFolder(const std::string& folder, const std::string& name) {
  const char last = folder.back();
  return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

// template: the files, and on standard output what was written and where it
// goes. Returns the exit code.
int Template(const MaskArguments& arguments, std::string& out, std::string& error) {
  const bool adm = arguments.Options().format == OutputFormat::AdmFile;
  const bool machine = arguments.Options().hive == RegistryHive::LocalMachine;
  PolicyTemplate policies;
  policies.SetMachine(machine);
  for (const std::string& choice : arguments.Choices()) {
    if (!policies.AddChoice(choice, adm, error)) return DriveMaskCli::kExitBadInput;
  }
  const std::string& folder = arguments.OutDirectory();
  const std::string admlFolder = InFolder(folder, PolicyTemplate::kAdmlFolder);
  std::vector<std::pair<std::string, std::string>> files;
  if (adm) {
    files.emplace_back(InFolder(folder, PolicyTemplate::kAdmName), policies.Adm());
  } else {
    files.emplace_back(InFolder(folder, PolicyTemplate::kAdmxName), policies.Admx());
    files.emplace_back(InFolder(admlFolder, PolicyTemplate::kAdmlName), policies.Adml());
  }
  if (!MakeFolder(folder, error) || (!adm && !MakeFolder(admlFolder, error)) ||
      !WriteFiles(files, error)) {
    return DriveMaskCli::kExitOutputFailed;
  }

  std::string text = "Wrote " + files[0].first + "\n";
  if (!adm) text += "  and " + files[1].first + "\n";
  text += policies.Outline();
  if (adm) {
    text +=
        "In the Group Policy editor, right-click Administrative Templates, choose\n"
        "Add/Remove Templates and add VeskelDrives.adm.\n";
  } else {
    text +=
        "Copy VeskelDrives.admx into C:\\Windows\\PolicyDefinitions (or the central store,\n"
        "\\\\DOMAIN\\SYSVOL\\DOMAIN\\Policies\\PolicyDefinitions) and VeskelDrives.adml into\n"
        "its en-US folder; the policies appear under Administrative Templates.\n";
  }
  out = text;
  return DriveMaskCli::kExitSuccess;
}

}  // namespace

int DriveMaskCli::Run(const std::vector<std::string>& args, std::string& out, std::string& err) {
  out.clear();
  err.clear();
  MaskArguments arguments;
  std::string error;
  std::uint32_t mask = 0;
  std::string valueName;
  bool ok = arguments.Parse(args, error);
  if (ok && arguments.Action() == MaskAction::Help) {
    out = Usage();
    return kExitSuccess;
  }
  if (ok && arguments.Action() == MaskAction::Template) {
    std::string text;
    const int code = Template(arguments, text, error);
    if (code == kExitSuccess) {
      out = text;
    } else {
      err = ErrorLine(error);
    }
    return code;
  }
  if (ok && arguments.Action() == MaskAction::Show) {
    std::string report;
    if (Show(arguments, report, error)) {
      out = report;
      return kExitSuccess;
    }
    ok = false;
  }
  if (ok) {
    ok = arguments.Action() == MaskAction::Decode ? DecodeValue(arguments, mask, valueName, error)
                                                  : EncodeDrives(arguments, mask, error);
  }
  if (!ok) {
    err = ErrorLine(error);
    return kExitBadInput;
  }

  OutputOptions options = arguments.Options();
  if (!arguments.ValueNamesGiven() && !valueName.empty()) {
    options.noDrives = valueName == "NoDrives";
    options.noViewOnDrive = valueName == "NoViewOnDrive";
  }
  out = PolicyFormatter(mask).Format(options);
  return kExitSuccess;
}

std::string DriveMaskCli::ErrorLine(const std::string& message) {
  std::string line = "drivemask: error: ";
  for (char c : message) {
    const unsigned char byte = static_cast<unsigned char>(c);
    line += byte < 0x20 || byte >= 0x7F ? EscapedText(std::string(1, c)) : std::string(1, c);
  }
  return line + "\n";
}

std::string DriveMaskCli::Usage() {
  return "Usage: drivemask keep DRIVE... [OPTIONS]    keep these drives, hide the rest\n"
         "       drivemask hide DRIVE... [OPTIONS]    hide these drives (or --hide)\n"
         "       drivemask [decode] VALUE [OPTIONS]   show which drives a mask hides\n"
         "       drivemask show [--from PATH | --local-gpo] [--format json]\n"
         "                                            explain the drive policy set\n"
         "       drivemask template --choice LABEL=DRIVES... --out DIR [--format adm-file]\n"
         "                                            write template files with your choices\n"
         "\n"
         "Works out the Explorer drive policy values NoDrives (hides drives) and\n"
         "NoViewOnDrive (prevents access to drives), REG_DWORD values under\n"
         "HKCU or HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer.\n"
         "The mask has one bit per hidden drive: A: = 1, B: = 2, C: = 4, D: = 8, ...,\n"
         "Z: = 33554432; all 26 drives = 67108863 (0x3ffffff).\n"
         "\n"
         "DRIVE   a letter with or without colon, in any case (C, c, C:), a range (C-F),\n"
         "        several separated by commas (C,D), all or none.\n"
         "VALUE   decimal (67108851), hexadecimal with 0x (0x3fffff3), a .reg line\n"
         "        (\"NoDrives\"=dword:03fffff3, or without the quotes around the name),\n"
         "        an ADM line (VALUE NUMERIC 67108851), an ADMX element\n"
         "        (<decimal value=\"67108851\" />) or a reg query line\n"
         "        (NoDrives REG_DWORD 0x3fffff3). Quote a value that holds spaces.\n"
         "\n"
         "show    reads NoDrives and NoViewOnDrive of HKLM and HKCU (on Windows) and\n"
         "        explains them: type, raw value, the drives hidden or blocked, and which\n"
         "        one applies. --from PATH reads, on any system, a registry export\n"
         "        (.reg), a Registry.pol, a GPO folder (Machine, User), a GPO backup or a\n"
         "        folder of backups: what each GPO sets, deletes or leaves alone;\n"
         "        --local-gpo reads this computer's local Group Policy (Windows).\n"
         "        --hive HKLM or HKCU says where a Registry.pol outside a Machine or User\n"
         "        folder goes.\n"
         "\n"
         "template writes VeskelDrives.admx and en-US/VeskelDrives.adml into DIR (or,\n"
         "        with --format adm-file, VeskelDrives.adm): a category with two policies,\n"
         "        hide drives (NoDrives) and prevent access (NoViewOnDrive), each offering\n"
         "        the choices; DRIVES are the drives that stay, as for keep\n"
         "        (--choice \"Only C and D=C,D\"). --hive HKLM makes them computer policies.\n"
         "\n"
         "Options:\n"
         "  --format FORMAT  plain       explained, with where each form goes (default)\n"
         "                   reg         a .reg file (8 hex digits: dword:03fffff3)\n"
         "                   regadd      reg add command lines (decimal)\n"
         "                   powershell  a PowerShell line (decimal)\n"
         "                   adm         an ADM ITEMLIST entry and its [strings] line\n"
         "                   admx        an ADMX <item> and its ADML <string>\n"
         "                   adm-file    template: one ADM file instead of ADMX and ADML\n"
         "                   json        show: the report for scripts\n"
         "  --value NAME     NoDrives (default), NoViewOnDrive or both; a decoded .reg or\n"
         "                   reg query line keeps the value it names\n"
         "  --hive HIVE      HKCU (default, the user's policy) or HKLM (every user)\n"
         "  --from PATH      show: read this export, policy file, GPO or backup folder\n"
         "  --local-gpo      show: read the local Group Policy of this computer\n"
         "  --choice L=D     template: one choice, its label and drives (repeat it)\n"
         "  --out DIR        template: the folder for the files\n"
         "  -h, --help, /?   show this help\n"
         "\n"
         "Examples:\n"
         "  drivemask keep C D                   hide every drive but C: and D:\n"
         "  drivemask --hide A B                 hide A: and B: (a stock choice, 3)\n"
         "  drivemask keep C-F --format reg > drives.reg\n"
         "  drivemask keep C --value both --hive HKLM --format regadd\n"
         "  drivemask 0x3fffff3                  which drives does this hide?\n"
         "  drivemask decode NoDrives=dword:03fffff3 --format adm\n"
         "  drivemask show --from exported.reg   what does this export set?\n"
         "  drivemask show --from GPOBackups     which of these GPOs hide drives?\n"
         "  drivemask template --choice \"Only C and D=C,D\" --choice \"Office=C-F X\" --out gpo\n"
         "\n"
         "Arguments are printable ASCII only; anything else (a look-alike letter, a\n"
         "control character) is bad input. \"--\" ends the options.\n"
         "\n"
         "Exit status: 0 on success; 2 on bad input; 3 when the output or the files of\n"
         "template could not be written (disk full, output closed). On 2 and 3 standard\n"
         "error holds one error line and standard output nothing.\n";
}
