#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/PolicyFile.h"

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

  // Whether the record is one of the given drive policy values under the
  // drive policy key, or the "**del." of one (names and key in any case).
  static bool IsOurs(const PolicyRecord& record, const std::vector<std::string>& valueNames);

  // The file with every record of ours (IsOurs) taken out and the new records
  // put in: at the place of the first record taken out, or at the end when
  // there was none. Every other record keeps its bytes and its order. bytes
  // must be the whole file and records what PolicyFile::Read made of it.
  static std::string Merged(const std::string& bytes, const std::vector<PolicyRecord>& records,
                            const std::vector<std::string>& valueNames,
                            const std::string& newRecords);
};
