#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Complete administrative template files for the two drive policies with the
// administrator's own choices: a category "Drive policies (Veskel)" holding
// a policy that hides drives (NoDrives) and one that prevents access to them
// (NoViewOnDrive), each a drop-down list of the choices. As ADMX with its
// en-US ADML, ready for a PolicyDefinitions store, or as one classic ADM
// file. Names, namespace and string ids are our own (Veskel...), so the
// files sit beside the stock templates without clashing.
class PolicyTemplate {
 public:
  struct Choice {
    std::string label;
    std::uint32_t mask;
  };

  // The file names, and the folder of the ADML file beside the ADMX.
  static constexpr const char* kAdmxName = "VeskelDrives.admx";
  static constexpr const char* kAdmlFolder = "en-US";
  static constexpr const char* kAdmlName = "VeskelDrives.adml";
  static constexpr const char* kAdmName = "VeskelDrives.adm";

  // Adds a choice written LABEL=DRIVES, the drives that stay visible as for
  // keep ("Only C and D=C,D", "Office=C-F X"). A label is refused when it is
  // empty, longer than 100 characters, already used (in any case), or, for
  // an ADM file (forAdm), when it holds a double quote or a backslash, which
  // ADM strings cannot carry (XML escapes what it needs to). A mask that
  // another choice already gives is refused too. False with a one-line
  // message; nothing is added then.
  bool AddChoice(const std::string& argument, bool forAdm, std::string& error);

  // The policies apply to the computer (HKLM, class Machine) instead of the
  // user (HKCU, class User, the default).
  void SetMachine(bool machine) { m_machine = machine; }

  // What the files hold, for the administrator: the category, its two
  // policies and each choice with its mask and the drives it restricts.
  std::string Outline() const;

  // The file texts, CR LF line ends.
  std::string Admx() const;
  std::string Adml() const;
  std::string Adm() const;

 private:
  std::vector<Choice> m_choices;
  bool m_machine = false;
};
