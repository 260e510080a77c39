#include "cli/MaskArguments.h"

#include <cctype>

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A word that starts with '-' and is not a negative number is an option.
bool IsOption(const std::string& word) {
  return word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]));
}

}  // namespace

bool MaskArguments::Parse(const std::vector<std::string>& args, std::string& error) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h" || arg == "/?") {
      m_action = MaskAction::Help;
      m_actionGiven = true;
      return true;
    }
  }

  bool operandsOnly = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (operandsOnly || !IsOption(arg)) {
      const std::string word = Lower(arg);
      if (!operandsOnly && !m_actionGiven && m_operands.empty() &&
          (word == "keep" || word == "hide" || word == "decode")) {
        const MaskAction action = word == "keep"   ? MaskAction::Keep
                                  : word == "hide" ? MaskAction::Hide
                                                   : MaskAction::Decode;
        if (!SetAction(action, arg, error)) return false;
      } else {
        m_operands.push_back(arg);
      }
      continue;
    }
    if (arg == "--") {
      operandsOnly = true;
    } else if (arg == "--keep") {
      if (!SetAction(MaskAction::Keep, arg, error)) return false;
    } else if (arg == "--hide") {
      if (!SetAction(MaskAction::Hide, arg, error)) return false;
    } else if (arg == "--decode") {
      if (!SetAction(MaskAction::Decode, arg, error)) return false;
    } else {
      std::string option = arg;
      std::string value;
      const std::string::size_type equals = arg.find('=');
      if (equals != std::string::npos) {
        option = arg.substr(0, equals);
        value = arg.substr(equals + 1);
      } else if (arg == "--format" || arg == "--value" || arg == "--hive") {
        if (i + 1 >= args.size()) {
          error = arg + " needs a value";
          return false;
        }
        value = args[++i];
      }
      if (!SetOption(option, value, error)) return false;
    }
  }

  if (!m_actionGiven && m_operands.empty()) {
    error = "nothing to do; give drives (keep C D, --hide A B) or a value to decode (try --help)";
    return false;
  }
  return true;
}

bool MaskArguments::SetAction(MaskAction action, const std::string& word, std::string& error) {
  if (m_actionGiven && m_action != action) {
    error = "\"" + word + "\" conflicts with an earlier keep, hide or decode; give only one";
    return false;
  }
  if (!m_actionGiven && !m_operands.empty()) {
    error = "\"" + word + "\" must come before \"" + m_operands.front() + "\"";
    return false;
  }
  m_action = action;
  m_actionGiven = true;
  return true;
}

bool MaskArguments::SetOption(const std::string& option, const std::string& value,
                              std::string& error) {
  const std::string lower = Lower(value);
  if (option == "--format") {
    if (lower == "plain") {
      m_options.format = OutputFormat::Plain;
    } else if (lower == "reg") {
      m_options.format = OutputFormat::RegFile;
    } else if (lower == "regadd" || lower == "reg-add") {
      m_options.format = OutputFormat::RegAdd;
    } else if (lower == "powershell" || lower == "ps") {
      m_options.format = OutputFormat::PowerShell;
    } else if (lower == "adm") {
      m_options.format = OutputFormat::Adm;
    } else if (lower == "admx") {
      m_options.format = OutputFormat::Admx;
    } else {
      error =
          "unknown format \"" + value + "\"; choose plain, reg, regadd, powershell, adm or admx";
      return false;
    }
  } else if (option == "--value") {
    if (lower == "nodrives") {
      m_options.noDrives = true;
      m_options.noViewOnDrive = false;
    } else if (lower == "noviewondrive") {
      m_options.noDrives = false;
      m_options.noViewOnDrive = true;
    } else if (lower == "both") {
      m_options.noDrives = true;
      m_options.noViewOnDrive = true;
    } else {
      error = "unknown registry value \"" + value + "\"; choose NoDrives, NoViewOnDrive or both";
      return false;
    }
    m_valueNamesGiven = true;
  } else if (option == "--hive") {
    if (lower == "hkcu" || lower == "hkey_current_user") {
      m_options.hive = RegistryHive::CurrentUser;
    } else if (lower == "hklm" || lower == "hkey_local_machine") {
      m_options.hive = RegistryHive::LocalMachine;
    } else {
      error = "unknown hive \"" + value + "\"; choose HKCU or HKLM";
      return false;
    }
  } else {
    error = "unknown option \"" + option + "\" (try --help)";
    return false;
  }
  return true;
}
