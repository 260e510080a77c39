#include "cli/PolicyFileWriter.h"

#include "cli/ArgumentText.h"
#include "cli/PolicyFile.h"
#include "cli/PolicyValues.h"

namespace {

void AppendUint32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

// The separators and brackets of a record are UTF-16LE characters too.
void AppendCharacter(std::string& bytes, char c) {
  bytes += c;
  bytes += '\0';
}

}  // namespace

std::string PolicyFileWriter::Header() {
  return std::string(PolicyFile::kHeader, sizeof PolicyFile::kHeader);
}

std::string PolicyFileWriter::Record(const std::string& key, const std::string& valueName,
                                     std::uint32_t type, const std::string& data) {
  std::string record;
  AppendCharacter(record, '[');
  record += Utf16LeFromUtf8(key);
  AppendCharacter(record, '\0');
  AppendCharacter(record, ';');
  record += Utf16LeFromUtf8(valueName);
  AppendCharacter(record, '\0');
  AppendCharacter(record, ';');
  AppendUint32(record, type);
  AppendCharacter(record, ';');
  AppendUint32(record, static_cast<std::uint32_t>(data.size()));
  AppendCharacter(record, ';');
  record += data;
  AppendCharacter(record, ']');
  return record;
}

std::string PolicyFileWriter::DwordRecord(const std::string& valueName, std::uint32_t value) {
  std::string data;
  AppendUint32(data, value);
  return Record(kPolicyKeyPath, valueName, kRegDword, data);
}

std::string PolicyFileWriter::DeleteRecord(const std::string& valueName) {
  return Record(kPolicyKeyPath, "**del." + valueName, kRegSz, std::string(" \0\0\0", 4));
}

bool PolicyFileWriter::IsOurs(const PolicyRecord& record,
                              const std::vector<std::string>& valueNames) {
  if (LowerAscii(record.key) != LowerAscii(kPolicyKeyPath)) return false;
  const std::string name = LowerAscii(record.valueName);
  for (const std::string& ours : valueNames) {
    if (name == LowerAscii(ours) || name == "**del." + LowerAscii(ours)) return true;
  }
  return false;
}

std::string PolicyFileWriter::Merged(const std::string& bytes,
                                     const std::vector<PolicyRecord>& records,
                                     const std::vector<std::string>& valueNames,
                                     const std::string& newRecords) {
  std::string merged = bytes.substr(0, sizeof PolicyFile::kHeader);
  bool placed = false;
  for (const PolicyRecord& record : records) {
    if (!IsOurs(record, valueNames)) {
      merged.append(bytes, record.offset, record.length);
    } else if (!placed) {
      merged += newRecords;
      placed = true;
    }
  }
  if (!placed) merged += newRecords;
  return merged;
}
