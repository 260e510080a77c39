#pragma once

#include <cstdint>
#include <string>

// Writes Registry.pol files, the binary form of a Group Policy object's
// registry settings: the 8-byte header ("PReg", version 1), then records
// [key;name;type;size;data] in UTF-16LE, one after another.
class PolicyFileWriter {
 public:
  // The header of every policy file; alone it is a valid, empty policy.
  static std::string Header();

  // One record. Key and value name are UTF-8 and are written with their
  // terminating NUL; data is written exactly as given.
  static std::string Record(const std::string& key, const std::string& valueName,
                            std::uint32_t type, const std::string& data);
  // A REG_DWORD record under the drive policy key.
  static std::string DwordRecord(const std::string& valueName, std::uint32_t value);
  // "**del.NAME" under the drive policy key, as the policy editor writes a
  // Disabled policy: REG_SZ, 4 bytes, one space and its NUL.
  static std::string DeleteRecord(const std::string& valueName);
};
