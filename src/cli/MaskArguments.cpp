#include "cli/MaskArguments.h"

#include <cctype>

#include "cli/ArgumentText.h"
#include "cli/PolicyValues.h"

namespace {

// A word that starts with '-' and is not a negative number is an option.
bool IsOption(const std::string& word) {
  return word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]));
}

bool IsHelp(const std::string& word) { return word == "--help" || word == "-h" || word == "/?"; }

// Options that take the next argument as their value (or --option=value).
bool TakesValue(const std::string& option) {
  return option == "--format" || option == "--value" || option == "--hive" || option == "--from" ||
         option == "--choice" || option == "--out" || option == "--dir";
}

bool ActionWord(const std::string& word, MaskAction& action) {
  const std::string lower = LowerAscii(word);
  if (lower == "keep") {
    action = MaskAction::Keep;
  } else if (lower == "hide") {
    action = MaskAction::Hide;
  } else if (lower == "decode") {
    action = MaskAction::Decode;
  } else if (lower == "show") {
    action = MaskAction::Show;
  } else if (lower == "template") {
    action = MaskAction::Template;
  } else if (lower == "gpo") {
    action = MaskAction::Gpo;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool MaskArguments::Parse(const std::vector<std::string>& args, std::string& error) {
  bool operandsOnly = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!CheckArgumentText(arg, i + 1, error)) return false;
    if (!operandsOnly && IsHelp(arg)) {
      m_action = MaskAction::Help;
      return true;
    }
    if (operandsOnly || !IsOption(arg)) {
      MaskAction action = MaskAction::Decode;
      const std::string lower = LowerAscii(arg);
      if (!operandsOnly && !m_actionGiven && m_operands.empty() && ActionWord(arg, action)) {
        if (!SetAction(action, arg, error)) return false;
      } else if (!operandsOnly && m_action == MaskAction::Gpo && m_operands.empty() &&
                 (lower == "keep" || lower == "hide")) {
        if (!SetGpoChange(lower == "keep" ? GpoChange::Keep : GpoChange::Hide, arg, error)) {
          return false;
        }
      } else {
        m_operands.push_back(arg);
      }
      continue;
    }
    if (arg == "--") {
      operandsOnly = true;
    } else if ((arg == "--keep" || arg == "--hide") && m_action == MaskAction::Gpo) {
      if (!SetGpoChange(arg == "--keep" ? GpoChange::Keep : GpoChange::Hide, arg, error)) {
        return false;
      }
    } else if (arg == "--disable" || arg == "--clear") {
      if (!SetGpoChange(arg == "--clear" ? GpoChange::Clear : GpoChange::Disable, arg, error)) {
        return false;
      }
    } else if (arg == "--keep") {
      if (!SetAction(MaskAction::Keep, arg, error)) return false;
    } else if (arg == "--hide") {
      if (!SetAction(MaskAction::Hide, arg, error)) return false;
    } else if (arg == "--decode") {
      if (!SetAction(MaskAction::Decode, arg, error)) return false;
    } else if (arg == "--local-gpo") {
      m_localGpo = true;
    } else {
      std::string option = arg;
      std::string value;
      const std::string::size_type equals = arg.find('=');
      if (equals != std::string::npos) {
        option = arg.substr(0, equals);
        value = arg.substr(equals + 1);
      } else if (TakesValue(arg)) {
        if (i + 1 >= args.size()) {
          error = arg + " needs a value";
          return false;
        }
        value = args[++i];
        if (!CheckArgumentText(value, i + 1, error)) return false;
      }
      if (!SetOption(option, value, error)) return false;
    }
  }

  if (!m_actionGiven && m_operands.empty() && m_gpoChange == GpoChange::None) {
    error = "nothing to do; give drives (keep C D, --hide A B) or a value to decode (try --help)";
    return false;
  }
  return CheckCombination(error);
}

bool MaskArguments::CheckCombination(std::string& error) const {
  const bool show = m_action == MaskAction::Show;
  const bool makeTemplate = m_action == MaskAction::Template;
  const OutputFormat format = m_options.format;
  const bool fileFormat = format == OutputFormat::PolicyFile ||
                          format == OutputFormat::Preferences || format == OutputFormat::Lgpo;
  if (!m_fromFile.empty() && !show) {
    error = "--from goes with show (drivemask show --from FILE)";
  } else if (m_localGpo && (!show || !m_fromFile.empty())) {
    error = show ? "give --local-gpo or --from, not both"
                 : "--local-gpo goes with show (drivemask show --local-gpo)";
  } else if (!m_choices.empty() && !makeTemplate) {
    error = "--choice and --out go with template (drivemask template --choice ... --out DIR)";
  } else if (!m_outDirectory.empty() && !makeTemplate && !fileFormat) {
    error = m_action == MaskAction::Gpo
                ? "gpo takes --dir GPO, the folder of the Group Policy object, not --out"
                : "--choice and --out go with template (drivemask template --choice ... --out "
                  "DIR), and --out with --format pol, gpp or lgpo";
  } else if ((!m_gpoDirectory.empty() || m_gpoChange != GpoChange::None) &&
             m_action != MaskAction::Gpo) {
    error = "--dir, --disable and --clear go with gpo (drivemask gpo --disable --dir GPO)";
  } else if (m_action == MaskAction::Gpo) {
    return CheckGpo(error);
  } else if ((show || makeTemplate) && !m_operands.empty()) {
    error = std::string(show ? "show" : "template") + " takes no drives or values, but got " +
            QuotedText(m_operands.front()) +
            (show ? "; write drivemask show, or show --from FILE"
                  : "; give each choice as --choice \"LABEL=DRIVES\"");
  } else if (show && m_formatGiven && m_options.format != OutputFormat::Plain &&
             m_options.format != OutputFormat::Json) {
    error = "show writes plain (the default) or json";
  } else if (show && m_valueNamesGiven) {
    error = "show takes no --value: it explains both values in both hives";
  } else if (show && m_hiveGiven && m_fromFile.empty()) {
    error =
        "show takes --hive only with --from FILE, for a Registry.pol found outside its "
        "Machine or User folder";
  } else if (!show && m_options.format == OutputFormat::Json) {
    error = "--format json is for show (drivemask show --from PATH --format json)";
  } else if (makeTemplate && m_formatGiven && m_options.format != OutputFormat::Admx &&
             m_options.format != OutputFormat::AdmFile) {
    error = "template writes admx (ADMX and ADML files, the default) or adm-file (an ADM file)";
  } else if (!makeTemplate && m_options.format == OutputFormat::AdmFile) {
    error = "--format adm-file writes a whole template: use it with template";
  } else if (makeTemplate && m_valueNamesGiven) {
    error = "template always holds both policies, NoDrives and NoViewOnDrive; drop --value";
  } else if (makeTemplate && m_choices.empty()) {
    error = "template needs choices, such as --choice \"Only C and D=C,D\" (LABEL=DRIVES)";
  } else if (makeTemplate && m_outDirectory.empty()) {
    error = "template needs --out DIR, the folder to write the template files into";
  } else if (format == OutputFormat::PolicyFile && m_outDirectory.empty()) {
    error = "--format pol writes a binary Registry.pol, never to the terminal: add --out FILE";
  } else {
    return true;
  }
  return false;
}

bool MaskArguments::CheckGpo(std::string& error) const {
  const bool drives = m_gpoChange == GpoChange::Keep || m_gpoChange == GpoChange::Hide;
  if (m_gpoChange == GpoChange::None) {
    error = "gpo needs keep DRIVES, hide DRIVES, --disable or --clear (try --help)";
  } else if (m_formatGiven) {
    error = "gpo takes no --format: it edits the GPO's Registry.pol and gpt.ini";
  } else if (!drives && !m_operands.empty()) {
    error = std::string("gpo ") + (m_gpoChange == GpoChange::Clear ? "--clear" : "--disable") +
            " takes no drives, but got " + QuotedText(m_operands.front());
  } else {
    return true;
  }
  return false;
}

bool MaskArguments::SetGpoChange(GpoChange change, const std::string& word, std::string& error) {
  if (m_gpoChange != GpoChange::None && m_gpoChange != change) {
    error = QuotedText(word) + " conflicts with an earlier keep, hide, --disable or --clear of gpo";
    return false;
  }
  m_gpoChange = change;
  return true;
}

bool MaskArguments::SetAction(MaskAction action, const std::string& word, std::string& error) {
  if (m_actionGiven && m_action != action) {
    error = QuotedText(word) +
            " conflicts with an earlier keep, hide, decode, show, template or gpo; give only one";
    return false;
  }
  if (!m_actionGiven && !m_operands.empty()) {
    error = QuotedText(word) + " must come before " + QuotedText(m_operands.front());
    return false;
  }
  m_action = action;
  m_actionGiven = true;
  return true;
}

bool MaskArguments::SetFormat(const std::string& value, std::string& error) {
  static const struct {
    const char* name;
    OutputFormat format;
  } kFormats[] = {
      {"plain", OutputFormat::Plain},
      {"reg", OutputFormat::RegFile},
      {"regadd", OutputFormat::RegAdd},
      {"reg-add", OutputFormat::RegAdd},
      {"powershell", OutputFormat::PowerShell},
      {"ps", OutputFormat::PowerShell},
      {"adm", OutputFormat::Adm},
      {"admx", OutputFormat::Admx},
      {"adm-file", OutputFormat::AdmFile},
      {"pol", OutputFormat::PolicyFile},
      {"gpp", OutputFormat::Preferences},
      {"lgpo", OutputFormat::Lgpo},
      {"json", OutputFormat::Json},
  };
  const std::string lower = LowerAscii(value);
  for (const auto& entry : kFormats) {
    if (lower == entry.name) {
      m_options.format = entry.format;
      m_formatGiven = true;
      return true;
    }
  }
  error = "unknown format " + QuotedText(value) +
          "; choose plain, reg, regadd, powershell, adm, admx, pol, gpp or lgpo (show: plain or "
          "json; template: admx or adm-file)";
  return false;
}

bool MaskArguments::SetOption(const std::string& option, const std::string& value,
                              std::string& error) {
  const std::string lower = LowerAscii(value);
  if (option == "--format") {
    return SetFormat(value, error);
  } else if (option == "--value") {
    PolicyName name = PolicyName::NoDrives;
    if (PolicyNameFromText(value, name)) {
      m_options.noDrives = name == PolicyName::NoDrives;
      m_options.noViewOnDrive = name == PolicyName::NoViewOnDrive;
    } else if (lower == "both") {
      m_options.noDrives = true;
      m_options.noViewOnDrive = true;
    } else {
      error = "unknown registry value " + QuotedText(value) +
              "; choose NoDrives, NoViewOnDrive or both";
      return false;
    }
    m_valueNamesGiven = true;
  } else if (option == "--hive") {
    if (lower == "hkcu" || lower == "hkey_current_user") {
      m_options.hive = RegistryHive::CurrentUser;
    } else if (lower == "hklm" || lower == "hkey_local_machine") {
      m_options.hive = RegistryHive::LocalMachine;
    } else {
      error = "unknown hive " + QuotedText(value) + "; choose HKCU or HKLM";
      return false;
    }
    m_hiveGiven = true;
  } else if (option == "--from" || option == "--out" || option == "--dir") {
    if (value.empty()) {
      error = option + " needs a " + (option == "--from" ? "file" : "folder") + " name";
      return false;
    }
    (option == "--from" ? m_fromFile : option == "--out" ? m_outDirectory : m_gpoDirectory) = value;
  } else if (option == "--choice") {
    m_choices.push_back(value);
  } else {
    error = "unknown option " + QuotedText(option) + " (try --help)";
    return false;
  }
  return true;
}
