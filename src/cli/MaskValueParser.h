#pragma once

#include <cstdint>
#include <string>

// Reads a drive mask written in one of the forms an administrator meets:
//   67108851                                  decimal
//   0x3fffff3                                 hexadecimal with 0x
//   "NoDrives"=dword:03fffff3                 a line of a .reg file (also without the quotes
//                                             around the name, or just dword:03fffff3)
//   VALUE NUMERIC 67108851                    an ADM line (NAME !!x VALUE NUMERIC 67108851 too)
//   <decimal value="67108851" />              an ADMX value element
//   NoDrives    REG_DWORD    0x3fffff3        a line of reg query output
// A value with bits above Z: (bit 25) is refused with a message naming them.
class MaskValueParser {
 public:
  // On success sets mask and, when the text names the registry value, valueName
  // ("NoDrives" or "NoViewOnDrive" as written by the system; empty otherwise).
  // On failure returns false with a one-line message and changes neither.
  static bool Parse(const std::string& text, std::uint32_t& mask, std::string& valueName,
                    std::string& error);

  // A plain number: decimal digits, or 0x followed by hexadecimal digits. Sets
  // value to at most 64 bits; false with a message otherwise.
  static bool ParseNumber(const std::string& text, std::uint64_t& value, std::string& error);

  // Checks that value fits the 26 drive bits; the message names the bits above Z:.
  static bool CheckDriveBits(const std::string& text, std::uint64_t value, std::string& error);

  // "bit 30", "bits 26-33", "bits 26, 28 and 30-31": the set bits of value that
  // lie above Z:.
  static std::string DescribeBitsAboveZ(std::uint64_t value);
};
