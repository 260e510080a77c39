#include "cli/DriveMaskCli.h"

#include <cstdint>
#include <ctime>

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/DriveSelection.h"
#include "cli/FileInput.h"
#include "cli/FileOutput.h"
#include "cli/GpoEditor.h"
#include "cli/GroupPolicyJson.h"
#include "cli/GroupPolicyReader.h"
#include "cli/GroupPolicyReport.h"
#include "cli/LiveRegistry.h"
#include "cli/MaskArguments.h"
#include "cli/MaskValueParser.h"
#include "cli/PolicyFile.h"
#include "cli/PolicyFileWriter.h"
#include "cli/PolicyFormatter.h"
#include "cli/PolicyReport.h"
#include "cli/PolicyTemplate.h"
#include "cli/PolicyValues.h"
#include "cli/RandomGuid.h"
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
bool EncodeDrives(const MaskArguments& arguments, bool hide, std::uint32_t& mask,
                  std::string& error) {
  const char* const action = hide ? "hide" : "keep";
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
  if (hide) {
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
  if (kind == PathKind::File && !ReadWholeFile(path, bytes, error)) return false;
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

// The time of writing in UTC, as Preferences items record it.
std::string UtcNow() {
  const std::time_t now = std::time(nullptr);
  char text[32] = "";
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::gmtime(&now));
  return text;
}

// What a written file is and where it goes, for --format pol, gpp and lgpo.
std::string WrittenFileNote(const OutputOptions& options, const std::string& file) {
  const bool machine = options.hive == RegistryHive::LocalMachine;
  const std::string half = machine ? "Machine" : "User";
  switch (options.format) {
    case OutputFormat::PolicyFile:
      return "A Registry.pol records no hive: as GPO\\" + half + "\\Registry.pol it holds the\n" +
             (machine ? "computers' policy (HKEY_LOCAL_MACHINE)"
                      : "users' policy (HKEY_CURRENT_USER)") +
             ". Copied there by hand it replaces the GPO's\n"
             "other registry settings, and clients read it only once gpt.ini's Version rises\n"
             "and lists the registry extension: drivemask gpo does all of that and keeps the\n"
             "other settings. LGPO.exe " +
             (machine ? "/m " : "/u ") + file + " imports it into the local policy.\n";
    case OutputFormat::Preferences:
      return "Its place is GPO\\" + half +
             "\\Preferences\\Registry\\Registry.xml, which holds all the GPO's\n"
             "Preferences registry items: merge these items into an existing one.\n";
    default:
      return "Run LGPO.exe /t " + file +
             " from an administrator prompt to put it into the local policy.\n";
  }
}

// --format pol, gpp and lgpo: the file (or, for the text forms without --out,
// standard output). Never replaces a file: that would lose what else it holds.
int WritePolicyForm(std::uint32_t mask, const OutputOptions& options, const std::string& file,
                    std::string& out, std::string& error) {
  const PolicyFormatter formatter(mask);
  std::string bytes;
  if (options.format == OutputFormat::PolicyFile) {
    bytes = PolicyFileWriter::Header();
    for (const std::string& name : options.ValueNames()) {
      bytes += PolicyFileWriter::DwordRecord(name, mask);
    }
  } else if (options.format == OutputFormat::Preferences) {
    std::vector<std::string> uids(options.ValueNames().size());
    for (std::string& uid : uids) {
      if (!NewRandomGuid(uid, error)) return DriveMaskCli::kExitOutputFailed;
    }
    bytes = formatter.Preferences(options, uids, UtcNow());
  } else {
    bytes = formatter.Format(options);
  }
  if (file.empty()) {
    out = bytes;
    return DriveMaskCli::kExitSuccess;
  }
  if (PathExists(file)) {
    error = QuotedText(file, 0) +
            " exists already, and drivemask does not overwrite it; remove it first, or let "
            "drivemask gpo edit the GPO folder, keeping its other settings";
    return DriveMaskCli::kExitBadInput;
  }
  if (options.format != OutputFormat::PolicyFile) bytes = WithCrLf(bytes);
  if (!WriteFiles({{file, bytes}}, error)) return DriveMaskCli::kExitOutputFailed;
  const bool both = options.noDrives && options.noViewOnDrive;
  std::string text = "Wrote " + file + ": " +
                     (both ? "NoDrives and NoViewOnDrive" : options.ValueNames()[0]) + " = " +
                     FormatMaskDecimal(mask) + " (0x" + formatter.RegDwordDigits() + "), " +
                     formatter.Summary() + ".\n";
  out = text + WrittenFileNote(options, file);
  return DriveMaskCli::kExitSuccess;
}

// gpo: the GPO folder edited in place. Returns the exit code.
int Gpo(const MaskArguments& arguments, std::string& out, std::string& error) {
  GpoEditor::Request request;
  request.change = arguments.Change();
  const bool drives = request.change == GpoChange::Keep || request.change == GpoChange::Hide;
  if (drives && !EncodeDrives(arguments, request.change == GpoChange::Hide, request.mask, error)) {
    return DriveMaskCli::kExitBadInput;
  }
  request.valueNames = arguments.Options().ValueNames();
  request.machine = arguments.Options().hive == RegistryHive::LocalMachine;
  request.folder = arguments.GpoDirectory();
  std::string text;
  const int code = GpoEditor::Run(request, text, error);
  if (code == DriveMaskCli::kExitSuccess) out = text;
  return code;
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
  if (ok && arguments.Action() == MaskAction::Gpo) {
    const int code = Gpo(arguments, out, error);
    if (code != kExitSuccess) err = ErrorLine(error);
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
    ok = arguments.Action() == MaskAction::Decode
             ? DecodeValue(arguments, mask, valueName, error)
             : EncodeDrives(arguments, arguments.Action() == MaskAction::Hide, mask, error);
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
  if (options.format == OutputFormat::PolicyFile || options.format == OutputFormat::Preferences ||
      options.format == OutputFormat::Lgpo) {
    std::string text;
    const int code = WritePolicyForm(mask, options, arguments.OutDirectory(), text, error);
    if (code == kExitSuccess) {
      out = text;
    } else {
      err = ErrorLine(error);
    }
    return code;
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
         "                                            explain the drive policy found\n"
         "       drivemask template --choice LABEL=DRIVES... --out DIR [--format adm-file]\n"
         "                                            write template files with your choices\n"
         "       drivemask gpo keep|hide DRIVE... --dir GPO [--hive HKLM] [--value NAME]\n"
         "       drivemask gpo --disable|--clear --dir GPO\n"
         "                                            set, disable or clear it in a GPO\n"
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
         "gpo     edits a Group Policy object's folder in place: --dir GPO, as SYSVOL's\n"
         "        Policies\\{GUID}; on Windows, left out, the local policy (administrator\n"
         "        only). Sets the value(s) in User\\Registry.pol (HKCU) or, with --hive\n"
         "        HKLM, Machine\\Registry.pol, keeping every other setting there;\n"
         "        --disable sets the policy Disabled, --clear Not configured. Raises\n"
         "        gpt.ini's version and lists the registry extension. Then run\n"
         "        gpupdate /force, and log off and on.\n"
         "\n"
         "Which way to take the mask to the machines:\n"
         "  stock policy      the mask is a stock choice (plain output says): pick it in\n"
         "                    \"Hide these specified drives in My Computer\"; nothing to\n"
         "                    write\n"
         "  custom template   any mask, chosen in the editor like any policy: template\n"
         "  Preferences item  any mask for chosen users, no template: --format gpp (the\n"
         "                    value stays after the GPO stops applying)\n"
         "  policy file/LGPO  any mask straight into a GPO or the local policy: gpo, or\n"
         "                    --format pol or lgpo\n"
         "  registry script   one machine, outside Group Policy: reg, regadd, powershell\n"
         "\n"
         "Options:\n"
         "  --format FORMAT  plain       explained, with where each form goes (default)\n"
         "                   reg         a .reg file (8 hex digits: dword:03fffff3)\n"
         "                   regadd      reg add command lines (decimal)\n"
         "                   powershell  a PowerShell line (decimal)\n"
         "                   adm         an ADM ITEMLIST entry and its [strings] line\n"
         "                   admx        an ADMX <item> and its ADML <string>\n"
         "                   adm-file    template: one ADM file instead of ADMX and ADML\n"
         "                   pol         a Registry.pol file (binary: needs --out FILE)\n"
         "                   gpp         a Group Policy Preferences Registry.xml\n"
         "                   lgpo        text for LGPO.exe (/t imports, /r makes a .pol)\n"
         "                   json        show: the report for scripts\n"
         "  --value NAME     NoDrives (default), NoViewOnDrive or both; a decoded .reg or\n"
         "                   reg query line keeps the value it names\n"
         "  --hive HIVE      HKCU (default, the user's policy) or HKLM (every user)\n"
         "  --from PATH      show: read this export, policy file, GPO or backup folder\n"
         "  --local-gpo      show: read the local Group Policy of this computer\n"
         "  --choice L=D     template: one choice, its label and drives (repeat it)\n"
         "  --out DIR        template: the folder for the files\n"
         "  --out FILE       --format pol, gpp or lgpo: the file to write (never replaced)\n"
         "  --dir GPO        gpo: the GPO folder, the one that holds gpt.ini\n"
         "  --disable        gpo: the policy Disabled (clients delete the value)\n"
         "  --clear          gpo: the policy Not configured (its entries taken out)\n"
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
         "  drivemask keep C D --format pol --out Registry.pol\n"
         "  drivemask gpo keep C D --hive HKLM --dir \\\\corp\\SYSVOL\\corp\\Policies\\{GUID}\n"
         "\n"
         "Arguments are printable ASCII only; anything else (a look-alike letter, a\n"
         "control character) is bad input. \"--\" ends the options.\n"
         "\n"
         "Exit status: 0 on success; 2 on bad input (also a policy file or gpt.ini that\n"
         "cannot be read: then no file is changed); 3 when the output or the files could\n"
         "not be written (disk full, output closed, no administrator rights; then every\n"
         "file is as it was). On 2 and 3 standard error holds one error line and standard\n"
         "output nothing.\n";
}
