#pragma once

#include <string>

#include "cli/PolicyValues.h"

// The drive policy values of a registry explained for an administrator: for
// NoDrives and NoViewOnDrive, where each is set, its type and raw value, the
// drives it hides or blocks, and which of the two hives applies. Explorer's
// lookup takes the value of HKEY_LOCAL_MACHINE when it is set there, else that
// of HKEY_CURRENT_USER; a value it cannot read as a DWORD (a REG_SZ, a
// REG_BINARY of other than 4 bytes) it ignores.
class PolicyReport {
 public:
  // The whole text; source says where the values come from ("the registry of
  // this computer", "the export drives.reg").
  static std::string Explain(const PolicyValues& values, const std::string& source);

  // Whether Explorer reads the value as a mask, and the mask it reads.
  static bool ReadsAsMask(const PolicyValue& value, std::uint32_t& mask);

  // The heading of a value's part of a report: the name and what it does.
  static const char* Heading(PolicyName name);
  // The two lines on Explorer's lookup under the head of a report.
  static const char kLookupNote[];
  // "REG_DWORD", ..., or "a value of type N" for a type without a name.
  static std::string TypeName(std::uint32_t type);

  // The value as found: its type, its raw value and what Explorer makes of it.
  static std::string DescribeValue(PolicyName name, const PolicyValue& value);
  // What a mask does: "hides A, B, E-Z; leaves C, D visible" ("blocks ..."
  // for NoViewOnDrive), with any bits above Z: named.
  static std::string Effect(PolicyName name, std::uint32_t mask);
  // "  LABEL   text", the text wrapped at spaces to lines of at most 80
  // characters, continued under its first word.
  static std::string Entry(const std::string& label, const std::string& text);
};
