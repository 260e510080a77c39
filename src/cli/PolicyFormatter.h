#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/DriveMask.h"
#include "cli/OutputOptions.h"

// Writes a drive mask in the forms an administrator pastes: explained in plain
// text, as a .reg file, as reg add and PowerShell lines, and as entries for ADM
// and ADMX templates, as text for LGPO.exe and as Group Policy Preferences
// items. Templates and commands take the mask in decimal; a .reg
// file takes it as exactly 8 hexadecimal digits.
class PolicyFormatter {
 public:
  // The mask must lie within the 26 drive bits (A: to Z:).
  explicit PolicyFormatter(std::uint32_t mask);

  // The complete output text for the options; every line ends with "\n".
  std::string Format(const OutputOptions& options) const;

  // Every hidden (or visible) drive with its colon, "A: B: E:"; "(none)" when empty.
  std::string LetterList(bool hidden) const;
  // The hidden (or visible) drives in short: runs of three or more as ranges,
  // "A, B, E-Z"; with withAnd the last two are joined by "and", "A, B and E-Z".
  std::string CompactList(bool hidden, bool withAnd) const;
  // A name for the mask in a template's drop-down list, such as "Restrict all
  // drives except C and D"; the stock name when the stock policy offers it.
  std::string Label() const;
  // "hides A, B, E-Z; leaves C, D visible".
  std::string Summary() const;
  // What the mask does to the drives with verb: "<verb> no drive<none>",
  // "<verb> every drive<every>", or "<verb> A, B, E-Z; leaves C, D<left>".
  std::string Sentence(const std::string& verb, const char* none, const char* every,
                       const char* left) const;
  // The 8 hex digits of a .reg dword, "03fffff3".
  std::string RegDwordDigits() const;
  // A Group Policy Preferences Registry.xml with one item (action Update) per
  // value: uids holds a fresh GUID for each, changed the time of writing in
  // UTC, "YYYY-MM-DD HH:MM:SS".
  std::string Preferences(const OutputOptions& options, const std::vector<std::string>& uids,
                          const std::string& changed) const;

 private:
  std::string Plain(const OutputOptions& options) const;
  std::string RegFile(const OutputOptions& options) const;
  std::string RegAdd(const OutputOptions& options) const;
  std::string PowerShell(const OutputOptions& options) const;
  std::string Adm(const OutputOptions& options) const;
  std::string Admx(const OutputOptions& options) const;
  std::string Lgpo(const OutputOptions& options) const;
  // The comment lines a .reg file and LGPO text begin with: the mask, what it
  // does and what each value does.
  std::string SemicolonHeading(const OutputOptions& options) const;
  int HiddenCount() const;

  std::uint32_t m_mask;
  DriveTicks m_visible;
};
