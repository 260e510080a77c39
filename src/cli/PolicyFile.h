#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One record of a registry policy file (Registry.pol), as stored.
struct PolicyRecord {
  std::string key;         // UTF-8, as stored (case kept)
  std::string valueName;   // UTF-8, as stored ("" for a key-only record; "**del.NoDrives" etc.)
  std::uint32_t type = 0;  // REG_* number as stored
  std::string data;        // exactly the record's `size` data bytes, as stored
  std::size_t offset = 0;  // byte offset of the record's '[' in the file
  std::size_t length = 0;  // the record's bytes in the file, '[' to ']' inclusive
};

// The registry policy file of Group Policy (Machine\Registry.pol,
// User\Registry.pol): the 8-byte header "PReg" and version 1 (u32 LE), then
// records one after another, each in UTF-16LE
//   [ key NUL ; value name NUL ; type (u32 LE) ; size (u32 LE) ; size data bytes ]
// with nothing between them and nothing after the last. Window-free: it
// builds natively under the sanitizers and a fuzzer.
class PolicyFile {
 public:
  // The 8 header bytes every policy file begins with.
  static const char kHeader[8];

  // Reads a whole Registry.pol. False with a one-line message that gives the byte offset
  // and what was expected ("at byte 26: expected ';' after the value name"); the caller
  // puts the file name in front. Records keep the file's order.
  // Every record is kept, whatever its type or name. Refused: another
  // signature or version, a key or name without its NUL, a missing bracket or
  // separator, a size that runs past the end, string data of an odd size, a
  // REG_DWORD of other than 4 bytes or a REG_QWORD of other than 8, and any
  // bytes after the last record. Nothing is allocated from a length field
  // before it is checked against the bytes that remain.
  static bool Read(const std::string& bytes, std::vector<PolicyRecord>& records,
                   std::string& error);
};
