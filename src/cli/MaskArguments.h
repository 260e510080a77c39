#pragma once

#include <string>
#include <vector>

#include "cli/OutputOptions.h"

// What the command line asks for.
enum class MaskAction {
  Help,      // --help: print the usage
  Keep,      // keep DRIVE...: the drives that stay visible
  Hide,      // hide DRIVE... or --hide DRIVE...: the drives to hide
  Decode,    // decode VALUE, or a bare VALUE: a mask back into drive letters
  Show,      // show [--from FILE]: the drive policy set in the registry, explained
  Template,  // template --choice LABEL=DRIVES... --out DIR: template files
  Gpo,       // gpo keep|hide DRIVES..., --disable or --clear: a GPO folder edited
};

// What gpo does to the chosen values in the GPO's policy file.
enum class GpoChange {
  None,
  Keep,     // set them to the mask that keeps the drives named
  Hide,     // set them to the mask that hides the drives named
  Disable,  // the policy Disabled: "**del." records
  Clear,    // the policy Not configured: our records taken out
};

// The drivemask command line: one action, its operands and the output options.
//   drivemask keep C D
//   drivemask --hide A B --format reg --value both --hive HKLM
//   drivemask decode "\"NoDrives\"=dword:03fffff3"
//   drivemask show --from exported.reg
//   drivemask show --from \\example.org\SYSVOL\example.org\Policies --format json
//   drivemask template --choice "Only C and D=C,D" --out policies
//   drivemask keep C D --format pol --out Registry.pol
//   drivemask gpo keep C D --dir gpo --hive HKLM
// Arguments are read in order: the first bad one is the error, even when a
// --help follows it; "--" ends the options.
class MaskArguments {
 public:
  // Reads the arguments that follow the program name. On a bad argument
  // returns false with a one-line message naming it; an argument that holds
  // anything but printable ASCII is a bad argument.
  bool Parse(const std::vector<std::string>& args, std::string& error);

  MaskAction Action() const { return m_action; }
  // Drive words for keep and hide; the words of the value for decode.
  const std::vector<std::string>& Operands() const { return m_operands; }
  const OutputOptions& Options() const { return m_options; }
  // Whether --value chose the registry values; otherwise a decoded line that
  // names its value chooses it.
  bool ValueNamesGiven() const { return m_valueNamesGiven; }
  // Whether the action was given (keep, hide, decode) or inferred from a bare
  // value.
  bool ActionGiven() const { return m_actionGiven; }
  // show --from PATH: the registry export, Registry.pol, GPO folder, GPO
  // backup or folder of backups to read; empty for the live registry.
  const std::string& FromFile() const { return m_fromFile; }
  // show --local-gpo: the local Group Policy of this computer.
  bool LocalGpo() const { return m_localGpo; }
  // Whether --hive was given (show: the hive of a bare Registry.pol).
  bool HiveGiven() const { return m_hiveGiven; }
  // template: the --choice arguments, LABEL=DRIVES, in order, and --out DIR.
  const std::vector<std::string>& Choices() const { return m_choices; }
  // (For --format pol, gpp and lgpo, --out names the file to write.)
  const std::string& OutDirectory() const { return m_outDirectory; }
  // gpo: what it does, and --dir GPO (empty: the local policy, on Windows).
  GpoChange Change() const { return m_gpoChange; }
  const std::string& GpoDirectory() const { return m_gpoDirectory; }

 private:
  bool SetAction(MaskAction action, const std::string& word, std::string& error);
  bool SetOption(const std::string& option, const std::string& value, std::string& error);
  bool SetFormat(const std::string& value, std::string& error);
  bool CheckCombination(std::string& error) const;
  bool CheckGpo(std::string& error) const;
  bool SetGpoChange(GpoChange change, const std::string& word, std::string& error);

  MaskAction m_action = MaskAction::Decode;
  bool m_actionGiven = false;
  std::vector<std::string> m_operands;
  OutputOptions m_options;
  bool m_valueNamesGiven = false;
  bool m_formatGiven = false;
  bool m_hiveGiven = false;
  std::string m_fromFile;
  bool m_localGpo = false;
  std::vector<std::string> m_choices;
  std::string m_outDirectory;
  GpoChange m_gpoChange = GpoChange::None;
  std::string m_gpoDirectory;
};
