#pragma once

#include <string>

#include "cli/PolicyValues.h"

// A registry export (.reg file) read for the drive policy values, so that a
// file a colleague sent can be explained on any system.
class RegistryExport {
 public:
  // Reads the bytes of a .reg file: "Windows Registry Editor Version 5.00" in
  // UTF-16LE with its byte-order mark (as regedit writes it) or in UTF-8, or
  // "REGEDIT4" in ANSI; CR LF or LF line ends; long values continued with a
  // backslash at the end of the line. Like an import, a value given twice
  // counts as its last, and a deleted key or value is not set. A hive whose
  // policy key the file does not hold stays Unknown. False with a one-line
  // message when the bytes are no registry export, a drive policy value in
  // it cannot be read, or it holds the policy key of neither hive.
  static bool Read(const std::string& bytes, PolicyValues& values, std::string& error);
};
